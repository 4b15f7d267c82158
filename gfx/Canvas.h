#pragma once
// The drawing interface every picture and window is painted through. A backend (the desktop's
// 2D painter, a browser's canvas) implements the primitives; the shapes that every backend
// would build the same way have defaults here made of paths, which a backend may replace with
// its own equivalents. Units are logical: a picture's own pixels (or a window's design pixels);
// `ratio()` device pixels to a unit. Antialiasing is on unless turned off.

#include <memory>
#include <string_view>

#include "gfx/Font.h"
#include "gfx/Geometry.h"
#include "gfx/Image.h"
#include "gfx/Paint.h"
#include "gfx/Path.h"

namespace gfx {

class Surface;

class Canvas {
public:
    virtual ~Canvas() = default;

    // Device pixels per logical unit under the identity transform.
    virtual double ratio() const = 0;

    // The pen, brush, font, transform, clip and antialiasing are saved and restored together.
    virtual void save() = 0;
    virtual void restore() = 0;

    virtual Transform transform() const = 0;
    virtual void setTransform(const Transform& t) = 0;
    // Each step applies first, in the present coordinates (a painter's usual order).
    void translate(double dx, double dy) { setTransform(Transform::translation(dx, dy) * transform()); }
    void translate(Point d) { translate(d.x, d.y); }
    void rotate(double deg) { setTransform(Transform::rotation(deg) * transform()); }
    void scale(double sx, double sy) { setTransform(Transform::scaling(sx, sy) * transform()); }

    virtual void setPen(const Pen& pen) = 0;
    virtual void setBrush(const Brush& brush) = 0;
    virtual void setFont(const Font& font) = 0;
    virtual const Font& font() const = 0;
    virtual void setAntialiasing(bool on) = 0;

    // The clip becomes its intersection with the shape (in the present coordinates).
    virtual void clipRect(const Rect& r) = 0;
    virtual void clipPath(const Path& path) = 0;

    // Fills with the brush (the path's fill rule), then outlines with the pen.
    virtual void drawPath(const Path& path) = 0;
    virtual void drawLine(Point a, Point b);
    void drawLine(double x1, double y1, double x2, double y2) { drawLine({x1, y1}, {x2, y2}); }
    virtual void drawRect(const Rect& r);
    virtual void drawRoundedRect(const Rect& r, double rx, double ry);
    virtual void drawEllipse(const Rect& r);
    void drawEllipse(Point c, double rx, double ry) { drawEllipse(Rect{c.x - rx, c.y - ry, 2 * rx, 2 * ry}); }
    virtual void drawPolygon(const Polygon& poly, FillRule rule = FillRule::OddEven);
    virtual void drawPolyline(const Polygon& poly);
    // Fills with `brush`, no outline; the pen and brush set stay as they are.
    virtual void fillRect(const Rect& r, const Brush& brush);

    // One line of text in the present font and the pen's colour, from a baseline point or
    // placed in a rectangle by `align` (see alignedBaseline). Letter spacing is applied here,
    // character by character, from the font's own metrics.
    void drawText(Point baseline, std::string_view utf8);
    void drawText(const Rect& r, int align, std::string_view utf8);

    // Raw pixels with their top-left corner at `topLeft`, covering width/ratio x height/ratio.
    virtual void drawImage(Point topLeft, const Image& img) = 0;
    // A surface's pixels the same way (one to one on the device when the transform is a
    // translation by whole device pixels and the ratios match).
    virtual void drawSurface(Point topLeft, const Surface& s) = 0;

protected:
    // A run of text without letter spacing, in the present font and pen colour.
    virtual void drawTextRun(Point baseline, std::string_view utf8) = 0;
};

// Saves the canvas state for the scope.
class SavedState {
public:
    explicit SavedState(Canvas& c) : c_(c) { c_.save(); }
    ~SavedState() { c_.restore(); }
    SavedState(const SavedState&) = delete;
    SavedState& operator=(const SavedState&) = delete;

private:
    Canvas& c_;
};

}  // namespace gfx
