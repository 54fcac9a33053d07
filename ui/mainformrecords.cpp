// The main window and the measurement log: the start dialog with what the log needs from the
// main window (clock, device-status line, summary report, stop action), and the two actions
// that start and stop it.
#include <QDateTime>

#include "diagreport.h"
#include "errorform.h"
#include "mainform.h"
#include "overviewform.h"
#include "protstartform.h"
#include "qtcontrols.h"
#include "qtports.h"
#include "settingslanguage.h"

TPROT_START_Form* TMAIN_Form::createProtStart(const ViewContext& ctx) {
    MeasurementLog::Hooks hooks;
    hooks.now = [this] {
        const QDateTime t = now();
        return LogClockReading{t.date().year(), t.date().month(),  t.date().day(),
                               t.time().hour(), t.time().minute(), t.time().second()};
    };
    hooks.deviceStatusText = [this] {
        return m_overview ? m_overview->OVERVIEW_BuildDeviceStatusText() : ByteString();
    };
    hooks.summaryReport = [this] { return summaryReportNow(); };
    hooks.stopAction = [this] { DIAG_PROT_StopExecute(); };
    hooks.defer = [this](std::function<void()> fn) { m_mainThread->post(std::move(fn)); };
    hooks.stopped = [this] { MeasurementLogActive = false; };
    return new TPROT_START_Form(m_engine->dataPoints, &m_settings, *m_timers, ctx, std::move(hooks),
                                this);
}

ByteString TMAIN_Form::summaryReportNow() const {
    // The lists of the windows the program has; the others give empty sections.
    DiagReportLists lists;
    std::optional<QtListView> errors;
    if (m_error) {
        errors.emplace(m_error->ErrorList());
        lists.errors = &*errors;
    }
    const QDateTime t = now();
    return ZUSAM_BuildReport(ByteString(), lists, fromQ(LANG_DateText(t.date())),
                             fromQ(LANG_TimeText(t.time())));
}

void TMAIN_Form::DIAG_PROT_StartExecute() {
    MeasurementLogActive = m_protStart->PROT_Start();
    UI_UpdateSessionState();
}

void TMAIN_Form::DIAG_PROT_StopExecute() {
    m_protStart->PROT_Stop();
    UI_UpdateSessionState();
}
