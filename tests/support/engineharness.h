// The engine assembled for tests: manual clock, scripted user interaction, recording log and
// hooks, a single-threaded main thread and the simulated adapters on the manual clock. Frames
// go to a FakeTransport (the test answers them), or, with withTransferThread(), through the
// real transfer thread, run pass by pass, to the simulated adapters.
#pragma once

#include <memory>

#include "d2xx.h"
#include "driverpath.h"
#include "fakemainthread.h"
#include "faketransport.h"
#include "fakeui.h"
#include "mainengine.h"
#include "manualclock.h"
#include "recordinghooks.h"
#include "recordinglog.h"
#include "replywatch.h"
#include "simftdriver.h"

class EngineHarness : public ReplyWatch {
public:
    struct Options {
        // The driver the engine opens; the harness's simulated adapters when null.
        IFtDriver* driver = nullptr;
        // ThroughChip: the libftdi1 driver over the modelled USB chip, with the harness's
        // simulated adapters on the chip's far side (driver must then be null).
        DriverPath path = DriverPath::Simulated;
        // Builds the transfer thread; a FakeTransport when empty. It gets the harness.
        std::function<std::unique_ptr<ITransferThread>(EngineHarness&, int replyTimeoutMs,
                                                       ReplyHandler, std::function<void()>)>
            threadFactory;
        // Work of a worker that runs without its own thread (a transfer thread driven pass by
        // pass): runs whenever the main thread lets events through. When set, advance() moves
        // the clock in steps of 1 ms and lets events through after each.
        std::function<void(EngineHarness&)> pump;
        // With a pump: true when the worker has nothing to do until a timer fires (nothing to
        // read, nothing to write), so advance() may jump to the next timer.
        std::function<bool(EngineHarness&)> quiet;
        // With quiet: when the adapter's next answer becomes readable (-1: none on its way);
        // advance() jumps no further than that.
        std::function<int64_t(EngineHarness&)> nextAnswer;
    };

    EngineHarness() : EngineHarness(Options{}) {}
    explicit EngineHarness(Options options);
    // The real transfer thread between the engine and the simulated adapters, run pass by
    // pass on the test thread.
    static Options withTransferThread(DriverPath path = DriverPath::Simulated);
    // The same with its own worker thread. The clock still moves only when the test advances
    // it, each step giving the worker a moment to read and hand over.
    static Options withWorkerThread();

    // The engine's part of showing the main window: transfer thread, request timer, watch
    // timer, adapter not ready.
    void show();
    // Program end: stop the thread and let events through until it is gone.
    void close();
    void advance(int64_t ms);

    // The current fake transfer thread (nullptr when there is none or it is not a fake).
    FakeTransport* transport() const;

    ManualClock clock;
    FunctionSimClock simClock{[this] { return clock.now(); }};
    SimFtDriver sim{simClock};
    FakeUserInteraction ui;
    RecordingLog log;
    FakeMainThread mainThread;
    DriverOver path;  // SimFtDriver itself, or the libftdi1 driver over the chip model
    D2XXUnit d2xx;
    RecordingHooks hooks;
    // Boxes that opened while a reply was processed (must stay 0).
    int boxesInReplyPath = 0;

private:
    FakeTransport* m_lastFake = nullptr;
    bool m_stepped = false;
    std::function<bool(EngineHarness&)> m_quiet;
    std::function<int64_t(EngineHarness&)> m_nextAnswer;

public:
    MainEngine engine;
};
