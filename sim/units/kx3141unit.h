// A simulated class-4 control unit ("KX3141") on the S-Bus at device address 7: a gas-fired
// water heater with burner motor, two solenoid valves MV1 and MV2, ignition module ZFM, flame
// detector, controller heating and circulation pump. It answers its identification, opens a
// session, runs its preheating, start, heating and run-on phases while heating is commanded,
// runs the pump when asked, counts its times and starts while it works, keeps an error memory,
// and reads out its EOL memory (whose first bytes are the counter block) and its live overview
// block by address. Heating and pump commanded over the bus fall back unless the command is
// refreshed. Commands are refused until the session is open.
#pragma once

#include <array>
#include <vector>

#include "sbusunitbase.h"

class SimKX3141Unit : public SimSBusUnit {
public:
    struct ErrorEntry {
        uint8_t code;
        uint8_t count;
        uint8_t state;         // high byte of the operating state when it was stored
        uint32_t onMinutes;    // main switch time when it was stored
        uint32_t heatMinutes;  // burner time
        double volts;          // supply
    };

    // Times and counters of the heater: the counter block at the start of the EOL memory, and
    // the flame-break counter of the overview block.
    struct Counters {
        double onSeconds = 0, heatSeconds = 0, pumpSeconds = 0;
        uint16_t starts = 0;
        // Starts by ambient temperature: -10..+10, -20..-10, -30..-20, -40..-30, below -40 °C;
        // and start attempts below -40 °C.
        std::array<uint16_t, 5> startsByTemperature{};
        uint16_t attemptsBelow40 = 0;
        uint8_t lockout = 0, flameOuts = 0, faults = 0, flameBreaks = 0;
    };

    static constexpr uint8_t Address = 7;
    static constexpr uint32_t SessionKey = 0x01000000;
    // Without any request for this long the unit closes the session.
    static constexpr int64_t SessionTimeoutMs = 120000;
    // Heating and pump commanded over the bus hold this long after the last command.
    static constexpr int64_t CommandHoldMs = 30000;
    // The two memories read by address: the EOL memory (message 151; the counter block is its
    // first CounterBlockSize bytes, two check bytes end it) and the overview block (150).
    static constexpr size_t EolSize = 254;
    static constexpr size_t CounterBlockSize = 30;
    static constexpr size_t OverviewSize = 45;
    static constexpr double AmbientC = 8.0;  // in the start counters' band -10..+10 °C

    SimKX3141Unit();

    void setIdentText(const ByteString& text) { m_ident = text; }
    // The size of the EOL memory (at least the counter block): with a multiple of 8 a read in
    // steps of 8 ends with a refusal instead of a short answer.
    void setEolSize(size_t size);
    // The stored EOL cells (the counter block as last written, not the live counters).
    const ByteString& eolCells() const { return m_eol; }

    // The unit's view at the time of the last request.
    uint8_t state() const { return m_state; }  // the high byte of the state word
    uint16_t stateWord() const { return static_cast<uint16_t>(m_state << 8); }
    bool heatingCommanded() const { return m_heatCommanded; }
    bool pumpCommanded() const { return m_pumpCommanded; }
    bool flame() const;
    bool blower() const;
    bool ignition() const;
    bool valve1() const;
    bool valve2() const;
    bool controllerHeating() const;

    // The component test (kx3141service.cpp): message 14 switches one component on for its
    // runtime (0: until switched off), 15 or component 0 switch it off. The test is allowed
    // from the state at rest, which a test sets to "Auszustand" (Off) or leaves "Einsatzbereit".
    enum Component : uint8_t {
        ComponentMotor = 1,
        ComponentPump = 2,
        ComponentIgnition = 3,
        ComponentValve1 = 4,
        ComponentValve2 = 5,
        ComponentLamp = 6,
        ComponentControllerHeating = 7,
        ComponentFlameMonitor = 8,
    };
    uint8_t componentUnderTest() const { return m_componentActive ? m_component : 0; }
    void setIdleState(uint8_t state) { m_idleState = state; }
    bool pumpRunning() const;
    double coolantC() const { return m_coolantC; }
    const Counters& counters() const { return m_counters; }
    const std::vector<ErrorEntry>& errors() const { return m_errors; }
    void setErrors(std::vector<ErrorEntry> e);
    // The EOL memory as a read finds it, and the overview block at the present time.
    ByteString eolMemory() const;
    ByteString overviewBlock() const;
    // Moves the heater on to the clock's present time (done before every request).
    void advance();

    // Operating states (high byte of the state word).
    enum State : uint8_t {
        Off = 1,
        Ready = 3,
        PumpOnly = 4,
        ComponentTest = 6,
        Preheat = 11,
        PreRun = 12,
        PreIgnition = 13,
        Ignition = 14,
        Heating = 16,
        RunOn1 = 19,
        RunOn2 = 20,
    };

protected:
    void beforeRequest() override {
        advance();
        m_lastRequest = now();
    }
    void sessionEnded() override;

private:
    void registerMessages();
    void registerCommands();
    void registerServiceCommands();
    bool componentOn(Component c) const { return m_componentActive && m_component == c; }
    // A read of `image` by address (address u16, count u8): the bytes that are there, fewer
    // at its end, refused from its end on.
    static std::optional<ByteString> memoryRead(uint8_t id, const ByteString& image,
                                                const ByteString& params);
    void command(bool heat, bool pump);
    // Message 151: a read of the EOL memory, or with data bytes after the count a write of
    // them (kx3141eol.cpp).
    std::optional<ByteString> eolService(const ByteString& params);

    ByteString counterBlock() const;
    ByteString errorEntry(uint8_t index) const;

    // The heater's phases over time (kx3141heater.cpp): settle() takes the state changes due at
    // the present time.
    void settle();
    void settleAll();
    void enterState(uint8_t state, int64_t atMs, int64_t phaseMs);
    void integrate(double seconds);
    void countStart();
    double supplyVolts() const;
    double upperThresholdC() const { return 80.0; }
    double lowerThresholdC() const { return 70.0; }

    ByteString m_ident = "          KX3141";
    int64_t m_lastRequest = 0;
    bool m_heatCommanded = false;
    bool m_pumpCommanded = false;
    int64_t m_commandUntil = 0;
    bool m_started = false;
    int64_t m_lastMs = 0;
    uint8_t m_state = Ready;
    int64_t m_stateSince = 0;
    int64_t m_phaseEnd = -1;  // -1: the state lasts until a command changes
    int64_t m_flameSince = -1;
    double m_coolantC = AmbientC;
    double m_gradient = 0;  // K per 2 s
    Counters m_counters;
    std::vector<ErrorEntry> m_errors;
    uint8_t m_status = 0x20;
    uint8_t m_idleState = Ready;
    bool m_componentActive = false;
    uint8_t m_component = 0;
    int64_t m_componentUntil = 0;
    ByteString m_eol;
};
