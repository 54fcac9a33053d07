// The main window as a technician uses it, on the simulated adapter with a simulated KX3090:
// start the diagnosis from the tool bar, watch title, status bar, log and views, command the
// heater from the menu, end the diagnosis, close, and start again.
#include <gtest/gtest.h>

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <chrono>

#include "betriebform.h"
#include "diagsession.h"
#include "errorform.h"
#include "konfigform.h"
#include "kx3024unit.h"
#include "mainwinharness.h"
#include "mdichecks.h"
#include "overviewform.h"
#include "protokoll.h"
#include "statuspanel.h"
#include "trendform.h"
#include "viewtestsupport.h"

namespace {

class MainWindowSession : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // A click on the tool-bar button of an action.
    static void click(TMAIN_Form& f, const char* name) {
        QWidget* button = f.toolBar()->widgetForAction(f.action(QString::fromLatin1(name)));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static QString logText(TMAIN_Form& f) {
        f.protForm()->showWaitingLines();
        return f.protForm()->PROT_Text()->toPlainText();
    }
    static ByteString dp(TMAIN_Form& f, const char* key) {
        return f.engine().dataPoints.DP_GetValue(key).Text;
    }
    static bool shownAndEnabled(TMAIN_Form& f, const char* name) {
        QAction* a = f.action(QString::fromLatin1(name));
        return a->isVisible() && a->isEnabled();
    }
    // Starts the session from the tool bar and waits until the unit is up.
    void startSession(MainWinRun& run) {
        run.showReady();
        ASSERT_TRUE(run.form->engine().AdapterReady);
        ASSERT_TRUE(shownAndEnabled(*run.form, "DIAG_Start"));
        click(*run.form, "DIAG_Start");
        ASSERT_TRUE(run.runUntil([&] { return run.form->engine().SessionUp; }, 10000));
    }

    QTemporaryDir dir;
};

TEST_F(MainWindowSession, StartFindsTheUnitAndShowsTheSession) {
    MainWinRun run(dir.path());
    TMAIN_Form& f = *run.form;
    run.showReady();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("NAVIRON Calvix Test"));
    EXPECT_EQ(f.statusPanel()->shownText(), QStringLiteral("Diagnose gestoppt"));
    EXPECT_EQ(f.statusPanel()->shownImage(), 45);
    click(f, "DIAG_Start");
    // starting disables start, device selection and the units dialog at once
    EXPECT_FALSE(f.action(QStringLiteral("DIAG_Start"))->isEnabled());
    EXPECT_FALSE(f.action(QStringLiteral("DIAG_DEV_Sel"))->isEnabled());
    EXPECT_FALSE(f.action(QStringLiteral("EXTR_UNIT"))->isEnabled());
    ASSERT_TRUE(run.runUntil([&] { return f.engine().SessionUp; }, 10000));

    EXPECT_EQ(f.engine().DeviceClass, 1);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("NAVIRON Calvix Test [HVD 420]"));
    EXPECT_EQ(f.statusPanel()->shownText(), QStringLiteral("Diagnose gestartet"));
    // the icon alternates with the adapter's traffic
    std::set<int> images;
    for (int i = 0; i < 20; ++i) {
        run.advance(30);
        f.statusPanel()->update();
        images.insert(f.statusPanel()->shownImage());
    }
    EXPECT_EQ(images, (std::set<int>{46, 47}));
    EXPECT_TRUE(logText(f).contains(QStringLiteral("Diagnose gestartet")));
    EXPECT_TRUE(shownAndEnabled(f, "DIAG_Stop"));
    EXPECT_FALSE(f.action(QStringLiteral("DIAG_Start"))->isEnabled());
    // the class-1 commands are offered, the other classes' are not
    for (const char* n : {"STEU_AUS", "STEU_UP", "STEU_ERRDEL"})
        EXPECT_TRUE(shownAndEnabled(f, n)) << n;
    for (const char* n : {"STEU_Stand", "STEU_Heiz", "STEU_UP_EIN", "STEU_CNTDEL"})
        EXPECT_FALSE(f.action(QString::fromLatin1(n))->isVisible()) << n;
    // the windows were told the class
    EXPECT_EQ(f.overviewForm()->HeldDeviceClass(), 1);
    EXPECT_EQ(f.errorForm()->ERROR_GetDeviceType(), 1);
}

