#pragma once
// Procedural artwork of every picture list, drawn through the toolkit-free canvas. Each picture
// is a pure function of (list, number) in the picture's own pixels; the caller's canvas carries
// the device pixel ratio (a surface of ceil(width * ratio) x ceil(height * ratio) device pixels),
// so the picture is crisp on any screen. Callers cache the result.

#include <string_view>

#include "gfx/Canvas.h"
#include "gfx/Geometry.h"

namespace art {

// The size of picture n (1-based) of the named list in its own pixels; empty (0 x 0) for an
// unknown list or number.
gfx::Size pictureSize(std::string_view list, int n);

// Paints picture n of the named list into `c` at the origin of the present coordinates, clipped
// to the picture; the canvas state is left as it was. False, and nothing drawn, for an unknown
// list or number.
bool paintPicture(gfx::Canvas& c, std::string_view list, int n);

}  // namespace art
