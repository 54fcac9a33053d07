// Text tables of dialect S: error codes, operating states, flame-monitor states and weekdays.
#include "translate.h"
#include "unittexts.h"
#include "wbusdialects.h"
#include "wbusrowgroups.h"

namespace {

constexpr char CTX[] = "WBusS";

// Error texts by code 1..52; null where the code has no text of its own. Codes 16, 46 and 50
// name a temperature and take their text from the chosen unit's set.
const char* const kErrorTexts[] = {
    nullptr,
    QT_TRANSLATE_NOOP("WBusS", "Steuergerätefehler"),
    QT_TRANSLATE_NOOP("WBusS", "Watchdog"),
    QT_TRANSLATE_NOOP("WBusS", "Falsche Checksumme des EOL-Parametersatzes"),
    QT_TRANSLATE_NOOP("WBusS", "Heizgeräteverriegelung - Entriegelung nötig"),
    QT_TRANSLATE_NOOP("WBusS", "Störzählerschwelle überschritten"),
    QT_TRANSLATE_NOOP("WBusS", "Flammabbruchzählerschwelle überschritten"),
    QT_TRANSLATE_NOOP("WBusS", "keine EOL-Programmierung"),
    QT_TRANSLATE_NOOP("WBusS", "Kein Start in Sicherheitszeit"),
    QT_TRANSLATE_NOOP("WBusS", "Flammabbruch"),
    QT_TRANSLATE_NOOP("WBusS", "Unterspannung"),
    QT_TRANSLATE_NOOP("WBusS", "Überspannung"),
    QT_TRANSLATE_NOOP("WBusS", "Flammwächter Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP("WBusS", "Flammwächter Unterbrechung o. Kurzschluss Kl. 30"),
    QT_TRANSLATE_NOOP("WBusS", "Überhitzungsschutz Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP("WBusS", "Überhitzungsschutz Unterbrechung o. Kurzschluss Kl. 30"),
    nullptr,  // 16: temperature limit
    QT_TRANSLATE_NOOP("WBusS", "Überhitzung Delta T"),
    QT_TRANSLATE_NOOP("WBusS", "Temperatursensor Kühlmittel Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP("WBusS", "Temperatursensor Kühlmittel Unterbrechung o. Kurzschluss Kl. 30"),
    QT_TRANSLATE_NOOP("WBusS", "Temperatursensor Kühlmittel/Überhitzung defekt"),
    QT_TRANSLATE_NOOP("WBusS", "Fremdlicht vor Zustand \"Zündung\""),
    QT_TRANSLATE_NOOP("WBusS", "Fremdlicht im Zustand \"Nachlauf 2\""),
    QT_TRANSLATE_NOOP("WBusS", "Magnetventil Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP("WBusS", "Magnetventil Unterbrechung"),
    QT_TRANSLATE_NOOP("WBusS", "Magnetventil Kurzschluss Kl. 30"),
    QT_TRANSLATE_NOOP("WBusS", "Motor Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP("WBusS", "Motor Unterbrechung oder Sicherung defekt"),
    QT_TRANSLATE_NOOP("WBusS", "Motor Kurzschluss Kl. 30"),
    QT_TRANSLATE_NOOP("WBusS", "Zündfunkengeber Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP("WBusS", "Zündfunkengeber Unterbrechung"),
    QT_TRANSLATE_NOOP("WBusS", "Zündfunkengeber Kurzschluss Kl. 30"),
    QT_TRANSLATE_NOOP("WBusS", "Zündfunkengeber Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP("WBusS", "Zündfunkengeber Unterbrechung o. Kurzschluss Kl. 30"),
    QT_TRANSLATE_NOOP("WBusS", "Zündfunkengeber Kurzschluss Kl. 30"),
    QT_TRANSLATE_NOOP("WBusS", "Umwälzpumpe Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP("WBusS", "Umwälzpumpe Unterbrechung"),
    QT_TRANSLATE_NOOP("WBusS", "Umwälzpumpe Kurzschluss Kl. 30"),
    QT_TRANSLATE_NOOP("WBusS", "Sensor Düsenstockvorwärmung Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP("WBusS", "Sensor Düsenstockvorwärmung Unterbrechung o. Kurzschluss Kl. 30"),
    QT_TRANSLATE_NOOP("WBusS", "Heizpatrone Düsenstockvorwärmung Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP("WBusS", "Heizpatrone Düsenstockvorwärmung Unterbrechung"),
    QT_TRANSLATE_NOOP("WBusS", "Heizpatrone Düsenstockvorwärmung Kurzschluss Kl. 30"),
    QT_TRANSLATE_NOOP("WBusS", "Flammanzeige Kurzschluss Kl. 31"),
    QT_TRANSLATE_NOOP("WBusS", "Flammanzeige Kurzschluss Kl. 30"),
    QT_TRANSLATE_NOOP("WBusS", "Betriebsanzeige Kurzschluss Kl. 31"),
    nullptr,  // 46: temperature limit
    QT_TRANSLATE_NOOP("WBusS", "Drehzahlsignal nicht in Ordnung"),
    QT_TRANSLATE_NOOP("WBusS", "Mindestbrennzeit mehrfach unterschritten"),
    QT_TRANSLATE_NOOP("WBusS", "Flash defekt"),
    nullptr,  // 50: temperature limit
    nullptr,  // 51: no text
    QT_TRANSLATE_NOOP("WBusS", "CAN-BUS-Fehler"),
};
constexpr size_t kErrorTextCount = sizeof kErrorTexts / sizeof kErrorTexts[0];
static_assert(kErrorTextCount == 53, "error texts 0..52");

// State names by the state word's high byte 1..20 (0 has none).
const char* const kStateNames[] = {
    nullptr,
    QT_TRANSLATE_NOOP("WBusS", "Aus"),
    QT_TRANSLATE_NOOP("WBusS", "Initialisierung"),
    QT_TRANSLATE_NOOP("WBusS", "Einsatzbereit"),
    QT_TRANSLATE_NOOP("WBusS", "Einsatzbereit, UP aktiv"),
    QT_TRANSLATE_NOOP("WBusS", "Umwälzpumpe ohne Heizfunktion"),
    QT_TRANSLATE_NOOP("WBusS", "Komponententest"),
    QT_TRANSLATE_NOOP("WBusS", "Störverriegelung"),
    QT_TRANSLATE_NOOP("WBusS", "Heizgeräteverriegelung"),
    QT_TRANSLATE_NOOP("WBusS", "Warteschleife Über-/Unterspannung"),
    QT_TRANSLATE_NOOP("WBusS", "Vorwärmung"),
    QT_TRANSLATE_NOOP("WBusS", "Vorlauf"),
    QT_TRANSLATE_NOOP("WBusS", "Vorlauf Verlängerung"),
    QT_TRANSLATE_NOOP("WBusS", "Vorzündung"),
    QT_TRANSLATE_NOOP("WBusS", "Zündung"),
    QT_TRANSLATE_NOOP("WBusS", "Stabilisierung"),
    QT_TRANSLATE_NOOP("WBusS", "Standheizen"),
    QT_TRANSLATE_NOOP("WBusS", "Zuheizen"),
    QT_TRANSLATE_NOOP("WBusS", "Brennstörung"),
    QT_TRANSLATE_NOOP("WBusS", "Nachlauf 1"),
    QT_TRANSLATE_NOOP("WBusS", "Nachlauf 2"),
};
constexpr int kStateNameCount = sizeof kStateNames / sizeof kStateNames[0];

const char* const kFlameStates[] = {
    QT_TRANSLATE_NOOP("WBusS", "Kurzschluss"),
    QT_TRANSLATE_NOOP("WBusS", "hell"),
    QT_TRANSLATE_NOOP("WBusS", "hell (Hysterese)"),
    QT_TRANSLATE_NOOP("WBusS", "dunkel (Hysterese)"),
    QT_TRANSLATE_NOOP("WBusS", "dunkel"),
    QT_TRANSLATE_NOOP("WBusS", "Unterbrechung"),
};

const char* const kWeekdays[] = {
    QT_TRANSLATE_NOOP("WBusS", "Montag"),   QT_TRANSLATE_NOOP("WBusS", "Dienstag"),
    QT_TRANSLATE_NOOP("WBusS", "Mittwoch"), QT_TRANSLATE_NOOP("WBusS", "Donnerstag"),
    QT_TRANSLATE_NOOP("WBusS", "Freitag"),  QT_TRANSLATE_NOOP("WBusS", "Sonnabend"),
    QT_TRANSLATE_NOOP("WBusS", "Sonntag"),
};

}  // namespace

void WBusDialectS::WBUS_ErrorCodeTextS(uint8_t deviceClass, uint8_t code, ByteString& text) {
    text = WBUS_ErrorCodeTextS(deviceClass, code);
}

ByteString WBusDialectS::WBUS_ErrorCodeTextS(uint8_t deviceClass, uint8_t code) {
    if (deviceClass == 3) {
        switch (code) {
            case 0:
                return ByteString();
            case 16:
                return UNIT_Text(utOverheat);
            case 46:
                return UNIT_Text(utOverheatSensor);
            case 50:
                return UNIT_Text(utLowComparator);
            default:
                if (code < kErrorTextCount && kErrorTexts[code])
                    return TOOL_Translate(CTX, kErrorTexts[code]);
                break;
        }
    }
    return TR("WBusS", "unbekannt") + " " + BUS_Hex2(code) + "h";
}

void WBusDialectS::WBUS_StateTextS(uint8_t deviceClass, int32_t stateWord, ByteString& text) {
    text = WBUS_StateTextS(deviceClass, stateWord);
}

ByteString WBusDialectS::WBUS_StateTextS(uint8_t deviceClass, int32_t stateWord) {
    if (deviceClass != 3) return ByteString();
    const int high = stateWord >= 0 && stateWord <= 0xFFFF ? stateWord >> 8 : -1;
    const char* name = high >= 0 && high < kStateNameCount ? kStateNames[high] : nullptr;
    return WBusRowGroups::stateText(CTX, name, stateWord);
}

void WBusDialectS::WBUS_FlameStateText(uint8_t deviceClass, uint8_t state, ByteString& text) {
    text = WBUS_FlameStateText(deviceClass, state);
}

ByteString WBusDialectS::WBUS_FlameStateText(uint8_t deviceClass, uint8_t state) {
    if (deviceClass == 3 && state < sizeof kFlameStates / sizeof kFlameStates[0])
        return TOOL_Translate(CTX, kFlameStates[state]);
    return BUS_Hex2(state) + "h";
}

void WBusDialectS::WBUS_WeekdayText(uint8_t day, ByteString& text) {
    text = WBUS_WeekdayText(day);
}

ByteString WBusDialectS::WBUS_WeekdayText(uint8_t day) {
    if (day < 1 || day > 7) return ByteString();
    return TOOL_Translate(CTX, kWeekdays[day - 1]);
}
