#include "calibration.h"

#include <algorithm>

#include "devicelist.h"
#include "diagsession.h"
#include "kx3166module.h"
#include "rounding.h"
#include "textconv.h"
#include "translate.h"

#define CTX "TKALI_ALL_Form"

namespace {

// The help topic of the CO2 adjustment's first box.
constexpr int kCo2HelpContext = 410;

TParamlist paramsOf(std::initializer_list<long double> values) {
    TParamlist p;
    size_t k = 1;
    for (long double v : values) p[k++].Value = v;
    return p;
}

uint8_t byteAt(const ByteString& d, size_t i) {
    return i < d.size() ? static_cast<uint8_t>(d[i]) : 0;
}

using C = Calibration;
constexpr C::Flag NoFlag = C::FlagCount;

// What the calibrations do with the unit of one device class: everything of them that differs
// between the classes is here.
struct CalibrationClass {
    // The unit's supply voltage is calibrated.
    bool voltage = false;
    // The CO2 adjustment: the class's pending flags (first..last) and the one each request
    // sets. The stabilised request without a flag clears them all; a class without a save
    // flag stores the new speed with its finish.
    bool co2 = false;
    C::Flag first = NoFlag, last = NoFlag;
    C::Flag start = NoFlag, stabilised = NoFlag, finish = NoFlag, cancel = NoFlag;
    C::Flag save = NoFlag, assign = NoFlag;
    // The operating states the adjustment starts from.
    int32_t states[3] = {0, 0, 0};
    int stateCount = 0;
    // The heater runs by the main switch line its module keeps.
    bool mainSwitchLine = false;
};

// Index = device class.
// clang-format off
const CalibrationClass kClasses[] = {
    {},  // dcNone
    {true},  // dcKX3090
    {},  // dcKX3024
    {false, true, C::Start3, C::Assign3,  // dcKX3117
     C::Start3, C::Stabilised3, C::Finish3, C::Cancel3, NoFlag, C::Assign3,
     {0x0300, 0x0500}, 2, false},
    {},  // dcKX3141
    {false, true, C::Start5, C::Stop5,  // dcKX3166
     C::Start5, NoFlag, C::Stop5, C::Stop5, C::Save5, C::Assign5,
     {0, 2, 4}, 3, true},
};
// clang-format on

const CalibrationClass& classOf(uint8_t deviceClass) {
    constexpr size_t n = sizeof kClasses / sizeof kClasses[0];
    return deviceClass < n ? kClasses[deviceClass] : kClasses[dcNone];
}

}  // namespace

Calibration::Calibration(DiagSession& session, ITimerFactory& timers)
    : m_session(session), m_engine(session.engine()), m_timer(timers.createTimer()) {
    m_timer->setInterval(1000);
    m_timer->onTimeout = [this] { KALI_CO2_Timer(); };
    m_engine.clients().setClient(ClientSlot::Calibration, this);
    m_session.views.CalibrationShowValues = [this] { ShowValues(); };
}

Calibration::~Calibration() {
    m_timer->stop();
    m_engine.clients().setClient(ClientSlot::Calibration, nullptr);
    m_session.views.CalibrationShowValues = nullptr;
}

ByteString Calibration::faultText() {
    return TR(CTX,
              "     Es ist eine Störung aufgetreten,\r\n"
              "     beheben Sie zunächst die Fehlerursache.     ");
}

int Calibration::box(MsgKind kind, const ByteString& text, int buttons, int helpContext) {
    return m_engine.userInteraction().messageBox(kind, text, buttons, helpContext);
}

// ---- broadcasts ----

bool Calibration::heaterMayRun() const {
    if (!m_heaterOn) return false;
    if (!classOf(DeviceClass).mainSwitchLine || !m_offAsked) return true;
    // The module keeps the line's off state and sends it with every refresh once it took it.
    const KX3166Module* m = m_session.moduleAs<KX3166Module>(dcKX3166);
    return m && m->pending(KX3166Module::HSOff);
}

