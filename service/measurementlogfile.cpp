#include "measurementlogfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "charset.h"
#include "measurementlogcolumns.h"
#include "rounding.h"
#include "safefile.h"
#include "textconv.h"
#include "translate.h"

#define CTX "TPROT_START_Form"

namespace {

// Where the file name starts in a path (after the last separator of either kind).
size_t nameStart(const ByteString& path) {
    const size_t p = path.find_last_of("/\\");
    return p == ByteString::npos ? 0 : p + 1;
}

ByteString twoDigits(int v) {
    char b[16];
    std::snprintf(b, sizeof b, "%2.2d", v);
    return b;
}

ByteString dateText(const LogClockReading& at) {
    char b[32];
    std::snprintf(b, sizeof b, "%2.2d.%2.2d.%4.4d", at.day, at.month, at.year);
    return b;
}

ByteString timeText(const LogClockReading& at) {
    return twoDigits(at.hour) + ":" + twoDigits(at.minute) + ":" + twoDigits(at.second);
}

}  // namespace

// ---- file names ----

ByteString PROT_NormaliseFileName(const ByteString& name) {
    const size_t start = nameStart(name);
    // No file named yet (the first run) or only a folder: nothing to append to, so no hidden
    // ".LOG" file in the working folder.
    if (start == name.size()) return name;
    const size_t dot = name.rfind('.');
    if (dot == ByteString::npos || dot < start) return name + ".LOG";
    if (dot + 1 == name.size()) return name + "LOG";
    return name;
}

int32_t PROT_ColumnModeOf(const ByteString& name) {
    const size_t start = nameStart(name);
    const size_t dot = name.rfind('.');
    if (dot == ByteString::npos || dot < start) return LOG_FIXED_WIDTH;
    return TOOL_UpperAscii(name.substr(dot)) == ".LOG" ? LOG_TABS : LOG_FIXED_WIDTH;
}

ByteString PROT_SideFileName(const ByteString& logName, const LogClockReading& at) {
    const size_t start = nameStart(logName);
    const size_t dot = logName.find('.', start);
    const ByteString head = logName.substr(0, dot == ByteString::npos ? logName.size() : dot);
    const ByteString tail = dot == ByteString::npos ? ByteString() : logName.substr(dot);
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "_%4.4d_%2.2d_%2.2d_%2.2d-%2.2d-%2.2d", at.year, at.month,
                  at.day, at.hour, at.minute, at.second);
    return head + "_" + TR(CTX, "Zusammenfassung") + stamp + tail;
}

// ---- cells ----

ByteString MeasurementLogLines::PROT_FormatField(const ByteString& text, int width,
                                                 int align) const {
    // Counted and cut in the file's one-byte characters, so a "°" or "Ü" is one column.
    const ByteString bytes = TOOL_Utf8ToWindows1252(text);
    if (m_mode == LOG_TABS) return bytes + '\t';
    return TOOL_PadText(bytes, width, align);
}

ByteString MeasurementLogLines::PROT_FieldNameUnit(const ByteString& key, int width,
                                                   int align) const {
    return PROT_FormatField(m_dp.DP_GetCaption(key), width, align);
}

ByteString MeasurementLogLines::PROT_FieldValue(const ByteString& key, int width, int align) const {
    return PROT_FormatField(TOOL_DotToComma(m_dp.DP_GetValue(key).Text), width, align);
}

ByteString MeasurementLogLines::PROT_FieldErrCode(const ByteString& key, int width,
                                                  int align) const {
    const TResult v = m_dp.DP_GetValue(key);
    return PROT_FormatField(TOOL_Round64(v.Value) > 0 ? v.Text : ByteString(), width, align);
}

ByteString MeasurementLogLines::PROT_FieldErrCodeHexDec(const ByteString& key, int width,
                                                        int align) const {
    const TResult v = m_dp.DP_GetValue(key);
    const int64_t code = TOOL_Round64(v.Value);
    const ByteString text = code > 0 ? v.Text + "h / " + std::to_string(code) + "d" : ByteString();
    return PROT_FormatField(text, width, align);
}

