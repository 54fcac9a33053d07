// Timers that are never due within a benchmark: the benchmark itself calls what a timer would.
#pragma once

#include <memory>

#include "ports.h"

class InertTimer : public ITimer {
public:
    void setInterval(int ms) override { m_interval = ms; }
    int interval() const override { return m_interval; }
    void setSingleShot(bool) override {}
    void start() override { m_active = true; }
    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }

private:
    int m_interval = 0;
    bool m_active = false;
};

class InertTimers : public ITimerFactory {
public:
    std::unique_ptr<ITimer> createTimer() override { return std::make_unique<InertTimer>(); }
};
