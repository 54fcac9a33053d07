// What the trend chart draws for each heater class: eighteen series, each on a value axis of
// its own. The on/off series (0-5 and 13-17) stack in thin bands at the top of the plot; the
// analog series (6-12) share the area below. The chart window applies these settings; the
// recorder samples the keys named here.
#pragma once

#include <array>
#include <cstdint>

#include "records.h"

constexpr int TrendSeriesCount = 18;

// How a series is drawn; fixed by its index.
enum class TrendLineStyle { Stair, Line, DottedStair };

struct TrendSeriesSetup {
    bool axisVisible = false;
    uint32_t colour = 0x000000;  // 0xRRGGBB
    ByteString title;            // legend entry and axis title
    bool rightSide = false;
    // The axis' manual range and tick increment.
    double minimum = 0;
    double maximum = 1;
    double increment = 1;
    // Where the axis sits, in percent of the plot height from the top.
    int32_t bandStart = 1;
    int32_t bandEnd = 99;
    bool grid = false;
    bool inLegend = false;
    ByteString labelFormat = "#0";  // "#0" whole numbers, "0.0" one decimal
    ByteString key;                 // the data point sampled; empty: never sampled
};

using TrendSetup = std::array<TrendSeriesSetup, TrendSeriesCount>;

// The order in which a status reply is sampled: the on/off series, then the analog ones.
extern const std::array<int, TrendSeriesCount> TrendSampleOrder;

bool TREND_IsDigital(int series);
TrendLineStyle TREND_LineStyle(int series);
int TREND_LineWidth(int series);
// Minor ticks between two labels of a value axis.
int TREND_MinorTicks(int series);

// Every series as it is while no class is shown: hidden axes, no titles, nothing sampled.
TrendSetup TREND_Unconfigured();
// The series of a class 1..5 (any other class: unconfigured), temperatures in the given unit
// (0 Celsius, 1 Fahrenheit).
TrendSetup TREND_ClassSetup(uint8_t deviceClass, int32_t temperatureUnit);
// The right margin of the plot, as the factor of the margin computation, per class.
int32_t TREND_RightMarginFactor(uint8_t deviceClass);

// The visible time window by the index of the time-base list: span in seconds and the text
// shown in the time axis title. Any other index gives 20 s and an empty text.
double TREND_TimeSpan(int index);
ByteString TREND_TimeRangeText(int index);

// The full range a value axis needs so that its manual range fills exactly its band of the
// plot height.
struct TrendAxisSpan {
    double lower;
    double upper;
};
TrendAxisSpan TREND_AxisSpan(const TrendSeriesSetup& setup);

// Plot margins and the places of the second and third right-hand value axes. The left and
// right margins are percent of the chart width; the axis positions are percent of the plot
// width beyond its right edge (negative).
struct TrendMargins {
    int32_t leftPercent = 0;
    int32_t rightPercent = 0;
    double axis9Percent = 0;
    double axis10Percent = 0;
    int32_t plotWidth = 0;  // pixels, from the last computation with a positive plot width
};
// Recomputes the margins for a chart of `width` pixels; does nothing for 100 pixels or less.
// The axis positions are only recomputed while the plot keeps a positive width.
void TREND_ComputeMargins(int32_t width, int32_t rightMarginFactor, TrendMargins& margins);
