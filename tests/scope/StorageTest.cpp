// The storage states in one walk (Off, Waiting, Armed, Stored and back) with their lamps and
// screen, and X-Y leaving storage with its record.

#include "PanelFixture.h"

namespace {

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

}  // namespace
