// The main window with the class-5 heater on the simulated adapter: detection, the line
// overrides with their check marks, heater and pump commands, the deletes with their
// questions, and the telegram log's state-change lines.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "diagsession.h"
#include "kx3166unit.h"
#include "mainwinharness.h"
#include "protokoll.h"

namespace {

class MainWindowClass5 : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        run = std::make_unique<MainWinRun>(dir.path(), true, &unit);
        run->showReady();
        form().action(QStringLiteral("DIAG_Start"))->trigger();
        ASSERT_TRUE(run->runUntil([&] { return form().engine().SessionUp; }, 15000));
        run->advance(300);  // the change notice
    }
    void TearDown() override { run.reset(); }

    TMAIN_Form& form() { return *run->form; }
    ByteString dp(const char* key) { return form().engine().dataPoints.DP_GetValue(key).Text; }
    void trigger(const char* name) { form().action(QString::fromLatin1(name))->trigger(); }
    // The check marks of a line's on, off and wire actions, as three digits.
    std::string marks(const char* line) {
        std::string m;
        for (const char* s : {"_EIN", "_AUS", "_LINE"})
            m += form().action(QStringLiteral("STEU_L_") + line + s)->isChecked() ? '1' : '0';
        return m;
    }
    bool shownAndEnabled(const char* name) {
        QAction* a = form().action(QString::fromLatin1(name));
        return a->isVisible() && a->isEnabled();
    }
    QString logText() {
        form().protForm()->showWaitingLines();
        return form().protForm()->PROT_Text()->toPlainText();
    }

    QTemporaryDir dir;
    SimKX3166Unit unit;  // outlives the run
    std::unique_ptr<MainWinRun> run;
};

TEST_F(MainWindowClass5, DetectionShowsTheClassAndItsControls) {
    EXPECT_EQ(form().engine().DeviceClass, 5);
    EXPECT_EQ(form().windowTitle(), QStringLiteral("NAVIRON Calvix Test [Calvix extra]"));
    for (const char* n :
         {"STEU_AUS", "STEU_Stand", "STEU_UP_EIN", "STEU_UP_AUS", "STEU_ERRDEL", "STEU_CNTDEL",
          "STEU_L_HS_EIN", "STEU_L_UPFA_LINE", "STEU_L_KL61_AUS", "STEU_L_SPAR_EIN"})
        EXPECT_TRUE(shownAndEnabled(n)) << n;
    for (const char* line : {"HS", "UPFA", "KL61", "SPAR"}) EXPECT_EQ(marks(line), "001") << line;
    // the notice that the computer takes over the external controls, once
    ASSERT_EQ(run->ui.boxes.size(), 1u);
    EXPECT_EQ(run->ui.boxes[0].kind, MsgKind::Information);
    EXPECT_NE(run->ui.boxes[0].text.find("externen Bedienelemente"), ByteString::npos);
}

// The notice that the computer takes over the external controls comes once for each start of
// a session: a start given again while the session starts or runs (F2 pressed twice) is no
// second command, and a session started anew after a stop announces itself once more.
TEST_F(MainWindowClass5, TheTakeOverNoticeComesOncePerStart) {
    const auto notices = [this] {
        int n = 0;
        for (const auto& b : run->ui.boxes)
            if (b.text.find("externen Bedienelemente") != ByteString::npos) ++n;
        return n;
    };
    ASSERT_EQ(notices(), 1);
    QAction* start = form().action(QStringLiteral("DIAG_Start"));
    start->trigger();
    run->advance(3000);
    EXPECT_EQ(notices(), 1) << "a start while the session runs";
    trigger("DIAG_Stop");
    ASSERT_TRUE(run->runUntil([&] { return start->isEnabled(); }, 5000));
    start->trigger();
    run->advance(200);
    start->trigger();  // pressed again while the session starts
    ASSERT_TRUE(run->runUntil([&] { return form().engine().SessionUp; }, 15000));
    run->advance(3000);
    EXPECT_EQ(notices(), 2);
    EXPECT_EQ(run->ui.boxes.size(), 2u);
}

