// The summary report of one diagnosis as plain text: a title, the user's remark, then the
// rows of the device information, operating data and error lists as dotted item lines, closed
// by a rule and the date and time. It needs no window: the summary window shows, saves and
// prints it, and the measurement log writes one beside its file when logging starts.
//
// The text is UTF-8 with CR LF line ends; on disk it is Windows-1252.
#pragma once

#include "dialoghelpers.h"
#include "records.h"

// The three lists a report reads (caption, "Wert", "Einheit" per row); a missing one is empty.
struct DiagReportLists {
    const IListControl* configuration = nullptr;
    const IListControl* operatingData = nullptr;
    const IListControl* errors = nullptr;
};

// One line of a list row, without its line end: the caption from column 3 over two blanks,
// 90 dots and a blank, the value ending in column 93, then a blank and the unit. A caption is
// cut to the 91 columns it may use, a value to the template's 93.
ByteString ZUSAM_FormatItemLine(const ByteString& caption, const ByteString& value,
                                const ByteString& unit);
// Every row of a list as an item line ended by CR LF; an empty list gives an empty text.
ByteString ZUSAM_FormatListView(const IListControl& list);

// The whole report. remark: as typed (any line ends; they become CR LF). dateText, timeText:
// the moment of building in the program's short date and long time formats.
ByteString ZUSAM_BuildReport(const ByteString& remark, const DiagReportLists& lists,
                             const ByteString& dateText, const ByteString& timeText);

// Writes a report in Windows-1252. An existing file is replaced only once the new content is
// completely written; on failure (result false) it stays as it was.
bool ZUSAM_WriteReport(const ByteString& fileName, const ByteString& report);
// Reads a report file back as UTF-8 text; false when it cannot be read or is far larger than
// any report.
bool ZUSAM_ReadReport(const ByteString& fileName, ByteString& report);
