#include "gfx/Font.h"

#include <cmath>

#include "gfx/FontFile.h"
#include "gfx/Utf8.h"

// Sizes in font units become pixels as an unhinted common text engine computes them: each
// advance and each global metric cut down to 1/64 px, each kerning adjustment rounded to the
// nearest 1/64 px (halves up), kerning only between two letters of the same script.

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
        x += cut64(ff.advance(g), f) + f.letterSpacing;
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
    return cut64(face(font_).ascender(), font_);
}
double FontMetrics::descent() const {
    return cut64(face(font_).descender(), font_);
}
double FontMetrics::capHeight() const {
    return cut64(face(font_).capHeight(), font_);
}

Rect FontMetrics::tightBounds(std::string_view utf8) const {
    const FontFile& ff = face(font_);
    Rect box;
    walk(font_, utf8, [&](double x, int g) {
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        if (g < 0 || !ff.box(g, x0, y0, x1, y1)) return;
        // y up in the font, down on the canvas.
        const double l = x + round64(x0, font_), r = x + round64(x1, font_);
        const double t = -round64(y1, font_), b = -round64(y0, font_);
        box = box.united(Rect{l, t, r - l, b - t});
    });
    return box;
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
