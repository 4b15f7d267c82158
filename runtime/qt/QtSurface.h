#pragma once
// Surfaces as painter images (premultiplied ARGB, their device pixel ratio set), drawn by a
// QtCanvas with the painter's own image drawing; and the factory that makes them, which may be
// used from several threads at once (the picture prefetch paints on worker threads).

#include <QImage>

#include "gfx/Surface.h"

namespace rtqt {

class QtSurface : public gfx::Surface {
public:
    QtSurface(int w, int h, double ratio);
    // Takes over a painted image (its ratio is the image's).
    explicit QtSurface(QImage img) : img_(std::move(img)) {}

    int width() const override { return img_.width(); }
    int height() const override { return img_.height(); }
    double ratio() const override { return img_.devicePixelRatio(); }
    // Painted with antialiasing, smooth text and smooth image scaling, as the pictures are.
    std::unique_ptr<gfx::Canvas> paint() override;
    gfx::Image readPixels() const override;
    // Kept without its alpha channel: drawn as a plain copy.
    void markOpaque() override;

    const QImage& image() const { return img_; }

private:
    QImage img_;
};

class QtSurfaceFactory : public gfx::SurfaceFactory {
public:
    std::unique_ptr<gfx::Surface> makeSurface(int w, int h, double ratio) override;
    bool paintsOnThreads() const override { return true; }
};

// The pixels of a painter image as a gfx image (converted to premultiplied ARGB if need be).
gfx::Image toImage(const QImage& img);

}  // namespace rtqt
