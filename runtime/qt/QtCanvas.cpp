#include "runtime/qt/QtCanvas.h"

#include <QImage>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <QWidget>
#include <QWindow>
#include <cmath>

#include "gfx/Surface.h"
#include "runtime/qt/QtFonts.h"
#include "runtime/qt/QtSurface.h"

namespace rtqt {
namespace {

QPointF qp(gfx::Point p) {
    return {p.x, p.y};
}
QRectF qr(const gfx::Rect& r) {
    return {r.x, r.y, r.w, r.h};
}
QColor qc(gfx::Color c) {
    return QColor(c.r, c.g, c.b, c.a);
}

QPolygonF qpoly(const gfx::Polygon& poly) {
    QPolygonF out;
    out.reserve(static_cast<qsizetype>(poly.size()));
    for (const gfx::Point& p : poly) out.append(qp(p));
    return out;
}

void setStops(QGradient& q, const gfx::Gradient& g) {
    if (g.stops.empty()) return;  // the painter's default ramp, as an unset gradient
    QGradientStops stops;
    stops.reserve(static_cast<qsizetype>(g.stops.size()));
    for (const gfx::GradientStop& s : g.stops) stops.append({s.at, qc(s.color)});
    q.setStops(stops);
}

Qt::PenCapStyle qtCap(gfx::Cap c) {
    switch (c) {
        case gfx::Cap::Flat:
            return Qt::FlatCap;
        case gfx::Cap::Round:
            return Qt::RoundCap;
        default:
            return Qt::SquareCap;
    }
}

Qt::PenJoinStyle qtJoin(gfx::Join j) {
    switch (j) {
        case gfx::Join::Miter:
            return Qt::MiterJoin;
        case gfx::Join::Round:
            return Qt::RoundJoin;
        default:
            return Qt::BevelJoin;
    }
}

// A painter image over the pixels of a gfx image, without copying them.
QImage wrap(const gfx::Image& img) {
    QImage q(reinterpret_cast<const uchar*>(img.pixels.data()), img.width, img.height, img.width * 4,
             QImage::Format_ARGB32_Premultiplied);
    q.setDevicePixelRatio(img.ratio);
    return q;
}

}  // namespace

QBrush qtBrush(const gfx::Brush& b) {
    if (const gfx::Color* c = b.color()) return QBrush(qc(*c));
    if (const gfx::LinearGradient* g = b.linear()) {
        QLinearGradient q(qp(g->start), qp(g->end));
        setStops(q, *g);
        return QBrush(q);
    }
    if (const gfx::RadialGradient* g = b.radial()) {
        QRadialGradient q(qp(g->center), g->radius, qp(g->focal));
        setStops(q, *g);
        return QBrush(q);
    }
    return QBrush(Qt::NoBrush);
}

QPen qtPen(const gfx::Pen& pen) {
    if (pen.isNone()) return QPen(Qt::NoPen);
    return QPen(qtBrush(pen.brush), pen.width, Qt::SolidLine, qtCap(pen.cap), qtJoin(pen.join));
}

QPainterPath qtPath(const gfx::Path& path) {
    using Op = gfx::Path::Op;
    QPainterPath q;
    for (const gfx::Path::Element& e : path.elements()) {
        switch (e.op) {
            case Op::Move:
                q.moveTo(qp(e.p[0]));
                break;
            case Op::Line:
                q.lineTo(qp(e.p[0]));
                break;
            case Op::Cubic:
                q.cubicTo(qp(e.p[0]), qp(e.p[1]), qp(e.p[2]));
                break;
            case Op::Arc:
                q.arcTo(qr(e.rect), e.a, e.b);
                break;
            case Op::ArcMove:
                q.arcMoveTo(qr(e.rect), e.a);
                break;
            case Op::Ellipse:
                q.addEllipse(qr(e.rect));
                break;
            case Op::RoundedRect:
                q.addRoundedRect(qr(e.rect), e.a, e.b);
                break;
            case Op::Rect:
                q.addRect(qr(e.rect));
                break;
            case Op::Close:
                q.closeSubpath();
                break;
        }
    }
    q.setFillRule(path.fillRule() == gfx::FillRule::OddEven ? Qt::OddEvenFill : Qt::WindingFill);
    return q;
}

// The painter's font is set when the canvas's is: painting without text needs no font (nor the
// gui application a font needs). The device's ratio is read once: it stays the same while the
// painter paints, and thousands of dots ask for it.
QtCanvas::QtCanvas(QPainter& p) : p_(p), deviceRatio_(deviceRatioOf(p)) {}

double QtCanvas::ratio() const {
    return deviceRatio_;
}

double QtCanvas::deviceRatioOf(const QPainter& p) {
    // A paint device reports its ratio in steps of 1/65536; images, pixmaps and windows know
    // the exact one (a picture at 1.93 must not be sized for 1.92999).
    const QPaintDevice* d = p.device();
    if (!d) return 1.0;
    double r = d->devicePixelRatioF();
    switch (d->devType()) {
        case QInternal::Image:
            r = static_cast<const QImage*>(d)->devicePixelRatio();
            break;
        case QInternal::Pixmap:
            r = static_cast<const QPixmap*>(d)->devicePixelRatio();
            break;
        case QInternal::Widget: {
            const QWidget* w = static_cast<const QWidget*>(d)->window();
            if (w && w->windowHandle()) r = w->windowHandle()->devicePixelRatio();
            break;
        }
        default:
            break;
    }
    return r > 0 ? r : 1.0;
}

void QtCanvas::save() {
    p_.save();
    saved_.push_back(font_);
}

void QtCanvas::restore() {
    if (saved_.empty()) return;  // more restores than saves: nothing to restore
    p_.restore();
    font_ = saved_.back();
    saved_.pop_back();
}

gfx::Transform QtCanvas::transform() const {
    const QTransform& t = p_.worldTransform();
    return {t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy()};
}

void QtCanvas::setTransform(const gfx::Transform& t) {
    p_.setWorldTransform(QTransform(t.m11, t.m12, t.m21, t.m22, t.dx, t.dy));
}

void QtCanvas::setPen(const gfx::Pen& pen) {
    p_.setPen(qtPen(pen));
}
void QtCanvas::setBrush(const gfx::Brush& brush) {
    p_.setBrush(qtBrush(brush));
}

void QtCanvas::setFont(const gfx::Font& font) {
    font_ = font;
    p_.setFont(qtFont(font));
}

void QtCanvas::setAntialiasing(bool on) {
    p_.setRenderHint(QPainter::Antialiasing, on);
}
void QtCanvas::clipRect(const gfx::Rect& r) {
    p_.setClipRect(qr(r), Qt::IntersectClip);
}
void QtCanvas::clipPath(const gfx::Path& path) {
    p_.setClipPath(qtPath(path), Qt::IntersectClip);
}
void QtCanvas::drawPath(const gfx::Path& path) {
    p_.drawPath(qtPath(path));
}
void QtCanvas::drawLine(gfx::Point a, gfx::Point b) {
    p_.drawLine(qp(a), qp(b));
}
void QtCanvas::drawRect(const gfx::Rect& r) {
    p_.drawRect(qr(r));
}
void QtCanvas::drawRoundedRect(const gfx::Rect& r, double rx, double ry) {
    p_.drawRoundedRect(qr(r), rx, ry);
}
void QtCanvas::drawEllipse(const gfx::Rect& r) {
    p_.drawEllipse(qr(r));
}

void QtCanvas::drawPolygon(const gfx::Polygon& poly, gfx::FillRule rule) {
    p_.drawPolygon(qpoly(poly), rule == gfx::FillRule::OddEven ? Qt::OddEvenFill : Qt::WindingFill);
}

void QtCanvas::drawPolyline(const gfx::Polygon& poly) {
    p_.drawPolyline(qpoly(poly));
}
void QtCanvas::fillRect(const gfx::Rect& r, const gfx::Brush& brush) {
    p_.fillRect(qr(r), qtBrush(brush));
}

void QtCanvas::drawImage(gfx::Point topLeft, const gfx::Image& img) {
    if (img.isNull() || !(img.ratio > 0) ||
        img.pixels.size() < static_cast<size_t>(img.width) * static_cast<size_t>(img.height))
        return;
    p_.drawImage(qp(topLeft), wrap(img));
}

// A surface that lands one to one on the device (the transform only moves it and scales it by
// the surface's ratio over the device's) is drawn in device pixels at the nearest whole device
// pixel: the painter then copies or blends its pixels as they are, never resamples them.
// Thousands of dots are stamped so in one paint: the test and the placing stay cheap.
void QtCanvas::drawSurface(gfx::Point topLeft, const gfx::Surface& s) {
    const auto* q = dynamic_cast<const QtSurface*>(&s);
    if (!q) {
        drawImage(topLeft, s.readPixels());
        return;
    }
    const QImage& img = q->image();
    const QTransform& world = p_.worldTransform();
    const double device = deviceRatio_;
    const double k = img.devicePixelRatio() / device;  // the world scale that maps it one to one
    const auto same = [](double a, double b) { return std::abs(a - b) <= 1e-9 * std::abs(b); };
    const bool scaleOnly = world.m12() == 0 && world.m21() == 0 && world.m13() == 0 && world.m23() == 0;
    if (!scaleOnly || !same(world.m11(), k) || !same(world.m22(), k)) {
        p_.drawImage(qp(topLeft), img);
        return;
    }
    const auto nearest = [](double v) { return std::floor(v + 0.5); };
    const QPointF whole(nearest((world.m11() * topLeft.x + world.dx()) * device),
                        nearest((world.m22() * topLeft.y + world.dy()) * device));
    // (Already in device pixels when many are stamped in a row: the transform is left alone.)
    const bool inDevicePixels = world.m11() * device == 1.0 && world.m22() * device == 1.0 &&
                                world.dx() == 0 && world.dy() == 0 && world.m33() == 1;
    const QTransform saved = inDevicePixels ? QTransform() : world;
    if (!inDevicePixels) p_.setWorldTransform(QTransform::fromScale(1 / device, 1 / device));
    if (img.devicePixelRatio() == 1.0)
        p_.drawImage(whole, img);
    else  // sized in device pixels, whatever the image's own ratio
        p_.drawImage(QRectF(whole, QSizeF(img.width(), img.height())), img,
                     QRectF(0, 0, img.width(), img.height()));
    if (!inDevicePixels) p_.setWorldTransform(saved);
}

void QtCanvas::drawTextRun(gfx::Point baseline, std::string_view utf8) {
    p_.drawText(qp(baseline), QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

}  // namespace rtqt
