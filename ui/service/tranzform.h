// The modal progress dialog of long transfers to and from the control unit: a text line, a
// bar and "&Abbruch". One instance for the program's run; the window that transfers drives it
// through progress() and ends it with the transfer's result.
#pragma once

#include <QDialog>
#include <functional>

#include "transferprogress.h"

class QLabel;
class QProgressBar;
class QPushButton;

class TMAIN_Tranz_Form : public QDialog, public ITransferProgressView {
    Q_OBJECT
public:
    explicit TMAIN_Tranz_Form(QWidget* parent = nullptr);

    // The dialog's logic, shared with the windows that transfer.
    TransferProgress& progress() { return m_progress; }

    int32_t Execute(const ByteString& caption, const ByteString& text, int32_t maximum) {
        return m_progress.Execute(caption, text, maximum);
    }
    void SetProgress(int32_t position) { m_progress.SetProgress(position); }
    void SetText(const ByteString& text) { m_progress.SetText(text); }

    // Runs the shown dialog until it ends; empty: exec(). Tests on the manual clock advance
    // the clock here until the transfer has set its result.
    std::function<void(TMAIN_Tranz_Form& dialog)> runModalHook;

    QLabel* Label1() const { return m_label; }
    QProgressBar* ProgressBar1() const { return m_bar; }
    QPushButton* AbortButton() const { return m_abort; }

    // ITransferProgressView
    void runModal(const ByteString& caption, const ByteString& text, int32_t maximum) override;
    void showPosition(int32_t position) override;
    void showText(const ByteString& text) override;
    void endModal() override;

    // The frame's close box and Escape: the transfer is aborted (result 2).
    void reject() override;

private:
    TransferProgress m_progress{this};
    QLabel* m_label = nullptr;
    QProgressBar* m_bar = nullptr;
    QPushButton* m_abort = nullptr;
};
