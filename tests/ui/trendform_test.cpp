// The trend window as the user sees it: the series of a class on the chart (colours, axes,
// bands, legend), points mirrored from the bookkeeping into the plot, the controls while
// recording and while held, and printing to a PDF file. With CALVIX_SCREENSHOT_DIR set the
// pictures are written there to be looked at.
#include "trendform.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

#include "printing.h"
#include "viewdata.h"
#include "viewtestsupport.h"

namespace {

void save(const QPixmap& pm, const char* name) {
    const QByteArray dir = qgetenv("CALVIX_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    EXPECT_TRUE(pm.save(QDir(QString::fromLocal8Bit(dir)).filePath(name)));
}

class TrendForm : public ::testing::Test {
protected:
    void make(int deviceClass) {
        viewdata::registerClass(dp, deviceClass);
        form = std::make_unique<TANSI_TREND_Form>(dp, rec.context(), [this] { return now; });
        form->resize(900, 640);
        form->show();
        form->SetLinkState(true);
        form->SetDeviceClass(static_cast<uint8_t>(deviceClass));
    }
    // One status reply every 250 ms for `seconds`, with values that move.
    void run(double seconds) {
        for (int i = 0; i < seconds * 4; ++i) {
            now += 0.25;
            const double t = now - start;
            viewdata::setBit(dp, "OVRLBG", std::fmod(t, 40) < 30);
            viewdata::setBit(dp, "OVRLHS", true);
            viewdata::setBit(dp, "OVRLUP", std::fmod(t, 20) < 14);
            viewdata::setBit(dp, "OVRLZFG", std::fmod(t, 60) < 8);
            viewdata::setBit(dp, "OVRLMV", std::fmod(t, 40) > 6 && std::fmod(t, 40) < 30);
            viewdata::setBit(dp, "OVRLFL", std::fmod(t, 40) > 9 && std::fmod(t, 40) < 31);
            viewdata::setBit(dp, "OVRLKL15", true);
            viewdata::set(dp, "OVRTEMP", "", 20 + t / 3);
            viewdata::set(dp, "OVRUB", "", 12.4 + 0.3 * std::sin(t / 5));
            viewdata::set(dp, "OVRUFL", "", std::fmod(t, 40) > 9 ? 2.2 : 0.3);
            form->ShowValues();
        }
        QApplication::processEvents();
    }

    DataPointTable dp;
    RecordingContext rec;
    double start = 1767225600;  // 2026-01-01
    double now = start;
    std::unique_ptr<TANSI_TREND_Form> form;
};

TEST_F(TrendForm, ClassOneSeriesOnTheChart) {
    make(1);
    QCustomPlot* chart = form->Chart();
    EXPECT_TRUE(chart->legend->visible());
    // legend entries in series order: the class's used series only
    QStringList names;
    for (int i = 0; i < chart->legend->itemCount(); ++i)
        if (auto* item = qobject_cast<QCPPlottableLegendItem*>(chart->legend->item(i)))
            names << item->plottable()->name();
    EXPECT_EQ(names, (QStringList{"BM", "UP", "ZFG", "MV", "FA", "T [°C]", "UB [V]", "FW [V]", "HS",
                                  "UPFA", "Kl. 15"}));
    // an on/off series: stair line in its colour, a visible axis in its band, its title beside
    QCPGraph* hs = form->seriesGraph(13);
    EXPECT_EQ(hs->pen().color(), QColor(0, 128, 0));
    EXPECT_EQ(hs->pen().width(), 2);
    EXPECT_EQ(hs->lineStyle(), QCPGraph::lsStepLeft);
    EXPECT_TRUE(form->seriesAxis(13)->visible());
    EXPECT_EQ(form->seriesAxis(13)->axisType(), QCPAxis::atLeft);
    EXPECT_EQ(form->seriesAxis(13)->tickLabelColor(), QColor(0, 128, 0));
    EXPECT_EQ(form->seriesBandTitle(13)->text(), QStringLiteral("HS"));
    EXPECT_TRUE(form->seriesBandTitle(13)->visible());
    // value 1 lies at 4 % of the plot height from the top, value 0 at 6 %
    QCPAxis* a = form->seriesAxis(13);
    chart->replot();
    const QRect plot = chart->axisRect()->rect();
    EXPECT_NEAR(a->coordToPixel(1), plot.top() + 0.04 * plot.height(), 1.5);
    EXPECT_NEAR(a->coordToPixel(0), plot.top() + 0.06 * plot.height(), 1.5);
    // the unused series stay hidden and out of the legend
    for (int s : {5, 7, 10, 11, 12, 16, 17}) {
        EXPECT_FALSE(form->seriesAxis(s)->visible()) << s;
        EXPECT_FALSE(form->seriesGraph(s)->visible() &&
                     chart->legend->hasItemWithPlottable(form->seriesGraph(s)))
            << s;
    }
    // analog: temperature on the left with grid, voltages on the right, dotted lower limit
    EXPECT_EQ(form->seriesAxis(6)->label(), QStringLiteral("T [°C]"));
    EXPECT_TRUE(form->seriesAxis(6)->grid()->visible());
    EXPECT_EQ(form->seriesAxis(9)->numberPrecision(), 1);
    EXPECT_EQ(form->seriesGraph(11)->pen().style(), Qt::DotLine);
    EXPECT_EQ(form->seriesGraph(8)->lineStyle(), QCPGraph::lsLine);
}

TEST_F(TrendForm, PointsReachThePlotAndTheControlsFollowHold) {
    make(1);
    EXPECT_EQ(form->HOLD_Button()->text(), QStringLiteral("&Stop"));
    EXPECT_TRUE(form->CLR_Button()->isEnabled());
    EXPECT_EQ(form->Chart()->interactions(), QCP::Interactions());
    run(10);
    for (int s = 0; s < TrendSeriesCount; ++s)
        EXPECT_EQ(form->seriesGraph(s)->dataCount(),
                  static_cast<int>(form->recorder().Points(s).size()))
            << s;
    EXPECT_EQ(form->seriesGraph(6)->dataCount(), 40);
    // the visible window: the last minute up to the latest sample
    EXPECT_DOUBLE_EQ(form->Chart()->xAxis->range().upper, now);
    EXPECT_DOUBLE_EQ(form->Chart()->xAxis->range().lower, now - 60);
    EXPECT_EQ(form->Chart()->xAxis->label(), QStringLiteral("Zeit [0..1min]"));

    form->ZEIT_ComboBox()->setCurrentIndex(0);
    emit form->ZEIT_ComboBox()->activated(0);
    EXPECT_DOUBLE_EQ(form->Chart()->xAxis->range().lower, now - 20);
    EXPECT_EQ(form->Chart()->xAxis->label(), QStringLiteral("Zeit [0..20s]"));

    form->HOLD_Button()->click();
    EXPECT_EQ(form->HOLD_Button()->text(), QStringLiteral("&Start"));
    EXPECT_TRUE(form->Chart()->interactions().testFlag(QCP::iRangeDrag));
    EXPECT_TRUE(form->Chart()->interactions().testFlag(QCP::iRangeZoom));
    form->Chart()->xAxis->setRange(now - 5, now - 2);  // the user zooms in
    run(2);
    EXPECT_EQ(form->seriesGraph(6)->dataCount(), 40);
    form->HOLD_Button()->click();
    run(1);
    EXPECT_EQ(form->seriesGraph(6)->dataCount(), 44);
    EXPECT_DOUBLE_EQ(form->Chart()->xAxis->range().upper, now);

    form->CLR_Button()->click();
    for (int s = 0; s < TrendSeriesCount; ++s) EXPECT_EQ(form->seriesGraph(s)->dataCount(), 0);

    // the adapter going away clears and disables everything
    run(1);
    form->SetLinkState(false);
    EXPECT_FALSE(form->ZEIT_ComboBox()->isEnabled());
    EXPECT_FALSE(form->PRINT_Button()->isEnabled());
    EXPECT_FALSE(form->Chart()->legend->visible());
    EXPECT_EQ(form->seriesGraph(6)->dataCount(), 0);
}

TEST_F(TrendForm, PrintsToAPdfFileThroughTheSharedPrintDialog) {
    make(3);
    run(30);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("trend.pdf");
    PrintChoice toFile;
    toFile.pdfFile = pdf.toStdString();
    toFile.landscape = true;
    rec.ui.printChoices.push_back(toFile);
    form->PRINT_Button()->click();
    ASSERT_EQ(rec.ui.printRequests.size(), 1u);
    EXPECT_EQ(rec.ui.printRequests[0].documentTitle, "Trendgrafik");
    EXPECT_EQ(rec.ui.printRequests[0].helpContext, 207);
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5).startsWith("%PDF"));
    EXPECT_GT(f.size(), 5000);
    // a cancelled dialog prints nothing
    QFile::remove(pdf);
    rec.ui.printChoices.push_back(std::nullopt);
    form->PRINT_Button()->click();
    EXPECT_EQ(rec.ui.printRequests.size(), 2u);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(rec.ui.boxes.empty());
    // a file that cannot be made is said
    toFile.pdfFile = dir.filePath("no/such/folder/trend.pdf").toStdString();
    rec.ui.printChoices.push_back(toFile);
    form->PRINT_Button()->click();
    ASSERT_EQ(rec.ui.boxes.size(), 1u);
    EXPECT_EQ(rec.ui.boxes[0].text, "    Datei trend.pdf konnte nicht erstellt werden!    ");
}

