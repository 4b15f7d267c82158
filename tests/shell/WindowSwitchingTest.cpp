// The way between the bench and the oscilloscope, checked on the whole state of both windows
// and of the shared variables: every control property and every variable, compared before and
// after. A round trip resets nothing; an activation with the oscilloscope off changes only the
// copied captions (with their sizes) and the place of the ohm sign; one at discharge computes
// nothing.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "bench/Chargedecharge.h"
#include "runtime/Application.h"
#include "runtime/MouseRouter.h"
#include "runtime/TextMeasurer.h"
#include "runtime/Value.h"
#include "runtime/VirtualClock.h"
#include "scope/Oscillo.h"
#include "shell/Program.h"

namespace {

using State = std::map<std::string, std::string>;

void addVariables(State& s, const std::string& prefix, const rt::Variables& vars) {
    for (const std::string& n : vars.names()) {
        rt::Value v;
        if (vars.read(n, 0, false, v)) {
            s[prefix + n] = v.text();
            continue;
        }
        for (int i = -1; i <= 2100; ++i)
            if (vars.read(n, i, true, v)) s[prefix + n + "(" + std::to_string(i) + ")"] = v.text();
    }
}

// Every property of every control of the window, and its form-level variables.
void addWindow(State& s, const rt::Window& w) {
    for (const rt::Control* c : w.allControls())
        for (const std::string& p : c->propertyNames()) {
            rt::Value v;
            if (c->property(p, v)) s[w.name() + "." + c->fullName() + "." + p] = v.text();
        }
    addVariables(s, w.name() + ".", w.vars());
}

std::set<std::string> changedKeys(const State& before, const State& after) {
    std::set<std::string> keys;
    for (const auto& [k, v] : before) {
        auto it = after.find(k);
        if (it == after.end() || it->second != v) keys.insert(k);
    }
    for (const auto& [k, v] : after)
        if (!before.count(k)) keys.insert(k);
    return keys;
}

std::string describe(const std::set<std::string>& keys, const State& before, const State& after) {
    std::string out;
    for (const std::string& k : keys) {
        auto b = before.find(k);
        auto a = after.find(k);
        out += k + ": " + (b == before.end() ? "-" : b->second) + " -> " + (a == after.end() ? "-" : a->second) + "\n";
    }
    return out;
}

class WindowSwitchingTest : public ::testing::Test {
protected:
    enum class Side { Left, Right };

    WindowSwitchingTest() {
        prog.Main();
        prog.app().setDecimalSeparator(',');
    }

    Chargedecharge& bench() { return prog.app().window<Chargedecharge>("Chargedecharge"); }
    Oscillo& scope() { return prog.app().window<Oscillo>("Oscillo"); }
    engine::Code& code() { return prog.code(); }
    rt::MouseRouter& mouse() { return prog.app().mouse(); }
    void wait(int ms) { clock.advance(std::chrono::milliseconds(ms)); }

    void click(rt::Control& c, float x, float y) {
        ASSERT_EQ(rt::unreachableReason(c, x, y), "") << c.fullName();
        mouse().down(c, 1, 0, x, y);
        mouse().up(c, 1, 0, x, y);
        mouse().click(c);
    }
    void click(rt::Control& c) { click(c, c.Width() / 2, c.Height() / 2); }
    void move(rt::Control& c, float x, float y) {
        ASSERT_EQ(rt::unreachableReason(c, x, y), "") << c.fullName();
        mouse().moveTo(c, 0, 0, x, y);
    }
    void turn(rt::Control& knob, Side side, int steps) {
        const float x = side == Side::Left ? knob.Width() / 4 : 3 * knob.Width() / 4;
        const float y = knob.Height() / 2;
        ASSERT_EQ(rt::unreachableReason(knob, x, y), "") << knob.fullName();
        mouse().down(knob, 1, 0, x, y);
        wait(steps * 200 + 50);
        mouse().up(knob, 1, 0, x, y);
    }

    // 5 V, 1 kohm, 1 uF on the bench (R C = 1 ms, so a charge shows at once).
    void setCircuit() {
        Chargedecharge& b = bench();
        click(b.powerctl);
        turn(b.genectl, Side::Right, 5);
        turn(b.RCtl(2), Side::Right, 1);
        turn(b.Cctl(4), Side::Right, 1);
        ASSERT_EQ(code().Egene, 5);
    }
    // The oscilloscope on, CH1 coupled DC with its probe at A and the ground at B, the switch
    // thrown to E (a charge), the schematic closed again.
    void chargeOnChannel1() {
        Oscillo& o = scope();
        click(o.Powerclick);
        click(o.GND1);
        move(o.DCV1, 90, 90);
        click(o.DCV1);
        click(o.R1);
        click(o.schema, 53.5f, 51.5f);
        click(o.N1);
        click(o.schema, 53.5f, 92.5f);
        click(o.schema, 45, 4);
        ASSERT_EQ(code().Branche1, "AB");
        ASSERT_EQ(code().InterCharge, rt::True);
        click(o.CloseSh);
    }
    State everything() {
        State s;
        addWindow(s, bench());
        addWindow(s, scope());
        addVariables(s, "", prog.sharedVariables());
        return s;
    }

