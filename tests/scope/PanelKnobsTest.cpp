// The knobs of the panel on the real window, where the screen must follow: the redraw at the
// release (or at every tick for the positions, never in X-Y for the time base), nothing drawn
// while off, the offsets' limits, and the screen sliding under a still graticule.

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

TEST_F(KnobsTest, TimeBaseReleaseInXYDoesNotRedrawButVoltsPerDivisionDoes) {
    powerOn();
    click(scope.BtnXY);
    code.NiveauY1 = 1;
    hold(scope.Tdivcontrol, Half::Left, 200);
    EXPECT_FLOAT_EQ(scope.XY(0).Left(), 50);   // not redrawn
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

TEST_F(KnobsTest, PositionReleaseNeverRedrawsByItself) {
    powerOn();
    code.NiveauY1 = 3;  // a level the screen has not drawn yet
    hold(scope.PosV1, Half::Left, 50);
    EXPECT_EQ(code.PosY1, 0);
    EXPECT_EQ(scope.CranPosV1, 27);
    EXPECT_FLOAT_EQ(scope.Ten1.Y1(), 0);
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
