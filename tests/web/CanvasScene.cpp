// A scene drawn through the browser's gfx backend onto the page's canvas, for canvas.test.mjs
// to read back: each part puts a known colour where the canvas must show it (fills, linear and
// focal radial gradients, clips, a line without antialiasing, transforms, raw pixels, a surface, text in the program's font).

#include <emscripten.h>

#include "gfx/Canvas.h"
#include "runtime/web/WebCanvas.h"
#include "runtime/web/WebSurface.h"

namespace {

void paintScene(gfx::Canvas& c, rtweb::WebSurfaceFactory& surfaces) {
    c.fillRect({0, 0, 100, 100}, gfx::kWhite);

    c.setPen(gfx::Pen::none());
    c.setBrush(gfx::Color(255, 0, 0));
    gfx::Path square;
    square.addRect({10, 10, 30, 30});
    c.drawPath(square);  // red at (25, 25)

    gfx::LinearGradient across({50, 0}, {90, 0});
    across.setColorAt(0, gfx::kBlack);
    across.setColorAt(1, gfx::kWhite);
    c.fillRect({50, 10, 40, 20}, across);  // mid grey at (70, 20)

    gfx::RadialGradient spot({25, 70}, 15, {20, 65});
    spot.setColorAt(0, gfx::Color(0, 0, 255));
    spot.setColorAt(1, gfx::Color(0, 0, 0));
    c.fillRect({10, 55, 30, 30}, spot);  // blue at the focal point (20, 65)

    {
        gfx::SavedState saved(c);
        c.clipRect({50, 50, 20, 20});
        c.fillRect({50, 50, 40, 40}, gfx::Color(0, 160, 0));  // green at (60, 60), white at (80, 60)
    }
    {
        gfx::SavedState saved(c);
        c.translate(90, 75);
        c.rotate(90);
        c.fillRect({0, 0, 10, 4}, gfx::Color(255, 160, 0));  // orange at (88, 80) after the turn
    }

    gfx::Image half(2, 2, 1, gfx::argb(128, 128, 0, 0));  // half-transparent red, premultiplied
    c.drawImage({2, 90}, half);                           // (3, 91): pink over white

    auto surface = surfaces.makeSurface(20, 20, c.ratio());
    {
        auto sc = surface->paint();
        sc->fillRect({0, 0, 10, 10}, gfx::Color(255, 0, 255));
    }
    c.drawSurface({80, 88}, *surface);  // magenta at (85, 93)

    {
        gfx::SavedState saved(c);
        c.setAntialiasing(false);
        c.setPen(gfx::Pen(gfx::kBlack, 0));
        c.drawLine({10, 3.3}, {40, 3.3});  // one whole device row, (20, 3.3) at ratio 2: row 6
    }

    gfx::Font f;
    f.pixelSize = 14;
    f.bold = true;
    c.setFont(f);
    c.setPen(gfx::Pen(gfx::kBlack));
    c.drawText({42, 48}, "Vorlinde");  // dark pixels in (42..100, 37..48)
}

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void vorlinde_canvas_scene(double ratio) {
    rtweb::WebSurfaceFactory surfaces;
    rtweb::WebCanvas canvas(1, ratio);
    paintScene(canvas, surfaces);
}

int main() {
    return 0;
}
