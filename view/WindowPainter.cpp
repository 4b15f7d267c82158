#include "view/WindowPainter.h"

#include <algorithm>
#include <cmath>

#include "runtime/Container.h"
#include "runtime/Label.h"
#include "runtime/Line.h"
#include "runtime/PictureControl.h"
#include "runtime/Shape.h"
#include "runtime/Window.h"
#include "view/LabelFont.h"
#include "view/PictureCache.h"
#include "view/ViewScale.h"

namespace view {
namespace {

constexpr double kTwips = rt::kTwipsPerPixel;

gfx::Color color(rt::Color c) {
    return gfx::Color(c.r, c.g, c.b);
}

gfx::Rect pixels(const rt::RectF& r) {
    return gfx::Rect(r.x / kTwips, r.y / kTwips, r.w / kTwips, r.h / kTwips);
}

// The map back from the canvas's coordinates (a translation and a scale here, but any
// invertible map works); the identity when it cannot be inverted.
gfx::Transform inverted(const gfx::Transform& t) {
    const double det = t.m11 * t.m22 - t.m12 * t.m21;
    if (!(std::abs(det) > 0)) return {};
    const double i11 = t.m22 / det, i12 = -t.m12 / det, i21 = -t.m21 / det, i22 = t.m11 / det;
    return {i11, i12, i21, i22, -(t.dx * i11 + t.dy * i21), -(t.dx * i12 + t.dy * i22)};
}

// A sunken frame of two pixels drawn inside the rectangle.
void drawBorder(gfx::Canvas& c, const gfx::Rect& r) {
    const gfx::Rect outer = r.adjusted(0.5, 0.5, -0.5, -0.5);
    const gfx::Rect inner = r.adjusted(1.5, 1.5, -1.5, -1.5);
    auto bevel = [&c](const gfx::Rect& b, gfx::Color dark, gfx::Color light) {
        c.setPen(gfx::Pen(dark, 1));
        c.drawLine(b.bottomLeft(), b.topLeft());
        c.drawLine(b.topLeft(), b.topRight());
        c.setPen(gfx::Pen(light, 1));
        c.drawLine(b.topRight(), b.bottomRight());
        c.drawLine(b.bottomRight(), b.bottomLeft());
    };
    bevel(outer, gfx::Color(128, 128, 128), gfx::Color(255, 255, 255));
    bevel(inner, gfx::Color(0, 0, 0), gfx::Color(212, 208, 200));
}

void fillIfAny(gfx::Canvas& c, const gfx::Rect& r, gfx::Color col) {
    if (!r.isEmpty()) c.fillRect(r, col);
}

}  // namespace

WindowPainter::WindowPainter(PictureCache& cache, gfx::SurfaceFactory& factory)
    : cache_(cache), factory_(factory) {}

WindowPainter::~WindowPainter() = default;

// Drawn in design pixels under a scaling of the canvas: geometry, line and border widths and
// label fonts all follow the view scale; pictures and dots are placed on whole device pixels.
void WindowPainter::paint(gfx::Canvas& c, const rt::Window& w, double scale, const gfx::Rect& target,
                          const std::vector<gfx::Rect>& area) {
    const double dpr = c.ratio() > 0 ? c.ratio() : 1.0;
    z_ = snappedViewScale(scale, dpr);
    ratio_ = dpr * z_;
    deviceRatio_ = dpr;
    prefetchPictures(w);
    const gfx::SavedState saved(c);
    c.setAntialiasing(false);
    c.scale(z_, z_);
    // The area is in the target's pixels; the canvas may already be moved, and is now scaled.
    const gfx::Transform toWindow = inverted(c.transform());
    const gfx::Rect whole(0, 0, w.Width() / kTwips, w.Height() / kTwips);
    // What the target shows around the window (a centred view) is the window's background too.
    const gfx::Rect shown = whole.united(toWindow.mapRect(target));
    constexpr size_t kMaxPasses = 8;  // beyond that, one pass over their bounding rectangle
    if (area.empty()) {
        paintPart(c, w, shown, shown);
    } else if (area.size() > kMaxPasses) {
        gfx::Rect bounds;
        for (const gfx::Rect& r : area) bounds = bounds.united(r);
        paintPart(c, w, toWindow.mapRect(bounds), shown);
    } else {
        for (const gfx::Rect& r : area) paintPart(c, w, toWindow.mapRect(r), shown);
    }
}

void WindowPainter::paintPart(gfx::Canvas& c, const rt::Window& w, const gfx::Rect& part,
                              const gfx::Rect& shown) {
    const gfx::Rect clip = part.intersected(shown);
    if (clip.isEmpty()) return;
    const gfx::SavedState saved(c);
    c.clipRect(clip);
    fillBack(c, w, clip);
    drawPicture(c, cache_.picture(w.Picture(), ratio_), gfx::Point{0, 0});
    paintChildren(c, w, clip);
    flushShapes(c);
}

// The back colour shows only where the window picture's opaque band does not cover it.
void WindowPainter::fillBack(gfx::Canvas& c, const rt::Window& w, const gfx::Rect& clip) {
    const PictureCache::Painted& painted = cache_.painted(w.Picture(), ratio_);
    const gfx::Color back = color(w.BackColor().value_or(kDefaultBackColor));
    // (A device pixel in from each side: the fill may meet the band on a pixel the band hides,
    // never leave one uncovered.)
    const gfx::IntRect band{painted.opaque.x + 1, painted.opaque.y + 1, painted.opaque.w - 2,
                            painted.opaque.h - 2};
    if (!painted.surface || band.isEmpty()) {
        c.fillRect(clip, back);
        return;
    }
    const gfx::Rect covered(band.x / ratio_, band.y / ratio_, band.w / ratio_, band.h / ratio_);
    const gfx::Rect inside = clip.intersected(covered);
    if (inside.isEmpty()) {
        c.fillRect(clip, back);
        return;
    }
    // The bands of the clip above, below, left and right of the picture.
    fillIfAny(c, gfx::Rect(clip.left(), clip.top(), clip.width(), inside.top() - clip.top()), back);
    fillIfAny(c, gfx::Rect(clip.left(), inside.bottom(), clip.width(), clip.bottom() - inside.bottom()),
              back);
    fillIfAny(c, gfx::Rect(clip.left(), inside.top(), inside.left() - clip.left(), inside.height()), back);
    fillIfAny(c, gfx::Rect(inside.right(), inside.top(), clip.right() - inside.right(), inside.height()),
              back);
}

// At the first paint at a ratio, the pictures shown are painted all at once (on several
// threads where the backend allows); pictures shown later are painted when first drawn.
void WindowPainter::prefetchPictures(const rt::Window& w) {
    const int ratio = PictureCache::ratioKey(ratio_);
    if (ratio == prefetchedRatio_) return;
    prefetchedRatio_ = ratio;
    refs_.clear();
    refs_.push_back(w.Picture());
    for (const rt::Control* k : w.allControls()) {
        if (!k->shownOnScreen()) continue;
        if (k->kind() == rt::Control::Kind::Picture)
            refs_.push_back(static_cast<const rt::PictureControl&>(*k).Picture());
        else if (k->kind() == rt::Control::Kind::Container)
            refs_.push_back(static_cast<const rt::Container&>(*k).Picture());
    }
    cache_.prefetch(refs_, ratio_);
}

void WindowPainter::paintChildren(gfx::Canvas& c, const rt::Container& parent, const gfx::Rect& clip) {
    for (const rt::Control* k : parent.children()) {
        if (!k->Visible()) continue;
        switch (k->kind()) {
            case rt::Control::Kind::Shape:
                addShape(c, static_cast<const rt::Shape&>(*k), clip);
                continue;
            case rt::Control::Kind::Container:
                flushShapes(c);
                paintContainer(c, static_cast<const rt::Container&>(*k), clip);
                break;
            case rt::Control::Kind::Picture: {
                if (!pixels(k->drawnRect()).intersects(clip)) break;  // also: no picture
                const auto& pc = static_cast<const rt::PictureControl&>(*k);
                const gfx::Surface* s = cache_.picture(pc.Picture(), ratio_);
                if (!s) break;
                flushShapes(c);
                drawPicture(c, s, pixels(k->windowRect()).topLeft());
                break;
            }
            case rt::Control::Kind::Label:
                flushShapes(c);
                paintLabel(c, static_cast<const rt::Label&>(*k), clip);
                break;
            case rt::Control::Kind::Line:
                if (!pixels(k->drawnRect()).intersects(clip)) break;
                flushShapes(c);
                paintLine(c, static_cast<const rt::Line&>(*k));
                break;
            default:  // timers, status bars and windows draw nothing here
                break;
        }
    }
}

// A container: its back colour or picture, its children clipped to it, then its border.
void WindowPainter::paintContainer(gfx::Canvas& c, const rt::Container& k, const gfx::Rect& clip) {
    const gfx::Rect r = pixels(k.windowRect());
    const gfx::Rect inner = r.intersected(clip);
    if (inner.isEmpty()) return;
    const gfx::SavedState saved(c);
    c.clipRect(r);
    if (k.BackColor()) c.fillRect(r, color(*k.BackColor()));
    drawPicture(c, cache_.picture(k.Picture(), ratio_), r.topLeft());
    paintChildren(c, k, inner);
    flushShapes(c);
    if (k.Border()) drawBorder(c, r);
}

// A circle is the largest one centred in the shape's rectangle; the outline is centred on its
// edge, so a thicker border makes a bigger dot.
void WindowPainter::addShape(gfx::Canvas& c, const rt::Shape& s, const gfx::Rect& clip) {
    gfx::Rect r = pixels(s.windowRect());
    const ShapeStyle style{s.form() == rt::Shape::Form::Circle, s.BorderWidth(), s.BorderColor(),
                           s.FillColor(), s.filled()};
    const double reach = std::max(0, style.borderWidth) / 2.0 + 1.0;
    if (!r.adjusted(-reach, -reach, reach, reach).intersects(clip)) return;
    if (style.circle) {
        const double d = std::min(r.width(), r.height());
        r = gfx::Rect(r.center().x - d / 2, r.center().y - d / 2, d, d);
    }
    if (!run_.empty() && !(style == runStyle_)) flushShapes(c);
    runStyle_ = style;
    run_.push_back(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

// Circles are stamped from a sprite painted once per style and size (drawing thousands of
// antialiased outlines one by one is far too slow for a recorded trace); big ones and
// rectangles are drawn directly, one pen and brush for the whole run.
void WindowPainter::flushShapes(gfx::Canvas& c) {
    if (run_.empty()) return;
    const ShapeStyle& s = runStyle_;
    if (s.circle) stampCircles(c);
    if (!run_.empty()) {
        const gfx::SavedState saved(c);
        c.setAntialiasing(s.circle);
        c.setPen(s.borderWidth > 0 ? gfx::Pen(color(s.border), s.borderWidth) : gfx::Pen::none());
        c.setBrush(s.filled ? gfx::Brush(color(s.fill)) : gfx::Brush::none());
        for (const gfx::Rect& r : run_) {
            if (s.circle)
                c.drawEllipse(r);
            else
                c.drawRect(r);
        }
    }
    run_.clear();  // keeps its capacity for the next paint
}

// Stamped in device pixels (the canvas's transform set once for the run), at whole ones: plain
// copies, whatever the ratio. What is too big for a sprite stays in the run, to be drawn
// directly.
void WindowPainter::stampCircles(gfx::Canvas& c) {
    const gfx::Transform world = c.transform();
    c.setTransform(gfx::Transform::scaling(1 / deviceRatio_, 1 / deviceRatio_));
    const Sprite* last = nullptr;
    gfx::Rect lastRect;
    size_t direct = 0;
    for (const gfx::Rect& r : run_) {
        if (!last || r.size() != lastRect.size()) {
            last = sprite(r);
            lastRect = r;
        }
        if (!last) {
            run_[direct++] = r;
            continue;
        }
        const gfx::Point at = world.map(r.topLeft() + last->offset) * deviceRatio_;
        c.drawSurface(gfx::Point{std::round(at.x), std::round(at.y)}, *last->surface);
    }
    c.setTransform(world);
    run_.resize(direct);
}

// The sprite of a circle of the run's style in rectangle `r`, nullptr when it is too big to
// be worth one. The circle sits at a whole device pixel inside the surface, so stamping it at a
// whole device pixel puts it within one device pixel of its exact place.
const WindowPainter::Sprite* WindowPainter::sprite(const gfx::Rect& r) {
    constexpr double kMaxSpritePx = 64;
    const int wKey = static_cast<int>(std::lround(r.width() * ratio_ * 8));
    const int hKey = static_cast<int>(std::lround(r.height() * ratio_ * 8));
    const int ratioKey = static_cast<int>(std::lround(ratio_ * 100));
    for (const Sprite& sp : sprites_)
        if (sp.wKey == wKey && sp.hKey == hKey && sp.ratioKey == ratioKey && sp.style == runStyle_)
            return &sp;
    const double margin = std::max(0, runStyle_.borderWidth) / 2.0 + 1.0;
    const double wPx = r.width() + 2 * margin, hPx = r.height() + 2 * margin;
    if (wPx > kMaxSpritePx || hPx > kMaxSpritePx) return nullptr;
    if (sprites_.size() >= 256) sprites_.clear();  // styles change with intensity and focus

    const double m = std::ceil(margin * ratio_) / ratio_;  // whole device pixels around the dot
    const int w = std::max(1, static_cast<int>(std::ceil((r.width() + 2 * m) * ratio_)));
    const int h = std::max(1, static_cast<int>(std::ceil((r.height() + 2 * m) * ratio_)));
    // Pixels of the device, one to a unit of the surface: it is stamped in device pixels.
    std::unique_ptr<gfx::Surface> surface = factory_.makeSurface(w, h, 1.0);
    if (!surface) return nullptr;
    {
        const std::unique_ptr<gfx::Canvas> sc = surface->paint();
        if (!sc) return nullptr;
        sc->scale(ratio_, ratio_);
        sc->setAntialiasing(true);
        sc->setPen(runStyle_.borderWidth > 0 ? gfx::Pen(color(runStyle_.border), runStyle_.borderWidth)
                                             : gfx::Pen::none());
        sc->setBrush(runStyle_.filled ? gfx::Brush(color(runStyle_.fill)) : gfx::Brush::none());
        sc->drawEllipse(gfx::Rect(m, m, r.width(), r.height()));
    }
    sprites_.push_back(Sprite{runStyle_, wKey, hKey, ratioKey, std::move(surface), gfx::Point{-m, -m}});
    return &sprites_.back();
}

void WindowPainter::paintLine(gfx::Canvas& c, const rt::Line& l) {
    const rt::Container* k = l.parent();
    if (!k) return;
    const gfx::Point a{k->toWindowX(l.X1()) / kTwips, k->toWindowY(l.Y1()) / kTwips};
    const gfx::Point b{k->toWindowX(l.X2()) / kTwips, k->toWindowY(l.Y2()) / kTwips};
    const int w = std::max(1, l.BorderWidth());
    c.setAntialiasing(false);
    c.setPen(gfx::Pen(color(l.BorderColor()), w, w > 1 ? gfx::Cap::Round : gfx::Cap::Square));
    c.drawLine(a, b);
}

// The caption sits at the label's top-left corner; what it would draw beyond the label's
// rectangle is cut at its edges.
void WindowPainter::paintLabel(gfx::Canvas& c, const rt::Label& l, const gfx::Rect& clip) {
    const gfx::Rect r = pixels(l.windowRect());
    if (!pixels(l.drawnRect()).intersects(clip)) return;
    if (!l.transparent()) c.fillRect(r, color(l.BackColor()));
    if (l.Caption().empty()) return;
    const gfx::Font font = labelFont(l.font());
    const std::string text = displayText(l.font(), l.Caption());
    const gfx::FontMetrics fm(font);
    const bool spills = fm.advance(text) > r.width() || fm.height() > r.height();
    const gfx::SavedState saved(c);
    if (spills) c.clipRect(r);
    c.setFont(font);
    c.setPen(gfx::Pen(color(l.ForeColor())));
    c.drawText(r, gfx::AlignLeft | gfx::AlignTop, text);
}

// Pictures land on whole device pixels, one picture pixel to a device pixel: the surface is
// drawn at the view scale alone, where its ratio makes it one to one with the device.
void WindowPainter::drawPicture(gfx::Canvas& c, const gfx::Surface* s, gfx::Point at) {
    if (!s) return;
    const gfx::Transform world = c.transform();
    const gfx::Point t = world.map(at);
    const gfx::Point snapped{std::round(t.x * deviceRatio_) / deviceRatio_,
                             std::round(t.y * deviceRatio_) / deviceRatio_};
    c.setTransform(gfx::Transform::scaling(z_, z_));
    c.drawSurface(snapped / z_, *s);
    c.setTransform(world);
}

}  // namespace view
