#include "kx3024module.h"

#include "diagsession.h"
#include "modulehelpers.h"
#include "textconv.h"

struct KX3024Module::StepRequest {
    uint8_t format;
    uint8_t service;
    uint8_t count;  // parameters p1, p2 used
    uint8_t p1, p2;
    uint8_t identifier;  // what the answer's D2 must be (KLine::ANY_IDENTIFIER: anything)
};

namespace {

using Request = KX3024Module::StepRequest;
constexpr uint8_t Any = KLine::ANY_IDENTIFIER;
constexpr uint8_t Data = KLine::FORMAT_DATA;
constexpr uint8_t NoEntry = 0xFF;  // the error-entry answer of an entry the unit does not have

// The steps the machine goes to by name. The steps between, which only run on to the next
// number, are their block's named start plus an offset.
constexpr int32_t StartStep = 10;          // start of communication
constexpr int32_t NameStep = 11;           // the three-character device name
constexpr int32_t IdentityCheckStep = 12;  // only a unit of this class refuses identifier 0x11
constexpr int32_t IdentRestStep = 13;      // a recognised unit enters here
constexpr int32_t ControlUnitIdStep = 15;  // the last identification read
constexpr int32_t IdentEndStep = 16;
constexpr int32_t CycleStep = 30;          // the overview pages 30..34
constexpr int32_t LampsFirst = 35;         // the lamp pages 35..38
constexpr int32_t TesterPresentStep = 39;  // keeps the unit's session; the live values are shown
constexpr int32_t DecisionStep = 40;
constexpr int32_t OperatingDataFirst = 50;  // the operating-data pages 50..53
constexpr int32_t OperatingDataEnd = 54;
constexpr int32_t ErrorDeleteStep = 60;
constexpr int32_t ErrorDeleteEnd = 61;
constexpr int32_t ErrorEntryFirst = 70;  // the error memory read: entry k at step 69 + k
constexpr int32_t ErrorReadEnd = 77;
constexpr int32_t StopSessionStep = 80;
constexpr int32_t StopSessionEnd = 81;

bool isErrorEntryStep(int32_t step) {
    return step >= ErrorEntryFirst && step < ErrorEntryFirst + KX3024Module::MaxErrorEntries;
}

// The request of each step that sends one.
bool requestOf(int32_t step, Request& q) {
    static const uint8_t overviewSubs[] = {2, 4, 6, 8, 9};  // steps 30..34
    static const uint8_t lampSubs[] = {1, 2, 3, 5};         // steps 35..38
    if (step >= CycleStep && step < LampsFirst) {
        q = {Data, 0x22, 2, 0x1D, overviewSubs[step - CycleStep], 0x1D};
        return true;
    }
    if (step >= LampsFirst && step < TesterPresentStep) {
        q = {Data, 0x22, 2, 0x1E, lampSubs[step - LampsFirst], 0x1E};
        return true;
    }
    if (step >= OperatingDataFirst && step < OperatingDataEnd) {
        q = {Data, 0x22, 2, 0x22, static_cast<uint8_t>(step - OperatingDataFirst), 0x22};
        return true;
    }
    if (isErrorEntryStep(step)) {
        q = {Data, 0xA1, 1, static_cast<uint8_t>(step - ErrorEntryFirst + 1), 0, Any};
        return true;
    }
    // clang-format off
    switch (step) {
        case StartStep: q = {KLine::FORMAT_START, 0x81, 0, 0, 0, Any}; return true;
        case NameStep: q = {Data, 0x21, 1, 4, 0, 4}; return true;
        case IdentityCheckStep: q = {Data, 0x21, 1, 0x11, 0, 0x11}; return true;
        case IdentRestStep: q = {Data, 0x21, 1, 2, 0, 2}; return true;
        case IdentRestStep + 1: q = {Data, 0x21, 1, 3, 0, 3}; return true;
        case ControlUnitIdStep: q = {Data, 0x22, 2, 0x21, 0, 0x21}; return true;
        case TesterPresentStep: q = {Data, 0x3E, 0, 0, 0, Any}; return true;
        case ErrorDeleteStep: q = {Data, 0x14, 0, 0, 0, Any}; return true;
        case StopSessionStep: q = {Data, 0x20, 0, 0, 0, Any}; return true;
        default: return false;
    }
    // clang-format on
}

uint8_t byteAt(const ByteString& text, size_t i) {
    return i < text.size() ? static_cast<uint8_t>(text[i]) : 0;
}

bool codeIs(const TResult& res, int code) {
    return res.Value == static_cast<long double>(code);
}

}  // namespace

