#include "gfx/Canvas.h"

#include <vector>

#include "gfx/Utf8.h"

namespace gfx {

void Canvas::drawLine(Point a, Point b) {
    Path p(a);
    p.lineTo(b);
    SavedState keep(*this);
    setBrush(Brush::none());
    drawPath(p);
}

void Canvas::drawRect(const Rect& r) {
    Path p;
    p.addRect(r);
    drawPath(p);
}

void Canvas::drawRoundedRect(const Rect& r, double rx, double ry) {
    Path p;
    p.addRoundedRect(r, rx, ry);
    drawPath(p);
}

void Canvas::drawEllipse(const Rect& r) {
    Path p;
    p.addEllipse(r);
    drawPath(p);
}

void Canvas::drawPolygon(const Polygon& poly, FillRule rule) {
    if (poly.empty()) return;
    drawPath(polygonPath(poly, rule));
}

void Canvas::drawPolyline(const Polygon& poly) {
    if (poly.size() < 2) return;
    Path p;
    p.addPolygon(poly);
    SavedState keep(*this);
    setBrush(Brush::none());
    drawPath(p);
}

void Canvas::fillRect(const Rect& r, const Brush& brush) {
    Path p;
    p.addRect(r);
    SavedState keep(*this);
    setPen(Pen::none());
    setBrush(brush);
    drawPath(p);
}

void Canvas::drawText(Point baseline, std::string_view utf8) {
    if (utf8.empty()) return;
    const Font& f = font();
    if (f.letterSpacing == 0) {
        drawTextRun(baseline, utf8);
        return;
    }
    // Letter by letter at the pen positions the font's metrics give, spacing included.
    const FontMetrics fm(f);
    std::vector<double> pos;
    fm.penPositions(utf8, pos);
    size_t i = 0, k = 0;
    while (i < utf8.size()) {
        const size_t start = i;
        nextCodePoint(utf8, i);
        drawTextRun({baseline.x + pos[k], baseline.y}, utf8.substr(start, i - start));
        ++k;
    }
}

void Canvas::drawText(const Rect& r, int align, std::string_view utf8) {
    if (utf8.empty()) return;
    drawText(alignedBaseline(FontMetrics(font()), r, align, utf8), utf8);
}

}  // namespace gfx
