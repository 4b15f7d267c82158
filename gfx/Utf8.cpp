#include "gfx/Utf8.h"

namespace gfx {

char32_t nextCodePoint(std::string_view s, size_t& i) {
    constexpr char32_t kBad = 0xFFFD;
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    int extra = 0;
    char32_t cp = 0, min = 0;
    if (c < 0x80) {
        ++i;
        return c;
    } else if ((c & 0xE0) == 0xC0) {
        extra = 1, cp = c & 0x1F, min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        extra = 2, cp = c & 0x0F, min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        extra = 3, cp = c & 0x07, min = 0x10000;
    } else {
        ++i;
        return kBad;
    }
    if (i + extra >= s.size()) {
        ++i;
        return kBad;
    }
    for (int k = 1; k <= extra; ++k) {
        const unsigned char d = byte(i + k);
        if ((d & 0xC0) != 0x80) {
            ++i;
            return kBad;
        }
        cp = cp << 6 | (d & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return kBad;
    }
    i += extra + 1;
    return cp;
}

}  // namespace gfx
