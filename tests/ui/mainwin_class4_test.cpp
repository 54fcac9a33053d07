// The main window with the class-4 gas heater on the simulated adapter: detection, the heating
// and pump commands with the pump box, the error delete with its question, the telegram log's
// state-change lines, and the views' rows of class 4 against the points the session registers.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "datalisttables.h"
#include "errortables.h"
#include "kx3141unit.h"
#include "mainwinharness.h"
#include "measurementlogcolumns.h"
#include "overviewtables.h"
#include "protokoll.h"
#include "trendtables.h"

namespace {

class MainWindowClass4 : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        run = std::make_unique<MainWinRun>(dir.path(), true, &unit);
        run->showReady();
        form().action(QStringLiteral("DIAG_Start"))->trigger();
        ASSERT_TRUE(run->runUntil([&] { return form().engine().SessionUp; }, 15000));
    }
    void TearDown() override { run.reset(); }

    TMAIN_Form& form() { return *run->form; }
    ByteString dp(const char* key) { return form().engine().dataPoints.DP_GetValue(key).Text; }
    void trigger(const char* name) { form().action(QString::fromLatin1(name))->trigger(); }
    bool shownAndEnabled(const char* name) {
        QAction* a = form().action(QString::fromLatin1(name));
        return a->isVisible() && a->isEnabled();
    }
    bool state(const char* text, int64_t withinMs) {
        return run->runUntil([&] { return dp("OVRZUSTAND") == text; }, withinMs);
    }
    QString logText() {
        form().protForm()->showWaitingLines();
        return form().protForm()->PROT_Text()->toPlainText();
    }

    QTemporaryDir dir;
    SimKX3141Unit unit;  // outlives the run
    std::unique_ptr<MainWinRun> run;
};

TEST_F(MainWindowClass4, DetectionShowsTheClassAndItsControls) {
    EXPECT_EQ(form().engine().DeviceClass, 4);
    EXPECT_EQ(form().windowTitle(), QStringLiteral("NAVIRON Calvix Test [Calvix N]"));
    for (const char* n : {"STEU_AUS", "STEU_Heiz", "STEU_UP_EIN", "STEU_UP_AUS", "STEU_ERRDEL"})
        EXPECT_TRUE(shownAndEnabled(n)) << n;
    for (const char* n : {"STEU_Stand", "STEU_UP", "STEU_CNTDEL", "STEU_L_HS_EIN"})
        EXPECT_FALSE(form().action(QString::fromLatin1(n))->isVisible()) << n;
    EXPECT_TRUE(run->ui.boxes.empty());
}

TEST_F(MainWindowClass4, HeatingAfterThePumpBoxThenPumpAndOff) {
    run->ui.answers = {MB_CANCEL};
    trigger("STEU_Heiz");
    ASSERT_EQ(run->ui.boxes.size(), 1u);
    EXPECT_EQ(run->ui.boxes[0].kind, MsgKind::Warning);
    EXPECT_EQ(run->ui.boxes[0].buttons, MB_OK);
    EXPECT_EQ(run->ui.boxes[0].text.rfind("     Stellen Sie sicher das die Umwälzpumpe", 0), 0u);
    run->advance(2000);
    EXPECT_FALSE(unit.heatingCommanded());  // not confirmed: nothing sent

    trigger("STEU_Heiz");  // confirmed this time
    ASSERT_EQ(run->ui.boxes.size(), 2u);
    ASSERT_TRUE(state("Vorwärmung", 3000));
    EXPECT_TRUE(unit.heatingCommanded());
    ASSERT_TRUE(state("Heizen", 30000));
    EXPECT_TRUE(logText().contains(QStringLiteral("(Einsatzbereit -> Vorwärmung)")));
    EXPECT_TRUE(logText().contains(QStringLiteral("(Zündung -> Heizen)")));
    EXPECT_FALSE(logText().contains(QStringLiteral("( -> )")));

    trigger("STEU_UP_EIN");
    ASSERT_TRUE(run->runUntil([&] { return unit.pumpCommanded(); }, 3000));
    trigger("STEU_AUS");
    ASSERT_TRUE(state("Nachlauf 1", 3000));
    EXPECT_FALSE(unit.heatingCommanded());
    ASSERT_TRUE(state("Umwälzpumpe ohne Heizfunktion", 40000));
    trigger("STEU_UP_AUS");
    ASSERT_TRUE(state("Einsatzbereit", 3000));
    EXPECT_FALSE(unit.pumpCommanded());
    EXPECT_EQ(run->ui.boxes.size(), 2u);  // the pump and off commands ask nothing
}

TEST_F(MainWindowClass4, ErrorDeleteAsksFirst) {
    ASSERT_TRUE(run->runUntil([&] { return dp("ERRBEZ1") == "Flammabbruch"; }, 3000));
    run->ui.answers = {MB_NO};
    trigger("STEU_ERRDEL");
    ASSERT_EQ(run->ui.boxes.size(), 1u);
    EXPECT_EQ(run->ui.boxes[0].kind, MsgKind::Question);
    EXPECT_EQ(QString::fromStdString(run->ui.boxes[0].text),
              TMAIN_Form::errorDeleteConfirmation(4));
    run->advance(2000);
    EXPECT_EQ(unit.errors().size(), 3u);
    run->ui.answers = {MB_YES};
    trigger("STEU_ERRDEL");
    ASSERT_TRUE(run->runUntil([&] { return dp("ERRBEZ3").empty(); }, 5000));
    EXPECT_TRUE(unit.errors().empty());
}

TEST_F(MainWindowClass4, EveryKeyTheViewsShowIsRegistered) {
    std::vector<ByteString> keys;
    for (const char* k : KONFIG_RowKeys(4)) keys.push_back(k);
    for (const char* k : BETRIEB_RowKeys(4)) keys.push_back(k);
    const OverviewClassLayout* overview = OVERVIEW_ClassLayout(4);
    ASSERT_NE(overview, nullptr);
    for (const OverviewBar& b : overview->barList) keys.push_back(b.key);
    for (const OverviewLamp& l : overview->lampList) keys.push_back(l.key);
    for (const char* k : {"OVRZUSTAND", "OVRZUSTAND_Z", "OVRFLZUSTAND", "OVRERRCODE"})
        keys.push_back(k);  // the overview's status lines
    const ErrorClassRows* errors = ERROR_ClassRows(4);
    ASSERT_NE(errors, nullptr);
    for (int n = 1; n <= errors->entries; ++n)
        for (const char* k : errors->keys) keys.push_back(k + std::to_string(n));
    for (const TrendSeriesSetup& s : TREND_ClassSetup(4, 0))
        if (!s.key.empty()) keys.push_back(s.key);
    const LogColumnSet log = PROT_Columns(4);
    for (size_t i = 0; i < log.count; ++i) {
        const LogColumn& c = log.columns[i];
        if (!c.key) continue;
        if (c.count == 0) keys.push_back(c.key);
        for (int n = 1; n <= c.count; ++n) keys.push_back(c.key + std::to_string(n));
    }
    const DataPointTable& points = form().engine().dataPoints;
    for (const ByteString& k : keys) EXPECT_TRUE(points.isRegistered(k)) << k;
    run->advance(3000);
    for (const char* k : {"OVRTEMP", "OVRUB", "BETSTART", "CFGSWVER", "ERRBEZ1", "OVRLMV1"})
        EXPECT_FALSE(points.DP_GetValue(k).Invalid) << k;  // and filled
}

}  // namespace
