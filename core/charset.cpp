#include "charset.h"

namespace {

// The characters Windows-1252 puts at 0x80..0x9F; 0 where the code is unused.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t fromWindows1252(unsigned char b) {
    if (b < 0x80 || b >= 0xA0) return b;
    const char32_t c = kHighControls[b - 0x80];
    return c != 0 ? c : char32_t(0xFFFD);
}

char toWindows1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] != 0 && kHighControls[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

// Length of the UTF-8 sequence at text[i] and its code point; 0 when none starts there.
size_t decodeOne(const ByteString& text, size_t i, char32_t& out) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    size_t len = 0;
    char32_t c = 0;
    char32_t min = 0;
    if (b0 < 0x80) {
        out = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        len = 2, c = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, c = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, c = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > text.size()) return 0;
    for (size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    out = c;
    return len;
}

}  // namespace

std::u32string TOOL_Utf8ToCodePoints(const ByteString& text) {
    std::u32string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        char32_t c = 0;
        const size_t n = decodeOne(text, i, c);
        if (n == 0) {
            out.push_back(fromWindows1252(static_cast<unsigned char>(text[i])));
            ++i;
        } else {
            out.push_back(c);
            i += n;
        }
    }
    return out;
}

ByteString TOOL_CodePointsToUtf8(const std::u32string& codePoints) {
    ByteString out;
    out.reserve(codePoints.size());
    for (char32_t c : codePoints) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

ByteString TOOL_Utf8ToWindows1252(const ByteString& text) {
    ByteString out;
    out.reserve(text.size());
    for (char32_t c : TOOL_Utf8ToCodePoints(text)) out.push_back(toWindows1252(c));
    return out;
}

ByteString TOOL_Windows1252ToUtf8(const ByteString& bytes) {
    std::u32string cps;
    cps.reserve(bytes.size());
    for (unsigned char b : bytes) cps.push_back(fromWindows1252(b));
    return TOOL_CodePointsToUtf8(cps);
}
