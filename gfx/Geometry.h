#pragma once
// Points, sizes, rectangles and affine transforms in logical units (a picture's own pixels, or
// design pixels for a window). Plain values, no toolkit.

#include <algorithm>
#include <cmath>
#include <vector>

namespace gfx {

struct Point {
    double x = 0, y = 0;

    constexpr Point operator+(Point o) const { return {x + o.x, y + o.y}; }
    constexpr Point operator-(Point o) const { return {x - o.x, y - o.y}; }
    constexpr Point operator*(double k) const { return {x * k, y * k}; }
    constexpr Point operator/(double k) const { return {x / k, y / k}; }
    constexpr Point operator-() const { return {-x, -y}; }
    constexpr Point& operator+=(Point o) { return *this = *this + o; }
    constexpr Point& operator-=(Point o) { return *this = *this - o; }
    constexpr bool operator==(const Point&) const = default;
};
constexpr Point operator*(double k, Point p) {
    return p * k;
}

struct Size {
    double w = 0, h = 0;
    constexpr bool operator==(const Size&) const = default;
};

// A rectangle by its top-left corner and size; right() = x + w (the edge, not the last pixel).
struct Rect {
    double x = 0, y = 0, w = 0, h = 0;

    constexpr Rect() = default;
    constexpr Rect(double x_, double y_, double w_, double h_) : x(x_), y(y_), w(w_), h(h_) {}
    constexpr Rect(Point topLeft, Size s) : x(topLeft.x), y(topLeft.y), w(s.w), h(s.h) {}
    static constexpr Rect fromCorners(Point a, Point b) { return {a.x, a.y, b.x - a.x, b.y - a.y}; }

    constexpr double left() const { return x; }
    constexpr double top() const { return y; }
    constexpr double right() const { return x + w; }
    constexpr double bottom() const { return y + h; }
    constexpr double width() const { return w; }
    constexpr double height() const { return h; }
    constexpr Size size() const { return {w, h}; }
    constexpr Point topLeft() const { return {x, y}; }
    constexpr Point topRight() const { return {x + w, y}; }
    constexpr Point bottomLeft() const { return {x, y + h}; }
    constexpr Point bottomRight() const { return {x + w, y + h}; }
    constexpr Point center() const { return {x + w / 2, y + h / 2}; }
    constexpr bool isEmpty() const { return !(w > 0) || !(h > 0); }

    constexpr Rect adjusted(double dx1, double dy1, double dx2, double dy2) const {
        return {x + dx1, y + dy1, w - dx1 + dx2, h - dy1 + dy2};
    }
    constexpr Rect translated(double dx, double dy) const { return {x + dx, y + dy, w, h}; }
    constexpr Rect translated(Point d) const { return translated(d.x, d.y); }
    constexpr bool contains(Point p) const { return p.x >= x && p.x < x + w && p.y >= y && p.y < y + h; }
    constexpr bool intersects(const Rect& o) const {
        return !isEmpty() && !o.isEmpty() && o.x < right() && x < o.right() && o.y < bottom() && y < o.bottom();
    }
    // The common part; empty (0 size) when they do not meet.
    constexpr Rect intersected(const Rect& o) const {
        const double l = std::max(x, o.x), t = std::max(y, o.y);
        const double r = std::min(right(), o.right()), b = std::min(bottom(), o.bottom());
        return (r > l && b > t) ? Rect{l, t, r - l, b - t} : Rect{};
    }
    // The smallest rectangle holding both (an empty one adds nothing).
    constexpr Rect united(const Rect& o) const {
        if (isEmpty()) return o;
        if (o.isEmpty()) return *this;
        const double l = std::min(x, o.x), t = std::min(y, o.y);
        return {l, t, std::max(right(), o.right()) - l, std::max(bottom(), o.bottom()) - t};
    }
    constexpr bool operator==(const Rect&) const = default;
};

// Whole-number rectangle of device pixels.
struct IntRect {
    int x = 0, y = 0, w = 0, h = 0;
    constexpr int right() const { return x + w; }
    constexpr int bottom() const { return y + h; }
    constexpr bool isEmpty() const { return w <= 0 || h <= 0; }
    constexpr bool operator==(const IntRect&) const = default;
};

using Polygon = std::vector<Point>;

// An affine map: x' = m11 x + m21 y + dx, y' = m12 x + m22 y + dy (row-vector convention, as in
// most 2D painters). `a * b` applies a first, then b.
struct Transform {
    double m11 = 1, m12 = 0, m21 = 0, m22 = 1, dx = 0, dy = 0;

    static constexpr Transform translation(double tx, double ty) { return {1, 0, 0, 1, tx, ty}; }
    static constexpr Transform scaling(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
    // Clockwise on screen (y down) by `deg` degrees.
    static Transform rotation(double deg) {
        const double a = deg * 3.14159265358979323846 / 180.0;
        double s = std::sin(a), c = std::cos(a);
        // Exact quarter turns, so a rotated right angle stays on whole pixels.
        if (deg == 90 || deg == -270) s = 1, c = 0;
        else if (deg == 180 || deg == -180) s = 0, c = -1;
        else if (deg == 270 || deg == -90) s = -1, c = 0;
        return {c, s, -s, c, 0, 0};
    }

    constexpr Point map(Point p) const { return {m11 * p.x + m21 * p.y + dx, m12 * p.x + m22 * p.y + dy}; }
    Polygon map(const Polygon& poly) const {
        Polygon out;
        out.reserve(poly.size());
        for (const Point& p : poly) out.push_back(map(p));
        return out;
    }
    // The bounding box of the mapped corners.
    Rect mapRect(const Rect& r) const {
        const Point a = map(r.topLeft()), b = map(r.topRight()), c = map(r.bottomLeft()), d = map(r.bottomRight());
        const double l = std::min({a.x, b.x, c.x, d.x}), t = std::min({a.y, b.y, c.y, d.y});
        return {l, t, std::max({a.x, b.x, c.x, d.x}) - l, std::max({a.y, b.y, c.y, d.y}) - t};
    }
    constexpr Transform operator*(const Transform& o) const {
        return {m11 * o.m11 + m12 * o.m21,      m11 * o.m12 + m12 * o.m22,      m21 * o.m11 + m22 * o.m21,
                m21 * o.m12 + m22 * o.m22,      dx * o.m11 + dy * o.m21 + o.dx, dx * o.m12 + dy * o.m22 + o.dy};
    }
    // In place, the way a painter's translate/rotate/scale act: the new step applies first, in
    // the present coordinates.
    Transform& translate(double tx, double ty) { return *this = translation(tx, ty) * *this; }
    Transform& rotate(double deg) { return *this = rotation(deg) * *this; }
    Transform& scale(double sx, double sy) { return *this = scaling(sx, sy) * *this; }
    constexpr bool isIdentity() const { return m11 == 1 && m12 == 0 && m21 == 0 && m22 == 1 && dx == 0 && dy == 0; }
    constexpr bool operator==(const Transform&) const = default;
};

}  // namespace gfx
