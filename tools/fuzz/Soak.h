#pragma once
// The long run: a day of virtual time on the oscilloscope with its running spot at 10 ms (TIME/DIV
// at 20 ms/div), the switch thrown again and again so the level ramps restart, and storage
// recordings armed, recorded and cleared once a minute. What the program holds after the first
// hour and at the end must be the same: controls, array elements, enabled timers, cached pictures
// and the process's resident memory.

#include <ostream>

namespace fuzz {

// Runs `hours` of virtual time; false (with the reason written to `log`) when anything grew or an
// invariant broke.
bool soak(int hours, std::ostream& log);

}  // namespace fuzz
