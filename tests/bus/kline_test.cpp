#include <gtest/gtest.h>

#include "busbench.h"
#include "klinelayer.h"

namespace {

ByteString withSum(const ByteString& t) {
    unsigned s = 0;
    for (unsigned char c : t) s += c;
    return t + static_cast<char>(s & 0xFF);
}

struct KLineTest : ::testing::Test {
    BusBench b;
    KLineLayer k{b.env};

    TResult receive(const ByteString& reply) {
        TResult r;
        k.KLINE_ReceiveAnswer(0xF1, 0x9D, reply, r);
        return r;
    }
};

// ---- sending -------------------------------------------------------------------------------

TEST_F(KLineTest, WorkedRequests) {
    ByteString data;
    EXPECT_TRUE(k.KLINE_BuildRequest(0x81, 0x81, 0, params({}), data));
    EXPECT_EQ(b.lastSent(), "81 9D F1 81 90 ");
    EXPECT_EQ(hexOf(data), "81 ");
    EXPECT_TRUE(k.KLINE_BuildRequest(0x87, 0x21, 1, params({4}), data));
    EXPECT_EQ(b.lastSent(), "87 9D F1 21 04 FF FF FF FF FF 35 ");
    ASSERT_NE(b.lastLine(), nullptr);
    EXPECT_EQ(b.lastLine()->text, "TX: 87 9D F1 21 04 FF FF FF FF FF 35 ");
    EXPECT_EQ(b.lastLine()->colour, LogColour::Blue);
    ByteString frame;
    AdapterFrameProtocol::ADP_BuildBusTransfer(H("87 9D F1 21 04 FF FF FF FF FF 35"), frame);
    EXPECT_EQ(b.transport.frames.back(), frame);
}

TEST_F(KLineTest, EveryService) {
    const struct {
        uint8_t service, count;
        TParamlist p;
        const char* data;
    } cases[] = {
        {0x10, 1, params({0x89}), "10 89 FF FF FF FF FF"},
        {0x14, 0, params({1}), "14 FF FF FF FF FF FF"},
        {0x20, 0, params({}), "20 FF FF FF FF FF FF"},
        {0x21, 1, params({4}), "21 04 FF FF FF FF FF"},
        {0x21, 2, params({4, 5}), "21 04 05 FF FF FF FF"},
        {0x21, 0, params({4}), ""},
        {0x21, 3, params({4, 5, 6}), ""},
        {0x22, 2, params({0x1D, 6}), "22 1D 06 FF FF FF FF"},
        {0x2E, 3, params({1, 2, 3}), "2E 01 02 03 FF FF FF"},
        {0x31, 5, params({1, 2, 3, 4, 5}), "31 02 01 02 03 04 05"},
        {0x34, 1, params({7}), "34 07 FF FF FF FF FF"},
        {0x3E, 0, params({}), "3E FF FF FF FF FF FF"},
        {0x81, 0, params({}), "81"},
        {0xA1, 1, params({3}), "A1 03 FF FF FF FF FF"},
        {0x55, 1, params({3}), ""},
        {0x21, 1, params({2.5L}), "21 02 FF FF FF FF FF"},
    };
    for (const auto& c : cases) {
        ByteString data;
        k.KLINE_BuildRequest(0x87, c.service, c.count, c.p, data);
        EXPECT_EQ(hexOf(data), hexOf(H(c.data))) << int(c.service);
        EXPECT_EQ(b.lastSent(), hexOf(withSum(H("87 9D F1") + H(c.data)))) << int(c.service);
    }
}

TEST_F(KLineTest, CallerChoosesFormatAndAddresses) {
    k.KLINE_SendTelegram(0x87, 0xF1, 0x9D, H("81"));
    EXPECT_EQ(b.lastSent(), "87 9D F1 81 96 ");
    k.KLINE_SendTelegram(0x83, 0xF0, 0x10, H("01 02 03"));
    EXPECT_EQ(b.lastSent(), hexOf(withSum(H("83 10 F0 01 02 03"))));
    k.KLINE_SendTelegram(0x87, 0xF1, 0x9D, ByteString(300, '\x01'));
    EXPECT_EQ(telegramOf(b.transport.frames.back()).size(), 256u);
}

TEST_F(KLineTest, SendReportsARefusedFrame) {
    b.transport.accept = false;
    ByteString data;
    EXPECT_FALSE(k.KLINE_BuildRequest(0x87, 0x3E, 0, params({}), data));
}

// ---- receiving -----------------------------------------------------------------------------

TEST_F(KLineTest, AnswerChecks) {
    const ByteString good = klineAnswer(H("61 04 41 42 43"));
    ByteString sumOff = good;
    sumOff[10] = static_cast<char>(sumOff[10] + 1);
    ByteString formatAny = good;  // the format byte is not checked
    formatAny[0] = 0x00;
    formatAny[10] = static_cast<char>(formatAny[10] - 0x87);
    const struct {
        const char* name;
        ByteString reply;
        uint8_t invalid;
        int code;
        const char* text;
        const char* errorLine;
    } cases[] = {
        {"accepted", adapterReply(good), 0, 0, "61 04 41 42 43 FF FF", nullptr},
        {"any format byte", adapterReply(formatAny), 0, 0, "61 04 41 42 43 FF FF", nullptr},
        {"10 bytes", adapterReply(good.substr(0, 10)), 1, 5, "", "Fehler: Länge"},
        {"12 bytes", adapterReply(good + '\x00'), 1, 5, "", "Fehler: Länge"},
        {"sum off by one", adapterReply(sumOff), 1, 6, "", "Fehler: Checksumme"},
        {"from 0x9E", adapterReply(klineAnswer(H("61"), 0xF1, 0x9E)), 1, 7, "", "Fehler: Adresse"},
        {"to 0xF2", adapterReply(klineAnswer(H("61"), 0xF2, 0x9D)), 1, 7, "", "Fehler: Adresse"},
        {"no bus answer", adapterStatus(0x20), 1, 0, "", "Fehler: Daten"},
        {"could not send", adapterStatus(0x21), 1, 1, "", "Fehler: Senden"},
        {"time-out", adapterStatus(0x22), 1, 2, "", "Fehler: TimeOut"},
        {"init", adapterStatus(0x23), 1, 3, "", "Fehler: Init"},
        {"length", adapterStatus(0x24), 1, 4, "", "Fehler: Länge"},
        {"reserved", adapterStatus(0x30), 1, BusCode::ReservedStatus, "", nullptr},
        {"negative status", adapterStatus(0x10), 1, -16, "", nullptr},
    };
    for (const auto& c : cases) {
        BusBench bench;
        KLineLayer layer(bench.env);
        TResult r;
        layer.KLINE_ReceiveAnswer(0xF1, 0x9D, c.reply, r);
        EXPECT_EQ(r.Invalid, c.invalid) << c.name;
        EXPECT_EQ(r.Value, c.code) << c.name;
        EXPECT_EQ(hexOf(r.Text), hexOf(H(c.text))) << c.name;
        if (c.errorLine) {
            ASSERT_NE(bench.lastLine(), nullptr) << c.name;
            EXPECT_EQ(bench.lastLine()->text, c.errorLine) << c.name;
            EXPECT_EQ(bench.lastLine()->colour, LogColour::Red) << c.name;
        } else {
            for (const auto& l : bench.log.lines) EXPECT_NE(l.colour, LogColour::Red) << c.name;
        }
        if (r.Invalid == 0 || r.Value >= 5) {
            ASSERT_FALSE(bench.log.lines.empty());
            EXPECT_EQ(bench.log.lines.front().colour, LogColour::Green) << c.name;
        }
    }
}

TEST_F(KLineTest, FifthFailureInARowBecomesNine) {
    const ByteString bad = adapterReply(klineAnswer(H("61"), 0xF1, 0x9E));
    const ByteString good = adapterReply(klineAnswer(H("61")));
    std::vector<int> codes;
    for (int i = 0; i < 4; ++i) codes.push_back(static_cast<int>(receive(bad).Value));
    EXPECT_EQ(receive(good).Invalid, 0);
    EXPECT_EQ(k.failureCount(), 0);
    for (int i = 0; i < 6; ++i)
        codes.push_back(static_cast<int>(receive(i % 2 ? adapterStatus(0x22) : bad).Value));
    EXPECT_EQ(codes, (std::vector<int>{7, 7, 7, 7, 7, 2, 7, 2, 9, 9}));
    k.KLINE_Reset();
    EXPECT_EQ(receive(bad).Value, 7);
}

TEST(KLineSteps, SkipHelperCodeTable) {
    const struct {
        long double code;
        int32_t step;
    } cases[] = {
        {0, 99},
        {1, 5},
        {2, 5},
        {3, 99},
        {4, 99},
        {5, 5},
        {6, 5},
        {7, 5},
        {8, 5},
        {9, 99},
        {10, 5},
        {11, 6},
        {12, 6},
        {13, 6},
        {20, 5},
        {-3, 5},
        {BusCode::ReservedStatus, 5},
    };
    for (const auto& c : cases) {
        TUSBREQ in;
        in.Step = 5;
        in.ErrorStep = 99;
        TUSBREQ out;
        KLineLayer::KLINE_StepOnErrorSkip(in, out, c.code);
        EXPECT_EQ(out.Step, c.step) << double(c.code);
    }
}

TEST_F(KLineTest, ResetRestoresTheAddresses) {
    EXPECT_EQ(k.testerAddress(), 0xF1);
    EXPECT_EQ(k.controlUnitAddress(), 0x9D);
    receive(adapterStatus(0x22));
    k.KLINE_Reset();
    EXPECT_EQ(k.failureCount(), 0);
}

}  // namespace
