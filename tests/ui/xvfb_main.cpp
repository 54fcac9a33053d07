// One QApplication on a real X display for every test of this executable: a private Xvfb
// server started for the run (no window manager), the xcb platform as on a workshop
// computer. Where Xvfb is missing the application runs offscreen and xvfbDisplay() is empty,
// so the tests can skip. Tests never touch the user's settings (test mode moves Qt's standard
// places aside).
#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <memory>

#include "xvfbdisplay.h"

namespace {

QString& displayName() {
    static QString name;
    return name;
}

class XvfbEnvironment : public ::testing::Environment {
public:
    XvfbEnvironment(int& argc, char** argv) : m_argc(argc), m_argv(argv) {}

    void SetUp() override {
        // -displayfd: the server picks a free display and writes its number once it is ready.
        m_server.setStandardErrorFile(QProcess::nullDevice());
        m_server.start(
            QStringLiteral("Xvfb"),
            {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
             QStringLiteral("0"), QStringLiteral("1600x1000x24"), QStringLiteral("-nolisten"),
             QStringLiteral("tcp")});
        if (m_server.waitForStarted(5000)) {
            while (!m_server.canReadLine() && m_server.waitForReadyRead(10000)) {
            }
            const QByteArray number = m_server.readLine().trimmed();
            if (!number.isEmpty())
                displayName() = QStringLiteral(":") + QString::fromLatin1(number);
        }
        if (displayName().isEmpty()) {
            stopServer();
            qputenv("QT_QPA_PLATFORM", "offscreen");
        } else {
            qputenv("DISPLAY", displayName().toLatin1());
            qputenv("QT_QPA_PLATFORM", "xcb");
            // No desktop session runs on that display, so no session bus either: the bus
            // library would otherwise look for one through the display.
            qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/calvix-test-bus");
        }
        QStandardPaths::setTestModeEnabled(true);
        m_app = std::make_unique<QApplication>(m_argc, m_argv);
    }

    void TearDown() override {
        m_app.reset();
        stopServer();
    }

private:
    void stopServer() {
        if (m_server.state() == QProcess::NotRunning) return;
        m_server.terminate();
        if (!m_server.waitForFinished(5000)) m_server.kill();
        m_server.waitForFinished(1000);
    }

    int& m_argc;
    char** m_argv;
    QProcess m_server;
    std::unique_ptr<QApplication> m_app;
};

}  // namespace

QString xvfbDisplay() {
    return displayName();
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new XvfbEnvironment(argc, argv));
    return RUN_ALL_TESTS();
}
