// The program's main window: an MDI frame that holds every other window.
#pragma once

#include <QMainWindow>
#include <QMdiArea>
#include <memory>

#include "qtports.h"

class TMAIN_Form : public QMainWindow {
    Q_OBJECT
public:
    explicit TMAIN_Form(QWidget* parent = nullptr);
    ~TMAIN_Form() override;

    QMdiArea* mdiArea() const { return m_mdi; }
    IUserInteraction& userInteraction() { return *m_ui; }
    ITimerFactory& timers() { return m_timers; }

private:
    QMdiArea* m_mdi;
    std::unique_ptr<QtUserInteraction> m_ui;
    QtTimerFactory m_timers;
};
