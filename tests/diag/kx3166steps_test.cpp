// The class-5 step machine against the simulated unit over the fake transport: frames byte for
// byte, the order of the requests, the decision step's priorities, the repeats of the tick,
// and how refused or failed answers move the steps.
#include <gtest/gtest.h>

#include <algorithm>

#include "kx3166module.h"
#include "kx3166unit.h"
#include "sbusbench.h"

namespace {

// A session with the class-5 module and the simulated unit on the S-Bus.
struct KX3166Bench : SBusStepBench<KX3166Module, SimKX3166Unit, dcKX3166> {
    KX3166Bench() : SBusStepBench({"2F ", "30 ", "32 ", "35 ", "5A "}) {}
};

class KX3166Steps : public ::testing::Test, protected KX3166Bench {
protected:
    static ByteString frame(const char* dataHex) {
        ByteString f;
        AdapterFrameProtocol::ADP_BuildFrame(6, H(dataHex), f);
        return f;
    }
    static ByteString transfer(const char* telegramHex) {
        ByteString f;
        AdapterFrameProtocol::ADP_BuildBusTransfer(H(telegramHex), f);
        return f;
    }
};

TEST_F(KX3166Steps, FramesByteForByte) {
    r.session.buses().sbus.SBUS_SetDeviceAddress(7);
    r.session.DIAG_BeginSession(dcKX3166);
    r.h.advance(1000);
    ASSERT_TRUE(r.h.engine.SessionUp);
    const std::vector<ByteString>& f = r.h.transport()->frames;
    ASSERT_GE(f.size(), 5u);
    EXPECT_EQ(hexOf(f[0]), hexOf(frame("1E 02 05 01 05 FF")));
    EXPECT_EQ(hexOf(f[1]), hexOf(frame("1F 1A 00 B3 00")));
    EXPECT_EQ(hexOf(f[2]), hexOf(transfer("07 01 01 14 E2")));
    EXPECT_EQ(hexOf(f[3]), hexOf(transfer("07 01 06 1E 01 06 00 00 01 CB")));
    EXPECT_EQ(hexOf(f[4]), hexOf(transfer("07 01 01 1B DB")));  // bus version

    auto sentFrame = [&](const char* telegramHex) {
        return std::count(f.begin(), f.end(), transfer(telegramHex)) > 0;
    };
    EXPECT_TRUE(sentFrame("07 01 05 98 01 40 00 01 18"));  // component default time
    module().KX3166_RequestHSOn();
    module().KX3166_RequestUPFAOff();
    module().KX3166_RequestCounterDelete();
    module().KX3166_StartComponentTest(4, 0, 1000);
    for (int i = 0; i < 151; ++i) module().KX3166_OnTimer();  // repeat and refresh fall due
    r.h.advance(2000);
    EXPECT_TRUE(sentFrame("07 01 05 0D 01 FF 00 FF E4"));  // HS, SPAR, UPFA, KL61
    EXPECT_TRUE(sentFrame("07 01 09 31 01 01 01 01 01 01 01 01 B5"));
    EXPECT_TRUE(sentFrame("07 01 05 0E 04 00 E8 03 F4"));
    EXPECT_TRUE(sentFrame("07 01 02 5B 03 97"));  // error entry 3
}

TEST_F(KX3166Steps, IdentificationOnceThenTheCycleWithTheTenEntries) {
    comeUp();
    const auto s = sent();
    std::vector<ByteString> expected = {
        "14 ",  // the detection's probe
        "1E 01 06 00 00 01 ",
        "1B ",
        "02 ",
        "51 ",
        "52 ",
        "53 ",
        "54 ",
        "99 01 ",
        "26 ",
        "98 01 40 00 01 ",
        "2F ",
        "30 ",
        "32 ",
        "35 ",
        "5A ",
    };
    for (int n = 1; n <= 10; ++n)
        expected.push_back(hexOf(ByteString{'\x5B', static_cast<char>(n)}));
    for (const char* c : {"2F ", "30 ", "32 ", "35 ", "5A ", "2F "}) expected.push_back(c);
    ASSERT_GE(s.size(), expected.size());
    EXPECT_EQ(std::vector<ByteString>(s.begin(), s.begin() + expected.size()), expected);
    EXPECT_EQ(dp().DP_GetValue("CFGHG_SNR").Text, "HG0098765432");
}

TEST_F(KX3166Steps, DecisionStepServesOneItemPerPassInItsOrder) {
    comeUp();
    r.h.advance(300);
    KX3166Module& m = module();
    // every item at once, set in reverse of their order
    m.KX3166_RequestSPARLine();
    m.KX3166_RequestSPAROn();
    m.KX3166_RequestSPAROff();
    m.KX3166_RequestErrorDelete();
    m.KX3166_RequestCounterDelete();
    m.KX3166_RequestKL61Line();
    m.KX3166_RequestKL61Off();
    m.KX3166_RequestKL61On();
    m.KX3166_RequestUPFALine();
    m.KX3166_RequestUPFAOff();
    m.KX3166_RequestUPFAOn();
    m.KX3166_RequestHSLine();
    m.KX3166_RequestHSOff();
    m.KX3166_RequestHSOn();
    m.KX3166_StartComponentTest(1, 0, 2500);
    for (int i = 0; i < 501; ++i) m.KX3166_OnTimer();  // the three repeats fall due
    ASSERT_TRUE(m.componentTestDue());
    ASSERT_TRUE(m.keepAliveDue());
    ASSERT_TRUE(m.refreshDue());
    const size_t from = sentSoFar();
    r.h.advance(6000);
    const std::vector<ByteString> expected = {
        "0A 01 ",
        "0A 00 ",
        "0A FF ",
        "0C 01 ",
        "0C 00 ",
        "0C FF ",
        "11 01 ",
        "11 00 ",
        "11 FF ",
        "5C ",
        "10 ",
        "0B 00 ",
        "0B 01 ",
        "0B FF ",
        "31 01 01 01 01 01 01 01 01 ",
        "0E 01 00 C4 09 ",
        "0D 01 00 01 01 ",
        "1E 01 06 00 00 01 ",
    };
    const auto c = commands(from);
    ASSERT_GE(c.size(), expected.size());
    EXPECT_EQ(std::vector<ByteString>(c.begin(), c.begin() + expected.size()), expected);
    // one item per pass: a whole cyclic block between two items (the delete's 5C, 10 is one)
    const auto s = sent(from);
    const auto first = std::find(s.begin(), s.end(), "0A 01 ");
    const auto second = std::find(s.begin(), s.end(), "0A 00 ");
    ASSERT_TRUE(first != s.end() && second != s.end());
    EXPECT_EQ(std::vector<ByteString>(first + 1, second),
              (std::vector<ByteString>{"2F ", "30 ", "32 ", "35 ", "5A "}));
    const auto del = std::find(s.begin(), s.end(), "5C ");
    ASSERT_NE(del, s.end());
    EXPECT_EQ(*(del + 1), "10 ");
}

TEST_F(KX3166Steps, LineRequestsAndTheirRefresh) {
    comeUp();
    KX3166Module& m = module();
    int hsMarks = 0;
    uint8_t lastHsMark = 0;
    r.h.engine.windowHooks.UI_CheckLineHS = [&](uint8_t s) { ++hsMarks, lastHsMark = s; };
    // contrary requests before the decision step: both go out, in order; the mark shows the last
    m.KX3166_RequestHSOn();
    m.KX3166_RequestHSOff();
    EXPECT_EQ(m.lineHS(), 0);
    EXPECT_EQ(hsMarks, 2);
    EXPECT_EQ(lastHsMark, 0);
    EXPECT_TRUE(m.refreshActive());
    const size_t from = sentSoFar();
    r.h.advance(1500);
    EXPECT_EQ(commands(from), (std::vector<ByteString>{"0A 01 ", "0A 00 "}));
    // the refresh re-sends all four every 151 ticks while a line is overridden
    for (int i = 0; i < 151; ++i) m.KX3166_OnTimer();
    r.h.advance(500);
    EXPECT_EQ(count("0D 00 FF FF FF ", from), 1);
    // all four lines back to the wire: the refresh stops at once, each line's own request goes
    m.KX3166_RequestUPFAOn();
    m.KX3166_RequestHSLine();
    m.KX3166_RequestUPFALine();
    m.KX3166_RequestKL61Line();
    m.KX3166_RequestSPARLine();
    EXPECT_FALSE(m.refreshActive());
    EXPECT_FALSE(m.refreshDue());
    const size_t later = sentSoFar();
    for (int i = 0; i < 200; ++i) m.KX3166_OnTimer();
    r.h.advance(3000);
    EXPECT_EQ(commands(later),
              (std::vector<ByteString>{"0A FF ", "0C 01 ", "0C FF ", "11 FF ", "0B FF "}));
}

TEST_F(KX3166Steps, RepeatsFollowTheTick) {
    comeUp();
    module().KX3166_RequestSPAROn();
    module().KX3166_StartComponentTest(2, 0, 0);
    const int64_t started = r.h.clock.now();
    r.h.advance(110000);
    // Averaged over the run, so the wait for the next decision step does not count.
    auto averageInterval = [](const std::vector<int64_t>& t) {
        return static_cast<double>(t.back() - t.front()) / static_cast<double>(t.size() - 1);
    };
    const auto component = timesOf("0E 02 00 00 00 ");
    const auto refresh = timesOf("0D FF 01 FF FF ");
    const auto keepAlive = timesOf("1E 01 06 00 00 01 ");
    ASSERT_GE(component.size(), 30u);
    ASSERT_GE(refresh.size(), 6u);
    ASSERT_EQ(keepAlive.size(), 3u);  // the session's opening, then two keep-alives
    EXPECT_NEAR(component.front() - started, 3100, 150);  // not at once: after one interval
    EXPECT_NEAR(averageInterval(component), 3100, 20);
    EXPECT_NEAR(averageInterval(refresh), 15100, 25);
    EXPECT_NEAR(keepAlive[2] - keepAlive[1], 50100, 150);
    module().KX3166_StopComponentTest();
    const size_t from = sentSoFar();
    r.h.advance(10000);
    EXPECT_EQ(count("0E 02 00 00 00 ", from), 0);
}

TEST_F(KX3166Steps, RefusedErrorEntryLeavesTheLoopWithoutAStall) {
    script = [](const ByteString& q) -> std::optional<ByteString> {
        if (q == H("5B 03")) return SimSBusUnit::negative(SimSBusUnit::RefusedNotNow, 0x5B);
        return std::nullopt;
    };
    comeUp();
    const auto s = sent();
    const auto third = std::find(s.begin(), s.end(), "5B 03 ");
    ASSERT_NE(third, s.end());
    EXPECT_EQ(*(third + 1), "2F ");  // back to the cyclic reads, entries 4..10 not asked
    EXPECT_EQ(count("5B 04 "), 0);
    const size_t before = sentSoFar();
    r.h.advance(2000);
    EXPECT_GT(sentSoFar(), before + 20);
    EXPECT_EQ(dp().DP_GetValue("ERRBEZ2").Text, "Unterspannung");
}

TEST_F(KX3166Steps, AnswerWithAnotherEntryIsNotStoredAndTheEntryIsAskedAgain) {
    // a late answer: entry 3 comes back once when entry 2 is asked for
    int wrong = 1;
    script = [&](const ByteString& q) -> std::optional<ByteString> {
        if (q == H("5B 02") && wrong-- > 0) return H("5B 03 21") + ByteString(17, '\0');
        return std::nullopt;
    };
    comeUp();
    const auto s = sent();
    const auto second = std::find(s.begin(), s.end(), "5B 02 ");
    ASSERT_NE(second, s.end());
    EXPECT_EQ(*(second + 1), "5B 02 ");  // the same entry again, then the rest of the loop
    EXPECT_EQ(*(second + 2), "5B 03 ");
    EXPECT_EQ(count("5B 0A "), 1);
    EXPECT_EQ(dp().DP_GetValue("ERRBEZ1").Text, "Flammabbruch");
    EXPECT_EQ(dp().DP_GetValue("ERRBEZ2").Text, "Unterspannung");
    EXPECT_EQ(dp().DP_GetValue("ERRCODE3").Value, unit.errors().at(2).code);
    EXPECT_TRUE(r.h.engine.SessionStarted);
}

TEST_F(KX3166Steps, EntryAnsweredOnlyForAnotherRequestEndsTheSessionOnce) {
    // entry 3 comes back whenever entry 2 is asked for: nothing of it is stored, and the
    // fifth such answer in a row ends the session
    script = [](const ByteString& q) -> std::optional<ByteString> {
        if (q == H("5B 02")) return H("5B 03 21") + ByteString(17, '\0');
        return std::nullopt;
    };
    r.session.DIAG_BeginSession(dcNone);
    for (int i = 0; i < 300 && r.h.engine.SessionStarted; ++i) r.h.advance(10);
    EXPECT_FALSE(r.h.engine.SessionStarted);
    EXPECT_EQ(count("5B 02 "), 5);
    EXPECT_EQ(count("5B 03 "), 0);
    EXPECT_TRUE(dp().DP_GetValue("ERRBEZ3").Invalid);
    EXPECT_EQ(r.h.ui.boxes.size(), 0u) << "no message: the link failed, the unit was found";
}

TEST_F(KX3166Steps, ErrorDeleteRefusedStillSendsTheReset) {
    script = [](const ByteString& q) -> std::optional<ByteString> {
        if (q == H("5C")) return SimSBusUnit::negative(SimSBusUnit::RefusedNotNow, 0x5C);
        return std::nullopt;
    };
    comeUp();
    const size_t from = sentSoFar();
    module().KX3166_RequestErrorDelete();
    r.h.advance(1000);
    EXPECT_EQ(commands(from), (std::vector<ByteString>{"5C ", "10 "}));
    EXPECT_EQ(unit.errors().size(), 3u);
}

TEST_F(KX3166Steps, ConfirmedDeletesNeverReachALaterSession) {
    module().KX3166_RequestErrorDelete();
    module().KX3166_RequestCounterDelete();
    comeUp();
    r.h.advance(3000);
    EXPECT_EQ(count("5C "), 0);
    EXPECT_EQ(count("31 01 01 01 01 01 01 01 01 "), 0);
    EXPECT_EQ(unit.errors().size(), 3u);
    EXPECT_EQ(unit.counters().starts, 1873u);
    // and a delete that a session did not serve before its end stays out of the next one
    module().KX3166_RequestCounterDelete();
    r.session.DIAG_RequestStop();
    r.h.advance(100);
    ASSERT_FALSE(r.h.engine.SessionStarted);
    const size_t from = sentSoFar();
    comeUp();
    r.h.advance(3000);
    EXPECT_EQ(count("31 01 01 01 01 01 01 01 01 ", from), 0);
}

TEST_F(KX3166Steps, SessionEndsOnceOnAWrongKeepAliveOrAFailureLimit) {
    struct Case {
        const char* what;
        std::function<void(KX3166Bench&)> fault;
        size_t requestsAfter;  // requests sent after the fault, 0: not counted
    };
    const Case cases[] = {
        {"keep-alive answered with two bytes",
         [](KX3166Bench& b) {
             b.script = [](const ByteString& q) -> std::optional<ByteString> {
                 if (q == H("1E 01 06 00 00 01")) return H("1E 01 00");
                 return std::nullopt;
             };
             for (int i = 0; i < 501; ++i) b.module().KX3166_OnTimer();
         },
         0},
        {"every answer damaged",
         [](KX3166Bench& b) {
             b.r.sbus = [](const ByteString&) -> std::optional<ByteString> {
                 return H("01 07 01 35 00");  // a wrong checksum
             };
         },
         5},  // the same request five times, the fifth failure ends it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KX3166Bench b;
        b.comeUp();
        const size_t from = b.sentSoFar();
        c.fault(b);
        b.r.h.advance(3000);
        EXPECT_FALSE(b.r.h.engine.SessionStarted);
        EXPECT_EQ(b.r.h.log.count("Diagnose gestoppt"), 1);
        EXPECT_EQ(b.r.session.SessionReq.Step, ssIdle);
        EXPECT_FALSE(b.module().keepAliveActive());
        if (c.requestsAfter) {
            EXPECT_EQ(b.sentSoFar() - from, c.requestsAfter);
        }
    }
}

}  // namespace
