#include "modulehelpers.h"

#include "diagsession.h"

namespace {
constexpr int32_t WakeupAttempts = 3;
}

void DIAG_IdentityCheckFailed(DiagSession& session, bool rejected, TUSBREQ& out) {
    if (!rejected && session.AttemptCount < WakeupAttempts) {
        out.Step = ssWakeup;
        return;
    }
    session.engine().PendingNotFound = true;
    out.Step = ssEnd;
}

void DIAG_ReportSessionUp(DiagSession& session) {
    MainEngine& e = session.engine();
    e.SessionUp = true;
    callHook(e.windowHooks.UI_UpdateSessionState);
    callHook(session.views.DeviceInfoShowValues);
}