TEST_F(MainWindowSession, HeaterCommandsReachTheUnit) {
    MainWinRun run(dir.path());
    TMAIN_Form& f = *run.form;
    startSession(run);

    f.action(QStringLiteral("STEU_UP"))->trigger();
    ASSERT_TRUE(run.runUntil([&] { return run.unit.pumpRunning(); }, 3000));
    ASSERT_TRUE(
        run.runUntil([&] { return dp(f, "OVRZUSTAND") == "Umwälzpumpe ohne Heizfunktion"; }, 3000));
    // F4 is the off key
    f.activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    int offs = 0;
    QObject::connect(f.action("STEU_AUS"), &QAction::triggered, [&] { ++offs; });
    QTest::keyClick(&f, Qt::Key_F4);
    EXPECT_EQ(offs, 1);
    ASSERT_TRUE(run.runUntil([&] { return !run.unit.pumpRunning(); }, 3000));

    // the error memory: No keeps it, Yes clears it
    ASSERT_TRUE(run.runUntil([&] { return dp(f, "OVRERRCNT") == "3"; }, 5000));
    run.ui.answers = {MB_NO};
    f.action(QStringLiteral("STEU_ERRDEL"))->trigger();
    ASSERT_EQ(run.ui.boxes.size(), 1u);
    EXPECT_EQ(run.ui.boxes[0].kind, MsgKind::Question);
    EXPECT_EQ(run.ui.boxes[0].buttons, MB_YES | MB_NO);
    EXPECT_EQ(run.ui.boxes[0].text,
              "     Sollen die Fehler wirklich gelöscht werden?     \r\n\r\n"
              "     Gleichzeitig wird eine eventuell vorliegende Verriegelung aufgehoben.");
    run.advance(3000);
    EXPECT_EQ(run.unit.errors().size(), 3u);
    run.ui.answers = {MB_YES};
    f.action(QStringLiteral("STEU_ERRDEL"))->trigger();
    ASSERT_TRUE(run.runUntil([&] { return dp(f, "OVRERRCNT") == "0"; }, 5000));
    EXPECT_TRUE(run.unit.errors().empty());
}

TEST_F(MainWindowSession, ViewsShowTheUnitsValues) {
    MainWinRun run(dir.path());
    TMAIN_Form& f = *run.form;
    startSession(run);
    ASSERT_TRUE(run.runUntil([&] { return dp(f, "OVRERRCNT") == "3"; }, 5000));
    run.advance(2000);

    // the overview follows the status replies: a value text that changes over time
    auto shown = [&] {
        QStringList texts;
        for (QLabel* l : f.overviewForm()->findChildren<QLabel*>())
            if (l->isVisibleTo(f.overviewForm())) texts << l->text();
        return texts;
    };
    const QStringList first = shown();
    EXPECT_TRUE(first.contains(QStringLiteral("Auszustand")));
    const QString voltage = QString::fromStdString(dp(f, "OVRUB"));
    ASSERT_FALSE(voltage.isEmpty());
    EXPECT_TRUE(first.join('\n').contains(voltage)) << voltage.toStdString();
    ASSERT_TRUE(run.runUntil([&] { return shown() != first; }, 60000));

    // the error view lists the memory and is empty after "Fehlerspeicher löschen"
    QTreeWidget* list = f.errorForm()->ErrorList();
    ASSERT_GT(list->topLevelItemCount(), 0);
    QStringList cells;
    for (int r = 0; r < list->topLevelItemCount(); ++r) cells << list->topLevelItem(r)->text(1);
    EXPECT_TRUE(cells.contains(QStringLiteral("Unterspannung")));
    run.ui.answers = {MB_YES};
    f.action(QStringLiteral("STEU_ERRDEL"))->trigger();
    ASSERT_TRUE(run.runUntil([&] { return dp(f, "OVRERRCNT") == "0"; }, 5000));
    run.advance(500);
    cells.clear();
    for (int r = 0; r < list->topLevelItemCount(); ++r) cells << list->topLevelItem(r)->text(1);
    EXPECT_FALSE(cells.contains(QStringLiteral("Unterspannung")));
    EXPECT_EQ(f.errorForm()->HelpEntry(1).Code, 0);
}

TEST_F(MainWindowSession, StopEndsTheSession) {
    MainWinRun run(dir.path());
    TMAIN_Form& f = *run.form;
    startSession(run);
    click(f, "DIAG_Stop");
    ASSERT_TRUE(run.runUntil([&] { return !f.engine().SessionStarted; }, 3000));
    run.advance(300);
    EXPECT_EQ(f.statusPanel()->shownText(), QStringLiteral("Diagnose gestoppt"));
    EXPECT_EQ(f.statusPanel()->shownImage(), 45);
    EXPECT_TRUE(logText(f).contains(QStringLiteral("Diagnose gestoppt")));
    EXPECT_TRUE(shownAndEnabled(f, "DIAG_Start"));
    EXPECT_FALSE(f.action(QStringLiteral("DIAG_Stop"))->isEnabled());
    EXPECT_FALSE(f.action(QStringLiteral("STEU_UP"))->isEnabled());
}