ByteString MeasurementLogLines::PROT_ErrorColumnCaptions(int count) const {
    ByteString line;
    for (int n = 1; n <= count; ++n)
        line += PROT_FormatField(TR(CTX, "Fehler") + " " + std::to_string(n), 20, 2);
    return line;
}

ByteString MeasurementLogLines::PROT_ErrorColumnCaptionsHexDec(int count) const {
    ByteString line;
    for (int n = 1; n <= count; ++n)
        line += PROT_FormatField(
            TR(CTX, "Fehler") + " " + std::to_string(n) + " " + TR(CTX, "[hex/dez]"), 20, 2);
    return line;
}

ByteString MeasurementLogLines::PROT_ErrCodeCells(int count) const {
    ByteString line;
    for (int n = 1; n <= count; ++n)
        line += PROT_FieldErrCode("ERRCODE" + std::to_string(n), 20, 2);
    return line;
}

ByteString MeasurementLogLines::PROT_ErrCodeCellsHexDec(int count) const {
    ByteString line;
    for (int n = 1; n <= count; ++n)
        line += PROT_FieldErrCodeHexDec("ERRCODE" + std::to_string(n), 20, 2);
    return line;
}

// ---- lines ----

ByteString MeasurementLogLines::PROT_BuildHeader() const {
    const LogColumnSet set = PROT_Columns(m_class);
    ByteString line;
    for (size_t i = 0; i < set.count; ++i) {
        const LogColumn& c = set.columns[i];
        if (c.cell == LogCell::Errors) {
            line += PROT_ErrorColumnCaptions(c.count);
        } else if (c.cell == LogCell::ErrorsHexDec) {
            line += PROT_ErrorColumnCaptionsHexDec(c.count);
        } else if (c.head == LogHead::Caption) {
            line += PROT_FieldNameUnit(c.key, c.width, c.align);
        } else if (c.head == LogHead::Temperature) {
            line += PROT_FormatField(UNIT_Text(c.temperature), c.width, c.align);
        } else {
            line += PROT_FormatField(TOOL_Translate(CTX, c.text), c.width, c.align);
        }
    }
    return line;
}

ByteString MeasurementLogLines::PROT_BuildLine(const LogClockReading& at,
                                               const ByteString& deviceStatus) const {
    const LogColumnSet set = PROT_Columns(m_class);
    ByteString line;
    for (size_t i = 0; i < set.count; ++i) {
        const LogColumn& c = set.columns[i];
        switch (c.cell) {
            case LogCell::Date:
                line += PROT_FormatField(dateText(at), c.width, c.align);
                break;
            case LogCell::Time:
                line += PROT_FormatField(timeText(at), c.width, c.align);
                break;
            case LogCell::Value:
                line += PROT_FieldValue(c.key, c.width, c.align);
                break;
            case LogCell::DeviceStatus:
                line += PROT_FormatField(deviceStatus, c.width, c.align);
                break;
            case LogCell::Errors:
                line += PROT_ErrCodeCells(c.count);
                break;
            case LogCell::ErrorsHexDec:
                line += PROT_ErrCodeCellsHexDec(c.count);
                break;
        }
    }
    return line;
}

// ---- file ----

std::unique_ptr<MeasurementLogFile> MeasurementLogFile::open(const ByteString& fileName) {
    if (fileName.empty()) return nullptr;
    // Never a pipe, a device or a folder; the full device stays, for its write error.
    const int fd =
        TOOL_OpenRegularFile(fileName, O_WRONLY | O_APPEND | O_CREAT, FullDevice::Accept);
    if (fd < 0) return nullptr;
    return std::unique_ptr<MeasurementLogFile>(new MeasurementLogFile(fd));
}

MeasurementLogFile::~MeasurementLogFile() {
    ::close(m_fd);  // a failing close loses nothing that was not reported already
}

bool MeasurementLogFile::writeLine(const ByteString& bytes) {
    const ByteString line = bytes + "\r\n";
    size_t done = 0;
    while (done < line.size()) {
        const ssize_t n = ::write(m_fd, line.data() + done, line.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}
