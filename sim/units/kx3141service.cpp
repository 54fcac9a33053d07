// The component test of the simulated class-4 unit: message 14 (component, runtime in s; 0 until
// switched off) and 15 (component) to switch it off. Refused while the burner runs.
#include <limits>

#include "kx3141unit.h"
#include "simbytes.h"

using namespace SimBytes;

void SimKX3141Unit::registerServiceCommands() {
    onCommand(14, [this](const ByteString& p) -> std::optional<ByteString> {
        const unsigned code = p.size() == 2 ? at(p, 0) : 0xFF;
        if (code > ComponentFlameMonitor) return negative(RefusedParameter, 14);
        const bool idle = m_state == Off || m_state == Ready || m_state == ComponentTest;
        if (code != 0 && !idle) return negative(RefusedNotNow, 14);
        const unsigned runtime = at(p, 1);
        m_component = static_cast<uint8_t>(code);
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
}

void SimKX3141Unit::sessionEnded() {
    // The diagnosis's component test and its heating and pump commands end with its session.
    m_componentActive = false;
    m_heatCommanded = false;
    m_pumpCommanded = false;
}
