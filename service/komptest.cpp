#include "komptest.h"

#include <algorithm>

#include "devicelist.h"
#include "diagsession.h"
#include "kx3024module.h"
#include "kx3166module.h"
#include "rounding.h"
#include "textconv.h"
#include "translate.h"

#define CTX "TKOMP_TEST_Form"

namespace {

// The captions of the components, by their label number (the gaps are labels no class lists).
const char* kompCaption(int n) {
    switch (n) {
        case 1:
            return QT_TRANSLATE_NOOP(CTX, "Motor");
        case 2:
            return QT_TRANSLATE_NOOP(CTX, "Dosierpumpe");
        case 4:
            return QT_TRANSLATE_NOOP(CTX, "Umwälzpumpe");
        case 8:
            return QT_TRANSLATE_NOOP(CTX, "Zündfunkengeber");
        case 9:
            return QT_TRANSLATE_NOOP(CTX, "Magnetventil (Ein ohne Taktung)");
        case 10:
            return QT_TRANSLATE_NOOP(CTX, "Betriebsanzeige");
        case 14:
            return QT_TRANSLATE_NOOP(CTX, "Flammanzeige");
        case 15:
            return QT_TRANSLATE_NOOP(CTX, "Magnetventil 0,5 Hz");
        case 17:
            return QT_TRANSLATE_NOOP(CTX, "Pumpendruckprüfung");
        case 18:
            return QT_TRANSLATE_NOOP(CTX, "Düsenstockvorwärmung");
        case 22:
            return QT_TRANSLATE_NOOP(CTX, "Flammüberwachung");
        case 23:
            return QT_TRANSLATE_NOOP(CTX, "Magnetventil 1");
        case 24:
            return QT_TRANSLATE_NOOP(CTX, "Magnetventil 2");
        case 25:
            return QT_TRANSLATE_NOOP(CTX, "Reglerheizung");
        case 26:
            return QT_TRANSLATE_NOOP(CTX, "ZF-Modul");
        case 27:
            return QT_TRANSLATE_NOOP(CTX, "Umwälzpumpe (DVW)");
        default:
            return "";
    }
}

// What a component row sends as its setpoint.
enum class Setpoint {
    None,      // no setpoint entry: the class's value for none
    Fixed100,  // a fixed 100 %, not editable
    Editable,  // an editable motor speed
    OneByte3,  // the solenoid valve: the single byte 3
};

struct Row {
    int komp;  // caption label
    uint8_t code;
    Setpoint setpoint;
    bool pumpTest;
    bool gasSupply;  // ask that the gas supply is shut first
};

// clang-format off
const Row kClass1[] = {
    {1, 1, Setpoint::Fixed100, false, false}, {4, 4, Setpoint::Fixed100, false, false},
    {8, 8, Setpoint::None, false, false},     {9, 9, Setpoint::None, false, false},
    {10, 10, Setpoint::None, false, false},   {14, 14, Setpoint::None, false, false},
};
const Row kClass2[] = {
    {8, 1, Setpoint::None, false, false},  {1, 2, Setpoint::None, false, false},
    {4, 3, Setpoint::None, false, false},  {10, 4, Setpoint::None, false, false},
    {14, 5, Setpoint::None, false, false}, {15, 6, Setpoint::None, false, false},
    {9, 8, Setpoint::None, false, false},  {17, 9, Setpoint::None, true, false},
};
const Row kClass3[] = {
    {1, 1, Setpoint::Editable, false, false}, {4, 4, Setpoint::None, false, false},
    {8, 8, Setpoint::None, false, false},     {9, 9, Setpoint::OneByte3, false, false},
    {18, 15, Setpoint::None, false, false},   {10, 10, Setpoint::None, false, false},
    {14, 14, Setpoint::None, false, false},   {17, 0, Setpoint::None, true, false},
};
const Row kClass4[] = {
    {1, 1, Setpoint::None, false, false},  {4, 2, Setpoint::None, false, false},
    {26, 3, Setpoint::None, false, false}, {23, 4, Setpoint::None, false, true},
    {24, 5, Setpoint::None, false, true},  {25, 7, Setpoint::None, false, false},
    {22, 8, Setpoint::None, false, false}, {10, 6, Setpoint::None, false, false},
};
const Row kClass5[] = {
    {1, 1, Setpoint::Editable, false, false}, {27, 3, Setpoint::None, false, false},
    {8, 2, Setpoint::None, false, false},     {9, 4, Setpoint::None, false, false},
    {10, 5, Setpoint::None, false, false},    {14, 6, Setpoint::None, false, false},
    {17, 0, Setpoint::None, true, false},
};
// clang-format on

template <size_t N>
constexpr int count(const Row (&)[N]) {
    return static_cast<int>(N);
}

// How the component test works with the unit of one device class: everything of the test
// that differs between the classes is here.
struct KompClass {
    enum Way : uint8_t {
        NoWay,        // the class has no component test
        WBus,         // W-Bus command 0x45; the unit ends a timed component itself
        KLine,        // the K-Line session, then the routine with the five outputs
        SBus,         // S-Bus messages 14 and 15; the unit ends a timed component itself
        SBusCounted,  // the same through the unit's module, the runtime counted here
    };
    Way way = NoWay;
    const Row* rows = nullptr;
    int count = 0;
    // The runtime entry and its default (0..255), the highest editable setpoint.
    bool hasRuntime = false;
    int32_t runtime = -1;
    long double setpointMax = 0;
    // How a setpoint goes out: doubled or as it is, what a row without one sends, and in 16
    // bits or one byte.
    bool setpointDoubled = false;
    int16_t noSetpoint = -1;
    bool wideSetpoint = true;
    // The operating states that allow a test: the state word's high byte, or the whole word,
    // is one of these. A class without any allows every state with the controls off.
    bool byHighByte = false;
    int32_t allowed[3] = {0, 0, 0};
    int allowedCount = 0;
    // The test plug in place of the temperature sensor: OVRTEMP and this data point both
    // read within low..high (°C). None: no plug is needed.
    const char* plugPoint = nullptr;
    long double plugLow = 0;
    long double plugHigh = 0;

