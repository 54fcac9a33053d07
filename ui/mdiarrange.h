// Arranging the main window's MDI children from the window menu: tiled one above the other
// (horizontal: each the area's full width) or side by side (vertical), or cascaded. Every
// child keeps at least its minimum and at most its maximum size. The row of laid-aside
// (minimised) children along the area's bottom stays free, so no arranged child hides behind
// it. A tiling follows the area's size and a child's grown minimum until the user moves or
// sizes a child, or a child comes up or is laid aside.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <optional>
#include <vector>

class QMdiArea;
class QMdiSubWindow;

// Splits a length among children: as equal as their limits allow (each between its minimum
// and its maximum), the first ones taking the odd pixels. When the minimums do not fit, each
// child gets its minimum.
std::vector<int> MDI_SplitLength(int total, const std::vector<int>& minimums,
                                 const std::vector<int>& maximums);

class MdiArranger : public QObject {
public:
    explicit MdiArranger(QMdiArea* area);

    void tile(Qt::Orientation orientation);
    void cascade();
    // How the children are tiled now, while the tiling follows the area.
    std::optional<Qt::Orientation> tiled() const { return m_tiled; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // The children that are shown and not laid aside, front-most first.
    QList<QMdiSubWindow*> shownChildren() const;
    QList<QMdiSubWindow*> tiledChildren() const;
    // The room the children are arranged in: the area above the row of laid-aside children.
    QRect arrangeRect() const;
    static bool sameChildren(QList<QMdiSubWindow*> a, QList<QMdiSubWindow*> b);
    // Places the children in the given order.
    void place(Qt::Orientation orientation, const QList<QMdiSubWindow*>& children);
    void watch(QMdiSubWindow* child);
    void stopFollowing();
    void scheduleRetile();
    // The child's limits have outgrown the size the tiling gave it.
    bool grewToItsLimits(const QObject* watched) const;

    QMdiArea* m_area;
    std::optional<Qt::Orientation> m_tiled;
    QList<QPointer<QMdiSubWindow>> m_tiledChildren;  // in their places' order
    QList<QSize> m_placedSizes;                      // the sizes the tiling gave them
    bool m_arranging = false;
    bool m_retileDue = false;
};
