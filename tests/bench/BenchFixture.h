#pragma once
// A started program, headless on a virtual clock, with mouse events delivered the way a real
// pointer could deliver them: every delivery first checks that the point is reachable (the
// control and its containers shown, the point inside them, nothing above it).
#include <gtest/gtest.h>

#include <chrono>

#include "bench/Chargedecharge.h"
#include "runtime/Application.h"
#include "runtime/MouseRouter.h"
#include "runtime/TextMeasurer.h"
#include "runtime/VirtualClock.h"
#include "shell/Program.h"

class BenchTest : public ::testing::Test {
protected:
    enum class Side { Left, Right, Middle };

    BenchTest() {
        prog.Main();
        prog.app().setDecimalSeparator(',');
    }

    Chargedecharge& bench() { return prog.app().window<Chargedecharge>("Chargedecharge"); }
    engine::Code& code() { return prog.code(); }
    rt::MouseRouter& mouse() { return prog.app().mouse(); }
    void wait(int ms) { clock.advance(std::chrono::milliseconds(ms)); }

    // True when a pointer could reach the control at (x, y); reports what is there otherwise.
    bool reachable(const rt::Control& c, float x, float y) { return rt::unreachableReason(c, x, y).empty(); }
    bool reachable(const rt::Control& c) { return reachable(c, c.Width() / 2, c.Height() / 2); }

    void move(rt::Control& c, float x, float y) {
        ASSERT_EQ(rt::unreachableReason(c, x, y), "");
        mouse().moveTo(c, 0, 0, x, y);
    }
    void move(rt::Control& c) { move(c, c.Width() / 2, c.Height() / 2); }
    void click(rt::Control& c) {
        const float x = c.Width() / 2, y = c.Height() / 2;
        ASSERT_EQ(rt::unreachableReason(c, x, y), "");
        mouse().down(c, 1, 0, x, y);
        mouse().up(c, 1, 0, x, y);
        mouse().click(c);
    }
    // Press at a quarter, three quarters or exactly the middle of the width, wait, release.
    void hold(rt::Control& c, Side side, int ms, int button = 1) {
        const float w = c.Width();
        const float x = side == Side::Left ? w / 4 : side == Side::Right ? 3 * w / 4 : w / 2;
        const float y = c.Height() / 2;
        ASSERT_EQ(rt::unreachableReason(c, x, y), "");
        mouse().down(c, button, 0, x, y);
        wait(ms);
        mouse().up(c, button, 0, x, y);
    }
    // Hover over the left or right half (the knobs set their cursor on every move).
    void hover(rt::Control& c, Side side) {
        move(c, side == Side::Left ? c.Width() / 4 : 3 * c.Width() / 4, c.Height() / 2);
    }
    int cursorOf(const rt::Control& c) {
        const rt::PictureRef p = c.MousePointer();
        return p.isNone() ? 0 : p.index;
    }
    static int pictureOf(const rt::PictureControl& c) { return c.Picture().index; }

    rt::VirtualClock clock;
    rt::ApproxTextMeasurer text;
    Program prog{clock, text};
};
