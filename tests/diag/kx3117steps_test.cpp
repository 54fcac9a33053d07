// The class-3 step machine against the simulated unit over the fake transport: the order of
// the requests, the error-memory read, the decision step's priorities, the commands with their
// refresh, the economy modes and the tick intervals.
#include <gtest/gtest.h>

#include <algorithm>

#include "kx3117module.h"
#include "kx3117unit.h"
#include "modules.h"
#include "sessionrig.h"

namespace {

// The simulated unit with a few answers the test chooses.
class ScriptedKX3117 : public SimKX3117Unit {
public:
    std::optional<ByteString> answerPayload(const ByteString& r) override {
        if (script) {
            if (auto a = script(r)) return a;
        }
        if (late) return lateAnswer(SimKX3117Unit::answerPayload(r));
        return SimKX3117Unit::answerPayload(r);
    }
    // Answers that replace the unit's own; nothing = the unit answers.
    std::function<std::optional<ByteString>(const ByteString&)> script;
    // Each request gets the answer to the request before it, as over a link that delivers
    // every answer late.
    bool late = false;

private:
    // The first request after the link turned late still gets its own answer.
    std::optional<ByteString> lateAnswer(std::optional<ByteString> answer) {
        std::swap(answer, m_previous);
        return answer ? answer : m_previous;
    }
    std::optional<ByteString> m_previous;
};

// A session with the class-3 module and the scripted unit on the W-Bus.
struct KX3117Bench {
    KX3117Bench() {
        DIAG_InstallModules(r.session);
        unit.attachClock(r.h.simClock);
        r.wbus = [this](const ByteString& t) { return unit.answer(t); };
        r.h.engine.windowHooks.UI_CheckEconomyModes = [this](bool e1, bool e2) {
            marks.push_back(ByteString(e1 ? "1" : "0") + (e2 ? "1" : "0"));
        };
    }
    KX3117Module& module() { return *r.session.moduleAs<KX3117Module>(dcKX3117); }
    // Detection (or a manual start of class 3) until the session is up.
    void comeUp(uint8_t deviceClass = dcNone) {
        r.session.DIAG_BeginSession(deviceClass);
        for (int i = 0; i < 200 && !r.h.engine.SessionUp; ++i) r.h.advance(10);
        ASSERT_TRUE(r.h.engine.SessionUp);
    }
    std::vector<ByteString> payloads(size_t from = 0) const { return r.wbusPayloads(from); }
    size_t sentSoFar() const { return r.telegramsOn(0).size(); }
    std::vector<ByteString> only(std::initializer_list<const char*> wanted, size_t from = 0) const {
        return r.wbusOnly(wanted, from);
    }
    std::vector<int64_t> timesOf(const char* payloadHex) const { return r.wbusTimesOf(payloadHex); }
    const DataPointTable& points() const { return r.h.engine.dataPoints; }
    ByteString text(const char* key) const { return points().DP_GetValue(key).Text; }
    // A module tick, as DIAG_Timer gives it.
    void ticks(int n) {
        for (int i = 0; i < n; ++i) module().KX3117_OnTimer();
    }
    // Errors with codes 1, 2, ... n.
    static std::vector<SimKX3117Unit::ErrorEntry> errors(int n) {
        std::vector<SimKX3117Unit::ErrorEntry> e;
        for (int i = 0; i < n; ++i)
            e.push_back({static_cast<uint8_t>(i + 1), 1, 1, 0x0100, 70, 12000, 10, 5, 0, 1});
        return e;
    }

