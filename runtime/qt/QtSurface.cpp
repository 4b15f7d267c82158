#include "runtime/qt/QtSurface.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
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
        // QPainter treats a device pixel ratio below 1 as 1: a picture made smaller than its
        // design size gets the rest of its scale here, so it is drawn whole, not cut off.
        const qreal applied = painter_.deviceTransform().m11();
        const qreal wanted = img.devicePixelRatio();
        if (wanted < 1 && applied > 0 && std::abs(applied - wanted) > 1e-6) painter_.scale(wanted / applied, wanted / applied);
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

void QtSurface::markOpaque() {
    if (img_.format() == QImage::Format_RGB32) return;
    const qreal r = img_.devicePixelRatio();
    img_ = std::move(img_).convertToFormat(QImage::Format_RGB32);
    img_.setDevicePixelRatio(r);
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
