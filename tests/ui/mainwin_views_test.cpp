// The device information and operating data views and the summary report in the running
// program, on the simulated adapter with a simulated KX3090.
#include <gtest/gtest.h>

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include "betriebform.h"
#include "charset.h"
#include "diagsession.h"
#include "errorform.h"
#include "konfigform.h"
#include "kx3024unit.h"
#include "kx3090module.h"
#include "kx3117unit.h"
#include "kx3166unit.h"
#include "layout.h"
#include "mainwinharness.h"
#include "zusamfass.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows rowsOf(const QTreeWidget* list) {
    Rows out;
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        const QTreeWidgetItem* it = list->topLevelItem(r);
        out.push_back(
            {it->text(0).toStdString(), it->text(1).toStdString(), it->text(2).toStdString()});
    }
    return out;
}

std::vector<std::string> column(const Rows& rows, size_t c) {
    std::vector<std::string> out;
    for (const auto& r : rows) out.push_back(r[c]);
    return out;
}

class MainWindowViews : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // selected: the device selection's row, -1 for the automatic detection.
    void startSession(MainWinRun& run, int32_t selected = -1) {
        run.showReady();
        ASSERT_TRUE(run.form->engine().AdapterReady);
        run.form->session().SelectedDeviceIndex = selected;
        QTest::mouseClick(
            run.form->toolBar()->widgetForAction(run.form->action(QStringLiteral("DIAG_Start"))),
            Qt::LeftButton);
        ASSERT_TRUE(run.runUntil([&] { return run.form->engine().SessionUp; }, 10000));
    }
    QTreeWidget* konf(MainWinRun& run) { return run.form->konfigForm()->KonfList(); }
    QTreeWidget* bet(MainWinRun& run) { return run.form->betriebForm()->BetriebList(); }

    QTemporaryDir dir;
};

TEST_F(MainWindowViews, SessionFillsTheListsAndLinkLossEmptiesThem) {
    MainWinRun run(dir.path());
    TMAIN_Form& f = *run.form;
    startSession(run);

    // the identification as soon as the session is up
    const Rows info = rowsOf(konf(run));
    EXPECT_EQ(column(info, 0),
              (std::vector<std::string>{
                  "BUS Version", "Gerätebezeichnung", "Kraftstofftyp", "Steuergeräte-Identnummer",
                  "Parametersatz-Identnummer", "Software-Identnummer", "HW-Version", "SW-Version",
                  "SW-Version (EEPROM)", "Herstelldatum Steuergerät", "Herstelldatum Heizgerät",
                  "Kunden-Identnummer", "Seriennummer", "Prüfstandskennung"}));
    ASSERT_EQ(info.size(), 14u);
    EXPECT_EQ(info[0][1], "W-BUS V3.4");
    EXPECT_EQ(info[1][1], "KX3090");
    EXPECT_EQ(info[2][1], "Gas");
    const auto& points = f.engine().dataPoints;
    const char* const keys[] = {"CFGSGID", "CFGSWVER", "CFGDATESG", "CFGSNR"};
    const int at[] = {3, 7, 9, 12};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(info[static_cast<size_t>(at[i])][1].empty()) << keys[i];
        EXPECT_EQ(info[static_cast<size_t>(at[i])][1], points.DP_GetValue(keys[i]).Text) << keys[i];
    }

    // the operating data once their block has been read
    ASSERT_TRUE(run.runUntil(
        [&] {
            return bet(run)->topLevelItemCount() == 7 &&
                   bet(run)->topLevelItem(2)->text(1) == "2748";
        },
        15000));
    EXPECT_EQ(rowsOf(bet(run)),
              (Rows{{"Brennzeit", "1234:56", "h:m"},
                    {"Einschaltzeit Hauptschalter", "6234:56", "h:m"},
                    {"Startzähler", "2748", ""},
                    {"Unterspannungsschwelle", "10.5", "V"},
                    {"Überspannungsschwelle", points.DP_GetValue("CFGUMAX").Text, "V"},
                    {"Zeit Unterspannungserkennung", points.DP_GetValue("CFGTUMIN").Text, "s"},
                    {"Zeit Überspannungserkennung", points.DP_GetValue("CFGTUMAX").Text, "s"}}));

    // every refresh rewrites exactly the cells whose text changed
    TANSI_BETRIEB_Form* b = f.betriebForm();
    std::vector<size_t> changedPerRefresh;
    ViewHooks& views = f.session().views;
    const auto refresh = views.OperatingDataShowValues;
    views.OperatingDataShowValues = [&] {
        const Rows before = rowsOf(b->BetriebList());
        const uint64_t writes = b->writeCount();
        refresh();
        const Rows after = rowsOf(b->BetriebList());
        size_t changed = 0;
        for (size_t r = 0; r < after.size(); ++r) changed += after[r] != before[r];
        EXPECT_EQ(b->writeCount() - writes, changed);
        changedPerRefresh.push_back(changed);
    };
    run.advance(11000);
    ASSERT_FALSE(changedPerRefresh.empty());
    EXPECT_EQ(changedPerRefresh.back(), 0u) << "nothing changed, nothing written";
    // a pump run ends with one more start
    f.action(QStringLiteral("STEU_UP"))->trigger();
    ASSERT_TRUE(run.runUntil([&] { return run.unit.pumpRunning(); }, 3000));
    f.action(QStringLiteral("STEU_AUS"))->trigger();
    ASSERT_TRUE(run.runUntil([&] { return bet(run)->topLevelItem(2)->text(1) == "2749"; }, 15000));
    EXPECT_EQ(changedPerRefresh.back(), 1u);

    // the adapter pulled: both lists empty
    run.sim.unplug(run.adapter);
    ASSERT_TRUE(run.runUntil([&] { return !f.engine().AdapterReady; }, 3000));
    EXPECT_EQ(konf(run)->topLevelItemCount(), 0);
    EXPECT_EQ(bet(run)->topLevelItemCount(), 0);
    views.OperatingDataShowValues = refresh;
}

