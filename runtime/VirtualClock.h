#pragma once
// A clock that only moves when told to: advance(ms) runs every tick that falls due, in time
// order; ticks due at the same moment run in the order their timers were enabled.

#include <cstdint>
#include <optional>
#include <vector>

#include "runtime/Clock.h"

namespace rt {

class VirtualClock : public Clock {
public:
    void start(Timer& t) override;
    void stop(Timer& t) override;
    std::chrono::milliseconds now() const override { return now_; }

    void advance(std::chrono::milliseconds ms);
    bool running(const Timer& t) const;
    // When the next tick falls due (none when no timer runs): a front end that drives this
    // clock with real time sleeps until then.
    std::optional<std::chrono::milliseconds> nextDue() const;

private:
    struct Armed {
        Timer* timer;
        std::chrono::milliseconds due;
        uint64_t order;  // when it was enabled, for ties
    };
    std::vector<Armed> armed_;
    std::chrono::milliseconds now_{0};
    uint64_t nextOrder_ = 0;
};

}  // namespace rt
