// A session with the class-2 module and a scripted simulated KX3024 on the K-Line, over the
// fake transport: every K-Line request stays in the rig's list with its send time.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "kx3024module.h"
#include "kx3024unit.h"
#include "modules.h"
#include "sessionrig.h"

// The simulated unit with a few answers the test chooses.
class ScriptedKX3024 : public SimKX3024Unit {
public:
    std::optional<ByteString> answerData(const ByteString& r) override {
        if (script) {
            if (auto a = script(r)) return a;
        }
        return SimKX3024Unit::answerData(r);
    }
    // Answer data that replace the unit's own; nothing = the unit answers.
    std::function<std::optional<ByteString>(const ByteString& data)> script;
};

struct KX3024Bench {
    KX3024Bench() {
        DIAG_InstallModules(r.session);
        unit.attachClock(r.h.simClock);
        r.onWakeup = [this](int bus) {
            if (bus == 1) unit.wakeup();
        };
        r.kline = [this](const ByteString& t) -> std::optional<ByteString> {
            std::optional<ByteString> a = unit.answer(t);
            if (oneLate)
                std::swap(a, held);
            else
                held = a;
            if (raw) {
                if (auto instead = raw(dataOf(t))) return instead;
            }
            return a;
        };
        r.h.engine.windowHooks.SetCaption = [this](const ByteString& c) { caption = c; };
    }
    KX3024Module& module() { return *r.session.moduleAs<KX3024Module>(dcKX3024); }

    // Begins a session (class 2, or 0 for the automatic detection) and runs until it is up.
    void comeUp(uint8_t deviceClass = dcKX3024) {
        r.session.DIAG_BeginSession(deviceClass);
        for (int i = 0; i < 300 && !r.h.engine.SessionUp; ++i) r.h.advance(10);
        ASSERT_TRUE(r.h.engine.SessionUp);
    }
    ByteString text(const char* key) const { return r.h.engine.dataPoints.DP_GetValue(key).Text; }

    // The data of a K-Line request as hex, without the unused 0xFF bytes at its end.
    static ByteString dataOf(const ByteString& telegram) {
        if (telegram.size() < 4) return ByteString();
        ByteString d = telegram.substr(3, telegram.size() - 4);
        while (d.size() > 1 && static_cast<uint8_t>(d.back()) == 0xFF) d.pop_back();
        return hexOf(d);
    }
    // The requests sent from `from` on.
    std::vector<ByteString> requests(size_t from = 0) const { return r.viewsOn(1, dataOf, from); }
    size_t sentSoFar() const { return r.telegramsOn(1).size(); }
    // The requests from `from` on that are one of `wanted`, in order.
    std::vector<ByteString> only(std::initializer_list<const char*> wanted, size_t from = 0) const {
        return r.viewsOn(1, dataOf, wanted, from);
    }
    std::vector<int64_t> timesOf(const char* dataHex) const {
        return r.timesOn(1, dataOf, dataHex);
    }
    // A request as the tester frames it.
    static ByteString request(const char* dataHex) {
        return SessionRig::klineTelegram("87 9D F1", dataHex);
    }

    SessionRig r;
    ScriptedKX3024 unit;
    // A whole answer telegram that reaches the tester in place of the unit's (the unit still
    // got the request), chosen by the request's data as dataOf gives it; nothing = the unit's.
    std::function<std::optional<ByteString>(const ByteString& data)> raw;
    // Every answer comes one request late: the tester gets the answer to the request before.
    bool oneLate = false;
    std::optional<ByteString> held;  // the unit's last answer
    ByteString caption;
};
