// The columns of a list view with a parameter, a value and a unit column (the error list, the
// device information and the operating data): column 0 names the rows and stretches, column 1
// holds the values, column 2 the units.
//
// While the list is wide enough, the value column widens to its widest text, up to half the
// list's width, and never goes below the width the program set (the design width, or the one
// restored from the settings, which cannot tell the user's from the program's); the unit column
// keeps the width the program set; the parameter column takes the rest. A list narrower than
// that shares its width fairly: the unit column shrinks to its widest text (never below its
// header), the parameter column keeps at least its widest name, up to half the list, and the
// value column takes the rest up to its widest value. Only when even that does not fit are
// names and values cut (they show whole in their tool tips); the parameter column still keeps
// its share, and the value and unit columns give way.
// A width the user sets by hand, by dragging or double-clicking a column's edge, is kept for
// the rest of the run (the unit column never below its least width). The settings keep the
// width the program set, or the user's, never the fitted one, so repeated runs start from the
// same layout.
//
// The window holding the list (its parent) wants, in an arrangement of the windows, the width
// that shows the widest name, value and unit side by side (LAYOUT_SetWantedSize); the width
// only grows while the list holds rows, and is given up when the list is emptied.
//
// Call it once the list has its columns and their widths:
//     VIEW_FitListColumns(m_list, 100);
#pragma once

class QTreeView;

void VIEW_FitListColumns(QTreeView* list, int unitMinimum);

// The width each column of the list needs for its widest text (the header's included).
struct ListColumnNeeds {
    int name = 0;
    int value = 0;
    int unit = 0;
};
ListColumnNeeds VIEW_ListColumnNeeds(const QTreeView* list);
