#include "gfx/raster/PngFile.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace gfx::raster {
namespace {

void append(void* context, void* data, int size) {
    if (size > 0)
        static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<size_t>(size));
}

// Premultiplied ARGB words to straight RGBA bytes.
std::vector<unsigned char> straightRgba(const Image& img) {
    std::vector<unsigned char> out(img.pixels.size() * 4);
    for (size_t i = 0; i < img.pixels.size(); ++i) {
        const uint32_t p = img.pixels[i];
        const unsigned a = p >> 24;
        const auto channel = [a](unsigned v) {
            return static_cast<unsigned char>(a == 0     ? 0
                                              : a == 255 ? v
                                                         : std::min(255u, (v * 255 + a / 2) / a));
        };
        out[4 * i] = channel(p >> 16 & 0xff);
        out[4 * i + 1] = channel(p >> 8 & 0xff);
        out[4 * i + 2] = channel(p & 0xff);
        out[4 * i + 3] = static_cast<unsigned char>(a);
    }
    return out;
}

}  // namespace

bool writePng(const Image& img, const std::string& path) {
    if (img.isNull() || img.pixels.size() < static_cast<size_t>(img.width) * static_cast<size_t>(img.height))
        return false;
    const std::vector<unsigned char> rgba = straightRgba(img);
    std::string bytes;
    if (!stbi_write_png_to_func(append, &bytes, img.width, img.height, 4, rgba.data(), img.width * 4))
        return false;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && written;
}

}  // namespace gfx::raster
