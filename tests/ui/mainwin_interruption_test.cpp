// The service functions that switch the heater or a component on, interrupted by the link
// (adapter pulled, unit silent, answers too late) while something is on, through the main
// window on the simulated unit of each class: the technician is told once, from the GUI loop,
// that the function was interrupted and what may still run; once the fault is over and a new
// session is up, the controls the message points to switch the unit off, as the unit's own
// state shows. The S-Bus units end the take-over by themselves once their session has lapsed.
// A store whose answer never comes is reported as possibly stored, and the heater goes off.
#include <gtest/gtest.h>

#include "kaliallform.h"
#include "kalico2forms.h"
#include "kx3024unit.h"
#include "kx3090unit.h"
#include "kx3117unit.h"
#include "kx3141unit.h"
#include "kx3166unit.h"
#include "servicerun.h"

namespace {

enum class Fault { Pulled, Silent, Late };
enum class Function { ComponentPermanent, ComponentTimed, PumpTest, Co2, Voltage };

const char* const kInterrupted = "wurde abgebrochen";

// What the table needs of each class's unit.
template <typename Unit>
struct Traits;

template <>
struct Traits<SimKX3090Unit> {
    static constexpr int Class = 1, Row = -1, KompRadio = 2, PumpRadio = 0;
    static void prepare(SimKX3090Unit&, Function) {}
    static bool kompOn(const SimKX3090Unit& u) { return u.componentUnderTest() == 4; }
    static bool pumpOn(const SimKX3090Unit&) { return false; }
    static bool heaterOn(const SimKX3090Unit&) { return false; }
    static void silent(SimKX3090Unit& u, bool on) { u.setSilent(on); }
};
template <>
struct Traits<SimKX3024Unit> {
    static constexpr int Class = 2, Row = 1, KompRadio = 3, PumpRadio = 8;
    static void prepare(SimKX3024Unit&, Function) {}
    static bool kompOn(const SimKX3024Unit& u) { return u.outputs()[2] == 1; }
    static bool pumpOn(const SimKX3024Unit& u) { return u.outputs()[1] != 0; }
    static bool heaterOn(const SimKX3024Unit&) { return false; }
    static void silent(SimKX3024Unit& u, bool on) { u.setSilent(on); }
};
template <>
struct Traits<SimKX3117Unit> {
    static constexpr int Class = 3, Row = -1, KompRadio = 2, PumpRadio = 8;
    static void prepare(SimKX3117Unit& u, Function f) {
        if (f == Function::Co2)
            u.setIdleState(SimKX3117Unit::StateReady);
        else
            u.setTestPlug(true);
    }
    static bool kompOn(const SimKX3117Unit& u) { return u.componentUnderTest() == 4; }
    static bool pumpOn(const SimKX3117Unit& u) { return u.componentUnderTest() == 2; }
    static bool heaterOn(const SimKX3117Unit& u) { return u.heating(); }
    static void silent(SimKX3117Unit& u, bool on) { u.setSilent(on); }
};
template <>
struct Traits<SimKX3141Unit> {
    static constexpr int Class = 4, Row = -1, KompRadio = 2, PumpRadio = 0;
    static void prepare(SimKX3141Unit& u, Function) { u.setIdleState(SimKX3141Unit::Off); }
    static bool kompOn(const SimKX3141Unit& u) { return u.componentUnderTest() == 2; }
    static bool pumpOn(const SimKX3141Unit&) { return false; }
    static bool heaterOn(const SimKX3141Unit&) { return false; }
    static void silent(SimKX3141Unit& u, bool on) { u.setSilent(on); }
};
template <>
struct Traits<SimKX3166Unit> {
    static constexpr int Class = 5, Row = -1, KompRadio = 2, PumpRadio = 7;
    static void prepare(SimKX3166Unit& u, Function) { u.setTestPlug(true); }
    static bool kompOn(const SimKX3166Unit& u) { return u.componentUnderTest() == 3; }
    static bool pumpOn(const SimKX3166Unit& u) { return u.componentUnderTest() == 8; }
    static bool heaterOn(const SimKX3166Unit& u) { return u.override(SimKX3166Unit::HS) == 1; }
    static void silent(SimKX3166Unit& u, bool on) { u.setSilent(on); }
};

template <typename Unit>
class Run : public ServiceRun<Unit> {
public:
    using T = Traits<Unit>;
    TKALI_CO2_WAIT_Form& wait() { return *this->form().co2WaitForm(); }
    TKALI_CO2_EDIT_Form& edit() { return *this->form().co2EditForm(); }
    Calibration& calibration() { return this->form().kaliForm()->calibration(); }
    MainWinRun& r() { return *this->run; }

