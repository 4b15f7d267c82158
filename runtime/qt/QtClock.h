#pragma once
// Real time for the model's timers: one precise Qt timer per model timer, ticking on the
// user-interface thread between events. Starting a running timer restarts its count from now.

#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "runtime/Clock.h"

namespace rtqt {

class QtClock : public rt::Clock {
public:
    QtClock();
    ~QtClock() override;

    void start(rt::Timer& t) override;
    void stop(rt::Timer& t) override;
    std::chrono::milliseconds now() const override;

    // Whether the model timer is counting.
    bool running(const rt::Timer& t) const;

    // Run before and after every tick (the binding gathers what a tick changes, paints it and
    // refreshes the cursor).
    std::function<void()> beforeTick;
    std::function<void()> afterTick;

private:
    QTimer& timerFor(rt::Timer& t);

    QElapsedTimer elapsed_;
    std::map<const rt::Timer*, std::unique_ptr<QTimer>> timers_;
};

}  // namespace rtqt
