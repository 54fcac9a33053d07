// Qt implementations of the engine's ports.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "dialoghelpers.h"
#include "ports.h"

QString toQ(const ByteString& s);
ByteString fromQ(const QString& s);

// The application's title ("NAVIRON Diagnose"): the caption of the program's message boxes.
// It is kept apart from Qt's display name, which the platform would append to every window's
// caption.
void setApplicationTitle(const QString& title);
QString applicationTitle();

class QtTimer : public ITimer {
public:
    QtTimer();
    void setInterval(int ms) override { m_timer.setInterval(ms); }
    int interval() const override { return m_timer.interval(); }
    void setSingleShot(bool s) override { m_timer.setSingleShot(s); }
    void start() override { m_timer.start(); }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};

class QtTimerFactory : public ITimerFactory {
public:
    std::unique_ptr<ITimer> createTimer() override { return std::make_unique<QtTimer>(); }
};

// Message boxes and the main window's open and save dialogs.
class QtUserInteraction : public IUserInteraction {
public:
    explicit QtUserInteraction(QWidget* parent) : m_parent(parent) {}
    int messageBox(MsgKind kind, const ByteString& text, int buttons) override;
    std::optional<FileDialogChoice> openFileDialog(const FileDialogRequest& request) override;
    std::optional<FileDialogChoice> saveFileDialog(const FileDialogRequest& request) override;
    // The save dialog's default extension for a filter (1-based index); runs when the dialog
    // opens and whenever the user picks another filter (the main window's SaveDialog1TypeChange).
    std::function<ByteString(const ByteString& filter, int filterIndex)> saveDialogTypeChange;

private:
    QPointer<QWidget> m_parent;
};

// "Caption (*.a)|*.A|..." pairs into Qt's name filters: the caption as shown (once), with the
// patterns in parentheses unless the caption names them already.
QStringList toQtFilters(const ByteString& filter);
