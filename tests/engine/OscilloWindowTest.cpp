// The oscilloscope window driven headless, for what its scenarios cannot reach: the order of
// the computation entries, the connection strings, the drawing order.
#include <gtest/gtest.h>

#include <chrono>

#include <algorithm>
#include "runtime/TextMeasurer.h"
#include "runtime/VirtualClock.h"
#include "scope/Oscillo.h"
#include "shell/Program.h"

class OscilloTest : public ::testing::Test {
protected:
    OscilloTest() { prog.Main(); }

    Oscillo& scope() { return prog.app().window<Oscillo>("Oscillo"); }
    engine::Code& code() { return prog.code(); }
    void wait(int ms) { clock.advance(std::chrono::milliseconds(ms)); }

    rt::VirtualClock clock;
    rt::ApproxTextMeasurer text;
    Program prog{clock, text};
};

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
