// A coupling choice redrawing only when powered; the MODE table with its ignored presses; CH2
// INVERT turning the input over with the level, so that the coupling switch keeps the sign, and
// redrawing the trace.

#include "PanelFixture.h"

namespace {

using CouplingTest = PanelTest;
using ModesTest = PanelTest;

TEST_F(CouplingTest, ChoosingRedrawsOnlyWhenPowered) {
    code.EntreeY1 = 2;
    toDC(1);
    EXPECT_EQ(code.NiveauY1, 2);
    EXPECT_FALSE(scope.Ten1.Visible());
    powerOn();
    click(scope.DCV1);
    move(scope.GND1);
    EXPECT_FLOAT_EQ(scope.Ten1.Y1(), 0);
    move(scope.DCV1);
    EXPECT_FLOAT_EQ(scope.Ten1.Y1(), -20);
}

TEST_F(ModesTest, RepeatedModePressesAreIgnored) {
    scope.CH1.clearPicture();
    click(scope.CH1);  // CH1 is the start mode
    EXPECT_TRUE(scope.CH1.Picture().isNone());
    click(scope.Dual);
    EXPECT_EQ(scope.Dual.Picture(), pic(scope.ImageList2, 2));
    scope.Dual.clearPicture();
    click(scope.Dual);
    EXPECT_TRUE(scope.Dual.Picture().isNone());
    scope.Dual.setPicture(scope.ImageList2, 2);
    click(scope.BtnXY);
    scope.BtnXY.clearPicture();
    click(scope.BtnXY);
    EXPECT_TRUE(scope.BtnXY.Picture().isNone());
}

TEST_F(ModesTest, EachModeSetsItsFlagsAndButtons) {
    struct Row {
        rt::PictureControl* button;
        rt::Flag ch1, ch2, dual, xy;
    };
    const Row rows[] = {{&scope.Dual, -1, -1, -1, 0},
                        {&scope.CH2, 0, -1, 0, 0},
                        {&scope.BtnXY, 0, 0, 0, -1},
                        {&scope.CH1, -1, 0, 0, 0}};
    for (const Row& r : rows) {
        click(*r.button);
        EXPECT_EQ(code.ModeCH1, r.ch1) << r.button->name();
        EXPECT_EQ(code.ModeCH2, r.ch2) << r.button->name();
        EXPECT_EQ(code.ModeDual, r.dual) << r.button->name();
        EXPECT_EQ(code.ModeXY, r.xy) << r.button->name();
        for (rt::PictureControl* b : {&scope.CH1, &scope.CH2, &scope.Dual, &scope.BtnXY})
            EXPECT_EQ(b->Picture(), pic(scope.ImageList2, b == r.button ? 2 : 1)) << r.button->name();
    }
}

TEST_F(ModesTest, InvertTurnsTheLevelOverAndTheInputWithIt) {
    code.EntreeY2 = 4;
    toDC(2);
    click(scope.InvY2);
    EXPECT_EQ(code.NiveauY2, -4);
    EXPECT_EQ(code.EntreeY2, -4);
    // The coupling switch copies the input: it must not bring the old sign back.
    click(scope.DCV2);
    move(scope.ACV2);
    click(scope.ACV2);
    EXPECT_EQ(code.NiveauY2, -4);
}

// Powered, the turned-over level is drawn at once: the trace goes to the other side of its
// position, not only at the next redraw some other control asks for.
TEST_F(ModesTest, InvertRedrawsTheSecondTraceAtOnceWhenPowered) {
    powerOn();
    click(scope.CH2);
    code.EntreeY2 = 2;
    toDC(2);
    const float before = scope.Ten2.Y1();
    EXPECT_FLOAT_EQ(before, static_cast<float>(-10 * 2 / code.VoltDiv2 + code.PosY2));
    click(scope.InvY2);
    EXPECT_TRUE(scope.Ten2.Visible());
    EXPECT_FLOAT_EQ(scope.Ten2.Y1(), static_cast<float>(10 * 2 / code.VoltDiv2 + code.PosY2));
    click(scope.InvY2);
    EXPECT_FLOAT_EQ(scope.Ten2.Y1(), before);
}

TEST_F(ModesTest, InvertOnGroundStillTurnsTheInputOver) {
    code.EntreeY2 = 4;
    click(scope.InvY2);
    EXPECT_EQ(code.NiveauY2, 0);
    toDC(2);
    EXPECT_EQ(code.NiveauY2, -4);
}

}  // namespace
