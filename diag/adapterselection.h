// The list behind the adapter selection dialog: every attached adapter whose USB description
// is the adapter's description text, at most ten, scanned four times a second while the dialog
// is open. The list is rebuilt only when an entry changed, so a row the user selected stays
// selected while the attached adapters stay the same.
#pragma once

#include <array>
#include <cstdint>

#include "d2xx.h"
#include "records.h"

class AdapterSelection {
public:
    static constexpr int MaxAdapters = 10;
    static constexpr int ScanIntervalMs = 250;
    // The first ticks only wait: the first scan comes about half a second after the dialog
    // opened.
    static constexpr int FirstScanTick = 3;
    static constexpr int TickCountLimit = 10;

    struct Found {
        ByteString description;
        ByteString serial;
    };

    explicit AdapterSelection(D2XXUnit& d2xx) : m_d2xx(d2xx) {}

    // The dialog opens: nothing found, every entry cleared, the tick count from 0.
    void begin();
    // One tick of the dialog's timer; true when the list has to be rebuilt.
    bool scan();

    // Records the next match; true when its entry held something else before.
    bool USBSEL_AddFound(const ByteString& description, const ByteString& serial);
    // Clears the entries behind the found ones; true when any of them held text.
    bool USBSEL_ClearRest();

    int foundCount() const { return m_foundCount; }
    int tickCount() const { return m_ticks; }
    // Entry 1..MaxAdapters.
    const Found& entry(int n) const { return m_entries.at(static_cast<size_t>(n - 1)); }

private:
    D2XXUnit& m_d2xx;
    int m_ticks = 0;
    int m_foundCount = 0;
    std::array<Found, MaxAdapters> m_entries{};
};
