#include "trendform.h"

#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "printing.h"
#include "qtcontrols.h"
#include "qtports.h"

namespace {

// The most legend entries side by side on a wide chart.
constexpr int kLegendColumns = 9;
// The time ticks a wide chart shows (the plotting library's own choice).
constexpr int kTimeTicks = 5;

// A printed chart is laid out in pixels of this size, those of a common screen.
constexpr double kPrintUnitsPerInch = 96;

// While printing, every font of the chart in pixels of the printed layout: a font in points
// would be sized once more by the printer's resolution on top of the layout's scale. The
// chart's own fonts come back when this goes.
class PrintFonts {
public:
    explicit PrintFonts(QCustomPlot* chart) {
        static const char* const names[] = {"font", "labelFont", "tickLabelFont"};
        for (QObject* o : chart->findChildren<QObject*>())
            for (const char* name : names) {
                const QVariant v = o->property(name);
                if (!v.isValid() || v.userType() != QMetaType::QFont) continue;
                const QFont font = v.value<QFont>();
                m_saved.push_back({o, name, font});
                o->setProperty(name, inPixels(font));
            }
    }
    ~PrintFonts() {
        for (const Saved& s : m_saved)
            if (s.object) s.object->setProperty(s.name, s.font);
    }
    PrintFonts(const PrintFonts&) = delete;
    PrintFonts& operator=(const PrintFonts&) = delete;

private:
    static QFont inPixels(QFont font) {
        if (font.pointSizeF() > 0)
            font.setPixelSize(std::max(1, qRound(font.pointSizeF() * kPrintUnitsPerInch / 72)));
        return font;
    }
    struct Saved {
        QPointer<QObject> object;
        const char* name;
        QFont font;
    };
    std::vector<Saved> m_saved;
};

TrendRecorder::Clock systemClock() {
    return [] { return QDateTime::currentMSecsSinceEpoch() / 1000.0; };
}

}  // namespace

TANSI_TREND_Form::TANSI_TREND_Form(const DataPointTable& dataPoints, ViewContext ctx,
                                   TrendRecorder::Clock now, QWidget* parent)
    : ViewForm(kFormTag, kHelpContext, std::move(ctx), parent),
      m_rec(dataPoints, now ? std::move(now) : systemClock(),
            [this] { return context().temperatureUnit ? context().temperatureUnit() : 0; }) {
    setObjectName(QStringLiteral("ANSI_TREND_Form"));
    setWindowTitle(tr("Trendgrafik"));
    // The chart scales: of all the views it gives way first when the area is small.
    setMinimumSize(420, 360);
    FormCreate();
    resize(760, 600);
}

void TANSI_TREND_Form::FormCreate() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(6, 4, 6, 4);
    m_zeitLabel = new QLabel(tr("Zeitbasis:"), panel);
    m_combo = new QComboBox(panel);
    m_combo->setObjectName(QStringLiteral("ZEIT_ComboBox"));
    m_combo->addItems({tr("20 s"), tr("30 s"), tr("1 Minute"), tr("2 Minuten"), tr("5 Minuten"),
                       tr("10 Minuten"), tr("20 Minuten"), tr("30 Minuten")});
    m_zeitLabel->setBuddy(m_combo);
    m_clr = new QPushButton(tr("&Löschen"), panel);
    m_clr->setObjectName(QStringLiteral("CLR_Button"));
    m_hold = new QPushButton(panel);
    m_hold->setObjectName(QStringLiteral("HOLD_Button"));
    m_print = new QPushButton(tr("&Drucken"), panel);
    m_print->setObjectName(QStringLiteral("PRINT_Button"));
    row->addWidget(m_zeitLabel);
    row->addWidget(m_combo);
    row->addStretch(1);
    row->addWidget(m_clr);
    row->addWidget(m_hold);
    row->addWidget(m_print);

    m_chart = new QCustomPlot(this);
    m_chart->setObjectName(QStringLiteral("Chart"));
    m_chart->setLocale(QLocale::c());
    m_chart->setBackground(Qt::white);
    // Thousands of points per series: wide lines are drawn as fast polylines.
    m_chart->setPlottingHint(QCP::phFastPolylines, true);
    m_chart->installEventFilter(this);
    // Only the time axis and the series' own value axes are drawn.
    m_chart->yAxis->setVisible(false);
    m_chart->xAxis2->setVisible(false);
    m_chart->yAxis2->setVisible(false);
    m_chart->xAxis->setTicker(QSharedPointer<TrendTimeTicker>::create());
    m_chart->xAxis->grid()->setVisible(false);
    QCPAxisRect* rect = m_chart->axisRect();
    rect->setAutoMargins(QCP::msTop | QCP::msBottom);
    rect->setRangeDrag(Qt::Horizontal);
    rect->setRangeZoom(Qt::Horizontal);
    rect->setRangeDragAxes(m_chart->xAxis, nullptr);
    rect->setRangeZoomAxes(m_chart->xAxis, nullptr);
    // The legend lies below the plot, its entries side by side.
    QCPLegend* legend = m_chart->legend;
    rect->insetLayout()->take(legend);
    m_chart->plotLayout()->addElement(1, 0, legend);
    m_chart->plotLayout()->setRowStretchFactor(1, 0.001);
    legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    legend->setWrap(kLegendColumns);
    legend->setBorderPen(Qt::NoPen);
    for (int i = 0; i < TrendSeriesCount; ++i)
        m_series[static_cast<size_t>(i)] = TREND_CreateSeries(m_chart, i);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addWidget(m_chart, 1);
    // Holds the room below the controls while no chart is shown.
    layout->addStretch(0);

    m_rec.onAppend = [this](int series, double x, double y) {
        m_series[static_cast<size_t>(series)].graph->addData(x, y);
    };
    m_rec.onDropFront = [this](int series, int count) {
        QSharedPointer<QCPGraphDataContainer> data =
            m_series[static_cast<size_t>(series)].graph->data();
        for (int i = 0; i < count && !data->isEmpty(); ++i) data->remove(data->constBegin()->key);
    };
    m_rec.onClear = [this] {
        for (TrendPlotSeries& s : m_series) s.graph->data()->clear();
    };

    connect(m_combo, QOverload<int>::of(&QComboBox::activated), this,
            [this](int index) { TREND_SetTimeRange(index); });
    connect(m_clr, &QPushButton::clicked, this, [this] { TREND_Clear(); });
    connect(m_hold, &QPushButton::clicked, this, [this] { TREND_SetRunning(!m_rec.Running()); });
    connect(m_print, &QPushButton::clicked, this, [this] { PRINT_ButtonClick(); });

    m_combo->setCurrentIndex(m_rec.TimeRangeIndex());
    applyConfiguration();
}

