#include "checksums.h"

#include <gtest/gtest.h>

#include "hex.h"

namespace {

TEST(Crc16, KnownValues) {
    EXPECT_EQ(TOOL_Crc16(""), 0);
    EXPECT_EQ(TOOL_Crc16("abc"), 0x58E9);
    EXPECT_EQ(TOOL_Crc16("123456789"), 0x2189);
}

TEST(Checksum8, KnownValues) {
    EXPECT_EQ(TOOL_Checksum8(""), 0xFF);
    EXPECT_EQ(TOOL_Checksum8("abc"), 0xD8);
    EXPECT_EQ(TOOL_Checksum8(H("FF 02")), 0xFD);
}

TEST(Crc32, StandardAndChainable) {
    EXPECT_EQ(TOOL_Crc32(0, ""), 0u);
    EXPECT_EQ(TOOL_Crc32(0, "123456789"), 0xCBF43926u);
    const ByteString text = "The diagnosis adapter talks in frames.";
    const uint32_t whole = TOOL_Crc32(0, text);
    for (size_t split = 0; split <= text.size(); ++split) {
        const uint32_t a = TOOL_Crc32(0, text.substr(0, split));
        EXPECT_EQ(TOOL_Crc32(a, text.substr(split)), whole) << split;
    }
}

}  // namespace
