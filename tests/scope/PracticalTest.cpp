// Whole practicals on the panel: the slow charge watched as a ramp, a recording after RESET, both
// channels measuring at once, and the leads and the inversion that must not come undone.

#include <cmath>

#include "PanelFixture.h"

namespace {

using PracticalTest = PanelTest;

// 5 V, 10 kOhm, 1000 uF: the charge takes ln(100) x R x C = 46 s to come within 1 %.
TEST_F(PracticalTest, SlowChargeRampsChannelOneOverFortySixSeconds) {
    circuit(5, 10000, 0.001);
    powerOn();
    click(scope.Schemvisi);
    place(scope.R1, kYA);
    place(scope.N1, kYB);
    toDC(1);
    chargeSwitch();
    EXPECT_EQ(code.Branche1, "AB");
    EXPECT_NEAR(code.Tcharge, 46051.7, 0.1);
    EXPECT_TRUE(scope.Timer8.Enabled());
    EXPECT_EQ(code.NiveauY1, 0);
    wait(100);
    const float step = static_cast<float>(5 / code.Tcharge * 100);
    EXPECT_DOUBLE_EQ(code.NiveauY1, step);
    EXPECT_FLOAT_EQ(scope.Ten1.Y1(), static_cast<float>(-10 * code.NiveauY1));
    wait(23000);
    EXPECT_NEAR(code.NiveauY1, 2.5, 0.02);
    wait(22900);  // 460 ticks: just short of the end
    EXPECT_TRUE(scope.Timer8.Enabled());
    EXPECT_LT(code.NiveauY1, 5);
    wait(100);
    EXPECT_EQ(code.NiveauY1, 5);
    EXPECT_FALSE(scope.Timer8.Enabled());
    EXPECT_FLOAT_EQ(scope.Ten1.Y1(), -50);
}

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

// Four connections with the switch at charge, E = 5 V, R = 1 kOhm, C = 1 uF (fast: no ramp).
TEST_F(PracticalTest, BothChannelsMeasureTheirOwnConnection) {
    circuit(5, 1000, 0.000001);
    powerOn();
    click(scope.Dual);
    toDC(1);
    toDC(2);
    struct Case {
        float y1, y2, ground;
        const char *b1, *b2;
        double charge1, charge2, discharge1, discharge2;
    };
    const Case cases[] = {
        {kYD, kYA, kYB, "DB", "AB", 5, 5, 0, 0},
        {kYD, kYB, kYA, "DA", "BA", 0, -5, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.b1) + " / " + c.b2);
        place(scope.R1, c.y1);
        place(scope.R2, c.y2);
        place(scope.N2, c.ground);
        chargeSwitch();
        EXPECT_EQ(code.Branche1, c.b1);
        EXPECT_EQ(code.Branche2, c.b2);
        EXPECT_EQ(code.NiveauY1, c.charge1);
        EXPECT_EQ(code.NiveauY2, c.charge2);
        EXPECT_FLOAT_EQ(scope.Ten2.Y1(), static_cast<float>(-10 * c.charge2));
        dischargeSwitch();
        EXPECT_EQ(code.NiveauY1, c.discharge1);
        EXPECT_EQ(code.NiveauY2, c.discharge2);
        dblClick(scope.bY1);
        dblClick(scope.bY2);
        dblClick(scope.bmasse);
    }
}

TEST_F(PracticalTest, RemovedProbeStaysRemoved) {
    circuit(5, 1000, 0.000001);
    powerOn();
    place(scope.R1, kYA);
    place(scope.N1, kYB);
    toDC(1);
    chargeSwitch();
    EXPECT_EQ(code.NiveauY1, 5);
    dblClick(scope.bY1);
    EXPECT_EQ(code.NiveauY1, 0);
    EXPECT_EQ(code.EntreeY1, 0);
    EXPECT_FLOAT_EQ(scope.Ten1.Y1(), 0);
    // The coupling switch copies the input into the level: nothing to bring back.
    click(scope.DCV1);
    move(scope.ACV1);
    click(scope.ACV1);
    EXPECT_EQ(code.NiveauY1, 0);
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

TEST_F(PracticalTest, InvertDuringARampKeepsItInverted) {
    circuit(5, 10000, 0.001);
    powerOn();
    click(scope.CH2);
    place(scope.R2, kYA);
    place(scope.N2, kYB);
    toDC(2);
    chargeSwitch();
    wait(1000);
    const double before = code.NiveauY2;
    ASSERT_GT(before, 0);
    click(scope.InvY2);
    EXPECT_EQ(code.NiveauY2, -before);
    EXPECT_EQ(code.CibleY2, -5);
    wait(100);
    EXPECT_LT(code.NiveauY2, -before);  // goes on towards -5
    wait(46000);
    EXPECT_EQ(code.NiveauY2, -5);
    EXPECT_FALSE(scope.Timer11.Enabled());
    // Inverting back turns the level and the input over again.
    click(scope.InvY2);
    EXPECT_EQ(code.NiveauY2, 5);
    EXPECT_EQ(code.EntreeY2, 5);
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
