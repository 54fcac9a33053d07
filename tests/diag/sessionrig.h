// A diagnosis session over the fake transport, with a scripted adapter: it acknowledges bus
// configurations and wake-ups (or not), remembers which bus was configured last and hands each
// bus transfer to that bus's answerer. Every frame stays byte for byte in the transport's list.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "adapterrx.h"
#include "checksums.h"
#include "diagsession.h"
#include "engineharness.h"
#include "hex.h"
#include "wbusunitbase.h"

class SessionRig {
public:
    // The bus answer to one telegram, or nothing (the adapter reports no bus answer).
    using Answerer = std::function<std::optional<ByteString>(const ByteString& telegram)>;

    struct Sent {
        int bus;              // the bus configured when it was sent
        ByteString telegram;  // the bus telegram, without the adapter frame
        int64_t at;           // ms on the harness clock
    };

    SessionRig() : session(h.engine) {
        h.sim.addAdapter("NAV0001");
        h.show();
        h.advance(150);
        h.transport()->latencyMs = 5;
        h.transport()->responder = [this](const ByteString& f) { return respond(f); };
    }

    std::optional<FakeTransport::Reply> respond(const ByteString& frame) {
        AdapterRxParser p;
        ByteString data;
        for (unsigned char b : frame)
            if (auto d = p.feed(b)) data = *d;
        if (data.size() < 2) return std::nullopt;
        const uint8_t sub = static_cast<uint8_t>(data[1]);
        if (sub == Adp::SUB_BUS_CONFIG) {
            if (data.size() > 2) bus = static_cast<uint8_t>(data[2]);
            if (!ackConfig) return FakeTransport::Reply{0, H("86")};  // not an acknowledgement
        }
        if (sub == Adp::SUB_WAKEUP && !ackWakeup) return FakeTransport::Reply{0, H("86")};
        if (sub == Adp::SUB_WAKEUP && onWakeup) onWakeup(bus);
        if (sub != Adp::SUB_TRANSFER)
            return FakeTransport::Reply{0, ByteString{'\x86', static_cast<char>(sub)}};
        const ByteString telegram = data.substr(2);
        sent.push_back({bus, telegram, h.clock.now()});
        const Answerer& a = bus == 0 ? wbus : bus == 1 ? kline : sbus;
        std::optional<ByteString> answer = a ? a(telegram) : std::nullopt;
        if (!answer) return FakeTransport::Reply{0, H("86 20 22")};  // no bus answer
        return FakeTransport::Reply{0, H("86 20 20") + *answer};
    }

    // The adapter data of the frames sent (command 6 dropped), as hex, in order.
    std::vector<ByteString> adapterData() const {
        std::vector<ByteString> out;
        for (const ByteString& f : h.transport()->frames) {
            AdapterRxParser p;
            for (unsigned char b : f)
                if (auto d = p.feed(b)) out.push_back(hexOf(d->substr(1)));
        }
        return out;
    }
    // Telegrams sent on one bus.
    std::vector<ByteString> telegramsOn(int onBus) const {
        std::vector<ByteString> out;
        for (const Sent& s : sent)
            if (s.bus == onBus) out.push_back(s.telegram);
        return out;
    }

