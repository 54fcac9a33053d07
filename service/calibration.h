// The two calibration procedures: the supply-voltage calibration of a class-1 control unit, and
// the CO2 adjustment of classes 3 (W-Bus dialect S) and 5 (S-Bus), in which the technician sets
// the blower speed of the running heater while watching a CO2 meter. A request client of the
// scheduler with a 1-second timer that supervises the running heater. Its two dialogs (wait
// for the start and the flame, choose the speed) are reached through the interfaces below; the
// windows are in ui/service/.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "devicelist.h"
#include "dialoghelpers.h"
#include "ports.h"
#include "records.h"
#include "requestclient.h"

class DiagSession;
class MainEngine;

// The wait dialog: the heater starts and the flame stabilises.
class ICo2WaitDialog {
public:
    virtual ~ICo2WaitDialog() = default;
    virtual int Execute() = 0;  // SetStage(0), modal; the result
    virtual void SetStage(int stage) = 0;
    virtual void SetStateText(const ByteString& text) = 0;
    virtual void SetTime(int seconds) = 0;
    virtual bool isShown() const = 0;
    virtual void end(int result) = 0;  // ends the running dialog with this result
};

// The speed dialog. Its "Zuweisen" hands the speed to Calibration::AssignSpeed.
class ICo2EditDialog {
public:
    virtual ~ICo2EditDialog() = default;
    virtual int Execute(int32_t minimum, int32_t maximum, int32_t current) = 0;
    virtual void SetActualSpeed(const ByteString& text) = 0;
    virtual bool isShown() const = 0;
    virtual void end(int result) = 0;
};

struct CalibrationView {
    ICo2WaitDialog* wait = nullptr;
    ICo2EditDialog* edit = nullptr;
    IEditControl* voltageEdit = nullptr;
    // The voltage dialog (the calibration window itself): 1 "&OK", 3 "&Abbrechen".
    std::function<int()> showVoltageDialog;
    std::function<void(bool on)> enableInput;
};

class Calibration : public IRequestClient {
public:
    enum Flag {
        Start3,
        KeepAlive3,
        Stabilised3,
        Finish3,
        Cancel3,
        Assign3,
        Start5,
        Assign5,
        Save5,
        Stop5,
        FlagCount
    };
    static constexpr int ResultOk = 1;
    static constexpr int ResultCancel = 2;
    static constexpr int ResultFailed = 3;
    static constexpr int ResultFault = 7;
    static constexpr int StabiliseSeconds = 120;

    // The request steps; 0 is idle.
    // The voltage calibration: its request, the end after a refusal, the error step.
    static constexpr int32_t StepVoltage = 1;
    static constexpr int32_t StepVoltageRefused = 2;
    static constexpr int32_t StepVoltageError = 3;
    // The CO2 adjustment over the W-Bus: the start reads the speeds and starts the heater, the
    // keep-alive, the question whether the flame is stable, the assignment of a speed, the
    // cancel restoring the start speed, the finish storing the speed and switching off; a
    // failure ends in the start's, the adjusting's or the finish's error step.
    static constexpr int32_t StepStart = 9;
    static constexpr int32_t StepStartHeater = 10;
    static constexpr int32_t StepStartHeating = 11;
    static constexpr int32_t StepKeepAlive = 12;
    static constexpr int32_t StepStabilised = 15;
    static constexpr int32_t StepAskStable = 20;
    static constexpr int32_t StepAssign = 30;
    static constexpr int32_t StepRestore = 40;
    static constexpr int32_t StepStore = 41;
    static constexpr int32_t StepSwitchOff = 42;
    static constexpr int32_t StepStartError = 50;
    static constexpr int32_t StepAdjustError = 51;
    static constexpr int32_t StepFinishError = 52;
    // The CO2 adjustment over the S-Bus (message 70) and its error step.
    static constexpr int32_t StepSBusStart = 60;
    static constexpr int32_t StepSBusAssign = 80;
    static constexpr int32_t StepSBusStore = 90;
    static constexpr int32_t StepSBusRestore = 100;
    static constexpr int32_t StepSBusError = 110;

    // The phases of the supervision timer: the heater starting, the flame stabilising and
    // the technician adjusting, for the W-Bus unit and for the S-Bus unit.
    static constexpr int32_t PhaseStarting3 = 0;
    static constexpr int32_t PhaseStabilising3 = 1;
    static constexpr int32_t PhaseAdjusting3 = 2;
    static constexpr int32_t PhaseStarting5 = 10;
    static constexpr int32_t PhaseStabilising5 = 11;
    static constexpr int32_t PhaseAdjusting5 = 12;

    Calibration(DiagSession& session, ITimerFactory& timers);
    ~Calibration() override;
    Calibration(const Calibration&) = delete;
    Calibration& operator=(const Calibration&) = delete;

    CalibrationView view;

    void RunVoltageAdjust();
    void RunCO2Adjust();
    // Leaving the voltage field.
    void VoltageExit();

    void SetLinkState(bool adapterReady);
    void SetDeviceClass(uint8_t deviceClass);
    void ShowValues();
    bool CO2StateAllowed() const;

    bool NextRequest() override;
    bool EvaluateReply(uint8_t status, const ByteString& reply) override;
    void KALI_CO2_Timer();

    // Request operations: they only set flags.
    void RequestStart();
    void RequestStabilised();
    void RequestFinish();
    void RequestCancel();
    void RequestSaveFam5();
    void AssignSpeed(int32_t speed);

    void ReportNotStarted();
    void ReportFaultStop();
    void ReportFault();
    void ReportStateNotAllowed();

    bool timerActive() const { return m_timer->isActive(); }
    static ByteString faultText();

    TUSBREQ Req;
    uint8_t DeviceClass = 0;
    bool LinkUp = false;
    long double Voltage = -1.0;
    int32_t MinSpeed = 0;
    int32_t MaxSpeed = 0;
    int32_t StartSpeed = -1;
    int32_t AssignedSpeed = 0;
    std::array<bool, FlagCount> PendingFlags{};
    int32_t Phase = 0;
    int32_t TickCount = 0;
    int32_t Seconds = 0;

private:
    void linkLost();
    void setOnly(Flag f, Flag first, Flag last);
    int box(MsgKind kind, const ByteString& text, int buttons, int helpContext = 0);
    void endDialogs(int result);
    void endWait(int result);
    void endEdit(int result);
    void takeFlag();
    bool sendStep();
    void evaluate3(const ByteString& reply);
    void evaluate5(const ByteString& reply);
    bool linkOk() const { return LinkUp && DeviceClass != dcNone; }
    void stopHeaterLine();
    // Whether the heater may still be running on the adjustment's start.
    bool heaterMayRun() const;
    // A step without a request after a failed store or switch-off (the finish's and the S-Bus error
    // step).
    bool afterFailedFinish(int32_t step);

    DiagSession& m_session;
    MainEngine& m_engine;
    std::unique_ptr<ITimer> m_timer;
    bool m_heaterOn = false;        // started by the adjustment, not yet seen switched off
    bool m_offAsked = false;        // class 5: the main switch line off was handed to the module
    bool m_voltageSent = false;     // the calibration request is under way
    bool m_storingNew = false;      // the store under way keeps the new speed
    bool m_storeUncertain = false;  // its answer failed (not a refusal): it may have been kept
    int32_t m_sentStep = 0;         // the step of the request under way
    long double m_failCode = 0;     // why its answer failed
    int m_offRetries = 0;
};
