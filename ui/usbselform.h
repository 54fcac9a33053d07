// The adapter selection: lists every attached diagnosis adapter (serial number and description,
// at most ten), refreshed four times a second while open, and returns the serial number of the
// chosen row.
#pragma once

#include <QDialog>
#include <memory>

#include "adapterselection.h"
#include "modaldialog.h"
#include "ports.h"

class QPushButton;
class QTreeWidget;

class TEXTRA_USB_Sel : public QDialog, public ModalHook<TEXTRA_USB_Sel> {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 601;

    // d2xx: the driver routines that list the adapters; timers: the program's timers.
    TEXTRA_USB_Sel(D2XXUnit& d2xx, ITimerFactory& timers, std::function<void(int context)> showHelp,
                   QWidget* parent = nullptr);
    ~TEXTRA_USB_Sel() override;

    // Shows the dialog with the row of `currentSerial` (the adapter in use) marked; OK gives the
    // serial of the selected row (empty when no row is selected), any other close gives
    // `currentSerial` back.
    ByteString Execute(const ByteString& currentSerial);
    // One refresh of the list (the timer's tick).
    void Timer1Timer();
    void USBSEL_FillList();
    void USBListViewDblClick();

    const AdapterSelection& selection() const { return m_selection; }
    QTreeWidget* USBListView() const { return m_list; }
    QPushButton* OKBtn() const { return m_ok; }
    QPushButton* CancelBtn() const { return m_cancel; }
    ITimer& Timer1() { return *m_timer; }

private:
    AdapterSelection m_selection;
    std::unique_ptr<ITimer> m_timer;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    ByteString m_currentSerial;  // the adapter in use, as Execute was given it
};
