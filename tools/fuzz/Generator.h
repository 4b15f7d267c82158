#pragma once
// Random pointer input as a person could give it with a three-button mouse: moves, presses and
// releases of any button (two held at once too) with any shift state, clicks and double-clicks,
// aimed inside the shown window's controls, on their exact edges, on their middles, on the window
// background and, while a button is held, far outside the window; and waits of 0 to 60 s.

#include <functional>
#include <random>
#include <unordered_map>
#include <vector>

#include "tools/fuzz/Driver.h"

namespace rt {
class Control;
}

namespace fuzz {

class Generator {
public:
    explicit Generator(uint64_t seed) : rng_(seed) {}

    // Whether this session first readies a recording (about one in three), and how many random
    // events it then runs.
    bool readyToRecordShare() { return chance(0.35); }
    long sessionLength() { return 50 + pick(1500); }
    // The next event for the program as it is now.
    Event next(Program& p);
    // The events of a student who readies the circuit for a recording: generator on, R and C
    // dialled, the oscilloscope on, both probes and the ground wired, the channels on DC, storage
    // armed, the schematic open. Each is given to `apply` as soon as it is made.
    void readyToRecord(Program& p, const std::function<void(const Event&)>& apply);

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    double uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }
    int waitMs();
    void aim(Program& p, rt::Window& w, Event& e);
    const std::vector<rt::Control*>& pointable(rt::Window& w);

    std::mt19937_64 rng_;
    int held_ = 0;  // the buttons held down now
    std::unordered_map<const rt::Window*, std::vector<rt::Control*>> pointable_;
};

}  // namespace fuzz
