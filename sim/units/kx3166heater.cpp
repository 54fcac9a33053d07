// The simulated class-5 heater over time: start (pre-run, pre-ignition, ignition), heating
// until the coolant reaches the upper switching threshold, run-on, and waiting with the pump
// until it has cooled below the lower one; the pump alone while UPFA is on; the component
// test. Times and counters run while it works.
#include <algorithm>
#include <cmath>

#include "kx3166unit.h"

namespace {

constexpr double AmbientC = 18.0;
constexpr double HeatingPerSecond = 0.5;  // coolant warming with the flame on
constexpr double CoolingPerSecond = 0.05;
constexpr int64_t PreRunMs = 10000;
constexpr int64_t PreIgnitionMs = 3000;
constexpr int64_t IgnitionMs = 5000;
constexpr int64_t FlameAfterMs = 2000;  // into the ignition
constexpr int64_t RunOn1Ms = 20000;
constexpr int64_t RunOn2Ms = 10000;
// Long jumps of the clock are walked in steps of this size, so a threshold is not jumped over.
constexpr int64_t WalkMs = 1000;

enum State : uint8_t {
    Ready = 2,
    ReadyPump = 3,
    PumpOnly = 4,
    ComponentTest = 5,
    PreRun = 10,
    PreIgnition = 12,
    Ignition = 13,
    ParkingHeat = 14,
    SupplementaryHeat = 15,
    RunOn1 = 17,
    RunOn2 = 18,
};

bool isBurnerState(uint8_t s) {
    return s >= PreRun && s <= RunOn2;
}

}  // namespace

bool SimKX3166Unit::lineOn(Line line) const {
    return m_override[line] == 255 ? m_wire[line] : m_override[line] == 1;
}

bool SimKX3166Unit::burning() const {
    return m_state == Ignition || m_state == ParkingHeat || m_state == SupplementaryHeat;
}

bool SimKX3166Unit::flame() const {
    if (m_state == Ignition) return m_phaseEnd - m_lastMs <= IgnitionMs - FlameAfterMs;
    return m_state == ParkingHeat || m_state == SupplementaryHeat;
}

bool SimKX3166Unit::pumpRunning() const {
    if (m_componentActive) return m_component == ComponentPump;
    return lineOn(UPFA) || m_state == ReadyPump || m_state == PumpOnly || isBurnerState(m_state);
}

uint16_t SimKX3166Unit::motorSetRpm() const {
    if (m_componentActive)
        return componentOn(ComponentMotor)
                   ? (m_component == ComponentPumpPressure ? 3000 : m_componentSetpoint)
                   : 0;
    switch (m_state) {
        case PreRun:
            return 3000;
        case PreIgnition:
        case Ignition:
            return 3300;
        case ParkingHeat:
        case SupplementaryHeat:
            if (m_adjustedSpeed) return m_adjustedSpeed;
            return lineOn(SPAR) ? 3000 : m_storedSpeed;
        case RunOn1:
            return 2500;
        case RunOn2:
            return 1200;
        default:
            return 0;
    }
}

double SimKX3166Unit::supplyVolts() const {
    const double t = static_cast<double>(m_lastMs) / 1000.0;
    return 12.8 + 0.15 * std::sin(t / 7.0) - (motorSetRpm() ? 0.5 : 0.0) -
           (pumpRunning() ? 0.2 : 0.0);
}

double SimKX3166Unit::upperThresholdC() const {
    return lineOn(SPAR) ? 70.0 : 80.0;
}
double SimKX3166Unit::lowerThresholdC() const {
    return upperThresholdC() - 10.0;
}

void SimKX3166Unit::enterState(uint8_t state, int64_t atMs, int64_t phaseMs) {
    m_state = state;
    m_phaseEnd = phaseMs < 0 ? -1 : atMs + phaseMs;
}

void SimKX3166Unit::integrate(double seconds) {
    if (lineOn(HS)) m_counters.onSeconds += seconds;
    if (flame()) m_counters.heatSeconds += seconds;
    if (pumpRunning()) m_counters.pumpSeconds += seconds;
    // While the blower speed is adjusted the vehicle's circuit takes the heat, so the burner
    // does not reach its switching threshold in the middle of the adjustment.
    const double most = m_speedAdjusting ? upperThresholdC() - 2.0 : 95.0;
    if (flame())
        m_coolantC = std::min(most, m_coolantC + HeatingPerSecond * seconds);
    else if (m_coolantC > AmbientC)
        m_coolantC = std::max(AmbientC, m_coolantC - CoolingPerSecond * seconds);
}

void SimKX3166Unit::settle() {
    const int64_t t = m_lastMs;
    const bool hs = lineOn(HS);
    const bool phaseOver = m_phaseEnd >= 0 && t >= m_phaseEnd;
    if (m_componentActive && t >= m_componentUntil) m_componentActive = false;
    // A speed adjustment lasts until the main switch goes off after it was switched on.
    if (hs) m_hsWasOn = true;
    if (!hs && m_hsWasOn) m_adjustedSpeed = 0, m_speedAdjusting = false, m_hsWasOn = false;
    switch (m_state) {
        case PreRun:
        case PreIgnition:
        case Ignition:
            if (!hs) {
                if (m_state == Ignition) ++m_counters.shortBurns, ++m_counters.shortBurnsTotal;
                enterState(RunOn1, t, RunOn1Ms);
            } else if (phaseOver) {
                if (m_state == PreRun)
                    enterState(PreIgnition, t, PreIgnitionMs);
                else if (m_state == PreIgnition)
                    enterState(Ignition, t, IgnitionMs);
                else
                    enterState(lineOn(KL61) ? SupplementaryHeat : ParkingHeat, t, -1);
            }
            return;
        case ParkingHeat:
        case SupplementaryHeat:
            if (!hs || m_coolantC >= upperThresholdC())
                enterState(RunOn1, t, RunOn1Ms);
            else
                m_state = lineOn(KL61) ? SupplementaryHeat : ParkingHeat;
            return;
        case RunOn1:
            if (phaseOver) enterState(RunOn2, t, RunOn2Ms);
            return;
        case RunOn2:
            if (phaseOver) enterState(Ready, t, -1);
            return;
        default:
            break;
    }
    // Not burning: a component test, a start, the pump, or nothing.
    if (m_componentActive)
        enterState(ComponentTest, t, -1);
    else if (hs && m_coolantC < lowerThresholdC()) {
        ++m_counters.starts;
        enterState(PreRun, t, PreRunMs);
    } else if (hs)
        enterState(ReadyPump, t, -1);
    else if (lineOn(UPFA))
        enterState(PumpOnly, t, -1);
    else
        enterState(Ready, t, -1);
}

void SimKX3166Unit::advance() {
    const int64_t t = now();
    if (!m_started) {
        m_started = true;
        m_lastMs = t;
    }
    if (sessionOpen() && t - m_lastKeepAlive > SessionTimeoutMs) closeSession();
    while (m_lastMs < t) {
        int64_t next = std::min(t, m_lastMs + WalkMs);
        if (m_phaseEnd > m_lastMs) next = std::min(next, m_phaseEnd);
        if (m_componentActive && m_componentUntil > m_lastMs)
            next = std::min(next, m_componentUntil);
        integrate(static_cast<double>(next - m_lastMs) / 1000.0);
        m_lastMs = next;
        settleAll();
    }
    settleAll();
}

void SimKX3166Unit::settleAll() {
    // One change may bring the next at the same moment (run-on over, then a new start).
    for (int i = 0; i < 4; ++i) {
        const uint8_t before = m_state;
        settle();
        if (m_state == before) return;
    }
}
