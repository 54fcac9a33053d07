// The diagnosis session end to end with the simulated KX3166 on the simulated adapter's S-Bus:
// the real transfer thread, run pass by pass on the manual clock.
#include <gtest/gtest.h>

#include "kx3166module.h"
#include "kx3166unit.h"
#include "simsession.h"

namespace {

class SessionKX3166 : public ::testing::Test, protected SimSession {
protected:
    void SetUp() override {
        h.sim.attachUnit(addAdapter(), &unit);
        h.show();
        h.advance(150);
    }
    void start(int selectedRow) {
        ASSERT_TRUE(h.engine.AdapterReady);
        beginForRow(selectedRow);
    }
    void comeUp(int selectedRow) {
        start(selectedRow);
        ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp; }, 15000));
    }
    KX3166Module& module() { return *session.moduleAs<KX3166Module>(dcKX3166); }
    bool unitGot(const char* dataHex) { return got(unit, dataHex); }

    SimKX3166Unit unit;
};

TEST_F(SessionKX3166, AutomaticDetectionAndManualStartComeUp) {
    for (int row : {-1, 4}) {
        SCOPED_TRACE(row);
        comeUp(row);
        EXPECT_EQ(h.engine.DeviceClass, dcKX3166);
        EXPECT_EQ(caption, "NAVIRON Calvix Test [Calvix extra]");
        EXPECT_EQ(text("CFGSGID"), "0000000473800061");
        EXPECT_TRUE(unit.sessionOpen());
        EXPECT_EQ(h.engine.dataPoints.DataPointCount(), 167);
        session.DIAG_RequestStop();
        ASSERT_TRUE(runUntil([&] { return !h.engine.SessionStarted; }, 3000));
        h.advance(1000);  // the change notice of the first session
    }
    // detection asked the identification once, by its probe; the manual start once more
    EXPECT_EQ(unit.receivedCount(20), 2);
    EXPECT_EQ(h.log.count("Diagnose gestoppt"), 2);
    ASSERT_FALSE(h.ui.boxes.empty());
    EXPECT_NE(h.ui.boxes[0].text.find("wird ihr Computer zum Master"), ByteString::npos);
}

TEST_F(SessionKX3166, ViewsShowTheUnitsValuesAndEntries) {
    comeUp(-1);
    h.advance(3000);
    EXPECT_EQ(text("CFGSBUSVER"), " S-BUS V2.1");
    EXPECT_EQ(text("CFGKraft"), "Diesel");
    EXPECT_EQ(text("CFGHW_VER"), "1.3");
    EXPECT_EQ(text("CFGSYS_NAME"), "KX3166 Diesel 5 kW  ");
    EXPECT_EQ(text("CFGDS_DATE"), "15.03.24 10:42");
    EXPECT_EQ(text("CFGSW_APPL_CRC"), "3A5C71E2");
    EXPECT_EQ(text("PARKOMPDEF"), "20");
    EXPECT_EQ(session.buses().sbus.SBUS_GetAreaSize(1), 512);
    EXPECT_EQ(text("OVRZUSTAND"), "Einsatzbereit");
    EXPECT_EQ(text("OVRFLZUSTAND"), "dunkel");
    EXPECT_EQ(text("OVRTEMPOBE"), "80");
    EXPECT_EQ(text("BETSTACNT"), "1873");
    EXPECT_EQ(text("BETMBRZ_U_G"), "17");
    EXPECT_EQ(text("BET_AD_UEPR"), "1");
    EXPECT_EQ(text("ERRBEZ1"), "Flammabbruch");
    EXPECT_EQ(text("ERRCOUNT3"), "3");
    EXPECT_EQ(text("ERRBEZ2"), "Unterspannung");
    EXPECT_EQ(text("ERRUB2"), "9.8");
    EXPECT_EQ(text("ERRTEMP1"), "61.5");
    EXPECT_EQ(text("ERRONTIME1"), "138:20:00");
    EXPECT_EQ(text("ERRBEZ4"), "");  // an empty place of the memory
    EXPECT_FALSE(h.engine.dataPoints.DP_GetValue("ERRBEZ4").Invalid);
    EXPECT_TRUE(text("OVRERRCNT").empty());
}

