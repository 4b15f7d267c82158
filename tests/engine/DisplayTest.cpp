// The redraw of the live display and the running spot: where the spots, lines and the X-Y spot
// land, in which colour and width, and how fast the running spot goes on each time base.

#include "ScreenFixture.h"

using std::chrono::milliseconds;

TEST_F(EngineTest, FastTimeBaseDrawsTheChannelAsALineAtItsLevel) {
    code.NiveauY1 = 2;
    code.PosX = -7;
    code.TempsDiv = 10;  // the slowest of the fast time bases
    w.faisceau1(0).setVisible(true);
    w.Timer7.setEnabled(true);
    sig.AfficheEcran();
    EXPECT_TRUE(w.Ten1.Visible());
    EXPECT_FLOAT_EQ(w.Ten1.X1(), -7);
    EXPECT_FLOAT_EQ(w.Ten1.X2(), 93);
    EXPECT_FLOAT_EQ(w.Ten1.Y1(), -20);
    EXPECT_FLOAT_EQ(w.Ten1.Y2(), -20);
    EXPECT_FALSE(w.faisceau1(0).Visible());
    EXPECT_FALSE(w.Timer7.Enabled());
    // A channel not in the mode is not touched.
    EXPECT_FALSE(w.Ten2.Visible());
}

TEST_F(EngineTest, SlowTimeBaseShowsARunningSpotCentredOnTheLevel) {
    code.TempsDiv = 100;
    code.NiveauY1 = 2;
    w.Ten1.setVisible(true);
    w.faisceau1(0).setLeft(33);
    sig.AfficheEcran();
    const rt::Shape& spot = w.faisceau1(0);
    EXPECT_TRUE(spot.Visible());
    EXPECT_FLOAT_EQ(spot.Top(), -21.5f);
    EXPECT_FLOAT_EQ(spot.Left(), 33);  // the spot timer owns the left
    EXPECT_FALSE(w.Ten1.Visible());
    EXPECT_TRUE(w.Timer7.Enabled());
    EXPECT_EQ(w.Timer7.Interval(), milliseconds(20));
    EXPECT_EQ(code.PasSpot, 8);
}

TEST_F(EngineTest, TwentyMsPerDivisionRunsTheSpotTwiceAsOften) {
    code.TempsDiv = 20;
    sig.AfficheEcran();
    EXPECT_EQ(w.Timer7.Interval(), milliseconds(10));
    EXPECT_EQ(code.PasSpot, 19);
    code.TempsDiv = 200;
    sig.AfficheEcran();
    EXPECT_EQ(w.Timer7.Interval(), milliseconds(20));
    EXPECT_EQ(code.PasSpot, 4);
}

TEST_F(EngineTest, SecondChannelUsesItsOwnSensitivityAndOffset) {
    code.ModeCH1 = rt::False;
    code.ModeCH2 = rt::True;
    code.NiveauY2 = -1;
    code.VoltDiv2 = 0.5;
    code.PosY2 = 5;
    sig.AfficheEcran();
    EXPECT_FLOAT_EQ(w.Ten2.Y1(), 25);
    EXPECT_FALSE(w.Ten1.Visible());
}

TEST_F(EngineTest, IntensityPicksTheColourAndFocusTheWidth) {
    code.NivIntens = -5;  // the screen's own teal: the line vanishes
    code.NivFocus = -6;
    sig.AfficheEcran();
    EXPECT_EQ(w.Ten1.BorderColor(), rt::Color::rgb(0, 127, 127));
    EXPECT_EQ(w.Ten1.BorderWidth(), 7);
    code.TempsDiv = 50;
    code.NivIntens = 6;
    code.NivFocus = 0;
    sig.AfficheEcran();
    EXPECT_EQ(w.faisceau1(0).BorderColor(), rt::Color::rgb(208, 255, 208));
    EXPECT_EQ(w.faisceau1(0).BorderWidth(), 2);
    // The fill keeps its design colour.
    EXPECT_EQ(w.faisceau1(0).FillColor(), rt::Color::rgb(0, 255, 0));
}

TEST_F(EngineTest, XYSpotDeflectsByCh1AcrossAndCh2Down) {
    code.ModeCH1 = rt::False;
    code.ModeXY = rt::True;
    code.NiveauY1 = 1;
    code.VoltDiv1 = 0.5;
    code.NiveauY2 = -1;
    sig.AfficheEcran();
    EXPECT_FLOAT_EQ(w.XY(0).Left(), 70);
    EXPECT_FLOAT_EQ(w.XY(0).Top(), 8.5f);
    EXPECT_FALSE(w.XY(0).Visible());  // the mode buttons show and hide it
    // A greater CH1 offset moves the spot to the left.
    code.PosY1 = 10;
    sig.AfficheEcran();
    EXPECT_FLOAT_EQ(w.XY(0).Left(), 60);
}

TEST_F(EngineTest, StorageWaitingShowsOnlyTheLinesWhereTheyWere) {
    code.ModeStor = rt::True;
    code.ModeCH2 = rt::True;
    w.Ten1.setY1(-12);
    code.NiveauY1 = 3;
    sig.AfficheEcran();
    EXPECT_TRUE(w.Ten1.Visible());
    EXPECT_TRUE(w.Ten2.Visible());
    EXPECT_FLOAT_EQ(w.Ten1.Y1(), -12);  // the level is not redrawn
}

TEST_F(EngineTest, StorageArmedOrHoldingATraceChangesNothing) {
    for (auto [armed, stored] : {std::pair{rt::True, rt::False}, std::pair{rt::False, rt::True}}) {
        code.ModeStor = rt::True;
        code.PretStor = armed;
        code.Memorise = stored;
        sig.AfficheEcran();
        EXPECT_FALSE(w.Ten1.Visible());
        EXPECT_FALSE(w.faisceau1(0).Visible());
    }
}

TEST_F(EngineTest, RunningSpotStepsAndWrapsAtTheRightEdge) {
    code.TempsDiv = 20;
    sig.AfficheEcran();
    const float expected[] = {19, 38, 57, 76, 95, 114, 0, 19};
    for (float left : expected) {
        wait(10);
        EXPECT_FLOAT_EQ(w.faisceau1(0).Left(), left);
    }
}

TEST_F(EngineTest, RunningSpotMovesOnlyTheShownChannels) {
    code.TempsDiv = 200;
    sig.AfficheEcran();
    w.faisceau2(0).setLeft(50);
    wait(20);
    EXPECT_FLOAT_EQ(w.faisceau1(0).Left(), 4);
    EXPECT_FLOAT_EQ(w.faisceau2(0).Left(), 50);
    // In X-Y neither channel is shown: the timer may run but moves nothing.
    code.ModeCH1 = rt::False;
    code.ModeXY = rt::True;
    wait(100);
    EXPECT_FLOAT_EQ(w.faisceau1(0).Left(), 4);
}
