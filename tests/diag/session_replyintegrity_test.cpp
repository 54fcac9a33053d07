// A diagnosis session against the simulated KX3090 while the adapter answers late, twice or in
// pieces: no data point ever holds a value from an answer to another request, the session
// comes back within seconds once the fault has passed, and a link whose every answer is late
// ends the session instead of keeping it alive on frozen values. Run once through the transfer
// thread pass by pass and once with its own worker thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "diagsession.h"
#include "engineharness.h"
#include "kx3090unit.h"
#include "modules.h"

namespace {

constexpr int64_t Second = 1000;

class ReplyIntegrity : public ::testing::TestWithParam<bool> {
protected:
    ReplyIntegrity()
        : h(GetParam() ? EngineHarness::withWorkerThread() : EngineHarness::withTransferThread()),
          session(h.engine) {
        DIAG_InstallModules(session);
        adapter = h.sim.addAdapter("NAV0001");
        h.sim.attachUnit(adapter, &unit);
        setDelay(20);
    }
    ~ReplyIntegrity() override { h.close(); }

    void setDelay(int ms, int duplicates = 0, uint32_t split = 0, int duplicateGapMs = 0) {
        SimFaults f;
        f.answerDelayMs = ms;
        f.duplicateAnswers = duplicates;
        f.duplicateGapMs = duplicateGapMs;
        f.splitBytes = split;
        h.sim.setFaults(adapter, f);
    }

    // Runs for ms; the technician starts a class-1 session whenever none runs. Every 10 ms the
    // data points are held against the unit.
    void run(int64_t ms) {
        for (int64_t t = 0; t < ms; t += 10) {
            if (h.engine.AdapterReady && !h.engine.SessionStarted) {
                session.SelectedDeviceIndex = 0;
                session.DIAG_BeginSession(dcKX3090);
            }
            const bool was = h.engine.SessionStarted;
            h.advance(10);
            if (was && !h.engine.SessionStarted) endings.push_back(h.clock.now());
            if (h.engine.SessionUp) {
                if (upSince < 0) upSince = h.clock.now();
            } else {
                upSince = -1;
            }
            checkPoints();
            if (::testing::Test::HasFailure()) return;
        }
    }

    // How long the session has been up without a break (0 when it is not up).
    int64_t upFor() const { return upSince < 0 ? 0 : h.clock.now() - upSince; }

    // The technician's first session on a clean link; the data points it shows then are the
    // unit's values, held against every data point from here on.
    void comeUp() {
        h.show();
        h.advance(150);
        run(15 * Second);
        ASSERT_TRUE(h.engine.SessionUp);
        for (const TWerteDaten& p : h.engine.dataPoints.DataPoints())
            if (!p.Value.Invalid) reference[p.Key] = p.Value;
        ASSERT_EQ(reference["OVRERRCNT"].Text, "3");
        ASSERT_EQ(reference["ERRCODE2"].Text, "84");
        ASSERT_EQ(reference["ERRCOUNT3"].Text, "4");
    }

    struct Fault {
        int endings = 0;
        int64_t firstEnding = -1;  // ms after the fault began
        int64_t longestUp = 0;     // the longest time a session was up while it lasted
    };
    // The adapter's answers come delayMs late (with duplicates twice, the copy duplicateGapMs
    // after the answer; split in pieces) for ms; then the clean link again.
    Fault runFault(int delayMs, int duplicates, uint32_t split, int64_t ms,
                   int duplicateGapMs = 0) {
        Fault f;
        endings.clear();
        const int64_t t0 = h.clock.now();
        setDelay(delayMs, duplicates, split, duplicateGapMs);
        for (int64_t t = 0; t < ms && !::testing::Test::HasFailure(); t += 100) {
            run(100);
            const int64_t since = std::max(upSince, t0);
            if (upSince >= 0) f.longestUp = std::max(f.longestUp, h.clock.now() - since);
        }
        setDelay(20);
        f.endings = static_cast<int>(endings.size());
        if (!endings.empty()) f.firstEnding = endings.front() - t0;
        return f;
    }
    // The time until a session is up again with every value the unit showed at first (at most
    // 20 s).
    int64_t recovery() {
        const int64_t t0 = h.clock.now();
        while (h.clock.now() - t0 < 20 * Second && !::testing::Test::HasFailure()) {
            if (h.engine.SessionUp && complete()) break;
            run(10);
        }
        return h.clock.now() - t0;
    }
    bool complete() const {
        for (const auto& r : reference)
            if (h.engine.dataPoints.DP_GetValue(r.first).Invalid) return false;
        return true;
    }
    // Error entries asked for so far, as the telegram log shows them.
    int entryReads() const {
        int n = 0;
        for (const auto& l : h.log.lines) n += l.text.rfind("TX: F4 04 56 02 ", 0) == 0;
        return n;
    }