void KX3024Module::RegisterDataPoints(const ByteString&) {
    m_firstPass = true;
    // A delete or a session end confirmed in an earlier session must never reach this (maybe
    // other) heater.
    m_errorDeletePending = false;
    m_stopSessionPending = false;
    DIAG_RegisterPolledPoints(m_session, m_polls, [this] { registerPoints(); });
}

void KX3024Module::OnTimer() {
    m_polls.tick(OperatingDataReload, ErrorPollReload);
}

bool KX3024Module::send(const StepRequest& q) {
    ByteString data;
    const TParamlist params =
        DM_Params({static_cast<long double>(q.p1), static_cast<long double>(q.p2)});
    return m_session.buses().kline.KLINE_BuildRequest(q.format, q.service, q.count, params, data);
}

void KX3024Module::BuildRequest(const TUSBREQ& r, TUSBREQ& out) {
    out = r;
    out.Active = 0;
    StepRequest q;
    if (!requestOf(r.Step, q)) {
        // A step without a request goes back to the cyclic reads and sends nothing now; the
        // next round sends.
        out.Step = CycleStep;
        return;
    }
    if (r.Step == StartStep) m_deviceName.clear();  // a name of an earlier unit must not survive
    if (r.Step >= StartStep && r.Step <= IdentRestStep) out.ErrorStep = ssEnd;
    out.Active = send(q) ? 1 : 0;
}

void KX3024Module::EvaluateReply(const TUSBREQ& r, TUSBREQ& out) {
    out = r;
    StepRequest q;
    if (!requestOf(r.Step, q)) {
        out.Step = CycleStep;
        return;
    }
    TResult res;
    m_session.buses().kline.KLINE_ReadAndDecode(r.Reply, q.service, q.identifier, res);
    MainEngine& e = m_session.engine();
    const int32_t step = r.Step;

    if (step == ErrorDeleteStep) {
        // Whatever the delete's outcome, the error memory is read right after it and the
        // periodic poll starts its interval again.
        m_polls.errorPollServed(ErrorPollReload);
    }
    if (step == IdentityCheckStep) {
        evaluateIdentityCheck(res, out);
        return;
    }
    if (res.Invalid) {
        KLineLayer::KLINE_StepOnErrorSkip(r, out, res.Value);
        // An answer to another request (a late or doubled one) says nothing about the entry
        // asked for: it is asked for again, and the failure limit ends a run of them. Going
        // on to the next entry could take its end marker for this one's and miscount.
        if (isErrorEntryStep(step) && codeIs(res, BusCode::WrongAnswer)) out.Step = step;
        // The stop of the unit's diagnostic session ends the component test's outputs: after
        // a refused, short or foreign answer it is asked again, up to the failure limit.
        if (step == StopSessionStep && !codeIs(res, BusCode::FailureLimit) &&
            ++m_stopSessionRetries <= BusCode::FailureLimit)
            out.Step = step;
        if (step == StartStep && out.Step == out.ErrorStep) {
            // No communication: wake the unit again, up to the limit.
            DIAG_IdentityCheckFailed(m_session, false, out, WakeupLimit);
            return;
        }
        settle(out);
        return;
    }
    if (isErrorEntryStep(step)) {
        evaluateErrorEntry(res, out);
        return;
    }

    out.Step = step + 1;
    switch (step) {
        case NameStep:
            m_deviceName = res.Text;  // the layer left the three name characters
            break;
        case ControlUnitIdStep:
            // The control unit's ident number: cells 2, 1, 0 of the EOL memory (D6, D5, D4).
            if (res.Text.size() >= 6) {
                const ByteString id{res.Text[5], res.Text[4], res.Text[3]};
                e.dataPoints.DP_SetValue("CFGSGID", 0, TOOL_BytesToHex(id), 0);
            }
            break;
        case TesterPresentStep: {
            ViewHooks& v = m_session.views;
            callHook(v.OverviewShowValues);
            callHook(v.TrendShowValues);
            callHook(v.CalibrationShowValues);
            break;
        }
        default:
            break;
    }
    settle(out);
}