    bool needsTestPlug() const { return plugPoint != nullptr; }
    bool sbus() const { return way == SBus || way == SBusCounted; }
    bool unitEndsRuntime() const { return way == WBus || way == SBus; }
};

using K = KompClass;

// Index = device class. Per class: the way, the component list, the runtime entry and its
// default, the setpoint's maximum, doubling, value for none and width, the allowed states
// and the test plug's window.
// clang-format off
const KompClass kClasses[] = {
    {},  // dcNone
    {K::WBus, kClass1, count(kClass1), true, 10, 0, true, -1, true,  // dcKX3090
     true, {0x04, 0x16}, 2, nullptr, 0, 0},
    {K::KLine, kClass2, count(kClass2), false, -1, 0, false, 0, false,  // dcKX3024
     false, {0, 0x30, 0x31}, 3, nullptr, 0, 0},
    {K::WBus, kClass3, count(kClass3), true, 10, 7500, true, -1, true,  // dcKX3117
     true, {0x01, 0x03}, 2, "BETTEMPUEH", 100, 110},
    {K::SBus, kClass4, count(kClass4), true, 20, 0, false, -1, true,  // dcKX3141
     true, {0x01, 0x06}, 2, nullptr, 0, 0},
    {K::SBusCounted, kClass5, count(kClass5), true, 10, 7000, false, 0, true,  // dcKX3166
     false, {0, 2, 5}, 3, "OVRTEMPUEHS", 95, 110},
};
// clang-format on

const KompClass& classOf(uint8_t deviceClass) {
    constexpr size_t n = sizeof kClasses / sizeof kClasses[0];
    return deviceClass < n ? kClasses[deviceClass] : kClasses[dcNone];
}

// The caption label of a component code in a class's list (0: none).
int labelOf(uint8_t deviceClass, uint8_t code) {
    const KompClass& c = classOf(deviceClass);
    for (int i = 0; i < c.count; ++i)
        if (c.rows[i].code == code && !c.rows[i].pumpTest) return c.rows[i].komp;
    return 0;
}

const Row* rowOf(uint8_t deviceClass, int radio) {
    const KompClass& c = classOf(deviceClass);
    return radio >= 1 && radio <= c.count ? &c.rows[radio - 1] : nullptr;
}

// The five output bytes of the class-2 routine for a component code (0: all off).
std::array<uint8_t, 5> kLineOutputs(uint8_t code) {
    std::array<uint8_t, 5> o{};
    switch (code) {
        case 1:
            o[0] = 1;
            break;
        case 2:
            o[1] = 1;
            break;
        case 3:
            o[2] = 1;
            break;
        case 4:
            o[4] = 2;
            break;
        case 5:
            o[4] = 1;
            break;
        case 6:
            o[3] = 1;
            break;
        case 8:
            o[3] = 3;
            break;
        case 9:  // pump pressure test: motor and valve
            o[1] = 1, o[3] = 3;
            break;
        default:
            break;
    }
    return o;
}

template <typename... T>
TParamlist paramsOf(T... values) {
    TParamlist p;
    size_t k = 1;
    ((p[k++].Value = static_cast<long double>(values)), ...);
    return p;
}

bool inWindow(const DataPointTable& dp, const char* key, long double low, long double high) {
    const TResult v = dp.DP_GetValue(key);
    return !v.Invalid && v.Value >= low && v.Value <= high;
}

}  // namespace

