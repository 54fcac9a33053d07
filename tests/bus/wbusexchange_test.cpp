#include <gtest/gtest.h>

#include "busbench.h"
#include "wbuslayer.h"

namespace {

struct WBusTest : ::testing::Test {
    BusBench b;
    WBusLayer w{b.env};

    TResult receive(const ByteString& reply) {
        TResult r;
        w.WBUS_ReceiveAnswer(15, 4, reply, r);
        return r;
    }
    TResult receiveRaw(const ByteString& reply) {
        TResult r;
        w.WBUS_ReceiveRaw(reply, r);
        return r;
    }
};

// ---- sending -------------------------------------------------------------------------------

TEST_F(WBusTest, TelegramsByteForByte) {
    const struct {
        const char* payload;
        const char* telegram;
    } cases[] = {
        {"50 07", "F4 03 50 07 A0"},  // status page 7
        {"10", "F4 02 10 E6"},        // off
        {"51 0B", "F4 03 51 0B AD"},  // name
        {"", "F4 01 F5"},             // empty payload
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(w.WBUS_SendTelegram(15, 4, H(c.payload))) << c.payload;
        EXPECT_EQ(b.lastSent(), hexOf(H(c.telegram))) << c.payload;
        ByteString frame;
        AdapterFrameProtocol::ADP_BuildBusTransfer(H(c.telegram), frame);
        EXPECT_EQ(b.transport.frames.back(), frame) << c.payload;
        ASSERT_NE(b.lastLine(), nullptr);
        EXPECT_EQ(b.lastLine()->colour, LogColour::Blue);
        EXPECT_EQ(b.lastLine()->text, "TX: " + hexOf(H(c.telegram)));
    }
}

TEST_F(WBusTest, OwnAddressesForTheFreeTelegramWindow) {
    w.WBUS_SendTelegram(3, 9, H("10"));
    EXPECT_EQ(b.lastSent(), hexOf(xorAppended(H("39 02 10"))));
}

TEST_F(WBusTest, LongestPayloadMakesA256ByteFrameAndLongerIsCut) {
    const ByteString p253(253, '\x11');
    w.WBUS_SendTelegram(15, 4, p253);
    ByteString t = telegramOf(b.transport.frames.back());
    ASSERT_EQ(t.size(), 256u);
    EXPECT_EQ(static_cast<uint8_t>(t[1]), 254);
    w.WBUS_SendTelegram(15, 4, ByteString(300, '\x11'));
    EXPECT_EQ(telegramOf(b.transport.frames.back()), t);
}

TEST_F(WBusTest, SendReportsWhetherTheTransportTookTheFrame) {
    b.transport.accept = false;
    EXPECT_FALSE(w.WBUS_SendTelegram(15, 4, H("10")));
    EXPECT_FALSE(w.WBUS_SendRaw(H("09")));
    BusEnvironment none;
    WBusLayer alone(none);
    EXPECT_FALSE(alone.WBUS_SendTelegram(15, 4, H("10")));
}

TEST_F(WBusTest, RawRequests) {
    const struct {
        uint8_t command;
        TParamlist p;
        const char* telegram;
    } cases[] = {
        {0x03, params({0x12}), "03 12 11"}, {0x04, params({0x12, 0x34}), "04 12 34 22"},
        {0x05, params({0xFF}), "05 FF FA"}, {0x09, params({7}), "09 09"},
        {0x42, params({1, 2}), "00"},       // any other command: the single checksum byte
        {0x03, params({2.5}), "03 02 01"},  // rounded, halves to even
    };
    for (const auto& c : cases) {
        ByteString payload;
        EXPECT_TRUE(w.WBUS_BuildRawRequest(c.command, 0, c.p, payload));
        EXPECT_EQ(b.lastSent(), hexOf(H(c.telegram))) << int(c.command);
        EXPECT_EQ(payload, telegramOf(b.transport.frames.back()).substr(0, payload.size()));
    }
    w.WBUS_SendRaw(ByteString(300, '\x01'));
    EXPECT_EQ(telegramOf(b.transport.frames.back()).size(), 254u);
}

// ---- receiving -----------------------------------------------------------------------------

struct ReceiveCase {
    const char* name;
    ByteString reply;
    uint8_t invalid;
    int code;
    const char* text;  // hex of Text
    std::vector<RecordingLog::Line> lines;
};

std::vector<ReceiveCase> receiveCases() {
    const uint32_t R = LogColour::Red, G = LogColour::Green;
    return {
        {"accepted",
         adapterReply(H("4F 03 D0 07 9B")),
         0,
         0,
         "D0 07",
         {{G, "RX: 4F 03 D0 07 9B "}}},
        {"echo of the request",
         adapterReply(H("F4 03 D0 07 20")),
         1,
         7,
         "",
         {{G, "RX: F4 03 D0 07 20 "}, {R, "Fehler: Adresse"}}},
        {"length byte one too small",
         adapterReply(H("4F 02 D0 07 9A")),
         1,
         8,
         "",
         {{G, "RX: 4F 02 D0 07 9A "}, {R, "Fehler: Länge"}}},
        {"checksum",
         adapterReply(H("4F 03 D0 07 9C")),
         1,
         6,
         "",
         {{G, "RX: 4F 03 D0 07 9C "}, {R, "Fehler: Checksumme"}}},
        {"two bytes",
         adapterReply(H("4F 4F")),
         1,
         5,
         "",
         {{G, "RX: 4F 4F "}, {R, "Fehler: Länge"}}},
        {"no bus answer", adapterStatus(0x20), 1, 0, "", {{R, "Fehler: Daten"}}},
        {"not a transfer reply", H("86 1E 20 41"), 1, 0, "", {{R, "Fehler: Daten"}}},
        {"empty reply", ByteString(), 1, 0, "", {{R, "Fehler: Daten"}}},
        {"adapter could not send", adapterStatus(0x21), 1, 1, "", {{R, "Fehler: Senden"}}},
        {"time-out", adapterStatus(0x22), 1, 2, "", {{R, "Fehler: TimeOut"}}},
        {"time-out with bytes", H("86 20 22 41"), 1, 2, "", {{R, "Fehler: TimeOut"}}},
        {"init", adapterStatus(0x23), 1, 3, "", {{R, "Fehler: Init"}}},
        {"length", adapterStatus(0x24), 1, 4, "", {{R, "Fehler: Länge"}}},
        {"status 0x25 reserved", adapterStatus(0x25), 1, BusCode::ReservedStatus, "", {}},
        {"status 0x29 reserved", H("86 20 29 4F 03 D0 07 9B"), 1, BusCode::ReservedStatus, "", {}},
        {"status 0xFF reserved", adapterStatus(0xFF), 1, BusCode::ReservedStatus, "", {}},
        {"status 0x1F negative", adapterStatus(0x1F), 1, -1, "", {}},
        {"status 0x00 negative", adapterStatus(0x00), 1, -32, "", {}},
    };
}

TEST_F(WBusTest, AnswerChecksAndTheirLogLines) {
    for (const ReceiveCase& c : receiveCases()) {
        BusBench bench;
        WBusLayer layer(bench.env);
        TResult r;
        layer.WBUS_ReceiveAnswer(15, 4, c.reply, r);
        EXPECT_EQ(r.Invalid, c.invalid) << c.name;
        EXPECT_EQ(r.Value, c.code) << c.name;
        EXPECT_EQ(hexOf(r.Text), hexOf(H(c.text))) << c.name;
        ASSERT_EQ(bench.log.lines.size(), c.lines.size()) << c.name;
        for (size_t i = 0; i < c.lines.size(); ++i) {
            EXPECT_EQ(bench.log.lines[i].colour, c.lines[i].colour) << c.name;
            EXPECT_EQ(bench.log.lines[i].text, c.lines[i].text) << c.name;
        }
    }
}

TEST_F(WBusTest, FrameLongerThan255BytesIsRefused) {
    ByteString big = H("4F FF") + ByteString(253, '\x00');
    big = xorAppended(big);  // 256 bytes, otherwise well-formed
    EXPECT_EQ(receive(adapterReply(big)).Value, 5);
    const ByteString ok = xorAppended(H("4F FD") + ByteString(252, '\x00'));  // 255 bytes
    EXPECT_EQ(receive(adapterReply(ok)).Invalid, 0);
}

TEST_F(WBusTest, AnswerFromOtherAddresses) {
    TResult r;
    w.WBUS_ReceiveAnswer(3, 9, adapterReply(xorAppended(H("93 02 90"))), r);
    EXPECT_EQ(r.Invalid, 0);
    EXPECT_EQ(hexOf(r.Text), "90 ");
}

// ---- failure counter -----------------------------------------------------------------------

TEST_F(WBusTest, ThirdFailureInARowBecomesNine) {
    const ByteString bad = adapterReply(H("4F 03 D0 07 9C"));
    const ByteString good = adapterReply(H("4F 03 D0 07 9B"));
    std::vector<int> codes;
    for (const ByteString* reply :
         {&bad, &bad, &bad, &bad, &good, &bad, &bad, &good, &bad, &bad, &bad}) {
        const TResult r = receive(*reply);
        codes.push_back(r.Invalid ? static_cast<int>(r.Value) : -1);
    }
    EXPECT_EQ(codes, (std::vector<int>{6, 6, 9, 9, -1, 6, 6, -1, 6, 6, 9}));
    // code 9 has no log line of its own: the third bad frame logs RX and its checksum line only
    EXPECT_EQ(b.log.count("Fehler: Checksumme"), 9);
}

TEST_F(WBusTest, TimeOutsRepeatTheRequestUntilTheLimit) {
    TUSBREQ req;
    req.Step = 20;
    req.ErrorStep = 7;
    std::vector<int32_t> steps;
    for (int i = 0; i < 3; ++i) {
        const TResult r = receive(adapterStatus(0x22));
        WBusLayer::WBUS_StepOnErrorSkip(req, req, r.Value);
        steps.push_back(req.Step);
    }
    EXPECT_EQ(steps, (std::vector<int32_t>{20, 20, 7}));
    EXPECT_EQ(b.log.count("Fehler: TimeOut"), 3);
}

TEST_F(WBusTest, ReservedStatusCountsLikeAnyOtherFailure) {
    EXPECT_EQ(receive(adapterStatus(0x29)).Value, BusCode::ReservedStatus);
    EXPECT_EQ(receive(adapterStatus(0x29)).Value, BusCode::ReservedStatus);
    EXPECT_EQ(receive(adapterStatus(0x29)).Value, 9);
    EXPECT_TRUE(b.log.lines.empty());
}

TEST_F(WBusTest, EmptyPayloadDoesNotRestartTheCount) {
    const ByteString empty = adapterReply(H("4F 01 4E"));
    TResult r = receive(empty);
    EXPECT_EQ(r.Invalid, 0);
    EXPECT_EQ(r.Text, "");
    EXPECT_EQ(receive(empty).Invalid, 0);
    r = receive(empty);
    EXPECT_EQ(r.Invalid, 1);
    EXPECT_EQ(r.Value, 9);
    // and after two real failures an empty frame is the third
    w.WBUS_Reset();
    receive(adapterStatus(0x22));
    receive(adapterStatus(0x22));
    EXPECT_EQ(receive(empty).Value, 9);
}

TEST_F(WBusTest, NormalAndRawReceiveShareTheCounter) {
    EXPECT_EQ(receive(adapterStatus(0x22)).Value, 2);
    EXPECT_EQ(receiveRaw(adapterReply(H("03 07 05"))).Value, 6);
    EXPECT_EQ(receive(adapterStatus(0x22)).Value, 9);
    EXPECT_EQ(receiveRaw(adapterReply(H("03 07 04"))).Invalid, 0);
    EXPECT_EQ(w.failureCount(), 0);
}

TEST_F(WBusTest, ResetClearsTheCounter) {
    receive(adapterStatus(0x22));
    receive(adapterStatus(0x22));
    w.WBUS_Reset();
    EXPECT_EQ(receive(adapterStatus(0x22)).Value, 2);
}

// ---- raw frames ----------------------------------------------------------------------------

TEST_F(WBusTest, RawReceive) {
    const struct {
        const char* name;
        ByteString reply;
        uint8_t invalid;
        int code;
        const char* text;
        const char* errorLine;
    } cases[] = {
        {"accepted", adapterReply(H("03 07 04")), 0, 0, "03 07", nullptr},
        {"two bytes", adapterReply(H("07 07")), 0, 0, "07", nullptr},
        {"one byte", adapterReply(H("00")), 1, 5, "", "Fehler: Länge"},
        {"256 bytes", adapterReply(ByteString(256, '\x00')), 1, 5, "", "Fehler: Länge"},
        {"checksum", adapterReply(H("03 07 05")), 1, 6, "", "Fehler: Checksumme"},
        {"time-out", adapterStatus(0x22), 1, 2, "", "Fehler: TimeOut"},
    };
    for (const auto& c : cases) {
        BusBench bench;
        WBusLayer layer(bench.env);
        TResult r;
        layer.WBUS_ReceiveRaw(c.reply, r);
        EXPECT_EQ(r.Invalid, c.invalid) << c.name;
        EXPECT_EQ(r.Value, c.code) << c.name;
        EXPECT_EQ(hexOf(r.Text), hexOf(H(c.text))) << c.name;
        if (c.errorLine) {
            ASSERT_NE(bench.lastLine(), nullptr);
            EXPECT_EQ(bench.lastLine()->text, c.errorLine) << c.name;
            EXPECT_EQ(bench.lastLine()->colour, LogColour::Red) << c.name;
        } else {
            EXPECT_EQ(bench.log.lines.size(), 1u) << c.name;  // the RX line
        }
    }
}

TEST_F(WBusTest, RawReceiveChecked) {
    const struct {
        const char* name;
        ByteString reply;
        uint8_t length, first;
        uint8_t invalid;
        int code;
        const char* text;
    } cases[] = {
        {"accepted", adapterReply(H("03 07 04")), 1, 0x03, 0, 0, "07"},
        {"wrong first byte", adapterReply(H("03 07 04")), 1, 0x04, 1, 11, "03 07"},
        {"wrong length", adapterReply(H("03 07 04")), 2, 0x03, 1, 12, "03 07"},
        {"damaged", adapterReply(H("03 07 05")), 1, 0x03, 1, 6, ""},
    };
    for (const auto& c : cases) {
        BusBench bench;
        WBusLayer layer(bench.env);
        TResult r;
        layer.WBUS_ReceiveRawChecked(c.reply, c.length, c.first, r);
        EXPECT_EQ(r.Invalid, c.invalid) << c.name;
        EXPECT_EQ(r.Value, c.code) << c.name;
        EXPECT_EQ(hexOf(r.Text), hexOf(H(c.text))) << c.name;
    }
}

// ---- the decoders' checks ------------------------------------------------------------------

TEST_F(WBusTest, DecoderChecks) {
    const struct {
        const char* name;
        ByteString frame;
        uint8_t minimum, command, sub;
        uint8_t invalid;
        int code;
        const char* text;
    } cases[] = {
        {"accepted", H("4F 03 D0 07 9B"), 1, 0x50, 7, 0, 0, "07"},
        {"no sub expected", H("4F 03 D0 07 9B"), 1, 0x50, 255, 0, 0, "07"},
        {"empty payload", H("4F 01 4E"), 0, 0x50, 7, 1, 10, ""},
        {"refused", wbusAnswer(H("7F 50 33")), 1, 0x50, 7, 1, 11, "7F 50 33"},
        {"refusal alone", wbusAnswer(H("7F")), 1, 0x50, 7, 1, 11, "7F"},
        {"another command's refusal", wbusAnswer(H("7F 51 33")), 1, 0x50, 7, 1, 13, "7F 51 33"},
        {"another command's answer", wbusAnswer(H("D1 07")), 1, 0x50, 7, 1, 13, "D1 07"},
        {"request echoed as answer", wbusAnswer(H("50 07")), 1, 0x50, 7, 1, 13, "50 07"},
        {"not above the minimum", H("4F 03 D0 07 9B"), 2, 0x50, 7, 1, 12, "D0 07"},
        {"sub expected, none sent", wbusAnswer(H("D0")), 0, 0x50, 7, 1, 12, "D0"},
        {"command alone, no sub", wbusAnswer(H("D0")), 0, 0x50, 255, 0, 0, ""},
        {"other page", wbusAnswer(H("D0 08 01")), 1, 0x50, 7, 1, 13, "08 01"},
        {"other page, short", wbusAnswer(H("D0 08")), 4, 0x50, 7, 1, 13, "08"},
        {"damaged", H("4F 03 D0 07 9C"), 1, 0x50, 7, 1, 6, ""},
    };
    for (const auto& c : cases) {
        BusBench bench;
        WBusLayer layer(bench.env);
        TResult r;
        layer.receiveForDecoder(adapterReply(c.frame), c.minimum, c.command, c.sub, r);
        EXPECT_EQ(r.Invalid, c.invalid) << c.name;
        EXPECT_EQ(r.Value, c.code) << c.name;
        EXPECT_EQ(hexOf(r.Text), hexOf(H(c.text))) << c.name;
        // codes 10..13 are not logged: the RX line only
        if (c.code >= 10) {
            EXPECT_EQ(bench.log.lines.size(), 1u) << c.name;
        }
    }
}

// ---- step helpers --------------------------------------------------------------------------

TEST(WBusSteps, CodeTables) {
    // step 5, error step 99: S = stays (repeat), N = next, E = error step
    const struct {
        long double code;
        int32_t skip, plain;
    } cases[] = {
        {0, 99, 99},   {1, 5, 5},   {2, 5, 5},   {3, 99, 99}, {4, 99, 99},
        {5, 5, 5},     {6, 5, 5},   {7, 5, 5},   {8, 5, 5},   {9, 99, 99},
        {10, 5, 5},    {11, 6, 99}, {12, 6, 99}, {13, 6, 99}, {14, 5, 5},
        {20, 5, 5},    {27, 5, 5},  {-1, 5, 5},  {-32, 5, 5}, {BusCode::ReservedStatus, 5, 5},
        {11.5L, 5, 5},
    };
    for (const auto& c : cases) {
        TUSBREQ in;
        in.Step = 5;
        in.ErrorStep = 99;
        in.Active = 1;
        in.Reply = "x";
        TUSBREQ skip, plain;
        WBusLayer::WBUS_StepOnErrorSkip(in, skip, c.code);
        WBusLayer::WBUS_StepOnError(in, plain, c.code);
        EXPECT_EQ(skip.Step, c.skip) << double(c.code);
        EXPECT_EQ(plain.Step, c.plain) << double(c.code);
        EXPECT_EQ(skip.ErrorStep, 99);
        EXPECT_EQ(skip.Active, 1);
        EXPECT_EQ(skip.Reply, "x");
    }
}

// ---- memory areas --------------------------------------------------------------------------

TEST_F(WBusTest, AreaTable) {
    EXPECT_EQ(w.WBUS_GetAreaWordC(1), -1);
    w.WBUS_StoreArea(1, 3, 0x10, 0x20, 0x30, 0x40);
    EXPECT_EQ(w.areaMask(1), 8);
    EXPECT_EQ(w.WBUS_GetAreaWordA(1), 0x10);
    EXPECT_EQ(w.WBUS_GetAreaWordB(1), 0x20);
    EXPECT_EQ(w.WBUS_GetAreaWordC(1), 0x30);
    EXPECT_EQ(w.areaWordD(1), 0x40);
    EXPECT_EQ(w.WBUS_GetAreaWordC(2), -1);
    w.WBUS_StoreArea(4, 31, 1.5, 2.5, -7, 0);
    EXPECT_EQ(w.areaMask(4), INT32_MIN);
    EXPECT_EQ(w.WBUS_GetAreaWordA(4), 2);  // rounded, halves to even
    EXPECT_EQ(w.WBUS_GetAreaWordB(4), 2);
    EXPECT_EQ(w.WBUS_GetAreaWordC(4), -7);
    w.WBUS_StoreArea(4, 32, 0, 0, 0, 0);
    EXPECT_EQ(w.areaMask(4), 0);
    w.WBUS_StoreArea(4, 255, 0, 0, 0, 0);
    EXPECT_EQ(w.areaMask(4), 0);
    // areas outside 1..4 are ignored and read as unknown
    for (uint8_t area : {0, 5, 255}) {
        w.WBUS_StoreArea(area, 1, 1, 1, 1, 1);
        EXPECT_EQ(w.WBUS_GetAreaWordA(area), -1);
        EXPECT_EQ(w.WBUS_GetAreaWordB(area), -1);
        EXPECT_EQ(w.WBUS_GetAreaWordC(area), -1);
    }
    w.WBUS_Reset();
    EXPECT_EQ(w.WBUS_GetAreaWordC(1), -1);
    EXPECT_EQ(w.areaMask(1), -1);
    EXPECT_EQ(w.areaIndex(), 0);
}

}  // namespace
