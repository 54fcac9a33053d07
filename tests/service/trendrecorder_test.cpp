// The trend chart's bookkeeping on a hand-driven clock: what each class samples, the points a
// status reply adds, the visible window, the half hour kept, hold and clear, the class life
// cycle and the margins.
#include "trendrecorder.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

// Every key any class samples, registered with a value, so each class finds its points.
const char* const kAllKeys[] = {"OVRLBG",   "OVRLHS",   "OVRLUP",     "OVRLUPFA",    "OVRLZFG",
                                "OVRLKL15", "OVRLZUHI", "OVRLKL61",   "OVRLMV",      "OVRLMV1",
                                "OVRLMV2",  "OVRLZFM",  "OVRLSPAR",   "OVRLSPAR1",   "OVRLSPAR2",
                                "OVRLVH",   "OVRLBA",   "OVRLFL",     "OVRLFA",      "OVRLFLAZ",
                                "OVRLUEHS", "OVRTEMP",  "BETTEMPUEH", "OVRTEMPUEHS", "OVRUB",
                                "OVRUFL",   "OVRUBG",   "OVRBGRPM",   "OVRTEMPUNT",  "OVRTEMPOBE"};

class Trend : public ::testing::Test {
protected:
    Trend()
        : rec(dp, [this] {
              ++readings;
              return now;
          }) {
        for (const char* k : kAllKeys) dp.DP_Register(k, k, "");
        storeAll(1);
    }
    void storeAll(long double v) {
        for (const char* k : kAllKeys) dp.DP_SetValue(k, 0, "", v);
    }
    void connect(uint8_t cls) {
        rec.SetLinkState(true);
        rec.SetDeviceClass(cls);
    }
    // One status reply every `step` seconds for `seconds`.
    void replies(double seconds, double step = 1) {
        for (double t = 0; t < seconds; t += step) {
            now += step;
            rec.ShowValues();
        }
    }
    std::set<int> sampled() const {
        std::set<int> s;
        for (int i = 0; i < TrendSeriesCount; ++i)
            if (!rec.Points(i).empty()) s.insert(i);
        return s;
    }

    DataPointTable dp;
    double now = 1000000;
    int readings = 0;
    TrendRecorder rec;
};