    void checkPoints() {
        for (const TWerteDaten& p : h.engine.dataPoints.DataPoints()) {
            if (p.Value.Invalid) continue;
            const double v = static_cast<double>(p.Value.Value);
            if (p.Key == "OVRTEMP") {
                ASSERT_TRUE(v >= 17 && v <= 27) << p.Key << " " << v << " at " << h.clock.now();
                continue;
            }
            if (p.Key == "OVRUB") {
                ASSERT_TRUE(v >= 12.2 && v <= 12.6) << p.Key << " " << v << " at " << h.clock.now();
                continue;
            }
            const auto r = reference.find(p.Key);
            if (r == reference.end()) continue;
            ASSERT_EQ(p.Value.Text, r->second.Text) << p.Key << " at " << h.clock.now();
            ASSERT_EQ(p.Value.Value, r->second.Value) << p.Key << " at " << h.clock.now();
        }
    }

    EngineHarness h;
    DiagSession session;
    SimKX3090Unit unit;
    size_t adapter = 0;
    std::map<ByteString, TResult> reference;
    int64_t upSince = -1;
    std::vector<int64_t> endings;
};

TEST_P(ReplyIntegrity, LateAnswersJustPastTheTimeOutForAMoment) {
    comeUp();
    // A few answers just too late: whatever the session makes of them, nothing is shifted,
    // and it is soon back.
    const Fault f = runFault(2050, 0, 0, 3 * Second);
    EXPECT_LE(f.endings, 1);
    EXPECT_LE(recovery(), 5 * Second);
}

// Every answer comes after the reply time-out: the session ends within seconds, and so does
// each new one, instead of showing stale or frozen values while it lasts.
TEST_P(ReplyIntegrity, EveryAnswerLateEndsTheSession) {
    comeUp();
    for (int delay : {2050, 2600, 3300, 3950}) {
        const Fault f = runFault(delay, 0, 0, 20 * Second);
        ASSERT_GE(f.firstEnding, 0) << delay;
        EXPECT_LE(f.firstEnding, 10 * Second) << delay;
        EXPECT_LE(f.longestUp, 10 * Second) << delay;
        EXPECT_LE(recovery(), 5 * Second) << delay;
    }
}

TEST_P(ReplyIntegrity, LateAnswersHeldForAMinute) {
    comeUp();
    const Fault f = runFault(2500, 0, 0, 60 * Second);
    ASSERT_GE(f.firstEnding, 0);
    EXPECT_LE(f.firstEnding, 10 * Second);
    EXPECT_LE(f.longestUp, 10 * Second);
    EXPECT_GE(f.endings, 5) << "each new session ends as well";
    EXPECT_LE(recovery(), 5 * Second);
}

TEST_P(ReplyIntegrity, DuplicatedAndSplitAnswers) {
    comeUp();
    // Every answer twice and read a few bytes at a time: the copy is gone before the next
    // frame goes out, and the session runs on.
    const int errorReads = entryReads();
    Fault f = runFault(20, -1, 3, 20 * Second);
    EXPECT_EQ(f.endings, 0);
    EXPECT_TRUE(h.engine.SessionUp);
    EXPECT_GT(entryReads(), errorReads + 5) << "the error entries were read meanwhile";
    // The copy comes a little later, after the next frame has gone out: it is taken for that
    // frame's reply, and every answer after it for the next one's. Nothing is stored from
    // them, and once the copies stop the session is soon back.
    f = runFault(20, -1, 0, 20 * Second, 15);
    EXPECT_LE(recovery(), 5 * Second);
}

// One answer to an error-entry read comes twice, the copy after the next entry was asked for:
// the entry shown second must still be the unit's second entry.
TEST_P(ReplyIntegrity, DoubledErrorEntryAnswerShiftsNoEntry) {
    comeUp();
    const int before = entryReads();
    for (int t = 0; t < 10 * Second && entryReads() == before; ++t) h.advance(1);
    ASSERT_GT(entryReads(), before);
    SimFaults f;
    f.answerDelayMs = 20;
    f.duplicateAnswers = 1;
    f.duplicateGapMs = 15;
    h.sim.setFaults(adapter, f);
    run(10 * Second);
    EXPECT_LE(recovery(), 5 * Second);
    EXPECT_GT(entryReads(), before + 3);
}

INSTANTIATE_TEST_SUITE_P(, ReplyIntegrity, ::testing::Values(false, true), [](const auto& info) {
    return info.param ? "WorkerThread" : "PassByPass";
});

}  // namespace
