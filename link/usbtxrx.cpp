#include "usbtxrx.h"

#include <algorithm>
#include <cstring>

using Clock = std::chrono::steady_clock;

TUSBTXRX::TUSBTXRX(D2XXUnit& d2xx, ITimerFactory& timers, IMainThread& mainThread,
                   int replyTimeoutMs, ReplyHandler onReply, std::function<void()> onFinished,
                   Mode mode)
    : m_d2xx(d2xx),
      m_main(mainThread),
      m_onReply(std::move(onReply)),
      m_onFinished(std::move(onFinished)),
      m_replyTimer(timers.createTimer()),
      m_delayTimer(timers.createTimer()),
      m_alive(std::make_shared<int>(0)) {
    // Error boxes are for the GUI thread alone: from here on the driver routines stay silent.
    m_d2xx.ShowErrors = false;
    m_replyTimer->setInterval(replyTimeoutMs);
    m_replyTimer->setSingleShot(true);
    m_replyTimer->onTimeout = [this] { onReplyTimeout(); };
    m_delayTimer->setInterval(0);
    m_delayTimer->setSingleShot(true);
    m_delayTimer->onTimeout = [this] { onDelayElapsed(); };
    if (mode == Mode::Thread) m_thread = std::thread([this] { run(); });
}

TUSBTXRX::~TUSBTXRX() {
    m_destroying = true;
    Terminate();
    if (m_thread.joinable()) {
        // The worker may be waiting for this very thread to take a reply: keep serving it.
        for (;;) {
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                if (m_cv.wait_for(lock, std::chrono::milliseconds(1),
                                  [this] { return m_loopEnded; }))
                    break;
            }
            m_main.processEvents();
        }
        m_thread.join();
    }
    m_alive.reset();
}

// ---- main thread ----------------------------------------------------------------------

bool TUSBTXRX::SendFrame(const ByteString& frame) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_terminate || m_busy) return false;
        m_retryCount = 0;
        m_txFrame = frame;
        m_sendPending = true;
        m_busy = true;
    }
    wake();
    return true;
}

bool TUSBTXRX::StartDelay(int ms) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_terminate) return false;
    }
    m_delayTimer->setInterval(ms);
    m_delayTimer->start();
    return true;
}

void TUSBTXRX::SetActive(bool on) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_active = on;
    }
    wake();
}

bool TUSBTXRX::IsRunning() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_running;
}

bool TUSBTXRX::ReplyAfterRepetition() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_handOverRepeated;
}

void TUSBTXRX::Terminate() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_terminate = true;
    }
    wake();
    m_replyTimer->stop();
    m_delayTimer->stop();
}

void TUSBTXRX::onReplyTimeout() {
    m_replyTimer->stop();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_timeoutEvent = true;
    }
    wake();
}

void TUSBTXRX::wake() {
    m_cv.notify_all();
    // The worker may be asleep in the driver's receive wait rather than on the condition.
    m_d2xx.wakeReceiveWait();
}

void TUSBTXRX::onDelayElapsed() {
    m_delayTimer->stop();
    // Local values: the worker's reply fields are not this thread's to write.
    if (m_onReply && !m_destroying) m_onReply(USB_REPLY_RECEIVED, ByteString());
}

void TUSBTXRX::startReplyTimer(uint64_t seq) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        // The reply may already have been handed over: then the timer stays off.
        if (!m_awaitingReply || seq != m_writeSeq || m_terminate) return;
    }
    m_replyTimer->start();
}

void TUSBTXRX::finishOnMain() {
    m_replyTimer->stop();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_timeoutEvent = false;
        m_running = false;
    }
    m_finished = true;
    // A copy: the owner may destroy this object from inside the hook.
    const auto onFinished = m_onFinished;
    if (onFinished && !m_destroying) onFinished();
}

// ---- worker ---------------------------------------------------------------------------

void TUSBTXRX::run() {
    for (;;) {
        const PassResult r = runPass();
        if (r.next == Next::Ended) break;
        waitAfter(r);
    }
    endLoop();
}

bool TUSBTXRX::Pass() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_loopEnded) return false;
    }
    if (runPass().next != Next::Ended) return true;
    endLoop();
    return false;
}

void TUSBTXRX::takeLocked() {
    m_awaitingReply = false;
    m_sendPending = false;
    m_busy = false;
    m_timeoutEvent = false;
}

bool TUSBTXRX::wakeLocked() const {
    return m_terminate || !m_active || m_sendPending || m_timeoutEvent;
}

