// A transfer thread without a thread: it records the frames and delays it is given, and the
// test hands back the replies (or lets a responder answer after a latency on the manual
// clock). It keeps the promise of the real one: every frame it takes and every delay it
// starts ends in exactly one reply.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "manualclock.h"
#include "ports.h"

class FakeTransport : public ITransferThread {
public:
    // What a responder gives for a frame: a reply code with its data, or nothing (silence).
    using Reply = std::pair<uint8_t, ByteString>;
    using Responder = std::function<std::optional<Reply>(const ByteString& frame)>;

    // Time until a silent adapter is reported with code 4: 21 writes of 2000 ms.
    static constexpr int NoAnswerMs = 21 * 2000;
    // A frame taken while switched off is answered with code 2 on the worker's next pass.
    static constexpr int SwitchedOffPassMs = 20;

    FakeTransport(ManualClock& clock, ReplyHandler onReply, std::function<void()> onFinished);
    ~FakeTransport() override;

    bool SendFrame(const ByteString& frame) override;
    bool StartDelay(int ms) override;
    void SetActive(bool on) override;
    bool IsRunning() const override { return !m_terminated && (m_active || m_switchOffPending); }
    void Terminate() override;

    // The test delivers the reply of the frame in flight; false when none is in flight (or
    // the thread has ended).
    bool reply(uint8_t code, const ByteString& data = {});
    // What the worker does while the main thread waits: the switch-off answer, the end.
    void pump();

    bool busy() const { return m_busy; }
    bool active() const { return m_active; }
    bool terminated() const { return m_terminated; }
    bool delaying() const { return m_delayTimer->isActive(); }
    // True while the reply hand-over runs.
    bool delivering() const { return m_delivering; }
    bool timersStopped() const { return !m_delayTimer->isActive() && !m_replyTimer->isActive(); }

    std::vector<ByteString> frames;  // every frame taken, in order
    std::vector<int> delays;         // every delay started
    Responder responder;             // answers frames by itself when set
    int latencyMs = 5;

private:
    void deliver(uint8_t code, const ByteString& data);

    ManualClock& m_clock;
    ReplyHandler m_onReply;
    std::function<void()> m_onFinished;
    std::unique_ptr<ITimer> m_replyTimer;  // the responder's answer (or the code 4/2 outcome)
    std::unique_ptr<ITimer> m_delayTimer;
    std::optional<Reply> m_scheduled;
    bool m_active = false;
    bool m_busy = false;
    bool m_switchOffPending = false;
    bool m_terminated = false;
    bool m_finishPending = false;
    bool m_delivering = false;
};