void Calibration::linkLost() {
    // The technician is told once what the interruption may have left running or unsure.
    if (heaterMayRun()) {
        m_engine.flagServiceInterrupted(TR(CTX, "Die CO2-Einstellung"), TR(CTX, "Heizgerät"));
        if (m_storeUncertain) m_engine.PendingCalibrationUncertain = true;
    } else if (m_voltageSent) {
        m_engine.flagServiceInterrupted(TR(CTX, "Die Spannungskalibrierung"), ByteString());
        m_engine.PendingVoltageFail = false;  // this message says more
    }
    m_heaterOn = m_offAsked = m_voltageSent = m_storeUncertain = false;
    endDialogs(ResultFault);
    Voltage = -1.0;
    PendingFlags.fill(false);
    m_timer->stop();
    if (view.enableInput) view.enableInput(false);
}

void Calibration::SetLinkState(bool adapterReady) {
    if (adapterReady == LinkUp) return;
    LinkUp = adapterReady;
    if (!adapterReady) linkLost();
}

void Calibration::SetDeviceClass(uint8_t deviceClass) {
    if (deviceClass == DeviceClass) return;
    DeviceClass = deviceClass;
    if (!LinkUp) return;
    if (deviceClass == dcNone) {
        linkLost();
        return;
    }
    if (classOf(deviceClass).voltage && Voltage == -1.0) Voltage = 24.0;
    if (view.enableInput) view.enableInput(true);
}

void Calibration::ShowValues() {
    if (!classOf(DeviceClass).co2) return;
    const DataPointTable& dp = m_engine.dataPoints;
    if (view.wait) view.wait->SetStateText(dp.DP_GetValue("OVRZUSTAND").Text);
    if (view.edit) view.edit->SetActualSpeed(dp.DP_GetValue("OVRBGRPM").Text);
}

bool Calibration::CO2StateAllowed() const {
    const CalibrationClass& c = classOf(DeviceClass);
    const int32_t s = m_session.OperatingState;
    return std::find(c.states, c.states + c.stateCount, s) != c.states + c.stateCount;
}

// ---- dialogs ----

void Calibration::endWait(int result) {
    if (view.wait && view.wait->isShown()) view.wait->end(result);
}

void Calibration::endEdit(int result) {
    if (view.edit && view.edit->isShown()) view.edit->end(result);
}

void Calibration::endDialogs(int result) {
    endWait(result);
    endEdit(result);
}

// ---- voltage calibration ----

void Calibration::VoltageExit() {
    if (!view.voltageEdit) return;
    Voltage = TOOL_EditFloat(m_engine.userInteraction(), *view.voltageEdit, 3, Voltage, 9.0, 32.0);
}

void Calibration::RunVoltageAdjust() {
    if (view.voltageEdit) view.voltageEdit->setText(TOOL_FormatFloat(Voltage, 3));
    const int result = view.showVoltageDialog ? view.showVoltageDialog() : ResultFailed;
    if (result == ResultOk) Req.Step = StepVoltage;
}

// ---- CO2 adjustment ----

void Calibration::ReportNotStarted() {
    RequestFinish();
    box(MsgKind::Error, TR(CTX, "     Das Heizgerät konnte nicht gestartet werden.      "), MB_OK);
}

void Calibration::ReportFaultStop() {
    RequestFinish();
    box(MsgKind::Error, faultText(), MB_OK);
}

void Calibration::ReportFault() {
    m_timer->stop();
    box(MsgKind::Error, faultText(), MB_OK);
}

void Calibration::ReportStateNotAllowed() {
    m_timer->stop();
    box(MsgKind::Error,
        TR(CTX,
           "     Die CO2-Einstellung ist nur aus den Zuständen \"Einsatzbereit\"     \r\n"
           "     oder \"Umwälzpumpe ohne Heizfunktion\" möglich.      "),
        MB_OK);
}

