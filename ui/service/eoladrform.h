// The single EOL cell window ("EOL-Zelle"): an address in hex, decimal or binary, "Lesen"
// shows the cell's content in the three notations, a new value and "Schreiben" writes it. The
// window holds the fields; the logic and its requests are EolCellService's.
#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "eolcell.h"
#include "statelistener.h"
#include "viewcontext.h"

class QLineEdit;
class QPushButton;
class QtLineEdit;

class TDS_EOL_ADR_Form : public QDialog, public StateListener {
    Q_OBJECT
public:
    static constexpr int kFormTag = 4;
    static constexpr int kHelpContext = 504;

    TDS_EOL_ADR_Form(MainEngine& engine, BusLayers& buses, ViewContext context,
                     QWidget* parent = nullptr);
    ~TDS_EOL_ADR_Form() override;

    EolCellService& service() { return *m_service; }
    void SetLinkState(bool adapterReady) override { m_service->SetLinkState(adapterReady); }
    void SetDeviceClass(uint8_t deviceClass) override { m_service->SetDeviceClass(deviceClass); }

    // Edit1, Edit3, Edit4 (address), Edit5..7 (current), Edit8..10 (new), in this order.
    QLineEdit* edit(int number) const;
    QPushButton* Button2() const { return m_read; }
    QPushButton* Button3() const { return m_write; }

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void leave(QLineEdit* field);

    ViewContext m_ctx;
    std::vector<QLineEdit*> m_edits;  // by field number 1..10 (2 unused)
    std::vector<std::unique_ptr<QtLineEdit>> m_wrappers;
    QPushButton* m_read = nullptr;
    QPushButton* m_write = nullptr;
    std::unique_ptr<EolCellService> m_service;
    bool m_inExit = false;
};
