#include <gtest/gtest.h>

#include "engineharness.h"
#include "hex.h"
#include "testclients.h"

namespace {

class AdapterWatchTest : public ::testing::Test {
protected:
    void SetUp() override { h.engine.clients().setClient(ClientSlot::Session, &session); }
    FakeTransport& t() { return *h.transport(); }
    int opens() const {
        int n = 0;
        for (auto& c : h.fakeDriver.calls) n += c.rfind("Open", 0) == 0 ? 1 : 0;
        return n;
    }
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

TEST_F(AdapterWatchTest, FirstStartOpensByDescriptionStoresTheSerialAndConfiguresTheLine) {
    h.fakeDriver.addAdapter("NV000123");
    h.show();
    EXPECT_FALSE(h.d2xx.ShowErrors);
    EXPECT_EQ(h.hooks.linkStates, std::vector<bool>{false});
    h.advance(100);
    const std::vector<ByteString> expected{
        "OpenBySerial ",        "OpenByDescription NAVIRON Diagnose Adapter",
        "SetBaudRate 38400",    "SetDataCharacteristics 8 0 0",
        "SetFlowControl 0 0 0", "SetEventNotification 1",
        "SetChars 4 1 0 0",     "SetTimeouts 1 800",
    };
    EXPECT_EQ(h.fakeDriver.calls, expected);
    EXPECT_EQ(h.engine.AdapterSerial, "NV000123");
    EXPECT_TRUE(h.engine.AdapterOpen);
    EXPECT_TRUE(h.engine.AdapterReady);
    EXPECT_TRUE(t().active());
    EXPECT_EQ(h.hooks.linkStates, (std::vector<bool>{false, true}));
    h.advance(1000);
    EXPECT_EQ(opens(), 2);  // stays open
}

TEST_F(AdapterWatchTest, StoredSerialPicksThatAdapterAmongTwo) {
    h.fakeDriver.addAdapter("NV000001");
    h.fakeDriver.addAdapter("NV000002");
    h.engine.AdapterSerial = "NV000002";
    h.show();
    h.advance(100);
    EXPECT_EQ(h.fakeDriver.calls.front(), "OpenBySerial NV000002");
    EXPECT_EQ(opens(), 1);
    EXPECT_EQ(h.fakeDriver.openSerial(), "NV000002");
    EXPECT_EQ(h.engine.AdapterSerial, "NV000002");
}

TEST_F(AdapterWatchTest, StaleSerialFallsBackToTheDescriptionAndIsReplaced) {
    h.fakeDriver.addAdapter("NV000777");
    h.engine.AdapterSerial = "NV000001";
    h.show();
    h.advance(100);
    EXPECT_TRUE(h.engine.AdapterReady);
    EXPECT_EQ(h.engine.AdapterSerial, "NV000777");
}

TEST_F(AdapterWatchTest, UnreadableSerialIsStoredEmpty) {
    h.fakeDriver.addAdapter("NV000777");
    h.fakeDriver.deviceInfoFails = true;
    h.engine.AdapterSerial = "NV000777";
    h.show();
    h.advance(100);
    EXPECT_TRUE(h.engine.AdapterReady);
    EXPECT_EQ(h.engine.AdapterSerial, "");
}

TEST_F(AdapterWatchTest, NoAdapterShowsNothingAndTheTicksGoOn) {
    h.show();
    h.advance(1000);
    EXPECT_TRUE(h.ui.boxes.empty());
    EXPECT_FALSE(h.engine.AdapterOpen);
    EXPECT_EQ(opens(), 20);  // serial and description on each of the ten ticks
    EXPECT_TRUE(h.engine.USBTimer().isActive());
    EXPECT_EQ(h.hooks.linkStates, std::vector<bool>{false});

    h.fakeDriver.addAdapter("NV000123");
    h.advance(100);
    EXPECT_TRUE(h.engine.AdapterReady);
}

TEST_F(AdapterWatchTest, UnplugIsNoticedOnTheNextTickAndEndsTheSession) {
    h.fakeDriver.addAdapter("NV000123");
    readyWithSession();
    ASSERT_TRUE(t().busy());
    h.fakeDriver.unplug(0);
    h.advance(100);
    // Closed within one tick; the frame in flight was answered with code 2 while closing.
    EXPECT_FALSE(h.engine.AdapterOpen);
    EXPECT_FALSE(h.engine.AdapterReady);
    EXPECT_FALSE(h.fakeDriver.isOpen());
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

    h.fakeDriver.plug(0);
    h.advance(100);
    EXPECT_TRUE(h.engine.AdapterReady);
    EXPECT_TRUE(t().active());
    EXPECT_EQ(h.engine.AdapterSerial, "NV000123");
}

TEST_F(AdapterWatchTest, CloseWaitsForTheWorkerWithTheReplyPathRunning) {
    h.fakeDriver.addAdapter("NV000123");
    readyWithSession();
    ASSERT_TRUE(t().busy());
    bool openWhenAnswered = false;
    // The code-2 answer must reach the session while the device is still open.
    h.mainThread.pumps.insert(h.mainThread.pumps.begin(),
                              [&] { openWhenAnswered = h.fakeDriver.isOpen(); });
    h.engine.USB_CloseAdapter();
    EXPECT_TRUE(openWhenAnswered);
    EXPECT_GT(h.mainThread.processEventsCalls, 0);
    // The session took the code 2, went to its end step and was stopped in the same round.
    EXPECT_TRUE(h.engine.LinkError);
    EXPECT_FALSE(session.running());
    EXPECT_FALSE(h.engine.SessionStarted);
    EXPECT_EQ(h.log.count("Diagnose gestoppt"), 1);
    EXPECT_FALSE(h.engine.AdapterOpen);
    EXPECT_EQ(h.fakeDriver.calls.back(), "Close");
}

TEST_F(AdapterWatchTest, CloseAsksASessionThatIsUpToStop) {
    h.fakeDriver.addAdapter("NV000123");
    h.show();
    h.advance(100);
    h.engine.USB_CloseAdapter();
    EXPECT_FALSE(h.engine.StopRequested);  // nothing is up
    h.advance(100);
    h.engine.SessionUp = true;
    h.engine.USB_CloseAdapter();
    EXPECT_TRUE(h.engine.StopRequested);
    EXPECT_FALSE(h.fakeDriver.isOpen());
}

TEST_F(AdapterWatchTest, LinkErrorLeavesTheAdapterOpenButNotReadyUntilUnplugged) {
    h.fakeDriver.addAdapter("NV000123");
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
    EXPECT_EQ(opens(), 2);
    EXPECT_FALSE(h.engine.AdapterReady);
    EXPECT_TRUE(h.engine.LinkError);

    h.fakeDriver.unplug(0);
    h.advance(100);
    EXPECT_FALSE(h.engine.AdapterOpen);
    EXPECT_FALSE(h.engine.LinkError);
    h.fakeDriver.plug(0);
    h.advance(200);
    EXPECT_TRUE(h.engine.AdapterReady);
}

TEST_F(AdapterWatchTest, SelectionDialogClosesTheAdapterAndTheChosenOneOpensAfterIt) {
    h.fakeDriver.addAdapter("NV000001");
    h.fakeDriver.addAdapter("NV000002");
    readyWithSession();
    ASSERT_EQ(h.engine.AdapterSerial, "NV000001");
    h.engine.AdapterSelecting = true;
    h.advance(100);
    EXPECT_FALSE(h.engine.AdapterOpen);
    EXPECT_FALSE(h.fakeDriver.isOpen());
    h.advance(50);
    EXPECT_FALSE(h.engine.SessionStarted);
    h.advance(500);
    EXPECT_FALSE(h.engine.AdapterOpen);  // nothing opens while the dialog is open

    h.engine.AdapterSerial = "NV000002";
    h.engine.AdapterSelecting = false;
    h.advance(100);
    EXPECT_TRUE(h.engine.AdapterReady);
    EXPECT_EQ(h.fakeDriver.openSerial(), "NV000002");
}

TEST_F(AdapterWatchTest, LostMarkBlocksReopeningUntilTheCleanUpRoundHasRun) {
    h.fakeDriver.addAdapter("NV000123");
    h.show();
    h.advance(100);
    // A window with many requests keeps the scheduler busy, so the clean-up round waits.
    ScriptedClient busyWindow(h.engine);
    h.engine.clients().setClient(ClientSlot::FreeTelegram, &busyWindow);
    for (int i = 0; i < 20; ++i) busyWindow.sendFrame(H("01 06 02 20 F4 03 04"));
    h.advance(50);
    ASSERT_TRUE(t().busy());
    h.fakeDriver.unplug(0);
    h.advance(50);  // closed; each further frame is answered with code 2 by the idle worker
    ASSERT_FALSE(h.engine.AdapterOpen);
    ASSERT_TRUE(h.engine.AdapterLost);
    h.fakeDriver.plug(0);
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
    h.fakeDriver.addAdapter("NV000123");
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
