// The eight knobs of the panel as the student turns them: the selectors with their end stops and
// tables, the endless position knobs with their clamped offsets and the sliding screen, and
// INTENSITY and FOCUS in steps of four pictures.

#include "PanelFixture.h"

namespace {

using KnobsTest = PanelTest;

TEST_F(KnobsTest, ReleaseBeforeTheFirstTickChangesNothingButStillRedrawsWhenOn) {
    powerOn();
    code.NiveauY1 = 2;  // a level the screen has not drawn yet
    hold(scope.SV1control, Half::Left, 199);
    EXPECT_EQ(scope.CranSensi1, 5);
    EXPECT_EQ(scope.SensiV1.Picture(), pic(scope.Sensivert, 5));
    EXPECT_EQ(code.VoltDiv1, 1.0);
    EXPECT_TRUE(scope.Ten1.Visible());  // the release redrew: 1 ms/div draws a line
    EXPECT_FLOAT_EQ(scope.Ten1.Y1(), -20);
}

TEST_F(KnobsTest, Ch1SelectorStopsAtTwentyVoltsAndKeepsCopyingIt) {
    hold(scope.SV1control, Half::Left, 800);
    EXPECT_EQ(scope.CranSensi1, 1);
    EXPECT_EQ(code.VoltDiv1, 20);
    // Further ticks leave the picture alone and copy the value again.
    scope.SensiV1.clearPicture();
    code.VoltDiv1 = 0;
    hold(scope.SV1control, Half::Left, 400);
    EXPECT_TRUE(scope.SensiV1.Picture().isNone());
    EXPECT_EQ(code.VoltDiv1, 20);
    EXPECT_EQ(scope.RotGauche, rt::True);
}

TEST_F(KnobsTest, Ch2SelectorTurnsUpToOneMillivoltWithTheRightButton) {
    hold(scope.SV2control, Half::Right, 200 * 20, 2);
    EXPECT_EQ(scope.CranSensi2, 14);
    EXPECT_EQ(scope.SensiV2.Picture(), pic(scope.Sensivert, 14));
    EXPECT_EQ(code.VoltDiv2, 0.001);
    EXPECT_EQ(scope.CranSensi1, 5);  // the other channel is untouched
}

TEST_F(KnobsTest, TimeBaseReachesItsFastestDetentAfterTenTicks) {
    hold(scope.Tdivcontrol, Half::Right, 2000);
    EXPECT_EQ(scope.CranBalay, 18);
    EXPECT_EQ(code.TempsDiv, 0.0005);
    EXPECT_EQ(scope.TDiv.Picture(), pic(scope.Balay, 18));
    hold(scope.Tdivcontrol, Half::Left, 200 * 17);
    EXPECT_EQ(scope.CranBalay, 1);
    EXPECT_EQ(code.TempsDiv, 200);
}

TEST_F(KnobsTest, MiddleOfASelectorTurnsUpAndShowsTheTurnUpHand) {
    move(scope.SV1control, 855 / 2.0f);
    EXPECT_EQ(scope.SV1control.MousePointer(), cursor(4));
    move(scope.SV1control, 400);
    EXPECT_EQ(scope.SV1control.MousePointer(), cursor(3));
    hold(scope.SV1control, Half::Middle, 200);
    EXPECT_EQ(scope.CranSensi1, 6);
}

TEST_F(KnobsTest, TimeBaseReleaseInXYDoesNotRedrawButVoltsPerDivisionDoes) {
    powerOn();
    click(scope.BtnXY);
    code.NiveauY1 = 1;
    hold(scope.Tdivcontrol, Half::Left, 200);
    EXPECT_FLOAT_EQ(scope.XY(0).Left(), 50);  // not redrawn
    hold(scope.SV1control, Half::Right, 200);  // 0.5 V/div: 1 V is two divisions right
    EXPECT_FLOAT_EQ(scope.XY(0).Left(), 70);
}

TEST_F(KnobsTest, PoweredOffKnobsTurnAndDrawNothing) {
    code.NiveauY1 = 1;
    hold(scope.SV1control, Half::Left, 200);
    hold(scope.PosV1, Half::Left, 300);
    hold(scope.Intens, Half::Right, 300);
    EXPECT_EQ(code.VoltDiv1, 2);
    EXPECT_EQ(code.PosY1, 3);
    EXPECT_EQ(code.NivIntens, 3);
    EXPECT_FALSE(scope.Ten1.Visible());
    EXPECT_FALSE(scope.faisceau1(0).Visible());
}

TEST_F(KnobsTest, VerticalPositionClampsAtFiftyWhileThePictureGoesRound) {
    powerOn();
    hold(scope.PosV1, Half::Left, 5000);
    EXPECT_EQ(code.PosY1, 50);
    EXPECT_EQ(scope.CranPosV1, 30);  // 27 - 50 taken round 1..53
    EXPECT_EQ(scope.PosV1.Picture(), pic(scope.DecalDG, 30));
    EXPECT_FLOAT_EQ(scope.Ten1.Y1(), 50);  // each tick redrew
    // At the limit the ticks still redraw.
    scope.Ten1.setY1(0);
    hold(scope.PosV1, Half::Left, 100);
    EXPECT_EQ(scope.CranPosV1, 30);
    EXPECT_FLOAT_EQ(scope.Ten1.Y1(), 50);
    hold(scope.PosV2, Half::Right, 20000);
    EXPECT_EQ(code.PosY2, -50);
}

TEST_F(KnobsTest, FiftyThreeStepsBringThePictureBack) {
    hold(scope.PosV2, Half::Right, 5300);
    EXPECT_EQ(code.PosY2, -50);  // stopped after 50 steps
    EXPECT_EQ(scope.CranPosV2, 24);  // 27 + 50 taken round 1..53
    hold(scope.PosV2, Half::Left, 5300);
    EXPECT_EQ(code.PosY2, 3);
    EXPECT_EQ(scope.CranPosV2, 24);
    EXPECT_EQ(scope.PosV2.Picture(), pic(scope.DecalDG, 24));
}

TEST_F(KnobsTest, HorizontalPositionSlidesTheScreenButNotTheGraticule) {
    hold(scope.PosH, Half::Right, 5000);
    EXPECT_EQ(code.PosX, 50);
    EXPECT_FLOAT_EQ(scope.Ecran.Left(), 5715);
    EXPECT_FLOAT_EQ(scope.Axe.Left(), -100);
    // The graticule drawn on the moving screen stays over the fixed one within a tenth of a
    // twip per step.
    const double drift = scope.Axe.windowRect().x - scope.Axefond.windowRect().x;
    EXPECT_NEAR(drift, -0.1 * 50, 1e-3);
    hold(scope.PosH, Half::Left, 100);
    EXPECT_EQ(code.PosX, 49);
    EXPECT_EQ(scope.Ecran.Left(), static_cast<float>(49 * 111.9 + 120));
}

TEST_F(KnobsTest, HorizontalPositionInXYMovesOnlyTheKnob) {
    powerOn();
    click(scope.BtnXY);
    scope.XY(0).setLeft(0);
    hold(scope.PosH, Half::Left, 300);
    EXPECT_EQ(code.PosX, -3);
    EXPECT_EQ(scope.CranPosH, 24);
    EXPECT_FLOAT_EQ(scope.Ecran.Left(), 120);
    EXPECT_FLOAT_EQ(scope.Axe.Left(), 0);
    EXPECT_FLOAT_EQ(scope.XY(0).Left(), 0);  // not redrawn
    // Back to a time-based mode, the shift is applied again.
    click(scope.CH1);
    EXPECT_EQ(scope.Ecran.Left(), static_cast<float>(-3 * 111.9 + 120));
    EXPECT_FLOAT_EQ(scope.Axe.Left(), 6);
}

TEST_F(KnobsTest, PositionReleaseNeverRedrawsByItself) {
    powerOn();
    code.NiveauY1 = 3;  // a level the screen has not drawn yet
    hold(scope.PosV1, Half::Left, 50);
    EXPECT_EQ(code.PosY1, 0);
    EXPECT_EQ(scope.CranPosV1, 27);
    EXPECT_FLOAT_EQ(scope.Ten1.Y1(), 0);
}

TEST_F(KnobsTest, IntensityAndFocusStepByFourPicturesBetweenTheirEnds) {
    hold(scope.Intens, Half::Left, 600);
    EXPECT_EQ(scope.CranIntens, 3);
    EXPECT_EQ(code.NivIntens, -6);
    hold(scope.Intens, Half::Left, 300);
    EXPECT_EQ(scope.CranIntens, 3);
    EXPECT_EQ(code.NivIntens, -6);
    hold(scope.Focus, Half::Right, 1000);
    EXPECT_EQ(scope.CranFocus, 51);
    EXPECT_EQ(code.NivFocus, 6);
    EXPECT_EQ(scope.Focus.Picture(), pic(scope.DecalDG, 51));
    move(scope.Focus, scope.Focus.Width() / 2);
    EXPECT_EQ(scope.Focus.MousePointer(), cursor(4));
}

TEST_F(KnobsTest, IntensityShowsItsColourAtTheReleaseOnly) {
    powerOn();  // draws CH1's line in the start colour
    app.mouse().down(scope.Intens, 1, 0, 450, 10);
    wait(300);
    EXPECT_EQ(scope.Ten1.BorderColor(), code.Couleur[6]);  // nothing redrawn while turning
    app.mouse().up(scope.Intens, 1, 0, 450, 10);
    EXPECT_EQ(scope.Ten1.BorderColor(), code.Couleur[9]);
}

}  // namespace
