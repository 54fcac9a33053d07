// The parameter-set service on a diagnosis session with the simulated units: the real
// transfer thread run pass by pass on the manual clock, the progress dialog's modal run
// replaced by running that clock, the editor by a script.
#pragma once

#include <functional>

#include "eolparamset.h"
#include "simsession.h"
#include "transferprogress.h"

// Runs the clock while the dialog is shown, until a result ends it (or the time is up).
class ClockProgressView : public ITransferProgressView {
public:
    explicit ClockProgressView(EngineHarness& h) : m_h(h) {}
    void runModal(const ByteString&, const ByteString& text, int32_t maximum) override {
        ended = false;
        texts.push_back(text);
        maximums.push_back(maximum);
        for (int64_t t = 0; t < limitMs && !ended; t += 10) {
            if (during && during(t)) continue;
            m_h.advance(10);
        }
    }
    void showPosition(int32_t p) override { lastPosition = p; }
    void showText(const ByteString&) override {}
    void endModal() override { ended = true; }

    // Called before each 10 ms while the dialog is shown; true skips the advance (e.g. after
    // pressing "&Abbruch").
    std::function<bool(int64_t elapsedMs)> during;
    int64_t limitMs = 120000;
    bool ended = false;
    int32_t lastPosition = -1;
    std::vector<ByteString> texts;
    std::vector<int32_t> maximums;

private:
    EngineHarness& m_h;
};

class ScriptedEditor : public IEolEditorView {
public:
    int runEditor(EolGrid& grid) override {
        ++runs;
        return script ? script(grid) : 3;
    }
    void enableProgram(bool on) override { programEnabled = on; }
    std::function<int(EolGrid&)> script;
    int runs = 0;
    bool programEnabled = false;
};

class EolRig : public SimSession {
public:
    EolRig()
        : view(h),
          progress(&view),
          eol(EolParamSetPorts{h.engine, session.buses(), progress, fileName,
                               [] { return ByteString("10.12.2026 15:42:58"); },
                               [this] { ++bufferUpdates; }}) {
        eol.setEditorView(&editor);
        h.engine.clients().setClient(ClientSlot::EolParamSet, &eol);
        h.engine.clients().setClient(ClientSlot::Session, &session);
        // The main window's broadcasts of the link state and the device class.
        h.engine.windowHooks.UI_UpdateLinkState = [this] {
            eol.SetLinkState(h.engine.AdapterReady);
            eol.SetDeviceClass(h.engine.DeviceClass);
        };
        h.engine.windowHooks.UI_UpdateSessionState = [this] {
            eol.SetDeviceClass(h.engine.DeviceClass);
        };
    }
    // The adapter opened, the session of the row up, and the window told both.
    void startUp(ISimControlUnit& unit, int row) {
        adapter = addAdapter();
        h.sim.attachUnit(adapter, &unit);
        showAndBegin(row);
        ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp; }, 15000));
        h.advance(500);      // the session's first reads (memory areas among them)
        h.ui.boxes.clear();  // what the session itself told the user
        eol.SetLinkState(h.engine.AdapterReady);
        eol.SetDeviceClass(h.engine.DeviceClass);
    }
    // The next file dialog chooses this file with this filter.
    void choose(const ByteString& name, int filter) {
        h.ui.fileChoices.push_back(FileDialogChoice{name, filter});
    }
    // The machine has gone idle and the scheduler serves the session again.
    void expectIdleAndSessionRunning() {
        EXPECT_TRUE(runUntil([&] { return !eol.TransferRunning(); }, 5000));
        const int before = h.replies;
        h.advance(1000);
        EXPECT_GT(h.replies, before + 2) << "the scheduler serves the session again";
        EXPECT_TRUE(h.engine.SessionUp);
    }

    ByteString fileName;
    ClockProgressView view;
    TransferProgress progress;
    ScriptedEditor editor;
    EolParamSetService eol;
    size_t adapter = 0;
    int bufferUpdates = 0;
};
