#include "gfx/FontFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <unordered_map>
#include <vector>

#define STBTT_STATIC
#define STB_TRUETYPE_IMPLEMENTATION
#include <stb/stb_truetype.h>

namespace gfx {

namespace embedded {
extern const unsigned char sans_regular[];
extern const unsigned sans_regular_size;
extern const unsigned char sans_bold[];
extern const unsigned sans_bold_size;
}  // namespace embedded

struct FontFile::Reader {
    stbtt_fontinfo info{};
    std::vector<int> glyphOf;   // the glyph of each code point below U+0400 (Latin, Greek)
    std::vector<int> advances;  // of every glyph
    std::mutex lock;            // guards the kerning pairs met so far
    std::unordered_map<uint64_t, int> kerns;
};

namespace {

int be16(const unsigned char* p) {
    return static_cast<int16_t>(static_cast<uint16_t>(p[0] << 8 | p[1]));
}

}  // namespace

FontFile::FontFile(const unsigned char* data, size_t size) : reader_(new Reader), data_(data), size_(size) {
    // The files are part of the program, checked at build time: failing to read one is a
    // broken build, not bad input.
    if (!stbtt_InitFont(&reader_->info, data, stbtt_GetFontOffsetForIndex(data, 0))) {
        std::fputs("vorlinde: the embedded font cannot be read\n", stderr);
        std::abort();
    }
    const stbtt_fontinfo& f = reader_->info;
    unitsPerEm_ = be16(f.data + f.head + 18);
    int asc = 0, desc = 0, gap = 0;
    stbtt_GetFontVMetrics(&f, &asc, &desc, &gap);  // the horizontal header's values
    ascender_ = asc, descender_ = -desc, lineGap_ = gap;
    const uint32_t os2 = stbtt__find_table(f.data, static_cast<uint32_t>(f.fontstart), "OS/2");
    if (os2 && be16(f.data + os2) >= 2) capHeight_ = be16(f.data + os2 + 88);
    reader_->glyphOf.resize(0x400);
    for (char32_t c = 0; c < 0x400; ++c) reader_->glyphOf[c] = stbtt_FindGlyphIndex(&f, static_cast<int>(c));
    reader_->advances.resize(static_cast<size_t>(std::max(0, f.numGlyphs)));
    for (int g = 0; g < f.numGlyphs; ++g) {
        int adv = 0, lsb = 0;
        stbtt_GetGlyphHMetrics(&f, g, &adv, &lsb);
        reader_->advances[static_cast<size_t>(g)] = adv;
    }
}

FontFile::~FontFile() = default;

const FontFile& FontFile::sans(bool bold) {
    static const FontFile regular(embedded::sans_regular, embedded::sans_regular_size);
    static const FontFile boldFace(embedded::sans_bold, embedded::sans_bold_size);
    return bold ? boldFace : regular;
}

int FontFile::glyph(char32_t cp) const {
    if (cp < reader_->glyphOf.size()) return reader_->glyphOf[cp];
    return stbtt_FindGlyphIndex(&reader_->info, static_cast<int>(cp));
}

int FontFile::advance(int glyph) const {
    if (glyph >= 0 && static_cast<size_t>(glyph) < reader_->advances.size())
        return reader_->advances[static_cast<size_t>(glyph)];
    return 0;
}

int FontFile::kerning(int left, int right) const {
    // Looking a pair up in the font's tables takes a while; pairs met once are kept.
    const uint64_t key =
        static_cast<uint64_t>(static_cast<uint32_t>(left)) << 32 | static_cast<uint32_t>(right);
    {
        const std::lock_guard<std::mutex> hold(reader_->lock);
        auto it = reader_->kerns.find(key);
        if (it != reader_->kerns.end()) return it->second;
    }
    const int k = stbtt_GetGlyphKernAdvance(&reader_->info, left, right);
    const std::lock_guard<std::mutex> hold(reader_->lock);
    reader_->kerns.emplace(key, k);
    return k;
}

bool FontFile::box(int glyph, int& x0, int& y0, int& x1, int& y1) const {
    return stbtt_GetGlyphBox(&reader_->info, glyph, &x0, &y0, &x1, &y1) != 0;
}

void FontFile::outline(int glyph, std::vector<OutlineStep>& out) const {
    out.clear();
    stbtt_vertex* v = nullptr;
    const int n = stbtt_GetGlyphShape(&reader_->info, glyph, &v);
    for (int i = 0; i < n; ++i) {
        OutlineStep s{OutlineStep::Kind::Line, v[i].x, v[i].y, v[i].cx, v[i].cy, v[i].cx1, v[i].cy1};
        if (v[i].type == STBTT_vmove)
            s.kind = OutlineStep::Kind::Move;
        else if (v[i].type == STBTT_vcurve)
            s.kind = OutlineStep::Kind::Quad;
        else if (v[i].type == STBTT_vcubic)
            s.kind = OutlineStep::Kind::Cubic;
        out.push_back(s);
    }
    stbtt_FreeShape(&reader_->info, v);
}

}  // namespace gfx
