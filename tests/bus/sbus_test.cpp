#include <gtest/gtest.h>

#include "busbench.h"
#include "sbuslayer.h"

namespace {

ByteString withChecksum(const ByteString& t) {
    return t + static_cast<char>(TOOL_Checksum8(t));
}
ByteString withCrc(const ByteString& t) {
    const uint16_t c = TOOL_Crc16(t);
    return t + static_cast<char>(c >> 8) + static_cast<char>(c & 0xFF);
}

struct SBusTest : ::testing::Test {
    BusBench b;
    SBusLayer s{b.env};

    TResult receive(const ByteString& reply, uint8_t source = 7) {
        TResult r;
        s.SBUS_ReceiveAnswer(1, source, reply, r);
        return r;
    }
};

// ---- sending -------------------------------------------------------------------------------

TEST_F(SBusTest, WorkedRequests) {
    ByteString data;
    EXPECT_EQ(s.deviceAddress(), 7);  // before the first SBUS_SetDeviceAddress
    EXPECT_TRUE(s.SBUS_BuildRequest(0, 2, 0, params({}), data));
    EXPECT_EQ(b.lastSent(), "07 01 01 02 F4 ");
    EXPECT_EQ(hexOf(data), "02 ");
    ASSERT_NE(b.lastLine(), nullptr);
    EXPECT_EQ(b.lastLine()->text, "TX: 07 01 01 02 F4 ");
    ByteString frame;
    AdapterFrameProtocol::ADP_BuildBusTransfer(H("07 01 01 02 F4"), frame);
    EXPECT_EQ(b.transport.frames.back(), frame);
    s.SBUS_SetDeviceAddress(3);
    s.SBUS_BuildRequest(0, 2, 0, params({}), data);
    EXPECT_EQ(b.lastSent(), hexOf(withChecksum(H("03 01 01 02"))));
}

TEST_F(SBusTest, ChecksumOrCrc) {
    s.SBUS_SendTelegram(1, 7, 0, H("14"));
    EXPECT_EQ(b.lastSent(), hexOf(withChecksum(H("07 01 01 14"))));
    s.SBUS_SendTelegram(1, 7, 1, H("14"));
    EXPECT_EQ(b.lastSent(), hexOf(withCrc(H("07 01 81 14"))));
    s.SBUS_SendTelegram(2, 9, 0xFF, H("14 15"));
    EXPECT_EQ(b.lastSent(), hexOf(withCrc(H("09 02 82 14 15"))));
}

TEST_F(SBusTest, DataOf128BytesHasLengthZero) {
    const ByteString d(128, '\x42');
    s.SBUS_SendTelegram(1, 7, 0, d);
    ByteString t = telegramOf(b.transport.frames.back());
    EXPECT_EQ(t.size(), 132u);
    EXPECT_EQ(static_cast<uint8_t>(t[2]), 0x00);
    s.SBUS_SendTelegram(1, 7, 1, d);
    t = telegramOf(b.transport.frames.back());
    EXPECT_EQ(t.size(), 133u);
    EXPECT_EQ(static_cast<uint8_t>(t[2]), 0x80);
    s.SBUS_SendTelegram(1, 7, 0, ByteString(200, '\x42'));
    EXPECT_EQ(telegramOf(b.transport.frames.back()), withChecksum(H("07 01 00") + d));
}

TEST_F(SBusTest, EveryMessage) {
    TParamlist text = params({});
    text[1].Text = "AB";
    TParamlist mem = params({0x1234, 2});
    mem[3].Text = H("AA BB");
    TParamlist write = params({1, 0x0203, 4});
    write[4].Text = H("CC");
    TParamlist prog = params({5});
    prog[2].Text = H("DD EE");
    const struct {
        uint8_t id, count;
        TParamlist p;
        const char* data;
    } cases[] = {
        {10, 1, params({5}), "0A 05"},
        {10, 2, params({5, 6}), "0A 05 06"},
        {10, 3, params({5, 6, 7}), "0A"},
        {10, 0, params({5}), "0A"},
        {11, 0, params({5}), "0B 05"},
        {12, 9, params({5}), "0C 05"},
        {13, 3, params({1, 2, 3}), "0D 01 02 03"},
        {13, 4, params({1, 2, 3, 4}), "0D 01 02 03 04"},
        {13, 2, params({1, 2}), "0D"},
        {14, 2, params({1, 2}), "0E 01 02"},
        {14, 3, params({1, 2, 0x0304}), "0E 01 02 04 03"},
        {14, 1, params({1}), "0E"},
        {15, 1, params({9}), "0F 09"},
        {17, 1, params({9}), "11 09"},
        {20, 0, params({}), "14"},
        {20, 1, text, "14 41 42"},
        {29, 1, text, "1D 41 42"},
        {39, 1, text, "27 41 42"},
        {39, 0, text, "27"},
        {30, 2, params({1, 0x01020304}), "1E 01 04 03 02 01"},
        {30, 1, params({1}), "1E"},
        {49, 8, params({1, 2, 3, 4, 5, 6, 7, 8}), "31 01 02 03 04 05 06 07 08"},
        {70, 2, params({1, 2}), "46 01 02"},
        {91, 1, params({1}), "5B 01"},
        {150, 3, mem, "96 34 12 02 AA BB"},
        {151, 3, mem, "97 34 12 02 AA BB"},
        {152, 4, write, "98 01 03 02 04 CC"},
        {153, 1, params({1}), "99 01"},
        {154, 2, params({1, 0x11223344}), "9A 01 44 33 22 11"},
        {155, 2, prog, "9B 05 DD EE"},
        {159, 5, params({0x0102, 0x03040506, 7, 8, 9}), "9F 02 01 06 05 04 03 07 08 09"},
        {160, 2, params({0x10, 0x20}), "A0 10 00 00 00 20 00 00 00"},
        {1, 0, params({}), "01"},
        {27, 0, params({}), "1B"},
        {90, 0, params({5}), "5A"},
        {162, 0, params({5}), "A2"},
        {10, 1, params({2.5L}), "0A 02"},  // rounded, halves to even
    };
    for (const auto& c : cases) {
        ByteString data;
        s.SBUS_BuildRequest(0, c.id, c.count, c.p, data);
        EXPECT_EQ(hexOf(data), hexOf(H(c.data))) << int(c.id) << "/" << int(c.count);
        ByteString t = H("07 01");
        t.push_back(static_cast<char>(data.size()));
        EXPECT_EQ(b.lastSent(), hexOf(withChecksum(t + data))) << int(c.id);
    }
}

TEST_F(SBusTest, ProgrammingChunkIsPaddedTo64Bytes) {
    TParamlist p = params({0x00012000});
    p[2].Text = "0123456789";
    ByteString data;
    s.SBUS_BuildRequest(0, 161, 2, p, data);
    EXPECT_EQ(data.size(), 1u + 4u + 64u);
    EXPECT_EQ(data.substr(0, 5), H("A1 00 20 01 00"));
    EXPECT_EQ(data.substr(5, 10), "0123456789");
    EXPECT_EQ(data.substr(15), ByteString(54, '\0'));
    p[2].Text = ByteString(70, 'x');
    s.SBUS_BuildRequest(0, 161, 2, p, data);
    EXPECT_EQ(data.size(), 75u);  // a longer text goes out whole
}

TEST_F(SBusTest, SendReportsARefusedFrame) {
    b.transport.accept = false;
    ByteString data;
    EXPECT_FALSE(s.SBUS_BuildRequest(0, 2, 0, params({}), data));
}

// ---- receiving -----------------------------------------------------------------------------

TEST_F(SBusTest, AnswerChecks) {
    ByteString badSum = sbusAnswer(H("14 41 42"));
    badSum.back() = static_cast<char>(badSum.back() ^ 1);
    ByteString badCrc = sbusAnswer(H("14 41 42"), true);
    badCrc.back() = static_cast<char>(badCrc.back() ^ 1);
    ByteString crcFlagMissing = withCrc(H("01 07 03 14 41 42"));  // says checksum, carries CRC
    ByteString lengthSays4 = withChecksum(H("01 07 04 14 41 42"));
    ByteString crcLengthSays4 = withCrc(H("01 07 84 14 41 42"));
    const ByteString full128(128, '\x33');
    const struct {
        const char* name;
        ByteString reply;
        uint8_t invalid;
        int code;
        ByteString text;
        const char* errorLine;
    } cases[] = {
        {"checksum", adapterReply(sbusAnswer(H("14 41 42"))), 0, 0, H("14 41 42"), nullptr},
        {"crc", adapterReply(sbusAnswer(H("14 41 42"), true)), 0, 0, H("14 41 42"), nullptr},
        {"length 0x83 with crc", adapterReply(withCrc(H("01 07 83 14 41 42"))), 0, 0, H("14 41 42"),
         nullptr},
        {"128 bytes, checksum", adapterReply(sbusAnswer(full128)), 0, 0, full128, nullptr},
        {"128 bytes, crc", adapterReply(sbusAnswer(full128, true)), 0, 0, full128, nullptr},
        {"shortest", adapterReply(sbusAnswer(H("14"))), 0, 0, H("14"), nullptr},
        {"bad checksum", adapterReply(badSum), 1, 6, "", "Fehler: Checksumme"},
        {"bad crc", adapterReply(badCrc), 1, 6, "", "Fehler: Checksumme"},
        {"crc without its flag", adapterReply(crcFlagMissing), 1, 6, "", "Fehler: Checksumme"},
        {"from address 5", adapterReply(sbusAnswer(H("14"), false, 5)), 1, 7, "",
         "Fehler: Adresse"},
        {"to address 2", adapterReply(sbusAnswer(H("14"), false, 7, 2)), 1, 7, "",
         "Fehler: Adresse"},
        {"length says 4, 3 came", adapterReply(lengthSays4), 1, 8, "", "Fehler: Länge"},
        {"crc length says 4, 3 came", adapterReply(crcLengthSays4), 1, 8, "", "Fehler: Länge"},
        {"4 bytes", adapterReply(H("01 07 01 14")), 1, 5, "", "Fehler: Länge"},
        {"134 bytes", adapterReply(ByteString(134, '\x01')), 1, 5, "", "Fehler: Länge"},
        {"crc with no data", adapterReply(withCrc(H("01 07 80"))), 1, 8, "", "Fehler: Länge"},
        {"no bus answer", adapterStatus(0x20), 1, 0, "", "Fehler: Daten"},
        {"could not send", adapterStatus(0x21), 1, 1, "", "Fehler: Senden"},
        {"time-out", adapterStatus(0x22), 1, 2, "", "Fehler: TimeOut"},
        {"init", adapterStatus(0x23), 1, 3, "", "Fehler: Init"},
        {"length", adapterStatus(0x24), 1, 4, "", "Fehler: Länge"},
        {"0x3A is reserved, never a negative answer", adapterStatus(0x3A), 1,
         BusCode::ReservedStatus, "", nullptr},
        {"negative status", adapterStatus(0x01), 1, -31, "", nullptr},
    };
    for (const auto& c : cases) {
        BusBench bench;
        SBusLayer layer(bench.env);
        TResult r;
        layer.SBUS_ReceiveAnswer(1, 7, c.reply, r);
        EXPECT_EQ(r.Invalid, c.invalid) << c.name;
        EXPECT_EQ(r.Value, c.code) << c.name;
        EXPECT_EQ(hexOf(r.Text), hexOf(c.text)) << c.name;
        if (c.errorLine) {
            ASSERT_NE(bench.lastLine(), nullptr) << c.name;
            EXPECT_EQ(bench.lastLine()->text, c.errorLine) << c.name;
            EXPECT_EQ(bench.lastLine()->colour, LogColour::Red) << c.name;
        } else {
            for (const auto& l : bench.log.lines) EXPECT_NE(l.colour, LogColour::Red) << c.name;
        }
    }
}

TEST_F(SBusTest, FifthFailureInARowBecomesNine) {
    const ByteString bad = adapterReply(sbusAnswer(H("14"), false, 5));
    const ByteString good = adapterReply(sbusAnswer(H("14")));
    std::vector<int> codes;
    for (int i = 0; i < 4; ++i) codes.push_back(static_cast<int>(receive(bad).Value));
    EXPECT_EQ(receive(good).Invalid, 0);
    for (int i = 0; i < 6; ++i) codes.push_back(static_cast<int>(receive(bad).Value));
    EXPECT_EQ(codes, (std::vector<int>{7, 7, 7, 7, 7, 7, 7, 7, 9, 9}));
    s.SBUS_Reset();
    EXPECT_EQ(receive(bad).Value, 7);
}

// ---- state ---------------------------------------------------------------------------------

TEST_F(SBusTest, ResetKeepsTheDeviceAddress) {
    s.SBUS_SetDeviceAddress(3);
    s.SBUS_SetAreaSize(1, 64);
    s.SBUS_Reset();
    EXPECT_EQ(s.deviceAddress(), 3);
    EXPECT_EQ(s.SBUS_GetAreaSize(1), 0xFFFF);
    EXPECT_EQ(s.lastStatus(), -1);
    EXPECT_EQ(s.SBUS_TakeStatusChanged(), 0);
}

TEST_F(SBusTest, AreaSizes) {
    for (uint8_t i = 0; i < 4; ++i) EXPECT_EQ(s.SBUS_GetAreaSize(i), 0xFFFF);
    s.SBUS_SetAreaSize(3, 10);
    s.SBUS_SetAreaSize(4, 20);  // ignored
    EXPECT_EQ(s.SBUS_GetAreaSize(3), 10);
    EXPECT_EQ(s.SBUS_GetAreaSize(4), 0xFFFF);
    EXPECT_EQ(s.SBUS_GetAreaSize(255), 0xFFFF);
}

// ---- step helpers --------------------------------------------------------------------------

TEST(SBusSteps, CodeTables) {
    const struct {
        long double code;
        int32_t skip, plain;
    } cases[] = {
        {0, 99, 99},
        {1, 5, 5},
        {2, 5, 5},
        {3, 99, 99},
        {4, 99, 99},
        {5, 5, 5},
        {6, 5, 5},
        {7, 5, 5},
        {8, 5, 5},
        {9, 99, 99},
        {10, 5, 5},
        {11, 6, 99},
        {12, 6, 99},
        {13, 6, 99},
        {14, 5, 5},
        {19, 5, 5},
        {20, 6, 99},
        {21, 6, 99},
        {22, 6, 99},
        {23, 6, 99},
        {24, 6, 99},
        {25, 6, 99},
        {26, 6, 99},
        {27, 6, 99},
        {28, 6, 99},
        {200, 6, 99},
        {-1, 5, 5},
        {-32, 5, 5},
        {BusCode::ReservedStatus, 5, 5},
    };
    for (const auto& c : cases) {
        TUSBREQ in;
        in.Step = 5;
        in.ErrorStep = 99;
        TUSBREQ skip, plain;
        SBusLayer::SBUS_StepOnErrorSkip(in, skip, c.code);
        SBusLayer::SBUS_StepOnError(in, plain, c.code);
        EXPECT_EQ(skip.Step, c.skip) << double(c.code);
        EXPECT_EQ(plain.Step, c.plain) << double(c.code);
    }
}

}  // namespace
