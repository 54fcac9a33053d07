#include "manualclock.h"

std::unique_ptr<ITimer> ManualClock::createTimer() {
    auto t = std::make_unique<Timer>(*this);
    m_timers.insert(t.get());
    return t;
}

size_t ManualClock::activeTimers() const {
    size_t n = 0;
    for (auto* t : m_timers) n += t->isActive() ? 1 : 0;
    return n;
}

int64_t ManualClock::nextDue() const {
    int64_t due = -1;
    for (auto* t : m_timers)
        if (t->isActive() && (due < 0 || t->due() < due)) due = t->due();
    return due;
}

void ManualClock::advance(int64_t ms) {
    const int64_t target = m_now + (ms < 0 ? 0 : ms);
    for (;;) {
        // The next timer due at or before the target; ties go to the one started first.
        Timer* next = nullptr;
        for (auto* t : m_timers) {
            if (!t->isActive() || t->due() > target) continue;
            if (!next || t->due() < next->due() ||
                (t->due() == next->due() && t->seq() < next->seq()))
                next = t;
        }
        if (!next) break;
        if (next->due() > m_now) m_now = next->due();
        next->fired();
        // A copy: the handler may stop, restart or even delete its own timer.
        auto handler = next->onTimeout;
        if (handler) handler();
    }
    m_now = target;
}
