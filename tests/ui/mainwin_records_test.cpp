// The trend chart and the measurement log inside the main window, on the simulated adapter with
// a simulated KX3090 and the manual clock: what a session leaves in the chart and in the file.
#include <gtest/gtest.h>

#include <QMdiSubWindow>
#include <QTemporaryDir>

#include "diagsession.h"
#include "mainwinharness.h"
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
}

}  // namespace
