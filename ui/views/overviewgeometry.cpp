// The overview's proportional layout: everything is sized from the window height, divided
// into equal units among the enabled bar rows, the lamp row and the status area. The font
// follows the height, but never drops below the platform's default size (below it the texts
// are no longer legible) and never grows past what the window's width holds; the window is
// never narrower than its columns need at that smallest size, nor lower than its rows need.
#include <QApplication>
#include <algorithm>

#include "lampimage.h"
#include "overviewform.h"
#include "rounding.h"
#include "trackbar.h"

namespace {

constexpr int kPanel1Height = 8;
// The scale column is at least this wide, and the window at least this wide and high.
constexpr int kScaleColumn = 100;
constexpr int kSmallestWidth = 320;
constexpr int kSmallestHeight = 320;
// Gap below each bar row, and the smallest bar that still shows its value.
constexpr int kRowGap = 5;
constexpr int kSmallestTrack = 14;
// Room kept beside each scale label, and the smallest lamp that still reads as one.
constexpr int kLabelGap = 4;
constexpr int kSmallestLamp = 16;
constexpr int kLampLabelTop = 5;

int tagOf(const QObject* o) {
    return o->property("Tag").toInt();
}

QFont sized(QFont f, int pointSize) {
    f.setPointSize(pointSize);
    return f;
}

}  // namespace

int TANSI_OVERVIEW_Form::legibleFontSize() const {
    const QFont f = QApplication::font(this);
    if (f.pointSize() > 0) return f.pointSize();
    // A font given in pixels: its size in points at the screen's resolution.
    return std::max(1, f.pixelSize() * 72 / std::max(1, logicalDpiY()));
}

void TANSI_OVERVIEW_Form::resizeEvent(QResizeEvent* e) {
    ViewForm::resizeEvent(e);
    FormResize();
}

int TANSI_OVERVIEW_Form::nameColumnWidth(const QFontMetrics& fm) const {
    int widest = 0;
    for (const BarRow& r : m_rows)
        widest = std::max(widest, fm.horizontalAdvance(r.LLabel->text()));
    return widest + 20;
}

int TANSI_OVERVIEW_Form::valueColumnWidth(const QFontMetrics& fm) const {
    return fm.horizontalAdvance(LabelX->text()) + 20 + 15;
}

// The scale column's width at which the three scale labels of every shown row stand apart:
// the middle one centred, the outer ones at the ends of the scale.
int TANSI_OVERVIEW_Form::scaleColumnNeed(const QFontMetrics& fm) const {
    int need = kScaleColumn;
    for (const BarRow& r : m_rows) {
        if (r.MPanel->isHidden()) continue;
        int w[3];
        for (int k = 0; k < 3; ++k)
            w[k] = fm.horizontalAdvance(r.MLabel[static_cast<size_t>(k)]->text()) + 2;
        const int half = std::max(w[0], w[2]) + kLabelGap + TrackBar::kInset + (w[1] + 1) / 2;
        need = std::max(need, 2 * half + 2);
    }
    return need;
}

// The row width at which the shown lamp captions stand apart in their fifteen columns.
int TANSI_OVERVIEW_Form::lampRowNeed(const QFontMetrics& fm) const {
    int column = 0;  // the narrowest column that holds them
    int previous = 0, previousHalf = 0;
    for (int n = 1; n <= 14; ++n) {
        const QLabel* l = m_lamps[static_cast<size_t>(n - 1)].label;
        if (l->isHidden()) continue;
        const int half = (fm.horizontalAdvance(l->text()) + 2 + 1) / 2;
        column = std::max(column, (half + n - 1) / n);              // from the left edge
        column = std::max(column, (half + 15 - n - 1) / (15 - n));  // to the right edge
        if (previous > 0)
            column = std::max(
                column, (previousHalf + half + kLabelGap + n - previous - 1) / (n - previous));
        previous = n;
        previousHalf = half;
    }
    return 15 * column + 14;
}

int TANSI_OVERVIEW_Form::columnsNeed(int fontSize, int floorSize) const {
    const QFont f = sized(QApplication::font(this), fontSize);
    const QFontMetrics fm(f);
    const QFontMetrics scale(sized(f, std::max(floorSize, fontSize - 4)));
    return nameColumnWidth(fm) + valueColumnWidth(fm) + scaleColumnNeed(scale);
}