TEST_F(MainWindowViews, MenuOpensTheViews) {
    MainWinRun run(dir.path());
    TMAIN_Form& f = *run.form;
    run.showReady();
    for (auto [action, view] : {std::pair<const char*, ViewForm*>{"WIN_SData", f.konfigForm()},
                                {"WIN_BData", f.betriebForm()}}) {
        auto* sub = qobject_cast<QMdiSubWindow*>(view->placedWindow());
        ASSERT_NE(sub, nullptr) << action;
        sub->showMinimized();
        QAction* a = f.action(QString::fromLatin1(action));
        ASSERT_TRUE(a->isEnabled()) << action;
        a->trigger();
        EXPECT_FALSE(sub->isMinimized()) << action;
        EXPECT_EQ(f.mdiArea()->activeSubWindow(), sub) << action;
    }
}

TEST_F(MainWindowViews, SummaryReportFromTheMenuKeepsItsOwnPlacementOutOfSlotEight) {
    MainWinRun run(dir.path());
    TMAIN_Form& f = *run.form;
    startSession(run);
    ASSERT_TRUE(run.runUntil(
        [&] {
            return bet(run)->topLevelItemCount() == 7 &&
                   !bet(run)->topLevelItem(2)->text(1).isEmpty() &&
                   f.errorForm()->ErrorList()->topLevelItemCount() > 0;
        },
        15000));
    TZUSAMFASS_Form* summary = f.summaryForm();
    ASSERT_NE(summary, nullptr);
    // The user types a remark where one is asked for and closes the window.
    summary->runModal = [](TZUSAMFASS_Form& w) {
        if (!w.okButton()->isHidden()) w.textArea()->setPlainText(QStringLiteral("Werkstatt 4"));
        return int(TZUSAMFASS_Form::ResultOk);
    };

    // save: the report holds the session's lists
    const std::string file = dir.filePath("bericht.txt").toStdString();
    run.ui.fileChoices.push_back(FileDialogChoice{file, 1});
    ASSERT_TRUE(f.action(QStringLiteral("DIAG_ZUSAM_Save"))->isEnabled());
    f.action(QStringLiteral("DIAG_ZUSAM_Save"))->trigger();
    QFile saved(QString::fromStdString(file));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const ByteString report = saved.readAll().toStdString();
    EXPECT_NE(report.find("\r\nWerkstatt 4\r\n"), ByteString::npos);
    EXPECT_NE(report.find("  Ger\xE4tebezeichnung" + ByteString(68, '.') + "KX3090 \r\n"),
              ByteString::npos);
    EXPECT_NE(report.find("  Startz\xE4hler" + ByteString(76, '.') + "2748 \r\n"),
              ByteString::npos);
    EXPECT_NE(report.find("\r\nFehler:\r\n-------\r\n  Fehler 1."), ByteString::npos);
    EXPECT_EQ(f.settings().SummaryFileName, file);

    // print into a PDF file through the shared print dialog
    const std::string pdf = dir.filePath("bericht.pdf").toStdString();
    PrintChoice toFile;
    toFile.pdfFile = pdf;
    run.ui.printChoices.push_back(toFile);
    f.action(QStringLiteral("DIAG_ZUSAM_Print"))->trigger();
    ASSERT_EQ(run.ui.printRequests.size(), 1u);
    EXPECT_EQ(run.ui.printRequests[0].documentTitle, "Report");
    QFile printed(QString::fromStdString(pdf));
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(printed.read(5) == "%PDF-");

    // open it again
    run.ui.fileChoices.push_back(FileDialogChoice{file, 1});
    f.action(QStringLiteral("DIAG_ZUSAM_Open"))->trigger();
    EXPECT_EQ(TOOL_Utf8ToWindows1252(summary->reportText()), report);

    // the summary window never takes the device information view's placement slot
    summary->setGeometry(300, 200, 800, 500);
    QWidget* konfWindow = f.konfigForm()->placedWindow();
    konfWindow->showNormal();
    konfWindow->setGeometry(10, 20, 330, 240);
    f.close();
    const TFormPlacement* slot8 = f.settings().slot(8);
    ASSERT_NE(slot8, nullptr);
    EXPECT_EQ(QRect(slot8->Left, slot8->Top, slot8->Width, slot8->Height), QRect(10, 20, 330, 240));
    EXPECT_EQ(LAYOUT_Tag(summary), 0);
}

