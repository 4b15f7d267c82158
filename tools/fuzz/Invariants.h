#pragma once
// What must hold after every event, whatever the student did: each value within its range, each
// picture matching the value it shows, the flags true or false, the two schematics agreeing. Read
// from the program's own windows and shared state, never from a driver's bookkeeping.

#include <string>
#include <vector>

class Program;

namespace fuzz {

// The names of the invariants that do not hold now (empty when all hold).
std::vector<std::string> brokenInvariants(Program& program);
// The scenario names of what the invariant reads, for a `print` line.
std::string invariantShows(const std::string& invariant);

}  // namespace fuzz