void TANSI_OVERVIEW_Form::FormResize() {
    const int H = height();
    const int W = width();
    const int floorSize = legibleFontSize();
    // The height's size, as far as the width holds it, and never below the legible size.
    int fontSize = std::max(floorSize, H / 40);
    while (fontSize > floorSize && columnsNeed(fontSize, floorSize) > W) --fontSize;
    const QFont windowFont = sized(QApplication::font(this), fontSize);
    if (font() != windowFont) setFont(windowFont);
    const QFontMetrics fm(windowFont);
    const int labelHeight = fm.height();
    const int fieldHeight = labelHeight + 4;

    // The lamp row's captions, made smaller (not below the legible size) where two
    // neighbours would run into each other or one out of the row.
    const int column = W / 15;
    QFont lampFont = sized(windowFont, std::max(floorSize, fontSize - 3));
    while (lampFont.pointSize() > floorSize && lampRowNeed(QFontMetrics(lampFont)) > W)
        lampFont.setPointSize(lampFont.pointSize() - 1);
    const QFontMetrics lfm(lampFont);

    // Height units: the lamp row takes at least what a caption and a lamp need; where the
    // unit is smaller, the other rows share what is left.
    const int inner = H - kPanel1Height - 8;
    int unit = std::max(1, inner / std::max(1, m_rowUnits));
    const int lampTop = std::min(kLampLabelTop, unit / 10 + 1);
    const int lampNeed = lampTop + lfm.height() + 2 + kSmallestLamp + 2;
    const int lampRowHeight = std::max(unit, lampNeed);
    if (lampRowHeight > unit && m_rowUnits > 1)
        unit = std::max(1, (inner - lampRowHeight) / (m_rowUnits - 1));

    // Bar rows: enabled rows share the height units, disabled ones shrink to a line.
    const int nameWidth = nameColumnWidth(fm);
    const int valueWidth = valueColumnWidth(fm);
    const int scaleFontSize = std::max(floorSize, fontSize - 4);
    Panel1->setGeometry(0, 0, W, kPanel1Height);
    int y = kPanel1Height;
    for (BarRow& r : m_rows) {
        const int rowHeight = tagOf(r.GPanel) == 1 ? std::max(1, unit - kRowGap) : 1;
        OVERVIEW_LayoutBarRow(r, y, rowHeight, nameWidth, valueWidth, labelHeight + 5,
                              scaleFontSize, floorSize);
        y += rowHeight;
    }

    // Lamp row: fifteen equal columns, lamp n centred on column line n - 9.
    Panel200->setGeometry(0, y, W, lampRowHeight);
    Panel200->setFont(lampFont);
    const int imageTop =
        std::max(lampTop + lfm.height() + 2, lampRowHeight / 10 + lfm.height() + 2);
    const int side =
        std::max(1, std::min({column, lampRowHeight / 2, lampRowHeight - imageTop - 1}) - 1);
    for (int n = 1; n <= 14; ++n) {
        Lamp& l = lamp(n + 9);
        const int lw = lfm.horizontalAdvance(l.label->text()) + 2;
        l.label->setGeometry(n * column - lw / 2, lampTop, lw, lfm.height());
        l.image->setGeometry(n * column - side / 2, std::min(imageTop, lampRowHeight - side - 1),
                             side, side);
    }
    y += lampRowHeight;

    // Status area: a label column as wide as line 1's label plus 40, the fields beside it.
    int areaHeight;
    switch (m_statusRowMode) {
        case 1:
            areaHeight = unit + 6;
            break;
        case 2:
            areaHeight = 2 * unit;
            break;
        default:
            areaHeight = TOOL_Round<int>(2.35L * unit);
            break;
    }
    Panel300->setGeometry(0, y, W, areaHeight);
    const int labelColumn = fm.horizontalAdvance(Label302->text()) + 40;
    Panel301->setGeometry(0, 0, labelColumn, areaHeight);
    Panel302->setGeometry(labelColumn, 0, std::max(1, W - labelColumn), areaHeight);
    const int fieldWidth = std::max(1, Panel302->width() - 15);
    const int gap = std::max(0, m_statusRowMode == 1 ? (areaHeight - 2 * fieldHeight) / 3
                                                     : (areaHeight - 3 * fieldHeight) / 4);
    const int tops[3] = {gap, 2 * gap + fieldHeight, 3 * gap + 2 * fieldHeight};
    QLabel* fields[3] = {Panel305, Panel303, Panel304};
    QLabel* labels[3] = {Label302, Label300, Label301};
    for (int i = 0; i < 3; ++i) {
        fields[i]->setGeometry(0, tops[i], fieldWidth, fieldHeight);
        labels[i]->setGeometry(10, tops[i] + 2, std::max(1, labelColumn - 10), labelHeight);
    }

    // The columns at the legible size, the scale labels and the lamp captions always fit; and
    // the rows of a built layout, each with its value field or its scale line over a bar.
    const QFontMetrics floorFm(sized(windowFont, floorSize));
    setMinimumWidth(
        std::max({kSmallestWidth, columnsNeed(floorSize, floorSize), lampRowNeed(floorFm)}));
    int heightNeed = kSmallestHeight;
    if (m_built) {
        const int rowNeed = std::max(floorFm.height() + 5 + 3, floorFm.height() + kSmallestTrack);
        const int lampRow = kLampLabelTop + floorFm.height() + 2 + kSmallestLamp + 2;
        heightNeed = std::max(heightNeed,
                              kPanel1Height + 8 + lampRow + (m_rowUnits - 1) * (rowNeed + kRowGap));
    }
    setMinimumHeight(std::min(heightNeed, maximumHeight()));
}

