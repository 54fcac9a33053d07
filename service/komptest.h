// The component test: switches single heater components on for a chosen runtime, with an
// optional setpoint, and everything off again. The component list, the codes, the telegram and
// the checks before switching depend on the device class: classes 1 and 3 use the W-Bus command
// 0x45, class 2 the K-Line services 0x10 and 0x31, classes 4 and 5 the S-Bus messages 14 and 15;
// classes 3 and 5 need the test plug in place of the temperature sensor. It is a request client
// of the scheduler, has a 100 ms tick that ends timed class-5 tests, and leads into the pump
// pressure test. The window (ui/service/komptestform) only shows what this holds.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "dialoghelpers.h"
#include "records.h"
#include "requestclient.h"

class DiagSession;
class MainEngine;

// One component row's optional values.
struct KompParamEntry {
    bool HasSetpoint = false;
    bool HasRuntime = false;
    long double Setpoint = -1;
    long double SetpointMin = 0;
    long double SetpointMax = 0;
    ByteString UnitText;
    int32_t Runtime = -1;  // seconds; below 0 shows empty
    int32_t RuntimeMin = 0;
    int32_t RuntimeMax = 0;
};

struct KompRadio {
    bool shown = false;
    bool checked = false;
    ByteString caption;
};

// What the window gives the component test.
struct KompTestView {
    IEditControl* setpointEdit = nullptr;  // Edit1
    IEditControl* runtimeEdit = nullptr;   // Edit2
    // Radios, labels or buttons changed: the window shows them again.
    std::function<void()> refresh;
    // Shows the window modally; returns its modal result (2 when it was closed).
    std::function<int()> showModal;
    // The pump pressure test's countdown dialog: its modal result (1 time over, 2 cancelled,
    // 3 link lost).
    std::function<int()> runCountdown;
};

// How the pump pressure test of a device class switches the burner motor and the fuel valve.
struct KompPumpTest {
    // The class has the test (its component list has the pump-test row).
    bool runs = false;
    // The K-Line unit's way: its own texts, the temperature sensor and limiter unplugged and
    // the limiter bridged instead of the test plug, and the sensor must read nothing.
    bool sensorUnplugged = false;
    // The on command: component code, runtime, setpoint and its width; the off command has
    // the same width.
    uint8_t code = 0;
    uint8_t runtime = 0;
    int16_t setpoint = 0;
    bool wideSetpoint = true;
    // The caption labels of what is on while it runs (0: none), for the link-loss message.
    int onLabels[2] = {1, 9};
};
// The pump pressure test of a device class; a class without one gives runs false.
const KompPumpTest& KOMP_PumpTest(uint8_t deviceClass);

class KompTest : public IRequestClient {
public:
    static constexpr int RadioCount = 15;
    static constexpr int32_t NoCountdown = 65535;
    // 100 ms ticks of a standard-time test when the unit gives no usable default time.
    static constexpr int32_t FallbackCountdown = 600;
    static constexpr int HelpContext = 104;

    // The request steps; 0 is idle. Each request step goes on to its done step, or to its
    // error step after a failure.
    static constexpr int32_t StepWBus = 1;  // W-Bus command 0x45 (classes 1 and 3)
    static constexpr int32_t StepDone = 2;
    static constexpr int32_t StepError = 3;
    static constexpr int32_t StepKLineSession = 10;     // K-Line start of the session
    static constexpr int32_t StepKLineOutputs = 11;     // K-Line routine with the five outputs
    static constexpr int32_t StepKLineOutputsSet = 12;  // rests here until the next command
    static constexpr int32_t StepKLineDone = 30;
    static constexpr int32_t StepKLineError = 31;
    static constexpr int32_t StepSBusStart = 20;     // S-Bus message 14 (class 4)
    static constexpr int32_t StepSBusStop = 21;      // S-Bus message 15 (class 4)
    static constexpr int32_t StepCountedStart = 40;  // message 14 with setpoint (class 5)
    static constexpr int32_t StepCountedStop = 41;   // message 15 (class 5)
    // The caption label of the pump pressure test.
    static constexpr int PumpTestLabel = 17;

    explicit KompTest(DiagSession& session);
    ~KompTest() override;
    KompTest(const KompTest&) = delete;
    KompTest& operator=(const KompTest&) = delete;

    KompTestView view;

    // ---- broadcasts ----
    void SetLinkState(bool adapterReady);
    void SetDeviceClass(uint8_t deviceClass);
    void SetOperatingState(uint8_t deviceClass, int32_t state);