// The rows of the heaters whose modules the program has besides class 1: the module's captions
// in the list's order, and every row a point the module registered.
struct ClassRowsCase {
    int cls;
    size_t infoRows, operRows;
    std::vector<std::pair<size_t, const char*>> info, oper;  // row, caption
};

void checkClassRows(MainWinRun& run, TMAIN_Form& f, const ClassRowsCase& c,
                    QTreeWidget* (*konf)(MainWinRun&), QTreeWidget* (*bet)(MainWinRun&)) {
    ASSERT_EQ(f.engine().DeviceClass, c.cls);
    ASSERT_TRUE(run.runUntil(
        [&] {
            return static_cast<size_t>(bet(run)->topLevelItemCount()) == c.operRows &&
                   !bet(run)->topLevelItem(0)->text(1).isEmpty();
        },
        15000));
    const Rows info = rowsOf(konf(run));
    const Rows oper = rowsOf(bet(run));
    ASSERT_EQ(info.size(), c.infoRows);
    for (const auto& [row, caption] : c.info) EXPECT_EQ(info[row][0], caption) << row;
    for (const auto& [row, caption] : c.oper) EXPECT_EQ(oper[row][0], caption) << row;
    for (const Rows* rows : {&info, &oper})
        for (size_t r = 0; r < rows->size(); ++r) EXPECT_FALSE((*rows)[r][0].empty()) << r;
}

QTreeWidget* konfList(MainWinRun& run) {
    return run.form->konfigForm()->KonfList();
}
QTreeWidget* betList(MainWinRun& run) {
    return run.form->betriebForm()->BetriebList();
}

TEST_F(MainWindowViews, ClassTwoRowsFollowTheirTables) {
    SimKX3024Unit unit;  // a K-Line unit is chosen by hand
    auto run = std::make_unique<MainWinRun>(dir.path(), true, &unit);
    startSession(*run, 1);
    checkClassRows(*run, *run->form, {2, 9, 4, {{0, "BUS Version"}}, {{3, "Startzähler"}}},
                   konfList, betList);
    run.reset();
}

TEST_F(MainWindowViews, ClassThreeRowsFollowTheirTables) {
    SimKX3117Unit unit;
    auto run = std::make_unique<MainWinRun>(dir.path(), true, &unit);
    startSession(*run);
    checkClassRows(*run, *run->form,
                   {3, 14, 14, {{0, "BUS Version"}, {1, "Gerätebezeichnung"}}, {}}, konfList,
                   betList);
    run.reset();
}

TEST_F(MainWindowViews, ClassFiveRowsFollowTheirTables) {
    SimKX3166Unit unit;
    auto run = std::make_unique<MainWinRun>(dir.path(), true, &unit);
    startSession(*run);
    checkClassRows(*run, *run->form,
                   {5,
                    25,
                    34,
                    {{0, "BUS Version"},
                     {1, "Gerätebezeichnung [Systemname]"},
                     {2, "Kraftstofftyp"},
                     {21, "Steuergerät Prüfergebnis"}},
                    {{0, "Einschaltzeit Hauptschalter"}, {2, "Brennzeit"}, {33, "Testvariable 2"}}},
                   konfList, betList);
    EXPECT_EQ(konfList(*run)->topLevelItem(2)->text(1), QStringLiteral("Diesel"));
    run.reset();
}

}  // namespace
