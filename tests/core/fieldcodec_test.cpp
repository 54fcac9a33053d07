#include "fieldcodec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "hex.h"
#include "rounding.h"

namespace {

struct DecodeCase {
    const char* data;
    int position;
    int code;
    uint8_t invalid;
    long double value;
    const char* text;
};

void PrintTo(const DecodeCase& c, std::ostream* os) {
    *os << c.data << " @" << c.position << " #" << c.code;
}

class DecodeField : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeField, GivesValueTextAndValidity) {
    const DecodeCase& c = GetParam();
    TResult r;
    r.Text = "stale";
    r.Value = 99;
    TOOL_DecodeField(c.position, static_cast<TFieldTypeCode>(c.code), H(c.data), r);
    EXPECT_EQ(r.Invalid, c.invalid);
    EXPECT_EQ(r.Value, c.value);
    EXPECT_EQ(r.Text, ByteString(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Table, DecodeField,
    ::testing::Values(
        // field past the end stays cleared; inside it decodes little-endian
        DecodeCase{"01 02 03", 3, 10, 1, 0, ""}, DecodeCase{"01 02 03", 2, 10, 0, 0x0302, ""},
        // position below 1 never reads before the data
        DecodeCase{"01 02 03", 0, 8, 1, 0, ""}, DecodeCase{"01 02 03", -5, 10, 1, 0, ""},
        DecodeCase{"", 1, 8, 1, 0, ""}, DecodeCase{"FF", 1, 9, 0, -1, ""},
        DecodeCase{"FF", 1, 8, 0, 255, ""}, DecodeCase{"FF FE", 1, 21, 0, -2, ""},
        DecodeCase{"FE FF", 1, 11, 0, -2, ""}, DecodeCase{"12 34", 1, 20, 0, 0x1234, ""},
        DecodeCase{"FF FF FF FF", 1, 12, 0, 4294967295.0L, ""},
        DecodeCase{"FF FF FF FF", 1, 13, 0, -1, ""},
        DecodeCase{"12 34 56 78", 1, 22, 0, 0x12345678, ""},
        DecodeCase{"FF FF FF FE", 1, 23, 0, -2, ""}, DecodeCase{"00 00 80 3F", 1, 14, 0, 1.0L, ""},
        DecodeCase{"FF FF FF FF", 1, 14, 0, TOOL_SingleNoValue, ""},
        DecodeCase{"FF FF FF FF FF FF FF FF", 1, 15, 0, TOOL_DoubleNoValue, ""},
        DecodeCase{"00 00 00 00 00 00 F0 3F", 1, 15, 0, 1.0L, ""},
        // bits: value, Bit and text agree
        DecodeCase{"08", 1, 3, 0, 1, "1"}, DecodeCase{"F7", 1, 3, 0, 0, "0"},
        // bit fields: 83 has hi 2 < lo 3 and gives 0; 0x5A is bits 2..3
        DecodeCase{"FF", 1, 83, 0, 0, ""}, DecodeCase{"0C", 1, 0x5A, 0, 3, ""},
        DecodeCase{"08", 1, 0x5A, 0, 2, ""},
        // raw text, zero bytes included
        DecodeCase{"41 42", 1, 131, 1, 0, ""},
        // types without a value
        DecodeCase{"01 02 03 04", 1, 24, 0, 0, ""}, DecodeCase{"01", 1, 50, 0, 0, ""}));

TEST(DecodeField, RawTextKeepsZeroBytes) {
    TResult r;
    TOOL_DecodeField(2, 131, H("FF 41 00 42"), r);
    EXPECT_EQ(r.Invalid, 0);
    EXPECT_EQ(r.Text, std::string("A\0B", 3));
    EXPECT_EQ(r.Bit, 0);
}

TEST(DecodeField, SixtyFourBitIntegersAndMarkersStayExact) {
    // The value type holds every 64-bit integer and the float markers compare equal.
    const long double big = 9007199254740993.0L;  // 2^53 + 1, not a double
    EXPECT_EQ(static_cast<int64_t>(big), 9007199254740993LL);
    TResult r;
    TOOL_DecodeField(1, 14, H("FF FF FF FF"), r);
    EXPECT_TRUE(r.Value == TOOL_SingleNoValue);
    EXPECT_EQ(r.Invalid, 0);
}

struct EncodeCase {
    int code;
    long double value;
    uint8_t bit;
    const char* text;
    int oldByte;  // -1 = none
    const char* bytes;
};

void PrintTo(const EncodeCase& c, std::ostream* os) {
    *os << "#" << c.code << " -> " << c.bytes;
}

class EncodeField : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeField, WritesBytes) {
    const EncodeCase& c = GetParam();
    TResult v;
    v.Value = c.value;
    v.Bit = c.bit;
    v.Text = c.text;
    ByteString out;
    std::optional<uint8_t> old;
    if (c.oldByte >= 0) old = static_cast<uint8_t>(c.oldByte);
    TOOL_EncodeField(static_cast<TFieldTypeCode>(c.code), v, old, out);
    EXPECT_EQ(hexOf(out), hexOf(H(c.bytes)));
}

INSTANTIATE_TEST_SUITE_P(
    Table, EncodeField,
    ::testing::Values(
        EncodeCase{3, 0, 1, "", 0xF0, "F8"}, EncodeCase{3, 0, 0, "", 0xFF, "F7"},
        EncodeCase{3, 0, 1, "", -1, "08"}, EncodeCase{64 + (5 << 3) + 4, 3, 0, "", 0xFF, "FF"},
        EncodeCase{64 + (5 << 3) + 4, 1, 0, "", 0x00, "10"},
        EncodeCase{64 + (5 << 3) + 4, 1, 0, "", 0xCF, "DF"},
        EncodeCase{131, 0, 0, "AB", -1, "41 42 00"}, EncodeCase{131, 0, 0, "ABCD", -1, "41 42 43"},
        EncodeCase{131, 0, 0, "", -1, "00"},
        // halves to even
        EncodeCase{8, 2.5L, 0, "", -1, "02"}, EncodeCase{8, 3.5L, 0, "", -1, "04"},
        EncodeCase{8, -1, 0, "", -1, "FF"}, EncodeCase{8, 256, 0, "", -1, "00"},
        EncodeCase{10, 0x1234, 0, "", -1, "34 12"}, EncodeCase{20, 0x1234, 0, "", -1, "12 34"},
        EncodeCase{30, 0x1234, 0, "", -1, "12 34"},
        EncodeCase{12, 0x12345678, 0, "", -1, "78 56 34 12"},
        EncodeCase{22, 0x12345678, 0, "", -1, "12 34 56 78"},
        EncodeCase{14, 1.0L, 0, "", -1, "00 00 80 3F"},
        // beyond the single range it is clamped, not infinite
        EncodeCase{14, 1e39L, 0, "", -1, "9E C9 7F 7F"}, EncodeCase{24, 5, 0, "", -1, ""},
        EncodeCase{50, 5, 0, "", -1, ""}));

TEST(EncodeField, NaNAndHugeValuesSaturateInsteadOfUndefinedConversion) {
    ByteString out;
    TResult v;
    v.Value = std::numeric_limits<long double>::quiet_NaN();
    TOOL_EncodeField(10, v, std::nullopt, out);
    EXPECT_EQ(hexOf(out), "00 00 ");
    out.clear();
    v.Value = 1e30L;
    TOOL_EncodeField(12, v, std::nullopt, out);
    EXPECT_EQ(hexOf(out), "FF FF FF FF ");  // low 32 bits of the saturated 64-bit value
}

TEST(Rounding, HalvesToEvenSaturatingNaNZero) {
    EXPECT_EQ(TOOL_Round<int32_t>(2.5L), 2);
    EXPECT_EQ(TOOL_Round<int32_t>(3.5L), 4);
    EXPECT_EQ(TOOL_Round<int32_t>(-2.5L), -2);
    EXPECT_EQ(TOOL_Round<int32_t>(2.4999L), 2);
    EXPECT_EQ(TOOL_Round<int32_t>(std::numeric_limits<long double>::quiet_NaN()), 0);
    EXPECT_EQ(TOOL_Round<int32_t>(std::numeric_limits<long double>::infinity()), INT32_MAX);
    EXPECT_EQ(TOOL_Round<int32_t>(-1e300L), INT32_MIN);
    EXPECT_EQ(TOOL_Round<uint8_t>(300), 255);
    EXPECT_EQ(TOOL_Round<uint8_t>(-3), 0);
    EXPECT_EQ(TOOL_Round<int64_t>(9223372036854775807.0L), INT64_MAX);
}

TEST(ByteHelpers, IntegersFloatsBitsPowers) {
    EXPECT_EQ(TOOL_BytesToIntLE(H("FF")), -1);
    EXPECT_EQ(TOOL_BytesToIntLE(H("FE FF")), -2);
    EXPECT_EQ(TOOL_BytesToIntLE(H("01 00 00 80")), INT32_MIN + 1);
    EXPECT_EQ(TOOL_BytesToIntLE(H("01 02 03")), 0);
    ByteString out = "keep";
    TOOL_IntToBytesLE(0x0102, 3, out);
    EXPECT_EQ(out, "keep");
    TOOL_IntToBytesLE(0x0102, 2, out);
    EXPECT_EQ(hexOf(out), "02 01 ");
    EXPECT_EQ(TOOL_BytesToFloat(H("01 02 03")), 0);
    EXPECT_EQ(TOOL_FloatToBytes(3, 1.0L), "");
    EXPECT_EQ(hexOf(TOOL_FloatToBytes(8, -1e309L)), hexOf(TOOL_FloatToBytes(8, -1.7e308L)));
    EXPECT_EQ(TOOL_GetBits(2, 3, 0x0C), 3);
    EXPECT_EQ(TOOL_GetBits(3, 2, 0xFF), 0);
    EXPECT_EQ(TOOL_GetBits(0, 7, 0xAB), 0xAB);
    EXPECT_EQ(TOOL_PutBits(4, 5, 3), 0x30);
    EXPECT_EQ(TOOL_PutBits(4, 5, 7), 0x30);
    EXPECT_EQ(TOOL_PutBits(5, 4, 7), 0);
    EXPECT_EQ(TOOL_IntPower(10, 3), 1000);
    EXPECT_EQ(TOOL_IntPower(10, 0), 1);
    EXPECT_EQ(TOOL_IntPower(10, -2), 1);
    EXPECT_EQ(TOOL_IntPower(10, 40), INT64_MAX);
}

TEST(FieldTypeSize, Table) {
    const std::pair<int, int> cases[] = {{0, 1},   {7, 1},   {8, 1},     {9, 1},  {10, 2}, {11, 2},
                                         {12, 4},  {13, 4},  {14, 4},    {15, 8}, {20, 2}, {21, 2},
                                         {22, 4},  {23, 4},  {24, 4},    {30, 0}, {64, 1}, {127, 1},
                                         {128, 0}, {131, 3}, {255, 127}, {16, 0}, {40, 0}};
    for (auto [code, size] : cases) EXPECT_EQ(TOOL_FieldTypeSize(code), size) << code;
}

}  // namespace
