#include "textconv.h"

#include <charconv>

ByteString TOOL_UpperAscii(const ByteString& text) {
    ByteString r = text;
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return r;
}

int64_t TOOL_HexToInt(const ByteString& text) {
    if (text.empty()) return -1;
    int64_t v = 0;
    for (char c : TOOL_UpperAscii(text)) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return -1;
        v = v * 16 + d;
        if (v > 0x7FFFFFFF) return -1;
    }
    return v;
}

static const char kHex[] = "0123456789ABCDEF";

ByteString TOOL_BytesToHexText(const ByteString& bytes) {
    ByteString r;
    r.reserve(bytes.size() * 3);
    for (unsigned char b : bytes) {
        r.push_back(kHex[b >> 4]);
        r.push_back(kHex[b & 15]);
        r.push_back(' ');
    }
    return r;
}

ByteString TOOL_BytesToHex(const ByteString& bytes) {
    ByteString r;
    r.reserve(bytes.size() * 2);
    for (unsigned char b : bytes) {
        r.push_back(kHex[b >> 4]);
        r.push_back(kHex[b & 15]);
    }
    return r;
}

ByteString TOOL_HexTextToBytes(const ByteString& text) {
    ByteString r;
    ByteString piece;
    const ByteString t = text + " ";
    for (char c : t) {
        if (c != ' ') {
            piece.push_back(c);
            continue;
        }
        if (piece.empty()) continue;
        const int64_t v = TOOL_HexToInt(piece);
        if (v < 0 || v > 0xFF) return ByteString();
        r.push_back(static_cast<char>(v));
        piece.clear();
    }
    return r;
}

ByteString TOOL_StripControl(const ByteString& text) {
    ByteString r;
    for (unsigned char c : text)
        if (c >= 32) r.push_back(static_cast<char>(c));
    return r;
}

ByteString TOOL_StripBlanks(const ByteString& text) {
    ByteString r;
    for (unsigned char c : text)
        if (c > 32) r.push_back(static_cast<char>(c));
    return r;
}

int64_t TOOL_BcdToInt(const ByteString& bytes) {
    int64_t v = 0;
    for (unsigned char b : bytes) {
        const int hi = b >> 4, lo = b & 15;
        if (hi > 9 || lo > 9) return -1;
        v = v * 100 + hi * 10 + lo;
        if (v > INT32_MAX) return -1;
    }
    return v;
}

int64_t TOOL_BinTextToInt(const ByteString& text) {
    int64_t v = 0;
    for (char c : text) {
        if (c != '0' && c != '1') return -1;
        v = v * 2 + (c - '0');
        if (v > INT32_MAX) return -1;
    }
    return v;
}

ByteString TOOL_IntToBinText(int64_t value, int digits) {
    if (digits <= 0) return ByteString();
    const bool fits = value >= 0 && (digits >= 63 || value < (int64_t{1} << digits));
    ByteString r(static_cast<size_t>(digits), '0');
    if (!fits) return r;
    for (int i = 0; i < digits && i < 63; ++i)
        if ((value >> i) & 1) r[static_cast<size_t>(digits - 1 - i)] = '1';
    return r;
}

ByteString TOOL_TextBeforeSemicolon(const ByteString& text) {
    const size_t p = text.find(';');
    return p == ByteString::npos ? text : text.substr(0, p);
}

ByteString TOOL_DotToComma(const ByteString& text) {
    ByteString r = text;
    const size_t p = r.find('.');
    if (p != ByteString::npos) r[p] = ',';
    return r;
}

ByteString TOOL_PadText(const ByteString& text, int width, int align) {
    if (width <= 0 || align < 0 || align > 2) return ByteString();
    const ByteString t = text.substr(0, static_cast<size_t>(width));
    ByteString r(static_cast<size_t>(width), ' ');
    const int len = static_cast<int>(t.size());
    const int offset = align == 0 ? 0 : align == 1 ? width - len : (width - len) / 2;
    r.replace(static_cast<size_t>(offset), t.size(), t);
    return r;
}

long double TOOL_TempToDisplay(long double celsius, uint8_t temperatureUnit) {
    return temperatureUnit == TEMP_FAHRENHEIT ? celsius * 1.8L + 32 : celsius;
}

ByteString TOOL_FormatFloat(long double value, int decimals) {
    if (decimals < 0) decimals = 0;
    if (decimals > 30) decimals = 30;
    // to_chars ignores the locale, so the separator is always '.'.
    char buf[512];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (res.ec != std::errc()) return ByteString();
    return ByteString(buf, res.ptr);
}

ByteString TOOL_FormatFloatShortest(long double value) {
    char buf[512];
    auto res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value));
    if (res.ec != std::errc()) return ByteString();
    return ByteString(buf, res.ptr);
}