// Step 12: the unit must refuse identifier 0x11; only a unit of this class does.
void KX3024Module::evaluateIdentityCheck(const TResult& res, TUSBREQ& out) {
    MainEngine& e = m_session.engine();
    if (!res.Invalid || codeIs(res, BusCode::WrongAnswer)) {
        // It read the identifier (or another one): not the chosen heater.
        DIAG_IdentityCheckFailed(m_session, true, out);
        return;
    }
    if (codeIs(res, BusCode::Rejected)) {
        // The unit refused this very request (the layer holds a refusal of another service
        // for an answer to another request, code 13).
        RegisterDataPoints();
        e.dataPoints.DP_SetValue("CFGNAME", 0, m_deviceName, 0);
        out.Step = IdentRestStep;
        return;
    }
    KLineLayer::KLINE_StepOnErrorSkip(out, out, res.Value);
}

// Steps 70..76 read entry k = step - 69. The layer took only the answer of entry k, which it
// has stored, or the unit's "no such entry".
void KX3024Module::evaluateErrorEntry(const TResult& res, TUSBREQ& out) {
    const int32_t step = out.Step;
    DataPointTable& dp = m_session.engine().dataPoints;
    if (byteAt(res.Text, 1) == NoEntry) {
        const int count = step - ErrorEntryFirst;
        dp.DP_SetValue("OVRERRCNT", 0, std::to_string(count), count);
        for (int n = count + 1; n <= MaxErrorEntries; ++n)
            dp.DP_SetValue("ERRCODE" + std::to_string(n), 0, "", 0);
        out.Step = ErrorReadEnd;
    } else if (step - ErrorEntryFirst + 1 == MaxErrorEntries) {
        dp.DP_SetValue("OVRERRCNT", 0, std::to_string(MaxErrorEntries), MaxErrorEntries);
        out.Step = ErrorReadEnd;
    } else {
        out.Step = step + 1;
    }
    settle(out);
}

void KX3024Module::settle(TUSBREQ& out) {
    ViewHooks& v = m_session.views;
    switch (out.Step) {
        case IdentEndStep:
        case StopSessionEnd:
            out.Step = CycleStep;
            return;
        case DecisionStep:
            decisionStep(out);
            return;
        case OperatingDataEnd:
            callHook(v.OperatingDataShowValues);
            out.Step = CycleStep;
            return;
        case ErrorDeleteEnd:
            out.Step = ErrorEntryFirst;
            return;
        case ErrorReadEnd:
            callHook(v.ErrorShowValues);
            callHook(v.OverviewShowValues);
            callHook(v.TrendShowValues);
            callHook(v.CalibrationShowValues);
            out.Step = CycleStep;
            return;
        default:
            return;
    }
}

void KX3024Module::decisionStep(TUSBREQ& out) {
    DIAG_ReportSessionUp(m_session, m_firstPass);
    if (m_errorDeletePending) {
        m_errorDeletePending = false;
        out.Step = ErrorDeleteStep;
    } else if (m_stopSessionPending) {
        m_stopSessionPending = false;
        m_stopSessionRetries = 0;
        out.Step = StopSessionStep;
    } else if (m_polls.operatingDataDue) {
        m_polls.operatingDataDue = false;
        out.Step = OperatingDataFirst;
    } else if (m_polls.errorPollDue) {
        m_polls.errorPollDue = false;
        out.Step = ErrorEntryFirst;
    } else {
        out.Step = CycleStep;
    }
}