QCPGraph* TANSI_TREND_Form::seriesGraph(int series) const {
    return series >= 0 && series < TrendSeriesCount ? m_series[static_cast<size_t>(series)].graph
                                                    : nullptr;
}

QCPAxis* TANSI_TREND_Form::seriesAxis(int series) const {
    return series >= 0 && series < TrendSeriesCount ? m_series[static_cast<size_t>(series)].axis
                                                    : nullptr;
}

QCPItemText* TANSI_TREND_Form::seriesBandTitle(int series) const {
    return series >= 0 && series < TrendSeriesCount
               ? m_series[static_cast<size_t>(series)].bandTitle
               : nullptr;
}

// ---- state hooks ----

void TANSI_TREND_Form::SetLinkState(bool adapterReady) {
    if (adapterReady == m_rec.HeldAdapterReady()) return;
    m_rec.SetLinkState(adapterReady);
    applyConfiguration();
}

void TANSI_TREND_Form::SetDeviceClass(uint8_t deviceClass) {
    if (deviceClass == m_rec.HeldDeviceClass()) return;
    m_rec.SetDeviceClass(deviceClass);
    applyConfiguration();
}

void TANSI_TREND_Form::ShowValues() {
    if (!m_rec.Running()) return;
    m_rec.ShowValues();
    applyTimeAxis();
    m_chart->replot(QCustomPlot::rpQueuedReplot);
}

// ---- user commands ----

void TANSI_TREND_Form::TREND_SetTimeRange(int index) {
    m_rec.TREND_SetTimeRange(index);
    if (m_combo->currentIndex() != index) m_combo->setCurrentIndex(index);
    applyTimeAxis();
    m_chart->replot(QCustomPlot::rpQueuedReplot);
}

void TANSI_TREND_Form::TREND_Clear() {
    m_rec.TREND_Clear();
    m_chart->replot(QCustomPlot::rpQueuedReplot);
}

void TANSI_TREND_Form::TREND_SetRunning(bool running) {
    m_rec.TREND_SetRunning(running);
    applyControls();
}

void TANSI_TREND_Form::PRINT_ButtonClick() {
    // The main window's print dialog, shared with every window that prints.
    if (!context().ui) return;
    const std::optional<PrintChoice> choice =
        context().ui->printDialog({fromQ(windowTitle()), kHelpContext});
    if (!choice) return;
    QPrinter printer(QPrinter::HighResolution);
    UI_ApplyPrintChoice(printer, *choice);
    printer.setDocName(windowTitle());
    if (!TREND_Print(printer)) UI_ReportPrintFailure(*context().ui, *choice);
}

bool TANSI_TREND_Form::TREND_Print(QPrinter& printer) {
    QCPPainter painter;
    painter.setMode(QCPPainter::pmVectorized);
    painter.setMode(QCPPainter::pmNoCaching);
    // Hairlines would shrink to a dot's width at the printer's resolution.
    painter.setMode(QCPPainter::pmNonCosmetic);
    if (!painter.begin(&printer)) return false;
    // The whole width of the page, one percent left free at top and bottom. The chart is laid
    // out anew for that room in units of a 96 dpi screen, so it keeps the proportions it has
    // on the screen while its texts come out at their size in points.
    const QRect page = painter.viewport();
    const QRectF target(page.left(), page.top() + page.height() * 0.01, page.width(),
                        page.height() * 0.98);
    const double unit = std::max(1, printer.resolution()) / kPrintUnitsPerInch;
    const int w = std::max(1, qRound(target.width() / unit));
    const int h = std::max(1, qRound(target.height() / unit));
    {
        const PrintFonts fonts(m_chart);
        fitChart(w);
        painter.translate(target.topLeft());
        painter.scale(unit, unit);
        m_chart->toPainter(&painter, w, h);
    }
    // Back to the window's own layout.
    ChartResize();
    m_chart->replot();
    return painter.end();
}

