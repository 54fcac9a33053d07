#include <gtest/gtest.h>

#include <cstdio>

#include "translate.h"
#include "wbusdialectv.h"

namespace {

TEST(WBusTextsV, ErrorCodes) {
    const struct {
        uint8_t code;
        const char* text;
    } cases[] = {
        {0, ""},
        {1, "keine EOL-Programmierung"},
        {2, "Kein Start in Sicherheitszeit"},
        {3, "Flammabbruch"},
        {4, "Überspannung"},
        {5, "Fremdlicht"},
        {6, "Unterbrechung Magnetventil (Überhitzung)"},
        {9, "Motor Kurzschluss Kl. 31"},
        {11, "Umwälzpumpe Kurzschluss Kl. 31"},
        {16, "Magnetventil Kurzschluss Kl. 31"},
        {20, "Temperatursensor Kurzschluss Kl. 31"},
        {25, "Zündfunkengeber Kurzschluss Kl. 31"},
        {26, "Flammwächter Kurzschluss Kl. 31"},
        {32, "Betriebsanzeige Kurzschluss Kl. 31"},
        {33, "Flammanzeige Kurzschluss Kl. 31"},
        {129, "Steuergerätefehler"},
        {130, "Kein Start in Sicherheitszeit"},
        {131, "Flammabbruch"},
        {132, "Unterspannung"},
        {133, "Fremdlicht"},
        {137, "Motor Unterbrechung o. Kurzschluss Kl. 30"},
        {139, "Umwälzpumpe Unterbrechung o. Kurzschluss Kl. 30"},
        {144, "Magnetventil Unterbrechung o. Kurzschluss Kl. 30"},
        {148, "Temperatursensor Unterbrechung o. Kurzschluss Kl. 30"},
        {153, "Zündfunkengeber Unterbrechung o. Kurzschluss Kl. 30"},
        {154, "Flammwächter Unterbrechung o. Kurzschluss Kl. 30"},
        {0x1F, "unbekannt 1Fh"},
        {7, "unbekannt 07h"},
        {0xFF, "unbekannt FFh"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WBusDialectV::WBUS_ErrorCodeTextV(1, c.code), c.text) << int(c.code);
        ByteString t;
        WBusDialectV::WBUS_ErrorCodeTextV(1, c.code, t);
        EXPECT_EQ(t, c.text);
    }
    // another device class has no table
    EXPECT_EQ(WBusDialectV::WBUS_ErrorCodeTextV(3, 1), "unbekannt 01h");
    EXPECT_EQ(WBusDialectV::WBUS_ErrorCodeTextV(3, 0), "unbekannt 00h");
}

TEST(WBusTextsV, States) {
    const struct {
        int32_t word;
        const char* text;
    } cases[] = {
        {0x0000, "Ausbrennen"},
        {0x0001, "Ausbrennen 1"},
        {0x2402, "Start 2"},
        {0x2403, "Start 3"},
        {0x2400, "Start"},
        {0x04FF, "Auszustand 255"},
        {0x3B00, "Initialisierung µP"},
        {0x6200, "Rampe Vollast"},
        {0x6300, "6300h"},
        {0x6305, "6305h"},
        {0xFE00, "FE00h"},
        {0xFF00, "zeitlicher Störnachlauf Unterspannung"},
        {0xFF07, "zeitlicher Störnachlauf Unterspannung 7"},
        {0x1B00, "Lastwechsel Teil- / Volllast"},
        {0x5F00, "Brennbetrieb"},
        {-1, "FFFFFFFFh"},
        {0x12345, "12345h"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WBusDialectV::WBUS_StateTextV(1, c.word), c.text) << c.word;
    EXPECT_EQ(WBusDialectV::WBUS_StateTextV(3, 0x2403), "");
    EXPECT_EQ(WBusDialectV::WBUS_StateTextV(0, 0x2403), "");
    // every high byte 0..98 has a name
    for (int high = 0; high <= 98; ++high) {
        const ByteString t = WBusDialectV::WBUS_StateTextV(1, high << 8);
        char hex[8];
        std::snprintf(hex, sizeof hex, "%.2X00h", high);
        EXPECT_FALSE(t.empty()) << high;
        EXPECT_NE(t, hex) << high;
    }
}

TEST(WBusTextsV, RoutineResults) {
    EXPECT_EQ(WBusDialectV::WBUS_RoutineResultText(0x21), "Routine gestartet");
    EXPECT_EQ(WBusDialectV::WBUS_RoutineResultText(0x31), "Wertebereich ungültig");
    EXPECT_EQ(WBusDialectV::WBUS_RoutineResultText(0x22), "");
    EXPECT_EQ(WBusDialectV::WBUS_RoutineResultText(0), "");
}

TEST(WBusTextsV, TextsGoThroughTheTranslateHook) {
    TOOL_SetTranslateHook(
        [](const char* context, const char* text) { return ByteString(context) + ":" + text; });
    EXPECT_EQ(WBusDialectV::WBUS_StateTextV(1, 0x2403), "WBusV:Start 3");
    EXPECT_EQ(WBusDialectV::WBUS_ErrorCodeTextV(1, 3), "WBusV:Flammabbruch");
    EXPECT_EQ(WBusDialectV::WBUS_ErrorCodeTextV(1, 0x1F), "WBusV:unbekannt 1Fh");
    EXPECT_EQ(BUS_FrameErrorText(6), "Bus:Fehler: Checksumme");
    TOOL_SetTranslateHook({});
    EXPECT_EQ(BUS_FrameErrorText(6), "Fehler: Checksumme");
}

TEST(BusTexts, FrameErrorTexts) {
    const char* texts[] = {"Fehler: Daten",      "Fehler: Senden",  "Fehler: TimeOut",
                           "Fehler: Init",       "Fehler: Länge",   "Fehler: Länge",
                           "Fehler: Checksumme", "Fehler: Adresse", "Fehler: Länge"};
    for (int code = 0; code <= 8; ++code) EXPECT_EQ(BUS_FrameErrorText(code), texts[code]) << code;
    for (int code : {-100, -1, 9, 10, 13, 20}) EXPECT_EQ(BUS_FrameErrorText(code), "") << code;
}

TEST(BusTexts, Latin1BecomesUtf8) {
    EXPECT_EQ(BUS_Latin1ToUtf8("KX3090"), "KX3090");
    EXPECT_EQ(BUS_Latin1ToUtf8(ByteString("M\xFCller \xB5P")), "Müller µP");
    EXPECT_EQ(BUS_Latin1ToUtf8(ByteString("\xFF")), "ÿ");
}

}  // namespace
