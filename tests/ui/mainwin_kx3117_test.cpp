// The main window with a class-3 heater on the simulated adapter: its title, its controls with
// their confirmations and check marks, and the telegram log's lines of its operating states.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "diagsession.h"
#include "errorform.h"
#include "kx3117unit.h"
#include "mainwinharness.h"
#include "overviewform.h"
#include "protokoll.h"
#include "servicerun.h"
#include "settingslanguage.h"

namespace {

class MainWindowKX3117 : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        run = std::make_unique<MainWinRun>(dir.path(), true, &unit);
        run->showReady();
        ASSERT_TRUE(form().engine().AdapterReady);
        trigger("DIAG_Start");
        ASSERT_TRUE(run->runUntil([&] { return form().engine().SessionUp; }, 10000));
    }
    void TearDown() override { run.reset(); }

    TMAIN_Form& form() { return *run->form; }
    QAction* action(const char* name) { return form().action(QString::fromLatin1(name)); }
    void trigger(const char* name) { action(name)->trigger(); }
    bool checked(const char* name) { return action(name)->isChecked(); }
    ByteString dp(const char* key) { return form().engine().dataPoints.DP_GetValue(key).Text; }
    QString logText() {
        form().protForm()->showWaitingLines();
        return form().protForm()->PROT_Text()->toPlainText();
    }

    QTemporaryDir dir;
    SimKX3117Unit unit;
    std::unique_ptr<MainWinRun> run;
};

TEST_F(MainWindowKX3117, SessionShowsTheHeaterAndItsControls) {
    EXPECT_EQ(form().engine().DeviceClass, 3);
    EXPECT_EQ(form().windowTitle(), QStringLiteral("NAVIRON Calvix Test [Calvix R]"));
    for (const char* n : {"STEU_AUS", "STEU_Stand", "STEU_Zuheiz", "STEU_UP", "STEU_Spar_1",
                          "STEU_Spar_2", "STEU_ERRDEL"}) {
        EXPECT_TRUE(action(n)->isVisible()) << n;
        EXPECT_TRUE(action(n)->isEnabled()) << n;
    }
    EXPECT_FALSE(checked("STEU_Spar_1"));
    EXPECT_FALSE(checked("STEU_Spar_2"));
    EXPECT_TRUE(run->ui.boxes.empty());

    // the overview and the error view show the unit's values
    ASSERT_TRUE(run->runUntil([&] { return dp("OVRERRCNT") == "3"; }, 5000));
    run->advance(500);
    QStringList shown;
    for (QLabel* l : form().overviewForm()->findChildren<QLabel*>())
        if (l->isVisibleTo(form().overviewForm())) shown << l->text();
    EXPECT_TRUE(shown.contains(QStringLiteral("Aus")));
    EXPECT_TRUE(shown.contains(QStringLiteral("dunkel")));
    EXPECT_TRUE(shown.join('\n').contains(QStringLiteral("80.0"))) << "upper switching threshold";
    QTreeWidget* list = form().errorForm()->ErrorList();
    QStringList cells;
    for (int r = 0; r < list->topLevelItemCount(); ++r) cells << list->topLevelItem(r)->text(1);
    for (const char* t : {"Flammabbruch", "Unterspannung", "Überhitzung T > 135°C"})
        EXPECT_TRUE(cells.contains(QString::fromUtf8(t))) << t;
}

