#include "kx3117module.h"

#include "diagsession.h"
#include "modulehelpers.h"
#include "rounding.h"

namespace {

constexpr uint8_t NoSub = 255;

// The steps the machine goes to by name. The steps between, which only run on to the next
// number, are their block's named start plus an offset.
constexpr int32_t NameCheckStep = 10;   // identity check after a manual start
constexpr int32_t BusVersionStep = 11;  // a recognised unit enters here
constexpr int32_t SerialStep = 21;      // ident sub 9; the fuel page follows at 23
constexpr int32_t FuelStep = 23;
constexpr int32_t SoftwareIdStep = 24;     // the last identification read
constexpr int32_t CyclicStep = 30;         // the cyclic status pages 30..36
constexpr int32_t LiveValuesStep = 36;     // the last of them: the live values, then the decision
constexpr int32_t OperatingDataStep = 40;  // the operating-data pages 40..42
constexpr int32_t OperatingDataLast = 42;
constexpr int32_t ErrorDeleteStep = 50;
constexpr int32_t ErrorListStep = 51;  // the error memory read: the list, then its entries
constexpr int32_t ErrorEntryFirst = 60;
constexpr int32_t ErrorEntryLast = 69;
// The commands the decision step serves; parking and supplementary heating take two steps.
constexpr int32_t OffStep = 70;
constexpr int32_t ParkingStep = 71;
constexpr int32_t SupplementaryStep = 73;
constexpr int32_t PumpStep = 75;
constexpr int32_t Economy2Step = 76;
constexpr int32_t Economy1Step = 77;
constexpr int32_t EconomyNormalStep = 78;
constexpr int32_t RefreshStep = 80;  // the keep-up of the running command

bool isErrorEntryStep(int32_t step) {
    return step >= ErrorEntryFirst && step <= ErrorEntryLast;
}

// The request of each step (command, parameter 1 or -1 for none) and what its answer is
// checked against (minimum length, expected sub).
struct StepDef {
    int32_t step;
    uint8_t command;
    int p1;
    uint8_t minimumLength, sub;
};

const StepDef kSteps[] = {
    {10, 0x51, 11, 9, 11},   {11, 0x51, 10, 2, 10},   {12, 0x38, 1, 9, NoSub},
    {13, 0x38, 2, 9, NoSub}, {14, 0x51, 1, 6, 1},     {15, 0x51, 2, 11, 2},
    {16, 0x51, 3, 7, 3},     {17, 0x51, 4, 4, 4},     {18, 0x51, 5, 4, 5},
    {19, 0x51, 7, 2, 7},     {20, 0x51, 8, 2, 8},     {21, 0x51, 9, 3, 9},
    {23, 0x50, 4, 2, 4},     {24, 0x51, 13, 6, 13},   {30, 0x50, 2, 6, 2},
    {31, 0x50, 3, 2, 3},     {32, 0x50, 5, 9, 5},     {33, 0x50, 7, 7, 7},
    {34, 0x50, 15, 6, 15},   {35, 0x50, 17, 3, 17},   {36, 0x50, 22, 6, 22},
    {40, 0x50, 6, 9, 6},     {41, 0x50, 11, 7, 11},   {42, 0x50, 20, 8, 20},
    {50, 0x56, 3, 0, NoSub}, {51, 0x56, 1, 2, 1},     {70, 0x10, -1, 0, NoSub},
    {71, 0x21, 1, 1, NoSub}, {72, 0x20, 2, 1, NoSub}, {73, 0x21, 2, 1, NoSub},
    {74, 0x20, 2, 1, NoSub}, {75, 0x22, 2, 1, NoSub}, {76, 0x23, 3, 1, NoSub},
    {77, 0x23, 2, 1, NoSub}, {78, 0x23, 1, 1, NoSub}, {80, 0x44, -1, 1, NoSub},
};
// Steps 60..69: one error entry each, its parameters from the layer.
constexpr StepDef kErrorEntry = {60, 0x56, 2, 12, 2};

const StepDef* stepDefOf(int32_t step) {
    if (isErrorEntryStep(step)) return &kErrorEntry;
    for (const StepDef& s : kSteps)
        if (s.step == step) return &s;
    return nullptr;
}

// The command steps: whether the unit took the command or refused it, the cycle goes on.
bool isCommandStep(int32_t step) {
    return step == OffStep || step == ParkingStep + 1 ||
           (step >= SupplementaryStep + 1 && step <= EconomyNormalStep) || step == RefreshStep;
}

bool isRejected(long double code) {
    return code == BusCode::Rejected || code == BusCode::TooShort || code == BusCode::WrongAnswer;
}

bool endsTheErrorRead(long double code) {
    return code == BusCode::Data || code == BusCode::Init || code == BusCode::Length ||
           code == BusCode::FailureLimit;
}

}  // namespace

