#include "diagsession.h"

#include "translate.h"

#define CTX "TMAIN_Form"

namespace {

struct BusTiming {
    uint8_t bus, mode;
    int t1, t2, t3;    // bus configuration, ms
    int wake1, wake2;  // wake-up pattern, ms
};

// Bus configuration and wake-up per device class 1..6.
const BusTiming kClassTiming[7] = {
    {0, 0, 0, 0, 0, 0, 0},         // unused
    {0, 3, 5, 20, 550, 25, 50},    // 1 W-Bus
    {1, 6, 10, 0, 200, 25, 50},    // 2 K-Line
    {0, 3, 5, 20, 550, 25, 50},    // 3 W-Bus
    {2, 5, 0, 10, 500, 25, 175},   // 4 S-Bus
    {2, 5, 0, 10, 1000, 25, 175},  // 5 S-Bus
    {2, 5, 0, 0, 1000, 25, 175},   // 6 S-Bus boot loader
};
// Detection probes.
const BusTiming kDetectWBus = {0, 3, 5, 20, 500, 25, 50};
const BusTiming kDetectSBus = {2, 5, 0, 10, 500, 25, 175};
const BusTiming kDetectKLine = {1, 6, 10, 0, 200, 25, 50};

// Where a recognised unit's module takes over: the step after its identity check; class 2 after
// its identity check as well (13), the boot loader at its bus timing (50).
constexpr int32_t RecognisedEntry = ssModuleFirst + 1;
constexpr int32_t KLineRecognisedEntry = 13;
constexpr int32_t LoaderRecognisedEntry = 50;

bool isModuleClass(uint8_t c) {
    return c >= 1 && c <= 6;
}
bool isModuleStep(int32_t s) {
    return s >= ssModuleFirst && s <= ssModuleLast;
}

bool codeIn(long double code, std::initializer_list<int> codes) {
    for (int c : codes)
        if (code == c) return true;
    return false;
}

}  // namespace

DiagSession::DiagSession(MainEngine& engine)
    : m_engine(engine), m_buses([&] {
          BusEnvironment env = engine.busEnvironment();
          env.setOperatingState = [this](int32_t s) { DIAG_SetOperatingState(s); };
          return env;
      }()) {
    m_engine.clients().setClient(ClientSlot::Session, this);
    m_engine.sessionHooks.DIAG_StopModule = [this] { DIAG_StopModule(); };
    m_engine.sessionHooks.DIAG_UpdateTitle = [this] { DIAG_UpdateTitle(); };
    m_engine.DIAG_Timer().onTimeout = [this] { On_DIAG_Timer(); };
}

DiagSession::~DiagSession() {
    m_engine.clients().setClient(ClientSlot::Session, nullptr);
    m_engine.sessionHooks = SessionHooks{};
    m_engine.DIAG_Timer().stop();
    m_engine.DIAG_Timer().onTimeout = nullptr;
}

void DiagSession::setModule(uint8_t deviceClass, std::unique_ptr<DeviceModule> module) {
    if (isModuleClass(deviceClass)) m_modules[deviceClass] = std::move(module);
}

DeviceModule* DiagSession::module(uint8_t deviceClass) const {
    return isModuleClass(deviceClass) ? m_modules[deviceClass].get() : nullptr;
}

ByteString DiagSession::temperatureUnitText() const {
    return m_engine.TemperatureUnit == 1 ? "°F" : "°C";
}

void DiagSession::logLine(const ByteString& text) {
    m_engine.log().LogLine(LogColour::Black, text);
}

void DiagSession::DIAG_BeginSession(uint8_t deviceClass) {
    if (m_engine.SessionUp || deviceClass > dcLoader) return;
    m_engine.DeviceClass = deviceClass;
    m_engine.SessionStarted = true;
    SessionReq.Step = deviceClass == dcNone ? ssAutoWBusConfig : ssBusConfig;
    OperatingState = -1;
}

void DiagSession::DIAG_StopModule() {
    if (DeviceModule* m = module(m_engine.DeviceClass)) m->Stop();
}

void DiagSession::DIAG_UpdateTitle() {
    ByteString title = TR(CTX, "NAVIRON Calvix Test");
    if (SelectedDeviceIndex >= 0 && SelectedDeviceIndex < DeviceListRows)
        title += " [" + DEV_RowCaption(SelectedDeviceIndex) + "]";
    else if (m_engine.DetectedDeviceIndex != -1 &&
             !DEV_RowCaption(m_engine.DetectedDeviceIndex).empty())
        title += " [" + DEV_RowCaption(m_engine.DetectedDeviceIndex) + "]";
    callHook(m_engine.windowHooks.SetCaption, title);
}

