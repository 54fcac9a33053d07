// Common ground of the simulated S-Bus control units: checks the framing of a request (its own
// address, length byte, CRC-16 or 8-bit checksum), keeps the requests it received, hands the
// request to the handler of its message ID and frames the answer back to the sender. A unit
// registers one handler per message ID; a message without one is refused with a negative
// answer, and a unit made silent answers nothing at all. The diagnosis session a unit keeps is
// opened by message 30 with its key and ends with a wake-up; commands are refused without it.
//
//   telegram: target, source, length (bits 0..6 data length, 0 = 128; bit 7 = CRC-16), data
//             (message ID first), CRC-16 high and low, or the inverted 8-bit checksum
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "simunit.h"

class SimSBusUnit : public ISimControlUnit {
public:
    // The answer data (message ID first, 0 for a negative answer) to the parameters of one
    // request (the data after the message ID), or nothing to stay silent.
    using Handler = std::function<std::optional<ByteString>(const ByteString& params)>;

    // Error bits of a negative answer; which one a unit gives for what is its own business.
    static constexpr uint8_t RefusedUnknown = 0x01;    // message not known to the unit
    static constexpr uint8_t RefusedParameter = 0x02;  // wrong length or value
    static constexpr uint8_t RefusedNotNow = 0x04;     // not in the unit's present state
    static constexpr uint8_t RefusedAddress = 0x08;    // beyond the end of a memory

    explicit SimSBusUnit(uint8_t address) : m_address(address) {}

    uint8_t bus() const override { return 2; }
    void attachClock(const ISimClock& clock) override { m_clock = &clock; }
    std::optional<ByteString> answer(const ByteString& telegram) override;

    uint8_t address() const { return m_address; }
    bool sessionOpen() const { return m_sessionOpen; }
    // A wake-up begins a new conversation: the session must be opened again.
    void wakeup() override { closeSession(); }
    // A silent unit answers nothing (the adapter reports no bus answer).
    void setSilent(bool silent) { m_silent = silent; }
    bool silent() const { return m_silent; }
    // Requests whose data begins with the prefix (message ID first) are carried out, but their
    // answers never reach the adapter in time (an answer that comes too late), until cleared.
    void loseAnswers(const ByteString& prefix) { m_lost.push_back(prefix); }
    void clearRequestFaults() { m_lost.clear(); }
    // Answers end with the CRC-16 instead of the 8-bit checksum.
    void setAnswerWithCrc(bool crc) { m_answerCrc = crc; }
    int64_t now() const { return m_clock ? m_clock->nowMs() : 0; }

    // The request data (message ID first) the unit received, oldest first: the last
    // ReceivedKept of them, so a long run does not grow without end.
    static constexpr size_t ReceivedKept = 4096;
    const std::deque<ByteString>& received() const { return m_received; }
    // How many of the kept requests carried this message ID.
    int receivedCount(uint8_t messageId) const;

    // A whole telegram: target, source, length byte, data, check.
    static ByteString frameTelegram(uint8_t target, uint8_t source, const ByteString& data,
                                    bool crc);
    // Answer data: the message ID, then the payload.
    static ByteString reply(uint8_t messageId, const ByteString& payload = ByteString());
    // A negative answer: 00, the error bit, one byte more.
    static ByteString negative(uint8_t errorBit, uint8_t detail = 0);

protected:
    void on(uint8_t messageId, Handler handler) { m_handlers[messageId] = std::move(handler); }
    // A command: refused (RefusedNotNow) while no session is open, else handed to its handler.
    void onCommand(uint8_t messageId, Handler handler);
    // Message 30 with the parameters (1, key) opens the session, and keeps it open when
    // repeated (answer 01); other parameters are refused. onOpen runs at every opening.
    void acceptSession(uint32_t key, std::function<void()> onOpen = nullptr);
    // Ends the session (a wake-up, a lapse, the boot loader); sessionEnded runs when it was open.
    void closeSession() {
        if (!m_sessionOpen) return;
        m_sessionOpen = false;
        sessionEnded();
    }
    // What the diagnosis had taken over ends with its session (line overrides, a component
    // test); the unit returns to its own control.
    virtual void sessionEnded() {}
    // Runs before a request is handed to its handler (units whose state follows time).
    virtual void beforeRequest() {}

private:
    uint8_t m_address;
    const ISimClock* m_clock = nullptr;
    bool m_silent = false;
    bool m_answerCrc = false;
    bool m_sessionOpen = false;
    std::map<uint8_t, Handler> m_handlers;
    std::vector<ByteString> m_lost;
    std::deque<ByteString> m_received;
};