void Calibration::RunCO2Adjust() {
    StartSpeed = -1;
    m_storingNew = m_storeUncertain = false;
    m_offRetries = 0;
    if (!CO2StateAllowed()) {
        ReportStateNotAllowed();
        return;
    }
    if (box(MsgKind::Warning,
            TR(CTX,
               "     Zur Ausführung dieser Funktion\r\n"
               "     ist ein CO2-Messgerät erforderlich.     "),
            MB_OK | MB_CANCEL, kCo2HelpContext) != MB_OK)
        return;
    if (box(MsgKind::Question,
            TR(CTX, "     Heizgerät für die CO2-Einstellung jetzt starten?     "), MB_YES | MB_NO,
            kCo2HelpContext) != MB_YES)
        return;
    if (!CO2StateAllowed()) {
        ReportStateNotAllowed();
        return;
    }
    if (!linkOk() || !view.wait || !view.edit) {
        ReportFault();
        return;
    }
    RequestStart();
    switch (view.wait->Execute()) {
        case ResultOk:
            break;
        case ResultFault:
            ReportFaultStop();
            return;
        case ResultFailed:
            ReportNotStarted();
            return;
        default:
            RequestCancel();
            return;
    }
    const int result = view.edit->Execute(MinSpeed, MaxSpeed, StartSpeed);
    if (result == ResultOk) {
        const ByteString question = TR(CTX, "     Soll die Einstellung ") +
                                    std::to_string(AssignedSpeed) + " " + TR(CTX, "U/min") +
                                    TR(CTX, " übernommen werden?     ");
        if (box(MsgKind::Question, question, MB_YES | MB_NO) == MB_YES) {
            m_storingNew = true;
            if (classOf(DeviceClass).save == NoFlag)
                RequestFinish();
            else
                RequestSaveFam5();
        } else {
            RequestCancel();
        }
    } else if (result == ResultFault || result == ResultFailed) {
        ReportFaultStop();
    } else {
        RequestCancel();
    }
}

// ---- request operations ----

void Calibration::setOnly(Flag f, Flag first, Flag last) {
    // Without a link nothing is kept for a later one: the session has ended with it, and a
    // reopened adapter may lead to another unit.
    if (!linkOk()) return;
    for (int i = first; i <= last; ++i) PendingFlags[i] = false;
    PendingFlags[f] = true;
}

void Calibration::RequestStart() {
    const CalibrationClass& c = classOf(DeviceClass);
    if (c.co2) setOnly(c.start, c.first, c.last);
}

void Calibration::RequestStabilised() {
    const CalibrationClass& c = classOf(DeviceClass);
    if (!c.co2) return;
    if (c.stabilised != NoFlag)
        setOnly(c.stabilised, c.first, c.last);
    else
        for (int i = c.first; i <= c.last; ++i) PendingFlags[i] = false;
}

void Calibration::RequestFinish() {
    const CalibrationClass& c = classOf(DeviceClass);
    if (c.co2) setOnly(c.finish, c.first, c.last);
    m_timer->stop();
}

void Calibration::RequestCancel() {
    const CalibrationClass& c = classOf(DeviceClass);
    if (c.co2) setOnly(c.cancel, c.first, c.last);
    m_timer->stop();
}

void Calibration::RequestSaveFam5() {
    const CalibrationClass& c = classOf(DeviceClass);
    if (c.save != NoFlag) setOnly(c.save, c.first, c.last);
    m_timer->stop();
}

void Calibration::AssignSpeed(int32_t speed) {
    const CalibrationClass& c = classOf(DeviceClass);
    if (c.co2 && linkOk()) PendingFlags[c.assign] = true;
    AssignedSpeed = speed;
}

// ---- supervision ----

void Calibration::KALI_CO2_Timer() {
    bool keepAliveTick = false;
    if (++TickCount >= 15) {
        TickCount = 0;
        keepAliveTick = true;
    }
    const int32_t state = m_session.OperatingState;
    const bool heating5 = state == 14 || state == 15;
    switch (Phase) {
        case PhaseStarting3:
            PendingFlags[KeepAlive3] = keepAliveTick;
            if (!linkOk()) {
                endWait(ResultFailed);
            } else if (state == 0x1000) {
                Phase = PhaseStabilising3;
                Seconds = 0;
                if (view.wait) view.wait->SetStage(1);
            } else if (state == 0x0700) {
                endWait(ResultFault);
            }
            break;
        case PhaseStabilising3:
            PendingFlags[KeepAlive3] = keepAliveTick;
            ++Seconds;
            if (view.wait) view.wait->SetTime(Seconds);
            if (!linkOk())
                endWait(ResultFailed);
            else if (Seconds > StabiliseSeconds)
                RequestStabilised();
            break;
        case PhaseAdjusting3:
            PendingFlags[KeepAlive3] = keepAliveTick;
            if (!linkOk()) endEdit(ResultFailed);
            break;
        case PhaseStarting5:
            if (!linkOk()) {
                endWait(ResultFailed);
            } else if (heating5) {
                Phase = PhaseStabilising5;
                Seconds = 1;
                if (view.wait) view.wait->SetStage(1);
            } else if (state == 6 || state == 7) {
                endWait(ResultFault);
            }
            break;
        case PhaseStabilising5:
            ++Seconds;
            if (view.wait) view.wait->SetTime(Seconds);
            if (!linkOk()) {
                endWait(ResultFailed);
            } else if (Seconds > StabiliseSeconds) {
                endWait(ResultOk);
                Phase = PhaseAdjusting5;
                if (view.wait) view.wait->SetStage(2);
            } else if (!heating5) {
                endWait(ResultFault);
            }
            break;
        case PhaseAdjusting5:
            if (!linkOk())
                endEdit(ResultFailed);
            else if (!heating5)
                endEdit(ResultFault);
            break;
        default:
            break;
    }
}

