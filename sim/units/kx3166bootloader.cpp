// The class-5 unit's way into its boot loader and back: message 155 sub 0 with the switch key
// leaves the application; from then on the boot loader answers (at its own address) until it
// has started a newly written application.
#include "kx3166unit.h"
#include "simbytes.h"

using SimBytes::bytes;

void SimKX3166Unit::registerBootLoaderSwitch() {
    on(155, [this](const ByteString& p) -> std::optional<ByteString> {
        if (p.size() < 1 || p[0] != 0 || p.substr(1) != SimBootLoader::SwitchKey)
            return negative(RefusedParameter, 155);
        m_inLoader = true;
        closeSession();
        return reply(155, bytes({0, 0}));
    });
}

void SimKX3166Unit::startInBootLoader() {
    m_loader.eraseApplication();
    m_inLoader = true;
    closeSession();
}

void SimKX3166Unit::wakeup() {
    SimSBusUnit::wakeup();
    if (m_inLoader) m_loader.wakeup();
}

std::optional<ByteString> SimKX3166Unit::answer(const ByteString& telegram) {
    if (!m_inLoader || silent()) return SimSBusUnit::answer(telegram);
    std::optional<ByteString> a = m_loader.answer(telegram);
    // The application runs again from the next request on.
    if (m_loader.takeApplicationStart()) m_inLoader = false;
    return a;
}

void SimKX3166Unit::attachClock(const ISimClock& clock) {
    SimSBusUnit::attachClock(clock);
    m_loader.attachClock(clock);
}
