#include "engineharness.h"

#include <algorithm>

#include "usbtxrx.h"

EngineHarness::EngineHarness(Options options)
    : path(sim, options.path, &ui),
      d2xx(options.driver ? *options.driver : path.driver(), &ui),
      engine(EnginePorts{clock, d2xx,
                         [this, factory = std::move(options.threadFactory)](
                             int timeoutMs, ReplyHandler onReply,
                             std::function<void()> onFinished) -> std::unique_ptr<ITransferThread> {
                             // Every reply hand-over is watched, so a test can tell the reply path
                             // apart.
                             ReplyHandler onWatched = watched(std::move(onReply));
                             if (factory)
                                 return factory(*this, timeoutMs, onWatched, std::move(onFinished));
                             auto t = std::make_unique<FakeTransport>(clock, onWatched,
                                                                      std::move(onFinished));
                             m_lastFake = t.get();
                             return t;
                         },
                         log, ui, mainThread}) {
    ui.onBox = [this] { boxesInReplyPath += inReplyPath() ? 1 : 0; };
    mainThread.pumps.push_back([this] {
        if (m_lastFake) m_lastFake->pump();
    });
    if (options.pump) {
        m_stepped = true;
        m_quiet = std::move(options.quiet);
        m_nextAnswer = std::move(options.nextAnswer);
        mainThread.pumps.push_back([this, pump = std::move(options.pump)] { pump(*this); });
    }
    hooks.install(engine);
}

void EngineHarness::show() {
    engine.USB_StartThread(MainEngine::ReplyTimeoutMs);
    engine.USBTimer().start();
    engine.USBTXTimer().start();
    engine.AdapterReady = false;
    callHook(engine.windowHooks.UI_UpdateLinkState);
}

void EngineHarness::advance(int64_t ms) {
    if (!m_stepped) {
        clock.advance(ms);
        return;
    }
    const int64_t end = clock.now() + (ms < 0 ? 0 : ms);
    while (clock.now() < end) {
        // Twice: a pass may post work of its own (starting the reply timer).
        mainThread.processEvents();
        mainThread.processEvents();
        int64_t step = 1;
        if (m_quiet && m_quiet(*this)) {
            int64_t due = clock.nextDue();
            const int64_t answer = m_nextAnswer ? m_nextAnswer(*this) : -1;
            if (answer >= 0 && (due < 0 || answer < due)) due = answer;
            step = due < 0 ? end - clock.now() : std::max<int64_t>(1, due - clock.now());
        }
        clock.advance(std::min(step, end - clock.now()));
    }
    mainThread.processEvents();
}

void EngineHarness::close() {
    engine.USB_StopThread();
    for (int i = 0; i < 1000 && engine.ThreadAlive; ++i) mainThread.processEvents();
}

FakeTransport* EngineHarness::transport() const {
    return dynamic_cast<FakeTransport*>(engine.USBThread());
}

EngineHarness::Options EngineHarness::withTransferThread(DriverPath path) {
    Options o;
    o.path = path;
    o.threadFactory = [](EngineHarness& e, int timeoutMs, ReplyHandler onReply,
                         std::function<void()> onFinished) -> std::unique_ptr<ITransferThread> {
        return std::make_unique<TUSBTXRX>(e.d2xx, e.clock, e.mainThread, timeoutMs,
                                          std::move(onReply), std::move(onFinished),
                                          TUSBTXRX::Mode::Manual);
    };
    o.pump = [](EngineHarness& e) {
        if (auto* t = dynamic_cast<TUSBTXRX*>(e.engine.USBThread())) t->Pass();
    };
    // Nothing readable (or no adapter to read from): only a timer or an answer falling due
    // can change anything.
    o.quiet = [](EngineHarness& e) {
        uint32_t n = 0;
        return e.sim.FT_GetQueueStatus(n) != FT_OK || n == 0;
    };
    o.nextAnswer = [](EngineHarness& e) { return e.sim.nextDueMs(); };
    return o;
}

EngineHarness::Options EngineHarness::withWorkerThread() {
    Options o;
    o.threadFactory = [](EngineHarness& e, int timeoutMs, ReplyHandler onReply,
                         std::function<void()> onFinished) -> std::unique_ptr<ITransferThread> {
        return std::make_unique<TUSBTXRX>(e.d2xx, e.clock, e.mainThread, timeoutMs,
                                          std::move(onReply), std::move(onFinished),
                                          TUSBTXRX::Mode::Thread);
    };
    // The worker polls in real time while the test's clock stands: give it a moment to read
    // what fell due and hand it over before the clock moves on. While nothing is readable the
    // clock may jump to the next timer or answer, as with the loop run pass by pass.
    o.pump = [](EngineHarness& e) { e.mainThread.waitAndPump(std::chrono::microseconds(100)); };
    o.quiet = withTransferThread().quiet;
    o.nextAnswer = [](EngineHarness& e) { return e.sim.nextDueMs(); };
    return o;
}
