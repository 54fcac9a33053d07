// A simulated class-5 control unit ("KX3166") on the S-Bus at device address 7: a diesel water
// heater with burner motor, solenoid valve, spark generator, flame detector and circulation
// pump, and four input lines (main switch HS, economy SPAR, pump control UPFA, terminal 61)
// that the diagnosis may override. It answers its identification, opens and keeps a session,
// runs its start, heating and run-on phases as the lines command them, counts its times and
// starts while it works, keeps an error memory and reads out its parameter memory. Commands
// are refused until the session is open.
#pragma once

#include <array>
#include <vector>

#include "bootloaderunit.h"
#include "sbusunitbase.h"

class SimKX3166Unit : public SimSBusUnit {
public:
    // The input lines in the order the refresh message carries them.
    enum Line { HS, SPAR, UPFA, KL61 };

    struct ErrorEntry {
        uint8_t code;
        uint32_t count;
        uint8_t state;        // operating state when it was stored
        double temperatureC;  // coolant
        double volts;         // supply
        uint32_t onSeconds;   // main switch time when it was stored
        uint32_t heatSeconds;
    };

    // Times, counters and starts of the heater (message 47, 48).
    struct Counters {
        double onSeconds = 0, heatSeconds = 0, pumpSeconds = 0;
        uint32_t starts = 0, faults = 0, flameOuts = 0, shortBurns = 0, shortBurnsTotal = 0;
    };

    static constexpr uint8_t Address = 7;
    static constexpr uint32_t SessionKey = 0x01000006;
    // Without a keep-alive for this long the unit closes the session.
    static constexpr int64_t SessionTimeoutMs = 120000;
    // Sizes of the memory areas 0..3 (message 153) and where in area 1 the component test's
    // default time lies (message 152).
    static constexpr std::array<uint16_t, 4> AreaSizes{256, 512, 128, 64};
    // Memory area 1, the unit's EOL memory (no checksum cells in this class).
    const std::vector<uint8_t>& area1() const { return m_area1; }
    std::vector<uint8_t>& area1() { return m_area1; }
    static constexpr uint16_t ComponentDefaultAddress = 64;
    static constexpr uint8_t ComponentDefaultSeconds = 20;
    // Components of the component test (0 switches every one off). A runtime of 0 keeps the
    // component on until it is switched off (code 0 or message 15), whatever else runs.
    enum Component : uint8_t {
        ComponentMotor = 1,
        ComponentSpark = 2,
        ComponentPump = 3,
        ComponentValve = 4,
        ComponentOperatingLamp = 5,
        ComponentFlameLamp = 6,
        ComponentPumpPressure = 8,  // motor and valve: the pump pressure test
        ComponentLast = 8
    };
    // The test plug in place of the temperature sensor: both temperatures read 100 °C.
    void setTestPlug(bool plugged) { m_testPlug = plugged; }
    // The blower speed of the CO2 adjustment (message 70): stored, and set for the burner.
    static constexpr uint16_t SpeedMin = 3000, SpeedMax = 5000;
    uint16_t storedSpeed() const { return m_storedSpeed; }
    uint16_t adjustedSpeed() const { return m_adjustedSpeed; }
    // Refuses setting and storing a speed (message 70 subs 1 and 2) while set.
    void setSpeedRefused(bool refused) { m_speedRefused = refused; }

    SimKX3166Unit();

    void setIdentText(const ByteString& text) { m_ident = text; }
    // The wire state of an input line (what the heater follows when not overridden).
    void setWire(Line line, bool on) { m_wire[line] = on; }
    uint8_t override(Line line) const { return m_override[line]; }
    bool lineOn(Line line) const;

    // The unit's view at the time of the last request.
    uint8_t state() const { return m_state; }
    bool burning() const;
    bool pumpRunning() const;
    double coolantC() const { return m_coolantC; }
    uint8_t componentUnderTest() const { return m_componentActive ? m_component : 0; }
    const Counters& counters() const { return m_counters; }
    const std::vector<ErrorEntry>& errors() const { return m_errors; }
    void setErrors(std::vector<ErrorEntry> e);
    // Moves the heater on to the clock's present time (done before every request).
    void advance();

    // The boot loader the unit switches to on message 155 sub 0 (kx3166bootloader.cpp): while
    // it runs, it answers at its own address instead of the application, until it starts a
    // newly written application.
    SimBootLoader& bootLoader() { return m_loader; }
    const SimBootLoader& bootLoader() const { return m_loader; }
    bool inBootLoader() const { return m_inLoader; }
    // A unit whose last programming never finished: boot loader running, application erased.
    void startInBootLoader();
    std::optional<ByteString> answer(const ByteString& telegram) override;
    void attachClock(const ISimClock& clock) override;
    void wakeup() override;

protected:
    void beforeRequest() override { advance(); }
    void sessionEnded() override;

private:
    void registerMessages();
    void registerCommands();
    // Messages 14, 15 and 70 (kx3166service.cpp).
    void registerServiceCommands();
    bool componentOn(Component c) const;
    void registerBootLoaderSwitch();
    // One message that sets one line's override.
    std::optional<ByteString> lineCommand(uint8_t id, Line line, const ByteString& params);

    ByteString overview() const;
    ByteString inputs() const;
    ByteString counterBlock() const;
    ByteString errorEntry(uint8_t index) const;
    ByteString identification38() const;

    // The heater's phases over time (kx3166heater.cpp): settle() takes the state changes due
    // at the present time.
    void settle();
    void settleAll();
    void enterState(uint8_t state, int64_t atMs, int64_t phaseMs);
    void integrate(double seconds);
    bool flame() const;
    uint16_t motorSetRpm() const;
    double supplyVolts() const;
    double upperThresholdC() const;
    double lowerThresholdC() const;

    ByteString m_ident = "0000000473800061";
    std::array<bool, 4> m_wire{};
    std::array<uint8_t, 4> m_override{255, 255, 255, 255};
    int64_t m_lastKeepAlive = 0;
    bool m_started = false;
    int64_t m_lastMs = 0;
    uint8_t m_state = 2;
    int64_t m_phaseEnd = -1;  // -1: the state lasts until a line changes
    double m_coolantC = 18.0;
    bool m_componentActive = false;
    uint8_t m_component = 0;
    uint16_t m_componentSetpoint = 0;
    int64_t m_componentUntil = 0;
    Counters m_counters;
    std::vector<ErrorEntry> m_errors;
    uint8_t m_status = 0x10;
    std::vector<uint8_t> m_area1;
    bool m_testPlug = false;
    bool m_speedRefused = false;
    bool m_speedAdjusting = false;  // from reading the speed (70 sub 0) until HS goes off
    bool m_hsWasOn = false;
    uint16_t m_storedSpeed = 4000;
    uint16_t m_adjustedSpeed = 0;  // 0: none; the burner runs at its own speed
    SimBootLoader m_loader;
    bool m_inLoader = false;
};
