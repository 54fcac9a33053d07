// The transfer thread: the one worker of the program. It writes one adapter frame at a time,
// assembles and CRC-checks the adapter's reply, writes the frame again when no valid reply
// comes within the reply time-out (21 writes at most, then code 4), and hands every outcome
// to the main thread synchronously. It also offers a plain delay that ends in the same reply
// path.
//
// Threads: the worker runs the loop and touches the driver's read, write and purge; the main
// thread does everything else, owns both timers and runs every reply. The fields both threads
// use sit behind one mutex; the worker waits on a condition variable, or in the driver's
// receive wait while a reply is awaited, never spins.
//
// Before each write (the first of a frame and every repetition) the receive side is emptied:
// the driver's receive queue and the parser, so nothing that arrived before the write is taken
// for its reply.
//
// Every frame taken by SendFrame ends in exactly one reply: code 0 with the reply, code 4 after
// the last repetition, or code 2 when the transfer is switched off (or the thread ends) while
// the frame is queued or awaited.
#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "adapterrx.h"
#include "d2xx.h"
#include "ports.h"

class TUSBTXRX : public ITransferThread {
public:
    // Thread: the worker runs on its own std::thread (the program, threaded tests).
    // Manual: no thread; the caller runs the loop one pass at a time with Pass().
    enum class Mode { Thread, Manual };

    static constexpr int MaxRepetitions = 20;
    static constexpr int PollMs = 1;       // wait between reads while a reply is awaited
    static constexpr int IdlePollMs = 20;  // ... while nothing is awaited (stray bytes only)
    static constexpr int OffPollMs = 20;   // ... while switched off
    // Longest sleep in the driver's receive wait while a reply is awaited (drivers that can
    // wait so; the others are polled every PollMs). Every event that matters wakes it sooner.
    static constexpr int ReceiveWaitMs = 250;

    // onReply runs on the main thread for every reply; onFinished runs there once, after the
    // worker loop has ended, and may destroy this object. Never destroy it from onReply.
    TUSBTXRX(D2XXUnit& d2xx, ITimerFactory& timers, IMainThread& mainThread, int replyTimeoutMs,
             ReplyHandler onReply, std::function<void()> onFinished, Mode mode = Mode::Thread);
    // Ends the loop if it still runs. Replies and onFinished are no longer called from here on.
    ~TUSBTXRX() override;

    TUSBTXRX(const TUSBTXRX&) = delete;
    TUSBTXRX& operator=(const TUSBTXRX&) = delete;

    // Main thread. False while a frame is in flight (the frame is not taken) or once the
    // thread was told to end.
    bool SendFrame(const ByteString& frame) override;
    // Main thread: one reply (code 0, empty data) after ms. False once the thread was told to
    // end.
    bool StartDelay(int ms) override;
    void SetActive(bool on) override;
    // True while the loop is switched on and may touch the driver.
    bool IsRunning() const override;
    bool ReplyAfterRepetition() const override;
    // Main thread: asks the loop to end and stops both timers (a running delay is dropped).
    void Terminate() override;

    // Manual mode only: one pass of the loop without waiting; false once the loop has ended
    // (the end-of-loop work then has been done).
    bool Pass();
    // onFinished has run.
    bool Finished() const { return m_finished; }

private:
    enum class Next { Ended, SwitchedOff, Active };
    struct PassResult {
        Next next;
        bool awaiting;
        std::chrono::steady_clock::time_point readStart;
    };

    void run();
    PassResult runPass();
    void waitAfter(const PassResult& r);
    void endLoop();
    void writeFrame(const ByteString& frame, uint64_t seq);
    void deliver(uint8_t code, const ByteString& data);
    void takeLocked();
    void handOver(uint8_t code, const ByteString& data);
    bool wakeLocked() const;
    // Wakes the worker wherever it sleeps.
    void wake();

    // main thread
    void onReplyTimeout();
    void onDelayElapsed();
    void startReplyTimer(uint64_t seq);
    void finishOnMain();

    D2XXUnit& m_d2xx;
    IMainThread& m_main;
    ReplyHandler m_onReply;
    std::function<void()> m_onFinished;
    std::unique_ptr<ITimer> m_replyTimer;  // main thread only
    std::unique_ptr<ITimer> m_delayTimer;  // main thread only
    std::shared_ptr<int> m_alive;          // closures queued on the main thread check it
    bool m_destroying = false;             // main thread only
    bool m_finished = false;               // main thread only

    AdapterRxParser m_parser;  // worker only

    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    // under m_mutex
    bool m_active = false;
    bool m_running = false;
    bool m_sendPending = false;
    bool m_awaitingReply = false;
    bool m_busy = false;
    bool m_timeoutEvent = false;
    bool m_terminate = false;
    bool m_loopEnded = false;
    ByteString m_txFrame;
    uint8_t m_retryCount = 0;
    uint64_t m_writeSeq = 0;
    bool m_handOverRepeated = false;  // the reply being handed over came after a repetition

    std::thread m_thread;
};
