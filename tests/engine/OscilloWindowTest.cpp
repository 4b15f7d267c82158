// The oscilloscope window driven headless: the start state of its load, the menu strip, the
// power switch, the activation and the connection strings.
#include <gtest/gtest.h>

#include <chrono>

#include "bench/Chargedecharge.h"
#include "runtime/TextMeasurer.h"
#include "runtime/VirtualClock.h"
#include "scope/Oscillo.h"
#include "shell/Program.h"

class OscilloTest : public ::testing::Test {
protected:
    OscilloTest() { prog.Main(); }

    Oscillo& scope() { return prog.app().window<Oscillo>("Oscillo"); }
    Chargedecharge& bench() { return prog.app().window<Chargedecharge>("Chargedecharge"); }
    engine::Code& code() { return prog.code(); }
    void wait(int ms) { clock.advance(std::chrono::milliseconds(ms)); }
    // From the bench's oscilloscope button: bench hidden, oscilloscope shown and activated.
    void openScope() {
        bench().Hide();
        scope().Show();
    }
    static int pic(const rt::PictureControl& c) { return c.Picture().index; }

    rt::VirtualClock clock;
    rt::ApproxTextMeasurer text;
    Program prog{clock, text};
};

TEST_F(OscilloTest, LoadStartsSwitchedOffInCh1WithBothChannelsOnGround) {
    Oscillo& o = scope();
    engine::Code& c = code();
    EXPECT_EQ(o.Caption(), "Oscilloscope");
    EXPECT_EQ(o.windowState(), rt::WindowState::Maximized);
    EXPECT_FALSE(o.PowerOn);
    EXPECT_EQ(c.ModeCH1, rt::True);
    EXPECT_EQ(c.ModeCH2, rt::False);
    EXPECT_EQ(c.MasseY1, rt::True);
    EXPECT_EQ(c.MasseY2, rt::True);
    EXPECT_EQ(c.SigneY2, 1);
    EXPECT_EQ(c.TempsDiv, 1.0);
    EXPECT_EQ(c.VoltDiv1, 1.0);
    EXPECT_EQ(o.CranBalay, 8);
    EXPECT_EQ(o.ValBalay[7], 1.0);
    EXPECT_EQ(o.ValSensi[4], 1.0);
    EXPECT_EQ(o.ValBalay[17], 0.0005);
    EXPECT_EQ(o.ValSensi[13], 0.001);
    EXPECT_EQ(c.Couleur[1], rt::Color::rgb(0, 127, 127));  // the screen's own colour
    EXPECT_EQ(c.Couleur[6], rt::Color::rgb(0, 255, 0));
    // Pictures: CH1 pressed, other buttons up, GND selected, lamps off, rocker off.
    EXPECT_EQ(pic(o.CH1), 2);
    for (auto* b : {&o.CH2, &o.Dual, &o.BtnXY, &o.InvY2, &o.Stor, &o.Trig, &o.Reset}) EXPECT_EQ(pic(*b), 1);
    EXPECT_EQ(pic(o.GND1), 3);
    EXPECT_EQ(pic(o.ACV2), 4);
    EXPECT_EQ(pic(o.Power), 8);
    EXPECT_EQ(pic(o.Diodepow), 10);
    EXPECT_EQ(pic(o.DiodeV), 5);
    EXPECT_EQ(pic(o.DiodeV2), 5);
    EXPECT_EQ(pic(o.SensiV1), 5);
    EXPECT_EQ(pic(o.TDiv), 8);
    EXPECT_EQ(pic(o.Intens), 27);
    // An empty screen, only the graticule, at the back.
    EXPECT_FALSE(o.Ten1.Visible());
    EXPECT_FALSE(o.faisceau1(0).Visible());
    EXPECT_TRUE(o.Axe.Visible());
    EXPECT_EQ(o.Ecran.children().front(), &o.Axe);
    EXPECT_FALSE(o.schemaboite.Visible());
    EXPECT_FALSE(o.Timer7.Enabled());
    // The screen's units: 100 across, 80 down from -40.
    EXPECT_DOUBLE_EQ(o.Ecran.toWindowX(100) - o.Ecran.toWindowX(0), 5600);
    EXPECT_DOUBLE_EQ(o.Ecran.toWindowY(-40), 645 + 90);
}

TEST_F(OscilloTest, LoadLeavesTheTriggerAndTheSwitchAsTheyWere) {
    code().PenteTrig = rt::True;
    code().Memorise = rt::True;
    code().InterCharge = rt::True;
    scope();
    EXPECT_EQ(code().PenteTrig, rt::True);
    EXPECT_EQ(code().Memorise, rt::True);
    EXPECT_EQ(code().InterCharge, rt::True);
}

