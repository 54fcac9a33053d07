// The diagnosis session end to end with the simulated KX3117 on the simulated adapter: the
// real transfer thread, run pass by pass on the manual clock.
#include <gtest/gtest.h>

#include "kx3117module.h"
#include "kx3117unit.h"
#include "simsession.h"

namespace {

class SessionKX3117 : public ::testing::Test, protected SimSession {
protected:
    SessionKX3117() {
        session.views.OverviewShowValues = [this] { ++overviews; };
        session.views.ErrorShowValues = [this] { ++errorViews; };
    }
    void SetUp() override {
        adapter = addAdapter();
        h.sim.attachUnit(adapter, &unit);
    }
    // Starts from a device-list row and waits until the session is up; the adapter is opened
    // first.
    void startUp(int selectedRow) {
        if (!shown) {
            h.show();
            h.advance(150);
            shown = true;
        }
        ASSERT_TRUE(h.engine.AdapterReady);
        beginForRow(selectedRow);
        ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp; }, 10000));
    }
    KX3117Module& module() { return *session.moduleAs<KX3117Module>(dcKX3117); }
    bool unitGot(const char* payloadHex) { return got(unit, payloadHex); }

    SimKX3117Unit unit;
    size_t adapter = 0;
    bool shown = false;
    int overviews = 0, errorViews = 0;
};

TEST_F(SessionKX3117, DetectionAndManualStartComeUpAsCalvixR) {
    for (int row : {-1, 2}) {
        SCOPED_TRACE(row);
        startUp(row);
        EXPECT_EQ(h.engine.DeviceClass, dcKX3117);
        EXPECT_EQ(caption, "NAVIRON Calvix Test [Calvix R]");
        EXPECT_EQ(text("CFGNAME"), "KX3117");
        EXPECT_FALSE(h.engine.PendingUnsupported);
        EXPECT_FALSE(h.engine.PendingMismatch);
        // the name was asked once: by the probe, or by the module's first step
        int names = 0;
        for (const auto& r : unit.received()) names += r == H("51 0B") ? 1 : 0;
        EXPECT_EQ(names, 1);
        session.SelectedDeviceIndex = -1;
        session.DIAG_RequestStop();
        ASSERT_TRUE(runUntil([&] { return !h.engine.SessionStarted; }, 2000));
        h.advance(300);
        EXPECT_TRUE(h.ui.boxes.empty());
        unit = SimKX3117Unit();
        unit.attachClock(h.simClock);
    }
}

TEST_F(SessionKX3117, OverviewAndErrorViewsGetTheUnitsValues) {
    startUp(-1);
    h.advance(5000);
    const struct {
        const char* key;
        const char* text;
    } shown[] = {
        {"CFGWBUS", "W-BUS S V2.1"},
        {"CFGSGID", "9123456A"},
        {"CFGSWVER", "Mittwoch 12/05 02.07"},
        {"CFGSWVEREE", "Freitag 12/05 03.01"},
        {"CFGSNR", "00123456"},
        {"CFGKraft", "Diesel"},
        {"CFGKraftFIX", "Diesel"},
        {"OVRZUSTAND", "Aus"},
        {"OVRFLZUSTAND", "dunkel"},
        {"OVRTEMPOBE", "80.0"},
        {"OVRTEMPUNT", "70.0"},
        {"OVRUP", "0"},
        {"OVRLHS", "1"},
        {"BETSTACNT", "1532"},
        {"BETTBR", "812:07"},
        {"BETTSGEIN", "4410:23"},
        {"BETSTEMPUEH", "110.0"},
        {"BETTEMPLPT", "25.0"},
        {"OVRERRCNT", "3"},
        {"ERRBEZ1", "Flammabbruch"},
        {"ERRZUSTAND1", "Standheizen"},
        {"ERRTBR1", "1201:17"},
        {"ERRBEZ2", "Unterspannung"},
        {"ERRBEZ3", "Überhitzung T > 135°C"},
        {"ERRTEMP3", "140"},
        {"ERRTBRNS3", "1:02"},
    };
    for (const auto& s : shown) EXPECT_EQ(text(s.key), s.text) << s.key;
    EXPECT_FALSE(text("OVRUB").empty());
    EXPECT_FALSE(text("OVRTEMP").empty());
    EXPECT_GT(overviews, 10);
    EXPECT_GE(errorViews, 1);
    // the areas the EOL windows read
    EXPECT_EQ(session.buses().wbus.WBUS_GetAreaWordC(1), 0x7E);
    EXPECT_EQ(session.buses().wbus.WBUS_GetAreaWordC(2), 0xFE);
}

