#include "gfx/raster/Stroker.h"

#include <algorithm>
#include <cmath>

namespace gfx::raster {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMiterLimit = 2;  // the farthest a miter reaches, in half widths

double cross(Point a, Point b) {
    return a.x * b.y - a.y * b.x;
}
double dot(Point a, Point b) {
    return a.x * b.x + a.y * b.y;
}
Point unit(Point a, Point b) {
    const Point d = b - a;
    return d / std::hypot(d.x, d.y);
}
// The left-hand normal of a direction, half a pen wide.
Point normal(Point d, double hw) {
    return Point{-d.y, d.x} * hw;
}

// Adds the polygon turned the common way (positive area), so overlaps add up under nonzero.
void add(std::vector<Polygon>& out, Polygon&& poly) {
    double area = 0;
    for (size_t i = 0; i < poly.size(); ++i) area += cross(poly[i], poly[(i + 1) % poly.size()]);
    if (area < 0) std::reverse(poly.begin(), poly.end());
    if (area != 0) out.push_back(std::move(poly));
}

// The wedge that fills the outer side of the corner at v between directions d0 and d1. A turn
// so slight that the join's shape cannot be told from a bevel's is bevelled.
void join(Point v, Point d0, Point d1, const StrokeStyle& st, std::vector<Polygon>& out) {
    const double hw = st.width / 2, turn = std::atan2(std::fabs(cross(d0, d1)), dot(d0, d1));
    if (!(turn * hw > 1e-3 * st.tolerance)) return;  // straight on
    const double s = cross(d0, d1) > 0 ? -1 : 1;     // the outer side
    const Point n0 = normal(d0, hw) * s, n1 = normal(d1, hw) * s;
    const bool visible = hw * (1 - std::cos(turn / 2)) > st.tolerance / 4;
    if (st.join == Join::Round && visible) {
        add(out, circle(v, hw, st.tolerance));
        return;
    }
    const Point m = n0 + n1;
    const double mm = dot(m, m);
    if (st.join == Join::Miter && mm > 0 &&
        4 * hw * hw * hw * hw / mm <= kMiterLimit * kMiterLimit * hw * hw) {
        add(out, Polygon{v, v + n0, v + m * (2 * hw * hw / mm), v + n1});
        return;
    }
    add(out, Polygon{v, v + n0, v + n1});
}

// (A polyline through a point that is not a number is not drawn at all, caps included.)
void strokeContour(const Contour& c, const StrokeStyle& st, std::vector<Polygon>& out) {
    Polygon p = c.pts;
    const size_t n = p.size();
    if (n < 2) return;
    for (const Point& q : p)
        if (!std::isfinite(q.x) || !std::isfinite(q.y)) return;
    const double hw = st.width / 2;
    if (!c.closed && st.cap == Cap::Square) {
        p.front() = p.front() - unit(p[0], p[1]) * hw;
        p.back() = p.back() + unit(p[n - 2], p[n - 1]) * hw;
    }
    const size_t segments = c.closed ? n : n - 1;
    for (size_t i = 0; i < segments; ++i) {
        const Point a = p[i], b = p[(i + 1) % n];
        const Point nm = normal(unit(a, b), hw);
        add(out, Polygon{a + nm, b + nm, b - nm, a - nm});
    }
    for (size_t i = c.closed ? 0 : 1; i < (c.closed ? n : n - 1); ++i) {
        const Point v = c.pts[i], before = c.pts[(i + n - 1) % n], after = c.pts[(i + 1) % n];
        join(v, unit(before, v), unit(v, after), st, out);
    }
    if (!c.closed && st.cap == Cap::Round) {
        add(out, circle(c.pts.front(), hw, st.tolerance));
        add(out, circle(c.pts.back(), hw, st.tolerance));
    }
}

}  // namespace

Polygon circle(Point c, double r, double tolerance) {
    const double step = 2 * std::acos(std::max(-1.0, 1 - tolerance / r));
    const double count = std::ceil(2 * kPi / step);
    const int k = std::isfinite(count) ? static_cast<int>(std::clamp(count, 8.0, 256.0)) : 8;
    Polygon out;
    out.reserve(static_cast<size_t>(k));
    for (int i = 0; i < k; ++i) {
        const double a = 2 * kPi * i / k;
        out.push_back({c.x + r * std::cos(a), c.y + r * std::sin(a)});
    }
    return out;
}

void strokePieces(const std::vector<Contour>& contours, const StrokeStyle& style, std::vector<Polygon>& out) {
    if (!(style.width > 0) || !std::isfinite(style.width)) return;
    for (const Contour& c : contours) strokeContour(c, style, out);
}

void dotPiece(Point at, const StrokeStyle& style, std::vector<Polygon>& out) {
    const double hw = style.width / 2;
    if (!(hw > 0) || !std::isfinite(hw)) return;
    if (style.cap == Cap::Square)
        add(out, Polygon{at + Point{-hw, -hw}, at + Point{hw, -hw}, at + Point{hw, hw}, at + Point{-hw, hw}});
    else if (style.cap == Cap::Round)
        add(out, circle(at, hw, style.tolerance));
}

}  // namespace gfx::raster
