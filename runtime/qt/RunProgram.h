#pragma once
// The whole program on the real screen: the Qt application, the model of the practical and the
// main frame, run until the frame is closed. `main` is this with nothing more; a probe may add a
// call made once the first instrument window has been painted.

#include <functional>

namespace rtqt {

int runProgram(int argc, char** argv, std::function<void()> afterFirstFrame = {});

}  // namespace rtqt
