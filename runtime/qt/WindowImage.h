#pragma once
// The desktop's way to the window painter: the picture cache its widgets share, and a model
// window painted with a QPainter or rendered into an image (headless snapshots, tools).

#include <QImage>
#include <QPainter>

#include "view/PictureCache.h"

namespace rt {
class Window;
}

namespace gfx {
class SurfaceFactory;
}

namespace rtqt {

// The surfaces of the desktop (images painted on several threads at once).
gfx::SurfaceFactory& surfaceFactory();

// The cache the free functions below (and the program's widgets) draw pictures from.
view::PictureCache& sharedPictureCache();

// Paints `w` with the painter's origin at the window's top-left, `scale` logical pixels to a
// design pixel (1 design px = 15 twips), at the device pixel ratio of the painter's target.
void paintWindow(QPainter& p, const rt::Window& w, double scale = 1.0);

// The whole window rendered into an image of its size (twips / 15) times `scale`, at that ratio.
QImage renderWindow(const rt::Window& w, qreal dpr = 1.0, double scale = 1.0);

}  // namespace rtqt
