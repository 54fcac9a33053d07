#include "kx3166texts.h"

#include <cstdio>

#include "textconv.h"
#include "translate.h"

#define CTX "MAIN_KX3166"

namespace {

// Factors as exact quotients of the control unit's full scale.
constexpr long double kTemp300 = 300.0L / 65535.0L;
constexpr long double kTemp200 = 200.0L / 65535.0L;
constexpr long double kSupply = 50.4767L / 65535.0L;
constexpr long double kErrorVoltage = 45.0L / 65535.0L;
constexpr long double kFlame = 3.3L / 65535.0L;

ByteString hexCode(unsigned code) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.2Xh", code);
    return buf;
}

// clang-format off
const char* const kStates[] = {
    QT_TRANSLATE_NOOP(CTX, "Einsatzbereit"),
    QT_TRANSLATE_NOOP(CTX, "Initialisierung"),
    QT_TRANSLATE_NOOP(CTX, "Einsatzbereit"),
    QT_TRANSLATE_NOOP(CTX, "Einsatzbereit, UP aktiv"),
    QT_TRANSLATE_NOOP(CTX, "Umwälzpumpe ohne Heizfunktion"),
    QT_TRANSLATE_NOOP(CTX, "Komponententest"),
    QT_TRANSLATE_NOOP(CTX, "Störverriegelung"),
    QT_TRANSLATE_NOOP(CTX, "Heizgeräteverriegelung"),
    QT_TRANSLATE_NOOP(CTX, "Warteschleife Überspannung"),
    QT_TRANSLATE_NOOP(CTX, "Warteschleife Unterspannung"),
    QT_TRANSLATE_NOOP(CTX, "Vorlauf"),
    QT_TRANSLATE_NOOP(CTX, "Vorlauf Verlängerung"),
    QT_TRANSLATE_NOOP(CTX, "Vorzündung"),
    QT_TRANSLATE_NOOP(CTX, "Zündung"),
    QT_TRANSLATE_NOOP(CTX, "Standheizen"),
    QT_TRANSLATE_NOOP(CTX, "Zuheizen"),
    QT_TRANSLATE_NOOP(CTX, "Brennstörung"),
    QT_TRANSLATE_NOOP(CTX, "Nachlauf 1"),
    QT_TRANSLATE_NOOP(CTX, "Nachlauf 2"),
};

const char* const kFlameStates[] = {
    QT_TRANSLATE_NOOP(CTX, "Kurzschluss"),
    QT_TRANSLATE_NOOP(CTX, "hell"),
    QT_TRANSLATE_NOOP(CTX, "hell (Hysterese)"),
    QT_TRANSLATE_NOOP(CTX, "dunkel (Hysterese)"),
    QT_TRANSLATE_NOOP(CTX, "dunkel"),
    QT_TRANSLATE_NOOP(CTX, "abbruch"),
};

