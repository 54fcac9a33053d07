#include "adapterselection.h"

#include "adapterwatch.h"

void AdapterSelection::begin() {
    m_foundCount = 0;
    USBSEL_ClearRest();
    m_ticks = 0;
}

bool AdapterSelection::scan() {
    bool changed = false;
    if (m_ticks < TickCountLimit) ++m_ticks;
    if (m_ticks < FirstScanTick) return false;

    // A failed count is no device at all: the count of an earlier call would be stale.
    const bool any = m_d2xx.GetFTDeviceCount() == FT_OK && m_d2xx.DeviceCount >= 1;
    if (any) {
        m_foundCount = 0;
        for (uint32_t i = 0; i < m_d2xx.DeviceCount; ++i) {
            if (m_d2xx.GetFTDeviceDescription(i) != FT_OK) continue;
            const ByteString description = m_d2xx.ListResult;
            if (m_d2xx.GetFTDeviceSerialNo(i) != FT_OK) continue;
            if (description == AdapterDescription)
                changed = USBSEL_AddFound(description, m_d2xx.ListResult) || changed;
        }
        changed = USBSEL_ClearRest() || changed;
    } else if (m_foundCount > 0) {
        m_foundCount = 0;
        changed = USBSEL_ClearRest() || changed;
    }
    return changed;
}

bool AdapterSelection::USBSEL_AddFound(const ByteString& description, const ByteString& serial) {
    if (m_foundCount >= MaxAdapters) return false;
    Found& e = m_entries[static_cast<size_t>(m_foundCount++)];
    const bool changed = e.description != description || e.serial != serial;
    e = {description, serial};
    return changed;
}

bool AdapterSelection::USBSEL_ClearRest() {
    bool changed = false;
    for (int n = m_foundCount; n < MaxAdapters; ++n) {
        Found& e = m_entries[static_cast<size_t>(n)];
        changed = changed || !e.description.empty() || !e.serial.empty();
        e = {};
    }
    return changed;
}