TEST_F(SessionKX3166, HeaterFollowsTheCommandsAndTheCountersRun) {
    comeUp(-1);
    KX3166Module& m = module();
    m.KX3166_RequestHSOn();
    ASSERT_TRUE(runUntil([&] { return text("OVRZUSTAND") == "Vorlauf"; }, 3000));
    EXPECT_TRUE(unitGot("0A 01"));
    EXPECT_EQ(unit.counters().starts, 1874u);
    ASSERT_TRUE(runUntil([&] { return text("OVRZUSTAND") == "Standheizen"; }, 30000));
    EXPECT_EQ(text("OVRLFL"), "1");
    EXPECT_EQ(text("OVRLMV"), "1");
    EXPECT_EQ(text("OVRLHS"), "1");
    const double heatBefore = unit.counters().heatSeconds;
    h.advance(20000);
    EXPECT_GT(unit.counters().heatSeconds, heatBefore + 15);
    EXPECT_TRUE(unitGot("0D 01 FF FF FF"));  // the refresh carries the override
    // terminal 61 makes it supplementary heating
    m.KX3166_RequestKL61On();
    ASSERT_TRUE(runUntil([&] { return text("OVRZUSTAND") == "Zuheizen"; }, 3000));
    m.KX3166_RequestHSOff();
    ASSERT_TRUE(runUntil([&] { return text("OVRZUSTAND") == "Nachlauf 1"; }, 3000));
    EXPECT_EQ(m.lineHS(), 0);
    ASSERT_TRUE(runUntil([&] { return text("OVRZUSTAND") == "Einsatzbereit"; }, 40000));
    // every line back to its wire: the refresh stops
    m.KX3166_RequestHSLine();
    m.KX3166_RequestKL61Line();
    EXPECT_FALSE(m.refreshActive());
    m.KX3166_RequestUPFAOn();
    ASSERT_TRUE(
        runUntil([&] { return text("OVRZUSTAND") == "Umwälzpumpe ohne Heizfunktion"; }, 3000));
    EXPECT_EQ(text("OVRLUP"), "1");
    m.KX3166_RequestUPFAOff();
    m.KX3166_RequestSPAROn();
    ASSERT_TRUE(runUntil([&] { return text("OVRLSPAR") == "1"; }, 5000));
    EXPECT_EQ(text("OVRTEMPOBE"), "70");  // economy mode lowers the thresholds
    EXPECT_NE(text("BET_AD_SPAR"), "4");
    m.KX3166_RequestSPARLine();
    ASSERT_TRUE(runUntil([&] { return text("OVRLSPAR") == "0"; }, 5000));
    for (const char* d : {"0A 00", "0A FF", "0C 01", "0C 00", "11 01", "11 FF", "0B 01", "0B FF"})
        EXPECT_TRUE(unitGot(d)) << d;
}

TEST_F(SessionKX3166, DeletesEmptyTheErrorMemoryAndTheCounters) {
    comeUp(-1);
    ASSERT_TRUE(runUntil([&] { return text("ERRBEZ1") == "Flammabbruch"; }, 3000));
    module().KX3166_RequestErrorDelete();
    ASSERT_TRUE(runUntil([&] { return text("ERRBEZ1").empty(); }, 5000));
    EXPECT_TRUE(unit.errors().empty());
    EXPECT_TRUE(unitGot("5C"));
    EXPECT_TRUE(unitGot("10"));
    module().KX3166_RequestCounterDelete();
    ASSERT_TRUE(runUntil([&] { return text("BETMBRZ_U_G") == "0"; }, 5000));
    EXPECT_TRUE(unitGot("31 01 01 01 01 01 01 01 01"));
    EXPECT_EQ(text("BETSTZ"), "0");
    EXPECT_EQ(text("BETSTACNT"), "0");
}

TEST_F(SessionKX3166, ComponentTestRepeatsUntilStopped) {
    comeUp(-1);
    module().KX3166_StartComponentTest(SimKX3166Unit::ComponentPump, 0, 0);
    ASSERT_TRUE(runUntil([&] { return text("OVRZUSTAND") == "Komponententest"; }, 6000));
    EXPECT_EQ(text("OVRKOMP"), "1");
    EXPECT_EQ(text("OVRKOMPTEST"), "3");
    h.advance(10000);
    EXPECT_EQ(unit.state(), 5);
    EXPECT_GE(unit.receivedCount(14), 3);
    module().KX3166_StopComponentTest();
    const int sent = unit.receivedCount(14);
    h.advance(5000);
    EXPECT_EQ(unit.receivedCount(14), sent);  // no more repeats
    // The repeat of component 0 switches everything off.
    module().KX3166_StartComponentTest(0, 0, 0);
    ASSERT_TRUE(runUntil([&] { return text("OVRZUSTAND") == "Einsatzbereit"; }, 8000));
}

TEST_F(SessionKX3166, SilentUnitEndsTheSessionWithoutAStall) {
    comeUp(-1);
    unit.setSilent(true);
    ASSERT_TRUE(runUntil([&] { return !h.engine.SessionStarted; }, 120000));
    h.advance(500);
    EXPECT_EQ(h.log.count("Diagnose gestoppt"), 1);
    EXPECT_EQ(session.SessionReq.Step, ssIdle);
}

TEST_F(SessionKX3166, ManualStartWithoutAnswerEndsAfterThreeWakeups) {
    unit.setSilent(true);
    start(4);
    expectNotFoundAfterThreeWakeups();
}

}  // namespace
