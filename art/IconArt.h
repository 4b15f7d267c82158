#pragma once
// The application's icon: the oscilloscope of the practical, its teal screen showing the charge
// of a capacitor in green, with two knobs and the power lamp beside it. Painted at any size in
// whole device pixels (the launcher, the task bar and the window frame each ask for their own
// size); below 32 px it keeps only the screen and the curve, so it stays readable at 16 px.
// The same drawing is also written as SVG for the scalable icon theme entry.

#include <string>

namespace gfx {
class Canvas;
}

namespace art {

// The icon into a square of px by px units from the origin (transparent around the instrument),
// for a canvas of one device pixel a unit. Nothing is drawn when px < 1.
void paintAppIcon(gfx::Canvas& c, int px);

// The full-detail drawing as a standalone SVG document (a 64 x 64 view box), UTF-8.
std::string appIconSvg();

}  // namespace art
