#include "layout.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTimer>
#include <QTreeView>
#include <QVariant>
#include <algorithm>

#include "settings.h"

namespace {

constexpr char TagProperty[] = "Tag";
// Enough of a window's top edge that must lie on a screen for the user to grab it.
constexpr int GripWidth = 100;
constexpr int GripHeight = 30;

// The window that is placed: an MDI child's sub-window, else the form itself.
QWidget* placedWindow(QWidget* form) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget())) return sub;
    return form;
}

// The widget whose border decides whether the size is restored.
bool isSizeable(const QWidget* form) {
    const QWidget* w = form;
    if (auto* sub = qobject_cast<const QMdiSubWindow*>(form); sub && sub->widget())
        w = sub->widget();
    return w->minimumSize() != w->maximumSize();
}

bool isShown(const QWidget* w) {
    return w->isWindow() ? w->isVisible() : w->isVisibleTo(w->parentWidget());
}

// A window restored from another screen setup may lie where no screen is now: move it back
// onto the screen nearest to it, and shrink it to that screen when it is larger.
void keepOnScreen(QWidget* w) {
    const QRect r(w->pos(), w->size());
    const QRect grip(r.left(), r.top(), std::max(r.width(), 1), GripHeight);
    const int needWidth = std::min(GripWidth, std::max(r.width(), 1));
    QScreen* nearest = nullptr;
    int nearestDistance = 0;
    for (QScreen* s : QGuiApplication::screens()) {
        const QRect avail = s->availableGeometry();
        const QRect on = avail.intersected(grip);
        if (on.width() >= needWidth && on.height() >= std::min(GripHeight, avail.height())) return;
        const QPoint d = avail.center() - r.center();
        const int distance = d.manhattanLength();
        if (!nearest || distance < nearestDistance) {
            nearest = s;
            nearestDistance = distance;
        }
    }
    if (!nearest) return;
    const QRect avail = nearest->availableGeometry();
    const QSize size = r.size().boundedTo(avail.size());
    const int x = std::clamp(r.left(), avail.left(), avail.right() - size.width() + 1);
    const int y = std::clamp(r.top(), avail.top(), avail.bottom() - size.height() + 1);
    if (size != r.size()) w->resize(size);
    w->move(x, y);
}

// An MDI child lies inside its MDI area: never above or left of it, and not out of reach when
// the area already has its size.
void keepInMdiArea(QWidget* w) {
    int x = std::max(w->x(), 0);
    int y = std::max(w->y(), 0);
    const QWidget* area = w->parentWidget();
    if (area && area->width() > 0 && area->height() > 0) {
        if (x > area->width() - GripWidth) x = std::max(area->width() - GripWidth, 0);
        if (y > area->height() - GripHeight) y = std::max(area->height() - GripHeight, 0);
    }
    if (x != w->x() || y != w->y()) w->move(x, y);
}

constexpr char NormalGeometryProperty[] = "NormalGeometry";
constexpr char KeptColumnsProperty[] = "KeptColumnWidths";
constexpr char WantedSizeProperty[] = "WantedSize";

