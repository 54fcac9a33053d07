#include "trendrecorder.h"

#include "devicelist.h"

TrendRecorder::TrendRecorder(const DataPointTable& dataPoints, Clock now,
                             std::function<int32_t()> temperatureUnit)
    : m_dp(dataPoints),
      m_now(std::move(now)),
      m_temperatureUnit(std::move(temperatureUnit)),
      m_setup(TREND_Unconfigured()) {
    // The window comes up recording with the one-minute window, then waits unconfigured for
    // a class.
    TREND_SetTimeRange(0);
    TREND_SetRunning(true);
    TREND_SetTimeRange(2);
    TREND_Configure(false);
}

const std::deque<TrendRecorder::Point>& TrendRecorder::Points(int series) const {
    static const std::deque<Point> none;
    if (series < 0 || series >= TrendSeriesCount) return none;
    return m_points[static_cast<size_t>(series)];
}

void TrendRecorder::SetLinkState(bool adapterReady) {
    if (adapterReady == m_heldAdapterReady) return;
    m_heldAdapterReady = adapterReady;
    if (!adapterReady) TREND_Configure(false);
}

void TrendRecorder::SetDeviceClass(uint8_t deviceClass) {
    if (deviceClass == m_heldDeviceClass) return;
    m_heldDeviceClass = deviceClass;
    if (m_heldAdapterReady) TREND_Configure(deviceClass != dcNone);
}

void TrendRecorder::TREND_Configure(bool active) {
    const uint8_t cls = m_heldDeviceClass;
    if (!active) {
        TREND_Clear();
        m_setup = TREND_Unconfigured();
        m_legendVisible = false;
    } else if (cls >= dcKX3090 && cls <= dcKX3166) {
        TREND_Clear();
        m_setup = TREND_ClassSetup(cls, m_temperatureUnit ? m_temperatureUnit() : 0);
        m_legendVisible = true;
        m_rightMarginFactor = TREND_RightMarginFactor(cls);
        if (m_lastWidth > 0) ChartResize(m_lastWidth);
    }
    // A class without series (the boot loader) only enables the controls.
    m_controlsEnabled = active;
    TREND_SetRunning(active);
}

void TrendRecorder::TREND_Clear() {
    for (auto& p : m_points) p.clear();
    if (onClear) onClear();
}

void TrendRecorder::TREND_SetRunning(bool running) {
    m_running = running;
}

void TrendRecorder::TREND_SetTimeRange(int index) {
    m_timeIndex = index;
    m_windowSpan = TREND_TimeSpan(index);
    TREND_ScrollTimeAxis();
}

void TrendRecorder::TREND_ScrollTimeAxis() {
    m_axisMax = m_lastSampleTime;
    m_axisMin = m_lastSampleTime - m_windowSpan;
}

void TrendRecorder::ShowValues() {
    if (!m_running) return;
    const uint8_t cls = m_heldDeviceClass;
    if (cls < dcKX3090 || cls > dcKX3166) return;
    for (int series : TrendSampleOrder) {
        const ByteString& key = m_setup[static_cast<size_t>(series)].key;
        if (!key.empty()) TREND_SampleValue(series, key);
    }
    TREND_ScrollTimeAxis();
}

void TrendRecorder::TREND_SampleValue(int series, const ByteString& key) {
    // A key the table lacks reads as invalid and gives no point.
    TREND_AddPoint(series, m_dp.DP_GetValue(key), m_now ? m_now() : 0);
}

void TrendRecorder::TREND_AddPoint(int series, const TResult& value, double x) {
    if (value.Invalid || series < 0 || series >= TrendSeriesCount) return;
    m_lastSampleTime = x;
    std::deque<Point>& pts = m_points[static_cast<size_t>(series)];
    pts.push_back({x, static_cast<double>(value.Value)});
    if (onAppend) onAppend(series, x, pts.back().y);
    // Points older than the kept half hour go, two at the most per new point; the oldest kept
    // point may lie before the window so that the line reaches its left edge.
    const double oldest = m_axisMax - KeepSeconds;
    int dropped = 0;
    for (int i = 0; i < 2; ++i) {
        if (pts.size() > 2 && pts[1].x < oldest) {
            pts.pop_front();
            ++dropped;
        }
    }
    if (dropped && onDropFront) onDropFront(series, dropped);
}

void TrendRecorder::ChartResize(int32_t width) {
    m_lastWidth = width;
    TREND_ComputeMargins(width, m_rightMarginFactor, m_margins);
}
