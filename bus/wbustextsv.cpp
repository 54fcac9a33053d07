// Text tables of dialect V: error codes, operating states and component-test answers.
#include "translate.h"
#include "wbusdialectv.h"
#include "wbusrowgroups.h"

namespace {

struct CodeText {
    uint8_t code;
    const char* text;
};

const CodeText kErrorTexts[] = {
    {1, QT_TRANSLATE_NOOP("WBusV", "keine EOL-Programmierung")},
    {2, QT_TRANSLATE_NOOP("WBusV", "Kein Start in Sicherheitszeit")},
    {3, QT_TRANSLATE_NOOP("WBusV", "Flammabbruch")},
    {4, QT_TRANSLATE_NOOP("WBusV", "Überspannung")},
    {5, QT_TRANSLATE_NOOP("WBusV", "Fremdlicht")},
    {6, QT_TRANSLATE_NOOP("WBusV", "Unterbrechung Magnetventil (Überhitzung)")},
    {9, QT_TRANSLATE_NOOP("WBusV", "Motor Kurzschluss Kl. 31")},
    {11, QT_TRANSLATE_NOOP("WBusV", "Umwälzpumpe Kurzschluss Kl. 31")},
    {16, QT_TRANSLATE_NOOP("WBusV", "Magnetventil Kurzschluss Kl. 31")},
    {20, QT_TRANSLATE_NOOP("WBusV", "Temperatursensor Kurzschluss Kl. 31")},
    {25, QT_TRANSLATE_NOOP("WBusV", "Zündfunkengeber Kurzschluss Kl. 31")},
    {26, QT_TRANSLATE_NOOP("WBusV", "Flammwächter Kurzschluss Kl. 31")},
    {32, QT_TRANSLATE_NOOP("WBusV", "Betriebsanzeige Kurzschluss Kl. 31")},
    {33, QT_TRANSLATE_NOOP("WBusV", "Flammanzeige Kurzschluss Kl. 31")},
    {129, QT_TRANSLATE_NOOP("WBusV", "Steuergerätefehler")},
    {130, QT_TRANSLATE_NOOP("WBusV", "Kein Start in Sicherheitszeit")},
    {131, QT_TRANSLATE_NOOP("WBusV", "Flammabbruch")},
    {132, QT_TRANSLATE_NOOP("WBusV", "Unterspannung")},
    {133, QT_TRANSLATE_NOOP("WBusV", "Fremdlicht")},
    {137, QT_TRANSLATE_NOOP("WBusV", "Motor Unterbrechung o. Kurzschluss Kl. 30")},
    {139, QT_TRANSLATE_NOOP("WBusV", "Umwälzpumpe Unterbrechung o. Kurzschluss Kl. 30")},
    {144, QT_TRANSLATE_NOOP("WBusV", "Magnetventil Unterbrechung o. Kurzschluss Kl. 30")},
    {148, QT_TRANSLATE_NOOP("WBusV", "Temperatursensor Unterbrechung o. Kurzschluss Kl. 30")},
    {153, QT_TRANSLATE_NOOP("WBusV", "Zündfunkengeber Unterbrechung o. Kurzschluss Kl. 30")},
    {154, QT_TRANSLATE_NOOP("WBusV", "Flammwächter Unterbrechung o. Kurzschluss Kl. 30")},
};

// State names by the state word's high byte: 0..98 in order, then 255.
const char* const kStateNames[] = {
    QT_TRANSLATE_NOOP("WBusV", "Ausbrennen"),
    QT_TRANSLATE_NOOP("WBusV", "Abschaltung"),
    QT_TRANSLATE_NOOP("WBusV", "Ausbrennen TRS"),
    QT_TRANSLATE_NOOP("WBusV", "Ausbrennrampe"),
    QT_TRANSLATE_NOOP("WBusV", "Auszustand"),
    QT_TRANSLATE_NOOP("WBusV", "Brennbetrieb Teillast"),
    QT_TRANSLATE_NOOP("WBusV", "Brennbetrieb Vollast"),
    QT_TRANSLATE_NOOP("WBusV", "Brennstofffördern"),
    QT_TRANSLATE_NOOP("WBusV", "Motorstart (Losreissen)"),
    QT_TRANSLATE_NOOP("WBusV", "Brennstoffunterbr"),
    QT_TRANSLATE_NOOP("WBusV", "Diagnosezustand"),
    QT_TRANSLATE_NOOP("WBusV", "Dosierpumpenunterbrechung"),
    QT_TRANSLATE_NOOP("WBusV", "EMK-Messung"),
    QT_TRANSLATE_NOOP("WBusV", "Entprellen"),
    QT_TRANSLATE_NOOP("WBusV", "EXIT"),
    QT_TRANSLATE_NOOP("WBusV", "Flammwächterabfrage"),
    QT_TRANSLATE_NOOP("WBusV", "Flammwächterkühlung"),
    QT_TRANSLATE_NOOP("WBusV", "Flammwächter Messphase"),
    QT_TRANSLATE_NOOP("WBusV", "Flammabfrage bei ZUE"),
    QT_TRANSLATE_NOOP("WBusV", "Gebläseanlauf"),
    QT_TRANSLATE_NOOP("WBusV", "Glühstiftrampe"),
    QT_TRANSLATE_NOOP("WBusV", "Heizgeräteverriegelung"),
    QT_TRANSLATE_NOOP("WBusV", "Initialisierung"),
    QT_TRANSLATE_NOOP("WBusV", "Kraftstoffblasenüberbrückung"),
    QT_TRANSLATE_NOOP("WBusV", "Kaltgebläseanlauf"),
    QT_TRANSLATE_NOOP("WBusV", "Kaltstartanreicherung"),
    QT_TRANSLATE_NOOP("WBusV", "Kühlung"),
    QT_TRANSLATE_NOOP("WBusV", "Lastwechsel Teil- / Volllast"),
    QT_TRANSLATE_NOOP("WBusV", "Lüften"),
    QT_TRANSLATE_NOOP("WBusV", "Lastwechsel Voll- / Teillast"),
    QT_TRANSLATE_NOOP("WBusV", "Neue Initialisierung"),
    QT_TRANSLATE_NOOP("WBusV", "Regelbetrieb"),
    QT_TRANSLATE_NOOP("WBusV", "Regelpause"),
    QT_TRANSLATE_NOOP("WBusV", "Sanftanlauf"),
    QT_TRANSLATE_NOOP("WBusV", "Sicherheitszeit"),
    QT_TRANSLATE_NOOP("WBusV", "Spülen"),
    QT_TRANSLATE_NOOP("WBusV", "Start"),
    QT_TRANSLATE_NOOP("WBusV", "Stabilisierung"),
    QT_TRANSLATE_NOOP("WBusV", "Startrampe"),
    QT_TRANSLATE_NOOP("WBusV", "Stromlos"),
    QT_TRANSLATE_NOOP("WBusV", "Störverriegelung"),
    QT_TRANSLATE_NOOP("WBusV", "Störverriegelung TRS"),
    QT_TRANSLATE_NOOP("WBusV", "Stabilisierungszeit"),
    QT_TRANSLATE_NOOP("WBusV", "Übergang Regelbetrieb"),
    QT_TRANSLATE_NOOP("WBusV", "Entscheidungsknoten"),
    QT_TRANSLATE_NOOP("WBusV", "Vorfördern"),
    QT_TRANSLATE_NOOP("WBusV", "Vorglühen"),
    QT_TRANSLATE_NOOP("WBusV", "Vorglühen Leistungsregelung"),
    QT_TRANSLATE_NOOP("WBusV", "Verzögerung vor Abregeln"),
    QT_TRANSLATE_NOOP("WBusV", "Zähgebläseanlauf"),
    QT_TRANSLATE_NOOP("WBusV", "Zuglühen"),
    QT_TRANSLATE_NOOP("WBusV", "Zündpause"),
    QT_TRANSLATE_NOOP("WBusV", "Zündung"),
    QT_TRANSLATE_NOOP("WBusV", "Zwischenglühen"),
    QT_TRANSLATE_NOOP("WBusV", "Applikationsüberwachung"),
    QT_TRANSLATE_NOOP("WBusV", "Heizgeräteverriegelungsabspeicherung"),
    QT_TRANSLATE_NOOP("WBusV", "Heizgeräteentriegelung"),
    QT_TRANSLATE_NOOP("WBusV", "Heizleistungsregelung"),
    QT_TRANSLATE_NOOP("WBusV", "Umwälzpumpenregelung"),
    QT_TRANSLATE_NOOP("WBusV", "Initialisierung µP"),
    QT_TRANSLATE_NOOP("WBusV", "Fremdlichtabfrage"),
    QT_TRANSLATE_NOOP("WBusV", "Vorlauf"),
    QT_TRANSLATE_NOOP("WBusV", "Vorzündung"),
    QT_TRANSLATE_NOOP("WBusV", "Flammzündung"),
    QT_TRANSLATE_NOOP("WBusV", "Flammstabilisierung"),
    QT_TRANSLATE_NOOP("WBusV", "Brennbetrieb Standheizen"),
    QT_TRANSLATE_NOOP("WBusV", "Brennbetrieb Zuheizen"),
    QT_TRANSLATE_NOOP("WBusV", "Brennstörung Standheizen"),
    QT_TRANSLATE_NOOP("WBusV", "Brennstörung Zuheizen"),
    QT_TRANSLATE_NOOP("WBusV", "Aus Nachlauf"),
    QT_TRANSLATE_NOOP("WBusV", "Regelpause Nachlauf"),
    QT_TRANSLATE_NOOP("WBusV", "Störnachlauf"),
    QT_TRANSLATE_NOOP("WBusV", "Zeitlicher Störnachlauf"),
    QT_TRANSLATE_NOOP("WBusV", "Störverriegelung Umwälzpumpe"),
    QT_TRANSLATE_NOOP("WBusV", "Regelpause Standheizen"),
    QT_TRANSLATE_NOOP("WBusV", "Regelpause Zuheizen"),
    QT_TRANSLATE_NOOP("WBusV", "Regelpause Zuheizen mit Umwälzpumpe"),
    QT_TRANSLATE_NOOP("WBusV", "Umwälzpumpe ohne Heizfunktion"),
    QT_TRANSLATE_NOOP("WBusV", "Warteschleife Überspannung"),
    QT_TRANSLATE_NOOP("WBusV", "Fehlerspeicher aktualisieren"),
    QT_TRANSLATE_NOOP("WBusV", "Warteschleife"),
    QT_TRANSLATE_NOOP("WBusV", "Komponententest"),
    QT_TRANSLATE_NOOP("WBusV", "Boostbetrieb"),
    QT_TRANSLATE_NOOP("WBusV", "Abkühlen"),
    QT_TRANSLATE_NOOP("WBusV", "Heizgeräteverriegelung permanent"),
    QT_TRANSLATE_NOOP("WBusV", "Gebläseunterbrechung"),
    QT_TRANSLATE_NOOP("WBusV", "Brennermotor losreissen"),
    QT_TRANSLATE_NOOP("WBusV", "Temperaturabfrage"),
    QT_TRANSLATE_NOOP("WBusV", "Vorlauf Unterspannung"),
    QT_TRANSLATE_NOOP("WBusV", "Unfallabfrage"),
    QT_TRANSLATE_NOOP("WBusV", "Störnachlauf Magnetventil"),
    QT_TRANSLATE_NOOP("WBusV", "Fehlerspeicher aktualisieren Magnetventil"),
    QT_TRANSLATE_NOOP("WBusV", "Zeitlicher Störnachlauf Magnetventil"),
    QT_TRANSLATE_NOOP("WBusV", "Startversuch"),
    QT_TRANSLATE_NOOP("WBusV", "Vorlaufverlängerung"),
    QT_TRANSLATE_NOOP("WBusV", "Brennbetrieb"),
    QT_TRANSLATE_NOOP("WBusV", "zeitlicher Störnachlauf bei Unterspannung"),
    QT_TRANSLATE_NOOP("WBusV", "Fehlerspeicher aktualisieren beim Ausschalten"),
    QT_TRANSLATE_NOOP("WBusV", "Rampe Vollast"),
};
constexpr int kStateNameCount = sizeof kStateNames / sizeof kStateNames[0];
static_assert(kStateNameCount == 99, "state names 0..98");
const char* const kState255 = QT_TRANSLATE_NOOP("WBusV", "zeitlicher Störnachlauf Unterspannung");

const char* stateName(int high) {
    if (high >= 0 && high < kStateNameCount) return kStateNames[high];
    if (high == 255) return kState255;
    return nullptr;
}

}  // namespace

