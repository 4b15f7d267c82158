#pragma once
// The runner's command line, the same whatever front end it is built with:
//   vorlinde-scenario [--snapshots DIR] [--] FILE...   (FILE - reads standard input)

#include <string>
#include <vector>

#include "tools/scenario/Host.h"

namespace scenario {

// Runs the files named by `args` (the program name excluded) with `host`, prints every
// FAIL and ERROR line and the closing line on standard output; returns the exit status.
int runCommandLine(const Host& host, const std::vector<std::string>& args);

}  // namespace scenario
