#include "kx3166module.h"

#include "diagsession.h"

namespace {

// The steps the machine goes to by name (the identification, the cycle and the error entry are
// the S-Bus modules' common ones); the identification block runs on by number.
constexpr int32_t AreaSizeStep = 18;          // size of memory area 1
constexpr int32_t ComponentDefaultStep = 20;  // the last identification read
// The commands the decision step serves, one each: every one returns to the cycle.
constexpr int32_t HSOnStep = 30;
constexpr int32_t HSOffStep = 31;
constexpr int32_t UPFAOnStep = 32;
constexpr int32_t UPFAOffStep = 33;
constexpr int32_t ErrorDeleteStep = 34;  // then 35
constexpr int32_t RefreshStep = 36;      // the four overrides again
constexpr int32_t KL61OnStep = 37;
constexpr int32_t KL61OffStep = 38;
constexpr int32_t SPAROffStep = 60;
constexpr int32_t SPAROnStep = 61;
constexpr int32_t SPARLineStep = 62;
constexpr int32_t CounterDeleteStep = 65;
constexpr int32_t ComponentTestStep = 70;
constexpr int32_t KeepAliveStep = 80;
constexpr int32_t HSLineStep = 90;
constexpr int32_t UPFALineStep = 91;
constexpr int32_t KL61LineStep = 92;
// The cyclic reads after the counters (CycleStep, 41), and the decision step that ends them.
constexpr int32_t InputsStep = 42;
constexpr int32_t OverviewStep = 43;
constexpr int32_t StatusStep = 44;
constexpr int32_t DecisionStep = 45;
constexpr int NoParam = -1;

// One step of the machine: the message it sends (with its one byte parameter, if that is all
// it carries), the least answer length after the message ID, and whether the step returns to
// the cyclic reads instead of going on to the next step number.
struct StepRow {
    int32_t step;
    uint8_t id;
    int param;
    uint8_t replyMin;
    bool toCycle;
};

// clang-format off
const StepRow kSteps[] = {
    {10, 20, NoParam, 2, false},   // identification text
    {11, 30, NoParam, 1, false},   // open the session
    {12, 27, NoParam, 0, false},   // bus version
    {13, 2, NoParam, 1, false},
    {14, 81, NoParam, 15, false},  // boot loader software
    {15, 82, NoParam, 36, false},  // application software
    {16, 83, NoParam, 16, false},  // control unit production data
    {17, 84, NoParam, 14, false},  // heater data
    {18, 153, 1, 3, false},        // size of memory area 1
    {19, 38, NoParam, 61, false},  // hardware and data set identification
    {20, 152, NoParam, 5, true},   // component default time
    {30, 10, 1, 1, true},   {31, 10, 0, 1, true},   {90, 10, 255, 1, true},   // HS
    {32, 12, 1, 1, true},   {33, 12, 0, 1, true},   {91, 12, 255, 1, true},   // UPFA
    {37, 17, 1, 1, true},   {38, 17, 0, 1, true},   {92, 17, 255, 1, true},   // KL61
    {60, 11, 0, 1, true},   {61, 11, 1, 1, true},   {62, 11, 255, 1, true},   // SPAR
    {34, 92, NoParam, 1, false},   // error memory delete, then 35
    {35, 16, NoParam, 0, true},
    {36, 13, NoParam, 4, true},    // refresh of the four overrides
    {65, 49, NoParam, 8, true},    // delete times and counters
    {70, 14, NoParam, 4, true},    // component test
    {80, 30, NoParam, 1, true},    // keep-alive
    {40, 47, NoParam, 24, false},  // counters
    {41, 48, NoParam, 8, false},
    {42, 50, NoParam, 31, false},  // raw inputs
    {43, 53, NoParam, 32, false},  // overview block
    {44, 90, NoParam, 1, false},   // status byte
    {50, 91, NoParam, 19, false},  // one error entry
};
// clang-format on

const StepRow* stepOf(int32_t step) {
    for (const StepRow& s : kSteps)
        if (s.step == step) return &s;
    return nullptr;
}

}  // namespace

// ---- registration and setters ----

