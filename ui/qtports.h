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
// The program's names, set once at start: the application and organisation names (where the
// settings live) and the application's title.
void setProgramNames(const QString& title);

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

class QPrinter;

// Every box and dialog of the program comes up in front of all its other windows, the ones that
// stay on top included, with the focus. UI_DialogOwner is its parent: the modal dialog or the
// stay-on-top window that opened it, else any window that stays on top, else `fallback`.
// UI_PrepareDialog, called before the dialog is shown, keeps it above the stay-on-top windows
// and brings it to the front once it shows.
QWidget* UI_DialogOwner(QWidget* fallback);
void UI_PrepareDialog(QWidget* dialog);

// Message boxes and the main window's open, save and print dialogs.
class QtUserInteraction : public IUserInteraction {
public:
    explicit QtUserInteraction(QWidget* parent);
    ~QtUserInteraction() override;
    int messageBox(MsgKind kind, const ByteString& text, int buttons, int helpContext = 0) override;
    std::optional<FileDialogChoice> openFileDialog(const FileDialogRequest& request) override;
    std::optional<FileDialogChoice> saveFileDialog(const FileDialogRequest& request) override;
    // One printer set-up for the whole run, so the dialog offers the last choice again.
    std::optional<PrintChoice> printDialog(const PrintRequest& request) override;
    // The save dialog's default extension for a filter (1-based index); runs when the dialog
    // opens and whenever the user picks another filter (the main window's SaveDialog1TypeChange).
    std::function<ByteString(const ByteString& filter, int filterIndex)> saveDialogTypeChange;
    // Shows a help topic: what a box's Help button runs (the program's help service).
    std::function<void(int helpContext)> showHelp;

private:
    QPointer<QWidget> m_parent;
    std::unique_ptr<QPrinter> m_printer;
};

// "Caption (*.a)|*.A|..." pairs into Qt's name filters: the caption as shown (once), with the
// patterns in parentheses unless the caption names them already.
QStringList toQtFilters(const ByteString& filter);
