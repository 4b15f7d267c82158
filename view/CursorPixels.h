#pragma once
// A cursor picture as a front end shows it: the pictures of the frame's cursor list are drawn
// on a black ground, which is see-through in the cursor; the hot spot, given in the picture's
// pixels, goes with the pixels at the ratio they were painted at.

#include <cstddef>  // before gfx/Image.h, which uses size_t without it

#include "gfx/Image.h"

namespace view {

// `img` with every pixel whose colour is black (whatever its alpha) made fully transparent.
gfx::Image seeThroughBlack(gfx::Image img);

// The ratio a cursor's pixels are painted at: the view scale times the device ratio (the cursor
// keeps its size beside the instruments, crisp), on whole hundredths, at most `largest` (the
// largest cursor a front end can show), at least 0.01.
double cursorPaintRatio(double dpr, double scale, double largest);

// The hot spot in the device pixels of a cursor painted at `ratio`.
int hotSpotPixels(double hotSpot, double ratio);

}  // namespace view
