#include "kx3141module.h"

#include "diagsession.h"

namespace {

// The steps the machine goes to by name (the identification, the cycle and the error entry are
// the S-Bus modules' common ones); the identification block runs on by number.
// The commands the decision step serves, one each: every one returns to the cycle.
constexpr int32_t HeatOnStep = 30;
constexpr int32_t HeatOffStep = 31;
constexpr int32_t PumpOnStep = 32;
constexpr int32_t PumpOffStep = 33;
constexpr int32_t ErrorDeleteStep = 34;  // then 35
constexpr int32_t RefreshStep = 36;      // heating and pump state again
// The cyclic reads after the counter block (CycleStep), and the decision step that ends them.
constexpr int32_t OverviewStep = 41;
constexpr int32_t StatusStep = 42;
constexpr int32_t DecisionStep = 43;

// One step of the machine: the message it sends, the least answer length after the message ID,
// and whether the step returns to the cyclic reads instead of going on to the next step number.
struct StepRow {
    int32_t step;
    uint8_t id;
    uint8_t replyMin;
    bool toCycle;
};

// clang-format off
const StepRow kSteps[] = {
    {10, 20, 2, false},   // identification text
    {11, 30, 1, false},   // open the session
    {12, 27, 0, false},   // bus version
    {13, 2, 0, false},
    {14, 21, 0, false},   // hardware version
    {15, 22, 0, false},   // software version
    {16, 23, 0, false},   // control unit production date
    {17, 24, 0, false},   // heater production date
    {18, 25, 0, false},   // maker's id
    {19, 26, 0, false},   // serial number
    {20, 28, 0, false},   // heater id
    {21, 29, 0, true},    // customer id
    {30, 10, 1, true},    // heating on
    {31, 10, 1, true},    // heating off
    {32, 12, 1, true},    // pump on
    {33, 12, 1, true},    // pump off
    {34, 92, 1, false},   // error memory delete, then 35
    {35, 16, 0, true},
    {36, 13, 3, true},    // refresh of heating and pump
    {40, 151, 30, false}, // counter block
    {41, 150, 43, false}, // overview block
    {42, 90, 1, false},   // status byte
    {50, 91, 20, false},  // one error entry
};
// clang-format on

const StepRow* stepOf(int32_t step) {
    for (const StepRow& s : kSteps)
        if (s.step == step) return &s;
    return nullptr;
}

}  // namespace

// ---- setters ----

void KX3141Module::KX3141_UpdateCommandRefresh() {
    if (m_heating == 0 && m_pump == 0) {
        m_refresh.active = false;
        m_refresh.due = false;
    } else if (!m_refresh.active) {
        // A refresh already running keeps its count.
        m_refresh.counter = RefreshReload;
        m_refresh.active = true;
    }
}

void KX3141Module::KX3141_RequestHeatOn() {
    m_heating = 1;
    m_pending[HeatOn] = true;
    KX3141_UpdateCommandRefresh();
}

void KX3141Module::KX3141_RequestHeatOff() {
    m_heating = 0;
    m_pending[HeatOff] = true;
    KX3141_UpdateCommandRefresh();
}

void KX3141Module::KX3141_RequestPumpOn() {
    m_pump = 1;
    m_pending[PumpOn] = true;
    KX3141_UpdateCommandRefresh();
}

void KX3141Module::KX3141_RequestPumpOff() {
    m_pump = 0;
    m_pending[PumpOff] = true;
    KX3141_UpdateCommandRefresh();
}

void KX3141Module::Stop() {
    m_refresh.active = false;
}

void KX3141Module::OnTimer() {
    m_refresh.tick(RefreshReload);
}

// ---- requests ----

void KX3141Module::BuildRequest(const TUSBREQ& r, TUSBREQ& out) {
    out = r;
    out.Active = 0;
    const StepRow* s = stepOf(r.Step);
    if (!s) {
        // A step without a request (51, after a refused error entry) goes back to the cyclic
        // reads and sends nothing now; the next round sends.
        out.Step = CycleStep;
        return;
    }
    if (r.Step == IdentificationStep || r.Step == OpenSessionStep) out.ErrorStep = ssEnd;
    bool sent = false;
    switch (r.Step) {
        case OpenSessionStep:
            sent = send(s->id, {1, SessionKey});
            break;
        case HeatOnStep:
        case PumpOnStep:
            sent = send(s->id, {1});
            break;
        case HeatOffStep:
        case PumpOffStep:
            sent = send(s->id, {0});
            break;
        case RefreshStep:
            sent = send(s->id,
                        {static_cast<long double>(m_heating), static_cast<long double>(m_reserved),
                         static_cast<long double>(m_pump)});
            break;
        case CycleStep:
            sent = send(s->id, {0, CounterBlockLength});
            break;
        case OverviewStep:
            sent = send(s->id, {0, OverviewBlockLength});
            break;
        case ErrorEntryStep:
            sent = send(s->id, {static_cast<long double>(m_errorEntries.index())});
            break;
        default:
            sent = send(s->id, {});
            break;
    }
    out.Active = sent ? 1 : 0;
}

// ---- replies ----

void KX3141Module::EvaluateReply(const TUSBREQ& r, TUSBREQ& out) {
    out = r;
    const StepRow* s = stepOf(r.Step);
    if (!s) return;
    TResult res;
    m_session.buses().sbus.SBUS_ReadAndDecode(0, r.Reply, s->replyMin, s->id, res);
    if (r.Step == IdentificationStep) {
        evaluateIdentification(res, out);
        return;
    }
    if (res.Invalid)
        DM_SBusErrorEntries::stepOnError(r, out, res.Value, ErrorEntryStep);
    else
        evaluateSuccess(r.Step, res, out);
    if (s->toCycle && out.Step == r.Step + 1) out.Step = CycleStep;
    if (out.Step == DecisionStep) decisionStep(out);
}

void KX3141Module::evaluateSuccess(int32_t step, const TResult& res, TUSBREQ& out) {
    out.Step = step + 1;
    switch (step) {
        case OpenSessionStep:
            if (!DIAG_SBusSessionConfirmed(res.Text)) out.Step = out.ErrorStep;
            break;
        case CycleStep:
            KX3141_DecodeCounters(res.Text);
            break;
        case OverviewStep:
            KX3141_DecodeOverview(res.Text);
            DIAG_ShowLiveValues(m_session);
            break;
        case StatusStep:
            m_errorEntries.afterStatus(m_session, ErrorEntryStep, out);
            break;
        case ErrorEntryStep:
            KX3141_DecodeErrorEntry(res.Text);
            m_errorEntries.afterEntry(ErrorEntryStep, CycleStep, out);
            break;
        default:
            break;
    }
}

void KX3141Module::decisionStep(TUSBREQ& out) {
    DIAG_ReportSessionUp(m_session, m_firstPass);
    out.Step = DIAG_TakeFirstItem({{&m_pending[HeatOn], HeatOnStep},
                                   {&m_pending[HeatOff], HeatOffStep},
                                   {&m_pending[PumpOn], PumpOnStep},
                                   {&m_pending[PumpOff], PumpOffStep},
                                   {&m_pending[ErrorDelete], ErrorDeleteStep},
                                   {&m_refresh.due, RefreshStep}},
                                  CycleStep);
}
