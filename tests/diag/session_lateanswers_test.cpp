// The heaters on the K-Line and the S-Bus and the class-3 W-Bus heater while the adapter answers
// late, twice or in pieces: no data point ever takes a value from an answer to another request,
// a link whose every answer comes after the reply time-out ends the session within seconds
// instead of keeping it up on frozen values, and the session is back within seconds once the
// fault has passed. Through the transfer thread pass by pass, and with its own worker thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <tuple>

#include "diagsession.h"
#include "engineharness.h"
#include "kx3024unit.h"
#include "kx3117unit.h"
#include "kx3141unit.h"
#include "kx3166unit.h"
#include "modules.h"

namespace {

constexpr int64_t Second = 1000;

// A value that follows the unit's clock (supply voltage, temperatures, the on-time counter):
// it must stay within what the unit can show.
struct Moving {
    const char* key;
    double lo, hi;
    bool hoursMinutes = false;  // the text is hours:minutes, the range in minutes
};

struct Unit {
    const char* name;
    uint8_t deviceClass;
    int row;  // of the device list
    std::function<std::unique_ptr<ISimControlUnit>()> make;
    const char* entryRead;  // how the telegram log begins a request for an error entry
    std::vector<Moving> moving;
    // Values a session sets when it registers its points, standing for "not read yet".
    std::map<ByteString, ByteString> unread;
};

std::ostream& operator<<(std::ostream& os, const Unit& u) {
    return os << u.name;
}

// Once the link is clean, a session of these classes is back with every value after its start
// and its error-memory read: under a second (0.65 to 0.95 s measured). After late answers an
// answer still on its way may first come as late as the fault made it and end the running
// session, so there the fault's delay comes on top (the delay plus 0.75 s measured at worst).
constexpr int64_t StartAndErrorRead = 1500;
// Through the worker thread the test's clock moves on while the worker reads an answer in
// pieces, so a session started while answers come split takes up to twice as long on this
// clock (1.5 to 1.9 s measured, 0.9 s pass by pass).
constexpr int64_t StartWhileSplit = 3 * Second;

class LateAnswers : public ::testing::TestWithParam<std::tuple<Unit, bool>> {
protected:
    LateAnswers()
        : h(worker() ? EngineHarness::withWorkerThread() : EngineHarness::withTransferThread()),
          session(h.engine) {
        DIAG_InstallModules(session);
        unit = param().make();
        adapter = h.sim.addAdapter("NAV0001");
        h.sim.attachUnit(adapter, unit.get());
        setFaults(20);
    }
    ~LateAnswers() override { h.close(); }

    static const Unit& param() { return std::get<0>(GetParam()); }
    // The worker thread runs in real time: it gets only what its guarantees need.
    static bool worker() { return std::get<1>(GetParam()); }

    void setFaults(int delayMs, int duplicates = 0, uint32_t split = 0, int duplicateGapMs = 0) {
        SimFaults f;
        f.answerDelayMs = delayMs;
        f.duplicateAnswers = duplicates;
        f.duplicateGapMs = duplicateGapMs;
        f.splitBytes = split;
        h.sim.setFaults(adapter, f);
    }

    static double number(const Moving& m, const TResult& v) {
        if (!m.hoursMinutes) return static_cast<double>(v.Value);
        const size_t colon = v.Text.find(':');
        if (colon == ByteString::npos) return -1;
        return std::stod(v.Text.substr(0, colon)) * 60 + std::stod(v.Text.substr(colon + 1));
    }
    const Moving* moving(const ByteString& key) const {
        for (const Moving& m : param().moving)
            if (key == m.key) return &m;
        return nullptr;
    }
    // Valid and read from the unit in this session.
    bool shown(const ByteString& key, const TResult& v) const {
        const auto u = param().unread.find(key);
        return !v.Invalid && (u == param().unread.end() || v.Text != u->second);
    }

