// The diagnosis session end to end with the simulated KX3024 on the simulated adapter's
// K-Line: the real transfer thread, run pass by pass on the manual clock.
#include <gtest/gtest.h>

#include <map>

#include "hex.h"
#include "kx3024bench.h"
#include "simsession.h"
#include "testclients.h"

namespace {

class SessionKX3024 : public ::testing::Test, protected SimSession {
protected:
    void SetUp() override {
        adapter = addAdapter();
        h.sim.attachUnit(adapter, &unit);
    }
    void start(int selectedRow) { showAndBegin(selectedRow); }
    KX3024Module& module() { return *session.moduleAs<KX3024Module>(dcKX3024); }
    // Requests the unit received whose data begin with these bytes.
    int unitGot(const char* dataHex) {
        const ByteString d = H(dataHex);
        int n = 0;
        for (const ByteString& r : unit.received()) n += r.substr(0, d.size()) == d ? 1 : 0;
        return n;
    }

    SimKX3024Unit unit;
    size_t adapter = 0;
};

TEST_F(SessionKX3024, DetectionReachesTheUnitOverTheKLineStart) {
    start(-1);
    ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp; }, 20000));
    EXPECT_EQ(h.engine.DeviceClass, dcKX3024);
    EXPECT_EQ(caption, "NAVIRON Calvix Test [Calvix 140/180/220]");
    EXPECT_EQ(text("CFGNAME"), "180");
    // the W-Bus and S-Bus probes went unanswered first
    EXPECT_EQ(h.log.count("Wakeup..."), 3);
    EXPECT_EQ(unitGot("21 04"), 1);  // the name, asked by the probe only
    EXPECT_EQ(unitGot("21 11"), 1);
    EXPECT_TRUE(h.ui.boxes.empty());
}

TEST_F(SessionKX3024, ManualStartComesUpAndShowsTheUnitsValues) {
    start(1);
    ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp; }, 10000));
    const SimAdapterStats s = h.sim.stats(adapter);
    EXPECT_EQ(s.lastConfig.bus, 1);  // 1E 01 06 0B 00 33
    EXPECT_EQ(s.lastConfig.mode, 6);
    EXPECT_EQ(s.lastConfig.a, 0x0B);
    EXPECT_EQ(s.lastConfig.b, 0x00);
    EXPECT_EQ(s.lastConfig.c, 0x33);
    EXPECT_EQ(caption, "NAVIRON Calvix Test [Calvix 140/180/220]");
    h.advance(3000);
    EXPECT_EQ(text("CFGNAME"), "180");
    EXPECT_EQ(text("CFGSGID"), "123456");
    EXPECT_EQ(text("OVRZUSTAND"), "Auszustand");
    EXPECT_FALSE(text("OVRUB").empty());
    EXPECT_FALSE(text("OVRTEMP").empty());
    EXPECT_EQ(text("BETSTACNT"), "1543");
    EXPECT_EQ(text("OVRERRCNT"), "3");
    EXPECT_EQ(text("ERRBEZ2"), "Unterspannung");
    EXPECT_EQ(text("ERRCODE3"), "08/01");
    EXPECT_TRUE(h.ui.boxes.empty());
}

TEST_F(SessionKX3024, ErrorDeleteEmptiesTheUnitsMemory) {
    start(1);
    ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp && text("OVRERRCNT") == "3"; }, 10000));
    int errorViews = 0;
    session.views.ErrorShowValues = [&] { ++errorViews; };
    module().KX3024_RequestErrorDelete();
    ASSERT_TRUE(runUntil([&] { return text("OVRERRCNT") == "0"; }, 5000));
    EXPECT_TRUE(unit.errors().empty());
    EXPECT_EQ(unitGot("14"), 1);
    EXPECT_EQ(text("ERRCODE1"), "");
    EXPECT_GE(errorViews, 1);
}

TEST_F(SessionKX3024, SessionEndAfterAComponentTestSwitchesTheOutputsOff) {
    start(1);
    ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp; }, 10000));
    // the component test window's requests, in its slot before the session
    ScriptedClient componentTest(h.engine);
    h.engine.clients().setClient(ClientSlot::ComponentTest, &componentTest);
    for (const char* data : {"10 01", "31 02 00 01 01 00 00"}) {
        ByteString frame;
        AdapterFrameProtocol::ADP_BuildBusTransfer(KX3024Bench::request(data), frame);
        componentTest.sendFrame(frame);
    }
    ASSERT_TRUE(runUntil(
        [&] { return text("OVRZUSTAND") == "Komponententest" && text("OVRLBG") == "1"; }, 3000));
    EXPECT_TRUE(unit.pumpRunning());
    module().KX3024_RequestStopSession();
    ASSERT_TRUE(runUntil(
        [&] { return text("OVRZUSTAND") == "Auszustand" && text("OVRLBG") == "0"; }, 3000));
    EXPECT_EQ(unitGot("20"), 1);
    EXPECT_FALSE(unit.diagnosticSession());
    EXPECT_FALSE(unit.pumpRunning());
    h.engine.clients().setClient(ClientSlot::ComponentTest, nullptr);
}

