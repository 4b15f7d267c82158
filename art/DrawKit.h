#pragma once
// Small drawing helpers shared by the menu, cursor and bench art: fonts by pixel size, a
// deterministic noise, granite, text that fits a box, and relief outlines. Everything is a
// pure function of its arguments (no state, no rand()).

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "gfx/Canvas.h"

namespace art::kit {

constexpr double kPi = 3.14159265358979323846;

// The program's typeface at a whole pixel size (at least 1).
inline gfx::Font font(int pixelSize, bool bold = true) {
    gfx::Font f;
    f.pixelSize = std::max(1, pixelSize);
    f.bold = bold;
    return f;
}

// A well-mixed 32-bit hash of (x, y, seed).
inline uint32_t hash(int x, int y, uint32_t seed) {
    uint32_t h =
        seed * 0x9E3779B9u ^ static_cast<uint32_t>(x) * 0x85EBCA6Bu ^ static_cast<uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

// Hash noise in [0, 1).
inline double noise01(int x, int y, uint32_t seed) {
    return (hash(x, y, seed) >> 8) * (1.0 / 16777216.0);
}

// Smooth value noise in [0, 1) at a real position, cells of size 1.
inline double valueNoise(double x, double y, uint32_t seed) {
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    double fx = x - ix, fy = y - iy;
    fx = fx * fx * (3 - 2 * fx);
    fy = fy * fy * (3 - 2 * fy);
    const double a = noise01(ix, iy, seed), b = noise01(ix + 1, iy, seed);
    const double c = noise01(ix, iy + 1, seed), d = noise01(ix + 1, iy + 1, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

// Grey granite: speckles of dark, light and rosy grains on a mottled grey, opaque. Computed per
// device pixel from logical coordinates, so it looks the same at every ratio: an image of
// ceil(size * ratio) device pixels (at least 1 x 1) at that ratio. `tone` shifts the grey.
gfx::Image graniteImage(gfx::Size logical, double ratio, uint32_t seed, int tone = 0);

// Granite clipped to a shape, its grain anchored on whole logical pixels.
void fillGranite(gfx::Canvas& c, const gfx::Path& shape, uint32_t seed, int tone = 0);

// A bevel along a shape's outline: light from the top left, shade to the bottom right.
void bevel(gfx::Canvas& c, const gfx::Path& shape, double width, int lightAlpha = 150, int shadeAlpha = 150);

// The largest pixel size (<= maxPx, at least 5) at which the UTF-8 text fits the width.
int fittingSize(std::string_view text, double width, int maxPx, bool bold = true);

// Text centred on a point (the point is the middle of the cap height). Leaves the font and a
// pen of the colour set.
void textAt(gfx::Canvas& c, gfx::Point at, std::string_view text, const gfx::Font& f, gfx::Color col);

// Engraved text on a light panel: a white lowlight under dark letters.
void engraved(gfx::Canvas& c, gfx::Point at, std::string_view text, const gfx::Font& f, gfx::Color col);

// A cross-head screw of radius r.
void screw(gfx::Canvas& c, gfx::Point at, double r, double slotAngleDeg);

// A binding post (output terminal) seen from the front.
void terminal(gfx::Canvas& c, gfx::Point at, double r, gfx::Color body);

}  // namespace art::kit
