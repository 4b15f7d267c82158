#pragma once
// How a path's arcs, ellipses and rounded rectangles become cubic Bézier curves, and the
// bookkeeping of subpaths while a path is rebuilt from Move, Line, Cubic and Close steps only.
// The arcs are split at the quarter turns and each quarter is the usual four-point cubic of a
// quarter ellipse, so the curves are the ones a common 2D painter builds for the same calls.

#include <cmath>
#include <vector>

#include "gfx/Path.h"

namespace gfx {

// The cubic curves of the arc of the ellipse in `r` from `startDeg`, sweeping `sweepDeg`
// (counter-clockwise positive, 0 at 3 o'clock): three points a curve appended to `curves`.
// Returns the arc's start point.
Point curvesForArc(const Rect& r, double startDeg, double sweepDeg, std::vector<Point>& curves);

// The point of the ellipse in `r` at `angleDeg`, on its cubic approximation.
Point ellipsePoint(const Rect& r, double angleDeg);

// Calls take(p) for the end points of the cubic and its extreme points along x and y.
template <class F>
void cubicExtrema(Point p0, Point p1, Point p2, Point p3, F&& take);

// Rebuilds a path step by step as a 2D painter's path does: an implicit start at the origin,
// a move replacing a move just before it, repeated points dropped, a closed subpath or a
// closed shape (ellipse, rectangle) making the next drawing step start a new subpath.
class CubicBuilder {
public:
    void add(const Path::Element& e);
    std::vector<Path::Element> take() { return std::move(out_); }

private:
    void moveTo(Point p);
    void lineTo(Point p);
    void cubicTo(Point c1, Point c2, Point end);
    void arcTo(const Rect& r, double start, double sweep);
    void close();
    void ensureStart();
    Point last() const;

    std::vector<Path::Element> out_;
    Point start_;
    bool needMove_ = false;
};

double cubicAt(double a, double b, double c, double d, double t);

template <class F>
void cubicExtrema(Point p0, Point p1, Point p2, Point p3, F&& take) {
    take(p0);
    take(p3);
    auto roots = [&](double a, double b, double c, double d, double ts[2]) {
        // Derivative of the cubic: 3[(b-a)(1-t)^2 + 2(c-b)t(1-t) + (d-c)t^2] = qa t^2 + qb t + qc.
        const double qa = -a + 3 * b - 3 * c + d, qb = 2 * (a - 2 * b + c), qc = b - a;
        int n = 0;
        if (qa == 0) {
            if (qb != 0) ts[n++] = -qc / qb;
        } else {
            const double disc = qb * qb - 4 * qa * qc;
            if (disc >= 0) {
                const double s = std::sqrt(disc);
                ts[n++] = (-qb + s) / (2 * qa);
                ts[n++] = (-qb - s) / (2 * qa);
            }
        }
        return n;
    };
    double ts[2];
    const int nx = roots(p0.x, p1.x, p2.x, p3.x, ts);
    for (int i = 0; i < nx; ++i)
        if (ts[i] > 0 && ts[i] < 1)
            take(Point{cubicAt(p0.x, p1.x, p2.x, p3.x, ts[i]), cubicAt(p0.y, p1.y, p2.y, p3.y, ts[i])});
    const int ny = roots(p0.y, p1.y, p2.y, p3.y, ts);
    for (int i = 0; i < ny; ++i)
        if (ts[i] > 0 && ts[i] < 1)
            take(Point{cubicAt(p0.x, p1.x, p2.x, p3.x, ts[i]), cubicAt(p0.y, p1.y, p2.y, p3.y, ts[i])});
}

}  // namespace gfx