void DiagSession::DIAG_SetOperatingState(int32_t state) {
    if (state == OperatingState) return;
    m_engine.log().LogStateChange(m_engine.DeviceClass, OperatingState, state);
    OperatingState = state;
    callHook(views.ComponentTestSetOperatingState, m_engine.DeviceClass, state);
}

void DiagSession::On_DIAG_Timer() {
    if (DeviceModule* m = module(m_engine.DeviceClass)) m->OnTimer();
    callHook(views.ComponentTestDiagTick);
    callHook(views.FlashDiagTick);
}

bool DiagSession::sendFrame(const ByteString& frame) {
    return m_engine.transport().SendFrame(frame);
}

bool DiagSession::sendBusConfig(uint8_t deviceClass) {
    const BusTiming& t = deviceClass == ssAutoWBusConfig    ? kDetectWBus
                         : deviceClass == ssAutoSBusConfig  ? kDetectSBus
                         : deviceClass == ssAutoKLineConfig ? kDetectKLine
                                                            : kClassTiming[deviceClass];
    ByteString frame;
    AdapterFrameProtocol::ADP_BuildBusConfig(t.bus, t.mode, t.t1, t.t2, t.t3, frame);
    return sendFrame(frame);
}

bool DiagSession::sendWakeup(uint8_t deviceClass) {
    const bool sbus =
        deviceClass == ssAutoSBusWakeup || (deviceClass >= dcKX3141 && deviceClass <= dcLoader);
    ByteString frame;
    AdapterFrameProtocol::ADP_BuildWakeup(25, sbus ? 175 : 50, frame);
    return sendFrame(frame);
}

void DiagSession::endWithMessage(bool MessageFlags::*flag) {
    m_engine.*flag = true;
    SessionReq.Step = ssIdle;
    m_engine.StopRequested = true;
}

bool DiagSession::DIAG_BuildRequest() {
    SessionReq.Active = 0;
    // A lost adapter ends the session like a stop: nothing more is sent, and the scheduler's
    // clean-up round runs in this same round.
    if (m_engine.AdapterLost) {
        SessionReq.Step = ssIdle;
        return false;
    }
    buildStep();
    return SessionReq.Active != 0;
}

void DiagSession::buildStep() {
    TUSBREQ& r = SessionReq;
    const uint8_t cls = m_engine.DeviceClass;
    auto sent = [&](bool ok, int32_t errorStep) {
        r.ErrorStep = errorStep;
        r.Active = ok ? 1 : 0;
    };
    TParamlist p;
    ByteString data;
    switch (r.Step) {
        case ssIdle:
            return;
        case ssBusConfig:
            if (!isModuleClass(cls)) {
                r.Step = ssIdle;
                return;
            }
            AttemptCount = 0;
            logLine(TR(CTX, "Diagnose gestartet"));
            if (!module(cls)) {
                // No module for this class in this program: nothing to diagnose. The log shows
                // the start and, once the scheduler has ended it, the stop.
                endWithMessage(&MessageFlags::PendingUnsupported);
                return;
            }
            sent(sendBusConfig(cls), ssEnd);
            return;
        case ssWakeup:
            if (!isModuleClass(cls)) {
                r.Step = ssIdle;
                return;
            }
            ++AttemptCount;
            m_buses.kline.KLINE_Reset();
            m_buses.wbus.WBUS_Reset();
            m_buses.sbus.SBUS_Reset();
            logLine(TR(CTX, "Wakeup..."));
            sent(sendWakeup(cls), ssEnd);
            return;
        case ssEnd:
            r.Step = ssIdle;
            m_engine.StopRequested = true;
            return;
        case ssAutoWBusConfig:
            logLine(TR(CTX, "Diagnose gestartet"));
            AttemptCount = 0;
            sent(sendBusConfig(ssAutoWBusConfig), ssAutoNoAdapterAck);
            return;
        case ssAutoWBusWakeup:
            ++AttemptCount;
            m_buses.wbus.WBUS_Reset();
            logLine(TR(CTX, "Wakeup..."));
            sent(sendWakeup(ssAutoWBusWakeup), ssAutoNoAdapterAck);
            return;
        case ssAutoWBusIdent:
            p[1].Value = 11;
            sent(m_buses.wbusV.WBUS_BuildRequestV(0x51, 1, p, data), ssAutoSBusConfig);
            return;
        case ssAutoSBusConfig:
            AttemptCount = 0;
            SBusProbeCount = 0;
            sent(sendBusConfig(ssAutoSBusConfig), ssAutoNoAdapterAck);
            return;
        case ssAutoSBusWakeup:
            ++AttemptCount;
            m_buses.sbus.SBUS_Reset();
            logLine(TR(CTX, "Wakeup..."));
            sent(sendWakeup(ssAutoSBusWakeup), ssAutoNoAdapterAck);
            return;
        case ssAutoSBusIdent:
            m_buses.sbus.SBUS_SetDeviceAddress(SBusProbeCount == 0 ? 7 : 3);
            sent(m_buses.sbus.SBUS_BuildRequest(0, 20, 0, p, data), ssAutoKLineConfig);
            return;
        case ssAutoKLineConfig:
            AttemptCount = 0;
            KLineName.clear();  // a name from an earlier unit must not survive this probe
            sent(sendBusConfig(ssAutoKLineConfig), ssAutoNoAdapterAck);
            return;
        case ssAutoKLineWakeup:
            ++AttemptCount;
            m_buses.kline.KLINE_Reset();
            logLine(TR(CTX, "Wakeup..."));
            sent(sendWakeup(ssAutoKLineWakeup), ssAutoNoAdapterAck);
            return;
        case ssAutoKLineStart:
            sent(m_buses.kline.KLINE_BuildRequest(KLine::FORMAT_START, 0x81, 0, p, data),
                 ssAutoNoAnswer);
            return;
        case ssAutoKLineName:
            p[1].Value = 4;
            sent(m_buses.kline.KLINE_BuildRequest(KLine::FORMAT_DATA, 0x21, 1, p, data),
                 ssAutoNoAnswer);
            return;
        case ssAutoKLineCheck:
            p[1].Value = 0x11;
            sent(m_buses.kline.KLINE_BuildRequest(KLine::FORMAT_DATA, 0x21, 1, p, data),
                 ssAutoNoAnswer);
            return;
        case ssAutoNoAdapterAck:
        case ssAutoWBusUnknown:
        case ssAutoKLineUnknown:
            endWithMessage(&MessageFlags::PendingNoConnectionManual);
            return;
        case ssAutoNoAnswer:
            endWithMessage(&MessageFlags::PendingNoConnection);
            return;
        case ssAutoNotSupported:
            endWithMessage(&MessageFlags::PendingUnsupported);
            return;
        default:
            break;
    }
    if (isModuleStep(r.Step)) {
        if (m_engine.StopRequested) {
            r.Step = ssIdle;
            return;
        }
        DeviceModule* m = module(cls);
        if (!m) {
            r.Step = r.ErrorStep;
            return;
        }
        TUSBREQ out;
        m->BuildRequest(r, out);
        r = out;
        return;
    }
    // A step the session does not know (e.g. after a rejected probe answer) ends it quietly.
    r.Step = ssIdle;
    m_engine.StopRequested = true;
}