void KX3166Module::RegisterDataPoints(const ByteString& identText) {
    m_firstPass = true;
    m_changeNoticePending = true;
    m_pending.fill(false);
    // A delete confirmed in an earlier session must never reach this (maybe other) heater.
    m_counterDeletePending = false;
    m_refresh = Repeat{};
    m_componentTest = Repeat{};
    m_keepAlive = Repeat{};
    m_keepAlive.active = true;
    m_keepAlive.counter = KeepAliveReload;
    KX3166_SetLineHS(255);
    KX3166_SetLineUPFA(255);
    KX3166_SetLineKL61(255);
    KX3166_SetLineSPAR(255);

    MainEngine& e = m_session.engine();
    e.dataPoints.DP_Clear();
    registerPoints(identText);
    e.DIAG_Timer().stop();
    e.DIAG_Timer().start();
}

void KX3166Module::storeLine(Line line, uint8_t state) {
    m_lines[line] = state;
    WindowHooks& h = m_session.engine().windowHooks;
    const std::function<void(uint8_t)>* const marks[] = {&h.UI_CheckLineHS, &h.UI_CheckLineSPAR,
                                                         &h.UI_CheckLineUPFA, &h.UI_CheckLineKL61};
    callHook(*marks[line], state);
}

void KX3166Module::KX3166_SetLineHS(uint8_t state) {
    storeLine(LineHS, state);
}
void KX3166Module::KX3166_SetLineUPFA(uint8_t state) {
    storeLine(LineUPFA, state);
}
void KX3166Module::KX3166_SetLineKL61(uint8_t state) {
    storeLine(LineKL61, state);
}
void KX3166Module::KX3166_SetLineSPAR(uint8_t state) {
    storeLine(LineSPAR, state);
}

void KX3166Module::KX3166_UpdateOverrideRefresh() {
    bool overridden = false;
    for (uint8_t l : m_lines) overridden = overridden || l != 255;
    if (!overridden) {
        m_refresh.active = false;
        m_refresh.due = false;
    } else if (!m_refresh.active) {
        // A refresh already running keeps its count.
        m_refresh.counter = RefreshReload;
        m_refresh.active = true;
    }
}

void KX3166Module::setLine(Line line, uint8_t state, Pending request) {
    storeLine(line, state);
    m_pending[request] = true;
    KX3166_UpdateOverrideRefresh();
}

void KX3166Module::KX3166_RequestHSOn() {
    setLine(LineHS, 1, HSOn);
}
void KX3166Module::KX3166_RequestHSOff() {
    setLine(LineHS, 0, HSOff);
}
void KX3166Module::KX3166_RequestHSLine() {
    setLine(LineHS, 255, HSLine);
}
void KX3166Module::KX3166_RequestUPFAOn() {
    setLine(LineUPFA, 1, UPFAOn);
}
void KX3166Module::KX3166_RequestUPFAOff() {
    setLine(LineUPFA, 0, UPFAOff);
}
void KX3166Module::KX3166_RequestUPFALine() {
    setLine(LineUPFA, 255, UPFALine);
}
void KX3166Module::KX3166_RequestKL61On() {
    setLine(LineKL61, 1, KL61On);
}
void KX3166Module::KX3166_RequestKL61Off() {
    setLine(LineKL61, 0, KL61Off);
}
void KX3166Module::KX3166_RequestKL61Line() {
    setLine(LineKL61, 255, KL61Line);
}
void KX3166Module::KX3166_RequestSPAROn() {
    setLine(LineSPAR, 1, SPAROn);
}
void KX3166Module::KX3166_RequestSPAROff() {
    setLine(LineSPAR, 0, SPAROff);
}
void KX3166Module::KX3166_RequestSPARLine() {
    setLine(LineSPAR, 255, SPARLine);
}

void KX3166Module::KX3166_StartComponentTest(uint8_t component, uint8_t runtime,
                                             uint16_t setpoint) {
    m_component = component;
    m_componentRuntime = runtime;
    m_componentSetpoint = setpoint;
    m_componentTest.counter = ComponentTestReload;
    m_componentTest.active = true;
}

void KX3166Module::KX3166_StopComponentTest() {
    m_componentTest = Repeat{};
}

void KX3166Module::Stop() {
    m_refresh.active = false;
    m_componentTest = Repeat{};
    m_keepAlive.active = false;
    m_keepAlive.due = false;
}

void KX3166Module::OnTimer() {
    m_refresh.tick(RefreshReload);
    m_componentTest.tick(ComponentTestReload);
    m_keepAlive.tick(KeepAliveReload);
}

// ---- requests ----

