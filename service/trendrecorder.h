// The trend chart's bookkeeping, without the drawing: which class is shown, the points of the
// eighteen series, the visible time window and whether recording runs. The chart window drives
// it and mirrors every change of the points into its plot through the hooks below.
//
// Times are seconds since the epoch; each point takes one clock reading, so its date and time
// always belong to the same instant. Every series keeps 30 minutes of points (and at most one
// older point, so that a stair line still reaches the left edge of the plot).
#pragma once

#include <cstdint>
#include <deque>
#include <functional>

#include "datapoints.h"
#include "trendtables.h"

class TrendRecorder {
public:
    struct Point {
        double x;
        double y;
    };
    // Seconds since the epoch.
    using Clock = std::function<double()>;

    static constexpr double KeepSeconds = 30 * 60;

    // temperatureUnit: the main window's unit at the time a class is configured.
    TrendRecorder(const DataPointTable& dataPoints, Clock now,
                  std::function<int32_t()> temperatureUnit = {});

    // What the chart mirrors: a point appended, `count` points dropped at the front of a
    // series, every series emptied.
    std::function<void(int series, double x, double y)> onAppend;
    std::function<void(int series, int count)> onDropFront;
    std::function<void()> onClear;

    // The main window's state hooks: each acts only when its value changes.
    void SetLinkState(bool adapterReady);
    void SetDeviceClass(uint8_t deviceClass);
    // One point per sampled series of the held class, then the time axis follows.
    void ShowValues();

    void TREND_Configure(bool active);
    void TREND_Clear();
    void TREND_SetRunning(bool running);
    void TREND_SetTimeRange(int index);
    void TREND_ScrollTimeAxis();
    void TREND_SampleValue(int series, const ByteString& key);
    void TREND_AddPoint(int series, const TResult& value, double x);
    // The margins for a chart of `width` pixels with the held class's right-hand axes.
    void ChartResize(int32_t width);

    bool HeldAdapterReady() const { return m_heldAdapterReady; }
    uint8_t HeldDeviceClass() const { return m_heldDeviceClass; }
    bool Running() const { return m_running; }
    double LastSampleTime() const { return m_lastSampleTime; }
    double WindowSpan() const { return m_windowSpan; }
    int TimeRangeIndex() const { return m_timeIndex; }
    double TimeAxisMin() const { return m_axisMin; }
    double TimeAxisMax() const { return m_axisMax; }
    int32_t RightMarginFactor() const { return m_rightMarginFactor; }
    const TrendMargins& Margins() const { return m_margins; }
    // The controls (time base, clear, hold, print) are usable and the legend shown.
    bool ControlsEnabled() const { return m_controlsEnabled; }
    bool LegendVisible() const { return m_legendVisible; }
    const TrendSetup& Setup() const { return m_setup; }
    const std::deque<Point>& Points(int series) const;

private:
    const DataPointTable& m_dp;
    Clock m_now;
    std::function<int32_t()> m_temperatureUnit;

    bool m_heldAdapterReady = false;
    uint8_t m_heldDeviceClass = 0;
    double m_lastSampleTime = 0;
    double m_windowSpan = 20;
    int m_timeIndex = 0;
    double m_axisMin = -20;
    double m_axisMax = 0;
    bool m_running = false;
    bool m_controlsEnabled = false;
    bool m_legendVisible = false;
    int32_t m_rightMarginFactor = 95;
    int32_t m_lastWidth = 0;
    TrendMargins m_margins;
    TrendSetup m_setup;
    std::array<std::deque<Point>, TrendSeriesCount> m_points;
};
