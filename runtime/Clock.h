#pragma once
// Where timers get their ticks: real time in the program, a virtual clock in headless runs.

#include <chrono>

namespace rt {

class Timer;

class Clock {
public:
    virtual ~Clock() = default;
    // Starts (or restarts from now) the timer's count: first tick one interval from now.
    virtual void start(Timer& t) = 0;
    // Stops the timer's ticks.
    virtual void stop(Timer& t) = 0;
    // Milliseconds since the clock began.
    virtual std::chrono::milliseconds now() const = 0;
};

}  // namespace rt
