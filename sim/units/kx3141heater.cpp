// The simulated class-4 heater over time: while heating is commanded it preheats its controller,
// runs the blower, ignites with the ignition module and the first valve, heats with both valves
// until the coolant reaches the upper switching threshold, runs on, and waits with the pump
// until it has cooled below the lower one; the pump alone when only the pump is commanded.
// Commands over the bus fall back when they are not refreshed. Times and counters run while it
// works.
#include <algorithm>

#include "kx3141unit.h"

namespace {

constexpr double HeatingPerSecond = 0.5;  // coolant warming with the flame on
constexpr double CoolingPerSecond = 0.05;
constexpr int64_t PreheatMs = 4000;
constexpr int64_t PreRunMs = 8000;
constexpr int64_t PreIgnitionMs = 3000;
constexpr int64_t IgnitionMs = 6000;
constexpr int64_t FlameAfterMs = 2000;  // into the ignition
constexpr int64_t RunOn1Ms = 20000;
constexpr int64_t RunOn2Ms = 10000;
// Long jumps of the clock are walked in steps of this size, so a threshold is not jumped over.
constexpr int64_t WalkMs = 1000;

bool isBurnerState(uint8_t s) {
    return s >= SimKX3141Unit::Preheat && s <= SimKX3141Unit::RunOn2;
}

}  // namespace

bool SimKX3141Unit::flame() const {
    if (m_state == Ignition) return m_phaseEnd - m_lastMs <= IgnitionMs - FlameAfterMs;
    return m_state == Heating;
}

bool SimKX3141Unit::blower() const {
    return (m_state >= PreRun && m_state <= RunOn2) || componentOn(ComponentMotor);
}

bool SimKX3141Unit::ignition() const {
    return m_state == PreIgnition || (m_state == Ignition && !flame()) ||
           componentOn(ComponentIgnition);
}

bool SimKX3141Unit::valve1() const {
    return m_state == Ignition || m_state == Heating || componentOn(ComponentValve1);
}

bool SimKX3141Unit::valve2() const {
    return flame() || componentOn(ComponentValve2);
}

bool SimKX3141Unit::controllerHeating() const {
    return m_state == Preheat || componentOn(ComponentControllerHeating);
}

bool SimKX3141Unit::pumpRunning() const {
    return m_pumpCommanded || m_heatCommanded || isBurnerState(m_state) ||
           componentOn(ComponentPump);
}

double SimKX3141Unit::supplyVolts() const {
    return 12.7 - (blower() ? 0.4 : 0.0) - (pumpRunning() ? 0.2 : 0.0) +
           0.05 * static_cast<double>(m_lastMs / 3000 % 3);
}

void SimKX3141Unit::enterState(uint8_t state, int64_t atMs, int64_t phaseMs) {
    if (state != m_state) m_stateSince = atMs;
    m_state = state;
    m_phaseEnd = phaseMs < 0 ? -1 : atMs + phaseMs;
}

void SimKX3141Unit::countStart() {
    ++m_counters.starts;
    // The ambient temperature is always in the band from -10 to +10 °C.
    ++m_counters.startsByTemperature[0];
}

void SimKX3141Unit::integrate(double seconds) {
    if (m_heatCommanded) m_counters.onSeconds += seconds;
    if (flame()) m_counters.heatSeconds += seconds;
    if (pumpRunning()) m_counters.pumpSeconds += seconds;
    const double before = m_coolantC;
    if (flame())
        m_coolantC = std::min(95.0, m_coolantC + HeatingPerSecond * seconds);
    else if (m_coolantC > AmbientC)
        m_coolantC = std::max(AmbientC, m_coolantC - CoolingPerSecond * seconds);
    if (seconds > 0) m_gradient = (m_coolantC - before) / seconds * 2.0;
}

void SimKX3141Unit::settle() {
    const int64_t t = m_lastMs;
    if ((m_heatCommanded || m_pumpCommanded) && t > m_commandUntil) {
        // Not refreshed: the unit takes the bus's commands back.
        m_heatCommanded = false;
        m_pumpCommanded = false;
    }
    const bool heat = m_heatCommanded;
    const bool phaseOver = m_phaseEnd >= 0 && t >= m_phaseEnd;
    if (m_componentActive && t >= m_componentUntil) m_componentActive = false;
    if (m_flameSince < 0 && flame()) m_flameSince = t;
    if (!flame()) m_flameSince = -1;
    switch (m_state) {
        case Preheat:
        case PreRun:
        case PreIgnition:
        case Ignition:
            if (!heat) {
                enterState(RunOn1, t, RunOn1Ms);
            } else if (phaseOver) {
                if (m_state == Preheat)
                    enterState(PreRun, t, PreRunMs);
                else if (m_state == PreRun)
                    enterState(PreIgnition, t, PreIgnitionMs);
                else if (m_state == PreIgnition)
                    enterState(Ignition, t, IgnitionMs);
                else
                    enterState(Heating, t, -1);
            }
            return;
        case Heating:
            if (!heat || m_coolantC >= upperThresholdC()) enterState(RunOn1, t, RunOn1Ms);
            return;
        case RunOn1:
            if (phaseOver) enterState(RunOn2, t, RunOn2Ms);
            return;
        case RunOn2:
            if (phaseOver) enterState(m_idleState, t, -1);
            return;
        default:
            break;
    }
    // Not burning: a component test, a start, the pump, or nothing.
    if (m_componentActive) {
        enterState(ComponentTest, t, -1);
    } else if (heat && m_coolantC < lowerThresholdC()) {
        countStart();
        enterState(Preheat, t, PreheatMs);
    } else if (m_pumpCommanded && !heat) {
        enterState(PumpOnly, t, -1);
    } else {
        enterState(m_idleState, t, -1);
    }
}

void SimKX3141Unit::settleAll() {
    // One change may bring the next at the same moment (run-on over, then a new start).
    for (int i = 0; i < 4; ++i) {
        const uint8_t before = m_state;
        settle();
        if (m_state == before) return;
    }
}

void SimKX3141Unit::advance() {
    const int64_t t = now();
    if (!m_started) {
        m_started = true;
        m_lastMs = t;
        m_lastRequest = t;
    }
    if (sessionOpen() && t - m_lastRequest > SessionTimeoutMs) closeSession();
    while (m_lastMs < t) {
        int64_t next = std::min(t, m_lastMs + WalkMs);
        if (m_phaseEnd > m_lastMs) next = std::min(next, m_phaseEnd);
        if ((m_heatCommanded || m_pumpCommanded) && m_commandUntil >= m_lastMs)
            next = std::min(next, m_commandUntil + 1);
        if (m_componentActive && m_componentUntil > m_lastMs)
            next = std::min(next, m_componentUntil);
        integrate(static_cast<double>(next - m_lastMs) / 1000.0);
        m_lastMs = next;
        settleAll();
    }
    settleAll();
}