// ---- requests ----

void Calibration::stopHeaterLine() {
    if (KX3166Module* m = m_session.moduleAs<KX3166Module>(dcKX3166)) {
        m->KX3166_RequestHSOff();
        m_offAsked = true;
        // Its outcome is known now: the line goes off with the module's next round.
        if (m_storeUncertain) m_engine.PendingCalibrationUncertain = true;
        m_storeUncertain = false;
    }
}

bool Calibration::afterFailedFinish(int32_t step) {
    // Only a refusal says the unit did not take it; a store whose answer never came, came
    // late or answered another request may have been carried out all the same.
    const bool refused = BUS_UnitRefused(m_failCode);
    const bool storeFailed = (step == StepFinishError && m_sentStep == StepStore) ||
                             (step == StepSBusError && m_sentStep == StepSBusStore);
    if (storeFailed && m_storingNew && !refused) m_storeUncertain = true;
    if (step != StepFinishError || !linkOk() || !m_heaterOn) return false;
    // Class 3: the heater still runs; it is switched off while the link allows it, and the
    // off is sent again after a failed answer up to the failure limit.
    if (m_sentStep == StepSwitchOff &&
        (BUS_CodeIs(m_failCode, BusCode::FailureLimit) || ++m_offRetries > BusCode::FailureLimit))
        return false;
    Req.Step = StepSwitchOff;
    return true;
}

void Calibration::takeFlag() {
    static const int32_t kStartStep[FlagCount] = {
        StepStart,  StepKeepAlive, StepStabilised, StepStore,     StepRestore,
        StepAssign, StepSBusStart, StepSBusAssign, StepSBusStore, StepSBusRestore};
    for (int i = 0; i < FlagCount; ++i) {
        if (!PendingFlags[i]) continue;
        PendingFlags[i] = false;
        if (i == Stop5 && StartSpeed == -1) {
            // Nothing was changed yet: only the main switch line goes off again.
            stopHeaterLine();
            return;
        }
        Req.Step = kStartStep[i];
        return;
    }
}

bool Calibration::sendStep() {
    BusLayers& b = m_session.buses();
    ByteString out;
    auto s = [&](uint8_t command, std::initializer_list<long double> p, int32_t errorStep) {
        Req.ErrorStep = errorStep;
        return b.wbusS.WBUS_BuildRequestS(command, static_cast<uint8_t>(p.size()), paramsOf(p),
                                          out);
    };
    auto m70 = [&](long double sub, long double speed) {
        Req.ErrorStep = StepSBusError;
        return b.sbus.SBUS_BuildRequest(0, 70, 2, paramsOf({sub, speed}), out);
    };
    switch (Req.Step) {
        case StepVoltage:
            Req.ErrorStep = StepVoltageError;
            return b.wbusV.WBUS_BuildRequestV(
                0x42, 2, paramsOf({1, static_cast<long double>(TOOL_Round64(Voltage * 1000))}),
                out);
        case StepStart:
            return s(0x57, {1}, StepStartError);
        case StepStartHeater:
            return s(0x21, {1}, StepStartError);
        case StepStartHeating:
            return s(0x20, {2}, StepStartError);
        case StepKeepAlive:
            return s(0x44, {32, 0}, StepStartError);
        case StepStabilised:
            return s(0x57, {4}, StepAdjustError);
        case StepAskStable:
            return s(0x57, {5}, StepAdjustError);
        case StepAssign:
            return s(0x57, {3, static_cast<long double>(AssignedSpeed / 100)}, StepAdjustError);
        case StepRestore:
            return s(0x57, {3, static_cast<long double>(StartSpeed / 100)}, StepFinishError);
        case StepStore:
            return s(0x57, {6}, StepFinishError);
        case StepSwitchOff:
            return s(0x10, {}, StepFinishError);
        case StepSBusStart:
            return m70(0, 0);
        case StepSBusAssign:
            return m70(1, AssignedSpeed / 100);
        case StepSBusStore:
            return m70(2, AssignedSpeed / 100);
        case StepSBusRestore:
            return m70(1, StartSpeed / 100);
        default:
            return false;
    }
}

