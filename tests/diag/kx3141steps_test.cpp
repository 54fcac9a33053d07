// The class-4 step machine against the simulated unit over the fake transport: telegrams byte
// for byte, the order of the requests, the decision step's priorities, the refresh of heating
// and pump, and how refused, foreign or failed answers move the steps.
#include <gtest/gtest.h>

#include "kx3141module.h"
#include "kx3141unit.h"
#include "sbusbench.h"

namespace {

// A session with the class-4 module and the simulated unit on the S-Bus.
struct KX3141Bench : SBusStepBench<KX3141Module, SimKX3141Unit, dcKX3141> {
    KX3141Bench() : SBusStepBench({"97 00 00 1E ", "96 00 00 2D ", "5A "}) {}
};

class KX3141Steps : public ::testing::Test, protected KX3141Bench {};

TEST_F(KX3141Steps, ManualStartTelegramsByteForByte) {
    r.session.buses().sbus.SBUS_SetDeviceAddress(7);
    r.session.DIAG_BeginSession(dcKX3141);
    r.h.advance(1500);
    ASSERT_TRUE(r.h.engine.SessionUp);
    const auto t = r.telegramsOn(2);
    ASSERT_GE(t.size(), 15u);
    EXPECT_EQ(hexOf(t[0]), "07 01 01 14 E2 ");                 // identification
    EXPECT_EQ(hexOf(t[1]), "07 01 06 1E 01 00 00 00 01 D1 ");  // session, key 0x01000000
    EXPECT_EQ(hexOf(t[12]), "07 01 04 97 00 00 1E 3E ");       // counters: address 0, 30 bytes
    EXPECT_EQ(hexOf(t[13]), "07 01 04 96 00 00 2D 30 ");       // overview: address 0, 45 bytes
    module().KX3141_RequestHeatOn();
    module().KX3141_RequestPumpOn();
    for (int i = 0; i < 151; ++i) module().KX3141_OnTimer();
    r.h.advance(3000);
    const auto all = r.telegramsOn(2);
    auto sentTelegram = [&](const char* hex) {
        return std::count(all.begin(), all.end(), H(hex)) > 0;
    };
    EXPECT_TRUE(sentTelegram("07 01 02 0A 01 EA"));
    EXPECT_TRUE(sentTelegram("07 01 04 0D 01 00 01 E4"));  // heating, reserved 0, pump
    EXPECT_TRUE(sentTelegram("07 01 02 5B 03 97"));        // error entry 3
}

TEST_F(KX3141Steps, IdentificationOnceThenTheCycleWithTheTenEntries) {
    int konfigViews = 0, sessionStates = 0;
    r.session.views.DeviceInfoShowValues = [&] { ++konfigViews; };
    r.h.engine.windowHooks.UI_UpdateSessionState = [&] { ++sessionStates; };
    comeUp();
    std::vector<ByteString> expected = {
        "14 ",  // the detection's probe
        "1E 01 00 00 00 01 ",
        "1B ",
        "02 ",
        "15 ",
        "16 ",
        "17 ",
        "18 ",
        "19 ",
        "1A ",
        "1C ",
        "1D ",
        "97 00 00 1E ",
        "96 00 00 2D ",
        "5A ",
    };
    for (int n = 1; n <= 10; ++n)
        expected.push_back(hexOf(ByteString{'\x5B', static_cast<char>(n)}));
    // the session is up at the first decision step: after the next unchanged status
    for (const char* c : {"97 00 00 1E ", "96 00 00 2D ", "5A "}) expected.push_back(c);
    const auto s = sent();
    ASSERT_GE(s.size(), expected.size());
    EXPECT_EQ(std::vector<ByteString>(s.begin(), s.begin() + expected.size()), expected);
    EXPECT_EQ(konfigViews, 1);
    EXPECT_EQ(sessionStates, 1);
    EXPECT_FALSE(module().firstPass());
    r.h.advance(1000);
    EXPECT_EQ(count("14 "), 1);
    EXPECT_EQ(konfigViews, 1);
    EXPECT_EQ(dp().DP_GetValue("CFGSWVER").Text, "V3.05");
    EXPECT_EQ(dp().DP_GetValue("CFGSBUSVER").Text, " S-BUS V1.3");
    EXPECT_EQ(dp().DP_GetValue("CFGName").Text, "KX3141");
}

TEST_F(KX3141Steps, DecisionStepServesOneItemPerPassInItsOrder) {
    comeUp();
    KX3141Module& m = module();
    // every item at once, set in reverse of their order; heating and pump end up on
    m.KX3141_RequestErrorDelete();
    m.KX3141_RequestPumpOff();
    m.KX3141_RequestPumpOn();
    m.KX3141_RequestHeatOff();
    m.KX3141_RequestHeatOn();
    for (int i = 0; i < 151; ++i) m.KX3141_OnTimer();
    ASSERT_TRUE(m.refreshDue());
    const size_t from = sentSoFar();
    r.h.advance(4000);
    const std::vector<ByteString> expected = {"0A 01 ", "0A 00 ", "0C 01 ",      "0C 00 ",
                                              "5C ",    "10 ",    "0D 01 00 01 "};
    EXPECT_EQ(commands(from), expected);
    // one item per pass: a whole cyclic block between two items (the delete's 5C, 10 is one)
    const auto s = sent(from);
    const auto first = std::find(s.begin(), s.end(), "0A 01 ");
    ASSERT_NE(first, s.end());
    EXPECT_EQ(std::vector<ByteString>(first + 1, first + 5),
              (std::vector<ByteString>{"97 00 00 1E ", "96 00 00 2D ", "5A ", "0A 00 "}));
    const auto del = std::find(s.begin(), s.end(), "5C ");
    ASSERT_NE(del, s.end());
    EXPECT_EQ(*(del + 1), "10 ");
}

TEST_F(KX3141Steps, HeatingAndPumpAreRefreshedUntilBothAreOff) {
    comeUp();
    KX3141Module& m = module();
    // heating on, then pump on before the next decision step: two passes, then the refresh
    m.KX3141_RequestHeatOn();
    m.KX3141_RequestPumpOn();
    const size_t from = sentSoFar();
    r.h.advance(1000);
    EXPECT_EQ(commands(from), (std::vector<ByteString>{"0A 01 ", "0C 01 "}));
    for (int i = 0; i < 151 * 3; ++i) m.KX3141_OnTimer();  // due three times, served once
    r.h.advance(500);
    EXPECT_EQ(count("0D 01 00 01 ", from), 1);
    // heating off while the pump stays on: its own request once; the refresh carries the pump
    m.KX3141_RequestHeatOff();
    EXPECT_TRUE(m.refreshActive());
    const size_t later = sentSoFar();
    for (int i = 0; i < 151; ++i) m.KX3141_OnTimer();
    r.h.advance(1000);
    EXPECT_EQ(commands(later), (std::vector<ByteString>{"0A 00 ", "0D 00 00 01 "}));
    // both off: the refresh stops, and one already due is dropped
    for (int i = 0; i < 151; ++i) m.KX3141_OnTimer();
    ASSERT_TRUE(m.refreshDue());
    m.KX3141_RequestPumpOff();
    EXPECT_FALSE(m.refreshActive());
    EXPECT_FALSE(m.refreshDue());
    const size_t last = sentSoFar();
    for (int i = 0; i < 400; ++i) m.KX3141_OnTimer();
    r.h.advance(2000);
    EXPECT_EQ(commands(last), (std::vector<ByteString>{"0C 00 "}));
}

TEST_F(KX3141Steps, RefreshFollowsTheTickAndKeepsTheUnitHeating) {
    comeUp();
    module().KX3141_RequestHeatOn();
    r.h.advance(100000);
    const auto refresh = timesOf("0D 01 00 00 ");
    ASSERT_GE(refresh.size(), 6u);
    // 151 ticks of 100 ms, averaged so the wait for the next decision step does not count
    const double average = static_cast<double>(refresh.back() - refresh.front()) /
                           static_cast<double>(refresh.size() - 1);
    EXPECT_NEAR(average, 15100, 25);
    // the unit holds a command only so long: the refresh kept it heating all along
    EXPECT_TRUE(unit.heatingCommanded());
    EXPECT_EQ(unit.state(), SimKX3141Unit::Heating);
    EXPECT_EQ(unit.counters().starts, 2346u);
}

TEST_F(KX3141Steps, RefusedErrorEntryLeavesTheLoopWithoutAStall) {
    script = [](const ByteString& q) -> std::optional<ByteString> {
        if (q == H("5B 03")) return SimSBusUnit::negative(SimSBusUnit::RefusedNotNow, 0x5B);
        return std::nullopt;
    };
    comeUp();
    const auto s = sent();
    const auto third = std::find(s.begin(), s.end(), "5B 03 ");
    ASSERT_NE(third, s.end());
    EXPECT_EQ(*(third + 1), "97 00 00 1E ");  // back to the cyclic reads, entries 4..10 not asked
    EXPECT_EQ(count("5B 04 "), 0);
    const size_t before = sentSoFar();
    r.h.advance(2000);
    EXPECT_GT(sentSoFar(), before + 10);
    EXPECT_EQ(dp().DP_GetValue("ERRBEZ2").Text, "Unterspannung");
}

TEST_F(KX3141Steps, AnswersToAnotherRequestAreNotStored) {
    // late answers, once each: entry 3 when entry 2 is asked for, an EOL read of another
    // address when the counters are asked for
    int wrongEntries = 1, counterReads = 0;
    bool foreignCountersStored = true;
    script = [&](const ByteString& q) -> std::optional<ByteString> {
        if (q == H("5B 02") && wrongEntries-- > 0)
            return H("5B 03 15 05 0E") + ByteString(16, '\0');
        if (q == H("97 00 00 1E") && ++counterReads == 1)
            return H("97 08 00 1E") + ByteString(30, '\x05');
        if (q == H("97 00 00 1E") && counterReads == 2)
            foreignCountersStored = !dp().DP_GetValue("BETSTART").Invalid;
        return std::nullopt;
    };
    comeUp();
    const auto s = sent();
    const auto second = std::find(s.begin(), s.end(), "5B 02 ");
    ASSERT_NE(second, s.end());
    EXPECT_EQ(*(second + 1), "5B 02 ");  // the same entry again, then the rest of the loop
    EXPECT_EQ(*(second + 2), "5B 03 ");
    EXPECT_EQ(count("5B 0A "), 1);
    EXPECT_EQ(dp().DP_GetValue("ERRBEZ2").Text, "Unterspannung");
    EXPECT_EQ(dp().DP_GetValue("ERRBEZ3").Text, "Magnetventil 2 defekt");  // the unit's own
    // the counters came with the next cycle, from the right address
    EXPECT_FALSE(foreignCountersStored);
    EXPECT_EQ(dp().DP_GetValue("BETSTART").Text, "2345");
    EXPECT_TRUE(r.h.engine.SessionStarted);
}

TEST_F(KX3141Steps, EntryAnsweredOnlyForAnotherRequestEndsTheSessionOnce) {
    script = [](const ByteString& q) -> std::optional<ByteString> {
        if (q == H("5B 02")) return H("5B 03 15 05 0E") + ByteString(16, '\0');
        return std::nullopt;
    };
    r.session.DIAG_BeginSession(dcNone);
    for (int i = 0; i < 300 && r.h.engine.SessionStarted; ++i) r.h.advance(10);
    EXPECT_FALSE(r.h.engine.SessionStarted);
    EXPECT_EQ(count("5B 02 "), 5);
    EXPECT_EQ(count("5B 03 "), 0);
    EXPECT_TRUE(dp().DP_GetValue("ERRBEZ3").Invalid);
    EXPECT_EQ(r.h.log.count("Diagnose gestoppt"), 1);
    EXPECT_TRUE(r.h.ui.boxes.empty());
}

TEST_F(KX3141Steps, ErrorDeleteRefusedStillSendsTheReset) {
    script = [](const ByteString& q) -> std::optional<ByteString> {
        if (q == H("5C")) return SimSBusUnit::negative(SimSBusUnit::RefusedNotNow, 0x5C);
        return std::nullopt;
    };
    comeUp();
    const size_t from = sentSoFar();
    module().KX3141_RequestErrorDelete();
    r.h.advance(1000);
    EXPECT_EQ(commands(from), (std::vector<ByteString>{"5C ", "10 "}));
    EXPECT_EQ(unit.errors().size(), 3u);
}

TEST_F(KX3141Steps, CommandsOfAnEarlierSessionNeverReachTheNext) {
    module().KX3141_RequestErrorDelete();
    module().KX3141_RequestHeatOn();
    module().KX3141_RequestPumpOn();
    comeUp();
    EXPECT_FALSE(module().refreshActive());
    for (int i = 0; i < 200; ++i) module().KX3141_OnTimer();
    r.h.advance(3000);
    EXPECT_EQ(commands(0),
              (std::vector<ByteString>{"14 ", "1E 01 00 00 00 01 ", "1B ", "02 ", "15 ", "16 ",
                                       "17 ", "18 ", "19 ", "1A ", "1C ", "1D "}));
    EXPECT_EQ(unit.errors().size(), 3u);
    EXPECT_FALSE(unit.heatingCommanded());
}

TEST_F(KX3141Steps, SessionEndsOnceOnAFailureLimit) {
    struct Case {
        const char* what;
        std::function<void(KX3141Bench&)> fault;
        size_t requestsAfter;  // requests sent after the fault
    };
    const Case cases[] = {
        {"every answer damaged",
         [](KX3141Bench& b) {
             b.r.sbus = [](const ByteString&) -> std::optional<ByteString> {
                 return H("01 07 01 35 00");  // a wrong checksum
             };
         },
         5},  // the same request five times, the fifth failure ends it
        {"every answer another request's",
         [](KX3141Bench& b) {
             b.script = [](const ByteString&) -> std::optional<ByteString> {
                 return H("97 40 00 1E") + ByteString(30, '\x07');
             };
         },
         5},  // each skips to the next request, the fifth ends it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KX3141Bench b;
        b.comeUp();
        b.module().KX3141_RequestPumpOn();
        const size_t from = b.sentSoFar();
        c.fault(b);
        b.r.h.advance(3000);
        EXPECT_FALSE(b.r.h.engine.SessionStarted);
        EXPECT_EQ(b.r.h.log.count("Diagnose gestoppt"), 1);
        EXPECT_EQ(b.r.session.SessionReq.Step, ssIdle);
        EXPECT_EQ(b.sentSoFar() - from, c.requestsAfter);
        EXPECT_FALSE(b.module().refreshActive());  // stopped with the session
        EXPECT_EQ(b.dp().DP_GetValue("OVRZUSTAND").Text, "Einsatzbereit");  // nothing foreign
    }
}

}  // namespace
