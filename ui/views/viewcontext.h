// What a view needs from the main window. The main window fills this once when it creates its
// views; every hook may stay empty (a view then simply does without it), so a view also runs
// on its own in a test.
#pragma once

#include <functional>

#include "ports.h"

class QTreeView;
class QWidget;

struct ViewContext {
    // Modal boxes (the overview's information boxes). Without it no box opens.
    IUserInteraction* ui = nullptr;
    // The main window's temperature unit: 0 Celsius, 1 Fahrenheit (TemperatureUnit).
    std::function<int()> temperatureUnit;
    // Window placement by slot tag, run when the view is shown and when it is closed
    // (LAYOUT_RestoreForm / LAYOUT_SaveForm). `window` is what sits on the screen: the MDI
    // sub-window around the view, or the view itself when it has none.
    std::function<void(QWidget* window, int tag)> restoreForm;
    std::function<void(QWidget* window, int tag)> saveForm;
    // Column widths of a list view by its list tag (LAYOUT_RestoreColumns), run on show.
    std::function<void(QTreeView* list, int listTag)> restoreColumns;
    // Opens the help topic of a help context (HelpService::HELP_ShowContext).
    std::function<void(int context)> showHelp;
    // The main window's "delete the error memory" action, which asks for the confirmation of
    // the active device class and then hands the request to the device module.
    std::function<void()> requestErrorDelete;
    // Whether that action may run now (adapter ready, a session of a class that can delete).
    // Empty: the error view decides from the link state and the device class it was given.
    std::function<bool()> errorDeleteEnabled;
};
