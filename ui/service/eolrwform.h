// The parameter-set window ("Parametersatz bearbeiten"): the grid editor of a set with its
// program, save, print and close buttons. It owns the parameter-set logic (EolParamSetService)
// and is its editor view; the window is only ever shown modally, by the logic's ShowEditor.
#pragma once

#include <QDialog>
#include <functional>

#include "eolparamset.h"
#include "modaldialog.h"
#include "statelistener.h"
#include "viewcontext.h"

class QPushButton;
class QTableWidget;
class QTableWidgetItem;

class TDS_EOL_RW_Form : public QDialog,
                        public IEolEditorView,
                        public ModalHook<TDS_EOL_RW_Form>,
                        public StateListener {
    Q_OBJECT
public:
    static constexpr int kFormTag = 5;

    TDS_EOL_RW_Form(EolParamSetPorts ports, ViewContext context, QWidget* parent = nullptr);

    EolParamSetService& service() { return m_service; }
    // The main window's hooks and actions.
    void SetLinkState(bool adapterReady) override { m_service.SetLinkState(adapterReady); }
    void SetDeviceClass(uint8_t deviceClass) override { m_service.SetDeviceClass(deviceClass); }
    bool BufferHasData() const { return m_service.BufferHasData(); }
    void WriteParamSet(int code) { m_service.WriteParamSet(code); }
    void ReadParamSet(int code) { m_service.ReadParamSet(code); }
    void ClearBuffer() { m_service.ClearBuffer(); }
    void Button4Click();  // "&Drucken"

    // IEolEditorView
    int runEditor(EolGrid& grid) override;
    void enableProgram(bool enabled) override;

    QTableWidget* EOLGrid() const { return m_grid; }
    QPushButton* SaveButton() const { return m_save; }
    QPushButton* PrintButton() const { return m_print; }
    QPushButton* CloseButton() const { return m_close; }
    // Puts a text into a cell as the user's typing would, and commits it.
    void typeIntoCell(int32_t address, const QString& text);

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void FillGrid();
    void ShowCell(int32_t address);
    void onItemChanged(QTableWidgetItem* item);

    EolParamSetService m_service;
    ViewContext m_ctx;
    EolGrid* m_editing = nullptr;
    bool m_filling = false;
    QTableWidget* m_grid = nullptr;
    QPushButton* m_program = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_close = nullptr;
};
