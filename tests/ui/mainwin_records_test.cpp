// The trend chart and the measurement log inside the main window, on the simulated adapter with
// a simulated KX3090 and the manual clock: what a session leaves in the chart and in the file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include "diagsession.h"
#include "mainwinharness.h"
#include "overviewform.h"
#include "protstartform.h"
#include "trendform.h"

namespace {

class MainWindowRecords : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    void startSession(MainWinRun& run) {
        run.showReady();
        run.form->DIAG_StartExecute();
        ASSERT_TRUE(run.runUntil([&] { return run.form->engine().SessionUp; }, 10000));
    }
    // Counts the status replies the session hands to the trend chart, and keeps the supply
    // voltage the chart was given last.
    static void countReplies(TMAIN_Form& f, int& count, long double& voltage) {
        ViewHooks& v = f.session().views;
        v.TrendShowValues = [&f, &count, &voltage, inner = v.TrendShowValues] {
            ++count;
            voltage = f.engine().dataPoints.DP_GetValue("OVRUB").Value;
            inner();
        };
    }

    // The start dialog answered as a user would: a file name, an interval, OK.
    static void answerDialog(TMAIN_Form& f, const QString& file, const QString& seconds) {
        f.protStartForm()->showModal = [file, seconds](TPROT_START_Form& d) {
            d.Edit1()->setText(file);
            d.Edit2()->setText(seconds);
            d.Button2()->click();
            return d.result();
        };
    }
    static QByteArray read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static bool enabled(TMAIN_Form& f, const char* name) {
        return f.action(QString::fromLatin1(name))->isEnabled();
    }

    QTemporaryDir dir;
};

TEST_F(MainWindowRecords, TheTrendChartFollowsTheSession) {
    MainWinRun run(dir.path());
    TMAIN_Form& f = *run.form;
    TANSI_TREND_Form* trend = f.trendForm();
    ASSERT_NE(trend, nullptr);
    EXPECT_FALSE(trend->recorder().ControlsEnabled());
    startSession(run);
    // the view action brings the chart up
    ASSERT_TRUE(f.action("WIN_TData")->isEnabled());
    f.action("WIN_TData")->trigger();
    EXPECT_TRUE(trend->isVisible());
    EXPECT_EQ(f.mdiArea()->activeSubWindow()->widget(), trend);

    const TrendRecorder& rec = trend->recorder();
    EXPECT_TRUE(rec.Running());
    EXPECT_EQ(rec.HeldDeviceClass(), 1);
    int replies = 0;
    long double voltage = 0;
    countReplies(f, replies, voltage);
    const size_t before = rec.Points(6).size();
    run.advance(20000);
    ASSERT_GT(replies, 20);
    // one point per status reply in each class-1 series, stamped with the wall clock
    for (int s : {0, 13, 1, 14, 2, 15, 3, 4, 6, 8, 9})
        EXPECT_EQ(rec.Points(s).size(), rec.Points(6).size()) << s;
    EXPECT_EQ(rec.Points(6).size() - before, static_cast<size_t>(replies));
    for (int s : {5, 7, 10, 11, 12, 16, 17}) EXPECT_TRUE(rec.Points(s).empty()) << s;
    const double wallNow = run.wallStart.addMSecs(run.clock.now()).toMSecsSinceEpoch() / 1000.0;
    EXPECT_LE(rec.LastSampleTime(), wallNow);
    EXPECT_GT(rec.LastSampleTime(), wallNow - 2);
    EXPECT_DOUBLE_EQ(trend->Chart()->xAxis->range().upper, rec.LastSampleTime());
    EXPECT_EQ(trend->seriesGraph(8)->dataCount(), static_cast<int>(rec.Points(8).size()));
    // the simulated unit's supply voltage is what the chart draws
    EXPECT_DOUBLE_EQ(rec.Points(8).back().y, static_cast<double>(voltage));
    EXPECT_GT(voltage, 10);

    // the session's end drops the class: the chart is cleared and waits
    f.DIAG_StopExecute();
    ASSERT_TRUE(run.runUntil([&] { return !f.engine().SessionUp; }, 10000));
    run.advance(500);
    EXPECT_EQ(rec.HeldDeviceClass(), 0);
    EXPECT_TRUE(rec.Points(6).empty());
    EXPECT_FALSE(trend->HOLD_Button()->isEnabled());

    // the chart keeps its place from one run to the next
    const QRect place(30, 40, 700, 600);
    trend->placedWindow()->setGeometry(place);
    f.close();
    MainWinRun again(dir.path());
    again.showReady();
    EXPECT_EQ(again.form->trendForm()->placedWindow()->geometry(), place);
}