TEST_F(Trend, EachClassSamplesItsSeriesInOrder) {
    // series index -> key, per class
    const std::map<uint8_t, std::map<int, std::string>> expected = {
        {1,
         {{0, "OVRLBG"},
          {13, "OVRLHS"},
          {1, "OVRLUP"},
          {14, "OVRLUPFA"},
          {2, "OVRLZFG"},
          {15, "OVRLKL15"},
          {3, "OVRLMV"},
          {4, "OVRLFL"},
          {6, "OVRTEMP"},
          {8, "OVRUB"},
          {9, "OVRUFL"}}},
        {2,
         {{0, "OVRLBG"},
          {13, "OVRLHS"},
          {1, "OVRLUP"},
          {14, "OVRLUPFA"},
          {2, "OVRLZFG"},
          {15, "OVRLZUHI"},
          {3, "OVRLMV"},
          {16, "OVRLSPAR"},
          {4, "OVRLBA"},
          {5, "OVRLFA"},
          {6, "OVRTEMP"},
          {8, "OVRUB"},
          {9, "OVRUFL"},
          {10, "OVRUBG"},
          {11, "OVRTEMPUNT"},
          {12, "OVRTEMPOBE"}}},
        {3,
         {{0, "OVRLBG"},
          {13, "OVRLHS"},
          {1, "OVRLUP"},
          {14, "OVRLUPFA"},
          {2, "OVRLZFG"},
          {15, "OVRLKL61"},
          {3, "OVRLMV"},
          {16, "OVRLSPAR1"},
          {4, "OVRLBA"},
          {17, "OVRLSPAR2"},
          {5, "OVRLFL"},
          {6, "OVRTEMP"},
          {7, "BETTEMPUEH"},
          {8, "OVRUB"},
          {9, "OVRUFL"},
          {10, "OVRBGRPM"},
          {11, "OVRTEMPUNT"},
          {12, "OVRTEMPOBE"}}},
        {4,
         {{0, "OVRLBG"},
          {13, "OVRLHS"},
          {1, "OVRLUP"},
          {14, "OVRLUPFA"},
          {2, "OVRLMV1"},
          {15, "OVRLZFM"},
          {3, "OVRLMV2"},
          {16, "OVRLVH"},
          {4, "OVRLBA"},
          {17, "OVRLFLAZ"},
          {6, "OVRTEMP"},
          {7, "OVRTEMPUEHS"},
          {8, "OVRUB"},
          {9, "OVRUFL"},
          {11, "OVRTEMPUNT"},
          {12, "OVRTEMPOBE"}}},
        {5,
         {{0, "OVRLBG"},
          {13, "OVRLHS"},
          {1, "OVRLUP"},
          {14, "OVRLUPFA"},
          {2, "OVRLZFG"},
          {15, "OVRLKL61"},
          {3, "OVRLMV"},
          {16, "OVRLSPAR"},
          {4, "OVRLBA"},
          {17, "OVRLUEHS"},
          {5, "OVRLFLAZ"},
          {6, "OVRTEMP"},
          {7, "OVRTEMPUEHS"},
          {8, "OVRUB"},
          {9, "OVRUFL"},
          {10, "OVRBGRPM"},
          {11, "OVRTEMPUNT"},
          {12, "OVRTEMPOBE"}}},
    };
    for (const auto& [cls, keys] : expected) {
        SCOPED_TRACE(static_cast<int>(cls));
        rec.SetLinkState(false);
        connect(cls);
        const TrendSetup& s = rec.Setup();
        std::map<int, std::string> got;
        for (int i = 0; i < TrendSeriesCount; ++i)
            if (!s[static_cast<size_t>(i)].key.empty()) got[i] = s[static_cast<size_t>(i)].key;
        EXPECT_EQ(got, keys);
        // one reply: one point per sampled series, each with a clock reading of its own
        readings = 0;
        replies(1);
        EXPECT_EQ(readings, static_cast<int>(keys.size()));
        std::set<int> want;
        for (const auto& k : keys) want.insert(k.first);
        EXPECT_EQ(sampled(), want);
        // what is sampled is shown in the legend with a visible axis, apart from the hidden
        // temperature axes, which share the scale of series 6
        for (const auto& k : keys) {
            const TrendSeriesSetup& x = s[static_cast<size_t>(k.first)];
            EXPECT_TRUE(x.inLegend) << k.first;
            EXPECT_FALSE(x.title.empty()) << k.first;
            const bool hiddenTemperature = k.first == 7 || k.first == 11 || k.first == 12;
            EXPECT_EQ(x.axisVisible, !hiddenTemperature) << k.first;
        }
    }
}

