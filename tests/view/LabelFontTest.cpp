// The text a label draws: the Symbol font's letters become the Greek (and the few signs) that
// font shows at their codes, written as UTF-8 of two and three bytes; any other family, and
// every character beyond ASCII, is drawn as typed.

#include <gtest/gtest.h>

#include "view/LabelFont.h"

namespace {

TEST(LabelFont, SymbolCaptionsBecomeTheirGreekLettersAndSigns) {
    const rt::Font symbol{"Symbol", 12, false};
    EXPECT_EQ(view::displayText(symbol, "W"), "Ω");
    EXPECT_EQ(view::displayText(symbol, "mF"), "μΦ");
    EXPECT_EQ(view::displayText(symbol, "ABCabc"), "ΑΒΧαβχ");  // the font's own order
    EXPECT_EQ(view::displayText(symbol, "\"$'*-@\\^~"), "∀∃∋∗−≅∴⊥∼");  // three-byte signs
    EXPECT_EQ(view::displayText(symbol, "5 + 2,5"), "5 + 2,5");
    EXPECT_EQ(view::displayText(symbol, "µ é"), "µ é");  // beyond ASCII: left alone
    EXPECT_EQ(view::displayText(rt::Font{"SYMBOL", 12, false}, "p"), "π");
    EXPECT_EQ(view::displayText(rt::Font{"Arial", 12, false}, "W"), "W");
    EXPECT_EQ(view::displayText(rt::Font{"Symbols", 12, false}, "W"), "W");
}

}  // namespace
