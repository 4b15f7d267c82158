// What the scenarios cannot say about the bench: where labels sit relative to each other (the
// ohm sign right after a caption whose width depends on the font), positions re-expressed when
// the schematic takes its scale, which hit areas a pointer can reach in each strip position,
// and that a refused switch does not even create the oscilloscope.
#include "BenchFixture.h"

namespace {

class BenchWindowTest : public BenchTest {
protected:
    void turnR(int knob, Side s, int steps) { hold(bench().RCtl(knob), s, steps * 200 + 50); }
    void turnC(int knob, Side s, int steps) { hold(bench().Cctl(knob), s, steps * 200 + 50); }
    void expectOmegaAfterValR() {
        Chargedecharge& b = bench();
        EXPECT_FLOAT_EQ(b.Omega.Left(), b.ValR.Left() + b.ValR.Width()) << b.ValR.Caption();
    }
    void expectValCInside() {
        Chargedecharge& b = bench();
        EXPECT_FLOAT_EQ(b.ValC.Left(), b.ValC.Width() > 20 ? 53.5f : 57.0f) << b.ValC.Caption();
    }
};

TEST_F(BenchWindowTest, DesignPositionsStayPutWhenTheSchematicTakesItsScale) {
    Chargedecharge& b = bench();
    // 308 x 404 px = 4620 x 6060 twips, so one unit is 46.2 twips across and 60.6 down.
    EXPECT_FLOAT_EQ(b.Schemaelec.Width(), 4620);
    EXPECT_NEAR(b.Vle.Left(), 1440 / 46.2, 1e-4);
    EXPECT_NEAR(b.Vle.Top(), 2925 / 60.6, 1e-4);
    EXPECT_NEAR(b.Masse.Left(), 1710 / 46.2, 1e-4);
    EXPECT_NEAR(b.Masse.Top(), 3435 / 60.6, 1e-4);
    EXPECT_NEAR(b.Y1.Left(), 30 / 46.2, 1e-4);
    EXPECT_NEAR(b.Y2.Top(), 990 / 60.6, 1e-4);
    EXPECT_NEAR(b.Vle.windowRect().x, 150 + 1440, 0.01);
    EXPECT_NEAR(b.Vle.windowRect().y, 150 + 2925, 0.01);
}

TEST_F(BenchWindowTest, OhmSignFollowsEveryResistanceCaption) {
    Chargedecharge& b = bench();
    expectOmegaAfterValR();
    const float atZero = b.ValR.Width();
    turnR(4, Side::Right, 1);  // "10 "
    expectOmegaAfterValR();
    turnR(1, Side::Right, 1);  // "10,01 k"
    EXPECT_GT(b.ValR.Width(), atZero);
    expectOmegaAfterValR();
    turnR(1, Side::Left, 1);
    turnR(4, Side::Left, 1);  // back to "0 "
    EXPECT_FLOAT_EQ(b.ValR.Width(), atZero);
    expectOmegaAfterValR();
    EXPECT_FLOAT_EQ(b.Omega.Top(), 32.4f);
}

TEST_F(BenchWindowTest, CapacitanceCaptionMovesLeftOnlyWhileItIsLong) {
    Chargedecharge& b = bench();
    b.FlecheG_Click();
    for (int k = 1; k <= 4; ++k) turnC(k, Side::Right, 10);
    b.FlecheD_Click();
    b.FlecheD_Click();
    turnC(5, Side::Right, 10);
    turnC(6, Side::Right, 10);
    EXPECT_EQ(b.ValC.Caption(), "11,1111 mF");
    ASSERT_GT(b.ValC.Width(), 20);
    EXPECT_FLOAT_EQ(b.ValC.Left(), 53.5f);
    turnC(6, Side::Left, 10);
    turnC(5, Side::Left, 10);
    turnC(4, Side::Left, 10);
    turnC(3, Side::Left, 10);  // "11 mF"
    expectValCInside();
    EXPECT_FLOAT_EQ(b.ValC.Left(), 57);
}

TEST_F(BenchWindowTest, HitAreasAboveTheKnobPicturesAreReachable) {
    Chargedecharge& b = bench();
    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(reachable(b.RCtl(i))) << rt::unreachableReason(b.RCtl(i), 277, 292);
        // The hit area lies over its knob picture, so the picture itself is covered there.
        EXPECT_FALSE(reachable(b.Rpot(i), 525, 487));
    }
    for (rt::Control* c : {static_cast<rt::Control*>(&b.genectl), static_cast<rt::Control*>(&b.Genefinctl),
                           static_cast<rt::Control*>(&b.powerctl)})
        EXPECT_TRUE(reachable(*c)) << c->fullName();
}

