// User scales, picture auto-size and the conversions the painter and the mouse rely on.
#include <gtest/gtest.h>

#include <cmath>

#include "TestWindow.h"

namespace {

class Geometry : public ::testing::Test, public ModelFixture {};

TEST_F(Geometry, UserScaleMapsUnitsToTwipsBothWays) {
    // 100 units over 1500 twips: 15 twips a unit across; 80 units over 1200 twips: 15 down.
    EXPECT_DOUBLE_EQ(w->screen.toWindowX(0), 150);
    EXPECT_DOUBLE_EQ(w->screen.toWindowX(100), 1650);
    EXPECT_DOUBLE_EQ(w->screen.toWindowY(-40), 150);
    EXPECT_DOUBLE_EQ(w->screen.toWindowY(40), 1350);
    EXPECT_DOUBLE_EQ(w->screen.fromWindowX(900), 50);
    EXPECT_DOUBLE_EQ(w->screen.fromWindowY(750), 0);
}

TEST_F(Geometry, SettingAScaleKeepsChildrenWhereTheyAre) {
    rt::PictureControl p(&w->box, "p");
    p.move(300, 600, 150, 150);
    const rt::RectF before = p.windowRect();
    w->box.setScale(100, 100);
    EXPECT_FLOAT_EQ(p.Left(), 10);  // 3000 twips wide: 30 twips a unit
    EXPECT_FLOAT_EQ(p.Top(), 40);   // 1500 high: 15 twips a unit
    const rt::RectF after = p.windowRect();
    EXPECT_NEAR(after.x, before.x, 1e-3);
    EXPECT_NEAR(after.y, before.y, 1e-3);
    EXPECT_NEAR(after.w, before.w, 1e-3);
}

TEST_F(Geometry, PictureGivesItsSizeInTheContainersUnits) {
    w->inBox.setPicture(testList(), 2);  // 40 x 30 px
    EXPECT_FLOAT_EQ(w->inBox.Width(), 600);
    EXPECT_FLOAT_EQ(w->inBox.Height(), 450);
    rt::PictureControl scaled(&w->screen, "scaled");
    scaled.setPicture(testList(), 1);  // 20 x 10 px = 300 x 150 twips = 20 x 10 units
    EXPECT_FLOAT_EQ(scaled.Width(), 20);
    EXPECT_FLOAT_EQ(scaled.Height(), 10);
    scaled.setAutoSize(false);
    scaled.setPicture(testList(), 2);
    EXPECT_FLOAT_EQ(scaled.Width(), 20);  // a fixed area keeps its size
}

TEST_F(Geometry, LabelSizesItselfToItsCaption) {
    w->caption.setFont({"Arial", 9, true});
    w->caption.setCaption("12,34 k");
    const float wide = w->caption.Width();
    w->caption.setCaption("0 ");
    EXPECT_LT(w->caption.Width(), wide);
    // Whole pixels: a multiple of 15 twips.
    EXPECT_FLOAT_EQ(std::fmod(w->caption.Width(), 15.0f), 0.0f);
    rt::Label inScale(&w->screen, "inScale");
    inScale.setFont({"Arial", 9, true});
    inScale.setCaption("0 ");
    EXPECT_FLOAT_EQ(inScale.Width(), w->caption.Width() / 15.0f);
}

}  // namespace
