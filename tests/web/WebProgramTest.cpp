// The browser edition's rules that a browser does not decide: the model's time follows the
// page's clock tick for tick, a long gap (a hidden tab, a sleeping machine) pauses it instead
// of replaying it, double-clicks are told apart as on the desktop, and only what changed on the
// shown instrument is repainted, on whole device pixels.

#include <gtest/gtest.h>

#include <cmath>

#include "runtime/Timer.h"
#include "runtime/web/DoubleClick.h"
#include "runtime/web/WebProgram.h"
#include "bench/Chargedecharge.h"
#include "scope/Oscillo.h"

using namespace std::chrono_literals;

namespace {

// The running-spot timer of the oscilloscope, made to tick, counting its ticks.
struct Ticking {
    rtweb::WebProgram web{1920, 1080, ','};
    int ticks = 0;
    rt::Timer& timer;
    explicit Ticking(std::chrono::milliseconds interval)
        : timer(web.program().app().window<Oscillo>("Oscillo").Timer7) {
        timer.onTimer = [this] { ++ticks; };
        timer.setInterval(interval);
        timer.setEnabled(true);
    }
};

TEST(WebTime, TicksFollowThePageClockWithFractionsCarried) {
    Ticking t(10ms);
    EXPECT_EQ(t.web.advanceTo(1000.0), 10ms);  // the first call only sets the origin
    for (int frame = 1; frame <= 6; ++frame) t.web.advanceTo(1000.0 + 16.7 * frame);  // a 60 Hz page
    EXPECT_EQ(t.ticks, 10);  // 100.2 ms ran: the ticks at 10..100, none lost to rounding
    EXPECT_EQ(t.web.advanceTo(1100.2), 10ms);
    t.timer.setEnabled(false);
    EXPECT_FALSE(t.web.advanceTo(1200.0).has_value());
}

TEST(WebTime, AHiddenPageResumesInsteadOfReplaying) {
    Ticking t(10ms);
    t.web.advanceTo(0.0);
    t.web.advanceTo(5.0 * 60 * 1000);  // five minutes later
    EXPECT_EQ(t.ticks, rtweb::WebProgram::longestStep / 10ms);
    t.web.advanceTo(5.0 * 60 * 1000 + 20);
    EXPECT_EQ(t.ticks, rtweb::WebProgram::longestStep / 10ms + 2);
    t.web.advanceTo(-1.0);  // a clock that went back moves nothing
    EXPECT_EQ(t.ticks, rtweb::WebProgram::longestStep / 10ms + 2);
}

TEST(WebInput, DoubleClicksAreTheSecondNearQuickPressOfOneButton) {
    rtweb::DoubleClick d;
    EXPECT_FALSE(d.press(1, 100, 100, 0));
    EXPECT_TRUE(d.press(1, 104, 96, 399));
    EXPECT_FALSE(d.press(1, 104, 96, 450));  // a third press starts a new pair
    EXPECT_FALSE(d.press(1, 104, 96, 850));  // 400 ms is too late
    EXPECT_FALSE(d.press(2, 104, 96, 900));  // another button
    EXPECT_FALSE(d.press(2, 109, 96, 950));  // 5 px away
    d.reset();
    EXPECT_FALSE(d.press(2, 109, 96, 1000));
}

// What tests and measurements read from the page: numbers only, and a name that reads nothing
// (malformed, out of range, a window not made yet) gives none without making anything.
TEST(WebValues, NumbersByNameAndNothingForAnyOtherName) {
    rtweb::WebProgram web{1920, 1080, ','};
    EXPECT_EQ(web.value("Egene"), 0.0);
    EXPECT_EQ(web.value("Chargedecharge.CranGros"), 1.0);
    for (const char* name : {"Oscillo.PowerOn", "Couleur(6)", "Branche1", "Egene(1)", "Chargedecharge.CranR",
                             "Chargedecharge.CranR()", "Chargedecharge.CranR(1", "Chargedecharge.CranR(1)x",
                             "Chargedecharge.CranR(99999999999)", "", "(", ".", "Nowhere.Egene"})
        EXPECT_FALSE(web.value(name).has_value()) << name;
    EXPECT_EQ(web.program().app().existing("Oscillo"), nullptr);
    web.program().app().window<Oscillo>("Oscillo");
    EXPECT_EQ(web.value("Oscillo.PowerOn"), 0.0);
    EXPECT_EQ(web.value("Oscillo.ValBalay(1)"), 200.0);
}

}  // namespace

TEST(WebRepaint, OnlyTheShownWindowsPartsOnWholeDevicePixels) {
    rtweb::WebProgram web{1366, 768, ','};
    rtweb::WebFrame& frame = web.frame();
    auto& bench = web.program().app().window<Chargedecharge>("Chargedecharge");
    auto& scope = web.program().app().window<Oscillo>("Oscillo");
    frame.resize(1366, 700, 1.5);
    ASSERT_TRUE(frame.dirty().whole());  // the canvas was cleared
    frame.painted();
    ASSERT_EQ(frame.shown(), &bench);
    scope.invalidate();  // hidden: nothing to paint
    EXPECT_FALSE(frame.wantsPaint());

    const auto at = frame.locate("powerctl");
    ASSERT_TRUE(at);
    frame.pointer(rtweb::WebFrame::Pointer::Press, at->first, at->second, 1, 1, 0, 0);
    frame.pointer(rtweb::WebFrame::Pointer::Release, at->first, at->second, 1, 0, 0, 50);
    ASSERT_TRUE(frame.wantsPaint());
    EXPECT_FALSE(frame.dirty().whole());  // the switch and the display, not the whole bench
    for (const rt::RectF& part : frame.dirty().parts()) {
        const gfx::Rect r = frame.placement().repaintArea(part);
        ASSERT_FALSE(r.isEmpty());
        for (double edge : {r.x, r.y, r.right(), r.bottom()}) EXPECT_DOUBLE_EQ(edge * 1.5, std::round(edge * 1.5));
        EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.right() <= 1366 && r.bottom() <= 700);
    }
    EXPECT_TRUE(frame.placement().repaintArea(rt::RectF{-1e6, -1e6, 10, 10}).isEmpty());  // off the canvas
}
