// The overview's proportional layout: everything is sized from the window height, divided
// into equal units among the enabled bar rows, the lamp row and the status area.
#include <QApplication>
#include <algorithm>

#include "lampimage.h"
#include "overviewform.h"
#include "rounding.h"
#include "trackbar.h"

namespace {

constexpr int kPanel1Height = 8;
// Captions that shrink to fit never go below this size.
constexpr int kSmallestFont = 6;

int tagOf(const QObject* o) {
    return o->property("Tag").toInt();
}

}  // namespace

void TANSI_OVERVIEW_Form::resizeEvent(QResizeEvent* e) {
    ViewForm::resizeEvent(e);
    FormResize();
}

void TANSI_OVERVIEW_Form::FormResize() {
    const int H = height();
    const int W = width();
    Panel1->setGeometry(0, 0, W, kPanel1Height);
    const int unit = std::max(1, (H - kPanel1Height - 8) / std::max(1, m_rowUnits));
    const int fontSize = std::max(1, H / 40);
    QFont windowFont = QApplication::font(this);
    windowFont.setPointSize(fontSize);
    if (font() != windowFont) setFont(windowFont);
    const QFontMetrics fm(windowFont);
    const int labelHeight = fm.height();
    const int fieldHeight = labelHeight + 4;

    // Bar rows: enabled rows share the height units, disabled ones shrink to a line.
    int nameWidth = 0;
    for (const BarRow& r : m_rows)
        nameWidth = std::max(nameWidth, fm.horizontalAdvance(r.LLabel->text()));
    nameWidth += 20;
    const int valueColumnWidth = fm.horizontalAdvance(LabelX->text()) + 20 + 15;
    const int scaleFontSize = std::max(1, fontSize - 4);
    int y = kPanel1Height;
    for (BarRow& r : m_rows) {
        const int rowHeight = tagOf(r.GPanel) == 1 ? std::max(1, unit - 5) : 1;
        OVERVIEW_LayoutBarRow(r, y, rowHeight, nameWidth, valueColumnWidth, labelHeight + 5,
                              scaleFontSize);
        y += rowHeight;
    }

    // Lamp row: fifteen equal columns, lamp n centred on column line n - 9. The captions are
    // made smaller when two neighbours would run into each other or one out of the row.
    Panel200->setGeometry(0, y, W, unit);
    const int column = W / 15;
    QFont lampFont = windowFont;
    for (int size = std::max(1, fontSize - 3);; --size) {
        lampFont.setPointSize(size);
        if (size <= kSmallestFont || lampCaptionsFit(QFontMetrics(lampFont), column, W)) break;
    }
    Panel200->setFont(lampFont);
    const QFontMetrics lfm(lampFont);
    const int side = std::max(1, std::min(column, unit / 2) - 1);
    for (int n = 1; n <= 14; ++n) {
        Lamp& l = lamp(n + 9);
        const int lw = lfm.horizontalAdvance(l.label->text()) + 2;
        l.label->setGeometry(n * column - lw / 2, 5, lw, lfm.height());
        l.image->setGeometry(n * column - side / 2, unit / 10 + lfm.height() + 2, side, side);
    }
    y += unit;

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
    const int gap = m_statusRowMode == 1 ? (areaHeight - 2 * fieldHeight) / 3
                                         : (areaHeight - 3 * fieldHeight) / 4;
    const int tops[3] = {gap, 2 * gap + fieldHeight, 3 * gap + 2 * fieldHeight};
    QLabel* fields[3] = {Panel305, Panel303, Panel304};
    QLabel* labels[3] = {Label302, Label300, Label301};
    for (int i = 0; i < 3; ++i) {
        fields[i]->setGeometry(0, tops[i], fieldWidth, fieldHeight);
        labels[i]->setGeometry(10, tops[i] + 2, std::max(1, labelColumn - 10), labelHeight);
    }

    setMinimumWidth(std::max(320, nameWidth + valueColumnWidth + 100));
}

bool TANSI_OVERVIEW_Form::lampCaptionsFit(const QFontMetrics& fm, int column, int rowWidth) const {
    int previousCentre = 0, previousHalf = 0;
    bool first = true;
    for (int n = 1; n <= 14; ++n) {
        const QLabel* l = m_lamps[static_cast<size_t>(n - 1)].label;
        if (l->isHidden()) continue;
        const int half = (fm.horizontalAdvance(l->text()) + 2) / 2;
        const int centre = n * column;
        if (centre - half < 0 || centre + half > rowWidth) return false;
        if (!first && centre - half - (previousCentre + previousHalf) < 4) return false;
        previousCentre = centre;
        previousHalf = half;
        first = false;
    }
    return true;
}

void TANSI_OVERVIEW_Form::OVERVIEW_LayoutBarRow(BarRow& r, int top, int rowHeight, int nameWidth,
                                                int valueColumnWidth, int fieldHeight,
                                                int scaleFontSize) {
    const int W = width();
    r.GPanel->setGeometry(0, top, W, rowHeight);
    const int labelHeight = fieldHeight - 5;
    r.LPanel->setGeometry(0, 0, nameWidth, rowHeight);
    r.LLabel->setGeometry(8, std::max(0, rowHeight - labelHeight - 5), std::max(1, nameWidth - 8),
                          labelHeight);
    r.RPanel->setGeometry(std::max(0, W - valueColumnWidth), 0, valueColumnWidth, rowHeight);
    r.Value->setGeometry(0, std::max(0, rowHeight - fieldHeight - 3), valueColumnWidth - 15,
                         fieldHeight);

    const int scaleWidth = std::max(1, W - nameWidth - valueColumnWidth);
    r.MPanel->setGeometry(nameWidth, 0, scaleWidth, rowHeight);
    // The three scale labels stand on one line above the bar: minimum and maximum at the
    // ends of the scale, the middle centred. A narrow column makes them smaller.
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
        return lefts[1] >= lefts[0] + widths[0] + 4 && lefts[2] >= lefts[1] + widths[1] + 4;
    };
    QFont scaleFont = font();
    for (int size = scaleFontSize;; --size) {
        scaleFont.setPointSize(size);
        if (place(QFontMetrics(scaleFont)) || size <= kSmallestFont) break;
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
