#pragma once
// The drawing interface painted in software into an image of premultiplied ARGB pixels, with
// no toolkit: paths flattened at device resolution and filled by coverage (antialiased, or
// sampled at pixel centres when antialiasing is off), strokes as polygons, gradients per pixel,
// clips as coverage masks, text from the embedded font's outlines. What it paints matches the
// desktop painter's pictures within antialiasing differences; vertical hinting is not done.

#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/Canvas.h"
#include "gfx/FontFile.h"
#include "gfx/raster/Coverage.h"
#include "gfx/raster/Flatten.h"
#include "gfx/raster/Shader.h"

namespace gfx::raster {

class RasterCanvas : public Canvas {
public:
    // Paints into `target` (which outlives the canvas) at `ratio` device pixels to a unit.
    RasterCanvas(Image& target, double ratio);

    double ratio() const override { return ratio_; }
    void save() override;
    void restore() override;
    Transform transform() const override { return state_.transform; }
    void setTransform(const Transform& t) override { state_.transform = t; }
    void setPen(const Pen& pen) override { state_.pen = pen; }
    void setBrush(const Brush& brush) override { state_.brush = brush; }
    void setFont(const Font& font) override { state_.font = font; }
    const Font& font() const override { return state_.font; }
    void setAntialiasing(bool on) override { state_.antialiasing = on; }
    void clipRect(const Rect& r) override;
    void clipPath(const Path& path) override;
    void drawPath(const Path& path) override;
    using Canvas::drawLine;
    void drawLine(Point a, Point b) override;
    void drawImage(Point topLeft, const Image& img) override;
    void drawSurface(Point topLeft, const Surface& s) override;

protected:
    void drawTextRun(Point baseline, std::string_view utf8) override;

private:
    // Where drawing may land: a rectangle of device pixels and, unless it is all of it, the
    // coverage (0..255) of each of its pixels, row by row.
    struct Clip {
        IntRect bounds;
        std::shared_ptr<const std::vector<uint8_t>> mask;
        unsigned at(int x, int y) const {
            return mask ? (*mask)[static_cast<size_t>(y - bounds.y) * static_cast<size_t>(bounds.w) +
                                  static_cast<size_t>(x - bounds.x)]
                        : 255u;
        }
    };
    struct State {
        Pen pen;
        Brush brush;
        Font font;
        Transform transform;
        bool antialiasing = true;
        Clip clip;
    };

    Transform toDevice() const;
    // Fills the polygons (device pixels) with the brush given in the coordinates `brushMap` maps.
    template <class Shapes>
    void fill(const Shapes& shapes, FillRule rule, const Brush& brush, const Transform& brushMap, bool aa);
    void stroke(const Path& path, const Transform& t);
    void blendRow(int y, int x, int n, const float* cover);
    void clipTo(const IntRect& r);
    // The image's pixels at `topLeft`; `snap`: on the nearest whole device pixels when one to one.
    void drawPixels(const Image& img, Point topLeft, bool snap);
    void blitPixels(const Image& img, int dx, int dy);
    // The device rectangle the polygons reach, within the clip.
    template <class Shapes>
    IntRect reach(const Shapes& shapes) const;

    Image& target_;
    double ratio_;
    State state_;
    std::vector<State> saved_;
    // Working buffers, kept from one shape to the next.
    Coverage coverage_;
    Shader shader_;
    std::vector<Contour> contours_;
    std::vector<Polygon> pieces_;
    std::vector<uint32_t> colors_;
    std::vector<FontFile::OutlineStep> glyph_;
};

}  // namespace gfx::raster
