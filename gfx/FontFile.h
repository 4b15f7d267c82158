#pragma once
// The embedded typeface files (Liberation Sans Regular and Bold), read in place: their global
// metrics, the glyph of a character, advances, kerning and glyph boxes, in font units.

#include <cstddef>
#include <memory>
#include <vector>

namespace gfx {

class FontFile {
public:
    // The embedded face of that weight (read once, shared, safe to use from any thread).
    static const FontFile& sans(bool bold);

    ~FontFile();
    FontFile(const FontFile&) = delete;
    FontFile& operator=(const FontFile&) = delete;

    int unitsPerEm() const { return unitsPerEm_; }
    int ascender() const { return ascender_; }    // above the baseline, positive
    int descender() const { return descender_; }  // below the baseline, positive
    int lineGap() const { return lineGap_; }
    int capHeight() const { return capHeight_; }

    // The glyph drawn for a code point (0, the missing-glyph box, when the face has none).
    int glyph(char32_t cp) const;
    int advance(int glyph) const;
    // The kerning adjustment between two glyphs that follow each other (usually negative).
    int kerning(int left, int right) const;
    // The glyph's ink box, y up from the baseline; false for a glyph without outline (a space).
    bool box(int glyph, int& x0, int& y0, int& x1, int& y1) const;

    // One step of a glyph's outline, in font units, y up: a move starting a closed contour, a
    // line, a quadratic curve (control c0) or a cubic one (controls c0, c1), each to (x, y).
    struct OutlineStep {
        enum class Kind { Move, Line, Quad, Cubic } kind;
        int x, y, c0x, c0y, c1x, c1y;
    };
    // The glyph's contours (none for a glyph without outline, such as a space); filled with
    // the nonzero rule.
    void outline(int glyph, std::vector<OutlineStep>& out) const;

    // The file's bytes, for a toolkit that registers the face with its own font machinery.
    const unsigned char* data() const { return data_; }
    size_t size() const { return size_; }

private:
    FontFile(const unsigned char* data, size_t size);
    struct Reader;
    std::unique_ptr<Reader> reader_;
    const unsigned char* data_;
    size_t size_;
    int unitsPerEm_ = 2048, ascender_ = 0, descender_ = 0, lineGap_ = 0, capHeight_ = 0;
};

}  // namespace gfx
