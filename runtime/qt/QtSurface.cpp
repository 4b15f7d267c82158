#include "runtime/qt/QtSurface.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

#include "runtime/qt/QtCanvas.h"

namespace rtqt {
namespace {

// A canvas that owns the painter it draws with; the painting ends when it is destroyed.
class OwnedPainter {
protected:
    explicit OwnedPainter(QImage& img) : painter_(&img) {
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setRenderHint(QPainter::TextAntialiasing);
        painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    }
    QPainter painter_;
};

class SurfaceCanvas : private OwnedPainter, public QtCanvas {
public:
    explicit SurfaceCanvas(QImage& img) : OwnedPainter(img), QtCanvas(painter_) {}
};

}  // namespace

QtSurface::QtSurface(int w, int h, double ratio)
    : img_(std::max(1, w), std::max(1, h), QImage::Format_ARGB32_Premultiplied) {
    img_.setDevicePixelRatio(ratio > 0 ? ratio : 1.0);
    img_.fill(Qt::transparent);
}

std::unique_ptr<gfx::Canvas> QtSurface::paint() {
    return std::make_unique<SurfaceCanvas>(img_);
}

gfx::Image QtSurface::readPixels() const {
    return toImage(img_);
}

gfx::Image toImage(const QImage& src) {
    if (src.isNull()) return {};
    const QImage img = src.format() == QImage::Format_ARGB32_Premultiplied
                           ? src
                           : src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    gfx::Image out(img.width(), img.height(), img.devicePixelRatio());
    for (int y = 0; y < img.height(); ++y)
        std::memcpy(out.row(y), img.constScanLine(y), static_cast<size_t>(img.width()) * 4);
    return out;
}

std::unique_ptr<gfx::Surface> QtSurfaceFactory::makeSurface(int w, int h, double ratio) {
    return std::make_unique<QtSurface>(w, h, ratio);
}

}  // namespace rtqt