TEST_F(SessionKX3024, StopEndsTheSessionOnce) {
    start(-1);
    ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp; }, 20000));
    session.DIAG_RequestStop();
    ASSERT_TRUE(runUntil([&] { return !h.engine.SessionStarted; }, 2000));
    h.advance(1000);
    EXPECT_EQ(h.log.count("Diagnose gestoppt"), 1);
    EXPECT_EQ(h.engine.DeviceClass, 0);
    EXPECT_EQ(caption, "NAVIRON Calvix Test");
    EXPECT_TRUE(h.ui.boxes.empty());
}

// Each answer comes twice, the copy after the next request has gone out, so it is taken for
// that request's answer (and every answer after it for the next one's): no data point ever
// holds a value from an answer to another request, and once the copies stop the session is
// soon back.
TEST_F(SessionKX3024, DoubledAnswersShiftNoValue) {
    start(1);
    ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp; }, 10000));
    h.advance(12000);  // identification, operating data, error memory
    std::map<ByteString, TResult> reference;
    for (const TWerteDaten& p : h.engine.dataPoints.DataPoints())
        if (!p.Value.Invalid) reference[p.Key] = p.Value;
    ASSERT_EQ(reference["ERRCODE2"].Text, "05/00");
    ASSERT_EQ(reference["BETSTACNT"].Text, "1543");
    // values that move with time, held against their range instead
    const std::map<ByteString, std::pair<double, double>> moving = {
        {"OVRTEMP", {17, 23}}, {"OVRUB", {12.2, 12.6}}, {"BETTEIN", {0, 0}}};
    auto check = [&] {
        for (const TWerteDaten& p : h.engine.dataPoints.DataPoints()) {
            if (p.Value.Invalid) continue;
            const auto m = moving.find(p.Key);
            if (m != moving.end()) {
                const double v = static_cast<double>(p.Value.Value);
                if (m->second.second > 0) {
                    ASSERT_TRUE(v >= m->second.first && v <= m->second.second) << p.Key << " " << v;
                }
                continue;
            }
            const auto r = reference.find(p.Key);
            if (r == reference.end()) continue;
            ASSERT_EQ(p.Value.Text, r->second.Text) << p.Key << " at " << h.clock.now();
        }
    };
    SimFaults f;
    f.answerDelayMs = 20;
    f.duplicateAnswers = -1;
    f.duplicateGapMs = 15;
    h.sim.setFaults(adapter, f);
    int endings = 0;
    for (int64_t t = 0; t < 20000 && !HasFailure(); t += 10) {
        if (h.engine.AdapterReady && !h.engine.SessionStarted) {
            ++endings;
            session.DIAG_BeginSession(dcKX3024);
        }
        h.advance(10);
        check();
    }
    EXPECT_GT(endings, 0) << "answers to other requests end the session";
    f.duplicateAnswers = 0;
    h.sim.setFaults(adapter, f);
    ASSERT_TRUE(runUntil(
        [&] {
            if (h.engine.AdapterReady && !h.engine.SessionStarted)
                session.DIAG_BeginSession(dcKX3024);
            return h.engine.SessionUp;
        },
        5000));
    h.advance(12000);
    check();
    EXPECT_EQ(text("ERRCODE2"), "05/00");
    EXPECT_EQ(text("CFGNAME"), "180");
}

TEST_F(SessionKX3024, SilentUnitIsNotFoundAfterTwentyWakeups) {
    unit.setSilent(true);
    start(1);
    ASSERT_TRUE(runUntil([&] { return !h.engine.SessionStarted; }, 600000));
    h.advance(300);
    EXPECT_EQ(session.AttemptCount, 20);
    ASSERT_EQ(h.ui.boxes.size(), 1u);
    EXPECT_NE(h.ui.boxes[0].text.find("manuell ausgewählte Heizgerät wurde nicht gefunden"),
              ByteString::npos);
    EXPECT_EQ(h.boxesInReplyPath, 0);
}

}  // namespace
