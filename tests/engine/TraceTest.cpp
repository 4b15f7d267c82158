// The trace computation: live levels (set at once or ramped) and storage recordings (dots or a
// flat line), per wiring, with the trigger slope, the channel sign and the dot counter.

#include "ScreenFixture.h"

namespace {
// 10 kohm and 1000 uF: a 46 s transient, slow enough for a ramp.
void slowCircuit(engine::Code& c) {
    c.Rdec = 10000;
    c.Cdec = 0.001;
}
}  // namespace

// ---- Live display.

TEST_F(EngineTest, GeneratorOffComputesNothing) {
    code.Egene = 0;
    code.Branche1 = "DA";
    code.Cdec = 0;
    code.NiveauY1 = 1.5;
    code.Tcharge = 7;
    charge();
    EXPECT_EQ(code.Branche1, "DA");
    EXPECT_EQ(code.Tcharge, 7);
    EXPECT_EQ(code.NiveauY1, 1.5);
    EXPECT_FALSE(w.Ten1.Visible());
}

TEST_F(EngineTest, FastTransientSetsTheFinalLevelAtOnceAndRedraws) {
    code.Branche1 = "AB";
    charge();
    EXPECT_NEAR(code.Tcharge, 4.60517, 1e-5);
    EXPECT_EQ(code.NiveauY1, 5);
    EXPECT_EQ(code.EntreeY1, 5);
    EXPECT_FALSE(w.Timer8.Enabled());
    EXPECT_TRUE(w.Ten1.Visible());
    EXPECT_FLOAT_EQ(w.Ten1.Y1(), -50);
    discharge();
    EXPECT_EQ(code.NiveauY1, 0);
}

TEST_F(EngineTest, SlowTransientRampsOnlyWhenTheSwitchHasJustMoved) {
    slowCircuit(code);
    code.Branche1 = "AB";
    code.InterCharge = rt::False;  // the switch was at discharge
    charge();
    EXPECT_TRUE(w.Timer8.Enabled());
    EXPECT_EQ(code.CibleY1, 5);
    EXPECT_EQ(code.DepartY1, 0);
    EXPECT_EQ(code.NiveauY1, 0);  // the first tick moves it
    // Computed again with the switch already at charge: the end value at once.
    code.InterCharge = rt::True;
    charge();
    EXPECT_FALSE(w.Timer8.Enabled());
    EXPECT_EQ(code.NiveauY1, 5);
}

TEST_F(EngineTest, SlowDischargeOfTheResistorVoltageRampsFromMinusE) {
    slowCircuit(code);
    code.Branche1 = "DA";
    discharge();
    EXPECT_EQ(code.DepartY1, -5);
    EXPECT_EQ(code.CibleY1, 0);
    charge();
    EXPECT_EQ(code.DepartY1, 5);
    EXPECT_EQ(code.CibleY1, 0);
}

TEST_F(EngineTest, ReversedCapacitorVoltageGoesNegative) {
    code.Branche1 = "BA";
    charge();
    EXPECT_EQ(code.NiveauY1, -5);
    slowCircuit(code);
    discharge();
    EXPECT_EQ(code.DepartY1, -5);
}

TEST_F(EngineTest, ResistorOfAShortedCapacitorSeesTheSwitchedVoltage) {
    // With C = 0 the box is a wire between A and B: "DA" is measured as "DB".
    code.Branche1 = "DA";
    code.Cdec = 0;
    charge();
    EXPECT_EQ(code.Branche1, "DB");
    EXPECT_EQ(code.NiveauY1, 5);
}

TEST_F(EngineTest, InvertedSecondChannelRampsTowardsMinusE) {
    slowCircuit(code);
    code.ModeCH1 = rt::False;
    code.ModeCH2 = rt::True;
    code.SigneY2 = -1;
    code.Branche2 = "AB";
    charge();
    EXPECT_TRUE(w.Timer11.Enabled());
    EXPECT_EQ(code.CibleY2, -5);
    EXPECT_FALSE(w.Timer8.Enabled());
}

TEST_F(EngineTest, ChannelOnGroundOrNotShownKeepsItsLevels) {
    code.Branche1 = "AB";
    code.Branche2 = "AB";
    code.MasseY1 = rt::True;
    code.NiveauY1 = 0.25;
    code.NiveauY2 = 0.75;  // CH2 is not in CH1 mode
    charge();
    EXPECT_EQ(code.NiveauY1, 0.25);
    EXPECT_EQ(code.NiveauY2, 0.75);
    // BOTH and X-Y take CH2 into account.
    code.ModeXY = rt::True;
    charge();
    EXPECT_EQ(code.NiveauY2, 5);
}

TEST_F(EngineTest, LevelSetAtOnceWinsOverARunningRamp) {
    // A slow discharge ramp is running when a fast circuit is computed: the level set at once
    // must not be overwritten by the old ramp's next tick.
    slowCircuit(code);
    code.Branche1 = "AB";
    code.NiveauY1 = 5;
    discharge();
    ASSERT_TRUE(w.Timer8.Enabled());
    code.Rdec = 1000;
    code.Cdec = 0.000001;
    code.InterCharge = rt::True;
    charge();
    wait(1000);
    EXPECT_EQ(code.NiveauY1, 5);
    EXPECT_FALSE(w.Timer8.Enabled());
}