bool isNormalState(Qt::WindowStates states) {
    return !(states & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}
bool isNormalState(const QWidget* w) {
    return isNormalState(w->windowState());
}

// Keeps an MDI child's size limits and its normal place; see LAYOUT_KeepMdiChild.
class MdiChildKeeper : public QObject {
public:
    explicit MdiChildKeeper(QMdiSubWindow* sub) : QObject(sub), m_sub(sub) {
        setObjectName(QStringLiteral("MdiChildKeeper"));
        sub->installEventFilter(this);
        apply();
        remember();
    }

    void apply() {
        QWidget* inner = m_sub->widget();
        if (!inner) return;
        // A minimised child is only its title bar: no limits of the window inside apply.
        if (m_sub->windowState() & Qt::WindowMinimized) {
            setLimits(QSize(0, 0), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
            return;
        }
        const QMargins m = m_sub->contentsMargins();
        const QSize frame(m.left() + m.right(), m.top() + m.bottom());
        const auto grown = [](int size, int by) {
            return size >= QWIDGETSIZE_MAX - by ? QWIDGETSIZE_MAX : size + by;
        };
        const QSize lo = inner->minimumSize();
        const QSize hi = inner->maximumSize();
        setLimits(QSize(grown(lo.width(), frame.width()), grown(lo.height(), frame.height())),
                  QSize(grown(hi.width(), frame.width()), grown(hi.height(), frame.height())));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == m_sub && !m_limiting) {
            switch (e->type()) {
                case QEvent::WindowStateChange:
                    stateChanging();
                    apply();
                    break;
                case QEvent::LayoutRequest:  // the inner window's limits may have changed
                case QEvent::Show:
                    apply();
                    break;
                case QEvent::Move:
                case QEvent::Resize:
                    apply();
                    if (!m_stateChanging) remember();
                    break;
                default:
                    break;
            }
        }
        return QObject::eventFilter(watched, e);
    }

private:
    void setLimits(const QSize& lo, const QSize& hi) {
        m_limiting = true;
        if (m_sub->minimumSize() != lo) m_sub->setMinimumSize(lo);
        if (m_sub->maximumSize() != hi) m_sub->setMaximumSize(hi);
        m_limiting = false;
    }
    // The place the child comes back to: where it is while in the normal state.
    void remember() {
        if (isNormalState(m_sub)) m_sub->setProperty(NormalGeometryProperty, m_sub->geometry());
    }
    // While it is maximised or restored the child passes through the normal state with
    // places that are not its own; its place counts again once the change is done.
    void stateChanging() {
        if (m_stateChanging) return;
        m_stateChanging = true;
        QTimer::singleShot(0, this, [this] {
            m_stateChanging = false;
            remember();
        });
    }

    QMdiSubWindow* m_sub;
    bool m_limiting = false;
    bool m_stateChanging = false;
};

int subWindowTag(const QMdiSubWindow* sub) {
    const int tag = sub->property(TagProperty).toInt();
    return tag > 0 || !sub->widget() ? tag : sub->widget()->property(TagProperty).toInt();
}

}  // namespace

void LAYOUT_SetTag(QObject* object, int tag) {
    if (object) object->setProperty(TagProperty, tag);
}

int LAYOUT_Tag(const QObject* object) {
    if (!object) return 0;
    if (auto* sub = qobject_cast<const QMdiSubWindow*>(object)) return subWindowTag(sub);
    return object->property(TagProperty).toInt();
}

void LAYOUT_KeepMdiChild(QMdiSubWindow* sub) {
    if (!sub) return;
    QObject* found =
        sub->findChild<QObject*>(QStringLiteral("MdiChildKeeper"), Qt::FindDirectChildrenOnly);
    if (auto* keeper = dynamic_cast<MdiChildKeeper*>(found))
        keeper->apply();
    else
        new MdiChildKeeper(sub);
}

void LAYOUT_SetWantedSize(QWidget* window, const QSize& size) {
    if (!window || LAYOUT_WantedSize(window) == size) return;
    window->setProperty(WantedSizeProperty, size);
    if (QWidget* holder = window->parentWidget())
        QCoreApplication::postEvent(holder, new QEvent(QEvent::LayoutRequest));
}

QSize LAYOUT_WantedSize(const QWidget* window) {
    return window ? window->property(WantedSizeProperty).toSize() : QSize();
}

QRect LAYOUT_NormalGeometry(const QWidget* w) {
    if (!w) return {};
    // A window's position is that of its frame, its size that of its inside (as restored).
    const QRect now(w->pos(), w->size());
    if (isNormalState(w)) return now;
    if (w->isWindow()) {
        const QRect normal = w->normalGeometry();
        return normal.isValid() ? normal.translated(w->pos() - w->geometry().topLeft()) : now;
    }
    const QRect kept = w->property(NormalGeometryProperty).toRect();
    return kept.isValid() ? kept : now;
}

void LAYOUT_RestoreForm(const MainSettings& settings, QWidget* form) {
    if (!form) return;
    const TFormPlacement* p = settings.slot(LAYOUT_Tag(form));
    if (!p || p->State <= 0) return;
    QWidget* w = placedWindow(form);
    w->move(w->x(), p->Top);
    w->move(p->Left, w->y());
    if (isSizeable(form)) {
        w->resize(w->width(), std::max(p->Height, 0));
        w->resize(std::max(p->Width, 0), w->height());
    }
    if (w->isWindow())
        keepOnScreen(w);
    else
        keepInMdiArea(w);
    const Qt::WindowStates others = w->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (p->State == 3)
        w->setWindowState(others);
    else if (p->State == 2)
        w->setWindowState(others | Qt::WindowMaximized);
    else
        w->setWindowState(others | Qt::WindowMinimized);
}

