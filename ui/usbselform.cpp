#include "usbselform.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "qtports.h"

TEXTRA_USB_Sel::TEXTRA_USB_Sel(D2XXUnit& d2xx, ITimerFactory& timers,
                               std::function<void(int)> showHelp, QWidget* parent)
    : QDialog(parent, kFixedDialogFlags), m_selection(d2xx), m_timer(timers.createTimer()) {
    setObjectName(QStringLiteral("EXTRA_USB_Sel"));
    setWindowTitle(tr("USB-Gerät auswählen"));
    m_timer->setInterval(AdapterSelection::ScanIntervalMs);
    m_timer->onTimeout = [this] { Timer1Timer(); };

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("USBListView"));
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({tr("Geräte-ID"), tr("Beschreibung")});
    m_list->setColumnWidth(0, 81);
    m_list->setColumnWidth(1, 207);
    m_list->setRootIsDecorated(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setMinimumSize(81 + 207 + 30, 180);

    const DialogButtons buttons = DIALOG_OkCancelButtons(this, tr("OK"), tr("Abbrechen"));
    m_ok = buttons.ok;
    m_cancel = buttons.cancel;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { USBListViewDblClick(); });
    DIALOG_AddHelpKey(this, kHelpContext, std::move(showHelp));
}

TEXTRA_USB_Sel::~TEXTRA_USB_Sel() {
    m_timer->stop();
}

ByteString TEXTRA_USB_Sel::Execute(const ByteString& currentSerial) {
    m_currentSerial = currentSerial;
    m_selection.begin();
    USBSEL_FillList();
    Timer1Timer();  // the first tick at once, the next ones every 250 ms
    const int result = runModal(*this);
    m_timer->stop();
    if (result != ResultOk) return currentSerial;
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? ByteString() : fromQ(selected.front()->text(0));
}

void TEXTRA_USB_Sel::Timer1Timer() {
    m_timer->stop();
    if (m_selection.scan()) USBSEL_FillList();
    m_timer->start();
}

void TEXTRA_USB_Sel::USBSEL_FillList() {
    m_list->clear();
    for (int n = 1; n <= m_selection.foundCount(); ++n) {
        const AdapterSelection::Found& e = m_selection.entry(n);
        auto* item = new QTreeWidgetItem(QStringList{toQ(e.serial), toQ(e.description)});
        m_list->addTopLevelItem(item);
        // The adapter in use is marked, so OK as it stands keeps it.
        if (!m_currentSerial.empty() && e.serial == m_currentSerial) m_list->setCurrentItem(item);
    }
}

void TEXTRA_USB_Sel::USBListViewDblClick() {
    done(ResultOk);
}
