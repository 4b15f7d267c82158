// Whole practicals where numbers matter beyond one value: the running spot at the ramp's level,
// the running spot stopped at power off, the recorded curve dot by dot, both ramps stopped by the
// ground lead, the panel kept across a visit to the bench.

#include <cmath>

#include "PanelFixture.h"

namespace {

using PracticalTest = PanelTest;

TEST_F(PracticalTest, SlowTimeBaseShowsARunningSpotAtTheRampsLevel) {
    circuit(5, 10000, 0.001);
    powerOn();
    place(scope.R1, kYA);
    place(scope.N1, kYB);
    toDC(1);
    hold(scope.Tdivcontrol, Half::Left, 800);  // 20 ms/div
    chargeSwitch();
    wait(10000);
    EXPECT_TRUE(scope.faisceau1(0).Visible());
    EXPECT_FALSE(scope.Ten1.Visible());
    EXPECT_FLOAT_EQ(scope.faisceau1(0).Top(), static_cast<float>(-10 * code.NiveauY1 - 1.5));
    EXPECT_TRUE(scope.Timer7.Enabled());
}

// Switching off stops the running spot's timer: a spot left running in the dark would go on
// moving (and asking for repaints) until the instrument is switched on again.
TEST_F(PracticalTest, PowerOffStopsTheRunningSpot) {
    circuit(5, 10000, 0.001);
    powerOn();
    place(scope.R1, kYA);
    toDC(1);
    hold(scope.Tdivcontrol, Half::Left, 800);  // 20 ms/div
    wait(500);
    ASSERT_TRUE(scope.Timer7.Enabled());
    click(scope.Powerclick);
    EXPECT_FALSE(scope.PowerOn);
    EXPECT_FALSE(scope.Timer7.Enabled());
    const float left = scope.faisceau1(0).Left();
    wait(500);
    EXPECT_FLOAT_EQ(scope.faisceau1(0).Left(), left);
}

TEST_F(PracticalTest, RecordingAfterResetDrawsTheChargeCurveAsDots) {
    circuit(5, 1000, 0.000001);
    powerOn();
    place(scope.R1, kYA);
    place(scope.N1, kYB);
    toDC(1);
    click(scope.Stor);
    app.mouse().down(scope.Reset, 1, 0, 5, 5);
    app.mouse().up(scope.Reset, 1, 0, 5, 5);
    chargeSwitch();
    ASSERT_EQ(scope.faisceau1.Count(), 1002);
    const rt::Shape& dot = scope.faisceau1(101);
    EXPECT_FLOAT_EQ(dot.Left(), 10);
    EXPECT_EQ(dot.Top(), -33.10603f);
    EXPECT_TRUE(dot.Visible());
    EXPECT_EQ(code.NiveauY1, 5);
    // A smooth curve: every dot lies on u = E (1 - exp(-t / RC)) one hundredth of a division on.
    for (int k = 1; k <= 1001; k += 50) {
        const double t = (k - 1) * 0.01;
        const double u = 5 * (1 - std::exp(-t / 1.0));
        EXPECT_NEAR(scope.faisceau1(k).Top(), -10 * u - 1.5, 1e-4) << k;
    }
    EXPECT_EQ(scope.DiodeV2.Picture(), pic(scope.ImageList2, 5));
}

TEST_F(PracticalTest, RemovedGroundStopsBothRunningRamps) {
    circuit(5, 10000, 0.001);
    powerOn();
    click(scope.Dual);
    place(scope.R1, kYA);
    place(scope.R2, kYD);
    place(scope.N1, kYB);
    toDC(1);
    toDC(2);
    chargeSwitch();
    EXPECT_TRUE(scope.Timer8.Enabled());
    EXPECT_FALSE(scope.Timer11.Enabled());  // "DB" is set at once
    EXPECT_EQ(code.NiveauY2, 5);
    wait(1000);
    dblClick(scope.bmasse);
    EXPECT_FALSE(scope.Timer8.Enabled());
    EXPECT_EQ(code.NiveauY1, 0);
    EXPECT_EQ(code.EntreeY1, 0);
    EXPECT_EQ(code.NiveauY2, 0);
    EXPECT_EQ(code.EntreeY2, 0);
    wait(1000);
    EXPECT_EQ(code.NiveauY1, 0);
}

TEST_F(PracticalTest, GoingBackToTheBenchAndReturningKeepsThePanel) {
    powerOn();
    hold(scope.SV1control, Half::Left, 400);
    place(scope.R1, kYA);
    click(scope.retour);
    EXPECT_FALSE(scope.Visible());
    scope.Show();
    EXPECT_EQ(scope.CranSensi1, 3);
    EXPECT_EQ(scope.PointY1, 2);
    EXPECT_TRUE(scope.bY1.Visible());
    EXPECT_TRUE(bench.Y1.Visible());
}

}  // namespace
