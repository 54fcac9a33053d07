#include "kx3117unit.h"

#include <gtest/gtest.h>

#include "hex.h"

namespace {

class SimKX3117 : public ::testing::Test {
protected:
    void SetUp() override { unit.attachClock(clock); }

    // The answer payload to a request payload, as hex; "none" when the unit stays silent.
    ByteString ask(const ByteString& payload) {
        ByteString f{static_cast<char>(0xF4), static_cast<char>(payload.size() + 1)};
        f += payload;
        uint8_t x = 0;
        for (unsigned char b : f) x ^= b;
        f.push_back(static_cast<char>(x));
        const auto a = unit.answer(f);
        if (!a) return "none";
        EXPECT_EQ(static_cast<uint8_t>((*a)[0]), 0x4F);
        EXPECT_EQ(static_cast<uint8_t>((*a)[1]), a->size() - 2);
        uint8_t sum = 0;
        for (unsigned char b : *a) sum ^= b;
        EXPECT_EQ(sum, 0);
        return hexOf(a->substr(2, a->size() - 3));
    }
    ByteString ask(const char* payloadHex) { return ask(H(payloadHex)); }
    uint16_t statePage() {
        const ByteString a = H(ask("50 07").c_str());
        return static_cast<uint16_t>((static_cast<uint8_t>(a[2]) << 8) |
                                     static_cast<uint8_t>(a[3]));
    }