void KX3166Module::BuildRequest(const TUSBREQ& r, TUSBREQ& out) {
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
        case KeepAliveStep:
            sent = send(s->id, {1, SessionKey});
            break;
        case ComponentDefaultStep:
            sent = send(s->id, {1, 64, 1});  // area 1, address 64, one byte
            break;
        case RefreshStep:
            sent = send(s->id, {static_cast<long double>(m_lines[LineHS]),
                                static_cast<long double>(m_lines[LineSPAR]),
                                static_cast<long double>(m_lines[LineUPFA]),
                                static_cast<long double>(m_lines[LineKL61])});
            break;
        case CounterDeleteStep:
            sent = send(s->id, {1, 1, 1, 1, 1, 1, 1, 1});
            break;
        case ComponentTestStep:
            sent = send(s->id, {static_cast<long double>(m_component),
                                static_cast<long double>(m_componentRuntime),
                                static_cast<long double>(m_componentSetpoint)});
            break;
        case ErrorEntryStep:
            sent = send(s->id, {static_cast<long double>(m_errorEntries.index())});
            break;
        default:
            sent = s->param == NoParam ? send(s->id, {})
                                       : send(s->id, {static_cast<long double>(s->param)});
            break;
    }
    out.Active = sent ? 1 : 0;
}

// ---- replies ----

void KX3166Module::EvaluateReply(const TUSBREQ& r, TUSBREQ& out) {
    out = r;
    const StepRow* s = stepOf(r.Step);
    if (!s) return;
    SBusLayer& sbus = m_session.buses().sbus;
    TResult res;
    sbus.SBUS_ReadAndDecode(0, r.Reply, s->replyMin, s->id, res);
    if (r.Step == IdentificationStep) {
        evaluateIdentification(res, out);
        return;
    }
    if (res.Invalid) {
        // Without an answer the EOL windows must not assume a size for area 1.
        if (r.Step == AreaSizeStep) sbus.SBUS_SetAreaSize(1, 0);
        DM_SBusErrorEntries::stepOnError(r, out, res.Value, ErrorEntryStep);
    } else {
        evaluateSuccess(r.Step, res, out);
    }
    if (s->toCycle && out.Step == r.Step + 1) out.Step = CycleStep;
    if (out.Step == DecisionStep) decisionStep(out);
}

void KX3166Module::evaluateSuccess(int32_t step, const TResult& res, TUSBREQ& out) {
    MainEngine& e = m_session.engine();
    out.Step = step + 1;
    switch (step) {
        case OpenSessionStep:
        case KeepAliveStep:
            if (!DIAG_SBusSessionConfirmed(res.Text)) out.Step = out.ErrorStep;
            break;
        case ComponentDefaultStep:
            KX3166_DecodeComponentDefault(res.Text);
            out.Step = CycleStep;
            break;
        case InputsStep:
            KX3166_DecodeInputs(res.Text);
            break;
        case OverviewStep:
            KX3166_DecodeOverview(res.Text);
            DIAG_ShowLiveValues(m_session);
            if (m_changeNoticePending) {
                e.PendingChangeNotice = true;
                m_changeNoticePending = false;
            }
            break;
        case StatusStep:
            m_errorEntries.afterStatus(m_session, ErrorEntryStep, out);
            break;
        case ErrorEntryStep:
            KX3166_DecodeErrorEntry(res.Text);
            m_errorEntries.afterEntry(ErrorEntryStep, CycleStep, out);
            break;
        default:
            break;
    }
}

void KX3166Module::decisionStep(TUSBREQ& out) {
    DIAG_ReportSessionUp(m_session, m_firstPass);
    // clang-format off
    out.Step = DIAG_TakeFirstItem({
        {&m_pending[HSOn], HSOnStep},
        {&m_pending[HSOff], HSOffStep},
        {&m_pending[HSLine], HSLineStep},
        {&m_pending[UPFAOn], UPFAOnStep},
        {&m_pending[UPFAOff], UPFAOffStep},
        {&m_pending[UPFALine], UPFALineStep},
        {&m_pending[KL61On], KL61OnStep},
        {&m_pending[KL61Off], KL61OffStep},
        {&m_pending[KL61Line], KL61LineStep},
        {&m_pending[ErrorDelete], ErrorDeleteStep},
        {&m_pending[SPAROff], SPAROffStep},
        {&m_pending[SPAROn], SPAROnStep},
        {&m_pending[SPARLine], SPARLineStep},
        {&m_counterDeletePending, CounterDeleteStep},
        {&m_componentTest.due, ComponentTestStep},
        {&m_refresh.due, RefreshStep},
        {&m_keepAlive.due, KeepAliveStep},
    }, CycleStep);
    // clang-format on
}
