// Long random runs: whatever the adapter does, the scheduler never falls silent and the
// session always ends up idle or running, never half-ended.
#include <gtest/gtest.h>

#include <random>

#include "engineharness.h"
#include "hex.h"
#include "testclients.h"

namespace {

constexpr int StepMs = 10;

// Watches the engine between clock steps.
struct Invariants {
    EngineHarness& h;
    StandInSession& session;
    int64_t halfEndedSince = -1;
    int64_t lostIdleSince = -1;

    void check() {
        FakeTransport* t = h.transport();
        ASSERT_NE(t, nullptr);
        const bool underWay = t->busy() || t->delaying();
        // Silent: nothing under way and no round to come.
        ASSERT_TRUE(h.engine.USBTXTimer().isActive() || underWay)
            << "scheduler silent at " << h.clock.now();
        ASSERT_TRUE(h.engine.USBTimer().isActive());
        // Begun but neither running nor on its way out.
        const bool halfEnded = h.engine.SessionStarted && !session.running() &&
                               !h.engine.StopRequested && !h.engine.AdapterLost;
        track(halfEnded, halfEndedSince, "half-ended session");
        track(h.engine.AdapterLost && !underWay, lostIdleSince, "loss never cleaned up");
        ASSERT_EQ(h.boxesInReplyPath, 0);
    }
    void track(bool bad, int64_t& since, const char* what) {
        if (!bad) {
            since = -1;
            return;
        }
        if (since < 0) since = h.clock.now();
        ASSERT_LE(h.clock.now() - since, 2 * RequestScheduler::IntervalMs) << what;
    }
};

TEST(RandomFaults, TenThousandExchangesNeverLeaveTheSchedulerSilent) {
    EngineHarness h;
    h.fakeDriver.addAdapter("NV000123");
    StandInSession session(h.engine, 5);
    ScriptedClient window(h.engine);
    h.engine.clients().setClient(ClientSlot::Session, &session);
    h.engine.clients().setClient(ClientSlot::FreeTelegram, &window);
    h.show();
    FakeTransport& t = *h.transport();

    std::mt19937 rng(20261210);
    auto chance = [&](double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; };
    auto between = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng); };

    int noAnswer = 0, badCrc = 0, unplugs = 0, selections = 0, begins = 0, replies = 0;
    int sessionsUp = 0;
    bool wasUp = false;
    int64_t replugAt = -1, selectionEndsAt = -1, notReadySince = -1;
    t.responder = [&](const ByteString&) -> std::optional<FakeTransport::Reply> {
        if (replugAt >= 0) return std::nullopt;  // pulled out: nothing comes back
        if (chance(0.02)) {
            ++noAnswer;
            return std::nullopt;
        }
        if (chance(0.02)) {
            // The reply never passes the CRC check: the thread repeats and gives up with 4.
            ++badCrc;
            return std::nullopt;
        }
        if (chance(0.02)) {
            ++unplugs;
            h.fakeDriver.unplug(0);
            replugAt = h.clock.now() + between(20, 800);
            return std::nullopt;
        }
        ++replies;
        return FakeTransport::Reply{0, H("86 20 00 01")};
    };
    t.latencyMs = 3;

    Invariants inv{h, session};
    while (t.frames.size() < 10000) {
        h.advance(StepMs);
        inv.check();
        if (::testing::Test::HasFatalFailure()) return;
        const int64_t now = h.clock.now();
        sessionsUp += h.engine.SessionUp && !wasUp ? 1 : 0;
        wasUp = h.engine.SessionUp;

        if (replugAt >= 0 && now >= replugAt) {
            h.fakeDriver.plug(0);
            replugAt = -1;
        }
        if (selectionEndsAt >= 0 && now >= selectionEndsAt) {
            // Closing the selection dialog clears the loss only once the session has ended.
            h.engine.AdapterSelecting = false;
            if (!h.engine.SessionStarted) h.engine.AdapterLost = false;
            selectionEndsAt = -1;
        }
        // After a link error the adapter stays open and not ready: the user replugs it or
        // opens the adapter selection.
        if (h.engine.AdapterOpen && !h.engine.AdapterReady && replugAt < 0 && selectionEndsAt < 0) {
            if (notReadySince < 0) notReadySince = now;
            if (now - notReadySince > 300) {
                if (chance(0.5)) {
                    h.fakeDriver.unplug(0);
                    replugAt = now + between(50, 300);
                } else {
                    ++selections;
                    h.engine.AdapterSelecting = true;
                    selectionEndsAt = now + between(100, 400);
                }
                notReadySince = -1;
            }
        } else {
            notReadySince = -1;
        }
        // The user starts a new session whenever none runs.
        if (h.engine.AdapterReady && !h.engine.SessionStarted && !session.running() && chance(0.3))
            begins += session.begin() ? 1 : 0;
        if (chance(0.002))
            chance(0.5) ? window.sendFrame(H("01 06 02 20 F4 03 04"))
                        : window.wait(between(1, 300));
    }

    // Every kind of fault happened, and the program kept coming back.
    EXPECT_GT(noAnswer, 50);
    EXPECT_GT(badCrc, 50);
    EXPECT_GT(unplugs, 50);
    EXPECT_GT(selections, 10);
    EXPECT_GT(begins, 300);
    EXPECT_GT(sessionsUp, 300);
    EXPECT_GT(replies, 8000);

    // Without faults it settles in a running session on a ready adapter.
    t.responder = [](const ByteString&) {
        return std::optional<FakeTransport::Reply>(FakeTransport::Reply{0, H("86 20 00 01")});
    };
    if (replugAt >= 0) h.fakeDriver.plug(0);
    h.engine.AdapterSelecting = false;
    for (int i = 0; i < 300; ++i) {
        h.advance(StepMs);
        inv.check();
        if (h.engine.AdapterOpen && !h.engine.AdapterReady) {
            h.fakeDriver.unplug(0);
            h.advance(100);
            h.fakeDriver.plug(0);
        }
        if (h.engine.AdapterReady && !h.engine.SessionStarted && !session.running())
            session.begin();
    }
    EXPECT_TRUE(h.engine.AdapterReady);
    EXPECT_TRUE(h.engine.SessionUp);
    EXPECT_TRUE(session.running());
    const size_t sent = t.frames.size();
    h.advance(100);
    EXPECT_GT(t.frames.size(), sent);
}

}  // namespace
