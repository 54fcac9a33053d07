// What every bus-layer test assembles: a transport that records the frames it is given, the
// adapter frame protocol, a recording log, a data-point table, the temperature unit and a
// record of the operating states handed to the session engine.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "busenvironment.h"
#include "checksums.h"
#include "hex.h"
#include "recordinglog.h"

class FakeTransport : public ITransport {
public:
    bool SendFrame(const ByteString& frame) override {
        frames.push_back(frame);
        return accept;
    }
    bool StartDelay(int) override { return accept; }
    void SetActive(bool) override {}
    bool IsRunning() const override { return accept; }
    bool ReplyAfterRepetition() const override { return repeated; }

    std::vector<ByteString> frames;
    bool accept = true;
    bool repeated = false;
};

// The bus telegram inside one adapter transfer frame (01 06 02 20 telegram 03 crc 04).
inline ByteString telegramOf(const ByteString& frame) {
    ByteString data;
    size_t i = 3;
    for (; i < frame.size() && static_cast<uint8_t>(frame[i]) != 0x03; ++i) {
        uint8_t b = static_cast<uint8_t>(frame[i]);
        if (b == 0x05 && i + 1 < frame.size()) b = static_cast<uint8_t>(frame[++i]) - 0x50;
        data.push_back(static_cast<char>(b));
    }
    return data.empty() ? data : data.substr(1);  // drop the sub-command 0x20
}

struct BusBench {
    FakeTransport transport;
    AdapterFrameProtocol adapter;
    RecordingLog log;
    DataPointTable points;
    uint8_t unit = 0;
    std::vector<int32_t> states;
    BusEnvironment env;

    BusBench() {
        env.transport = &transport;
        env.adapter = &adapter;
        env.log = &log;
        env.dataPoints = &points;
        env.temperatureUnit = &unit;
        env.setOperatingState = [this](int32_t s) { states.push_back(s); };
    }
    BusBench(const BusBench&) = delete;

    void registerKeys(std::initializer_list<const char*> keys) {
        for (const char* k : keys) points.DP_Register(k, k, "");
    }
    template <typename Keys>
    void registerAll(const Keys& keys) {
        for (const auto& k : keys) points.DP_Register(k, k, "");
    }
    TResult value(const ByteString& key) const { return points.DP_GetValue(key); }

    // The telegram of the last frame sent, as hex text.
    ByteString lastSent() const {
        return transport.frames.empty() ? ByteString("(nothing)")
                                        : hexOf(telegramOf(transport.frames.back()));
    }
    const RecordingLog::Line* lastLine() const {
        return log.lines.empty() ? nullptr : &log.lines.back();
    }
};

// The adapter's transfer reply carrying a bus answer (status 0x20 = received).
inline ByteString adapterReply(const ByteString& busAnswer) {
    return H("86 20 20") + busAnswer;
}
inline ByteString adapterStatus(uint8_t status) {
    return ByteString{static_cast<char>(0x86), 0x20, static_cast<char>(status)};
}

inline ByteString xorAppended(const ByteString& bytes) {
    uint8_t x = 0;
    for (unsigned char b : bytes) x ^= b;
    return bytes + static_cast<char>(x);
}
// A W-Bus answer frame 4F, length, payload, XOR.
inline ByteString wbusAnswer(const ByteString& payload) {
    ByteString f{0x4F, static_cast<char>(payload.size() + 1)};
    return xorAppended(f + payload);
}
// A K-Line answer: format 87, tester F1, control unit 9D, seven data bytes (FF-padded), sum.
inline ByteString klineAnswer(const ByteString& data, uint8_t target = 0xF1,
                              uint8_t source = 0x9D) {
    ByteString t{static_cast<char>(0x87), static_cast<char>(target), static_cast<char>(source)};
    ByteString d = data;
    d.resize(7, static_cast<char>(0xFF));
    t += d;
    unsigned s = 0;
    for (unsigned char b : t) s += b;
    return t + static_cast<char>(s & 0xFF);
}
// An S-Bus answer to the tester (1) from `source`, with the checksum or the CRC-16.
inline ByteString sbusAnswer(const ByteString& data, bool crc = false, uint8_t source = 7,
                             uint8_t target = 1) {
    const uint8_t len =
        static_cast<uint8_t>((data.size() >= 128 ? 0 : data.size()) | (crc ? 0x80 : 0));
    ByteString t{static_cast<char>(target), static_cast<char>(source), static_cast<char>(len)};
    t += data;
    if (crc) {
        const uint16_t c = TOOL_Crc16(t);
        return t + static_cast<char>(c >> 8) + static_cast<char>(c & 0xFF);
    }
    return t + static_cast<char>(TOOL_Checksum8(t));
}

inline TParamlist params(std::initializer_list<long double> values) {
    TParamlist p{};
    size_t k = 1;
    for (long double v : values) p[k++] = TResult::ofValue(v);
    return p;
}

inline ::testing::AssertionResult isCleared(const TResult& r) {
    if (r == TResult::cleared()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "Invalid " << int(r.Invalid) << " Value "
                                         << double(r.Value) << " Text '" << r.Text << "'";
}

// An expected data point: text and number, valid.
struct Expect {
    const char* key;
    ByteString text;
    long double number;
};

inline void expectPoints(const BusBench& b, const std::vector<Expect>& expected, const char* name) {
    for (const Expect& e : expected) {
        const TResult v = b.value(e.key);
        EXPECT_EQ(v.Invalid, 0) << name << " " << e.key;
        EXPECT_EQ(v.Text, e.text) << name << " " << e.key;
        EXPECT_DOUBLE_EQ(static_cast<double>(v.Value), static_cast<double>(e.number))
            << name << " " << e.key;
    }
}