TEST_F(OscilloTest, HitAreasAndTheSchematicBoxLieAboveThePanelPictures) {
    // The schematic box is windowed: it lies above every picture of the panel.
    Oscillo& o = scope();
    const auto& kids = o.children();
    auto pos = [&](const rt::Control& c) { return std::find(kids.begin(), kids.end(), &c) - kids.begin(); };
    EXPECT_GT(pos(o.schemaboite), pos(o.SV1control));
    EXPECT_GT(pos(o.R1), pos(o.filR1));
    EXPECT_GT(pos(o.Powerclick), pos(o.Power));
}

TEST_F(OscilloTest, MenuButtonAnimatesWhileHoveredAndRestsOnThePanel) {
    Oscillo& o = scope();
    o.retour_MouseMove(0, 0, 10, 10);
    wait(200);
    EXPECT_EQ(pic(o.retour), 2);  // the first frame again
    wait(200);
    EXPECT_EQ(pic(o.retour), 3);
    wait(600);
    EXPECT_EQ(pic(o.retour), 2);  // 2, 3, 4, 5, then 2
    EXPECT_EQ(o.ImgRetour, 3);
    o.ChoixCouplage = rt::True;
    o.Form_MouseMove(0, 0, 5, 5);
    EXPECT_FALSE(o.Timer12.Enabled());
    EXPECT_EQ(o.ImgRetour, 2);
    EXPECT_FALSE(o.ChoixCouplage);
    EXPECT_EQ(o.BoutonSurvol, 1);
}

TEST_F(OscilloTest, MainMenuButtonOnlyRestsItsOwnPicture) {
    openScope();
    Oscillo& o = scope();
    o.Mprinci_MouseMove(0, 0, 1, 1);
    wait(600);
    o.Mprinci_Click();
    EXPECT_EQ(pic(o.Mprinci), 6);
    EXPECT_FALSE(o.Timer12.Enabled());
    EXPECT_TRUE(o.Visible());
    EXPECT_FALSE(bench().Visible());
}

TEST_F(OscilloTest, PowerOnAndOffMovesTheHitAreaAndLamp) {
    Oscillo& o = scope();
    o.Powerclick_Click();
    EXPECT_TRUE(o.PowerOn);
    EXPECT_EQ(pic(o.Power), 9);
    EXPECT_EQ(pic(o.Diodepow), 11);
    EXPECT_EQ(o.Powerclick.Left(), 745);
    EXPECT_TRUE(o.Ten1.Visible());  // the redraw of CH1 at 0 V on 1 ms/div
    o.Powerclick_Click();
    EXPECT_FALSE(o.PowerOn);
    EXPECT_EQ(pic(o.Power), 8);
    EXPECT_EQ(o.Powerclick.Left(), 1020);
    EXPECT_FALSE(o.Ten1.Visible());
}

TEST_F(OscilloTest, PowerOffErasesTheRecordButKeepsStorageSelected) {
    Oscillo& o = scope();
    engine::Code& c = code();
    o.Powerclick_Click();
    c.ModeStor = c.PretStor = rt::True;
    c.Egene = 5;
    c.Rdec = 1000;
    c.Cdec = 0.000001;
    c.MasseY1 = rt::False;
    o.PointY1 = 2;
    o.PointMasse = 3;
    o.CalculCharge();
    ASSERT_EQ(o.faisceau1.Count(), 1002);
    o.Powerclick_Click();
    EXPECT_EQ(o.faisceau1.Count(), 1);
    EXPECT_TRUE(o.faisceau1.exists(0));
    EXPECT_EQ(c.Memorise, rt::False);
    EXPECT_EQ(c.ModeStor, rt::True);
    EXPECT_EQ(pic(o.DiodeV), 5);
    // On again: the STOR lamp lights, the waiting line comes back.
    o.Powerclick_Click();
    EXPECT_EQ(pic(o.DiodeV), 6);
    EXPECT_TRUE(o.Ten1.Visible());
    EXPECT_EQ(pic(o.DiodeV2), 5);
}

TEST_F(OscilloTest, PowerOnInXYPlacesTheSpotWithoutComputing) {
    Oscillo& o = scope();
    code().ModeXY = rt::True;
    code().ModeCH1 = rt::False;
    o.Ecran.setLeft(500);
    o.Powerclick_Click();
    EXPECT_TRUE(o.XY(0).Visible());
    EXPECT_FLOAT_EQ(o.XY(0).Left(), 50);
    EXPECT_FLOAT_EQ(o.XY(0).Top(), -1.5f);
    EXPECT_EQ(o.Ecran.Left(), 120);
}

TEST_F(OscilloTest, ReturnHidesTheScopeAndKeepsItsState) {
    openScope();
    Oscillo& o = scope();
    o.Powerclick_Click();
    o.CranBalay = 3;
    o.retour_MouseMove(0, 0, 1, 1);
    o.retour_Click();
    EXPECT_FALSE(o.Visible());
    EXPECT_TRUE(bench().Visible());
    EXPECT_FALSE(o.Timer12.Enabled());
    openScope();
    EXPECT_TRUE(o.PowerOn);
    EXPECT_EQ(o.CranBalay, 3);
}

