#include "loadermodule.h"

#include "diagsession.h"
#include "modulehelpers.h"
#include "translate.h"

#define CTX "MAIN_LOADER"

namespace {

constexpr int32_t IdentificationStep = 10;  // identity check after a manual start
constexpr int32_t OpenSessionStep = 11;
constexpr int32_t IdentEndStep = 17;  // after the programming fingerprint
constexpr int32_t CycleStep = 40;
constexpr int32_t DecisionStep = 41;
constexpr int32_t KeepAliveStep = 60;
constexpr int32_t BusConfigStep = 50;
constexpr int32_t EndStep = 7;
constexpr int NoId = -1;

// One step: the message it sends and the least answer length with the message ID. The
// cyclic poll sends message 1 but reads the answer as message 47: the boot loader answers
// with ID 1, so the poll always goes on to the decision step.
struct StepRow {
    int32_t step;
    int id;
    uint8_t replyId;
    uint8_t replyMin;
};

const StepRow kSteps[] = {
    {10, 20, 20, 2},  // identification
    {11, 30, 30, 1},  // open the session
    {12, 27, 27, 0},  // bus version
    {13, 2, 2, 1},
    {14, 81, 81, 15},    // boot-loader software
    {15, 82, 82, 36},    // application software
    {16, 158, 158, 12},  // programming fingerprint
    {CycleStep, 1, 47, 24},
    {KeepAliveStep, 30, 30, 1},
    {BusConfigStep, NoId, 0, 0},  // the adapter's bus timing of the boot loader
};

struct Row {
    const char* key;
    const char* caption;
    const char* unit;  // translated unless it is "[hex]"
};

const Row kRows[] = {
    {"CFGSBUSVER", QT_TRANSLATE_NOOP(CTX, "BUS Version"), nullptr},
    {"CFGSGID", QT_TRANSLATE_NOOP(CTX, "Steuergeräte-Identnummer"), nullptr},
    {"CFGSW_BOOT_SW_ID", QT_TRANSLATE_NOOP(CTX, "SW-Bootloader Identnummer"), nullptr},
    {"CFGSW_BOOT_DEV_ID", QT_TRANSLATE_NOOP(CTX, "SW-Bootloader Hersteller"), nullptr},
    {"CFGSW_BOOT_DATE", QT_TRANSLATE_NOOP(CTX, "SW-Bootloader Version"),
     QT_TRANSLATE_NOOP(CTX, "KW/Jahr")},
    {"CFGSW_APPL_HW_ID", QT_TRANSLATE_NOOP(CTX, "SW-Applikation Zuordnung HW-Identnummer"),
     nullptr},
    {"CFGSW_APPL_SW_ID", QT_TRANSLATE_NOOP(CTX, "SW-Applikation Identnummer"), nullptr},
    {"CFGSW_APPL_DEV_ID", QT_TRANSLATE_NOOP(CTX, "SW-Applikation Hersteller"), nullptr},
    {"CFGSW_RTOS_DATE", QT_TRANSLATE_NOOP(CTX, "SW-RTOS Version"),
     QT_TRANSLATE_NOOP(CTX, "KW/Jahr")},
    {"CFGSW_SIML_DATE", QT_TRANSLATE_NOOP(CTX, "SW-Simulink Version"),
     QT_TRANSLATE_NOOP(CTX, "KW/Jahr")},
    {"CFGSW_APPL_LEN", QT_TRANSLATE_NOOP(CTX, "SW-Applikation Programmlänge"),
     QT_TRANSLATE_NOOP(CTX, "Byte")},
    {"CFGSW_APPL_CRC", QT_TRANSLATE_NOOP(CTX, "SW-Applikation Checksumme"), "[hex]"},
    {"CFGFINGER_STATE", QT_TRANSLATE_NOOP(CTX, "Programmierung Status"), nullptr},
    {"CFGFINGER_PROG_CNT", QT_TRANSLATE_NOOP(CTX, "Programmierung Rückwertszähler"), nullptr},
    {"CFGFINGER_PROG_ID", QT_TRANSLATE_NOOP(CTX, "Programmiergerät Ident-Nr."), nullptr},
    {"CFGFINGER_PROG_SER", QT_TRANSLATE_NOOP(CTX, "Programmiergerät Seriennummer"), nullptr},
    {"CFGFINGER_PROG_DATE", QT_TRANSLATE_NOOP(CTX, "Programmierdatum"), nullptr},
};

const StepRow* stepOf(int32_t step) {
    for (const StepRow& s : kSteps)
        if (s.step == step) return &s;
    return nullptr;
}

}  // namespace

