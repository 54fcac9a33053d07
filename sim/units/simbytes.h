// Small writers for the answers of the simulated control units.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "records.h"

namespace SimBytes {

inline ByteString bytes(std::initializer_list<int> v) {
    ByteString s;
    for (int b : v) s.push_back(static_cast<char>(b & 0xFF));
    return s;
}
inline void u8(ByteString& s, unsigned v) {
    s.push_back(static_cast<char>(v & 0xFF));
}
inline void be16(ByteString& s, unsigned v) {
    u8(s, v >> 8);
    u8(s, v);
}
inline void le16(ByteString& s, unsigned v) {
    u8(s, v);
    u8(s, v >> 8);
}
inline void le32(ByteString& s, uint32_t v) {
    le16(s, v & 0xFFFF);
    le16(s, v >> 16);
}
// A text of exactly n bytes: cut, or filled with blanks.
inline void text(ByteString& s, const ByteString& t, size_t n) {
    ByteString f = t.substr(0, n);
    f.resize(n, ' ');
    s += f;
}
// Readers of a request's parameters; a byte beyond the data reads as 0.
inline unsigned at(const ByteString& s, size_t i) {
    return i < s.size() ? static_cast<uint8_t>(s[i]) : 0u;
}
inline unsigned le16At(const ByteString& s, size_t i) {
    return at(s, i) | (at(s, i + 1) << 8);
}
inline uint32_t le32At(const ByteString& s, size_t i) {
    return le16At(s, i) | (static_cast<uint32_t>(le16At(s, i + 2)) << 16);
}

}  // namespace SimBytes
