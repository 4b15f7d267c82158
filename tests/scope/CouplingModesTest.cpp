// The coupling sliders (take, choose on the way, let go), the MODE buttons with their table and
// ignored presses, and CH2 INVERT.

#include "PanelFixture.h"

namespace {

using CouplingTest = PanelTest;
using ModesTest = PanelTest;

TEST_F(CouplingTest, OnlyTheSquareHoldingTheSliderCanBeTaken) {
    for (rt::PictureControl* sq : {&scope.ACV1, &scope.DCV1, &scope.ACV2, &scope.DCV2}) {
        click(*sq);
        EXPECT_EQ(scope.ChoixCouplage, rt::False) << sq->name();
    }
    click(scope.GND2);
    EXPECT_EQ(scope.ChoixCouplage, rt::True);
    for (rt::PictureControl* sq : {&scope.ACV2, &scope.DCV2, &scope.GND2}) EXPECT_EQ(sq->MousePointer(), cursor(1));
    EXPECT_EQ(scope.ACV1.MousePointer(), cursor(2));  // the other channel's cursors stay
}

TEST_F(CouplingTest, SliderChoosesEverySquareOnTheWayAndLetsGoOnTheLast) {
    code.EntreeY1 = 5;
    click(scope.GND1);
    move(scope.DCV1);
    EXPECT_EQ(scope.CouplDC1, rt::True);
    EXPECT_EQ(code.MasseY1, rt::False);
    EXPECT_EQ(code.NiveauY1, 5);
    move(scope.ACV1);
    click(scope.ACV1);
    EXPECT_EQ(scope.ChoixCouplage, rt::False);
    EXPECT_EQ(scope.CouplAC1, rt::True);
    EXPECT_EQ(scope.CouplDC1, rt::False);
    EXPECT_EQ(code.MasseY1, rt::False);
    EXPECT_EQ(code.NiveauY1, 5);
    EXPECT_EQ(scope.ACV1.Picture(), pic(scope.ImageList2, 3));
    EXPECT_EQ(scope.DCV1.Picture(), pic(scope.ImageList2, 4));
    EXPECT_EQ(scope.GND1.Picture(), pic(scope.ImageList2, 4));
    EXPECT_EQ(scope.ACV1.MousePointer(), cursor(1));
    EXPECT_EQ(scope.DCV1.MousePointer(), cursor(2));
    EXPECT_EQ(scope.GND1.MousePointer(), cursor(2));
    // Back to GND: the level goes to 0, the input stays.
    click(scope.ACV1);
    move(scope.GND1);
    click(scope.GND1);
    EXPECT_EQ(code.MasseY1, rt::True);
    EXPECT_EQ(code.NiveauY1, 0);
    EXPECT_EQ(code.EntreeY1, 5);
}

TEST_F(CouplingTest, ThePanelBackgroundLetsGoWithoutAClick) {
    click(scope.GND1);
    app.mouse().moveTo(scope, 0, 0, 100, 100);
    EXPECT_EQ(scope.ChoixCouplage, rt::False);
    move(scope.DCV1);
    EXPECT_EQ(code.MasseY1, rt::True);
    EXPECT_EQ(scope.CouplDC1, rt::False);
}

TEST_F(CouplingTest, WhileHeldTheOtherChannelsColumnChoosesToo) {
    code.EntreeY2 = 3;
    click(scope.GND1);
    move(scope.DCV2);
    EXPECT_EQ(scope.CouplDC2, rt::True);
    EXPECT_EQ(code.NiveauY2, 3);
    EXPECT_EQ(code.MasseY1, rt::True);
}

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

TEST_F(ModesTest, BothThenCh1HidesTheSecondChannel) {
    powerOn();
    click(scope.Dual);
    EXPECT_TRUE(scope.Ten2.Visible());
    click(scope.CH1);
    EXPECT_FALSE(scope.Ten2.Visible());
    EXPECT_FALSE(scope.faisceau2(0).Visible());
    EXPECT_TRUE(scope.Ten1.Visible());
}

TEST_F(ModesTest, PoweredModeChangeShowsTheNewChannelEvenWithTheGeneratorOff) {
    // The computation changes nothing with E = 0; the new mode's channel must appear all the same.
    powerOn();
    click(scope.CH2);
    EXPECT_TRUE(scope.Ten2.Visible());
    EXPECT_FALSE(scope.Ten1.Visible());
    click(scope.Dual);
    EXPECT_TRUE(scope.Ten1.Visible());
    EXPECT_TRUE(scope.Ten2.Visible());
}

TEST_F(ModesTest, PoweredOffModesMoveOnlyPicturesFlagsAndTheScreen) {
    hold(scope.PosH, Half::Right, 300);
    click(scope.BtnXY);
    EXPECT_FLOAT_EQ(scope.Ecran.Left(), static_cast<float>(3 * 111.9 + 120));  // X-Y off: not centred
    EXPECT_FALSE(scope.XY(0).Visible());
    click(scope.Dual);
    EXPECT_FALSE(scope.Ten1.Visible());
    EXPECT_FALSE(scope.Ten2.Visible());
    EXPECT_EQ(code.Branche1, "");  // nothing computed
    powerOn();
    EXPECT_TRUE(scope.Ten1.Visible());
    EXPECT_TRUE(scope.Ten2.Visible());
}

TEST_F(ModesTest, XYCentresTheScreenAndCh1PutsItBack) {
    powerOn();
    hold(scope.PosH, Half::Right, 500);
    click(scope.BtnXY);
    EXPECT_FLOAT_EQ(scope.Ecran.Left(), 120);
    EXPECT_FLOAT_EQ(scope.Axe.Left(), 0);
    EXPECT_TRUE(scope.XY(0).Visible());
    EXPECT_FLOAT_EQ(scope.XY(0).Left(), 50);
    EXPECT_FLOAT_EQ(scope.XY(0).Top(), -1.5f);
    EXPECT_FALSE(scope.Ten1.Visible());
    EXPECT_FALSE(scope.Timer7.Enabled());
    click(scope.CH2);
    EXPECT_EQ(scope.Ecran.Left(), static_cast<float>(5 * 111.9 + 120));
    EXPECT_FLOAT_EQ(scope.Axe.Left(), -10);
    EXPECT_FALSE(scope.XY(0).Visible());
}

TEST_F(ModesTest, InvertWithoutLevelTogglesOnlyTheSignAndButton) {
    click(scope.InvY2);
    EXPECT_EQ(code.SigneY2, -1);
    EXPECT_EQ(scope.InvY2.Picture(), pic(scope.ImageList2, 2));
    EXPECT_EQ(code.NiveauY2, 0);
    click(scope.InvY2);
    EXPECT_EQ(code.SigneY2, 1);
    EXPECT_EQ(scope.InvY2.Picture(), pic(scope.ImageList2, 1));
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

TEST_F(ModesTest, InvertOnGroundStillTurnsTheInputOver) {
    code.EntreeY2 = 4;
    click(scope.InvY2);
    EXPECT_EQ(code.NiveauY2, 0);
    toDC(2);
    EXPECT_EQ(code.NiveauY2, -4);
}

}  // namespace
