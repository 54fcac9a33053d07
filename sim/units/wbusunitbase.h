// Common ground of the simulated W-Bus control units: checks the framing of a request
// (address, length, XOR), hands its payload to the unit and frames the answer.
#pragma once

#include <cstdint>
#include <optional>

#include "simunit.h"

class SimWBusUnit : public ISimControlUnit {
public:
    uint8_t bus() const override { return 0; }
    void attachClock(const ISimClock& clock) override { m_clock = &clock; }
    std::optional<ByteString> answer(const ByteString& telegram) override;

    // A unit that stays silent answers nothing at all (the adapter reports no bus answer).
    void setSilent(bool silent) { m_silent = silent; }
    bool silent() const { return m_silent; }
    int64_t now() const { return m_clock ? m_clock->nowMs() : 0; }

    // Frames a payload as the unit's answer: 4F, length, payload, XOR.
    static ByteString frameAnswer(const ByteString& payload);
    // A refusal: an answer whose first byte is not the request's command with bit 7 set.
    static ByteString refusal(uint8_t command);

protected:
    // The answer payload (command | 0x80 first) to a request payload (command first), or
    // nothing to stay silent.
    virtual std::optional<ByteString> answerPayload(const ByteString& request) = 0;

private:
    const ISimClock* m_clock = nullptr;
    bool m_silent = false;
};
