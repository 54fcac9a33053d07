// Texts of the class-2 control unit: error codes, operating states, flame-monitor states.
#include "klinelayer.h"
#include "translate.h"

namespace {

struct CodeText {
    int32_t code;
    const char* text;
};

const CodeText kErrorTexts[] = {
    {0x0100, QT_TRANSLATE_NOOP("KLine", "Steuergerätefehler")},
    {0x0101, QT_TRANSLATE_NOOP("KLine", "Heizgeräteverriegelung - Entriegelung nötig")},
    {0x0200, QT_TRANSLATE_NOOP("KLine", "keine EOL-Programmierung")},
    {0x0300, QT_TRANSLATE_NOOP("KLine", "Kein Start in Sicherheitszeit")},
    {0x0400, QT_TRANSLATE_NOOP("KLine", "Flammabbruch")},
    {0x0500, QT_TRANSLATE_NOOP("KLine", "Unterspannung")},
    {0x0501, QT_TRANSLATE_NOOP("KLine", "Überspannung")},
    {0x0600, QT_TRANSLATE_NOOP("KLine", "Flammwächter Kurzschluss Kl.31")},
    {0x0601, QT_TRANSLATE_NOOP("KLine", "Flammwächter Unterbrechung o. Kurzschluss Kl. 30")},
    {0x0700, QT_TRANSLATE_NOOP("KLine", "Überhitzung (Unterbrechung Magnetventil)")},
    {0x0800, QT_TRANSLATE_NOOP("KLine", "Temperatursensor Kurzschluss Kl. 31")},
    {0x0801, QT_TRANSLATE_NOOP("KLine", "Temperatursensor Unterbrechung o. Kurzschluss Kl. 30")},
    {0x0900, QT_TRANSLATE_NOOP("KLine", "Fremdlicht")},
    {0x0A00, QT_TRANSLATE_NOOP("KLine", "Magnetventil Kurzschluss Kl. 31")},
    {0x0A01, QT_TRANSLATE_NOOP("KLine", "Magnetventil Unterbrechung o. Kurzschluss Kl. 30")},
    {0x0B00, QT_TRANSLATE_NOOP("KLine", "Motor Kurzschluss Kl. 31")},
    {0x0B01, QT_TRANSLATE_NOOP("KLine", "Motor Unterbrechung o. Kurzschluss Kl. 30")},
    {0x0C00, QT_TRANSLATE_NOOP("KLine", "Zündfunkengeber Kurzschluss Kl. 31")},
    {0x0C01, QT_TRANSLATE_NOOP("KLine", "Zündfunkengeber Unterbrechung o. Kurzschluss Kl. 30")},
    {0x0D00, QT_TRANSLATE_NOOP("KLine", "Umwälzpumpe Kurzschluss Kl. 31")},
    {0x0D01, QT_TRANSLATE_NOOP("KLine", "Umwälzpumpe Unterbrechung o. Kurzschluss Kl. 30")},
};

// Operating states 0..49.
const char* const kStates[] = {
    QT_TRANSLATE_NOOP("KLine", "Auszustand"),                            // 0
    QT_TRANSLATE_NOOP("KLine", "Initialisierung"),                       // 1
    QT_TRANSLATE_NOOP("KLine", "Initialisierung"),                       // 2
    QT_TRANSLATE_NOOP("KLine", "Initialisierung"),                       // 3
    QT_TRANSLATE_NOOP("KLine", "Vorlauf"),                               // 4
    QT_TRANSLATE_NOOP("KLine", "Vorlauf"),                               // 5
    QT_TRANSLATE_NOOP("KLine", "Vorlauf"),                               // 6
    QT_TRANSLATE_NOOP("KLine", "Vorlaufverlängerung"),                   // 7
    QT_TRANSLATE_NOOP("KLine", "Vorlaufverlängerung"),                   // 8
    QT_TRANSLATE_NOOP("KLine", "Fremdlichtabfrage"),                     // 9
    QT_TRANSLATE_NOOP("KLine", "Fremdlichtabfrage"),                     // 10
    QT_TRANSLATE_NOOP("KLine", "Vorzündung"),                            // 11
    QT_TRANSLATE_NOOP("KLine", "Vorzündung"),                            // 12
    QT_TRANSLATE_NOOP("KLine", "Startversuch"),                          // 13
    QT_TRANSLATE_NOOP("KLine", "Startversuch"),                          // 14
    QT_TRANSLATE_NOOP("KLine", "Brennbetrieb Standheizen"),              // 15
    QT_TRANSLATE_NOOP("KLine", "Brennbetrieb Zuheizen"),                 // 16
    QT_TRANSLATE_NOOP("KLine", "Brennbetrieb Standheizen"),              // 17
    QT_TRANSLATE_NOOP("KLine", "Brennstörung Zuheizen"),                 // 18
    QT_TRANSLATE_NOOP("KLine", "Brennstörung Zuheizen"),                 // 19
    QT_TRANSLATE_NOOP("KLine", "Brennstörung Standheizen"),              // 20
    QT_TRANSLATE_NOOP("KLine", "Brennstörung Standheizen"),              // 21
    QT_TRANSLATE_NOOP("KLine", "Warteschleife Überspannung"),            // 22
    QT_TRANSLATE_NOOP("KLine", "Störnachlauf"),                          // 23
    QT_TRANSLATE_NOOP("KLine", "Fehlerspeicher aktualisieren"),          // 24
    QT_TRANSLATE_NOOP("KLine", "Störnachlauf 1"),                        // 25
    QT_TRANSLATE_NOOP("KLine", "Störnachlauf 1"),                        // 26
    QT_TRANSLATE_NOOP("KLine", "Störnachlauf 2"),                        // 27
    QT_TRANSLATE_NOOP("KLine", "Störnachlauf 2"),                        // 28
    QT_TRANSLATE_NOOP("KLine", "Störverriegelung"),                      // 29
    QT_TRANSLATE_NOOP("KLine", "Störverriegelung"),                      // 30
    QT_TRANSLATE_NOOP("KLine", "Umwälzpumpe ohne Heizfunktion"),         // 31
    QT_TRANSLATE_NOOP("KLine", "Warteschleife"),                         // 32
    QT_TRANSLATE_NOOP("KLine", "Regelpause Standheizen"),                // 33
    QT_TRANSLATE_NOOP("KLine", "Regelpause Zuheizen ohne Umwälzpumpe"),  // 34
    QT_TRANSLATE_NOOP("KLine", "Regelpause Zuheizen mit Umwälzpumpe"),   // 35
    QT_TRANSLATE_NOOP("KLine", "Störverriegelung Umwälzpumpe"),          // 36
    QT_TRANSLATE_NOOP("KLine", "Störverriegelung UP2"),                  // 37
    QT_TRANSLATE_NOOP("KLine", "Aus-Nachlauf"),                          // 38
    QT_TRANSLATE_NOOP("KLine", "Aus-Nachlauf 1"),                        // 39
    QT_TRANSLATE_NOOP("KLine", "Aus-Nachlauf 2"),                        // 40
    QT_TRANSLATE_NOOP("KLine", "Fehlerspeicher aktualisieren 2"),        // 41
    QT_TRANSLATE_NOOP("KLine", "Regelpause-Nachlauf"),                   // 42
    QT_TRANSLATE_NOOP("KLine", "Regelpause-Nachlauf 1"),                 // 43
    QT_TRANSLATE_NOOP("KLine", "Regelpause-Nachlauf 1"),                 // 44
    QT_TRANSLATE_NOOP("KLine", "Regelpause-Nachlauf 2"),                 // 45
    QT_TRANSLATE_NOOP("KLine", "Verlängerung Unterspannung"),            // 46
    QT_TRANSLATE_NOOP("KLine", "Verlängerung Unterspannung"),            // 47
    QT_TRANSLATE_NOOP("KLine", "Komponententest"),                       // 48
    QT_TRANSLATE_NOOP("KLine", "Komponententest"),                       // 49
};
static_assert(sizeof kStates / sizeof kStates[0] == 50, "states 0..49");

const char* const kFlameStates[] = {
    QT_TRANSLATE_NOOP("KLine", "Kurzschluss"),
    QT_TRANSLATE_NOOP("KLine", "hell"),
    QT_TRANSLATE_NOOP("KLine", "hell (Hysterese)"),
    QT_TRANSLATE_NOOP("KLine", "dunkel (Hysterese)"),
    QT_TRANSLATE_NOOP("KLine", "dunkel"),
    QT_TRANSLATE_NOOP("KLine", "Unterbrechung"),
};

ByteString hexState(uint8_t state) {
    return BUS_Hex2(state) + "h";
}

}  // namespace

