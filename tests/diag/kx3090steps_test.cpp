// The class-1 step machine against the simulated unit over the fake transport: the order of
// the requests, the error-memory read, the decision step's priorities and the tick intervals.
#include <gtest/gtest.h>

#include <algorithm>

#include "kx3090module.h"
#include "kx3090unit.h"
#include "modules.h"
#include "sessionrig.h"

namespace {

// The simulated unit with a few answers the test chooses.
class ScriptedKX3090 : public SimKX3090Unit {
public:
    std::optional<ByteString> answerPayload(const ByteString& r) override {
        if (script) {
            if (auto a = script(r)) return a;
        }
        return SimKX3090Unit::answerPayload(r);
    }
    // Answers that replace the unit's own; nothing = the unit answers.
    std::function<std::optional<ByteString>(const ByteString&)> script;
};

// A session with the class-1 module and the scripted unit on the W-Bus.
struct KX3090Bench {
    KX3090Bench() {
        DIAG_InstallModules(r.session);
        unit.attachClock(r.h.simClock);
        r.wbus = [this](const ByteString& t) { return unit.answer(t); };
    }
    KX3090Module& module() { return *r.session.moduleAs<KX3090Module>(dcKX3090); }
    void comeUp() {
        r.session.DIAG_BeginSession(dcNone);
        for (int i = 0; i < 100 && !r.h.engine.SessionUp; ++i) r.h.advance(10);
        ASSERT_TRUE(r.h.engine.SessionUp);
    }
    std::vector<ByteString> payloads(size_t from = 0) const { return r.wbusPayloads(from); }
    size_t sentSoFar() const { return r.telegramsOn(0).size(); }
    std::vector<ByteString> only(std::initializer_list<const char*> wanted, size_t from = 0) const {
        return r.wbusOnly(wanted, from);
    }
    std::vector<int64_t> timesOf(const char* payloadHex) const { return r.wbusTimesOf(payloadHex); }