bool DiagSession::DIAG_EvaluateReply(uint8_t status, const ByteString& reply) {
    if (!SessionReq.Active) return false;
    SessionReq.Reply = reply;
    SessionReq.Code = status;
    if (status == USB_REPLY_RECEIVED) {
        evaluateStep(reply);
    } else if (status >= 1 && status <= 4) {
        m_engine.LinkError = true;
        SessionReq.Step = ssEnd;
    }
    return true;
}

void DiagSession::evaluateStep(const ByteString& reply) {
    TUSBREQ& r = SessionReq;
    const uint8_t cls = m_engine.DeviceClass;
    AdapterFrameProtocol& adp = m_engine.adapterFrames;
    switch (r.Step) {
        case ssBusConfig:
            r.Step =
                isModuleClass(cls) && adp.ADP_CheckBusConfigAck(reply) ? ssWakeup : r.ErrorStep;
            return;
        case ssWakeup:
            r.Step =
                isModuleClass(cls) && adp.ADP_CheckWakeupAck(reply) ? ssModuleFirst : r.ErrorStep;
            return;
        case ssAutoWBusConfig:
            r.Step = adp.ADP_CheckBusConfigAck(reply) ? ssAutoWBusWakeup : ssAutoNoAdapterAck;
            return;
        case ssAutoWBusWakeup:
            r.Step = adp.ADP_CheckWakeupAck(reply) ? ssAutoWBusIdent : ssAutoNoAdapterAck;
            return;
        case ssAutoWBusIdent:
            evaluateWBusIdent(reply);
            return;
        case ssAutoSBusConfig:
            r.Step = adp.ADP_CheckBusConfigAck(reply) ? ssAutoSBusWakeup : ssAutoNoAdapterAck;
            return;
        case ssAutoSBusWakeup:
            r.Step = adp.ADP_CheckWakeupAck(reply) ? ssAutoSBusIdent : ssAutoNoAdapterAck;
            return;
        case ssAutoSBusIdent:
            evaluateSBusIdent(reply);
            return;
        case ssAutoKLineConfig:
            r.Step = adp.ADP_CheckBusConfigAck(reply) ? ssAutoKLineWakeup : ssAutoNoAdapterAck;
            return;
        case ssAutoKLineWakeup:
            r.Step = adp.ADP_CheckWakeupAck(reply) ? ssAutoKLineStart : ssAutoNoAdapterAck;
            return;
        case ssAutoKLineStart:
        case ssAutoKLineName:
        case ssAutoKLineCheck:
            evaluateKLine(reply);
            return;
        default:
            break;
    }
    if (isModuleStep(r.Step)) {
        DeviceModule* m = module(cls);
        if (!m) {
            r.Step = r.ErrorStep;
            return;
        }
        TUSBREQ out;
        m->EvaluateReply(r, out);
        r = out;
    }
}

