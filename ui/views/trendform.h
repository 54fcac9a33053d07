// The trend window: the recent course of the heater's on/off outputs and analog values over
// time. It has no timer: each status reply the device module decodes adds one point per
// series of the class. The user picks the visible time window, holds the display to zoom and
// pan, clears it and prints it. The bookkeeping lives in TrendRecorder; this window draws it.
#pragma once

#include <QPointer>
#include <array>
#include <functional>

#include "datapoints.h"
#include "statelistener.h"
#include "trendplot.h"
#include "trendrecorder.h"
#include "viewform.h"

class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;

class TANSI_TREND_Form : public ViewForm, public StateListener {
    Q_OBJECT
public:
    static constexpr int kFormTag = 14;
    static constexpr int kHelpContext = 207;

    // now: the wall clock (seconds since the epoch); empty: the system clock.
    TANSI_TREND_Form(const DataPointTable& dataPoints, ViewContext context,
                     TrendRecorder::Clock now = {}, QWidget* parent = nullptr);

    // The main window's state hooks: each acts only when its value changes.
    void SetLinkState(bool adapterReady) override;
    void SetDeviceClass(uint8_t deviceClass) override;
    // A status reply was decoded: one point per series, then the time axis follows.
    void ShowValues();

    void TREND_SetTimeRange(int index);
    void TREND_Clear();
    void TREND_SetRunning(bool running);
    // Prints the chart on a printer set up by the caller (a PDF file is a printer too).
    // false when the printer or file could not be opened.
    bool TREND_Print(QPrinter& printer);

    const TrendRecorder& recorder() const { return m_rec; }
    QCustomPlot* Chart() const { return m_chart; }
    QComboBox* ZEIT_ComboBox() const { return m_combo; }
    QPushButton* CLR_Button() const { return m_clr; }
    QPushButton* HOLD_Button() const { return m_hold; }
    QPushButton* PRINT_Button() const { return m_print; }
    QCPGraph* seriesGraph(int series) const;
    QCPAxis* seriesAxis(int series) const;
    QCPItemText* seriesBandTitle(int series) const;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void FormCreate();
    // Puts the recorder's state on the chart and the controls.
    void applyConfiguration();
    void applyControls();
    void applyTimeAxis();
    void applyMargins(int width);
    void ChartResize();
    // Margins, axis places, time ticks and legend columns for a chart `width` pixels wide.
    void fitChart(int width);
    // As many time ticks as the plot's width holds with their labels apart.
    void fitTimeTicks(int plotWidth);
    // As many legend entries side by side as the chart's width holds.
    void fitLegend(int width);
    void PRINT_ButtonClick();

    TrendRecorder m_rec;
    QCustomPlot* m_chart = nullptr;
    std::array<TrendPlotSeries, TrendSeriesCount> m_series{};
    QLabel* m_zeitLabel = nullptr;
    QComboBox* m_combo = nullptr;
    QPushButton* m_clr = nullptr;
    QPushButton* m_hold = nullptr;
    QPushButton* m_print = nullptr;
};
