#include "kx3090module.h"

#include "diagsession.h"
#include "modulehelpers.h"
#include "rounding.h"

namespace {

// The steps the machine goes to by name. The steps between, which only run on to the next
// number (the identification block up to the fuel page at 23, the cyclic status pages), are
// their block's named start plus an offset.
constexpr int32_t NameCheckStep = 10;    // identity check after a manual start
constexpr int32_t BusVersionStep = 11;   // a recognised unit enters here
constexpr int32_t IdentPagesFirst = 14;  // identification subs 1..7 at steps 14..20
constexpr int32_t IdentPagesLast = 20;
constexpr int32_t IdentEndStep = 24;    // end of the identification block
constexpr int32_t CycleStep = 30;       // the cyclic status block 30..35
constexpr int32_t LiveValuesStep = 35;  // its last page: the live values are shown
constexpr int32_t DecisionStep = 36;
constexpr int32_t OperatingDataStep = 40;
constexpr int32_t OperatingDataEnd = 41;
constexpr int32_t ErrorDeleteStep = 50;
constexpr int32_t ErrorListStep = 51;    // the error memory read: the list, then its entries
constexpr int32_t ErrorEntryFirst = 60;  // at most nine entries, steps 60..68
constexpr int32_t ErrorEntryLast = 68;
constexpr int32_t ErrorReadEnd = 69;
constexpr int32_t OffStep = 70;
constexpr int32_t OffEnd = 71;
constexpr int32_t PumpStep = 75;
constexpr int32_t PumpEnd = 76;
constexpr int32_t RefreshStep = 80;  // the keep-up of the running command
constexpr int32_t RefreshEnd = 81;

struct ReplyCheck {
    uint8_t minimumLength, command, sub;
};

constexpr uint8_t NoSub = 255;

// What each step's answer is checked against (minimum length, command, expected sub).
bool replyCheckOf(int32_t step, ReplyCheck& c) {
    static const uint8_t identMin[] = {6, 11, 7, 4, 4, 2, 2};  // subs 1..7
    if (step >= IdentPagesFirst && step <= IdentPagesLast) {
        const int32_t sub = step - IdentPagesFirst + 1;
        c = {identMin[sub - 1], 0x51, static_cast<uint8_t>(sub)};
        return true;
    }
    if (step >= ErrorEntryFirst && step <= ErrorReadEnd) {
        c = {12, 0x56, 2};
        return true;
    }
    // clang-format off
    switch (step) {
        case NameCheckStep: c = {9, 0x51, 11}; return true;
        case BusVersionStep: c = {2, 0x51, 10}; return true;
        case BusVersionStep + 1: c = {2, 0x51, 12}; return true;
        case BusVersionStep + 2: c = {7, 0x38, NoSub}; return true;
        case IdentPagesLast + 1: c = {3, 0x51, 9}; return true;
        case IdentPagesLast + 2: c = {15, 0x53, 2}; return true;
        case IdentPagesLast + 3: c = {2, 0x50, 4}; return true;
        case CycleStep: c = {6, 0x50, 2}; return true;
        case CycleStep + 1: c = {2, 0x50, 3}; return true;
        case CycleStep + 2: c = {9, 0x50, 5}; return true;
        case CycleStep + 3: c = {7, 0x50, 7}; return true;
        case CycleStep + 4: c = {3, 0x60, 160}; return true;
        case LiveValuesStep: c = {6, 0x50, 15}; return true;
        case OperatingDataStep: c = {9, 0x50, 6}; return true;
        case ErrorDeleteStep: c = {0, 0x56, NoSub}; return true;
        case ErrorListStep: c = {2, 0x56, 1}; return true;
        case OffStep: c = {0, 0x10, NoSub}; return true;
        case PumpStep: c = {1, 0x24, NoSub}; return true;
        case RefreshStep: c = {1, 0x44, NoSub}; return true;
        default: return false;
    }
    // clang-format on
}

}  // namespace

