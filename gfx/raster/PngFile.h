#pragma once
// Images saved as PNG files: 8-bit RGBA, alpha not premultiplied.

#include <string>

#include "gfx/Image.h"

namespace gfx::raster {

// Writes `img` to `path`; false when the image is empty or the file cannot be written whole.
bool writePng(const Image& img, const std::string& path);

}  // namespace gfx::raster
