// One tick of the measurement log at its widest: the class with the most columns (50), every
// value present, the line built from the data-point table and written to the file. Once with
// fixed-width columns, once with TABs.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "inerttimers.h"
#include "measurementlog.h"

namespace {

const char* const kClass4Keys[] = {
    "OVRTEMP",    "OVRTEMPUEHS",   "OVRTEMGRAD", "OVRTEMPUNT",    "OVRTEMPOBE",  "OVRLHS",
    "OVRLUPFA",   "OVRLBA",        "OVRLBG",     "OVRLMV1",       "OVRLMV2",     "OVRLVH",
    "OVRLZFM",    "OVRLUP",        "OVRLFLAZ",   "OVRLUEHZ",      "OVRST_BRENN", "OVRST_US",
    "OVRUB",      "OVRHS",         "OVRUUPFA",   "OVRUFL",        "OVRUGATE",    "OVRUZFM",
    "OVRSTROMUP", "OVRSTROMUPCNT", "OVRSTROMCU", "OVRSTROMCUCNT", "BETVHSTROM",  "OVRHEIZ_ZEIT",
    "BETSTART",   "BETFARZ",       "BETFAZ",     "BETSTZ",        "OVRSTV",      "BETHGV",
    "OVRZUSTAND", "OVRZUSTAND_Z"};

class SilentUi : public IUserInteraction {
public:
    int messageBox(MsgKind, const ByteString&, int, int = 0) override { return MB_OK; }
    std::optional<FileDialogChoice> openFileDialog(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<FileDialogChoice> saveFileDialog(const FileDialogRequest&) override {
        return std::nullopt;
    }
};

void BM_MeasurementLogTick(benchmark::State& state) {
    DataPointTable dp;
    for (const char* k : kClass4Keys) dp.DP_Register(k, k, "V");
    for (int n = 1; n <= 10; ++n) dp.DP_Register("ERRCODE" + std::to_string(n), "Code", "");
    int i = 0;
    for (const char* k : kClass4Keys) {
        dp.DP_SetValue(k, 1, std::to_string(i) + ".25", i + 0.25L);
        ++i;
    }
    dp.DP_SetValue("OVRZUSTAND", 0, "Brennbetrieb Vollast", 0);
    dp.DP_SetValue("ERRCODE1", 0, "1A", 26);

    char path[] = "/tmp/calvix-logbench-XXXXXX.log";
    const int fd = ::mkstemps(path, 4);
    if (fd < 0) return state.SkipWithError("no temporary file");
    ::close(fd);
    InertTimers timers;
    SilentUi ui;
    MeasurementLog::Hooks hooks;
    int second = 0;
    hooks.now = [&second] {
        return LogClockReading{2026, 3, 9, 14, second / 60 % 60, second++ % 60};
    };
    MeasurementLog log(dp, timers, ui, hooks);
    log.SetLinkState(true);
    log.SetDeviceClass(4);
    log.setColumnMode(static_cast<int32_t>(state.range(0)));
    if (!log.PROT_Begin(path, 1)) return state.SkipWithError("the log did not start");
    for (auto _ : state) log.PROTTimerTimer();
    const bool ok = log.LogOpen;
    log.PROT_Stop();
    std::remove(path);
    if (!ok) state.SkipWithError("a line could not be written");
    state.SetLabel(state.range(0) == LOG_TABS ? "TABs" : "fixed width");
}
BENCHMARK(BM_MeasurementLogTick)
    ->Arg(LOG_FIXED_WIDTH)
    ->Arg(LOG_TABS)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
