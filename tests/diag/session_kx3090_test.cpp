// The diagnosis session end to end with the simulated KX3090 on the simulated adapter: the
// real transfer thread, run pass by pass on the manual clock, through the simulated driver and
// through the libftdi1 driver with the modelled USB chip.
#include <gtest/gtest.h>

#include "diagsession.h"
#include "engineharness.h"
#include "hex.h"
#include "kx3090module.h"
#include "kx3090unit.h"
#include "modules.h"
#include "sessionrig.h"
#include "simsession.h"

namespace {

class SessionKX3090 : public ::testing::TestWithParam<DriverPath>, protected SimSession {
protected:
    SessionKX3090() : SimSession(GetParam()) {}
    void SetUp() override { adapter = addAdapter(); }
    void attach() { h.sim.attachUnit(adapter, &unit); }
    void start(int selectedRow) { showAndBegin(selectedRow); }
    KX3090Module& module() { return *session.moduleAs<KX3090Module>(dcKX3090); }
    // W-Bus request payloads the unit received, as hex.
    bool unitGot(const char* payloadHex) { return got(unit, payloadHex); }

    SimKX3090Unit unit;
    size_t adapter = 0;
};

TEST_P(SessionKX3090, AutomaticDetectionFindsTheUnitAndStartsAtStep11) {
    attach();
    start(-1);
    ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp; }, 10000));
    EXPECT_EQ(h.engine.DeviceClass, dcKX3090);
    EXPECT_EQ(h.engine.DetectedDeviceIndex, 0);
    EXPECT_EQ(text("CFGNAME"), "KX3090");
    EXPECT_EQ(caption, "NAVIRON Calvix Test [HVD 420]");
    // the name was asked once, by the probe: the module began with the W-Bus version
    int names = 0;
    for (const auto& r : unit.received()) names += r == H("51 0B") ? 1 : 0;
    EXPECT_EQ(names, 1);
    EXPECT_EQ(unit.received().at(1), H("51 0A"));
    EXPECT_EQ(h.log.count("Diagnose gestartet"), 1);
}

TEST_P(SessionKX3090, ManualStartSendsBusConfigAndWakeupAndComesUp) {
    attach();
    start(0);
    ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp; }, 10000));
    const SimAdapterStats s = h.sim.stats(adapter);
    // bus configuration 1E 00 03 06 0A 8D
    EXPECT_EQ(s.lastConfig.bus, 0);
    EXPECT_EQ(s.lastConfig.mode, 3);
    EXPECT_EQ(s.lastConfig.a, 0x06);
    EXPECT_EQ(s.lastConfig.b, 0x0A);
    EXPECT_EQ(s.lastConfig.c, 0x8D);
    EXPECT_EQ(unit.received().front(), H("51 0B"));  // step 10: identity check
    EXPECT_EQ(caption, "NAVIRON Calvix Test [HVD 420]");
    EXPECT_FALSE(h.engine.PendingMismatch);
}

TEST_P(SessionKX3090, DataPointsFillWithTheUnitsValues) {
    attach();
    start(-1);
    ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp; }, 10000));
    h.advance(5000);
    EXPECT_EQ(text("CFGWBUS"), "W-BUS V3.4");
    EXPECT_EQ(text("CFGKraftFIX"), "Gas");
    EXPECT_EQ(text("OVRZUSTAND"), "Auszustand");
    EXPECT_FALSE(text("OVRUB").empty());
    EXPECT_FALSE(text("OVRTEMP").empty());
    EXPECT_EQ(text("BETSTACNT"), "2748");
    EXPECT_EQ(text("BETTBR"), "1234:56");
    EXPECT_EQ(text("OVRERRCNT"), "3");
    EXPECT_EQ(text("ERRCODE1"), "03");
    EXPECT_EQ(text("ERRBEZ2"), "Unterspannung");
    EXPECT_EQ(text("ERRCODE3"), "14");
    EXPECT_EQ(text("CFGUMIN"), "10.5");
}

TEST_P(SessionKX3090, CommandsReachTheUnit) {
    attach();
    start(-1);
    ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp; }, 10000));
    module().KX3090_RequestPump();
    ASSERT_TRUE(runUntil([&] { return unit.pumpRunning(); }, 3000));
    EXPECT_TRUE(unitGot("24 3C"));
    h.advance(16000);
    EXPECT_TRUE(unitGot("44 24 00"));  // refresh of the running pump
    EXPECT_TRUE(unit.pumpRunning());
    ASSERT_TRUE(
        runUntil([&] { return text("OVRZUSTAND") == "Umwälzpumpe ohne Heizfunktion"; }, 3000));
    module().KX3090_RequestOff();
    ASSERT_TRUE(runUntil([&] { return !unit.pumpRunning(); }, 3000));
    EXPECT_TRUE(unitGot("10"));
    EXPECT_FALSE(module().refreshActive());
}

