#include "trendplot.h"

#include <cmath>

#include "qtports.h"

namespace {

// Room between an axis and the title of an on/off band beside its labels, in pixels.
constexpr int kBandTitleGap = 16;

// An item position: across in parts of the plot width, up and down in a series' values.
void bandPosition(QCPItemPosition* p, QCustomPlot* chart, QCPAxis* axis) {
    p->setTypeX(QCPItemPosition::ptAxisRectRatio);
    p->setTypeY(QCPItemPosition::ptPlotCoords);
    p->setAxes(chart->xAxis, axis);
    p->setAxisRect(chart->axisRect());
}

}  // namespace

TrendBandTicker::TrendBandTicker(double minimum, double maximum, double step, int subTicks,
                                 const QCPAxis* thinFor)
    : m_min(minimum),
      m_max(maximum),
      m_step(step > 0 ? step : 1),
      m_subTicks(subTicks),
      m_axis(thinFor) {}

double TrendBandTicker::getTickStep(const QCPRange& range) {
    if (!m_axis || range.size() <= 0) return m_step;
    // Two labels need at least a line of their font between them.
    const double pixelsPerUnit = m_axis->axisRect()->height() / range.size();
    const double need = QFontMetricsF(m_axis->tickLabelFont()).height();
    for (const double times : {1.0, 2.0, 5.0, 10.0})
        if (m_step * times * pixelsPerUnit >= need) return m_step * times;
    return m_step * 10;
}

int TrendBandTicker::getSubTickCount(double) {
    return m_subTicks;
}

QVector<double> TrendBandTicker::createTickVector(double step, const QCPRange& range) {
    QVector<double> ticks;
    const double lo = std::max(m_min, range.lower);
    const double hi = std::min(m_max, range.upper);
    const double eps = step * 1e-9;
    for (double k = std::ceil((lo - eps) / step); k * step <= hi + eps; k += 1)
        ticks.append(std::abs(k * step) < eps ? 0.0 : k * step);
    return ticks;
}

TrendAxisBand::TrendAxisBand(QCustomPlot* chart, QCPAxis* axis, int subTicks)
    : QCPAbstractItem(chart), m_axis(axis), m_subTicks(subTicks) {
    setClipToAxisRect(false);
    setSelectable(false);
}

void TrendAxisBand::setBand(double minimum, double maximum, const QPen& pen) {
    m_min = minimum;
    m_max = maximum;
    m_pen = pen;
}

double TrendAxisBand::selectTest(const QPointF&, bool, QVariant*) const {
    return -1;
}

void TrendAxisBand::draw(QCPPainter* painter) {
    if (!m_axis->visible()) return;
    const QRect r = m_axis->axisRect()->rect();
    const bool right = m_axis->axisType() == QCPAxis::atRight;
    const double x = right ? r.right() + 1 + m_axis->offset() : r.left() - 1 - m_axis->offset();
    const double inward = right ? -1 : 1;
    painter->setPen(m_pen);
    painter->drawLine(QLineF(x, m_axis->coordToPixel(m_min), x, m_axis->coordToPixel(m_max)));
    const QVector<double> ticks = m_axis->tickVector();
    for (int i = 0; i < ticks.size(); ++i) {
        const double y = m_axis->coordToPixel(ticks[i]);
        painter->drawLine(QLineF(x, y, x + 3 * inward, y));
        if (i + 1 == ticks.size()) break;
        const double next = m_axis->coordToPixel(ticks[i + 1]);
        for (int k = 1; k <= m_subTicks; ++k) {
            const double ys = y + (next - y) * k / (m_subTicks + 1);
            painter->drawLine(QLineF(x, ys, x + 2 * inward, ys));
        }
    }
}

TrendTimeTicker::TrendTimeTicker() {
    setDateTimeFormat(QStringLiteral("hh:mm:ss"));
    setDateTimeSpec(Qt::LocalTime);
}

int TrendTimeTicker::getSubTickCount(double) {
    return 4;
}

