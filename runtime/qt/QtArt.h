#pragma once
// The pictures and the application's icon as painter images, painted through the drawing
// interface on the painter: what the cursors, the icon and the developer tools use.

#include <QIcon>
#include <QImage>
#include <string_view>

namespace rtqt {

// Picture n (1-based) of the named list at `dpr` device pixels per picture pixel: an image of
// ceil(width * dpr) x ceil(height * dpr) pixels with its device pixel ratio set, transparent
// where the picture does not paint. A null image for an unknown list or number, or dpr <= 0.
QImage paintPictureImage(std::string_view list, int n, qreal dpr = 1);

// The icon as a square image of px by px pixels; a null image when px < 1.
QImage paintAppIconImage(int px);

// The icon at the sizes desktops ask for (16 to 256 px), for the window and the task bar.
// Needs the gui application (it makes pixmaps).
QIcon appIcon();

}  // namespace rtqt