TEST_P(SessionKX3090, ErrorDeleteEmptiesTheUnitsMemory) {
    attach();
    start(-1);
    ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp && text("OVRERRCNT") == "3"; }, 10000));
    int errorViews = 0;
    session.views.ErrorShowValues = [&] { ++errorViews; };
    module().KX3090_RequestErrorDelete();
    ASSERT_TRUE(runUntil([&] { return text("OVRERRCNT") == "0"; }, 5000));
    EXPECT_TRUE(unit.errors().empty());
    EXPECT_TRUE(unitGot("56 03"));
    EXPECT_GE(errorViews, 1);
}

TEST_P(SessionKX3090, StopEndsTheSessionOnce) {
    attach();
    start(-1);
    ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp; }, 10000));
    session.DIAG_RequestStop();
    ASSERT_TRUE(runUntil([&] { return !h.engine.SessionStarted; }, 2000));
    h.advance(1000);
    EXPECT_EQ(h.log.count("Diagnose gestoppt"), 1);
    EXPECT_EQ(h.engine.DeviceClass, 0);
    EXPECT_EQ(h.engine.DetectedDeviceIndex, -1);
    EXPECT_EQ(caption, "NAVIRON Calvix Test");
}

TEST_P(SessionKX3090, NoUnitAttachedEndsWithOneNoConnectionMessage) {
    start(-1);
    ASSERT_TRUE(runUntil([&] { return !h.engine.SessionStarted; }, 600000));
    h.advance(500);
    int wakeups = 0;
    for (const auto& l : h.log.lines) wakeups += l.text == "Wakeup..." ? 1 : 0;
    // one W-Bus and one S-Bus wake-up, then the K-Line until 20 in all of its own
    EXPECT_EQ(wakeups, 1 + 1 + 20);
    ASSERT_EQ(h.ui.boxes.size(), 1u);
    EXPECT_EQ(h.ui.boxes[0].text,
              "     Es konnte keine Verbindung zum Heizgerät hergestellt werden!    \r\n"
              "     Bitte prüfen Sie die Stromversorgung und die Verkabelung.");
    EXPECT_EQ(h.log.count("Diagnose gestoppt"), 1);
    EXPECT_EQ(h.boxesInReplyPath, 0);
}

TEST_P(SessionKX3090, ManualChoiceOfAnotherHeaterWarnsAndGoesOn) {
    unit.setName("KX3117");
    attach();
    start(0);
    ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp; }, 10000));
    h.advance(300);
    ASSERT_EQ(h.ui.boxes.size(), 1u);
    EXPECT_EQ(h.ui.boxes[0].kind, MsgKind::Warning);
    EXPECT_NE(h.ui.boxes[0].text.find("entspricht nicht dem angeschlossenen"), ByteString::npos);
}

TEST_P(SessionKX3090, ManualChoiceWithoutAnswerEndsAfterThreeWakeups) {
    attach();
    unit.setSilent(true);
    start(0);
    expectNotFoundAfterThreeWakeups();
}

// At the real line's pace (as the program's --simulate runs) every exchange stays well inside
// the reply time-out: nothing is written twice, and a session does a handful a second.
TEST_P(SessionKX3090, AtTheLinesPaceAHandfulOfExchangesASecondAndNoRepeats) {
    attach();
    h.sim.setFaults(adapter, SimFaults{});
    SimLinePace pace;
    pace.on = true;
    h.sim.setPace(adapter, pace);
    start(0);
    ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp; }, 20000));
    const SimAdapterStats before = h.sim.stats(adapter);
    h.advance(30000);
    const SimAdapterStats after = h.sim.stats(adapter);
    const int exchanges = after.answers - before.answers;
    EXPECT_GE(exchanges, 2 * 30);
    EXPECT_LE(exchanges, 15 * 30);
    EXPECT_EQ(after.writes - before.writes, exchanges) << "a frame was written again";
    EXPECT_TRUE(h.engine.SessionUp);
    EXPECT_EQ(h.log.count("Diagnose gestartet"), 1);
}

CALVIX_BOTH_DRIVER_PATHS(SessionKX3090);

}  // namespace

