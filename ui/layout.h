// Window placement: each placed window has a Tag (1..20) naming its slot in the settings; it
// takes its position, size and state from the slot when it is shown and stores them when it
// closes. MDI children also keep their stacking order, and list views their column widths.
#pragma once

#include <cstdint>

class MainSettings;
class QMdiArea;
class QMdiSubWindow;
class QObject;
class QRect;
class QSize;
class QTreeView;
class QWidget;

// One placement slot.
struct TFormPlacement {
    int32_t State = 0;  // 3 normal, 2 maximised, 1 minimised; 0 or less: nothing saved
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Height = 0;
    int32_t Width = 0;
    bool Open = false;  // the window was visible when its placement was saved
    int32_t Pos = 0;    // stacking position among the MDI children, 0 bottom-most; -1 none
};

bool operator==(const TFormPlacement& a, const TFormPlacement& b);
inline bool operator!=(const TFormPlacement& a, const TFormPlacement& b) {
    return !(a == b);
}

// A window's or list view's Tag, kept as the object's "Tag" property (0 when none). For an
// MDI sub-window the Tag of the widget inside it counts when the sub-window has none.
void LAYOUT_SetTag(QObject* object, int tag);
int LAYOUT_Tag(const QObject* object);

// An MDI child keeps the size limits of the window inside it (its minimum and maximum size,
// plus the frame) whenever it is not minimised, so that no tiling, cascade or restored
// placement makes it smaller or larger than its window allows; and it remembers the place it
// has in the normal state, which is what its slot keeps while it is maximised. The main
// window's MDI children are kept so from their creation; applying again takes the inner
// window's limits as they are now.
void LAYOUT_KeepMdiChild(QMdiSubWindow* sub);
// The room a window wants in an arrangement of the MDI children, beyond its minimum size: what
// it needs to show its content whole (0 in a direction: its minimum is enough). Arrangements
// give it that room where every child can have it, and its minimum where not. A changed size
// is told to the MDI child holding the window, as a change of its limits is.
void LAYOUT_SetWantedSize(QWidget* window, const QSize& size);
QSize LAYOUT_WantedSize(const QWidget* window);
// The place a window has, or comes back to, in the normal state.
QRect LAYOUT_NormalGeometry(const QWidget* window);

void LAYOUT_RestoreForm(const MainSettings& settings, QWidget* form);
void LAYOUT_SaveForm(MainSettings& settings, QWidget* form);
bool LAYOUT_WasOpen(const MainSettings& settings, const QWidget* form);
void LAYOUT_SaveZOrder(MainSettings& settings, QMdiArea* mdi);
void LAYOUT_RestoreZOrder(const MainSettings& settings, QMdiArea* mdi);
// When no child is active, or the active one is laid aside (minimised), the front-most child
// that is shown and not laid aside becomes the active one.
void LAYOUT_ActivateShownChild(QMdiArea* mdi);
void LAYOUT_RestoreColumns(const MainSettings& settings, QTreeView* list);
// A column that the program widens for its content on its own keeps, in the settings, the
// width it was given rather than the widened one, so each run starts from the same layout.
// LAYOUT_SaveColumns saves that width; a negative one saves the column's shown width again.
void LAYOUT_KeepColumnWidth(QTreeView* list, int column, int width);
void LAYOUT_SaveColumns(MainSettings& settings, QTreeView* list);
