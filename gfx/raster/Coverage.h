#pragma once
// How much of each device pixel a shape covers. Edges of closed contours are accumulated as
// signed areas into a buffer over the pixels they may reach; a running sum along each row then
// gives the winding of the shape there, exact for antialiased filling (the area of the pixel
// inside the shape), or sampled at pixel centres without antialiasing (a centre on an edge
// belongs to the pixel right of it and below it).

#include <algorithm>
#include <cmath>
#include <vector>

#include "gfx/Geometry.h"
#include "gfx/Path.h"

namespace gfx::raster {

class Coverage {
public:
    // Starts a shape within `area` (device pixels, not empty); what lies beyond its sides is cut.
    void begin(const IntRect& area, bool antialias);
    // A closed contour of `n` points (the last joins the first).
    void addContour(const Point* pts, size_t n);

    // Calls row(y, x, n, cover) for each row the shape reaches, with the coverage (0..1) of the
    // pixels x .. x+n-1 under `rule`; the buffer is ready for the next shape afterwards.
    template <class Row>
    void finish(FillRule rule, Row&& row);

    const IntRect& area() const { return area_; }

private:
    void addEdge(Point a, Point b);
    void addSmooth(Point a, Point b);
    void addSampled(Point a, Point b);
    void touch(int y, int x);
    float* line(int y) { return acc_.data() + static_cast<size_t>(y) * static_cast<size_t>(stride_); }

    IntRect area_;
    bool antialias_ = true;
    int stride_ = 0;
    std::vector<float> acc_;         // (area.w + 2) x area.h signed areas, zero outside a shape
    std::vector<int> first_, last_;  // the columns each row's contributions reach
    std::vector<float> cover_;
};

template <class Row>
void Coverage::finish(FillRule rule, Row&& row) {
    const bool evenOdd = rule == FillRule::OddEven;
    for (int y = 0; y < area_.h; ++y) {
        if (first_[y] > last_[y]) continue;
        const int x0 = first_[y], x1 = std::min(last_[y], area_.w - 1);
        float* a = line(y);
        float sum = 0;  // (nothing left of the first column reached)
        for (int x = x0; x <= x1; ++x) {
            sum += a[x];
            a[x] = 0;
            float c = std::fabs(sum);
            if (!antialias_) {
                const int w = static_cast<int>(std::lround(c));
                c = evenOdd ? static_cast<float>(w & 1) : (w != 0 ? 1.0f : 0.0f);
            } else if (evenOdd) {
                c -= 2 * std::floor(c / 2);
                if (c > 1) c = 2 - c;
            } else if (c > 1) {
                c = 1;
            }
            cover_[static_cast<size_t>(x - x0)] = c;
        }
        for (int x = x1 + 1; x <= last_[y]; ++x) a[x] = 0;
        first_[y] = stride_, last_[y] = -1;
        if (x1 >= x0) row(area_.y + y, area_.x + x0, x1 - x0 + 1, cover_.data());
    }
}

}  // namespace gfx::raster
