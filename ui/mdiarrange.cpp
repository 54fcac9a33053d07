#include "mdiarrange.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <functional>

#include "layout.h"

namespace {

// The size a child takes at the least in an arrangement: its minimum, or, where the room
// allows, the size its window wants to show its content whole.
QSize leastSize(const QMdiSubWindow* s, bool wanted) {
    QSize lo = s->minimumSize();
    if (!wanted || !s->widget()) return lo;
    const QSize want = LAYOUT_WantedSize(s->widget());
    const QMargins m = s->contentsMargins();
    if (want.width() > 0)
        lo.setWidth(
            std::max(lo.width(), std::min(want.width() + m.left() + m.right(), s->maximumWidth())));
    if (want.height() > 0)
        lo.setHeight(std::max(lo.height(),
                              std::min(want.height() + m.top() + m.bottom(), s->maximumHeight())));
    return lo;
}

}  // namespace

std::vector<int> MDI_SplitLength(int total, const std::vector<int>& minimums,
                                 const std::vector<int>& maximums) {
    const size_t n = minimums.size();
    long long least = 0;
    for (int m : minimums) least += m;
    if (n > 0 && least > total) {
        const int share = std::max(total, 0) / static_cast<int>(n);
        std::vector<int> length(n, 0);
        for (size_t i = 0; i < n; ++i) {
            const int hi = i < maximums.size() ? maximums[i] : share;
            length[i] = std::max(minimums[i], std::min(share, hi));
        }
        return length;
    }
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

std::vector<int> MDI_GroupChildren(
    int along, int across, const std::vector<int>& alongMinimums,
    const std::vector<int>& acrossMinimums,
    const std::function<long long(const std::vector<int>&)>& shortfall) {
    const size_t n = std::min(alongMinimums.size(), acrossMinimums.size());
    if (n == 0) return {};
    // A grouping is given by the cuts between consecutive children: bit i cuts after child i.
    const auto groupsOf = [&](uint32_t cuts) {
        std::vector<int> sizes;
        long long usedAlong = 0, groupAcross = 0;
        int groupAlong = 0, size = 0;
        for (size_t i = 0; i < n; ++i) {
            groupAlong = std::max(groupAlong, alongMinimums[i]);
            groupAcross += acrossMinimums[i];
            ++size;
            if (i + 1 < n && !((cuts >> i) & 1u)) continue;
            if (groupAcross > across) return std::vector<int>();
            usedAlong += groupAlong;
            sizes.push_back(size);
            groupAlong = size = 0;
            groupAcross = 0;
        }
        return usedAlong <= along ? sizes : std::vector<int>();
    };
    const uint32_t everyCut = n > 1 ? (1u << (n - 1)) - 1 : 0;
    if (n > static_cast<size_t>(MaxGroupedChildren)) return groupsOf(everyCut);
    std::vector<int> best;
    long long bestShort = 0;
    for (uint32_t cuts = 0; cuts <= everyCut; ++cuts) {
        std::vector<int> sizes = groupsOf(cuts);
        if (sizes.empty()) continue;
        const long long missing = shortfall ? shortfall(sizes) : 0;
        // The least room missing first, then more groups, then the shared places last (1 1 2
        // before 1 2 1 before 2 1 1).
        if (best.empty() || missing < bestShort ||
            (missing == bestShort &&
             (sizes.size() > best.size() || (sizes.size() == best.size() && sizes < best)))) {
            best = std::move(sizes);
            bestShort = missing;
        }
    }
    return best;
}

std::vector<int> MdiArranger::grouping(Qt::Orientation orientation,
                                       const QList<QMdiSubWindow*>& children, bool wanted,
                                       bool closest) const {
    const QRect room = arrangeRect(false, false);
    const bool rows = orientation == Qt::Horizontal;
    std::vector<int> along, across;
    for (const QMdiSubWindow* s : children) {
        const QSize lo = leastSize(s, wanted);
        along.push_back(rows ? lo.height() : lo.width());
        across.push_back(rows ? lo.width() : lo.height());
    }
    // How far the children's places in a grouping fall short of the room their windows want:
    // the part of each wanted width and height missing, in thousandths, so a window that
    // loses most of its room weighs more than a large one that loses a little of it.
    const auto missingPart = [](int want, int got) -> long long {
        return want > got ? 1000LL * (want - got) / want : 0;
    };
    const auto shortfall = [&](const std::vector<int>& groups) {
        const std::vector<QRect> places = groupPlaces(rows, children, groups, wanted);
        long long missing = 0;
        for (int i = 0; i < children.size(); ++i) {
            const QMdiSubWindow* s = children[i];
            const QSize got = places[static_cast<size_t>(i)]
                                  .size()
                                  .expandedTo(s->minimumSize())
                                  .boundedTo(s->maximumSize());
            const QSize want = leastSize(s, true);
            missing +=
                missingPart(want.width(), got.width()) + missingPart(want.height(), got.height());
        }
        return missing;
    };
    return MDI_GroupChildren(
        rows ? room.height() : room.width(), rows ? room.width() : room.height(), along, across,
        closest ? std::function<long long(const std::vector<int>&)>(shortfall) : nullptr);
}

std::vector<QRect> MdiArranger::groupPlaces(bool rows, const QList<QMdiSubWindow*>& shown,
                                            const std::vector<int>& groups, bool wanted) const {
    const auto least = [wanted](const QMdiSubWindow* s) { return leastSize(s, wanted); };
    const QRect area = arrangeRect(false, false);
    std::vector<int> groupMinimums, groupMaximums;
    int first = 0;
    for (int size : groups) {
        int lo = 0, hi = 0;
        for (int i = first; i < first + size; ++i) {
            lo = std::max(lo, rows ? least(shown[i]).height() : least(shown[i]).width());
            hi = std::max(hi, rows ? shown[i]->maximumHeight() : shown[i]->maximumWidth());
        }
        groupMinimums.push_back(lo);
        groupMaximums.push_back(hi);
        first += size;
    }
    const std::vector<int> length =
        MDI_SplitLength(rows ? area.height() : area.width(), groupMinimums, groupMaximums);
    std::vector<QRect> places;
    int at = 0;
    first = 0;
    for (size_t g = 0; g < groups.size(); ++g) {
        std::vector<int> minimums, maximums;
        for (int i = first; i < first + groups[g]; ++i) {
            minimums.push_back(rows ? least(shown[i]).width() : least(shown[i]).height());
            maximums.push_back(rows ? shown[i]->maximumWidth() : shown[i]->maximumHeight());
        }
        const std::vector<int> breadth =
            MDI_SplitLength(rows ? area.width() : area.height(), minimums, maximums);
        int across = 0;
        for (int b : breadth) {
            places.push_back(rows ? QRect(across, at, b, length[g])
                                  : QRect(at, across, length[g], b));
            across += b;
        }
        at += length[g];
        first += groups[g];
    }
    return places;
}

MdiArranger::MdiArranger(QMdiArea* area)
    : QObject(area), m_area(area), m_reserve(new QWidget(area->viewport())) {
    // Children that need more room than the area has make it scroll.
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->installEventFilter(this);
    // An empty widget that only widens the area's scrolling; it takes no click and draws
    // nothing.
    m_reserve->setObjectName(QStringLiteral("MdiReserve"));
    m_reserve->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_reserve->hide();
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

int MdiArranger::laidAsideHeight() const {
    int laidAside = 0;
    for (const QMdiSubWindow* s : m_area->subWindowList())
        if (s->isVisible() && s->isMinimized()) laidAside = std::max(laidAside, s->height());
    return laidAside;
}

QRect MdiArranger::arrangeRect(bool horizontalBar, bool verticalBar) const {
    // The viewport's size with no scroll bar shown (the area sets no viewport margins).
    QSize full = m_area->contentsRect().size();
    if (verticalBar) full.rwidth() -= m_area->verticalScrollBar()->sizeHint().width();
    if (horizontalBar) full.rheight() -= m_area->horizontalScrollBar()->sizeHint().height();
    QRect room(QPoint(0, 0), full);
    const int laidAside = laidAsideHeight();
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
    m_toFit = false;
    m_tiledChildren.clear();
    m_placed.clear();
}

void MdiArranger::scrollToOrigin() {
    m_area->horizontalScrollBar()->setValue(m_area->horizontalScrollBar()->minimum());
    m_area->verticalScrollBar()->setValue(m_area->verticalScrollBar()->minimum());
}

void MdiArranger::reserveBelow(int contentBottom) {
    const int laidAside = laidAsideHeight();
    const QRect room = arrangeRect(false, false);
    if (laidAside > 0 && contentBottom > room.bottom()) {
        m_reserve->setGeometry(0, contentBottom + 1, 1, laidAside);
        m_reserve->lower();
        m_reserve->show();
    } else {
        m_reserve->hide();
    }
}

void MdiArranger::apply(const QList<QMdiSubWindow*>& children, const std::vector<QRect>& places) {
    // Each child as large as its limits allow it to be there.
    std::vector<QRect> limited;
    int bottom = 0;
    for (int i = 0; i < children.size(); ++i) {
        const QMdiSubWindow* s = children[i];
        const QRect& p = places[static_cast<size_t>(i)];
        limited.emplace_back(p.topLeft(),
                             p.size().expandedTo(s->minimumSize()).boundedTo(s->maximumSize()));
        bottom = std::max(bottom, limited.back().bottom());
    }
    // The area takes its scroll room from the children as they move, so the room below them
    // is held first.
    reserveBelow(bottom);
    for (int i = 0; i < children.size(); ++i)
        children[i]->setGeometry(limited[static_cast<size_t>(i)]);
}

void MdiArranger::tile(Qt::Orientation orientation) {
    // The front-most child takes the first place.
    place(orientation, false, shownChildren());
}

void MdiArranger::tileToFit(Qt::Orientation preferred) {
    place(preferred, true, shownChildren());
}

void MdiArranger::prepare(const QList<QMdiSubWindow*>& children) {
    for (QMdiSubWindow* s : children) {
        s->showNormal();
        LAYOUT_KeepMdiChild(s);
    }
}

namespace {

// The sum of the children's minimums along the tiling and the largest across it.
struct Minimums {
    int along = 0;
    int across = 0;
};
Minimums minimumsOf(Qt::Orientation orientation, const QList<QMdiSubWindow*>& children,
                    bool wanted) {
    Minimums m;
    for (const QMdiSubWindow* s : children) {
        const QSize lo = leastSize(s, wanted);
        const bool rows = orientation == Qt::Horizontal;
        m.along += rows ? lo.height() : lo.width();
        m.across = std::max(m.across, rows ? lo.width() : lo.height());
    }
    return m;
}

}  // namespace

void MdiArranger::place(Qt::Orientation orientation, bool toFit,
                        const QList<QMdiSubWindow*>& shown) {
    stopFollowing();
    if (shown.isEmpty()) {
        m_reserve->hide();
        return;
    }
    m_arranging = true;
    prepare(shown);
    // One child a place is the grouping with the most groups, so it is what fits best.
    const size_t count = static_cast<size_t>(shown.size());
    const Qt::Orientation preferred = orientation;
    std::vector<int> groups;
    // Every child with the room its window wants where the area holds them so, else at their
    // minimums; shared places before scrolling either way.
    bool wanted = true;
    for (const bool want : {true, false}) {
        wanted = want;
        orientation = preferred;
        groups = grouping(orientation, shown, wanted);
        if (toFit && groups.size() < count) {
            // The other way one a place before shared places this way, and shared places either
            // way before scrolling.
            const Qt::Orientation other =
                orientation == Qt::Horizontal ? Qt::Vertical : Qt::Horizontal;
            std::vector<int> otherGroups = grouping(other, shown, wanted);
            if (otherGroups.size() == count || (groups.empty() && !otherGroups.empty())) {
                orientation = other;
                groups = std::move(otherGroups);
            }
        }
        if (!groups.empty()) break;
    }
    // At their minimums, the children share places the way that leaves them least short of
    // the room their windows want: one place each may leave every list too narrow to read.
    if (!wanted && !groups.empty()) groups = grouping(orientation, shown, false, true);
    const bool rows = orientation == Qt::Horizontal;
    const auto least = [wanted](const QMdiSubWindow* s) { return leastSize(s, wanted); };
    const auto alongMinimum = [rows, least](const QMdiSubWindow* s) {
        return rows ? least(s).height() : least(s).width();
    };
    const auto alongMaximum = [rows](const QMdiSubWindow* s) {
        return rows ? s->maximumHeight() : s->maximumWidth();
    };
    std::vector<QRect> places;
    if (!groups.empty() && groups.size() < count) {
        // Every child fits the area once some share a place: the groups one after the other,
        // the children of each across it.
        scrollToOrigin();
        places = groupPlaces(rows, shown, groups, wanted);
    } else {
        std::vector<int> minimums, maximums;
        for (QMdiSubWindow* s : shown) {
            minimums.push_back(alongMinimum(s));
            maximums.push_back(alongMaximum(s));
        }
        // The scroll bars the area will show: along the tiling when the minimums do not fit
        // its length, across it when a child is wider (or taller) than the room. Each bar
        // takes room from the other way, so a second look may find another bar needed.
        const Minimums m = minimumsOf(orientation, shown, wanted);
        bool hbar = false, vbar = false;
        QRect area = arrangeRect(false, false);
        for (int look = 0; look < 2; ++look) {
            const bool alongOver = m.along > (rows ? area.height() : area.width());
            const bool acrossOver = m.across > (rows ? area.width() : area.height());
            hbar = hbar || (rows ? acrossOver : alongOver);
            vbar = vbar || (rows ? alongOver : acrossOver);
            area = arrangeRect(hbar, vbar);
        }
        scrollToOrigin();
        const int total = rows ? area.height() : area.width();
        const std::vector<int> length = MDI_SplitLength(total, minimums, maximums);
        // One after the other; children whose minimums do not fit reach past the area, which
        // then scrolls.
        int at = 0;
        for (int i = 0; i < shown.size(); ++i) {
            const int len = length[static_cast<size_t>(i)];
            places.push_back(rows ? QRect(0, at, area.width(), len)
                                  : QRect(at, 0, len, area.height()));
            at += len;
        }
    }
    apply(shown, places);
    for (QMdiSubWindow* s : shown) {
        watch(s);
        m_tiledChildren.append(s);
        m_placed.append(s->geometry());
    }
    m_tiled = orientation;
    m_toFit = toFit;
    m_wanted = wanted;
    m_arranging = false;
}

void MdiArranger::cascade() {
    stopFollowing();
    // From the back-most to the front-most: each a title bar's height further down and to the
    // right, so every title bar stays in sight, and as large as the rest of the area allows
    // (at least its minimum: a cascade larger than the area makes it scroll).
    QList<QMdiSubWindow*> stack = shownChildren();
    std::reverse(stack.begin(), stack.end());
    if (stack.isEmpty()) {
        m_reserve->hide();
        return;
    }
    m_arranging = true;
    prepare(stack);
    scrollToOrigin();
    const QRect area = arrangeRect(false, false);
    const int step = std::max(20, stack.first()->contentsMargins().top());
    const int n = static_cast<int>(stack.size());
    const QSize room(area.width() - (n - 1) * step, area.height() - (n - 1) * step);
    std::vector<QRect> places;
    for (int i = 0; i < n; ++i) places.push_back(QRect(QPoint(i * step, i * step), room));
    apply(stack, places);
    m_arranging = false;
}

void MdiArranger::scheduleRetile() {
    if (m_retileDue) return;
    m_retileDue = true;
    QTimer::singleShot(0, this, [this] {
        m_retileDue = false;
        const QList<QMdiSubWindow*> tiled = tiledChildren();
        if (m_tiled && sameChildren(tiled, shownChildren())) place(*m_tiled, m_toFit, tiled);
    });
}

bool MdiArranger::grewToItsLimits(const QObject* watched) const {
    for (int i = 0; i < m_tiledChildren.size(); ++i) {
        const QMdiSubWindow* s = m_tiledChildren[i];
        if (s != watched) continue;
        const QSize placed = m_placed.value(i).size();
        const QSize lo = leastSize(s, m_wanted);
        return lo.width() > placed.width() || lo.height() > placed.height();
    }
    return false;
}

bool MdiArranger::atItsPlace(const QMdiSubWindow* child) const {
    const int i = m_tiledChildren.indexOf(const_cast<QMdiSubWindow*>(child));
    if (i < 0) return false;
    // Scrolling moves every child by the scroll bars' values.
    const QPoint scrolled(m_area->horizontalScrollBar()->value(),
                          m_area->verticalScrollBar()->value());
    return child->geometry().translated(scrolled) == m_placed.value(i);
}

bool MdiArranger::eventFilter(QObject* watched, QEvent* e) {
    const bool geometry = e->type() == QEvent::Resize || e->type() == QEvent::Move;
    // A window inside a child that now wants more room tells its child by a layout request.
    if (e->type() == QEvent::LayoutRequest && m_tiled && !m_arranging && watched != m_area &&
        grewToItsLimits(watched))
        scheduleRetile();
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
            // from the tiling; a child moved only by the area's scrolling keeps its place;
            // any other change is the user placing a child.
            const auto* child = qobject_cast<const QMdiSubWindow*>(watched);
            if (grewToItsLimits(watched))
                scheduleRetile();
            else if (!child || !atItsPlace(child))
                stopFollowing();
        }
    }
    return QObject::eventFilter(watched, e);
}
