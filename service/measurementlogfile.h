// The measurement log file: one header line of column titles per start of logging, then one
// line of values per interval, in a column set fixed per heater class. The extension chooses
// the layout: ".LOG" (any case) gives fields each followed by a TAB, any other extension
// columns of fixed width. Lines end with CR LF; the file is Windows-1252 and is appended to.
#pragma once

#include <cstdint>
#include <memory>

#include "datapoints.h"
#include "records.h"

// One reading of the clock, in local time. Each line is stamped from a single reading, so its
// date and time always belong to the same instant.
struct LogClockReading {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

enum LogColumnMode : int32_t { LOG_FIXED_WIDTH = 0, LOG_TABS = 1 };

// The name the log is written under: no extension gets ".LOG", a name ending in "." gets
// "LOG"; any other name stays, and so does a name without a file part (empty, or a folder).
ByteString PROT_NormaliseFileName(const ByteString& name);
// TABs exactly when the extension, upper-cased, is ".LOG".
int32_t PROT_ColumnModeOf(const ByteString& name);
// The file beside the log that holds the summary report of the start:
// messung.log at 2026-03-09 14:05:07 -> messung_Zusammenfassung_2026_03_09_14-05-07.log.
ByteString PROT_SideFileName(const ByteString& logName, const LogClockReading& at);

// Builds the lines of a class (0..6) in a column mode from the data-point table. The texts are
// Windows-1252 bytes without the line end; classes without columns give empty lines.
class MeasurementLogLines {
public:
    MeasurementLogLines(const DataPointTable& dataPoints, uint8_t deviceClass, int32_t columnMode)
        : m_dp(dataPoints), m_class(deviceClass), m_mode(columnMode) {}

    ByteString PROT_BuildHeader() const;
    // deviceStatus: the overview's device-status line (UTF-8).
    ByteString PROT_BuildLine(const LogClockReading& at, const ByteString& deviceStatus) const;

    // One cell of `width` columns: align 0 left, 1 right, 2 centred (text in UTF-8).
    ByteString PROT_FormatField(const ByteString& text, int width, int align) const;
    ByteString PROT_FieldNameUnit(const ByteString& key, int width, int align) const;
    ByteString PROT_FieldValue(const ByteString& key, int width, int align) const;
    ByteString PROT_FieldErrCode(const ByteString& key, int width, int align) const;
    ByteString PROT_FieldErrCodeHexDec(const ByteString& key, int width, int align) const;
    ByteString PROT_ErrorColumnCaptions(int count) const;
    ByteString PROT_ErrorColumnCaptionsHexDec(int count) const;
    ByteString PROT_ErrCodeCells(int count) const;
    ByteString PROT_ErrCodeCellsHexDec(int count) const;

private:
    const DataPointTable& m_dp;
    uint8_t m_class;
    int32_t m_mode;
};

// Where the lines go. A write reports whether the whole line and its line end reached the
// system; tests put in sinks that fail on purpose.
class ILogLineSink {
public:
    virtual ~ILogLineSink() = default;
    virtual bool writeLine(const ByteString& bytes) = 0;
};

// The log on disk: opened for appending (created when missing); every line is handed to the
// system in one write as soon as it is complete, so a crash loses at most the line being built.
class MeasurementLogFile : public ILogLineSink {
public:
    // nullptr when the file can be neither opened nor created.
    static std::unique_ptr<MeasurementLogFile> open(const ByteString& fileName);
    ~MeasurementLogFile() override;
    MeasurementLogFile(const MeasurementLogFile&) = delete;
    MeasurementLogFile& operator=(const MeasurementLogFile&) = delete;

    bool writeLine(const ByteString& bytes) override;

private:
    explicit MeasurementLogFile(int fd) : m_fd(fd) {}
    int m_fd;
};
