// Timer rules: the first tick one interval after enabling, re-enabling or re-setting the same
// interval changes nothing, another interval restarts the count, equal due times tick in the
// order the timers were enabled, and hidden windows keep ticking.
#include <gtest/gtest.h>

#include "TestWindow.h"

using namespace std::chrono_literals;

namespace {

class Timers : public ::testing::Test, public ModelFixture {
protected:
    void SetUp() override {
        w->tick.onTimer = [this] { w->record("tick@" + std::to_string(clock.now().count())); };
        w->other.onTimer = [this] { w->record("other@" + std::to_string(clock.now().count())); };
    }
    using Log = std::vector<std::string>;
};

TEST_F(Timers, FirstTickOneIntervalAfterEnabling) {
    clock.advance(50ms);
    w->tick.setEnabled(true);
    clock.advance(199ms);
    EXPECT_TRUE(w->log.empty());
    clock.advance(1ms);
    EXPECT_EQ(w->log, (Log{"tick@250"}));
    clock.advance(400ms);
    EXPECT_EQ(w->log, (Log{"tick@250", "tick@450", "tick@650"}));
}

TEST_F(Timers, EnablingAnEnabledTimerOrTheSameIntervalChangesNothing) {
    w->tick.setEnabled(true);
    clock.advance(150ms);
    w->tick.setEnabled(true);
    w->tick.setInterval(200ms);
    clock.advance(50ms);
    EXPECT_EQ(w->log, (Log{"tick@200"}));
}

TEST_F(Timers, AnotherIntervalRestartsTheCountFromNow) {
    w->tick.setEnabled(true);
    clock.advance(150ms);
    w->tick.setInterval(100ms);
    clock.advance(99ms);
    EXPECT_TRUE(w->log.empty());
    clock.advance(1ms);
    EXPECT_EQ(w->log, (Log{"tick@250"}));
}

TEST_F(Timers, DisabledTimerStopsAndRestartsAFullInterval) {
    w->tick.setEnabled(true);
    clock.advance(199ms);
    w->tick.setEnabled(false);
    clock.advance(100ms);
    w->tick.setEnabled(true);
    clock.advance(199ms);
    EXPECT_TRUE(w->log.empty());
    clock.advance(1ms);
    EXPECT_EQ(w->log, (Log{"tick@499"}));
}

TEST_F(Timers, SimultaneousTicksRunInEnablingOrder) {
    w->other.setEnabled(true);  // 100 ms, enabled first
    w->tick.setEnabled(true);   // 200 ms
    clock.advance(200ms);
    EXPECT_EQ(w->log, (Log{"other@100", "other@200", "tick@200"}));
}

TEST_F(Timers, ATickCanStopAnotherTimerDueAtTheSameMoment) {
    w->other.onTimer = [this] {
        w->record("other");
        w->tick.setEnabled(false);
    };
    w->other.setInterval(200ms);
    w->other.setEnabled(true);
    w->tick.setEnabled(true);
    clock.advance(200ms);
    EXPECT_EQ(w->log, (Log{"other"}));
}

TEST_F(Timers, HiddenWindowsKeepTicking) {
    w->tick.setEnabled(true);
    w->Hide();
    clock.advance(400ms);
    EXPECT_EQ(w->log.size(), 2u);
}

}  // namespace

// A front end driving the clock with real time sleeps until the next due tick: it must be the
// earliest of the running timers, follow a re-timed interval, and be none once all stop.
TEST_F(Timers, NextDueIsTheEarliestRunningTimer) {
    EXPECT_FALSE(clock.nextDue().has_value());
    w->tick.setEnabled(true);  // every 200 ms
    clock.advance(50ms);
    EXPECT_EQ(clock.nextDue(), 200ms);
    w->other.setEnabled(true);  // every 100 ms, from 50
    EXPECT_EQ(clock.nextDue(), 150ms);
    w->tick.setInterval(400ms);  // restarts its count from 50
    w->other.setEnabled(false);
    EXPECT_EQ(clock.nextDue(), 450ms);
    w->tick.setEnabled(false);
    EXPECT_FALSE(clock.nextDue().has_value());
}
