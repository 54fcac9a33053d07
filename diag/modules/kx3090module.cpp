#include "kx3090module.h"

#include "diagsession.h"
#include "modulehelpers.h"
#include "rounding.h"

namespace {

struct ReplyCheck {
    uint8_t minimumLength, command, sub;
};

constexpr uint8_t NoSub = 255;

// What each step's answer is checked against (minimum length, command, expected sub).
bool replyCheckOf(int32_t step, ReplyCheck& c) {
    static const uint8_t identMin[] = {6, 11, 7, 4, 4, 2, 2};  // subs 1..7
    if (step >= 14 && step <= 20) {
        c = {identMin[step - 14], 0x51, static_cast<uint8_t>(step - 13)};
        return true;
    }
    if (step >= 60 && step <= 69) {
        c = {12, 0x56, 2};
        return true;
    }
    switch (step) {
        case 10: c = {9, 0x51, 11}; return true;
        case 11: c = {2, 0x51, 10}; return true;
        case 12: c = {2, 0x51, 12}; return true;
        case 13: c = {7, 0x38, NoSub}; return true;
        case 21: c = {3, 0x51, 9}; return true;
        case 22: c = {15, 0x53, 2}; return true;
        case 23: c = {2, 0x50, 4}; return true;
        case 30: c = {6, 0x50, 2}; return true;
        case 31: c = {2, 0x50, 3}; return true;
        case 32: c = {9, 0x50, 5}; return true;
        case 33: c = {7, 0x50, 7}; return true;
        case 34: c = {3, 0x60, 160}; return true;
        case 35: c = {6, 0x50, 15}; return true;
        case 40: c = {9, 0x50, 6}; return true;
        case 50: c = {0, 0x56, NoSub}; return true;
        case 51: c = {2, 0x56, 1}; return true;
        case 70: c = {0, 0x10, NoSub}; return true;
        case 75: c = {1, 0x24, NoSub}; return true;
        case 80: c = {1, 0x44, NoSub}; return true;
        default: return false;
    }
}

}  // namespace

void KX3090Module::RegisterDataPoints(const ByteString&) {
    m_firstPass = true;
    m_offPending = m_pumpPending = m_refreshActive = m_refreshDue = false;
    // A delete confirmed in an earlier session must never reach this (maybe other) heater.
    m_errorDeletePending = false;
    MainEngine& e = m_session.engine();
    e.dataPoints.DP_Clear();
    registerPoints();
    e.DIAG_Timer().stop();
    m_polls.restart();
    e.DIAG_Timer().start();
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
    if (step == 10 || step == 11) out.ErrorStep = 7;
    if (step == 30) out.ErrorStep = 7;
    if (step >= 14 && step <= 20) {
        sent = send(0x51, {static_cast<long double>(step - 13)});
    } else if (step >= 60 && step <= 68) {
        // The entry's code as one byte, taken from the error list already read.
        const int32_t index = m_session.buses().wbus.WBUS_GetErrorIndex();
        const TResult code = m_session.engine().dataPoints.DP_GetValue("ERRCODE" + std::to_string(index));
        sent = send(0x56, {2}, ByteString(1, static_cast<char>(TOOL_Round<uint8_t>(code.Value))));
    } else {
        switch (step) {
            case 10: sent = send(0x51, {11}); break;
            case 11: sent = send(0x51, {10}); break;
            case 12: sent = send(0x51, {12}); break;
            case 13: sent = send(0x38, {}); break;
            case 21: sent = send(0x51, {9}); break;
            case 22: sent = send(0x53, {2}); break;
            case 23: sent = send(0x50, {4}); break;
            case 30: sent = send(0x50, {2}); break;
            case 31: sent = send(0x50, {3}); break;
            case 32: sent = send(0x50, {5}); break;
            case 33: sent = send(0x50, {7}); break;
            case 34: sent = send(0x60, {0xA0}); break;
            case 35: sent = send(0x50, {15}); break;
            case 40: sent = send(0x50, {6}); break;
            case 50: sent = send(0x56, {3}); break;
            case 51: sent = send(0x56, {1}); break;
            case 70: sent = send(0x10, {}); break;
            case 75: sent = send(0x24, {60}); break;
            case 80: sent = send(0x44, {static_cast<long double>(m_refreshCommand), 0}); break;
            default:
                // A step without a request goes back to the cyclic reads and sends nothing
                // now; the next round sends.
                out.Step = 30;
                return;
        }
    }
    out.Active = sent ? 1 : 0;
}

