// STOR, Trig and RESET: the four storage states with their lamps, the interplay with the power
// and with X-Y, and a recording made after RESET.

#include "PanelFixture.h"

namespace {

using StorageTest = PanelTest;

struct Lamps {
    int stor, armed;
};

class StorageStates : public PanelTest {
protected:
    void expectState(rt::Flag modeStor, rt::Flag pretStor, Lamps lamps) {
        EXPECT_EQ(code.ModeStor, modeStor);
        EXPECT_EQ(code.PretStor, pretStor);
        EXPECT_EQ(scope.DiodeV.Picture(), pic(scope.ImageList2, lamps.stor));
        EXPECT_EQ(scope.DiodeV2.Picture(), pic(scope.ImageList2, lamps.armed));
    }
    void reset() {
        app.mouse().down(scope.Reset, 1, 0, 5, 5);
        EXPECT_EQ(scope.Reset.Picture(), pic(scope.ImageList2, 2));
        app.mouse().up(scope.Reset, 1, 0, 5, 5);
        EXPECT_EQ(scope.Reset.Picture(), pic(scope.ImageList2, 1));
    }
    // The CH1 probe across the capacitor, on DC, with a fast circuit (no ramp).
    void wireFastCharge() {
        circuit(5, 1000, 0.000001);
        place(scope.R1, kYA);
        place(scope.N1, kYB);
        toDC(1);
    }
};

TEST_F(StorageStates, OffWaitingArmedStoredAndBack) {
    powerOn();
    wireFastCharge();
    click(scope.Stor);  // Off -> Waiting: the line of the displayed channel
    expectState(-1, 0, {6, 5});
    EXPECT_EQ(scope.Stor.Picture(), pic(scope.ImageList2, 2));
    EXPECT_TRUE(scope.Ten1.Visible());
    EXPECT_FALSE(scope.Ten2.Visible());
    EXPECT_FALSE(scope.Timer7.Enabled());
    reset();  // Waiting -> Armed: the screen empties
    expectState(-1, -1, {6, 6});
    EXPECT_FALSE(scope.Ten1.Visible());
    chargeSwitch();  // Armed -> Stored: a record of dots
    expectState(-1, 0, {6, 5});
    EXPECT_EQ(code.Memorise, rt::True);
    EXPECT_EQ(scope.faisceau1.Count(), 1002);
    reset();  // Stored -> Armed: the record goes
    expectState(-1, -1, {6, 6});
    EXPECT_EQ(scope.faisceau1.Count(), 1);
    click(scope.Stor);  // Armed -> Off: lamps dark, live display back
    expectState(0, -1, {5, 5});
    EXPECT_EQ(scope.Stor.Picture(), pic(scope.ImageList2, 1));
    EXPECT_TRUE(scope.Ten1.Visible());
    click(scope.Stor);  // on again clears the stale armed flag
    expectState(-1, 0, {6, 5});
}

TEST_F(StorageStates, ReleasingStorRemovesARecord) {
    powerOn();
    wireFastCharge();
    click(scope.Stor);
    reset();
    chargeSwitch();
    scope.Ten1mes.setVisible(true);
    click(scope.Stor);
    EXPECT_EQ(scope.faisceau1.Count(), 1);
    EXPECT_FALSE(scope.Ten1mes.Visible());
    EXPECT_FLOAT_EQ(scope.Ten1.Y1(), -50);  // live line of the 5 V level
}

TEST_F(StorageStates, ResetTwiceKeepsArmedAndTakesTheFocusAgain) {
    powerOn();
    click(scope.Stor);
    reset();
    EXPECT_EQ(scope.faisceau1(0).BorderWidth(), 1);
    hold(scope.Focus, Half::Left, 300);
    reset();
    expectState(-1, -1, {6, 6});
    EXPECT_EQ(scope.faisceau1(0).BorderWidth(), 4);
    EXPECT_EQ(scope.faisceau2(0).BorderWidth(), 4);
}

TEST_F(StorageStates, PoweredOffStorMovesOnlyButtonAndFlag) {
    click(scope.Stor);
    expectState(-1, 0, {5, 5});
    EXPECT_EQ(scope.Stor.Picture(), pic(scope.ImageList2, 2));
    reset();  // does nothing but move its picture
    expectState(-1, 0, {5, 5});
    powerOn();  // Waiting: lamp lit, line shown
    expectState(-1, 0, {6, 5});
    EXPECT_TRUE(scope.Ten1.Visible());
    reset();
    expectState(-1, -1, {6, 6});
    // Power off from Armed darkens both lamps and disarms, storage stays selected.
    click(scope.Powerclick);
    expectState(-1, 0, {5, 5});
    EXPECT_EQ(scope.Stor.Picture(), pic(scope.ImageList2, 2));
}

TEST_F(StorageStates, StorInXYLeavesNoModeChosen) {
    powerOn();
    click(scope.BtnXY);
    click(scope.Stor);
    EXPECT_EQ(code.ModeXY, rt::False);
    EXPECT_EQ(code.ModeCH1, rt::False);
    EXPECT_EQ(code.ModeCH2, rt::False);
    EXPECT_FALSE(scope.XY(0).Visible());
    EXPECT_FALSE(scope.Ten1.Visible());
    EXPECT_FALSE(scope.Ten2.Visible());
    for (rt::PictureControl* b : {&scope.CH1, &scope.CH2, &scope.Dual, &scope.BtnXY})
        EXPECT_EQ(b->Picture(), pic(scope.ImageList2, 1)) << b->name();
}

TEST_F(StorageStates, XYWithPowerLeavesStorageAndRemovesTheRecord) {
    powerOn();
    wireFastCharge();
    click(scope.Stor);
    reset();
    chargeSwitch();
    click(scope.BtnXY);
    expectState(0, 0, {5, 5});
    EXPECT_EQ(code.Memorise, rt::False);
    EXPECT_EQ(scope.faisceau1.Count(), 1);
    EXPECT_EQ(scope.Stor.Picture(), pic(scope.ImageList2, 1));
}

TEST_F(StorageStates, XYWithPowerOffKeepsStorageAndBothRelightsItsLamp) {
    click(scope.Stor);
    click(scope.BtnXY);
    EXPECT_EQ(code.ModeStor, rt::True);
    powerOn();  // the X-Y spot is shown, the STOR lamp stays dark
    EXPECT_TRUE(scope.XY(0).Visible());
    EXPECT_EQ(scope.DiodeV.Picture(), pic(scope.ImageList2, 5));
    click(scope.CH1);
    EXPECT_EQ(scope.DiodeV.Picture(), pic(scope.ImageList2, 5));  // CH1 does not relight it
    click(scope.BtnXY);
    // X-Y with the power on has now left storage; start again for BOTH.
    EXPECT_EQ(code.ModeStor, rt::False);
}

TEST_F(StorageStates, BothLeavingXYRelightsTheStorLamp) {
    click(scope.Stor);
    click(scope.BtnXY);
    powerOn();
    click(scope.Dual);
    EXPECT_EQ(scope.DiodeV.Picture(), pic(scope.ImageList2, 6));
}

TEST_F(StorageTest, TrigTogglesInAnyStateAndDecidesWhatIsRecorded) {
    click(scope.Trig);
    EXPECT_EQ(code.PenteTrig, rt::True);
    EXPECT_EQ(scope.Trig.Picture(), pic(scope.ImageList2, 2));
    click(scope.Trig);
    EXPECT_EQ(code.PenteTrig, rt::False);
    EXPECT_EQ(scope.Trig.Picture(), pic(scope.ImageList2, 1));
    // Rising edge chosen: across the capacitor the discharge is not recorded, the charge is.
    powerOn();
    circuit(5, 1000, 0.000001);
    place(scope.R1, kYA);
    place(scope.N1, kYB);
    toDC(1);
    click(scope.Stor);
    app.mouse().down(scope.Reset, 1, 0, 5, 5);
    app.mouse().up(scope.Reset, 1, 0, 5, 5);
    dischargeSwitch();
    EXPECT_EQ(code.PretStor, rt::True);
    EXPECT_EQ(scope.faisceau1.Count(), 1);
    chargeSwitch();
    EXPECT_EQ(code.PretStor, rt::False);
    EXPECT_EQ(scope.faisceau1.Count(), 1002);
}

}  // namespace