void LAYOUT_SaveForm(MainSettings& settings, QWidget* form) {
    if (!form) return;
    TFormPlacement* p = settings.slot(LAYOUT_Tag(form));
    if (!p) return;
    const QWidget* w = placedWindow(form);
    if (!w->isMinimized()) {
        // A maximised window keeps the place it comes back to: the slot restores that place
        // and maximises it again, so that un-maximising it does not cover its neighbours.
        const QRect r = LAYOUT_NormalGeometry(w);
        p->Top = std::max(r.y(), 0);
        p->Left = std::max(r.x(), 0);
        p->Height = r.height();
        p->Width = r.width();
    }
    p->State = w->isMinimized() ? 1 : w->isMaximized() ? 2 : 3;
    p->Open = isShown(w);
}

bool LAYOUT_WasOpen(const MainSettings& settings, const QWidget* form) {
    const TFormPlacement* p = form ? settings.slot(LAYOUT_Tag(form)) : nullptr;
    return p && p->Open;
}

void LAYOUT_SaveZOrder(MainSettings& settings, QMdiArea* mdi) {
    for (int n = 1; n <= MainSettings::SlotCount; ++n) settings.FormPlacement[n].Pos = -1;
    if (!mdi) return;
    // Listed from the bottom-most to the front-most: the list index is the stacking position.
    const QList<QMdiSubWindow*> children = mdi->subWindowList(QMdiArea::StackingOrder);
    for (int i = 0; i < children.size(); ++i)
        if (TFormPlacement* p = settings.slot(subWindowTag(children[i]))) p->Pos = i;
}

void LAYOUT_RestoreZOrder(const MainSettings& settings, QMdiArea* mdi) {
    if (!mdi) return;
    const QList<QMdiSubWindow*> children = mdi->subWindowList();
    auto childWithTag = [&](int tag) -> QMdiSubWindow* {
        for (QMdiSubWindow* c : children)
            if (subWindowTag(c) == tag) return c;
        return nullptr;
    };
    for (int pos = 0; pos < MainSettings::SlotCount; ++pos) {
        for (int n = 1; n <= MainSettings::SlotCount; ++n) {
            if (settings.FormPlacement[n].Pos != pos) continue;
            QMdiSubWindow* c = childWithTag(n);
            if (!c) continue;
            c->raise();
            if (c->isVisible()) mdi->setActiveSubWindow(c);
            break;
        }
    }
}

void LAYOUT_ActivateShownChild(QMdiArea* mdi) {
    if (!mdi) return;
    const QMdiSubWindow* active = mdi->activeSubWindow();
    if (active && active->isVisible() && !active->isMinimized()) return;
    const QList<QMdiSubWindow*> children = mdi->subWindowList(QMdiArea::StackingOrder);
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if ((*it)->isVisible() && !(*it)->isMinimized()) {
            mdi->setActiveSubWindow(*it);
            // The focus goes with it: the window gives the focus back to where it was when
            // it becomes active, and a child holding the focus becomes the active one again.
            (*it)->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void LAYOUT_RestoreColumns(const MainSettings& settings, QTreeView* list) {
    if (!list) return;
    const int tag = LAYOUT_Tag(list);
    if (tag < 1) return;
    const int columns = list->header()->count();
    for (int i = 0; i < columns; ++i)
        if (const int32_t* width = settings.columnWidth(tag, i)) list->setColumnWidth(i, *width);
}

void LAYOUT_SaveColumns(MainSettings& settings, QTreeView* list) {
    if (!list) return;
    const int tag = LAYOUT_Tag(list);
    if (tag < 1) return;
    const int columns = list->header()->count();
    const QVariantMap kept = list->property(KeptColumnsProperty).toMap();
    for (int i = 0; i < columns; ++i)
        if (int32_t* width = settings.columnWidth(tag, i))
            *width = kept.value(QString::number(i), list->columnWidth(i)).toInt();
}

void LAYOUT_KeepColumnWidth(QTreeView* list, int column, int width) {
    if (!list || column < 0) return;
    QVariantMap kept = list->property(KeptColumnsProperty).toMap();
    if (width < 0)
        kept.remove(QString::number(column));
    else
        kept.insert(QString::number(column), width);
    list->setProperty(KeptColumnsProperty, kept);
}
