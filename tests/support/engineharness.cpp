#include "engineharness.h"

EngineHarness::EngineHarness(Options options)
    : d2xx(options.driver ? *options.driver : fakeDriver, &ui),
      engine(EnginePorts{
          clock, d2xx,
          [this, factory = std::move(options.threadFactory)](
              int timeoutMs, ReplyHandler onReply,
              std::function<void()> onFinished) -> std::unique_ptr<ITransferThread> {
              // Every reply hand-over is watched, so a test can tell the reply path apart.
              ReplyHandler watched = [this, onReply](uint8_t code, const ByteString& data) {
                  ++m_replyDepth;
                  ++replies;
                  onReply(code, data);
                  --m_replyDepth;
              };
              if (factory) return factory(*this, timeoutMs, watched, std::move(onFinished));
              auto t = std::make_unique<FakeTransport>(clock, watched, std::move(onFinished));
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
    for (int64_t i = 0; i < ms; ++i) {
        clock.advance(1);
        mainThread.processEvents();
    }
}

void EngineHarness::close() {
    engine.USB_StopThread();
    for (int i = 0; i < 1000 && engine.ThreadAlive; ++i) mainThread.processEvents();
}

FakeTransport* EngineHarness::transport() const {
    return dynamic_cast<FakeTransport*>(engine.USBThread());
}
