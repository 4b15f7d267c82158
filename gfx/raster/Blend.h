#pragma once
// Premultiplied ARGB words composed source-over, the source scaled by a coverage of 0..256.

#include <cstdint>

namespace gfx::raster {

// Each channel times k / 256 (k at most 256).
inline uint32_t scaled(uint32_t px, unsigned k) {
    const uint32_t rb = ((px & 0x00ff00ffu) * k >> 8) & 0x00ff00ffu;
    const uint32_t ag = (((px >> 8) & 0x00ff00ffu) * k) & 0xff00ff00u;
    return rb | ag;
}

// `src` at coverage k (0..256) over `dst`.
inline uint32_t over(uint32_t src, unsigned k, uint32_t dst) {
    if (k >= 256 && src >> 24 == 255) return src;
    const uint32_t s = k >= 256 ? src : scaled(src, k);
    return s + scaled(dst, 256 - (s >> 24));
}

// A clip or mask value of 0..255 as a coverage of 0..256.
inline unsigned coverage256(unsigned v) {
    return v + (v >> 7);
}

}  // namespace gfx::raster
