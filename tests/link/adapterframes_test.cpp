#include "adapterframes.h"

#include <gtest/gtest.h>

#include "hex.h"

namespace {

struct FrameCase {
    const char* name;
    ByteString frame;
    const char* expected;
};

std::vector<FrameCase> workedFrames() {
    ByteString f1, f2, f3, f4, f5, f6, f7;
    AdapterFrameProtocol::ADP_BuildBusConfig(0, 3, 5, 20, 550, f1);
    AdapterFrameProtocol::ADP_BuildBusConfig(1, 6, 10, 0, 200, f2);
    AdapterFrameProtocol::ADP_BuildBusConfig(2, 5, 0, 10, 1000, f3);
    AdapterFrameProtocol::ADP_BuildWakeup(25, 50, f4);
    AdapterFrameProtocol::ADP_BuildWakeup(25, 175, f5);
    AdapterFrameProtocol::ADP_BuildBusTransfer(H("F4 03 51 0B"), f6);
    AdapterFrameProtocol::ADP_BuildBusTransfer(H("F4 02 10 10"), f7);
    return {
        {"config W-Bus", f1, "01 06 02 1E 05 50 05 53 06 0A 8D 03 72 56 04"},
        {"config K-Line", f2, "01 06 02 1E 05 51 06 0B 05 50 33 03 49 BF 04"},
        {"config S-Bus", f3, "01 06 02 1E 05 52 05 55 05 51 05 55 FF 03 70 1C 04"},
        {"wake-up 25/50", f4, "01 06 02 1F 1A 05 50 33 05 50 03 45 83 04"},
        {"wake-up 25/175", f5, "01 06 02 1F 1A 05 50 B3 05 50 03 C9 4F 04"},
        {"transfer", f6, "01 06 02 20 F4 05 53 51 0B 03 E6 34 04"},
        // a CRC byte in 00..05 is stuffed like data
        {"transfer stuffed CRC", f7, "01 06 02 20 F4 05 52 10 10 03 4D 05 54 04"},
    };
}

TEST(AdapterFrames, WorkedFramesByteForByte) {
    for (const auto& c : workedFrames()) EXPECT_EQ(hexOf(c.frame), hexOf(H(c.expected))) << c.name;
}

TEST(AdapterFrames, Stuffing) {
    ByteString out;
    AdapterFrameProtocol::ADP_Stuff(H("00 01 02 03 04 05 06"), out);
    EXPECT_EQ(hexOf(out), "05 50 05 51 05 52 05 53 05 54 05 55 06 ");
    AdapterFrameProtocol::ADP_Stuff("", out);
    EXPECT_EQ(out, "");
}

TEST(AdapterFrames, TimeConversionsAreLimitedNeverWrapped) {
    EXPECT_EQ(ADP_ConfigTimeC(1000), 255);
    EXPECT_EQ(ADP_ConfigTimeC(500), 128);
    EXPECT_EQ(ADP_ConfigTimeA(5), 6);
    EXPECT_EQ(ADP_ConfigTimeA(100000), 255);
    EXPECT_EQ(ADP_ConfigTimeB(20), 10);
    EXPECT_EQ(ADP_ConfigTimeB(0), 0);
    EXPECT_EQ(ADP_WakeupTime(25), 26);
    EXPECT_EQ(ADP_WakeupTime(1e9L), 65535);
    EXPECT_EQ(ADP_WakeupTime(-5), 0);
}

TEST(AdapterFrames, LongTelegramIsCutTo256Bytes) {
    ByteString telegram;
    for (int i = 0; i < 300; ++i) telegram.push_back(static_cast<char>(0x10 + i % 0x40));
    ByteString f300, f256;
    AdapterFrameProtocol::ADP_BuildBusTransfer(telegram, f300);
    AdapterFrameProtocol::ADP_BuildBusTransfer(telegram.substr(0, 256), f256);
    EXPECT_EQ(f300, f256);
}

TEST(AdapterFrames, CheckReplyFlipsTheBlinkEveryCall) {
    AdapterFrameProtocol p;
    int repaints = 0;
    p.onStatusBarRepaint = [&] { ++repaints; };
    EXPECT_TRUE(p.ADP_CheckBusConfigAck(H("86 1E")));
    EXPECT_EQ(p.ActivityBlink, 1);
    EXPECT_FALSE(p.ADP_CheckWakeupAck(H("06 1F 00")));
    EXPECT_EQ(p.ActivityBlink, 0);
    EXPECT_FALSE(p.ADP_CheckBusConfigAck(""));
    EXPECT_EQ(p.ActivityBlink, 1);
    EXPECT_EQ(repaints, 3);
}

// Only frames with the reply flag are replies: the PC's own frames, fed back by an echoing
// line or a loop-back cable, never pass as the adapter's acknowledgement or answer.
TEST(AdapterFrames, OnlyTheReplyFlagMakesAReply) {
    struct Case {
        const char* reply;
        bool configAck, wakeupAck, transfer;
    } cases[] = {
        {"86 1E", true, false, false},
        {"06 1E", false, false, false},
        {"06 1E 00 03 06 0A 8D", false, false, false},  // the PC's own bus configuration
        {"86 1F 00", false, true, false},
        {"06 1F 1A 00 33 00", false, false, false},  // the PC's own wake-up pattern
        {"86 20 20 4F", false, false, true},
        {"06 20 20 4F", false, false, false},
        {"06 20 F4 03 51 0B AD", false, false, false},  // the PC's own bus transfer
        {"86 1F", false, true, false},
        {"87 1E", false, false, false},
        {"86", false, false, false},
    };
    AdapterFrameProtocol p;
    for (const auto& c : cases) {
        EXPECT_EQ(p.ADP_CheckBusConfigAck(H(c.reply)), c.configAck) << c.reply;
        EXPECT_EQ(p.ADP_CheckWakeupAck(H(c.reply)), c.wakeupAck) << c.reply;
        EXPECT_EQ(p.ADP_CheckReply(6, 32, H(c.reply), 1), c.transfer) << c.reply;
    }
}

TEST(AdapterFrames, ParseBusReply) {
    struct Case {
        const char* reply;
        uint8_t invalid;
        long double value;
        const char* text;
    } cases[] = {
        {"86 20 20", 1, 0, ""},
        {"86 20 22 41", 1, 2, ""},
        {"86 20 20 41 42", 0, 0, "AB"},
        {"86 20 1F 41", 1, -1, ""},
        {"86 20 29", 1, 9, ""},
        {"86 1E 20 41", 1, 0, ""},
        {"86 20", 1, 0, ""},
        {"", 1, 0, ""},
        {"06 20 20 41", 1, 0, ""},
    };
    AdapterFrameProtocol p;
    for (auto& c : cases) {
        TResult r;
        r.Text = "stale";
        p.ADP_ParseBusReply(H(c.reply), r);
        EXPECT_EQ(r.Invalid, c.invalid) << c.reply;
        EXPECT_EQ(r.Value, c.value) << c.reply;
        EXPECT_EQ(r.Text, c.text) << c.reply;
    }
}

}  // namespace
