#include "paramsetfile.h"

#include <cstdio>
#include <memory>

#include "buscommon.h"
#include "safefile.h"
#include "textconv.h"

namespace ParamSetFile {
namespace {

const ByteString kSeparator = ";" + ByteString(73, '*');

// Only the first characters of a line matter: the address (1..4) and the value (5..13), and
// whether at least six remain before a ';'. Longer lines are cut here so that a file of any
// size is read in bounded memory.
constexpr size_t kKeptPerLine = 16;

// One line: what it gives for the set.
enum class LineOutcome { Skipped, Item, Error };

LineOutcome judgeLine(const ByteString& kept, int filterIndex, const TEolParamSet& set,
                      int32_t& address, int32_t& value) {
    const ByteString line = TOOL_TextBeforeSemicolon(kept);
    if (line.size() < 6) return LineOutcome::Skipped;
    address = static_cast<int32_t>(TOOL_HexToInt(TOOL_StripBlanks(line.substr(0, 4))));
    const int64_t v = TOOL_HexToInt(TOOL_StripBlanks(line.substr(4, 9)));
    value = static_cast<int32_t>(v);
    if (v > 255 || (filterIndex == FilterEol && address > 255)) return LineOutcome::Error;
    if (address < 0) return LineOutcome::Skipped;  // a heading: the address is no hex number
    // An address with no readable value would write 0xFF to the unit.
    if (v < 0) return LineOutcome::Error;
    if (set.HasAddr(address)) return LineOutcome::Error;
    return LineOutcome::Item;
}

// Splits a stream of bytes into lines (LF ends a line, a CR before it is dropped) keeping the
// first characters of each; feed() returns false once a line ended the reading.
class LineReader {
public:
    LineReader(int filterIndex, TEolParamSet& set) : m_filter(filterIndex), m_set(set) {}

    bool feed(const char* data, size_t n) {
        for (size_t i = 0; i < n; ++i) {
            const char c = data[i];
            if (c == '\n') {
                m_pendingCr = false;  // CR LF: the CR belongs to the line end
                if (!endLine()) return false;
                continue;
            }
            if (m_pendingCr) keep('\r');
            m_pendingCr = c == '\r';
            if (!m_pendingCr) keep(c);
            m_open = true;
        }
        return true;
    }
    // The end of the input; the result of the whole read.
    int32_t finish() {
        if (m_pendingCr) keep('\r');
        if (m_open && !endLine()) return m_result;
        return m_set.Count >= 1 ? LoadOk : LoadNothing;
    }
    int32_t result() const { return m_result; }
    int32_t lines() const { return m_lines; }

private:
    void keep(char c) {
        if (m_kept.size() < kKeptPerLine) m_kept.push_back(c);
    }
    bool endLine() {
        ++m_lines;
        ByteString kept;
        kept.swap(m_kept);
        m_open = false;
        int32_t address = -1, value = -1;
        switch (judgeLine(kept, m_filter, m_set, address, value)) {
            case LineOutcome::Item:
                m_set.AddItem(address, static_cast<uint8_t>(value & 0xFF));
                return true;
            case LineOutcome::Skipped:
                return true;
            case LineOutcome::Error:
                m_result = m_lines;
                return false;
        }
        return true;
    }

    int m_filter;
    TEolParamSet& m_set;
    ByteString m_kept;
    bool m_open = false;
    bool m_pendingCr = false;
    int32_t m_lines = 0;
    int32_t m_result = LoadNothing;
};

ByteString itemLine(const TEolItem& it) {
    return BUS_Format("%4.4X  %2.2X     %d", it.Address & 0xFFFF, it.Value, it.Value);
}

}  // namespace

int32_t read(const ByteString& content, int filterIndex, TEolParamSet& set) {
    set.ClearItems();
    if (filterIndex != FilterPrn && filterIndex != FilterEol) return LoadNothing;
    LineReader reader(filterIndex, set);
    if (!reader.feed(content.data(), content.size())) return reader.result();
    return reader.finish();
}

int32_t LoadFromFile(const ByteString& fileName, int filterIndex, TEolParamSet& set) {
    set.ClearItems();
    if (filterIndex != FilterPrn && filterIndex != FilterEol) return LoadNothing;
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(fileName.c_str(), "rb"), &std::fclose);
    if (!f) return LoadNothing;
    LineReader reader(filterIndex, set);
    char buffer[8192];
    for (;;) {
        const size_t n = std::fread(buffer, 1, sizeof buffer, f.get());
        if (n > 0 && !reader.feed(buffer, n)) return reader.result();
        if (n < sizeof buffer) break;
    }
    // A read error stops at the lines read so far.
    if (std::ferror(f.get())) return reader.lines();
    return reader.finish();
}

ByteString write(const TEolParamSet& set, const ByteString& dateTime) {
    const ByteString crlf = "\r\n";
    ByteString out = kSeparator + crlf + ";  " + dateTime + crlf + kSeparator + crlf;
    for (int32_t i = 1; i <= set.Count; ++i) out += itemLine(set.item(i)) + crlf;
    out += kSeparator + crlf;
    return out;
}

bool SaveToFile(const ByteString& fileName, const TEolParamSet& set, const ByteString& dateTime) {
    return TOOL_WriteFileSafely(fileName, write(set, dateTime));
}

std::vector<ByteString> printLines(const TEolParamSet& set, const ByteString& dateTime) {
    const ByteString indent(8, ' ');
    std::vector<ByteString> lines{indent + kSeparator, indent + ";  " + dateTime,
                                  indent + kSeparator};
    for (int32_t i = 1; i <= set.Count; ++i) {
        const TEolItem& it = set.item(i);
        lines.push_back(
            BUS_Format("        %4.4X    %2.2X    %d", it.Address & 0xFFFF, it.Value, it.Value));
    }
    lines.push_back(indent + kSeparator);
    return lines;
}

}  // namespace ParamSetFile
