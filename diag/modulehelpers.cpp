#include "modulehelpers.h"

#include "diagsession.h"

void DIAG_IdentityCheckFailed(DiagSession& session, bool rejected, TUSBREQ& out,
                              int32_t wakeups) {
    if (!rejected && session.AttemptCount < wakeups) {
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