// A word of a PDF page as the text tool finds it, in points from the top left.
struct PdfWord {
    QString text;
    QRectF box;
};
struct PdfPage {
    QSizeF size;
    std::vector<PdfWord> words;
};
PdfPage pdfWords(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(p.waitForFinished(30000));
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    PdfPage page;
    const QRegularExpression size(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
    const QRegularExpressionMatch m = size.match(html);
    if (m.hasMatch()) page.size = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    const QRegularExpression word(
        QStringLiteral("<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" "
                       "yMax=\"([-\\d.]+)\">([^<]*)</word>"));
    for (auto i = word.globalMatch(html); i.hasNext();) {
        const QRegularExpressionMatch w = i.next();
        page.words.push_back(
            {w.captured(5), QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                                   QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()))});
    }
    return page;
}

// The printed chart of the classes with the fewest and the most series, upright and across:
// every text on the page within the printer's margins, no glyph larger than 14 pt or too small
// to read, no two texts over each other; the window's own chart unchanged afterwards.
TEST_F(TrendForm, PrintedChartFitsThePageWithLegibleTexts) {
    struct Case {
        int deviceClass;
        bool landscape;
        QSizeF page;
    };
    const Case cases[] = {
        {1, false, {595, 842}},
        {1, true, {842, 595}},
        {3, false, {595, 842}},
        {3, true, {842, 595}},
    };
    for (const Case& c : cases) {
        const std::string what =
            "class " + std::to_string(c.deviceClass) + (c.landscape ? " landscape" : " portrait");
        SCOPED_TRACE(what);
        make(c.deviceClass);
        run(60);
        QCustomPlot* chart = form->Chart();
        chart->replot();
        const QRect plotBefore = chart->axisRect()->rect();
        const QFont fontBefore = form->seriesAxis(6)->tickLabelFont();
        const int legendColumnsBefore = chart->legend->wrap();

        QTemporaryDir dir;
        PrintChoice toFile;
        toFile.pdfFile = dir.filePath("trend.pdf").toStdString();
        toFile.landscape = c.landscape;
        rec.ui.printChoices.push_back(toFile);
        form->PRINT_Button()->click();
        const PdfPage page = pdfWords(QString::fromStdString(toFile.pdfFile));
        EXPECT_GT(page.words.size(), 40u);
        const QByteArray shots = qgetenv("CALVIX_SCREENSHOT_DIR");
        if (!shots.isEmpty())
            QFile::copy(QString::fromStdString(toFile.pdfFile),
                        QDir(QString::fromLocal8Bit(shots))
                            .filePath(QString::fromStdString("trend-print-" + what + ".pdf")
                                          .replace(QLatin1Char(' '), QLatin1Char('-'))));
        ASSERT_NEAR(page.size.width(), c.page.width(), 1);
        ASSERT_NEAR(page.size.height(), c.page.height(), 1);
        QPrinter printer;
        UI_ApplyPrintChoice(printer, toFile);
        const QRectF inside = printer.pageLayout().paintRectPoints().adjusted(-0.5, -0.5, 0.5, 0.5);

        QStringList texts;
        for (const PdfWord& w : page.words) texts << w.text;
        for (const char* expected : {"BM", "HS", "UB", "Zeit", "[0..1min]"})
            EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected;
        EXPECT_EQ(texts.contains(QStringLiteral("SPAR1")), c.deviceClass == 3);
        for (size_t i = 0; i < page.words.size(); ++i) {
            const PdfWord& w = page.words[i];
            const std::string word = w.text.toStdString();
            EXPECT_TRUE(inside.contains(w.box)) << word << " at " << w.box.x() << "," << w.box.y();
            // Across a word its glyphs' height is the smaller side of its box (upright or
            // turned); a short word's smaller side is its width, smaller still.
            const double glyph = std::min(w.box.width(), w.box.height());
            EXPECT_LE(glyph, 14) << word;
            if (w.box.width() > w.box.height() && w.text.size() > 1) {
                EXPECT_GE(glyph, 5) << word;
            }
            for (size_t j = i + 1; j < page.words.size(); ++j) {
                const QRectF both = w.box.intersected(page.words[j].box);
                EXPECT_FALSE(both.width() > 0.5 && both.height() > 0.5)
                    << word << " over " << page.words[j].text.toStdString();
            }
        }
        chart->replot();
        EXPECT_EQ(chart->axisRect()->rect(), plotBefore) << "the window's chart as before";
        EXPECT_EQ(form->seriesAxis(6)->tickLabelFont(), fontBefore);
        EXPECT_EQ(chart->legend->wrap(), legendColumnsBefore);
    }
}