void TANSI_OVERVIEW_Form::OVERVIEW_LayoutBarRow(BarRow& r, int top, int rowHeight, int nameWidth,
                                                int valueColumnWidth, int fieldHeight,
                                                int scaleFontSize, int floorSize) {
    const int W = width();
    r.GPanel->setGeometry(0, top, W, rowHeight);
    const int labelHeight = fieldHeight - 5;
    r.LPanel->setGeometry(0, 0, nameWidth, rowHeight);
    r.LLabel->setGeometry(8, std::max(0, rowHeight - labelHeight - 5), std::max(1, nameWidth - 8),
                          labelHeight);
    r.RPanel->setGeometry(std::max(0, W - valueColumnWidth), 0, valueColumnWidth, rowHeight);
    const int fieldTop = std::max(0, rowHeight - fieldHeight - 3);
    r.Value->setGeometry(0, fieldTop, valueColumnWidth - 15, std::min(fieldHeight, rowHeight));

    const int scaleWidth = std::max(1, W - nameWidth - valueColumnWidth);
    r.MPanel->setGeometry(nameWidth, 0, scaleWidth, rowHeight);
    // The three scale labels stand on one line above the bar: minimum and maximum at the
    // ends of the scale, the middle centred. A narrow column makes them smaller, down to the
    // legible size.
    r.MTrackBar->resize(scaleWidth, std::max(1, r.MTrackBar->height()));  // scale positions
    const int centres[3] = {r.MTrackBar->positionOf(r.MTrackBar->minimum()), scaleWidth / 2,
                            r.MTrackBar->positionOf(r.MTrackBar->maximum())};
    int lefts[3], widths[3];
    const auto place = [&](const QFontMetrics& m) {
        for (int k = 0; k < 3; ++k) {
            widths[k] = m.horizontalAdvance(r.MLabel[static_cast<size_t>(k)]->text()) + 2;
            lefts[k] =
                std::clamp(centres[k] - widths[k] / 2, 0, std::max(0, scaleWidth - widths[k]));
        }
        return lefts[1] >= lefts[0] + widths[0] + kLabelGap &&
               lefts[2] >= lefts[1] + widths[1] + kLabelGap;
    };
    QFont scaleFont = font();
    for (int size = scaleFontSize;; --size) {
        scaleFont.setPointSize(size);
        if (place(QFontMetrics(scaleFont)) || size <= floorSize) break;
    }
    r.MPanel->setFont(scaleFont);
    const int scaleLabelHeight = QFontMetrics(scaleFont).height();
    const int trackHeight = std::max(1, rowHeight - scaleLabelHeight);
    r.MTrackBar->setGeometry(0, rowHeight - trackHeight, scaleWidth, trackHeight);
    r.MTrackBar->setThumbLength(std::max(1, trackHeight - 8));
    const int labelTop = std::max(0, rowHeight - trackHeight - scaleLabelHeight);
    for (int k = 0; k < 3; ++k)
        r.MLabel[static_cast<size_t>(k)]->setGeometry(lefts[k], labelTop, widths[k],
                                                      scaleLabelHeight);
}