// By code; nullptr: a code the unit does not name (code 0 is no error at all).
const char* const kErrors[] = {
    nullptr,
    QT_TRANSLATE_NOOP(CTX, "Steuergerätefehler (Flash defekt, falsche Checksumme)"),
    QT_TRANSLATE_NOOP(CTX, "Steuergerätefehler (Watchdog)"),
    QT_TRANSLATE_NOOP(CTX, "Steuergerätefehler (falsche Checksumme des EOL-Parametersatzes)"),
    QT_TRANSLATE_NOOP(CTX, "keine EOL - Programmierung"),
    QT_TRANSLATE_NOOP(CTX, "Heizgeräteverriegelung - Entriegelung nötig"),
    QT_TRANSLATE_NOOP(CTX, "Störzählerschwelle überschritten"),
    QT_TRANSLATE_NOOP(CTX, "Flammabbruchzählerschwelle überschritten"),
    QT_TRANSLATE_NOOP(CTX, "Kein Start in Sicherheitszeit"),
    QT_TRANSLATE_NOOP(CTX, "Flammabbruch"),
    QT_TRANSLATE_NOOP(CTX, "Unterspannung"),
    QT_TRANSLATE_NOOP(CTX, "Überspannung"),
    QT_TRANSLATE_NOOP(CTX, "Steuergerätefehler (Flammwächter Kurzschluss Kl.31)"),
    nullptr,
    QT_TRANSLATE_NOOP(CTX, "Überhitzungsschutz Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP(CTX, "Überhitzungsschutz Unterbrechung o. Kurzschluss Kl. 30"),
    QT_TRANSLATE_NOOP(CTX, "Überhitzung T>135°C"),
    QT_TRANSLATE_NOOP(CTX, "Überhitzung - Delta T (Zündung - Heizen)"),
    QT_TRANSLATE_NOOP(CTX, "Temperatursensor Kühlmittel Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP(CTX, "Temperatursensor Kühlmittel Unterbrechung oder Kurzschluss Kl. 30"),
    QT_TRANSLATE_NOOP(CTX, "Temperatursensor Kühlmittel/Überhitzung defekt - Delta T (Vorlauf)"),
    QT_TRANSLATE_NOOP(CTX, "Fremdlicht (Flammwächter hell vor Zündung)"),
    QT_TRANSLATE_NOOP(CTX, "Fremdlicht (Flammwächter hell im Nachlauf 2)"),
    QT_TRANSLATE_NOOP(CTX, "Magnetventil Kurzschluss Kl. 31"),
    nullptr,
    QT_TRANSLATE_NOOP(CTX, "Magnetventil Kurzschluss Kl. 30"),
    QT_TRANSLATE_NOOP(CTX, "Zündfunkengeber Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP(CTX, "Zündfunkengeber Kurzschluss Kl. 30"),
    nullptr,
    QT_TRANSLATE_NOOP(CTX, "Umwälzpumpe (DVW) Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP(CTX, "Umwälzpumpe (DVW) Kurzschluss Kl. 30"),
    QT_TRANSLATE_NOOP(CTX, "Flammanzeige Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP(CTX, "Betriebsanzeige Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP(CTX, "Drehzahlsignal nicht in Ordnung"),
    QT_TRANSLATE_NOOP(CTX, "Komparator 150°C hat ausgelöst"),
};
// clang-format on

template <size_t N>
const char* entry(const char* const (&table)[N], unsigned code) {
    return code < N ? table[code] : nullptr;
}

}  // namespace

ByteString KX3166_StateText(uint16_t code) {
    const char* t = entry(kStates, code);
    return t ? TOOL_Translate(CTX, t) : hexCode(code);
}

ByteString KX3166_FlameStateText(uint8_t code) {
    const char* t = entry(kFlameStates, code);
    return t ? TOOL_Translate(CTX, t) : hexCode(code);
}

ByteString KX3166_ErrorText(uint8_t code) {
    if (code == 0) return ByteString();
    const char* t = entry(kErrors, code);
    return t ? TOOL_Translate(CTX, t) : TR(CTX, "unbekannt") + " " + std::to_string(code);
}

long double KX3166_Temp300Celsius(long double raw) {
    return raw * kTemp300 - 100;
}

long double KX3166_ScaleTemp300(long double raw, uint8_t temperatureUnit) {
    return TOOL_TempToDisplay(KX3166_Temp300Celsius(raw), temperatureUnit);
}

long double KX3166_ScaleTemp200(long double raw, uint8_t temperatureUnit) {
    return TOOL_TempToDisplay(raw * kTemp200 - 50, temperatureUnit);
}

long double KX3166_ScaleSupplyVoltage(long double raw) {
    return raw * kSupply - 5.4376L;
}

long double KX3166_ScaleErrorVoltage(long double raw) {
    return raw * kErrorVoltage;
}

long double KX3166_ScaleFlameVoltage(long double raw) {
    return raw * kFlame;
}
