// The pictures of the main window's tool bar, menus and status bar, by image-list index.
#pragma once

#include <QIcon>

// A drawn picture for every index the program uses; an empty icon for any other.
QIcon IMAGE_Icon(int index);
