// The class-2 step machine against the simulated unit over the fake transport: the order of
// the requests, the identity check, the error-memory read, the decision step's priorities,
// the tick intervals, and where each kind of failed answer leads.
#include <gtest/gtest.h>

#include <algorithm>

#include "kx3024bench.h"

namespace {

using Requests = std::vector<ByteString>;

class KX3024Steps : public ::testing::Test, protected KX3024Bench {};

const Requests kCyclicBlock = {"22 1D 02 ", "22 1D 04 ", "22 1D 06 ", "22 1D 08 ", "22 1D 09 ",
                               "22 1E 01 ", "22 1E 02 ", "22 1E 03 ", "22 1E 05 ", "3E "};

Requests joined(std::initializer_list<Requests> parts) {
    Requests out;
    for (const Requests& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

TEST_F(KX3024Steps, ManualStartChecksTheClassThenReadsAndCycles) {
    comeUp();
    const auto telegrams = r.telegramsOn(1);
    ASSERT_GE(telegrams.size(), 2u);
    EXPECT_EQ(hexOf(telegrams[0]), "81 9D F1 81 90 ");
    EXPECT_EQ(hexOf(telegrams[1]), "87 9D F1 21 04 FF FF FF FF FF 35 ");
    r.h.advance(500);
    const Requests expected = joined({
        {"81 ", "21 04 ", "21 11 ", "21 02 ", "21 03 ", "22 21 00 "},
        kCyclicBlock,
        {"22 22 00 ", "22 22 01 ", "22 22 02 ", "22 22 03 "},  // operating data first
        kCyclicBlock,
    });
    const Requests p = requests();
    ASSERT_GE(p.size(), expected.size());
    EXPECT_EQ(Requests(p.begin(), p.begin() + static_cast<long>(expected.size())), expected);
    // three entries, then the end marker, then the cyclic block again
    const auto errors = std::find(p.begin(), p.end(), "A1 01 ");
    ASSERT_LT(errors + 5, p.end());
    EXPECT_EQ(Requests(errors, errors + 5),
              (Requests{"A1 01 ", "A1 02 ", "A1 03 ", "A1 04 ", "22 1D 02 "}));

    EXPECT_EQ(text("CFGBUS"), "K-Line");
    EXPECT_EQ(text("CFGKraft"), "Diesel");
    EXPECT_EQ(text("CFGNAME"), "180");
    EXPECT_EQ(text("CFGSGID"), "123456");
    EXPECT_EQ(text("CFGKUID"), "0012345678");
    EXPECT_EQ(text("CFGPPGNR"), "17");
    EXPECT_EQ(text("CFGDATESG"), "23/19");
    EXPECT_EQ(text("CFGHWVer"), " 1.2");
    EXPECT_EQ(text("CFGSWVer"), " 3.4");
    EXPECT_EQ(text("OVRZUSTAND"), "Auszustand");
    EXPECT_EQ(text("OVRUB"), "12.40");
    EXPECT_EQ(text("OVRTEMPOBE"), "82");
    EXPECT_EQ(text("OVRFLZUSTAND"), "dunkel");
    EXPECT_EQ(text("OVRLHS"), "1");
    EXPECT_EQ(text("OVRLUP"), "0");
    EXPECT_EQ(text("BETTBR"), "812:17");
    EXPECT_EQ(text("BETSTACNT"), "1543");
    EXPECT_EQ(text("OVRERRCNT"), "3");
    EXPECT_EQ(text("ERRBEZ1"), "Flammabbruch");
    EXPECT_EQ(text("ERRCODE3"), "08/01");
    EXPECT_EQ(text("ERRCOUNT1"), "3");
}

TEST_F(KX3024Steps, DetectionHandsOverAtTheIdentification) {
    comeUp(dcNone);
    EXPECT_EQ(r.h.engine.DeviceClass, dcKX3024);
    EXPECT_EQ(r.h.engine.DetectedDeviceIndex, 1);
    EXPECT_EQ(caption, "NAVIRON Calvix Test [Calvix 140/180/220]");
    EXPECT_EQ(text("CFGNAME"), "180");
    // start, name and class check were the probe's: the module begins with identifier 2
    const Requests p = requests();
    ASSERT_GE(p.size(), 5u);
    EXPECT_EQ(Requests(p.begin(), p.begin() + 5),
              (Requests{"81 ", "21 04 ", "21 11 ", "21 02 ", "21 03 "}));
    EXPECT_EQ(only({"81 ", "21 04 ", "21 11 "}).size(), 3u);
}

TEST(KX3024Cases, ErrorMemoryIsReadUntilTheEndMarker) {
    struct Case {
        size_t count;
        Requests reads;
    };
    const Case cases[] = {
        {0, {"A1 01 "}},
        {3, {"A1 01 ", "A1 02 ", "A1 03 ", "A1 04 "}},
        {7, {"A1 01 ", "A1 02 ", "A1 03 ", "A1 04 ", "A1 05 ", "A1 06 ", "A1 07 "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        KX3024Bench b;
        // a full memory first, so every entry point holds a code
        b.unit.setErrors(std::vector<SimKX3024Unit::ErrorEntry>(7, {0x0A01, 0, 4}));
        b.comeUp();
        b.r.h.advance(1500);
        ASSERT_EQ(b.text("OVRERRCNT"), "7");
        int errorViews = 0;
        b.r.session.views.ErrorShowValues = [&] { ++errorViews; };
        std::vector<SimKX3024Unit::ErrorEntry> e;
        for (size_t i = 0; i < c.count; ++i)
            e.push_back({static_cast<uint16_t>(0x0100 + i), 0, static_cast<uint8_t>(i + 1)});
        b.unit.setErrors(e);
        const size_t from = b.sentSoFar();
        b.r.h.advance(3200);  // the next poll
        const Requests p = b.requests(from);
        const auto first = std::find(p.begin(), p.end(), "A1 01 ");
        ASSERT_NE(first, p.end());
        const auto end = first + static_cast<long>(c.reads.size());
        ASSERT_LT(end, p.end());
        EXPECT_EQ(Requests(first, end), c.reads);
        EXPECT_EQ(*end, "22 1D 02 ");  // no eighth request: back to the cyclic block
        EXPECT_EQ(b.text("OVRERRCNT"), std::to_string(c.count));
        EXPECT_EQ(b.r.h.engine.dataPoints.DP_GetValue("OVRERRCNT").Value, c.count);
        for (size_t n = 1; n <= 7; ++n) {
            const TResult code = b.r.h.engine.dataPoints.DP_GetValue("ERRCODE" + std::to_string(n));
            if (n <= c.count) {
                EXPECT_EQ(code.Text, "01/0" + std::to_string(n - 1)) << n;
            } else {
                EXPECT_EQ(code.Text, "") << n;
                EXPECT_EQ(code.Value, 0) << n;
            }
        }
        EXPECT_GE(errorViews, 1);
    }
}

// Where a failed or rejected answer at one step leads after a manual start: the requests
// from that step on, and how the session ends, if it does.
TEST(KX3024Cases, FailedAnswersTakeTheirRoute) {
    const ByteString negative21 = SessionRig::klineAnswer("7F 21 12");
    const ByteString good = SessionRig::klineAnswer("62 1D 02 71 00 7C 00");
    ByteString badSum = good;
    badSum.back() ^= 1;
    ByteString otherUnit = good;  // from 9E: the sum still fits
    otherUnit[2] = '\x9E';
    otherUnit.back() = static_cast<char>(otherUnit.back() + 1);
    enum End { Running, EndsQuietly, NotFound };
    struct Case {
        const char* what;
        const char* at;     // the request whose answers are replaced
        ByteString answer;  // what comes instead (a whole telegram)
        int times;          // how often
        Requests then;      // the requests from the first replaced one on
        End end;
    };
    // clang-format off
    const Case cases[] = {
        {"StartCommunication refused", "81 ", SessionRig::klineAnswer("7F 81 10"), 1,
         {"81 ", "21 04 ", "21 11 "}, Running},
        {"name refused", "21 04 ", negative21, 1, {"21 04 ", "21 11 ", "21 02 "}, Running},
        {"unit reads identifier 0x11", "21 11 ", SessionRig::klineAnswer("61 11 00"), 1,
         {"21 11 "}, NotFound},
        {"another identifier answered at the class check", "21 11 ",
         SessionRig::klineAnswer("61 12 00"), 1, {"21 11 "}, NotFound},
        {"refusal of another service at the class check", "21 11 ",
         SessionRig::klineAnswer("7F 22 12"), 1, {"21 11 "}, NotFound},
        {"customer ident refused", "21 02 ", negative21, 1, {"21 02 ", "21 03 "}, Running},
        {"another identifier answered", "21 02 ", SessionRig::klineAnswer("61 03 11 17 13 0C 22"),
         1, {"21 02 ", "21 03 "}, Running},
        {"versions refused", "21 03 ", negative21, 1, {"21 03 ", "22 21 00 "}, Running},
        {"ident number refused", "22 21 00 ", SessionRig::klineAnswer("7F 22 31"), 1,
         {"22 21 00 ", "22 1D 02 "}, Running},
        {"short answer", "22 1D 02 ", good.substr(0, 10), 1,
         {"22 1D 02 ", "22 1D 02 ", "22 1D 04 "}, Running},
        {"long answer", "22 1D 02 ", good + '\x00', 1, {"22 1D 02 ", "22 1D 02 ", "22 1D 04 "},
         Running},
        {"wrong sum", "22 1D 02 ", badSum, 1, {"22 1D 02 ", "22 1D 02 ", "22 1D 04 "}, Running},
        {"answer of another unit", "22 1D 02 ", otherUnit, 1,
         {"22 1D 02 ", "22 1D 02 ", "22 1D 04 "}, Running},
        {"four short answers in a row", "22 1D 02 ", good.substr(0, 10), 4,
         {"22 1D 02 ", "22 1D 02 ", "22 1D 02 ", "22 1D 02 ", "22 1D 02 ", "22 1D 04 "}, Running},
        {"five short answers in a row", "22 1D 02 ", good.substr(0, 10), 5,
         {"22 1D 02 ", "22 1D 02 ", "22 1D 02 ", "22 1D 02 ", "22 1D 02 "}, EndsQuietly},
        {"tester present refused", "3E ", SessionRig::klineAnswer("7F 3E 11"), 1,
         {"3E ", "22 22 00 "}, Running},
        {"error entry refused", "A1 02 ", SessionRig::klineAnswer("7F A1 22"), 1,
         {"A1 02 ", "A1 03 ", "A1 04 ", "22 1D 02 "}, Running},
        {"answer for another entry", "A1 02 ", SessionRig::klineAnswer("E1 01 0A 00 00 09"), 1,
         {"A1 02 ", "A1 02 ", "A1 03 ", "A1 04 ", "22 1D 02 "}, Running},
        {"answer of another service", "22 1D 04 ", SessionRig::klineAnswer("7E"), 1,
         {"22 1D 04 ", "22 1D 06 "}, Running},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KX3024Bench b;
        int left = c.times;
        b.raw = [&](const ByteString& data) -> std::optional<ByteString> {
            if (data != c.at || left == 0) return std::nullopt;
            --left;
            return c.answer;
        };
        b.r.session.DIAG_BeginSession(dcKX3024);
        b.r.h.advance(1500);
        const Requests p = b.requests();
        const auto first = std::find(p.begin(), p.end(), c.at);
        ASSERT_NE(first, p.end());
        const Requests got(
            first, first + std::min<long>(p.end() - first, static_cast<long>(c.then.size())));
        EXPECT_EQ(got, c.then);
        b.r.h.advance(300);
        EXPECT_EQ(b.r.h.engine.SessionStarted, c.end == Running);
        EXPECT_EQ(b.r.h.engine.SessionUp, c.end == Running);
        if (c.end != Running) {
            EXPECT_EQ(p.end() - first, static_cast<long>(c.then.size()));  // nothing more sent
            EXPECT_EQ(b.r.h.log.count("Diagnose gestoppt"), 1);
        }
        ASSERT_EQ(b.r.h.ui.boxes.size(), c.end == NotFound ? 1u : 0u);
        if (c.end == NotFound) {
            EXPECT_NE(
                b.r.h.ui.boxes[0].text.find("manuell ausgewählte Heizgerät wurde nicht gefunden"),
                ByteString::npos);
        }
    }
}

// A delete, a session stop or an operating-data read that the unit refuses (code 11) or that
// gets the answer to the request before it (code 13): the request that follows, whether the
// operating-data view is told on the way, and nothing stored from the answer. The session runs
// on in every case.
TEST(KX3024Cases, RefusedCommandsAndOperatingDataGoOnWithTheCycle) {
    struct Case {
        const char* at;               // the request whose answer is replaced
        void (KX3024Module::*ask)();  // makes it come; none: due at the start
        const char* foreign;          // the answer to the request before it
        const char* next;
        bool operatingView;
    };
    const Case cases[] = {
        {"14 ", &KX3024Module::KX3024_RequestErrorDelete, "7E", "A1 01 ", false},
        // the stop of the diagnostic session is asked again (it ends the component test's
        // outputs), the cycle goes on once it is through
        {"20 ", &KX3024Module::KX3024_RequestStopSession, "7E", "20 ", false},
        {"22 22 00 ", nullptr, "7E", "22 22 01 ", false},
        {"22 22 01 ", nullptr, "62 22 00 06 AA 2D", "22 22 02 ", false},
        {"22 22 02 ", nullptr, "62 22 01 00 2A 05", "22 22 03 ", false},
        {"22 22 03 ", nullptr, "62 22 02 03 2C 11", "22 1D 02 ", true},
    };
    for (const Case& c : cases) {
        for (const int code : {11, 13}) {
            SCOPED_TRACE(std::string(c.at) + "code " + std::to_string(code));
            KX3024Bench b;
            const ByteString service = H(c.at).substr(0, 1);
            const ByteString answer = code == 11 ? H("7F") + service + H("22") : H(c.foreign);
            int operatingViews = 0;
            b.r.session.views.OperatingDataShowValues = [&] { ++operatingViews; };
            // The views told and the values stored when the replaced answer goes out, and
            // when the next request comes.
            std::optional<std::pair<int, uint64_t>> atFailure, atNext;
            ByteString next;
            b.unit.script = [&](const ByteString& q) -> std::optional<ByteString> {
                const auto now =
                    std::make_pair(operatingViews, b.r.h.engine.dataPoints.changeCounter());
                const ByteString asked = hexOf(q.substr(0, q.find_last_not_of('\xFF') + 1));
                if (atFailure && !atNext) {
                    atNext = now;
                    next = asked;
                }
                if (atFailure || asked != c.at) return std::nullopt;
                atFailure = now;
                return answer;
            };
            b.comeUp();
            if (c.ask) (b.module().*c.ask)();
            b.r.h.advance(1000);
            ASSERT_TRUE(atNext);
            EXPECT_EQ(next, c.next);
            EXPECT_EQ(atNext->second, atFailure->second) << "nothing stored from the answer";
            EXPECT_EQ(atNext->first - atFailure->first, c.operatingView ? 1 : 0);
            EXPECT_TRUE(b.r.h.engine.SessionUp);
        }
    }
}

TEST_F(KX3024Steps, AnswersToOtherRequestsStoreNothingAndTheFifthEndsTheSession) {
    comeUp();
    r.h.advance(1000);
    const uint64_t stored = r.h.engine.dataPoints.changeCounter();
    const size_t from = sentSoFar();
    oneLate = true;
    ASSERT_TRUE(r.runUntilEnded(3000));
    EXPECT_EQ(r.h.engine.dataPoints.changeCounter(), stored);
    EXPECT_EQ(sentSoFar() - from, 5u);
    EXPECT_TRUE(r.h.ui.boxes.empty());
    EXPECT_EQ(r.h.log.count("Diagnose gestoppt"), 1);
}

TEST_F(KX3024Steps, AnswerForAnotherEntryShiftsNoEntry) {
    comeUp();
    r.h.advance(1000);
    ASSERT_EQ(text("ERRCODE2"), "05/00");
    // entry 2 is asked for, the answer of entry 1 comes (with another code by now)
    bool once = true;
    raw = [&](const ByteString& data) -> std::optional<ByteString> {
        if (data != "A1 02 " || !once) return std::nullopt;
        once = false;
        return SessionRig::klineAnswer("E1 01 0A 00 00 09");
    };
    r.h.advance(3500);
    ASSERT_FALSE(once);
    EXPECT_EQ(text("ERRCODE1"), "04/00");
    EXPECT_EQ(text("ERRCODE2"), "05/00");
    EXPECT_EQ(text("ERRCOUNT1"), "3");
    EXPECT_EQ(text("OVRERRCNT"), "3");
    // the read of entry 4, which the unit answers with its end marker, gets entry 3's answer
    // once: the count must not take the next entry's end marker for it
    once = true;
    raw = [&](const ByteString& data) -> std::optional<ByteString> {
        if (data != "A1 04 " || !once) return std::nullopt;
        once = false;
        return SessionRig::klineAnswer("E1 03 0A 00 00 09");
    };
    for (int i = 0; i < 350 && !HasFailure(); ++i) {
        r.h.advance(10);
        EXPECT_EQ(text("OVRERRCNT"), "3") << r.h.clock.now();
    }
    ASSERT_FALSE(once);
}

TEST_F(KX3024Steps, UnitThatDoesNotBeginIsWokenTwentyTimes) {
    unit.setSilent(true);
    r.session.DIAG_BeginSession(dcKX3024);
    ASSERT_TRUE(r.runUntilEnded());
    EXPECT_EQ(r.session.AttemptCount, 20);
    EXPECT_EQ(r.h.log.count("Wakeup..."), 20);
    EXPECT_EQ(only({"81 "}).size(), 20u * 5u);  // each time until the fifth failure
    ASSERT_EQ(r.h.ui.boxes.size(), 1u);
    EXPECT_NE(r.h.ui.boxes[0].text.find("nicht gefunden"), ByteString::npos);
}

TEST_F(KX3024Steps, RefusedNameIsNotTakenFromTheUnitBefore) {
    comeUp();
    ASSERT_EQ(text("CFGNAME"), "180");
    r.session.DIAG_RequestStop();
    r.h.advance(200);
    ASSERT_FALSE(r.h.engine.SessionStarted);
    unit.script = [](const ByteString& q) -> std::optional<ByteString> {
        if (q.size() >= 2 && q[0] == 0x21 && q[1] == 4) return SimKLineUnit::refusal(0x21, 0x12);
        return std::nullopt;
    };
    comeUp();
    EXPECT_EQ(module().deviceName(), "");
    EXPECT_EQ(text("CFGNAME"), "");
}

TEST_F(KX3024Steps, NoDeleteOrSessionEndReachesALaterSession) {
    // asked for while no session runs
    module().KX3024_RequestErrorDelete();
    module().KX3024_RequestStopSession();
    comeUp();
    r.h.advance(4000);
    EXPECT_TRUE(only({"14 ", "20 "}).empty());
    // asked for, then the session ends before its decision step
    module().KX3024_RequestErrorDelete();
    module().KX3024_RequestStopSession();
    r.session.DIAG_RequestStop();
    r.h.advance(200);
    ASSERT_FALSE(r.h.engine.SessionStarted);
    comeUp();
    r.h.advance(4000);
    EXPECT_TRUE(only({"14 ", "20 "}).empty());
    EXPECT_EQ(unit.errors().size(), 3u);
    EXPECT_FALSE(module().errorDeletePending());
    EXPECT_FALSE(module().stopSessionPending());
}

TEST_F(KX3024Steps, DeleteGoesFirstThenTheMemoryIsReadAndThePollStartsAgain) {
    comeUp();
    r.h.advance(1000);
    ASSERT_EQ(text("OVRERRCNT"), "3");
    const size_t from = sentSoFar();
    module().KX3024_RequestErrorDelete();
    module().KX3024_RequestStopSession();
    for (int i = 0; i < 31; ++i) module().KX3024_OnTimer();  // the error poll is due as well
    r.h.advance(2500);
    // the delete, the memory right after it, a whole pass, then the session end
    const Requests p = requests(from);
    const auto del = std::find(p.begin(), p.end(), "14 ");
    ASSERT_NE(del, p.end());
    EXPECT_EQ(Requests(del, del + 3), (Requests{"14 ", "A1 01 ", "22 1D 02 "}));
    const auto stop = std::find(del, p.end(), "20 ");
    ASSERT_NE(stop, p.end());
    EXPECT_EQ(std::count(del, stop, "3E "), 1);
    EXPECT_TRUE(unit.errors().empty());
    EXPECT_EQ(text("OVRERRCNT"), "0");
    // the periodic poll counts its 31 ticks again from the delete
    const auto deletes = timesOf("14 ");
    ASSERT_EQ(deletes.size(), 1u);
    r.h.advance(5000);
    std::vector<int64_t> polls;
    for (int64_t t : timesOf("A1 01 "))
        if (t > deletes[0]) polls.push_back(t);
    ASSERT_GE(polls.size(), 2u);
    EXPECT_NEAR(static_cast<double>(polls[1] - polls[0]), 3100, 150);
}

TEST_F(KX3024Steps, StopSessionEndsTheUnitsDiagnosticSession) {
    comeUp();
    // as the component test leaves it: a diagnostic session with the pump on
    ASSERT_TRUE(unit.answer(request("10 01")));
    ASSERT_TRUE(unit.answer(request("31 02 00 00 01 00 00")));
    ASSERT_TRUE(unit.pumpRunning());
    r.h.advance(500);
    EXPECT_EQ(text("OVRZUSTAND"), "Komponententest");
    EXPECT_EQ(text("OVRLUP"), "1");
    module().KX3024_RequestStopSession();
    r.h.advance(500);
    EXPECT_EQ(only({"20 "}).size(), 1u);
    EXPECT_FALSE(unit.diagnosticSession());
    EXPECT_FALSE(unit.pumpRunning());
    EXPECT_EQ(text("OVRZUSTAND"), "Auszustand");
    EXPECT_EQ(text("OVRLUP"), "0");
}

TEST_F(KX3024Steps, PollsFollowTheTickIntervals) {
    comeUp();
    r.h.advance(62000);
    auto averageInterval = [](std::vector<int64_t> t) {
        t.erase(t.begin());  // due at registration and again at the first tick
        return static_cast<double>(t.back() - t.front()) / static_cast<double>(t.size() - 1);
    };
    const auto operating = timesOf("22 22 00 ");
    const auto errors = timesOf("A1 01 ");
    ASSERT_GE(operating.size(), 6u);
    ASSERT_GE(errors.size(), 15u);
    EXPECT_NEAR(averageInterval(operating), 10100, 30);
    EXPECT_NEAR(averageInterval(errors), 3100, 30);
}

TEST_F(KX3024Steps, ViewsAreToldAtTheirSteps) {
    int overview = 0, trend = 0, calibration = 0, operating = 0, errors = 0, info = 0;
    ViewHooks& v = r.session.views;
    v.OverviewShowValues = [&] { ++overview; };
    v.TrendShowValues = [&] { ++trend; };
    v.CalibrationShowValues = [&] { ++calibration; };
    v.OperatingDataShowValues = [&] { ++operating; };
    v.ErrorShowValues = [&] { ++errors; };
    v.DeviceInfoShowValues = [&] { ++info; };
    int sessionStates = 0;
    r.h.engine.windowHooks.UI_UpdateSessionState = [&] { ++sessionStates; };
    comeUp();
    r.h.advance(4000);
    const Requests p = requests();
    const int cycles = static_cast<int>(std::count(p.begin(), p.end(), "3E "));
    const int errorReads = static_cast<int>(std::count(p.begin(), p.end(), "A1 01 "));
    EXPECT_GE(errorReads, 2);
    // after every cycle and after every error read
    EXPECT_EQ(overview, cycles + errorReads);
    EXPECT_EQ(trend, cycles + errorReads);
    EXPECT_EQ(calibration, cycles + errorReads);
    EXPECT_EQ(errors, errorReads);
    EXPECT_EQ(operating, static_cast<int>(std::count(p.begin(), p.end(), "22 22 03 ")));
    EXPECT_EQ(info, 1);
    EXPECT_EQ(sessionStates, 1);
}

}  // namespace
