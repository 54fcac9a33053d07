// Software programming end to end: the diagnosis session with the program's modules on the
// simulated adapter (real transfer thread, manual clock), the programming client in its slot,
// the progress window in memory and the main window's broadcasts of the link state and the
// device class, as the program wires them.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "flashprogrammer.h"
#include "pumpedprogress.h"
#include "simsession.h"
#include "srecords.h"

class FlashRig : public SimSession {
public:
    FlashRig() : programmer(session, h.ui, progress, fileName, hooks()) {
        view.pump = [this] { h.advance(1); };
        auto link = h.engine.windowHooks.UI_UpdateLinkState;
        h.engine.windowHooks.UI_UpdateLinkState = [this, link] {
            if (link) link();
            programmer.SetLinkState(h.engine.AdapterReady);
        };
        auto sessionState = h.engine.windowHooks.UI_UpdateSessionState;
        h.engine.windowHooks.UI_UpdateSessionState = [this, sessionState] {
            if (sessionState) sessionState();
            if (h.engine.AdapterReady) programmer.SetDeviceClass(h.engine.DeviceClass);
        };
        char pattern[] = "/tmp/calvix-flash-XXXXXX";
        if (::mkdtemp(pattern)) dir = pattern;
    }
    ~FlashRig() {
        if (!dir.empty()) std::system(("rm -rf '" + dir + "'").c_str());
    }

    std::string write(const char* name, const ByteString& content) {
        const std::string path = dir + "/" + name;
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    // Runs the programming entry with a file of this content chosen in the file dialog.
    void program(const ByteString& content, const char* name = "image.s19") {
        h.ui.fileChoices.push_back(FileDialogChoice{write(name, content), 0});
        programmer.Execute();
    }
    // Lets a run that was left (aborted, say) finish its last exchanges.
    bool finishRun(int64_t maxMs = 60000) {
        return runUntil(
            [&] { return programmer.request().Step == 0 && !programmer.request().Active; }, maxMs);
    }
    bool sessionEnds(int64_t maxMs = 30000) {
        return runUntil([&] { return !h.engine.SessionStarted; }, maxMs);
    }
    ByteString lastBox() const {
        return h.ui.boxes.empty() ? ByteString() : h.ui.boxes.back().text;
    }

    static const char* successBox() {
        return "     Die Steuergerätesoftware wurde erfolgreich übertragen.      \r\n\r\n     "
               "Bitte "
               "starten sie die Diagnose neu.      ";
    }
    static const char* failedBox() {
        return "     Das Übertragen der Steuergerätesoftware war nicht erfolgreich!      \r\n\r\n  "
               "   Nach dem Neustart der Diagnose arbeitet das Steuergerät     \r\n     ggf. nur "
               "noch im Flashloader-Modus!      ";
    }
    static const char* abortedBox() {
        return "     Das Übertragen der Steuergerätesoftware wurde abgebrochen.     \r\n\r\n     "
               "Nach dem Neustart der Diagnose arbeitet das Steuergerät     \r\n     ggf. nur noch "
               "im Flashloader-Modus!      ";
    }
    static const char* disconnectedBox() {
        return "     Die Verbindung zum Steuergerät wurde getrennt!      ";
    }

    PumpedProgressView view;
    TransferProgress progress{&view};
    ByteString fileName;
    ByteString memo;
    FlashProgrammer programmer;
    std::string dir;

private:
    FlashProgrammer::Hooks hooks() {
        FlashProgrammer::Hooks k;
        k.stopDiagnosis = [this] { session.DIAG_RequestStop(); };
        k.today = [] { return FlashDate{2024, 3, 15}; };
        k.showFile = [this](const ByteString& t) { memo = t; };
        return k;
    }
};