TEST_F(MainWindowRecords, TheMeasurementLogRecordsTheSession) {
    MainWinRun run(dir.path());
    TMAIN_Form& f = *run.form;
    EXPECT_FALSE(enabled(f, "DIAG_PROT_Start"));
    startSession(run);
    ASSERT_TRUE(enabled(f, "DIAG_PROT_Start"));
    EXPECT_FALSE(enabled(f, "DIAG_PROT_Stop"));
    // a name without extension: TABs, ".LOG" appended
    answerDialog(f, dir.filePath("messung"), "2");
    const QDateTime started = run.wallStart.addMSecs(run.clock.now());
    f.action("DIAG_PROT_Start")->trigger();
    ASSERT_TRUE(f.MeasurementLogActive);
    EXPECT_FALSE(enabled(f, "DIAG_PROT_Start"));
    EXPECT_TRUE(enabled(f, "DIAG_PROT_Stop"));
    EXPECT_EQ(f.settings().LogFileName, (dir.filePath("messung.LOG")).toStdString());
    EXPECT_EQ(f.settings().LogInterval, 2);
    run.advance(10000);
    f.action("DIAG_PROT_Stop")->trigger();
    EXPECT_FALSE(f.MeasurementLogActive);
    EXPECT_TRUE(enabled(f, "DIAG_PROT_Start"));
    run.advance(4000);  // stopped: nothing more is written

    const QList<QByteArray> lines = read(dir.filePath("messung.LOG")).split('\n');
    ASSERT_EQ(lines.size(), 7);  // header, five lines, nothing after the last line end
    EXPECT_TRUE(lines[6].isEmpty());
    EXPECT_TRUE(
        lines[0].startsWith("Datum\tZeit\tUB [V]\tT_WTS [\xB0"
                            "C]\t"));
    const QString status =
        QString::fromStdString(f.overviewForm()->OVERVIEW_BuildDeviceStatusText());
    QDateTime expected = started;
    for (int i = 1; i <= 5; ++i) {
        expected = expected.addSecs(2);
        const QByteArray& l = lines[i];
        ASSERT_TRUE(l.endsWith("\t\r")) << i;
        const QList<QByteArray> cells = l.chopped(2).split('\t');
        ASSERT_EQ(cells.size(), 23) << i;
        EXPECT_EQ(cells[0], expected.toString("dd.MM.yyyy").toLatin1()) << i;
        EXPECT_EQ(cells[1], expected.toString("hh:mm:ss").toLatin1()) << i;
        // values with a decimal comma, as the simulated heater gives them
        EXPECT_TRUE(
            QRegularExpression("^\\d+,\\d+$").match(QString::fromLatin1(cells[2])).hasMatch())
            << cells[2].toStdString();
        EXPECT_EQ(QString::fromLatin1(cells[12]), status);
        for (int e = 13; e < 23; ++e)
            EXPECT_TRUE(cells[e].isEmpty() || QRegularExpression("^[0-9A-F]+h / \\d+d$")
                                                  .match(QString::fromLatin1(cells[e]))
                                                  .hasMatch())
                << cells[e].toStdString();
    }
    // the report of the start beside the log
    const QString side =
        dir.filePath("messung_Zusammenfassung_" + started.toString("yyyy_MM_dd_hh-mm-ss") + ".LOG");
    EXPECT_TRUE(read(side).startsWith("Diagnosebericht")) << side.toStdString();
    EXPECT_TRUE(run.ui.boxes.empty());

    // the name and interval outlive the program; the next start offers them
    f.close();
    MainWinRun again(dir.path());
    EXPECT_EQ(again.form->settings().LogFileName, dir.filePath("messung.LOG").toStdString());
}

TEST_F(MainWindowRecords, ClosingTheProgramAndPullingTheAdapterStopTheLog) {
    for (const bool pull : {false, true}) {
        SCOPED_TRACE(pull ? "adapter pulled" : "program closed");
        QTemporaryDir d;
        MainWinRun run(d.path());
        TMAIN_Form& f = *run.form;
        startSession(run);
        answerDialog(f, d.filePath("werte.txt"), "1");
        f.action("DIAG_PROT_Start")->trigger();
        ASSERT_TRUE(f.MeasurementLogActive);
        run.advance(3000);
        if (pull) {
            run.sim.unplug(run.adapter);
            ASSERT_TRUE(run.runUntil([&] { return !f.engine().AdapterReady; }, 2000));
            EXPECT_FALSE(f.MeasurementLogActive);
            EXPECT_FALSE(f.protStartForm()->Button2()->isEnabled());
            EXPECT_FALSE(f.protStartForm()->Edit1()->isEnabled());
        } else {
            f.close();
        }
        EXPECT_FALSE(f.protStartForm()->log().LogOpen);
        const QByteArray text = read(d.filePath("werte.txt"));
        run.advance(3000);
        EXPECT_EQ(read(d.filePath("werte.txt")), text);
        // fixed-width: header and three lines of the class-1 width, CR LF each
        const QList<QByteArray> lines = text.split('\n');
        ASSERT_GE(lines.size(), 4);
        EXPECT_EQ(lines[1].size(), 12 + 12 + 8 + 12 + 12 + 21 + 25 + 18 + 11 + 40 + 25 + 200 + 1);
    }
}

TEST_F(MainWindowRecords, AWriteErrorIsShownFromTheEventLoop) {
    MainWinRun run(dir.path());
    TMAIN_Form& f = *run.form;
    startSession(run);
    const QString full = dir.filePath("voll.log");
    ASSERT_EQ(::symlink("/dev/full", full.toLocal8Bit().constData()), 0);
    answerDialog(f, full, "1");
    bool insideStart = true;
    run.ui.onBox = [&] { EXPECT_FALSE(insideStart); };
    f.action("DIAG_PROT_Start")->trigger();
    insideStart = false;
    EXPECT_FALSE(f.MeasurementLogActive);
    EXPECT_TRUE(enabled(f, "DIAG_PROT_Start"));
    EXPECT_TRUE(run.ui.boxes.empty());
    run.advance(200);
    ASSERT_EQ(run.ui.boxes.size(), 1u);
    EXPECT_EQ(run.ui.boxes[0].text,
              "     Fehler beim schreiben in die Messwerteprotokolldatei 'voll.log' !     ");
    EXPECT_FALSE(f.protStartForm()->log().PROTTimer().isActive());
    // a cancelled dialog starts nothing
    f.protStartForm()->showModal = [](TPROT_START_Form&) { return TPROT_START_Form::ResultCancel; };
    f.action("DIAG_PROT_Start")->trigger();
    EXPECT_FALSE(f.MeasurementLogActive);
}

}  // namespace
