#include "faketransport.h"

FakeTransport::FakeTransport(ManualClock& clock, ReplyHandler onReply,
                             std::function<void()> onFinished)
    : m_clock(clock),
      m_onReply(std::move(onReply)),
      m_onFinished(std::move(onFinished)),
      m_replyTimer(clock.createTimer()),
      m_delayTimer(clock.createTimer()) {
    m_replyTimer->setSingleShot(true);
    m_replyTimer->onTimeout = [this] {
        if (!m_busy || !m_scheduled) return;
        const Reply r = *m_scheduled;
        m_scheduled.reset();
        m_busy = false;
        deliver(r.first, r.second);
    };
    m_delayTimer->setSingleShot(true);
    m_delayTimer->onTimeout = [this] { deliver(USB_REPLY_RECEIVED, {}); };
}

FakeTransport::~FakeTransport() = default;

bool FakeTransport::SendFrame(const ByteString& frame) {
    if (m_terminated || m_busy) return false;
    m_busy = true;
    frames.push_back(frame);
    if (!m_active) {
        // Nothing is written while switched off: the frame is answered with code 2.
        m_scheduled = Reply{USB_REPLY_SWITCHED_OFF, {}};
        m_replyTimer->setInterval(SwitchedOffPassMs);
        m_replyTimer->start();
    } else if (responder) {
        std::optional<Reply> r = responder(frame);
        m_scheduled = r ? *r : Reply{USB_REPLY_NO_ANSWER, {}};
        m_replyTimer->setInterval(r ? latencyMs : NoAnswerMs);
        m_replyTimer->start();
    }
    return true;
}

bool FakeTransport::StartDelay(int ms) {
    if (m_terminated) return false;
    delays.push_back(ms);
    m_delayTimer->setInterval(ms);
    m_delayTimer->start();
    return true;
}

void FakeTransport::SetActive(bool on) {
    if (m_terminated) return;
    if (!on && m_active && m_busy) m_switchOffPending = true;
    m_active = on;
}

void FakeTransport::Terminate() {
    m_terminated = true;
    m_replyTimer->stop();
    m_delayTimer->stop();
    m_finishPending = true;
}

bool FakeTransport::reply(uint8_t code, const ByteString& data) {
    if (!m_busy) return false;
    m_busy = false;
    m_replyTimer->stop();
    m_scheduled.reset();
    deliver(code, data);
    return true;
}

void FakeTransport::pump() {
    if (m_switchOffPending) {
        m_switchOffPending = false;
        if (m_busy) reply(USB_REPLY_SWITCHED_OFF);
    }
    if (m_finishPending) {
        m_finishPending = false;
        m_active = false;
        // The end of the loop answers a frame still in flight, as the real thread does.
        if (m_busy) {
            m_busy = false;
            m_scheduled.reset();
            deliver(USB_REPLY_SWITCHED_OFF, {});
        }
        // The owner may destroy this object from its finished hook, so nothing after this.
        auto finished = m_onFinished;
        if (finished) finished();
    }
}

void FakeTransport::deliver(uint8_t code, const ByteString& data) {
    m_delivering = true;
    m_onReply(code, data);
    m_delivering = false;
}
