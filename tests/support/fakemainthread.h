// The main thread for single-threaded tests: hand-overs run at once, posted work and the
// registered pumps run when the engine waits with processEvents.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "ports.h"

class FakeMainThread : public IMainThread {
public:
    void post(std::function<void()> fn) override { m_posted.push_back(std::move(fn)); }
    void invokeBlocking(std::function<void()> fn) override { fn(); }
    void processEvents() override {
        ++processEventsCalls;
        while (!m_posted.empty()) {
            auto fn = std::move(m_posted.front());
            m_posted.pop_front();
            fn();
        }
        for (auto& p : pumps) p();
    }

    // Work that happens "in the background" whenever the main thread lets events through.
    std::vector<std::function<void()>> pumps;
    int processEventsCalls = 0;

private:
    std::deque<std::function<void()>> m_posted;
};