void KX3090Module::RegisterDataPoints(const ByteString&) {
    m_firstPass = true;
    m_offPending = m_pumpPending = m_refreshActive = m_refreshDue = false;
    // A delete confirmed in an earlier session must never reach this (maybe other) heater.
    m_errorDeletePending = false;
    DIAG_RegisterPolledPoints(m_session, m_polls, [this] { registerPoints(); });
}

void KX3090Module::KX3090_RequestOff() {
    m_offPending = true;
    m_refreshActive = false;
    m_refreshDue = false;
}

void KX3090Module::KX3090_RequestPump() {
    m_refreshCounter = RefreshReload;
    m_refreshCommand = 0x24;
    m_refreshActive = true;
    m_pumpPending = true;
}

void KX3090Module::OnTimer() {
    m_polls.tick(OperatingDataReload, ErrorPollReload);
    if (m_refreshActive) DM_TickPoll(m_refreshCounter, m_refreshDue, RefreshReload);
}

bool KX3090Module::send(uint8_t command, std::initializer_list<long double> params,
                        const ByteString& rawText) {
    TParamlist p = DM_Params(params);
    if (!rawText.empty()) p[2].Text = rawText;
    ByteString payload;
    return m_session.buses().wbusV.WBUS_BuildRequestV(command, static_cast<uint8_t>(params.size()),
                                                      p, payload);
}

void KX3090Module::BuildRequest(const TUSBREQ& r, TUSBREQ& out) {
    out = r;
    out.Active = 0;
    const int32_t step = r.Step;
    bool sent = false;
    if (step == NameCheckStep || step == BusVersionStep) out.ErrorStep = ssEnd;
    if (step == CycleStep) out.ErrorStep = ssEnd;
    if (step >= IdentPagesFirst && step <= IdentPagesLast) {
        sent = send(0x51, {static_cast<long double>(step - IdentPagesFirst + 1)});
    } else if (step >= ErrorEntryFirst && step <= ErrorEntryLast) {
        // The entry's code as one byte, taken from the error list already read.
        const int32_t index = m_session.buses().wbus.WBUS_GetErrorIndex();
        const TResult code =
            m_session.engine().dataPoints.DP_GetValue("ERRCODE" + std::to_string(index));
        sent = send(0x56, {2}, ByteString(1, static_cast<char>(TOOL_Round<uint8_t>(code.Value))));
    } else {
        // clang-format off
        switch (step) {
            case NameCheckStep: sent = send(0x51, {11}); break;
            case BusVersionStep: sent = send(0x51, {10}); break;
            case BusVersionStep + 1: sent = send(0x51, {12}); break;
            case BusVersionStep + 2: sent = send(0x38, {}); break;
            case IdentPagesLast + 1: sent = send(0x51, {9}); break;
            case IdentPagesLast + 2: sent = send(0x53, {2}); break;
            case IdentPagesLast + 3: sent = send(0x50, {4}); break;
            case CycleStep: sent = send(0x50, {2}); break;
            case CycleStep + 1: sent = send(0x50, {3}); break;
            case CycleStep + 2: sent = send(0x50, {5}); break;
            case CycleStep + 3: sent = send(0x50, {7}); break;
            case CycleStep + 4: sent = send(0x60, {0xA0}); break;
            case LiveValuesStep: sent = send(0x50, {15}); break;
            case OperatingDataStep: sent = send(0x50, {6}); break;
            case ErrorDeleteStep: sent = send(0x56, {3}); break;
            case ErrorListStep: sent = send(0x56, {1}); break;
            case OffStep: sent = send(0x10, {}); break;
            case PumpStep: sent = send(0x24, {60}); break;
            case RefreshStep:
                sent = send(0x44, {static_cast<long double>(m_refreshCommand), 0});
                break;
            default:
                // A step without a request goes back to the cyclic reads and sends nothing
                // now; the next round sends.
                out.Step = CycleStep;
                return;
        }
        // clang-format on
    }
    out.Active = sent ? 1 : 0;
}

