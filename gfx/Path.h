#pragma once
// A shape as a list of drawing steps. Arcs, ellipses and rounded rectangles are kept as such, so
// a backend can draw them with its own primitives; transformed() and the flattening for
// bounding boxes turn them into cubic Bézier curves. There is no union or stroking of paths: a
// shape built of overlapping parts is drawn part by part (outline first, then fills).

#include <vector>

#include "gfx/Geometry.h"

namespace gfx {

enum class FillRule { OddEven, Winding };

class Path {
public:
    enum class Op {
        Move,         // p[0]
        Line,         // p[0]
        Cubic,        // control p[0], p[1], end p[2]
        Arc,          // rect, a = start angle, b = sweep (degrees, counter-clockwise, 0 at 3 o'clock),
                      // a line from the current point to the arc's start first
        ArcMove,      // rect, a = angle: moves to that point of the ellipse
        Ellipse,      // rect: a closed ellipse of its own (starts a new subpath)
        RoundedRect,  // rect, a = x radius, b = y radius: closed subpath of its own
        Rect,         // rect: closed subpath of its own
        Close,
    };
    struct Element {
        Op op;
        Point p[3]{};
        gfx::Rect rect;
        double a = 0, b = 0;
        bool operator==(const Element&) const = default;
    };

    Path() = default;
    explicit Path(Point start) { moveTo(start); }

    void moveTo(Point p);
    void moveTo(double x, double y) { moveTo({x, y}); }
    void lineTo(Point p);
    void lineTo(double x, double y) { lineTo({x, y}); }
    void cubicTo(Point c1, Point c2, Point end);
    void quadTo(Point c, Point end);  // stored as the equivalent cubic
    void arcTo(const gfx::Rect& r, double startDeg, double sweepDeg);
    void arcMoveTo(const gfx::Rect& r, double angleDeg);
    void addEllipse(const gfx::Rect& r);
    void addEllipse(Point c, double rx, double ry) { addEllipse({c.x - rx, c.y - ry, 2 * rx, 2 * ry}); }
    void addRoundedRect(const gfx::Rect& r, double rx, double ry);
    void addRect(const gfx::Rect& r);
    void addPolygon(const Polygon& poly);  // a subpath through the points (not closed)
    void addPath(const Path& other);
    void closeSubpath();

    void setFillRule(FillRule f) { fill_ = f; }
    FillRule fillRule() const { return fill_; }
    bool isEmpty() const { return els_.empty(); }
    const std::vector<Element>& elements() const { return els_; }

    // The same path moved, or mapped by `t` (arcs, ellipses and rounded rectangles become cubics).
    Path translated(double dx, double dy) const;
    Path translated(Point d) const { return translated(d.x, d.y); }
    Path transformed(const Transform& t) const;
    // The path with only Move, Line, Cubic and Close steps.
    Path toCubics() const;
    // The box of every point the path passes through (control points of curves bounded tightly).
    gfx::Rect boundingRect() const;
    // The current point (where the next lineTo starts); the origin when empty.
    Point currentPosition() const;

    bool operator==(const Path&) const = default;

private:
    std::vector<Element> els_;
    FillRule fill_ = FillRule::OddEven;
};

// A polygon as a closed path, with the fill rule given.
Path polygonPath(const Polygon& poly, FillRule rule = FillRule::OddEven);

}  // namespace gfx
