#pragma once
// The part of the instrument windows that their design fills: the window picture and every
// control, each cut to its containers. The Qt binding scales both instruments by one factor so
// that this area fits the frame.

#include "runtime/Control.h"

namespace rt {
class TextMeasurer;
class Window;
}  // namespace rt

// The union of `w`'s picture and of its controls' rectangles (each cut to its containers), in
// the window's twips; an empty rectangle at the origin for a window with nothing in it.
rt::RectF designArea(const rt::Window& w);

// The union of the design areas of both instruments, bench and oscilloscope. Measured on a
// program of its own, so the running program's windows are still created only when first used.
rt::RectF instrumentsDesignArea(const rt::TextMeasurer& text);