TEST_F(TrendForm, NoChartUntilAClassIsShown) {
    form = std::make_unique<TANSI_TREND_Form>(dp, rec.context(), [this] { return now; });
    form->resize(900, 640);
    form->show();
    QApplication::processEvents();
    EXPECT_FALSE(form->Chart()->isVisible()) << "no empty axes before a session";
    form->SetLinkState(true);
    form->SetDeviceClass(6);  // the boot loader configures no series
    EXPECT_FALSE(form->Chart()->isVisible());
    form->SetDeviceClass(0);
    viewdata::registerClass(dp, 2);
    form->SetDeviceClass(2);
    EXPECT_TRUE(form->Chart()->isVisible());
    form->SetLinkState(false);
    EXPECT_FALSE(form->Chart()->isVisible());
}

// On the narrowest chart the window allows, the whole legend and every value axis' labels
// stay legible: each legend entry within the chart, labels of an axis at least a line apart.
TEST_F(TrendForm, NarrowChartKeepsLegendAndLabelsLegible) {
    rec.temperatureUnit = 1;  // Fahrenheit: the longest temperature range
    make(5);
    form->resize(form->minimumSize());
    QApplication::processEvents();
    QCustomPlot* chart = form->Chart();
    chart->replot();
    int entries = 0;
    for (int i = 0; i < chart->legend->itemCount(); ++i) {
        const QCPAbstractLegendItem* item = chart->legend->item(i);
        if (!item) continue;  // a free cell of the last row
        ++entries;
        const QRect r = item->outerRect();
        EXPECT_GE(r.width(), item->minimumOuterSizeHint().width()) << i;
        EXPECT_LE(r.right(), chart->width()) << i;
        EXPECT_GE(r.left(), 0) << i;
    }
    EXPECT_EQ(entries, 18);
    // The time labels stand apart, whatever time window is shown.
    for (int range = 0; range < form->findChild<QComboBox*>()->count(); ++range) {
        form->findChild<QComboBox*>()->setCurrentIndex(range);
        run(1);
        chart->replot();
        const QCPAxis* x = chart->xAxis;
        const QVector<double> ticks = x->tickVector();
        const QVector<QString> labels = x->tickVectorLabels();
        ASSERT_GE(ticks.size(), 2) << range;
        const QFontMetricsF fm(x->tickLabelFont());
        for (int i = 1; i < ticks.size(); ++i) {
            const double gap = x->coordToPixel(ticks[i]) - x->coordToPixel(ticks[i - 1]);
            const double half =
                (fm.horizontalAdvance(labels[i - 1]) + fm.horizontalAdvance(labels[i])) / 2;
            EXPECT_GE(gap, half + fm.averageCharWidth())
                << range << " " << labels[i - 1].toStdString() << " " << labels[i].toStdString();
        }
    }
    for (int series : {6, 8, 9, 10}) {
        QCPAxis* a = form->seriesAxis(series);
        ASSERT_TRUE(a->visible()) << series;
        const QVector<double> ticks = a->tickVector();
        ASSERT_GE(ticks.size(), 3) << series;
        const double gap = std::abs(a->coordToPixel(ticks[1]) - a->coordToPixel(ticks[0]));
        EXPECT_GE(gap, QFontMetricsF(a->tickLabelFont()).height()) << series;
    }
    // at 600 x 550 the whole Fahrenheit range is still labelled from -40 to 260
    form->resize(600, 550);
    QApplication::processEvents();
    chart->replot();
    const QVector<double> t = form->seriesAxis(6)->tickVector();
    EXPECT_EQ(t.front(), -40);
    EXPECT_EQ(t.back(), 260);
    // a wide chart keeps every step of 10
    form->resize(1600, 1000);
    QApplication::processEvents();
    chart->replot();
    const QVector<double> wide = form->seriesAxis(6)->tickVector();
    ASSERT_GE(wide.size(), 2);
    EXPECT_EQ(wide[1] - wide[0], 10);
}

TEST_F(TrendForm, RightAxesSitBeyondThePlot) {
    make(3);
    form->resize(1000, 640);
    QApplication::processEvents();
    const int w = form->Chart()->width();
    const TrendMargins& m = form->recorder().Margins();
    EXPECT_EQ(m.rightPercent, std::lround(4320.0 / (w / 100.0 * 30)));
    EXPECT_EQ(form->seriesAxis(8)->offset(), 0);
    EXPECT_EQ(form->seriesAxis(9)->offset(), 42);
    EXPECT_EQ(form->seriesAxis(10)->offset(), 87);
    form->Chart()->replot();
    EXPECT_EQ(form->Chart()->axisRect()->rect().right() + 1,
              w - std::lround(m.rightPercent * w / 100.0));
}

TEST_F(TrendForm, Screens) {
    make(1);
    run(150);
    form->Chart()->replot();
    const QPixmap one = form->grab();
    EXPECT_FALSE(one.isNull());
    save(one, "trend-class1.png");
}

}  // namespace
