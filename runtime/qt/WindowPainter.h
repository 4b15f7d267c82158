#pragma once
// Paints a model window as a person sees it: the window picture, then its controls in drawing
// order (pictures, clipped containers, labels, shapes, lines). Painting only reads the model.
// Used by the live widgets and by headless snapshots alike.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QRegion>
#include <utility>
#include <vector>

#include "runtime/Color.h"
#include "runtime/Label.h"

namespace rt {
class Container;
class Line;
class Shape;
class Window;
}  // namespace rt

namespace rtqt {

class PictureCache;

// The back colour of a window or container that sets none: a plain light grey.
inline constexpr rt::Color kDefaultBackColor{192, 192, 192};

// Paints `w` with the painter's origin at the window's top-left, `scale` logical pixels to a
// design pixel (1 design px = 15 twips); `dpr` is the device pixel ratio of the target.
// Pictures are painted by the art code at scale x dpr, never stretched.
void paintWindow(QPainter& p, const rt::Window& w, qreal dpr, double scale = 1.0);

// The whole window rendered into an image of its size (twips / 15) times `scale`, at that ratio.
QImage renderWindow(const rt::Window& w, qreal dpr = 1.0, double scale = 1.0);

// The view scale nearest `scale` at which scale x dpr is a whole number of hundredths: the
// ratio the pictures are painted at, so they land on the device pixels one to one.
double snappedViewScale(double scale, qreal dpr);

// The cache the free functions above (and by default every painter) draw pictures from.
PictureCache& sharedPictureCache();

// A painter of windows that keeps its working buffers between paints: after the first paint
// of a scene, painting allocates nothing. Runs of shapes of one style (the dots of a recorded
// trace) are drawn in one pass with one pen and brush.
class WindowPainter {
public:
    explicit WindowPainter(PictureCache& cache = sharedPictureCache());

    // Paints at `scale` (snapped with snappedViewScale) from the painter's present origin: the
    // whole window, or only the part inside `area` (the target's pixels; empty: all of it), one
    // pass per rectangle of the area, each clipped to it, so nothing outside it is filled or
    // blended and what lies wholly outside it is skipped.
    void paint(QPainter& p, const rt::Window& w, qreal dpr, double scale = 1.0, const QRegion& area = QRegion());

private:
    struct ShapeStyle {
        bool circle = true;
        int borderWidth = 1;
        rt::Color border, fill;
        bool filled = true;
        bool operator==(const ShapeStyle&) const = default;
    };

    // A dot painted once into a small image, then stamped at each place of a run.
    struct Sprite {
        ShapeStyle style;
        int wKey = 0, hKey = 0, ratioKey = 0;  // size in eighths of a device pixel; ratio in 1/100
        QImage image;
        QPointF offset;  // where the image goes relative to the dot's rectangle, logical pixels
    };

    void prefetchPictures(const rt::Window& w);
    void paintPart(QPainter& p, const rt::Window& w, const QRectF& part, const QRectF& shown);
    void paintChildren(QPainter& p, const rt::Container& c, const QRectF& clip);
    void paintContainer(QPainter& p, const rt::Container& c, const QRectF& clip);
    void addShape(QPainter& p, const rt::Shape& s, const QRectF& clip);
    void flushShapes(QPainter& p);
    void paintLine(QPainter& p, const rt::Line& l);
    void paintLabel(QPainter& p, const rt::Label& l, const QRectF& clip);
    void drawPicture(QPainter& p, const QImage& img, QPointF at);
    const Sprite* sprite(const QRectF& r);
    const QFont& font(const rt::Font& f);

    PictureCache& cache_;
    qreal dpr_ = 1.0;  // device pixels per design pixel: the device ratio times the view scale
    qreal deviceDpr_ = 1.0;
    ShapeStyle runStyle_;
    std::vector<QRectF> run_;  // the shapes of the current run, reused from paint to paint
    std::vector<Sprite> sprites_;
    std::vector<std::pair<rt::Font, QFont>> fonts_;
    int prefetchedRatio_ = 0;  // the painting ratio (in hundredths) the shown pictures were fetched at
    std::vector<rt::PictureRef> refs_;
};

}  // namespace rtqt
