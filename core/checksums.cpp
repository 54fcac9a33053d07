#include "checksums.h"

#include <array>

uint16_t TOOL_Crc16(const ByteString& data) {
    uint16_t crc = 0;
    for (unsigned char b : data) {
        unsigned x = (b ^ crc) & 0xFFu;
        for (int i = 0; i < 8; ++i) x = (x & 1u) ? (x >> 1) ^ 0x8408u : (x >> 1);
        crc = static_cast<uint16_t>(x ^ (crc >> 8));
    }
    return crc;
}

uint8_t TOOL_Checksum8(const ByteString& data) {
    unsigned s = 0;
    for (unsigned char b : data) {
        const unsigned t = s + b;
        s = t > 255 ? (t & 0xFFu) + 1 : t;
    }
    return static_cast<uint8_t>(s ^ 0xFFu);
}

namespace {
std::array<uint32_t, 256> makeCrc32Table() {
    std::array<uint32_t, 256> t{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int k = 0; k < 8; ++k) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[i] = c;
    }
    return t;
}
}  // namespace

uint32_t TOOL_Crc32(uint32_t crc, const ByteString& data) {
    static const std::array<uint32_t, 256> table = makeCrc32Table();
    uint32_t c = ~crc;
    for (unsigned char b : data) c = (c >> 8) ^ table[(c ^ b) & 0xFFu];
    return ~c;
}
