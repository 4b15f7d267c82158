// The level ramps: a channel's level slides to its end value in 100 ms ticks and stops there,
// from whichever side the end is approached; a new ramp continues from the present level.

#include "ScreenFixture.h"

TEST_F(EngineTest, RampReachesItsEndOnTheLastTickAndStops) {
    sig.LanceRampe(500, rt::False, 0, 5, 1);
    EXPECT_EQ(code.NiveauY1, 0);  // nothing before the first tick
    for (double v : {1.0, 2.0, 3.0, 4.0, 5.0}) {
        wait(100);
        EXPECT_DOUBLE_EQ(code.NiveauY1, v);
        EXPECT_DOUBLE_EQ(code.EntreeY1, v);
    }
    EXPECT_FALSE(w.Timer8.Enabled());
    EXPECT_FLOAT_EQ(code.PasY1, 1);
}

TEST_F(EngineTest, RampStepIsStoredInSinglePrecision) {
    sig.LanceRampe(46051.70185988091, rt::False, 0, 5, 1);
    const float step = static_cast<float>(5 / 46051.70185988091 * 100);
    EXPECT_EQ(code.PasY1, step);
    wait(100);
    EXPECT_EQ(code.NiveauY1, static_cast<double>(step));
}

TEST_F(EngineTest, OvershootingTickIsClampedToTheEnd) {
    sig.LanceRampe(250, rt::False, 0, 5, 1);
    wait(200);
    EXPECT_DOUBLE_EQ(code.NiveauY1, 4);
    wait(100);
    EXPECT_DOUBLE_EQ(code.NiveauY1, 5);
    EXPECT_FALSE(w.Timer8.Enabled());
}

TEST_F(EngineTest, RampsToZeroStopAtZeroFromEitherSide) {
    sig.LanceRampe(500, rt::True, 5, 0, 1);
    wait(500);
    EXPECT_EQ(code.NiveauY1, 0);
    EXPECT_FALSE(w.Timer8.Enabled());
    sig.LanceRampe(500, rt::True, -5, 0, 2);
    wait(500);
    EXPECT_EQ(code.NiveauY2, 0);
    EXPECT_FALSE(w.Timer11.Enabled());
}

TEST_F(EngineTest, RampToZeroShortOfZeroByRoundingTakesOneTickMore) {
    // -5/3 V per tick in single precision leaves 1.2e-7 V after three ticks: not the end yet.
    sig.LanceRampe(300, rt::True, 5, 0, 1);
    wait(300);
    EXPECT_GT(code.NiveauY1, 0);
    EXPECT_LT(code.NiveauY1, 1e-6);
    EXPECT_TRUE(w.Timer8.Enabled());
    wait(100);
    EXPECT_EQ(code.NiveauY1, 0);
    EXPECT_FALSE(w.Timer8.Enabled());
}

TEST_F(EngineTest, RampsToANegativeEndStopThere) {
    sig.LanceRampe(400, rt::False, 0, -5, 2);
    wait(300);
    EXPECT_DOUBLE_EQ(code.NiveauY2, -3.75);
    wait(100);
    EXPECT_DOUBLE_EQ(code.NiveauY2, -5);
    EXPECT_FALSE(w.Timer11.Enabled());
}

TEST_F(EngineTest, NewRampContinuesFromThePresentLevelWithTheFullStep) {
    sig.LanceRampe(500, rt::False, 0, 5, 1);
    wait(300);
    ASSERT_DOUBLE_EQ(code.NiveauY1, 3);
    // The discharge keeps the step of a whole ramp from 5 to 0: 3 ticks instead of 5.
    sig.LanceRampe(500, rt::True, 5, 0, 1);
    EXPECT_DOUBLE_EQ(code.CourantY1, 3);
    wait(200);
    EXPECT_DOUBLE_EQ(code.NiveauY1, 1);
    EXPECT_TRUE(w.Timer8.Enabled());
    wait(100);
    EXPECT_EQ(code.NiveauY1, 0);
    EXPECT_FALSE(w.Timer8.Enabled());
}

TEST_F(EngineTest, RampMovingAwayFromItsEndStopsAtOnce) {
    // Level at +2, ramp from -5 up to 0: the first tick already lies beyond 0.
    code.NiveauY1 = 2;
    sig.LanceRampe(500, rt::True, 0, 5, 1);  // something running, so the next one continues
    sig.LanceRampe(500, rt::True, -5, 0, 1);
    wait(100);
    EXPECT_EQ(code.NiveauY1, 0);
    EXPECT_FALSE(w.Timer8.Enabled());
}

TEST_F(EngineTest, RampStopsOnlyAtTheExactEnd) {
    // 0.7 V in single precision is a little less than 0.7: three ticks leave the level just short
    // of 2.1, so the ramp runs one tick more and the clamp ends it.
    sig.LanceRampe(300, rt::False, 0, 2.1, 1);
    wait(300);
    const double step = static_cast<double>(0.7f);
    EXPECT_EQ(code.NiveauY1, step + step + step);
    EXPECT_LT(code.NiveauY1, 2.1);
    EXPECT_TRUE(w.Timer8.Enabled());
    wait(100);
    EXPECT_EQ(code.NiveauY1, 2.1);
    EXPECT_FALSE(w.Timer8.Enabled());
}

TEST_F(EngineTest, RampsOfTheTwoChannelsAreIndependent) {
    code.ModeCH2 = rt::True;
    sig.LanceRampe(500, rt::False, 0, 5, 1);
    wait(200);
    sig.LanceRampe(200, rt::False, 0, -2, 2);
    wait(100);
    EXPECT_DOUBLE_EQ(code.NiveauY1, 3);
    EXPECT_DOUBLE_EQ(code.NiveauY2, -1);
}

TEST_F(EngineTest, RampKeepsRisingBehindASwitchedOffScreen) {
    // Switched off: the level follows the ramp but nothing is drawn, and the running spot's
    // timer, stopped by the power switch, stays stopped.
    code.TempsDiv = 100;
    w.PowerOn = rt::False;
    sig.LanceRampe(500, rt::False, 0, 5, 1);
    wait(300);
    EXPECT_DOUBLE_EQ(code.NiveauY1, 3);
    EXPECT_FALSE(w.faisceau1(0).Visible());
    EXPECT_FALSE(w.Timer7.Enabled());
    // Back on, the next tick draws the spot at the present level.
    w.PowerOn = rt::True;
    wait(100);
    EXPECT_TRUE(w.faisceau1(0).Visible());
    EXPECT_FLOAT_EQ(w.faisceau1(0).Top(), -41.5f);
}

TEST_F(EngineTest, LevelSetAtOnceStopsTheChannelsRamp) {
    sig.LanceRampe(500, rt::False, 0, 5, 1);
    wait(200);
    sig.setLevel(1, -1);
    EXPECT_FALSE(w.Timer8.Enabled());
    wait(300);
    EXPECT_EQ(code.NiveauY1, -1);
    EXPECT_EQ(code.EntreeY1, -1);
}
