#pragma once
// The program's one typeface (Liberation Sans, Regular and Bold, embedded in the program) at a
// size in logical pixels, and its metrics read from the font file itself: the same numbers on
// every platform, so text is laid out alike by every backend. A browser's or toolkit's own text
// measurement is never used to size anything.

#include <string_view>
#include <vector>

#include "gfx/Geometry.h"

namespace gfx {

struct Font {
    double pixelSize = 12;  // the em size in logical pixels
    bool bold = false;
    double letterSpacing = 0;  // extra advance after every character, logical pixels
    bool operator==(const Font&) const = default;
};

// Text alignment within a rectangle, combinable: one horizontal and one vertical flag.
enum Align : int {
    AlignLeft = 0x1,
    AlignRight = 0x2,
    AlignHCenter = 0x4,
    AlignTop = 0x20,
    AlignBottom = 0x40,
    AlignVCenter = 0x80,
    AlignCenter = AlignHCenter | AlignVCenter,
};

// Metrics of the embedded font at a size, from the font file: advances cut to 1/64 px and
// kerning between letters of one script, so widths equal a common unhinted text engine's.
class FontMetrics {
public:
    explicit FontMetrics(const Font& f) : font_(f) {}

    // The advance width of a UTF-8 string: glyph advances, kerning, letter spacing.
    double advance(std::string_view utf8) const;
    double ascent() const;   // above the baseline, positive
    double descent() const;  // below the baseline, positive
    double height() const { return ascent() + descent(); }
    double capHeight() const;
    // The ink box of the string's glyphs relative to the pen's start on the baseline.
    Rect tightBounds(std::string_view utf8) const;
    // Where each character's pen position lies (size() = number of code points + 1; last = advance).
    // Drawing a string with letter spacing places its characters one by one at these positions.
    void penPositions(std::string_view utf8, std::vector<double>& out) const;

    const Font& font() const { return font_; }

private:
    Font font_;
};

// The baseline origin at which a string sits in `r` under `align`, as a common 2D painter lays
// out one line: vertical centring by ascent and descent, horizontal by the advance.
Point alignedBaseline(const FontMetrics& fm, const Rect& r, int align, std::string_view utf8);

}  // namespace gfx
