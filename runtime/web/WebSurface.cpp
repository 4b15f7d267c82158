#include "runtime/web/WebSurface.h"

#include <algorithm>
#include <vector>

#include "runtime/web/CanvasCalls.h"
#include "runtime/web/WebCanvas.h"

namespace rtweb {

WebSurface::WebSurface(int w, int h, double ratio)
    : w_(std::max(1, w)),
      h_(std::max(1, h)),
      ratio_(ratio > 0 ? ratio : 1),
      handle_(vorlinde_canvas_new(w_, h_)) {}

WebSurface::~WebSurface() {
    vorlinde_canvas_free(handle_);
}

std::unique_ptr<gfx::Canvas> WebSurface::paint() {
    return std::make_unique<WebCanvas>(handle_, ratio_);
}

gfx::Image WebSurface::readPixels() const {
    gfx::Image img(w_, h_, ratio_);
    std::vector<unsigned char> rgba(img.pixels.size() * 4);
    vorlinde_canvas_read(handle_, rgba.data(), w_, h_);
    for (size_t i = 0; i < img.pixels.size(); ++i) {
        const unsigned a = rgba[4 * i + 3];
        const auto pre = [a](unsigned v) { return (v * a + 127) / 255; };
        img.pixels[i] =
            gfx::argb(static_cast<int>(a), static_cast<int>(pre(rgba[4 * i])),
                      static_cast<int>(pre(rgba[4 * i + 1])), static_cast<int>(pre(rgba[4 * i + 2])));
    }
    return img;
}

std::unique_ptr<gfx::Surface> WebSurfaceFactory::makeSurface(int w, int h, double ratio) {
    return std::make_unique<WebSurface>(w, h, ratio);
}

}  // namespace rtweb
