// The decade boxes through their hit areas: one position per 200 ms tick while held, refusals
// at 0 and 10 announced by the hover cursor, R and C written to the shared state and to the
// schematic, the ohm sign kept right after the resistance, and the capacitor box's sliding strip
// deciding which knobs a pointer can reach.
#include "BenchFixture.h"

namespace {

class DecadeBoxTest : public BenchTest {
protected:
    void turnR(int knob, Side s, int steps) { hold(bench().RCtl(knob), s, steps * 200 + 50); }
    void turnC(int knob, Side s, int steps) { hold(bench().Cctl(knob), s, steps * 200 + 50); }
};

TEST_F(DecadeBoxTest, HoldingKnobTwoForASecondGivesFiveThousandOhms) {
    Chargedecharge& b = bench();
    hold(b.RCtl(2), Side::Right, 1050);
    EXPECT_EQ(code().Rdec, 5000);
    EXPECT_EQ(b.ValR.Caption(), "5000 ");
    EXPECT_EQ(b.Rpot(2).Picture().text(), "ImaBtnDec:6");
    EXPECT_EQ(b.CranR[1], 6);
    EXPECT_EQ(b.DecadeR, 2);
    EXPECT_FLOAT_EQ(b.Omega.Left(), b.ValR.Left() + b.ValR.Width());
}

TEST_F(DecadeBoxTest, OhmSignFollowsTheResistanceText) {
    Chargedecharge& b = bench();
    const float widthAtZero = b.ValR.Width();
    turnR(1, Side::Right, 1);
    EXPECT_EQ(b.ValR.Caption(), "10 k");
    EXPECT_EQ(code().Rdec, 10000);
    EXPECT_GT(b.ValR.Width(), widthAtZero);
    EXPECT_FLOAT_EQ(b.Omega.Left(), b.ValR.Left() + b.ValR.Width());
    turnR(2, Side::Right, 2);
    turnR(3, Side::Right, 3);
    turnR(4, Side::Right, 4);
    EXPECT_EQ(b.ValR.Caption(), "12,34 k");
    EXPECT_EQ(code().Rdec, 12340);
    EXPECT_FLOAT_EQ(b.Omega.Left(), b.ValR.Left() + b.ValR.Width());
    EXPECT_FLOAT_EQ(b.Omega.Top(), 32.4f);
}

TEST_F(DecadeBoxTest, TheSameResistanceDialledTwoWays) {
    Chargedecharge& b = bench();
    turnR(4, Side::Right, 10);
    EXPECT_EQ(code().Rdec, 100);
    EXPECT_EQ(b.ValR.Caption(), "100 ");
    turnR(4, Side::Left, 10);
    turnR(3, Side::Right, 1);
    EXPECT_EQ(code().Rdec, 100);
    EXPECT_EQ(b.ValR.Caption(), "100 ");
}

TEST_F(DecadeBoxTest, ResistorKnobsRefuseAtTheirEnds) {
    Chargedecharge& b = bench();
    hover(b.RCtl(3), Side::Left);
    EXPECT_EQ(cursorOf(b.RCtl(3)), 7);
    hover(b.RCtl(3), Side::Right);
    EXPECT_EQ(cursorOf(b.RCtl(3)), 4);
    turnR(3, Side::Left, 2);
    EXPECT_EQ(b.CranR[2], 1);
    EXPECT_EQ(b.ValR.Caption(), "0 ");
    for (int k = 1; k <= 4; ++k) turnR(k, Side::Right, 12);
    EXPECT_EQ(code().Rdec, 111100);
    EXPECT_EQ(b.ValR.Caption(), "111,1 k");
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(b.CranR[static_cast<size_t>(k - 1)], 11);
        hover(b.RCtl(k), Side::Right);
        EXPECT_EQ(cursorOf(b.RCtl(k)), 8);
        hover(b.RCtl(k), Side::Left);
        EXPECT_EQ(cursorOf(b.RCtl(k)), 3);
    }
}

TEST_F(DecadeBoxTest, PressTimingAndDirection) {
    Chargedecharge& b = bench();
    hold(b.RCtl(1), Side::Right, 150);
    EXPECT_EQ(code().Rdec, 0);
    EXPECT_FALSE(b.TimerR.Enabled());
    hold(b.RCtl(1), Side::Middle, 210);  // exactly half the width turns up
    EXPECT_EQ(code().Rdec, 10000);
    EXPECT_EQ(b.RotGauche, rt::False);
    EXPECT_EQ(cursorOf(b.RCtl(1)), 4);
    mouse().down(b.RCtl(1), 1, 0, 277.4f, 100);
    EXPECT_EQ(b.RotGauche, rt::True);
    EXPECT_EQ(cursorOf(b.RCtl(1)), 3);
    mouse().up(b.RCtl(1), 1, 0, 277.4f, 100);
    hold(b.Cctl(3), Side::Middle, 210, 2);
    EXPECT_EQ(b.CranC[2], 2);
    EXPECT_EQ(b.DecadeC, 3);
}

TEST_F(DecadeBoxTest, TenthsOfAMicrofaradShowInNanofarads) {
    Chargedecharge& b = bench();
    turnC(5, Side::Right, 1);
    EXPECT_EQ(b.ValC.Caption(), "100 nF");
    EXPECT_EQ(code().Cdec, 0.1 / 1000000);
    EXPECT_EQ(b.Cpot(5).Picture().text(), "ImaBtnDec:2");
    b.FlecheD_Click();
    turnC(6, Side::Right, 1);
    EXPECT_EQ(b.ValC.Caption(), "110 nF");
}