TEST_F(OscilloTest, ActivationCopiesTheBenchValues) {
    bench().ValR.setCaption("10 k");
    bench().ValC.setCaption("1000 \xC2\xB5" "F");
    bench().Vle.setCaption("5 V");
    openScope();
    Oscillo& o = scope();
    EXPECT_EQ(o.ValR.Caption(), "10 k");
    EXPECT_EQ(o.ValC.Caption(), "1000 \xC2\xB5" "F");
    EXPECT_EQ(o.Vle.Caption(), "5 V");
    EXPECT_FLOAT_EQ(o.Omega.Left(), o.ValR.Left() + o.ValR.Width());
    EXPECT_FALSE(o.Ten1.Visible());  // switched off: nothing drawn
}

TEST_F(OscilloTest, ActivationAtChargeRecomputesWithTheNewBenchValues) {
    openScope();
    Oscillo& o = scope();
    engine::Code& c = code();
    o.Powerclick_Click();
    c.MasseY1 = rt::False;
    o.PointY1 = 2;
    o.PointMasse = 3;
    c.Egene = 5;
    c.Rdec = 1000;
    c.Cdec = 0.000001;
    o.CalculCharge();
    EXPECT_EQ(c.NiveauY1, 5);
    o.retour_Click();
    c.Egene = 2;
    openScope();
    EXPECT_EQ(c.NiveauY1, 2);
    // At discharge the activation only redraws.
    o.CalculDecharge();
    o.retour_Click();
    c.Egene = 3;
    c.NiveauY1 = 1;
    openScope();
    EXPECT_EQ(c.NiveauY1, 1);
    EXPECT_FLOAT_EQ(o.Ten1.Y1(), -10);
}

TEST_F(OscilloTest, ChargeEntrySetsTheSwitchAfterComputing) {
    Oscillo& o = scope();
    engine::Code& c = code();
    o.Powerclick_Click();
    c.MasseY1 = rt::False;
    c.Egene = 5;
    c.Rdec = 10000;
    c.Cdec = 0.001;
    o.PointY1 = 2;
    o.PointMasse = 3;
    o.CalculCharge();  // the switch has just moved to E: a ramp
    EXPECT_TRUE(o.Timer8.Enabled());
    EXPECT_EQ(c.InterCharge, rt::True);
    EXPECT_EQ(c.Decharge, rt::False);
    o.CalculDecharge();
    EXPECT_EQ(c.InterCharge, rt::False);
    EXPECT_EQ(c.Decharge, rt::True);
    EXPECT_EQ(c.CibleY1, 0);
}

TEST_F(OscilloTest, EntriesSwitchedOffOnlyUpdateTheStringsAndTheSwitch) {
    Oscillo& o = scope();
    o.PointY1 = 1;
    o.PointY2 = 2;
    o.PointMasse = 3;
    o.CalculCharge();
    EXPECT_EQ(code().Branche1, "DB");
    EXPECT_EQ(code().Branche2, "AB");
    EXPECT_EQ(code().InterCharge, rt::True);
    EXPECT_EQ(code().Tcharge, 0);
}

TEST_F(OscilloTest, RemovedGroundLeavesTheStringsUntilTheNextComputation) {
    Oscillo& o = scope();
    o.PointY1 = 2;
    o.PointMasse = 3;
    o.CalculDecharge();
    o.PointMasse = 0;
    EXPECT_EQ(code().Branche1, "AB");
    o.CalculDecharge();
    EXPECT_EQ(code().Branche1, "off");
    EXPECT_EQ(code().Branche2, "off");
}

TEST_F(OscilloTest, ProbeOnTheGroundPointShowsZero) {
    // The CH1 probe taken from A and dropped keeps A as its point; the ground then placed on A.
    Oscillo& o = scope();
    engine::Code& c = code();
    o.Powerclick_Click();
    c.MasseY1 = rt::False;
    c.Egene = 5;
    c.Rdec = 10000;
    c.Cdec = 0.001;
    o.PointY1 = 2;
    o.PointMasse = 3;
    o.CalculCharge();
    wait(1000);
    ASSERT_GT(c.NiveauY1, 0);
    o.PointMasse = 2;
    o.CalculCharge();
    EXPECT_EQ(c.Branche1, "off");
    EXPECT_EQ(c.NiveauY1, 0);
    EXPECT_EQ(c.EntreeY1, 0);
    EXPECT_FALSE(o.Timer8.Enabled());
    EXPECT_FLOAT_EQ(o.Ten1.Y1(), 0);
}