void LoaderModule::RegisterDataPoints(const ByteString& identText) {
    m_firstPass = true;
    m_keepAliveDue = false;
    m_keepAliveCounter = KeepAliveReload;
    m_active = true;
    MainEngine& e = m_session.engine();
    DataPointTable& dp = e.dataPoints;
    dp.DP_Clear();
    for (const Row& r : kRows) {
        const ByteString unit = !r.unit                         ? ByteString()
                                : ByteString(r.unit) == "[hex]" ? ByteString(r.unit)
                                                                : TOOL_Translate(CTX, r.unit);
        dp.DP_Register(r.key, TOOL_Translate(CTX, r.caption), unit);
    }
    dp.DP_SetValue("CFGSGID", 0, identText, 0);
    e.DIAG_Timer().stop();
    e.DIAG_Timer().start();
}

void LoaderModule::Stop() {
    m_active = false;
    m_keepAliveDue = false;
}

void LoaderModule::OnTimer() {
    if (!m_active) return;
    DM_TickPoll(m_keepAliveCounter, m_keepAliveDue, KeepAliveReload);
}

void LoaderModule::BuildRequest(const TUSBREQ& r, TUSBREQ& out) {
    out = r;
    out.Active = 0;
    const StepRow* s = stepOf(r.Step);
    if (!s) {
        // A step without a request goes back to the poll and sends nothing now.
        out.Step = CycleStep;
        return;
    }
    if (r.Step == IdentificationStep || r.Step == OpenSessionStep || r.Step == BusConfigStep)
        out.ErrorStep = EndStep;
    bool sent = false;
    if (r.Step == BusConfigStep) {
        ByteString frame;
        AdapterFrameProtocol::ADP_BuildBusConfig(2, 5, 0, 0, 1000, frame);
        sent = m_session.engine().transport().SendFrame(frame);
    } else {
        const bool session = s->id == 30;
        TParamlist p = session ? DM_Params({1, SessionKey}) : TParamlist{};
        ByteString data;
        sent = m_session.buses().sbus.SBUS_BuildRequest(0, static_cast<uint8_t>(s->id),
                                                        session ? 2 : 0, p, data);
    }
    out.Active = sent ? 1 : 0;
}

void LoaderModule::EvaluateReply(const TUSBREQ& r, TUSBREQ& out) {
    out = r;
    const StepRow* s = stepOf(r.Step);
    if (!s) return;
    if (r.Step == IdentificationStep) {
        evaluateIdentification(r, out);
        return;
    }
    if (r.Step == BusConfigStep) {
        const bool acknowledged = m_session.engine().adapterFrames.ADP_CheckBusConfigAck(r.Reply);
        out.Step = acknowledged ? OpenSessionStep : r.ErrorStep;
        return;
    }
    TResult res;
    m_session.buses().sbus.SBUS_ReadAndDecode(0, r.Reply, s->replyMin, s->replyId, res);
    if (res.Invalid) {
        SBusLayer::SBUS_StepOnErrorSkip(r, out, res.Value);
    } else if (r.Step == OpenSessionStep || r.Step == KeepAliveStep) {
        // The unit confirms its session with exactly one byte 01; anything else ends it.
        out.Step = DIAG_SBusSessionConfirmed(res.Text) ? r.Step + 1 : r.ErrorStep;
    } else if (r.Step != CycleStep) {
        out.Step = r.Step + 1;
    }
    if (out.Step == IdentEndStep || out.Step == KeepAliveStep + 1) out.Step = CycleStep;
    if (out.Step == DecisionStep) decisionStep(out);
}

void LoaderModule::evaluateIdentification(const TUSBREQ& r, TUSBREQ& out) {
    TResult res;
    m_session.buses().sbus.SBUS_ReadAndDecode(0, r.Reply, 2, 20, res);
    if (!DIAG_CheckSBusIdentification(m_session, dcLoader, res, out)) return;
    RegisterDataPoints(res.Text);
    out.Step = OpenSessionStep;
}

void LoaderModule::decisionStep(TUSBREQ& out) {
    DIAG_ReportSessionUp(m_session, m_firstPass);
    if (m_keepAliveDue) {
        m_keepAliveDue = false;
        out.Step = KeepAliveStep;
    } else {
        out.Step = CycleStep;
    }
}