TEST_F(DecadeBoxTest, RoundingResiduesAreKeptButNotShown) {
    Chargedecharge& b = bench();
    turnC(5, Side::Right, 3);
    EXPECT_EQ(code().Cdec, 0.30000000000000004 / 1000000);
    EXPECT_EQ(b.ValC.Caption(), "300 nF");
    b.FlecheD_Click();
    turnC(6, Side::Right, 7);
    EXPECT_EQ(b.ValC.Caption(), "370 nF");
    EXPECT_NEAR(code().Cdec, 3.7e-7, 1e-20);
}

TEST_F(DecadeBoxTest, MicrofaradsAndMillifarads) {
    Chargedecharge& b = bench();
    turnC(4, Side::Right, 1);
    turnC(5, Side::Right, 10);
    EXPECT_EQ(b.ValC.Caption(), "2 µF");
    EXPECT_EQ(code().Cdec, 2e-6);
    turnC(5, Side::Left, 5);
    EXPECT_EQ(b.ValC.Caption(), "1,5 µF");
    EXPECT_FLOAT_EQ(b.ValC.Left(), 57);
    turnC(5, Side::Left, 5);
    turnC(4, Side::Left, 1);
    b.FlecheG_Click();
    turnC(1, Side::Right, 10);
    EXPECT_EQ(b.ValC.Caption(), "10 mF");
    EXPECT_FLOAT_EQ(b.ValC.Left(), b.ValC.Width() > 20 ? 53.5f : 57.0f);
}

TEST_F(DecadeBoxTest, LongCaptionsMoveLeftAndShortOnesBack) {
    Chargedecharge& b = bench();
    b.FlecheG_Click();
    for (int k = 1; k <= 4; ++k) turnC(k, Side::Right, 12);
    b.FlecheD_Click();
    b.FlecheD_Click();
    for (int k = 5; k <= 6; ++k) turnC(k, Side::Right, 12);
    EXPECT_EQ(b.ValC.Caption(), "11,1111 mF");
    EXPECT_NEAR(code().Cdec, 0.0111111, 1e-15);
    ASSERT_GT(b.ValC.Width(), 20);  // ten characters of bold 9-point text
    EXPECT_FLOAT_EQ(b.ValC.Left(), 53.5f);
    hover(b.Cctl(6), Side::Right);
    EXPECT_EQ(cursorOf(b.Cctl(6)), 8);
    for (int k = 3; k <= 6; ++k) turnC(k, Side::Left, 12);
    b.FlecheG_Click();
    b.FlecheG_Click();
    turnC(1, Side::Left, 12);
    turnC(2, Side::Left, 12);
    EXPECT_EQ(b.ValC.Caption(), "0 µF");
    EXPECT_EQ(code().Cdec, 0);
    EXPECT_FLOAT_EQ(b.ValC.Left(), 57);
    hover(b.Cctl(1), Side::Left);
    EXPECT_EQ(cursorOf(b.Cctl(1)), 7);
}

TEST_F(DecadeBoxTest, StripSlidesBetweenItsThreePositions) {
    Chargedecharge& b = bench();
    move(b.FlecheG);
    EXPECT_EQ(cursorOf(b.FlecheG), 1);
    click(b.FlecheG);
    EXPECT_FLOAT_EQ(b.boxbtncond.Left(), 0);
    EXPECT_FALSE(b.FlecheG.Visible());
    EXPECT_TRUE(b.FlecheD.Visible());
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(reachable(b.Cctl(i))) << i;
    EXPECT_FALSE(reachable(b.Cctl(5)));
    EXPECT_FALSE(reachable(b.Cctl(6)));
    EXPECT_FALSE(reachable(b.FlecheG));

    move(b.FlecheD);
    EXPECT_EQ(cursorOf(b.FlecheD), 1);
    click(b.FlecheD);
    EXPECT_FLOAT_EQ(b.boxbtncond.Left(), -1400);
    EXPECT_TRUE(b.FlecheG.Visible());
    EXPECT_TRUE(b.FlecheD.Visible());

    click(b.FlecheD);
    EXPECT_FLOAT_EQ(b.boxbtncond.Left(), -2800);
    EXPECT_FALSE(b.FlecheD.Visible());
    EXPECT_TRUE(b.FlecheG.Visible());
    for (int i = 3; i <= 6; ++i) EXPECT_TRUE(reachable(b.Cctl(i))) << i;
    EXPECT_FALSE(reachable(b.Cctl(1)));
    EXPECT_FALSE(reachable(b.Cctl(2)));
}

TEST_F(DecadeBoxTest, KnobSettingsDoNotDependOnTheStripPosition) {
    Chargedecharge& b = bench();
    turnC(3, Side::Right, 2);
    const double before = code().Cdec;
    b.FlecheG_Click();
    b.FlecheD_Click();
    b.FlecheD_Click();
    EXPECT_EQ(code().Cdec, before);
    EXPECT_EQ(b.CranC[2], 3);
    EXPECT_EQ(b.ValC.Caption(), "20 µF");
    // The hit area slid with its knob: still right over the picture.
    const rt::RectF knob = b.Cpot(3).windowRect(), hit = b.Cctl(3).windowRect();
    EXPECT_DOUBLE_EQ(hit.x - knob.x, 250);
}

}  // namespace