// ---- drawing ----

void TANSI_TREND_Form::applyConfiguration() {
    const TrendSetup& setup = m_rec.Setup();
    for (int i = 0; i < TrendSeriesCount; ++i)
        TREND_ApplySetup(m_series[static_cast<size_t>(i)], i, setup[static_cast<size_t>(i)]);
    // Legend entries in series order.
    m_chart->legend->clearItems();
    for (int i = 0; i < TrendSeriesCount; ++i)
        if (setup[static_cast<size_t>(i)].inLegend)
            m_series[static_cast<size_t>(i)].graph->addToLegend();
    m_chart->legend->setVisible(m_rec.LegendVisible());
    // Like its legend, the chart shows only once a class has configured its series.
    m_chart->setVisible(m_rec.LegendVisible());
    ChartResize();
    applyControls();
    applyTimeAxis();
    m_chart->replot(QCustomPlot::rpQueuedReplot);
}

void TANSI_TREND_Form::applyControls() {
    const bool on = m_rec.ControlsEnabled();
    // The chosen time window stays in the list while it is disabled.
    m_combo->setEnabled(on);
    QtComboEdit(m_combo).setWindowBackground(on);
    m_clr->setEnabled(on);
    m_hold->setEnabled(on);
    m_print->setEnabled(on);
    const bool running = m_rec.Running();
    m_hold->setText(running ? tr("&Stop") : tr("&Start"));
    // Zoom and pan only while the display is held.
    m_chart->setInteractions(running ? QCP::Interactions()
                                     : QCP::Interactions(QCP::iRangeDrag | QCP::iRangeZoom));
}

void TANSI_TREND_Form::applyTimeAxis() {
    m_chart->xAxis->setLabel(tr("Zeit") + QLatin1Char(' ') +
                             toQ(TREND_TimeRangeText(m_rec.TimeRangeIndex())));
    m_chart->xAxis->setRange(m_rec.TimeAxisMin(), m_rec.TimeAxisMax());
}

void TANSI_TREND_Form::ChartResize() {
    fitChart(m_chart->width());
}

void TANSI_TREND_Form::fitChart(int width) {
    m_rec.ChartResize(width);
    applyMargins(width);
    fitLegend(width);
}

void TANSI_TREND_Form::fitLegend(int width) {
    QCPLegend* legend = m_chart->legend;
    int widest = 1;
    for (int i = 0; i < legend->itemCount(); ++i)
        if (const QCPLayoutElement* item = legend->item(i))
            widest = std::max(widest, item->minimumOuterSizeHint().width());
    const QMargins m = legend->margins();
    const int room = width - m.left() - m.right() + legend->columnSpacing();
    const int columns = std::clamp(room / (widest + legend->columnSpacing()), 1, kLegendColumns);
    if (columns == legend->wrap()) return;
    legend->setWrap(columns);
    legend->setFillOrder(QCPLayoutGrid::foColumnsFirst, true);
}

void TANSI_TREND_Form::applyMargins(int w) {
    const TrendMargins& m = m_rec.Margins();
    const int left = qRound(m.leftPercent * w / 100.0);
    const int right = qRound(m.rightPercent * w / 100.0);
    m_chart->axisRect()->setMargins(QMargins(left, 0, right, 0));
    for (int i = 0; i < TrendSeriesCount; ++i) {
        int offset = 0;
        if (i == 9) offset = qRound(-m.axis9Percent * m.plotWidth / 100);
        if (i == 10) offset = qRound(-m.axis10Percent * m.plotWidth / 100);
        m_series[static_cast<size_t>(i)].axis->setOffset(offset);
    }
    for (TrendPlotSeries& s : m_series) TREND_PlaceBand(s, w - left - right);
    fitTimeTicks(w - left - right);
}

void TANSI_TREND_Form::fitTimeTicks(int plotWidth) {
    // A label's width and as much again for each tick asked: the ticker rounds its step to
    // whole seconds and minutes, which may give a tick more than asked.
    const QFontMetrics fm(m_chart->xAxis->tickLabelFont());
    const int label = fm.horizontalAdvance(QStringLiteral("00:00:00"));
    const int count = std::clamp(plotWidth / (2 * std::max(1, label)), 2, kTimeTicks);
    m_chart->xAxis->ticker()->setTickCount(count);
}

bool TANSI_TREND_Form::eventFilter(QObject* watched, QEvent* e) {
    if (watched == m_chart && e->type() == QEvent::Resize) ChartResize();
    return ViewForm::eventFilter(watched, e);
}