    rt::VirtualClock clock;
    rt::ApproxTextMeasurer text;
    Program prog{clock, text};
};

TEST_F(WindowSwitchingTest, RoundTripsResetNothingOnEitherSide) {
    Chargedecharge& b = bench();
    setCircuit();
    // Leave the bench in states its load would undo: a borrowed volt on the fine knob, the
    // capacitor strip slid to its right end, knob 6 turned there.
    turn(b.Genefinctl, Side::Left, 1);
    click(b.FlecheD);
    turn(b.Cctl(6), Side::Right, 2);
    ASSERT_EQ(b.Vle.Caption(), "4,9 V");
    ASSERT_EQ(b.ValC.Caption(), "1,02 µF");
    click(b.Oscilloaffich);
    chargeOnChannel1();
    const State before = everything();

    for (int trip = 0; trip < 3; ++trip) {
        click(scope().retour);
        ASSERT_TRUE(b.Visible());
        ASSERT_FALSE(scope().Visible());
        click(b.Oscilloaffich);
        ASSERT_TRUE(scope().Visible());
        ASSERT_FALSE(b.Visible());
    }
    const State after = everything();
    const std::set<std::string> changed = changedKeys(before, after);
    EXPECT_TRUE(changed.empty()) << describe(changed, before, after);
}

TEST_F(WindowSwitchingTest, SwitchedOffActivationChangesOnlyTheCopiedLabels) {
    Chargedecharge& b = bench();
    setCircuit();
    click(b.Oscilloaffich);
    chargeOnChannel1();
    ASSERT_EQ(code().NiveauY1, 5);
    click(scope().Powerclick);
    ASSERT_EQ(scope().PowerOn, rt::False);
    click(scope().retour);

    // New values on the bench, so that every copied caption changes.
    turn(b.RCtl(1), Side::Right, 1);
    turn(b.genectl, Side::Right, 1);
    turn(b.Cctl(5), Side::Right, 1);
    ASSERT_EQ(b.ValR.Caption(), "11 k");
    const State before = everything();
    const float omegaBefore = scope().Omega.Left();

    click(b.Oscilloaffich);
    const State after = everything();
    Oscillo& o = scope();
    EXPECT_EQ(o.ValR.Caption(), "11 k");
    EXPECT_EQ(o.ValC.Caption(), "1,1 µF");
    EXPECT_EQ(o.Vle.Caption(), "6 V");
    EXPECT_FLOAT_EQ(o.Omega.Left(), o.ValR.Left() + o.ValR.Width());
    EXPECT_NE(o.Omega.Left(), omegaBefore);  // "11 k" is narrower than "1000 "
    // Nothing computed: the level is the one of the last computation, at 5 V.
    EXPECT_EQ(code().NiveauY1, 5);

    std::set<std::string> allowed = {"Oscillo.Omega.Left"};
    for (const char* label : {"ValR", "ValC", "Vle"})
        for (const char* p : {"Caption", "Width", "Height"}) allowed.insert(std::string("Oscillo.") + label + "." + p);
    std::set<std::string> changed = changedKeys(before, after);
    for (const char* k : {"Oscillo.ValR.Caption", "Oscillo.ValC.Caption", "Oscillo.Vle.Caption", "Oscillo.Omega.Left"})
        EXPECT_TRUE(changed.count(k)) << k;
    for (const std::string& k : allowed) changed.erase(k);
    EXPECT_TRUE(changed.empty()) << describe(changed, before, after);
}

TEST_F(WindowSwitchingTest, ActivationAtDischargeRedrawsWithoutComputing) {
    Chargedecharge& b = bench();
    setCircuit();
    click(b.Oscilloaffich);
    chargeOnChannel1();
    // The switch to B: a discharge, computed with the bench's present values.
    click(scope().Schemvisi);
    click(scope().schema, 62, 4);
    ASSERT_EQ(code().InterCharge, rt::False);
    click(scope().CloseSh);
    click(scope().retour);

    turn(b.genectl, Side::Right, 3);
    turn(b.RCtl(1), Side::Right, 2);
    State before;
    addVariables(before, "", prog.sharedVariables());

    click(b.Oscilloaffich);
    State after;
    addVariables(after, "", prog.sharedVariables());
    const std::set<std::string> changed = changedKeys(before, after);
    EXPECT_TRUE(changed.empty()) << describe(changed, before, after);
    EXPECT_TRUE(scope().Ten1.Visible());
    EXPECT_EQ(scope().Vle.Caption(), "8 V");
}

}  // namespace
