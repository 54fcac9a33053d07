// The owner-drawn first panel of the main window's status bar: the session state as text and
// an icon that alternates with adapter traffic while a session runs.
#pragma once

#include <QIcon>
#include <QWidget>
#include <functional>

class StatusPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 125;

    // image: the status bar's picture by image-list index.
    explicit StatusPanel(std::function<QIcon(int)> image, QWidget* parent = nullptr);

    // What the next repaint draws: the session was begun, and the activity toggle (which the
    // panel clears while no session runs).
    std::function<bool()> sessionStarted;
    std::function<uint8_t&()> activityBlink;

    // What the last paint showed: its text and image index.
    QString shownText() const { return m_text; }
    int shownImage() const { return m_image; }
    // Works out text and image as a repaint does, without painting.
    void update();

protected:
    void paintEvent(QPaintEvent* e) override;
    QSize sizeHint() const override;

private:
    void StatusBarDrawPanel();
    int imageLeft() const;

    std::function<QIcon(int)> m_imageOf;
    QString m_text;
    int m_image = 45;
};
