#include "wbusdialectv.h"

#include <gtest/gtest.h>

#include "decodecases.h"

namespace {

struct DialectV : ::testing::Test {
    BusBench b;
    WBusLayer w{b.env};
    WBusDialectV v{w};

    TResult decode(uint8_t command, uint8_t sub, const ByteString& d, uint8_t minimum = 0) {
        TResult r;
        ByteString payload;
        payload.push_back(static_cast<char>(command | 0x80));
        payload += d;
        v.WBUS_ReadAndDecodeV(adapterReply(wbusAnswer(payload)), minimum, command, sub, r);
        return r;
    }
};

// ---- requests ------------------------------------------------------------------------------

TEST_F(DialectV, RequestsByteForByte) {
    TParamlist errorEntry = params({2});
    errorEntry[2].Text = H("81");
    const struct {
        uint8_t command, count;
        TParamlist p;
        const char* payload;
    } cases[] = {
        {0x10, 0, params({}), "10"},
        {0x20, 1, params({5}), "20 05"},
        {0x24, 1, params({60}), "24 3C"},
        {0x26, 1, params({255}), "26 FF"},
        {0x27, 2, params({1, 2}), "27 01 02"},
        {0x30, 1, params({0x1234}), "30 12 34"},
        {0x31, 2, params({0x1234, 5}), "31 12 34 05"},
        {0x32, 1, params({0x0102}), "32 01 02"},
        {0x33, 2, params({0x0102, 0xFF}), "33 01 02 FF"},
        {0x34, 2, params({1, 2}), "34 01 02"},
        {0x38, 0, params({9}), "38"},
        {0x42, 2, params({1, 3000}), "42 01 00 0B B8"},
        {0x42, 2, params({1.4L, 3000}), "42 01 00 0B B8"},  // p1 rounds to 1
        {0x42, 2, params({2, 3000}), ""},
        {0x42, 2, params({0, 3000}), ""},
        {0x44, 2, params({0x22, 0x3C}), "44 22 3C"},
        {0x45, 3, params({1, 2, 3}), "45 01 02 03"},
        {0x45, 4, params({1, 2, 0x0304}), "45 01 02 03 04"},
        {0x45, 0, params({1, 2, 3}), "45 01 02 00 03"},
        {0x50, 1, params({7}), "50 07"},
        {0x50, 1, params({2.5L}), "50 02"},  // halves to even
        {0x51, 1, params({11}), "51 0B"},
        {0x53, 1, params({2}), "53 02"},
        {0x56, 2, errorEntry, "56 02 81"},
        {0x56, 1, params({1}), "56 01"},
        {0x60, 1, params({0xA0}), "60 A0"},
        {0x99, 1, params({1}), ""},  // unknown command: empty payload
    };
    for (const auto& c : cases) {
        ByteString payload;
        EXPECT_TRUE(v.WBUS_BuildRequestV(c.command, c.count, c.p, payload));
        EXPECT_EQ(hexOf(payload), hexOf(H(c.payload))) << int(c.command);
        ByteString expected = H("F4");
        expected.push_back(static_cast<char>(H(c.payload).size() + 1));
        expected = xorAppended(expected + H(c.payload));
        EXPECT_EQ(b.lastSent(), hexOf(expected)) << int(c.command);
    }
}

TEST_F(DialectV, WorkedRequests) {
    ByteString payload;
    v.WBUS_BuildRequestV(0x50, 1, params({7}), payload);
    EXPECT_EQ(b.lastSent(), "F4 03 50 07 A0 ");
    v.WBUS_BuildRequestV(0x10, 0, params({}), payload);
    EXPECT_EQ(b.lastSent(), "F4 02 10 E6 ");
    v.WBUS_BuildRequestV(0x51, 1, params({11}), payload);
    EXPECT_EQ(b.lastSent(), "F4 03 51 0B AD ");
    v.WBUS_BuildRequestV(0x42, 2, params({2, 5}), payload);
    EXPECT_EQ(b.lastSent(), "F4 01 F5 ");
}

TEST_F(DialectV, RequestReportsARefusedFrame) {
    b.transport.accept = false;
    ByteString payload;
    EXPECT_FALSE(v.WBUS_BuildRequestV(0x50, 1, params({7}), payload));
    EXPECT_EQ(hexOf(payload), "50 07 ");
}

// ---- answers -------------------------------------------------------------------------------

TEST_F(DialectV, EveryRowByteForByte) {
    for (const WBusCase& c : wbusCasesV()) {
        BusBench bench;
        bench.registerAll(wbusKeysV());
        WBusLayer layer(bench.env);
        WBusDialectV dialect(layer);
        layer.setErrorIndex(1);
        ByteString payload(1, static_cast<char>(c.command | 0x80));
        TResult r;
        dialect.WBUS_ReadAndDecodeV(adapterReply(wbusAnswer(payload + c.d)), 0, c.command, c.sub,
                                    r);
        EXPECT_EQ(r.Invalid, 0) << c.name;
        expectPoints(bench, c.points, c.name);
        // nothing else was written
        size_t valid = 0;
        for (const TWerteDaten& e : bench.points.DataPoints()) valid += e.Value.Invalid == 0;
        EXPECT_EQ(valid, c.points.size()) << c.name;
    }
}

TEST_F(DialectV, ErrorListEdgeCase) {
    b.registerAll(wbusKeysV());
    decode(0x56, 1, H("01 03 81 00 03 00 00 00"));
    EXPECT_EQ(b.value("ERRCODE1").Text, "81");
    EXPECT_EQ(b.value("ERRCODE2").Text, "03");
    EXPECT_EQ(b.value("ERRCODE3"), TResult::ofValue(0));
    for (int n = 4; n <= 11; ++n)
        EXPECT_EQ(b.value("ERRCODE" + std::to_string(n)), TResult::ofValue(0));
    EXPECT_EQ(w.WBUS_GetErrorIndex(), 1);
}

TEST_F(DialectV, ErrorEntriesAdvanceTheIndex) {
    b.registerAll(wbusKeysV());
    EXPECT_EQ(w.WBUS_GetErrorIndex(), 0);
    decode(0x56, 1, H("01 02 81 00 03"));
    decode(0x56, 2, H("02 81 03 05 24 02 46 2E E0 00 0A 1E"));
    EXPECT_EQ(w.WBUS_GetErrorIndex(), 2);
    decode(0x56, 2, H("02 03 01 01 24 00 50 30 D4 00 01 02"));
    EXPECT_EQ(w.WBUS_GetErrorIndex(), 3);
    EXPECT_EQ(b.value("ERRBEZ1").Text, "Steuergerätefehler");
    EXPECT_EQ(b.value("ERRBEZ2").Text, "Flammabbruch");
    EXPECT_EQ(b.value("ERRSTATE2").Text, "Nicht aktuell und gespeichert");
    EXPECT_EQ(b.value("ERRZUSTAND2").Text, "Start");
    EXPECT_EQ(b.value("ERRTEMP2").Text, "30");
    EXPECT_EQ(b.value("ERRUB2").Text, "12.5");
    EXPECT_EQ(b.value("ERRTBR2").Text, "1:02");
    // a new list starts again at entry 1
    decode(0x56, 1, H("01 00"));
    EXPECT_EQ(w.WBUS_GetErrorIndex(), 1);
}

TEST_F(DialectV, StatePageReportsTheStateFirst) {
    b.registerKeys({"OVRZUSTAND"});
    std::vector<ByteString> seen;
    b.env.setOperatingState = [&](int32_t s) {
        seen.push_back(b.value("OVRZUSTAND").Text);  // not yet stored
        b.states.push_back(s);
    };
    decode(0x50, 7, H("07 24 03 00"));
    EXPECT_EQ(b.states, std::vector<int32_t>{9219});
    EXPECT_EQ(seen, std::vector<ByteString>{""});
    EXPECT_EQ(b.value("OVRZUSTAND").Text, "Start 3");
    decode(0x50, 7, H("07 63 00 00"));
    EXPECT_EQ(b.value("OVRZUSTAND").Text, "6300h");
    EXPECT_EQ(b.states, (std::vector<int32_t>{9219, 0x6300}));
}

TEST_F(DialectV, NameReplacesTheResultText) {
    b.registerKeys({"CFGNAME"});
    const TResult r = decode(0x51, 11, H("0B 4B 58 33 30 39 30 20 20"));
    EXPECT_EQ(r.Invalid, 0);
    EXPECT_EQ(r.Text, "KX3090");
    EXPECT_EQ(b.value("CFGNAME").Text, "KX3090");
}

TEST_F(DialectV, DataSetIdReducesItsFirstByteForTheCallerToo) {
    const TResult r = decode(0x51, 3, H("03 F1 23 45 67 42"));
    EXPECT_EQ(hexOf(r.Text), "03 01 23 45 67 42 ");
}

TEST_F(DialectV, CalibrationWordComesBackInTheResult) {
    TResult r = decode(0x42, 1, H("01 0B B8"));
    EXPECT_EQ(r.Invalid, 0);
    EXPECT_EQ(r.Value, 3000);
    EXPECT_EQ(hexOf(r.Text), "01 0B B8 ");
    // a word that is not there is no value: answer too short
    r = decode(0x42, 1, H("01 0B"));
    EXPECT_EQ(r.Invalid, 1);
    EXPECT_EQ(r.Value, 12);
}

TEST_F(DialectV, AreaAnswerFillsArea1) {
    decode(0x38, 255, H("03 00 10 00 20 00 30"));
    EXPECT_EQ(w.areaMask(1), 8);
    EXPECT_EQ(w.WBUS_GetAreaWordA(1), 0x10);
    EXPECT_EQ(w.WBUS_GetAreaWordB(1), 0x20);
    EXPECT_EQ(w.WBUS_GetAreaWordC(1), 0x30);
    EXPECT_EQ(w.areaWordD(1), 0);
    // a short one leaves the table as it was
    w.WBUS_Reset();
    decode(0x38, 255, H("03 00 10 00 20 00"));
    EXPECT_EQ(w.WBUS_GetAreaWordC(1), -1);
    EXPECT_EQ(w.areaMask(1), -1);
}

TEST_F(DialectV, RowsWithoutATableEntryAreCheckedButNotDecoded) {
    b.registerAll(wbusKeysV());
    const uint64_t before = b.points.changeCounter();
    TResult r = decode(0x50, 1, H("01 02 03"));
    EXPECT_EQ(r.Invalid, 0);
    EXPECT_EQ(hexOf(r.Text), "01 02 03 ");
    r = decode(0x50, 255, H("05 46 30 34 01"));  // no expected page: nothing decoded
    EXPECT_EQ(r.Invalid, 0);
    r = decode(0x44, 255, H("00"));
    EXPECT_EQ(r.Invalid, 0);
    EXPECT_EQ(b.points.changeCounter(), before);
}

TEST_F(DialectV, CheckFailuresStoreNothing) {
    b.registerAll(wbusKeysV());
    const uint64_t before = b.points.changeCounter();
    TResult r;
    v.WBUS_ReadAndDecodeV(adapterReply(H("4F 01 4E")), 0, 0x50, 5, r);
    EXPECT_EQ(r.Value, 10);
    v.WBUS_ReadAndDecodeV(adapterReply(wbusAnswer(H("7F 50 33"))), 0, 0x50, 5, r);
    EXPECT_EQ(r.Value, 11);
    v.WBUS_ReadAndDecodeV(adapterReply(wbusAnswer(H("D1 05 46"))), 0, 0x50, 5, r);
    EXPECT_EQ(r.Value, 13);
    v.WBUS_ReadAndDecodeV(adapterReply(wbusAnswer(H("D0 05 46"))), 5, 0x50, 5, r);
    EXPECT_EQ(r.Value, 12);
    EXPECT_EQ(hexOf(r.Text), "D0 05 46 ");
    v.WBUS_ReadAndDecodeV(adapterReply(wbusAnswer(H("D0 06 46"))), 0, 0x50, 5, r);
    EXPECT_EQ(r.Value, 13);
    EXPECT_EQ(hexOf(r.Text), "06 46 ");
    ByteString damaged = wbusAnswer(H("D0 05 46 30 34 01"));
    damaged[3] = static_cast<char>(damaged[3] ^ 0x01);
    v.WBUS_ReadAndDecodeV(adapterReply(damaged), 0, 0x50, 5, r);
    EXPECT_EQ(r.Value, 6);
    EXPECT_EQ(b.points.changeCounter(), before);
}

// ---- temperatures, registration ------------------------------------------------------------

TEST_F(DialectV, TemperaturesFollowTheUnit) {
    b.registerAll(wbusKeysV());
    w.setErrorIndex(1);
    const struct {
        uint8_t unit;
        const char* text;
        long double number;
        const char* cold;
    } cases[] = {{TEMP_CELSIUS, "20", 20, "-50"}, {TEMP_FAHRENHEIT, "68", 68, "-58"}};
    for (const auto& c : cases) {
        b.unit = c.unit;
        decode(0x50, 5, H("05 46 30 34 01"));
        EXPECT_EQ(b.value("OVRTEMP").Text, c.text);
        EXPECT_DOUBLE_EQ(double(b.value("OVRTEMP").Value), double(c.number));
        w.setErrorIndex(1);
        decode(0x56, 2, H("02 81 03 05 24 02 46 2E E0 00 0A 1E"));
        EXPECT_EQ(b.value("ERRTEMP1").Text, c.text);
        decode(0x50, 5, H("05 00 00 00 00"));
        EXPECT_EQ(b.value("OVRTEMP").Text, c.cold);
    }
}

TEST_F(DialectV, OnlyRegisteredKeysTakeValues) {
    b.points.DP_Register("ovrtemp", "Temperatur", "°C");  // any case
    decode(0x50, 5, H("05 46 30 34 01"));
    EXPECT_EQ(b.points.DataPointCount(), 1);
    EXPECT_EQ(b.value("OVRTEMP").Text, "20");
    EXPECT_TRUE(isCleared(b.value("OVRUB")));
    EXPECT_FALSE(b.points.isRegistered("OVRUB"));
}

TEST_F(DialectV, WorksWithoutTableOrHook) {
    BusEnvironment env;
    FakeTransport t;
    env.transport = &t;
    WBusLayer layer(env);
    WBusDialectV dialect(layer);
    TResult r;
    dialect.WBUS_ReadAndDecodeV(adapterReply(wbusAnswer(H("D0 07 24 03 00"))), 0, 0x50, 7, r);
    EXPECT_EQ(r.Invalid, 0);
}

}  // namespace
