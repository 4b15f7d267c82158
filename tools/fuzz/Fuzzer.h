#pragma once
// A fuzzing campaign: sessions of random events, each in a fresh program on a virtual clock, the
// invariants checked after every event. A broken invariant stops the campaign; its session is
// shrunk to a few events that still break it and written as a scenario file.

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tools/fuzz/Driver.h"

namespace fuzz {

struct Failure {
    uint64_t seed = 0;  // the session's seed
    std::string invariant;
    std::vector<Event> events;       // shrunk
    std::vector<std::string> lines;  // the shrunk events as scenario lines
    bool exact = true;               // the lines say all the events did
    bool reproduced = false;         // the scenario runner, given the lines, breaks it too
};

struct Campaign {
    long events = 0;
    long sessions = 0;
    long scopeOn = 0;     // sessions that ended with the oscilloscope switched on
    long recordings = 0;  // sessions that recorded a trace
    std::optional<Failure> failure;
};

// Runs at least `events` events from sessions seeded from `seed`.
Campaign runCampaign(uint64_t seed, long events, std::ostream& log);

// The scenario file of a failure.
std::string scenarioText(const Failure& f);

}  // namespace fuzz
