#include "dialoghelpers.h"

#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cstdlib>

#include "rounding.h"
#include "safefile.h"
#include "textconv.h"
#include "translate.h"

#define CTX "MAIN_TOOL"

ByteString RS_InputError() {
    return TR(CTX, "      Eingabe fehlerhaft!      ");
}
ByteString RS_RangeUnderflow() {
    return TR(CTX, "      Wertebereich unterschritten!      ");
}
ByteString RS_RangeExceeded() {
    return TR(CTX, "      Wertebereich überschritten!       ");
}
ByteString RS_Datei() {
    return TR(CTX, "Datei");
}
ByteString RS_NotFound() {
    return TR(CTX, "nicht gefunden!");
}
ByteString RS_Overwrite() {
    return TR(CTX, "überschreiben?");
}
ByteString RS_NotCreated() {
    return TR(CTX, "konnte nicht erstellt werden!");
}
ByteString RS_NotOpened() {
    return TR(CTX, "konnte nicht geöffnet werden!");
}

ByteString TOOL_FileMessage(const ByteString& fileName, const ByteString& tail) {
    return "    " + RS_Datei() + " " + TOOL_FileNameOnly(fileName) + " " + tail + "    ";
}

long double TOOL_CheckRange(IUserInteraction& ui, IEditControl& edit, bool parseFailed,
                            long double parsed, long double current, long double minimum,
                            long double maximum) {
    if (edit.text().empty()) return parsed;
    if (parseFailed) {
        ui.messageBox(MsgKind::Error, RS_InputError(), MB_OK);
        edit.setFocus();
        return current;
    }
    if (parsed < minimum) {
        ui.messageBox(MsgKind::Error, RS_RangeUnderflow(), MB_OK);
        edit.setFocus();
        return minimum;
    }
    if (parsed > maximum) {
        ui.messageBox(MsgKind::Error, RS_RangeExceeded(), MB_OK);
        edit.setFocus();
        return maximum;
    }
    return parsed;
}

namespace {

bool parseFloat(ByteString t, long double& out) {
    for (char& c : t)
        if (c == ',') c = '.';
    if (t.empty()) return false;
    double d = 0;
    auto res = std::from_chars(t.data(), t.data() + t.size(), d);
    if (res.ec != std::errc() || res.ptr != t.data() + t.size()) return false;
    out = d;
    return true;
}

bool parseInt64(const ByteString& t, int64_t& out) {
    if (t.empty()) return false;
    auto res = std::from_chars(t.data(), t.data() + t.size(), out);
    return res.ec == std::errc() && res.ptr == t.data() + t.size();
}

ByteString hexDigits(int64_t v, int digits) {
    static const char kHex[] = "0123456789ABCDEF";
    if (digits < 1) digits = 1;
    if (digits > 16) digits = 16;
    ByteString r(static_cast<size_t>(digits), '0');
    uint64_t u = static_cast<uint64_t>(v);
    for (int i = digits - 1; i >= 0; --i) {
        r[static_cast<size_t>(i)] = kHex[u & 15];
        u >>= 4;
    }
    return r;
}

}  // namespace

long double TOOL_EditFloat(IUserInteraction& ui, IEditControl& edit, int decimals,
                           long double current, long double minimum, long double maximum) {
    long double parsed = current;
    const bool failed = !parseFloat(TOOL_StripBlanks(edit.text()), parsed);
    if (failed) parsed = current;
    const long double v = TOOL_CheckRange(ui, edit, failed, parsed, current, minimum, maximum);
    edit.setText(decimals == 255 ? TOOL_FormatFloatShortest(v) : TOOL_FormatFloat(v, decimals));
    return v;
}

int64_t TOOL_EditInt(IUserInteraction& ui, IEditControl& edit, int64_t current, int64_t minimum,
                     int64_t maximum) {
    int64_t parsed = current;
    const bool failed = !parseInt64(TOOL_StripBlanks(edit.text()), parsed);
    if (failed) parsed = current;
    const int64_t v =
        TOOL_Round64(TOOL_CheckRange(ui, edit, failed, parsed, current, minimum, maximum));
    edit.setText(std::to_string(v));
    return v;
}

int64_t TOOL_EditHex(IUserInteraction& ui, IEditControl& edit, int64_t current, int64_t minimum,
                     int64_t maximum, int digits) {
    const int64_t h = TOOL_HexToInt(TOOL_UpperAscii(TOOL_StripBlanks(edit.text())));
    const bool failed = h < 0;
    const int64_t parsed = failed ? current : h;
    const int64_t v =
        TOOL_Round64(TOOL_CheckRange(ui, edit, failed, parsed, current, minimum, maximum));
    edit.setText(hexDigits(v, digits));
    return v;
}

