#include "runtime/web/WebCanvas.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "runtime/web/CanvasCalls.h"
#include "runtime/web/WebSurface.h"

namespace rtweb {
namespace {

// Path steps as canvas-library.js reads them: the code, then the step's numbers.
enum PathCode { kMove, kLine, kCubic, kArc, kArcMove, kEllipse, kRoundedRect, kRect, kClose };
// Canvas modes.
constexpr int kFill = 1, kStroke = 2, kClip = 4, kEvenOdd = 8;

void putStops(std::vector<double>& out, const gfx::Gradient& g) {
    out.push_back(static_cast<double>(g.stops.size()));
    for (const gfx::GradientStop& s : g.stops)
        out.insert(out.end(),
                   {s.at, double(s.color.r), double(s.color.g), double(s.color.b), double(s.color.a)});
}

// The canvas's line cap and join codes: butt, square, round; miter, bevel, round.
int capCode(gfx::Cap c) {
    return c == gfx::Cap::Flat ? 0 : c == gfx::Cap::Square ? 1 : 2;
}
int joinCode(gfx::Join j) {
    return j == gfx::Join::Miter ? 0 : j == gfx::Join::Bevel ? 1 : 2;
}

}  // namespace

WebCanvas::WebCanvas(int handle, double ratio) : handle_(handle), ratio_(ratio > 0 ? ratio : 1) {
    vorlinde_canvas_save(handle_);
    setTransform(gfx::Transform{});
}

WebCanvas::~WebCanvas() {
    for (size_t i = 0; i < saved_.size(); ++i) vorlinde_canvas_restore(handle_);
    vorlinde_canvas_restore(handle_);
}

void WebCanvas::save() {
    saved_.push_back(state_);
    vorlinde_canvas_save(handle_);
}

void WebCanvas::restore() {
    if (saved_.empty()) return;  // more restores than saves: nothing to go back to
    state_ = saved_.back();
    saved_.pop_back();
    vorlinde_canvas_restore(handle_);
}

void WebCanvas::setTransform(const gfx::Transform& t) {
    state_.transform = t;
    const double k = ratio_;
    vorlinde_canvas_transform(handle_, t.m11 * k, t.m12 * k, t.m21 * k, t.m22 * k, t.dx * k, t.dy * k);
}

void WebCanvas::setAntialiasing(bool on) {
    state_.antialiasing = on;
    vorlinde_canvas_smoothing(handle_, on ? 1 : 0);
}

gfx::Point WebCanvas::snapped(gfx::Point p, Snap snap) const {
    const gfx::Transform& t = state_.transform;
    if (snap == Snap::None || t.m12 != 0 || t.m21 != 0 || t.m11 == 0 || t.m22 == 0) return p;
    const auto place = [&](double v, double scale, double shift) {
        const double device = (scale * v + shift) * ratio_;
        const double on = snap == Snap::Whole ? std::round(device) : std::floor(device) + 0.5;
        return (on / ratio_ - shift) / scale;
    };
    return {place(p.x, t.m11, t.dx), place(p.y, t.m22, t.dy)};
}

WebCanvas::Snap WebCanvas::strokeSnap() const {
    const gfx::Pen& p = state_.pen;
    if (p.width <= 0) return Snap::Centre;  // one device pixel
    const gfx::Transform& t = state_.transform;
    const double device = p.width * ratio_ * std::sqrt(std::fabs(t.m11 * t.m22 - t.m12 * t.m21));
    const long whole = std::max(1L, std::lround(device));
    return whole % 2 == 1 ? Snap::Centre : Snap::Whole;
}

void WebCanvas::sendPath(const gfx::Path& path, int mode, Snap snap) {
    if (path.fillRule() == gfx::FillRule::OddEven) mode |= kEvenOdd;
    buffer_.clear();
    const auto putRect = [&](const gfx::Rect& r) {
        const gfx::Point a = snapped(r.topLeft(), snap), b = snapped(r.bottomRight(), snap);
        buffer_.insert(buffer_.end(), {a.x, a.y, b.x - a.x, b.y - a.y});
    };
    for (const gfx::Path::Element& src : path.elements()) {
        gfx::Path::Element e = src;
        for (gfx::Point& q : e.p) q = snapped(q, snap);
        switch (e.op) {
            case gfx::Path::Op::Move:
                buffer_.insert(buffer_.end(), {double(kMove), e.p[0].x, e.p[0].y});
                break;
            case gfx::Path::Op::Line:
                buffer_.insert(buffer_.end(), {double(kLine), e.p[0].x, e.p[0].y});
                break;
            case gfx::Path::Op::Cubic:
                buffer_.insert(buffer_.end(),
                               {double(kCubic), e.p[0].x, e.p[0].y, e.p[1].x, e.p[1].y, e.p[2].x, e.p[2].y});
                break;
            case gfx::Path::Op::Arc:
                buffer_.push_back(kArc);
                putRect(e.rect);
                buffer_.insert(buffer_.end(), {e.a, e.b});
                break;
            case gfx::Path::Op::ArcMove:
                buffer_.push_back(kArcMove);
                putRect(e.rect);
                buffer_.push_back(e.a);
                break;
            case gfx::Path::Op::Ellipse:
                buffer_.push_back(kEllipse);
                putRect(e.rect);
                break;
            case gfx::Path::Op::RoundedRect:
                buffer_.push_back(kRoundedRect);
                putRect(e.rect);
                buffer_.insert(buffer_.end(), {e.a, e.b});
                break;
            case gfx::Path::Op::Rect:
                buffer_.push_back(kRect);
                putRect(e.rect);
                break;
            case gfx::Path::Op::Close:
                buffer_.push_back(kClose);
                break;
        }
    }
    vorlinde_canvas_path(handle_, buffer_.data(), static_cast<int>(buffer_.size()), mode);
}

bool WebCanvas::applyBrush(const gfx::Brush& b, bool stroke) {
    buffer_.clear();
    if (const gfx::Color* c = b.color()) {
        buffer_.insert(buffer_.end(), {1.0, double(c->r), double(c->g), double(c->b), double(c->a)});
    } else if (const gfx::LinearGradient* g = b.linear()) {
        buffer_.insert(buffer_.end(), {2.0, g->start.x, g->start.y, g->end.x, g->end.y});
        putStops(buffer_, *g);
    } else if (const gfx::RadialGradient* g = b.radial()) {
        buffer_.insert(buffer_.end(), {3.0, g->focal.x, g->focal.y, g->center.x, g->center.y, g->radius});
        putStops(buffer_, *g);
    } else {
        return false;
    }
    vorlinde_canvas_style(handle_, stroke ? 1 : 0, buffer_.data(), static_cast<int>(buffer_.size()));
    return true;
}

bool WebCanvas::applyPen() {
    const gfx::Pen& p = state_.pen;
    if (p.isNone() || !applyBrush(p.brush, true)) return false;
    double width = p.width;
    if (width <= 0) {  // one device pixel, whatever the transform
        const gfx::Transform& t = state_.transform;
        const double scale = ratio_ * std::sqrt(std::fabs(t.m11 * t.m22 - t.m12 * t.m21));
        width = scale > 0 ? 1.0 / scale : 1.0;
    }
    vorlinde_canvas_line(handle_, width, capCode(p.cap), joinCode(p.join));
    return true;
}

void WebCanvas::clipRect(const gfx::Rect& r) {
    gfx::Path p;
    p.addRect(r);
    sendPath(p, kClip);
}

void WebCanvas::clipPath(const gfx::Path& path) {
    sendPath(path, kClip);
}

void WebCanvas::drawPath(const gfx::Path& path) {
    if (path.isEmpty()) return;
    const bool fill = applyBrush(state_.brush, false);
    const bool stroke = applyPen();
    if (!state_.antialiasing) {  // edges on whole pixels, lines on pixel centres
        if (fill) sendPath(path, kFill, Snap::Whole);
        if (stroke) sendPath(path, kStroke, strokeSnap());
        return;
    }
    const int mode = (fill ? kFill : 0) | (stroke ? kStroke : 0);
    if (mode != 0) sendPath(path, mode);
}

void WebCanvas::drawTextRun(gfx::Point baseline, std::string_view utf8) {
    if (utf8.empty() || !applyBrush(state_.pen.brush, false)) return;
    const std::string text(utf8);
    vorlinde_canvas_text(handle_, text.c_str(), baseline.x, baseline.y, state_.font.pixelSize,
                         state_.font.bold);
}

void WebCanvas::drawImage(gfx::Point topLeft, const gfx::Image& img) {
    if (img.isNull() || img.pixels.size() < static_cast<size_t>(img.width) * static_cast<size_t>(img.height))
        return;
    // Premultiplied ARGB words to the canvas's straight RGBA bytes.
    std::vector<unsigned char> rgba(img.pixels.size() * 4);
    for (size_t i = 0; i < img.pixels.size(); ++i) {
        const uint32_t p = img.pixels[i];
        const unsigned a = p >> 24;
        const auto straight = [a](unsigned v) {
            return static_cast<unsigned char>(a ? std::min(255u, (v * 255 + a / 2) / a) : 0);
        };
        rgba[4 * i] = straight((p >> 16) & 0xff);
        rgba[4 * i + 1] = straight((p >> 8) & 0xff);
        rgba[4 * i + 2] = straight(p & 0xff);
        rgba[4 * i + 3] = static_cast<unsigned char>(a);
    }
    const double r = img.ratio > 0 ? img.ratio : 1;
    vorlinde_canvas_pixels(handle_, rgba.data(), img.width, img.height, topLeft.x, topLeft.y, img.width / r,
                           img.height / r);
}

void WebCanvas::drawSurface(gfx::Point topLeft, const gfx::Surface& s) {
    const auto* web = dynamic_cast<const WebSurface*>(&s);
    if (!web || s.width() <= 0 || s.height() <= 0) return;  // another backend's pixels are not here
    const double r = s.ratio() > 0 ? s.ratio() : 1;
    vorlinde_canvas_draw(handle_, web->handle(), topLeft.x, topLeft.y, s.width() / r, s.height() / r);
}

}  // namespace rtweb
