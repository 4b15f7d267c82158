#include "view/CursorPixels.h"

#include <cmath>

namespace view {

gfx::Image seeThroughBlack(gfx::Image img) {
    for (uint32_t& p : img.pixels)
        if ((p & 0x00ffffffu) == 0) p = 0;
    return img;
}

int hotSpotPixels(double hotSpot, double ratio) {
    if (!std::isfinite(hotSpot) || !std::isfinite(ratio) || !(ratio > 0)) return 0;
    return static_cast<int>(std::lround(hotSpot * ratio));
}

}  // namespace view