KompTest::KompTest(DiagSession& session) : m_session(session), m_engine(session.engine()) {
    m_engine.clients().setClient(ClientSlot::ComponentTest, this);
    m_session.views.ComponentTestSetOperatingState = [this](uint8_t c, int32_t s) {
        SetOperatingState(c, s);
    };
    m_session.views.ComponentTestDiagTick = [this] { DiagTick(); };
}

KompTest::~KompTest() {
    m_engine.clients().setClient(ClientSlot::ComponentTest, nullptr);
    m_session.views.ComponentTestSetOperatingState = nullptr;
    m_session.views.ComponentTestDiagTick = nullptr;
}

ByteString KompTest::notPossibleText() {
    return TR(CTX,
              "     Der Komponententest ist derzeit nicht möglich!\r\n\r\n"
              "     Das Heizgerät befindet sich nicht im erforderlichen Betriebszustand.     \r\n"
              "\r\n"
              "     Das Heizgerät muss ausgeschaltet sein und muss sich im Zustand "
              "\"Einsatzbereit\" befinden.     \r\n\r\n"
              "     Eine Verriegelung muss vorher gelöscht werden.");
}

ByteString KompTest::testPlugText() {
    return TR(CTX, "     Bitte den Prüfstecker anstelle des Temperatursensor anstecken.     ");
}

int KompTest::box(MsgKind kind, const ByteString& text, int buttons, int helpContext) {
    return m_engine.userInteraction().messageBox(kind, text, buttons, helpContext);
}

void KompTest::refresh() {
    if (view.refresh) view.refresh();
}

// ---- broadcasts ----

void KompTest::disable() {
    KOMP_EnableAll(false);
    TestAllowed = false;
    Countdown = 0;
}

void KompTest::SetLinkState(bool adapterReady) {
    if (adapterReady == HeldAdapterReady) return;
    HeldAdapterReady = adapterReady;
    if (!adapterReady) {
        linkGone();
        disable();
    }
}

void KompTest::SetDeviceClass(uint8_t deviceClass) {
    if (deviceClass == HeldDeviceClass) return;
    if (deviceClass == dcNone)
        linkGone();
    else
        m_linkLossTold = false;
    HeldDeviceClass = deviceClass;
    if (!HeldAdapterReady) return;
    if (deviceClass != dcNone)
        KOMP_BuildComponentList();
    else
        disable();
}

void KompTest::SetOperatingState(uint8_t deviceClass, int32_t state) {
    const KompClass& c = classOf(deviceClass & 0x7F);
    if (c.allowedCount == 0) {
        TestAllowed = true;
        KOMP_EnableAll(false);
        return;
    }
    const int32_t value = c.byHighByte ? (state >> 8) & 0xFF : state;
    TestAllowed =
        std::find(c.allowed, c.allowed + c.allowedCount, value) != c.allowed + c.allowedCount;
}

// ---- the list and its values ----

void KompTest::KOMP_EnableAll(bool on) {
    m_enabled = on;
    refresh();
}

void KompTest::KOMP_SetRadio(int radio, bool shown, const ByteString& caption) {
    if (!validTag(radio)) return;
    KompRadio& r = m_radios[radio];
    r.shown = shown;
    r.caption = shown ? caption : ByteString();
    if (!shown) r.checked = false;
}

