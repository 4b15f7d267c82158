#include "gfx/raster/Flatten.h"

#include <algorithm>
#include <cmath>

namespace gfx::raster {
namespace {

void addPoint(Contour& c, Point p) {
    if (c.pts.empty() || !(c.pts.back() == p)) c.pts.push_back(p);
}

// Enough pieces that none strays more than `tolerance` from the curve (the bound on a cubic's
// distance from its chords by its second differences).
void addCubic(Contour& c, Point p0, Point p1, Point p2, Point p3, double tolerance) {
    const auto norm = [](Point v) { return std::hypot(v.x, v.y); };
    const double dd = std::max(norm(p0 - p1 * 2 + p2), norm(p1 - p2 * 2 + p3));
    const double pieces = std::ceil(std::sqrt(0.75 * dd / tolerance));
    const int n = std::isfinite(pieces) ? static_cast<int>(std::clamp(pieces, 1.0, 500.0)) : 1;
    for (int i = 1; i < n; ++i) {
        const double t = double(i) / n, u = 1 - t;
        addPoint(c, p0 * (u * u * u) + p1 * (3 * u * u * t) + p2 * (3 * u * t * t) + p3 * (t * t * t));
    }
    addPoint(c, p3);
}

}  // namespace

void flatten(const Path& path, const Transform& t, double tolerance, std::vector<Contour>& out) {
    out.clear();
    const Path cubics = path.transformed(t);
    Point cur;
    for (const Path::Element& e : cubics.elements()) {
        switch (e.op) {
            case Path::Op::Move:
                out.emplace_back();
                addPoint(out.back(), e.p[0]);
                cur = e.p[0];
                break;
            case Path::Op::Line:
                if (out.empty()) out.emplace_back();
                addPoint(out.back(), e.p[0]);
                cur = e.p[0];
                break;
            case Path::Op::Cubic:
                if (out.empty()) out.emplace_back();
                addCubic(out.back(), cur, e.p[0], e.p[1], e.p[2], tolerance);
                cur = e.p[2];
                break;
            case Path::Op::Close:
                if (out.empty()) break;
                out.back().closed = true;
                if (out.back().pts.size() > 1 && out.back().pts.back() == out.back().pts.front())
                    out.back().pts.pop_back();
                break;
            default:  // (a path of cubics has no other steps)
                break;
        }
    }
}

}  // namespace gfx::raster
