#pragma once
// Surfaces of the raster backend: images in memory painted by a RasterCanvas, and drawn by
// one without a copy.

#include "gfx/Surface.h"

namespace gfx::raster {

class RasterSurface : public Surface {
public:
    RasterSurface(int w, int h, double ratio);

    int width() const override { return img_.width; }
    int height() const override { return img_.height; }
    double ratio() const override { return img_.ratio; }
    std::unique_ptr<Canvas> paint() override;
    Image readPixels() const override { return img_; }

    const Image& image() const { return img_; }

private:
    Image img_;
};

// Surfaces of up to 2^28 pixels; none (nullptr) beyond.
class RasterSurfaceFactory : public SurfaceFactory {
public:
    std::unique_ptr<Surface> makeSurface(int w, int h, double ratio) override;
};

}  // namespace gfx::raster
