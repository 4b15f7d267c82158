#include "gfx/Paint.h"

#include <cmath>

namespace gfx {

void Gradient::setColorAt(double at, Color c) {
    // A place outside 0..1 (or not a number) is refused, as painters do.
    if (!(at >= 0 && at <= 1)) return;
    auto it = stops.begin();
    while (it != stops.end() && it->at < at) ++it;
    if (it != stops.end() && it->at == at)
        it->color = c;
    else
        stops.insert(it, GradientStop{at, c});
}

}  // namespace gfx