bool Calibration::NextRequest() {
    Req.Active = 0;
    if (Req.Step == 0) takeFlag();
    const int32_t step = Req.Step;
    if (step == 0) return false;
    const bool voltage = step >= StepVoltage && step <= StepVoltageError;
    const CalibrationClass& c = classOf(DeviceClass);
    if (voltage ? !c.voltage : !c.co2) {
        Req.Step = 0;
        return false;
    }
    switch (step) {
        case StepVoltageRefused:
            Req.Step = 0;
            return false;
        case StepVoltageError:
            Req.Step = 0;
            m_voltageSent = false;
            // Without the link its interruption message has told it already.
            if (linkOk()) m_engine.PendingVoltageFail = true;
            return false;
        case StepStartError:
        case StepAdjustError:
        case StepFinishError:
            endDialogs(ResultFailed);
            m_timer->stop();
            Req.Step = step == StepAdjustError ? StepStore : 0;
            if (step == StepFinishError) {
                const bool offAgain = afterFailedFinish(step);
                // No box inside the reply path: the message waits for the GUI loop. A store
                // that may have been kept says so once the heater is off; a failed off is
                // a fault only once it is given up.
                if (m_sentStep != StepSwitchOff ? !m_storeUncertain : !offAgain)
                    m_engine.PendingCalibrationFault = true;
                if (offAgain) return NextRequest();
            }
            return false;
        case StepSBusError: {
            afterFailedFinish(step);
            const bool dialogShown =
                (view.wait && view.wait->isShown()) || (view.edit && view.edit->isShown());
            endDialogs(ResultFailed);
            m_timer->stop();
            Req.Step = 0;
            // With a dialog shown its ending restores the speed and switches off; without
            // one nobody else would, and the heater must not stay on.
            if (!dialogShown) stopHeaterLine();
            return false;
        }
        default:
            break;
    }
    if (sendStep()) {
        Req.Active = 1;
        m_sentStep = step;
        if (step == StepVoltage) m_voltageSent = true;
        // The start: the unit may take it unanswered.
        if (step == StepStartHeater) m_heaterOn = true;
    } else if (!m_engine.AdapterReady) {
        Req.Step = 0;  // not held over for a reopened adapter
    }
    return Req.Active != 0;
}

