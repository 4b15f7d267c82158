#include "gfx/raster/Coverage.h"

#include <algorithm>
#include <cmath>

namespace gfx::raster {
namespace {

// A whole number of pixels cut to [lo, hi] before it becomes an int (far beyond the area, a
// coordinate may exceed what an int holds).
int within(double v, int lo, int hi) {
    return static_cast<int>(std::clamp(v, double(lo), double(hi)));
}

}  // namespace

void Coverage::begin(const IntRect& area, bool antialias) {
    area_ = area;
    antialias_ = antialias;
    stride_ = area.w + 2;
    const size_t size = static_cast<size_t>(stride_) * static_cast<size_t>(area.h);
    if (acc_.size() < size) acc_.resize(size, 0.0f);  // every cell is zero between shapes
    first_.assign(static_cast<size_t>(area.h), stride_);
    last_.assign(static_cast<size_t>(area.h), -1);
    if (cover_.size() < static_cast<size_t>(stride_)) cover_.resize(static_cast<size_t>(stride_));
}

// A contour with a point that is not a number is left out whole: without some of its edges
// the others would cover whatever lies right of them.
void Coverage::addContour(const Point* pts, size_t n) {
    for (size_t i = 0; i < n; ++i)
        if (!std::isfinite(pts[i].x) || !std::isfinite(pts[i].y)) return;
    for (size_t i = 0; i < n; ++i) addEdge(pts[i], pts[(i + 1) % n]);
}

void Coverage::addEdge(Point a, Point b) {
    a -= Point{double(area_.x), double(area_.y)};
    b -= Point{double(area_.x), double(area_.y)};
    if (antialias_)
        addSmooth(a, b);
    else
        addSampled(a, b);
}

void Coverage::touch(int y, int x) {
    first_[static_cast<size_t>(y)] = std::min(first_[static_cast<size_t>(y)], x);
    last_[static_cast<size_t>(y)] = std::max(last_[static_cast<size_t>(y)], x);
}

// The winding changes at the first pixel whose centre lies right of where the edge crosses the
// row's centre line: the running sum then counts the edges left of each centre.
void Coverage::addSampled(Point a, Point b) {
    if (a.y == b.y) return;
    const float dir = a.y < b.y ? 1.0f : -1.0f;
    if (b.y < a.y) std::swap(a, b);
    const double dxdy = (b.x - a.x) / (b.y - a.y);
    if (!std::isfinite(dxdy)) return;
    // Rows whose centre y + 0.5 lies in (a.y, b.y].
    const int y0 = within(std::floor(a.y + 0.5), 0, area_.h);
    const int y1 = within(std::floor(b.y - 0.5), -1, area_.h - 1);
    for (int y = y0; y <= y1; ++y) {
        const double x = a.x + (y + 0.5 - a.y) * dxdy;
        const int i = within(std::floor(x + 0.5), 0, area_.w);
        line(y)[i] += dir;
        touch(y, i);
    }
}

// The signed area the edge adds to each pixel of each row it crosses, the part right of it in
// the row given to the next pixel, so that the running sum is the covered fraction.
void Coverage::addSmooth(Point a, Point b) {
    if (a.y == b.y) return;
    const float dir = a.y < b.y ? 1.0f : -1.0f;
    if (b.y < a.y) std::swap(a, b);
    const double dxdy = (b.x - a.x) / (b.y - a.y);
    if (!std::isfinite(dxdy)) return;
    const double w = area_.w;
    const int yStart = within(std::floor(a.y), 0, area_.h);
    const int yEnd = within(std::ceil(b.y), 0, area_.h);
    double x = a.x + (std::max(a.y, double(yStart)) - a.y) * dxdy;
    for (int y = yStart; y < yEnd; ++y) {
        const double dy = std::min(double(y + 1), b.y) - std::max(double(y), a.y);
        const double xNext = x + dxdy * dy;
        const float d = static_cast<float>(dy) * dir;
        // Beyond the sides the edge runs along them: what lies left of the area covers all of
        // it, what lies right of it covers nothing.
        const double x0 = std::clamp(std::min(x, xNext), 0.0, w), x1 = std::clamp(std::max(x, xNext), 0.0, w);
        const double x0f = std::floor(x0);
        const int i0 = static_cast<int>(x0f), i1 = static_cast<int>(std::ceil(x1));
        float* row = line(y);
        if (i1 <= i0 + 1) {  // within one pixel: the part right of the edge's middle
            const float mid = static_cast<float>(0.5 * (x0 + x1) - x0f);
            row[i0] += d - d * mid;
            row[i0 + 1] += d * mid;
            touch(y, i0 + 1);
        } else {
            const double s = 1 / (x1 - x0);
            const double f0 = x0 - x0f, f1 = x1 - std::ceil(x1) + 1;
            const double a0 = 0.5 * s * (1 - f0) * (1 - f0), am = 0.5 * s * f1 * f1;
            row[i0] += static_cast<float>(d * a0);
            if (i1 == i0 + 2) {
                row[i0 + 1] += static_cast<float>(d * (1 - a0 - am));
            } else {
                const double a1 = s * (1.5 - f0);
                row[i0 + 1] += static_cast<float>(d * (a1 - a0));
                for (int i = i0 + 2; i < i1 - 1; ++i) row[i] += static_cast<float>(d * s);
                const double a2 = a1 + (i1 - i0 - 3) * s;
                row[i1 - 1] += static_cast<float>(d * (1 - a2 - am));
            }
            row[i1] += static_cast<float>(d * am);
            touch(y, i1);
        }
        touch(y, i0);
        x = xNext;
    }
}

}  // namespace gfx::raster
