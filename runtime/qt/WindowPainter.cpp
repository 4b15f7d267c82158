#include "runtime/qt/WindowPainter.h"

#include <QTransform>
#include <cmath>

#include "runtime/Container.h"
#include "runtime/Line.h"
#include "runtime/PictureControl.h"
#include "runtime/Shape.h"
#include "runtime/Window.h"
#include "runtime/qt/PictureCache.h"
#include "runtime/qt/QtFonts.h"

namespace rtqt {
namespace {

constexpr double kTwips = rt::kTwipsPerPixel;

QColor qcolor(rt::Color c) {
    return QColor(c.r, c.g, c.b);
}

QRectF pixels(const rt::RectF& r) {
    return QRectF(r.x / kTwips, r.y / kTwips, r.w / kTwips, r.h / kTwips);
}

// A sunken frame of two pixels drawn inside the rectangle.
void drawBorder(QPainter& p, const QRectF& r) {
    const QRectF outer = r.adjusted(0.5, 0.5, -0.5, -0.5);
    const QRectF inner = r.adjusted(1.5, 1.5, -1.5, -1.5);
    auto bevel = [&p](const QRectF& b, QColor dark, QColor light) {
        p.setPen(QPen(dark, 1));
        p.drawLine(b.bottomLeft(), b.topLeft());
        p.drawLine(b.topLeft(), b.topRight());
        p.setPen(QPen(light, 1));
        p.drawLine(b.topRight(), b.bottomRight());
        p.drawLine(b.bottomRight(), b.bottomLeft());
    };
    bevel(outer, QColor(128, 128, 128), QColor(255, 255, 255));
    bevel(inner, QColor(0, 0, 0), QColor(212, 208, 200));
}

}  // namespace

PictureCache& sharedPictureCache() {
    static PictureCache cache;
    return cache;
}

WindowPainter::WindowPainter(PictureCache& cache) : cache_(cache) {}

double snappedViewScale(double scale, qreal dpr) {
    if (!(dpr > 0)) dpr = 1.0;
    if (!(scale > 0)) scale = 1.0;
    return std::max(1.0, std::round(scale * dpr * 100.0)) / (100.0 * dpr);
}

// Drawn in design pixels under a scaling of the painter: geometry, line and border widths and
// label fonts all follow the view scale; pictures and dots are placed on whole device pixels.
void WindowPainter::paint(QPainter& p, const rt::Window& w, qreal dpr, double scale, const QRegion& area) {
    if (!(dpr > 0)) dpr = 1.0;
    const double z = snappedViewScale(scale, dpr);
    dpr_ = dpr * z;
    deviceDpr_ = dpr;
    prefetchPictures(w);
    p.save();
    p.scale(z, z);
    // The area is in the target's pixels; the painter may already be moved, and is now scaled.
    const QTransform toWindow = p.worldTransform().inverted();
    const QRectF whole(0, 0, w.Width() / kTwips, w.Height() / kTwips);
    // What the target shows around the window (a centred view) is the window's background too.
    const QRectF shown = whole.united(toWindow.mapRect(QRectF(p.window())));
    constexpr int kMaxPasses = 8;  // beyond that, one pass over their bounding rectangle
    if (area.isEmpty())
        paintPart(p, w, shown, shown);
    else if (area.rectCount() > kMaxPasses)
        paintPart(p, w, toWindow.mapRect(QRectF(area.boundingRect())), shown);
    else
        for (const QRect& r : area) paintPart(p, w, toWindow.mapRect(QRectF(r)), shown);
    p.restore();
}

void WindowPainter::paintPart(QPainter& p, const rt::Window& w, const QRectF& part, const QRectF& shown) {
    QRectF clip = p.hasClipping() ? p.clipBoundingRect().intersected(part) : part;
    clip = clip.intersected(shown);
    if (clip.isEmpty()) return;
    p.save();
    p.setClipRect(clip, Qt::IntersectClip);
    // The back colour shows only where the window picture's opaque band does not cover it.
    const PictureCache::Painted& painted = cache_.painted(w.Picture(), dpr_);
    const QImage& picture = painted.image;
    const QColor back = qcolor(w.BackColor().value_or(kDefaultBackColor));
    // (A device pixel in from each side: the fill may meet the band on a pixel the band hides,
    // never leave one uncovered.)
    const QRect band = painted.opaque.adjusted(1, 1, -1, -1);
    if (!band.isEmpty()) {
        const QRectF covered(QPointF(band.topLeft()) / dpr_, QSizeF(band.size()) / dpr_);
        const QRectF inside = clip.intersected(covered);
        if (inside.isEmpty()) {
            p.fillRect(clip, back);
        } else {  // the bands of the clip above, below, left and right of the picture
            p.fillRect(QRectF(clip.left(), clip.top(), clip.width(), inside.top() - clip.top()), back);
            p.fillRect(QRectF(clip.left(), inside.bottom(), clip.width(), clip.bottom() - inside.bottom()), back);
            p.fillRect(QRectF(clip.left(), inside.top(), inside.left() - clip.left(), inside.height()), back);
            p.fillRect(QRectF(inside.right(), inside.top(), clip.right() - inside.right(), inside.height()), back);
        }
    } else {
        p.fillRect(clip, back);
    }
    drawPicture(p, picture, QPointF(0, 0));
    paintChildren(p, w, clip);
    flushShapes(p);
    p.restore();
}

// At the first paint at a ratio, the pictures shown are painted all at once, on several
// threads; pictures shown later are painted when first drawn.
void WindowPainter::prefetchPictures(const rt::Window& w) {
    const int ratio = PictureCache::ratioKey(dpr_);
    if (ratio == prefetchedRatio_) return;
    prefetchedRatio_ = ratio;
    refs_.clear();
    refs_.push_back(w.Picture());
    for (const rt::Control* c : w.allControls()) {
        if (!c->shownOnScreen()) continue;
        if (c->kind() == rt::Control::Kind::Picture)
            refs_.push_back(static_cast<const rt::PictureControl&>(*c).Picture());
        else if (c->kind() == rt::Control::Kind::Container)
            refs_.push_back(static_cast<const rt::Container&>(*c).Picture());
    }
    cache_.prefetch(refs_, dpr_);
}

void WindowPainter::paintChildren(QPainter& p, const rt::Container& c, const QRectF& clip) {
    for (const rt::Control* k : c.children()) {
        if (!k->Visible()) continue;
        switch (k->kind()) {
            case rt::Control::Kind::Shape:
                addShape(p, static_cast<const rt::Shape&>(*k), clip);
                continue;
            case rt::Control::Kind::Container:
                flushShapes(p);
                paintContainer(p, static_cast<const rt::Container&>(*k), clip);
                break;
            case rt::Control::Kind::Picture: {
                if (!pixels(k->drawnRect()).intersects(clip)) break;  // also: no picture
                const auto& pc = static_cast<const rt::PictureControl&>(*k);
                const QImage& img = cache_.picture(pc.Picture(), dpr_);
                if (img.isNull()) break;
                flushShapes(p);
                drawPicture(p, img, pixels(k->windowRect()).topLeft());
                break;
            }
            case rt::Control::Kind::Label:
                flushShapes(p);
                paintLabel(p, static_cast<const rt::Label&>(*k), clip);
                break;
            case rt::Control::Kind::Line:
                if (!pixels(k->drawnRect()).intersects(clip)) break;
                flushShapes(p);
                paintLine(p, static_cast<const rt::Line&>(*k));
                break;
            default:  // timers, status bars and windows draw nothing here
                break;
        }
    }
}

// A container: its back colour or picture, its children clipped to it, then its border.
void WindowPainter::paintContainer(QPainter& p, const rt::Container& c, const QRectF& clip) {
    const QRectF r = pixels(c.windowRect());
    const QRectF inner = r.intersected(clip);
    if (inner.isEmpty()) return;
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    if (c.BackColor()) p.fillRect(r, qcolor(*c.BackColor()));
    drawPicture(p, cache_.picture(c.Picture(), dpr_), r.topLeft());
    paintChildren(p, c, inner);
    flushShapes(p);
    if (c.Border()) drawBorder(p, r);
    p.restore();
}

// A circle is the largest one centred in the shape's rectangle; the outline is centred on its
// edge, so a thicker border makes a bigger dot.
void WindowPainter::addShape(QPainter& p, const rt::Shape& s, const QRectF& clip) {
    QRectF r = pixels(s.windowRect());
    const ShapeStyle style{s.form() == rt::Shape::Form::Circle, s.BorderWidth(), s.BorderColor(),
                           s.FillColor(), s.filled()};
    const qreal reach = std::max(0, style.borderWidth) / 2.0 + 1.0;
    if (!r.adjusted(-reach, -reach, reach, reach).intersects(clip)) return;
    if (style.circle) {
        const qreal d = std::min(r.width(), r.height());
        r = QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d);
    }
    if (!run_.empty() && !(style == runStyle_)) flushShapes(p);
    runStyle_ = style;
    run_.push_back(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

// Circles are stamped from a sprite painted once per style and size (drawing thousands of
// antialiased outlines one by one is far too slow for a recorded trace); big ones and
// rectangles are drawn directly, one pen and brush for the whole run.
void WindowPainter::flushShapes(QPainter& p) {
    if (run_.empty()) return;
    const ShapeStyle& s = runStyle_;
    if (s.circle) {
        // Stamped in device pixels: plain copies, whatever the ratio.
        p.save();
        p.setWorldTransform(QTransform::fromScale(1 / dpr_, 1 / dpr_) * p.worldTransform());
        const Sprite* last = nullptr;
        QRectF lastRect;
        size_t direct = 0;
        for (const QRectF& r : run_) {
            if (!last || r.size() != lastRect.size()) {
                last = sprite(r);
                lastRect = r;
            }
            if (!last) {
                run_[direct++] = r;  // too big for a sprite: drawn below
                continue;
            }
            const QPointF at = r.topLeft() + last->offset;
            p.drawImage(QPoint(static_cast<int>(std::lround(at.x() * dpr_)),
                               static_cast<int>(std::lround(at.y() * dpr_))),
                        last->image);
        }
        p.restore();
        run_.resize(direct);
    }
    if (!run_.empty()) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, s.circle);
        if (s.borderWidth > 0)
            p.setPen(QPen(qcolor(s.border), s.borderWidth));
        else
            p.setPen(Qt::NoPen);
        p.setBrush(s.filled ? QBrush(qcolor(s.fill)) : QBrush(Qt::NoBrush));
        if (s.circle) {
            for (const QRectF& r : run_) p.drawEllipse(r);
        } else {
            p.drawRects(run_.data(), static_cast<int>(run_.size()));
        }
        p.restore();
    }
    run_.clear();  // keeps its capacity for the next paint
}

