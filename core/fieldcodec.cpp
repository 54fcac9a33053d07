#include "fieldcodec.h"

#include <cstring>

#include "rounding.h"

namespace {

uint8_t at(const ByteString& d, size_t i) {
    return static_cast<uint8_t>(d[i]);
}

uint64_t readLE(const ByteString& d, size_t start, int n) {
    uint64_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | at(d, start + i);
    return v;
}

uint64_t readBE(const ByteString& d, size_t start, int n) {
    uint64_t v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | at(d, start + i);
    return v;
}

int64_t signExtend(uint64_t v, int bytes) {
    const int bits = bytes * 8;
    const uint64_t sign = uint64_t{1} << (bits - 1);
    if (v & sign) return static_cast<int64_t>(v | ~((sign << 1) - 1));
    return static_cast<int64_t>(v);
}

void appendLE(uint64_t v, int n, ByteString& out) {
    for (int i = 0; i < n; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void appendBE(uint64_t v, int n, ByteString& out) {
    for (int i = n - 1; i >= 0; --i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

bool allFF(const ByteString& d, size_t start, int n) {
    for (int i = 0; i < n; ++i)
        if (at(d, start + i) != 0xFF) return false;
    return true;
}

long double clampLD(long double v, long double lim) {
    if (v != v) return 0;  // NaN has no place in a telegram
    if (v > lim) return lim;
    if (v < -lim) return -lim;
    return v;
}

// The integer a numeric encode takes: the value rounded, halves to even, saturated.
uint64_t encodeInt(const TResult& v) {
    return static_cast<uint64_t>(TOOL_Round64(v.Value));
}

}  // namespace

int TOOL_FieldTypeSize(TFieldTypeCode code) {
    if (code <= 9) return 1;
    switch (code) {
        case 10:
        case 11:
        case 20:
        case 21:
            return 2;
        case 12:
        case 13:
        case 14:
        case 22:
        case 23:
        case 24:
            return 4;
        case 15:
            return 8;
        case 30:
            return 0;
        default:
            break;
    }
    if (code >= 64 && code <= 127) return 1;
    if (code >= 128) return code - 128;
    return 0;
}

void TOOL_DecodeField(int position, TFieldTypeCode code, const ByteString& data, TResult& result) {
    result.clear();
    if (position < 1) return;
    const int size = TOOL_FieldTypeSize(code);
    if (static_cast<long long>(data.size()) < static_cast<long long>(position) + size - 1) return;
    const size_t p = static_cast<size_t>(position - 1);
    result.Invalid = 0;
    if (code <= 7) {
        const bool set = (at(data, p) >> code) & 1;
        result.Bit = set ? 1 : 0;
        result.Value = result.Bit;
        result.Text = set ? "1" : "0";
        return;
    }
    switch (code) {
        case 8:
            result.Value = at(data, p);
            return;
        case 9:
            result.Value = signExtend(at(data, p), 1);
            return;
        case 10:
            result.Value = readLE(data, p, 2);
            return;
        case 11:
            result.Value = signExtend(readLE(data, p, 2), 2);
            return;
        case 12:
            result.Value = readLE(data, p, 4);
            return;
        case 13:
            result.Value = signExtend(readLE(data, p, 4), 4);
            return;
        case 14:
            result.Value = TOOL_BytesToFloat(data.substr(p, 4));
            return;
        case 15:
            result.Value = TOOL_BytesToFloat(data.substr(p, 8));
            return;
        case 20:
            result.Value = readBE(data, p, 2);
            return;
        case 21:
            result.Value = signExtend(readBE(data, p, 2), 2);
            return;
        case 22:
            result.Value = readBE(data, p, 4);
            return;
        case 23:
            result.Value = signExtend(readBE(data, p, 4), 4);
            return;
        default:
            break;
    }
    if (code >= 64 && code <= 127) {
        result.Value = TOOL_GetBits(code & 7, (code >> 3) & 7, at(data, p));
        return;
    }
    if (code >= 128) {
        result.Text = data.substr(p, static_cast<size_t>(size));
        return;
    }
    // 24, 30 and unknown codes: a valid zero.
}

void TOOL_EncodeField(TFieldTypeCode code, const TResult& value, std::optional<uint8_t> oldByte,
                      ByteString& bytes) {
    if (code <= 7) {
        const uint8_t mask = static_cast<uint8_t>(1u << code);
        uint8_t b = oldByte ? static_cast<uint8_t>(*oldByte & ~mask) : 0;
        if (value.Bit != 0) b |= mask;
        bytes.push_back(static_cast<char>(b));
        return;
    }
    switch (code) {
        case 8:
        case 9:
            appendLE(encodeInt(value), 1, bytes);
            return;
        case 10:
        case 11:
            appendLE(encodeInt(value), 2, bytes);
            return;
        case 12:
        case 13:
            appendLE(encodeInt(value), 4, bytes);
            return;
        case 14:
            bytes += TOOL_FloatToBytes(4, value.Value);
            return;
        case 15:
            bytes += TOOL_FloatToBytes(8, value.Value);
            return;
        case 20:
        case 21:
        case 30:
            appendBE(encodeInt(value), 2, bytes);
            return;
        case 22:
        case 23:
            appendBE(encodeInt(value), 4, bytes);
            return;
        default:
            break;
    }
    if (code >= 64 && code <= 127) {
        const int lo = code & 7, hi = (code >> 3) & 7;
        const uint8_t mask = static_cast<uint8_t>(TOOL_PutBits(lo, hi, 255));
        const uint8_t bits = static_cast<uint8_t>(TOOL_PutBits(lo, hi, TOOL_Round64(value.Value)));
        uint8_t b = oldByte ? static_cast<uint8_t>(*oldByte & ~mask) : 0;
        bytes.push_back(static_cast<char>(b | (bits & mask)));
        return;
    }
    if (code >= 128) {
        ByteString t = value.Text;
        t.push_back('\0');
        const size_t n = static_cast<size_t>(code - 128);
        if (t.size() > n) t.resize(n);
        bytes += t;
    }
}

int64_t TOOL_BytesToIntLE(const ByteString& b) {
    const int n = static_cast<int>(b.size());
    if (n != 1 && n != 2 && n != 4) return 0;
    return signExtend(readLE(b, 0, n), n);
}

void TOOL_IntToBytesLE(int64_t value, int n, ByteString& out) {
    if (n != 1 && n != 2 && n != 4) return;
    out.clear();
    appendLE(static_cast<uint64_t>(value), n, out);
}

long double TOOL_BytesToFloat(const ByteString& b) {
    if (b.size() == 4) {
        if (allFF(b, 0, 4)) return TOOL_SingleNoValue;
        float f;
        uint32_t u = static_cast<uint32_t>(readLE(b, 0, 4));
        std::memcpy(&f, &u, 4);
        return f;
    }
    if (b.size() == 8) {
        if (allFF(b, 0, 8)) return TOOL_DoubleNoValue;
        double d;
        uint64_t u = readLE(b, 0, 8);
        std::memcpy(&d, &u, 8);
        return d;
    }
    return 0;
}

ByteString TOOL_FloatToBytes(int n, long double value) {
    ByteString out;
    if (n == 4) {
        float f = static_cast<float>(clampLD(value, 3.4e38L));
        uint32_t u;
        std::memcpy(&u, &f, 4);
        appendLE(u, 4, out);
    } else if (n == 8) {
        double d = static_cast<double>(clampLD(value, 1.7e308L));
        uint64_t u;
        std::memcpy(&u, &d, 8);
        appendLE(u, 8, out);
    }
    return out;
}

int TOOL_GetBits(int lo, int hi, uint8_t byte) {
    if (hi < lo || lo < 0 || hi > 7) return 0;
    const unsigned mask = (hi >= 7) ? 0xFFu : ((1u << (hi + 1)) - 1u);
    return static_cast<int>((byte & mask) >> lo);
}

int TOOL_PutBits(int lo, int hi, int64_t value) {
    if (hi < lo || lo < 0 || hi > 7) return 0;
    const unsigned mask = (hi >= 7) ? 0xFFu : ((1u << (hi + 1)) - 1u);
    const unsigned shifted = static_cast<unsigned>((static_cast<uint64_t>(value) << lo) & 0xFFu);
    return static_cast<int>(shifted & mask);
}

int64_t TOOL_IntPower(int64_t base, int exp) {
    int64_t r = 1;
    for (int i = 0; i < exp; ++i) {
        // Saturate rather than overflow: no caller needs powers beyond 64 bits.
        if (__builtin_mul_overflow(r, base, &r))
            return (base < 0 && (exp % 2)) ? INT64_MIN : INT64_MAX;
    }
    return r;
}
