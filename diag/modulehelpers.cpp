#include "modulehelpers.h"

#include "diagsession.h"
#include "sbuslayer.h"

void DIAG_IdentityCheckFailed(DiagSession& session, bool rejected, TUSBREQ& out, int32_t wakeups) {
    if (!rejected && session.AttemptCount < wakeups) {
        out.Step = ssWakeup;
        return;
    }
    session.engine().PendingNotFound = true;
    out.Step = ssEnd;
}

bool DIAG_CheckSBusIdentification(DiagSession& session, uint8_t deviceClass, const TResult& res,
                                  TUSBREQ& out) {
    if (!res.Invalid) {
        if (DEV_ClassOfSBusIdent(res.Text) == deviceClass) return true;
        DIAG_IdentityCheckFailed(session, true, out);
        return false;
    }
    // A refused identification (next step) is a wrong unit; the error step a missing one; any
    // other failure asks again.
    const TUSBREQ asked = out;
    SBusLayer::SBUS_StepOnErrorSkip(asked, out, res.Value);
    if (out.Step != asked.Step) DIAG_IdentityCheckFailed(session, out.Step == asked.Step + 1, out);
    return false;
}

void DIAG_RegisterPolledPoints(DiagSession& session, DM_Polls& polls,
                               const std::function<void()>& registerPoints) {
    MainEngine& e = session.engine();
    e.dataPoints.DP_Clear();
    registerPoints();
    e.DIAG_Timer().stop();
    polls.restart();
    e.DIAG_Timer().start();
}

void DIAG_ReportSessionUp(DiagSession& session) {
    MainEngine& e = session.engine();
    e.SessionUp = true;
    callHook(e.windowHooks.UI_UpdateSessionState);
    callHook(session.views.DeviceInfoShowValues);
}

void DIAG_ReportSessionUp(DiagSession& session, bool& firstPass) {
    if (!firstPass) return;
    firstPass = false;
    DIAG_ReportSessionUp(session);
}

int32_t DIAG_TakeFirstItem(std::initializer_list<DM_Item> items, int32_t none) {
    for (const DM_Item& i : items) {
        if (*i.flag) {
            *i.flag = false;
            return i.step;
        }
    }
    return none;
}

void DIAG_ShowLiveValues(DiagSession& session) {
    ViewHooks& v = session.views;
    callHook(v.OperatingDataShowValues);
    callHook(v.OverviewShowValues);
    callHook(v.TrendShowValues);
    callHook(v.CalibrationShowValues);
}

bool DIAG_SBusSessionConfirmed(const ByteString& payload) {
    return payload.size() == 1 && payload[0] == '\x01';
}

void DM_SBusErrorEntries::afterStatus(DiagSession& session, int32_t entryStep, TUSBREQ& out) {
    if (session.buses().sbus.SBUS_TakeStatusChanged()) {
        m_index = 1;
        out.Step = entryStep;
    } else {
        callHook(session.views.ErrorShowValues);
    }
}

void DM_SBusErrorEntries::afterEntry(int32_t entryStep, int32_t cycleStep, TUSBREQ& out) {
    if (m_index >= Count) {
        out.Step = cycleStep;
    } else {
        ++m_index;
        out.Step = entryStep;
    }
}

void DM_SBusErrorEntries::stepOnError(const TUSBREQ& request, TUSBREQ& out, long double code,
                                      int32_t entryStep) {
    SBusLayer::SBUS_StepOnErrorSkip(request, out, code);
    // An answer to another request (a late or doubled one) says nothing about the entry asked
    // for: it is asked for again, and the failure limit ends a run of them. Leaving the loop
    // would leave the later entries unread until the status byte changes.
    if (request.Step == entryStep && BUS_CodeIs(code, BusCode::WrongAnswer))
        out.Step = request.Step;
}
