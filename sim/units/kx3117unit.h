// A simulated class-3 control unit ("KX3117") on the W-Bus, speaking dialect S:
// identification, the memory-area descriptions, status pages whose values follow the commanded
// state (a heating run goes through pre-run, ignition and stabilisation into parking or
// supplementary heating, off through an after-run), operating data and counters, economy
// modes, an error memory that the delete command empties, and the memories of the service
// functions (SimKX3117Memory).
#pragma once

#include <vector>

#include "kx3117memory.h"
#include "wbusunitbase.h"

class SimKX3117Unit : public SimWBusUnit {
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
        uint16_t hoursAfterStart;
        uint8_t minutesAfterStart;
    };
    enum class Heating { None, Parking, Supplementary };

    SimKX3117Unit();

    // Operating-state words: high byte = state, low byte = sub-state.
    static constexpr uint16_t StateOff = 0x0100;            // "Aus"
    static constexpr uint16_t StatePump = 0x0500;           // "Umwälzpumpe ohne Heizfunktion"
    static constexpr uint16_t StatePreRun = 0x0B00;         // "Vorlauf"
    static constexpr uint16_t StateIgnition = 0x0E00;       // "Zündung"
    static constexpr uint16_t StateStabilising = 0x0F00;    // "Stabilisierung"
    static constexpr uint16_t StateParking = 0x1000;        // "Standheizen"
    static constexpr uint16_t StateSupplementary = 0x1100;  // "Zuheizen"
    static constexpr uint16_t StateAfterRun = 0x1300;       // "Nachlauf 1"

    uint16_t stateWord() const;
    // The mode the last 0x21 chose, and whether a heating run is on.
    Heating heatingMode() const { return m_mode; }
    bool heating() const;
    bool pumpRunning() const;
    // 1 normal, 2 economy 1, 3 economy 2.
    uint8_t economyMode() const { return m_economy; }
    const std::vector<ErrorEntry>& errors() const { return m_errors; }
    void setErrors(std::vector<ErrorEntry> e) { m_errors = std::move(e); }
    void setName(const ByteString& name) { m_name = name; }
    SimKX3117Memory& memory() { return m_memory; }

    // The service functions (kx3117service.cpp). The test plug in place of the temperature
    // sensor reads 105 °C on both sensors; without it the component test (0x45) is refused
    // with 7F 45 22.
    void setTestPlug(bool plugged) { m_testPlug = plugged; }
    // The state word at rest (StateOff, or StateReady from which a CO2 adjustment may start).
    static constexpr uint16_t StateReady = 0x0300;  // "Einsatzbereit"
    void setIdleState(uint16_t state) { m_idleState = state; }
    // The blower speed of the CO2 adjustment (0x57): stored, and set for the running heater.
    static constexpr uint16_t SpeedMin = 3000, SpeedMax = 5000;
    uint16_t storedSpeed() const { return m_storedSpeed; }
    uint16_t setSpeed() const { return m_setSpeed; }
    // How the stabilisation check (0x57 sub 5) answers once the flame has burned long enough:
    // 0 stable, 255 failed.
    void setStabilisationResult(uint8_t r) { m_stabilisationResult = r; }
    const SimKX3117Memory& memory() const { return m_memory; }

protected:
    std::optional<ByteString> answerPayload(const ByteString& request) override;

private:
    ByteString statusPage(uint8_t page) const;
    ByteString identification(uint8_t sub) const;
    ByteString errorMemory(const ByteString& request);
    ByteString areaDescription(uint8_t area) const;
    ByteString switchCommand(const ByteString& request);
    ByteString refresh(const ByteString& request);
    int64_t heatingFor() const;  // ms since the heating run began; -1 when none runs
    bool burning() const;
    double coolantC() const;
    uint16_t supplyMillivolts() const;
    std::optional<ByteString> serviceAnswer(const ByteString& request);
    uint8_t componentBits() const;

    ByteString m_name = "KX3117";
    std::vector<ErrorEntry> m_errors;
    SimKX3117Memory m_memory;
    Heating m_mode = Heating::Parking;
    int64_t m_heatSince = -1, m_heatUntil = -1;  // ms
    int64_t m_pumpUntil = -1;
    int64_t m_afterRunUntil = -1;
    int64_t m_runMinutes = 0;  // the length of the last switch command, refreshed by 0x44
    uint8_t m_economy = 1;
    uint32_t m_burnMinutes = 812 * 60 + 7;
    uint16_t m_starts = 1532;
    bool m_testPlug = false;
    uint16_t m_idleState = StateOff;
    uint16_t m_storedSpeed = 3800, m_setSpeed = 3800;
    int64_t m_stabilisationAsked = -1;  // ms of the last 0x57 sub 4
    uint8_t m_stabilisationResult = 0;
};
