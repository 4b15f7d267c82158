#pragma once
// Raw pixels computed by the program (the granite texture, read-back surfaces): premultiplied
// ARGB, one 32-bit word a pixel, 0xAARRGGBB, rows top to bottom. `ratio` device pixels to a
// logical pixel: the image covers width/ratio x height/ratio logical pixels when drawn.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gfx {

struct Image {
    int width = 0, height = 0;
    double ratio = 1;
    std::vector<uint32_t> pixels;  // width * height words

    Image() = default;
    Image(int w, int h, double r = 1, uint32_t fill = 0)
        : width(w > 0 ? w : 0), height(h > 0 ? h : 0), ratio(r),
          pixels(static_cast<size_t>(width) * static_cast<size_t>(height), fill) {}
    bool isNull() const { return width == 0 || height == 0; }
    uint32_t* row(int y) { return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width); }
    const uint32_t* row(int y) const { return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width); }
    uint32_t at(int x, int y) const { return row(y)[x]; }
};

constexpr uint32_t argb(int a, int r, int g, int b) {
    return static_cast<uint32_t>(a) << 24 | static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 |
           static_cast<uint32_t>(b);
}

}  // namespace gfx
