// Common ground of the simulated K-Line control units (key-word protocol): a request is
// format byte (0x80 + data length), target, source, data, 8-bit sum; the unit answers only
// telegrams addressed to it that it can read, begins a communication with StartCommunication
// after a wake-up, and answers every request with exactly one 11-byte telegram: 87, the
// tester's address, its own address, seven data bytes, 8-bit sum.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "simunit.h"

class SimKLineUnit : public ISimControlUnit {
public:
    static constexpr uint8_t Address = 0x9D;
    static constexpr size_t AnswerData = 7;  // data bytes of every answer

    // Reasons of a negative answer (7F, service, reason).
    enum NegativeCode : uint8_t {
        ServiceNotSupported = 0x11,
        SubFunctionNotSupported = 0x12,
        ConditionsNotCorrect = 0x22,
        RequestOutOfRange = 0x31,
        AccessDenied = 0x33,
    };

    uint8_t bus() const override { return 1; }
    void attachClock(const ISimClock& clock) override { m_clock = &clock; }
    // The wake-up pattern: the unit listens for StartCommunication; a communication that ran
    // is over.
    void wakeup() override;
    std::optional<ByteString> answer(const ByteString& telegram) override;

    // A unit that stays silent answers nothing at all (the adapter reports no bus answer).
    void setSilent(bool silent) { m_silent = silent; }
    bool silent() const { return m_silent; }
    // Requests whose data begins with the prefix (service first) are refused (conditions not
    // correct) until the faults are cleared.
    void refuseRequests(const ByteString& prefix) { m_refused.push_back(prefix); }
    void clearRequestFaults() { m_refused.clear(); }
    int refusedCount() const { return m_refusedCount; }  // requests refused so
    // A communication was begun (wake-up, then StartCommunication) and has not ended.
    bool communicating() const { return m_communicating; }
    int64_t now() const { return m_clock ? m_clock->nowMs() : 0; }

    // The answer telegram to the tester with the data (D1 first); data beyond seven bytes is
    // cut, missing bytes are 0xFF.
    static ByteString frameAnswer(uint8_t tester, const ByteString& data);
    // The data of a negative answer to a service.
    static ByteString refusal(uint8_t service, uint8_t reason);

protected:
    // The answer data (the service with 0x40 first, or a refusal) to the data of a request
    // (service first), or nothing to stay silent. Only called while communicating.
    virtual std::optional<ByteString> answerData(const ByteString& request) = 0;
    // The communication ended (a new wake-up).
    virtual void communicationEnded() {}

private:
    const ISimClock* m_clock = nullptr;
    bool m_silent = false;
    std::vector<ByteString> m_refused;
    int m_refusedCount = 0;
    bool m_listening = false;  // woken, StartCommunication may come
    bool m_communicating = false;
};
