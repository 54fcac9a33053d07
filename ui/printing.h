// Printing of the program's texts: a confirmed choice of the main window's shared print dialog
// becomes a printer (or a PDF file), and plain text is laid out on its pages.
#pragma once

#include <QString>

#include "ports.h"

class QPrinter;

// Points the printer at the chosen printer or PDF file, with copies and orientation.
void UI_ApplyPrintChoice(QPrinter& printer, const PrintChoice& choice);

// Prints plain text in a monospaced font small enough that lines of `columns` characters fit
// the page width, so columns of dotted lines stay aligned. The document carries `title`.
// false when the printer or file could not be opened.
bool UI_PrintPlainText(const PrintChoice& choice, const QString& text, const QString& title,
                       int columns);

// The shared print dialog, then the text printed as above; false when cancelled or failed.
// A failure is said in a box.
bool UI_PrintPlainText(IUserInteraction& ui, const QString& text, const QString& title, int columns,
                       int helpContext);

// Says in a box that the chosen printer or PDF file could not be printed to.
void UI_ReportPrintFailure(IUserInteraction& ui, const PrintChoice& choice);