void Calibration::evaluate3(const ByteString& reply) {
    WBusDialectS& s = m_session.buses().wbusS;
    TResult res;
    const TUSBREQ before = Req;
    auto fail = [&](bool skip) {
        m_failCode = res.Value;
        if (skip)
            WBusLayer::WBUS_StepOnErrorSkip(before, Req, res.Value);
        else
            WBusLayer::WBUS_StepOnError(before, Req, res.Value);
    };
    switch (before.Step) {
        case StepStart:
            s.WBUS_ReadAndDecodeS(reply, 4, 0x57, 1, res);
            if (res.Invalid) return fail(false);
            StartSpeed = byteAt(res.Text, 1) * 100;
            MinSpeed = byteAt(res.Text, 2) * 100;
            MaxSpeed = byteAt(res.Text, 3) * 100;
            Req.Step = StepStartHeater;
            return;
        case StepStartHeater:
            s.WBUS_ReadAndDecodeS(reply, 0, 0x21, WBus::NO_SUB, res);
            if (res.Invalid) return fail(false);
            Req.Step = StepStartHeating;
            return;
        case StepStartHeating:
            s.WBUS_ReadAndDecodeS(reply, 0, 0x20, WBus::NO_SUB, res);
            if (res.Invalid) return fail(false);
            Phase = PhaseStarting3;
            if (view.wait) view.wait->SetStage(0);
            m_timer->start();
            Req.Step = 0;
            return;
        case StepKeepAlive:
            s.WBUS_ReadAndDecodeS(reply, 1, 0x44, WBus::NO_SUB, res);
            if (res.Invalid) return fail(false);
            Req.Step = byteAt(res.Text, 0) == 0 ? 0 : Req.ErrorStep;
            return;
        case StepStabilised:
            s.WBUS_ReadAndDecodeS(reply, 1, 0x57, 4, res);
            if (res.Invalid) return fail(false);
            Req.Step = StepAskStable;
            return;
        case StepAskStable: {
            s.WBUS_ReadAndDecodeS(reply, 2, 0x57, 5, res);
            if (res.Invalid) return fail(false);
            const uint8_t stable = byteAt(res.Text, 1);
            if (stable == 255) {
                Req.Step = StepAdjustError;
            } else if (stable == 0) {
                const int32_t within = StartSpeed < MinSpeed   ? MinSpeed
                                       : StartSpeed > MaxSpeed ? MaxSpeed
                                                               : StartSpeed;
                if (within != StartSpeed) {
                    StartSpeed = within;
                    AssignSpeed(within);
                }
                AssignedSpeed = StartSpeed;
                endWait(ResultOk);
                Phase = PhaseAdjusting3;
                if (view.wait) view.wait->SetStage(2);
                Req.Step = 0;
            } else {
                Req.Step = 0;  // asked again at the next tick
            }
            return;
        }
        case StepAssign:
            s.WBUS_ReadAndDecodeS(reply, 1, 0x57, 3, res);
            if (res.Invalid) return fail(false);
            Req.Step = 0;
            return;
        case StepRestore:
            s.WBUS_ReadAndDecodeS(reply, 0, 0x57, WBus::NO_SUB, res);
            if (res.Invalid) return fail(true);
            Req.Step = StepStore;
            return;
        case StepStore:
            s.WBUS_ReadAndDecodeS(reply, 1, 0x57, 6, res);
            if (res.Invalid) return fail(false);
            Req.Step = StepSwitchOff;
            return;
        case StepSwitchOff:
            s.WBUS_ReadAndDecodeS(reply, 0, 0x10, WBus::NO_SUB, res);
            if (res.Invalid) return fail(false);
            m_heaterOn = false;
            m_offRetries = 0;
            if (m_storeUncertain) m_engine.PendingCalibrationUncertain = true;
            m_storeUncertain = false;
            Req.Step = 0;
            return;
        default:
            return;
    }
}

void Calibration::evaluate5(const ByteString& reply) {
    TResult res;
    m_session.buses().sbus.SBUS_ReadAndDecode(0, reply, 5, 70, res);
    if (res.Invalid) {
        // A refusal too ends in the failure step: the steps after a refused request have no
        // request of their own and would leave the heater running.
        const TUSBREQ before = Req;
        m_failCode = res.Value;
        SBusLayer::SBUS_StepOnError(before, Req, res.Value);
        return;
    }
    switch (Req.Step) {
        case StepSBusStart:
            StartSpeed = AssignedSpeed = TOOL_Round32(res.Value);
            MinSpeed = byteAt(res.Text, 1) * 100;
            MaxSpeed = byteAt(res.Text, 2) * 100;
            Phase = PhaseStarting5;
            TickCount = 0;
            if (view.wait) view.wait->SetStage(0);
            if (KX3166Module* m = m_session.moduleAs<KX3166Module>(dcKX3166)) {
                m->KX3166_RequestHSOn();
                m_heaterOn = true;
                m_offAsked = false;
            }
            m_timer->start();
            break;
        case StepSBusStore:
        case StepSBusRestore:
            stopHeaterLine();
            break;
        default:
            break;
    }
    Req.Step = 0;
}

bool Calibration::EvaluateReply(uint8_t status, const ByteString& reply) {
    if (!Req.Active) return false;
    const int32_t step = Req.Step;
    m_engine.USB_UpdateStep(Req, status, reply, Req);
    Req.Active = 0;
    if (status != USB_REPLY_RECEIVED) return true;
    Req.Step = step;
    if (step == StepVoltage) {
        TResult res;
        m_session.buses().wbusV.WBUS_ReadAndDecodeV(reply, 3, 0x42, 1, res);
        const TUSBREQ before = Req;
        if (res.Invalid)
            WBusLayer::WBUS_StepOnErrorSkip(before, Req, res.Value);
        else
            Req.Step = 0;
        // Sent again (the same step) it is still under way; else its outcome is known.
        if (Req.Step != StepVoltage) m_voltageSent = false;
    } else if (step >= StepSBusStart) {
        evaluate5(reply);
    } else {
        evaluate3(reply);
    }
    return true;
}