// The sprite of a circle of the run's style in rectangle `r`, nullptr when it is too big to
// be worth one. The circle sits at a whole device pixel inside the image, so stamping it at a
// whole device pixel puts it within one device pixel of its exact place.
const WindowPainter::Sprite* WindowPainter::sprite(const QRectF& r) {
    constexpr qreal kMaxSpritePx = 64;
    const int wKey = static_cast<int>(std::lround(r.width() * dpr_ * 8));
    const int hKey = static_cast<int>(std::lround(r.height() * dpr_ * 8));
    const int ratioKey = static_cast<int>(std::lround(dpr_ * 100));
    for (const Sprite& sp : sprites_)
        if (sp.wKey == wKey && sp.hKey == hKey && sp.ratioKey == ratioKey && sp.style == runStyle_)
            return &sp;
    const qreal margin = std::max(0, runStyle_.borderWidth) / 2.0 + 1.0;
    const qreal wPx = r.width() + 2 * margin, hPx = r.height() + 2 * margin;
    if (wPx > kMaxSpritePx || hPx > kMaxSpritePx) return nullptr;
    if (sprites_.size() >= 256) sprites_.clear();  // styles change with intensity and focus

    Sprite sp{runStyle_, wKey, hKey, ratioKey, {}, {}};
    const qreal m = std::ceil(margin * dpr_) / dpr_;  // whole device pixels around the dot
    sp.image =
        QImage(static_cast<int>(std::ceil((r.width() + 2 * m) * dpr_)),
               static_cast<int>(std::ceil((r.height() + 2 * m) * dpr_)), QImage::Format_ARGB32_Premultiplied);
    sp.image.setDevicePixelRatio(dpr_);
    sp.image.fill(Qt::transparent);
    {
        QPainter sp_p(&sp.image);
        sp_p.setRenderHint(QPainter::Antialiasing, true);
        if (runStyle_.borderWidth > 0)
            sp_p.setPen(QPen(qcolor(runStyle_.border), runStyle_.borderWidth));
        else
            sp_p.setPen(Qt::NoPen);
        sp_p.setBrush(runStyle_.filled ? QBrush(qcolor(runStyle_.fill)) : QBrush(Qt::NoBrush));
        sp_p.drawEllipse(QRectF(m, m, r.width(), r.height()));
    }
    sp.image.setDevicePixelRatio(1.0);  // stamped in device pixels
    sp.offset = QPointF(-m, -m);
    sprites_.push_back(std::move(sp));
    return &sprites_.back();
}

