#include "trendtables.h"

#include "devicelist.h"
#include "rounding.h"
#include "translate.h"

#define CTX "TANSI_TREND_Form"

namespace {

// Colours by name, 0xRRGGBB.
constexpr uint32_t Maroon = 0x800000;
constexpr uint32_t Green = 0x008000;
constexpr uint32_t Blue = 0x0000FF;
constexpr uint32_t SkyBlue = 0xA6CAF0;
constexpr uint32_t Black = 0x000000;
constexpr uint32_t Aqua = 0x00FFFF;
constexpr uint32_t Red = 0xFF0000;
constexpr uint32_t Navy = 0x000080;
constexpr uint32_t Orange = 0xFF7F00;
constexpr uint32_t Lime = 0x00FF00;
constexpr uint32_t Purple = 0x800080;

// One on/off series of a class: visible axis and legend entry unless said otherwise.
struct DigitalRow {
    int series;
    const char* title;
    uint32_t colour;
    int32_t bandStart;
    int32_t bandEnd;
    const char* key;  // nullptr: shown in its band but never sampled, without axis or legend
};

// clang-format off
const DigitalRow kCommonRows[] = {
    {0,  QT_TRANSLATE_NOOP(CTX, "BM"),   Maroon,  1,  3, "OVRLBG"},
    {13, QT_TRANSLATE_NOOP(CTX, "HS"),   Green,   4,  6, "OVRLHS"},
    {1,  QT_TRANSLATE_NOOP(CTX, "UP"),   Blue,    7,  9, "OVRLUP"},
    {14, QT_TRANSLATE_NOOP(CTX, "UPFA"), SkyBlue, 10, 12, "OVRLUPFA"},
};
const DigitalRow kZfgRow = {2, QT_TRANSLATE_NOOP(CTX, "ZFG"), Black, 13, 15, "OVRLZFG"};
const DigitalRow kKl61Row = {15, QT_TRANSLATE_NOOP(CTX, "Kl. 61"), Aqua, 16, 18, "OVRLKL61"};
const DigitalRow kMvRow = {3, QT_TRANSLATE_NOOP(CTX, "MV"), Red, 19, 21, "OVRLMV"};
const DigitalRow kBaRow = {4, QT_TRANSLATE_NOOP(CTX, "BA"), Lime, 25, 27, "OVRLBA"};

const DigitalRow kClass1Rows[] = {
    kZfgRow,
    {15, QT_TRANSLATE_NOOP(CTX, "Kl. 15"), Aqua,   16, 18, "OVRLKL15"},
    {3,  QT_TRANSLATE_NOOP(CTX, "MV"),     Red,    17, 19, "OVRLMV"},
    {4,  QT_TRANSLATE_NOOP(CTX, "FA"),     Orange, 21, 23, "OVRLFL"},
};
const DigitalRow kClass2Rows[] = {
    kZfgRow,
    {15, QT_TRANSLATE_NOOP(CTX, "Kl. 61"), Aqua,   16, 18, "OVRLZUHI"},
    kMvRow,
    {16, QT_TRANSLATE_NOOP(CTX, "SPAR"),   Navy,   22, 24, "OVRLSPAR"},
    kBaRow,
    {17, QT_TRANSLATE_NOOP(CTX, "SPAR2"),  Purple, 28, 30, nullptr},
    {5,  QT_TRANSLATE_NOOP(CTX, "FA"),     Orange, 29, 31, "OVRLFA"},
};
const DigitalRow kClass3Rows[] = {
    kZfgRow, kKl61Row, kMvRow,
    {16, QT_TRANSLATE_NOOP(CTX, "SPAR1"),  Navy,   22, 24, "OVRLSPAR1"},
    kBaRow,
    {17, QT_TRANSLATE_NOOP(CTX, "SPAR2"),  Purple, 28, 30, "OVRLSPAR2"},
    {5,  QT_TRANSLATE_NOOP(CTX, "FA"),     Orange, 31, 33, "OVRLFL"},
};
const DigitalRow kClass4Rows[] = {
    {2,  QT_TRANSLATE_NOOP(CTX, "MV1"),    Red,    13, 15, "OVRLMV1"},
    {15, QT_TRANSLATE_NOOP(CTX, "ZFM"),    Black,  16, 18, "OVRLZFM"},
    {3,  QT_TRANSLATE_NOOP(CTX, "MV2"),    Aqua,   19, 21, "OVRLMV2"},
    {16, QT_TRANSLATE_NOOP(CTX, "ERH"),    Navy,   22, 24, "OVRLVH"},
    kBaRow,
    {17, QT_TRANSLATE_NOOP(CTX, "Flamme"), Orange, 28, 30, "OVRLFLAZ"},
};
const DigitalRow kClass5Rows[] = {
    kZfgRow, kKl61Row, kMvRow,
    {16, QT_TRANSLATE_NOOP(CTX, "SPAR"),   Navy,   22, 24, "OVRLSPAR"},
    kBaRow,
    {17, QT_TRANSLATE_NOOP(CTX, "ÜHS"),    Red,    28, 30, "OVRLUEHS"},
    {5,  QT_TRANSLATE_NOOP(CTX, "FA"),     Orange, 31, 33, "OVRLFLAZ"},
};
// clang-format on

struct DigitalRows {
    const DigitalRow* first;
    size_t count;
};

template <size_t N>
constexpr DigitalRows rowsOf(const DigitalRow (&rows)[N]) {
    return {rows, N};
}

void applyDigital(TrendSetup& s, DigitalRows rows) {
    for (size_t i = 0; i < rows.count; ++i) {
        const DigitalRow& r = rows.first[i];
        TrendSeriesSetup& d = s[static_cast<size_t>(r.series)];
        d.colour = r.colour;
        d.title = TOOL_Translate(CTX, r.title);
        d.rightSide = r.series <= 5;
        d.bandStart = r.bandStart;
        d.bandEnd = r.bandEnd;
        d.axisVisible = r.key != nullptr;
        d.inLegend = r.key != nullptr;
        d.key = r.key ? r.key : "";
    }
}

// The keys of the analog series 7 and 10 to 12; nullptr: not sampled.
struct AnalogKeys {
    const char* overheat;  // series 7
    const char* blower;    // series 10
    const char* lower;     // series 11
    const char* upper;     // series 12
};

// What the blower series 10 shows: kept in its place without a title (so the chart leaves
// room for it), the blower's voltage, its speed, or nothing at all.
enum class Blower { Untitled, Voltage, Speed, None };

// What the chart of one class draws besides the common on/off rows.
struct TrendClass {
    DigitalRows rows;
    AnalogKeys keys;
    int32_t analogBandStart;  // where the analog axes' band starts, percent of the plot
    Blower blower;
    int32_t rightMarginFactor;
};

// Index = device class; the classes that have a chart.
const TrendClass kTrendClasses[] = {
    {},  // dcNone
    {rowsOf(kClass1Rows), {nullptr, nullptr, nullptr, nullptr}, 28, Blower::Untitled, 50},
    {rowsOf(kClass2Rows), {nullptr, "OVRUBG", "OVRTEMPUNT", "OVRTEMPOBE"}, 34, Blower::Voltage, 33},
    {rowsOf(kClass3Rows),
     {"BETTEMPUEH", "OVRBGRPM", "OVRTEMPUNT", "OVRTEMPOBE"},
     36,
     Blower::Speed,
     30},
    {rowsOf(kClass4Rows),
     {"OVRTEMPUEHS", nullptr, "OVRTEMPUNT", "OVRTEMPOBE"},
     34,
     Blower::None,
     50},
    {rowsOf(kClass5Rows),
     {"OVRTEMPUEHS", "OVRBGRPM", "OVRTEMPUNT", "OVRTEMPOBE"},
     36,
     Blower::Speed,
     30},
};

// The chart of a class; nullptr for a class without one (none, the boot loader).
const TrendClass* trendClass(uint8_t cls) {
    return cls >= dcKX3090 && cls <= dcKX3166 ? &kTrendClasses[cls] : nullptr;
}

ByteString withUnit(const char* title, const ByteString& unit) {
    return TOOL_Translate(CTX, title) + " [" + unit + "]";
}

void applyAnalog(TrendSetup& s, const TrendClass& tc, int32_t temperatureUnit) {
    const int32_t start = tc.analogBandStart;
    const ByteString u = temperatureUnit == 1 ? "°F" : "°C";
    const double tempMax = temperatureUnit == 1 ? 260 : 130;
    const AnalogKeys& keys = tc.keys;
    auto set = [&](int series, bool visible, bool right, uint32_t colour, ByteString title,
                   double min, double max, double inc, const char* key) {
        TrendSeriesSetup& a = s[static_cast<size_t>(series)];
        a.axisVisible = visible;
        a.rightSide = right;
        a.colour = colour;
        a.title = std::move(title);
        a.minimum = min;
        a.maximum = max;
        a.increment = inc;
        a.bandStart = start;
        a.bandEnd = 99;
        a.grid = series == 6;
        a.inLegend = key != nullptr;
        a.key = key ? key : "";
    };
    set(6, true, false, Blue, withUnit(QT_TRANSLATE_NOOP(CTX, "T"), u), -41, tempMax, 10,
        "OVRTEMP");
    set(7, false, false, Red, withUnit(QT_TRANSLATE_NOOP(CTX, "ÜHS"), u), -41, tempMax, 10,
        keys.overheat);
    set(8, true, true, Green, withUnit(QT_TRANSLATE_NOOP(CTX, "UB"), "V"), 0, 30, 2, "OVRUB");
    set(9, true, true, Orange, withUnit(QT_TRANSLATE_NOOP(CTX, "FW"), "V"), 0, 5, 0.5, "OVRUFL");
    s[9].labelFormat = "0.0";
    switch (tc.blower) {
        case Blower::Untitled:
            set(10, false, true, Maroon, "", 0, 8000, 500, nullptr);
            break;
        case Blower::Voltage:
            set(10, true, true, Maroon, withUnit(QT_TRANSLATE_NOOP(CTX, "BM"), "V"), 0, 30, 2,
                keys.blower);
            break;
        case Blower::Speed:
            set(10, true, true, Maroon, withUnit(QT_TRANSLATE_NOOP(CTX, "BM"), TR(CTX, "U/min")), 0,
                8000, 500, keys.blower);
            break;
        case Blower::None:
            break;
    }
    const bool lowerUpper = keys.lower != nullptr;
    set(11, false, false, Blue, lowerUpper ? withUnit(QT_TRANSLATE_NOOP(CTX, "T_US"), u) : "", -41,
        tempMax, 10, keys.lower);
    set(12, false, false, Blue, lowerUpper ? withUnit(QT_TRANSLATE_NOOP(CTX, "T_OS"), u) : "", -41,
        tempMax, 10, keys.upper);
}

}  // namespace

