#include "kx3141texts.h"

#include "buscommon.h"
#include "sbuslayer.h"
#include "translate.h"

#define CTX "MAIN_KX3141"

namespace {

// By the high byte of the state word, from 1; 4 and 5 are two kinds of pump-only running.
// clang-format off
const char* const kStates[] = {
    QT_TRANSLATE_NOOP(CTX, "Auszustand"),
    QT_TRANSLATE_NOOP(CTX, "Initialisierung"),
    QT_TRANSLATE_NOOP(CTX, "Einsatzbereit"),
    QT_TRANSLATE_NOOP(CTX, "Umwälzpumpe ohne Heizfunktion"),
    QT_TRANSLATE_NOOP(CTX, "Umwälzpumpe ohne Heizfunktion"),
    QT_TRANSLATE_NOOP(CTX, "Komponententest"),
    QT_TRANSLATE_NOOP(CTX, "Störverriegelung"),
    QT_TRANSLATE_NOOP(CTX, "Heizgeräteverriegelung"),
    QT_TRANSLATE_NOOP(CTX, "Warteschleife Überspannung"),
    QT_TRANSLATE_NOOP(CTX, "Warteschleife Unterspannung"),
    QT_TRANSLATE_NOOP(CTX, "Vorwärmung"),
    QT_TRANSLATE_NOOP(CTX, "Vorlauf"),
    QT_TRANSLATE_NOOP(CTX, "Vorzündung"),
    QT_TRANSLATE_NOOP(CTX, "Zündung"),
    QT_TRANSLATE_NOOP(CTX, "Spülen"),
    QT_TRANSLATE_NOOP(CTX, "Heizen"),
    QT_TRANSLATE_NOOP(CTX, "Zuheizen"),
    QT_TRANSLATE_NOOP(CTX, "Brennstörung"),
    QT_TRANSLATE_NOOP(CTX, "Nachlauf 1"),
    QT_TRANSLATE_NOOP(CTX, "Nachlauf 2"),
};

// By code, from 1.
const char* const kErrors[] = {
    QT_TRANSLATE_NOOP(CTX, "Steuergerätefehler"),
    QT_TRANSLATE_NOOP(CTX, "Watchdog"),
    QT_TRANSLATE_NOOP(CTX, "Falsche Checksumme des EOL-Parametersatzes"),
    QT_TRANSLATE_NOOP(CTX, "Heizgeräteverriegelung"),
    QT_TRANSLATE_NOOP(CTX, "Störzählerschwelle überschritten"),
    QT_TRANSLATE_NOOP(CTX, "Flammabbruchzählerverriegelungsschwelle überschritten"),
    QT_TRANSLATE_NOOP(CTX, "Programmierung ist nicht erfolgt"),
    QT_TRANSLATE_NOOP(CTX, "Kein Start in Sicherheitszeit"),
    QT_TRANSLATE_NOOP(CTX, "Flammabbruch"),
    QT_TRANSLATE_NOOP(CTX, "Unterspannung"),
    QT_TRANSLATE_NOOP(CTX, "Überspannung"),
    QT_TRANSLATE_NOOP(CTX, "Flammwächter Kurzschluss"),
    QT_TRANSLATE_NOOP(CTX, "Flammwächter Unterbrechung"),
    QT_TRANSLATE_NOOP(CTX, "Überhitzungsschutz Kurzschluss"),
    QT_TRANSLATE_NOOP(CTX, "Überhitzungsschutz Unterbrechung"),
    QT_TRANSLATE_NOOP(CTX, "Überhitzung"),
    QT_TRANSLATE_NOOP(CTX, "Überhitzung Delta T"),
    QT_TRANSLATE_NOOP(CTX, "Temperatursensor Kühlmittel Kurzschluss"),
    QT_TRANSLATE_NOOP(CTX, "Temperatursensor Kühlmittel Unterbrechung"),
    QT_TRANSLATE_NOOP(CTX, "Temperatursensor Kühlmittel/Überhitzung defekt Delta T"),
    QT_TRANSLATE_NOOP(CTX, "Flamme vor dem Zustand \"Zündung\""),
    QT_TRANSLATE_NOOP(CTX, "Flamme im Zustand \"Nachlauf 2\""),
    QT_TRANSLATE_NOOP(CTX, "Magnetventil 1 o. 2 Kurzschluss/Unterbrechung"),
    QT_TRANSLATE_NOOP(CTX, "Magnetventil 1 o. 2 Unterbrechung"),
    QT_TRANSLATE_NOOP(CTX, "Magnetventil 1 o. 2 Kurzschluss Kl. 30"),
    QT_TRANSLATE_NOOP(CTX, "Motor Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP(CTX, "Motor Unterbrechung oder Sicherung defekt"),
    QT_TRANSLATE_NOOP(CTX, "Motor Kurzschluss Kl. 30"),
    QT_TRANSLATE_NOOP(CTX, "Zündfunkenmodul Kurzschluss Kl. 31 o. keine Induktion"),
    QT_TRANSLATE_NOOP(CTX, "Zündfunkenmodul Unterbrechung"),
    QT_TRANSLATE_NOOP(CTX, "Zündfunkenmodul Kurzschluss Kl. 30"),
    QT_TRANSLATE_NOOP(CTX, "Zündfunkenmodul Select Kurzschluss Kl. 31 o. keine Induktion"),
    QT_TRANSLATE_NOOP(CTX, "Zündfunkenmodul Select Unterbrechung"),
    QT_TRANSLATE_NOOP(CTX, "Zündfunkenmodul Select Kurzschluss Kl. 30"),
    QT_TRANSLATE_NOOP(CTX, "Umwälzpumpe Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP(CTX, "Umwälzpumpe Unterbrechung"),
    QT_TRANSLATE_NOOP(CTX, "Umwälzpumpe Kurzschluss Kl. 30"),
    QT_TRANSLATE_NOOP(CTX, "Heizpatrone Düsenstockvorwärmung PT-Sensor Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP(CTX, "Heizpatrone Düsenstockvorwärmung PT-Sensor Unterbrechung"),
    QT_TRANSLATE_NOOP(CTX, "Heizpatrone Düsenstockvorwärmung Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP(CTX, "Heizpatrone Düsenstockvorwärmung Unterbrechung"),
    QT_TRANSLATE_NOOP(CTX, "Heizpatrone Düsenstockvorwärmung Kurzschluss Kl. 30"),
    QT_TRANSLATE_NOOP(CTX, "Flammanzeige Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP(CTX, "Magnetventil 2 defekt"),
    QT_TRANSLATE_NOOP(CTX, "Betriebsanzeige Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP(CTX, "Überhitzung"),
    QT_TRANSLATE_NOOP(CTX, "Motor Drehzahlsignal nicht in Ordnung"),
    QT_TRANSLATE_NOOP(CTX, "Mindestbrennzeit mehrfach unterschritten"),
    QT_TRANSLATE_NOOP(CTX, "Steuergerätefehler (Flash defekt)"),
    QT_TRANSLATE_NOOP(CTX, "Steuergerätefehler (Komparator hat ausgelöst)"),
    QT_TRANSLATE_NOOP(CTX, "Steuergerätefehler"),
    QT_TRANSLATE_NOOP(CTX, "Steuergerätefehler"),
    QT_TRANSLATE_NOOP(CTX, "Steuergerätefehler (Flammwächter defekt)"),
    QT_TRANSLATE_NOOP(CTX, "Überhitzungsschutz Kurzschluss o. Unterbrechung"),
    QT_TRANSLATE_NOOP(CTX, "Steuergerätefehler"),
    QT_TRANSLATE_NOOP(CTX, "Temperatursensor < -50°C"),
    QT_TRANSLATE_NOOP(CTX, "Reglerheizung Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP(CTX, "Reglerheizung Unterbrechung"),
    QT_TRANSLATE_NOOP(CTX, "Temperatursensoren unplausibel"),
};
// clang-format on

constexpr unsigned StateCount = sizeof kStates / sizeof kStates[0];
constexpr unsigned ErrorCount = sizeof kErrors / sizeof kErrors[0];

}  // namespace

ByteString KX3141_StateText(uint16_t state) {
    const unsigned high = state >> 8;
    const unsigned low = state & 0xFF;
    if (high < 1 || high > StateCount) return BUS_Format("%4.4Xh", static_cast<unsigned>(state));
    ByteString text = TOOL_Translate(CTX, kStates[high - 1]);
    if (low != 0) text += " " + BUS_Decimal(low);
    return text;
}

ByteString KX3141_FlameStateText(uint8_t code) {
    switch (code) {
        case 0:
        case 1:
            return TR(CTX, "keine Flamme");
        case 2:
        case 3:
            return TR(CTX, "Flamme");
        case 4:
            return TR(CTX, "fehlerhaft");
        case 5:
            return ByteString();
        default:
            return BUS_Hex2(code) + "h";
    }
}

ByteString KX3141_ErrorText(uint8_t code) {
    if (code == 0) return ByteString();
    if (code > ErrorCount) return TR(CTX, "unbekannt") + " " + BUS_Decimal(code);
    return TOOL_Translate(CTX, kErrors[code - 1]);
}

ByteString KX3141_FormatSeconds(uint32_t seconds) {
    // The same hours:minutes:seconds as the layer's own second counters.
    return SBusLayer::SBUS_FormatSeconds(seconds);
}
