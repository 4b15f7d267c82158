// The generator: a knob turns one step per 200 ms tick while held, the first tick one interval
// after the press; the display keeps a leading zero; the fine knob carries into the whole volts;
// every refusal changes nothing and is announced by the hover cursor.
#include "BenchFixture.h"

namespace {

class GeneratorTest : public BenchTest {
protected:
    // Whole steps of a knob: held for n ticks plus a margin that is not a whole tick.
    void coarse(Side s, int steps) { hold(bench().genectl, s, steps * 200 + 50); }
    void fine(Side s, int steps) { hold(bench().Genefinctl, s, steps * 200 + 50); }
    // The three digits shown, as text ("05.3").
    std::string display() {
        Chargedecharge& b = bench();
        return std::to_string(pictureOf(b.Dix) - 1) + std::to_string(pictureOf(b.unite) - 1) + "." +
               std::to_string(pictureOf(b.deci) - 1);
    }
    // Sets whole volts and tenths from the start (fine knob at position 1 + tenths).
    void dial(int volts, int tenths) {
        coarse(Side::Right, volts);
        fine(Side::Right, tenths);
    }
};

TEST_F(GeneratorTest, SwitchingOnShowsZeroThenFiveStepsMakeFiveVolts) {
    Chargedecharge& b = bench();
    click(b.powerctl);
    EXPECT_EQ(b.GeneOn, rt::True);
    EXPECT_EQ(b.Power.Picture().text(), "Media:13");
    EXPECT_FLOAT_EQ(b.powerctl.Top(), 1710);  // over the half of the rocker pressed next
    EXPECT_TRUE(b.Dix.Visible() && b.unite.Visible() && b.deci.Visible());
    EXPECT_EQ(display(), "00.0");
    EXPECT_EQ(b.Vle.Caption(), "0 V");
    coarse(Side::Right, 5);
    EXPECT_EQ(display(), "05.0");
    EXPECT_EQ(b.Vle.Caption(), "5 V");
    EXPECT_EQ(code().Egene, 5);
    EXPECT_EQ(b.genebn.Picture().text(), "BtnGene:6");
    EXPECT_FALSE(b.Timergenegros.Enabled());
}

TEST_F(GeneratorTest, ShortPressChangesNothingAndHoldingStepsFiveTimesASecond) {
    Chargedecharge& b = bench();
    click(b.powerctl);
    hold(b.genectl, Side::Right, 199);
    EXPECT_EQ(b.CranGros, 1);
    EXPECT_EQ(code().Egene, 0);
    mouse().down(b.genectl, 1, 0, 400, 200);
    wait(200);
    EXPECT_EQ(b.CranGros, 2);  // the first step one interval after the press
    wait(800);
    EXPECT_EQ(b.CranGros, 6);
    mouse().up(b.genectl, 1, 0, 400, 200);
    wait(1000);
    EXPECT_EQ(b.CranGros, 6);  // the release stops it
}

TEST_F(GeneratorTest, MiddleOfTheKnobTurnsUpAndAnyButtonTurns) {
    Chargedecharge& b = bench();
    click(b.powerctl);
    hold(b.genectl, Side::Middle, 250);
    EXPECT_EQ(b.ValeurE, 1.0f);
    hold(b.Genefinctl, Side::Middle, 250, 2);
    EXPECT_EQ(b.ValeurE, 1.1f);
    hold(b.genectl, Side::Left, 250, 4);
    EXPECT_EQ(b.ValeurE, 0.1f);
}

TEST_F(GeneratorTest, FineStepDownBorrowsFromTheWholeVoltsWithoutMovingTheCoarseKnob) {
    Chargedecharge& b = bench();
    click(b.powerctl);
    coarse(Side::Right, 5);
    fine(Side::Left, 1);
    EXPECT_EQ(display(), "04.9");
    EXPECT_EQ(b.Vle.Caption(), "4,9 V");
    EXPECT_EQ(b.CranFin, 0);
    EXPECT_EQ(b.CranGros, 5);
    EXPECT_EQ(b.Genebfin.Picture().text(), "BtnGene:15");
    EXPECT_EQ(b.genebn.Picture().text(), "BtnGene:6");  // the old step until it is turned
    coarse(Side::Right, 1);
    EXPECT_EQ(b.genebn.Picture().text(), "BtnGene:6");  // jumps straight to step 6 again
    EXPECT_EQ(b.Vle.Caption(), "5,9 V");
    // Back up across tenths 0: the carry raises the whole volts.
    fine(Side::Right, 1);
    EXPECT_EQ(b.CranFin, 1);
    EXPECT_EQ(b.Vle.Caption(), "6 V");
    EXPECT_EQ(display(), "06.0");
}

TEST_F(GeneratorTest, TopOfTheRange) {
    Chargedecharge& b = bench();
    click(b.powerctl);
    coarse(Side::Right, 14);
    EXPECT_EQ(b.Vle.Caption(), "14 V");
    coarse(Side::Right, 3);  // one step to 15 V, then refused
    EXPECT_EQ(code().Egene, 15);
    EXPECT_EQ(b.CranGros, 16);
    EXPECT_EQ(display(), "15.0");
    fine(Side::Right, 2);  // refused at 15 V
    EXPECT_EQ(b.CranFin, 1);
    EXPECT_EQ(code().Egene, 15);
    fine(Side::Left, 1);
    EXPECT_EQ(b.Vle.Caption(), "14,9 V");
    EXPECT_EQ(display(), "14.9");
    fine(Side::Right, 1);
    EXPECT_EQ(b.Vle.Caption(), "15 V");
}

TEST_F(GeneratorTest, FineKnobAloneStopsAtItsLastPosition) {
    Chargedecharge& b = bench();
    click(b.powerctl);
    coarse(Side::Right, 14);
    fine(Side::Right, 12);
    EXPECT_EQ(b.CranFin, 10);
    EXPECT_EQ(b.Vle.Caption(), "14,9 V");
    EXPECT_EQ(b.Genebfin.Picture().text(), "BtnGene:10");
    hover(b.Genefinctl, Side::Right);
    EXPECT_EQ(cursorOf(b.Genefinctl), 8);
    // At 14.9 V the coarse knob refuses to go up: the tenths count.
    coarse(Side::Right, 1);
    EXPECT_EQ(b.CranGros, 15);
    hover(b.genectl, Side::Right);
    EXPECT_EQ(cursorOf(b.genectl), 8);
}

TEST_F(GeneratorTest, FineKnobSpansNineTenthsEitherSideOfItsRest) {
    Chargedecharge& b = bench();
    click(b.powerctl);
    coarse(Side::Right, 3);
    fine(Side::Left, 12);
    EXPECT_EQ(b.CranFin, -8);
    EXPECT_EQ(b.Vle.Caption(), "2,1 V");
    EXPECT_EQ(b.Genebfin.Picture().text(), "BtnGene:7");
    hover(b.Genefinctl, Side::Left);
    EXPECT_EQ(cursorOf(b.Genefinctl), 7);
    fine(Side::Right, 18);
    EXPECT_EQ(b.CranFin, 10);
    EXPECT_EQ(b.Vle.Caption(), "3,9 V");
}

TEST_F(GeneratorTest, BottomOfTheRangeRefusesWithCursorSeven) {
    Chargedecharge& b = bench();
    click(b.powerctl);
    coarse(Side::Left, 2);
    fine(Side::Left, 2);
    EXPECT_EQ(b.CranGros, 1);
    EXPECT_EQ(b.CranFin, 1);
    EXPECT_EQ(b.Vle.Caption(), "0 V");
    hover(b.genectl, Side::Left);
    EXPECT_EQ(cursorOf(b.genectl), 7);
    hover(b.Genefinctl, Side::Left);
    EXPECT_EQ(cursorOf(b.Genefinctl), 7);
    hover(b.genectl, Side::Right);
    EXPECT_EQ(cursorOf(b.genectl), 4);
    hover(b.Genefinctl, Side::Right);
    EXPECT_EQ(cursorOf(b.Genefinctl), 4);
}

TEST_F(GeneratorTest, CoarseKnobKeepsTheTenthsAndStopsByTheWholeValue) {
    Chargedecharge& b = bench();
    click(b.powerctl);
    dial(3, 7);
    coarse(Side::Right, 1);
    EXPECT_EQ(b.Vle.Caption(), "4,7 V");
    // 0.5 V cannot go down with the coarse knob, 14.5 V cannot go up.
    coarse(Side::Left, 4);
    fine(Side::Left, 2);
    EXPECT_EQ(b.Vle.Caption(), "0,5 V");
    hover(b.genectl, Side::Left);
    EXPECT_EQ(cursorOf(b.genectl), 7);
    coarse(Side::Left, 1);
    EXPECT_EQ(b.Vle.Caption(), "0,5 V");
    coarse(Side::Right, 14);
    EXPECT_EQ(b.Vle.Caption(), "14,5 V");
    hover(b.genectl, Side::Right);
    EXPECT_EQ(cursorOf(b.genectl), 8);
}

TEST_F(GeneratorTest, PressCursorShowsTheDirection) {
    Chargedecharge& b = bench();
    mouse().down(b.genectl, 1, 0, 100, 200);
    EXPECT_EQ(b.RotGauche, rt::True);
    EXPECT_EQ(cursorOf(b.genectl), 3);
    mouse().up(b.genectl, 1, 0, 100, 200);
    mouse().down(b.Genefinctl, 1, 0, 300, 200);
    EXPECT_EQ(b.RotGauche, rt::False);
    EXPECT_EQ(cursorOf(b.Genefinctl), 4);
    mouse().up(b.Genefinctl, 1, 0, 300, 200);
}

TEST_F(GeneratorTest, KnobsTurnSilentlyWhileOffAndShowOnSwitchingOn) {
    Chargedecharge& b = bench();
    dial(7, 3);
    EXPECT_EQ(b.Vle.Caption(), "0 V");
    EXPECT_EQ(code().Egene, 0);
    EXPECT_FALSE(b.Dix.Visible());
    EXPECT_EQ(b.ValeurE, 7.3f);
    click(b.powerctl);
    EXPECT_EQ(display(), "07.3");
    EXPECT_EQ(b.Vle.Caption(), "7,3 V");
    EXPECT_EQ(code().Egene, static_cast<double>(7.3f));
    click(b.powerctl);
    EXPECT_EQ(code().Egene, 0);
    EXPECT_EQ(b.Vle.Caption(), "0 V");
    EXPECT_FLOAT_EQ(b.powerctl.Top(), 1575);
    EXPECT_FALSE(b.deci.Visible());
    click(b.powerctl);
    EXPECT_EQ(display(), "07.3");
    EXPECT_EQ(b.Vle.Caption(), "7,3 V");
}

TEST_F(GeneratorTest, EgeneCarriesTheSinglePrecisionRounding) {
    Chargedecharge& b = bench();
    click(b.powerctl);
    dial(5, 3);
    EXPECT_EQ(code().Egene, 5.300000190734863);
    EXPECT_EQ(b.Vle.Caption(), "5,3 V");
    prog.app().setDecimalSeparator('.');
    fine(Side::Right, 1);
    EXPECT_EQ(b.Vle.Caption(), "5.4 V");
}

}  // namespace
