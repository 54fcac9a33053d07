// A user in front of the real message boxes: each time a box comes up (a new one, or one shown
// again) the next step of the script gets it, looks at it and presses one of its buttons.
// Boxes left over when the script has run out, or after ten seconds, are closed, so a test
// that goes wrong fails instead of waiting for a user.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <vector>

class BoxUser {
public:
    using Step = std::function<void(QMessageBox& box)>;

    explicit BoxUser(std::vector<Step> steps) : m_steps(std::move(steps)) {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { look(); });
        m_timer.start();
        m_since.start();
    }

    size_t stepsDone() const { return m_next; }

    // Presses the box's button of this kind (it must have one).
    static void press(QMessageBox& box, QMessageBox::StandardButton which) {
        QAbstractButton* b = box.button(which);
        if (b) b->click();
    }

private:
    void look() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        if (m_next < m_steps.size() && m_since.elapsed() < 10000) {
            const Step& step = m_steps[m_next++];
            step(*box);
        }
        // A step that pressed nothing, or a box nobody expected: it goes.
        if (box->isVisible() && QApplication::activeModalWidget() == box) box->done(-1);
    }

    std::vector<Step> m_steps;
    size_t m_next = 0;
    QTimer m_timer;
    QElapsedTimer m_since;
};