TEST_F(Trend, SettingsThatDifferByClass) {
    struct Case {
        uint8_t cls;
        int series;
        const char* title;
        uint32_t colour;
        bool right;
        int start;
        int end;
        bool axisVisible;
        bool inLegend;
    };
    const Case cases[] = {
        {1, 3, "MV", 0xFF0000, true, 17, 19, true, true},
        {1, 4, "FA", 0xFF7F00, true, 21, 23, true, true},
        {1, 16, "", 0x000000, false, 22, 24, false, false},
        {1, 5, "", 0x000000, false, 31, 33, false, false},
        {2, 3, "MV", 0xFF0000, true, 19, 21, true, true},
        {2, 17, "SPAR2", 0x800080, false, 28, 30, false, false},
        {2, 5, "FA", 0xFF7F00, true, 29, 31, true, true},
        {3, 14, "UPFA", 0xA6CAF0, false, 10, 12, true, true},
        {4, 2, "MV1", 0xFF0000, true, 13, 15, true, true},
        {4, 15, "ZFM", 0x000000, false, 16, 18, true, true},
        {4, 3, "MV2", 0x00FFFF, true, 19, 21, true, true},
        {4, 5, "", 0x000000, false, 31, 33, false, false},
        {5, 17, "ÜHS", 0xFF0000, false, 28, 30, true, true},
        {5, 0, "BM", 0x800000, true, 1, 3, true, true},
        {1, 6, "T [°C]", 0x0000FF, false, 28, 99, true, true},
        {2, 10, "BM [V]", 0x800000, true, 34, 99, true, true},
        {3, 10, "BM [U/min]", 0x800000, true, 36, 99, true, true},
        {4, 8, "UB [V]", 0x008000, true, 34, 99, true, true},
        {5, 9, "FW [V]", 0xFF7F00, true, 36, 99, true, true},
        {3, 7, "ÜHS [°C]", 0xFF0000, false, 36, 99, false, true},
    };
    for (const Case& c : cases) {
        const TrendSeriesSetup x = TREND_ClassSetup(c.cls, 0)[static_cast<size_t>(c.series)];
        SCOPED_TRACE(std::to_string(c.cls) + "/" + std::to_string(c.series));
        EXPECT_EQ(x.title, c.title);
        EXPECT_EQ(x.colour, c.colour);
        EXPECT_EQ(x.rightSide, c.right);
        EXPECT_EQ(x.bandStart, c.start);
        EXPECT_EQ(x.bandEnd, c.end);
        EXPECT_EQ(x.axisVisible, c.axisVisible);
        EXPECT_EQ(x.inLegend, c.inLegend);
    }
    // ranges, increments and labels of the analog axes
    const TrendSetup c3 = TREND_ClassSetup(3, 0);
    EXPECT_EQ(c3[6].minimum, -41);
    EXPECT_EQ(c3[6].maximum, 130);
    EXPECT_EQ(c3[6].increment, 10);
    EXPECT_TRUE(c3[6].grid);
    EXPECT_FALSE(c3[8].grid);
    EXPECT_EQ(c3[9].maximum, 5);
    EXPECT_EQ(c3[9].increment, 0.5);
    EXPECT_EQ(c3[9].labelFormat, "0.0");
    EXPECT_EQ(c3[10].maximum, 8000);
    EXPECT_EQ(c3[10].increment, 500);
    EXPECT_EQ(c3[10].labelFormat, "#0");
    EXPECT_EQ(TREND_ClassSetup(2, 0)[10].maximum, 30);
    // Fahrenheit: the unit in every temperature title, the range up to 260 from -41
    const TrendSetup f = TREND_ClassSetup(5, 1);
    EXPECT_EQ(f[6].title, "T [°F]");
    EXPECT_EQ(f[11].title, "T_US [°F]");
    EXPECT_EQ(f[7].minimum, -41);
    EXPECT_EQ(f[12].maximum, 260);
    EXPECT_EQ(TREND_ClassSetup(1, 1)[11].title, "");
    // the right margin by class, and nothing outside 1..5
    const int32_t factors[] = {95, 50, 33, 30, 50, 30, 95};
    for (uint8_t cls = 0; cls <= 6; ++cls) EXPECT_EQ(TREND_RightMarginFactor(cls), factors[cls]);
    EXPECT_TRUE(TREND_ClassSetup(6, 0)[6].title.empty());
}

TEST_F(Trend, TheVisibleWindowEndsAtTheLatestSample) {
    const struct {
        int index;
        double span;
        const char* text;
    } cases[] = {{0, 20, "[0..20s]"},
                 {1, 30, "[0..30s]"},
                 {2, 60, "[0..1min]"},
                 {3, 120, "[0..2min]"},
                 {4, 300, "[0..5min]"},
                 {5, 600, "[0..10min]"},
                 {6, 1200, "[0..20min]"},
                 {7, 1800, "[0..30min]"},
                 {8, 20, ""},
                 {-1, 20, ""}};
    connect(1);
    replies(5);
    for (const auto& c : cases) {
        rec.TREND_SetTimeRange(c.index);
        EXPECT_EQ(TREND_TimeRangeText(c.index), c.text);
        EXPECT_EQ(rec.WindowSpan(), c.span) << c.index;
        EXPECT_EQ(rec.TimeAxisMax(), now) << c.index;
        EXPECT_EQ(rec.TimeAxisMin(), now - c.span) << c.index;
    }
    // the window starts at one minute and survives a change of class
    TrendRecorder fresh(dp, [this] { return now; });
    EXPECT_EQ(fresh.TimeRangeIndex(), 2);
    EXPECT_EQ(fresh.WindowSpan(), 60);
    rec.TREND_SetTimeRange(0);
    rec.SetDeviceClass(3);
    EXPECT_EQ(rec.WindowSpan(), 20);
    replies(1);
    EXPECT_EQ(rec.TimeAxisMin(), now - 20);
}

