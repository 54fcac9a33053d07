// Arranging the main window's MDI children from the window menu: tiled one above the other
// (horizontal: each the area's full width) or side by side (vertical), or cascaded. Every
// child keeps at least its minimum and at most its maximum size; a tiling gives each child the
// room its window wants to show its content whole (LAYOUT_WantedSize) where the area holds
// every child so, sharing places if need be, and the minimums only where not. The row of
// laid-aside (minimised) children along the area's bottom stays free, so no arranged child
// hides behind it. Tiled children never overlap: when they do not fit in one line, consecutive
// children share a place of the line (one above the other in a column of the side-by-side
// tiling, side by side in a row of the other). With the room they want, as few share as make
// every child fit; at their minimums, they share the way that leaves them least short of the
// room they want. When even that does not fit, they are laid out at their minimums and the
// area scrolls (so does a cascade larger than the area). A tiling follows the area's size and
// a child's grown minimum until the user moves or sizes a child, or a child comes up or is
// laid aside; scrolling the area moves no child's place.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <functional>
#include <optional>
#include <vector>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

// Splits a length among children: as equal as their limits allow (each between its minimum
// and its maximum), the first ones taking the odd pixels. When the minimums do not fit, each
// child gets its minimum or an equal share of the length, whichever is more (within its
// maximum): the children then reach past the length anyway, and one with a small minimum
// stays usable rather than shrinking to its title bar.
std::vector<int> MDI_SplitLength(int total, const std::vector<int>& minimums,
                                 const std::vector<int>& maximums);

// Groups children, in their order, into places of a tiling: consecutive children of a group
// share one place, laid across the tiling. alongMinimums and acrossMinimums are each child's
// minimum along the tiling and across it; a group needs the largest of its minimums along
// and the sum of them across. Gives the size of each group for the grouping that fits the
// room with the least `shortfall` (when given: how much room the children miss with those
// group sizes), then the most groups, then the shared places last; nothing when none fits.
// Only few children are grouped: with more than MaxGroupedChildren, only one child a place is
// tried.
constexpr int MaxGroupedChildren = 10;
std::vector<int> MDI_GroupChildren(
    int along, int across, const std::vector<int>& alongMinimums,
    const std::vector<int>& acrossMinimums,
    const std::function<long long(const std::vector<int>&)>& shortfall = nullptr);

class MdiArranger : public QObject {
public:
    explicit MdiArranger(QMdiArea* area);

    void tile(Qt::Orientation orientation);
    // Tiles in the given orientation when the children fit the area that way at their
    // minimums, else in the other one when they fit that way; when neither fits, as given.
    // The choice is made again as long as the tiling follows the area's size.
    void tileToFit(Qt::Orientation preferred);
    void cascade();
    // How the children are tiled now, while the tiling follows the area.
    std::optional<Qt::Orientation> tiled() const { return m_tiled; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // The children that are shown and not laid aside, front-most first.
    QList<QMdiSubWindow*> shownChildren() const;
    QList<QMdiSubWindow*> tiledChildren() const;
    // The height of the row of laid-aside children (0 when none is laid aside).
    int laidAsideHeight() const;
    // The room the children are arranged in: the area above the row of laid-aside children,
    // less the scroll bars that will be shown.
    QRect arrangeRect(bool horizontalBar, bool verticalBar) const;
    static bool sameChildren(QList<QMdiSubWindow*> a, QList<QMdiSubWindow*> b);
    // Brings the children out of their minimised or maximised states with their limits.
    void prepare(const QList<QMdiSubWindow*>& children);
    // The groups the children fit the area in without scrolling, tiled in that orientation
    // (see MDI_GroupChildren); nothing when they do not fit so.
    // With `wanted`, each child takes the room its window wants (LAYOUT_WantedSize); with
    // `closest`, the grouping that leaves the children least short of that room.
    std::vector<int> grouping(Qt::Orientation orientation, const QList<QMdiSubWindow*>& children,
                              bool wanted, bool closest = false) const;
    // The places of the children in those groups: the groups one after the other along the
    // tiling (rows: one above the other), the children of each across it.
    std::vector<QRect> groupPlaces(bool rows, const QList<QMdiSubWindow*>& children,
                                   const std::vector<int>& groups, bool wanted) const;
    // Places the children in the given order (or in the fitting orientation).
    void place(Qt::Orientation orientation, bool toFit, const QList<QMdiSubWindow*>& children);
    // Puts the children at their places (each within its limits there).
    void apply(const QList<QMdiSubWindow*>& children, const std::vector<QRect>& places);
    // Arrangements are made with the area scrolled to its origin.
    void scrollToOrigin();
    // Content that reaches below the room keeps the laid-aside row free when scrolled to its
    // end: the area's scrolling reaches that far below the content.
    void reserveBelow(int contentBottom);
    // Whether the child sits where the tiling put it, the area's scrolling aside.
    bool atItsPlace(const QMdiSubWindow* child) const;
    void watch(QMdiSubWindow* child);
    void stopFollowing();
    void scheduleRetile();
    // The child's limits have outgrown the size the tiling gave it.
    bool grewToItsLimits(const QObject* watched) const;

    QMdiArea* m_area;
    std::optional<Qt::Orientation> m_tiled;
    QList<QPointer<QMdiSubWindow>> m_tiledChildren;  // in their places' order
    QList<QRect> m_placed;                           // where the tiling put them, unscrolled
    QWidget* m_reserve;                              // holds the room below the content
    bool m_toFit = false;
    bool m_wanted = false;  // the tiling gave the children the room their windows want
    bool m_arranging = false;
    bool m_retileDue = false;
};