    // Every value shown is the unit's: the same as in the first clean session, or within its
    // range for a moving one.
    void checkPoints() {
        for (const TWerteDaten& p : h.engine.dataPoints.DataPoints()) {
            if (!shown(p.Key, p.Value)) continue;
            if (const Moving* m = moving(p.Key)) {
                const double v = number(*m, p.Value);
                ASSERT_TRUE(v >= m->lo && v <= m->hi)
                    << p.Key << " " << p.Value.Text << " at " << h.clock.now();
                continue;
            }
            const auto r = reference.find(p.Key);
            if (r == reference.end()) continue;
            ASSERT_EQ(p.Value.Text, r->second.Text) << p.Key << " at " << h.clock.now();
            ASSERT_EQ(p.Value.Value, r->second.Value) << p.Key << " at " << h.clock.now();
        }
    }

    // Runs for ms; a manual session of the unit's class is started whenever none runs. Every
    // 10 ms the data points are held against the unit.
    void run(int64_t ms) {
        for (int64_t t = 0; t < ms && !::testing::Test::HasFailure(); t += 10) {
            if (h.engine.AdapterReady && !h.engine.SessionStarted) {
                session.SelectedDeviceIndex = param().row;
                session.DIAG_BeginSession(param().deviceClass);
            }
            const bool was = h.engine.SessionStarted;
            h.advance(10);
            if (was && !h.engine.SessionStarted) endings.push_back(h.clock.now());
            upSince = h.engine.SessionUp ? (upSince < 0 ? h.clock.now() : upSince) : -1;
            checkPoints();
        }
    }

    // The technician's first session on a clean link, once it has read the error memory: what
    // it shows then is the unit's.
    void comeUp() {
        h.show();
        h.advance(150);
        run(3 * Second);
        ASSERT_TRUE(h.engine.SessionUp);
        for (const TWerteDaten& p : h.engine.dataPoints.DataPoints())
            if (shown(p.Key, p.Value)) reference[p.Key] = p.Value;
        ASSERT_FALSE(reference["ERRCODE1"].Text.empty()) << "the unit holds errors";
        for (const auto& u : param().unread) ASSERT_TRUE(reference.count(u.first)) << u.first;
    }

    struct Fault {
        int endings = 0;
        int64_t firstEnding = -1;  // ms after the fault began
        int64_t longestUp = 0;     // the longest time a session was up while it lasted
    };
    // Every answer delayMs late for ms; then the clean link again.
    Fault lateFor(int delayMs, int64_t ms) {
        Fault f;
        endings.clear();
        const int64_t t0 = h.clock.now();
        setFaults(delayMs);
        for (int64_t t = 0; t < ms && !::testing::Test::HasFailure(); t += 100) {
            run(100);
            if (upSince >= 0)
                f.longestUp = std::max(f.longestUp, h.clock.now() - std::max(upSince, t0));
        }
        setFaults(20);
        f.endings = static_cast<int>(endings.size());
        if (!endings.empty()) f.firstEnding = endings.front() - t0;
        return f;
    }