    int64_t now = 0;
    FunctionSimClock clock{[this] { return now; }};
    SimKX3117Unit unit;
};

TEST_F(SimKX3117, NameRefusalsAndSilence) {
    EXPECT_EQ(ask("51 0B"), "D1 0B 4B 58 33 31 31 37 20 20 ");
    EXPECT_EQ(ask("77"), "7F 77 33 ");
    EXPECT_EQ(ask("50 63"), "7F 50 33 ");
    EXPECT_EQ(ask("38 03"), "7F 38 33 ");
    // refusals and silence on demand, by the request's first bytes
    unit.refuseRequests(H("50 07"));
    unit.ignoreRequests(H("51"));
    EXPECT_EQ(ask("50 07"), "7F 50 33 ");
    EXPECT_NE(ask("50 02"), "7F 50 33 ");
    EXPECT_EQ(ask("51 0B"), "none");
    unit.clearRequestFaults();
    EXPECT_NE(ask("50 07"), "7F 50 33 ");
    unit.setSilent(true);
    EXPECT_EQ(ask("51 0B"), "none");
}

TEST_F(SimKX3117, HeatingRunsThroughItsPhasesAndOffEndsItInTheAfterRun) {
    EXPECT_EQ(statePage(), SimKX3117Unit::StateOff);
    EXPECT_EQ(ask("21 01"), "A1 01 ");
    EXPECT_EQ(ask("20 02"), "A0 02 ");
    EXPECT_TRUE(unit.heating());
    const struct {
        int64_t at;
        uint16_t state;
    } phases[] = {{5000, SimKX3117Unit::StatePreRun},
                  {12000, SimKX3117Unit::StateIgnition},
                  {20000, SimKX3117Unit::StateStabilising},
                  {30000, SimKX3117Unit::StateParking}};
    for (const auto& p : phases) {
        now = p.at;
        EXPECT_EQ(statePage(), p.state) << p.at;
    }
    // burning: flame lamp and heat output
    EXPECT_EQ(ask("50 03"), "D0 03 CD ");
    // the refresh keeps it going past its two minutes
    now = 100000;
    EXPECT_EQ(ask("44 20 00"), "C4 00 ");
    now = 200000;
    EXPECT_TRUE(unit.heating());
    EXPECT_EQ(ask("10"), "90 ");
    EXPECT_FALSE(unit.heating());
    EXPECT_EQ(statePage(), SimKX3117Unit::StateAfterRun);
    EXPECT_EQ(ask("44 20 00"), "C4 01 ");
    now += 30000;
    EXPECT_EQ(statePage(), SimKX3117Unit::StateOff);
}

TEST_F(SimKX3117, SwitchCommandsChangeTheUnit) {
    // supplementary heating, then its run ends without a refresh
    ask("21 02");
    ask("20 01");
    now = 40000;
    EXPECT_EQ(statePage(), SimKX3117Unit::StateSupplementary);
    now = 60000;
    EXPECT_FALSE(unit.heating());
    // the pump runs alone until off
    EXPECT_EQ(ask("22 02"), "A2 02 ");
    now = 100000;
    EXPECT_TRUE(unit.pumpRunning());
    EXPECT_EQ(statePage(), SimKX3117Unit::StatePump);
    EXPECT_EQ(ask("50 0F"), "D0 0F 00 00 00 00 FF ");
    ask("10");
    EXPECT_FALSE(unit.pumpRunning());
    EXPECT_EQ(ask("44 22 00"), "C4 01 ");
    // economy modes show in page 2
    const struct {
        const char* request;
        uint8_t mode;
        const char* page2;
    } modes[] = {{"23 02", 2, "D0 02 01 00 01 00 01 "},
                 {"23 03", 3, "D0 02 01 00 00 10 01 "},
                 {"23 01", 1, "D0 02 01 00 00 00 01 "}};
    for (const auto& m : modes) {
        ask(m.request);
        EXPECT_EQ(unit.economyMode(), m.mode);
        EXPECT_EQ(ask("50 02"), m.page2);
    }
    for (const char* bad : {"23 04", "20 00", "21 03", "22", "44 20"})
        EXPECT_EQ(ask(bad).substr(0, 3), "7F ") << bad;
}

TEST_F(SimKX3117, ErrorMemoryByIndexAndDelete) {
    EXPECT_EQ(ask("56 01"), "D6 01 03 09 02 0A 01 10 04 ");
    // entry 1: hours little-endian (1201 = 04B1), then the time after start
    EXPECT_EQ(ask("56 02 01"), "D6 02 09 01 02 10 00 44 2F 44 B1 04 11 00 00 05 ");
    EXPECT_EQ(ask("56 02 03").substr(0, 9), "D6 02 10 ");
    EXPECT_EQ(ask("56 02 04"), "7F 56 33 ");
    EXPECT_EQ(ask("56 02 00"), "7F 56 33 ");
    EXPECT_EQ(ask("56 03"), "D6 03 ");
    EXPECT_TRUE(unit.errors().empty());
    EXPECT_EQ(ask("56 01"), "D6 01 00 ");
}

TEST_F(SimKX3117, AreasDescribeTheEolMemoryWithItsChecksums) {
    const SimKX3117Memory& m = unit.memory();
    for (uint8_t area : {1, 2}) {
        const ByteString a = H(ask(ByteString{0x38, static_cast<char>(area)}).c_str());
        ASSERT_EQ(a.size(), 10u);
        auto word = [&](size_t at) {
            return static_cast<uint16_t>((static_cast<uint8_t>(a[at]) << 8) |
                                         static_cast<uint8_t>(a[at + 1]));
        };
        const SimKX3117Memory::Area expected =
            area == 1 ? SimKX3117Memory::Area1 : SimKX3117Memory::Area2;
        EXPECT_EQ(static_cast<uint8_t>(a[1]), area);
        EXPECT_EQ(word(2), expected.first);
        EXPECT_EQ(word(4), expected.last);
        const uint16_t c = word(6);
        EXPECT_EQ(c, expected.last - 1);
        // the sum of A..B-2 is stored at C (low byte) and C + 1
        EXPECT_EQ(m.storedChecksum(expected), m.areaSum(expected));
        EXPECT_EQ(m.eol()[c] | (m.eol()[c + 1] << 8), m.areaSum(expected));
    }
}

TEST_F(SimKX3117, SingleEolCells) {
    const uint8_t old = unit.memory().eol()[0x10];
    EXPECT_EQ(ask("32 00 10"), "B2 00 10 " + hexOf(ByteString(1, static_cast<char>(old))));
    EXPECT_EQ(ask("33 00 10 5A"), "B3 00 10 5A ");
    EXPECT_EQ(ask("32 00 10"), "B2 00 10 5A ");
    EXPECT_EQ(unit.memory().eol()[0x10], 0x5A);
    // writing a cell leaves the checksum to the tester
    EXPECT_NE(unit.memory().storedChecksum(SimKX3117Memory::Area1),
              unit.memory().areaSum(SimKX3117Memory::Area1));
    for (const char* bad : {"32 01 00", "33 01 00 01", "32 00", "33 00 10"})
        EXPECT_EQ(ask(bad).substr(0, 3), "7F ") << bad;
}

TEST_F(SimKX3117, EolBlocksWithinAMemorySession) {
    EXPECT_EQ(ask("48 03 00 00 0F"), "7F 48 33 ");  // no session open
    EXPECT_EQ(ask("48 01 07"), "C8 01 07 ");
    ByteString read = H(ask("48 03 00 F0 0F").c_str());
    ASSERT_EQ(read.size(), 5u + 16u);
    EXPECT_EQ(hexOf(read.substr(0, 5)), "C8 03 00 F0 0F ");
    for (size_t i = 0; i < 16; ++i)
        EXPECT_EQ(static_cast<uint8_t>(read[5 + i]), unit.memory().eol()[0xF0 + i]);
    EXPECT_EQ(ask("48 04 00 20 02 11 22 33"), "C8 04 00 20 02 ");
    EXPECT_EQ(unit.memory().eol()[0x22], 0x33);
    for (const char* bad : {"48 03 00 F8 0F", "48 04 00 20 02 11 22", "48 04 01 00 00 01"})
        EXPECT_EQ(ask(bad), "7F 48 33 ") << bad;
    EXPECT_EQ(ask("48 02 00"), "C8 02 13 ");
    EXPECT_EQ(ask("48 09"), "C8 09 00 ");
    EXPECT_FALSE(unit.memory().sessionOpen());
    EXPECT_EQ(ask("48 04 00 20 00 01"), "7F 48 33 ");
}

TEST_F(SimKX3117, SoftwareIsErasedAndWrittenInProgrammingMode) {
    ask("48 01 07");
    EXPECT_EQ(ask("48 14 00 00 E0 00 00 00 FF FF"), "7F 48 33 ");  // not in programming mode
    EXPECT_EQ(ask("42 0B 00"), "C2 0B ");
    EXPECT_TRUE(unit.memory().programming());
    EXPECT_EQ(ask("48 14 00 00 E0 00 00 00 FF FF"), "C8 14 01 ");
    EXPECT_EQ(unit.memory().software(0xE000), 0xFF);
    EXPECT_EQ(ask("48 02"), "C8 02 10 ");
    EXPECT_EQ(ask("48 14 00 00 D0 00 00 00 FF FF"), "C8 14 00 ");  // below the software
    EXPECT_EQ(ask("48 11 00 00 E0 00 00 03 FF FF"), "C8 11 01 ");
    // a block of four bytes at 0x1E080, echoed by its address
    EXPECT_EQ(ask("48 13 00 01 E0 80 03 01 02 03 04"), "C8 13 00 01 E0 80 ");
    EXPECT_EQ(unit.memory().software(0x1E083), 0x04);
    EXPECT_EQ(ask("48 02"), "C8 02 10 ");
    // the block with 0xE600..0xE603 completes the software
    ByteString special = H("48 13 00 00 E6 00 7F");
    special += ByteString(128, '\x77');
    EXPECT_EQ(ask(special), "C8 13 00 00 E6 00 ");
    EXPECT_EQ(ask("48 02"), "C8 02 13 ");
    for (const char* bad :
         {"48 13 00 00 E0 00 01 AA", "48 12 00 00 E0 00 01", "48 23 00 00 E0 00 00 AA", "48 63"})
        EXPECT_EQ(ask(bad), "7F 48 33 ") << bad;
    EXPECT_EQ(ask("42 0A 00"), "C2 0A ");
    EXPECT_FALSE(unit.memory().programming());
    EXPECT_EQ(ask("42 01 00 0B B8"), "7F 42 33 ");
}

}  // namespace