    SessionRig r;
    ScriptedKX3090 unit;
};

class KX3090Steps : public ::testing::Test, protected KX3090Bench {};

TEST_F(KX3090Steps, IdentificationOnceThenTheCyclicBlock) {
    comeUp();
    const auto p = payloads();
    const std::vector<ByteString> expected = {
        "51 0B ",  // the detection's name probe
        "51 0A ", "51 0C ", "38 ",    "51 01 ", "51 02 ", "51 03 ", "51 04 ",
        "51 05 ", "51 06 ", "51 07 ", "51 09 ", "53 02 ", "50 04 ", "50 02 ",
        "50 03 ", "50 05 ", "50 07 ", "60 A0 ", "50 0F ",
    };
    ASSERT_GE(p.size(), expected.size());
    EXPECT_EQ(std::vector<ByteString>(p.begin(), p.begin() + expected.size()), expected);
}

TEST(KX3090Cases, ErrorMemoryIsReadEntryByEntryUpToNine) {
    struct Case {
        int count;
        int entriesRead;
    };
    for (const Case c : {Case{0, 0}, Case{2, 2}, Case{11, 9}}) {
        SCOPED_TRACE(c.count);
        KX3090Bench b;  // a bench of its own per case
        std::vector<SimKX3090Unit::ErrorEntry> e;
        for (int i = 0; i < c.count; ++i)
            e.push_back({static_cast<uint8_t>(0x81 + i), 1, 1, 0x0400, 70, 12000, 10, 5});
        b.unit.setErrors(e);
        int errorViews = 0;
        b.r.session.views.ErrorShowValues = [&] { ++errorViews; };
        b.r.session.DIAG_BeginSession(dcNone);
        b.r.h.advance(1500);

        const std::vector<ByteString> p = b.payloads();
        const auto list = std::find(p.begin(), p.end(), "56 01 ");
        ASSERT_NE(list, p.end());
        int entries = 0;
        auto it = list + 1;
        for (; it != p.end() && it->rfind("56 02 ", 0) == 0; ++it, ++entries)
            EXPECT_EQ(*it, "56 02 " + hexOf(ByteString(1, static_cast<char>(0x81 + entries))));
        EXPECT_EQ(entries, c.entriesRead);
        ASSERT_NE(it, p.end());
        EXPECT_EQ(*it, "50 02 ");  // back to the cyclic block
        EXPECT_GE(errorViews, 1);
        const DataPointTable& dp = b.r.h.engine.dataPoints;
        if (c.count == 11) {
            EXPECT_EQ(dp.DP_GetValue("ERRBEZ9").Text, "Motor Unterbrechung o. Kurzschluss Kl. 30");
            EXPECT_EQ(dp.DP_GetValue("ERRCODE10").Text, "8A");  // only the code of the list
            EXPECT_TRUE(dp.DP_GetValue("ERRBEZ10").Invalid);
        }
    }
}

TEST_F(KX3090Steps, RefusedErrorEntryIsAskedForAgain) {
    bool refused = false;
    unit.script = [&](const ByteString& q) -> std::optional<ByteString> {
        if (!refused && q.size() == 3 && q[0] == 0x56 && q[1] == 2) {
            refused = true;
            return SimWBusUnit::refusal(0x56);
        }
        return std::nullopt;
    };
    comeUp();
    r.h.advance(500);
    EXPECT_EQ(
        only({"56 01 ", "56 02 03 ", "56 02 84 ", "56 02 14 "}),
        (std::vector<ByteString>{"56 01 ", "56 02 03 ", "56 02 03 ", "56 02 84 ", "56 02 14 "}));
}

TEST_F(KX3090Steps, DecisionStepServesOnePendingCommandPerPassInItsOrder) {
    comeUp();
    r.h.advance(300);
    const size_t from = sentSoFar();
    module().KX3090_RequestErrorDelete();
    module().KX3090_RequestPump();
    for (int i = 0; i < 101; ++i) module().KX3090_OnTimer();  // operating data and error poll due
    r.h.advance(500);
    const auto served = only({"50 06 ", "24 3C ", "56 03 ", "56 01 ", "10 "}, from);
    ASSERT_GE(served.size(), 4u);
    EXPECT_EQ(std::vector<ByteString>(served.begin(), served.begin() + 4),
              (std::vector<ByteString>{"50 06 ", "24 3C ", "56 03 ", "56 01 "}));
    // one command per pass: a whole cyclic block between two of them
    const auto p = payloads(from);
    const auto pump = std::find(p.begin(), p.end(), "24 3C ");
    const auto del = std::find(p.begin(), p.end(), "56 03 ");
    ASSERT_TRUE(pump != p.end() && del != p.end());
    EXPECT_EQ(std::count(pump, del, "50 0F "), 1);
    EXPECT_TRUE(unit.errors().empty());
}

TEST(KX3090Cases, RefreshFollowsTheAnswerToIt) {
    struct Case {
        uint8_t answer;
        bool keepsRunning;
    };
    for (const Case c : {Case{0x00, true}, Case{0x01, false}}) {
        SCOPED_TRACE(int(c.answer));
        KX3090Bench b;
        b.unit.script = [&](const ByteString& q) -> std::optional<ByteString> {
            if (!q.empty() && q[0] == 0x44)
                return ByteString{static_cast<char>(0xC4), static_cast<char>(c.answer)};
            return std::nullopt;
        };
        KX3090Module& m = b.module();
        b.r.session.DIAG_BeginSession(dcNone);
        b.r.h.advance(500);
        m.KX3090_RequestPump();
        b.r.h.advance(200);
        for (int i = 0; i < 151; ++i) m.KX3090_OnTimer();  // the refresh falls due
        b.r.h.advance(300);
        const auto refreshes = b.only({"44 24 00 "});
        EXPECT_EQ(refreshes.size(), 1u);
        EXPECT_EQ(m.refreshActive(), c.keepsRunning);
    }
}

TEST_F(KX3090Steps, OffStopsARunningRefreshAtOnce) {
    comeUp();
    module().KX3090_RequestPump();
    r.h.advance(300);
    ASSERT_TRUE(unit.pumpRunning());
    module().KX3090_RequestOff();
    EXPECT_FALSE(module().refreshActive());
    const size_t from = sentSoFar();
    r.h.advance(20000);
    EXPECT_EQ(only({"10 ", "44 24 00 "}, from), std::vector<ByteString>{"10 "});
    EXPECT_FALSE(unit.pumpRunning());
}

TEST_F(KX3090Steps, PollsFollowTheTickIntervals) {
    comeUp();
    module().KX3090_RequestPump();
    r.h.advance(62000);
    // operating data every 101 ticks, error list every 31, a running pump's refresh every 151
    // Averaged over the run, so the wait for the next decision step does not count.
    auto averageInterval = [](const std::vector<int64_t>& t) {
        return static_cast<double>(t.back() - t.front()) / static_cast<double>(t.size() - 1);
    };
    auto operating = timesOf("50 06 ");
    auto errorList = timesOf("56 01 ");
    ASSERT_GE(operating.size(), 6u);
    ASSERT_GE(errorList.size(), 15u);
    // the first read of each is due twice at the start (registration, then the first tick)
    operating.erase(operating.begin());
    errorList.erase(errorList.begin());
    EXPECT_NEAR(averageInterval(operating), 10100, 20);
    EXPECT_NEAR(averageInterval(errorList), 3100, 20);
    const auto refresh = timesOf("44 24 00 ");
    ASSERT_EQ(refresh.size(), 4u);
    EXPECT_NEAR(averageInterval(refresh), 15100, 25);
}

TEST_F(KX3090Steps, ViewsAreToldAtTheirSteps) {
    int overview = 0, trend = 0, calibration = 0, operating = 0, info = 0;
    ViewHooks& v = r.session.views;
    v.OverviewShowValues = [&] { ++overview; };
    v.TrendShowValues = [&] { ++trend; };
    v.CalibrationShowValues = [&] { ++calibration; };
    v.OperatingDataShowValues = [&] { ++operating; };
    v.DeviceInfoShowValues = [&] { ++info; };
    int sessionStates = 0;
    r.h.engine.windowHooks.UI_UpdateSessionState = [&] { ++sessionStates; };
    comeUp();
    r.h.advance(1000);
    const auto p = payloads();
    const int cycles = static_cast<int>(std::count(p.begin(), p.end(), "50 0F "));
    EXPECT_EQ(overview, cycles);
    EXPECT_EQ(trend, cycles);
    EXPECT_EQ(calibration, cycles);
    EXPECT_EQ(operating, static_cast<int>(std::count(p.begin(), p.end(), "50 06 ")));
    EXPECT_EQ(info, 1);
    EXPECT_EQ(sessionStates, 1);
}

TEST_F(KX3090Steps, StopEndsTheRefreshButKeepsNoCommandForTheNextSession) {
    comeUp();
    module().KX3090_RequestPump();
    r.h.advance(300);
    ASSERT_TRUE(module().refreshActive());
    module().KX3090_RequestOff();
    module().KX3090_RequestPump();
    r.session.DIAG_RequestStop();
    r.h.advance(200);
    ASSERT_FALSE(r.h.engine.SessionStarted);
    EXPECT_FALSE(module().refreshActive());
    const size_t from = sentSoFar();
    comeUp();
    r.h.advance(20000);
    EXPECT_TRUE(only({"10 ", "24 3C ", "44 24 00 "}, from).empty());
}

}  // namespace
