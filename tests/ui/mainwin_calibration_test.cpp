// The voltage calibration and the CO2 adjustment through the main window against the simulated
// units, with scripted answers and a scripted user in the wait, speed and voltage dialogs: the
// value is stored, and every failure or cancel leaves the heater commanded off and the session
// able to go on.
#include <gtest/gtest.h>

#include <algorithm>

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
    // The wait dialog waits until it ends by itself, or runs this user. It looks every 250 ms:
    // the start and the stabilisation take minutes of program time.
    void waitUser(std::function<void()> user = {}) {
        wait().runModal = [this, user] {
            if (user) user();
            for (int64_t ms = 0; ms < 400000 && wait().isShownModal(); ms += 250)
                this->run->advance(250);
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
    t.run->ui.onBox = [&] { EXPECT_FALSE(t.run->inReplyPath()) << "a box inside the reply path"; };
    const int replies = t.run->replies;
    t.trigger("KAL_Spann");
    ASSERT_TRUE(
        t.run->runUntil([&] { return t.box("Spannung konnte nicht kalibriert") >= 0; }, 20000));
    EXPECT_EQ(t.run->ui.boxes.back().kind, MsgKind::Error);
    EXPECT_TRUE(t.form().engine().SessionUp);
    EXPECT_GT(t.run->replies, replies);  // the reply path was watched
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
    // the warning about the CO2 meter and the start question offer the topic's help
    const FakeUserInteraction::Box& meter = t.run->ui.boxes.at(t.box("CO2-Messgerät"));
    EXPECT_EQ(meter.buttons, MB_OK | MB_CANCEL);
    EXPECT_EQ(meter.helpContext, 410);
    const FakeUserInteraction::Box& start = t.run->ui.boxes.at(t.box("jetzt starten?"));
    EXPECT_EQ(start.buttons, MB_YES | MB_NO);
    EXPECT_EQ(start.helpContext, 410);
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

// What the tests of a CO2 adjustment that ends without a new speed know of each class's unit.
template <typename Unit>
struct Co2Unit;
template <>
struct Co2Unit<SimKX3117Unit> {
    static void prepare(SimKX3117Unit& u) { u.setIdleState(SimKX3117Unit::StateReady); }
    static constexpr uint16_t StartSpeed = 3800;
    // The request that sets a speed for the running heater.
    static ByteString setSpeed(int rpm) { return B({0x57, 3, rpm / 100}); }
    static bool heaterOn(const SimKX3117Unit& u) { return u.heating(); }
};
template <>
struct Co2Unit<SimKX3166Unit> {
    static void prepare(SimKX3166Unit&) {}
    static constexpr uint16_t StartSpeed = 4000;
    static ByteString setSpeed(int rpm) { return B({70, 1, rpm / 100}); }
    static bool heaterOn(const SimKX3166Unit& u) { return u.override(SimKX3166Unit::HS) == 1; }
};

enum class Co2Ending { CancelWait, CancelSpeedDialog, NoToTakeOver };

// The user leaves without taking a new speed over: the starting speed is set again (after the
// speed assigned, if any), the stored one is unchanged, and the heater goes off.
template <typename Unit>
void co2EndsWithoutNewSpeed(Co2Ending how) {
    using U = Co2Unit<Unit>;
    Co2Run<Unit> t;
    U::prepare(t.unit);
    t.start();
    const int assigned = U::StartSpeed + 300;
    bool endedByButton = false;
    if (how == Co2Ending::CancelWait) {
        t.waitUser([&] {
            ASSERT_TRUE(t.run->runUntil([&] { return U::heaterOn(t.unit); }, 5000));
            t.wait().CancelButton()->click();
            endedByButton = !t.wait().isShownModal();
        });
    } else {
        t.waitUser();
        t.editUser([&] {
            t.edit().stepPosition(3);
            t.edit().assignClick();
            ASSERT_TRUE(t.run->runUntil([&] { return t.got(U::setSpeed(assigned)); }, 3000));
            QPushButton* b = how == Co2Ending::CancelSpeedDialog ? t.edit().CancelButton()
                                                                 : t.edit().SaveButton();
            b->click();
            endedByButton = !t.edit().isShownModal();
        });
    }
    t.run->ui.answers = {MB_OK, MB_OK, MB_YES, MB_NO};  // pump, meter, start, take over
    t.trigger("KAL_CO2");
    EXPECT_TRUE(endedByButton);
    EXPECT_EQ(t.editShown, how != Co2Ending::CancelWait);
    const ByteString question = "Soll die Einstellung " + std::to_string(assigned) + " U/min";
    EXPECT_EQ(t.box(question.c_str()) >= 0, how == Co2Ending::NoToTakeOver);
    EXPECT_EQ(t.box("Störung"), -1);
    const ByteString restore = U::setSpeed(U::StartSpeed);
    ASSERT_TRUE(t.run->runUntil(
        [&] { return t.got(restore) && !U::heaterOn(t.unit) && t.calibration().Req.Step == 0; },
        10000));
    if (how != Co2Ending::CancelWait) {
        const auto& r = t.unit.received();
        const auto last = [&](const ByteString& x) {
            return std::find(r.rbegin(), r.rend(), x).base() - r.begin();
        };
        EXPECT_LT(last(U::setSpeed(assigned)), last(restore));
    }
    EXPECT_EQ(t.unit.storedSpeed(), U::StartSpeed);
    EXPECT_FALSE(t.calibration().timerActive());
    EXPECT_TRUE(t.form().engine().SessionUp);
}

TEST(Co2Adjustment, EndingWithoutANewSpeedRestoresTheStartingSpeedAndSwitchesOff) {
    struct Case {
        const char* name;
        int deviceClass;
        Co2Ending how;
    };
    const Case cases[] = {
        {"class 3, No to the take-over question", 3, Co2Ending::NoToTakeOver},
        {"class 3, Abbrechen in the speed dialog", 3, Co2Ending::CancelSpeedDialog},
        {"class 5, No to the take-over question", 5, Co2Ending::NoToTakeOver},
        {"class 5, Abbrechen in the speed dialog", 5, Co2Ending::CancelSpeedDialog},
        {"class 5, Abbrechen in the wait dialog", 5, Co2Ending::CancelWait},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.deviceClass == 3)
            co2EndsWithoutNewSpeed<SimKX3117Unit>(c.how);
        else
            co2EndsWithoutNewSpeed<SimKX3166Unit>(c.how);
    }
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

// The store's answer never comes in time (the unit took it): the heater is switched off while
// the link is up, and the result is "possibly stored", not a fault.
template <typename Unit>
void co2StoreAnswerLate(const ByteString& storeRequest) {
    using U = Co2Unit<Unit>;
    Co2Run<Unit> t;
    U::prepare(t.unit);
    t.start();
    t.run->ui.onBox = [&] { EXPECT_FALSE(t.run->inReplyPath()) << "a box inside the reply path"; };
    const int assigned = U::StartSpeed + 200;
    t.waitUser();
    t.editUser([&] {
        t.edit().stepPosition(2);
        t.edit().assignClick();
        ASSERT_TRUE(t.run->runUntil([&] { return t.got(U::setSpeed(assigned)); }, 3000));
        t.unit.loseAnswers(storeRequest);
        t.edit().SaveButton()->click();
    });
    t.run->ui.answers = {MB_OK, MB_OK, MB_YES, MB_YES};  // pump, meter, start, take over
    t.trigger("KAL_CO2");
    ASSERT_TRUE(t.editShown);
    ASSERT_TRUE(t.run->runUntil([&] { return t.box("möglicherweise gespeichert") >= 0; }, 30000));
    EXPECT_EQ(t.run->ui.boxes.back().kind, MsgKind::Warning);
    ASSERT_TRUE(t.run->runUntil([&] { return !U::heaterOn(t.unit); }, 5000));
    EXPECT_TRUE(t.got(storeRequest));
    EXPECT_EQ(t.unit.storedSpeed(), assigned);
    EXPECT_EQ(t.box("Störung"), -1);
    EXPECT_EQ(t.box("wurde abgebrochen"), -1);
    EXPECT_TRUE(t.form().engine().SessionUp);
    t.run->advance(2000);
    int uncertain = 0;
    for (const auto& b : t.run->ui.boxes)
        uncertain += b.text.find("möglicherweise gespeichert") != ByteString::npos;
    EXPECT_EQ(uncertain, 1);
}

TEST(Co2Adjustment, StoreWithoutAnswerIsPossiblyStoredAndTheHeaterGoesOff) {
    {
        SCOPED_TRACE("class 3");
        co2StoreAnswerLate<SimKX3117Unit>(B({0x57, 6}));
    }
    {
        SCOPED_TRACE("class 5");
        co2StoreAnswerLate<SimKX3166Unit>(B({70, 2, 42}));  // 4200 U/min
    }
}
