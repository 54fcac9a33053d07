// A main thread for tests without Qt: the thread that creates it is the main thread. Work the
// worker posts waits in a queue until the test pumps it; a blocking call from the worker waits
// until the test has pumped it; a call from the main thread itself runs at once.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "ports.h"

class PumpedMainThread : public IMainThread {
public:
    PumpedMainThread() : m_owner(std::this_thread::get_id()) {}

    void post(std::function<void()> fn) override {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_queue.push_back(std::move(fn));
        }
        m_cv.notify_all();
    }

    void invokeBlocking(std::function<void()> fn) override {
        if (isMainThread()) {
            fn();
            return;
        }
        bool done = false;
        post([&] {
            fn();
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                done = true;
            }
            m_cv.notify_all();
        });
        std::unique_lock<std::mutex> lock(m_mutex);
        m_cv.wait(lock, [&] { return done; });
    }

    void processEvents() override { pump(); }

    bool isMainThread() const { return std::this_thread::get_id() == m_owner; }

    // Runs what is queued, including what the queued work queues; returns how many ran.
    size_t pump() {
        size_t n = 0;
        for (;;) {
            std::function<void()> fn;
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                if (m_queue.empty()) return n;
                fn = std::move(m_queue.front());
                m_queue.pop_front();
            }
            fn();
            ++n;
        }
    }

    // Waits up to maxWait for work to arrive, then pumps it.
    size_t waitAndPump(std::chrono::microseconds maxWait) {
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_cv.wait_for(lock, maxWait, [this] { return !m_queue.empty(); });
        }
        return pump();
    }

private:
    const std::thread::id m_owner;
    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::deque<std::function<void()>> m_queue;
};
