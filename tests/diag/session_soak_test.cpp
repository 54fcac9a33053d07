// One hour of diagnosis in simulated time against a simulated unit, with the adapter's faults
// switched on and off at random and the cable pulled every few minutes. The session must
// always be running, or ended cleanly so that a new one can begin: never stalled.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "diagsession.h"
#include "engineharness.h"
#include "kx3090unit.h"
#include "kx3117module.h"
#include "kx3117unit.h"
#include "modules.h"

namespace {

// What the technician does besides starting sessions: called every 500 ms of the hour.
using Technician = std::function<void(DiagSession&, std::mt19937&, int64_t now)>;

void soakOneHour(ISimControlUnit& unit, uint8_t deviceClass, int32_t maxPoints,
                 const Technician& technician) {
    EngineHarness h(EngineHarness::withTransferThread());
    DiagSession session(h.engine);
    DIAG_InstallModules(session);
    const size_t adapter = h.sim.addAdapter("NAV0001");
    h.sim.attachUnit(adapter, &unit);
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
        if (technician && h.engine.SessionUp) technician(session, rng, t);
        h.advance(Step);

        if (h.replies != lastReplies) {
            lastReplies = h.replies;
            lastReplyAt = h.clock.now();
        }
        if (h.engine.SessionUp) {
            ++upCycles;
            ASSERT_EQ(h.engine.DeviceClass, deviceClass);
        }
        // While a session runs on a present adapter, replies keep coming: the longest honest
        // silence is one frame's 21 writes of 2 s.
        if (h.engine.AdapterReady && h.engine.SessionStarted) {
            ASSERT_LT(h.clock.now() - lastReplyAt, 45000) << "stalled at " << h.clock.now();
        }
        ASSERT_LE(h.engine.dataPoints.DataPointCount(), maxPoints);
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
    soakOneHour(unit, dcKX3090, 133, nullptr);
}

TEST(SessionSoak, OneHourOfClassThreeWithCommandsNeverStalls) {
    SimKX3117Unit unit;
    int commands = 0;
    // Now and then a command: heating, the pump, off, an economy mode, an error delete.
    const Technician technician = [&](DiagSession& s, std::mt19937& rng, int64_t now) {
        if (now % 20000 != 0) return;
        KX3117Module& m = *s.moduleAs<KX3117Module>(dcKX3117);
        ++commands;
        switch (rng() % 6) {
            case 0: m.KX3117_RequestParkingHeat(); break;
            case 1: m.KX3117_RequestSupplementaryHeat(); break;
            case 2: m.KX3117_RequestPump(); break;
            case 3: m.KX3117_RequestOff(); break;
            case 4: m.KX3117_SetEconomyMode(1 + static_cast<int32_t>(rng() % 3)); break;
            default: m.KX3117_RequestErrorDelete(); break;
        }
    };
    soakOneHour(unit, dcKX3117, 165, technician);
    EXPECT_GT(commands, 60);
}

}  // namespace
