// Start-up measurement: with CALVIX_MEASURE_STARTUP set, a program writes the wall-clock time
// (ms since the epoch) at which its window was first painted, as "shown-at-ms <time>", and
// closes the window. scripts/measure-startup takes the start-up time from it, for the program
// and for an empty Qt window measured the same way beside it.
#pragma once

#include <QDateTime>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

class FirstPaintProbe : public QObject {
public:
    explicit FirstPaintProbe(QWidget* window) : m_window(window) {
        window->installEventFilter(this);
    }

    static bool wanted() { return qEnvironmentVariableIsSet("CALVIX_MEASURE_STARTUP"); }

    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == m_window && e->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            std::printf("shown-at-ms %lld\n",
                        static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
            std::fflush(stdout);
            QTimer::singleShot(0, m_window, [w = m_window] { w->close(); });
        }
        return false;
    }

private:
    QWidget* m_window;
    bool m_seen = false;
};