QColor TREND_Colour(uint32_t rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

TrendPlotSeries TREND_CreateSeries(QCustomPlot* chart, int series) {
    // Each series' side is the same in every class that shows it.
    static const bool rightSide[TrendSeriesCount] = {true,  true,  true,  true,  true,  true,
                                                     false, false, true,  true,  true,  false,
                                                     false, false, false, false, false, false};
    TrendPlotSeries s;
    QCPAxisRect* rect = chart->axisRect();
    s.axis = rect->addAxis(rightSide[series] ? QCPAxis::atRight : QCPAxis::atLeft);
    s.axis->setVisible(false);
    // The band item draws the axis line and ticks; the axis itself only its labels and title.
    s.axis->setBasePen(Qt::NoPen);
    s.axis->setTickPen(Qt::NoPen);
    s.axis->setSubTickPen(Qt::NoPen);
    s.axis->setTickLength(3, 0);
    s.axis->setTickLabelPadding(3);
    s.axis->setLabelPadding(2);
    QFont small = chart->font();
    small.setPointSizeF(small.pointSizeF() * (TREND_IsDigital(series) ? 0.75 : 0.85));
    s.axis->setTickLabelFont(small);
    s.axis->setLabelFont(small);
    s.axis->grid()->setSubGridVisible(false);
    s.graph = chart->addGraph(chart->xAxis, s.axis);
    s.graph->removeFromLegend();
    if (TREND_LineStyle(series) != TrendLineStyle::Line) {
        s.graph->setLineStyle(QCPGraph::lsStepLeft);
        // Stair lines run along the pixel grid: smoothing them costs time and gains nothing.
        s.graph->setAntialiased(false);
    }
    s.band = new TrendAxisBand(chart, s.axis, TREND_MinorTicks(series));
    if (TREND_IsDigital(series)) {
        // The title of an on/off series stands level with its band, beside its labels.
        s.bandTitle = new QCPItemText(chart);
        s.bandTitle->setClipToAxisRect(false);
        s.bandTitle->setFont(small);
        bandPosition(s.bandTitle->position, chart, s.axis);
        s.bandTitle->setPositionAlignment((rightSide[series] ? Qt::AlignLeft : Qt::AlignRight) |
                                          Qt::AlignVCenter);
        s.bandTitle->setVisible(false);
    }
    return s;
}

void TREND_ApplySetup(TrendPlotSeries& s, int series, const TrendSeriesSetup& setup) {
    const QColor colour = TREND_Colour(setup.colour);
    QPen pen(colour, TREND_LineWidth(series));
    if (TREND_LineStyle(series) == TrendLineStyle::DottedStair) pen.setStyle(Qt::DotLine);
    s.graph->setPen(pen);
    s.graph->setName(toQ(setup.title));

    QCPAxis* a = s.axis;
    a->setVisible(setup.axisVisible);
    const QPen axisPen(colour);
    a->setTickLabelColor(colour);
    a->setLabelColor(colour);
    a->grid()->setVisible(setup.grid);
    const bool oneDecimal = setup.labelFormat == "0.0";
    a->setNumberFormat(QStringLiteral("f"));
    a->setNumberPrecision(oneDecimal ? 1 : 0);
    // The on/off axes keep both their labels, 0 and 1.
    a->setTicker(QSharedPointer<TrendBandTicker>::create(setup.minimum, setup.maximum,
                                                         setup.increment, TREND_MinorTicks(series),
                                                         TREND_IsDigital(series) ? nullptr : a));
    const TrendAxisSpan span = TREND_AxisSpan(setup);
    a->setRange(span.lower, span.upper);
    s.band->setBand(setup.minimum, setup.maximum, axisPen);
    if (s.bandTitle) {
        // On/off axes carry a level title; only their labels sit on the axis itself.
        a->setLabel(QString());
        s.bandTitle->setText(toQ(setup.title));
        s.bandTitle->setColor(colour);
        s.bandTitle->position->setCoords(s.bandTitle->position->coords().x(),
                                         (setup.minimum + setup.maximum) / 2);
        s.bandTitle->setVisible(setup.axisVisible && !setup.title.empty());
    } else {
        a->setLabel(toQ(setup.title));
    }
}

void TREND_PlaceBand(TrendPlotSeries& s, double plotWidth) {
    if (!s.bandTitle) return;
    const double w = std::max(1.0, plotWidth);
    const bool right = s.axis->axisType() == QCPAxis::atRight;
    s.bandTitle->position->setCoords(right ? 1 + kBandTitleGap / w : -kBandTitleGap / w,
                                     s.bandTitle->position->coords().y());
}
