#pragma once
// A model window painted in software, with no toolkit: the image a headless snapshot saves where
// no desktop painter is at hand (the browser edition's runner).

#include "gfx/Image.h"

namespace rt {
class Window;
}

namespace view {

// The whole window painted into an image of its size (twips / 15) times `scale`, one device
// pixel to a logical one; empty when the window has no area (or more than an image can hold).
gfx::Image rasterWindow(const rt::Window& w, double scale = 1.0);

}  // namespace view