TEST_F(Trend, InvalidValuesGiveNoPointAndDoNotMoveTheWindow) {
    connect(1);
    replies(3);
    const double last = now;
    dp.DP_StoreValue("OVRUB", TResult::cleared());
    // every key gone: nothing sampled, the window stays where it was
    DataPointTable empty;
    TrendRecorder other(empty, [this] { return now; });
    other.SetLinkState(true);
    other.SetDeviceClass(1);
    now += 1;
    other.ShowValues();
    for (int i = 0; i < TrendSeriesCount; ++i) EXPECT_TRUE(other.Points(i).empty());
    EXPECT_EQ(other.LastSampleTime(), 0);
    rec.ShowValues();
    EXPECT_EQ(rec.Points(8).size(), 3u);  // OVRUB invalid: no point
    EXPECT_EQ(rec.Points(6).size(), 4u);
    EXPECT_EQ(rec.Points(6).back().x, last + 1);
    EXPECT_EQ(rec.TimeAxisMax(), last + 1);
}

TEST_F(Trend, EachPointHasItsOwnClockReading) {
    // a reply processed across midnight: every point is where its reading says
    connect(1);
    rec.TREND_AddPoint(6, TResult::ofValue(20), 86399.999);
    rec.TREND_AddPoint(8, TResult::ofValue(12), 86400.001);
    EXPECT_EQ(rec.Points(6).back().x, 86399.999);
    EXPECT_EQ(rec.Points(8).back().x, 86400.001);
    EXPECT_EQ(rec.LastSampleTime(), 86400.001);
    // and ShowValues takes one reading per series
    double t = 0;
    TrendRecorder stepping(dp, [&t] { return t += 0.001; });
    stepping.SetLinkState(true);
    stepping.SetDeviceClass(3);
    stepping.ShowValues();
    EXPECT_NEAR(stepping.Points(0).back().x, 0.001, 1e-12);   // sampled first
    EXPECT_NEAR(stepping.Points(12).back().x, 0.018, 1e-12);  // sampled last
}

TEST_F(Trend, HalfAnHourIsKeptWhateverTheWindow) {
    connect(3);
    rec.TREND_SetTimeRange(0);  // 20 s shown
    replies(45 * 60, 0.5);
    for (int s : {0, 6, 12}) {
        const auto& pts = rec.Points(s);
        // 30 minutes at two points a second, and at most one point before them
        EXPECT_LE(pts.size(), 3603u) << s;
        EXPECT_GE(pts.size(), 3601u) << s;
        EXPECT_LT(pts[1].x, now);
        EXPECT_GE(pts[1].x, now - 0.5 - TrendRecorder::KeepSeconds) << s;
        EXPECT_LT(pts[0].x, now - TrendRecorder::KeepSeconds) << s;
    }
    // after a long pause the old points go two per new point: the first new point is measured
    // against the window before the pause, the next ones against the moved window
    now += 3600;
    const size_t before = rec.Points(6).size();
    rec.ShowValues();
    EXPECT_EQ(rec.Points(6).size(), before);
    for (size_t i = 1; i <= 3; ++i) {
        now += 0.5;
        rec.ShowValues();
        EXPECT_EQ(rec.Points(6).size(), before - i);
    }
}

TEST_F(Trend, HoldStopsRecordingAndClearEmpties) {
    connect(1);
    std::vector<std::string> events;
    rec.onAppend = [&](int s, double, double) {
        if (s == 6) events.push_back("append");
    };
    rec.onClear = [&] { events.push_back("clear"); };
    replies(3);
    rec.TREND_SetRunning(false);
    replies(5);  // held: these are lost
    EXPECT_EQ(rec.Points(6).size(), 3u);
    const double heldMax = rec.TimeAxisMax();
    EXPECT_EQ(heldMax, now - 5);
    rec.TREND_SetRunning(true);
    replies(1);
    EXPECT_EQ(rec.Points(6).size(), 4u);
    EXPECT_EQ(rec.TimeAxisMax(), now);  // back to the latest sample
    rec.TREND_Clear();
    for (int i = 0; i < TrendSeriesCount; ++i) EXPECT_TRUE(rec.Points(i).empty());
    EXPECT_EQ(rec.Setup()[6].key, "OVRTEMP");  // the configuration stays
    EXPECT_EQ(events, (std::vector<std::string>{"append", "append", "append", "append", "clear"}));
}

