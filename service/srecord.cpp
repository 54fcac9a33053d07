#include "srecord.h"

#include <algorithm>

#include "translate.h"

#define CTX "TEXTRA_FLASH_Form"

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The byte of the pair at index i of the line; -1 when the pair is missing or not hexadecimal.
int pairAt(std::string_view line, size_t i) {
    if (i + 1 >= line.size()) return -1;
    const int hi = hexDigit(line[i]), lo = hexDigit(line[i + 1]);
    return hi < 0 || lo < 0 ? -1 : hi * 16 + lo;
}

ByteString lineMessage(const char* text, int line) {
    ByteString m = TOOL_Translate(CTX, text);
    const size_t at = m.find("%d");
    if (at != ByteString::npos) m.replace(at, 2, std::to_string(line));
    return m;
}

enum class Fault { None, Skipped, Address, Data, Checksum };

// Addresses beyond this are refused, as the program's hex reader refuses them.
constexpr uint32_t HighestAddress = 0x7FFFFFFF;

// One S1, S2 or S3 line: its address and data, or what is wrong with it.
Fault readRecord(std::string_view line, uint32_t& address, ByteString& data) {
    const size_t addressBytes = static_cast<size_t>(line[1] - '0') + 1;
    const int count = pairAt(line, 2);
    if (count < 0) return Fault::Data;
    if (count <= 3) return Fault::Skipped;
    if (static_cast<size_t>(count) < addressBytes + 1) return Fault::Data;
    unsigned sum = static_cast<unsigned>(count);
    uint64_t a = 0;
    data.clear();
    for (size_t i = 0; i < static_cast<size_t>(count); ++i) {
        const int v = pairAt(line, 4 + 2 * i);
        if (i < addressBytes) {
            if (v < 0) return Fault::Address;
            a = a * 256 + static_cast<unsigned>(v);
            if (i + 1 == addressBytes && a > HighestAddress) return Fault::Address;
        } else if (i + 1 == static_cast<size_t>(count)) {
            if (v < 0 || ((sum + static_cast<unsigned>(v)) & 0xFF) != 0xFF) return Fault::Checksum;
        } else {
            if (v < 0) return Fault::Data;
            data.push_back(static_cast<char>(v));
        }
        sum += static_cast<unsigned>(v);
    }
    address = static_cast<uint32_t>(a);
    return Fault::None;
}

// The line end at or after pos, looked for no further than one character past the longest
// record: npos when the line is longer than that.
size_t lineEnd(std::string_view text, size_t pos) {
    const size_t limit = std::min(text.size(), pos + FLASH_LongestRecordLine + 1);
    for (size_t i = pos; i < limit; ++i)
        if (text[i] == '\r' || text[i] == '\n') return i;
    return limit - pos > FLASH_LongestRecordLine ? std::string_view::npos : limit;
}

ByteString dataFault(int line) {
    return lineMessage(QT_TRANSLATE_NOOP(CTX, "      Daten fehlerhaft in Zeile %d!     "), line);
}

// The text line by line (CR LF, LF or CR ends a line), counted from 1; it stops at a line
// longer than any record before looking at the rest of it.
class Lines {
public:
    explicit Lines(std::string_view text) : m_text(text) {}
    // The next line; false at the end of the text or at a line that is too long.
    bool next(std::string_view& line) {
        if (m_pos >= m_text.size()) return false;
        const size_t end = lineEnd(m_text, m_pos);
        ++m_number;
        if (end == std::string_view::npos) {
            m_overlong = true;
            return false;
        }
        line = m_text.substr(m_pos, end - m_pos);
        const bool crLf = end + 1 < m_text.size() && m_text[end] == '\r' && m_text[end + 1] == '\n';
        m_pos = end + (crLf ? 2 : 1);
        return true;
    }
    int number() const { return m_number; }
    bool overlong() const { return m_overlong; }

private:
    std::string_view m_text;
    size_t m_pos = 0;
    int m_number = 0;
    bool m_overlong = false;
};

}  // namespace

bool FLASH_CheckLineLengths(std::string_view text, ByteString& message) {
    Lines lines(text);
    std::string_view line;
    while (lines.next(line)) {
    }
    if (!lines.overlong()) return true;
    message = dataFault(lines.number());
    return false;
}

bool FLASH_ParseS19(std::string_view text, uint8_t deviceClass, FlashImage& image,
                    ByteString& message) {
    image.FLASH_ClearBlocks();
    message.clear();
    bool ok = false;
    ByteString data;
    Lines lines(text);
    std::string_view line;
    while (lines.next(line)) {
        const int lineNumber = lines.number();
        if (line.size() < 2 || line[0] != 'S' || line[1] < '1' || line[1] > '3') continue;
        uint32_t address = 0;
        switch (readRecord(line, address, data)) {
            case Fault::None:
                ok = true;
                image.FLASH_StoreBytes(deviceClass, address, data);
                break;
            case Fault::Skipped:
                break;
            case Fault::Address:
                message = lineMessage(
                    QT_TRANSLATE_NOOP(CTX, "      Adresse fehlerhaft in Zeile %d!     "),
                    lineNumber);
                return false;
            case Fault::Data:
                message = dataFault(lineNumber);
                return false;
            case Fault::Checksum:
                message = lineMessage(
                    QT_TRANSLATE_NOOP(CTX, "      Checksumme fehlerhaft in Zeile %d!     "),
                    lineNumber);
                return false;
        }
    }
    // No record is that long: refused before anything of it is looked at.
    if (lines.overlong()) {
        message = dataFault(lines.number());
        return false;
    }
    if (!ok) message = TR(CTX, "      Keine Programmdaten in der Datei gefunden!     ");
    return ok;
}
