// The component test and the pump pressure test through the main window, against the simulated
// unit of each class, with scripted answers to their questions and a scripted user in their
// windows: the component goes on and off again, the test plug is required where it is, the
// pump pressure test counts down and switches off, and the faults end as they should.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "diagsession.h"
#include "komptestform.h"
#include "komptestpdp.h"
#include "kx3024unit.h"
#include "kx3090unit.h"
#include "kx3117unit.h"
#include "kx3141unit.h"
#include "kx3166unit.h"
#include "servicerun.h"

namespace {

TEST(ComponentTestWindow, Class1SwitchesTheChosenComponentForItsRuntimeAndOffOnClose) {
    ServiceRun<SimKX3090Unit> t;
    t.start();
    EXPECT_TRUE(t.form().action(QStringLiteral("DIAG_KOMP_Test"))->isEnabled());
    t.inWindow([&] {
        TKOMP_TEST_Form& w = t.window();
        const char* captions[] = {"Motor",           "Umwälzpumpe",
                                  "Zündfunkengeber", "Magnetventil (Ein ohne Taktung)",
                                  "Betriebsanzeige", "Flammanzeige"};
        for (int i = 0; i < 6; ++i) {
            EXPECT_TRUE(w.RadioButton(i + 1)->isVisibleTo(&w)) << i;
            EXPECT_EQ(w.RadioButton(i + 1)->text(), QString::fromUtf8(captions[i]));
        }
        EXPECT_FALSE(w.RadioButton(7)->isVisibleTo(&w));
        EXPECT_TRUE(w.RadioButton(1)->isChecked());
        // the fixed 100 % is neither shown nor editable; the runtime is
        EXPECT_FALSE(w.Edit1()->isEnabled());
        EXPECT_EQ(w.Edit2()->text(), QStringLiteral("10"));
        EXPECT_EQ(w.Label3()->text(), QStringLiteral("s"));

        w.RadioButton(2)->click();
        w.Button3()->click();
        ASSERT_TRUE(t.run->runUntil([&] { return t.unit.componentUnderTest() == 4; }, 3000));
        EXPECT_TRUE(t.got(B({0x45, 4, 10, 0x00, 0xC8})));  // the fixed 100 % sent doubled
        t.run->advance(10500);
        EXPECT_EQ(t.unit.componentUnderTest(), 0);  // its runtime is over

        // runtime 0 asks first; No sends nothing
        w.RadioButton(1)->click();
        w.Edit2()->setText(QStringLiteral("0"));
        t.komp().Edit2Exit();
        t.run->ui.answers = {MB_NO};
        w.Button3()->click();
        ASSERT_GE(t.box("dauerhaft eingeschaltet"), 0);
        t.run->advance(1000);
        EXPECT_FALSE(t.got(B({0x45, 1, 0, 0x00, 0xC8})));
        t.run->ui.answers = {MB_YES};
        w.Button3()->click();
        ASSERT_TRUE(t.run->runUntil([&] { return t.unit.componentUnderTest() == 1; }, 3000));
    });
    t.trigger("DIAG_KOMP_Test");
    // closing switches everything off
    ASSERT_TRUE(t.run->runUntil([&] { return t.unit.componentUnderTest() == 0; }, 3000));
    EXPECT_TRUE(t.got(B({0x45, 0, 0, 0, 0})));
    EXPECT_EQ(t.box("Komponententest konnte nicht"), -1);
}

TEST(ComponentTestWindow, Class1StateOutsideTheTableRefusesTheTest) {
    ServiceRun<SimKX3090Unit> t;
    t.start();
    // the circulation pump runs: state 0x4D00 is no state for a component test
    t.trigger("STEU_UP");
    ASSERT_TRUE(t.run->runUntil([&] { return !t.komp().TestAllowed; }, 5000));
    bool shown = false;
    t.window().runModal = [&] { return shown = true, 0; };
    t.trigger("DIAG_KOMP_Test");
    EXPECT_FALSE(shown);
    ASSERT_GE(t.box("Der Komponententest ist derzeit nicht möglich!"), 0);
    EXPECT_EQ(t.run->ui.boxes.back().kind, MsgKind::Warning);
}

TEST(ComponentTestWindow, Class2StartsTheSessionSwitchesOutputsAndEndsTheSessionOnClose) {
    ServiceRun<SimKX3024Unit> t;
    t.start(1);
    ASSERT_EQ(t.form().engine().DeviceClass, 2);
    t.inWindow([&] {
        TKOMP_TEST_Form& w = t.window();
        EXPECT_EQ(w.RadioButton(8)->text(), QStringLiteral("Pumpendruckprüfung"));
        EXPECT_FALSE(w.Edit2()->isEnabled());  // no runtime in class 2
        w.RadioButton(3)->click();             // circulation pump
        w.Button3()->click();
        ASSERT_TRUE(t.run->runUntil([&] { return t.unit.outputs()[2] == 1; }, 3000));
        EXPECT_TRUE(t.unit.diagnosticSession());
        ASSERT_TRUE(t.run->runUntil([&] { return t.komp().TestAllowed; }, 3000));
        // "alles aus" sends only the outputs, all 0
        w.Button2()->click();
        ASSERT_TRUE(t.run->runUntil([&] { return t.unit.outputs()[2] == 0; }, 3000));
        EXPECT_TRUE(t.unit.diagnosticSession());
    });
    t.trigger("DIAG_KOMP_Test");
    ASSERT_TRUE(t.run->runUntil([&] { return !t.unit.diagnosticSession(); }, 5000));
    EXPECT_TRUE(t.run->ui.boxes.empty());
}

TEST(ComponentTestWindow, Class2RefusedStopOfTheSessionIsAskedAgain) {
    ServiceRun<SimKX3024Unit> t;
    t.start(1);
    t.inWindow([&] {
        t.window().RadioButton(3)->click();
        t.window().Button3()->click();
        ASSERT_TRUE(t.run->runUntil([&] { return t.unit.outputs()[2] == 1; }, 3000));
        t.unit.refuseRequests(B({0x20}));
    });
    t.trigger("DIAG_KOMP_Test");
    ASSERT_TRUE(t.run->runUntil([&] { return t.unit.refusedCount() >= 2; }, 5000));
    t.unit.clearRequestFaults();
    ASSERT_TRUE(t.run->runUntil([&] { return !t.unit.diagnosticSession(); }, 5000));
    for (uint8_t o : t.unit.outputs()) EXPECT_EQ(o, 0);
    EXPECT_TRUE(t.form().engine().SessionUp);
}

TEST(ComponentTestWindow, Class3NeedsTheTestPlug) {
    ServiceRun<SimKX3117Unit> t;
    t.start();
    bool shown = false;
    t.window().runModal = [&] { return shown = true, 0; };
    // without the plug: the preparation, then the request to plug it in; Cancel ends
    t.run->ui.answers = {MB_OK, MB_CANCEL};
    t.trigger("DIAG_KOMP_Test");
    EXPECT_FALSE(shown);
    EXPECT_EQ(t.box("Vorbereitung des Komponententests"), 0);
    EXPECT_EQ(t.box("Bitte den Prüfstecker anstelle"), 1);
    ASSERT_EQ(t.run->ui.boxes.size(), 2u);
    EXPECT_EQ(t.run->ui.boxes[0].helpContext, KompTest::HelpContext);  // its Help button

    // with the plug the window opens at once and ends with the instructions to undo it
    t.unit.setTestPlug(true);
    ASSERT_TRUE(t.run->runUntil([&] { return t.komp().KOMP_TestPlugPresent(); }, 3000));
    t.run->ui.boxes.clear();
    t.inWindow([&] {
        TKOMP_TEST_Form& w = t.window();
        EXPECT_EQ(w.Edit1()->text(), QStringLiteral("3000"));  // the motor's speed
        EXPECT_EQ(w.Label4()->text(), QStringLiteral("U/min"));
        w.RadioButton(4)->click();  // the valve: its setpoint is the one byte 3
        EXPECT_FALSE(w.Edit1()->isEnabled());
        w.Button3()->click();
        ASSERT_TRUE(t.run->runUntil([&] { return t.unit.componentUnderTest() == 9; }, 3000));
        EXPECT_TRUE(t.got(B({0x45, 9, 10, 3})));
        w.RadioButton(2)->click();
        w.Button3()->click();
        ASSERT_TRUE(t.run->runUntil([&] { return t.unit.componentUnderTest() == 4; }, 3000));
        EXPECT_TRUE(t.got(B({0x45, 4, 10, 0xFF, 0xFF})));

        // the plug pulled while the window is open: "Start" asks for it and sends nothing
        t.unit.setTestPlug(false);
        ASSERT_TRUE(t.run->runUntil([&] { return !t.komp().KOMP_TestPlugPresent(); }, 3000));
        w.RadioButton(3)->click();
        w.Button3()->click();
        EXPECT_EQ(t.box("Bitte den Prüfstecker anstelle"), 0);
        t.run->advance(1000);
        EXPECT_FALSE(t.got(B({0x45, 8, 10, 0xFF, 0xFF})));
    });
    t.trigger("DIAG_KOMP_Test");
    const int finish = t.box("Beenden des Komponententests");
    ASSERT_GE(finish, 0);
    EXPECT_EQ(t.run->ui.boxes[finish].helpContext, KompTest::HelpContext);
}

TEST(ComponentTestWindow, Class3RefusalIsShownFromTheGuiLoop) {
    // The unit loses the plug just before the request and refuses with 7F 45 22. Whether the
    // values show the plug when the refusal is read decides the message.
    struct Case {
        const char* name;
        bool valuesShowThePlug;
        bool noPlugMessage;
    };
    const Case cases[] = {
        {"the values still show the plug: failed for another reason", true, false},
        {"the values already show it missing", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ServiceRun<SimKX3117Unit> t;
        t.unit.setTestPlug(true);
        t.start();
        ASSERT_TRUE(t.run->runUntil([&] { return t.komp().KOMP_TestPlugPresent(); }, 3000));
        t.run->ui.onBox = [&] {
            EXPECT_FALSE(t.run->inReplyPath()) << "a box inside the reply path";
        };
        const int replies = t.run->replies;
        t.inWindow([&] {
            t.unit.setTestPlug(false);
            t.window().Button3()->click();
            // the overview read meanwhile shows the coolant temperature again
            if (!c.valuesShowThePlug)
                t.form().engine().dataPoints.DP_SetValue("OVRTEMP", 0, "20", 20);
            ASSERT_TRUE(
                t.run->runUntil([&] { return t.box("Komponententest konnte nicht") >= 0; }, 3000));
            const FakeUserInteraction::Box& shown = t.run->ui.boxes.back();
            EXPECT_EQ(shown.kind, MsgKind::Error);
            EXPECT_EQ(shown.text.find("Prüfstecker nicht angeschlossen!") != ByteString::npos,
                      c.noPlugMessage)
                << shown.text;
            EXPECT_TRUE(t.got(B({0x45, 1, 10, 0x17, 0x70})));  // motor, 3000 U/min sent doubled
        });
        t.trigger("DIAG_KOMP_Test");
        EXPECT_GT(t.run->replies, replies);  // the reply path was watched
        EXPECT_EQ(t.unit.componentUnderTest(), 0);
    }
}

TEST(ComponentTestWindow, CommandWithoutAnswerEndsWithoutAMessageAndTheNextOneWorks) {
    ServiceRun<SimKX3090Unit> t;
    t.start();
    t.unit.ignoreRequests(B({0x45, 4}));  // the circulation pump's command
    t.inWindow([&] {
        TKOMP_TEST_Form& w = t.window();
        KompTest& k = t.komp();
        w.RadioButton(2)->click();
        w.Button3()->click();
        ASSERT_TRUE(
            t.run->runUntil([&] { return k.KompReq.Step == 0 && !k.KompReq.Active; }, 20000));
        t.run->advance(1000);
        // tried again up to the bus layer's failure limit, then given up
        const ByteString pumpOn = B({0x45, 4, 10, 0x00, 0xC8});
        EXPECT_EQ(std::count(t.unit.received().begin(), t.unit.received().end(), pumpOn),
                  t.form().session().buses().wbus.failureLimit());
        EXPECT_EQ(t.unit.componentUnderTest(), 0);
        EXPECT_TRUE(t.run->ui.boxes.empty());
        EXPECT_TRUE(t.form().engine().SessionUp);
        EXPECT_TRUE(t.form().engine().AdapterReady);
        // the unit answers again: the same command goes through
        t.unit.clearRequestFaults();
        w.Button3()->click();
        ASSERT_TRUE(t.run->runUntil([&] { return t.unit.componentUnderTest() == 4; }, 3000));
    });
    t.trigger("DIAG_KOMP_Test");
    ASSERT_TRUE(t.run->runUntil([&] { return t.unit.componentUnderTest() == 0; }, 3000));
}

TEST(ComponentTestWindow, RefusedSwitchOffIsSentAgainUntilTheUnitTakesIt) {
    ServiceRun<SimKX3090Unit> t;
    t.start();
    const ByteString off = B({0x45, 0, 0, 0, 0});
    t.inWindow([&] {
        TKOMP_TEST_Form& w = t.window();
        KompTest& k = t.komp();
        w.RadioButton(2)->click();
        w.Edit2()->setText(QStringLiteral("0"));
        k.Edit2Exit();
        t.run->ui.answers = {MB_YES};
        w.Button3()->click();
        ASSERT_TRUE(t.run->runUntil([&] { return t.unit.componentUnderTest() == 4; }, 3000));
        // the unit refuses the first offs; the program keeps asking and the last one goes in
        t.unit.refuseRequests(B({0x45, 0}));
        w.Button2()->click();
        const auto offs = [&] {
            return std::count(t.unit.received().begin(), t.unit.received().end(), off);
        };
        ASSERT_TRUE(t.run->runUntil([&] { return offs() >= 2; }, 3000));
        t.unit.clearRequestFaults();
        ASSERT_TRUE(t.run->runUntil([&] { return t.unit.componentUnderTest() == 0; }, 3000));
        EXPECT_GE(offs(), 3);
        EXPECT_TRUE(t.run->runUntil([&] { return k.switchedOnLabel() == 0; }, 1000));
        // refused for good: asked up to the failure limit, then given up, still marked on
        w.Button3()->click();
        ASSERT_TRUE(t.run->runUntil([&] { return t.unit.componentUnderTest() == 4; }, 3000));
        t.unit.refuseRequests(B({0x45, 0}));
        const auto before = offs();
        w.Button2()->click();
        ASSERT_TRUE(
            t.run->runUntil([&] { return k.KompReq.Step == 0 && !k.KompReq.Active; }, 5000));
        t.run->advance(1000);
        EXPECT_EQ(offs() - before, 1 + BusCode::FailureLimit);
        EXPECT_EQ(k.switchedOnLabel(), 4);  // the circulation pump's caption
        t.unit.clearRequestFaults();
    });
    t.trigger("DIAG_KOMP_Test");
    ASSERT_TRUE(t.run->runUntil([&] { return t.unit.componentUnderTest() == 0; }, 3000));
    EXPECT_TRUE(t.run->ui.boxes.size() <= 2u);  // the two questions of runtime 0
}

TEST(ComponentTestWindow, Class4AsksForTheGasSupplyAndStopsTheStartedComponent) {
    ServiceRun<SimKX3141Unit> t;
    t.unit.setIdleState(SimKX3141Unit::Off);  // "Einsatzbereit" allows no component test
    t.start();
    ASSERT_EQ(t.form().engine().DeviceClass, 4);
    ASSERT_TRUE(t.run->runUntil([&] { return t.komp().TestAllowed; }, 3000));
    t.inWindow([&] {
        TKOMP_TEST_Form& w = t.window();
        EXPECT_EQ(w.RadioButton(4)->text(), QStringLiteral("Magnetventil 1"));
        EXPECT_EQ(w.Edit2()->text(), QStringLiteral("20"));
        w.RadioButton(4)->click();
        t.run->ui.answers = {MB_NO};
        w.Button3()->click();
        EXPECT_GE(t.box("Gaszufuhr unterbrochen"), 0);
        t.run->advance(1000);
        EXPECT_FALSE(t.unit.valve1());
        t.run->ui.answers = {MB_YES};
        w.Button3()->click();
        ASSERT_TRUE(t.run->runUntil([&] { return t.unit.valve1(); }, 3000));
        EXPECT_TRUE(t.got(B({14, 4, 20})));
        ASSERT_TRUE(t.run->runUntil([&] { return t.dp("OVRZUSTAND") == "Komponententest"; }, 3000));
        EXPECT_TRUE(t.komp().TestAllowed);
        // "alles aus" stops the component started last
        w.Button2()->click();
        ASSERT_TRUE(t.run->runUntil([&] { return !t.unit.valve1(); }, 3000));
        EXPECT_TRUE(t.got(B({15, 4})));
        w.RadioButton(2)->click();  // circulation pump: no gas question
        t.run->ui.boxes.clear();
        w.Button3()->click();
        ASSERT_TRUE(t.run->runUntil([&] { return t.unit.componentUnderTest() == 2; }, 3000));
        EXPECT_TRUE(t.run->ui.boxes.empty());
    });
    t.trigger("DIAG_KOMP_Test");
    ASSERT_TRUE(t.run->runUntil([&] { return t.unit.componentUnderTest() == 0; }, 3000));
    EXPECT_TRUE(t.got(B({15, 2})));
}

TEST(ComponentTestWindow, Class5TimedTestEndsByItsCountdownAndStandardTimeUsesTheFallback) {
    ServiceRun<SimKX3166Unit> t;
    t.unit.setTestPlug(true);
    t.start();
    ASSERT_TRUE(t.run->runUntil([&] { return t.komp().TestAllowed; }, 3000));
    ASSERT_EQ(t.dp("PARKOMPDEF"), "20");
    t.inWindow([&] {
        TKOMP_TEST_Form& w = t.window();
        KompTest& k = t.komp();
        EXPECT_EQ(k.Countdown, KompTest::NoCountdown);  // the all-off of the window's start
        w.RadioButton(2)->click();                      // circulation pump, 10 s
        w.Button3()->click();
        EXPECT_EQ(k.Countdown, 100);
        ASSERT_TRUE(t.run->runUntil([&] { return t.unit.pumpRunning(); }, 3000));
        EXPECT_TRUE(t.got(B({14, 3, 10, 0, 0})));
        t.run->advance(8000);
        EXPECT_TRUE(t.unit.pumpRunning());  // kept on by the module's repeats
        ASSERT_TRUE(t.run->runUntil([&] { return k.Countdown == KompTest::NoCountdown; }, 3000));
        ASSERT_TRUE(t.run->runUntil([&] { return t.unit.state() == 2; }, 3000));

        // the standard time: the unit's default of 20 s, or 60 s where it gives none
        w.Edit2()->setText(QStringLiteral("255"));
        k.Edit2Exit();
        w.Button3()->click();
        EXPECT_GE(t.box("Standardzeitraum"), 0);
        EXPECT_EQ(k.Countdown, 200);
        ASSERT_TRUE(t.run->runUntil([&] { return t.got(B({14, 3, 255, 0, 0})); }, 3000));
        t.form().engine().dataPoints.DP_SetValue("PARKOMPDEF", 0, "0", 0);
        w.Button3()->click();
        EXPECT_EQ(k.Countdown, KompTest::FallbackCountdown);
        ASSERT_TRUE(
            t.run->runUntil([&] { return k.KompReq.Step == 0 && !k.KompReq.Active; }, 3000));
        EXPECT_TRUE(t.unit.pumpRunning());
    });
    t.trigger("DIAG_KOMP_Test");
    // a test still running when the window closes gets its stop message
    ASSERT_TRUE(t.run->runUntil([&] { return t.got(B({15, 3})); }, 3000));
    ASSERT_TRUE(t.run->runUntil([&] { return t.unit.state() == 2; }, 3000));
}

TEST(PumpPressureTest, Class5CountsDownTwentySecondsSwitchesOffAndRunsOncePerSession) {
    ServiceRun<SimKX3166Unit> t;
    t.unit.setTestPlug(true);
    t.start();
    ASSERT_TRUE(t.run->runUntil([&] { return t.komp().TestAllowed; }, 3000));
    bool onDuringCountdown = false;
    t.countdownUser([&](TKOMP_TESTPDP&) {
        onDuringCountdown = t.run->runUntil([&] { return t.unit.componentUnderTest() == 8; }, 3000);
    });
    t.inWindow([&] {
        // a Yes to the CO2 question ends without the test
        t.window().RadioButton(7)->click();
        t.window().Button3()->click();
        EXPECT_GE(t.box("nicht notwendig"), 0);
        EXPECT_FALSE(t.form().engine().PumpTestDone);

        t.run->ui.boxes.clear();
        t.run->ui.answers = {MB_OK, MB_NO};  // the maintenance notice, then the CO2 question
        t.window().Button3()->click();
        for (const char* step :
             {"Wartungsarbeiten", "CO2-Wert nach Werkstatthandbuch", "lässt sich nicht", "Achtung!",
              "Vorbereitung", "Durchführung", "Beenden des Tests"})
            EXPECT_GE(t.box(step), 0) << step;
        EXPECT_TRUE(t.form().engine().PumpTestDone);
        ASSERT_TRUE(t.run->runUntil([&] { return t.unit.state() == 2; }, 5000));

        // once per session
        t.run->ui.boxes.clear();
        t.window().Button3()->click();
        ASSERT_EQ(t.run->ui.boxes.size(), 1u);
        EXPECT_GE(t.box("nur einmal pro Diagnosevorgang"), 0);
    });
    t.trigger("DIAG_KOMP_Test");
    EXPECT_TRUE(onDuringCountdown);
    EXPECT_EQ(t.countdownAtStart, QStringLiteral("Sie haben noch 20 Sekunden Zeit."));
    EXPECT_EQ(t.countdownAtEnd, QStringLiteral("Sie haben noch 0 Sekunden Zeit."));
    EXPECT_TRUE(t.got(B({14, 8, 20, 0, 0})));
    EXPECT_TRUE(t.got(B({14, 0, 0, 0, 0})));

    // a new session allows it again
    t.trigger("DIAG_Stop");
    ASSERT_TRUE(t.run->runUntil([&] { return !t.form().engine().SessionUp; }, 5000));
    EXPECT_FALSE(t.form().engine().PumpTestDone);
}

TEST(PumpPressureTest, Class3CancelledCountdownSwitchesOffAndShowsTheFinish) {
    ServiceRun<SimKX3117Unit> t;
    t.unit.setTestPlug(true);
    t.start();
    ASSERT_TRUE(t.run->runUntil([&] { return t.komp().KOMP_TestPlugPresent(); }, 3000));
    t.countdownUser([&](TKOMP_TESTPDP& pdp) {
        ASSERT_TRUE(t.run->runUntil([&] { return t.unit.componentUnderTest() == 2; }, 3000));
        t.run->advance(3000);
        pdp.CancelBtn()->click();
    });
    t.inWindow([&] {
        t.run->ui.answers = {MB_OK, MB_NO};
        t.window().RadioButton(8)->click();
        t.window().Button3()->click();
    });
    t.trigger("DIAG_KOMP_Test");
    EXPECT_TRUE(t.got(B({0x45, 2, 20, 0xFF, 0xFF})));
    ASSERT_TRUE(t.run->runUntil([&] { return t.unit.componentUnderTest() == 0; }, 3000));
    EXPECT_GE(t.box("Beenden des Tests"), 0);
    EXPECT_NE(t.countdownAtEnd, QStringLiteral("Sie haben noch 0 Sekunden Zeit."));
}

TEST(PumpPressureTest, LinkLostDuringTheCountdownEndsWithTheLinkMessageAndNoFinish) {
    ServiceRun<SimKX3166Unit> t;
    t.unit.setTestPlug(true);
    t.start();
    ASSERT_TRUE(t.run->runUntil([&] { return t.komp().TestAllowed; }, 3000));
    t.countdownUser([&](TKOMP_TESTPDP&) {
        t.run->advance(2000);
        t.run->sim.unplug(t.run->adapter);
    });
    t.inWindow([&] {
        t.run->ui.answers = {MB_OK, MB_NO};
        t.window().RadioButton(7)->click();
        t.window().Button3()->click();
    });
    t.trigger("DIAG_KOMP_Test");
    EXPECT_GE(t.box("Die Kommunikation zum Heizgerät ist unterbrochen!"), 0);
    EXPECT_EQ(t.box("Beenden des Tests"), -1);
    EXPECT_TRUE(t.form().engine().PumpTestDone || !t.form().engine().SessionUp);
    // nothing is left to be sent to a later adapter
    t.run->advance(2000);
    EXPECT_EQ(t.komp().KompReq.Step, 0);
}

TEST(PumpPressureTest, Class2WaitsForTheUnpluggedTemperatureSensor) {
    ServiceRun<SimKX3024Unit> t;
    t.start(1);
    t.inWindow([&] {
        // the sensor still reads a temperature above 0 °C: Cancel ends before anything runs
        t.run->ui.answers = {MB_OK, MB_NO, MB_YES, MB_OK, MB_OK, MB_OK, MB_CANCEL};
        t.window().RadioButton(8)->click();
        t.window().Button3()->click();
        EXPECT_GE(t.box("Temperatursensor abstecken!"), 0);
        EXPECT_EQ(t.run->ui.boxes.back().kind, MsgKind::Error);
    });
    t.trigger("DIAG_KOMP_Test");
    EXPECT_FALSE(t.form().engine().PumpTestDone);
    for (uint8_t o : t.unit.outputs()) EXPECT_EQ(o, 0);
}

TEST(PumpPressureTest, Class2RunsMotorAndValveOnceTheSensorReadsZeroAndSwitchesThemOff) {
    // The unplugged sensor reads 0 °C, the lowest the unit reports: exactly the limit.
    struct Case {
        const char* name;
        uint8_t temperatureUnit;  // 0 °C, 1 °F
        const char* zeroShown;    // 0 °C as the values show it
        bool unplugWhenAsked;     // else unplugged before the test
    };
    const Case cases[] = {
        {"unplugged before, Celsius", 0, "0", false},
        {"unplugged before, Fahrenheit", 1, "32", false},
        {"unplugged when asked", 0, "0", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ServiceRun<SimKX3024Unit> t;
        t.start(1);
        t.form().UNIT_LoadTemperatureTexts(c.temperatureUnit);
        auto unplug = [&] {
            t.unit.setTemperatureSensor(false);
            return t.run->runUntil([&] { return t.dp("OVRTEMP") == c.zeroShown; }, 5000);
        };
        if (!c.unplugWhenAsked) {
            ASSERT_TRUE(unplug());
        }
        // the technician pulls the sensor when the box after the execution text asks for it
        bool unplugged = false;
        t.run->ui.onBox = [&] {
            const auto& b = t.run->ui.boxes;
            if (c.unplugWhenAsked && !b.empty() &&
                b.back().text.find("Durchführung") != ByteString::npos)
                unplugged = unplug();
        };
        std::array<uint8_t, 5> during{};
        t.countdownUser([&](TKOMP_TESTPDP&) {
            t.run->runUntil([&] { return t.unit.outputs()[1] != 0; }, 3000);
            during = t.unit.outputs();
        });
        t.inWindow([&] {
            // notice, CO2 No, not adjustable Yes, warning, preparation, execution, [sensor]
            t.run->ui.answers = {MB_OK, MB_NO, MB_YES, MB_OK, MB_OK, MB_OK, MB_OK};
            t.window().RadioButton(8)->click();
            t.window().Button3()->click();
            // switched off at the end of the countdown, the diagnostic session still open
            ASSERT_TRUE(t.run->runUntil([&] { return t.unit.outputs()[1] == 0; }, 3000));
            EXPECT_TRUE(t.unit.diagnosticSession());
        });
        t.trigger("DIAG_KOMP_Test");
        EXPECT_EQ(unplugged, c.unplugWhenAsked);
        int sensorBoxes = 0;
        for (const auto& b : t.run->ui.boxes)
            sensorBoxes += b.text.find("Temperatursensor abstecken!") != ByteString::npos;
        EXPECT_EQ(sensorBoxes, c.unplugWhenAsked ? 1 : 0);
        // motor (output 2) and valve at 3 (output 4), nothing else
        EXPECT_EQ(during, (std::array<uint8_t, 5>{0, 1, 0, 3, 0}));
        EXPECT_EQ(t.countdownAtStart, QStringLiteral("Sie haben noch 20 Sekunden Zeit."));
        EXPECT_EQ(t.countdownAtEnd, QStringLiteral("Sie haben noch 0 Sekunden Zeit."));
        EXPECT_TRUE(t.form().engine().PumpTestDone);
        EXPECT_GE(t.box("Düse einschrauben (20 Nm)"), 0);  // the class-2 finish
        for (uint8_t o : t.unit.outputs()) EXPECT_EQ(o, 0);
        ASSERT_TRUE(t.run->runUntil([&] { return !t.unit.diagnosticSession(); }, 5000));
    }
}

}  // namespace