    // How a test names a telegram (its payload as hex, say).
    using View = ByteString (*)(const ByteString& telegram);
    // The telegrams sent on one bus from `from` on, as the view names them.
    std::vector<ByteString> viewsOn(int onBus, View view, size_t from = 0) const {
        std::vector<ByteString> out;
        const auto t = telegramsOn(onBus);
        for (size_t i = from; i < t.size(); ++i) out.push_back(view(t[i]));
        return out;
    }
    // Only those named one of `wanted`, in order.
    std::vector<ByteString> viewsOn(int onBus, View view, std::initializer_list<const char*> wanted,
                                    size_t from = 0) const {
        std::vector<ByteString> out;
        for (const ByteString& v : viewsOn(onBus, view, from))
            for (const char* w : wanted)
                if (v == w) out.push_back(v);
        return out;
    }
    // When the telegrams the view names `name` were sent.
    std::vector<int64_t> timesOn(int onBus, View view, const ByteString& name) const {
        std::vector<int64_t> out;
        for (const Sent& s : sent)
            if (s.bus == onBus && view(s.telegram) == name) out.push_back(s.at);
        return out;
    }
    // W-Bus request payloads (telegrams without address, length and checksum) from the
    // from-th W-Bus telegram on, as hex.
    std::vector<ByteString> wbusPayloads(size_t from = 0) const {
        return viewsOn(0, payloadOf, from);
    }
    // The payloads from `from` on that are one of `wanted`, in order.
    std::vector<ByteString> wbusOnly(std::initializer_list<const char*> wanted,
                                     size_t from = 0) const {
        return viewsOn(0, payloadOf, wanted, from);
    }
    // Times at which a W-Bus payload was sent.
    std::vector<int64_t> wbusTimesOf(const char* payloadHex) const {
        return timesOn(0, payloadOf, payloadHex);
    }
    static ByteString payloadOf(const ByteString& telegram) {
        return hexOf(telegram.substr(2, telegram.size() - 3));
    }

    // Runs until the session has ended (or the time is up); true when it ended.
    bool runUntilEnded(int64_t maxMs = 600000) {
        for (int64_t t = 0; t < maxMs && h.engine.SessionStarted; t += 50) h.advance(50);
        h.advance(500);  // the deferred message, if any
        return !h.engine.SessionStarted;
    }

    // Answers as the units do.
    static ByteString klineAnswer(const char* dataHex) {
        return klineTelegram("87 F1 9D", dataHex);
    }
    // The head (format, target, source), seven data bytes (0xFF where unused), the 8-bit sum.
    static ByteString klineTelegram(const char* headHex, const char* dataHex) {
        ByteString t = H(headHex);
        ByteString d = H(dataHex);
        d.resize(7, static_cast<char>(0xFF));
        t += d;
        unsigned s = 0;
        for (unsigned char b : t) s += b;
        return t + static_cast<char>(s & 0xFF);
    }
    static ByteString sbusAnswer(const ByteString& data, uint8_t source) {
        ByteString t{0x01, static_cast<char>(source), static_cast<char>(data.size())};
        t += data;
        return t + static_cast<char>(TOOL_Checksum8(t));
    }

    EngineHarness h;
    DiagSession session;
    Answerer wbus, kline, sbus;
    // The adapter sent a wake-up pattern on the bus.
    std::function<void(int bus)> onWakeup;
    bool ackConfig = true;
    bool ackWakeup = true;
    int bus = -1;
    std::vector<Sent> sent;
};

// A device module that records what the session asks of it and never sends: it takes a
// class's place where a test looks at the session alone, not at the class's own module.
class RecordingModule : public DeviceModule {
public:
    explicit RecordingModule(DiagSession& s) : m_session(s) {}
    void RegisterDataPoints(const ByteString& identText) override {
        ++registrations;
        ident = identText;
        DataPointTable& dp = m_session.engine().dataPoints;
        dp.DP_Clear();
        dp.DP_Register("CFGNAME", "", "");
        m_session.engine().DIAG_Timer().start();
    }
    void BuildRequest(const TUSBREQ& request, TUSBREQ& out) override {
        out = request;
        out.Active = 0;
        if (firstStep < 0) firstStep = request.Step;
        m_session.engine().SessionUp = true;  // as after a first full cycle
    }
    void EvaluateReply(const TUSBREQ& request, TUSBREQ& out) override { out = request; }
    void OnTimer() override { ++ticks; }
    void Stop() override { ++stops; }

    int registrations = 0, ticks = 0, stops = 0;
    int32_t firstStep = -1;
    ByteString ident;

private:
    DiagSession& m_session;
};
