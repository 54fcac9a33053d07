#include "trackbar.h"

#include <QPainter>
#include <algorithm>

TrackBar::TrackBar(QWidget* parent) : QWidget(parent) {
    setEnabled(false);
}

void TrackBar::setRange(int minimum, int maximum) {
    if (minimum == m_min && maximum == m_max) return;
    m_min = minimum;
    m_max = maximum;
    update();
}

void TrackBar::setTickFrequency(int step) {
    if (step == m_tick) return;
    m_tick = step;
    update();
}

void TrackBar::setSelStart(int v) {
    if (v == m_selStart) return;
    m_selStart = v;
    update();
}

void TrackBar::setSelEnd(int v) {
    if (v == m_selEnd) return;
    m_selEnd = v;
    update();
}

void TrackBar::setThumbLength(int length) {
    if (length == m_thumb) return;
    m_thumb = length;
    update();
}

int TrackBar::positionOf(long double v) const {
    const int left = kInset;
    const int span = std::max(0, width() - 2 * kInset);
    if (m_max <= m_min) return left;
    v = std::clamp<long double>(v, m_min, m_max);
    return left + static_cast<int>((v - m_min) * span / (m_max - m_min) + 0.5L);
}

void TrackBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    const int tickArea = std::clamp(height() / 5, 3, 8);
    // The channel: as high as the thumb would be, less the tick marks below it.
    const int channelH = std::clamp(std::min(m_thumb, height() - tickArea - 2), 3, 28);
    const int top = std::max(0, (height() - tickArea - channelH) / 2);
    const int x0 = positionOf(m_min);
    const int x1 = positionOf(m_max);
    const QRect channel(x0, top, std::max(1, x1 - x0), channelH);

    p.fillRect(channel, pal.color(QPalette::Active, QPalette::Base));
    // The selection: minimum to value, whatever side of the range the value is on.
    const int s0 = positionOf(std::min(m_selStart, m_selEnd));
    const int s1 = positionOf(std::max(m_selStart, m_selEnd));
    if (s1 > s0)
        p.fillRect(QRect(s0, top, s1 - s0, channelH),
                   pal.color(QPalette::Active, QPalette::Highlight));
    p.setPen(pal.color(QPalette::Active, QPalette::Dark));
    p.drawRect(channel.adjusted(0, 0, -1, -1));

    // Tick marks at every step from the minimum, and always at both ends.
    if (m_max > m_min) {
        p.setPen(pal.color(QPalette::Active, QPalette::WindowText));
        const int ty = top + channelH + 2;
        const int tickLen = std::max(2, tickArea - 2);
        if (m_tick > 0 && (m_max - m_min) / m_tick <= 400) {
            for (long long v = m_min; v <= m_max; v += m_tick) {
                const int x = positionOf(static_cast<long double>(v));
                p.drawLine(x, ty, x, ty + tickLen - 1);
            }
        }
        p.drawLine(x1, ty, x1, ty + tickLen - 1);
        p.drawLine(x0, ty, x0, ty + tickLen - 1);
    }
}