void KX3090Module::EvaluateReply(const TUSBREQ& r, TUSBREQ& out) {
    out = r;
    ReplyCheck c;
    if (!replyCheckOf(r.Step, c)) {
        out.Step = 30;
        settle(out);
        return;
    }
    TResult res;
    m_session.buses().wbusV.WBUS_ReadAndDecodeV(r.Reply, c.minimumLength, c.command, c.sub, res);
    MainEngine& e = m_session.engine();
    ViewHooks& v = m_session.views;
    const int32_t step = r.Step;

    if (step == 50) {
        // Whatever the delete's outcome, the error list is read right after it.
        m_polls.errorPollServed(ErrorPollReload);
    }

    if (res.Invalid) {
        WBusLayer::WBUS_StepOnErrorSkip(r, out, res.Value);
        if (step == 10) {
            const bool rejected = res.Value == BusCode::Rejected || res.Value == BusCode::TooShort ||
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
        case 10:
            if (res.Text != "KX3090") e.PendingMismatch = true;
            RegisterDataPoints();
            e.dataPoints.DP_SetValue("CFGNAME", 0, res.Text, 0);
            break;
        case 35:
            callHook(v.OverviewShowValues);
            callHook(v.TrendShowValues);
            callHook(v.CalibrationShowValues);
            break;
        case 51:
            if (TOOL_Round<int32_t>(e.dataPoints.DP_GetValue("OVRERRCNT").Value) != 0) {
                out.Step = 60;
            } else {
                callHook(v.ErrorShowValues);
                out.Step = 30;
            }
            break;
        case 80:
            if (res.Text.empty() || static_cast<uint8_t>(res.Text[0]) != 0) {
                m_refreshActive = false;
                m_refreshDue = false;
            }
            break;
        default:
            if (step >= 60 && step <= 69 &&
                TOOL_Round<int32_t>(e.dataPoints.DP_GetValue("OVRERRCNT").Value) <
                    m_session.buses().wbus.WBUS_GetErrorIndex())
                out.Step = 69;
            break;
    }
    settle(out);
}

void KX3090Module::settle(TUSBREQ& out) {
    ViewHooks& v = m_session.views;
    switch (out.Step) {
        case 24:
        case 71:
        case 76:
        case 81:
            out.Step = 30;
            return;
        case 36:
            decisionStep(out);
            return;
        case 41:
            callHook(v.OperatingDataShowValues);
            out.Step = 30;
            return;
        case 69:
            callHook(v.ErrorShowValues);
            out.Step = 30;
            return;
        default:
            return;
    }
}

void KX3090Module::decisionStep(TUSBREQ& out) {
    if (m_firstPass) {
        m_firstPass = false;
        DIAG_ReportSessionUp(m_session);
    }
    if (m_polls.operatingDataDue) {
        m_polls.operatingDataDue = false;
        out.Step = 40;
    } else if (m_offPending) {
        m_offPending = false;
        out.Step = 70;
    } else if (m_pumpPending) {
        m_pumpPending = false;
        out.Step = 75;
    } else if (m_refreshDue) {
        m_refreshDue = false;
        out.Step = 80;
    } else if (m_errorDeletePending) {
        m_errorDeletePending = false;
        out.Step = 50;
    } else if (m_polls.errorPollDue) {
        m_polls.errorPollDue = false;
        out.Step = 51;
    } else {
        out.Step = 30;
    }
}
