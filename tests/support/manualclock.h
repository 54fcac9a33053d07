// A clock that tests advance by hand: timers fire when their due time is passed, in due order,
// so minutes of program time run in microseconds and always the same way.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <set>
#include <vector>

#include "ports.h"

class ManualClock : public ITimerFactory {
public:
    class Timer;

    std::unique_ptr<ITimer> createTimer() override;

    // May be read from a worker thread (the simulated adapter's clock) while the test thread
    // advances it.
    int64_t now() const { return m_now; }
    // Advances time by ms, firing every timer that falls due on the way.
    void advance(int64_t ms);
    // Fires due timers at the current time without moving it.
    void fireDue() { advance(0); }
    size_t activeTimers() const;
    // Due time of the earliest active timer, or -1 when none is active.
    int64_t nextDue() const;

private:
    friend class Timer;
    std::atomic<int64_t> m_now{0};
    uint64_t m_seq = 0;
    std::set<Timer*> m_timers;
};

class ManualClock::Timer : public ITimer {
public:
    explicit Timer(ManualClock& c) : m_clock(c) {}
    ~Timer() override { m_clock.m_timers.erase(this); }
    void setInterval(int ms) override {
        m_interval = ms < 0 ? 0 : ms;
        if (m_active) m_due = m_clock.m_now + m_interval;
    }
    int interval() const override { return m_interval; }
    void setSingleShot(bool s) override { m_singleShot = s; }
    void start() override {
        m_active = true;
        m_due = m_clock.m_now + m_interval;
        m_seq = ++m_clock.m_seq;
    }
    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }

    int64_t due() const { return m_due; }
    uint64_t seq() const { return m_seq; }
    bool singleShot() const { return m_singleShot; }
    void fired() {
        if (m_singleShot)
            m_active = false;
        else
            m_due += m_interval > 0 ? m_interval : 1;
    }

private:
    ManualClock& m_clock;
    int m_interval = 0;
    bool m_singleShot = false;
    bool m_active = false;
    int64_t m_due = 0;
    uint64_t m_seq = 0;
};
