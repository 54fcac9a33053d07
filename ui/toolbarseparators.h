// A tool bar whose buttons come and go with the device class: a separator shows only where
// it stands between two shown buttons, so hidden buttons leave no separators side by side,
// and none at either end.
#pragma once

class QToolBar;

// Follows the tool bar's buttons from now on; call it once the bar is filled.
void TOOLBAR_KeepSeparatorsTidy(QToolBar* bar);
// Shows and hides the separators for the buttons shown now.
void TOOLBAR_TidySeparators(QToolBar* bar);
