#include "devselform.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "devicelist.h"
#include "qtports.h"

TDEV_SEL_Form::TDEV_SEL_Form(std::function<void(int)> showHelp, QWidget* parent)
    : QDialog(parent, kFixedDialogFlags) {
    setObjectName(QStringLiteral("DEV_SEL_Form"));
    setWindowTitle(tr("Steuergeräteauswahl"));

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("DEVListView"));
    m_list->setColumnCount(1);
    m_list->setHeaderLabels({tr("Bezeichnung")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < DeviceListRows; ++row)
        m_list->addTopLevelItem(new QTreeWidgetItem(QStringList{toQ(DEV_RowCaption(row))}));
    m_list->setMinimumSize(260, 150);

    const DialogButtons buttons = DIALOG_OkCancelButtons(this, tr("OK"), tr("Abbrechen"));
    m_ok = buttons.ok;
    m_cancel = buttons.cancel;
    m_auto = new QPushButton(tr("automatische Suche"), this);
    m_auto->setObjectName(QStringLiteral("AutoBtn"));
    m_auto->setAutoDefault(false);
    m_auto->setEnabled(m_adapterReady);
    buttons.row->insertWidget(0, m_auto);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_auto, &QPushButton::clicked, this, [this] { done(ResultYes); });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { DEVListViewDblClick(); });
    DIALOG_AddHelpKey(this, kHelpContext, std::move(showHelp));
}

void TDEV_SEL_Form::SetLinkState(bool adapterReady) {
    if (adapterReady == m_adapterReady) return;
    m_adapterReady = adapterReady;
    m_auto->setEnabled(adapterReady);
}

int32_t TDEV_SEL_Form::DEVSEL_Execute(int32_t index) {
    m_list->clearSelection();
    m_list->setCurrentItem(nullptr);
    // A row beyond the list selects nothing.
    if (QTreeWidgetItem* row = m_list->topLevelItem(std::max(index, 0))) {
        m_list->setCurrentItem(row);
        row->setSelected(true);
    }
    m_list->setFocus();
    switch (runModal(*this)) {
        case ResultOk: {
            const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
            return selected.isEmpty() ? -1 : m_list->indexOfTopLevelItem(selected.front());
        }
        case ResultYes:
            return -1;
        default:
            return index;
    }
}

void TDEV_SEL_Form::DEVListViewDblClick() {
    done(ResultOk);
}
