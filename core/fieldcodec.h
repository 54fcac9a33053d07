// Typed-field codec: turns telegram bytes into numbers and back by TFieldTypeCode.
#pragma once

#include <cstdint>
#include <optional>

#include "records.h"

using TFieldTypeCode = uint8_t;

// No-value markers of float fields (all bytes 0xFF in the telegram).
constexpr long double TOOL_SingleNoValue = -3.4e38L;
constexpr long double TOOL_DoubleNoValue = -1.7e308L;

int TOOL_FieldTypeSize(TFieldTypeCode code);

// Position is 1-based into data. The result starts cleared; it stays so when the field does not
// lie wholly inside the data (or the position is below 1).
void TOOL_DecodeField(int position, TFieldTypeCode code, const ByteString& data, TResult& result);

// Appends the bytes of one field to `bytes`. Bit and bit-field types merge into `oldByte` when one
// is given (bits outside the field kept).
void TOOL_EncodeField(TFieldTypeCode code, const TResult& value, std::optional<uint8_t> oldByte,
                      ByteString& bytes);

int64_t TOOL_BytesToIntLE(const ByteString& bytes);
// n bytes (1, 2 or 4) little-endian; other n leave out unchanged.
void TOOL_IntToBytesLE(int64_t value, int n, ByteString& out);
long double TOOL_BytesToFloat(const ByteString& bytes);
// 4-byte single or 8-byte double, clamped; other n give nothing.
ByteString TOOL_FloatToBytes(int n, long double value);
int TOOL_GetBits(int lo, int hi, uint8_t byte);
int TOOL_PutBits(int lo, int hi, int64_t value);
int64_t TOOL_IntPower(int64_t base, int exp);
