#pragma once
// The page's canvas as the frame's screen: paints what the frame gathered to be repainted of
// the shown window, once per animation frame, through the canvas-2D backend at the view scale
// times the device pixel ratio; and paints the cursor pictures the page shows as CSS cursors.

#include <cstdint>
#include <vector>

#include "runtime/PictureList.h"
#include "runtime/web/WebSurface.h"
#include "view/PictureCache.h"
#include "view/WindowPainter.h"

namespace rtweb {

class WebFrame;

class WebScreen {
public:
    // Paints into the canvas `handle` (the page's canvas).
    explicit WebScreen(int handle);

    // Repaints what `frame` waits to have repainted, and tells it so. Nothing when nothing waits.
    void paint(WebFrame& frame);

    // A cursor picture as a CSS cursor shows it: straight RGBA pixels with black made see-through,
    // the hot spot in the image's CSS pixels, and how many image pixels go to a CSS pixel.
    struct Cursor {
        int width = 0, height = 0;
        std::vector<uint8_t> rgba;
        double hotX = 0, hotY = 0;
        double resolution = 1;
    };
    // `ref` drawn at the view scale on a screen of `dpr` (crisp at that ratio, at most
    // kMaxCursorPixels device pixels across); empty (no pixels) for none or an unknown picture.
    Cursor cursor(rt::PictureRef ref, double scale, double dpr);
    // Browsers show no cursor image larger than this.
    static constexpr int kMaxCursorPixels = 128;

private:
    int handle_;
    WebSurfaceFactory factory_;
    view::PictureCache cache_;
    view::WindowPainter painter_;
    std::vector<gfx::Rect> area_;
};

}  // namespace rtweb
