// The voltage calibration and the CO2 adjustment through the main window against the simulated
// units, with scripted answers and a scripted user in the wait, speed and voltage dialogs: the
// value is stored, and every failure or cancel leaves the heater commanded off and the session
// able to go on.
#include <gtest/gtest.h>

#include "kaliallform.h"
#include "kalico2forms.h"
#include "kx3090unit.h"
#include "kx3117unit.h"
#include "kx3166unit.h"
#include "servicerun.h"

namespace {

template <typename Unit>
class Co2Run : public ServiceRun<Unit> {
public:
    TKALI_CO2_WAIT_Form& wait() { return *this->form().co2WaitForm(); }
    TKALI_CO2_EDIT_Form& edit() { return *this->form().co2EditForm(); }
    Calibration& calibration() { return this->form().kaliForm()->calibration(); }
    // The wait dialog waits until it ends by itself, or runs this user.
    void waitUser(std::function<void()> user = {}) {
        wait().runModal = [this, user] {
            if (user) user();
            this->run->runUntil([&] { return !wait().isShownModal(); }, 400000);
            return 0;
        };
    }
    void editUser(std::function<void()> user) {
        edit().runModal = [this, user] {
            editShown = true;
            user();
            return 0;
        };
    }
    bool editShown = false;
};

TEST(VoltageCalibration, StoresTheVoltageAndAFailedExchangeIsReportedLater) {
    ServiceRun<SimKX3090Unit> t;
    t.start();
    QAction* a = t.form().action(QStringLiteral("KAL_Spann"));
    EXPECT_TRUE(a->isVisible() && a->isEnabled());
    TKALI_ALL_Form& w = *t.form().kaliForm();
    QString shown;
    w.runModal = [&] {
        shown = w.ValueEdit()->text();
        w.ValueEdit()->setText(QStringLiteral("12,6"));
        w.OkButton()->click();
        return 0;
    };
    t.trigger("KAL_Spann");
    EXPECT_EQ(shown, QStringLiteral("24.000"));  // no voltage known yet
    ASSERT_TRUE(t.run->runUntil([&] { return t.unit.calibratedMillivolts() == 12600; }, 3000));
    EXPECT_TRUE(t.got(B({0x42, 1, 0, 0x31, 0x38})));

    // a value out of range is set to the limit; Abbrechen sends nothing
    w.runModal = [&] {
        shown = w.ValueEdit()->text();
        w.ValueEdit()->setText(QStringLiteral("40"));
        t.form().kaliForm()->calibration().VoltageExit();
        EXPECT_EQ(w.ValueEdit()->text(), QStringLiteral("32.000"));
        w.CancelButton()->click();
        return 0;
    };
    t.trigger("KAL_Spann");
    EXPECT_EQ(shown, QStringLiteral("12.600"));
    EXPECT_EQ(t.run->ui.boxes.size(), 1u);  // the range message
    t.run->advance(1000);
    EXPECT_EQ(t.unit.calibratedMillivolts(), 12600);

    // refused: it ends without a message
    t.run->ui.boxes.clear();
    w.runModal = [&] { return w.OkButton()->click(), 0; };
    t.unit.refuseRequests(B({0x42}));
    t.trigger("KAL_Spann");
    t.run->advance(2000);
    EXPECT_TRUE(t.run->ui.boxes.empty());
    EXPECT_EQ(t.form().kaliForm()->calibration().Req.Step, 0);

    // no answer: the message comes from the GUI loop, and the session goes on
    t.unit.clearRequestFaults();
    t.unit.ignoreRequests(B({0x42}));
    bool inReply = false;
    t.run->ui.onBox = [&] { EXPECT_FALSE(inReply); };
    t.trigger("KAL_Spann");
    ASSERT_TRUE(t.run->runUntil([&] { return t.box("Spannung konnte nicht kalibriert") >= 0; },
                                20000));
    EXPECT_EQ(t.run->ui.boxes.back().kind, MsgKind::Error);
    EXPECT_TRUE(t.form().engine().SessionUp);
}

TEST(Co2Adjustment, Class3StoresTheAssignedSpeedAndSwitchesOff) {
    Co2Run<SimKX3117Unit> t;
    t.unit.setIdleState(SimKX3117Unit::StateReady);
    t.start();
    QAction* a = t.form().action(QStringLiteral("KAL_CO2"));
    EXPECT_TRUE(a->isVisible() && a->isEnabled());
    t.waitUser();
    t.editUser([&] {
        TKALI_CO2_EDIT_Form& e = t.edit();
        EXPECT_EQ(e.MinimumField()->text(), QStringLiteral("3000"));
        EXPECT_EQ(e.MaximumField()->text(), QStringLiteral("5000"));
        EXPECT_EQ(e.NewSpeedField()->text(), QStringLiteral("3800"));
        EXPECT_TRUE(t.unit.heating());
        // the arrows move in steps of 100; "Speichern" waits for "Zuweisen"
        e.stepPosition(2);
        EXPECT_FALSE(e.SaveButton()->isEnabled());
        // typed values are rounded to a step
        e.NewSpeedField()->setText(QStringLiteral("4049"));
        e.newSpeedExit();
        EXPECT_EQ(e.position(), 4000);
        e.NewSpeedField()->setText(QStringLiteral("4050"));
        e.newSpeedExit();
        EXPECT_EQ(e.position(), 4100);
        e.assignClick();
        EXPECT_TRUE(e.SaveButton()->isEnabled());
        ASSERT_TRUE(t.run->runUntil([&] { return t.unit.setSpeed() == 4100; }, 3000));
        e.SaveButton()->click();
    });
    t.trigger("KAL_CO2");
    ASSERT_TRUE(t.editShown);
    for (const char* text : {"Stellen Sie sicher das die Umwälzpumpe", "CO2-Messgerät",
                             "jetzt starten?", "Soll die Einstellung 4100 U/min übernommen"})
        EXPECT_GE(t.box(text), 0) << text;
    // the warning about the CO2 meter offers its help topic beside OK and Cancel
    const FakeUserInteraction::Box& meter = t.run->ui.boxes.at(t.box("CO2-Messgerät"));
    EXPECT_EQ(meter.buttons, MB_OK | MB_CANCEL);
    EXPECT_EQ(meter.helpContext, 410);
    ASSERT_TRUE(t.run->runUntil([&] { return t.unit.storedSpeed() == 4100; }, 3000));
    ASSERT_TRUE(t.run->runUntil([&] { return !t.unit.heating(); }, 3000));
    EXPECT_TRUE(t.got(B({0x10})));
    EXPECT_FALSE(t.calibration().timerActive());
}

TEST(Co2Adjustment, Class3CancelOrFailureRestoresTheSpeedAndSwitchesOff) {
    Co2Run<SimKX3117Unit> t;
    t.unit.setIdleState(SimKX3117Unit::StateReady);
    t.start();
    // Abbrechen while the heater starts
    t.waitUser([&] {
        ASSERT_TRUE(t.run->runUntil([&] { return t.unit.heating(); }, 5000));
        t.wait().CancelButton()->click();
    });
    t.trigger("KAL_CO2");
    EXPECT_FALSE(t.editShown);
    ASSERT_TRUE(t.run->runUntil([&] { return !t.unit.heating(); }, 5000));
    EXPECT_TRUE(t.got(B({0x57, 3, 38})));  // the starting speed restored
    EXPECT_EQ(t.unit.storedSpeed(), 3800);

    // the unit never reports a stable flame: the wait dialog ends with "not started"
    ASSERT_TRUE(t.run->runUntil([&] { return t.calibration().CO2StateAllowed(); }, 60000));
    t.run->ui.boxes.clear();
    t.unit.setStabilisationResult(255);
    t.waitUser();
    t.trigger("KAL_CO2");
    EXPECT_GE(t.box("konnte nicht gestartet werden"), 0);
    ASSERT_TRUE(t.run->runUntil([&] { return !t.unit.heating(); }, 5000));
    EXPECT_TRUE(t.form().engine().SessionUp);
}

TEST(Co2Adjustment, Class3NeedsAStateItMayStartFrom) {
    Co2Run<SimKX3117Unit> t;
    t.start();  // "Aus" is not such a state
    t.trigger("KAL_CO2");
    EXPECT_GE(t.box("nur aus den Zuständen \"Einsatzbereit\""), 0);
    t.run->advance(1000);
    EXPECT_FALSE(t.got(B({0x57, 1})));
    EXPECT_FALSE(t.unit.heating());
}

TEST(Co2Adjustment, Class5SavesTheSpeedAndSwitchesTheMainSwitchOff) {
    Co2Run<SimKX3166Unit> t;
    t.start();
    t.waitUser();
    t.editUser([&] {
        EXPECT_EQ(t.edit().NewSpeedField()->text(), QStringLiteral("4000"));
        EXPECT_EQ(t.unit.state(), 14);  // parking heating
        t.edit().stepPosition(1);
        t.edit().assignClick();
        ASSERT_TRUE(t.run->runUntil([&] { return t.unit.adjustedSpeed() == 4100; }, 3000));
        t.edit().SaveButton()->click();
    });
    t.trigger("KAL_CO2");
    ASSERT_TRUE(t.editShown);
    ASSERT_TRUE(t.run->runUntil([&] { return t.unit.storedSpeed() == 4100; }, 3000));
    ASSERT_TRUE(t.run->runUntil([&] { return t.unit.override(SimKX3166Unit::HS) == 0; }, 3000));
}

TEST(Co2Adjustment, Class5RefusalNeverLeavesTheHeaterOn) {
    Co2Run<SimKX3166Unit> t;
    t.start();
    t.waitUser();
    t.editUser([&] {
        t.unit.setSpeedRefused(true);
        t.edit().stepPosition(1);
        t.edit().assignClick();
        // the refusal ends the speed dialog
        t.run->runUntil([&] { return !t.edit().isShownModal(); }, 5000);
        EXPECT_FALSE(t.edit().isShownModal());
    });
    t.trigger("KAL_CO2");
    EXPECT_GE(t.box("Es ist eine Störung aufgetreten"), 0);
    // the restore is refused as well: the main switch line goes off all the same
    ASSERT_TRUE(t.run->runUntil([&] { return t.unit.override(SimKX3166Unit::HS) == 0; }, 5000));
    EXPECT_EQ(t.calibration().Req.Step, 0);
    EXPECT_EQ(t.unit.storedSpeed(), 4000);
}

TEST(Co2Adjustment, Class5PulledCableEndsTheDialogAndTheSessionCanStartAgain) {
    Co2Run<SimKX3166Unit> t;
    t.start();
    t.waitUser([&] {
        ASSERT_TRUE(t.run->runUntil([&] { return t.unit.state() == 10; }, 5000));  // pre-run
        t.run->sim.unplug(t.run->adapter);
    });
    t.trigger("KAL_CO2");
    EXPECT_FALSE(t.editShown);
    EXPECT_GE(t.box("Es ist eine Störung aufgetreten"), 0);
    EXPECT_FALSE(t.calibration().timerActive());
    for (bool f : t.calibration().PendingFlags) EXPECT_FALSE(f);
    t.run->sim.replug(t.run->adapter);
    ASSERT_TRUE(t.run->runUntil([&] { return t.form().engine().AdapterReady; }, 5000));
    t.form().action(QStringLiteral("DIAG_Start"))->trigger();
    ASSERT_TRUE(t.run->runUntil([&] { return t.form().engine().SessionUp; }, 15000));
}

}  // namespace