TEST_F(Trend, ClassLifeCycle) {
    // unconfigured at start: held, controls off, no legend
    EXPECT_FALSE(rec.Running());
    EXPECT_FALSE(rec.ControlsEnabled());
    EXPECT_FALSE(rec.LegendVisible());
    // a class without the adapter changes nothing yet
    rec.SetDeviceClass(1);
    EXPECT_FALSE(rec.Running());
    rec.SetDeviceClass(0);
    connect(1);
    EXPECT_TRUE(rec.Running());
    EXPECT_TRUE(rec.ControlsEnabled());
    EXPECT_TRUE(rec.LegendVisible());
    EXPECT_EQ(rec.RightMarginFactor(), 50);
    replies(2);
    // another class: reconfigured and cleared
    rec.SetDeviceClass(2);
    EXPECT_TRUE(sampled().empty());
    EXPECT_EQ(rec.Setup()[15].key, "OVRLZUHI");
    EXPECT_EQ(rec.RightMarginFactor(), 33);
    replies(2);
    // the boot loader: controls on and recording, but nothing cleared, set up or sampled
    rec.SetDeviceClass(6);
    EXPECT_TRUE(rec.Running());
    EXPECT_EQ(rec.Points(6).size(), 2u);
    EXPECT_EQ(rec.Setup()[15].key, "OVRLZUHI");
    replies(2);
    EXPECT_EQ(rec.Points(6).size(), 2u);
    // class 0 and the adapter going away: unconfigured and cleared
    rec.SetDeviceClass(2);
    replies(1);
    rec.SetDeviceClass(0);
    EXPECT_TRUE(sampled().empty());
    EXPECT_FALSE(rec.ControlsEnabled());
    EXPECT_TRUE(rec.Setup()[6].key.empty());
    rec.SetDeviceClass(4);
    replies(1);
    rec.SetLinkState(false);
    EXPECT_TRUE(sampled().empty());
    EXPECT_FALSE(rec.Running());
    EXPECT_FALSE(rec.LegendVisible());
}

TEST(TrendMarginsTest, MarginsAndAxisPlaces) {
    struct Case {
        int32_t width;
        int32_t factor;
        int32_t left;
        int32_t right;
        int32_t plot;
    };
    const Case cases[] = {
        {1000, 50, 6, 9, 850},  // 4320 / (10 x 50) = 8.64
        {1000, 30, 6, 14, 800},
        {760, 33, 8, 17, 570},
        {600, 95, 10, 8, 492},
    };
    for (const Case& c : cases) {
        TrendMargins m;
        TREND_ComputeMargins(c.width, c.factor, m);
        EXPECT_EQ(m.leftPercent, c.left) << c.width;
        EXPECT_EQ(m.rightPercent, c.right) << c.width;
        EXPECT_EQ(m.plotWidth, c.plot) << c.width;
        EXPECT_DOUBLE_EQ(m.axis9Percent, -42.0 * 100 / c.plot);
        EXPECT_DOUBLE_EQ(m.axis10Percent, -87.0 * 100 / c.plot);
    }
    // 100 pixels or less: nothing changes
    TrendMargins m;
    TREND_ComputeMargins(1000, 50, m);
    const TrendMargins kept = m;
    TREND_ComputeMargins(100, 50, m);
    EXPECT_EQ(m.rightPercent, kept.rightPercent);
    // a plot width of 0 (105 pixels at factor 95): margins follow, the axis places stay
    TREND_ComputeMargins(105, 95, m);
    EXPECT_EQ(m.rightPercent, 43);
    EXPECT_EQ(m.leftPercent, 57);
    EXPECT_EQ(m.plotWidth, kept.plotWidth);
    EXPECT_DOUBLE_EQ(m.axis9Percent, kept.axis9Percent);
    EXPECT_DOUBLE_EQ(m.axis10Percent, kept.axis10Percent);
}

TEST(TrendAxisSpanTest, TheManualRangeFillsTheBand) {
    TrendSeriesSetup s;
    s.minimum = 0;
    s.maximum = 1;
    s.bandStart = 4;
    s.bandEnd = 6;
    const TrendAxisSpan a = TREND_AxisSpan(s);
    // fraction of the height from the bottom at which a value lies
    auto at = [&](double v) { return (v - a.lower) / (a.upper - a.lower); };
    EXPECT_NEAR(at(1), 0.96, 1e-12);
    EXPECT_NEAR(at(0), 0.94, 1e-12);
    s.minimum = -41;
    s.maximum = 130;
    s.bandStart = 28;
    s.bandEnd = 99;
    const TrendAxisSpan t = TREND_AxisSpan(s);
    EXPECT_NEAR((130 - t.lower) / (t.upper - t.lower), 0.72, 1e-12);
    EXPECT_NEAR((-41 - t.lower) / (t.upper - t.lower), 0.01, 1e-12);
}

}  // namespace