void KX3090Module::EvaluateReply(const TUSBREQ& r, TUSBREQ& out) {
    out = r;
    ReplyCheck c;
    if (!replyCheckOf(r.Step, c)) {
        out.Step = CycleStep;
        settle(out);
        return;
    }
    TResult res;
    m_session.buses().wbusV.WBUS_ReadAndDecodeV(r.Reply, c.minimumLength, c.command, c.sub, res);
    MainEngine& e = m_session.engine();
    ViewHooks& v = m_session.views;
    const int32_t step = r.Step;

    if (step == ErrorDeleteStep) {
        // Whatever the delete's outcome, the error list is read right after it.
        m_polls.errorPollServed(ErrorPollReload);
    }

    if (res.Invalid) {
        WBusLayer::WBUS_StepOnErrorSkip(r, out, res.Value);
        if (step == NameCheckStep) {
            const bool rejected = res.Value == BusCode::Rejected ||
                                  res.Value == BusCode::TooShort ||
                                  res.Value == BusCode::WrongAnswer;
            // A unit that answers but not with a name is not the chosen heater.
            if (rejected || out.Step == out.ErrorStep)
                DIAG_IdentityCheckFailed(m_session, rejected, out);
            return;
        }
        settle(out);
        return;
    }

    out.Step = step + 1;
    switch (step) {
        case NameCheckStep:
            if (res.Text != "KX3090") e.PendingMismatch = true;
            RegisterDataPoints();
            e.dataPoints.DP_SetValue("CFGNAME", 0, res.Text, 0);
            break;
        case LiveValuesStep:
            callHook(v.OverviewShowValues);
            callHook(v.TrendShowValues);
            callHook(v.CalibrationShowValues);
            break;
        case ErrorListStep:
            if (TOOL_Round<int32_t>(e.dataPoints.DP_GetValue("OVRERRCNT").Value) != 0) {
                out.Step = ErrorEntryFirst;
            } else {
                callHook(v.ErrorShowValues);
                out.Step = CycleStep;
            }
            break;
        case RefreshStep:
            if (res.Text.empty() || static_cast<uint8_t>(res.Text[0]) != 0) {
                m_refreshActive = false;
                m_refreshDue = false;
            }
            break;
        default:
            if (step >= ErrorEntryFirst && step <= ErrorReadEnd &&
                TOOL_Round<int32_t>(e.dataPoints.DP_GetValue("OVRERRCNT").Value) <
                    m_session.buses().wbus.WBUS_GetErrorIndex())
                out.Step = ErrorReadEnd;
            break;
    }
    settle(out);
}

void KX3090Module::settle(TUSBREQ& out) {
    ViewHooks& v = m_session.views;
    switch (out.Step) {
        case IdentEndStep:
        case OffEnd:
        case PumpEnd:
        case RefreshEnd:
            out.Step = CycleStep;
            return;
        case DecisionStep:
            decisionStep(out);
            return;
        case OperatingDataEnd:
            callHook(v.OperatingDataShowValues);
            out.Step = CycleStep;
            return;
        case ErrorReadEnd:
            callHook(v.ErrorShowValues);
            out.Step = CycleStep;
            return;
        default:
            return;
    }
}

void KX3090Module::decisionStep(TUSBREQ& out) {
    DIAG_ReportSessionUp(m_session, m_firstPass);
    if (m_polls.operatingDataDue) {
        m_polls.operatingDataDue = false;
        out.Step = OperatingDataStep;
    } else if (m_offPending) {
        m_offPending = false;
        out.Step = OffStep;
    } else if (m_pumpPending) {
        m_pumpPending = false;
        out.Step = PumpStep;
    } else if (m_refreshDue) {
        m_refreshDue = false;
        out.Step = RefreshStep;
    } else if (m_errorDeletePending) {
        m_errorDeletePending = false;
        out.Step = ErrorDeleteStep;
    } else if (m_polls.errorPollDue) {
        m_polls.errorPollDue = false;
        out.Step = ErrorListStep;
    } else {
        out.Step = CycleStep;
    }
}
