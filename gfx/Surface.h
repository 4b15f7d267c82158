#pragma once
// A picture painted once and drawn many times (the picture cache, the dots of a trace): pixels
// that live where the backend draws fastest (a desktop image, a browser's offscreen canvas).

#include <memory>

#include "gfx/Canvas.h"
#include "gfx/Image.h"

namespace gfx {

class Surface {
public:
    virtual ~Surface() = default;
    virtual int width() const = 0;  // device pixels
    virtual int height() const = 0;
    virtual double ratio() const = 0;  // device pixels to a logical unit
    // A canvas painting into the surface in logical units (the ratio applied, antialiasing on).
    // One at a time; the pixels are complete when it is destroyed.
    virtual std::unique_ptr<Canvas> paint() = 0;
    // The pixels, premultiplied ARGB (for the opaque band, snapshots and tests).
    virtual Image readPixels() const = 0;
};

// Makes the surfaces of one backend. makeSurface may be called from several threads at once
// where the backend paints on several threads (the desktop's picture prefetch).
class SurfaceFactory {
public:
    virtual ~SurfaceFactory() = default;
    // A fully transparent surface of w x h device pixels (each at least 1) at `ratio`.
    virtual std::unique_ptr<Surface> makeSurface(int w, int h, double ratio) = 0;
    // Whether surfaces may be painted on threads other than the one that drew them.
    virtual bool paintsOnThreads() const { return false; }
};

}  // namespace gfx
