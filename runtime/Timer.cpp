#include "runtime/Timer.h"

#include "runtime/Application.h"
#include "runtime/Clock.h"
#include "runtime/Window.h"

namespace rt {

Timer::Timer(Container* parent, std::string name, std::chrono::milliseconds interval)
    : Control(Kind::Timer, parent, std::move(name)), interval_(interval) {
    enabled_ = false;
}

Timer::~Timer() {
    if (enabled_ && window_) clock().stop(*this);
}

Clock& Timer::clock() const { return window_->app().clock(); }

void Timer::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    if (on) clock().start(*this);
    else clock().stop(*this);
}

void Timer::setInterval(std::chrono::milliseconds ms) {
    if (ms == interval_) return;
    interval_ = ms;
    if (enabled_) clock().start(*this);
}

void Timer::fire() {
    if (enabled_ && onTimer) onTimer();
}

bool Timer::property(std::string_view prop, Value& out) const {
    if (prop == "Enabled") out = Value::boolean(enabled_);
    else if (prop == "Interval") out = Value::integer(interval_.count());
    else return false;
    return true;
}

std::vector<std::string> Timer::propertyNames() const { return {"Enabled", "Interval"}; }

}  // namespace rt
