#pragma once
// Surfaces of the browser edition: offscreen canvases (drawn onto the page's canvas by the
// browser, never copied through WebAssembly's memory), made by WebSurfaceFactory.

#include "gfx/Surface.h"

namespace rtweb {

class WebSurface : public gfx::Surface {
public:
    WebSurface(int w, int h, double ratio);
    ~WebSurface() override;
    WebSurface(const WebSurface&) = delete;
    WebSurface& operator=(const WebSurface&) = delete;

    int width() const override { return w_; }
    int height() const override { return h_; }
    double ratio() const override { return ratio_; }
    std::unique_ptr<gfx::Canvas> paint() override;
    gfx::Image readPixels() const override;

    // The canvas handle canvas-library.js knows it by.
    int handle() const { return handle_; }

private:
    int w_, h_;
    double ratio_;
    int handle_;
};

class WebSurfaceFactory : public gfx::SurfaceFactory {
public:
    std::unique_ptr<gfx::Surface> makeSurface(int w, int h, double ratio) override;
};

}  // namespace rtweb
