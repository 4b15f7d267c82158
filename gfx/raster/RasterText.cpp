// The raster canvas's text: the embedded font's glyph outlines at the font's size, placed at
// the pen positions gfx::FontMetrics gives (so text lands where it is measured), filled
// antialiased in the pen's colour. On a canvas without rotation the baseline sits on a whole
// device pixel, as a desktop painter places its glyphs.

#include <cmath>

#include "gfx/Utf8.h"
#include "gfx/raster/RasterCanvas.h"

namespace gfx::raster {
namespace {

// Appends the glyph's outline at `origin` (the pen on the baseline), `k` logical units to a
// font unit, y turned down.
void addGlyph(Path& path, const std::vector<FontFile::OutlineStep>& steps, Point origin, double k) {
    using Kind = FontFile::OutlineStep::Kind;
    const auto at = [&](int x, int y) { return Point{origin.x + x * k, origin.y - y * k}; };
    Point cur;
    bool open = false;
    for (const FontFile::OutlineStep& s : steps) {
        const Point end = at(s.x, s.y);
        switch (s.kind) {
            case Kind::Move:
                if (open) path.closeSubpath();
                path.moveTo(end);
                open = true;
                break;
            case Kind::Line:
                path.lineTo(end);
                break;
            case Kind::Quad: {  // the same curve as a cubic
                const Point c = at(s.c0x, s.c0y);
                path.cubicTo(cur + (c - cur) * (2.0 / 3.0), end + (c - end) * (2.0 / 3.0), end);
                break;
            }
            case Kind::Cubic:
                path.cubicTo(at(s.c0x, s.c0y), at(s.c1x, s.c1y), end);
                break;
        }
        cur = end;
    }
    if (open) path.closeSubpath();
}

}  // namespace

void RasterCanvas::drawTextRun(Point baseline, std::string_view utf8) {
    const Font& font = state_.font;
    if (state_.pen.brush.isNone() || !(font.pixelSize > 0) || !std::isfinite(font.pixelSize)) return;
    const FontFile& face = FontFile::sans(font.bold);
    const double k = font.pixelSize / face.unitsPerEm();
    std::vector<double> pen;
    FontMetrics(font).penPositions(utf8, pen);
    Path path;
    path.setFillRule(FillRule::Winding);
    size_t i = 0, n = 0;
    while (i < utf8.size() && n < pen.size()) {
        const int glyph = face.glyph(nextCodePoint(utf8, i));
        face.outline(glyph, glyph_);
        addGlyph(path, glyph_, Point{baseline.x + pen[n++], baseline.y}, k);
    }
    if (path.isEmpty()) return;
    const Transform brushMap = toDevice();
    Transform t = brushMap;
    if (t.m12 == 0 && t.m21 == 0) {
        const double y = t.map(baseline).y;
        if (std::isfinite(y)) t.dy += std::round(y) - y;
    }
    flatten(path, t, 0.1, contours_);
    fill(contours_, FillRule::Winding, state_.pen.brush, brushMap, true);
}

}  // namespace gfx::raster