TUSBTXRX::PassResult TUSBTXRX::runPass() {
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_terminate) return {Next::Ended, false, {}};

    if (!m_active) {
        // Switched off: whatever was queued or awaited is answered now, and not held over.
        if (m_busy) {
            takeLocked();
            lock.unlock();
            handOver(USB_REPLY_SWITCHED_OFF, ByteString());
            lock.lock();
        }
        m_timeoutEvent = false;
        m_running = m_active;  // idle only once the switch-off reply has been handed over
        return {Next::SwitchedOff, false, {}};
    }
    m_running = true;

    ByteString frame;
    uint64_t seq = 0;
    const bool write = m_sendPending;
    if (write) {
        frame = m_txFrame;
        m_sendPending = false;
        m_awaitingReply = true;
        m_timeoutEvent = false;
        seq = ++m_writeSeq;
    }
    lock.unlock();
    if (write) writeFrame(frame, seq);

    const auto readStart = Clock::now();
    const uint32_t n = std::min<uint32_t>(m_d2xx.D2XX_Read(), D2XXUnit::BufferSize);
    for (uint32_t i = 0; i < n; ++i)
        if (auto reply = m_parser.feed(m_d2xx.RxBuffer[i])) deliver(USB_REPLY_RECEIVED, *reply);

    lock.lock();
    if (m_timeoutEvent) {
        m_timeoutEvent = false;
        // A time-out that fired while its reply was being handed over is stale: it must not
        // send the answered frame again.
        if (m_awaitingReply && !m_sendPending) {
            lock.unlock();
            m_d2xx.D2XX_PurgeRx();
            m_d2xx.D2XX_PurgeTx();
            lock.lock();
            if (++m_retryCount > MaxRepetitions) {
                takeLocked();
                lock.unlock();
                handOver(USB_REPLY_NO_ANSWER, ByteString());
                lock.lock();
            } else {
                m_sendPending = true;
            }
        }
    }
    return {Next::Active, m_awaitingReply, readStart};
}

void TUSBTXRX::writeFrame(const ByteString& frame, uint64_t seq) {
    // Whatever arrived before this write cannot be its reply: a late or doubled answer to an
    // earlier frame, half a frame, a pending escape. Thrown away now, never after the write.
    m_d2xx.D2XX_PurgeRx();
    m_parser.discard();
    const uint32_t n = static_cast<uint32_t>(std::min(frame.size(), D2XXUnit::BufferSize));
    std::memcpy(m_d2xx.TxBuffer.data(), frame.data(), n);
    // Nothing at all written: one more try at once; a short write is left to the time-out.
    if (m_d2xx.D2XX_Write(n) == 0 && n > 0) m_d2xx.D2XX_Write(n);
    std::weak_ptr<int> alive = m_alive;
    m_main.post([this, alive, seq] {
        if (!alive.expired()) startReplyTimer(seq);
    });
}

void TUSBTXRX::deliver(uint8_t code, const ByteString& data) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_awaitingReply) return;  // nothing awaited: a stray or second reply is dropped
        m_handOverRepeated = m_retryCount > 0;
        takeLocked();
    }
    handOver(code, data);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_handOverRepeated = false;
}

void TUSBTXRX::handOver(uint8_t code, const ByteString& data) {
    // Busy is already clear, so the reply handler may queue the next frame.
    std::weak_ptr<int> alive = m_alive;
    m_main.invokeBlocking([this, alive, code, &data] {
        if (alive.expired()) return;
        m_replyTimer->stop();
        if (m_onReply && !m_destroying) m_onReply(code, data);
    });
}

void TUSBTXRX::waitAfter(const PassResult& r) {
    std::unique_lock<std::mutex> lock(m_mutex);
    if (r.next == Next::SwitchedOff) {
        m_cv.wait_for(lock, std::chrono::milliseconds(OffPollMs),
                      [this] { return m_terminate || m_active || m_busy; });
        return;
    }
    if (r.awaiting) {
        // Sleep in the driver until the reply's bytes arrive; a new frame, the reply time-out,
        // a switch-off and the end wake it (wake()). A wake that came before this point ends
        // the driver's wait at once, so none is lost.
        if (wakeLocked()) return;
        lock.unlock();
        if (m_d2xx.waitForReceive(ReceiveWaitMs)) return;
        lock.lock();
    }
    // The driver's read already waited its time-out; wait only for what remains of the poll
    // interval, and wake at once for a new frame, a time-out, a switch-off or the end.
    const auto until = r.readStart + std::chrono::milliseconds(r.awaiting ? PollMs : IdlePollMs);
    m_cv.wait_until(lock, until, [this] { return wakeLocked(); });
}

void TUSBTXRX::endLoop() {
    bool answer = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_loopEnded) return;
        if (m_busy) {
            takeLocked();
            answer = true;
        }
    }
    if (answer) handOver(USB_REPLY_SWITCHED_OFF, ByteString());
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_running = false;
        m_timeoutEvent = false;
        m_loopEnded = true;
    }
    m_cv.notify_all();
    std::weak_ptr<int> alive = m_alive;
    m_main.post([this, alive] {
        if (!alive.expired()) finishOnMain();
    });
}
