#pragma once
// Paints a model window as a person sees it: the window picture, then its controls in drawing
// order (pictures, clipped containers, labels, shapes, lines), through the toolkit-free canvas.
// Painting only reads the model. Used by the live widgets and by headless snapshots alike.

#include <memory>
#include <vector>

#include "gfx/Canvas.h"
#include "gfx/Surface.h"
#include "runtime/Color.h"
#include "runtime/PictureList.h"

namespace rt {
class Container;
class Label;
class Line;
class Shape;
class Window;
}  // namespace rt

namespace view {

class PictureCache;

// The back colour of a window or container that sets none: a plain light grey.
inline constexpr rt::Color kDefaultBackColor{192, 192, 192};

// A painter of windows that keeps its working buffers between paints: after the first paint
// of a scene, painting allocates nothing. Runs of shapes of one style (the dots of a recorded
// trace) are drawn in one pass with one pen and brush, circles stamped from surfaces made by
// the factory. Pictures are painted by the art at scale x the canvas's ratio, never stretched.
class WindowPainter {
public:
    WindowPainter(PictureCache& cache, gfx::SurfaceFactory& factory);
    ~WindowPainter();

    // Paints `w` at `scale` logical pixels to a design pixel (1 design px = 15 twips; snapped
    // with snappedViewScale for the canvas's ratio) from the canvas's present origin. `target`
    // is all the canvas shows, in its logical pixels (with no transform): what of it lies
    // around the window is the window's background too. `area` (the same units; empty: all of
    // it) is what to repaint: one pass per rectangle, each clipped to it, so nothing outside it
    // is filled or blended and what lies wholly outside it is skipped.
    void paint(gfx::Canvas& c, const rt::Window& w, double scale, const gfx::Rect& target,
               const std::vector<gfx::Rect>& area = {});

private:
    struct ShapeStyle {
        bool circle = true;
        int borderWidth = 1;
        rt::Color border, fill;
        bool filled = true;
        bool operator==(const ShapeStyle&) const = default;
    };

    // A dot painted once into a small surface, then stamped at each place of a run.
    struct Sprite {
        ShapeStyle style;
        int wKey = 0, hKey = 0, ratioKey = 0;  // size in eighths of a device pixel; ratio in 1/100
        std::unique_ptr<gfx::Surface> surface;
        gfx::Point offset;  // where the surface goes relative to the dot's rectangle, design pixels
    };

    void prefetchPictures(const rt::Window& w);
    void paintPart(gfx::Canvas& c, const rt::Window& w, const gfx::Rect& part, const gfx::Rect& shown);
    void fillBack(gfx::Canvas& c, const rt::Window& w, const gfx::Rect& clip);
    void paintChildren(gfx::Canvas& c, const rt::Container& k, const gfx::Rect& clip);
    void paintContainer(gfx::Canvas& c, const rt::Container& k, const gfx::Rect& clip);
    void addShape(gfx::Canvas& c, const rt::Shape& s, const gfx::Rect& clip);
    void flushShapes(gfx::Canvas& c);
    void stampCircles(gfx::Canvas& c);
    void paintLine(gfx::Canvas& c, const rt::Line& l);
    void paintLabel(gfx::Canvas& c, const rt::Label& l, const gfx::Rect& clip);
    void drawPicture(gfx::Canvas& c, const gfx::Surface* s, gfx::Point at);
    const Sprite* sprite(const gfx::Rect& r);

    PictureCache& cache_;
    gfx::SurfaceFactory& factory_;
    double z_ = 1.0;      // the view scale in use
    double ratio_ = 1.0;  // device pixels per design pixel: the device ratio times the view scale
    double deviceRatio_ = 1.0;
    ShapeStyle runStyle_;
    std::vector<gfx::Rect> run_;  // the shapes of the current run, reused from paint to paint
    std::vector<Sprite> sprites_;
    int prefetchedRatio_ = 0;  // the painting ratio (in hundredths) the shown pictures were fetched at
    std::vector<rt::PictureRef> refs_;
};

}  // namespace view
