#pragma once
// A scenario line that cannot be run: malformed, naming nothing that exists, or aiming the
// mouse at a spot a real pointer could not reach. The runner reports it and stops the file.

#include <stdexcept>
#include <string>

namespace scenario {

class LineError : public std::runtime_error {
public:
    explicit LineError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace scenario
