#include "paramsetfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

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

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// A short line that still holds an address and a value (hex words between blanks, "1A 3F"):
// it is an item that cannot be read, not a line to pass over.
bool looksLikeShortItem(const ByteString& line) {
    int words = 0;
    bool inWord = false;
    for (const unsigned char c : line) {
        if (c <= 32) {
            inWord = false;
            continue;
        }
        if (!isHexDigit(static_cast<char>(c))) return false;
        if (!inWord) ++words;
        inWord = true;
    }
    return words >= 2;
}

LineOutcome judgeLine(const ByteString& kept, int filterIndex, const TEolParamSet& set,
                      int32_t& address, int32_t& value) {
    const ByteString line = TOOL_TextBeforeSemicolon(kept);
    if (line.size() < 6)
        return looksLikeShortItem(line) ? LineOutcome::Error : LineOutcome::Skipped;
    address = static_cast<int32_t>(TOOL_HexToInt(TOOL_StripBlanks(line.substr(0, 4))));
    const int64_t v = TOOL_HexToInt(TOOL_StripBlanks(line.substr(4, 9)));
    value = static_cast<int32_t>(v);
    if (v > 255 || (filterIndex == FilterEol && address > 255)) return LineOutcome::Error;
    // A heading: the address is no hex number. With a value beside it, though, the line is an
    // item whose address was damaged, and skipping it would lose the item unnoticed.
    if (address < 0) return v >= 0 ? LineOutcome::Error : LineOutcome::Skipped;
    // An address with no readable value would write 0xFF to the unit.
    if (v < 0) return LineOutcome::Error;
    if (set.HasAddr(address)) return LineOutcome::Error;
    return LineOutcome::Item;
}

// Splits a stream of bytes into lines keeping the first characters of each. CR LF, LF and
// a lone CR each end a line, so a file from any system gives all its lines. feed() returns
// false once a line ended the reading.
class LineReader {
public:
    LineReader(int filterIndex, TEolParamSet& set) : m_filter(filterIndex), m_set(set) {}

    bool feed(const char* data, size_t n) {
        for (size_t i = 0; i < n; ++i) {
            const char c = data[i];
            const bool lfOfCrLf = c == '\n' && m_afterCr;
            m_afterCr = c == '\r';
            if (lfOfCrLf) continue;  // the CR before it ended the line already
            if (c == '\r' || c == '\n') {
                if (!endLine()) return false;
                continue;
            }
            keep(c);
            m_open = true;
        }
        return true;
    }
    // The end of the input; the result of the whole read.
    int32_t finish() {
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
    bool m_afterCr = false;
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
    const int fd = TOOL_OpenRegularFile(fileName, O_RDONLY);
    if (fd < 0) return LoadNothing;
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    LineReader reader(filterIndex, set);
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        // A read error stops at the lines read so far.
        if (n < 0) return reader.lines();
        if (n == 0) break;
        if (!reader.feed(buffer, static_cast<size_t>(n))) return reader.result();
    }
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