TEST_F(MainWindowKX3117, HeatingCommandsAfterTheirConfirmationAndStateLinesInTheLog) {
    // Cancelling the pump confirmation sends nothing.
    run->ui.answers = {MB_CANCEL};
    trigger("STEU_Stand");
    ASSERT_EQ(run->ui.boxes.size(), 1u);
    EXPECT_EQ(run->ui.boxes[0].kind, MsgKind::Warning);
    EXPECT_NE(run->ui.boxes[0].text.find("Umwälzpumpe angesteuert"), ByteString::npos);
    run->advance(3000);
    EXPECT_FALSE(unit.heating());

    trigger("STEU_Stand");
    ASSERT_TRUE(run->runUntil([&] { return unit.heating(); }, 3000));
    EXPECT_EQ(unit.heatingMode(), SimKX3117Unit::Heating::Parking);
    ASSERT_TRUE(run->runUntil([&] { return dp("OVRZUSTAND") == "Standheizen"; }, 40000));
    // every change of the operating state is a line with the states' texts
    const QString log = logText();
    for (const char* line : {"(Aus -> Vorlauf)", "(Vorlauf -> Zündung)",
                             "(Zündung -> Stabilisierung)", "(Stabilisierung -> Standheizen)"})
        EXPECT_TRUE(log.contains(QString::fromUtf8(line))) << line;
    EXPECT_FALSE(log.contains(QStringLiteral("( -> )")));

    trigger("STEU_AUS");
    ASSERT_TRUE(run->runUntil([&] { return !unit.heating(); }, 3000));
    ASSERT_TRUE(
        run->runUntil([&] { return logText().contains("(Standheizen -> Nachlauf 1)"); }, 3000));

    trigger("STEU_Zuheiz");
    ASSERT_TRUE(run->runUntil([&] { return unit.heating(); }, 3000));
    EXPECT_EQ(unit.heatingMode(), SimKX3117Unit::Heating::Supplementary);
    trigger("STEU_UP");  // no confirmation
    ASSERT_TRUE(run->runUntil([&] { return unit.pumpRunning(); }, 3000));
    EXPECT_EQ(run->ui.boxes.size(), 3u);
}

TEST_F(MainWindowKX3117, EconomyModesAreCheckedByTheModule) {
    struct Click {
        const char* action;
        uint8_t mode;
        bool spar1, spar2;
    };
    // each click waits until the unit has the mode; a checked mode clicked again is normal
    const Click clicks[] = {{"STEU_Spar_1", 2, true, false},  {"STEU_Spar_2", 3, false, true},
                            {"STEU_Spar_2", 1, false, false}, {"STEU_Spar_2", 3, false, true},
                            {"STEU_Spar_1", 2, true, false},  {"STEU_Spar_1", 1, false, false}};
    for (const Click& c : clicks) {
        trigger(c.action);
        EXPECT_EQ(checked("STEU_Spar_1"), c.spar1) << c.action << int(c.mode);
        EXPECT_EQ(checked("STEU_Spar_2"), c.spar2) << c.action << int(c.mode);
        ASSERT_TRUE(run->runUntil([&] { return unit.economyMode() == c.mode; }, 3000));
    }
    // a click while a mode is still to be sent changes nothing, its check mark included
    trigger("STEU_Spar_1");
    trigger("STEU_Spar_2");
    EXPECT_TRUE(checked("STEU_Spar_1"));
    EXPECT_FALSE(checked("STEU_Spar_2"));
    ASSERT_TRUE(run->runUntil([&] { return unit.economyMode() == 2; }, 3000));
    run->advance(2000);
    EXPECT_EQ(unit.economyMode(), 2);
    EXPECT_TRUE(run->ui.boxes.empty());
}

TEST_F(MainWindowKX3117, ErrorDeleteAsksWithTheClassThreeTextAndEmptiesTheList) {
    ASSERT_TRUE(run->runUntil([&] { return dp("OVRERRCNT") == "3"; }, 5000));
    run->ui.answers = {MB_YES};
    trigger("STEU_ERRDEL");
    ASSERT_EQ(run->ui.boxes.size(), 1u);
    EXPECT_EQ(run->ui.boxes[0].kind, MsgKind::Question);
    EXPECT_NE(run->ui.boxes[0].text.find("softwareseitige Heizgeräteverriegelung mit der Taste F5"),
              ByteString::npos);
    ASSERT_TRUE(run->runUntil([&] { return unit.errors().empty(); }, 3000));
    run->advance(200);
    // emptied at once, before the next read of the list
    EXPECT_EQ(dp("OVRERRCNT"), "0");
    EXPECT_EQ(dp("ERRCODE1"), "");
}

// In English the motor speed's unit reads as the trend and the component test write it, in the
// overview and the operating data alike.
TEST(MainWindowKX3117English, MotorSpeedIsInRpm) {
    ASSERT_TRUE(LANG_Load(QStringLiteral("ENG"), QStringLiteral(CALVIX_QM_DIR)));
    {
        ServiceRun<SimKX3117Unit> t;
        t.start();
        for (const char* key : {"OVRBGRPM", "BETSBGRPM"})
            EXPECT_EQ(t.form().engine().dataPoints.DP_Find(key).Unit, "rpm") << key;
    }
    LANG_Unload();
}

}  // namespace
