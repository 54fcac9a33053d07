// The software programming window: it shows the loaded S-record file, read-only, while the
// programming (FlashProgrammer, owned by the main window beside the session) checks it and
// sends it under the progress dialog. One instance for the program's run; the main window's
// action "Steuergerät programmieren..." runs Execute.
#pragma once

#include <QWidget>

#include "flashprogrammer.h"
#include "statelistener.h"

class QPlainTextEdit;

class TEXTRA_FLASH_Form : public QWidget, public StateListener {
    Q_OBJECT
public:
    explicit TEXTRA_FLASH_Form(QWidget* parent);

    // The programming the window shows; it must outlive its use here.
    void setProgrammer(FlashProgrammer* programmer) { m_programmer = programmer; }
    FlashProgrammer* programmer() const { return m_programmer; }

    void Execute() {
        if (m_programmer) m_programmer->Execute();
    }
    void SetLinkState(bool adapterReady) override {
        if (m_programmer) m_programmer->SetLinkState(adapterReady);
    }
    void SetDeviceClass(uint8_t deviceClass) override {
        if (m_programmer) m_programmer->SetDeviceClass(deviceClass);
    }
    // The loaded file, shown in the window.
    void showFile(const ByteString& text);

    QPlainTextEdit* Memo1() const { return m_memo; }

private:
    QPlainTextEdit* m_memo = nullptr;
    FlashProgrammer* m_programmer = nullptr;
};
