// The service messages of the simulated class-5 unit: the component test (14 on, 15 off) and
// the blower speed of the CO2 adjustment (70: sub 0 reads the stored speed and its limits, 1
// sets the speed of the burning heater, 2 stores it).
#include <limits>

#include "kx3166unit.h"
#include "simbytes.h"

using namespace SimBytes;

bool SimKX3166Unit::componentOn(Component c) const {
    if (!m_componentActive) return false;
    if (m_component == ComponentPumpPressure) return c == ComponentMotor || c == ComponentValve;
    return m_component == c;
}

void SimKX3166Unit::registerServiceCommands() {
    onCommand(14, [this](const ByteString& p) -> std::optional<ByteString> {
        // component, runtime in s (0: until switched off), setpoint
        const unsigned code = p.size() == 4 ? at(p, 0) : 0xFF;
        if (code > ComponentLast || code == 7) return negative(RefusedParameter, 14);
        const bool idle = m_state == 2 || m_state == 3 || m_state == 4 || m_state == 5;
        if (code != 0 && !idle) return negative(RefusedNotNow, 14);
        const unsigned runtime = at(p, 1);
        m_component = static_cast<uint8_t>(code);
        m_componentSetpoint = static_cast<uint16_t>(le16At(p, 2));
        m_componentActive = code != 0;
        m_componentUntil = runtime == 0 ? std::numeric_limits<int64_t>::max()
                                        : now() + 1000 * static_cast<int64_t>(runtime);
        settleAll();
        return reply(14, p);
    });
    onCommand(15, [this](const ByteString& p) -> std::optional<ByteString> {
        if (p.size() != 1) return negative(RefusedParameter, 15);
        m_componentActive = false;
        settleAll();
        return reply(15, p);
    });
    onCommand(70, [this](const ByteString& p) -> std::optional<ByteString> {
        if (p.size() != 2 || at(p, 0) > 2) return negative(RefusedParameter, 70);
        const unsigned sub = at(p, 0), rpm = at(p, 1) * 100u;
        if (sub != 0 && (rpm < SpeedMin || rpm > SpeedMax)) return negative(RefusedParameter, 70);
        if (sub != 0 && m_speedRefused) return negative(RefusedNotNow, 70);
        if (sub == 0) m_speedAdjusting = true;
        if (sub == 1) m_adjustedSpeed = static_cast<uint16_t>(rpm);
        if (sub == 2) m_storedSpeed = m_adjustedSpeed = static_cast<uint16_t>(rpm);
        const unsigned speed = sub == 0 ? m_storedSpeed : rpm;
        return reply(70, bytes({static_cast<int>(sub), static_cast<int>(speed / 100),
                                m_storedSpeed / 100, SpeedMin / 100, SpeedMax / 100}));
    });
}

void SimKX3166Unit::sessionEnded() {
    // Ending the session lifts the take-over: the lines follow their wires again, and a
    // component test the diagnosis started stops.
    m_override.fill(255);
    m_componentActive = false;
}