int64_t TOOL_EditBin(IUserInteraction& ui, IEditControl& edit, int64_t current, int64_t minimum,
                     int64_t maximum, int digits) {
    const ByteString t = TOOL_StripBlanks(edit.text());
    // An emptied edit is a failed parse like in the other edit helpers: no box, current value.
    const int64_t b = t.empty() ? -1 : TOOL_BinTextToInt(t);
    const bool failed = b < 0;
    const int64_t parsed = failed ? current : b;
    const int64_t v =
        TOOL_Round64(TOOL_CheckRange(ui, edit, failed, parsed, current, minimum, maximum));
    edit.setText(TOOL_IntToBinText(v, digits));
    return v;
}

void TOOL_EnableEdit(IEditControl& edit, bool enabled) {
    if (edit.isEnabled() == enabled) return;
    edit.setEnabled(enabled);
    edit.setWindowBackground(enabled);
    if (!enabled) edit.setText(ByteString());
}

void TOOL_EnableCombo(IComboControl& combo, bool enabled) {
    TOOL_EnableEdit(combo, enabled);
}

void TOOL_ListAddRow(IListControl& list, const ByteString& caption, const ByteString& sub1,
                     const ByteString& sub2) {
    list.appendRow(caption, sub1, sub2);
}

void TOOL_ListDeleteRow(IListControl& list, int row) {
    if (row >= 0 && row < list.rowCount()) list.deleteRow(row);
}

void TOOL_ListSetCell(IListControl& list, int row, int column, const ByteString& text) {
    if (row < 0 || column < 0 || column > 2) return;
    if (row >= list.rowCount()) {
        ByteString cells[3];
        cells[column] = text;
        list.appendRow(cells[0], cells[1], cells[2]);
        return;
    }
    if (list.cell(row, column) != text) list.setCell(row, column, text);
}

void TOOL_OpenFileDialog(IUserInteraction& ui, const ByteString& title, const ByteString& filter,
                         int filterIndex, bool mustExist, const ByteString& defaultFile,
                         int helpContext, TResult& result) {
    result.clear();
    result.Value = filterIndex;
    result.Text = defaultFile;
    FileDialogRequest req{title, filter,     filterIndex, TOOL_DirectoryOf(defaultFile),
                          "",    helpContext};
    const auto choice = ui.openFileDialog(req);
    if (!choice) return;
    result.Value = choice->filterIndex;
    result.Text = choice->fileName;
    if (mustExist && !TOOL_FileExists(choice->fileName)) {
        // Something that is there but is no regular file (a folder, a pipe, a device) cannot
        // be opened; only what is not there at all is "not found".
        struct stat st;
        const bool there = ::stat(choice->fileName.c_str(), &st) == 0;
        ui.messageBox(MsgKind::Error,
                      TOOL_FileMessage(choice->fileName, there ? RS_NotOpened() : RS_NotFound()),
                      MB_OK);
        return;
    }
    result.Invalid = 0;
}

void TOOL_SaveFileDialog(IUserInteraction& ui, const ByteString& title, const ByteString& filter,
                         int filterIndex, bool confirm, const ByteString& defaultFile,
                         int helpContext, TResult& result) {
    result.clear();
    result.Value = filterIndex;
    result.Text = defaultFile;
    FileDialogRequest req{title, filter,     filterIndex, TOOL_DirectoryOf(defaultFile),
                          "",    helpContext};
    const auto choice = ui.saveFileDialog(req);
    if (!choice) return;
    result.Value = choice->filterIndex;
    result.Text = choice->fileName;
    result.Invalid = confirm ? !TOOL_ConfirmOverwrite(ui, choice->fileName) : 0;
}

bool TOOL_ConfirmOverwrite(IUserInteraction& ui, const ByteString& fileName) {
    if (!TOOL_FileExists(fileName)) return true;
    const int b =
        ui.messageBox(MsgKind::Warning, TOOL_FileMessage(fileName, RS_Overwrite()), MB_YES | MB_NO);
    if (b != MB_YES) return false;
    // The old file stays until the new content is written; here it must at least be replaceable.
    const ByteString dir = TOOL_DirectoryOf(fileName);
    if (::access(fileName.c_str(), W_OK) != 0 ||
        ::access(dir.empty() ? "." : dir.c_str(), W_OK) != 0) {
        ui.messageBox(MsgKind::Error, TOOL_FileMessage(fileName, RS_NotCreated()), MB_OK);
        return false;
    }
    return true;
}