void KompTest::KOMP_SetParams(int entry, bool hasSetpoint, long double setpoint,
                              long double setpointMin, long double setpointMax,
                              const ByteString& unitText, bool hasRuntime, int32_t runtime,
                              int32_t runtimeMin, int32_t runtimeMax) {
    if (!validTag(entry)) return;
    Params[entry] = {hasSetpoint, hasRuntime, setpoint,   setpointMin, setpointMax,
                     unitText,    runtime,    runtimeMin, runtimeMax};
}

void KompTest::KOMP_BuildComponentList() {
    const KompClass& t = classOf(deviceClass());
    Params.fill(KompParamEntry{});
    for (int radio = 1; radio <= RadioCount; ++radio) {
        const Row* row = radio <= t.count ? &t.rows[radio - 1] : nullptr;
        KOMP_SetRadio(radio, row != nullptr,
                      row ? TOOL_Translate(CTX, kompCaption(row->komp)) : "");
        if (!row || row->pumpTest) continue;
        switch (row->setpoint) {
            case Setpoint::Editable:
                KOMP_SetParams(radio, true, 3000, 0, t.setpointMax, TR(CTX, "U/min"), t.hasRuntime,
                               t.runtime, 0, 255);
                break;
            case Setpoint::Fixed100:
                // Not editable: kept only to be sent.
                KOMP_SetParams(radio, false, 100, 100, 100, "%", t.hasRuntime, t.runtime, 0, 255);
                break;
            default:
                KOMP_SetParams(radio, false, -1, 0, 0, "", t.hasRuntime, t.runtime, 0, 255);
                break;
        }
    }
    for (KompRadio& r : m_radios) r.checked = false;
    m_radios[1].checked = m_radios[1].shown;
    SelectedEntry = 1;
    if (t.sbus()) LastStartedComponent = 0;
    m_enabled = true;
    KOMP_ShowParams();
}

void KompTest::KOMP_ShowSetpoint(long double x) {
    if (view.setpointEdit)
        view.setpointEdit->setText(x > -1 ? TOOL_FormatFloat(x, 0) : ByteString());
}

void KompTest::KOMP_ShowRuntime(int32_t n) {
    if (view.runtimeEdit) view.runtimeEdit->setText(n >= 0 ? std::to_string(n) : ByteString());
}

void KompTest::KOMP_ShowParams() {
    const KompParamEntry& e = params(SelectedEntry);
    if (view.setpointEdit) TOOL_EnableEdit(*view.setpointEdit, e.HasSetpoint);
    if (view.runtimeEdit) TOOL_EnableEdit(*view.runtimeEdit, e.HasRuntime);
    m_setpointUnit = e.HasSetpoint ? e.UnitText : ByteString();
    if (e.HasSetpoint) KOMP_ShowSetpoint(e.Setpoint);
    m_runtimeUnit = e.HasRuntime ? ByteString("s") : ByteString();
    if (e.HasRuntime) KOMP_ShowRuntime(e.Runtime);
    refresh();
}

void KompTest::RadioButtonClick(int tag) {
    if (!validTag(tag) || !m_radios[tag].shown) return;
    for (KompRadio& r : m_radios) r.checked = false;
    m_radios[tag].checked = true;
    SelectedEntry = tag;
    KOMP_ShowParams();
}

void KompTest::Edit1Exit() {
    KompParamEntry& e = Params[validTag(SelectedEntry) ? SelectedEntry : 0];
    if (!e.HasSetpoint || !view.setpointEdit) return;
    e.Setpoint = TOOL_EditFloat(m_engine.userInteraction(), *view.setpointEdit, 0, e.Setpoint,
                                e.SetpointMin, e.SetpointMax);
    KOMP_ShowSetpoint(e.Setpoint);
}

void KompTest::Edit2Exit() {
    KompParamEntry& e = Params[validTag(SelectedEntry) ? SelectedEntry : 0];
    if (!e.HasRuntime || !view.runtimeEdit) return;
    e.Runtime = static_cast<int32_t>(TOOL_EditInt(m_engine.userInteraction(), *view.runtimeEdit,
                                                  e.Runtime, e.RuntimeMin, e.RuntimeMax));
    KOMP_ShowRuntime(e.Runtime);
}

