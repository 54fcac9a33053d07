// The trend chart at its heaviest: a class with all eighteen series holding a full half hour at
// the simulated unit's status rate (three replies a second), the half-hour window shown. Each
// iteration is one status reply: a point appended to every series, the oldest dropped, and the
// chart drawn again in full.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>

#include "trendform.h"

namespace {

constexpr double ReplyInterval = 1.0 / 3;

const char* const kClass3Keys[] = {"OVRLBG",   "OVRLHS",     "OVRLUP",     "OVRLUPFA", "OVRLZFG",
                                   "OVRLKL61", "OVRLMV",     "OVRLSPAR1",  "OVRLBA",   "OVRLSPAR2",
                                   "OVRLFL",   "OVRTEMP",    "BETTEMPUEH", "OVRUB",    "OVRUFL",
                                   "OVRBGRPM", "OVRTEMPUNT", "OVRTEMPOBE"};

// Values that move like a heater's: outputs switching, temperatures and voltages drifting.
void store(DataPointTable& dp, double t) {
    int i = 0;
    for (const char* k : kClass3Keys) {
        const double v = i < 11 ? (std::fmod(t + i * 7, 40) < 25 ? 1 : 0)
                                : 10 + i * 5 + 20 * std::sin(t / (30 + i));
        dp.DP_SetValue(k, 0, "", v);
        ++i;
    }
}

void BM_TrendAppendAndRedraw(benchmark::State& state) {
    DataPointTable dp;
    for (const char* k : kClass3Keys) dp.DP_Register(k, k, "");
    double now = 1767225600;
    TANSI_TREND_Form form(dp, ViewContext{}, [&now] { return now; });
    form.resize(1200, 800);
    form.show();
    QApplication::processEvents();
    form.SetLinkState(true);
    form.SetDeviceClass(3);
    form.TREND_SetTimeRange(7);
    const int fill = static_cast<int>(TrendRecorder::KeepSeconds / ReplyInterval);
    for (int i = 0; i < fill; ++i) {
        now += ReplyInterval;
        store(dp, now);
        form.ShowValues();
    }
    form.Chart()->replot(QCustomPlot::rpImmediateRefresh);
    for (auto _ : state) {
        now += ReplyInterval;
        store(dp, now);
        form.ShowValues();
        form.Chart()->replot(QCustomPlot::rpImmediateRefresh);
    }
    // The half hour stays the same size however long it runs.
    size_t most = 0;
    for (int s = 0; s < TrendSeriesCount; ++s) {
        most = std::max(most, form.recorder().Points(s).size());
        if (form.seriesGraph(s)->dataCount() != static_cast<int>(form.recorder().Points(s).size()))
            state.SkipWithError("the plot lost track of the points");
    }
    if (most > static_cast<size_t>(fill) + 3)
        state.SkipWithError("the points grew past 30 minutes");
    state.counters["points_per_series"] = static_cast<double>(most);
    state.counters["series"] = TrendSeriesCount;
}
BENCHMARK(BM_TrendAppendAndRedraw)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
