#include "runtime/qt/QtClock.h"

#include "runtime/Timer.h"

namespace rtqt {

QtClock::QtClock() {
    elapsed_.start();
}

QtClock::~QtClock() = default;

QTimer& QtClock::timerFor(rt::Timer& t) {
    auto it = timers_.find(&t);
    if (it != timers_.end()) return *it->second;
    auto q = std::make_unique<QTimer>();
    q->setTimerType(Qt::PreciseTimer);
    q->setSingleShot(false);
    // The model timer outlives its ticks: a timer being destroyed while enabled stops itself
    // first, and a stopped Qt timer never fires.
    QObject::connect(q.get(), &QTimer::timeout, q.get(), [this, tp = &t] {
        if (beforeTick) beforeTick();
        tp->fire();
        if (afterTick) afterTick();
    });
    return *timers_.emplace(&t, std::move(q)).first->second;
}

void QtClock::start(rt::Timer& t) {
    const auto interval = t.Interval();
    if (interval.count() <= 0) {  // an interval of 0 never ticks
        stop(t);
        return;
    }
    timerFor(t).start(static_cast<int>(std::min<long long>(interval.count(), 0x7fffffff)));
}

void QtClock::stop(rt::Timer& t) {
    auto it = timers_.find(&t);
    if (it != timers_.end()) it->second->stop();
}

bool QtClock::running(const rt::Timer& t) const {
    auto it = timers_.find(&t);
    return it != timers_.end() && it->second->isActive();
}

std::chrono::milliseconds QtClock::now() const {
    return std::chrono::milliseconds(elapsed_.elapsed());
}

}  // namespace rtqt
