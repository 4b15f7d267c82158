// The raster canvas's image and surface drawing: pixels copied or blended one to one where the
// transform lands them on whole device pixels, resampled otherwise (bilinear with antialiasing
// on, nearest without).

#include <algorithm>
#include <cmath>

#include "gfx/raster/Blend.h"
#include "gfx/raster/RasterCanvas.h"
#include "gfx/raster/RasterSurface.h"

namespace gfx::raster {
namespace {

// A premultiplied pixel of the image at (u, v) in its pixels, between its pixel centres.
uint32_t bilinear(const Image& img, double u, double v) {
    u -= 0.5, v -= 0.5;
    const double fu = std::floor(u), fv = std::floor(v);
    const int x0 = static_cast<int>(fu), y0 = static_cast<int>(fv);
    const auto px = [&](int x, int y) {
        return img.at(std::clamp(x, 0, img.width - 1), std::clamp(y, 0, img.height - 1));
    };
    const uint32_t p[4] = {px(x0, y0), px(x0 + 1, y0), px(x0, y0 + 1), px(x0 + 1, y0 + 1)};
    const double ax = u - fu, ay = v - fv;
    const double w[4] = {(1 - ax) * (1 - ay), ax * (1 - ay), (1 - ax) * ay, ax * ay};
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        double c = 0;
        for (int i = 0; i < 4; ++i) c += w[i] * ((p[i] >> shift) & 0xff);
        out |= static_cast<uint32_t>(std::clamp(std::lround(c), 0L, 255L)) << shift;
    }
    return out;
}

bool whole(double v) {
    return std::abs(v - std::round(v)) < 1e-6 && std::abs(v) < 1e9;
}

}  // namespace

void RasterCanvas::drawImage(Point topLeft, const Image& img) {
    drawPixels(img, topLeft, false);
}

// A surface that lands one to one on the device is copied at the nearest whole device pixel,
// never resampled, as the desktop painter places it.
void RasterCanvas::drawSurface(Point topLeft, const Surface& s) {
    if (const auto* own = dynamic_cast<const RasterSurface*>(&s))
        drawPixels(own->image(), topLeft, true);
    else
        drawPixels(s.readPixels(), topLeft, true);
}

void RasterCanvas::drawPixels(const Image& img, Point topLeft, bool snap) {
    if (img.isNull() || img.pixels.size() < static_cast<size_t>(img.width) * static_cast<size_t>(img.height))
        return;
    const double r = img.ratio > 0 && std::isfinite(img.ratio) ? img.ratio : 1;
    const Transform map =
        Transform::scaling(1 / r, 1 / r) * Transform::translation(topLeft.x, topLeft.y) * toDevice();
    const bool oneToOne =
        std::abs(map.m11 - 1) < 1e-9 && std::abs(map.m22 - 1) < 1e-9 && map.m12 == 0 && map.m21 == 0;
    if (oneToOne && std::abs(map.dx) < 1e9 && std::abs(map.dy) < 1e9 &&
        (snap || (whole(map.dx) && whole(map.dy)) || !state_.antialiasing)) {
        blitPixels(img, static_cast<int>(std::round(map.dx)), static_cast<int>(std::round(map.dy)));
        return;
    }
    Transform back;
    if (!invert(map, back)) return;
    const Rect box = map.mapRect(Rect(0, 0, img.width, img.height));
    const IntRect& c = state_.clip.bounds;
    const auto cut = [](double v, int lo, int hi) {
        return std::isnan(v) ? lo : static_cast<int>(std::clamp(v, double(lo), double(hi)));
    };
    const int x0 = cut(std::floor(box.x), c.x, c.right()), x1 = cut(std::ceil(box.right()), c.x, c.right());
    const int y0 = cut(std::floor(box.y), c.y, c.bottom()),
              y1 = cut(std::ceil(box.bottom()), c.y, c.bottom());
    for (int y = y0; y < y1; ++y) {
        uint32_t* dst = target_.row(y);
        for (int x = x0; x < x1; ++x) {
            const Point p = back.map(Point{x + 0.5, y + 0.5});
            if (!(p.x >= 0 && p.y >= 0 && p.x < img.width && p.y < img.height)) continue;
            const uint32_t src = state_.antialiasing ? bilinear(img, p.x, p.y)
                                                     : img.at(static_cast<int>(p.x), static_cast<int>(p.y));
            const unsigned k = coverage256(state_.clip.at(x, y));
            if (src != 0 && k > 0) dst[x] = over(src, k, dst[x]);
        }
    }
}

void RasterCanvas::blitPixels(const Image& img, int dx, int dy) {
    const IntRect& c = state_.clip.bounds;
    const int x0 = std::max(c.x, dx), x1 = std::min(c.right(), dx + img.width);
    const int y0 = std::max(c.y, dy), y1 = std::min(c.bottom(), dy + img.height);
    for (int y = y0; y < y1; ++y) {
        const uint32_t* src = img.row(y - dy);
        uint32_t* dst = target_.row(y);
        for (int x = x0; x < x1; ++x) {
            const uint32_t s = src[x - dx];
            if (s == 0) continue;
            const unsigned k = state_.clip.mask ? coverage256(state_.clip.at(x, y)) : 256;
            if (k > 0) dst[x] = over(s, k, dst[x]);
        }
    }
}

}  // namespace gfx::raster
