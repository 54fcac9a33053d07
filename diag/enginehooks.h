// Where the engine reaches the windows and the diagnosis session. Every hook may be empty; an
// empty hook does nothing, so a test assembles only what it looks at.
#pragma once

#include <functional>

#include "records.h"

struct WindowHooks {
    // AdapterReady changed (or may have): the main window broadcasts it to every window.
    std::function<void()> UI_UpdateLinkState;
    // The session began or ended: status bar and action enabling.
    std::function<void()> UI_UpdateSessionState;
    // The main window's caption (set by the session's title routine).
    std::function<void(const ByteString&)> SetCaption;
    // Runs the modal update notice window.
    std::function<void()> ShowUpdateNoticeWindow;
    // The check marks of the economy-mode actions STEU_Spar_1 and STEU_Spar_2, set by the
    // device module that serves the economy modes.
    std::function<void(bool economy1, bool economy2)> UI_CheckEconomyModes;
    // Check marks of the three actions of one overridable input line: 0 off, 1 on, 255 wire.
    std::function<void(uint8_t state)> UI_CheckLineHS;
    std::function<void(uint8_t state)> UI_CheckLineUPFA;
    std::function<void(uint8_t state)> UI_CheckLineKL61;
    std::function<void(uint8_t state)> UI_CheckLineSPAR;
};

// What the scheduler's clean-up rounds ask of the diagnosis session.
struct SessionHooks {
    // Stops the active device module (its own pending and refresh flags).
    std::function<void()> DIAG_StopModule;
    // Rebuilds the window caption from the chosen or detected device.
    std::function<void()> DIAG_UpdateTitle;
};

template <typename... Args, typename... Given>
inline void callHook(const std::function<void(Args...)>& hook, Given&&... args) {
    if (hook) hook(std::forward<Given>(args)...);
}
