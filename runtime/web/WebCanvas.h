#pragma once
// The browser's canvas 2D as a gfx backend: the page's canvas or an offscreen one, reached
// from WebAssembly through the functions of canvas-library.js by a handle. Paths, gradients
// (the focal radial one as the canvas's two-circle gradient from the focal point), clips and
// transforms map one to one; text is drawn in the program's embedded font, loaded into the
// page as a FontFace, and only drawn there: it is measured by gfx::FontMetrics. The canvas
// cannot turn antialiasing off for shapes; images are placed unsmoothed when it is off.

#include <vector>

#include "gfx/Canvas.h"

namespace rtweb {

class WebCanvas : public gfx::Canvas {
public:
    // Paints into the canvas `handle` at `ratio` device pixels to a unit; the state it leaves
    // is restored when it is destroyed.
    WebCanvas(int handle, double ratio);
    ~WebCanvas() override;
    WebCanvas(const WebCanvas&) = delete;
    WebCanvas& operator=(const WebCanvas&) = delete;

    double ratio() const override { return ratio_; }
    void save() override;
    void restore() override;
    gfx::Transform transform() const override { return state_.transform; }
    void setTransform(const gfx::Transform& t) override;
    void setPen(const gfx::Pen& pen) override { state_.pen = pen; }
    void setBrush(const gfx::Brush& brush) override { state_.brush = brush; }
    void setFont(const gfx::Font& font) override { state_.font = font; }
    const gfx::Font& font() const override { return state_.font; }
    void setAntialiasing(bool on) override;
    void clipRect(const gfx::Rect& r) override;
    void clipPath(const gfx::Path& path) override;
    void drawPath(const gfx::Path& path) override;
    void drawImage(gfx::Point topLeft, const gfx::Image& img) override;
    void drawSurface(gfx::Point topLeft, const gfx::Surface& s) override;

protected:
    void drawTextRun(gfx::Point baseline, std::string_view utf8) override;

private:
    struct State {
        gfx::Pen pen;
        gfx::Brush brush;
        gfx::Font font;
        gfx::Transform transform;
        bool antialiasing = true;
    };
    // How a path's points are placed when antialiasing is off (the canvas always antialiases
    // shapes): as given, on whole device pixels (fills and strokes an even number of device
    // pixels wide), or on device pixel centres (strokes an odd number wide), so that an edge or
    // a line covers whole pixels, crisp, as a painter without antialiasing draws it.
    enum class Snap { None, Whole, Centre };
    // Sends the path and fills, strokes or clips with it (`mode` as canvas-library.js reads it).
    void sendPath(const gfx::Path& path, int mode, Snap snap = Snap::None);
    gfx::Point snapped(gfx::Point p, Snap snap) const;
    // The snapping of the present pen's strokes when antialiasing is off.
    Snap strokeSnap() const;
    // Makes the canvas's fill or stroke style the brush's (false: nothing to paint with it).
    bool applyBrush(const gfx::Brush& b, bool stroke);
    bool applyPen();

    int handle_;
    double ratio_;
    State state_;
    std::vector<State> saved_;
    std::vector<double> buffer_;  // the path or brush being sent, reused
};

}  // namespace rtweb