bool KompTest::KOMP_TestPlugPresent() const {
    const DataPointTable& dp = m_engine.dataPoints;
    const uint8_t unit = m_engine.TemperatureUnit;
    auto window = [&](const char* a, const char* b, long double low, long double high) {
        const long double lo = TOOL_TempToDisplay(low, unit), hi = TOOL_TempToDisplay(high, unit);
        return inWindow(dp, a, lo, hi) && inWindow(dp, b, lo, hi);
    };
    const KompClass& c = classOf(deviceClass());
    return !c.needsTestPlug() || window("OVRTEMP", c.plugPoint, c.plugLow, c.plugHigh);
}

int KompTest::pumpTestRadio() const {
    const KompClass& t = classOf(deviceClass());
    for (int i = 0; i < t.count; ++i)
        if (t.rows[i].pumpTest) return i + 1;
    return 0;
}

// ---- commands ----

bool KompTest::KOMP_CheckLink() {
    if (m_engine.AdapterReady && m_engine.DeviceClass != dcNone) return true;
    // The interruption message already says so, with what may still be on.
    if (m_linkLossTold) {
        m_linkLossTold = false;
        return false;
    }
    box(MsgKind::Error, TR(CTX, "     Die Kommunikation zum Heizgerät ist unterbrochen!     "),
        MB_OK);
    return false;
}

void KompTest::KOMP_SetCommand(uint8_t component, uint8_t runtime, bool closing, int16_t setpoint,
                               bool wideSetpoint) {
    CmdComponent = component;
    CmdRuntime = runtime;
    CmdSetpoint = setpoint;
    CmdWideSetpoint = wideSetpoint;
    KX3166Module* kx3166 = m_session.moduleAs<KX3166Module>(dcKX3166);
    switch (classOf(deviceClass()).way) {
        case KompClass::WBus:
            setStep(StepWBus);
            break;
        case KompClass::KLine:
            setStep(component != 0 ? StepKLineSession : StepKLineOutputs);
            break;
        case KompClass::SBus:
            setStep(component != 0 ? StepSBusStart : StepSBusStop);
            break;
        case KompClass::SBusCounted:
            if (component != 0) {
                if (runtime == 0) {
                    Countdown = NoCountdown;
                } else if (runtime == 255) {
                    // The unit's own standard time; a missing or zero one would mean "no
                    // countdown" and leave the component on, so the fallback takes its place.
                    const TResult def = m_engine.dataPoints.DP_GetValue("PARKOMPDEF");
                    const int32_t ticks = def.Invalid ? -1 : TOOL_Round32(def.Value * 10);
                    Countdown = ticks > 0 ? ticks : FallbackCountdown;
                } else {
                    Countdown = runtime * 10;
                }
                if (kx3166)
                    kx3166->KX3166_StartComponentTest(component, 0,
                                                      static_cast<uint16_t>(setpoint));
                setStep(StepCountedStart);
            } else if (closing) {
                if (kx3166) kx3166->KX3166_StopComponentTest();
                if (Countdown > 0) {
                    Countdown = 0;
                    setStep(StepCountedStop);
                }
            } else {
                Countdown = NoCountdown;
                if (kx3166) kx3166->KX3166_StartComponentTest(0, 0, 0);
                setStep(StepCountedStart);
            }
            break;
        case KompClass::NoWay:
            setStep(0);
            break;
    }
}

void KompTest::setStep(int32_t step) {
    if (KompReq.Active)
        m_queuedStep = step;
    else
        KompReq.Step = step;
}

