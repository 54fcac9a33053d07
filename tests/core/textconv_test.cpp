#include "textconv.h"

#include <gtest/gtest.h>

#include "hex.h"

namespace {

TEST(HexToInt, Table) {
    const std::pair<const char*, int64_t> cases[] = {{"1f", 31},
                                                     {"1F", 31},
                                                     {"", -1},
                                                     {"G", -1},
                                                     {"7FFFFFFF", 0x7FFFFFFF},
                                                     {"80000000", -1},
                                                     {"FFFFFFFFFFFFFFFFFFFF", -1},
                                                     {" 1", -1},
                                                     {"0", 0}};
    for (auto [t, v] : cases) EXPECT_EQ(TOOL_HexToInt(t), v) << t;
}

TEST(HexText, BothDirections) {
    EXPECT_EQ(TOOL_BytesToHexText(H("01 AB 0F")), "01 AB 0F ");
    EXPECT_EQ(TOOL_BytesToHexText(""), "");
    EXPECT_EQ(TOOL_BytesToHex(H("01 AB 0F")), "01AB0F");
    EXPECT_EQ(TOOL_HexTextToBytes("01  a0 ff"), ByteString("\x01\xA0\xFF", 3));
    EXPECT_EQ(TOOL_HexTextToBytes("01 100"), "");
    EXPECT_EQ(TOOL_HexTextToBytes("01 zz"), "");
    EXPECT_EQ(TOOL_HexTextToBytes(""), "");
    EXPECT_EQ(TOOL_HexTextToBytes("   "), "");
    EXPECT_EQ(TOOL_HexTextToBytes("00"), ByteString("\0", 1));
}

TEST(Bcd, Table) {
    EXPECT_EQ(TOOL_BcdToInt(H("12 34")), 1234);
    EXPECT_EQ(TOOL_BcdToInt(H("1A")), -1);
    EXPECT_EQ(TOOL_BcdToInt(H("A1")), -1);
    EXPECT_EQ(TOOL_BcdToInt(""), 0);
    EXPECT_EQ(TOOL_BcdToInt(H("21 47 48 36 47")), 2147483647);
    EXPECT_EQ(TOOL_BcdToInt(H("21 47 48 36 48")), -1);  // beyond 32 bits
    EXPECT_EQ(TOOL_BcdToInt(H("99 99 99 99 99 99 99 99 99 99 99")), -1);
}

TEST(BinaryText, Table) {
    EXPECT_EQ(TOOL_BinTextToInt("0101"), 5);
    EXPECT_EQ(TOOL_BinTextToInt(""), 0);
    EXPECT_EQ(TOOL_BinTextToInt("012"), -1);
    EXPECT_EQ(TOOL_BinTextToInt(std::string(31, '1')), 0x7FFFFFFF);
    EXPECT_EQ(TOOL_BinTextToInt(std::string(32, '1')), -1);
    EXPECT_EQ(TOOL_BinTextToInt(std::string(100, '1')), -1);
    EXPECT_EQ(TOOL_IntToBinText(5, 4), "0101");
    EXPECT_EQ(TOOL_IntToBinText(16, 4), "0000");
    EXPECT_EQ(TOOL_IntToBinText(-1, 4), "0000");
    EXPECT_EQ(TOOL_IntToBinText(1, 64), std::string(63, '0') + "1");
    EXPECT_EQ(TOOL_IntToBinText(3, 0), "");
}

TEST(TextHelpers, Table) {
    EXPECT_EQ(TOOL_StripControl("a\tb\r\nc "), "abc ");
    EXPECT_EQ(TOOL_StripBlanks(" 1 2\t"), "12");
    EXPECT_EQ(TOOL_TextBeforeSemicolon("ab;cd;e"), "ab");
    EXPECT_EQ(TOOL_TextBeforeSemicolon("abc"), "abc");
    EXPECT_EQ(TOOL_DotToComma("1.5.6"), "1,5.6");
    EXPECT_EQ(TOOL_UpperAscii("ovrÜhfl"), "OVRÜHFL");
}

TEST(PadText, Table) {
    EXPECT_EQ(TOOL_PadText("ab", 5, 0), "ab   ");
    EXPECT_EQ(TOOL_PadText("ab", 5, 1), "   ab");
    EXPECT_EQ(TOOL_PadText("ab", 5, 2), " ab  ");
    EXPECT_EQ(TOOL_PadText("abcdef", 3, 1), "abc");
    EXPECT_EQ(TOOL_PadText("ab", 5, 3), "");
    EXPECT_EQ(TOOL_PadText("", 2, 0), "  ");
    EXPECT_EQ(TOOL_PadText("ab", 0, 0), "");
    EXPECT_EQ(TOOL_PadText("ab", -4, 1), "");
}

TEST(Temperature, FollowsUnit) {
    EXPECT_EQ(TOOL_TempToDisplay(100, TEMP_CELSIUS), 100);
    EXPECT_DOUBLE_EQ(static_cast<double>(TOOL_TempToDisplay(100, TEMP_FAHRENHEIT)), 212.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(TOOL_TempToDisplay(-40, TEMP_FAHRENHEIT)), -40.0);
}

TEST(FormatFloat, AlwaysDotSeparator) {
    EXPECT_EQ(TOOL_FormatFloat(12.345L, 1), "12.3");
    EXPECT_EQ(TOOL_FormatFloat(-50, 1), "-50.0");
    EXPECT_EQ(TOOL_FormatFloat(2.5L, 0), "2");
    EXPECT_EQ(TOOL_FormatFloatShortest(0.1L), "0.1");
}

}  // namespace
