// Label widths come from Liberation Sans at the reference pixel size, unhinted, so a caption is
// as wide on every screen and in headless runs; the Symbol font shows Greek letters.

#include <gtest/gtest.h>

#include "runtime/qt/QtFonts.h"
#include "runtime/qt/QtTextMeasurer.h"
#include "view/LabelFont.h"

namespace {

rt::Font arial(float pt, bool bold = false) {
    return rt::Font{"Arial", pt, bold};
}

TEST(LabelFont, PointSizesBecomeReferencePixels) {
    EXPECT_EQ(view::referencePixelSize(8.25f), 11);
    EXPECT_EQ(view::referencePixelSize(9.75f), 13);
    EXPECT_EQ(view::referencePixelSize(12.0f), 16);
    EXPECT_EQ(view::referencePixelSize(18.0f), 24);
    EXPECT_EQ(view::referencePixelSize(0.0f), 1);  // never an invalid font size
}

TEST(LabelFont, SymbolLettersAreGreek) {
    EXPECT_EQ(view::symbolChar('W'), U'Ω');
    EXPECT_EQ(view::symbolChar('m'), U'μ');
    EXPECT_EQ(view::symbolChar('p'), U'π');
    EXPECT_EQ(view::symbolChar('D'), U'Δ');
    EXPECT_EQ(view::symbolChar('C'), U'Χ');  // the font's own order, not the alphabet's
    EXPECT_EQ(view::symbolChar('5'), U'5');
    const rt::Font symbol{"Symbol", 12, false};
    EXPECT_EQ(rtqt::displayText(symbol, "W"), QString::fromUtf8("Ω"));
    EXPECT_EQ(rtqt::displayText(symbol, "µ"), QString::fromUtf8("µ"));  // beyond ASCII left alone
    EXPECT_EQ(rtqt::displayText(arial(12), "W"), QString("W"));
}

TEST(QtTextMeasurer, DigitsHaveTheArialAdvance) {
    // Every digit of the face advances 1139/2048 em; at 11 px ten digits are 61.2 px (each
    // advance is kept in 64ths of a pixel). This pins the face, the pixel size and the absence
    // of hinting at once: hinted, a digit would advance a whole 6 px.
    rtqt::QtTextMeasurer m;
    EXPECT_NEAR(m.widthPx(arial(8.25f), "0123456789"), 10 * 1139.0 / 2048.0 * 11.0, 10 / 64.0);
    EXPECT_NEAR(m.widthPx(arial(12.0f), "00"), 2 * 1139.0 / 2048.0 * 16.0, 2 / 64.0);
}

TEST(QtTextMeasurer, WidthsAreStableAndFollowTheFont) {
    rtqt::QtTextMeasurer m;
    const std::string text = "ATTENTION, RISQUE DE COURT-CIRCUIT !";
    const double w = m.widthPx(arial(8.25f, true), text);
    EXPECT_DOUBLE_EQ(m.widthPx(arial(8.25f, true), text), w);
    EXPECT_GT(w, m.widthPx(arial(8.25f), text));              // bold is wider
    EXPECT_GT(m.widthPx(arial(12.0f, true), text), w * 1.3);  // and bigger is wider
    EXPECT_DOUBLE_EQ(m.widthPx(arial(8.25f), ""), 0.0);
    EXPECT_GT(m.heightPx(arial(12.0f)), m.heightPx(arial(8.25f)));
    EXPECT_NEAR(m.heightPx(arial(8.25f)), 11 * 1.15, 1.0);  // one line of the face
}

TEST(QtTextMeasurer, SymbolCaptionMeasuresAsItsGreekLetter) {
    rtqt::QtTextMeasurer m;
    const rt::Font symbol{"Symbol", 12, false};
    EXPECT_DOUBLE_EQ(m.widthPx(symbol, "W"), m.widthPx(arial(12), "Ω"));
    EXPECT_NE(m.widthPx(symbol, "W"), m.widthPx(arial(12), "W"));
}

}  // namespace
