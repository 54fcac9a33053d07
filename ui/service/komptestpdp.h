// The pump pressure test's countdown dialog ("Pumpendruckprüfung"): 20 seconds of progress with
// the time left, and "Abbrechen". The countdown itself is KompCountdown.
#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "kompcountdown.h"
#include "servicedialog.h"

class TKOMP_TESTPDP : public ServiceDialog {
    Q_OBJECT
public:
    TKOMP_TESTPDP(ITimerFactory& timers, std::function<bool()> checkLink,
                  QWidget* parent = nullptr);

    KompCountdown& countdown() { return m_countdown; }
    int PDP_Execute() { return m_countdown.PDP_Execute(); }

    QLabel* Label4() const { return m_label4; }
    QProgressBar* ProgressBar1() const { return m_progress; }
    QPushButton* CancelBtn() const { return m_cancel; }

private:
    KompCountdown m_countdown;
    QLabel* m_label4 = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
};
