#include <gtest/gtest.h>

#include <algorithm>

#include "engineharness.h"
#include "fakeftdriver.h"
#include "hex.h"
#include "testclients.h"

namespace {

class AdapterWatchTest : public ::testing::Test {
protected:
    void SetUp() override { h.engine.clients().setClient(ClientSlot::Session, &session); }
    FakeTransport& t() { return *h.transport(); }
    // Successful opens so far: each one tells the windows that the adapter is ready.
    int opens() const {
        return static_cast<int>(
            std::count(h.hooks.linkStates.begin(), h.hooks.linkStates.end(), true));
    }
    bool driverOpen() const { return h.sim.openAdapter() >= 0; }
    // Shows the engine, lets the first tick open the adapter and starts a session that is up.
    void readyWithSession() {
        h.show();
        h.advance(100);
        ASSERT_TRUE(h.engine.AdapterReady);
        ASSERT_TRUE(session.begin());
        h.advance(50);
        while (!h.engine.SessionUp) ASSERT_TRUE(t().reply(0, H("86 20 00")));
    }

    EngineHarness h;
    StandInSession session{h.engine};
};

// The driver routines, each call recorded by name.
class AdapterWatchCalls : public ::testing::Test {
protected:
    AdapterWatchCalls() : h(options()) {}
    EngineHarness::Options options() {
        EngineHarness::Options o;
        o.driver = &drv;
        return o;
    }
    FakeFtDriver drv;
    EngineHarness h;
};

TEST_F(AdapterWatchCalls, OpenReadsTheSerialBackAndSetsTheLineInOrder) {
    h.engine.AdapterSerial = "NV000123";
    drv.infoSerial = "NV000999";
    h.show();
    EXPECT_FALSE(h.d2xx.ShowErrors);
    drv.calls.clear();
    h.advance(100);
    const std::vector<std::string> expected{
        "FT_OpenEx",         "FT_GetDeviceInfo",
        "FT_SetBaudRate",    "FT_SetDataCharacteristics",
        "FT_SetFlowControl", "FT_SetEventNotification",
        "FT_SetChars",       "FT_SetTimeouts",
    };
    EXPECT_EQ(drv.calls, expected);
    EXPECT_EQ(drv.openedName, "NV000123");
    EXPECT_EQ(drv.openFlags, FT_OPEN_BY_SERIAL_NUMBER);
    EXPECT_EQ(h.engine.AdapterSerial, "NV000999");
    EXPECT_TRUE(h.engine.AdapterReady);
    EXPECT_TRUE(h.transport()->active());
}

TEST_F(AdapterWatchCalls, UnreadableSerialIsStoredEmptyAndTheAdapterIsUsedAnyway) {
    h.engine.AdapterSerial = "NV000123";
    drv.fail["FT_GetDeviceInfo"] = FT_IO_ERROR;
    drv.fail["FT_SetBaudRate"] = FT_IO_ERROR;  // line-setting results are not looked at
    h.show();
    h.advance(100);
    EXPECT_TRUE(h.engine.AdapterReady);
    EXPECT_EQ(h.engine.AdapterSerial, "");
    EXPECT_TRUE(h.ui.boxes.empty());
}

TEST_F(AdapterWatchCalls, WithoutAdapterEveryTickTriesBothWaysAndShowsNothing) {
    drv.fail["FT_OpenEx"] = FT_DEVICE_NOT_FOUND;
    h.show();
    h.advance(1000);
    EXPECT_EQ(drv.count("FT_OpenEx"), 20);  // serial, then description, on each of ten ticks
    EXPECT_EQ(drv.openedName, "NAVIRON Diagnose Adapter");
    EXPECT_EQ(drv.openFlags, FT_OPEN_BY_DESCRIPTION);
    EXPECT_EQ(drv.count("FT_GetQueueStatus"), 0);
    EXPECT_TRUE(h.ui.boxes.empty());
    EXPECT_FALSE(h.engine.AdapterOpen);
    EXPECT_TRUE(h.engine.USBTimer().isActive());
    EXPECT_EQ(h.hooks.linkStates, std::vector<bool>{false});
}

TEST_F(AdapterWatchTest, FirstStartOpensByDescriptionAndStoresTheSerial) {
    h.sim.addAdapter("NV000123");
    h.show();
    EXPECT_EQ(h.hooks.linkStates, std::vector<bool>{false});
    h.advance(100);
    EXPECT_EQ(h.engine.AdapterSerial, "NV000123");
    EXPECT_TRUE(h.engine.AdapterOpen);
    EXPECT_TRUE(h.engine.AdapterReady);
    EXPECT_EQ(h.hooks.linkStates, (std::vector<bool>{false, true}));
    const SimLineSettings l = h.sim.lineSettings();
    EXPECT_EQ(l.baud, 38400u);
    EXPECT_EQ(l.xon, 0);
    EXPECT_EQ(l.xoff, 0);
    EXPECT_EQ(l.eventChar, 0x04);
    h.advance(1000);
    EXPECT_EQ(opens(), 1);  // stays open
    EXPECT_EQ(h.sim.openAdapter(), 0);
}

TEST_F(AdapterWatchTest, StoredSerialPicksThatAdapterAmongTwo) {
    h.sim.addAdapter("NV000001");
    h.sim.addAdapter("NV000002");
    h.engine.AdapterSerial = "NV000002";
    h.show();
    h.advance(100);
    EXPECT_EQ(h.sim.openAdapter(), 1);
    EXPECT_EQ(h.engine.AdapterSerial, "NV000002");
}

TEST_F(AdapterWatchTest, StaleSerialFallsBackToTheDescriptionAndIsReplaced) {
    h.sim.addAdapter("NV000777");
    h.engine.AdapterSerial = "NV000001";
    h.show();
    h.advance(100);
    EXPECT_TRUE(h.engine.AdapterReady);
    EXPECT_EQ(h.engine.AdapterSerial, "NV000777");
}

TEST_F(AdapterWatchTest, NoAdapterShowsNothingAndTheTicksGoOn) {
    h.show();
    h.advance(1000);
    EXPECT_TRUE(h.ui.boxes.empty());
    EXPECT_FALSE(h.engine.AdapterOpen);
    EXPECT_TRUE(h.engine.USBTimer().isActive());
    h.sim.addAdapter("NV000123");
    h.advance(100);
    EXPECT_TRUE(h.engine.AdapterReady);
}

TEST_F(AdapterWatchTest, UnplugIsNoticedOnTheNextTickAndEndsTheSession) {
    h.sim.addAdapter("NV000123");
    readyWithSession();
    ASSERT_TRUE(t().busy());
    h.sim.unplug(0);
    h.advance(100);
    // Closed within one tick; the frame in flight was answered with code 2 while closing.
    EXPECT_FALSE(h.engine.AdapterOpen);
    EXPECT_FALSE(h.engine.AdapterReady);
    EXPECT_FALSE(driverOpen());
    EXPECT_EQ(h.hooks.linkStates.back(), false);
    EXPECT_FALSE(t().active());
    EXPECT_FALSE(t().busy());
    // The scheduler's next round ends the session and clears the loss.
    h.advance(50);
    EXPECT_FALSE(h.engine.AdapterLost);
    EXPECT_FALSE(h.engine.SessionStarted);
    EXPECT_FALSE(h.engine.SessionUp);
    EXPECT_FALSE(session.running());
    EXPECT_TRUE(h.engine.USBTXTimer().isActive());
    h.advance(1000);
    EXPECT_FALSE(h.engine.AdapterOpen);
    EXPECT_TRUE(h.ui.boxes.empty());

    h.sim.replug(0);
    h.advance(100);
    EXPECT_TRUE(h.engine.AdapterReady);
    EXPECT_TRUE(t().active());
    EXPECT_EQ(h.engine.AdapterSerial, "NV000123");
}

TEST_F(AdapterWatchTest, CloseWaitsForTheWorkerWithTheReplyPathRunning) {
    h.sim.addAdapter("NV000123");
    readyWithSession();
    ASSERT_TRUE(t().busy());
    bool openWhenAnswered = false;
    // The code-2 answer must reach the session while the device is still open.
    h.mainThread.pumps.insert(h.mainThread.pumps.begin(), [&] { openWhenAnswered = driverOpen(); });
    h.engine.USB_CloseAdapter();
    EXPECT_TRUE(openWhenAnswered);
    EXPECT_GT(h.mainThread.processEventsCalls, 0);
    // The session took the code 2, went to its end step and was stopped in the same round.
    EXPECT_TRUE(h.engine.LinkError);
    EXPECT_FALSE(session.running());
    EXPECT_FALSE(h.engine.SessionStarted);
    EXPECT_EQ(h.log.count("Diagnose gestoppt"), 1);
    EXPECT_FALSE(h.engine.AdapterOpen);
}

TEST_F(AdapterWatchTest, CloseAsksASessionThatIsUpToStop) {
    h.sim.addAdapter("NV000123");
    h.show();
    h.advance(100);
    h.engine.USB_CloseAdapter();
    EXPECT_FALSE(h.engine.StopRequested);  // nothing is up
    h.advance(100);
    h.engine.SessionUp = true;
    h.engine.USB_CloseAdapter();
    EXPECT_TRUE(h.engine.StopRequested);
    EXPECT_FALSE(driverOpen());
}

TEST_F(AdapterWatchTest, LinkErrorLeavesTheAdapterOpenButNotReadyUntilUnplugged) {
    h.sim.addAdapter("NV000123");
    readyWithSession();
    ASSERT_TRUE(t().reply(USB_REPLY_NO_ANSWER));
    EXPECT_TRUE(h.engine.LinkError);
    h.advance(100);
    EXPECT_TRUE(h.engine.AdapterOpen);
    EXPECT_FALSE(h.engine.AdapterReady);
    EXPECT_EQ(h.hooks.linkStates.back(), false);
    h.advance(2000);
    // The session has ended through its end step; the adapter is not reopened.
    EXPECT_FALSE(h.engine.SessionStarted);
    EXPECT_FALSE(h.engine.AdapterLost);
    EXPECT_EQ(opens(), 1);
    EXPECT_FALSE(h.engine.AdapterReady);
    EXPECT_TRUE(h.engine.LinkError);

    h.sim.unplug(0);
    h.advance(100);
    EXPECT_FALSE(h.engine.AdapterOpen);
    EXPECT_FALSE(h.engine.LinkError);
    h.sim.replug(0);
    h.advance(200);
    EXPECT_TRUE(h.engine.AdapterReady);
}

TEST_F(AdapterWatchTest, SelectionDialogClosesTheAdapterAndTheChosenOneOpensAfterIt) {
    h.sim.addAdapter("NV000001");
    h.sim.addAdapter("NV000002");
    readyWithSession();
    ASSERT_EQ(h.engine.AdapterSerial, "NV000001");
    h.engine.AdapterSelecting = true;
    h.advance(100);
    EXPECT_FALSE(h.engine.AdapterOpen);
    EXPECT_FALSE(driverOpen());
    h.advance(50);
    EXPECT_FALSE(h.engine.SessionStarted);
    h.advance(500);
    EXPECT_FALSE(h.engine.AdapterOpen);  // nothing opens while the dialog is open

    h.engine.AdapterSerial = "NV000002";
    h.engine.AdapterSelecting = false;
    h.advance(100);
    EXPECT_TRUE(h.engine.AdapterReady);
    EXPECT_EQ(h.sim.openAdapter(), 1);
}

TEST_F(AdapterWatchTest, LostMarkBlocksReopeningUntilTheCleanUpRoundHasRun) {
    h.sim.addAdapter("NV000123");
    h.show();
    h.advance(100);
    // A window with many requests keeps the scheduler busy, so the clean-up round waits.
    ScriptedClient busyWindow(h.engine);
    h.engine.clients().setClient(ClientSlot::FreeTelegram, &busyWindow);
    for (int i = 0; i < 20; ++i) busyWindow.sendFrame(H("01 06 02 20 F4 03 04"));
    h.advance(50);
    ASSERT_TRUE(t().busy());
    h.sim.unplug(0);
    h.advance(50);  // closed; each further frame is answered with code 2 by the idle worker
    ASSERT_FALSE(h.engine.AdapterOpen);
    ASSERT_TRUE(h.engine.AdapterLost);
    h.sim.replug(0);
    const int before = opens();
    h.advance(350);
    EXPECT_EQ(opens(), before);
    EXPECT_TRUE(h.engine.AdapterLost);
    EXPECT_FALSE(busyWindow.queue.empty());

    h.advance(300);  // the window runs dry, the loss is cleaned up, the adapter comes back
    EXPECT_TRUE(busyWindow.queue.empty());
    EXPECT_FALSE(h.engine.AdapterLost);
    EXPECT_TRUE(h.engine.AdapterReady);
    EXPECT_GT(opens(), before);
}

TEST_F(AdapterWatchTest, StopThreadStopsTheTimersAndLeavesNoThreadBehind) {
    h.sim.addAdapter("NV000123");
    readyWithSession();
    FakeTransport* thread = h.transport();
    EXPECT_TRUE(h.engine.ThreadAlive);
    h.close();
    EXPECT_FALSE(h.engine.USBTXTimer().isActive());
    EXPECT_FALSE(h.engine.USBTimer().isActive());
    EXPECT_TRUE(thread->terminated());
    EXPECT_TRUE(thread->timersStopped());
    EXPECT_FALSE(h.engine.ThreadAlive);
    EXPECT_EQ(h.engine.USBThread(), nullptr);
    // With the thread gone every transport call is a no-op, and closing does not wait.
    EXPECT_FALSE(h.engine.transport().SendFrame(H("01 06 02 20 03 04")));
    EXPECT_FALSE(h.engine.transport().StartDelay(10));
    EXPECT_FALSE(h.engine.transport().IsRunning());
    h.engine.transport().SetActive(true);
    h.engine.USB_CloseAdapter();
    EXPECT_FALSE(h.engine.AdapterOpen);
    h.advance(10000);
    EXPECT_EQ(h.clock.activeTimers(), 0u);
}

}  // namespace
