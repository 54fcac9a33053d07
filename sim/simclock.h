// Time as the simulated adapter and its control units see it: the real steady clock when the
// program or a threaded test runs, or a test's own clock so every delay is exact and instant.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <utility>

class ISimClock {
public:
    virtual ~ISimClock() = default;
    virtual int64_t nowMs() const = 0;
    // True when the clock follows real time, so a read may block until data is due.
    virtual bool isRealTime() const = 0;
};

class SteadySimClock : public ISimClock {
public:
    int64_t nowMs() const override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    bool isRealTime() const override { return true; }
};

// A clock that reads a test's time source (e.g. ManualClock::now); never blocks.
class FunctionSimClock : public ISimClock {
public:
    explicit FunctionSimClock(std::function<int64_t()> now) : m_now(std::move(now)) {}
    int64_t nowMs() const override { return m_now(); }
    bool isRealTime() const override { return false; }

private:
    std::function<int64_t()> m_now;
};