void KompTest::KOMP_Switch(bool start, bool closing) {
    const uint8_t cls = deviceClass();
    const KompClass& c = classOf(cls);
    if (!start) {
        KOMP_SetCommand(0, 0, closing, 0, c.wideSetpoint);
        return;
    }
    const Row* row = rowOf(cls, SelectedEntry);
    if (!row) return;
    if (c.needsTestPlug() && !KOMP_TestPlugPresent()) {
        box(MsgKind::Warning, testPlugText(), MB_OK);
        return;
    }
    const KompParamEntry& e = params(SelectedEntry);
    const int32_t r = e.Runtime;
    if (c.hasRuntime && !row->pumpTest) {
        if (r == 0 && box(MsgKind::Warning,
                          TR(CTX, "     Soll die Komponente dauerhaft eingeschaltet werden?      "),
                          MB_YES | MB_NO) != MB_YES)
            return;
        if (r == 255 &&
            box(MsgKind::Warning,
                TR(CTX,
                   "     Soll die Komponente für den Standardzeitraum eingeschaltet werden?      "),
                MB_YES | MB_NO) != MB_YES)
            return;
    }
    if (row->gasSupply &&
        box(MsgKind::Warning,
            TR(CTX,
               "     Stellen sie sicher, dass die Gaszufuhr unterbrochen ist!      \r\n\r\n"
               "     Soll die Komponente eingeschaltet werden?     "),
            MB_YES | MB_NO) != MB_YES)
        return;
    if (row->pumpTest) {
        KOMP_PumpPressureTest(cls);
        return;
    }
    const uint8_t runtime = static_cast<uint8_t>(!c.hasRuntime ? 0 : r < 0 ? 0 : r > 255 ? 255 : r);
    int16_t setpoint = c.noSetpoint;
    bool wide = c.wideSetpoint;
    switch (row->setpoint) {
        case Setpoint::Fixed100:
        case Setpoint::Editable:
            setpoint = c.setpointDoubled ? TOOL_Round<int16_t>(e.Setpoint * 2)
                                         : TOOL_Round<int16_t>(e.Setpoint);
            break;
        case Setpoint::OneByte3:
            setpoint = 3;
            wide = false;
            break;
        case Setpoint::None:
            break;
    }
    KOMP_SetCommand(row->code, runtime, closing, setpoint, wide);
}

void KompTest::Button3Click() {
    if (TestAllowed)
        KOMP_Switch(true, false);
    else
        box(MsgKind::Warning, notPossibleText(), MB_OK);
}

// ---- the window's life ----

void KompTest::FormShow() {
    if (classOf(deviceClass()).way == KompClass::SBusCounted) KOMP_SetCommand(0, 0, false, 0, true);
}

void KompTest::FormClose() {
    KOMP_Switch(false, true);
    if (classOf(deviceClass()).way == KompClass::KLine)
        if (KX3024Module* m = m_session.moduleAs<KX3024Module>(dcKX3024))
            m->KX3024_RequestStopSession();
}

int KompTest::Execute() {
    return view.showModal ? view.showModal() : 2;
}

int KompTest::ExecuteWithTestPlug() {
    if (!KOMP_TestPlugPresent() &&
        box(MsgKind::Information,
            TR(CTX,
               "     Vorbereitung des Komponententests\r\n\r\n"
               "     - das Heizgerät vom Netz trennen\r\n"
               "     - Temperatursensor abstecken und Prüfstecker anschließen\r\n"
               "     - anschließend das Heizgerät wieder an das Bordnetz anschließen       \r\n"
               "     - Diagnose neu starten\r\n"
               "     - Komponententest starten"),
            MB_OK, HelpContext) != MB_OK)
        return 0;
    if (TestAllowed) {
        for (;;) {
            if (KOMP_TestPlugPresent()) {
                const int result = Execute();
                if (result == 2)
                    box(MsgKind::Information,
                        TR(CTX,
                           "     Beenden des Komponententests\r\n\r\n"
                           "     - das Heizgerät vom Netz trennen\r\n"
                           "     - Prüfstecker abstecken\r\n"
                           "     - Temperatursensor anstecken\r\n"
                           "     - anschließend das Heizgerät wieder an das Bordnetz "
                           "anschließen       \r\n"
                           "     - Diagnose neu starten"),
                        MB_OK, HelpContext);
                return result;
            }
            if (box(MsgKind::Warning, testPlugText(), MB_OK | MB_CANCEL) != MB_OK) return 0;
            if (!KOMP_CheckLink()) return 0;
        }
    }
    if (m_engine.AdapterReady && m_engine.DeviceClass != dcNone)
        box(MsgKind::Warning, notPossibleText(), MB_OK);
    return 0;
}

// ---- requests ----

