// A simulated class-1 control unit ("KX3090") on the W-Bus: identification, status pages whose
// values drift over time and follow the commanded state, operating data and counters, and an
// error memory that the clear command empties.
#pragma once

#include <vector>

#include "kx3090eol.h"
#include "wbusunitbase.h"

class SimKX3090Unit : public SimWBusUnit {
public:
    struct ErrorEntry {
        uint8_t code;
        uint8_t status;  // 0..3
        uint8_t count;
        uint16_t stateWord;
        uint8_t temperature;  // °C + 50
        uint16_t millivolts;
        uint16_t hours;
        uint8_t minutes;
    };

    SimKX3090Unit();

    // Operating-state words: high byte = state, low byte = sub-state.
    static constexpr uint16_t StateOff = 0x0400;   // "Auszustand"
    static constexpr uint16_t StatePump = 0x4D00;  // "Umwälzpumpe ohne Heizfunktion"

    uint16_t stateWord() const;
    bool pumpRunning() const;
    const std::vector<ErrorEntry>& errors() const { return m_errors; }
    void setErrors(std::vector<ErrorEntry> e) { m_errors = std::move(e); }
    void setName(const ByteString& name) { m_name = name; }

    // The supply voltage calibration (0x42) last stored, in mV (0 none).
    uint16_t calibratedMillivolts() const { return m_calibratedMillivolts; }

    // The EOL memory with its single-cell services and the parameter-set block mode.
    SimKX3090Eol& eol() { return m_eol; }
    const SimKX3090Eol& eol() const { return m_eol; }
    void configure(const SimBusConfig& cfg) override { m_eol.configure(cfg); }
    std::optional<ByteString> answer(const ByteString& telegram) override;

protected:
    std::optional<ByteString> answerPayload(const ByteString& request) override;

private:
    ByteString statusPage(uint8_t page) const;
    ByteString identification(uint8_t sub) const;
    std::optional<ByteString> errorMemory(const ByteString& request);
    double temperatureC() const;
    uint16_t supplyMillivolts() const;
    // The service commands (kx3090service.cpp): component test and voltage calibration.
    std::optional<ByteString> serviceAnswer(const ByteString& request);
    // Page 3's component bits and page 15's motor and pump power, with the component test.
    uint8_t componentBits() const;

    ByteString m_name = "KX3090";
    SimKX3090Eol m_eol;
    std::vector<ErrorEntry> m_errors;
    int64_t m_pumpUntil = -1;  // ms; the pump runs while now() is before it
    uint32_t m_burnMinutes = 1234 * 60 + 56;
    uint16_t m_starts = 2748;
    uint16_t m_componentSetpoint = 0;
    uint16_t m_calibratedMillivolts = 0;
};
