#include "listcolumns.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
#include <algorithm>

#include "layout.h"

namespace {

constexpr int kName = 0;
constexpr int kValue = 1;
constexpr int kUnit = 2;

class ListColumnFit : public QObject {
public:
    ListColumnFit(QTreeView* list, int unitMinimum)
        : QObject(list),
          m_list(list),
          m_headerArea(list->header()->viewport()),
          m_listArea(list->viewport()),
          m_unitMinimum(unitMinimum) {
        m_base[kValue] = list->columnWidth(kValue);
        m_base[kUnit] = std::max(list->columnWidth(kUnit), unitMinimum);
        connect(list->header(), &QHeaderView::sectionResized, this,
                [this](int section, int, int size) { sectionResized(section, size); });
        m_headerArea->installEventFilter(this);
        m_listArea->installEventFilter(this);
        if (QAbstractItemModel* model = list->model()) {
            connect(model, &QAbstractItemModel::dataChanged, this, &ListColumnFit::schedule);
            connect(model, &QAbstractItemModel::rowsInserted, this, &ListColumnFit::schedule);
            connect(model, &QAbstractItemModel::rowsRemoved, this, &ListColumnFit::schedule);
            connect(model, &QAbstractItemModel::modelReset, this, &ListColumnFit::schedule);
            connect(model, &QAbstractItemModel::layoutChanged, this, &ListColumnFit::schedule);
        }
        keepBase(kValue);
        keepBase(kUnit);
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
        if ((section != kValue && section != kUnit) || m_fitting) return;
        if (section == kUnit && size < m_unitMinimum) setWidth(kUnit, m_unitMinimum);
        if (m_userHand) {
            m_byHand[section] = true;
            // The user's width is the one to keep: the settings take the shown width again.
            LAYOUT_KeepColumnWidth(m_list, section, -1);
        } else {
            m_base[section] = section == kUnit ? std::max(size, m_unitMinimum) : size;
            keepBase(section);
        }
        schedule();
    }

    // The settings keep the width the program set, not the fitted one, so the layout does not
    // change from run to run.
    void keepBase(int column) {
        if (!m_byHand[column]) LAYOUT_KeepColumnWidth(m_list, column, m_base[column]);
    }

    // Many cells change in one refresh: the widths are worked out once, when they are done.
    void schedule() {
        if (m_due) return;
        m_due = true;
        QTimer::singleShot(0, this, [this] {
            m_due = false;
            fit();
        });
    }

    void setWidth(int column, int width) {
        if (width == m_list->columnWidth(column)) return;
        m_fitting = true;
        m_list->setColumnWidth(column, width);
        m_fitting = false;
    }

    void fit() {
        const ListColumnNeeds need = VIEW_ListColumnNeeds(m_list);
        keepWindowWide(need);
        const int room = m_list->viewport()->width();
        const int least = m_list->header()->minimumSectionSize();
        int value = m_byHand[kValue] ? m_list->columnWidth(kValue)
                                     : std::max(m_base[kValue], std::min(need.value, room / 2));
        int unit = m_byHand[kUnit] ? m_list->columnWidth(kUnit) : m_base[kUnit];
        if (room - value - unit < need.name) {
            // Narrower than the widths set: the units give up the room they do not use, the
            // names keep theirs, up to half the list, and the values take what is left, as
            // much as their widest needs.
            if (!m_byHand[kUnit]) unit = std::min(unit, need.unit);
            const int nameShare = std::min(need.name, room / 2);
            if (!m_byHand[kValue])
                value = std::max(least, std::min(need.value, room - nameShare - unit));
            // Even that does not fit: the units too give way to the names' share.
            if (!m_byHand[kUnit] && room - nameShare - value < unit)
                unit = std::max(least, room - nameShare - value);
        }
        setWidth(kValue, value);
        setWidth(kUnit, unit);
    }

    // The window holding the list wants the room for the widest name, value and unit side by
    // side in an arrangement; it grows only while the list has rows, so changing values do not
    // make the arrangement follow each of them.
    void keepWindowWide(const ListColumnNeeds& need) {
        QWidget* window = m_list->parentWidget();
        if (!window) return;
        if (m_list->model() && m_list->model()->rowCount() > 0) {
            const int bar = m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                                         m_list->verticalScrollBar());
            const int whole = need.name + need.value + need.unit + 2 * m_list->frameWidth() + bar;
            m_neededWidth = std::max(m_neededWidth, whole);
        } else {
            m_neededWidth = 0;
        }
        LAYOUT_SetWantedSize(window, QSize(m_neededWidth, 0));
    }

    QTreeView* m_list;
    // Watched for the user's hand and the list's width; compared only, never called, since
    // they may send events while the list is being taken down.
    QObject* m_headerArea;
    QObject* m_listArea;
    int m_unitMinimum;
    int m_neededWidth = 0;
    int m_base[3] = {0, 0, 0};  // the widths the program set
    bool m_byHand[3] = {false, false, false};
    bool m_userHand = false;
    bool m_fitting = false;
    bool m_due = false;
};

}  // namespace

void VIEW_FitListColumns(QTreeView* list, int unitMinimum) {
    if (list && list->header()->count() >= 3) new ListColumnFit(list, unitMinimum);
}

ListColumnNeeds VIEW_ListColumnNeeds(const QTreeView* list) {
    const QAbstractItemView* view = list;  // the tree view keeps the size hints protected
    const QHeaderView* header = list->header();
    const auto widest = [&](int column) {
        return std::max(view->sizeHintForColumn(column), header->sectionSizeHint(column));
    };
    return {widest(kName), widest(kValue), widest(kUnit)};
}
