// The component test window ("Komponententest"): the list of the class's components as radio
// buttons, the optional setpoint and runtime, and the buttons that switch the chosen component
// on or everything off. It shows what KompTest holds and hands it the user's clicks.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <memory>

#include "komptest.h"
#include "qtcontrols.h"
#include "servicedialog.h"
#include "statelistener.h"
#include "viewcontext.h"

class TKOMP_TEST_Form : public ServiceDialog, public StateListener {
    Q_OBJECT
public:
    static constexpr int kFormTag = 12;

    TKOMP_TEST_Form(DiagSession& session, ViewContext context, QWidget* parent = nullptr);

    KompTest& komp() { return m_komp; }
    void SetLinkState(bool adapterReady) override { m_komp.SetLinkState(adapterReady); }
    void SetDeviceClass(uint8_t deviceClass) override { m_komp.SetDeviceClass(deviceClass); }

    QRadioButton* RadioButton(int tag) const { return m_radios.at(static_cast<size_t>(tag - 1)); }
    QLineEdit* Edit1() const { return m_edit1; }
    QLineEdit* Edit2() const { return m_edit2; }
    QLabel* Label3() const { return m_label3; }
    QLabel* Label4() const { return m_label4; }
    QPushButton* Button1() const { return m_button1; }
    QPushButton* Button2() const { return m_button2; }
    QPushButton* Button3() const { return m_button3; }
    // The window's contents as the komp engine holds them now.
    void showState();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    int runWindow();

    ViewContext m_ctx;
    KompTest m_komp;
    QtLineEdit m_edit1Control{nullptr};
    QtLineEdit m_edit2Control{nullptr};
    std::array<QRadioButton*, KompTest::RadioCount> m_radios{};
    QLineEdit* m_edit1 = nullptr;
    QLineEdit* m_edit2 = nullptr;
    QLabel* m_label3 = nullptr;
    QLabel* m_label4 = nullptr;
    QPushButton* m_button1 = nullptr;
    QPushButton* m_button2 = nullptr;
    QPushButton* m_button3 = nullptr;
    bool m_inExit = false;
};
