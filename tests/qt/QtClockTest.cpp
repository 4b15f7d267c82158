// The real clock ticks model timers on the event loop: first tick one interval after enabling,
// none after disabling, none for a zero interval. Real waits are kept to a few tens of ms.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "runtime/Application.h"
#include "runtime/Timer.h"
#include "runtime/Window.h"
#include "runtime/qt/QtClock.h"
#include "view/FontTextMeasurer.h"

namespace {

using namespace std::chrono_literals;

// Runs the event loop until `done` holds or `limitMs` have passed.
template <class Pred>
void runUntil(Pred done, int limitMs) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < limitMs) {
        QEventLoop loop;
        QTimer::singleShot(2, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

struct ClockScene {
    rtqt::QtClock clock;
    view::FontTextMeasurer text;
    rt::Application app{clock, text};
    rt::Window window{app, "Essai"};
    rt::Timer timer{&window, "Timer1", 15ms};
    int ticks = 0;
    int afterTicks = 0;
    ClockScene() {
        timer.onTimer = [this] { ++ticks; };
        clock.afterTick = [this] { ++afterTicks; };
    }
};

TEST(QtClock, TicksWhileEnabledFromOneIntervalOn) {
    ClockScene s;
    const auto start = s.clock.now();
    s.timer.setEnabled(true);
    EXPECT_TRUE(s.clock.running(s.timer));
    EXPECT_EQ(s.ticks, 0);  // never inside the call that enables it
    runUntil([&] { return s.ticks >= 2; }, 150);
    EXPECT_GE(s.ticks, 2);
    EXPECT_EQ(s.afterTicks, s.ticks);
    EXPECT_GE((s.clock.now() - start).count(), 2 * 15 - 2);  // coarse timers may be early by a ms

    s.timer.setEnabled(false);
    EXPECT_FALSE(s.clock.running(s.timer));
    const int seen = s.ticks;
    runUntil([] { return false; }, 40);
    EXPECT_EQ(s.ticks, seen);
}

TEST(QtClock, ZeroIntervalNeverTicksUntilOneIsGiven) {
    ClockScene s;
    s.timer.setInterval(0ms);
    s.timer.setEnabled(true);
    EXPECT_FALSE(s.clock.running(s.timer));
    s.timer.setInterval(10ms);  // enabled with a real interval now: it counts from here
    EXPECT_TRUE(s.clock.running(s.timer));
    runUntil([&] { return s.ticks >= 1; }, 100);
    EXPECT_GE(s.ticks, 1);
}

TEST(QtClock, TimerDestroyedWhileRunningStopsTicking) {
    rtqt::QtClock clock;
    view::FontTextMeasurer text;
    rt::Application app(clock, text);
    rt::Window window(app, "Essai");
    int ticks = 0;
    {
        rt::Timer t(&window, "Court", 5ms);
        t.onTimer = [&] { ++ticks; };
        t.setEnabled(true);
    }
    runUntil([] { return false; }, 20);
    EXPECT_EQ(ticks, 0);
}

}  // namespace