bool KompTest::sendStep() {
    BusLayers& b = m_session.buses();
    ByteString out;
    switch (KompReq.Step) {
        case StepWBus: {
            KompReq.ErrorStep = StepError;
            const long double sp = CmdWideSetpoint ? static_cast<uint16_t>(CmdSetpoint)
                                                   : static_cast<uint8_t>(CmdSetpoint);
            return b.wbusV.WBUS_BuildRequestV(0x45, CmdWideSetpoint ? 4 : 3,
                                              paramsOf(CmdComponent, CmdRuntime, sp), out);
        }
        case StepKLineSession:
            KompReq.ErrorStep = StepKLineError;
            return b.kline.KLINE_BuildRequest(0x87, 0x10, 1, paramsOf(1), out);
        case StepKLineOutputs: {
            KompReq.ErrorStep = StepKLineError;
            const auto o = kLineOutputs(CmdComponent);
            return b.kline.KLINE_BuildRequest(0x87, 0x31, 5, paramsOf(o[0], o[1], o[2], o[3], o[4]),
                                              out);
        }
        case StepSBusStart:
            KompReq.ErrorStep = StepError;
            LastStartedComponent = CmdComponent;
            return b.sbus.SBUS_BuildRequest(0, 14, 2, paramsOf(CmdComponent, CmdRuntime), out);
        case StepCountedStart:
            KompReq.ErrorStep = StepError;
            LastStartedComponent = CmdComponent;
            return b.sbus.SBUS_BuildRequest(
                0, 14, 3, paramsOf(CmdComponent, CmdRuntime, static_cast<uint16_t>(CmdSetpoint)),
                out);
        case StepSBusStop:
        case StepCountedStop:
            KompReq.ErrorStep = StepError;
            return b.sbus.SBUS_BuildRequest(0, 15, 1, paramsOf(LastStartedComponent), out);
        default:
            return false;
    }
}

bool KompTest::NextRequest() {
    KompReq.Active = 0;
    switch (KompReq.Step) {
        case StepDone:
        case StepError:
        case StepKLineDone:
        case StepKLineError:
            KompReq.Step = 0;
            return false;
        case StepWBus:
        case StepKLineSession:
        case StepKLineOutputs:
        case StepSBusStart:
        case StepSBusStop:
        case StepCountedStart:
        case StepCountedStop:
            if (sendStep()) {
                KompReq.Active = 1;
                noteSent();
            } else if (!m_engine.AdapterReady) {
                // Without an adapter the command is dropped, not held over for a later one
                // (possibly another unit).
                KompReq.Step = 0;
            }
            return KompReq.Active != 0;
        default:
            return false;
    }
}

void KompTest::failStep(long double code) {
    const TUSBREQ before = KompReq;
    switch (before.Step) {
        case StepWBus:
            WBusLayer::WBUS_StepOnErrorSkip(before, KompReq, code);
            break;
        case StepKLineSession:
        case StepKLineOutputs:
            KLineLayer::KLINE_StepOnErrorSkip(before, KompReq, code);
            break;
        default:
            SBusLayer::SBUS_StepOnError(before, KompReq, code);
            break;
    }
}

void KompTest::evaluateStep(const ByteString& reply) {
    BusLayers& b = m_session.buses();
    TResult res;
    int32_t next = 0;
    switch (KompReq.Step) {
        case StepWBus:
            b.wbusV.WBUS_ReadAndDecodeV(reply, 1, 0x45, WBus::NO_SUB, res);
            next = StepDone;
            break;
        case StepKLineSession:
            b.kline.KLINE_ReadAndDecode(reply, 0x10, 0xFF, res);
            next = StepKLineOutputs;
            break;
        case StepKLineOutputs:
            b.kline.KLINE_ReadAndDecode(reply, 0x31, 0xFF, res);
            next = StepKLineOutputsSet;
            break;
        case StepSBusStart:
            b.sbus.SBUS_ReadAndDecode(0, reply, 2, 14, res);
            next = StepDone;
            break;
        case StepCountedStart:
            b.sbus.SBUS_ReadAndDecode(0, reply, 4, 14, res);
            next = StepDone;
            break;
        case StepSBusStop:
        case StepCountedStop:
            b.sbus.SBUS_ReadAndDecode(0, reply, 1, 15, res);
            next = StepDone;
            break;
        default:
            return;
    }
    if (!res.Invalid) {
        noteAnswered(true, false);
        KompReq.Step = next;
        return;
    }
    const int32_t step = KompReq.Step;
    noteAnswered(false, BUS_UnitRefused(res.Value));
    const bool off = offCommandSent();
    failStep(res.Value);
    // A failed off is sent again while the link allows it: given up, the component would
    // stay on with nobody told. The layer's failure limit (code 9) ends it.
    if (off && m_onLabel != 0 && KompReq.Step != step &&
        !BUS_CodeIs(res.Value, BusCode::FailureLimit) && m_engine.AdapterReady &&
        m_engine.DeviceClass != dcNone && ++m_offRetries <= BusCode::FailureLimit) {
        KompReq.Step = step;
        return;
    }
    // The unit's refusal of a W-Bus component test says why.
    if (step == StepWBus && KompReq.Step == StepDone && CmdComponent != 0) {
        if (res.Text == ByteString("\x7F\x45\x22")) {
            if (!KOMP_TestPlugPresent())
                m_engine.PendingNoTestPlug = true;
            else
                m_engine.PendingCompTestFail = true;
        } else if (res.Text == ByteString("\x7F\x45\x31")) {
            m_engine.PendingCompTestFail = true;
        }
    }
}

