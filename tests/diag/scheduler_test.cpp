#include <gtest/gtest.h>

#include "engineharness.h"
#include "hex.h"
#include "testclients.h"

namespace {

// The engine shown with one adapter attached and opened on the first watch tick.
class Scheduler : public ::testing::Test {
protected:
    void SetUp() override {
        h.sim.addAdapter("A1");
        h.engine.clients().setClient(ClientSlot::FreeTelegram, &window);
        h.engine.clients().setClient(ClientSlot::Session, &session);
        h.show();
        h.advance(100);
        ASSERT_TRUE(h.engine.AdapterReady);
    }
    FakeTransport& t() { return *h.transport(); }
    // Brings the stand-in session up (first cycle done) with its next request in flight.
    void sessionUp() {
        ASSERT_TRUE(session.begin());
        h.advance(50);
        while (!h.engine.SessionUp) ASSERT_TRUE(t().reply(0, H("86 20 00")));
        ASSERT_TRUE(t().busy());
    }

    EngineHarness h;
    ScriptedClient window{h.engine};
    StandInSession session{h.engine};
};

TEST_F(Scheduler, IdleClientsAreAskedEvery50ms) {
    const int before = window.asked;
    h.advance(500);
    EXPECT_EQ(window.asked - before, 10);
    EXPECT_TRUE(h.engine.USBTXTimer().isActive());
    EXPECT_TRUE(t().frames.empty());
}

TEST_F(Scheduler, NextRequestLeavesRightAfterTheReply) {
    window.sendFrame(H("01 06 02 20 F4 03 04"));
    window.sendFrame(H("01 06 02 20 F4 03 05"));
    h.advance(50);
    ASSERT_EQ(t().frames.size(), 1u);
    // While a request is under way the timer is off: the reply alone runs the next round.
    EXPECT_FALSE(h.engine.USBTXTimer().isActive());
    h.advance(1000);
    EXPECT_EQ(t().frames.size(), 1u);

    ASSERT_TRUE(t().reply(0, H("86 20 00")));
    EXPECT_EQ(t().frames.size(), 2u);  // no clock tick in between
    EXPECT_EQ(t().frames[1], H("01 06 02 20 F4 03 05"));
    ASSERT_TRUE(t().reply(0, H("86 20 00")));
    // Nothing left to send: back to polling.
    EXPECT_TRUE(h.engine.USBTXTimer().isActive());
    ASSERT_EQ(window.received.size(), 2u);
    EXPECT_EQ(window.req.Step, 2);
}

TEST_F(Scheduler, WindowRequestGoesBeforeTheSessionsNextOne) {
    sessionUp();
    const int sessionSent = session.sent;
    window.sendFrame(H("01 06 02 20 F4 AA 03 04"));
    ASSERT_TRUE(t().reply(0, H("86 20 00")));  // the session's reply
    ASSERT_EQ(window.req.Active, 1);
    EXPECT_EQ(t().frames.back(), H("01 06 02 20 F4 AA 03 04"));
    EXPECT_EQ(session.sent, sessionSent);

    // The window's reply goes to the window, then the session carries on.
    ASSERT_TRUE(t().reply(0, H("86 20 00 AA")));
    ASSERT_EQ(window.received.size(), 1u);
    EXPECT_EQ(window.received[0].reply, H("86 20 00 AA"));
    EXPECT_EQ(session.sent, sessionSent + 1);
}

TEST_F(Scheduler, StopDuringAnExchangeTakesEffectAfterTheReplyAndLogsOnce) {
    sessionUp();
    h.engine.DetectedDeviceIndex = 4;
    h.engine.PumpTestDone = true;
    h.engine.DIAG_RequestStop();
    ASSERT_TRUE(h.engine.StopRequested);
    h.advance(200);
    EXPECT_TRUE(h.engine.SessionStarted);  // the exchange is still under way
    EXPECT_EQ(h.hooks.stopModuleCalls, 0);

    ASSERT_TRUE(t().reply(0, H("86 20 00")));
    EXPECT_FALSE(h.engine.StopRequested);
    EXPECT_FALSE(h.engine.SessionStarted);
    EXPECT_FALSE(h.engine.SessionUp);
    EXPECT_FALSE(h.engine.PumpTestDone);
    EXPECT_EQ(h.engine.DeviceClass, 0);
    EXPECT_EQ(h.engine.DetectedDeviceIndex, -1);
    EXPECT_TRUE(h.engine.USBTXTimer().isActive());
    h.advance(1000);
    EXPECT_EQ(h.log.count("Diagnose gestoppt"), 1);
    EXPECT_EQ(h.log.lines.back().colour, LogColour::Black);
    EXPECT_EQ(h.hooks.stopModuleCalls, 1);
    const std::vector<ByteString> order{"stopModule", "title", "session"};
    EXPECT_EQ(std::vector<ByteString>(h.hooks.events.end() - 3, h.hooks.events.end()), order);
}

TEST_F(Scheduler, StopOfASessionThatWasNeverStartedWritesNoLogLine) {
    h.engine.StopRequested = true;
    h.advance(50);
    EXPECT_FALSE(h.engine.StopRequested);
    EXPECT_EQ(h.log.count("Diagnose gestoppt"), 0);
    EXPECT_EQ(h.hooks.updateTitleCalls, 1);
}

TEST_F(Scheduler, DetachedReplyIsDroppedAndARoundRunsAnyway) {
    window.wait(500);
    h.advance(50);
    ASSERT_EQ(window.req.Active, 1);
    // The window is closed while its wait runs; the late end of the wait belongs to nobody.
    h.engine.clients().setClient(ClientSlot::FreeTelegram, nullptr);
    ScriptedClient other(h.engine);
    other.sendFrame(H("01 06 02 20 F4 03 04"));
    h.engine.clients().setClient(ClientSlot::Calibration, &other);
    h.advance(500);  // the wait ends: nobody takes it, but the round sends other's request
    EXPECT_TRUE(window.received.empty());
    EXPECT_TRUE(other.received.empty());
    EXPECT_EQ(t().frames.size(), 1u);
    EXPECT_EQ(other.req.Active, 1);
}

TEST_F(Scheduler, UnclaimedReplyWithNothingToSendReArmsTheTimer) {
    h.advance(20);
    const int asked = window.asked;
    h.engine.USB_OnReply(0, H("86 20 00"));
    EXPECT_EQ(window.asked, asked + 1);
    EXPECT_TRUE(window.received.empty());
    EXPECT_TRUE(h.engine.USBTXTimer().isActive());
}

TEST_F(Scheduler, AdapterLossEndsTheSessionQuietly) {
    sessionUp();
    h.engine.DetectedDeviceIndex = 2;
    h.engine.AdapterLost = true;
    const size_t linkCalls = h.hooks.linkStates.size();
    ASSERT_TRUE(t().reply(0, H("86 20 00")));  // the session sees the loss and stops sending
    EXPECT_FALSE(h.engine.AdapterLost);
    EXPECT_FALSE(h.engine.SessionStarted);
    EXPECT_FALSE(h.engine.SessionUp);
    EXPECT_EQ(h.engine.DeviceClass, 0);
    EXPECT_EQ(h.engine.DetectedDeviceIndex, 2);  // title and detected row stay
    EXPECT_EQ(h.hooks.updateTitleCalls, 0);
    EXPECT_EQ(h.hooks.sessionStateCalls, 0);
    EXPECT_EQ(h.hooks.stopModuleCalls, 1);
    EXPECT_EQ(h.hooks.linkStates.size(), linkCalls + 1);
    EXPECT_EQ(h.log.count("Diagnose gestoppt"), 0);
    EXPECT_TRUE(h.engine.USBTXTimer().isActive());
}

TEST_F(Scheduler, StopGoesFirstAndTheLossFollowsInTheNextRound) {
    h.engine.StopRequested = true;
    h.engine.AdapterLost = true;
    h.advance(50);
    EXPECT_FALSE(h.engine.StopRequested);
    EXPECT_TRUE(h.engine.AdapterLost);
    h.advance(50);
    EXPECT_FALSE(h.engine.AdapterLost);
}

TEST(SchedulerWithoutThread, MissingThreadMeansNothingIsUnderWay) {
    EngineHarness h;
    ScriptedClient window(h.engine);
    window.sendFrame(H("01 06 02 20 F4 03 04"));
    window.wait(100);
    h.engine.clients().setClient(ClientSlot::FreeTelegram, &window);
    h.engine.USBTXTimer().start();  // no transfer thread was started
    h.advance(200);
    EXPECT_EQ(window.queue.size(), 2u);
    EXPECT_EQ(window.asked, 4);
    EXPECT_TRUE(h.engine.USBTXTimer().isActive());
    EXPECT_FALSE(h.engine.transport().IsRunning());
}

struct StepCase {
    uint8_t status;
    int32_t step;
    bool linkError;
};

class UpdateStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(UpdateStep, AdvancesByStatus) {
    EngineHarness h;
    TUSBREQ in;
    in.Active = 1;
    in.Step = 5;
    in.ErrorStep = 40;
    in.Code = 9;
    in.Reply = "old";
    TUSBREQ out;
    h.engine.USB_UpdateStep(in, GetParam().status, H("86 20 00"), out);
    EXPECT_EQ(out.Step, GetParam().step);
    EXPECT_EQ(h.engine.LinkError, GetParam().linkError);
    EXPECT_EQ(out.Code, GetParam().status);
    EXPECT_EQ(out.Reply, H("86 20 00"));
    EXPECT_EQ(out.Active, 1);
    EXPECT_EQ(out.ErrorStep, 40);
}

INSTANTIATE_TEST_SUITE_P(Statuses, UpdateStep,
                         ::testing::Values(StepCase{0, 6, false}, StepCase{1, 40, true},
                                           StepCase{2, 40, true}, StepCase{3, 40, true},
                                           StepCase{4, 40, true}, StepCase{5, 5, false},
                                           StepCase{255, 5, false}));

}  // namespace
