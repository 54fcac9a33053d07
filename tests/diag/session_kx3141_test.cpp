// The diagnosis session end to end with the simulated KX3141 on the simulated adapter's S-Bus:
// the real transfer thread, run pass by pass on the manual clock.
#include <gtest/gtest.h>

#include "kx3141module.h"
#include "kx3141unit.h"
#include "simsession.h"

namespace {

class SessionKX3141 : public ::testing::Test, protected SimSession {
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
    KX3141Module& module() { return *session.moduleAs<KX3141Module>(dcKX3141); }
    bool state(const char* text, int64_t withinMs) {
        return runUntil([&] { return this->text("OVRZUSTAND") == text; }, withinMs);
    }

    SimKX3141Unit unit;
};

TEST_F(SessionKX3141, AutomaticDetectionAndManualStartComeUp) {
    for (int row : {-1, 3}) {
        SCOPED_TRACE(row);
        comeUp(row);
        EXPECT_EQ(h.engine.DeviceClass, dcKX3141);
        EXPECT_EQ(caption, "NAVIRON Calvix Test [Calvix N]");
        EXPECT_EQ(text("CFGSGID"), "          KX3141");
        EXPECT_TRUE(unit.sessionOpen());
        EXPECT_EQ(h.engine.dataPoints.DataPointCount(), 135);
        session.DIAG_RequestStop();
        ASSERT_TRUE(runUntil([&] { return !h.engine.SessionStarted; }, 3000));
    }
    // detection asked the identification once, by its probe; the manual start once more
    EXPECT_EQ(unit.receivedCount(20), 2);
    EXPECT_EQ(h.log.count("Diagnose gestoppt"), 2);
    EXPECT_TRUE(h.ui.boxes.empty());
}

TEST_F(SessionKX3141, ViewsShowTheUnitsValuesAndEntries) {
    int overviews = 0, errorViews = 0;
    session.views.OverviewShowValues = [&] { ++overviews; };
    session.views.ErrorShowValues = [&] { ++errorViews; };
    comeUp(-1);
    h.advance(3000);
    const std::pair<const char*, const char*> expected[] = {
        {"CFGSBUSVER", " S-BUS V1.3"},
        {"CFGName", "KX3141"},
        {"CFGKraft", "Gas"},
        {"CFGSWVER", "V3.05"},
        {"CFGSGDATE", "12/2019"},
        {"CFGSNR", "0012345678"},
        {"CFGKUNDID", "KD-4711"},
        {"OVRZUSTAND", "Einsatzbereit"},
        {"OVRFLZUSTAND", "keine Flamme"},
        {"OVRTEMP", "8.0"},
        {"OVRTEMPOBE", "80.0"},
        {"OVRCRC", "B7E3"},
        {"OVRLUP", "0"},
        {"BETSTART", "2345"},
        {"BETSZ_P10", "1200"},
        {"BETONTIME", "342:56:07"},
        {"BETFARZ", "5"},
        {"ERRBEZ1", "Flammabbruch"},
        {"ERRZUSTAND1", "Zündung"},
        {"ERRONTIME1", "1234:56"},
        {"ERRHEATTIME1", "987:39"},
        {"ERRUB1", "12.45"},
        {"ERRBEZ3", "Magnetventil 2 defekt"},
        {"ERRCOUNT3", "3"},
        {"ERRBEZ4", ""},
    };
    for (const auto& e : expected) EXPECT_EQ(text(e.first), e.second) << e.first;
    EXPECT_FALSE(h.engine.dataPoints.DP_GetValue("ERRBEZ4").Invalid);  // an empty place
    EXPECT_GT(overviews, 5);
    EXPECT_GT(errorViews, 3);
}

TEST_F(SessionKX3141, HeaterFollowsTheCommandsAndTheCountersRun) {
    comeUp(-1);
    KX3141Module& m = module();
    m.KX3141_RequestHeatOn();
    ASSERT_TRUE(state("Vorwärmung", 3000));
    EXPECT_EQ(text("OVRLVH"), "1");
    EXPECT_EQ(unit.counters().starts, 2346u);
    ASSERT_TRUE(state("Zündung", 20000));
    ASSERT_TRUE(state("Heizen", 10000));
    for (const char* lamp :
         {"OVRLHS", "OVRLSBUSHS", "OVRLBG", "OVRLMV1", "OVRLMV2", "OVRLFLAZ", "OVRLUP"})
        EXPECT_EQ(text(lamp), "1") << lamp;
    EXPECT_EQ(text("OVRFLZUSTAND"), "Flamme");
    // the refresh keeps it heating well past the unit's hold of a command
    const double heatBefore = unit.counters().heatSeconds;
    h.advance(60000);
    EXPECT_EQ(text("OVRZUSTAND"), "Heizen");
    EXPECT_GT(unit.counters().heatSeconds, heatBefore + 55);
    EXPECT_GT(unit.receivedCount(13), 3);
    // the pump on, heating off: run-on, then the pump alone
    m.KX3141_RequestPumpOn();
    m.KX3141_RequestHeatOff();
    ASSERT_TRUE(state("Nachlauf 1", 3000));
    ASSERT_TRUE(state("Umwälzpumpe ohne Heizfunktion", 40000));
    EXPECT_EQ(text("OVRLUPFA"), "1");
    EXPECT_EQ(text("OVRLFLAZ"), "0");
    h.advance(40000);  // refreshed with the pump alone
    EXPECT_EQ(text("OVRZUSTAND"), "Umwälzpumpe ohne Heizfunktion");
    m.KX3141_RequestPumpOff();
    ASSERT_TRUE(state("Einsatzbereit", 3000));
    EXPECT_FALSE(m.refreshActive());
    // counted on by the unit and read back: 987654 s before it heated
    EXPECT_GT(h.engine.dataPoints.DP_GetValue("BETHEATTIME").Value, 987654 + 55);
    // each change of the operating state went to the telegram log once, the first from no
    // state at all (which the log window leaves out)
    std::vector<int32_t> states;
    for (const auto& c : h.log.stateChanges) states.push_back(c.newState);
    EXPECT_EQ(states, (std::vector<int32_t>{0x0300, 0x0B00, 0x0C00, 0x0D00, 0x0E00, 0x1000, 0x1300,
                                            0x1400, 0x0400, 0x0300}));
    ASSERT_FALSE(h.log.stateChanges.empty());
    EXPECT_EQ(h.log.stateChanges[0].oldState, -1);
    EXPECT_EQ(h.log.stateChanges[1].oldState, 0x0300);
}

TEST_F(SessionKX3141, ErrorDeleteEmptiesTheErrorMemory) {
    comeUp(-1);
    ASSERT_TRUE(runUntil([&] { return text("ERRBEZ1") == "Flammabbruch"; }, 3000));
    module().KX3141_RequestErrorDelete();
    // the changed status reads all ten entries again: every place is empty now
    ASSERT_TRUE(runUntil([&] { return text("ERRBEZ3").empty(); }, 5000));
    EXPECT_EQ(text("ERRBEZ1"), "");
    EXPECT_TRUE(unit.errors().empty());
    EXPECT_TRUE(got(unit, "5C"));
    EXPECT_TRUE(got(unit, "10"));
}

TEST_F(SessionKX3141, SilentUnitEndsTheSessionWithoutAStall) {
    comeUp(-1);
    module().KX3141_RequestHeatOn();
    h.advance(2000);
    unit.setSilent(true);
    ASSERT_TRUE(runUntil([&] { return !h.engine.SessionStarted; }, 120000));
    h.advance(500);
    EXPECT_EQ(h.log.count("Diagnose gestoppt"), 1);
    EXPECT_EQ(session.SessionReq.Step, ssIdle);
    EXPECT_FALSE(module().refreshActive());
}

TEST_F(SessionKX3141, ManualStartWithoutAnswerEndsAfterThreeWakeups) {
    unit.setSilent(true);
    start(3);
    expectNotFoundAfterThreeWakeups();
}

}  // namespace