TEST_F(MainWindowClass5, LineOverridesReachTheUnitWithTheirCheckMarks) {
    struct Case {
        const char* action;
        const char* line;
        SimKX3166Unit::Line unitLine;
        const char* marks;
        uint8_t override;
    };
    const Case cases[] = {
        {"STEU_L_UPFA_EIN", "UPFA", SimKX3166Unit::UPFA, "100", 1},
        {"STEU_L_KL61_AUS", "KL61", SimKX3166Unit::KL61, "010", 0},
        {"STEU_L_SPAR_EIN", "SPAR", SimKX3166Unit::SPAR, "100", 1},
        {"STEU_L_UPFA_LINE", "UPFA", SimKX3166Unit::UPFA, "001", 255},
        {"STEU_L_SPAR_AUS", "SPAR", SimKX3166Unit::SPAR, "010", 0},
        {"STEU_L_KL61_EIN", "KL61", SimKX3166Unit::KL61, "100", 1},
        {"STEU_L_KL61_LINE", "KL61", SimKX3166Unit::KL61, "001", 255},
        {"STEU_L_SPAR_LINE", "SPAR", SimKX3166Unit::SPAR, "001", 255},
        {"STEU_UP_EIN", "UPFA", SimKX3166Unit::UPFA, "100", 1},
        {"STEU_UP_AUS", "UPFA", SimKX3166Unit::UPFA, "010", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        trigger(c.action);
        EXPECT_EQ(marks(c.line), c.marks);  // at once, before the unit has it
        ASSERT_TRUE(run->runUntil([&] { return unit.override(c.unitLine) == c.override; }, 3000));
    }
    EXPECT_TRUE(run->ui.boxes.size() == 1u);  // no confirmation for any of them
}

TEST_F(MainWindowClass5, HeaterOnAfterThePumpBoxAndOffWithF4) {
    run->ui.answers = {MB_CANCEL};
    trigger("STEU_Stand");
    ASSERT_EQ(run->ui.boxes.size(), 2u);
    EXPECT_EQ(run->ui.boxes[1].kind, MsgKind::Warning);
    EXPECT_EQ(run->ui.boxes[1].buttons, MB_OK);
    EXPECT_EQ(run->ui.boxes[1].text.rfind("     Stellen Sie sicher das die Umwälzpumpe", 0), 0u);
    run->advance(2000);
    EXPECT_EQ(unit.override(SimKX3166Unit::HS), 255);
    // the main switch line's own action asks the same
    trigger("STEU_L_HS_EIN");
    ASSERT_EQ(run->ui.boxes.size(), 3u);
    EXPECT_EQ(run->ui.boxes[2].text, run->ui.boxes[1].text);
    EXPECT_EQ(marks("HS"), "100");
    ASSERT_TRUE(run->runUntil([&] { return dp("OVRZUSTAND") == "Vorlauf"; }, 3000));
    EXPECT_TRUE(logText().contains(QStringLiteral("(Einsatzbereit -> Vorlauf)")));

    form().activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    QTest::keyClick(&form(), Qt::Key_F4);
    EXPECT_EQ(marks("HS"), "010");
    ASSERT_TRUE(run->runUntil([&] { return dp("OVRZUSTAND") == "Nachlauf 1"; }, 3000));
    EXPECT_EQ(unit.override(SimKX3166Unit::HS), 0);
    trigger("STEU_L_HS_LINE");
    EXPECT_EQ(marks("HS"), "001");
    ASSERT_TRUE(run->runUntil([&] { return unit.override(SimKX3166Unit::HS) == 255; }, 3000));
}

TEST_F(MainWindowClass5, DeletesAskFirst) {
    ASSERT_TRUE(run->runUntil([&] { return dp("ERRBEZ1") == "Flammabbruch"; }, 3000));
    run->ui.answers = {MB_NO};
    trigger("STEU_ERRDEL");
    ASSERT_EQ(run->ui.boxes.size(), 2u);
    EXPECT_EQ(run->ui.boxes[1].kind, MsgKind::Question);
    EXPECT_EQ(QString::fromStdString(run->ui.boxes[1].text),
              TMAIN_Form::errorDeleteConfirmation(5));
    run->advance(2000);
    EXPECT_EQ(unit.errors().size(), 3u);
    run->ui.answers = {MB_YES};
    trigger("STEU_ERRDEL");
    ASSERT_TRUE(run->runUntil([&] { return dp("ERRBEZ1").empty(); }, 5000));
    EXPECT_TRUE(unit.errors().empty());

    run->ui.answers = {MB_NO};
    trigger("STEU_CNTDEL");
    ASSERT_EQ(run->ui.boxes.size(), 4u);
    EXPECT_EQ(run->ui.boxes[3].kind, MsgKind::Question);
    EXPECT_EQ(run->ui.boxes[3].buttons, MB_YES | MB_NO);
    EXPECT_EQ(run->ui.boxes[3].helpContext, 314);  // the action's help topic
    EXPECT_EQ(run->ui.boxes[3].text,
              "     Sollen die Zeiten und Zähler wirklich gelöscht werden?     \r\n\r\n"
              "     Achtung: Die Betriebsspannung muss anschließend getrennt werden!     ");
    run->advance(2000);
    EXPECT_EQ(unit.counters().starts, 1873u);
    run->ui.answers = {MB_YES};
    trigger("STEU_CNTDEL");
    ASSERT_TRUE(run->runUntil([&] { return dp("BETSTACNT") == "0"; }, 5000));
    EXPECT_EQ(unit.counters().starts, 0u);
}

}  // namespace
