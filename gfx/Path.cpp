#include "gfx/Path.h"

#include <cmath>
#include <limits>

#include "gfx/PathArcs.h"

namespace gfx {

void Path::moveTo(Point p) {
    Element e{};
    e.op = Op::Move;
    e.p[0] = p;
    els_.push_back(e);
}

void Path::lineTo(Point p) {
    Element e{};
    e.op = Op::Line;
    e.p[0] = p;
    els_.push_back(e);
}

void Path::cubicTo(Point c1, Point c2, Point end) {
    Element e{};
    e.op = Op::Cubic;
    e.p[0] = c1, e.p[1] = c2, e.p[2] = end;
    els_.push_back(e);
}

void Path::quadTo(Point c, Point end) {
    const Point s = currentPosition();
    cubicTo(s + (c - s) * (2.0 / 3.0), end + (c - end) * (2.0 / 3.0), end);
}

void Path::arcTo(const gfx::Rect& r, double startDeg, double sweepDeg) {
    Element e{};
    e.op = Op::Arc;
    e.rect = r, e.a = startDeg, e.b = sweepDeg;
    els_.push_back(e);
}

void Path::arcMoveTo(const gfx::Rect& r, double angleDeg) {
    Element e{};
    e.op = Op::ArcMove;
    e.rect = r, e.a = angleDeg;
    els_.push_back(e);
}

void Path::addEllipse(const gfx::Rect& r) {
    Element e{};
    e.op = Op::Ellipse;
    e.rect = r;
    els_.push_back(e);
}

void Path::addRoundedRect(const gfx::Rect& r, double rx, double ry) {
    Element e{};
    e.op = Op::RoundedRect;
    e.rect = r, e.a = rx, e.b = ry;
    els_.push_back(e);
}

void Path::addRect(const gfx::Rect& r) {
    Element e{};
    e.op = Op::Rect;
    e.rect = r;
    els_.push_back(e);
}

void Path::addPolygon(const Polygon& poly) {
    if (poly.empty()) return;
    moveTo(poly.front());
    for (size_t i = 1; i < poly.size(); ++i) lineTo(poly[i]);
}

void Path::addPath(const Path& other) {
    els_.insert(els_.end(), other.els_.begin(), other.els_.end());
}

void Path::closeSubpath() {
    Element e{};
    e.op = Op::Close;
    els_.push_back(e);
}

Path Path::translated(double dx, double dy) const {
    Path out = *this;
    const Point d{dx, dy};
    for (Element& e : out.els_) {
        for (Point& p : e.p) p += d;
        e.rect = e.rect.translated(d);
    }
    return out;
}

Path Path::toCubics() const {
    CubicBuilder b;
    for (const Element& e : els_) b.add(e);
    Path out;
    out.els_ = b.take();
    out.fill_ = fill_;
    return out;
}

Path Path::transformed(const Transform& t) const {
    Path out = toCubics();
    for (Element& e : out.els_)
        for (Point& p : e.p) p = t.map(p);
    return out;
}

gfx::Rect Path::boundingRect() const {
    const Path c = toCubics();
    double l = std::numeric_limits<double>::infinity(), t = l, r = -l, b = -l;
    auto take = [&](Point p) {
        l = std::min(l, p.x), t = std::min(t, p.y), r = std::max(r, p.x), b = std::max(b, p.y);
    };
    Point cur;
    for (const Element& e : c.els_) {
        switch (e.op) {
            case Op::Move:
            case Op::Line:
                take(e.p[0]);
                cur = e.p[0];
                break;
            case Op::Cubic:
                cubicExtrema(cur, e.p[0], e.p[1], e.p[2], take);
                cur = e.p[2];
                break;
            default:
                break;
        }
    }
    if (l > r) return {};
    return {l, t, r - l, b - t};
}

Point Path::currentPosition() const {
    const Path c = toCubics();
    if (c.els_.empty()) return {};
    const Element& e = c.els_.back();
    return e.op == Op::Cubic ? e.p[2] : e.p[0];
}

Path polygonPath(const Polygon& poly, FillRule rule) {
    Path p;
    p.addPolygon(poly);
    if (!poly.empty()) p.closeSubpath();
    p.setFillRule(rule);
    return p;
}

}  // namespace gfx
