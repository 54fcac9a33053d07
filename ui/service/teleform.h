// The free telegram window: one telegram typed as hex bytes, sent to the connected control unit
// over the bus of the active device class, and the answer's bytes. Not modal; it stays on top
// and keeps its own placement (slot 3). The logic is the engine's FreeTelegram; the window only
// shows and collects.
#pragma once

#include <QDialog>
#include <memory>

#include "freetelegram.h"
#include "qtcontrols.h"
#include "statelistener.h"
#include "viewcontext.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TEXTRA_Tele_Form : public QDialog, private IFreeTelegramView, public StateListener {
    Q_OBJECT
public:
    static constexpr int kFormTag = 3;
    static constexpr int kHelpContext = 602;

    // engine and buses: the scheduler's engine and the diagnosis session's bus layers.
    TEXTRA_Tele_Form(MainEngine& engine, BusLayers& buses, ViewContext context,
                     QWidget* parent = nullptr);
    ~TEXTRA_Tele_Form() override;

    // The request client that goes into the scheduler's free telegram slot.
    FreeTelegram& client() { return *m_client; }
    void SetLinkState(bool adapterReady) override { m_client->SetLinkState(adapterReady); }
    void SetDeviceClass(uint8_t deviceClass) override { m_client->SetDeviceClass(deviceClass); }

    void Button2Click() { m_client->Button2Click(); }
    void Button1Click() { close(); }

    QComboBox* ComboBox1() const { return m_combo; }
    QLabel* Label2() const { return m_example; }
    QLineEdit* Edit1() const { return m_edit1; }
    QLineEdit* Edit2() const { return m_edit2; }
    QLineEdit* Edit3() const { return m_edit3; }
    QPushButton* Button1() const { return m_close; }
    QPushButton* Button2() const { return m_send; }

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // IFreeTelegramView
    IComboControl& telegramEdit() override { return *m_comboControl; }
    IEditControl& sourceEdit() override { return *m_edit1Control; }
    IEditControl& targetEdit() override { return *m_edit2Control; }
    IEditControl& answerEdit() override { return *m_edit3Control; }
    void setSendEnabled(bool enabled) override;
    void setExample(const ByteString& text) override;
    void setHistory(const std::vector<ByteString>& entries) override;

    ViewContext m_ctx;
    QComboBox* m_combo = nullptr;
    QLabel* m_example = nullptr;
    QLineEdit* m_edit1 = nullptr;
    QLineEdit* m_edit2 = nullptr;
    QLineEdit* m_edit3 = nullptr;
    QPushButton* m_send = nullptr;
    QPushButton* m_close = nullptr;
    std::unique_ptr<QtComboEdit> m_comboControl;
    std::unique_ptr<QtLineEdit> m_edit1Control;
    std::unique_ptr<QtLineEdit> m_edit2Control;
    std::unique_ptr<QtLineEdit> m_edit3Control;
    std::unique_ptr<FreeTelegram> m_client;
    bool m_inExit = false;
};
