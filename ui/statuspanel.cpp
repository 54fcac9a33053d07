#include "statuspanel.h"

#include <QPainter>

StatusPanel::StatusPanel(std::function<QIcon(int)> image, QWidget* parent)
    : QWidget(parent), m_imageOf(std::move(image)) {
    setObjectName(QStringLiteral("StatusPanel0"));
    setMinimumWidth(sizeHint().width());
    StatusBarDrawPanel();
}

// The picture sits 105 pixels in, unless the longer of the two texts needs more room in the
// font at hand; the panel grows with it.
int StatusPanel::imageLeft() const {
    const QFontMetrics fm = fontMetrics();
    const int text = std::max(fm.horizontalAdvance(tr("Diagnose gestartet")),
                              fm.horizontalAdvance(tr("Diagnose gestoppt")));
    return std::max(105, 5 + text + 6);
}

QSize StatusPanel::sizeHint() const {
    return {std::max(PanelWidth, imageLeft() + 20), fontMetrics().height() + 4};
}

void StatusPanel::StatusBarDrawPanel() {
    if (sessionStarted && sessionStarted()) {
        m_text = tr("Diagnose gestartet");
        m_image = activityBlink && activityBlink() == 1 ? 46 : 47;
    } else {
        if (activityBlink) activityBlink() = 0;
        m_text = tr("Diagnose gestoppt");
        m_image = 45;
    }
}

void StatusPanel::update() {
    StatusBarDrawPanel();
    QWidget::update();
}

void StatusPanel::paintEvent(QPaintEvent*) {
    StatusBarDrawPanel();
    QPainter p(this);
    const QRect r = rect();
    const int side = std::min(16, r.height());
    const int image = imageLeft();
    if (m_imageOf) m_imageOf(m_image).paint(&p, QRect(r.left() + image, r.top(), side, side));
    p.drawText(QRect(r.left() + 5, r.top() + 1, image - 5, r.height() - 1),
               Qt::AlignLeft | Qt::AlignVCenter, m_text);
}