    SessionRig r;
    ScriptedKX3117 unit;
    std::vector<ByteString> marks;
};

class KX3117Steps : public ::testing::Test, protected KX3117Bench {};

TEST_F(KX3117Steps, IdentificationOnceThenTheCyclicBlockAndTheOperatingData) {
    comeUp();
    r.h.advance(100);
    const auto p = payloads();
    const std::vector<ByteString> expected = {
        "51 0B ",  // the detection's name probe
        "51 0A ", "38 01 ", "38 02 ", "51 01 ", "51 02 ", "51 03 ", "51 04 ", "51 05 ", "51 07 ",
        "51 08 ", "51 09 ", "50 04 ", "51 0D ",
        // the status block, then the operating data (due from the start)
        "50 02 ", "50 03 ", "50 05 ", "50 07 ", "50 0F ", "50 11 ", "50 16 ", "50 06 ", "50 0B ",
        "50 14 ", "50 02 "};
    ASSERT_GE(p.size(), expected.size());
    EXPECT_EQ(std::vector<ByteString>(p.begin(), p.begin() + expected.size()), expected);
    // the memory areas 1 and 2 of the unit
    const WBusLayer& w = r.session.buses().wbus;
    EXPECT_EQ(w.WBUS_GetAreaWordA(1), 0x00);
    EXPECT_EQ(w.WBUS_GetAreaWordC(1), 0x7E);
    EXPECT_EQ(w.WBUS_GetAreaWordB(2), 0xFF);
    EXPECT_EQ(w.WBUS_GetAreaWordC(2), 0xFE);
    EXPECT_EQ(points().DataPointCount(), 165);
    EXPECT_EQ(text("CFGKraftFIX"), "Diesel");
    EXPECT_EQ(text("CFGNAME"), "KX3117");
    // no step asks for the limits
    EXPECT_TRUE(only({"53 02 "}).empty());
    EXPECT_TRUE(points().DP_GetValue("CFGUMIN").Invalid);
}

TEST(KX3117Cases, ErrorMemoryIsReadEntryByEntryUpToTen) {
    struct Case {
        int count;
        int entriesRead;
    };
    for (const Case c : {Case{0, 0}, Case{3, 3}, Case{12, 10}}) {
        SCOPED_TRACE(c.count);
        KX3117Bench b;
        b.unit.setErrors(KX3117Bench::errors(c.count));
        int errorViews = 0;
        b.r.session.views.ErrorShowValues = [&] { ++errorViews; };
        b.comeUp();
        b.r.h.advance(1500);

        const std::vector<ByteString> p = b.payloads();
        const auto list = std::find(p.begin(), p.end(), "56 01 ");
        ASSERT_NE(list, p.end());
        int entries = 0;
        auto it = list + 1;
        for (; it != p.end() && it->rfind("56 02 ", 0) == 0; ++it, ++entries)
            EXPECT_EQ(*it, "56 02 " + hexOf(ByteString(1, static_cast<char>(entries + 1))));
        EXPECT_EQ(entries, c.entriesRead);
        ASSERT_NE(it, p.end());
        EXPECT_EQ(*it, "50 02 ");  // back to the cyclic block
        EXPECT_GE(errorViews, 1);
        if (c.count == 3) {
            EXPECT_EQ(b.text("ERRBEZ3"), "Falsche Checksumme des EOL-Parametersatzes");
            EXPECT_EQ(b.text("ERRTBR3"), "10:05");
            EXPECT_EQ(b.text("ERRTBRNS3"), "0:01");
        }
        if (c.count == 12) {
            EXPECT_EQ(b.text("ERRBEZ10"), "Unterspannung");
            EXPECT_EQ(b.text("ERRCODE11"), "0B");  // only the code of the list
            EXPECT_TRUE(b.points().DP_GetValue("ERRBEZ11").Invalid);
            EXPECT_EQ(b.text("OVRERRCNT"), "12");
        }
    }
}

TEST_F(KX3117Steps, ARefusedEntryShortensTheList) {
    int errorViews = 0;
    r.session.views.ErrorShowValues = [&] { ++errorViews; };
    unit.refuseRequests(H("56 02 03"));
    comeUp();
    r.h.advance(1500);
    EXPECT_EQ(text("OVRERRCNT"), "2");
    EXPECT_EQ(points().DP_GetValue("OVRERRCNT").Value, 2);
    EXPECT_EQ(points().DP_GetValue("ERRCODE3"), TResult::ofValue(0));
    EXPECT_EQ(text("ERRBEZ2"), "Unterspannung");
    EXPECT_GE(errorViews, 1);
    const auto p = payloads();
    const auto refused = std::find(p.begin(), p.end(), "56 02 03 ");
    ASSERT_NE(refused, p.end());
    EXPECT_EQ(*(refused + 1), "50 02 ");
    EXPECT_TRUE(r.h.engine.SessionStarted);
}

TEST_F(KX3117Steps, AnUnansweredEntryEndsOnlyTheErrorRead) {
    int errorViews = 0;
    r.session.views.ErrorShowValues = [&] { ++errorViews; };
    unit.ignoreRequests(H("56 02 02"));
    comeUp();
    r.h.advance(1500);
    // asked three times, the third failure is the limit: the read ends, the session goes on
    const auto p = payloads();
    EXPECT_EQ(std::count(p.begin(), p.end(), "56 02 02 "), 3);
    const auto last = std::find(p.rbegin(), p.rend(), "56 02 02 ");
    EXPECT_EQ(*(last - 1), "50 02 ");
    EXPECT_TRUE(r.h.engine.SessionStarted);
    EXPECT_TRUE(r.h.engine.SessionUp);
    EXPECT_EQ(text("OVRERRCNT"), "3");
    EXPECT_GE(errorViews, 1);
}

TEST_F(KX3117Steps, DecisionStepServesOnePendingCommandPerPassInItsOrder) {
    comeUp();
    r.h.advance(300);
    const size_t from = sentSoFar();
    KX3117Module& m = module();
    m.KX3117_RequestErrorDelete();
    m.KX3117_RequestEconomyNormal();
    m.KX3117_RequestEconomy1();
    m.KX3117_RequestEconomy2();
    m.KX3117_RequestPump();
    m.KX3117_RequestSupplementaryHeat();
    m.KX3117_RequestParkingHeat();
    ticks(101);  // operating data and error poll due
    r.h.advance(1500);
    // the error delete outranks the error poll due with it, which then waits a full period
    const std::vector<ByteString> served = only({"50 06 ", "21 01 ", "20 02 ", "21 02 ", "22 02 ",
                                                 "23 03 ", "23 02 ", "23 01 ", "56 03 ", "56 01 "},
                                                from);
    EXPECT_EQ(served, (std::vector<ByteString>{"50 06 ", "21 01 ", "20 02 ", "21 02 ", "20 02 ",
                                               "22 02 ", "23 03 ", "23 02 ", "23 01 ", "56 03 "}));
    // one command per pass: a whole status block between two of them
    const auto p = payloads(from);
    const auto pump = std::find(p.begin(), p.end(), "22 02 ");
    const auto eco = std::find(p.begin(), p.end(), "23 03 ");
    ASSERT_TRUE(pump != p.end() && eco != p.end());
    EXPECT_EQ(std::count(pump, eco, "50 16 "), 1);
    EXPECT_TRUE(unit.errors().empty());
    EXPECT_EQ(unit.economyMode(), 1);
    EXPECT_EQ(m.refreshCommand(), 0x20);  // the last of the three that start a refresh
}

TEST(KX3117Cases, OffDropsTheHeatingAndPumpCommandsNotYetSent) {
    using Request = void (KX3117Module::*)();
    struct Case {
        const char* name;
        Request request;
        const char* payload;
    };
    const Case cases[] = {
        {"parking", &KX3117Module::KX3117_RequestParkingHeat, "21 01 "},
        {"supplementary", &KX3117Module::KX3117_RequestSupplementaryHeat, "21 02 "},
        {"pump", &KX3117Module::KX3117_RequestPump, "22 02 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KX3117Bench b;
        b.comeUp();
        b.r.h.advance(300);
        const size_t from = b.sentSoFar();
        (b.module().*c.request)();
        b.module().KX3117_RequestOff();  // before the next decision step
        EXPECT_FALSE(b.module().refreshActive());
        b.r.h.advance(20000);
        EXPECT_EQ(b.only({"10 ", c.payload, "20 02 ", "44 20 00 ", "44 22 00 "}, from),
                  std::vector<ByteString>{"10 "});
        EXPECT_FALSE(b.unit.heating());
        EXPECT_FALSE(b.unit.pumpRunning());
    }
}

TEST(KX3117Cases, RefreshFollowsTheAnswerToIt) {
    struct Case {
        uint8_t answer;
        bool keepsRunning;
    };
    for (const Case c : {Case{0x00, true}, Case{0x01, false}}) {
        SCOPED_TRACE(int(c.answer));
        KX3117Bench b;
        b.unit.script = [&](const ByteString& q) -> std::optional<ByteString> {
            if (!q.empty() && q[0] == 0x44)
                return ByteString{static_cast<char>(0xC4), static_cast<char>(c.answer)};
            return std::nullopt;
        };
        b.comeUp();
        b.r.h.advance(300);
        b.module().KX3117_RequestParkingHeat();
        b.r.h.advance(300);
        ASSERT_TRUE(b.unit.heating());
        b.ticks(151);  // the refresh falls due
        b.r.h.advance(300);
        EXPECT_EQ(b.only({"44 20 00 "}).size(), 1u);
        EXPECT_EQ(b.module().refreshActive(), c.keepsRunning);
    }
}

TEST_F(KX3117Steps, EconomyModesSetTheirCheckMarksAndWaitForTheOnePending) {
    comeUp();
    r.h.advance(300);
    marks.clear();
    KX3117Module& m = module();
    m.KX3117_SetEconomyMode(2);
    EXPECT_EQ(marks, std::vector<ByteString>{"10"});
    // another mode while one is pending: nothing at all, not even the marks
    m.KX3117_SetEconomyMode(3);
    m.KX3117_SetEconomyMode(1);
    EXPECT_EQ(marks, std::vector<ByteString>{"10"});
    r.h.advance(500);
    EXPECT_EQ(unit.economyMode(), 2);
    m.KX3117_SetEconomyMode(3);
    r.h.advance(500);
    EXPECT_EQ(unit.economyMode(), 3);
    m.KX3117_SetEconomyMode(7);  // no such mode
    m.KX3117_SetEconomyMode(1);
    r.h.advance(500);
    EXPECT_EQ(unit.economyMode(), 1);
    EXPECT_EQ(marks, (std::vector<ByteString>{"10", "01", "00"}));
    EXPECT_EQ(only({"23 02 ", "23 03 ", "23 01 "}),
              (std::vector<ByteString>{"23 02 ", "23 03 ", "23 01 "}));
    // the unit shows the mode in its lamps
    EXPECT_EQ(text("OVRLSPAR1"), "0");
    EXPECT_EQ(text("OVRLSPAR2"), "0");
}

TEST_F(KX3117Steps, RefusedOrShortIdentificationAnswersGoOn) {
    // a short serial number continues with the fuel, a refused software id with the cycle
    unit.script = [](const ByteString& q) -> std::optional<ByteString> {
        if (q == H("51 09")) return H("D1 09 00");
        return std::nullopt;
    };
    unit.refuseRequests(H("51 0D"));
    comeUp();
    const auto p = payloads();
    const auto serial = std::find(p.begin(), p.end(), "51 09 ");
    ASSERT_NE(serial, p.end());
    EXPECT_EQ(*(serial + 1), "50 04 ");
    const auto softwareId = std::find(p.begin(), p.end(), "51 0D ");
    ASSERT_NE(softwareId, p.end());
    EXPECT_EQ(*(softwareId + 1), "50 02 ");
    EXPECT_TRUE(points().DP_GetValue("CFGSNR").Invalid);
}

TEST_F(KX3117Steps, ErrorDeleteEmptiesTheListAtOnceAndReadsItAgain) {
    int cleared = 0;
    r.session.views.ErrorClearErrorList = [&] { ++cleared; };
    comeUp();
    r.h.advance(1500);
    ASSERT_EQ(text("OVRERRCNT"), "3");
    const size_t from = sentSoFar();
    module().KX3117_RequestErrorDelete();
    r.h.advance(1000);
    EXPECT_EQ(cleared, 1);
    EXPECT_TRUE(unit.errors().empty());
    EXPECT_EQ(only({"56 03 ", "56 01 "}, from), std::vector<ByteString>{"56 03 "});
    // the list is read again a full error-poll period later
    r.h.advance(3000);
    EXPECT_EQ(only({"56 03 ", "56 01 "}, from), (std::vector<ByteString>{"56 03 ", "56 01 "}));
    EXPECT_EQ(text("OVRERRCNT"), "0");
    // a confirmed delete does not reach the next session
    module().KX3117_RequestErrorDelete();
    r.session.DIAG_RequestStop();
    r.h.advance(200);
    unit.setErrors(KX3117Bench::errors(2));
    const size_t next = sentSoFar();
    comeUp();
    r.h.advance(3000);
    EXPECT_TRUE(only({"56 03 "}, next).empty());
    EXPECT_EQ(unit.errors().size(), 2u);
}

TEST_F(KX3117Steps, PollsFollowTheTickIntervals) {
    comeUp();
    module().KX3117_RequestPump();
    r.h.advance(62000);
    auto averageInterval = [](const std::vector<int64_t>& t) {
        return static_cast<double>(t.back() - t.front()) / static_cast<double>(t.size() - 1);
    };
    auto operating = timesOf("50 06 ");
    auto errorList = timesOf("56 01 ");
    ASSERT_GE(operating.size(), 6u);
    ASSERT_GE(errorList.size(), 15u);
    // the first reads come with the first decision steps, the later ones at their periods
    operating.erase(operating.begin());
    errorList.erase(errorList.begin());
    EXPECT_NEAR(averageInterval(operating), 10100, 20);
    EXPECT_NEAR(averageInterval(errorList), 3100, 20);
    const auto refresh = timesOf("44 22 00 ");
    ASSERT_EQ(refresh.size(), 4u);
    EXPECT_NEAR(averageInterval(refresh), 15100, 25);
    EXPECT_TRUE(unit.pumpRunning());
}

TEST_F(KX3117Steps, ViewsAreToldAtTheirSteps) {
    std::vector<ByteString> calls;
    ViewHooks& v = r.session.views;
    v.OperatingDataShowValues = [&] { calls.push_back("operating"); };
    v.OverviewShowValues = [&] { calls.push_back("overview"); };
    v.TrendShowValues = [&] { calls.push_back("trend"); };
    v.CalibrationShowValues = [&] { calls.push_back("calibration"); };
    v.DeviceInfoShowValues = [&] { calls.push_back("info"); };
    int sessionStates = 0;
    r.h.engine.windowHooks.UI_UpdateSessionState = [&] { ++sessionStates; };
    comeUp();
    // after the first status block: the four views in their order, then the session is up
    ASSERT_GE(calls.size(), 5u);
    EXPECT_EQ(std::vector<ByteString>(calls.begin(), calls.begin() + 5),
              (std::vector<ByteString>{"operating", "overview", "trend", "calibration", "info"}));
    r.h.advance(1000);
    const auto p = payloads();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "overview"),
              std::count(p.begin(), p.end(), "50 16 "));
    // the status block and the operating data each tell the operating-data view
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "operating"),
              std::count(p.begin(), p.end(), "50 16 ") + std::count(p.begin(), p.end(), "50 14 "));
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "info"), 1);
    EXPECT_EQ(sessionStates, 1);
}

