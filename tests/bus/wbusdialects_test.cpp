#include "wbusdialects.h"

#include <gtest/gtest.h>

#include "decodecases.h"
#include "unittexts.h"

namespace {

struct DialectS : ::testing::Test {
    BusBench b;
    WBusLayer w{b.env};
    WBusDialectS s{w};

    static ByteString answer(uint8_t command, const ByteString& d) {
        return adapterReply(wbusAnswer(ByteString(1, static_cast<char>(command | 0x80)) + d));
    }
    TResult decode(uint8_t command, uint8_t sub, const ByteString& d, uint8_t minimum = 0) {
        TResult r;
        s.WBUS_ReadAndDecodeS(answer(command, d), minimum, command, sub, r);
        return r;
    }
    TResult decodeRaw(const ByteString& payload, uint8_t command, uint8_t sub,
                      uint8_t minimum = 0) {
        TResult r;
        s.WBUS_ReadAndDecodeS(adapterReply(wbusAnswer(payload)), minimum, command, sub, r);
        return r;
    }
    void askEntry(uint8_t entry) {
        TParamlist p = params({2});
        p[2].Text = ByteString(1, static_cast<char>(entry));
        ByteString payload;
        s.WBUS_BuildRequestS(0x56, 2, p, payload);
    }
};

// ---- requests ------------------------------------------------------------------------------

TEST_F(DialectS, RequestsByteForByte) {
    TParamlist entry = params({2});
    entry[2].Text = H("03");
    TParamlist eolWrite = params({4, 0x0120, 2});
    eolWrite[4].Text = H("11 22 33");
    TParamlist block = params({19, 0x0001E080, 127});
    block[4].Text = H("AA BB");
    TParamlist other = params({35, 0x12345678, 1});
    other[4].Text = H("01");
    const struct {
        uint8_t command, count;
        TParamlist p;
        const char* payload;
    } cases[] = {
        // as in dialect V
        {0x10, 0, params({}), "10"},
        {0x20, 1, params({2}), "20 02"},
        {0x21, 1, params({1}), "21 01"},
        {0x22, 1, params({2}), "22 02"},
        {0x23, 1, params({3}), "23 03"},
        {0x27, 2, params({1, 2}), "27 01 02"},
        {0x30, 1, params({0x1234}), "30 12 34"},
        {0x31, 2, params({0x1234, 5}), "31 12 34 05"},
        {0x32, 1, params({0x0102}), "32 01 02"},
        {0x33, 2, params({0x0102, 0xFF}), "33 01 02 FF"},
        {0x34, 2, params({1, 2}), "34 01 02"},
        {0x44, 2, params({0x20, 0}), "44 20 00"},
        {0x45, 3, params({1, 2, 3}), "45 01 02 03"},
        {0x45, 4, params({1, 2, 0x0304}), "45 01 02 03 04"},
        {0x50, 1, params({22}), "50 16"},
        {0x51, 1, params({13}), "51 0D"},
        {0x53, 1, params({2}), "53 02"},
        {0x56, 1, params({1}), "56 01"},
        {0x56, 2, entry, "56 02 03"},
        // dialect S only, or built otherwise
        {0x38, 1, params({1}), "38 01"},
        {0x38, 1, params({2}), "38 02"},
        {0x42, 2, params({1, 3000}), "42 01 00 0B B8"},
        {0x42, 2, params({10, 0}), "42 0A 00"},
        {0x42, 2, params({11, 5}), "42 0B 05"},
        {0x42, 2, params({2, 5}), ""},
        {0x48, 2, params({1, 7}), "48 01 07"},
        {0x48, 2, params({2, 0}), "48 02"},
        {0x48, 3, params({3, 0x0120, 15}), "48 03 01 20 0F"},
        {0x48, 4, eolWrite, "48 04 01 20 02 11 22 33"},
        {0x48, 1, params({9}), "48 09"},
        {0x48, 3, params({17, 0xE000, 0x3FFFF}), "48 11 00 00 E0 00 00 03 FF FF"},
        {0x48, 3, params({18, 0x00012345, 7}), "48 12 00 01 23 45 07"},
        {0x48, 4, block, "48 13 00 01 E0 80 7F AA BB"},
        {0x48, 3, params({20, 0x10000, 0x1DFFF}), "48 14 00 01 00 00 00 01 DF FF"},
        {0x48, 4, other, "48 23 12 34 56 78 01 01"},
        {0x48, 1, params({5}), ""},
        {0x57, 2, params({3, 25}), "57 03 19"},
        {0x57, 2, params({1, 25}), "57 01"},
        {0x60, 1, params({0xA0}), ""},
        {0x99, 1, params({1}), ""},
    };
    for (const auto& c : cases) {
        ByteString payload;
        EXPECT_TRUE(s.WBUS_BuildRequestS(c.command, c.count, c.p, payload));
        EXPECT_EQ(hexOf(payload), hexOf(H(c.payload))) << hexOf(H(c.payload));
        ByteString expected = H("F4");
        expected.push_back(static_cast<char>(H(c.payload).size() + 1));
        expected = xorAppended(expected + H(c.payload));
        EXPECT_EQ(b.lastSent(), hexOf(expected)) << hexOf(H(c.payload));
    }
}

TEST_F(DialectS, ALongBlockIsCutToThePayloadLimit) {
    TParamlist block = params({19, 0xE000, 255});
    block[4].Text = ByteString(300, '\x5A');
    ByteString payload;
    s.WBUS_BuildRequestS(0x48, 4, block, payload);
    ASSERT_EQ(b.transport.frames.size(), 1u);
    EXPECT_EQ(telegramOf(b.transport.frames.back()).size(), 253u + 3u);
}

TEST_F(DialectS, AreaAnswersGoToTheAreaAsked) {
    ByteString payload;
    s.WBUS_BuildRequestS(0x38, 1, params({1}), payload);
    decode(0x38, 255, H("01 00 00 00 7F 00 7E 12 34"), 9);
    s.WBUS_BuildRequestS(0x38, 1, params({2}), payload);
    decode(0x38, 255, H("02 00 80 00 FF 00 FE 00 05"), 9);
    EXPECT_EQ(w.areaMask(1), 2);
    EXPECT_EQ(w.WBUS_GetAreaWordA(1), 0x00);
    EXPECT_EQ(w.WBUS_GetAreaWordB(1), 0x7F);
    EXPECT_EQ(w.WBUS_GetAreaWordC(1), 0x7E);
    EXPECT_EQ(w.areaWordD(1), 0x1234);
    EXPECT_EQ(w.areaMask(2), 4);
    EXPECT_EQ(w.WBUS_GetAreaWordA(2), 0x80);
    EXPECT_EQ(w.WBUS_GetAreaWordB(2), 0xFF);
    EXPECT_EQ(w.WBUS_GetAreaWordC(2), 0xFE);
    EXPECT_EQ(w.areaWordD(2), 5);
    // an area outside the table and a short answer leave the table as it is
    s.WBUS_BuildRequestS(0x38, 1, params({9}), payload);
    EXPECT_EQ(decode(0x38, 255, H("03 00 00 00 01 00 02 00 03"), 9).Invalid, 0);
    s.WBUS_BuildRequestS(0x38, 1, params({1}), payload);
    EXPECT_EQ(decode(0x38, 255, H("01 00 00 00 01 00 02 00"), 7).Invalid, 0);
    EXPECT_EQ(w.WBUS_GetAreaWordC(1), 0x7E);
    EXPECT_EQ(w.WBUS_GetAreaWordC(2), 0xFE);
}

// ---- answers -------------------------------------------------------------------------------

TEST_F(DialectS, EveryRowByteForByte) {
    for (const WBusCase& c : wbusCasesS()) {
        BusBench bench;
        bench.registerAll(wbusKeysS());
        WBusLayer layer(bench.env);
        WBusDialectS dialect(layer);
        ByteString payload;
        TParamlist ask = params({2});
        ask[2].Text = H("01");
        dialect.WBUS_BuildRequestS(0x56, 2, ask, payload);
        layer.setErrorIndex(1);
        TResult r;
        dialect.WBUS_ReadAndDecodeS(answer(c.command, c.d), 0, c.command, c.sub, r);
        EXPECT_EQ(r.Invalid, 0) << c.name;
        expectPoints(bench, c.points, c.name);
        // nothing else was written, none of the dialect-V rows either
        size_t valid = 0;
        for (const TWerteDaten& e : bench.points.DataPoints()) valid += e.Value.Invalid == 0;
        EXPECT_EQ(valid, c.points.size()) << c.name;
    }
}

TEST_F(DialectS, AnswersNotLongerThanTheMinimumAreTooShort) {
    b.registerAll(wbusKeysS());
    for (const WBusCase& c : wbusCasesS()) {
        const uint8_t payloadLength = static_cast<uint8_t>(c.d.size() + 1);
        const uint64_t before = b.points.changeCounter();
        TResult r = decode(c.command, c.sub, c.d, payloadLength);
        EXPECT_EQ(r.Invalid, 1) << c.name;
        EXPECT_EQ(r.Value, BusCode::TooShort) << c.name;
        EXPECT_EQ(hexOf(r.Text), hexOf(ByteString(1, static_cast<char>(c.command | 0x80)) + c.d))
            << c.name;
        EXPECT_EQ(b.points.changeCounter(), before) << c.name;
    }
    // a sub is expected but only the command came
    TResult r = decodeRaw(H("D0"), 0x50, 7);
    EXPECT_EQ(r.Value, BusCode::TooShort);
    // a command without sub: its bare answer is enough for minimum 0
    r = decodeRaw(H("90"), 0x10, 255);
    EXPECT_EQ(r.Invalid, 0);
    EXPECT_EQ(r.Text, "");
}

TEST_F(DialectS, AnswersToAnotherRequestStoreNothingAndCount) {
    b.registerAll(wbusKeysS());
    const struct {
        const char* name;
        const char* payload;
        uint8_t command, sub, minimum;
        int code;
    } cases[] = {
        {"another command", "D1 05 46 30 34 01 01 F4 03 E8", 0x50, 5, 9, BusCode::WrongAnswer},
        {"another page", "D0 07 10 00 00 00 00 00", 0x50, 5, 9, BusCode::WrongAnswer},
        {"another page, shorter", "D0 03 00", 0x50, 5, 9, BusCode::WrongAnswer},
        {"another sub", "D1 0A 21", 0x51, 11, 9, BusCode::WrongAnswer},
        {"refusal of another command", "7F 51 33", 0x50, 5, 9, BusCode::WrongAnswer},
        {"no answer flag", "50 05 46 30 34 01 01 F4 03 E8", 0x50, 5, 9, BusCode::WrongAnswer},
    };
    for (const auto& c : cases) {
        BusBench bench;
        bench.registerAll(wbusKeysS());
        WBusLayer layer(bench.env);
        WBusDialectS dialect(layer);
        TResult r;
        for (int n = 1; n <= 4; ++n) {
            dialect.WBUS_ReadAndDecodeS(adapterReply(wbusAnswer(H(c.payload))), c.minimum,
                                        c.command, c.sub, r);
            EXPECT_EQ(r.Invalid, 1) << c.name;
            // the third in a row reaches the failure limit
            EXPECT_EQ(r.Value, n < 3 ? c.code : BusCode::FailureLimit) << c.name << " " << n;
            EXPECT_EQ(r.Text.empty(), n >= 3) << c.name << " " << n;
        }
        for (const TWerteDaten& e : bench.points.DataPoints())
            EXPECT_EQ(e.Value.Invalid, 1) << c.name << " " << e.Key;
        EXPECT_TRUE(bench.states.empty()) << c.name;
        // an answer to the request awaited restarts the count
        dialect.WBUS_ReadAndDecodeS(answer(0x50, H("05 46 30 34 01 01 F4 03 E8")), 9, 0x50, 5, r);
        EXPECT_EQ(r.Invalid, 0) << c.name;
        EXPECT_EQ(layer.failureCount(), 0) << c.name;
    }
}

TEST_F(DialectS, RefusalsAndShortAnswersKeepTheirCodesAndNeverCount) {
    for (int n = 0; n < 5; ++n) {
        TResult r = decodeRaw(H("7F 50 33"), 0x50, 5, 9);
        EXPECT_EQ(r.Value, BusCode::Rejected);
        EXPECT_EQ(hexOf(r.Text), "7F 50 33 ");
        r = decodeRaw(H("7F"), 0x50, 5, 9);
        EXPECT_EQ(r.Value, BusCode::Rejected);
        r = decodeRaw(H("D0 05 46"), 0x50, 5, 9);
        EXPECT_EQ(r.Value, BusCode::TooShort);
        EXPECT_EQ(hexOf(r.Text), "D0 05 46 ");
    }
    EXPECT_EQ(w.failureCount(), 0);
    // damaged and empty frames count as before
    TResult r;
    s.WBUS_ReadAndDecodeS(adapterReply(H("4F 01 4E")), 0, 0x50, 5, r);
    EXPECT_EQ(r.Value, BusCode::Empty);
    s.WBUS_ReadAndDecodeS(adapterReply(H("4F 03 D0 05 00")), 0, 0x50, 5, r);
    EXPECT_EQ(r.Value, BusCode::Checksum);
    r = decodeRaw(H("D0 07 00"), 0x50, 5);
    EXPECT_EQ(r.Value, BusCode::FailureLimit);
}

TEST_F(DialectS, ErrorEntriesAreTakenOnlyForTheEntryAsked) {
    b.registerAll(wbusKeysS());
    const ByteString entry1 = H("02 09 03 02 10 00 46 30 D4 01 02 1E 05 00 0A");
    const ByteString entry2 = H("02 0E 01 01 01 00 50 2E E0 00 00 00 00 00 00");
    decode(0x56, 1, H("01 02 09 01 0E 03"));
    EXPECT_EQ(w.WBUS_GetErrorIndex(), 1);

    // without an entry request the answer is still held against the list's code of entry 1
    EXPECT_EQ(decode(0x56, 2, entry2).Value, BusCode::WrongAnswer);
    EXPECT_EQ(w.WBUS_GetErrorIndex(), 1);
    askEntry(1);
    EXPECT_EQ(decode(0x56, 2, entry1).Invalid, 0);
    EXPECT_EQ(w.WBUS_GetErrorIndex(), 2);
    EXPECT_EQ(b.value("ERRBEZ1").Text, "Flammabbruch");

    askEntry(2);
    // entry 1's answer once more (a late one) is not entry 2
    TResult r = decode(0x56, 2, entry1);
    EXPECT_EQ(r.Value, BusCode::WrongAnswer);
    EXPECT_EQ(w.WBUS_GetErrorIndex(), 2);
    EXPECT_TRUE(isCleared(b.value("ERRBEZ2")));
    EXPECT_EQ(w.failureCount(), 1);
    r = decode(0x56, 2, entry2);
    EXPECT_EQ(r.Invalid, 0);
    EXPECT_EQ(b.value("ERRBEZ2").Text, "Überhitzungsschutz Kurzschluss Kl. 31");
    EXPECT_EQ(b.value("ERRSTATE2").Text, "Nicht aktuell und gespeichert");
    EXPECT_EQ(w.WBUS_GetErrorIndex(), 3);

    // an entry asked that is not the one the layer is at
    askEntry(5);
    EXPECT_EQ(decode(0x56, 2, entry2).Value, BusCode::WrongAnswer);
    EXPECT_EQ(w.WBUS_GetErrorIndex(), 3);
}

TEST_F(DialectS, StatePageReportsTheStateFirst) {
    b.registerKeys({"OVRZUSTAND"});
    std::vector<ByteString> seen;
    b.env.setOperatingState = [&](int32_t st) {
        seen.push_back(b.value("OVRZUSTAND").Text);
        b.states.push_back(st);
    };
    decode(0x50, 7, H("07 11 00 00 00 01 00"));
    EXPECT_EQ(b.states, std::vector<int32_t>{0x1100});
    EXPECT_EQ(seen, std::vector<ByteString>{""});
    EXPECT_EQ(b.value("OVRZUSTAND").Text, "Zuheizen");
}

TEST_F(DialectS, NameReplacesTheResultText) {
    const TResult r = decode(0x51, 11, H("0B 4B 58 33 31 31 37 20 20"), 9);
    EXPECT_EQ(r.Invalid, 0);
    EXPECT_EQ(r.Text, "KX3117");
}

TEST_F(DialectS, NumbersComeBackInTheResult) {
    const struct {
        uint8_t command, sub;
        const char* d;
        int invalid;
        long double value;
    } cases[] = {
        {0x42, 1, "01 0B B8", 0, 3000},
        {0x42, 1, "01 0B", 1, BusCode::TooShort},
        {0x48, 2, "02 13", 0, 19},
        {0x48, 17, "11 01", 0, 1},
        {0x48, 20, "14 00", 0, 0},
        {0x48, 20, "14", 1, BusCode::TooShort},
        {0x48, 18, "12 00 03 FF 80", 0, 0x3FF80},
        {0x48, 19, "13 FF FF FF FF 00", 0, 4294967295.0L},
        {0x48, 19, "13 00 01 E0", 1, BusCode::TooShort},
        {0x48, 1, "01 00", 0, 0},
        {0x48, 3, "03 01 20 0F 11", 0, 0},
    };
    for (const auto& c : cases) {
        const TResult r = decode(c.command, c.sub, H(c.d));
        EXPECT_EQ(r.Invalid, c.invalid) << c.d;
        EXPECT_EQ(r.Value, c.value) << c.d;
        if (!c.invalid) {
            EXPECT_EQ(hexOf(r.Text), hexOf(H(c.d))) << c.d;
        }
    }
}

TEST_F(DialectS, TemperaturesFollowTheUnit) {
    b.registerAll(wbusKeysS());
    b.unit = TEMP_FAHRENHEIT;
    decode(0x50, 17, H("11 46 3C"));
    EXPECT_EQ(b.value("OVRTEMPOBE").Text, "68.0");
    EXPECT_EQ(b.value("OVRTEMPUNT").Text, "50.0");
    // the nozzle sensor's limit is 250 in the display unit: about 121 °C
    const struct {
        const char* d;
        const char* text;
    } cases[] = {
        {"16 02 BC 05 DC 06 AE 02 EE", "249.8"},  // 121.0 °C
        {"16 02 BC 05 DC 06 B0 02 EE", ""},       // 121.2 °C
    };
    for (const auto& c : cases) {
        decode(0x50, 22, H(c.d));
        EXPECT_EQ(b.value("BETTEMPDST").Text, c.text) << c.d;
        EXPECT_EQ(b.value("OVRTEMP").Text, "68.0");
    }
    EXPECT_EQ(b.value("BETTEMPDST").Value, -100);
}

// ---- texts ---------------------------------------------------------------------------------

TEST(WBusTextsS, ErrorCodes) {
    const struct {
        uint8_t code;
        const char* text;
    } cases[] = {
        {0, ""},
        {1, "Steuergerätefehler"},
        {2, "Watchdog"},
        {3, "Falsche Checksumme des EOL-Parametersatzes"},
        {4, "Heizgeräteverriegelung - Entriegelung nötig"},
        {9, "Flammabbruch"},
        {10, "Unterspannung"},
        {15, "Überhitzungsschutz Unterbrechung o. Kurzschluss Kl. 30"},
        {17, "Überhitzung Delta T"},
        {21, "Fremdlicht vor Zustand \"Zündung\""},
        {22, "Fremdlicht im Zustand \"Nachlauf 2\""},
        {27, "Motor Unterbrechung oder Sicherung defekt"},
        {32, "Zündfunkengeber Kurzschluss Kl. 31"},
        {33, "Zündfunkengeber Unterbrechung o. Kurzschluss Kl. 30"},
        {34, "Zündfunkengeber Kurzschluss Kl. 30"},
        {39, "Sensor Düsenstockvorwärmung Unterbrechung o. Kurzschluss Kl. 30"},
        {42, "Heizpatrone Düsenstockvorwärmung Kurzschluss Kl. 30"},
        {45, "Betriebsanzeige Kurzschluss Kl. 31"},
        {47, "Drehzahlsignal nicht in Ordnung"},
        {49, "Flash defekt"},
        {51, "unbekannt 33h"},
        {52, "CAN-BUS-Fehler"},
        {53, "unbekannt 35h"},
        {0xFF, "unbekannt FFh"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WBusDialectS::WBUS_ErrorCodeTextS(3, c.code), c.text) << int(c.code);
        ByteString t;
        WBusDialectS::WBUS_ErrorCodeTextS(3, c.code, t);
        EXPECT_EQ(t, c.text);
    }
    EXPECT_EQ(WBusDialectS::WBUS_ErrorCodeTextS(1, 1), "unbekannt 01h");
    EXPECT_EQ(WBusDialectS::WBUS_ErrorCodeTextS(1, 0), "unbekannt 00h");
}

TEST(WBusTextsS, TemperatureErrorsFollowTheUnit) {
    const struct {
        int32_t unit;
        const char *t16, *t46, *t50;
    } cases[] = {
        {0, "Überhitzung T > 135°C", "Temperatur Überhitzungsschutz Sensor > 100°C während Heizen",
         "Komparator -50°C hat ausgelöst"},
        {1, "Überhitzung T > 275°F", "Temperatur Überhitzungsschutz Sensor > 212°F während Heizen",
         "Komparator -58°F hat ausgelöst"},
    };
    for (const auto& c : cases) {
        UNIT_LoadTexts(c.unit);
        EXPECT_EQ(WBusDialectS::WBUS_ErrorCodeTextS(3, 16), c.t16);
        EXPECT_EQ(WBusDialectS::WBUS_ErrorCodeTextS(3, 46), c.t46);
        EXPECT_EQ(WBusDialectS::WBUS_ErrorCodeTextS(3, 50), c.t50);
    }
    UNIT_LoadTexts(0);
}

TEST(WBusTextsS, StatesFlameStatesAndWeekdays) {
    const struct {
        int32_t word;
        const char* text;
    } states[] = {
        {0x0100, "Aus"},
        {0x0300, "Einsatzbereit"},
        {0x0400, "Einsatzbereit, UP aktiv"},
        {0x0904, "Warteschleife Über-/Unterspannung 4"},
        {0x0C00, "Vorlauf Verlängerung"},
        {0x1000, "Standheizen"},
        {0x11FF, "Zuheizen 255"},
        {0x1400, "Nachlauf 2"},
        {0x0000, "0000h"},
        {0x0005, "0005h"},
        {0x1500, "1500h"},
        {0xFF01, "FF01h"},
    };
    for (const auto& c : states) {
        EXPECT_EQ(WBusDialectS::WBUS_StateTextS(3, c.word), c.text) << c.word;
        ByteString t;
        WBusDialectS::WBUS_StateTextS(3, c.word, t);
        EXPECT_EQ(t, c.text);
    }
    EXPECT_EQ(WBusDialectS::WBUS_StateTextS(1, 0x0100), "");

    const char* const flames[] = {"Kurzschluss",        "hell",   "hell (Hysterese)",
                                  "dunkel (Hysterese)", "dunkel", "Unterbrechung"};
    for (uint8_t v = 0; v < 6; ++v) EXPECT_EQ(WBusDialectS::WBUS_FlameStateText(3, v), flames[v]);
    EXPECT_EQ(WBusDialectS::WBUS_FlameStateText(3, 6), "06h");
    EXPECT_EQ(WBusDialectS::WBUS_FlameStateText(3, 0xAB), "ABh");
    EXPECT_EQ(WBusDialectS::WBUS_FlameStateText(1, 1), "01h");

    const char* const days[] = {"",        "Montag",    "Dienstag", "Mittwoch", "Donnerstag",
                                "Freitag", "Sonnabend", "Sonntag",  ""};
    for (uint8_t d = 0; d <= 8; ++d) EXPECT_EQ(WBusDialectS::WBUS_WeekdayText(d), days[d]);
    ByteString t;
    WBusDialectS::WBUS_WeekdayText(255, t);
    EXPECT_EQ(t, "");
}

}  // namespace
