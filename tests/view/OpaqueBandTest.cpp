// The opaque band of a picture (what the window's back colour need not be painted under) is
// opaque in every pixel and the largest such block: rows opaque from edge to edge in one run,
// or rows opaque but for their partly covered first and last columns when that block is larger.

#include <gtest/gtest.h>

#include "view/PictureCache.h"

namespace {

constexpr uint32_t kOpaque = gfx::argb(255, 10, 20, 30);
constexpr uint32_t kHalf = gfx::argb(128, 5, 10, 15);

gfx::Image rows(int w, int h, uint32_t fill) {
    return gfx::Image(w, h, 1.0, fill);
}

void setRow(gfx::Image& img, int y, uint32_t v) {
    for (int x = 0; x < img.width; ++x) img.row(y)[x] = v;
}

TEST(OpaqueBand, IsTheLargestOpaqueBlock) {
    gfx::Image img = rows(20, 12, kOpaque);
    EXPECT_EQ(view::opaqueBand(img), (gfx::IntRect{0, 0, 20, 12}));

    // Rounded corners: the first and last rows are not opaque for two pixels at their ends.
    for (int y : {0, 11})
        for (int x : {0, 1, 18, 19}) img.row(y)[x] = 0;
    EXPECT_EQ(view::opaqueBand(img), (gfx::IntRect{0, 1, 20, 10}));

    // A row with a hole splits the rows: the longer run is kept, wherever it lies.
    img.row(3)[9] = kHalf;
    EXPECT_EQ(view::opaqueBand(img), (gfx::IntRect{0, 4, 20, 7}));

    // The last column only partly covered on every row: the rows inside it are the band.
    for (int y = 0; y < img.height; ++y) img.row(y)[19] = kHalf;
    EXPECT_EQ(view::opaqueBand(img), (gfx::IntRect{1, 4, 18, 7}));
}

TEST(OpaqueBand, NoneInATransparentOrTinyPicture) {
    gfx::Image img = rows(20, 6, 0);
    EXPECT_TRUE(view::opaqueBand(img).isEmpty());
    setRow(img, 2, kHalf);
    EXPECT_TRUE(view::opaqueBand(img).isEmpty());
    EXPECT_TRUE(view::opaqueBand(gfx::Image()).isEmpty());
    EXPECT_EQ(view::opaqueBand(rows(1, 3, kOpaque)), (gfx::IntRect{0, 0, 1, 3}));
    gfx::Image torn = rows(4, 4, kOpaque);
    torn.pixels.resize(5);  // fewer pixels than its size says: read nothing
    EXPECT_TRUE(view::opaqueBand(torn).isEmpty());
}

}  // namespace
