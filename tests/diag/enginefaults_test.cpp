// Long random runs: whatever the adapter does, the scheduler never falls silent and the
// session always ends up idle or running, never half-ended.
#include <gtest/gtest.h>

#include <functional>
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
    ScriptedClient& window;
    int64_t halfEndedSince = -1;
    int64_t lostIdleSince = -1;

    void check() {
        const bool underWay = session.awaiting || window.awaiting;
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

// The technician: replugs or reselects an adapter that stays not ready, starts a session
// whenever none runs, and now and then sends a free telegram or a timed wait.
struct Technician {
    EngineHarness& h;
    StandInSession& session;
    ScriptedClient& window;
    std::mt19937& rng;
    std::function<void()> unplug, plug;

    int64_t replugAt = -1, selectionEndsAt = -1, notReadySince = -1;
    int begins = 0, selections = 0, sessionsUp = 0;
    bool wasUp = false;

    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; }
    int between(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng); }
    bool pulled() const { return replugAt >= 0; }
    void pull(int forMs) {
        unplug();
        replugAt = h.clock.now() + forMs;
    }

    void act() {
        const int64_t now = h.clock.now();
        sessionsUp += h.engine.SessionUp && !wasUp ? 1 : 0;
        wasUp = h.engine.SessionUp;
        if (replugAt >= 0 && now >= replugAt) {
            plug();
            replugAt = -1;
        }
        if (selectionEndsAt >= 0 && now >= selectionEndsAt) {
            // Closing the selection dialog clears the loss only once the session has ended.
            h.engine.AdapterSelecting = false;
            if (!h.engine.SessionStarted) h.engine.AdapterLost = false;
            selectionEndsAt = -1;
        }
        // After a link error the adapter stays open and not ready until it is replugged or
        // the adapter selection is opened.
        if (h.engine.AdapterOpen && !h.engine.AdapterReady && !pulled() && selectionEndsAt < 0) {
            if (notReadySince < 0) notReadySince = now;
            if (now - notReadySince > 300) {
                if (chance(0.5)) {
                    pull(between(50, 300));
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
        if (h.engine.AdapterReady && !h.engine.SessionStarted && !session.running() && chance(0.3))
            begins += session.begin() ? 1 : 0;
        if (chance(0.002)) {
            if (chance(0.5))
                window.sendFrame(H("01 06 02 20 F4 03 04"));
            else
                window.wait(between(1, 300));
        }
    }

    // Without faults the program settles in a running session on a ready adapter.
    void expectRecovery(Invariants& inv) {
        if (pulled()) plug();
        replugAt = -1;
        h.engine.AdapterSelecting = false;
        for (int i = 0; i < 300; ++i) {
            h.advance(StepMs);
            inv.check();
            if (h.engine.AdapterOpen && !h.engine.AdapterReady) {
                unplug();
                h.advance(100);
                plug();
            }
            if (h.engine.AdapterReady && !h.engine.SessionStarted && !session.running())
                session.begin();
        }
        EXPECT_TRUE(h.engine.AdapterReady);
        EXPECT_TRUE(h.engine.SessionUp);
        EXPECT_TRUE(session.running());
        const int replies = h.replies;
        h.advance(100);
        EXPECT_GT(h.replies, replies);
    }
};

TEST(RandomFaults, TenThousandExchangesOverTheFakeTransport) {
    EngineHarness h;
    h.sim.addAdapter("NV000123");
    StandInSession session(h.engine, 5);
    ScriptedClient window(h.engine);
    h.engine.clients().setClient(ClientSlot::Session, &session);
    h.engine.clients().setClient(ClientSlot::FreeTelegram, &window);
    h.show();
    FakeTransport& t = *h.transport();

    std::mt19937 rng(20261210);
    Technician user{h, session, window, rng, [&] { h.sim.unplug(0); }, [&] { h.sim.replug(0); }};
    int noAnswer = 0, badCrc = 0, unplugs = 0, answers = 0;
    t.responder = [&](const ByteString&) -> std::optional<FakeTransport::Reply> {
        if (user.pulled()) return std::nullopt;  // nothing comes back from a pulled adapter
        if (user.chance(0.02)) {
            ++noAnswer;
            return std::nullopt;
        }
        if (user.chance(0.02)) {
            // The reply never passes the CRC check: the thread repeats and gives up with 4.
            ++badCrc;
            return std::nullopt;
        }
        if (user.chance(0.02)) {
            ++unplugs;
            user.pull(user.between(20, 800));
            return std::nullopt;
        }
        ++answers;
        return FakeTransport::Reply{0, H("86 1E 00")};
    };
    t.latencyMs = 3;

    Invariants inv{h, session, window};
    while (t.frames.size() < 10000) {
        h.advance(StepMs);
        inv.check();
        if (::testing::Test::HasFatalFailure()) return;
        user.act();
    }
    // Every kind of fault happened, and the program kept coming back.
    EXPECT_GT(noAnswer, 50);
    EXPECT_GT(badCrc, 50);
    EXPECT_GT(unplugs, 50);
    EXPECT_GT(user.selections, 10);
    EXPECT_GT(user.begins, 300);
    EXPECT_GT(user.sessionsUp, 300);
    EXPECT_GT(answers, 8000);

    t.responder = [](const ByteString&) {
        return std::optional<FakeTransport::Reply>(FakeTransport::Reply{0, H("86 1E 00")});
    };
    user.expectRecovery(inv);
}

TEST(RandomFaults, TenThousandExchangesWithTheSimulatedAdapter) {
    EngineHarness h(EngineHarness::withTransferThread());
    SimFtDriver& sim = h.sim;
    const size_t adapter = sim.addAdapter("NAV0001");
    StandInSession session(h.engine, 5);
    ScriptedClient window(h.engine);
    h.engine.clients().setClient(ClientSlot::Session, &session);
    h.engine.clients().setClient(ClientSlot::FreeTelegram, &window);
    h.show();

    std::mt19937 rng(20261211);
    Technician user{
        h, session, window, rng, [&] { sim.unplug(adapter); }, [&] { sim.replug(adapter); }};
    int drops = 0, badCrc = 0, corrupt = 0, unplugs = 0;
    Invariants inv{h, session, window};
    while (h.replies < 10000) {
        h.advance(StepMs);
        inv.check();
        if (::testing::Test::HasFatalFailure()) return;
        user.act();
        if (user.pulled() || !h.engine.AdapterReady) continue;
        // A burst of one fault: up to 25 lost or broken answers (21 in a row is a link error).
        SimFaults f = sim.faults(adapter);
        if (f.dropAnswers || f.badCrcAnswers || f.corruptAnswers) continue;
        if (user.chance(0.01)) {
            ++drops;
            f.dropAnswers = user.between(1, 25);
        } else if (user.chance(0.01)) {
            ++badCrc;
            f.badCrcAnswers = user.between(1, 25);
        } else if (user.chance(0.01)) {
            ++corrupt;
            f.corruptAnswers = user.between(1, 25);
        } else if (user.chance(0.01)) {
            ++unplugs;
            user.pull(user.between(20, 800));
        }
        sim.setFaults(adapter, f);
    }
    EXPECT_GT(drops, 20);
    EXPECT_GT(badCrc, 20);
    EXPECT_GT(corrupt, 20);
    EXPECT_GT(unplugs, 20);
    EXPECT_GT(user.sessionsUp, 50);

    sim.setFaults(adapter, SimFaults{});
    user.expectRecovery(inv);
}

}  // namespace
