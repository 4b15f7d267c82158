#include "gfx/raster/RasterCanvas.h"

#include <algorithm>
#include <cmath>

#include "gfx/raster/Blend.h"
#include "gfx/raster/Stroker.h"

namespace gfx::raster {
namespace {

constexpr double kTolerance = 0.2;  // how far a flattened curve may stray, in device pixels

const Polygon& pointsOf(const Contour& c) {
    return c.pts;
}
const Polygon& pointsOf(const Polygon& p) {
    return p;
}

// The largest stretch the map gives a length (its largest singular value).
double largestScale(const Transform& t) {
    const double a = t.m11 * t.m11 + t.m12 * t.m12, b = t.m21 * t.m21 + t.m22 * t.m22;
    const double c = t.m11 * t.m21 + t.m12 * t.m22;
    return std::sqrt((a + b) / 2 + std::sqrt((a - b) * (a - b) / 4 + c * c));
}

// The whole pixels from `lo` to `hi` (device units), cut to [min, max); none for not a number.
void span(double lo, double hi, int min, int max, int& from, int& to) {
    from = to = min;
    if (std::isnan(lo) || std::isnan(hi)) return;
    from = static_cast<int>(std::clamp(std::floor(lo), double(min), double(max)));
    to = static_cast<int>(std::clamp(std::ceil(hi), double(min), double(max)));
}

}  // namespace

RasterCanvas::RasterCanvas(Image& target, double ratio)
    : target_(target), ratio_(ratio > 0 && std::isfinite(ratio) ? ratio : 1.0) {
    state_.clip.bounds = IntRect{0, 0, target.width, target.height};
    if (target.pixels.size() < static_cast<size_t>(target.width) * static_cast<size_t>(target.height))
        state_.clip.bounds = IntRect{};  // not an image's worth of pixels: nothing is drawn
}

void RasterCanvas::save() {
    saved_.push_back(state_);
}

void RasterCanvas::restore() {
    if (saved_.empty()) return;  // more restores than saves: nothing to go back to
    state_ = std::move(saved_.back());
    saved_.pop_back();
}

Transform RasterCanvas::toDevice() const {
    return state_.transform * Transform::scaling(ratio_, ratio_);
}

template <class Shapes>
IntRect RasterCanvas::reach(const Shapes& shapes) const {
    double l = INFINITY, t = INFINITY, r = -INFINITY, b = -INFINITY;
    for (const auto& s : shapes)
        for (const Point& p : pointsOf(s)) {
            if (!std::isfinite(p.x) || !std::isfinite(p.y)) continue;
            l = std::min(l, p.x), t = std::min(t, p.y), r = std::max(r, p.x), b = std::max(b, p.y);
        }
    if (!(l <= r && t <= b)) return {};
    const IntRect& c = state_.clip.bounds;
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    span(l, r, c.x, c.right(), x0, x1);
    span(t, b, c.y, c.bottom(), y0, y1);
    return {x0, y0, x1 - x0, y1 - y0};
}

template <class Shapes>
void RasterCanvas::fill(const Shapes& shapes, FillRule rule, const Brush& brush, const Transform& brushMap,
                        bool aa) {
    const IntRect area = reach(shapes);
    if (area.isEmpty() || !shader_.set(brush, brushMap)) return;
    coverage_.begin(area, aa);
    for (const auto& s : shapes) coverage_.addContour(pointsOf(s).data(), pointsOf(s).size());
    coverage_.finish(rule, [this](int y, int x, int n, const float* cover) { blendRow(y, x, n, cover); });
}

// (Text fills its contours from another file.)
template void RasterCanvas::fill(const std::vector<Contour>&, FillRule, const Brush&, const Transform&, bool);

void RasterCanvas::blendRow(int y, int x, int n, const float* cover) {
    uint32_t* dst = target_.row(y) + x;
    const bool solid = shader_.isSolid();
    if (!solid) {
        if (colors_.size() < static_cast<size_t>(n)) colors_.resize(static_cast<size_t>(n));
        shader_.row(x, y, n, colors_.data());
    }
    const Clip& clip = state_.clip;
    for (int i = 0; i < n; ++i) {
        if (!(cover[i] > 0)) continue;
        unsigned k = static_cast<unsigned>(std::min(cover[i], 1.0f) * 256 + 0.5f);
        if (clip.mask) k = (k * clip.at(x + i, y) + 127) / 255;
        if (k > 0) dst[i] = over(solid ? shader_.solid() : colors_[static_cast<size_t>(i)], k, dst[i]);
    }
}

void RasterCanvas::drawPath(const Path& path) {
    if (path.isEmpty()) return;
    const Transform t = toDevice();
    if (!state_.brush.isNone()) {
        flatten(path, t, kTolerance, contours_);
        fill(contours_, path.fillRule(), state_.brush, t, state_.antialiasing);
    }
    if (!state_.pen.isNone()) stroke(path, t);
}

// A pen of no width is one device pixel wide whatever the transform: it is laid along the path
// in device pixels. Another is laid in the path's own units and mapped with it.
void RasterCanvas::stroke(const Path& path, const Transform& t) {
    const Pen& pen = state_.pen;
    pieces_.clear();
    if (!(pen.width > 0)) {
        flatten(path, t, kTolerance, contours_);
        strokePieces(contours_, StrokeStyle{1, pen.cap, pen.join, kTolerance}, pieces_);
    } else {
        const double scale = largestScale(t);
        if (!(scale > 0) || !std::isfinite(scale)) return;
        flatten(path, Transform{}, kTolerance / scale, contours_);
        strokePieces(contours_, StrokeStyle{pen.width, pen.cap, pen.join, kTolerance / scale}, pieces_);
        for (Polygon& p : pieces_)
            for (Point& q : p) q = t.map(q);
    }
    fill(pieces_, FillRule::Winding, pen.brush, t, state_.antialiasing);
}

// A line of no length still leaves the pen's dot (a square or round cap).
void RasterCanvas::drawLine(Point a, Point b) {
    if (!(a == b)) {
        Canvas::drawLine(a, b);
        return;
    }
    const Pen& pen = state_.pen;
    if (pen.isNone()) return;
    const Transform t = toDevice();
    pieces_.clear();
    if (!(pen.width > 0)) {
        dotPiece(t.map(a), StrokeStyle{1, pen.cap, pen.join, kTolerance}, pieces_);
    } else {
        const double scale = largestScale(t);
        if (!(scale > 0) || !std::isfinite(scale)) return;
        dotPiece(a, StrokeStyle{pen.width, pen.cap, pen.join, kTolerance / scale}, pieces_);
        for (Polygon& p : pieces_)
            for (Point& q : p) q = t.map(q);
    }
    fill(pieces_, FillRule::Winding, pen.brush, t, state_.antialiasing);
}

// A rectangle on the device's axes is cut at whole pixels (those whose centre it holds); any
// other shape becomes a coverage mask.
void RasterCanvas::clipRect(const Rect& r) {
    const Transform t = toDevice();
    if (t.m12 != 0 || t.m21 != 0) {
        Path p;
        p.addRect(r);
        clipPath(p);
        return;
    }
    const Rect d = t.mapRect(r);
    const IntRect& c = state_.clip.bounds;
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    span(d.x + 0.5, std::floor(d.right() + 0.5), c.x, c.right(), x0, x1);
    span(d.y + 0.5, std::floor(d.bottom() + 0.5), c.y, c.bottom(), y0, y1);
    clipTo(IntRect{x0, y0, x1 - x0, y1 - y0});
}

void RasterCanvas::clipTo(const IntRect& r) {
    Clip& clip = state_.clip;
    if (r.isEmpty()) {
        clip = Clip{};
        return;
    }
    if (clip.mask && !(r == clip.bounds)) {
        auto mask =
            std::make_shared<std::vector<uint8_t>>(static_cast<size_t>(r.w) * static_cast<size_t>(r.h));
        for (int y = 0; y < r.h; ++y)
            for (int x = 0; x < r.w; ++x)
                (*mask)[static_cast<size_t>(y) * static_cast<size_t>(r.w) + static_cast<size_t>(x)] =
                    static_cast<uint8_t>(clip.at(r.x + x, r.y + y));
        clip.mask = std::move(mask);
    }
    clip.bounds = r;
}

void RasterCanvas::clipPath(const Path& path) {
    flatten(path, toDevice(), kTolerance, contours_);
    const IntRect area = reach(contours_);
    if (area.isEmpty()) {
        state_.clip = Clip{};
        return;
    }
    auto mask =
        std::make_shared<std::vector<uint8_t>>(static_cast<size_t>(area.w) * static_cast<size_t>(area.h));
    coverage_.begin(area, state_.antialiasing);
    for (const Contour& c : contours_) coverage_.addContour(c.pts.data(), c.pts.size());
    const Clip& old = state_.clip;
    coverage_.finish(path.fillRule(), [&](int y, int x, int n, const float* cover) {
        uint8_t* row = mask->data() + static_cast<size_t>(y - area.y) * static_cast<size_t>(area.w);
        for (int i = 0; i < n; ++i)
            row[x + i - area.x] =
                static_cast<uint8_t>(std::lround(std::min(cover[i], 1.0f) * old.at(x + i, y)));
    });
    state_.clip = Clip{area, std::move(mask)};
}

}  // namespace gfx::raster
