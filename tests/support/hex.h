// Byte strings written as hex in tests: H("01 06 02").
#pragma once

#include "textconv.h"

inline ByteString H(const char* hex) {
    return TOOL_HexTextToBytes(hex);
}
inline ByteString hexOf(const ByteString& b) {
    return TOOL_BytesToHexText(b);
}