void DiagSession::recognise(uint8_t deviceClass, const ByteString& identText, int32_t step,
                            int32_t row, const ByteString* name) {
    DeviceModule* m = module(deviceClass);
    if (!m) {
        // A unit this program has no module for is not supported.
        SessionReq.Step = ssAutoNotSupported;
        return;
    }
    m_engine.DeviceClass = deviceClass;
    m->RegisterDataPoints(identText);
    if (name) m_engine.dataPoints.DP_SetValue("CFGNAME", 0, *name, 0);
    SessionReq.Step = step;
    m_engine.DetectedDeviceIndex = row;
    DIAG_UpdateTitle();
}

void DiagSession::evaluateWBusIdent(const ByteString& reply) {
    TResult res;
    m_buses.wbusV.WBUS_ReadAndDecodeV(reply, 2, 0x51, 11, res);
    if (res.Invalid) {
        TUSBREQ out;
        WBusLayer::WBUS_StepOnErrorSkip(SessionReq, out, res.Value);
        // A well-formed but rejected answer is a failed W-Bus probe, like no answer.
        if (out.Step != SessionReq.Step) out.Step = ssAutoSBusConfig;
        SessionReq = out;
        return;
    }
    if (res.Text == "KX3090")
        recognise(dcKX3090, "", RecognisedEntry, 0, &res.Text);
    else if (res.Text == "KX3117")
        recognise(dcKX3117, "", RecognisedEntry, 2, &res.Text);
    else
        SessionReq.Step = ssAutoWBusUnknown;
}

void DiagSession::evaluateSBusIdent(const ByteString& reply) {
    TResult res;
    m_buses.sbus.SBUS_ReadAndDecode(0, reply, 2, 20, res);
    if (res.Invalid) {
        TUSBREQ out;
        SBusLayer::SBUS_StepOnErrorSkip(SessionReq, out, res.Value);
        SessionReq.Step = out.Step;
        // Error step or a rejected answer: ask once more at the boot loader's address, then
        // give the K-Line its turn.
        if (out.Step != ssAutoSBusIdent) {
            m_buses.sbus.SBUS_Reset();
            ++SBusProbeCount;
            SessionReq.Step = SBusProbeCount < 2 ? ssAutoSBusIdent : ssAutoKLineConfig;
        }
        return;
    }
    const uint8_t cls = DEV_ClassOfSBusIdent(res.Text);
    if (cls == dcKX3141)
        recognise(cls, res.Text, RecognisedEntry, 3, nullptr);
    else if (cls == dcKX3166)
        recognise(cls, res.Text, RecognisedEntry, 4, nullptr);
    else if (cls == dcLoader)
        recognise(cls, res.Text, LoaderRecognisedEntry, 5, nullptr);
    else
        SessionReq.Step = ssAutoNotSupported;
}

void DiagSession::evaluateKLine(const ByteString& reply) {
    TUSBREQ& r = SessionReq;
    TResult res;
    const int32_t step = r.Step;
    const uint8_t service = step == ssAutoKLineStart ? 0x81 : 0x21;
    const uint8_t ident = step == ssAutoKLineStart  ? KLine::ANY_IDENTIFIER
                          : step == ssAutoKLineName ? 4
                                                    : 0x11;
    m_buses.kline.KLINE_ReadAndDecode(reply, service, ident, res);
    if (!res.Invalid) {
        if (step == ssAutoKLineName) KLineName = res.Text;
        r.Step = step == ssAutoKLineStart  ? ssAutoKLineName
                 : step == ssAutoKLineName ? ssAutoKLineCheck
                                           : ssAutoKLineUnknown;
        return;
    }
    if (step == ssAutoKLineCheck && res.Value == BusCode::Rejected) {
        // A negative answer to this request is how the class-2 unit shows itself.
        recognise(dcKX3024, "", KLineRecognisedEntry, 1, &KLineName);
        return;
    }
    TUSBREQ out;
    KLineLayer::KLINE_StepOnErrorSkip(r, out, res.Value);
    if (step == ssAutoKLineStart && out.Step == r.ErrorStep)
        out.Step = AttemptCount < 20 ? ssAutoKLineWakeup : ssAutoNoAnswer;
    // At the last check a wrong answer ends the probe like no answer at all.
    if (step == ssAutoKLineCheck && codeIn(res.Value, {BusCode::WrongAnswer}))
        out.Step = ssAutoNoAnswer;
    r = out;
}
