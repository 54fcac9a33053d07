// Shared by the bus fuzz targets: an input reader, an environment whose transport takes every
// frame and whose data-point table holds every key the decoders write, and the invariants
// every result must keep. A broken invariant traps, so libFuzzer reports it like a crash.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "busenvironment.h"

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : m_p(data), m_n(size) {}
    bool empty() const { return m_i >= m_n; }
    uint8_t byte() { return m_i < m_n ? m_p[m_i++] : 0; }
    ByteString bytes(size_t count) {
        const size_t k = count < m_n - m_i ? count : m_n - m_i;
        ByteString b(reinterpret_cast<const char*>(m_p + m_i), k);
        m_i += k;
        return b;
    }
    int32_t int32() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = (v << 8) | byte();
        return static_cast<int32_t>(v);
    }

private:
    const uint8_t* m_p;
    size_t m_n;
    size_t m_i = 0;
};

class TakingTransport : public ITransport {
public:
    bool SendFrame(const ByteString& frame) override {
        if (frame.size() > 2 * 260 + 8) __builtin_trap();  // never more than one stuffed transfer
        return true;
    }
    bool StartDelay(int) override { return true; }
    void SetActive(bool) override {}
    bool IsRunning() const override { return true; }
};

// Counts log lines so the logging paths run; every line must carry text.
class CheckingLog : public ITelegramLog {
public:
    void LogTx(const ByteString&) override {}
    void LogRx(const ByteString&) override {}
    void LogLine(uint32_t, const ByteString& text) override {
        if (text.empty()) __builtin_trap();
    }
    void LogStateChange(uint8_t, int32_t, int32_t) override {}
};

struct FuzzBench {
    TakingTransport transport;
    AdapterFrameProtocol adapter;
    CheckingLog log;
    DataPointTable& points;
    uint8_t unit = 0;
    BusEnvironment env;

    explicit FuzzBench(const std::vector<const char*>& keys) : points(prepared(keys)) {
        env.transport = &transport;
        env.adapter = &adapter;
        env.log = &log;
        env.dataPoints = &points;
        env.temperatureUnit = &unit;
        env.setOperatingState = [](int32_t s) {
            if (s < 0 || s > 0xFFFF) __builtin_trap();  // states come from a byte or a word
        };
    }

private:
    // Every key registered once per run and the table kept: the decoders only write to it,
    // so what an earlier input stored cannot change how the next one is decoded.
    static DataPointTable& prepared(const std::vector<const char*>& keys) {
        static DataPointTable table = [&] {
            DataPointTable t;
            for (const char* k : keys) t.DP_Register(k, k, "");
            for (const char* f : {"ERRCODE", "ERRBEZ", "ERRSTATE", "ERRCOUNT", "ERRZUSTAND",
                                  "ERRTEMP", "ERRUB", "ERRTBR"})
                for (int i = 0; i <= 12; ++i) t.DP_Register(f + std::to_string(i), "", "");
            return t;
        }();
        return table;
    }
};

inline void require(bool ok) {
    if (!ok) __builtin_trap();
}

// A failed result carries a code of its layer: an adapter status below 0x20 (-32..-1), the
// reserved status, 0..9 and the layer's own decoder codes.
inline void checkResult(const TResult& r, std::initializer_list<int> decoderCodes) {
    require(r.Invalid == 0 || r.Invalid == 1);
    if (r.Invalid == 0) return;
    const long double v = r.Value;
    if (v == BusCode::ReservedStatus) return;
    for (int c = -32; c <= 9; ++c)
        if (v == c) return;
    for (int c : decoderCodes)
        if (v == c) return;
    __builtin_trap();
}

// The adapter's reply around a bus answer; flags choose a failing status or a raw reply.
inline ByteString adapterReplyFor(const ByteString& answer, uint8_t flags, uint8_t status) {
    if (flags & 0x08) return answer;  // the bytes are the whole adapter reply
    ByteString r{static_cast<char>(0x86), 0x20, static_cast<char>((flags & 0x04) ? status : 0x20)};
    return r + answer;
}

inline void flipByte(ByteString& s, uint8_t where) {
    if (!s.empty()) s[where % s.size()] = static_cast<char>(s[where % s.size()] ^ 0x01);
}

inline TParamlist paramsFrom(FuzzInput& in) {
    TParamlist p{};
    for (size_t k = 1; k < p.size(); ++k) {
        p[k].Value = static_cast<long double>(in.int32()) / ((in.byte() & 1) ? 1 : 7);
        p[k].Bit = in.byte() & 1;
        p[k].Text = in.bytes(in.byte() % 80);
    }
    return p;
}
