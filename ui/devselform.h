// The device selection: which heater type the diagnosis assumes (one of six rows), or automatic
// detection. Automatic detection needs the adapter, a manual choice does not.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>

#include "modaldialog.h"
#include "statelistener.h"

class QPushButton;
class QTreeWidget;

class TDEV_SEL_Form : public QDialog, public ModalHook<TDEV_SEL_Form>, public StateListener {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 101;

    explicit TDEV_SEL_Form(std::function<void(int context)> showHelp, QWidget* parent = nullptr);

    // "automatische Suche" is offered exactly while the adapter is ready.
    void SetLinkState(bool adapterReady) override;
    bool HeldAdapterReady() const { return m_adapterReady; }

    // Shows the list with the row `index` selected (-1 selects the first row) and returns the
    // chosen row: OK gives the selected row (-1 when none is selected), "automatische Suche"
    // gives -1 (detection), any other close gives `index` back.
    int32_t DEVSEL_Execute(int32_t index);
    void DEVListViewDblClick();

    QTreeWidget* DEVListView() const { return m_list; }
    QPushButton* OKBtn() const { return m_ok; }
    QPushButton* CancelBtn() const { return m_cancel; }
    QPushButton* AutoBtn() const { return m_auto; }

private:
    QTreeWidget* m_list = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_auto = nullptr;
    bool m_adapterReady = false;
};