void WBusDialectV::WBUS_ErrorCodeTextV(uint8_t deviceClass, uint8_t code, ByteString& text) {
    text = WBUS_ErrorCodeTextV(deviceClass, code);
}

ByteString WBusDialectV::WBUS_ErrorCodeTextV(uint8_t deviceClass, uint8_t code) {
    if (deviceClass == 1) {
        if (code == 0) return ByteString();
        for (const CodeText& e : kErrorTexts)
            if (e.code == code) return TOOL_Translate("WBusV", e.text);
    }
    return TR("WBusV", "unbekannt") + " " + BUS_Hex2(code) + "h";
}

void WBusDialectV::WBUS_StateTextV(uint8_t deviceClass, int32_t stateWord, ByteString& text) {
    text = WBUS_StateTextV(deviceClass, stateWord);
}

ByteString WBusDialectV::WBUS_StateTextV(uint8_t deviceClass, int32_t stateWord) {
    if (deviceClass != 1) return ByteString();
    const bool isWord = stateWord >= 0 && stateWord <= 0xFFFF;
    return WBusRowGroups::stateText("WBusV", isWord ? stateName(stateWord >> 8) : nullptr,
                                    stateWord);
}

void WBusDialectV::WBUS_RoutineResultText(uint8_t code, ByteString& text) {
    text = WBUS_RoutineResultText(code);
}

ByteString WBusDialectV::WBUS_RoutineResultText(uint8_t code) {
    switch (code) {
        case 0x21:
            return TR("WBusV", "Routine gestartet");
        case 0x31:
            return TR("WBusV", "Wertebereich ungültig");
        default:
            return ByteString();
    }
}
