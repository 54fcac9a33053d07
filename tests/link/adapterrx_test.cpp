#include "adapterrx.h"

#include <gtest/gtest.h>

#include "adapterframes.h"
#include "checksums.h"
#include "hex.h"

namespace {

// Feeds the bytes and collects the frames handed out.
std::vector<ByteString> feedAll(AdapterRxParser& p, const ByteString& bytes) {
    std::vector<ByteString> frames;
    for (unsigned char b : bytes)
        if (auto f = p.feed(b)) frames.push_back(*f);
    return frames;
}

// A reply frame as the adapter sends it (command 86).
ByteString replyFrame(const char* dataHex) {
    ByteString f;
    AdapterFrameProtocol::ADP_BuildFrame(0x86, H(dataHex), f);
    return f;
}

ByteString withCrc(const ByteString& body) {
    const uint16_t crc = TOOL_Crc16(body);
    return body + static_cast<char>(crc >> 8) + static_cast<char>(crc & 0xFF);
}

TEST(AdapterRxParser, FramesAndTheirEdges) {
    const ByteString ack = withCrc(H("86 1E"));  // 86 1E plus a CRC that needs no stuffing
    ASSERT_GT(static_cast<uint8_t>(ack[2]), 5);
    ASSERT_GT(static_cast<uint8_t>(ack[3]), 5);
    const ByteString good = H("01 86 02 1E 03") + ack.substr(2) + H("04");
    struct Case {
        const char* name;
        ByteString bytes;
        std::vector<ByteString> frames;
    } cases[] = {
        {"acknowledgement", good, {H("86 1E")}},
        {"end before data, then afresh", H("01 86 04") + good, {H("86 1E")}},
        {"bad CRC", H("01 86 02 1E 03 00 00 04"), {}},
        {"no end-of-data marker", H("01 86 02 1E") + ack.substr(2) + H("04"), {}},
        {"too short for a CRC", H("01 86 02 03 04"), {}},
        {"noise before the start", H("33 44 04 02 03") + good, {H("86 1E")}},
        {"two frames", good + good, {H("86 1E"), H("86 1E")}},
        {"stuffed data", replyFrame("20 20 01 02 03 04 05 00"), {H("86 20 20 01 02 03 04 05 00")}},
        {"reply split by noise", H("01 86 02 1E 33") + good, {H("86 1E")}},
    };
    for (auto& c : cases) {
        AdapterRxParser p;
        EXPECT_EQ(feedAll(p, c.bytes), c.frames) << c.name;
    }
}

// Every frame the builder makes reads back, stuffed CRC bytes included.
TEST(AdapterRxParser, ReadsBackEveryBuiltFrame) {
    AdapterRxParser p;
    int stuffedCrc = 0;
    for (int b = 0; b < 256; ++b) {
        const ByteString body = H("86 20") + static_cast<char>(b);
        const uint16_t crc = TOOL_Crc16(body);
        stuffedCrc += (crc >> 8) <= 5 || (crc & 0xFF) <= 5;
        ByteString f;
        AdapterFrameProtocol::ADP_BuildFrame(0x86, body.substr(1), f);
        EXPECT_EQ(feedAll(p, f), std::vector<ByteString>{body}) << b;
    }
    EXPECT_GT(stuffedCrc, 0);
}

TEST(AdapterRxParser, EscapeRules) {
    AdapterRxParser p;
    feedAll(p, H("01 86 02 05 51"));
    EXPECT_EQ(p.buffer(), H("86 01")) << "05 51 is the byte 01";
    feedAll(p, H("01 86 02 05 05 51"));
    EXPECT_EQ(p.buffer(), H("86 B5 51")) << "the second 05 is the escaped byte";
    feedAll(p, H("01 86 05 02"));
    EXPECT_EQ(p.buffer(), H("86"));
    EXPECT_EQ(p.state(), 1) << "05 02 moves the state like a plain 02";
    EXPECT_TRUE(p.escapePending());
    feedAll(p, H("55"));
    EXPECT_EQ(p.buffer(), H("86 05"));
}

TEST(AdapterRxParser, BytesAfterTheEndCollectUntilTheNextStart) {
    AdapterRxParser p;
    const ByteString body = H("86 20 20 4F");
    ByteString frame = H("01");
    frame +=
        body.substr(0, 1) + H("02") + body.substr(1) + H("03") + withCrc(body).substr(4) + H("04");
    EXPECT_EQ(feedAll(p, frame).size(), 1u);
    EXPECT_EQ(p.state(), 3);
    feedAll(p, H("41 42"));
    EXPECT_EQ(p.buffer(), body + H("41 42"));
    EXPECT_TRUE(feedAll(p, H("03 04")).empty()) << "state 3 delivers nothing";
    feedAll(p, H("01"));
    EXPECT_TRUE(p.buffer().empty());
}

TEST(AdapterRxParser, DiscardForgetsAllAndWaitsForTheNextStart) {
    AdapterRxParser p;
    const ByteString ack = withCrc(H("86 1E"));
    feedAll(p, H("01 86 02 1E 05"));
    ASSERT_TRUE(p.escapePending());
    p.discard();
    EXPECT_TRUE(p.buffer().empty());
    EXPECT_FALSE(p.escapePending());
    EXPECT_EQ(p.state(), 3);
    // The rest of a frame whose start was thrown away makes no frame.
    EXPECT_TRUE(feedAll(p, H("02 86 1E 03") + ack.substr(2) + H("04")).empty());
    EXPECT_EQ(feedAll(p, H("01 86 02 1E 03") + ack.substr(2) + H("04")).size(), 1u);
}

TEST(AdapterRxParser, BufferIsBounded) {
    AdapterRxParser p;
    for (int i = 0; i < 200000; ++i) {
        p.feed(0x33);
        ASSERT_LE(p.buffer().size(), AdapterRxParser::MaxBuffer);
    }
    const ByteString ack = withCrc(H("86 1E"));
    EXPECT_EQ(feedAll(p, H("01 86 02 1E 03") + ack.substr(2) + H("04")).size(), 1u);
}

}  // namespace
