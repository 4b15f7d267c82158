#pragma once
// Colours: 8-bit red, green, blue and alpha (not premultiplied).

#include <cstdint>

namespace gfx {

struct Color {
    uint8_t r = 0, g = 0, b = 0, a = 255;

    constexpr Color() = default;
    constexpr Color(int r_, int g_, int b_, int a_ = 255)
        : r(clamp8(r_)), g(clamp8(g_)), b(clamp8(b_)), a(clamp8(a_)) {}

    constexpr int red() const { return r; }
    constexpr int green() const { return g; }
    constexpr int blue() const { return b; }
    constexpr int alpha() const { return a; }
    constexpr Color withAlpha(int alpha) const { return {r, g, b, alpha}; }
    constexpr bool isOpaque() const { return a == 255; }

    // Brighter or darker by a factor in percent, worked on the HSV value as common 2D painters
    // do: lighter(150) is half as bright again (a colour already at full value loses
    // saturation instead), darker(200) half as bright. Factors <= 0 leave the colour as it is.
    Color lighter(int factor = 150) const;
    Color darker(int factor = 200) const;

    constexpr bool operator==(const Color&) const = default;

private:
    static constexpr uint8_t clamp8(int v) { return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); }
};

inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kTransparent{0, 0, 0, 0};

}  // namespace gfx
