#include "listcolumns.h"

#include <QEvent>
#include <QHeaderView>
#include <QTimer>
#include <QTreeView>
#include <algorithm>

#include "layout.h"

namespace {

class ValueColumnFit : public QObject {
public:
    ValueColumnFit(QTreeView* list, int column)
        : QObject(list),
          m_list(list),
          m_headerArea(list->header()->viewport()),
          m_listArea(list->viewport()),
          m_column(column),
          m_base(list->columnWidth(column)) {
        connect(list->header(), &QHeaderView::sectionResized, this,
                [this](int section, int, int size) { sectionResized(section, size); });
        m_headerArea->installEventFilter(this);
        m_listArea->installEventFilter(this);
        if (QAbstractItemModel* model = list->model()) {
            connect(model, &QAbstractItemModel::dataChanged, this, &ValueColumnFit::schedule);
            connect(model, &QAbstractItemModel::rowsInserted, this, &ValueColumnFit::schedule);
            connect(model, &QAbstractItemModel::rowsRemoved, this, &ValueColumnFit::schedule);
            connect(model, &QAbstractItemModel::modelReset, this, &ValueColumnFit::schedule);
            connect(model, &QAbstractItemModel::layoutChanged, this, &ValueColumnFit::schedule);
        }
        keepBase();
        schedule();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == m_headerArea) {
            // A section resized while a mouse button is down on the header is the user's.
            if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick)
                m_userHand = true;
            else if (e->type() == QEvent::MouseButtonRelease)
                m_userHand = false;
        } else if (watched == m_listArea && e->type() == QEvent::Resize) {
            schedule();
        }
        return QObject::eventFilter(watched, e);
    }

private:
    void sectionResized(int section, int size) {
        if (section != m_column || m_fitting) return;
        if (m_userHand) {
            m_byHand = true;
            // The user's width is the one to keep: the settings take the shown width again.
            LAYOUT_KeepColumnWidth(m_list, m_column, -1);
        } else {
            m_base = size;
            keepBase();
        }
        schedule();
    }

    // The settings keep the width the program set, not the one widened for the texts, so
    // the layout does not grow from run to run.
    void keepBase() {
        if (!m_byHand) LAYOUT_KeepColumnWidth(m_list, m_column, m_base);
    }

    // Many cells change in one refresh: the width is worked out once, when they are done.
    void schedule() {
        if (m_due || m_byHand) return;
        m_due = true;
        QTimer::singleShot(0, this, [this] {
            m_due = false;
            fit();
        });
    }

    void fit() {
        if (m_byHand) return;
        const QAbstractItemView* view = m_list;  // the tree view keeps it protected
        const int widest = std::max(view->sizeHintForColumn(m_column),
                                    m_list->header()->sectionSizeHint(m_column));
        const int room = m_list->viewport()->width() / 2;
        int width = std::max(m_base, std::min(widest, room));
        // A list too narrow even for the width the program set: the column gives way as well,
        // so that no column lies out of sight (a stretching one keeps its least width), down
        // to the header's least width.
        const QHeaderView* header = m_list->header();
        int others = 0;
        for (int i = 0; i < header->count(); ++i) {
            if (i == m_column || header->isSectionHidden(i)) continue;
            others += header->sectionResizeMode(i) == QHeaderView::Stretch
                          ? header->minimumSectionSize()
                          : header->sectionSize(i);
        }
        const int inSight = m_list->viewport()->width() - others;
        width = std::max(std::min(width, inSight), header->minimumSectionSize());
        if (width == m_list->columnWidth(m_column)) return;
        m_fitting = true;
        m_list->setColumnWidth(m_column, width);
        m_fitting = false;
    }

    QTreeView* m_list;
    // Watched for the user's hand and the list's width; compared only, never called, since
    // they may send events while the list is being taken down.
    QObject* m_headerArea;
    QObject* m_listArea;
    int m_column;
    int m_base;  // the width the program set
    bool m_byHand = false;
    bool m_userHand = false;
    bool m_fitting = false;
    bool m_due = false;
};

}  // namespace

void VIEW_FitValueColumn(QTreeView* list, int column) {
    if (list && column >= 0) new ValueColumnFit(list, column);
}
