// The heaters on the K-Line and the S-Bus and the class-3 W-Bus heater while the adapter answers
// late or twice: their identification and error entries never take a value from an answer to
// another request, a link whose every answer comes after the reply time-out ends the session
// within seconds instead of keeping it up on frozen values, and the session is back soon after
// the fault has passed. Through the transfer thread pass by pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>

#include "diagsession.h"
#include "engineharness.h"
#include "kx3024unit.h"
#include "kx3117unit.h"
#include "kx3141unit.h"
#include "kx3166unit.h"
#include "modules.h"

namespace {

constexpr int64_t Second = 1000;

struct Unit {
    const char* name;
    uint8_t deviceClass;
    int row;  // of the device list
    std::function<std::unique_ptr<ISimControlUnit>()> make;
};

std::ostream& operator<<(std::ostream& os, const Unit& u) { return os << u.name; }

class LateAnswers : public ::testing::TestWithParam<Unit> {
protected:
    LateAnswers() : h(EngineHarness::withTransferThread()), session(h.engine) {
        DIAG_InstallModules(session);
        unit = GetParam().make();
        adapter = h.sim.addAdapter("NAV0001");
        h.sim.attachUnit(adapter, unit.get());
        setFaults(20);
    }
    ~LateAnswers() override { h.close(); }

    void setFaults(int delayMs, int duplicates = 0, int duplicateGapMs = 0) {
        SimFaults f;
        f.answerDelayMs = delayMs;
        f.duplicateAnswers = duplicates;
        f.duplicateGapMs = duplicateGapMs;
        h.sim.setFaults(adapter, f);
    }

    // The identification and the error memory do not change while the heater stands still:
    // whatever of them a session shows must be what the first clean session read.
    static bool held(const ByteString& key) {
        return key.rfind("CFG", 0) == 0 || key.rfind("ERR", 0) == 0 || key == "OVRERRCNT";
    }

    // Runs for ms; a manual session of the unit's class is started whenever none runs.
    void run(int64_t ms) {
        for (int64_t t = 0; t < ms && !::testing::Test::HasFailure(); t += 10) {
            if (h.engine.AdapterReady && !h.engine.SessionStarted) {
                session.SelectedDeviceIndex = GetParam().row;
                session.DIAG_BeginSession(GetParam().deviceClass);
            }
            const bool was = h.engine.SessionStarted;
            h.advance(10);
            if (was && !h.engine.SessionStarted) endings.push_back(h.clock.now());
            upSince = h.engine.SessionUp ? (upSince < 0 ? h.clock.now() : upSince) : -1;
            for (const TWerteDaten& p : h.engine.dataPoints.DataPoints()) {
                const auto r = reference.find(p.Key);
                if (p.Value.Invalid || r == reference.end()) continue;
                ASSERT_EQ(p.Value.Text, r->second.Text) << p.Key << " at " << h.clock.now();
                ASSERT_EQ(p.Value.Value, r->second.Value) << p.Key << " at " << h.clock.now();
            }
        }
    }

    // A clean session that has read the error memory at least once.
    void comeUp() {
        h.show();
        h.advance(150);
        run(30 * Second);
        ASSERT_TRUE(h.engine.SessionUp);
        for (const TWerteDaten& p : h.engine.dataPoints.DataPoints())
            if (held(p.Key) && !p.Value.Invalid) reference[p.Key] = p.Value;
        ASSERT_FALSE(reference["ERRCODE1"].Text.empty()) << "the unit holds errors";
    }

    // Time until a session is up again with every held value (at most 60 s).
    int64_t recovery() {
        const int64_t t0 = h.clock.now();
        auto complete = [&] {
            for (const auto& r : reference)
                if (h.engine.dataPoints.DP_GetValue(r.first).Invalid) return false;
            return true;
        };
        while (h.clock.now() - t0 < 60 * Second && !::testing::Test::HasFailure()) {
            if (h.engine.SessionUp && complete()) break;
            run(10);
        }
        return h.clock.now() - t0;
    }

    EngineHarness h;
    DiagSession session;
    std::unique_ptr<ISimControlUnit> unit;
    size_t adapter = 0;
    std::map<ByteString, TResult> reference;
    int64_t upSince = -1;
    std::vector<int64_t> endings;
};

TEST_P(LateAnswers, EveryAnswerLateEndsTheSessionAndNothingIsShifted) {
    comeUp();
    for (int delay : {2050, 2500, 3300}) {
        endings.clear();
        const int64_t t0 = h.clock.now();
        int64_t longestUp = 0;
        setFaults(delay);
        for (int64_t t = 0; t < 30 * Second && !HasFailure(); t += 100) {
            run(100);
            if (upSince >= 0) longestUp = std::max(longestUp, h.clock.now() - std::max(upSince, t0));
        }
        setFaults(20);
        ASSERT_FALSE(endings.empty()) << delay;
        EXPECT_LE(endings.front() - t0, 10 * Second) << delay;
        EXPECT_LE(longestUp, 10 * Second) << delay;
        EXPECT_LE(recovery(), 30 * Second) << delay;
    }
    EXPECT_EQ(h.boxesInReplyPath, 0);
}

TEST_P(LateAnswers, DoubledAnswersShiftNoEntry) {
    comeUp();
    // Each answer comes twice, the copy after the next frame went out: it is taken for that
    // frame's reply, and nothing of it may land in that request's data points.
    setFaults(20, -1, 15);
    run(30 * Second);
    setFaults(20);
    EXPECT_LE(recovery(), 30 * Second);
}

INSTANTIATE_TEST_SUITE_P(
    , LateAnswers,
    ::testing::Values(
        Unit{"KX3024", dcKX3024, 1,
             [] { return std::unique_ptr<ISimControlUnit>(new SimKX3024Unit); }},
        Unit{"KX3117", dcKX3117, 2,
             [] { return std::unique_ptr<ISimControlUnit>(new SimKX3117Unit); }},
        Unit{"KX3141", dcKX3141, 3,
             [] { return std::unique_ptr<ISimControlUnit>(new SimKX3141Unit); }},
        Unit{"KX3166", dcKX3166, 4,
             [] { return std::unique_ptr<ISimControlUnit>(new SimKX3166Unit); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
