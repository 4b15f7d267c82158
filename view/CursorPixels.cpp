#include "view/CursorPixels.h"

#include <algorithm>
#include <cmath>

#include "view/PictureCache.h"

namespace view {

gfx::Image seeThroughBlack(gfx::Image img) {
    for (uint32_t& p : img.pixels)
        if ((p & 0x00ffffffu) == 0) p = 0;
    return img;
}

double cursorPaintRatio(double dpr, double scale, double largest) {
    if (!(scale > 0) || !std::isfinite(scale)) scale = 1.0;
    if (!(dpr > 0) || !std::isfinite(dpr)) dpr = 1.0;
    const int hundredths = PictureCache::ratioKey(std::min(dpr * scale, largest));
    return std::max(1, hundredths) / 100.0;
}

int hotSpotPixels(double hotSpot, double ratio) {
    if (!std::isfinite(hotSpot) || !std::isfinite(ratio) || !(ratio > 0)) return 0;
    return static_cast<int>(std::lround(hotSpot * ratio));
}

}  // namespace view
