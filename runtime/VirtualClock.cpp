#include "runtime/VirtualClock.h"

#include <algorithm>

#include "runtime/Timer.h"

namespace rt {

void VirtualClock::start(Timer& t) {
    auto it = std::find_if(armed_.begin(), armed_.end(), [&](const Armed& a) { return a.timer == &t; });
    if (t.Interval().count() <= 0) {
        if (it != armed_.end()) armed_.erase(it);
        return;
    }
    if (it != armed_.end()) {
        it->due = now_ + t.Interval();  // a new interval restarts the count, keeping its place
    } else {
        armed_.push_back(Armed{&t, now_ + t.Interval(), nextOrder_++});
    }
}

void VirtualClock::stop(Timer& t) {
    std::erase_if(armed_, [&](const Armed& a) { return a.timer == &t; });
}

bool VirtualClock::running(const Timer& t) const {
    return std::any_of(armed_.begin(), armed_.end(), [&](const Armed& a) { return a.timer == &t; });
}

std::optional<std::chrono::milliseconds> VirtualClock::nextDue() const {
    std::optional<std::chrono::milliseconds> next;
    for (const Armed& a : armed_)
        if (!next || a.due < *next) next = a.due;
    return next;
}

void VirtualClock::advance(std::chrono::milliseconds ms) {
    const auto target = now_ + ms;
    for (;;) {
        auto next = armed_.end();
        for (auto it = armed_.begin(); it != armed_.end(); ++it) {
            if (it->due > target) continue;
            if (next == armed_.end() || it->due < next->due || (it->due == next->due && it->order < next->order))
                next = it;
        }
        if (next == armed_.end()) break;
        now_ = next->due;
        next->due += next->timer->Interval();
        Timer* t = next->timer;
        t->fire();  // may enable, disable or re-time any timer
    }
    now_ = target;
}

}  // namespace rt