const std::array<int, TrendSeriesCount> TrendSampleOrder = {0,  13, 1, 14, 2, 15, 3,  16, 4,
                                                            17, 5,  6, 7,  8, 9,  10, 11, 12};

bool TREND_IsDigital(int series) {
    return (series >= 0 && series <= 5) || (series >= 13 && series <= 17);
}

TrendLineStyle TREND_LineStyle(int series) {
    if (series == 11 || series == 12) return TrendLineStyle::DottedStair;
    if (series >= 6 && series <= 10) return TrendLineStyle::Line;
    return TrendLineStyle::Stair;
}

int TREND_LineWidth(int series) {
    return TREND_LineStyle(series) == TrendLineStyle::DottedStair ? 1 : 2;
}

int TREND_MinorTicks(int series) {
    if (TREND_IsDigital(series)) return 0;
    return series == 9 ? 1 : 4;
}

TrendSetup TREND_Unconfigured() {
    TrendSetup s;
    for (int i = 0; i < TrendSeriesCount; ++i) {
        TrendSeriesSetup& x = s[static_cast<size_t>(i)];
        if (TREND_IsDigital(i)) {
            x.grid = true;
        } else {
            x.rightSide = true;
            x.increment = 100;
            x.labelFormat = i == 9 ? "0.0" : "#0";
        }
    }
    return s;
}

