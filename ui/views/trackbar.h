// A read-only bar gauge: a scale from minimum to maximum with tick marks, showing a value as
// the selected range from the minimum to the value. It takes no input and has no slider.
#pragma once

#include <QWidget>

class TrackBar : public QWidget {
    Q_OBJECT
public:
    explicit TrackBar(QWidget* parent = nullptr);

    int minimum() const { return m_min; }
    int maximum() const { return m_max; }
    int tickFrequency() const { return m_tick; }
    int selStart() const { return m_selStart; }
    int selEnd() const { return m_selEnd; }

    void setRange(int minimum, int maximum);
    void setTickFrequency(int step);
    // Each repaints only when the value changes.
    void setSelStart(int v);
    void setSelEnd(int v);
    void setThumbLength(int length);

    // Horizontal inset of the scale's ends, so that the scale labels can centre on them.
    static constexpr int kInset = 8;
    // x of a scale value (clamped into the range).
    int positionOf(long double v) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int m_min = 0;
    int m_max = 10;
    int m_tick = 1;
    int m_selStart = 0;
    int m_selEnd = 0;
    int m_thumb = 20;
};
