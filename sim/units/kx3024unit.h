// A simulated class-2 control unit on the K-Line: name and identification (it refuses
// identifier 0x11, as only this class does), overview values, lamps and operating data that
// follow its state, an error memory of at most seven entries that the clear service empties,
// a diagnostic session in which the component outputs can be switched, and an EOL memory of
// 256 cells whose checksum (the 16-bit sum of cells 0..42) stands in cells 43 and 44, low byte
// first.
#pragma once

#include <array>
#include <deque>
#include <vector>

#include "klineunitbase.h"

class SimKX3024Unit : public SimKLineUnit {
public:
    struct ErrorEntry {
        uint16_t code;  // high byte group, low byte kind
        uint8_t status;
        uint8_t count;
    };
    static constexpr size_t MaxErrors = 7;
    static constexpr size_t EolSize = 256;
    static constexpr uint8_t ChecksumCell = 43;

    // Operating states.
    static constexpr uint8_t StateOff = 0;           // "Auszustand"
    static constexpr uint8_t StateTestSession = 48;  // diagnostic session, outputs off
    static constexpr uint8_t StateTestRunning = 49;  // diagnostic session, an output on

    SimKX3024Unit();

    uint8_t state() const;
    bool diagnosticSession() const { return m_diagnosticSession; }
    // The five outputs of the component test (ignition, motor, pump, valve, lamps).
    const std::array<uint8_t, 5>& outputs() const { return m_outputs; }
    bool pumpRunning() const { return m_outputs[2] != 0; }
    // The coolant temperature sensor: unplugged (as for the pump pressure test) it reads the
    // lowest temperature the unit reports, 0 °C.
    void setTemperatureSensor(bool plugged) { m_sensorPlugged = plugged; }

    const std::vector<ErrorEntry>& errors() const { return m_errors; }
    // Keeps the first seven.
    void setErrors(std::vector<ErrorEntry> e);
    void setName(const ByteString& name) { m_name = name; }

    const std::array<uint8_t, EolSize>& eol() const { return m_eol; }
    void setEolCell(uint8_t address, uint8_t value) { m_eol[address] = value; }
    // The checksum the cells 0..42 call for, and whether cells 43/44 hold it.
    uint16_t eolChecksum() const;
    bool eolChecksumValid() const;

    // The request data the unit received while communicating, oldest first: the last
    // ReceivedKept of them, so a long run on the simulator does not grow without end.
    static constexpr size_t ReceivedKept = 4096;
    const std::deque<ByteString>& received() const { return m_received; }

protected:
    std::optional<ByteString> answerData(const ByteString& request) override;
    void communicationEnded() override;

private:
    ByteString identification(uint8_t identifier) const;
    ByteString group(uint8_t group, uint8_t sub) const;
    ByteString overview(uint8_t sub) const;
    ByteString lamps(uint8_t sub) const;
    ByteString operatingData(uint8_t sub) const;
    ByteString errorEntry(uint8_t entry) const;
    ByteString startRoutine(const ByteString& request);
    void setOutputs(const std::array<uint8_t, 5>& outputs);
    // Minutes the pump has run, the running turn included.
    uint32_t pumpMinutes() const;
    double temperatureC() const;

    ByteString m_name = "180";
    std::vector<ErrorEntry> m_errors;
    std::array<uint8_t, EolSize> m_eol{};
    std::deque<ByteString> m_received;
    bool m_diagnosticSession = false;
    bool m_sensorPlugged = true;
    std::array<uint8_t, 5> m_outputs{};
    int64_t m_pumpSince = -1;  // ms; the pump runs since then
    int64_t m_pumpMs = 0;      // earlier turns
    uint32_t m_burnMinutes = 812 * 60 + 17;
    uint32_t m_onMinutes = 1706 * 60 + 45;
    uint32_t m_pumpBaseMinutes = 1390 * 60 + 2;
    uint32_t m_starts = 1543;
};
