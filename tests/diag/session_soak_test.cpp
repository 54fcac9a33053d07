// One hour of diagnosis in simulated time against a simulated control unit, with the adapter's
// faults switched on and off at random and the cable pulled every few minutes. The session
// must always be running, or ended cleanly so that a new one can begin: never stalled.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

#include "diagsession.h"
#include "engineharness.h"
#include "kx3024module.h"
#include "kx3024unit.h"
#include "kx3090unit.h"
#include "kx3117module.h"
#include "kx3117unit.h"
#include "kx3141module.h"
#include "kx3141unit.h"
#include "kx3166module.h"
#include "kx3166unit.h"
#include "modules.h"

namespace {

// deviceClass: the class the detection must find; dataPoints: how many it registers;
// command: what the technician does once a minute while the session is up (minute number);
// unitFaults: faults of the unit itself, set anew with the adapter's every 10 s.
void soakOneHour(ISimControlUnit& unit, uint8_t deviceClass, int32_t dataPoints,
                 std::function<void(DiagSession&, int)> command = nullptr,
                 std::function<void(std::mt19937&)> unitFaults = nullptr) {
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
        // A new fault setting every 10 s: mostly clean, sometimes lossy, garbled, late (just
        // past the reply time-out or well beyond it) or doubled.
        if (t % 10000 == 0) {
            SimFaults f;
            f.answerDelayMs = 15;
            switch (rng() % 8) {
                case 0:
                    f.dropAnswers = 1 + static_cast<int>(rng() % 3);
                    break;
                case 1:
                    f.badCrcAnswers = 1 + static_cast<int>(rng() % 3);
                    break;
                case 2:
                    f.corruptAnswers = 1 + static_cast<int>(rng() % 3);
                    break;
                case 3:
                    f.splitBytes = 1 + rng() % 5;
                    break;
                case 4:
                    f.answerDelayMs = 2050 + static_cast<int>(rng() % 1500);
                    break;
                case 5:
                    f.duplicateAnswers = -1;
                    f.duplicateGapMs = 5 + static_cast<int>(rng() % 20);
                    break;
                default:
                    break;
            }
            h.sim.setFaults(adapter, f);
            if (unitFaults) unitFaults(rng);
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
        if (h.engine.SessionUp) {
            ++upCycles;
            ASSERT_EQ(h.engine.DeviceClass, deviceClass);
            if (command && t % 60000 == 0) command(session, static_cast<int>(t / 60000));
        }
        // While a session runs on a present adapter, replies keep coming: the longest honest
        // silence is one frame's 21 writes of 2 s.
        if (h.engine.AdapterReady && h.engine.SessionStarted) {
            ASSERT_LT(h.clock.now() - lastReplyAt, 45000) << "stalled at " << h.clock.now();
        }
        ASSERT_LE(h.engine.dataPoints.DataPointCount(), dataPoints);
        ASSERT_EQ(h.boxesInReplyPath, 0);
    }
    EXPECT_GT(unplugs, 5) << "ready " << h.engine.AdapterReady << " open " << h.engine.AdapterOpen
                          << " lost " << h.engine.AdapterLost << " link " << h.engine.LinkError
                          << " started " << h.engine.SessionStarted << " step "
                          << session.SessionReq.Step << " plugged " << plugged << " next "
                          << plugChangeAt;
    EXPECT_GT(sessions, unplugs);
    // Most of the hour the session was up.
    EXPECT_GT(upCycles, static_cast<int>(Hour / Step / 2));
    h.close();
}

TEST(SessionSoak, OneHourWithRandomFaultsNeverStalls) {
    SimKX3090Unit unit;
    soakOneHour(unit, dcKX3090, 133);
}

TEST(SessionSoak, OneHourOnTheKLineNeverStalls) {
    SimKX3024Unit unit;
    const std::vector<SimKX3024Unit::ErrorEntry> errors = unit.errors();
    // The error memory is cleared and fills again, the unit's diagnostic session is ended;
    // now and then the unit stops answering for a while, in a session or in the detection.
    soakOneHour(
        unit, dcKX3024, 68,
        [&](DiagSession& s, int minute) {
            KX3024Module& m = *s.moduleAs<KX3024Module>(dcKX3024);
            switch (minute % 3) {
                case 0:
                    m.KX3024_RequestErrorDelete();
                    break;
                case 1:
                    m.KX3024_RequestStopSession();
                    break;
                default:
                    unit.setErrors(errors);
                    break;
            }
        },
        [&](std::mt19937& rng) { unit.setSilent(rng() % 12 == 0); });
}

TEST(SessionSoak, OneHourOfTheClassThreeHeaterNeverStalls) {
    SimKX3117Unit unit;
    // Heating in both modes, the pump, the economy modes, off and an error delete in turn.
    soakOneHour(unit, dcKX3117, 165, [](DiagSession& s, int minute) {
        KX3117Module& m = *s.moduleAs<KX3117Module>(dcKX3117);
        switch (minute % 6) {
            case 0:
                m.KX3117_RequestParkingHeat();
                break;
            case 1:
                m.KX3117_SetEconomyMode(2 + minute % 2);
                break;
            case 2:
                m.KX3117_RequestOff(), m.KX3117_RequestPump();
                break;
            case 3:
                m.KX3117_RequestSupplementaryHeat();
                break;
            case 4:
                m.KX3117_RequestOff(), m.KX3117_SetEconomyMode(1);
                break;
            default:
                m.KX3117_RequestErrorDelete();
                break;
        }
    });
}

TEST(SessionSoak, OneHourOnTheSBusNeverStalls) {
    SimKX3166Unit unit;
    // The heater is switched on and off, the pump line overridden and given back, the
    // component test started and stopped.
    soakOneHour(unit, dcKX3166, 167, [](DiagSession& s, int minute) {
        KX3166Module& m = *s.moduleAs<KX3166Module>(dcKX3166);
        switch (minute % 6) {
            case 0:
                m.KX3166_RequestHSOn();
                break;
            case 1:
                m.KX3166_RequestUPFAOn();
                break;
            case 2:
                m.KX3166_RequestHSOff();
                break;
            case 3:
                m.KX3166_RequestHSLine(), m.KX3166_RequestUPFALine();
                break;
            case 4:
                m.KX3166_StartComponentTest(SimKX3166Unit::ComponentPump, 0, 0);
                break;
            default:
                m.KX3166_StopComponentTest(), m.KX3166_RequestErrorDelete();
                break;
        }
    });
}

TEST(SessionSoak, OneHourOfTheGasHeaterNeverStalls) {
    SimKX3141Unit unit;
    const std::vector<SimKX3141Unit::ErrorEntry> errors = unit.errors();
    // Heating and the pump on and off in turn, the error memory deleted and filled again; now
    // and then the unit stops answering for a while.
    soakOneHour(
        unit, dcKX3141, 135,
        [&](DiagSession& s, int minute) {
            KX3141Module& m = *s.moduleAs<KX3141Module>(dcKX3141);
            switch (minute % 5) {
                case 0:
                    m.KX3141_RequestHeatOn();
                    break;
                case 1:
                    m.KX3141_RequestPumpOn();
                    break;
                case 2:
                    m.KX3141_RequestHeatOff();
                    break;
                case 3:
                    m.KX3141_RequestPumpOff(), m.KX3141_RequestErrorDelete();
                    break;
                default:
                    unit.setErrors(errors);
                    break;
            }
        },
        [&](std::mt19937& rng) { unit.setSilent(rng() % 15 == 0); });
}

}  // namespace
