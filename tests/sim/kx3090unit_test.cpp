#include "kx3090unit.h"

#include <gtest/gtest.h>

#include "hex.h"

namespace {

// Frames a request payload as the tester sends it: F4, length, payload, XOR.
ByteString request(const char* payloadHex) {
    const ByteString p = H(payloadHex);
    ByteString f;
    f.push_back(static_cast<char>(0xF4));
    f.push_back(static_cast<char>(p.size() + 1));
    f += p;
    uint8_t x = 0;
    for (unsigned char b : f) x ^= b;
    f.push_back(static_cast<char>(x));
    return f;
}

class SimKX3090 : public ::testing::Test {
protected:
    void SetUp() override { unit.attachClock(clock); }
    int64_t now = 0;
    FunctionSimClock clock{[this] { return now; }};
    SimKX3090Unit unit;

    ByteString ask(const char* payloadHex) {
        auto a = unit.answer(request(payloadHex));
        return a ? *a : ByteString("none");
    }
};

TEST_F(SimKX3090, AnswersNameWithValidFrame) {
    const ByteString a = ask("51 0B");
    EXPECT_EQ(hexOf(a), "4F 0B D1 0B 4B 58 33 30 39 30 20 20 87 ") << hexOf(a);
    uint8_t x = 0;
    for (unsigned char b : a) x ^= b;
    EXPECT_EQ(x, 0);
}

TEST_F(SimKX3090, IgnoresDamagedRequestsAndRefusesUnknownOnes) {
    ByteString bad = request("51 0B");
    bad.back() ^= 1;
    EXPECT_FALSE(unit.answer(bad));
    EXPECT_FALSE(unit.answer(H("F4")));
    // unknown command and unknown page: an answer that is not cmd | 0x80
    EXPECT_EQ(static_cast<uint8_t>(ask("77")[2]), 0x7F);
    EXPECT_EQ(static_cast<uint8_t>(ask("50 63")[2]), 0x7F);
    unit.setSilent(true);
    EXPECT_EQ(ask("51 0B"), "none");
}

TEST_F(SimKX3090, PumpCommandChangesStateUntilOffOrExpiry) {
    EXPECT_EQ(unit.stateWord(), SimKX3090Unit::StateOff);
    EXPECT_EQ(hexOf(ask("24 3C").substr(2, 2)), "A4 3C ");
    EXPECT_TRUE(unit.pumpRunning());
    EXPECT_EQ(unit.stateWord(), SimKX3090Unit::StatePump);
    // page 7 carries the state word, page 3 the pump lamp
    EXPECT_EQ(hexOf(ask("50 07").substr(4, 2)), "4D 00 ");
    EXPECT_EQ(static_cast<uint8_t>(ask("50 03")[4]), 0x08);
    now += 30000;
    EXPECT_EQ(static_cast<uint8_t>(ask("44 24 00")[3]), 0);  // refresh keeps it running
    now += 80000;
    EXPECT_FALSE(unit.pumpRunning());
    EXPECT_EQ(static_cast<uint8_t>(ask("44 24 00")[3]), 1);  // nothing left to refresh
    ask("24 3C");
    ask("10");
    EXPECT_FALSE(unit.pumpRunning());
}

TEST_F(SimKX3090, ErrorMemoryListsEntriesAndClears) {
    const ByteString list = ask("56 01");
    ASSERT_GE(list.size(), 6u);
    EXPECT_EQ(static_cast<uint8_t>(list[4]), 3);  // count
    EXPECT_EQ(static_cast<uint8_t>(list[5]), 0x03);
    const ByteString entry = ask("56 02 84");
    EXPECT_EQ(static_cast<uint8_t>(entry[2]), 0xD6);
    EXPECT_EQ(entry.size(), 2u + 13u + 1u);
    EXPECT_EQ(static_cast<uint8_t>(ask("56 02 99")[2]), 0x7F);
    ask("56 03");
    EXPECT_TRUE(unit.errors().empty());
    EXPECT_EQ(static_cast<uint8_t>(ask("56 01")[4]), 0);
}

TEST_F(SimKX3090, KeepsOnlyTheNewestRequests) {
    // Hours on the simulator must not grow its record of requests without end.
    for (size_t i = 0; i < SimKX3090Unit::ReceivedKept + 10; ++i) ask("50 02");
    ask("50 07");
    EXPECT_EQ(unit.received().size(), SimKX3090Unit::ReceivedKept);
    EXPECT_EQ(unit.received().back(), H("50 07"));
}

TEST_F(SimKX3090, ValuesDriftOverTime) {
    const ByteString a = ask("50 05");
    now += 20000;
    const ByteString b = ask("50 05");
    EXPECT_NE(a.substr(5, 2), b.substr(5, 2));  // supply voltage moved
}

}  // namespace
