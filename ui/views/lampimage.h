// A lamp of the overview: one picture of the lamp image list, scaled to the lamp's square.
// The list holds fourteen pictures; pairs 0/1 red, 4/5 green and 6/7 yellow are used, each a
// dark picture (off) followed by a bright one (on).
#pragma once

#include <QWidget>

class LampImage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPictureCount = 14;
    static constexpr int kPictureSize = 32;

    explicit LampImage(QWidget* parent = nullptr);

    // -1: the empty picture.
    int picture() const { return m_picture; }
    void setPicture(int index);

    // The picture of the lamp image list (32 x 32), drawn once and kept.
    static const QPixmap& LEDImage(int index);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int m_picture = -1;
};