// ---- Storage.

TEST_F(EngineTest, ArmedChargeRecordsTheCurveAsDots) {
    arm();
    code.Branche1 = "AB";
    w.DiodeV2.setPicture(art::list("ImageList2"), 6);
    w.faisceau1(0).setBorderWidth(4);
    charge();
    EXPECT_EQ(w.faisceau1.Count(), 1002);  // element 0 and 1001 dots
    const rt::Shape& dot101 = w.faisceau1(101);  // t = 1 ms, one time constant
    EXPECT_EQ(dot101.Left(), 10.0f);
    EXPECT_EQ(dot101.Top(), -33.10603f);
    EXPECT_TRUE(dot101.Visible());
    EXPECT_EQ(dot101.BorderWidth(), 4);
    EXPECT_FLOAT_EQ(w.faisceau1(1).Top(), -1.5f);
    EXPECT_FLOAT_EQ(w.faisceau1(1001).Left(), 100);
    EXPECT_TRUE(code.Memorise);
    EXPECT_FALSE(code.PretStor);
    EXPECT_EQ(code.NiveauY1, 5);
    EXPECT_EQ(w.DiodeV2.Picture().index, 5);
    // The live spot is still element 0, hidden.
    EXPECT_FALSE(w.faisceau1(0).Visible());
}

TEST_F(EngineTest, DotsAreDrawnAboveTheRestOfTheScreen) {
    arm();
    code.Branche1 = "AB";
    charge();
    EXPECT_EQ(w.Ecran.children().back(), &w.faisceau1(1001));
}

TEST_F(EngineTest, TriggerSlopeDecidesWhichTransientIsRecorded) {
    arm();
    code.Branche1 = "AB";
    discharge();  // falling edge, trigger on rising
    EXPECT_EQ(w.faisceau1.Count(), 1);
    EXPECT_TRUE(code.PretStor);
    EXPECT_FALSE(code.Memorise);
    code.Branche1 = "BA";  // the reversed voltage rises on the discharge
    discharge();
    EXPECT_EQ(w.faisceau1.Count(), 1002);
    EXPECT_EQ(code.NiveauY1, 0);
}

TEST_F(EngineTest, FallingTriggerRecordsTheDischarge) {
    arm();
    code.PenteTrig = rt::True;
    code.Branche1 = "AB";
    charge();
    EXPECT_EQ(w.faisceau1.Count(), 1);
    discharge();
    EXPECT_EQ(w.faisceau1.Count(), 1002);
    EXPECT_FLOAT_EQ(w.faisceau1(1).Top(), -51.5f);
}

TEST_F(EngineTest, InvertedChannelTriggersOnTheCircuitsOwnEdge) {
    arm();
    code.ModeCH1 = rt::False;
    code.ModeCH2 = rt::True;
    code.SigneY2 = -1;
    code.Branche2 = "AB";
    charge();  // drawn falling, but the capacitor voltage rises
    EXPECT_EQ(w.faisceau2.Count(), 1002);
    EXPECT_NEAR(w.faisceau2(1001).Top(), 50 - 1.5, 0.01);  // 10 time constants: all but settled
    EXPECT_EQ(code.NiveauY2, -5);
}

TEST_F(EngineTest, ResistorVoltageRecordsOnAnyEdgeWhileBothChannelsAreWired) {
    arm();
    code.PenteTrig = rt::True;  // falling: neither charge curve matches
    code.ModeDual = rt::True;
    code.ModeCH2 = rt::True;
    code.Branche1 = "DA";
    code.Branche2 = "AB";
    charge();
    EXPECT_EQ(w.faisceau1.Count(), 1002);
    EXPECT_EQ(w.faisceau2.Count(), 1);
    EXPECT_EQ(code.NiveauY1, 0);
}

TEST_F(EngineTest, ResistorVoltageWaitsForTheSlopeWhenOnlyOneChannelIsWired) {
    arm();
    code.PenteTrig = rt::True;
    code.ModeDual = rt::True;
    code.ModeCH2 = rt::True;
    code.Branche1 = "DA";
    code.Branche2 = "off";
    charge();
    EXPECT_EQ(w.faisceau1.Count(), 1);
    EXPECT_TRUE(code.PretStor);
}

TEST_F(EngineTest, ShortedCapacitorDrawsAFlatLineAtZeroArmedOrNot) {
    code.ModeStor = rt::True;
    code.Cdec = 0;
    code.Branche1 = "AB";
    code.PosX = 6;
    code.PosY1 = -3;
    code.NiveauY1 = 2;
    charge();
    EXPECT_TRUE(w.Ten1mes.Visible());
    EXPECT_FLOAT_EQ(w.Ten1mes.X1(), 6);
    EXPECT_FLOAT_EQ(w.Ten1mes.X2(), 100);  // a fixed right end, not PosX + 100
    EXPECT_FLOAT_EQ(w.Ten1mes.Y1(), -3);
    EXPECT_EQ(w.faisceau1.Count(), 1);
    EXPECT_TRUE(code.Memorise);
    EXPECT_EQ(code.NiveauY1, 0);
}