namespace {

// Frames as the adapter gets them, over the fake transport: byte for byte.
class SessionFrames : public ::testing::Test {
protected:
    SessionFrames() { DIAG_InstallModules(session); }
    void SetUp() override { ASSERT_TRUE(h.engine.AdapterReady); }
    static ByteString frame(const char* dataHex) {
        ByteString f;
        AdapterFrameProtocol::ADP_BuildFrame(6, H(dataHex), f);
        return f;
    }
    static ByteString transfer(const ByteString& telegram) {
        ByteString f;
        AdapterFrameProtocol::ADP_BuildBusTransfer(telegram, f);
        return f;
    }
    // Hands every W-Bus transfer to `unit` (silence: the adapter's "no bus answer").
    void answerWith(SimWBusUnit* unit) {
        rig.wbus = [unit](const ByteString& t) { return unit->answer(t); };
    }
    const std::vector<ByteString>& frames() { return h.transport()->frames; }

    SessionRig rig;
    EngineHarness& h = rig.h;
    DiagSession& session = rig.session;
};

TEST_F(SessionFrames, ManualClassOneSendsConfigWakeupAndIdentityCheck) {
    SimKX3090Unit unit;
    answerWith(&unit);
    session.DIAG_BeginSession(dcKX3090);
    h.advance(200);
    ASSERT_GE(frames().size(), 3u);
    EXPECT_EQ(hexOf(frames()[0]), hexOf(frame("1E 00 03 06 0A 8D")));
    EXPECT_EQ(hexOf(frames()[1]), hexOf(frame("1F 1A 00 33 00")));
    EXPECT_EQ(hexOf(frames()[2]), hexOf(transfer(H("F4 03 51 0B AD"))));
    EXPECT_EQ(h.log.count("Diagnose gestartet"), 1);
    EXPECT_EQ(h.log.count("Wakeup..."), 1);
}

TEST_F(SessionFrames, RejectedWBusProbeMovesOnToTheSBus) {
    // A unit that refuses the name request: the probe must not stall.
    struct Refuser : SimWBusUnit {
        std::optional<ByteString> answerPayload(const ByteString& r) override {
            return refusal(r[0]);
        }
    } refuser;
    answerWith(&refuser);
    session.DIAG_BeginSession(dcNone);
    h.advance(300);
    ASSERT_GE(frames().size(), 4u);
    EXPECT_EQ(hexOf(frames()[3]), hexOf(frame("1E 02 05 01 05 80")));  // S-Bus detection config
}

TEST_F(SessionFrames, RejectedNameAnswerAfterAManualStartEndsWithNotFound) {
    struct Refuser : SimWBusUnit {
        std::optional<ByteString> answerPayload(const ByteString& r) override {
            return refusal(r[0]);
        }
    } refuser;
    answerWith(&refuser);
    session.DIAG_BeginSession(dcKX3090);
    h.advance(500);
    EXPECT_FALSE(h.engine.SessionStarted);
    EXPECT_EQ(h.log.count("Diagnose gestoppt"), 1);
    ASSERT_EQ(h.ui.boxes.size(), 1u);
    EXPECT_NE(h.ui.boxes[0].text.find("nicht gefunden"), ByteString::npos);
}

TEST_F(SessionFrames, ErrorDeleteNotServedNeverReachesTheNextSession) {
    SimKX3090Unit unit;
    answerWith(&unit);
    session.moduleAs<KX3090Module>(dcKX3090)->KX3090_RequestErrorDelete();
    session.DIAG_BeginSession(dcNone);
    h.advance(5000);
    ASSERT_TRUE(h.engine.SessionUp);
    for (const auto& r : unit.received()) EXPECT_NE(r, H("56 03"));
    EXPECT_EQ(unit.errors().size(), 3u);
}

TEST_F(SessionFrames, StepWithoutRequestReturnsToTheCyclicReads) {
    // An error list refused after the session is up: step 52 has no request and must not stall.
    struct ListRefuser : SimKX3090Unit {
        std::optional<ByteString> answerPayload(const ByteString& r) override {
            if (r.size() >= 2 && r[0] == 0x56 && r[1] == 1) return refusal(0x56);
            return SimKX3090Unit::answerPayload(r);
        }
    } unit;
    answerWith(&unit);
    session.DIAG_BeginSession(dcNone);
    h.advance(8000);
    ASSERT_TRUE(h.engine.SessionUp);
    const size_t before = unit.received().size();
    h.advance(2000);
    EXPECT_GT(unit.received().size(), before + 20);
}

TEST_F(SessionFrames, LostAdapterStopsTheSessionSending) {
    SimKX3090Unit unit;
    answerWith(&unit);
    session.DIAG_BeginSession(dcNone);
    h.advance(5000);
    ASSERT_TRUE(h.engine.SessionUp);
    h.engine.LinkError = true;  // as a code 4 from the transfer would
    h.advance(300);
    EXPECT_FALSE(h.engine.SessionStarted);
    EXPECT_FALSE(h.engine.SessionUp);
    EXPECT_EQ(session.SessionReq.Step, ssIdle);
}

}  // namespace
