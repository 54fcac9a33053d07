#include "diagreport.h"

#include <fstream>
#include <iterator>

#include "charset.h"
#include "safefile.h"
#include "translate.h"

#define CTX "TZUSAMFASS_Form"

namespace {

constexpr size_t kTemplateWidth = 93;  // "  " + 90 dots + " "
constexpr size_t kCaptionColumn = 2;   // 0-based: column 3
constexpr size_t kTitleWidth = 92;
constexpr size_t kRuleWidth = 100;
// A report is a few kilobytes; a file far beyond that is not one of ours.
constexpr size_t kMaxReportBytes = 4 * 1024 * 1024;

const ByteString kCrLf = "\r\n";

// Line ends of typed text (LF, CR or CR LF) as CR LF.
ByteString withCrLf(const ByteString& text) {
    ByteString out;
    out.reserve(text.size() + 16);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += kCrLf;
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += kCrLf;
        } else {
            out.push_back(c);
        }
    }
    return out;
}

ByteString titleLine() {
    const ByteString title = TR(CTX, "Diagnosebericht");
    const ByteString product = "NAVIRON Calvix Test V 1.4";
    // The product text ends in column 92 however long the title reads in the language.
    const size_t titleChars = TOOL_Utf8ToCodePoints(title).size();
    const size_t gap =
        titleChars + product.size() < kTitleWidth ? kTitleWidth - titleChars - product.size() : 1;
    return title + ByteString(gap, ' ') + product;
}

ByteString sectionHead(const ByteString& caption) {
    return kCrLf + caption + kCrLf + ByteString(TOOL_Utf8ToCodePoints(caption).size(), '-');
}

}  // namespace

ByteString ZUSAM_FormatItemLine(const ByteString& caption, const ByteString& value,
                                const ByteString& unit) {
    std::u32string line = U"  " + std::u32string(90, U'.') + U" ";
    std::u32string c = TOOL_Utf8ToCodePoints(caption);
    c.resize(std::min(c.size(), kTemplateWidth - kCaptionColumn));
    line.replace(kCaptionColumn, c.size(), c);
    std::u32string v = TOOL_Utf8ToCodePoints(value);
    v.resize(std::min(v.size(), kTemplateWidth));
    line.replace(kTemplateWidth - v.size(), v.size(), v);
    return TOOL_CodePointsToUtf8(line) + " " + unit;
}

ByteString ZUSAM_FormatListView(const IListControl& list) {
    ByteString out;
    for (int row = 0; row < list.rowCount(); ++row)
        out +=
            ZUSAM_FormatItemLine(list.cell(row, 0), list.cell(row, 1), list.cell(row, 2)) + kCrLf;
    return out;
}

ByteString ZUSAM_BuildReport(const ByteString& remark, const DiagReportLists& lists,
                             const ByteString& dateText, const ByteString& timeText) {
    auto items = [](const IListControl* list) {
        return list ? ZUSAM_FormatListView(*list) : ByteString();
    };
    const ByteString rule(kRuleWidth, '-');
    // Each piece is one line of the report: it is followed by CR LF, so a piece that ends
    // with CR LF leaves an empty line after it.
    const ByteString pieces[] = {
        titleLine() + kCrLf + rule + kCrLf,
        withCrLf(remark),
        sectionHead(TR(CTX, "Konfiguration:")),
        items(lists.configuration),
        sectionHead(TR(CTX, "Betriebsdaten:")),
        items(lists.operatingData),
        sectionHead(TR(CTX, "Fehler:")),
        items(lists.errors),
        kCrLf + rule + kCrLf + dateText + "  " + timeText,
    };
    ByteString report;
    for (const ByteString& piece : pieces) report += piece + kCrLf;
    return report;
}

bool ZUSAM_WriteReport(const ByteString& fileName, const ByteString& report) {
    return TOOL_WriteFileSafely(fileName, TOOL_Utf8ToWindows1252(report));
}

bool ZUSAM_ReadReport(const ByteString& fileName, ByteString& report) {
    ByteString bytes;
    if (!TOOL_ReadFile(fileName, kMaxReportBytes, bytes)) return false;
    report = TOOL_Windows1252ToUtf8(bytes);
    return true;
}
