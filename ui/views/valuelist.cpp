#include "valuelist.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include "layout.h"
#include "listcolumns.h"
#include "qtports.h"

namespace {

// Report-style grid lines between the cells.
class GridLines : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(p, option, index);
        p->save();
        p->setPen(option.palette.color(QPalette::Midlight).darker(115));
        const QRect r = option.rect;
        p->drawLine(r.right(), r.top(), r.right(), r.bottom());
        p->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p->restore();
    }
};

}  // namespace

ValueList::ValueList(QWidget* parent, const QString& objectName, const QStringList& headers,
                     int listTag, int valueWidth, int unitWidth, int unitMinimum)
    : m_list(new QTreeWidget(parent)) {
    m_list->setObjectName(objectName);
    LAYOUT_SetTag(m_list, listTag);
    m_list->setColumnCount(3);
    m_list->setHeaderLabels(headers);
    m_list->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setItemDelegate(new GridLines(m_list));
    QHeaderView* header = m_list->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionResizeMode(1, QHeaderView::Interactive);
    header->setSectionResizeMode(2, QHeaderView::Interactive);
    header->resizeSection(1, valueWidth);
    header->resizeSection(2, std::max(unitWidth, unitMinimum));
    // The three columns share the list's width so that names, values and units stay readable.
    VIEW_FitListColumns(m_list, unitMinimum);
}

int ValueList::rowCount() const {
    return m_list->topLevelItemCount();
}

ByteString ValueList::cell(int row, int column) const {
    const QTreeWidgetItem* it = m_list->topLevelItem(row);
    return it ? fromQ(it->text(column)) : ByteString();
}

void ValueList::setCell(int row, int column, const ByteString& text) {
    if (QTreeWidgetItem* it = m_list->topLevelItem(row)) {
        it->setText(column, toQ(text));
        it->setToolTip(column, toQ(text));
        ++m_writes;
    }
}

void ValueList::appendRow(const ByteString& caption, const ByteString& sub1,
                          const ByteString& sub2) {
    auto* it = new QTreeWidgetItem(QStringList{toQ(caption), toQ(sub1), toQ(sub2)});
    it->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    // A narrow column elides long texts; the tool tip shows them whole.
    for (int c = 0; c < 3; ++c) it->setToolTip(c, it->text(c));
    m_list->addTopLevelItem(it);
    ++m_writes;
}

void ValueList::deleteRow(int row) {
    if (QTreeWidgetItem* it = m_list->takeTopLevelItem(row)) {
        delete it;
        ++m_writes;
    }
}

void ValueList::clear() {
    if (m_list->topLevelItemCount() == 0) return;
    m_list->clear();
    ++m_writes;
}