void KX3117Module::RegisterDataPoints(const ByteString&) {
    m_firstPass = true;
    m_offPending = m_parkingPending = m_supplementaryPending = m_pumpPending = false;
    m_economy1Pending = m_economy2Pending = m_economyNormalPending = false;
    m_refreshDue = m_refreshActive = false;
    // A delete confirmed in an earlier session must never reach this (maybe other) heater.
    m_errorDeletePending = false;
    checkEconomyModes(false, false);
    DIAG_RegisterPolledPoints(m_session, m_polls, [this] { registerPoints(); });
}

void KX3117Module::KX3117_RequestOff() {
    m_offPending = true;
    m_refreshActive = false;
    m_refreshDue = false;
    // Off also drops a heating or pump command not yet sent: the heater must not start after
    // the user switched it off.
    m_parkingPending = m_supplementaryPending = m_pumpPending = false;
}

void KX3117Module::startRefreshed(uint8_t command, bool& pending) {
    m_refreshCounter = RefreshReload;
    m_refreshCommand = command;
    m_refreshActive = true;
    pending = true;
}

void KX3117Module::KX3117_SetEconomyMode(int32_t mode) {
    if (economyPending()) return;
    switch (mode) {
        case 1:
            KX3117_RequestEconomyNormal();
            checkEconomyModes(false, false);
            break;
        case 2:
            KX3117_RequestEconomy1();
            checkEconomyModes(true, false);
            break;
        case 3:
            KX3117_RequestEconomy2();
            checkEconomyModes(false, true);
            break;
        default:
            break;
    }
}

void KX3117Module::checkEconomyModes(bool economy1, bool economy2) {
    callHook(m_session.engine().windowHooks.UI_CheckEconomyModes, economy1, economy2);
}

void KX3117Module::OnTimer() {
    m_polls.tick(OperatingDataReload, ErrorPollReload);
    if (m_refreshActive) DM_TickPoll(m_refreshCounter, m_refreshDue, RefreshReload);
}

bool KX3117Module::send(uint8_t command, std::initializer_list<long double> params,
                        const ByteString& rawText) {
    TParamlist p = DM_Params(params);
    if (!rawText.empty()) p[2].Text = rawText;
    ByteString payload;
    return m_session.buses().wbusS.WBUS_BuildRequestS(command, static_cast<uint8_t>(params.size()),
                                                      p, payload);
}

bool KX3117Module::sendStep(int32_t step, uint8_t command, int p1) {
    if (isErrorEntryStep(step)) {
        // The entry asked for is the layer's error entry index, as one raw byte.
        const int32_t index = m_session.buses().wbus.WBUS_GetErrorIndex();
        return send(command, {2}, ByteString(1, static_cast<char>(index & 0xFF)));
    }
    if (step == RefreshStep) return send(command, {static_cast<long double>(m_refreshCommand), 0});
    if (p1 < 0) return send(command, {});
    return send(command, {static_cast<long double>(p1)});
}

void KX3117Module::BuildRequest(const TUSBREQ& r, TUSBREQ& out) {
    out = r;
    out.Active = 0;
    const int32_t step = r.Step;
    if (step == NameCheckStep || step == BusVersionStep || step == CyclicStep)
        out.ErrorStep = ssEnd;
    // A failed error-memory read ends only that read; the entry reads handle their failures
    // themselves and never lead to the off command.
    if (step == ErrorDeleteStep || step == ErrorListStep || isErrorEntryStep(step))
        out.ErrorStep = CyclicStep;
    const StepDef* def = stepDefOf(step);
    if (!def) {
        // A step without a request goes back to the cyclic reads and sends nothing now; the
        // next round sends.
        out.Step = CyclicStep;
        return;
    }
    out.Active = sendStep(step, def->command, def->p1) ? 1 : 0;
}

void KX3117Module::EvaluateReply(const TUSBREQ& r, TUSBREQ& out) {
    out = r;
    const StepDef* def = stepDefOf(r.Step);
    if (!def) {
        out.Step = CyclicStep;
        return;
    }
    TResult res;
    m_session.buses().wbusS.WBUS_ReadAndDecodeS(r.Reply, def->minimumLength, def->command, def->sub,
                                                res);
    const int32_t step = r.Step;
    if (step == ErrorDeleteStep) {
        // Whatever the delete's outcome, the next error poll comes a full period later.
        m_polls.errorPollServed(ErrorPollReload);
    }
    if (res.Invalid) {
        WBusLayer::WBUS_StepOnErrorSkip(r, out, res.Value);
        failedAt(step, res.Value, out);
        return;
    }
    out.Step = step + 1;
    succeededAt(step, res, out);
}