TEST_F(SessionKX3117, EveryCommandReachesTheUnitAndChangesIt) {
    startUp(-1);
    KX3117Module& m = module();

    m.KX3117_RequestParkingHeat();
    ASSERT_TRUE(runUntil([&] { return unit.heating(); }, 3000));
    EXPECT_TRUE(unitGot("21 01"));
    EXPECT_TRUE(unitGot("20 02"));
    EXPECT_EQ(unit.heatingMode(), SimKX3117Unit::Heating::Parking);
    // kept alive by the refresh past its two minutes, and shown as it goes
    ASSERT_TRUE(runUntil([&] { return text("OVRZUSTAND") == "Standheizen"; }, 40000));
    EXPECT_EQ(text("OVRFLZUSTAND"), "hell");
    h.advance(150000);
    EXPECT_TRUE(unitGot("44 20 00"));
    EXPECT_TRUE(unit.heating());

    m.KX3117_RequestOff();
    ASSERT_TRUE(runUntil([&] { return !unit.heating(); }, 3000));
    EXPECT_TRUE(unitGot("10"));
    ASSERT_TRUE(runUntil([&] { return text("OVRZUSTAND") == "Nachlauf 1"; }, 3000));

    m.KX3117_RequestSupplementaryHeat();
    ASSERT_TRUE(runUntil([&] { return unit.heating(); }, 3000));
    EXPECT_TRUE(unitGot("21 02"));
    EXPECT_EQ(unit.heatingMode(), SimKX3117Unit::Heating::Supplementary);
    ASSERT_TRUE(runUntil([&] { return text("OVRZUSTAND") == "Zuheizen"; }, 40000));
    m.KX3117_RequestOff();
    ASSERT_TRUE(runUntil([&] { return !unit.heating(); }, 3000));

    m.KX3117_RequestPump();
    ASSERT_TRUE(runUntil([&] { return unit.pumpRunning(); }, 3000));
    EXPECT_TRUE(unitGot("22 02"));
    ASSERT_TRUE(runUntil([&] { return text("OVRUP") == "100"; }, 40000));

    for (int mode : {2, 3, 1}) {
        m.KX3117_SetEconomyMode(mode);
        ASSERT_TRUE(runUntil([&] { return unit.economyMode() == mode; }, 3000)) << mode;
    }
    EXPECT_TRUE(unitGot("23 02"));
    EXPECT_TRUE(unitGot("23 03"));
    EXPECT_TRUE(unitGot("23 01"));

    m.KX3117_RequestErrorDelete();
    ASSERT_TRUE(runUntil([&] { return unit.errors().empty(); }, 3000));
    EXPECT_TRUE(unitGot("56 03"));
    ASSERT_TRUE(runUntil([&] { return text("OVRERRCNT") == "0"; }, 5000));
    EXPECT_TRUE(h.engine.SessionUp);
}

TEST_F(SessionKX3117, OffCancelsTheCommandsNotYetSent) {
    startUp(-1);
    KX3117Module& m = module();
    m.KX3117_RequestParkingHeat();
    m.KX3117_RequestSupplementaryHeat();
    m.KX3117_RequestPump();
    m.KX3117_RequestOff();
    EXPECT_TRUE(m.commandPending());  // the off command alone
    h.advance(30000);
    EXPECT_TRUE(unitGot("10"));
    for (const char* p : {"21 01", "21 02", "20 02", "22 02"}) EXPECT_FALSE(unitGot(p)) << p;
    EXPECT_FALSE(unit.heating());
    EXPECT_FALSE(unit.pumpRunning());
    EXPECT_FALSE(m.refreshActive());
}

}  // namespace
