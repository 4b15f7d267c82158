// The text a Symbol label draws, as UTF-8: its signs are three-byte characters (the letters'
// two-byte ones are pinned beside the measurer's tests), and only the family named Symbol, in
// any case, is mapped.

#include <gtest/gtest.h>

#include "view/LabelFont.h"

namespace {

TEST(SymbolCaption, SignsAreThreeByteCharactersAndOnlySymbolIsMapped) {
    const rt::Font symbol{"Symbol", 12, false};
    EXPECT_EQ(view::displayText(symbol, "\"$'*-@\\^~"), "∀∃∋∗−≅∴⊥∼");
    EXPECT_EQ(view::displayText(symbol, "m-5"), "μ−5");
    EXPECT_EQ(view::displayText(rt::Font{"SYMBOL", 12, false}, "p"), "π");
    EXPECT_EQ(view::displayText(rt::Font{"Symbols", 12, false}, "p"), "p");
    EXPECT_EQ(view::displayText(rt::Font{"Symbo", 12, false}, "p"), "p");
}

}  // namespace