void WindowPainter::paintLine(QPainter& p, const rt::Line& l) {
    const rt::Container* c = l.parent();
    if (!c) return;
    const QPointF a(c->toWindowX(l.X1()) / kTwips, c->toWindowY(l.Y1()) / kTwips);
    const QPointF b(c->toWindowX(l.X2()) / kTwips, c->toWindowY(l.Y2()) / kTwips);
    const int w = std::max(1, l.BorderWidth());
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(qcolor(l.BorderColor()), w, Qt::SolidLine, w > 1 ? Qt::RoundCap : Qt::SquareCap));
    p.drawLine(a, b);
}

void WindowPainter::paintLabel(QPainter& p, const rt::Label& l, const QRectF& clip) {
    const QRectF r = pixels(l.windowRect());
    if (!pixels(l.drawnRect()).intersects(clip)) return;
    if (!l.transparent()) p.fillRect(r, qcolor(l.BackColor()));
    if (l.Caption().empty()) return;
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(font(l.font()));
    p.setPen(qcolor(l.ForeColor()));
    p.drawText(r, Qt::AlignLeft | Qt::AlignTop, displayText(l.font(), l.Caption()));
}

// Pictures land on whole device pixels, one picture pixel to a device pixel: drawn without the
// view scale, in the target's own pixels, Qt copies them plainly rather than resampling.
void WindowPainter::drawPicture(QPainter& p, const QImage& img, QPointF at) {
    if (img.isNull()) return;
    const QTransform world = p.worldTransform();
    const QPointF t = world.map(at);
    const QPointF snapped(std::round(t.x() * deviceDpr_) / deviceDpr_,
                          std::round(t.y() * deviceDpr_) / deviceDpr_);
    p.setWorldTransform(QTransform());
    p.drawImage(QRectF(snapped, QSizeF(img.width() / deviceDpr_, img.height() / deviceDpr_)), img,
                QRectF(img.rect()));
    p.setWorldTransform(world);
}

const QFont& WindowPainter::font(const rt::Font& f) {
    for (const auto& [key, qf] : fonts_)
        if (key == f) return qf;
    fonts_.emplace_back(f, qtFont(f));
    return fonts_.back().second;
}

void paintWindow(QPainter& p, const rt::Window& w, qreal dpr, double scale) {
    static WindowPainter painter;  // one painter for the headless callers: buffers kept
    painter.paint(p, w, dpr, scale);
}

QImage renderWindow(const rt::Window& w, qreal dpr, double scale) {
    if (!(dpr > 0)) dpr = 1.0;
    const double z = snappedViewScale(scale, dpr);
    const int wPx = std::max(0, static_cast<int>(std::lround(w.Width() / kTwips * z)));
    const int hPx = std::max(0, static_cast<int>(std::lround(w.Height() / kTwips * z)));
    QImage img(static_cast<int>(std::ceil(wPx * dpr)), static_cast<int>(std::ceil(hPx * dpr)),
               QImage::Format_ARGB32_Premultiplied);
    if (img.isNull()) return img;
    img.setDevicePixelRatio(dpr);
    QPainter p(&img);
    paintWindow(p, w, dpr, z);
    return img;
}

}  // namespace rtqt
