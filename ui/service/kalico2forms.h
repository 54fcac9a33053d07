// The two dialogs of the CO2 adjustment: the wait dialog ("CO2-Abgleich abwarten") while the
// heater starts and the flame stabilises, and the speed dialog ("CO2-Einstellung") in which the
// technician assigns blower speeds and saves one.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

#include "calibration.h"
#include "servicedialog.h"
#include "viewcontext.h"

class TKALI_CO2_WAIT_Form : public ServiceDialog, public ICo2WaitDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 411;
    TKALI_CO2_WAIT_Form(ViewContext context, QWidget* parent = nullptr);

    int Execute() override;
    void SetStage(int stage) override;
    void SetStateText(const ByteString& text) override;
    void SetTime(int seconds) override;
    bool isShown() const override { return isShownModal(); }
    void end(int result) override { endModal(result); }

    QPushButton* CancelButton() const { return m_cancel; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    ViewContext m_ctx;
    QLabel* m_stage = nullptr;
    QLabel* m_state = nullptr;
    QProgressBar* m_time = nullptr;
    QPushButton* m_cancel = nullptr;
};

class TKALI_CO2_EDIT_Form : public ServiceDialog, public ICo2EditDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 412;
    static constexpr int kStep = 100;
    // assign: the calibration's AssignSpeed.
    TKALI_CO2_EDIT_Form(ViewContext context, std::function<void(int32_t)> assign,
                        QWidget* parent = nullptr);

    int Execute(int32_t minimum, int32_t maximum, int32_t current) override;
    void SetActualSpeed(const ByteString& text) override;
    bool isShown() const override { return isShownModal(); }
    void end(int result) override { endModal(result); }

    // The new speed: the up/down arrows, leaving the field, and "Zuweisen".
    void stepPosition(int steps);
    void newSpeedExit();
    void assignClick();
    int position() const { return m_position; }
    int32_t AssignedPosition = 0;

    QLineEdit* MinimumField() const { return m_min; }
    QLineEdit* MaximumField() const { return m_max; }
    QLineEdit* NewSpeedField() const { return m_new; }
    QPushButton* SaveButton() const { return m_save; }
    QPushButton* CancelButton() const { return m_cancel; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void setPosition(int position);
    void updateSave();

    ViewContext m_ctx;
    std::function<void(int32_t)> m_assignSpeed;
    int32_t m_minimum = 0, m_maximum = 0;
    int m_position = 0;
    bool m_inExit = false;
    QLineEdit* m_min = nullptr;
    QLineEdit* m_max = nullptr;
    QLineEdit* m_actual = nullptr;
    QLineEdit* m_new = nullptr;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
    QPushButton* m_assign = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
};
