#include <gtest/gtest.h>

#include "decodecases.h"
#include "sbuslayer.h"

namespace {

struct SBusDecode : ::testing::Test {
    BusBench b;
    SBusLayer s{b.env};

    // data = message ID first
    TResult decode(const ByteString& data, uint8_t expectedId, uint8_t minimum = 0) {
        TResult r;
        s.SBUS_ReadAndDecode(0, adapterReply(sbusAnswer(data, false, s.deviceAddress())), minimum,
                             expectedId, r);
        return r;
    }
};

TEST_F(SBusDecode, EveryRowByteForByte) {
    for (const SBusCase& c : sbusCases()) {
        BusBench bench;
        bench.registerAll(sbusKeys());
        SBusLayer layer(bench.env);
        TResult r;
        const ByteString data = ByteString(1, static_cast<char>(c.id)) + c.data;
        layer.SBUS_ReadAndDecode(0, adapterReply(sbusAnswer(data)), 0, c.id, r);
        EXPECT_EQ(r.Invalid, 0) << c.name;
        EXPECT_EQ(r.Text, c.data) << c.name;
        expectPoints(bench, c.points, c.name);
        size_t valid = 0;
        for (const TWerteDaten& e : bench.points.DataPoints()) valid += e.Value.Invalid == 0;
        EXPECT_EQ(valid, c.points.size()) << c.name;
    }
}

TEST_F(SBusDecode, CrcAnswersDecodeAlike) {
    b.registerKeys({"CFGSBUSVER"});
    TResult r;
    s.SBUS_ReadAndDecode(0, adapterReply(sbusAnswer(H("1B") + "V1.2", true)), 0, 27, r);
    EXPECT_EQ(r.Invalid, 0);
    EXPECT_EQ(b.value("CFGSBUSVER").Text, " S-BUS V1.2");
}

TEST_F(SBusDecode, NegativeAnswers) {
    const struct {
        const char* data;
        int code;
        const char* text;
    } cases[] = {
        {"00 01 14", 20, "14"},
        {"00 02 14", 21, "14"},
        {"00 04 14", 22, "14"},
        {"00 08 14", 23, "14"},
        {"00 10 14", 24, "14"},
        {"00 20 14", 25, "14"},
        {"00 40 14", 26, "14"},
        {"00 80 14", 27, "14"},
        {"00 05 14", 0, "14"},  // two bits
        {"00 00 14", 0, "14"},  // no bit
        {"00 04 14 15 16", 22, "14"},
        {"00 04", 22, ""},  // no byte 2
        {"00", 0, ""},      // no error byte
    };
    for (const auto& c : cases) {
        const TResult r =
            decode(H(c.data), 27, 10);  // a negative answer skips the length and ID tests
        EXPECT_EQ(r.Invalid, 1) << c.data;
        EXPECT_EQ(r.Value, c.code) << c.data;
        EXPECT_EQ(hexOf(r.Text), hexOf(H(c.text))) << c.data;
    }
}

TEST_F(SBusDecode, Checks) {
    b.registerAll(sbusKeys());
    const uint64_t before = b.points.changeCounter();
    TResult r = decode(H("14 41 42 43 44"), 20, 5);  // 5 bytes with the ID, minimum 5
    EXPECT_EQ(r.Value, 12);
    EXPECT_EQ(hexOf(r.Text), "14 41 42 43 44 ");
    r = decode(H("15 41 42 43 44"), 20, 0);
    EXPECT_EQ(r.Value, 13);
    EXPECT_EQ(hexOf(r.Text), "15 41 42 43 44 ");
    r = decode(H("15 41"), 20, 5);  // another ID is another request's answer, even when short
    EXPECT_EQ(r.Value, 13);
    ByteString damaged = sbusAnswer(H("14 41 42"));
    damaged[4] = 'x';
    s.SBUS_ReadAndDecode(0, adapterReply(damaged), 0, 20, r);
    EXPECT_EQ(r.Value, 6);
    s.SBUS_ReadAndDecode(0, adapterReply(sbusAnswer(H("14 41"), false, 3)), 0, 20, r);
    EXPECT_EQ(r.Value, 7);  // device address is 7
    EXPECT_EQ(b.points.changeCounter(), before);
    r = decode(H("14 41 42 43 44 45"), 20, 5);
    EXPECT_EQ(r.Invalid, 0);
    EXPECT_EQ(b.value("CFGSGID").Text, "ABCDE");
}

TEST_F(SBusDecode, AnswerFromTheBootLoader) {
    s.SBUS_SetDeviceAddress(3);
    const TResult r = decode(H("A2 00"), 162);
    EXPECT_EQ(r.Invalid, 0);
    EXPECT_EQ(r.Value, 0);
}

TEST_F(SBusDecode, StatusChangedFlag) {
    EXPECT_EQ(decode(H("5A 03"), 90).Invalid, 0);
    EXPECT_EQ(s.SBUS_TakeStatusChanged(), 1);  // the first after reset always
    EXPECT_EQ(s.SBUS_TakeStatusChanged(), 0);
    decode(H("5A 03"), 90);
    EXPECT_EQ(s.SBUS_TakeStatusChanged(), 0);
    decode(H("5A 04"), 90);
    decode(H("5A 04"), 90);
    EXPECT_EQ(s.SBUS_TakeStatusChanged(), 1);
    EXPECT_EQ(s.lastStatus(), 4);
    decode(H("5A"), 90);  // no status byte: nothing known, nothing changed
    EXPECT_EQ(s.SBUS_TakeStatusChanged(), 0);
    s.SBUS_Reset();
    decode(H("5A 04"), 90);
    EXPECT_EQ(s.SBUS_TakeStatusChanged(), 1);
}

TEST_F(SBusDecode, AnswersForTheCaller) {
    const struct {
        const char* data;
        uint8_t id;
        uint8_t invalid;
        long double value;
        const char* text;
    } cases[] = {
        {"31 01 02 03", 49, 0, 0, "01 02 03"},
        {"46 01 32 AA BB", 70, 0, 5000, "AA BB"},
        {"46 01 32", 70, 0, 5000, ""},
        {"46 01", 70, 1, 12, "01"},
        {"96 34 12 02 AA BB", 150, 0, 0x1234, "AA BB"},
        {"97 34 12 02 AA", 151, 0, 0x1234, "AA"},
        {"97 34", 151, 1, 12, "34"},
        {"98 01 03 02 04 CC DD", 152, 0, 0x0203, "CC DD"},
        {"98 01 03", 152, 1, 12, "01 03"},
        {"99 01 40 00", 153, 0, 64, "01 40 00"},
        {"99 01 40", 153, 1, 12, "01 40"},
        {"9A 07 AA", 154, 0, 7, "AA"},
        {"9A", 154, 1, 12, ""},
        {"9B 01 02 03", 155, 0, 2, "01 02 03"},
        {"9B 01", 155, 1, 12, "01"},
        {"9F 05 06", 159, 0, 5, "05 06"},
        {"A0 06", 160, 0, 6, "06"},
        {"A1 07 08", 161, 0, 7, "07 08"},
        {"A2 08", 162, 0, 8, "08"},
        {"A2", 162, 1, 12, ""},
        {"63 01 02", 99, 0, 0, "01 02"},  // an ID without a row
    };
    for (const auto& c : cases) {
        BusBench bench;
        SBusLayer layer(bench.env);
        TResult r;
        layer.SBUS_ReadAndDecode(0, adapterReply(sbusAnswer(H(c.data))), 0, c.id, r);
        EXPECT_EQ(r.Invalid, c.invalid) << c.data;
        EXPECT_EQ(r.Value, c.value) << c.data;
        EXPECT_EQ(hexOf(r.Text), hexOf(H(c.text))) << c.data;
    }
}

TEST_F(SBusDecode, AreaSizeFromMessage153) {
    decode(H("99 01 40 00"), 153);
    EXPECT_EQ(s.SBUS_GetAreaSize(1), 64);
    decode(H("99 07 40 00"), 153);  // index beyond 3 is ignored
    EXPECT_EQ(s.SBUS_GetAreaSize(3), 0xFFFF);
    decode(H("99 02 40"), 153);  // too short: no size taken
    EXPECT_EQ(s.SBUS_GetAreaSize(2), 0xFFFF);
}

TEST_F(SBusDecode, OnlyRegisteredKeysTakeValues) {
    b.registerKeys({"betstz"});
    decode(H("2F E8 03 00 00 14 00 00 00 8D 0E 00 00 3C 00 00 00 80 51 01 00 07 00 00 00"), 47);
    EXPECT_EQ(b.value("BETSTZ").Text, "1000");
    EXPECT_EQ(b.points.DataPointCount(), 1);
    EXPECT_TRUE(isCleared(b.value("BETFAZ")));
}

TEST(SBusFormatters, Texts) {
    EXPECT_EQ(SBusLayer::SBUS_FormatSeconds(3725), "1:02:05");
    EXPECT_EQ(SBusLayer::SBUS_FormatSeconds(0), "0:00:00");
    EXPECT_EQ(SBusLayer::SBUS_FormatSeconds(4294967295u), "1193046:28:15");
    EXPECT_EQ(SBusLayer::SBUS_FormatPatchDate(7, 12, 3), "(Patch: 003) 12/07");
    EXPECT_EQ(SBusLayer::SBUS_FormatPatchDate(31, 1, 255), "(Patch: 255) 01/31");
    EXPECT_EQ(SBusLayer::SBUS_FormatHoursMinutes(5, 7), "5:07");
    EXPECT_EQ(SBusLayer::SBUS_FormatHoursMinutes(1234, 59), "1234:59");
    EXPECT_EQ(SBusLayer::SBUS_FingerprintStateText(1), "Ok");
    EXPECT_EQ(SBusLayer::SBUS_FingerprintStateText(2), "Fehler: CRC oder Speicher");
    EXPECT_EQ(SBusLayer::SBUS_FingerprintStateText(4), "Fehler: Software inkompatibel");
    EXPECT_EQ(SBusLayer::SBUS_FingerprintStateText(3), "3");
    EXPECT_EQ(SBusLayer::SBUS_FingerprintStateText(0), "0");
    ByteString t;
    SBusLayer::SBUS_FormatSeconds(61, t);
    EXPECT_EQ(t, "0:01:01");
}

}  // namespace
