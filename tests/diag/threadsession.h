// A diagnosis session through the real transfer thread, run pass by pass on the manual clock,
// to a simulated adapter whose bus exchanges take a few ms: the fixture of the end-to-end
// tests of each device class.
#pragma once

#include <gtest/gtest.h>

#include "diagsession.h"
#include "engineharness.h"
#include "hex.h"
#include "modules.h"
#include "wbusunitbase.h"

class ThreadSession : public ::testing::Test {
protected:
    ThreadSession() : h(EngineHarness::withTransferThread()), session(h.engine) {
        DIAG_InstallModules(session);
        h.engine.windowHooks.SetCaption = [this](const ByteString& c) { caption = c; };
    }
    void SetUp() override {
        adapter = h.sim.addAdapter("NAV0001");
        // the adapter takes a few ms per bus exchange, like a real one
        SimFaults f;
        f.answerDelayMs = 20;
        h.sim.setFaults(adapter, f);
    }
    // Begins a session from a device-list row (-1: automatic detection), as the device
    // selection and the start action do; the adapter is opened first.
    void start(int selectedRow) {
        if (!m_shown) {
            h.show();
            h.advance(150);
            m_shown = true;
        }
        ASSERT_TRUE(h.engine.AdapterReady);
        session.SelectedDeviceIndex = selectedRow;
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
    // True when the unit received the request payload (hex).
    static bool got(const SimWBusUnit& unit, const char* payloadHex) {
        for (const auto& r : unit.received())
            if (r == H(payloadHex)) return true;
        return false;
    }

    EngineHarness h;
    DiagSession session;
    size_t adapter = 0;
    ByteString caption;

private:
    bool m_shown = false;
};
