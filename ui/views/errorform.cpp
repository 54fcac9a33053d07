#include "errorform.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <string>

#include "devicelist.h"
#include "errortables.h"
#include "qtports.h"
#include "rounding.h"

namespace {

ByteString keyOf(const char* field, int n) {
    return ByteString(field) + std::to_string(n);
}

}  // namespace

TANSI_ERROR_Form::TANSI_ERROR_Form(DataPointTable& dataPoints, ViewContext ctx, QWidget* parent)
    : ViewForm(kFormTag, kHelpContext, std::move(ctx), parent), m_dp(dataPoints) {
    setObjectName(QStringLiteral("ANSI_ERROR_Form"));
    setWindowTitle(tr("Fehleranzeige"));
    setMinimumSize(200, 200);

    m_control = std::make_unique<ValueList>(this, QStringLiteral("ErrorList"),
                                            QStringList{tr("Parameter"), tr("Wert"), tr("Einheit")},
                                            kListTag, 167, 167, 100);
    m_list = m_control->widget();
    m_list->viewport()->setMouseTracking(true);
    m_list->viewport()->installEventFilter(this);
    m_list->installEventFilter(this);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, [this] { ErrorListSelectItem(); });
    // The selected row's bounds follow the list when it scrolls.
    connect(m_list->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { refreshSelectedRowRect(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);

    // The main window's error-delete action, offered on the list too.
    m_deleteAction = new QAction(tr("Fehlerspeicher &löschen"), this);
    m_deleteAction->setObjectName(QStringLiteral("ErrorDeleteAction"));
    connect(m_deleteAction, &QAction::triggered, this, [this] {
        if (context().requestErrorDelete) context().requestErrorDelete();
    });
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        updateDeleteAction();
        if (!m_deleteAction->isVisible()) return;
        QMenu menu(this);
        menu.addAction(m_deleteAction);
        menu.exec(m_list->viewport()->mapToGlobal(pos));
    });
    updateDeleteAction();
    resize(520, 420);
}

TANSI_ERROR_Form::~TANSI_ERROR_Form() = default;

const IListControl& TANSI_ERROR_Form::listControl() const {
    return *m_control;
}

uint64_t TANSI_ERROR_Form::writeCount() const {
    return m_control->writes();
}

void TANSI_ERROR_Form::FormShow() {
    ViewForm::FormShow();
    if (context().restoreColumns) context().restoreColumns(m_list, kListTag);
}

// ---- state hooks ---------------------------------------------------------------------------

void TANSI_ERROR_Form::SetLinkState(bool adapterReady) {
    if (adapterReady == m_heldAdapterReady) return;
    m_heldAdapterReady = adapterReady;
    m_refreshDue = true;
    if (!adapterReady) emptyList();
    updateDeleteAction();
}

void TANSI_ERROR_Form::SetDeviceClass(uint8_t deviceClass) {
    if (deviceClass == m_heldDeviceClass) return;
    m_heldDeviceClass = deviceClass;
    m_refreshDue = true;  // another row set, even for an unchanged table
    if (m_heldAdapterReady && deviceClass == dcNone) emptyList();
    updateDeleteAction();
}

void TANSI_ERROR_Form::emptyList() {
    m_control->clear();
    m_refreshDue = true;
    ErrorListSelectItem();
}

void TANSI_ERROR_Form::updateDeleteAction() {
    const ViewContext& ctx = context();
    m_deleteAction->setVisible(static_cast<bool>(ctx.requestErrorDelete));
    m_deleteAction->setEnabled(ctx.errorDeleteEnabled
                                   ? ctx.errorDeleteEnabled()
                                   : m_heldAdapterReady && m_heldDeviceClass >= dcKX3090 &&
                                         m_heldDeviceClass <= dcKX3166);
}

// ---- the list ------------------------------------------------------------------------------

long double TANSI_ERROR_Form::codeValue(int n) const {
    return m_dp.DP_GetValue(keyOf("ERRCODE", n)).Value;
}

bool TANSI_ERROR_Form::entryValid(int n) const {
    return codeValue(n) > 0;
}

void TANSI_ERROR_Form::ShowValues() {
    // Without the adapter the list stays empty until the next session fills it.
    if (!m_heldAdapterReady) return;
    const ErrorClassRows* rows = ERROR_ClassRows(m_heldDeviceClass);
    if (!rows) return;
    // An unchanged table gives the same list: nothing to write.
    if (!m_refreshDue && m_dp.changeCounter() == m_seenChanges) return;
    m_refreshDue = false;
    m_seenChanges = m_dp.changeCounter();

    const int k = static_cast<int>(rows->keys.size());
    if (rows->counted)
        showCounted(k, *rows);
    else
        showFirst(k, *rows);
    refreshSelectedRowRect();
}