bool KX3117Module::failedAt(int32_t step, long double code, TUSBREQ& out) {
    if (step == NameCheckStep) {
        // A unit that answers but not with a name is not the chosen heater.
        const bool rejected = isRejected(code);
        if (rejected || out.Step == out.ErrorStep)
            DIAG_IdentityCheckFailed(m_session, rejected, out);
        return true;
    }
    if (isErrorEntryStep(step)) {
        errorEntryFailed(step, code, out);
        return true;
    }
    if (!isRejected(code)) return false;
    switch (step) {
        case SerialStep:
            out.Step = FuelStep;
            return true;
        case LiveValuesStep:
            decisionStep(out);  // without the views: the last status page was refused
            return true;
        case OperatingDataLast:
            callHook(m_session.views.OperatingDataShowValues);
            out.Step = CyclicStep;
            return true;
        case SoftwareIdStep:
        case ErrorListStep:
            out.Step = CyclicStep;
            return true;
        default:
            if (!isCommandStep(step)) return false;
            out.Step = CyclicStep;
            return true;
    }
}

void KX3117Module::errorEntryFailed(int32_t step, long double code, TUSBREQ& out) {
    DataPointTable& dp = m_session.engine().dataPoints;
    if (code == BusCode::WrongAnswer) {
        // An answer to another request (a late one) says nothing about this entry: it is
        // asked for again, and the failure limit ends a run of them.
        out.Step = step;
    } else if (isRejected(code)) {
        // The unit refuses this entry: the list ends with the entries read so far.
        const int32_t index = m_session.buses().wbus.WBUS_GetErrorIndex();
        const ByteString n = std::to_string(index);
        dp.DP_SetValue("OVRERRCNT", 0, std::to_string(index - 1), index - 1);
        dp.DP_SetValue("ERRCODE" + n, 0, ByteString(), 0);
        errorReadingDone(out);
    } else if (endsTheErrorRead(code)) {
        errorReadingDone(out);
    }
    // Any other code leaves the step: the same entry is asked for again.
}

void KX3117Module::errorReadingDone(TUSBREQ& out) {
    callHook(m_session.views.ErrorShowValues);
    out.Step = CyclicStep;
}

void KX3117Module::succeededAt(int32_t step, const TResult& res, TUSBREQ& out) {
    MainEngine& e = m_session.engine();
    ViewHooks& v = m_session.views;
    if (isErrorEntryStep(step)) {
        const int32_t count = TOOL_Round<int32_t>(e.dataPoints.DP_GetValue("OVRERRCNT").Value);
        if (step == ErrorEntryLast || m_session.buses().wbus.WBUS_GetErrorIndex() > count)
            errorReadingDone(out);
        return;
    }
    switch (step) {
        case NameCheckStep:
            if (res.Text != "KX3117") e.PendingMismatch = true;
            RegisterDataPoints();
            e.dataPoints.DP_SetValue("CFGNAME", 0, res.Text, 0);
            break;
        case SerialStep:
            out.Step = FuelStep;
            break;
        case SoftwareIdStep:
            out.Step = CyclicStep;
            break;
        case LiveValuesStep:
            callHook(v.OperatingDataShowValues);
            callHook(v.OverviewShowValues);
            callHook(v.TrendShowValues);
            callHook(v.CalibrationShowValues);
            decisionStep(out);
            break;
        case OperatingDataLast:
            callHook(v.OperatingDataShowValues);
            out.Step = CyclicStep;
            break;
        case ErrorDeleteStep:
            callHook(v.ErrorClearErrorList);
            out.Step = CyclicStep;
            break;
        case ErrorListStep:
            if (TOOL_Round<int32_t>(e.dataPoints.DP_GetValue("OVRERRCNT").Value) != 0) {
                out.Step = ErrorEntryFirst;
            } else {
                callHook(v.ErrorShowValues);
                out.Step = CyclicStep;
            }
            break;
        case RefreshStep:
            // The unit ends the refresh with an answer other than 0.
            if (res.Text.empty() || static_cast<uint8_t>(res.Text[0]) != 0) {
                m_refreshActive = false;
                m_refreshDue = false;
            }
            out.Step = CyclicStep;
            break;
        default:
            if (isCommandStep(step)) out.Step = CyclicStep;
            break;
    }
}

void KX3117Module::decisionStep(TUSBREQ& out) {
    DIAG_ReportSessionUp(m_session, m_firstPass);
    struct Choice {
        bool* flag;
        int32_t step;
    };
    const Choice order[] = {
        {&m_polls.operatingDataDue, OperatingDataStep},
        {&m_offPending, OffStep},
        {&m_parkingPending, ParkingStep},
        {&m_supplementaryPending, SupplementaryStep},
        {&m_pumpPending, PumpStep},
        {&m_economy2Pending, Economy2Step},
        {&m_economy1Pending, Economy1Step},
        {&m_economyNormalPending, EconomyNormalStep},
        {&m_refreshDue, RefreshStep},
        {&m_errorDeletePending, ErrorDeleteStep},
        {&m_polls.errorPollDue, ErrorListStep},
    };
    for (const Choice& c : order) {
        if (!*c.flag) continue;
        *c.flag = false;
        out.Step = c.step;
        return;
    }
    out.Step = CyclicStep;
}
