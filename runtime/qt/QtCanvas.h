#pragma once
// The drawing interface on a QPainter: every primitive is the painter's own call with the same
// arguments (paths rebuilt element by element, pens, brushes and gradients converted one to
// one), so pictures drawn through it are the pixels the painter gives. Text is drawn in the
// embedded font at the baseline the interface computes from the font file.

#include <QBrush>
#include <QPainterPath>
#include <QPen>
#include <vector>

#include "gfx/Canvas.h"

class QPainter;

namespace rtqt {

QPen qtPen(const gfx::Pen& pen);
QBrush qtBrush(const gfx::Brush& brush);
QPainterPath qtPath(const gfx::Path& path);

class QtCanvas : public gfx::Canvas {
public:
    // Draws on `p` (which must outlive the canvas); the canvas starts with the painter's
    // present transform and clip, and the default font.
    explicit QtCanvas(QPainter& p);

    double ratio() const override;
    void save() override;
    void restore() override;
    gfx::Transform transform() const override;
    void setTransform(const gfx::Transform& t) override;
    void setPen(const gfx::Pen& pen) override;
    void setBrush(const gfx::Brush& brush) override;
    void setFont(const gfx::Font& font) override;
    const gfx::Font& font() const override { return font_; }
    void setAntialiasing(bool on) override;
    void clipRect(const gfx::Rect& r) override;
    void clipPath(const gfx::Path& path) override;

    void drawPath(const gfx::Path& path) override;
    void drawLine(gfx::Point a, gfx::Point b) override;
    void drawRect(const gfx::Rect& r) override;
    void drawRoundedRect(const gfx::Rect& r, double rx, double ry) override;
    void drawEllipse(const gfx::Rect& r) override;
    void drawPolygon(const gfx::Polygon& poly, gfx::FillRule rule) override;
    void drawPolyline(const gfx::Polygon& poly) override;
    void fillRect(const gfx::Rect& r, const gfx::Brush& brush) override;
    void drawImage(gfx::Point topLeft, const gfx::Image& img) override;
    void drawSurface(gfx::Point topLeft, const gfx::Surface& s) override;

    QPainter& painter() { return p_; }

protected:
    void drawTextRun(gfx::Point baseline, std::string_view utf8) override;

private:
    // The target's device pixel ratio: it stays the same while the painter paints.
    static double deviceRatioOf(const QPainter& p);

    QPainter& p_;
    double deviceRatio_;
    gfx::Font font_;
    std::vector<gfx::Font> saved_;
};

}  // namespace rtqt
