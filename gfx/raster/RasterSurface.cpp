#include "gfx/raster/RasterSurface.h"

#include <algorithm>
#include <cmath>

#include "gfx/raster/RasterCanvas.h"

namespace gfx::raster {

RasterSurface::RasterSurface(int w, int h, double ratio)
    : img_(std::max(1, w), std::max(1, h), ratio > 0 && std::isfinite(ratio) ? ratio : 1.0) {}

std::unique_ptr<Canvas> RasterSurface::paint() {
    return std::make_unique<RasterCanvas>(img_, img_.ratio);
}

// None beyond 2^28 pixels (a gigabyte), as a desktop painter's images refuse such sizes.
std::unique_ptr<Surface> RasterSurfaceFactory::makeSurface(int w, int h, double ratio) {
    if (double(std::max(1, w)) * double(std::max(1, h)) > double(1 << 28)) return nullptr;
    return std::make_unique<RasterSurface>(w, h, ratio);
}

}  // namespace gfx::raster
