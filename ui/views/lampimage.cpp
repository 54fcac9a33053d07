#include "lampimage.h"

#include <QPainter>
#include <QRadialGradient>
#include <array>

namespace {

// Face colour of the lamp pictures by list index: dark (off) and bright (on) of each pair.
QColor pictureColour(int index) {
    switch (index) {
        case 0:
            return QColor(0x70, 0x18, 0x18);
        case 1:
            return QColor(0xff, 0x30, 0x20);
        case 4:
            return QColor(0x1c, 0x50, 0x1c);
        case 5:
            return QColor(0x30, 0xe0, 0x30);
        case 6:
            return QColor(0x68, 0x5c, 0x14);
        case 7:
            return QColor(0xff, 0xe0, 0x20);
        default:
            return QColor(0x80, 0x80, 0x80);
    }
}

bool isBright(int index) {
    return index == 1 || index == 5 || index == 7;
}

QPixmap drawPicture(int index) {
    const int s = LampImage::kPictureSize;
    QPixmap pm(s, s);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor face = pictureColour(index);
    const QRectF disc(2.5, 2.5, s - 5, s - 5);
    QRadialGradient g(disc.center() - QPointF(s * 0.12, s * 0.12), s * 0.55);
    g.setColorAt(0.0, isBright(index) ? face.lighter(170) : face.lighter(130));
    g.setColorAt(0.7, face);
    g.setColorAt(1.0, face.darker(isBright(index) ? 130 : 150));
    p.setBrush(g);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.5));
    p.drawEllipse(disc);
    return pm;
}

}  // namespace

LampImage::LampImage(QWidget* parent) : QWidget(parent) {}

const QPixmap& LampImage::LEDImage(int index) {
    static const std::array<QPixmap, kPictureCount> images = [] {
        std::array<QPixmap, kPictureCount> a;
        for (int i = 0; i < kPictureCount; ++i) a[static_cast<size_t>(i)] = drawPicture(i);
        return a;
    }();
    static const QPixmap empty;
    if (index < 0 || index >= kPictureCount) return empty;
    return images[static_cast<size_t>(index)];
}

void LampImage::setPicture(int index) {
    m_picture = index;
    update();
}

void LampImage::paintEvent(QPaintEvent*) {
    const QPixmap& pm = LEDImage(m_picture);
    if (pm.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const int side = std::min(width(), height());
    p.drawPixmap(QRect((width() - side) / 2, (height() - side) / 2, side, side), pm);
}
