#include "runtime/web/DoubleClick.h"

#include <cmath>

namespace rtweb {

bool DoubleClick::press(int button, double x, double y, double timeMs) {
    const double dt = timeMs - last_.timeMs;
    const bool isDouble = last_.valid && last_.button == button && dt >= 0 && dt < kIntervalMs &&
                          std::fabs(x - last_.x) < kDistancePx && std::fabs(y - last_.y) < kDistancePx;
    if (isDouble)
        last_ = {};  // a third press is a first one again
    else
        last_ = {true, button, x, y, timeMs};
    return isDouble;
}

}  // namespace rtweb
