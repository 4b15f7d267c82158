// Cursor pictures are drawn on black, which is see-through in a cursor: only pure black goes
// (a dark colour of the hand stays), and the hot spot follows the ratio the pixels are at.

#include <gtest/gtest.h>

#include "view/CursorPixels.h"

TEST(CursorPixels, OnlyBlackBecomesSeeThroughAndTheHotSpotScales) {
    gfx::Image img(3, 1, 2);
    img.pixels = {gfx::argb(255, 0, 0, 0), gfx::argb(128, 0, 0, 0), gfx::argb(255, 0, 0, 1)};
    const gfx::Image out = view::seeThroughBlack(img);
    EXPECT_EQ(out.pixels, (std::vector<uint32_t>{0, 0, gfx::argb(255, 0, 0, 1)}));
    EXPECT_EQ(out.ratio, 2);
    EXPECT_EQ(view::hotSpotPixels(7, 1.5), 11);  // 10.5: a half rounds up, as the desktop's does
    EXPECT_EQ(view::hotSpotPixels(7, 0), 0);
}
