#include "runtime/web/WebScreen.h"

#include <algorithm>
#include <cmath>

#include "art/Painter.h"
#include "runtime/Window.h"
#include "runtime/web/WebCanvas.h"
#include "runtime/web/WebFrame.h"
#include "view/CursorPixels.h"

namespace rtweb {

WebScreen::WebScreen(int handle) : handle_(handle), cache_(factory_), painter_(cache_, factory_) {}

void WebScreen::paint(WebFrame& frame) {
    if (!frame.wantsPaint()) return;
    const rt::Window* w = frame.shown();
    const rt::RectF all{0, 0, frame.canvasWidth(), frame.canvasHeight()};
    area_.clear();
    if (!frame.dirty().whole()) {
        for (const rt::RectF& part : frame.dirty().parts()) {
            const gfx::Rect r = frame.placement().repaintArea(part);
            if (!r.isEmpty()) area_.push_back(r);
        }
        if (area_.empty()) {  // all of it lies off the canvas
            frame.painted();
            return;
        }
    }
    WebCanvas canvas(handle_, frame.dpr());
    if (!w) {  // between windows: the frame's own grey
        canvas.fillRect(gfx::Rect(all.x, all.y, all.w, all.h), gfx::Brush(gfx::Color(160, 160, 160)));
    } else {
        canvas.translate(frame.placement().origin());
        painter_.paint(canvas, *w, frame.viewScale(), gfx::Rect(all.x, all.y, all.w, all.h), area_);
    }
    frame.painted();
}

WebScreen::Cursor WebScreen::cursor(rt::PictureRef ref, double scale, double dpr) {
    Cursor out;
    if (ref.isNone() || !ref.list->has(ref.index) || !(dpr > 0) || !(scale > 0) || !std::isfinite(scale * dpr))
        return out;
    const rt::PictureInfo& info = ref.list->at(ref.index);
    const double ratio =
        view::cursorPaintRatio(dpr, scale, double(kMaxCursorPixels) / std::max({info.width, info.height, 1}));
    const int w = std::max(1, static_cast<int>(std::ceil(info.width * ratio)));
    const int h = std::max(1, static_cast<int>(std::ceil(info.height * ratio)));
    WebSurface surface(w, h, ratio);
    {
        const std::unique_ptr<gfx::Canvas> c = surface.paint();
        if (!art::paintPicture(*c, ref.list->name(), ref.index)) return out;
    }
    const gfx::Image img = view::seeThroughBlack(surface.readPixels());
    out.width = img.width;
    out.height = img.height;
    out.rgba.resize(img.pixels.size() * 4);
    for (size_t i = 0; i < img.pixels.size(); ++i) {
        const uint32_t p = img.pixels[i];
        const unsigned a = p >> 24;
        const auto straight = [a](unsigned v) {
            return static_cast<uint8_t>(a ? std::min(255u, (v * 255 + a / 2) / a) : 0);
        };
        out.rgba[4 * i] = straight((p >> 16) & 0xff);
        out.rgba[4 * i + 1] = straight((p >> 8) & 0xff);
        out.rgba[4 * i + 2] = straight(p & 0xff);
        out.rgba[4 * i + 3] = static_cast<uint8_t>(a);
    }
    // The image's pixels per CSS pixel: the picture shows `scale` times its design size.
    out.resolution = ratio / scale;
    out.hotX = view::hotSpotPixels(info.hotX, ratio) / out.resolution;
    out.hotY = view::hotSpotPixels(info.hotY, ratio) / out.resolution;
    return out;
}

}  // namespace rtweb
