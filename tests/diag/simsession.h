// A diagnosis session with the program's device modules on the simulated adapter, reached
// through the real transfer thread run pass by pass on the manual clock.
#pragma once

#include <gtest/gtest.h>

#include "diagsession.h"
#include "engineharness.h"
#include "hex.h"
#include "modules.h"

class SimSession {
public:
    explicit SimSession(DriverPath path = DriverPath::Simulated)
        : h(EngineHarness::withTransferThread(path)), session(h.engine) {
        DIAG_InstallModules(session);
        h.engine.windowHooks.SetCaption = [this](const ByteString& c) { caption = c; };
    }

    // An adapter that takes a few ms per bus exchange, like a real one.
    size_t addAdapter() {
        const size_t a = h.sim.addAdapter("NAV0001");
        SimFaults f;
        f.answerDelayMs = 20;
        h.sim.setFaults(a, f);
        return a;
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
    // Begins the session for a row of the device list, as the device selection and the start
    // action do (-1: automatic detection); the S-Bus heaters are asked at address 7.
    void beginForRow(int selectedRow) {
        if (selectedRow == 3 || selectedRow == 4) session.buses().sbus.SBUS_SetDeviceAddress(7);
        session.SelectedDeviceIndex = selectedRow;
        session.DIAG_UpdateTitle();
        session.DIAG_BeginSession(DEV_ClassOfRow(selectedRow));
    }
    // Shows the engine (the adapter opens and is ready), then begins the session for a row.
    void showAndBegin(int selectedRow) {
        h.show();
        h.advance(150);
        ASSERT_TRUE(h.engine.AdapterReady);
        beginForRow(selectedRow);
    }
    // A manual start that no unit answers: three wake-ups, then the not-found message, once.
    void expectNotFoundAfterThreeWakeups() {
        ASSERT_TRUE(runUntil([&] { return !h.engine.SessionStarted; }, 600000));
        h.advance(300);
        EXPECT_EQ(session.AttemptCount, 3);
        ASSERT_EQ(h.ui.boxes.size(), 1u);
        EXPECT_NE(h.ui.boxes[0].text.find("manuell ausgewählte Heizgerät wurde nicht gefunden"),
                  ByteString::npos);
    }
    ByteString text(const char* key) const { return h.engine.dataPoints.DP_GetValue(key).Text; }
    // Whether a unit received a request, given as hex.
    template <typename Unit>
    static bool got(const Unit& unit, const char* requestHex) {
        for (const auto& r : unit.received())
            if (r == H(requestHex)) return true;
        return false;
    }

    EngineHarness h;
    DiagSession session;
    ByteString caption;
};
