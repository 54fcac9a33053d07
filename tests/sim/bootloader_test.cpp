// The simulated boot loader and the class-5 unit's way into it and back: the refusals a
// careless programming would meet (no session, no erase, chunks out of order, a wrong CRC, a
// start without a checked image) and the switch of the answering address.
#include <gtest/gtest.h>

#include "checksums.h"
#include "hex.h"
#include "kx3166unit.h"

namespace {

class SimBootLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { unit.attachClock(clock); }

    // The answer data (message ID first) of the unit at an address, or "none".
    ByteString ask(uint8_t address, const ByteString& data) {
        const auto a = unit.answer(SimSBusUnit::frameTelegram(address, 1, data, false));
        if (!a) return "none";
        EXPECT_EQ(static_cast<uint8_t>((*a)[1]), address);
        return hexOf(a->substr(3, a->size() - 4));
    }
    ByteString loader(const char* hex) { return ask(3, H(hex)); }
    ByteString loader(const ByteString& data) { return ask(3, data); }
    static ByteString key(uint8_t sub) {
        return ByteString{'\x9B', static_cast<char>(sub)} + "KX3166EXIT";
    }
    static ByteString chunk(uint32_t n, const ByteString& bytes) {
        ByteString d{'\xA1', static_cast<char>(n), static_cast<char>(n >> 8),
                     static_cast<char>(n >> 16), static_cast<char>(n >> 24)};
        ByteString b = bytes;
        b.resize(64, '\0');
        return d + b;
    }
    static ByteString crcRequest(uint32_t crc) {
        return ByteString{'\x9A',
                          '\0',
                          static_cast<char>(crc),
                          static_cast<char>(crc >> 8),
                          static_cast<char>(crc >> 16),
                          static_cast<char>(crc >> 24)};
    }

    int64_t now = 1000;
    FunctionSimClock clock{[this] { return now; }};
    SimKX3166Unit unit;
};

}  // namespace

TEST_F(SimBootLoaderTest, ClassFiveSwitchesToItsBootLoaderAndBack) {
    EXPECT_EQ(loader("14"), "none") << "the application answers at 7 only";
    EXPECT_EQ(ask(7, key(1)), "00 02 9B ") << "only sub 0 leaves the application";
    EXPECT_EQ(ask(7, key(0)), "9B 00 00 ");
    EXPECT_TRUE(unit.inBootLoader());
    EXPECT_EQ(ask(7, H("14")), "none");
    EXPECT_EQ(loader("14"), hexOf("\x14"
                                  "0000000473800051"));
    EXPECT_EQ(loader("01"), "01 00 ") << "the poll is answered with its own ID";
    EXPECT_EQ(loader(key(3)), "00 04 9B ") << "no session yet";
    EXPECT_EQ(loader("1E 01 06 00 00 01"), "1E 01 ");

    // A start now: the application it has is whole, so it runs again.
    EXPECT_EQ(loader(key(1)), "9B 01 00 ");
    EXPECT_FALSE(unit.inBootLoader());
    EXPECT_EQ(ask(7, H("14")), hexOf("\x14"
                                     "0000000473800061"));
}

TEST_F(SimBootLoaderTest, TakesOnlyAWholeCheckedImage) {
    ask(7, key(0));
    loader("1E 01 06 00 00 01");
    EXPECT_EQ(loader("A0 00 00 01 00 50 00 00 00"), "A0 00 ") << "not erased";
    EXPECT_EQ(loader(key(4)), "9B 04 01 ") << "the second part needs the first";
    EXPECT_EQ(loader(key(3)), "9B 03 00 ");
    EXPECT_EQ(loader(key(4)), "9B 04 00 ");
    EXPECT_EQ(loader("A0 00 00 00 00 50 00 00 00"), "A0 00 ") << "below the application";
    EXPECT_EQ(loader("A0 00 00 01 00 50 00 00 00"), "A0 01 ");  // 80 bytes at 0x10000

    const ByteString image = ByteString(64, 'a') + ByteString(16, 'b');
    EXPECT_EQ(loader(chunk(2, image.substr(64))), "A1 00 ") << "out of order";
    EXPECT_EQ(loader(chunk(1, image.substr(0, 64))), "A1 01 ");
    EXPECT_EQ(loader("A2"), "A2 00 ") << "not complete";
    EXPECT_EQ(loader(chunk(2, image.substr(64))), "A1 01 ");
    EXPECT_EQ(loader("A2"), "A2 01 ");
    // the padding beyond the image is not part of it
    EXPECT_EQ(unit.bootLoader().software(0x10050), 0xFF);

    const uint32_t crc = TOOL_Crc32(0, image);
    EXPECT_EQ(loader(crcRequest(crc ^ 1)).substr(0, 6), "9A 00 ") << "a wrong CRC is refused";
    EXPECT_EQ(loader(key(1)), "9B 01 01 ") << "no start without a checked image";
    EXPECT_TRUE(unit.inBootLoader());
    EXPECT_EQ(loader(crcRequest(crc)).substr(0, 6), "9A 01 ");
    EXPECT_EQ(loader(key(1)), "9B 01 00 ");
    EXPECT_FALSE(unit.inBootLoader());
    EXPECT_EQ(unit.bootLoader().applicationLength(), 80u);
}

TEST_F(SimBootLoaderTest, UnitLeftInItsBootLoaderStaysThere) {
    unit.startInBootLoader();
    unit.wakeup();
    EXPECT_EQ(loader("14"), hexOf("\x14"
                                  "0000000473800051"));
    loader("1E 01 06 00 00 01");
    EXPECT_EQ(loader(key(1)), "9B 01 01 ");
    EXPECT_TRUE(unit.inBootLoader());
    EXPECT_EQ(loader("9E").substr(0, 6), "9E 02 ") << "fingerprint state: CRC or memory";
}
