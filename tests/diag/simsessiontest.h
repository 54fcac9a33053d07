// A diagnosis session against a simulated unit on the simulated adapter: the real transfer
// thread, run pass by pass on the manual clock. The adapter takes a few ms per bus exchange,
// like a real one.
#pragma once

#include <gtest/gtest.h>

#include "diagsession.h"
#include "engineharness.h"
#include "modules.h"

class SimSessionTest : public ::testing::Test {
protected:
    SimSessionTest() : h(EngineHarness::withTransferThread()), session(h.engine) {
        DIAG_InstallModules(session);
        h.engine.windowHooks.SetCaption = [this](const ByteString& c) { caption = c; };
        adapter = h.sim.addAdapter("NAV0001");
        SimFaults f;
        f.answerDelayMs = 20;
        h.sim.setFaults(adapter, f);
    }
    void attach(ISimControlUnit& unit) { h.sim.attachUnit(adapter, &unit); }
    // Shows the engine, then begins a session for a row of the device list (-1: detection).
    void start(int selectedRow) {
        h.show();
        h.advance(150);
        ASSERT_TRUE(h.engine.AdapterReady);
        session.SelectedDeviceIndex = selectedRow;  // as the device selection does
        session.DIAG_UpdateTitle();
        session.DIAG_BeginSession(DEV_ClassOfRow(selectedRow));
    }
    // Runs until the condition holds or the time is up; true when it held.
    template <typename F>
    bool runUntil(F cond, int64_t maxMs) {
        for (int64_t t = 0; t < maxMs; t += 10) {
            if (cond()) return true;
            h.advance(10);
        }
        return cond();
    }
    ByteString text(const char* key) { return h.engine.dataPoints.DP_GetValue(key).Text; }

    EngineHarness h;
    DiagSession session;
    size_t adapter = 0;
    ByteString caption;
};
