#include "mdiarrange.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <algorithm>

#include "layout.h"

std::vector<int> MDI_SplitLength(int total, const std::vector<int>& minimums,
                                 const std::vector<int>& maximums) {
    const size_t n = minimums.size();
    std::vector<int> length(n, 0);
    std::vector<bool> fixed(n, false);
    // Equal shares among the children not yet held at a limit; a child whose share breaks
    // its limit is held there, and the others share what is left, until no share breaks one.
    for (;;) {
        int remaining = total;
        int open = 0;
        for (size_t i = 0; i < n; ++i) {
            if (fixed[i])
                remaining -= length[i];
            else
                ++open;
        }
        if (open == 0) break;
        const int base = remaining >= 0 ? remaining / open : -1;
        const int extra = remaining >= 0 ? remaining % open : 0;
        bool held = false;
        int k = 0;
        for (size_t i = 0; i < n; ++i) {
            if (fixed[i]) continue;
            // The odd pixels go to the last ones, so the first place starts as an even split.
            const int share = base + (k++ >= open - extra ? 1 : 0);
            const int hi = i < maximums.size() ? maximums[i] : share;
            if (share < minimums[i]) {
                length[i] = minimums[i];
                fixed[i] = held = true;
            } else if (share > hi) {
                length[i] = hi;
                fixed[i] = held = true;
            } else {
                length[i] = share;
            }
        }
        if (!held) break;
    }
    return length;
}

MdiArranger::MdiArranger(QMdiArea* area) : QObject(area), m_area(area) {
    m_area->installEventFilter(this);
}

QList<QMdiSubWindow*> MdiArranger::shownChildren() const {
    QList<QMdiSubWindow*> shown;
    for (QMdiSubWindow* s : m_area->subWindowList(QMdiArea::StackingOrder))
        if (s->isVisible() && !s->isMinimized()) shown.prepend(s);
    return shown;
}

QList<QMdiSubWindow*> MdiArranger::tiledChildren() const {
    QList<QMdiSubWindow*> tiled;
    for (const QPointer<QMdiSubWindow>& c : m_tiledChildren)
        if (c) tiled.append(c);
    return tiled;
}

QRect MdiArranger::arrangeRect() const {
    QRect room = m_area->viewport()->rect();
    int laidAside = 0;
    for (const QMdiSubWindow* s : m_area->subWindowList())
        if (s->isVisible() && s->isMinimized()) laidAside = std::max(laidAside, s->height());
    if (laidAside > 0 && laidAside < room.height()) room.setBottom(room.bottom() - laidAside);
    return room;
}

bool MdiArranger::sameChildren(QList<QMdiSubWindow*> a, QList<QMdiSubWindow*> b) {
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

void MdiArranger::watch(QMdiSubWindow* child) {
    child->removeEventFilter(this);
    child->installEventFilter(this);
}

void MdiArranger::stopFollowing() {
    m_tiled.reset();
    m_tiledChildren.clear();
    m_placedSizes.clear();
}

void MdiArranger::tile(Qt::Orientation orientation) {
    // The front-most child takes the first place.
    place(orientation, shownChildren());
}

void MdiArranger::place(Qt::Orientation orientation, const QList<QMdiSubWindow*>& shown) {
    stopFollowing();
    if (shown.isEmpty()) return;
    m_arranging = true;
    std::vector<int> minimums, maximums;
    for (QMdiSubWindow* s : shown) {
        s->showNormal();
        LAYOUT_KeepMdiChild(s);
        const bool rows = orientation == Qt::Horizontal;
        minimums.push_back(rows ? s->minimumHeight() : s->minimumWidth());
        maximums.push_back(rows ? s->maximumHeight() : s->maximumWidth());
    }
    const QRect area = arrangeRect();
    const int total = orientation == Qt::Horizontal ? area.height() : area.width();
    const std::vector<int> length = MDI_SplitLength(total, minimums, maximums);
    int at = 0;
    for (int i = 0; i < shown.size(); ++i) {
        const int len = length[static_cast<size_t>(i)];
        // Children whose minimums do not fit overlap rather than reach out of the area.
        const int start = std::max(0, std::min(at, total - len));
        if (orientation == Qt::Horizontal)
            shown[i]->setGeometry(0, start, area.width(), len);
        else
            shown[i]->setGeometry(start, 0, len, area.height());
        at += len;
        watch(shown[i]);
        m_tiledChildren.append(shown[i]);
        m_placedSizes.append(shown[i]->size());
    }
    m_tiled = orientation;
    m_arranging = false;
}

void MdiArranger::cascade() {
    stopFollowing();
    // From the back-most to the front-most: each a title bar's height further down and to the
    // right, so every title bar stays in sight, and as large as the rest of the area allows.
    QList<QMdiSubWindow*> stack = shownChildren();
    std::reverse(stack.begin(), stack.end());
    if (stack.isEmpty()) return;
    m_arranging = true;
    for (QMdiSubWindow* s : stack) {
        s->showNormal();
        LAYOUT_KeepMdiChild(s);
    }
    const QRect area = arrangeRect();
    const int step = std::max(20, stack.first()->contentsMargins().top());
    const int n = static_cast<int>(stack.size());
    const QSize room(area.width() - (n - 1) * step, area.height() - (n - 1) * step);
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* s = stack[i];
        const QSize size = room.expandedTo(s->minimumSize()).boundedTo(s->maximumSize());
        const int x = std::max(0, std::min(i * step, area.width() - size.width()));
        const int y = std::max(0, std::min(i * step, area.height() - size.height()));
        s->setGeometry(x, y, size.width(), size.height());
    }
    m_arranging = false;
}

void MdiArranger::scheduleRetile() {
    if (m_retileDue) return;
    m_retileDue = true;
    QTimer::singleShot(0, this, [this] {
        m_retileDue = false;
        const QList<QMdiSubWindow*> tiled = tiledChildren();
        if (m_tiled && sameChildren(tiled, shownChildren())) place(*m_tiled, tiled);
    });
}

bool MdiArranger::grewToItsLimits(const QObject* watched) const {
    for (int i = 0; i < m_tiledChildren.size(); ++i) {
        const QMdiSubWindow* s = m_tiledChildren[i];
        if (s != watched) continue;
        const QSize placed = m_placedSizes.value(i);
        return s->minimumWidth() > placed.width() || s->minimumHeight() > placed.height();
    }
    return false;
}

bool MdiArranger::eventFilter(QObject* watched, QEvent* e) {
    const bool geometry = e->type() == QEvent::Resize || e->type() == QEvent::Move;
    if (geometry && m_tiled && !m_arranging) {
        if (watched == m_area && e->type() == QEvent::Resize) {
            // The tiling follows the area as long as the same children are shown; a child
            // that came up or was laid aside since ends it.
            if (!sameChildren(tiledChildren(), shownChildren()))
                stopFollowing();
            else
                scheduleRetile();
        } else if (watched != m_area) {
            // A child whose window now needs more room (a session filled its rows) gets it
            // from the tiling; any other change is the user placing a child.
            if (grewToItsLimits(watched))
                scheduleRetile();
            else
                stopFollowing();
        }
    }
    return QObject::eventFilter(watched, e);
}
