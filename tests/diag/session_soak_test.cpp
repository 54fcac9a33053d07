// One hour of diagnosis in simulated time against a simulated unit, with the adapter's faults
// switched on and off at random and the cable pulled every few minutes. The session must
// always be running, or ended cleanly so that a new one can begin: never stalled.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "diagsession.h"
#include "engineharness.h"
#include "kx3024unit.h"
#include "kx3090unit.h"
#include "modules.h"

namespace {

struct SoakUnit {
    ISimControlUnit& unit;
    int32_t dataPointLimit;  // the class's table
    // Called with each new fault setting: faults of the unit itself.
    std::function<void(std::mt19937&)> unitFaults;
};

void runSoak(const SoakUnit& u) {
    EngineHarness h(EngineHarness::withTransferThread());
    DiagSession session(h.engine);
    DIAG_InstallModules(session);
    const size_t adapter = h.sim.addAdapter("NAV0001");
    h.sim.attachUnit(adapter, &u.unit);
    h.show();

    std::mt19937 rng(20261210);
    int64_t lastReplyAt = 0;
    int lastReplies = 0;
    int sessions = 0, unplugs = 0, upCycles = 0;
    bool plugged = true;
    int64_t plugChangeAt = 120000;
    constexpr int64_t Hour = 3600 * 1000;
    constexpr int64_t Step = 500;

    for (int64_t t = 0; t < Hour; t += Step) {
        // A new fault setting every 10 s: mostly clean, sometimes lossy or garbled.
        if (t % 10000 == 0) {
            SimFaults f;
            f.answerDelayMs = 15;
            switch (rng() % 6) {
                case 0: f.dropAnswers = 1 + static_cast<int>(rng() % 3); break;
                case 1: f.badCrcAnswers = 1 + static_cast<int>(rng() % 3); break;
                case 2: f.corruptAnswers = 1 + static_cast<int>(rng() % 3); break;
                case 3: f.splitBytes = 1 + rng() % 5; break;
                default: break;
            }
            h.sim.setFaults(adapter, f);
            if (u.unitFaults) u.unitFaults(rng);
        }
        if (t >= plugChangeAt) {
            if (plugged) {
                h.sim.unplug(adapter);
                ++unplugs;
            } else {
                h.sim.replug(adapter);
            }
            plugged = !plugged;
            plugChangeAt += plugged ? 120000 + (rng() % 180000) : 2000 + (rng() % 8000);
        }
        // The technician starts a new session whenever none runs.
        if (h.engine.AdapterReady && !h.engine.SessionStarted) {
            session.DIAG_BeginSession(dcNone);
            ++sessions;
        }
        h.advance(Step);

        if (h.replies != lastReplies) {
            lastReplies = h.replies;
            lastReplyAt = h.clock.now();
        }
        if (h.engine.SessionUp) ++upCycles;
        // While a session runs on a present adapter, replies keep coming: the longest honest
        // silence is one frame's 21 writes of 2 s.
        if (h.engine.AdapterReady && h.engine.SessionStarted) {
            ASSERT_LT(h.clock.now() - lastReplyAt, 45000) << "stalled at " << h.clock.now();
        }
        ASSERT_LE(h.engine.dataPoints.DataPointCount(), u.dataPointLimit);
        ASSERT_EQ(h.boxesInReplyPath, 0);
    }
    EXPECT_GT(unplugs, 5) << "ready " << h.engine.AdapterReady << " open " << h.engine.AdapterOpen
                          << " lost " << h.engine.AdapterLost << " link " << h.engine.LinkError
                          << " started " << h.engine.SessionStarted << " step "
                          << session.SessionReq.Step << " plugged " << plugged << " next " << plugChangeAt;
    EXPECT_GT(sessions, unplugs);
    // Most of the hour the session was up.
    EXPECT_GT(upCycles, static_cast<int>(Hour / Step / 2));
    h.close();
}

TEST(SessionSoak, OneHourWithRandomFaultsNeverStalls) {
    SimKX3090Unit unit;
    runSoak({unit, 133, nullptr});
}

TEST(SessionSoak, OneHourOnTheKLineWithAUnitFallingSilentNeverStalls) {
    SimKX3024Unit unit;
    // Now and then the unit stops answering for a while, in the session or in the detection.
    runSoak({unit, 68, [&unit](std::mt19937& rng) { unit.setSilent(rng() % 12 == 0); }});
}

}  // namespace