    // ---- the main window's entries ----
    int ExecuteWithTestPlug();
    int Execute();

    // ---- scheduler ----
    bool NextRequest() override;
    bool EvaluateReply(uint8_t status, const ByteString& reply) override;
    void DiagTick();

    // ---- the window's handlers ----
    void FormShow();
    void FormClose();
    void Button2Click() { KOMP_Switch(false, false); }
    void Button3Click();
    void RadioButtonClick(int tag);
    void Edit1Exit();
    void Edit2Exit();

    // ---- routines ----
    bool KOMP_CheckLink();
    void KOMP_SetCommand(uint8_t component, uint8_t runtime, bool closing, int16_t setpoint,
                         bool wideSetpoint);
    void KOMP_Switch(bool start, bool closing);
    void KOMP_EnableAll(bool on);
    void KOMP_BuildComponentList();
    void KOMP_SetRadio(int radio, bool shown, const ByteString& caption);
    void KOMP_SetParams(int entry, bool hasSetpoint, long double setpoint, long double setpointMin,
                        long double setpointMax, const ByteString& unitText, bool hasRuntime,
                        int32_t runtime, int32_t runtimeMin, int32_t runtimeMax);
    void KOMP_ShowParams();
    void KOMP_ShowSetpoint(long double x);
    void KOMP_ShowRuntime(int32_t n);
    bool KOMP_TestPlugPresent() const;
    void KOMP_PumpPressureTest(uint8_t variant);

    // ---- what the window shows ----
    const KompRadio& radio(int tag) const { return m_radios[validTag(tag) ? tag : 0]; }
    bool controlsEnabled() const { return m_enabled; }
    const ByteString& setpointUnitText() const { return m_setpointUnit; }  // Label4
    const ByteString& runtimeUnitText() const { return m_runtimeUnit; }    // Label3
    const KompParamEntry& params(int tag) const { return Params[validTag(tag) ? tag : 0]; }

    // ---- fields ----
    bool HeldAdapterReady = false;
    uint8_t HeldDeviceClass = 0;
    bool TestAllowed = false;
    TUSBREQ KompReq;
    int32_t SelectedEntry = 1;
    std::array<KompParamEntry, RadioCount + 1> Params{};
    uint8_t CmdComponent = 0;
    uint8_t LastStartedComponent = 0;
    uint8_t CmdRuntime = 0;
    int16_t CmdSetpoint = -1;
    bool CmdWideSetpoint = true;
    int32_t Countdown = 0;

    // The texts the window and the pump pressure test show.
    static ByteString notPossibleText();
    static ByteString testPlugText();

    // What the program switched on and has not seen switched off again: the caption label of
    // the component (0: nothing), and whether the pump pressure test switched it.
    int switchedOnLabel() const { return m_onLabel; }

private:
    static bool validTag(int tag) { return tag >= 1 && tag <= RadioCount; }
    // The device class byte without its top bit.
    uint8_t deviceClass() const { return HeldDeviceClass & 0x7F; }
    // The radio of the pump pressure test in the class's list (0: none).
    int pumpTestRadio() const;
    int box(MsgKind kind, const ByteString& text, int buttons, int helpContext = 0);
    void disable();
    void refresh();
    bool sendStep();
    void evaluateStep(const ByteString& reply);
    void failStep(long double code);
    // A command given while the previous one's reply is awaited runs once that reply is in.
    void setStep(int32_t step);
    // The request just sent: an on command marks its component as possibly on.
    void noteSent();
    // The answer to the request sent: an acknowledged off clears the mark, a refused on too.
    void noteAnswered(bool accepted, bool refused);
    // The link went: with something on, the technician is told once (deferred).
    void linkGone();
    bool offCommandSent() const;

    DiagSession& m_session;
    MainEngine& m_engine;
    std::array<KompRadio, RadioCount + 1> m_radios{};
    bool m_enabled = false;
    ByteString m_setpointUnit;
    ByteString m_runtimeUnit;
    int32_t m_queuedStep = -1;    // -1: none
    uint8_t m_sentComponent = 0;  // the component code of the request under way
    int m_onLabel = 0;
    bool m_onPumpTest = false;
    bool m_pumpTestRunning = false;
    int32_t m_onTicks = -1;       // 100 ms ticks until the unit's own runtime ends; -1 none
    int m_offRetries = 0;         // an off command sent again after a failed answer
    bool m_linkLossTold = false;  // the interruption message says the link is gone
};
