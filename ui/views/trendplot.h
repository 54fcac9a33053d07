// The trend chart's drawing pieces on top of the plotting widget: value axes whose ticks stay
// inside their band of the plot height, the time axis with clock labels, and the way one
// series' settings are put on its graph and axis.
#pragma once

#include <qcustomplot.h>

#include "trendtables.h"

// Ticks at whole multiples of a fixed step, only within the axis' manual range, so an axis
// that fills only a band of the plot labels only that band. Given its axis, the ticker labels
// every second, fifth or tenth step where the band is too short for a label at every step
// (the Fahrenheit range of a temperature axis on a small chart).
class TrendBandTicker : public QCPAxisTicker {
public:
    TrendBandTicker(double minimum, double maximum, double step, int subTicks,
                    const QCPAxis* thinFor = nullptr);

protected:
    double getTickStep(const QCPRange& range) override;
    int getSubTickCount(double tickStep) override;
    QVector<double> createTickVector(double tickStep, const QCPRange& range) override;

private:
    double m_min;
    double m_max;
    double m_step;
    int m_subTicks;
    const QCPAxis* m_axis;
};

// Clock labels "hh:mm:ss" in local time with four minor ticks between labels.
class TrendTimeTicker : public QCPAxisTickerDateTime {
public:
    TrendTimeTicker();

protected:
    int getSubTickCount(double tickStep) override;
};

// A value axis' line and ticks drawn along its band only (the plotting library draws an axis
// line over the full plot height).
class TrendAxisBand : public QCPAbstractItem {
public:
    TrendAxisBand(QCustomPlot* chart, QCPAxis* axis, int subTicks);
    void setBand(double minimum, double maximum, const QPen& pen);
    double selectTest(const QPointF& pos, bool onlySelectable,
                      QVariant* details = nullptr) const override;

protected:
    void draw(QCPPainter* painter) override;

private:
    QCPAxis* m_axis;
    int m_subTicks;
    double m_min = 0;
    double m_max = 1;
    QPen m_pen;
};

// One series as the chart shows it: its graph, its value axis, the axis line drawn along the
// axis' band only and, for an on/off series, the title written beside its band.
struct TrendPlotSeries {
    QCPGraph* graph = nullptr;
    QCPAxis* axis = nullptr;
    TrendAxisBand* band = nullptr;
    QCPItemText* bandTitle = nullptr;
};

QColor TREND_Colour(uint32_t rgb);
// Creates the graph and axis of a series on the chart's axis rect.
TrendPlotSeries TREND_CreateSeries(QCustomPlot* chart, int series);
// Puts a series' settings on its graph, axis and band title.
void TREND_ApplySetup(TrendPlotSeries& s, int series, const TrendSeriesSetup& setup);
// Places the band title of an on/off series beside the plot, `plotWidth` pixels wide.
void TREND_PlaceBand(TrendPlotSeries& s, double plotWidth);
