// The value column of a list view (a parameter, value, unit list such as the error list, the
// device information or the operating data): while the list has room, no value is shown cut
// off. The column widens to its widest text, up to half the list's width, and the other
// columns give way (a stretching parameter column takes the rest). The width the program sets
// (the design width, or the one restored from the settings, which cannot tell the user's from
// the program's) is where the column starts and what it comes back to when the list narrows;
// a list too narrow even for that width narrows the column too, so that every column stays
// in sight (the texts cut off then show whole in their tool tips).
// A width the user sets by hand, by dragging or double-clicking the column's edge, is kept for
// the rest of the run. The settings keep the width the program set, or the user's, never the
// widened one, so repeated runs start from the same layout.
//
// Call it once the list has its columns and their widths:
//     VIEW_FitValueColumn(m_list, 1);
#pragma once

class QTreeView;

void VIEW_FitValueColumn(QTreeView* list, int column);