    bool complete() const {
        for (const auto& r : reference)
            if (!shown(r.first, h.engine.dataPoints.DP_GetValue(r.first))) return false;
        return true;
    }
    int entryReads() const {
        int n = 0;
        for (const auto& l : h.log.lines) n += l.text.rfind(param().entryRead, 0) == 0;
        return n;
    }
    // The technician stops the session; the next one starts at once.
    void stop() {
        endings.clear();
        session.DIAG_RequestStop();
        for (int i = 0; i < 100 && endings.empty(); ++i) run(10);
        ASSERT_EQ(endings.size(), 1u) << "the technician's stop";
        endings.clear();
    }
    // A new session, up to the moment it asks for its first error entry.
    void newSessionUntilEntryRead() {
        stop();
        const int before = entryReads();
        for (int i = 0; i < 500 && entryReads() == before && !::testing::Test::HasFailure(); ++i)
            run(10);
        ASSERT_GT(entryReads(), before);
    }
    // Time until a session is up with every value the unit showed at first (at most 20 s).
    int64_t recovery() {
        const int64_t t0 = h.clock.now();
        while (h.clock.now() - t0 < 20 * Second && !::testing::Test::HasFailure()) {
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
    struct Case {
        int delayMs;
        int64_t forMs;
        // From the first error-entry read of a new session on, where an entry is asked again
        // after a foreign answer and the late answer to the first asking fits; else from now.
        bool atEntryRead;
    };
    // Just past the time-out, half-way and near the next repetition; the middle one held for a
    // minute, through session after session.
    std::vector<Case> cases{
        {2050, 20 * Second, true}, {2500, 60 * Second, false}, {3300, 20 * Second, true}};
    if (worker()) cases = {{2500, 20 * Second, true}};
    for (const Case& c : cases) {
        if (c.atEntryRead) newSessionUntilEntryRead();
        const Fault f = lateFor(c.delayMs, c.forMs);
        ASSERT_GE(f.firstEnding, 0) << c.delayMs;
        EXPECT_LE(f.firstEnding, 10 * Second) << c.delayMs;
        EXPECT_LE(f.longestUp, 10 * Second) << c.delayMs;
        EXPECT_GE(f.endings, c.forMs / (10 * Second)) << c.delayMs << ": each new session ends";
        EXPECT_LE(recovery(), c.delayMs + StartAndErrorRead) << c.delayMs;
    }
    EXPECT_EQ(h.boxesInReplyPath, 0);
}

TEST_P(LateAnswers, DuplicatedAndSplitAnswersShiftNothing) {
    comeUp();
    const int64_t forMs = worker() ? 3 * Second : 20 * Second;
    // Every answer twice and read three bytes at a time: the copy is gone before the next
    // frame goes out. A session started now reads the identification and the error memory
    // through it, and runs on.
    setFaults(20, -1, 3);
    stop();
    EXPECT_LE(recovery(), worker() ? StartWhileSplit : StartAndErrorRead);
    run(forMs);
    EXPECT_TRUE(endings.empty());
    EXPECT_TRUE(h.engine.SessionUp);
    // The copy comes a little later, after the next frame has gone out: it is taken for that
    // frame's reply, and every answer after it for the next one's. Nothing of them may land in
    // that request's data points, and once the copies stop the session is soon back.
    setFaults(20, -1, 3, 15);
    run(forMs);
    setFaults(20);
    EXPECT_LE(recovery(), StartAndErrorRead);
    EXPECT_EQ(h.boxesInReplyPath, 0);
}

const Unit Units[] = {
    {"KX3024",
     dcKX3024,
     1,
     [] { return std::unique_ptr<ISimControlUnit>(new SimKX3024Unit); },
     "TX: 87 9D F1 A1 ",
     {{"OVRUB", 12.15, 12.65},
      {"OVRTEMP", 17, 23},
      {"BETTEIN", 1706 * 60 + 45, 1706 * 60 + 50, true}},
     {}},
    {"KX3117",
     dcKX3117,
     2,
     [] { return std::unique_ptr<ISimControlUnit>(new SimKX3117Unit); },
     "TX: F4 04 56 02 ",
     {{"OVRUB", 12.37, 12.63}, {"OVRTEMP", 16.9, 23.1}, {"BETTEMPUEH", 19.9, 26.1}},
     {}},
    {"KX3141",
     dcKX3141,
     3,
     [] { return std::unique_ptr<ISimControlUnit>(new SimKX3141Unit); },
     "TX: 07 01 02 5B ",
     {{"OVRUB", 12.65, 12.85}},
     {}},
    {"KX3166",
     dcKX3166,
     4,
     [] { return std::unique_ptr<ISimControlUnit>(new SimKX3166Unit); },
     "TX: 07 01 02 5B ",
     {{"OVRUB", 12.6, 13.0}, {"BET_AD_UB", 431, 442}, {"OVRTEMPCPU", 34.5, 41.5}},
     {{"PARKOMPDEF", "-1"}}},
};

INSTANTIATE_TEST_SUITE_P(, LateAnswers,
                         ::testing::Combine(::testing::ValuesIn(Units), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "_WorkerThread" : "_PassByPass");
                         });

}  // namespace