TEST_F(MainWindowSession, KLineHeaterChosenByHandShowsItsValuesAndClearsItsErrors) {
    SimKX3024Unit klineUnit;
    MainWinRun run(dir.path(), true, &klineUnit);
    TMAIN_Form& f = *run.form;
    run.showReady();
    f.session().SelectedDeviceIndex = 1;  // as the device selection leaves it
    f.session().DIAG_UpdateTitle();
    click(f, "DIAG_Start");
    ASSERT_TRUE(run.runUntil([&] { return f.engine().SessionUp; }, 10000));
    EXPECT_EQ(f.engine().DeviceClass, 2);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("NAVIRON Calvix Test [Calvix 140/180/220]"));
    ASSERT_TRUE(run.runUntil([&] { return dp(f, "OVRERRCNT") == "3"; }, 5000));
    run.advance(500);

    // the overview shows the unit's state and voltage, the error view its memory
    QStringList texts;
    for (QLabel* l : f.overviewForm()->findChildren<QLabel*>())
        if (l->isVisibleTo(f.overviewForm())) texts << l->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Auszustand")));
    const QString voltage = QString::fromStdString(dp(f, "OVRUB"));
    ASSERT_FALSE(voltage.isEmpty());
    EXPECT_TRUE(texts.join('\n').contains(voltage)) << voltage.toStdString();
    auto errorTexts = [&] {
        QStringList cells;
        QTreeWidget* list = f.errorForm()->ErrorList();
        for (int r = 0; r < list->topLevelItemCount(); ++r) cells << list->topLevelItem(r)->text(1);
        return cells;
    };
    EXPECT_TRUE(errorTexts().contains(QStringLiteral("Flammabbruch")));

    // the one command of the class: clearing the error memory, after its own question
    EXPECT_TRUE(shownAndEnabled(f, "STEU_ERRDEL"));
    EXPECT_TRUE(f.action(QStringLiteral("STEU_AUS"))->isVisible());
    EXPECT_FALSE(f.action(QStringLiteral("STEU_AUS"))->isEnabled());
    run.ui.answers = {MB_NO};
    f.action(QStringLiteral("STEU_ERRDEL"))->trigger();
    ASSERT_EQ(run.ui.boxes.size(), 1u);
    EXPECT_EQ(run.ui.boxes[0].kind, MsgKind::Question);
    EXPECT_EQ(run.ui.boxes[0].text,
              "     Sollen die Fehler wirklich gelöscht werden?     \r\n\r\n"
              "     Eine eventuell vorliegende Verriegelung muss separat aufgehoben werden.");
    run.advance(3500);
    EXPECT_EQ(klineUnit.errors().size(), 3u);
    run.ui.answers = {MB_YES};
    f.action(QStringLiteral("STEU_ERRDEL"))->trigger();
    ASSERT_TRUE(run.runUntil([&] { return dp(f, "OVRERRCNT") == "0"; }, 5000));
    run.advance(500);
    EXPECT_TRUE(klineUnit.errors().empty());
    EXPECT_FALSE(errorTexts().contains(QStringLiteral("Flammabbruch")));
}

TEST_F(MainWindowSession, AutomaticSearchFindsTheKLineHeater) {
    SimKX3024Unit klineUnit;
    MainWinRun run(dir.path(), true, &klineUnit);
    TMAIN_Form& f = *run.form;
    startSession(run);
    EXPECT_EQ(f.engine().DeviceClass, 2);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("NAVIRON Calvix Test [Calvix 140/180/220]"));
    EXPECT_TRUE(run.ui.boxes.empty());
    EXPECT_EQ(f.overviewForm()->HeldDeviceClass(), 2);
    EXPECT_EQ(f.errorForm()->ERROR_GetDeviceType(), 2);
}