void TANSI_ERROR_Form::showCounted(int k, const ErrorClassRows& rows) {
    const int count = std::min(TOOL_Round<int32_t>(m_dp.DP_GetValue("OVRERRCNT").Value), kSlots);
    for (int n = 1; n <= count; ++n) {
        const bool valid = entryValid(n);
        writeEntry(n, rows, valid);
        ErrorHelpEntry& slot = m_helpEntries[static_cast<size_t>(n)];
        if (valid)
            slot = {TOOL_Round<int32_t>(codeValue(n)), (n - 1) * k, (n - 1) * k + k - 1};
        else
            slot.Code = 0;
    }
    // Trailing groups whose code is gone are removed from the end; a gap in the middle stays.
    for (int n = kSlots; n >= 1; --n) {
        if (codeValue(n) != 0) break;
        for (int r = (n - 1) * k + k - 1; r >= (n - 1) * k; --r) TOOL_ListDeleteRow(*m_control, r);
        m_helpEntries[static_cast<size_t>(n)].Code = 0;
    }
}

void TANSI_ERROR_Form::showFirst(int k, const ErrorClassRows& rows) {
    int first = rows.entries + 1;  // first entry that is not shown
    for (int n = 1; n <= rows.entries; ++n) {
        if (!entryValid(n)) {
            first = n;
            break;
        }
        writeEntry(n, rows, true);
        m_helpEntries[static_cast<size_t>(n)] = {TOOL_Round<int32_t>(codeValue(n)), (n - 1) * k,
                                                 (n - 1) * k + k - 1};
    }
    // Nothing after a gap is shown, however valid it is.
    for (int r = m_control->rowCount() - 1; r >= (first - 1) * k; --r)
        TOOL_ListDeleteRow(*m_control, r);
    for (int n = first; n <= kSlots; ++n) m_helpEntries[static_cast<size_t>(n)].Code = 0;
}

void TANSI_ERROR_Form::writeEntry(int n, const ErrorClassRows& rows, bool valid) {
    const int k = static_cast<int>(rows.keys.size());
    for (int i = 0; i < k; ++i)
        ERROR_SetRow((n - 1) * k + i, keyOf(rows.keys[static_cast<size_t>(i)], n), valid);
}

void TANSI_ERROR_Form::ERROR_SetRow(int row, const ByteString& key, bool valid) {
    if (!valid) {
        for (int c = 0; c < 3; ++c) TOOL_ListSetCell(*m_control, row, c, ByteString());
        return;
    }
    const TWerteDaten e = m_dp.DP_Find(key);
    TOOL_ListSetCell(*m_control, row, 0, e.Caption);
    TOOL_ListSetCell(*m_control, row, 1, e.Value.Text);
    TOOL_ListSetCell(*m_control, row, 2, e.Unit);
}

void TANSI_ERROR_Form::ClearErrorList() {
    if (m_heldDeviceClass != dcKX3090 && m_heldDeviceClass != dcKX3117) return;
    m_dp.DP_SetValue("OVRERRCNT", 0, "0", 0);
    for (int n = 1; n <= kSlots; ++n) m_dp.DP_SetValue(keyOf("ERRCODE", n), 0, "", 0);
    ShowValues();
}

// ---- help by error code --------------------------------------------------------------------

void TANSI_ERROR_Form::ERROR_ShowHelpForRow(int row) {
    for (int n = 1; n <= kSlots; ++n) {
        const ErrorHelpEntry& e = m_helpEntries[static_cast<size_t>(n)];
        if (e.Code == 0 || row < e.FirstRow || row > e.LastRow) continue;
        const int topic = ERROR_HelpContext(m_heldDeviceClass, e.Code);
        if (topic != 0) showHelp(topic);
        return;
    }
}

int TANSI_ERROR_Form::selectedRow() const {
    const QList<QTreeWidgetItem*> sel = m_list->selectedItems();
    return sel.isEmpty() ? -1 : m_list->indexOfTopLevelItem(sel.first());
}

void TANSI_ERROR_Form::ErrorListSelectItem() {
    refreshSelectedRowRect();
    setHandCursor(false);
}

void TANSI_ERROR_Form::refreshSelectedRowRect() {
    const int row = selectedRow();
    m_selectedRowRect = row < 0 ? QRect() : m_list->visualItemRect(m_list->topLevelItem(row));
}

void TANSI_ERROR_Form::ErrorListMouseMove(int y) {
    const QRect& r = m_selectedRowRect;
    setHandCursor(selectedRow() >= 0 && y > r.top() && y < r.top() + r.height());
}

void TANSI_ERROR_Form::setHandCursor(bool hand) {
    if (hand == m_handCursor) return;
    m_handCursor = hand;
    if (hand)
        m_list->viewport()->setCursor(Qt::PointingHandCursor);
    else
        m_list->viewport()->unsetCursor();
}

bool TANSI_ERROR_Form::eventFilter(QObject* watched, QEvent* e) {
    if (watched == m_list->viewport()) {
        if (e->type() == QEvent::MouseMove) {
            ErrorListMouseMove(static_cast<QMouseEvent*>(e)->position().toPoint().y());
        } else if (e->type() == QEvent::MouseButtonPress) {
            // The pointer is on the row selected before: that row's topic.
            const int row = selectedRow();
            if (m_handCursor && row >= 0) ERROR_ShowHelpForRow(row);
        }
    } else if (watched == m_list && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        const int row = selectedRow();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && row >= 0) ERROR_ShowHelpForRow(row);
    }
    return ViewForm::eventFilter(watched, e);
}
