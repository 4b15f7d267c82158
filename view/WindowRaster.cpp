#include "view/WindowRaster.h"

#include <cmath>

#include "gfx/raster/RasterCanvas.h"
#include "gfx/raster/RasterSurface.h"
#include "runtime/Window.h"
#include "view/PictureCache.h"
#include "view/ViewScale.h"
#include "view/WindowPainter.h"

namespace view {
namespace {

constexpr double kMaxSide = 32768, kMaxPixels = 1 << 27;

// The window's size in pixels at scale z; 0 when it has none or is beyond an image's reach.
int side(double twips, double z) {
    const double px = std::round(twips / rt::kTwipsPerPixel * z);
    return px >= 1 && px <= kMaxSide ? static_cast<int>(px) : 0;
}

}  // namespace

gfx::Image rasterWindow(const rt::Window& w, double scale) {
    static gfx::raster::RasterSurfaceFactory factory;
    static PictureCache cache(factory);
    static WindowPainter painter(cache, factory);  // buffers kept from one snapshot to the next
    const double z = snappedViewScale(scale, 1.0);
    const int wPx = side(w.Width(), z), hPx = side(w.Height(), z);
    if (wPx == 0 || hPx == 0 || double(wPx) * hPx > kMaxPixels) return {};
    gfx::Image img(wPx, hPx, 1.0);
    gfx::raster::RasterCanvas canvas(img, 1.0);
    painter.paint(canvas, w, z, gfx::Rect(0, 0, wPx, hPx));
    return img;
}

}  // namespace view