TEST_F(MainWindowSession, CloseSavesTheLayoutAndTheNextStartRestoresIt) {
    const QRect overviewPlace(20, 30, 500, 420);
    // The three lists, each with value and unit columns the user widened by hand.
    const auto lists = [](TMAIN_Form& f) {
        return std::vector<QTreeWidget*>{f.konfigForm()->KonfList(), f.betriebForm()->BetriebList(),
                                         f.errorForm()->ErrorList()};
    };
    const auto widths = [](const QTreeWidget* list) {
        return std::vector<int>{list->columnWidth(1), list->columnWidth(2)};
    };
    std::vector<std::vector<int>> listWidths;
    {
        MainWinRun run(dir.path());
        TMAIN_Form& f = *run.form;
        run.showReady();
        // first run: maximised, telegram log laid aside, the other children tiled
        EXPECT_TRUE(f.isMaximized());
        EXPECT_TRUE(qobject_cast<QMdiSubWindow*>(f.protForm()->parentWidget())->isMinimized());
        // tiled, the trend chart in the first place, every view whole and apart from the
        // others (the area scrolls where their minimums do not fit), and still so once the
        // area changes its size
        QWidget* tr = f.trendForm()->placedWindow();
        QWidget* ov = f.overviewForm()->placedWindow();
        for (int pass = 0; pass < 2; ++pass) {
            const QRect area = f.mdiArea()->viewport()->rect();
            EXPECT_EQ(tr->geometry().topLeft(), QPoint(0, 0)) << pass;
            expectArrangedWhole(f.mdiArea(), true, "first run, pass " + std::to_string(pass));
            // the laid-aside telegram log's title bar stays in sight
            EXPECT_EQ(f.protForm()->parentWidget()->geometry().bottom(), area.bottom()) << pass;
            f.showNormal();
            f.resize(1100, 900);
            QApplication::processEvents();
            QApplication::processEvents();
        }
        ov->setGeometry(overviewPlace);
        f.resize(1000, 700);  // the user's own placement is kept
        QApplication::processEvents();
        QApplication::processEvents();
        EXPECT_EQ(ov->geometry(), overviewPlace);
        int by = 20;
        for (QTreeWidget* list : lists(f)) {
            const std::vector<int> before = widths(list);
            dragColumnEdge(list, 1, by);
            dragColumnEdge(list, 2, by + 10);
            listWidths.push_back(widths(list));
            EXPECT_NE(listWidths.back(), before) << "widened by hand";
            by += 30;
        }
        f.close();
        EXPECT_FALSE(f.engine().ThreadAlive);
        EXPECT_EQ(f.engine().USBThread(), nullptr);
    }
    ASSERT_TRUE(QFile::exists(dir.filePath("TRELUN_10.ini")));
    MainWinRun run(dir.path());
    TMAIN_Form& f = *run.form;
    EXPECT_FALSE(f.settings().ScreenInit);
    run.showReady();
    EXPECT_EQ(f.overviewForm()->placedWindow()->geometry(), overviewPlace);
    EXPECT_TRUE(qobject_cast<QMdiSubWindow*>(f.protForm()->parentWidget())->isMinimized());
    EXPECT_TRUE(f.engine().AdapterReady);
    EXPECT_EQ(f.engine().AdapterSerial, "SIM00001");
    // Each list, given room (in a narrow one the value column gives way), has the widths of
    // the last run.
    ViewForm* const views[] = {f.konfigForm(), f.betriebForm(), f.errorForm()};
    const std::vector<QTreeWidget*> restored = lists(f);
    for (size_t i = 0; i < restored.size(); ++i) {
        views[i]->placedWindow()->resize(1000, 400);
        QApplication::processEvents();
        QApplication::processEvents();
        EXPECT_EQ(widths(restored[i]), listWidths[i]) << restored[i]->objectName().toStdString();
    }
}

// The close waits for the transfer thread to end, sleeping between its checks: the worker here
// takes 150 ms of real time to end, and the wait looks at most about once a millisecond
// instead of keeping a core busy.
TEST_F(MainWindowSession, CloseWaitsForTheWorkerWithoutSpinning) {
    using namespace std::chrono;
    MainWinRun run(dir.path());
    TMAIN_Form& f = *run.form;
    run.showReady();
    ASSERT_TRUE(f.engine().ThreadAlive);
    constexpr auto kEnding = milliseconds(150);
    const auto since = steady_clock::now();
    run.mainThread.pumps.clear();
    run.mainThread.pumps.push_back([&] {
        if (steady_clock::now() - since < kEnding) return;
        if (auto* t = dynamic_cast<TUSBTXRX*>(f.engine().USBThread())) t->Pass();
    });
    const int checksBefore = run.mainThread.processEventsCalls;
    f.close();
    const auto waited = duration_cast<milliseconds>(steady_clock::now() - since);
    EXPECT_FALSE(f.engine().ThreadAlive);
    EXPECT_GE(waited, kEnding);
    EXPECT_LE(run.mainThread.processEventsCalls - checksBefore, waited.count() + 20)
        << "checks in " << waited.count() << " ms";
}

}  // namespace
