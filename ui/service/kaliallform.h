// The calibration window: as a small modal dialog it takes the voltage of the class-1 voltage
// calibration ("Spannungsabgleich"); it also owns the CO2 adjustment, whose two dialogs are
// TKALI_CO2_WAIT_Form and TKALI_CO2_EDIT_Form. The logic is Calibration.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "calibration.h"
#include "qtcontrols.h"
#include "servicedialog.h"
#include "statelistener.h"
#include "viewcontext.h"

class TKALI_ALL_Form : public ServiceDialog, public StateListener {
    Q_OBJECT
public:
    static constexpr int kFormTag = 6;
    static constexpr int kHelpContext = 402;

    TKALI_ALL_Form(DiagSession& session, ITimerFactory& timers, ViewContext context,
                   QWidget* parent = nullptr);

    Calibration& calibration() { return m_calibration; }
    void SetLinkState(bool adapterReady) override { m_calibration.SetLinkState(adapterReady); }
    void SetDeviceClass(uint8_t deviceClass) override { m_calibration.SetDeviceClass(deviceClass); }
    void RunVoltageAdjust() { m_calibration.RunVoltageAdjust(); }
    void RunCO2Adjust() { m_calibration.RunCO2Adjust(); }

    QLineEdit* ValueEdit() const { return m_value; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    int runVoltageDialog();
    void valueExit();

    ViewContext m_ctx;
    Calibration m_calibration;
    QtLineEdit m_valueControl{nullptr};
    QLineEdit* m_value = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_inExit = false;
};