// The unit's answer to the name request replaced by the payload given.
std::function<std::optional<ByteString>(const ByteString&)> answerToName(const char* payload) {
    return [a = H(payload)](const ByteString& q) -> std::optional<ByteString> {
        if (q == H("51 0B")) return a;
        return std::nullopt;
    };
}

TEST(KX3117Cases, ManualStartChecksTheName) {
    struct Case {
        const char* name;
        std::function<void(ScriptedKX3117&)> setUp;
        bool up, mismatch, notFound;
        int wakeups;
    };
    const Case cases[] = {
        {"its own name", [](ScriptedKX3117&) {}, true, false, false, 1},
        {"another name", [](ScriptedKX3117& u) { u.setName("KX3090"); }, true, true, false, 1},
        {"name refused", [](ScriptedKX3117& u) { u.refuseRequests(H("51 0B")); }, false, false,
         true, 1},
        {"name too short", [](ScriptedKX3117& u) { u.script = answerToName("D1 0B 4B 58"); }, false,
         false, true, 1},
        {"the bus version's answer for the name",
         [](ScriptedKX3117& u) { u.script = answerToName("D1 0A 02"); }, false, false, true, 1},
        {"no answer", [](ScriptedKX3117& u) { u.setSilent(true); }, false, false, true, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KX3117Bench b;
        c.setUp(b.unit);
        b.r.session.DIAG_BeginSession(dcKX3117);
        for (int i = 0; i < 3000 && b.r.h.engine.SessionStarted && !b.r.h.engine.SessionUp; ++i)
            b.r.h.advance(10);
        EXPECT_EQ(b.r.h.engine.SessionUp, c.up);
        b.r.h.advance(300);  // the deferred message
        auto shown = [&](const char* part) {
            for (const auto& box : b.r.h.ui.boxes)
                if (box.text.find(part) != ByteString::npos) return true;
            return false;
        };
        EXPECT_EQ(shown("entspricht nicht dem angeschlossenen"), c.mismatch);
        EXPECT_EQ(shown("nicht gefunden"), c.notFound);
        EXPECT_EQ(b.r.h.ui.boxes.size(), c.mismatch || c.notFound ? 1u : 0u);
        EXPECT_EQ(b.r.session.AttemptCount, c.wakeups);
        if (c.up) {
            EXPECT_EQ(b.r.h.engine.DeviceClass, dcKX3117);
            EXPECT_EQ(b.payloads().at(0), "51 0B ");
            EXPECT_EQ(b.payloads().at(1), "51 0A ");
            EXPECT_EQ(b.points().DataPointCount(), 165);
        }
    }
}

// A refused (code 11), too short (12) or another request's answer (13) at the steps whose
// failures have a route of their own: the request that follows, the views told on the way,
// and nothing stored from the answer. The session runs on in every case.
TEST(KX3117Cases, FailedAnswersTakeTheirStepsRoute) {
    using Bring = std::function<void(KX3117Bench&)>;
    auto command = [](void (KX3117Module::*request)()) -> Bring {
        return [request](KX3117Bench& b) { (b.module().*request)(); };
    };
    auto economy = [](int mode) -> Bring {
        return [mode](KX3117Bench& b) { b.module().KX3117_SetEconomyMode(mode); };
    };
    struct Route {
        const char* step;
        const char* request;
        Bring bring;           // makes the step come in a running session; none: it comes by itself
        const char* tooShort;  // an answer too short for the step; none when none can be
        const char* foreign;   // the answer to the request before it
        const char* next;
        bool operatingView;  // told between the failed answer and the next request
    };
    // The request before a command is the last status page's.
    const char* const page22 = "D0 16 00 DC 01 F4 02 12 02 58";
    // clang-format off
    const Route routes[] = {
        {"36: the decision, without the views", "50 16 ", nullptr, "D0 16 01 02",
         "D0 11 03 20 03 52", "50 06 ", false},
        {"42: the operating-data view, then the status block", "50 14 ", nullptr,
         "D0 14 01 02 03", "D0 0B 00 00 10 00 00 20 00 30", "50 02 ", true},
        {"50: the error list", "56 03 ", command(&KX3117Module::KX3117_RequestErrorDelete),
         nullptr, page22, "56 01 ", false},
        {"70", "10 ", command(&KX3117Module::KX3117_RequestOff), nullptr, page22, "50 02 ", false},
        {"71: its heating command", "21 01 ", command(&KX3117Module::KX3117_RequestParkingHeat),
         "A1", page22, "20 02 ", false},
        {"72", "20 02 ", command(&KX3117Module::KX3117_RequestParkingHeat), "A0", "A1",
         "50 02 ", false},
        {"73: its heating command", "21 02 ",
         command(&KX3117Module::KX3117_RequestSupplementaryHeat), "A1", page22, "20 02 ", false},
        {"74", "20 02 ", command(&KX3117Module::KX3117_RequestSupplementaryHeat), "A0", "A1",
         "50 02 ", false},
        {"75", "22 02 ", command(&KX3117Module::KX3117_RequestPump), "A2", page22, "50 02 ",
         false},
        {"76", "23 03 ", economy(3), "A3", page22, "50 02 ", false},
        {"77", "23 02 ", economy(2), "A3", page22, "50 02 ", false},
        {"78", "23 01 ", economy(1), "A3", page22, "50 02 ", false},
        {"80: the refresh goes on", "44 22 00 ",
         [](KX3117Bench& b) {
             b.module().KX3117_RequestPump();
             b.r.h.advance(300);
             b.ticks(151);
         },
         "C4", page22, "50 02 ", false},
    };
    // clang-format on
    for (const Route& route : routes) {
        for (const int code : {11, 12, 13}) {
            if (code == 12 && !route.tooShort) continue;
            SCOPED_TRACE(std::string(route.step) + ", code " + std::to_string(code));
            KX3117Bench b;
            const ByteString request = H(route.request);
            const ByteString answer = code == 11   ? ByteString{'\x7F', request[0], '\x33'}
                                      : code == 12 ? H(route.tooShort)
                                                   : H(route.foreign);
            int views[3] = {0, 0, 0};  // operating data; overview, trend, calibration; clear list
            ViewHooks& v = b.r.session.views;
            v.OperatingDataShowValues = [&] { ++views[0]; };
            v.OverviewShowValues = v.TrendShowValues =
                v.CalibrationShowValues = [&] { ++views[1]; };
            v.ErrorClearErrorList = [&] { ++views[2]; };
            // Counts and stored values when the failed answer goes out and when the next
            // request comes.
            struct Seen {
                int views[3];
                uint64_t stored;
            };
            std::optional<Seen> atFailure, atNext;
            ByteString next;
            b.unit.script = [&](const ByteString& q) -> std::optional<ByteString> {
                const Seen now{{views[0], views[1], views[2]}, b.points().changeCounter()};
                if (atFailure && !atNext) {
                    atNext = now;
                    next = hexOf(q);
                }
                if (atFailure || q != request) return std::nullopt;
                atFailure = now;
                return answer;
            };
            b.comeUp();
            b.r.h.advance(300);
            if (route.bring) route.bring(b);
            b.r.h.advance(1000);
            ASSERT_TRUE(atNext);
            EXPECT_EQ(next, route.next);
            EXPECT_EQ(atNext->stored, atFailure->stored) << "nothing stored from the answer";
            EXPECT_EQ(atNext->views[0] - atFailure->views[0], route.operatingView ? 1 : 0);
            EXPECT_EQ(atNext->views[1] - atFailure->views[1], 0);
            EXPECT_EQ(atNext->views[2] - atFailure->views[2], 0);
            EXPECT_TRUE(b.r.h.engine.SessionUp);
            if (route.request == std::string("44 22 00 ")) {
                EXPECT_TRUE(b.module().refreshActive());
            }
        }
    }
}

TEST_F(KX3117Steps, ALinkWhoseAnswersAreAllLateEndsTheSession) {
    comeUp();
    r.h.advance(300);
    // from now on each request gets the answer to the one before it
    unit.late = true;
    const ByteString voltage = text("OVRUB");
    const ByteString state = text("OVRZUSTAND");
    r.h.advance(2000);
    EXPECT_FALSE(r.h.engine.SessionStarted);
    EXPECT_EQ(r.h.log.count("Diagnose gestoppt"), 1);
    // nothing taken from the answers to other requests
    EXPECT_EQ(text("OVRUB"), voltage);
    EXPECT_EQ(text("OVRZUSTAND"), state);
}

TEST_F(KX3117Steps, ALateErrorEntryIsAskedForAgainNotTakenForTheNext) {
    // entry 2 is first answered with entry 1's answer, as a late answer would be
    bool once = true;
    unit.script = [&](const ByteString& q) -> std::optional<ByteString> {
        if (once && q == H("56 02 02")) {
            once = false;
            return H("D6 02 09 01 02 10 00 44 2F 44 B1 04 11 00 00 05");
        }
        return std::nullopt;
    };
    comeUp();
    r.h.advance(1500);
    EXPECT_FALSE(once);
    EXPECT_EQ(only({"56 02 01 ", "56 02 02 ", "56 02 03 "}),
              (std::vector<ByteString>{"56 02 01 ", "56 02 02 ", "56 02 02 ", "56 02 03 "}));
    EXPECT_EQ(text("OVRERRCNT"), "3");
    EXPECT_EQ(text("ERRBEZ1"), "Flammabbruch");
    EXPECT_EQ(text("ERRBEZ2"), "Unterspannung");
    EXPECT_EQ(text("ERRCOUNT2"), "1");
    EXPECT_EQ(text("ERRBEZ3"), "Überhitzung T > 135°C");
    EXPECT_TRUE(r.h.engine.SessionUp);
}

}  // namespace