bool KompTest::EvaluateReply(uint8_t status, const ByteString& reply) {
    if (!KompReq.Active) return false;
    const int32_t step = KompReq.Step;
    m_engine.USB_UpdateStep(KompReq, status, reply, KompReq);
    KompReq.Active = 0;
    if (status == USB_REPLY_RECEIVED) {
        KompReq.Step = step;
        evaluateStep(reply);
    }
    if (m_queuedStep >= 0) {
        KompReq.Step = m_queuedStep;
        m_queuedStep = -1;
    }
    return true;
}

void KompTest::DiagTick() {
    // The unit ends a timed component by its own runtime.
    if (m_onTicks > 0 && --m_onTicks == 0) {
        m_onLabel = 0;
        m_onTicks = -1;
    }
    if (Countdown < 1 || Countdown >= NoCountdown) return;
    if (Countdown == 1) {
        KOMP_Switch(false, false);
        if (Countdown == 1) Countdown = NoCountdown;  // over: it is not counted down further
    } else {
        --Countdown;
    }
}

// ---- what is on ----

bool KompTest::offCommandSent() const {
    switch (KompReq.Step) {
        case StepSBusStop:
        case StepCountedStop:
            return true;
        case StepWBus:
        case StepKLineOutputs:
        case StepCountedStart:
            return m_sentComponent == 0;
        default:
            return false;
    }
}

void KompTest::noteSent() {
    const int32_t step = KompReq.Step;
    if (step == StepKLineSession) return;  // the session request switches nothing
    m_sentComponent = step == StepSBusStop || step == StepCountedStop ? 0 : CmdComponent;
    if (offCommandSent()) return;
    m_offRetries = 0;
    m_onPumpTest = m_pumpTestRunning;
    // The pump pressure test's codes are not in the list; its caption marks them.
    m_onLabel = m_onPumpTest ? PumpTestLabel : labelOf(deviceClass(), CmdComponent);
    if (m_onLabel == 0) m_onLabel = PumpTestLabel;
    // Most units switch a timed component off by themselves; for the others it counts here.
    const bool unitRuntime = classOf(deviceClass()).unitEndsRuntime();
    m_onTicks = unitRuntime && CmdRuntime > 0 && CmdRuntime < 255 ? CmdRuntime * 10 + 10 : -1;
}

void KompTest::noteAnswered(bool accepted, bool refused) {
    if (KompReq.Step == StepKLineSession) return;
    if (offCommandSent()) {
        if (accepted) {
            m_onLabel = 0;
            m_onTicks = -1;
            m_offRetries = 0;
        }
    } else if (refused) {
        // The unit said no: nothing went on.
        m_onLabel = 0;
        m_onTicks = -1;
    }
}

void KompTest::linkGone() {
    if (m_onLabel == 0) return;
    const ByteString function =
        m_onPumpTest ? TR(CTX, "Die Pumpendruckprüfung") : TR(CTX, "Der Komponententest");
    ByteString item;
    if (m_onPumpTest) {
        for (int label : KOMP_PumpTest(deviceClass()).onLabels) {
            if (label == 0) continue;
            if (!item.empty()) item += ", ";
            item += TOOL_Translate(CTX, kompCaption(label));
        }
    } else {
        item = TOOL_Translate(CTX, kompCaption(m_onLabel));
    }
    m_engine.flagServiceInterrupted(function, item);
    m_onLabel = 0;
    m_onTicks = -1;
    m_linkLossTold = true;
}