TEST_F(EngineTest, SwitchedBranchRecordsAFlatLineAtEOnTheSecondChannelsScale) {
    arm();
    code.ModeCH1 = rt::False;
    code.ModeCH2 = rt::True;
    code.Branche2 = "DB";
    code.VoltDiv2 = 2;
    code.PosY2 = 4;
    charge();
    EXPECT_TRUE(w.Ten2mes.Visible());
    EXPECT_FLOAT_EQ(w.Ten2mes.Y1(), -21);
    EXPECT_FLOAT_EQ(w.Ten2mes.Y2(), -21);
    EXPECT_EQ(code.NiveauY2, 5);
    EXPECT_FALSE(w.Ten1mes.Visible());
}

TEST_F(EngineTest, SwitchedBranchIsNeverRecordedUnarmed) {
    code.ModeStor = rt::True;
    code.Branche1 = "DB";
    code.NiveauY1 = 1;
    charge();
    EXPECT_FALSE(w.Ten1mes.Visible());
    EXPECT_EQ(code.NiveauY1, 1);
    EXPECT_FALSE(code.Memorise);
}

TEST_F(EngineTest, DotNumbersRunOnFromTheFirstChannelIntoTheSecond) {
    arm();
    code.ModeDual = rt::True;
    code.ModeCH2 = rt::True;
    code.Branche1 = "AB";
    code.Branche2 = "AB";
    charge();
    EXPECT_EQ(w.faisceau1.Count(), 1002);
    EXPECT_EQ(w.faisceau2.Count(), 1002);
    EXPECT_TRUE(w.faisceau1.exists(1001));
    EXPECT_FALSE(w.faisceau1.exists(1002));
    EXPECT_TRUE(w.faisceau2.exists(1002));
    EXPECT_TRUE(w.faisceau2.exists(2002));
    EXPECT_FALSE(w.faisceau2.exists(1));
    EXPECT_EQ(w.faisceau2(1002).Left(), 0.0f);
}

TEST_F(EngineTest, RepeatedAdditionLeavesOneDotFewerOnSixTimeBases) {
    // t is summed step by step: for 0.2 to 0.005 ms/div the sum passes ten divisions one step
    // early.
    const double bases[] = {200, 100, 50, 20, 10, 5, 2, 1, 0.5, 0.2, 0.1, 0.05, 0.02, 0.01, 0.005, 0.002, 0.001, 0.0005};
    for (double d : bases) {
        arm();
        code.TempsDiv = d;
        code.Branche1 = "AB";
        charge();
        const bool shortSweep = d <= 0.2 && d >= 0.005;
        EXPECT_EQ(w.faisceau1.createdCount(), shortSweep ? 1000 : 1001) << d << " ms/div";
        sig.EffaceTrace();
    }
}

TEST_F(EngineTest, TimeBaseOutsideTheSelectorDrawsNoDots) {
    arm();
    code.TempsDiv = 3;  // no such detent: no step, and the sweep must not run forever
    code.Branche1 = "AB";
    charge();
    EXPECT_EQ(w.faisceau1.Count(), 1);
}

TEST_F(EngineTest, ErasingTheTraceKeepsTheLiveSpots) {
    arm();
    code.ModeDual = rt::True;
    code.ModeCH2 = rt::True;
    code.Branche1 = "AB";
    code.Branche2 = "BA";
    w.faisceau1(0).setVisible(true);  // a spot left visible must survive too
    charge();
    sig.EffaceTrace();
    EXPECT_EQ(w.faisceau1.Count(), 1);
    EXPECT_EQ(w.faisceau2.Count(), 1);
    EXPECT_TRUE(w.faisceau1.exists(0));
    EXPECT_TRUE(w.faisceau1(0).Visible());
    EXPECT_EQ(w.Ecran.children().size(), 7u);  // four lines and the three spots
}

TEST_F(EngineTest, LeftoverDotsAreTakenOverByANewRecording) {
    arm();
    code.Branche1 = "AB";
    discharge();  // not recorded
    code.Branche1 = "BA";
    discharge();
    ASSERT_EQ(w.faisceau1.Count(), 1002);
    w.faisceau1(0).setBorderWidth(6);
    arm();  // armed again without erasing
    code.Branche1 = "AB";
    charge();
    EXPECT_EQ(w.faisceau1.Count(), 1002);
    EXPECT_EQ(w.faisceau1(101).Top(), -33.10603f);
    EXPECT_EQ(w.faisceau1(101).BorderWidth(), 6);
}

TEST_F(EngineTest, RecordingStopsARunningRampOfTheChannel) {
    slowCircuit(code);
    code.Branche1 = "AB";
    charge();
    ASSERT_TRUE(w.Timer8.Enabled());
    arm();
    code.Cdec = 0;  // the flat line at 0, recorded unarmed or armed
    charge();
    wait(500);
    EXPECT_EQ(code.NiveauY1, 0);
    EXPECT_FALSE(w.Timer8.Enabled());
}
