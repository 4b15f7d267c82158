#include "gfx/Color.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

// Lighter and darker work as common 2D painters do: the colour goes to HSV with 16-bit
// channels (single-precision arithmetic), the value is scaled in integers, and the result comes
// back to 8-bit RGB. The same roundings are kept so pictures match those painters' exactly.

namespace gfx {
namespace {

constexpr int kMax16 = 65535;

int round16(float v) {
    return v >= 0.0f ? static_cast<int>(v + 0.5f) : static_cast<int>(v - 0.5f);
}

bool fuzzyNull(float v) {
    return std::fabs(v) <= 0.00001f;
}

bool fuzzyEqual(float a, float b) {
    return std::fabs(a - b) * 100000.f <= std::min(std::fabs(a), std::fabs(b));
}

// 16-bit channel -> 8 bits: divided by 257, rounded to nearest.
int to8(int v16) {
    return (v16 + 128 - ((v16 + 128) >> 8)) >> 8;
}

struct Hsv16 {
    int hue = kMax16;  // hundredths of a degree; kMax16 for no hue (a grey)
    int sat = 0;
    int val = 0;
};

Hsv16 toHsv(const Color& c) {
    const float r = c.r * 257 / float(kMax16), g = c.g * 257 / float(kMax16), b = c.b * 257 / float(kMax16);
    const float mx = std::max(r, std::max(g, b)), mn = std::min(r, std::min(g, b));
    const float delta = mx - mn;
    Hsv16 h;
    h.val = round16(mx * kMax16);
    if (fuzzyNull(delta)) return h;
    h.sat = round16((delta / mx) * kMax16);
    float hue = 0;
    if (fuzzyEqual(r, mx))
        hue = (g - b) / delta;
    else if (fuzzyEqual(g, mx))
        hue = 2.0f + (b - r) / delta;
    else
        hue = 4.0f + (r - g) / delta;
    hue *= 60.0f;
    if (hue < 0.0f) hue += 360.0f;
    h.hue = round16(hue * 100.0f);
    return h;
}

Color fromHsv(const Hsv16& h, int alpha) {
    if (h.sat == 0 || h.hue == kMax16) {
        const int v = to8(h.val);
        return {v, v, v, alpha};
    }
    const float hh = h.hue == 36000 ? 0.0f : h.hue / 6000.0f;
    const float s = h.sat / float(kMax16), v = h.val / float(kMax16);
    const int i = static_cast<int>(hh);
    const float f = hh - i;
    const float p = v * (1.0f - s);
    const float q = v * (1.0f - s * f);
    const float t = v * (1.0f - s * (1.0f - f));
    float r = 0, g = 0, b = 0;
    switch (i) {
        case 0:
            r = v, g = t, b = p;
            break;
        case 1:
            r = q, g = v, b = p;
            break;
        case 2:
            r = p, g = v, b = t;
            break;
        case 3:
            r = p, g = q, b = v;
            break;
        case 4:
            r = t, g = p, b = v;
            break;
        default:
            r = v, g = p, b = q;
            break;
    }
    return {to8(round16(r * kMax16)), to8(round16(g * kMax16)), to8(round16(b * kMax16)), alpha};
}

}  // namespace

Color Color::lighter(int factor) const {
    if (factor <= 0) return *this;
    if (factor < 100) return darker(10000 / factor);
    Hsv16 h = toHsv(*this);
    int64_t v = int64_t{factor} * h.val / 100;
    if (v > kMax16) {
        // Past full brightness the colour turns paler instead.
        h.sat = std::max<int64_t>(0, h.sat - (v - kMax16));
        v = kMax16;
    }
    h.val = static_cast<int>(v);
    return fromHsv(h, a);
}

Color Color::darker(int factor) const {
    if (factor <= 0) return *this;
    if (factor < 100) return lighter(10000 / factor);
    Hsv16 h = toHsv(*this);
    h.val = static_cast<int>(int64_t{h.val} * 100 / factor);
    return fromHsv(h, a);
}

}  // namespace gfx
