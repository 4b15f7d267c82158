// The bench's menu strip: the hover animation (one frame per 200 ms tick, each button's counter
// wrapping inside its own loop, everything reset when the pointer reaches a background), the
// short-circuit warning that refuses the way to the oscilloscope, and the two strip positions.
#include "BenchFixture.h"

#include <vector>

namespace {

class BenchMenuTest : public BenchTest {
protected:
    // The pictures a button shows at each of the next n ticks.
    std::vector<int> frames(const rt::PictureControl& button, int n) {
        std::vector<int> seen;
        for (int k = 0; k < n; ++k) {
            wait(200);
            seen.push_back(pictureOf(button));
        }
        return seen;
    }
    // A spot of the strip's own background, and of the window's.
    void moveToStripBackground() { move(bench().FmenuChDech, 100, 1500); }
    void moveToWindowBackground() { move(bench(), 4850, 3000); }
    // Generator on at 5 V, every decade knob at 0.
    void setShortCircuit() {
        click(bench().powerctl);
        hold(bench().genectl, Side::Right, 1050);
        ASSERT_EQ(code().Egene, 5);
    }
    bool oscilloscopeShown() {
        rt::Window* o = prog.app().existing("Oscillo");
        return o && o->Visible();
    }
};

TEST_F(BenchMenuTest, ReturnButtonLoopsAndRestsOnTheStripBackground) {
    Chargedecharge& b = bench();
    move(b.Bretour);
    EXPECT_EQ(b.BoutonSurvol, 1);
    EXPECT_TRUE(b.Timer1.Enabled());
    EXPECT_EQ(pictureOf(b.Bretour), 2);
    wait(199);
    EXPECT_EQ(b.ImgBretour, 2);  // nothing before the first tick
    wait(1);
    EXPECT_EQ(b.ImgBretour, 3);
    EXPECT_EQ(frames(b.Bretour, 4), (std::vector<int>{3, 4, 5, 2}));  // 6 wraps to 2
    EXPECT_EQ(b.ImgBretour, 3);
    moveToStripBackground();
    EXPECT_FALSE(b.Timer1.Enabled());
    EXPECT_EQ(pictureOf(b.Bretour), 2);
    EXPECT_EQ(b.ImgBretour, 2);
    EXPECT_EQ(b.BoutonSurvol, 1);  // kept
    wait(1000);
    EXPECT_EQ(pictureOf(b.Bretour), 2);
}

TEST_F(BenchMenuTest, EachButtonHasItsOwnLoop) {
    Chargedecharge& b = bench();
    move(b.Bmain);
    EXPECT_EQ(frames(b.Bmain, 5), (std::vector<int>{6, 7, 8, 9, 6}));
    moveToWindowBackground();
    EXPECT_EQ(pictureOf(b.Bmain), 6);
    move(b.Oscilloaffich);
    EXPECT_EQ(frames(b.Oscilloaffich, 6), (std::vector<int>{15, 16, 17, 18, 19, 15}));
    moveToStripBackground();
    EXPECT_EQ(pictureOf(b.Oscilloaffich), 14);  // the resting picture lies outside the loop
    EXPECT_EQ(b.ImgOscillo, 15);
    click(b.fG);
    move(b.Btnordi);
    EXPECT_EQ(b.BoutonSurvol, 4);
    EXPECT_EQ(frames(b.Btnordi, 6), (std::vector<int>{22, 23, 24, 25, 26, 22}));
    moveToWindowBackground();
    EXPECT_EQ(pictureOf(b.Btnordi), 21);
    EXPECT_EQ(b.ImgBtnordi, 22);
}

TEST_F(BenchMenuTest, MovingStraightToAnotherButtonLeavesTheFirstOnItsFrame) {
    Chargedecharge& b = bench();
    move(b.Bmain);
    wait(600);  // frames 6, 7, 8
    EXPECT_EQ(pictureOf(b.Bmain), 8);
    move(b.Bretour);
    wait(400);
    EXPECT_EQ(pictureOf(b.Bmain), 8);
    EXPECT_EQ(pictureOf(b.Bretour), 3);
    EXPECT_EQ(b.ImgBmain, 9);
    move(b.Bmain);
    wait(200);
    EXPECT_EQ(pictureOf(b.Bmain), 9);  // from its own counter
    moveToStripBackground();
    EXPECT_EQ(pictureOf(b.Bmain), 6);
    EXPECT_EQ(pictureOf(b.Bretour), 2);
}

TEST_F(BenchMenuTest, ClicksStopTheAnimationAndNavigateNowhere) {
    Chargedecharge& b = bench();
    move(b.Bretour);
    wait(600);
    click(b.Bretour);
    EXPECT_FALSE(b.Timer1.Enabled());
    EXPECT_EQ(pictureOf(b.Bretour), 2);
    EXPECT_EQ(b.ImgBretour, 2);
    move(b.Bmain);
    wait(400);
    click(b.Bmain);
    EXPECT_EQ(pictureOf(b.Bmain), 6);
    EXPECT_EQ(b.ImgBmain, 6);
    click(b.fG);
    move(b.Btnordi);
    wait(400);
    click(b.Btnordi);
    EXPECT_EQ(pictureOf(b.Btnordi), 21);
    EXPECT_EQ(b.ImgBtnordi, 22);
    EXPECT_FALSE(b.Timer1.Enabled());
    EXPECT_TRUE(b.Visible());
    EXPECT_FALSE(oscilloscopeShown());
    EXPECT_EQ(prog.app().active(), &b);
}

TEST_F(BenchMenuTest, ShortCircuitWarnsAndRefusesTheOscilloscope) {
    Chargedecharge& b = bench();
    setShortCircuit();
    move(b.Oscilloaffich);
    EXPECT_TRUE(b.caution.Visible());
    EXPECT_EQ(cursorOf(b.Oscilloaffich), 2);
    EXPECT_FALSE(b.Timer1.Enabled());
    EXPECT_EQ(b.BoutonSurvol, 0);
    click(b.Oscilloaffich);
    EXPECT_TRUE(b.Visible());
    EXPECT_EQ(prog.app().existing("Oscillo"), nullptr);
    EXPECT_EQ(pictureOf(b.Oscilloaffich), 14);
    move(b.Oscilloaffich);
    EXPECT_TRUE(b.caution.Visible());  // stays while the pointer stays
    moveToStripBackground();
    EXPECT_FALSE(b.caution.Visible());
    EXPECT_EQ(cursorOf(b.Oscilloaffich), 1);
}

TEST_F(BenchMenuTest, WarningComesDownOnlyOnABackground) {
    Chargedecharge& b = bench();
    setShortCircuit();
    click(b.fG);
    move(b.Btnordi);
    EXPECT_TRUE(b.caution.Visible());
    EXPECT_EQ(cursorOf(b.Btnordi), 2);
    EXPECT_FALSE(b.Timer1.Enabled());
    // Lifting the short circuit does not take the warning down by itself.
    hold(b.RCtl(4), Side::Right, 250);
    EXPECT_TRUE(b.caution.Visible());
    moveToWindowBackground();
    EXPECT_FALSE(b.caution.Visible());
    EXPECT_EQ(cursorOf(b.Btnordi), 1);
    EXPECT_EQ(cursorOf(b.Oscilloaffich), 1);
    move(b.Btnordi);
    EXPECT_FALSE(b.caution.Visible());
    EXPECT_TRUE(b.Timer1.Enabled());
}

TEST_F(BenchMenuTest, NoShortCircuitWithTheGeneratorOffOrAnyKnobOffZero) {
    Chargedecharge& b = bench();
    click(b.powerctl);  // on, but at 0 V
    move(b.Oscilloaffich);
    EXPECT_FALSE(b.caution.Visible());
    EXPECT_TRUE(b.Timer1.Enabled());
    hold(b.genectl, Side::Right, 250);
    hold(b.Cctl(5), Side::Right, 250);  // 100 nF: no longer a short circuit
    move(b.Oscilloaffich);
    EXPECT_FALSE(b.caution.Visible());
    wait(400);
    click(b.Oscilloaffich);
    EXPECT_FALSE(b.Timer1.Enabled());
    EXPECT_EQ(b.ImgOscillo, 15);
    EXPECT_EQ(pictureOf(b.Oscilloaffich), 14);
    EXPECT_FALSE(b.Visible());
    EXPECT_TRUE(oscilloscopeShown());
    EXPECT_EQ(prog.app().active(), prog.app().existing("Oscillo"));
}

TEST_F(BenchMenuTest, GeneratorOffOpensTheOscilloscopeWhateverRAndC) {
    Chargedecharge& b = bench();
    move(b.Oscilloaffich);
    click(b.Oscilloaffich);
    EXPECT_TRUE(oscilloscopeShown());
    EXPECT_FALSE(b.Visible());
}

TEST_F(BenchMenuTest, GoingToTheOscilloscopeAndBackKeepsTheBench) {
    Chargedecharge& b = bench();
    click(b.powerctl);
    hold(b.genectl, Side::Right, 650);
    hold(b.RCtl(2), Side::Right, 450);
    for (int k = 0; k < 3; ++k) {
        click(b.Oscilloaffich);
        ASSERT_TRUE(oscilloscopeShown());
        prog.app().window("Oscillo").Hide();
        b.Show();
    }
    EXPECT_EQ(b.Vle.Caption(), "3 V");
    EXPECT_EQ(b.ValR.Caption(), "2000 ");
    EXPECT_EQ(b.CranGros, 4);
    EXPECT_EQ(b.GeneOn, rt::True);
    EXPECT_EQ(code().Rdec, 2000);
}

TEST_F(BenchMenuTest, StripArrowsAlternateBetweenTwoPositions) {
    Chargedecharge& b = bench();
    const float start[4] = {b.Oscilloaffich.Left(), b.Bmain.Left(), b.Bretour.Left(), b.Btnordi.Left()};
    move(b.fG);
    EXPECT_EQ(cursorOf(b.fG), 1);
    click(b.fG);
    EXPECT_FALSE(b.fG.Visible());
    EXPECT_TRUE(b.fD.Visible());
    EXPECT_FLOAT_EQ(b.Btnordi.Left(), 180);
    EXPECT_FLOAT_EQ(b.Oscilloaffich.Left(), 4600);
    EXPECT_TRUE(reachable(b.Btnordi));
    EXPECT_FALSE(reachable(b.Oscilloaffich));  // off the strip on the right
    EXPECT_TRUE(reachable(b.fD));
    EXPECT_FALSE(reachable(b.fG));
    click(b.fD);
    EXPECT_TRUE(b.fG.Visible());
    EXPECT_FALSE(b.fD.Visible());
    EXPECT_FLOAT_EQ(b.Oscilloaffich.Left(), start[0]);
    EXPECT_FLOAT_EQ(b.Bmain.Left(), start[1]);
    EXPECT_FLOAT_EQ(b.Bretour.Left(), start[2]);
    EXPECT_FLOAT_EQ(b.Btnordi.Left(), start[3]);
    EXPECT_FALSE(reachable(b.Btnordi));
}

}  // namespace
