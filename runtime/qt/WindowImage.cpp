#include "runtime/qt/WindowImage.h"

#include <cmath>

#include "runtime/Window.h"
#include "runtime/qt/QtCanvas.h"
#include "runtime/qt/QtSurface.h"
#include "view/ViewScale.h"
#include "view/WindowPainter.h"

namespace rtqt {

gfx::SurfaceFactory& surfaceFactory() {
    static QtSurfaceFactory factory;
    return factory;
}

view::PictureCache& sharedPictureCache() {
    static view::PictureCache cache(surfaceFactory());
    return cache;
}

void paintWindow(QPainter& p, const rt::Window& w, double scale) {
    static view::WindowPainter painter(sharedPictureCache(), surfaceFactory());  // buffers kept
    QtCanvas canvas(p);
    const QRectF target(p.window());
    painter.paint(canvas, w, scale, gfx::Rect(target.x(), target.y(), target.width(), target.height()));
}

QImage renderWindow(const rt::Window& w, qreal dpr, double scale) {
    if (!(dpr > 0)) dpr = 1.0;
    const double z = view::snappedViewScale(scale, dpr);
    const int wPx = std::max(0, static_cast<int>(std::lround(w.Width() / rt::kTwipsPerPixel * z)));
    const int hPx = std::max(0, static_cast<int>(std::lround(w.Height() / rt::kTwipsPerPixel * z)));
    QImage img(static_cast<int>(std::ceil(wPx * dpr)), static_cast<int>(std::ceil(hPx * dpr)),
               QImage::Format_ARGB32_Premultiplied);
    if (img.isNull()) return img;
    img.setDevicePixelRatio(dpr);
    QPainter p(&img);
    paintWindow(p, w, z);
    return img;
}

}  // namespace rtqt
