// The measurement log's start dialog ("Protokolldatei"): the file name with a browse button and
// the interval in seconds (1..1000) with its spin buttons. It owns the running log
// (MeasurementLog), which writes the file on its own timer until it is stopped.
#pragma once

#include <QDialog>
#include <functional>

#include "measurementlog.h"
#include "modaldialog.h"
#include "statelistener.h"
#include "viewcontext.h"

class MainSettings;
class QLineEdit;
class QPushButton;
class UpDownButtons;

class TPROT_START_Form : public QDialog, public ModalHook<TPROT_START_Form>, public StateListener {
    Q_OBJECT
public:
    static constexpr int kFormTag = 7;
    static constexpr int kHelpContext = 108;
    // Modal results of the two buttons.
    static constexpr int ResultOk = 1;
    static constexpr int ResultCancel = 3;

    // settings: the log's file name and interval (LogFileName, LogInterval) live there.
    TPROT_START_Form(const DataPointTable& dataPoints, MainSettings* settings,
                     ITimerFactory& timers, ViewContext context, MeasurementLog::Hooks hooks,
                     QWidget* parent = nullptr);

    // The start: the dialog, then the file, the side file, the header and the timer. true when
    // the log runs.
    bool PROT_Start();
    void PROT_Stop();
    void PROT_SetFileName(const QString& name);
    void PROT_EnableControls(bool on);
    void SetLinkState(bool adapterReady) override { m_log.SetLinkState(adapterReady); }
    void SetDeviceClass(uint8_t deviceClass) override { m_log.SetDeviceClass(deviceClass); }

    void Button3Click();
    void Edit2Exit();

    MeasurementLog& log() { return m_log; }
    QLineEdit* Edit1() const { return m_edit1; }
    QLineEdit* Edit2() const { return m_edit2; }
    UpDownButtons* UpDown1() const { return m_upDown; }
    QPushButton* Button2() const { return m_ok; }
    QPushButton* Button3() const { return m_browse; }

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Whether the name field names a file (not blank, not only a folder); OK waits for one.
    bool namesAFile() const;
    void updateOk();

    MainSettings* m_settings;
    ViewContext m_ctx;
    MeasurementLog m_log;
    QLineEdit* m_edit1 = nullptr;
    QLineEdit* m_edit2 = nullptr;
    UpDownButtons* m_upDown = nullptr;
    QPushButton* m_browse = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_inExit = false;
    bool m_controlsOn = true;  // as PROT_EnableControls last set them
};

// Two small arrow buttons that count a position within a range and show it in an edit.
class UpDownButtons : public QWidget {
    Q_OBJECT
public:
    UpDownButtons(QLineEdit* associate, int minimum, int maximum, QWidget* parent = nullptr);
    int position() const { return m_position; }
    // Kept within the range; the edit shows the position.
    void setPosition(int position);
    void step(int delta) { setPosition(m_position + delta); }

private:
    QLineEdit* m_edit;
    int m_min;
    int m_max;
    int m_position;
};
