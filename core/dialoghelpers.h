// Helpers that every dialog uses the same way: range-checked numeric edits, enabling edits,
// list-view rows and the main window's file dialogs with their messages. They act on the
// small control interfaces below, which the Qt windows implement, and show their boxes through
// the user-interaction port.
#pragma once

#include <cstdint>

#include "ports.h"
#include "records.h"

class IEditControl {
public:
    virtual ~IEditControl() = default;
    virtual ByteString text() const = 0;
    virtual void setText(const ByteString& text) = 0;
    virtual void setFocus() = 0;
    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    // true: the window background colour; false: the button-face colour of a disabled field.
    virtual void setWindowBackground(bool window) = 0;
};

using IComboControl = IEditControl;

class IListControl {
public:
    virtual ~IListControl() = default;
    virtual int rowCount() const = 0;
    // column 0 is the caption, 1 and 2 the sub-items.
    virtual ByteString cell(int row, int column) const = 0;
    virtual void setCell(int row, int column, const ByteString& text) = 0;
    virtual void appendRow(const ByteString& caption, const ByteString& sub1,
                           const ByteString& sub2) = 0;
    virtual void deleteRow(int row) = 0;
};

// Message texts of the helpers.
ByteString RS_InputError();
ByteString RS_RangeUnderflow();
ByteString RS_RangeExceeded();
ByteString RS_Datei();
ByteString RS_NotFound();
ByteString RS_Overwrite();
ByteString RS_NotCreated();
ByteString RS_NotOpened();
// Four blanks, "Datei", the file name without directory, the tail, four blanks.
ByteString TOOL_FileMessage(const ByteString& fileName, const ByteString& tail);

long double TOOL_CheckRange(IUserInteraction& ui, IEditControl& edit, bool parseFailed,
                            long double parsed, long double current, long double minimum,
                            long double maximum);
// decimals 255 writes the shortest text; accepts '.' and ',' as the separator.
long double TOOL_EditFloat(IUserInteraction& ui, IEditControl& edit, int decimals,
                           long double current, long double minimum, long double maximum);
int64_t TOOL_EditInt(IUserInteraction& ui, IEditControl& edit, int64_t current, int64_t minimum,
                     int64_t maximum);
int64_t TOOL_EditHex(IUserInteraction& ui, IEditControl& edit, int64_t current, int64_t minimum,
                     int64_t maximum, int digits);
int64_t TOOL_EditBin(IUserInteraction& ui, IEditControl& edit, int64_t current, int64_t minimum,
                     int64_t maximum, int digits);
void TOOL_EnableEdit(IEditControl& edit, bool enabled);
void TOOL_EnableCombo(IComboControl& combo, bool enabled);

void TOOL_ListAddRow(IListControl& list, const ByteString& caption, const ByteString& sub1,
                     const ByteString& sub2);
void TOOL_ListDeleteRow(IListControl& list, int row);
void TOOL_ListSetCell(IListControl& list, int row, int column, const ByteString& text);

// result: Invalid 0 and Text/Value = chosen file and filter index when confirmed.
void TOOL_OpenFileDialog(IUserInteraction& ui, const ByteString& title, const ByteString& filter,
                         int filterIndex, bool mustExist, const ByteString& defaultFile,
                         int helpContext, TResult& result);
void TOOL_SaveFileDialog(IUserInteraction& ui, const ByteString& title, const ByteString& filter,
                         int filterIndex, bool confirm, const ByteString& defaultFile,
                         int helpContext, TResult& result);
// Asks before an existing file is replaced. A Yes only gives permission: the file itself is
// replaced later, and only once its new content is completely written (TOOL_WriteFileSafely).
bool TOOL_ConfirmOverwrite(IUserInteraction& ui, const ByteString& fileName);
