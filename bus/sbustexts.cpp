// Formatters of the S-Bus answers.
#include "sbuslayer.h"
#include "translate.h"

void SBusLayer::SBUS_FormatPatchDate(int32_t a, int32_t b, int32_t c, ByteString& text) {
    text = SBUS_FormatPatchDate(a, b, c);
}

ByteString SBusLayer::SBUS_FormatPatchDate(int32_t a, int32_t b, int32_t c) {
    return BUS_Format("(Patch: %3.3d) %2.2d/%2.2d", c, b, a);
}

void SBusLayer::SBUS_FormatHoursMinutes(int32_t hours, int32_t minutes, ByteString& text) {
    text = SBUS_FormatHoursMinutes(hours, minutes);
}

ByteString SBusLayer::SBUS_FormatHoursMinutes(int32_t hours, int32_t minutes) {
    return BUS_Format("%1.1d:%1.2d", hours, minutes);
}

void SBusLayer::SBUS_FormatSeconds(uint32_t seconds, ByteString& text) {
    text = SBUS_FormatSeconds(seconds);
}

ByteString SBusLayer::SBUS_FormatSeconds(uint32_t seconds) {
    return BUS_Format("%u:%1.2u:%1.2u", seconds / 3600, (seconds % 3600) / 60, seconds % 60);
}

void SBusLayer::SBUS_FingerprintStateText(int32_t state, ByteString& text) {
    text = SBUS_FingerprintStateText(state);
}

ByteString SBusLayer::SBUS_FingerprintStateText(int32_t state) {
    switch (state) {
        case 1:
            return TR("SBus", "Ok");
        case 2:
            return TR("SBus", "Fehler: CRC oder Speicher");
        case 4:
            return TR("SBus", "Fehler: Software inkompatibel");
        default:
            return BUS_Decimal(state);
    }
}
