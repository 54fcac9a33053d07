// Benches for the device modules of the S-Bus classes. SBusStepBench: a session with the
// module and its simulated unit on the S-Bus over the fake transport, where a script may answer
// a request in the unit's place. SBusReplyBench: the module registered, and one step evaluated
// against a hand-made answer.
#pragma once

#include <algorithm>
#include <functional>
#include <vector>

#include "modules.h"
#include "sbusunitbase.h"
#include "sessionrig.h"

template <typename Module, typename Unit, uint8_t DeviceClass>
struct SBusStepBench {
    // The answer data (message ID first) in the unit's place; an empty one is silence, none
    // leaves the request to the unit.
    using Script = std::function<std::optional<ByteString>(const ByteString& data)>;

    // cyclicReads: the requests of the module's cycle (as hex), which commands() leaves out
    // together with the error entries.
    explicit SBusStepBench(std::vector<ByteString> cyclicReads) : m_cyclic(std::move(cyclicReads)) {
        DIAG_InstallModules(r.session);
        unit.attachClock(r.h.simClock);
        r.sbus = [this](const ByteString& t) -> std::optional<ByteString> {
            const ByteString data = t.size() > 4 ? t.substr(3, t.size() - 4) : ByteString();
            if (script)
                if (auto a = script(data)) {
                    if (a->empty()) return std::nullopt;
                    return SimSBusUnit::frameTelegram(1, Unit::Address, *a, false);
                }
            return unit.answer(t);
        };
    }
    Module& module() { return *r.session.template moduleAs<Module>(DeviceClass); }
    // Automatic detection until the session is up.
    void comeUp() {
        r.session.DIAG_BeginSession(dcNone);
        for (int i = 0; i < 300 && !r.h.engine.SessionUp; ++i) r.h.advance(10);
        ASSERT_TRUE(r.h.engine.SessionUp);
    }
    static ByteString dataOf(const ByteString& telegram) {
        return hexOf(telegram.substr(3, telegram.size() - 4));
    }
    // Request data (message ID first) sent on the S-Bus from `from` on, as hex.
    std::vector<ByteString> sent(size_t from = 0) const { return r.viewsOn(2, dataOf, from); }
    size_t sentSoFar() const { return r.telegramsOn(2).size(); }
    // The requests from `from` on that are neither the cyclic reads nor error entries.
    std::vector<ByteString> commands(size_t from) const {
        std::vector<ByteString> out;
        for (const ByteString& s : sent(from)) {
            const bool read = s.rfind("5B ", 0) == 0 ||
                              std::find(m_cyclic.begin(), m_cyclic.end(), s) != m_cyclic.end();
            if (!read) out.push_back(s);
        }
        return out;
    }
    int count(const char* hex, size_t from = 0) const {
        const auto s = sent(from);
        return static_cast<int>(std::count(s.begin(), s.end(), hex));
    }
    // Times at which a request was sent.
    std::vector<int64_t> timesOf(const char* hex) const { return r.timesOn(2, dataOf, hex); }
    const DataPointTable& dp() const { return r.h.engine.dataPoints; }

    SessionRig r;
    Unit unit;
    Script script;

private:
    std::vector<ByteString> m_cyclic;
};

template <typename Module, uint8_t DeviceClass>
struct SBusReplyBench {
    explicit SBusReplyBench(const ByteString& identText) {
        DIAG_InstallModules(r.session);
        r.h.engine.DeviceClass = DeviceClass;
        module().RegisterDataPoints(identText);
    }
    Module& module() { return *r.session.template moduleAs<Module>(DeviceClass); }
    // The adapter's reply carrying a telegram from the unit.
    static ByteString adapterReply(const ByteString& telegram) { return H("86 20 20") + telegram; }
    static ByteString answer(const ByteString& data) {
        return SimSBusUnit::frameTelegram(1, 7, data, false);
    }
    // The step after the adapter's reply at a step.
    TUSBREQ evaluateReply(int32_t step, const ByteString& reply) {
        TUSBREQ q;
        q.Active = 1;
        q.Step = step;
        q.ErrorStep = 7;
        q.Reply = reply;
        TUSBREQ out;
        module().EvaluateReply(q, out);
        return out;
    }
    TUSBREQ evaluate(int32_t step, const ByteString& telegram) {
        return evaluateReply(step, adapterReply(telegram));
    }
    // An adapter reply without a bus answer, with the adapter's status.
    TUSBREQ evaluateStatus(int32_t step, uint8_t status) {
        return evaluateReply(step, ByteString{'\x86', '\x20', static_cast<char>(status)});
    }
    TResult value(const char* key) const { return r.h.engine.dataPoints.DP_GetValue(key); }

    SessionRig r;
};