TrendSetup TREND_ClassSetup(uint8_t cls, int32_t temperatureUnit) {
    TrendSetup s = TREND_Unconfigured();
    // An on/off series a class does not use keeps its band, hidden and never sampled.
    s[16].bandStart = 22, s[16].bandEnd = 24;
    s[17].bandStart = 28, s[17].bandEnd = 30;
    s[5].bandStart = 31, s[5].bandEnd = 33;
    const TrendClass* tc = trendClass(cls);
    if (!tc) return TREND_Unconfigured();
    applyDigital(s, rowsOf(kCommonRows));
    applyDigital(s, tc->rows);
    applyAnalog(s, *tc, temperatureUnit);
    return s;
}

int32_t TREND_RightMarginFactor(uint8_t cls) {
    const TrendClass* tc = trendClass(cls);
    return tc ? tc->rightMarginFactor : 95;
}

double TREND_TimeSpan(int index) {
    static const double spans[] = {20, 30, 60, 120, 300, 600, 1200, 1800};
    return index >= 0 && index < 8 ? spans[index] : 20;
}

ByteString TREND_TimeRangeText(int index) {
    static const char* const texts[] = {
        QT_TRANSLATE_NOOP(CTX, "[0..20s]"),   QT_TRANSLATE_NOOP(CTX, "[0..30s]"),
        QT_TRANSLATE_NOOP(CTX, "[0..1min]"),  QT_TRANSLATE_NOOP(CTX, "[0..2min]"),
        QT_TRANSLATE_NOOP(CTX, "[0..5min]"),  QT_TRANSLATE_NOOP(CTX, "[0..10min]"),
        QT_TRANSLATE_NOOP(CTX, "[0..20min]"), QT_TRANSLATE_NOOP(CTX, "[0..30min]")};
    return index >= 0 && index < 8 ? TOOL_Translate(CTX, texts[index]) : ByteString();
}

TrendAxisSpan TREND_AxisSpan(const TrendSeriesSetup& a) {
    const double s = a.bandStart / 100.0;
    double e = a.bandEnd / 100.0;
    if (e <= s) e = s + 0.01;  // a band needs a height
    const double range = a.maximum - a.minimum;
    return {a.minimum - range * (1 - e) / (e - s), a.maximum + range * s / (e - s)};
}

void TREND_ComputeMargins(int32_t width, int32_t factor, TrendMargins& m) {
    if (width <= 100 || factor <= 0) return;
    const long double w = width;
    m.rightPercent = TOOL_Round32(4320.0L / (w / 100 * factor));
    m.leftPercent = TOOL_Round32(1800.0L / (w / 100 * 30));
    const int32_t plot =
        TOOL_Round32(w - m.rightPercent * w / 100) - TOOL_Round32(m.leftPercent * w / 100);
    if (plot <= 0) return;  // the axes keep their last places
    m.plotWidth = plot;
    m.axis9Percent = -42.0 * 100 / plot;
    m.axis10Percent = -87.0 * 100 / plot;
}