void KLineLayer::KLINE_ErrorCodeText(uint8_t deviceClass, int32_t codeWord, ByteString& text) {
    text = KLINE_ErrorCodeText(deviceClass, codeWord);
}

ByteString KLineLayer::KLINE_ErrorCodeText(uint8_t deviceClass, int32_t codeWord) {
    if (deviceClass == 2) {
        if (codeWord == 0) return ByteString();
        for (const CodeText& e : kErrorTexts)
            if (e.code == codeWord) return TOOL_Translate("KLine", e.text);
    }
    return TR("KLine", "unbekannt") + " " +
           BUS_Format("%.2d/%.2d", (codeWord >> 8) & 0xFF, codeWord & 0xFF);
}

void KLineLayer::KLINE_StateText(uint8_t deviceClass, uint8_t state, ByteString& text) {
    text = KLINE_StateText(deviceClass, state);
}

ByteString KLineLayer::KLINE_StateText(uint8_t deviceClass, uint8_t state) {
    if (deviceClass == 2 && state < sizeof kStates / sizeof kStates[0])
        return TOOL_Translate("KLine", kStates[state]);
    return hexState(state);
}

void KLineLayer::KLINE_FlameStateText(uint8_t deviceClass, uint8_t state, ByteString& text) {
    text = KLINE_FlameStateText(deviceClass, state);
}

ByteString KLineLayer::KLINE_FlameStateText(uint8_t deviceClass, uint8_t state) {
    if (deviceClass == 2 && state < sizeof kFlameStates / sizeof kFlameStates[0])
        return TOOL_Translate("KLine", kFlameStates[state]);
    return hexState(state);
}
