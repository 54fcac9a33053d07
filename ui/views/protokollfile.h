// The telegram log's recording file: a text file in the program's 8-bit character set
// (Windows-1252), lines ended by CR LF, appended to and flushed after every line so that a
// crash loses nothing already written.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>
#include <memory>

// Windows-1252 bytes of a text; a character that the set lacks becomes '?'.
QByteArray toWindows1252(const QString& text);

class ProtocolRecordFile {
public:
    // Makes the device for a file name; tests hand in devices that fail on purpose.
    using DeviceFactory = std::function<std::unique_ptr<QIODevice>(const QString& fileName)>;

    ProtocolRecordFile();
    explicit ProtocolRecordFile(DeviceFactory factory);
    ~ProtocolRecordFile();
    ProtocolRecordFile(const ProtocolRecordFile&) = delete;
    ProtocolRecordFile& operator=(const ProtocolRecordFile&) = delete;

    // Closes an open file; the next open uses the new factory.
    void setDeviceFactory(DeviceFactory factory);

    // Opens the file for appending (created when missing); false when it cannot be opened.
    bool open(const QString& fileName);
    // Writes one line with its line end and flushes it; false when that fails.
    bool writeLine(const QString& line);
    void close();
    bool isOpen() const { return m_device != nullptr; }

private:
    DeviceFactory m_factory;
    std::unique_ptr<QIODevice> m_device;
};
