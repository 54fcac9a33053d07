#include <gtest/gtest.h>

#include "decodecases.h"
#include "klinelayer.h"
#include "translate.h"

namespace {

struct KLineDecode : ::testing::Test {
    BusBench b;
    KLineLayer k{b.env};

    TResult decode(uint8_t service, uint8_t identifier, const ByteString& data) {
        TResult r;
        k.KLINE_ReadAndDecode(adapterReply(klineAnswer(data)), service, identifier, r);
        return r;
    }
};

TEST_F(KLineDecode, EveryRowByteForByte) {
    for (const KLineCase& c : klineCases()) {
        BusBench bench;
        bench.registerAll(klineKeys());
        KLineLayer layer(bench.env);
        TResult r;
        layer.KLINE_ReadAndDecode(adapterReply(klineAnswer(c.data)), c.service, c.identifier, r);
        EXPECT_EQ(r.Invalid, 0) << c.name;
        expectPoints(bench, c.points, c.name);
        size_t valid = 0;
        for (const TWerteDaten& e : bench.points.DataPoints()) valid += e.Value.Invalid == 0;
        EXPECT_EQ(valid, c.points.size()) << c.name;
    }
}

TEST_F(KLineDecode, Checks) {
    b.registerAll(klineKeys());
    const uint64_t before = b.points.changeCounter();
    TResult r = decode(0x21, 4, H("7F 21 12 00 00 00 00"));  // negative answer
    EXPECT_EQ(r.Invalid, 1);
    EXPECT_EQ(r.Value, 11);
    EXPECT_EQ(hexOf(r.Text), "7F 21 12 00 00 00 00 ");
    r = decode(0x21, 4, H("61 03 41 42 43 00 00"));  // other identifier
    EXPECT_EQ(r.Value, 13);
    EXPECT_EQ(hexOf(r.Text), "61 03 41 42 43 00 00 ");
    r = decode(0x22, 0x1E, H("62 1D 06 08 00 64 00"));
    EXPECT_EQ(r.Value, 13);
    r = decode(0x21, 4, H("62 1D 06 08 00 64 00"));  // another service's answer
    EXPECT_EQ(r.Value, 13);
    EXPECT_EQ(hexOf(r.Text), "62 1D 06 08 00 64 00 ");
    r = decode(0x21, 4, H("7F 22 12 00 00 00 00"));  // another service's refusal
    EXPECT_EQ(r.Value, 13);
    EXPECT_EQ(b.points.changeCounter(), before);
    EXPECT_TRUE(b.log.lines.size() == 5);  // five RX lines, no error line
    // any identifier
    r = decode(0x21, 0xFF, H("61 04 41 42 43 00 00"));
    EXPECT_EQ(r.Invalid, 0);
}

TEST_F(KLineDecode, NameReplacesTheResultText) {
    b.registerKeys({"CFGNAME"});
    const TResult r = decode(0x21, 4, H("61 04 41 42 43 FF FF"));
    EXPECT_EQ(r.Invalid, 0);
    EXPECT_EQ(r.Value, 0);
    EXPECT_EQ(r.Text, "ABC");
    EXPECT_EQ(b.value("CFGNAME").Text, "ABC");
    // other answers keep D1..D7
    EXPECT_EQ(hexOf(decode(0x21, 3, H("61 03 07 12 05 2A 0C")).Text), "61 03 07 12 05 2A 0C ");
}

TEST_F(KLineDecode, NameBytesAreLatin1) {
    b.registerKeys({"CFGNAME"});
    EXPECT_EQ(decode(0x21, 4, H("61 04 C4 D6 DC FF FF")).Text, "ÄÖÜ");
}

TEST_F(KLineDecode, StateIsReportedFirst) {
    b.registerKeys({"OVRZUSTAND"});
    decode(0x22, 0x1D, H("62 1D 06 08 00 64 00"));
    EXPECT_EQ(b.states, std::vector<int32_t>{8});
    decode(0x22, 0x1D, H("62 1D 06 32 00 64 00"));
    EXPECT_EQ(b.value("OVRZUSTAND").Text, "32h");
}

TEST_F(KLineDecode, MissingErrorEntriesWriteNothing) {
    b.registerAll(klineKeys());
    const uint64_t before = b.points.changeCounter();
    EXPECT_EQ(decode(0xA1, 0xFF, H("E1 FF 01 00 00 05 00")).Invalid, 0);
    EXPECT_EQ(decode(0xA1, 0xFF, H("E1 08 01 00 00 05 00")).Invalid, 0);
    EXPECT_EQ(b.points.changeCounter(), before);
}

TEST_F(KLineDecode, TemperaturesFollowTheUnit) {
    b.registerAll(klineKeys());
    const struct {
        uint8_t unit;
        const char *hot, *cold, *warm;
    } cases[] = {{TEMP_CELSIUS, "100", "20", "30"}, {TEMP_FAHRENHEIT, "212", "68", "86"}};
    for (const auto& c : cases) {
        b.unit = c.unit;
        decode(0x22, 0x1D, H("62 1D 06 08 00 64 00"));
        EXPECT_EQ(b.value("OVRTEMP").Text, c.hot);
        decode(0x22, 0x1D, H("62 1D 08 14 00 1E 00"));
        EXPECT_EQ(b.value("OVRTEMPUNT").Text, c.cold);
        EXPECT_EQ(b.value("OVRTEMPOBE").Text, c.warm);
    }
    b.unit = TEMP_FAHRENHEIT;
    decode(0x22, 0x1D, H("62 1D 06 08 00 64 00"));
    EXPECT_EQ(b.value("OVRTEMP").Value, 212);
}

TEST_F(KLineDecode, KeyBytesAreOneValueRecord) {
    b.registerKeys({"CFGKEYBYTE"});
    decode(0x81, 0xFF, H("C1 8F E9 FF FF FF FF"));
    TResult expected = TResult::ofValue(0xE98F);
    EXPECT_EQ(b.value("CFGKEYBYTE"), expected);
}

// ---- texts ---------------------------------------------------------------------------------

TEST(KLineTexts, States) {
    const struct {
        int from, to;
        const char* text;
    } table[] = {
        {0, 0, "Auszustand"},
        {1, 3, "Initialisierung"},
        {4, 6, "Vorlauf"},
        {7, 8, "Vorlaufverlängerung"},
        {9, 10, "Fremdlichtabfrage"},
        {11, 12, "Vorzündung"},
        {13, 14, "Startversuch"},
        {15, 15, "Brennbetrieb Standheizen"},
        {16, 16, "Brennbetrieb Zuheizen"},
        {17, 17, "Brennbetrieb Standheizen"},
        {18, 19, "Brennstörung Zuheizen"},
        {20, 21, "Brennstörung Standheizen"},
        {22, 22, "Warteschleife Überspannung"},
        {23, 23, "Störnachlauf"},
        {24, 24, "Fehlerspeicher aktualisieren"},
        {25, 26, "Störnachlauf 1"},
        {27, 28, "Störnachlauf 2"},
        {29, 30, "Störverriegelung"},
        {31, 31, "Umwälzpumpe ohne Heizfunktion"},
        {32, 32, "Warteschleife"},
        {33, 33, "Regelpause Standheizen"},
        {34, 34, "Regelpause Zuheizen ohne Umwälzpumpe"},
        {35, 35, "Regelpause Zuheizen mit Umwälzpumpe"},
        {36, 36, "Störverriegelung Umwälzpumpe"},
        {37, 37, "Störverriegelung UP2"},
        {38, 38, "Aus-Nachlauf"},
        {39, 39, "Aus-Nachlauf 1"},
        {40, 40, "Aus-Nachlauf 2"},
        {41, 41, "Fehlerspeicher aktualisieren 2"},
        {42, 42, "Regelpause-Nachlauf"},
        {43, 44, "Regelpause-Nachlauf 1"},
        {45, 45, "Regelpause-Nachlauf 2"},
        {46, 47, "Verlängerung Unterspannung"},
        {48, 49, "Komponententest"},
    };
    for (const auto& row : table)
        for (int s = row.from; s <= row.to; ++s)
            EXPECT_EQ(KLineLayer::KLINE_StateText(2, static_cast<uint8_t>(s)), row.text) << s;
    EXPECT_EQ(KLineLayer::KLINE_StateText(2, 50), "32h");
    EXPECT_EQ(KLineLayer::KLINE_StateText(2, 0xAB), "ABh");
    EXPECT_EQ(KLineLayer::KLINE_StateText(1, 8), "08h");
    ByteString t;
    KLineLayer::KLINE_StateText(2, 8, t);
    EXPECT_EQ(t, "Vorlaufverlängerung");
}

TEST(KLineTexts, FlameStates) {
    const char* names[] = {"Kurzschluss",        "hell",   "hell (Hysterese)",
                           "dunkel (Hysterese)", "dunkel", "Unterbrechung"};
    for (uint8_t s = 0; s < 6; ++s) EXPECT_EQ(KLineLayer::KLINE_FlameStateText(2, s), names[s]);
    EXPECT_EQ(KLineLayer::KLINE_FlameStateText(2, 6), "06h");
    EXPECT_EQ(KLineLayer::KLINE_FlameStateText(2, 0xFF), "FFh");
    EXPECT_EQ(KLineLayer::KLINE_FlameStateText(3, 1), "01h");
}

TEST(KLineTexts, ErrorCodes) {
    const struct {
        int32_t code;
        const char* text;
    } cases[] = {
        {0x0000, ""},
        {0x0100, "Steuergerätefehler"},
        {0x0101, "Heizgeräteverriegelung - Entriegelung nötig"},
        {0x0200, "keine EOL-Programmierung"},
        {0x0300, "Kein Start in Sicherheitszeit"},
        {0x0400, "Flammabbruch"},
        {0x0500, "Unterspannung"},
        {0x0501, "Überspannung"},
        {0x0600, "Flammwächter Kurzschluss Kl.31"},
        {0x0601, "Flammwächter Unterbrechung o. Kurzschluss Kl. 30"},
        {0x0700, "Überhitzung (Unterbrechung Magnetventil)"},
        {0x0800, "Temperatursensor Kurzschluss Kl. 31"},
        {0x0801, "Temperatursensor Unterbrechung o. Kurzschluss Kl. 30"},
        {0x0900, "Fremdlicht"},
        {0x0A00, "Magnetventil Kurzschluss Kl. 31"},
        {0x0A01, "Magnetventil Unterbrechung o. Kurzschluss Kl. 30"},
        {0x0B00, "Motor Kurzschluss Kl. 31"},
        {0x0B01, "Motor Unterbrechung o. Kurzschluss Kl. 30"},
        {0x0C00, "Zündfunkengeber Kurzschluss Kl. 31"},
        {0x0C01, "Zündfunkengeber Unterbrechung o. Kurzschluss Kl. 30"},
        {0x0D00, "Umwälzpumpe Kurzschluss Kl. 31"},
        {0x0D01, "Umwälzpumpe Unterbrechung o. Kurzschluss Kl. 30"},
        {0x0E05, "unbekannt 14/05"},
        {0x0102, "unbekannt 01/02"},
        {0xFFFF, "unbekannt 255/255"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KLineLayer::KLINE_ErrorCodeText(2, c.code), c.text) << c.code;
    EXPECT_EQ(KLineLayer::KLINE_ErrorCodeText(1, 0x0100), "unbekannt 01/00");
    EXPECT_EQ(KLineLayer::KLINE_ErrorCodeText(1, 0), "unbekannt 00/00");
}

TEST(KLineTexts, GoThroughTheTranslateHook) {
    TOOL_SetTranslateHook(
        [](const char* context, const char* text) { return ByteString(context) + ":" + text; });
    EXPECT_EQ(KLineLayer::KLINE_StateText(2, 0), "KLine:Auszustand");
    EXPECT_EQ(KLineLayer::KLINE_ErrorCodeText(2, 0x0E05), "KLine:unbekannt 14/05");
    TOOL_SetTranslateHook({});
}

}  // namespace