    void fault(Fault f, bool on) {
        switch (f) {
            case Fault::Pulled:
                if (on)
                    r().sim.unplug(r().adapter);
                else
                    r().sim.replug(r().adapter);
                break;
            case Fault::Silent:
                T::silent(this->unit, on);
                break;
            case Fault::Late: {
                SimFaults faults;
                faults.answerDelayMs = on ? 2600 : 20;
                r().sim.setFaults(r().adapter, faults);
                break;
            }
        }
    }
    int count(const char* fragment) const {
        int n = 0;
        for (const auto& b : this->run->ui.boxes) n += b.text.find(fragment) != ByteString::npos;
        return n;
    }
    bool told() {
        return r().runUntil([&] { return count(kInterrupted) > 0; }, 60000);
    }
    bool anythingOn() const {
        return T::kompOn(this->unit) || T::pumpOn(this->unit) || T::heaterOn(this->unit);
    }
};

// Switches the component on in the component test window (or runs the pump pressure test),
// puts the fault in once the unit shows it on, and waits for the message.
template <typename Unit>
void componentCase(Run<Unit>& t, Function fn, Fault fault, bool& wasOn, bool& toldInside) {
    using T = Traits<Unit>;
    if (fn == Function::PumpTest) {
        if constexpr (T::Class == 2) {
            t.unit.setTemperatureSensor(false);
            ASSERT_TRUE(t.r().runUntil([&] { return t.dp("OVRTEMP") == "0"; }, 5000));
        }
        t.countdownUser([&](TKOMP_TESTPDP&) {
            wasOn = t.r().runUntil([&] { return T::pumpOn(t.unit); }, 3000);
            t.fault(fault, true);
        });
    }
    t.inWindow([&] {
        TKOMP_TEST_Form& w = t.window();
        if (fn == Function::PumpTest) {
            t.r().ui.answers = T::Class == 2
                                   ? std::deque<int>{MB_OK, MB_NO, MB_YES, MB_OK, MB_OK, MB_OK}
                                   : std::deque<int>{MB_OK, MB_NO};
            w.RadioButton(T::PumpRadio)->click();
            w.Button3()->click();
        } else {
            w.RadioButton(T::KompRadio)->click();
            if (fn == Function::ComponentPermanent && T::Class != 2) {
                w.Edit2()->setText(QStringLiteral("0"));
                t.komp().Edit2Exit();
                t.r().ui.answers = {MB_YES};
            }
            w.Button3()->click();
            wasOn = t.r().runUntil([&] { return T::kompOn(t.unit); }, 3000);
            t.fault(fault, true);
        }
        toldInside = t.told();
    });
    t.trigger("DIAG_KOMP_Test");
}

// The CO2 adjustment, the fault put in at the phase given (0 start, 1 stabilising, 2 speed).
template <typename Unit>
void co2Case(Run<Unit>& t, int phase, Fault fault, bool& wasOn) {
    using T = Traits<Unit>;
    const int base = T::Class == 5 ? 10 : 0;
    auto inject = [&] {
        wasOn = t.r().runUntil([&] { return T::heaterOn(t.unit); }, 5000);
        t.fault(fault, true);
    };
    t.wait().runModal = [&] {
        if (phase < 2) {
            EXPECT_TRUE(
                t.r().runUntil([&] { return t.calibration().Phase == base + phase; }, 200000));
            inject();
        }
        for (int64_t ms = 0; ms < 400000 && t.wait().isShownModal(); ms += 250) t.r().advance(250);
        return 0;
    };
    t.edit().runModal = [&] {
        inject();
        t.r().runUntil([&] { return !t.edit().isShownModal(); }, 60000);
        return 0;
    };
    t.r().ui.answers = {MB_OK, MB_OK, MB_YES};  // the pump notice, the meter, the start
    t.trigger("KAL_CO2");
}

template <typename Unit>
void voltageCase(Run<Unit>& t, Fault fault) {
    TKALI_ALL_Form& w = *t.form().kaliForm();
    w.runModal = [&] {
        w.ValueEdit()->setText(QStringLiteral("12,6"));
        // The fault comes with the request: pulled, it is never sent; else it is unanswered.
        if (fault != Fault::Pulled) t.fault(fault, true);
        w.OkButton()->click();
        return 0;
    };
    t.trigger("KAL_Spann");
    if (fault == Fault::Pulled) t.fault(fault, true);
}

std::string dumpBoxes(MainWinRun& r) {
    std::string s;
    for (const auto& b : r.ui.boxes) s += "[" + b.text + "]\n";
    return s;
}

struct Case {
    Function fn;
    int phase;  // CO2 adjustment: 0 start, 1 stabilising, 2 speed dialog
    Fault fault;
};

template <typename Unit>
void runCase(const Case& c) {
    using T = Traits<Unit>;
    Run<Unit> t;
    T::prepare(t.unit, c.fn);
    t.start(T::Row);
    t.r().ui.onBox = [&] { EXPECT_FALSE(t.r().inReplyPath()) << "a box inside the reply path"; };
    if (c.fn != Function::Co2 && c.fn != Function::Voltage) {
        ASSERT_TRUE(t.r().runUntil([&] { return t.komp().TestAllowed; }, 5000));
    }
    bool wasOn = c.fn == Function::Voltage, toldInside = true;
    switch (c.fn) {
        case Function::Co2:
            co2Case(t, c.phase, c.fault, wasOn);
            break;
        case Function::Voltage:
            voltageCase(t, c.fault);
            break;
        default:
            componentCase(t, c.fn, c.fault, wasOn, toldInside);
            break;
    }
    EXPECT_TRUE(wasOn);
    if (c.fn == Function::Voltage) {
        // Nothing runs: at most one message says the calibration failed or may have been
        // taken; without one the unit answered in the end and has the value.
        t.r().runUntil([&] { return t.count("Spannung") > 0; }, 30000);
        t.r().advance(3000);
        if constexpr (T::Class == 1) {
            if (t.count("Spannung") == 0) {
                EXPECT_EQ(t.unit.calibratedMillivolts(), 12600);
            }
        }
        EXPECT_LE(t.count("Spannung"), 1) << dumpBoxes(t.r());
        EXPECT_EQ(t.count(kInterrupted) + t.count("nicht kalibriert"), t.count("Spannung"));
        return;
    }
    EXPECT_TRUE(toldInside);
    ASSERT_TRUE(t.told());
    // It names what may still be running.
    const auto& boxes = t.r().ui.boxes;
    for (const auto& b : boxes) {
        if (b.text.find(kInterrupted) != ByteString::npos) {
            EXPECT_NE(b.text.find("Möglicherweise ist noch eingeschaltet"), ByteString::npos)
                << b.text;
        }
    }
    EXPECT_EQ(t.count("Beenden des Tests"), 0);  // the pump test's finish: it did not end

    if constexpr (T::Class == 4 || T::Class == 5) {
        // No keep-alive reaches the unit: its session lapses and the take-over ends.
        ASSERT_TRUE(t.r().runUntil(
            [&] {
                t.unit.advance();
                return !t.unit.sessionOpen() && !t.anythingOn();
            },
            130000));
        if constexpr (T::Class == 5) {
            for (auto line : {SimKX3166Unit::HS, SimKX3166Unit::UPFA})
                EXPECT_EQ(t.unit.override(line), 255);
        }
    }

    // The fault ends, a new session comes up, and the controls the message names switch off.
    t.fault(c.fault, false);
    t.r().advance(3000);  // answers still under way come in first
    ASSERT_TRUE(t.r().runUntil([&] { return t.form().engine().AdapterReady; }, 10000));
    if (t.form().engine().SessionStarted) {
        t.trigger("DIAG_Stop");
        t.r().runUntil([&] { return !t.form().engine().SessionStarted; }, 20000);
    }
    // Classes 1 to 3 keep what was switched on until they are told otherwise (late answers
    // may still have let an off command through).
    if (T::Class <= 3 && c.fault != Fault::Late &&
        (c.fn == Function::ComponentPermanent || c.fn == Function::Co2)) {
        EXPECT_TRUE(t.anythingOn());
    }
    t.form().session().SelectedDeviceIndex = T::Row;
    t.trigger("DIAG_Start");
    ASSERT_TRUE(t.r().runUntil([&] { return t.form().engine().SessionUp; }, 20000))
        << "ready " << t.form().engine().AdapterReady << " started "
        << t.form().engine().SessionStarted << " lost " << t.form().engine().AdapterLost
        << " class " << int(t.form().engine().DeviceClass) << " " << dumpBoxes(t.r());
    if (c.fn == Function::Co2) {
        t.trigger("STEU_AUS");
    } else {
        ASSERT_TRUE(t.r().runUntil([&] { return t.komp().TestAllowed; }, 5000));
        t.r().ui.answers.clear();
        t.inWindow([&] { t.window().Button2()->click(); });
        t.trigger("DIAG_KOMP_Test");
    }
    EXPECT_TRUE(t.r().runUntil([&] { return !t.anythingOn(); }, 5000));
    if constexpr (T::Class == 5) {
        if (c.fn == Function::Co2) {
            EXPECT_TRUE(
                t.r().runUntil([&] { return t.unit.override(SimKX3166Unit::HS) == 0; }, 5000));
        }
    }
    t.r().advance(1000);
    EXPECT_EQ(t.count(kInterrupted), 1);
}

template <typename Unit>
void runTable(std::initializer_list<Function> functions, int co2Phases = 0) {
    for (Function fn : functions)
        for (int phase = 0; phase < (fn == Function::Co2 ? co2Phases : 1); ++phase)
            for (Fault f : {Fault::Pulled, Fault::Silent, Fault::Late}) {
                SCOPED_TRACE(::testing::Message()
                             << "class " << Traits<Unit>::Class << ", function "
                             << static_cast<int>(fn) << ", phase " << phase << ", fault "
                             << static_cast<int>(f));
                runCase<Unit>({fn, phase, f});
            }
}

// One test per class, so the classes run side by side.
TEST(ServiceInterruption, Class1ComponentTestAndVoltageCalibration) {
    runTable<SimKX3090Unit>(
        {Function::ComponentPermanent, Function::ComponentTimed, Function::Voltage});
}
TEST(ServiceInterruption, Class2ComponentTestAndPumpPressureTest) {
    runTable<SimKX3024Unit>({Function::ComponentPermanent, Function::PumpTest});
}
TEST(ServiceInterruption, Class3ComponentAndPumpPressureTest) {
    runTable<SimKX3117Unit>(
        {Function::ComponentPermanent, Function::ComponentTimed, Function::PumpTest});
}
TEST(ServiceInterruption, Class3Co2Adjustment) {
    runTable<SimKX3117Unit>({Function::Co2}, 3);
}
TEST(ServiceInterruption, Class4ComponentTest) {
    runTable<SimKX3141Unit>({Function::ComponentPermanent, Function::ComponentTimed});
}
TEST(ServiceInterruption, Class5ComponentAndPumpPressureTest) {
    runTable<SimKX3166Unit>(
        {Function::ComponentPermanent, Function::ComponentTimed, Function::PumpTest});
}
TEST(ServiceInterruption, Class5Co2Adjustment) {
    runTable<SimKX3166Unit>({Function::Co2}, 3);
}

}  // namespace
