// Common ground of the simulated W-Bus control units: checks the framing of a request
// (address, length, XOR), hands its payload to the unit and frames the answer.
#pragma once

#include <cstdint>
#include <deque>
#include <limits>
#include <optional>
#include <vector>

#include "simunit.h"

class SimWBusUnit : public ISimControlUnit {
public:
    uint8_t bus() const override { return 0; }
    void attachClock(const ISimClock& clock) override { m_clock = &clock; }
    std::optional<ByteString> answer(const ByteString& telegram) override;

    // A unit that stays silent answers nothing at all (the adapter reports no bus answer).
    void setSilent(bool silent) { m_silent = silent; }
    bool silent() const { return m_silent; }
    // Requests whose payload begins with the prefix (command, then page or sub bytes) are
    // refused (7F, command, 33) or left unanswered, until the faults are cleared.
    void refuseRequests(const ByteString& prefix) { m_refused.push_back(prefix); }
    void ignoreRequests(const ByteString& prefix) { m_ignored.push_back(prefix); }
    // Requests with the prefix are carried out, but their answers never reach the adapter in
    // time (an answer that comes too late for its request).
    void loseAnswers(const ByteString& prefix) { m_lost.push_back(prefix); }
    void clearRequestFaults() { m_refused.clear(), m_ignored.clear(), m_lost.clear(); }
    int64_t now() const { return m_clock ? m_clock->nowMs() : 0; }
    // The component the test (0x45) switched on, while its runtime lasts (0 none).
    uint8_t componentUnderTest() const {
        return m_componentUntil >= 0 && now() < m_componentUntil ? m_component : 0;
    }

    // The request payloads the unit received, oldest first: the last ReceivedKept of them, so
    // a long run on the simulator does not grow without end.
    static constexpr size_t ReceivedKept = 4096;
    const std::deque<ByteString>& received() const { return m_received; }

    // Frames a payload as the unit's answer: 4F, length, payload, XOR.
    static ByteString frameAnswer(const ByteString& payload);
    // A refusal: an answer whose first byte is not the request's command with bit 7 set.
    static ByteString refusal(uint8_t command);

protected:
    // The answer payload (command | 0x80 first) to a request payload (command first), or
    // nothing to stay silent.
    virtual std::optional<ByteString> answerPayload(const ByteString& request) = 0;
    // What a 0x45 the unit takes does: code 0 switches the component off, any other switches
    // it on for the runtime in seconds, or until it is switched off for a runtime of 0.
    void switchComponent(uint8_t code, uint8_t runtime) {
        m_component = code;
        m_componentUntil = code == 0      ? -1
                           : runtime == 0 ? std::numeric_limits<int64_t>::max()
                                          : now() + 1000 * int64_t{runtime};
    }

private:
    static bool matches(const std::vector<ByteString>& prefixes, const ByteString& payload);

    const ISimClock* m_clock = nullptr;
    bool m_silent = false;
    std::vector<ByteString> m_refused, m_ignored, m_lost;
    std::deque<ByteString> m_received;
    uint8_t m_component = 0;
    int64_t m_componentUntil = -1;  // ms; -1 none, INT64_MAX until switched off
};
