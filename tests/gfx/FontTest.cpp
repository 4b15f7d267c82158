// Text from the font file: UTF-8 read whatever the bytes, widths and positions consistent with
// each other, and a string placed in a rectangle the way a painter lays out one line.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/Font.h"
#include "gfx/Utf8.h"

namespace {

std::u32string decode(std::string_view s) {
    std::u32string out;
    size_t i = 0;
    while (i < s.size()) out += gfx::nextCodePoint(s, i);
    return out;
}

TEST(Utf8, MalformedBytesReadAsReplacementOneByteAtATime) {
    EXPECT_EQ(decode("aé€𝄞"), U"aé€𝄞");
    EXPECT_EQ(decode("\xC3"), U"\uFFFD");                                // cut short at the end
    EXPECT_EQ(decode("\xE2\x82"), U"\uFFFD\uFFFD");                      // cut short: each byte on its own
    EXPECT_EQ(decode("\x80x"), U"\uFFFDx");                              // a stray continuation byte
    EXPECT_EQ(decode("\xC0\xAF"), U"\uFFFD\uFFFD");                      // overlong
    EXPECT_EQ(decode("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD");            // a surrogate
    EXPECT_EQ(decode("\xF4\x90\x80\x80"), U"\uFFFD\uFFFD\uFFFD\uFFFD");  // past U+10FFFF
    EXPECT_EQ(decode("\xFF\xFE"), U"\uFFFD\uFFFD");
    EXPECT_EQ(decode(std::string_view("a\0b", 3)), std::u32string(U"a\0b", 3));
}

TEST(FontMetrics, PositionsAdvancesAndSpacingAgree) {
    for (const char* s : {"", "A", "AVAWA", "Ωé\xFF", "0,5 V"}) {
        for (double spacing : {0.0, 0.8}) {
            const gfx::FontMetrics m(gfx::Font{11, true, spacing});
            std::vector<double> pos;
            m.penPositions(s, pos);
            ASSERT_EQ(pos.size(), decode(s).size() + 1) << s;
            EXPECT_EQ(pos.front(), 0);
            EXPECT_DOUBLE_EQ(pos.back(), m.advance(s)) << s;
            for (size_t i = 1; i < pos.size(); ++i) EXPECT_GT(pos[i], pos[i - 1]) << s;
        }
    }
    const gfx::FontMetrics plain(gfx::Font{11, true, 0}), spaced(gfx::Font{11, true, 1});
    EXPECT_DOUBLE_EQ(spaced.advance("ABC"), plain.advance("ABC") + 3);
    // Kerning pulls A and V together.
    EXPECT_LT(plain.advance("AV"), plain.advance("A") + plain.advance("V"));
    // A bigger size is wider; a zero or absurd size does not break anything.
    EXPECT_GT(gfx::FontMetrics(gfx::Font{22}).advance("x"), gfx::FontMetrics(gfx::Font{11}).advance("x"));
    EXPECT_EQ(gfx::FontMetrics(gfx::Font{0}).advance("x"), 0);
}

TEST(FontMetrics, OneLineIsPlacedInARectangleByItsAdvanceAscentAndDescent) {
    const gfx::FontMetrics m(gfx::Font{13, false, 0});
    const gfx::Rect r{10, 20, 100, 30};
    const double w = m.advance("Vorlinde");
    const gfx::Point tl = gfx::alignedBaseline(m, r, gfx::AlignLeft | gfx::AlignTop, "Vorlinde");
    EXPECT_DOUBLE_EQ(tl.x, 10);
    EXPECT_DOUBLE_EQ(tl.y, 20 + m.ascent());
    const gfx::Point c = gfx::alignedBaseline(m, r, gfx::AlignCenter, "Vorlinde");
    EXPECT_DOUBLE_EQ(c.x, 10 + (100 - w) / 2);
    EXPECT_DOUBLE_EQ(c.y, 20 + (30 - m.height()) / 2 + m.ascent());
    const gfx::Point br = gfx::alignedBaseline(m, r, gfx::AlignRight | gfx::AlignBottom, "Vorlinde");
    EXPECT_DOUBLE_EQ(br.x, 110 - w);
    EXPECT_DOUBLE_EQ(br.y, 50 - m.descent());
}

}  // namespace
