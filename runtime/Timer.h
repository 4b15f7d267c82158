#pragma once
// A timer control: raises onTimer every Interval milliseconds while enabled, the first tick one
// interval after it was enabled. Enabling an enabled timer, or setting the interval it already
// has, changes nothing; another interval restarts the count from now. Ticks come from the
// application's Clock (real or virtual), between events, never inside a handler.

#include <chrono>
#include <functional>

#include "runtime/Control.h"

namespace rt {

class Clock;

class Timer : public Control {
public:
    Timer(Container* parent, std::string name, std::chrono::milliseconds interval = std::chrono::milliseconds(0));
    ~Timer() override;

    bool Enabled() const { return enabled_; }
    void setEnabled(bool on) override;
    std::chrono::milliseconds Interval() const { return interval_; }
    void setInterval(std::chrono::milliseconds ms);

    std::function<void()> onTimer;

    // Called by the clock when the timer falls due.
    void fire();

    bool takesMouse() const override { return false; }
    bool property(std::string_view prop, Value& out) const override;
    std::vector<std::string> propertyNames() const override;

private:
    Clock& clock() const;
    std::chrono::milliseconds interval_;
};

}  // namespace rt
