#pragma once
// The application's icon: the oscilloscope of the practical, its teal screen showing the charge
// of a capacitor in green, with two knobs and the power lamp beside it. Painted at any size in
// whole device pixels (the launcher, the task bar and the window frame each ask for their own
// size); below 32 px it keeps only the screen and the curve, so it stays readable at 16 px.
// The same drawing is also written as SVG for the scalable icon theme entry.

#include <QByteArray>
#include <QIcon>
#include <QImage>

namespace art {

// The icon as a square image of px by px pixels (transparent around the instrument).
// A null image when px < 1.
QImage paintAppIcon(int px);

// The icon at the sizes desktops ask for (16 to 256 px), for the window and the task bar.
// Needs the gui application (it makes pixmaps).
QIcon appIcon();

// The full-detail drawing as a standalone SVG document (a 64 x 64 view box).
QByteArray appIconSvg();

}  // namespace art
