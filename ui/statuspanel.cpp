#include "statuspanel.h"

#include <QPainter>

StatusPanel::StatusPanel(std::function<QIcon(int)> image, QWidget* parent)
    : QWidget(parent), m_imageOf(std::move(image)) {
    setObjectName(QStringLiteral("StatusPanel0"));
    setMinimumWidth(PanelWidth);
    StatusBarDrawPanel();
}

QSize StatusPanel::sizeHint() const {
    return {PanelWidth, fontMetrics().height() + 4};
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
    if (m_imageOf) m_imageOf(m_image).paint(&p, QRect(r.left() + 105, r.top(), side, side));
    p.drawText(QRect(r.left() + 5, r.top() + 1, 100, r.height() - 1),
               Qt::AlignLeft | Qt::AlignVCenter, m_text);
}