TEST_F(BenchWindowTest, OnlyTheKnobsInTheBoxWindowCanBeReached) {
    Chargedecharge& b = bench();
    const bool start[6] = {false, true, true, true, true, false};
    const bool left[6] = {true, true, true, true, false, false};
    const bool right[6] = {false, false, true, true, true, true};
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(reachable(b.Cctl(i)), start[i - 1]) << "start, knob " << i;
    b.FlecheG_Click();
    EXPECT_FALSE(reachable(b.FlecheG));
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(reachable(b.Cctl(i)), left[i - 1]) << "at 0, knob " << i;
    b.FlecheD_Click();
    b.FlecheD_Click();
    EXPECT_FALSE(reachable(b.FlecheD));
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(reachable(b.Cctl(i)), right[i - 1]) << "at -2800, knob " << i;
    // The hit areas slid with their knobs.
    EXPECT_DOUBLE_EQ(b.Cctl(3).windowRect().x - b.Cpot(3).windowRect().x, 250);
}

TEST_F(BenchWindowTest, MenuStripShowsThreeButtonsAtATime) {
    Chargedecharge& b = bench();
    EXPECT_FALSE(reachable(b.Btnordi));
    EXPECT_TRUE(reachable(b.Oscilloaffich));
    EXPECT_FALSE(reachable(b.fD));
    b.fG_Click();
    EXPECT_TRUE(reachable(b.Btnordi));
    EXPECT_FALSE(reachable(b.Oscilloaffich));
    EXPECT_TRUE(reachable(b.Bretour));
    EXPECT_TRUE(reachable(b.Bmain));
    EXPECT_FALSE(reachable(b.fG));
    b.fD_Click();
    EXPECT_FALSE(reachable(b.Btnordi));
    EXPECT_TRUE(reachable(b.Oscilloaffich));
}

TEST_F(BenchWindowTest, RefusedSwitchLeavesTheOscilloscopeUncreated) {
    Chargedecharge& b = bench();
    click(b.powerctl);
    hold(b.genectl, Side::Right, 250);
    ASSERT_TRUE(b.shortCircuit());
    click(b.Oscilloaffich);
    EXPECT_EQ(prog.app().existing("Oscillo"), nullptr);
    EXPECT_EQ(prog.app().active(), &b);
    // Any one knob off 0 lifts the condition, which is read afresh from the shared state.
    turnC(5, Side::Right, 1);
    EXPECT_FALSE(b.shortCircuit());
    click(b.Oscilloaffich);
    ASSERT_NE(prog.app().existing("Oscillo"), nullptr);
    EXPECT_EQ(prog.app().active(), prog.app().existing("Oscillo"));
    EXPECT_FALSE(b.Visible());
}

TEST_F(BenchWindowTest, FormStateIsReadableByNameWithinItsBounds) {
    const rt::Variables& v = bench().vars();
    rt::Value out;
    ASSERT_TRUE(v.read("CranR", 4, true, out));
    EXPECT_EQ(out.text(), "1");
    EXPECT_FALSE(v.read("CranR", 5, true, out));
    EXPECT_FALSE(v.read("CranC", 0, true, out));
    ASSERT_TRUE(v.read("CranC", 6, true, out));
    ASSERT_TRUE(v.read("ValeurE", 0, false, out));
    EXPECT_EQ(out.kind(), rt::Value::Kind::Single);
}

}  // namespace
