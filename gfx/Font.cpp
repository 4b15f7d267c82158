#include "gfx/Font.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "gfx/FontFile.h"
#include "gfx/Utf8.h"

// Sizes in font units become pixels as an unhinted common text engine computes them: each
// advance cut down to 1/64 px, each global metric, kerning adjustment and the letter spacing
// rounded to the nearest 1/64 px (halves up), kerning only between two letters of one script.

namespace gfx {
namespace {

const FontFile& face(const Font& f) {
    return FontFile::sans(f.bold);
}

// Units -> pixels, cut down to 1/64 px.
double cut64(int units, const Font& f) {
    const double upem = face(f).unitsPerEm();
    return std::floor(units * f.pixelSize * 64 / upem) / 64;
}

double round64(int units, const Font& f) {
    const double upem = face(f).unitsPerEm();
    return std::floor(units * f.pixelSize * 64 / upem + 0.5) / 64;
}

enum class Script { Common, Latin, Greek, Other };

// The script of a character as far as kerning is concerned: digits, spaces and punctuation
// belong to whichever letters surround them.
Script scriptOf(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return Script::Latin;
    if (c < 0xC0) return c == 0xAA || c == 0xBA || c == 0xB5 ? Script::Latin : Script::Common;
    if (c == 0xD7 || c == 0xF7) return Script::Common;
    if (c < 0x250 || (c >= 0x1E00 && c < 0x1F00)) return Script::Latin;
    if (c >= 0x370 && c < 0x400) return Script::Greek;
    if (c >= 0x1F00 && c < 0x2000) return Script::Greek;
    if (c >= 0x2000 && c < 0x2E80) return Script::Common;  // punctuation, symbols, arrows, maths
    return Script::Other;
}

// Walks a string's characters with their pen positions (advance, kerning, letter spacing).
template <class F>
void walk(const Font& f, std::string_view utf8, F&& each) {
    const FontFile& ff = face(f);
    // Letter spacing is kept in 64ths of a pixel too (nearest).
    const double spacing = std::floor(f.letterSpacing * 64 + 0.5) / 64;
    double x = 0;
    int prevGlyph = -1;
    Script run = Script::Common;
    size_t i = 0;
    while (i < utf8.size()) {
        const char32_t cp = nextCodePoint(utf8, i);
        const int g = ff.glyph(cp);
        const Script s = scriptOf(cp);
        const bool sameRun = s == Script::Common || run == Script::Common || s == run;
        if (prevGlyph >= 0 && sameRun) x += round64(ff.kerning(prevGlyph, g), f);
        if (!sameRun || (run == Script::Common && s != Script::Common)) run = s;
        each(x, g);
        x += cut64(ff.advance(g), f) + spacing;
        prevGlyph = g;
    }
    each(x, -1);
}

}  // namespace

double FontMetrics::advance(std::string_view utf8) const {
    double end = 0;
    walk(font_, utf8, [&](double x, int g) {
        if (g < 0) end = x;
    });
    return end;
}

double FontMetrics::ascent() const {
    return round64(face(font_).ascender(), font_);
}
double FontMetrics::descent() const {
    return round64(face(font_).descender(), font_);
}
double FontMetrics::capHeight() const {
    return round64(face(font_).capHeight(), font_);
}

Rect FontMetrics::tightBounds(std::string_view utf8) const {
    // As a common painter measures ink: within a run of one script the glyphs side by side at
    // their advances rounded up to whole pixels (no kerning, no spacing), each run starting at
    // its true pen position; each box that of the glyph's rasterised pixels (the scaled
    // outline's box widened to whole pixels), y down; it reaches right and down to the pen's
    // start point at least.
    const FontFile& ff = face(font_);
    std::vector<double> pen;
    penPositions(utf8, pen);
    constexpr double kNone = std::numeric_limits<double>::infinity();
    double l = kNone, t = kNone, r = 0, b = 0, x = 0;
    Script run = Script::Common;
    size_t i = 0, k = 0;
    while (i < utf8.size()) {
        const char32_t cp = nextCodePoint(utf8, i);
        const Script s = scriptOf(cp);
        if (s != Script::Common && run != Script::Common && s != run) x = pen[k];  // a new run
        if (s != Script::Common) run = s;
        const int g = ff.glyph(cp);
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        if (!ff.box(g, x0, y0, x1, y1)) x0 = y0 = x1 = y1 = 0;  // no outline: a point at the pen
        l = std::min(l, x + std::floor(round64(x0, font_)));
        r = std::max(r, x + std::ceil(round64(x1, font_)));
        t = std::min(t, -std::ceil(round64(y1, font_)));
        b = std::max(b, -std::floor(round64(y0, font_)));
        x += std::ceil(cut64(ff.advance(g), font_));
        ++k;
    }
    if (l == kNone) return {};
    return {l, t, r - l, b - t};
}

void FontMetrics::penPositions(std::string_view utf8, std::vector<double>& out) const {
    out.clear();
    walk(font_, utf8, [&](double x, int) { out.push_back(x); });
}

Point alignedBaseline(const FontMetrics& fm, const Rect& r, int align, std::string_view utf8) {
    const double w = fm.advance(utf8), h = fm.height();
    double x = r.x, y = r.y;
    if (align & AlignRight)
        x = r.right() - w;
    else if (align & AlignHCenter)
        x = r.x + (r.w - w) / 2;
    if (align & AlignBottom)
        y = r.bottom() - h;
    else if (align & AlignVCenter)
        y = r.y + (r.h - h) / 2;
    return {x, y + fm.ascent()};
}

}  // namespace gfx
