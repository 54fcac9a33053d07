#include "protokollfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>

#include "charset.h"
#include "qtports.h"
#include "safefile.h"

QByteArray toWindows1252(const QString& text) {
    return QByteArray::fromStdString(TOOL_Utf8ToWindows1252(fromQ(text)));
}

namespace {

// A file opened the program's safe way for appending: a pipe, a device or a folder is
// refused at once instead of blocking the window until someone reads the pipe.
class RecordFile : public QFile {
public:
    using QFile::QFile;
    bool open(OpenMode mode) override {
        const int fd = TOOL_OpenRegularFile(fromQ(fileName()), O_WRONLY | O_APPEND | O_CREAT,
                                            FullDevice::Accept);
        if (fd < 0) return false;
        if (QFile::open(fd, mode, QFileDevice::AutoCloseHandle)) return true;
        ::close(fd);
        return false;
    }
};

}  // namespace

ProtocolRecordFile::ProtocolRecordFile()
    : ProtocolRecordFile([](const QString& name) { return std::make_unique<RecordFile>(name); }) {}

ProtocolRecordFile::ProtocolRecordFile(DeviceFactory factory) : m_factory(std::move(factory)) {}

ProtocolRecordFile::~ProtocolRecordFile() {
    close();
}

void ProtocolRecordFile::setDeviceFactory(DeviceFactory factory) {
    close();
    m_factory = std::move(factory);
}

bool ProtocolRecordFile::open(const QString& fileName) {
    close();
    if (fileName.isEmpty() || !m_factory) return false;
    std::unique_ptr<QIODevice> device = m_factory(fileName);
    // Unbuffered: every line goes to the system as soon as it is written.
    if (!device || !device->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    m_device = std::move(device);
    return true;
}

bool ProtocolRecordFile::writeLine(const QString& line) {
    if (!m_device) return false;
    const QByteArray bytes = toWindows1252(line) + "\r\n";
    if (m_device->write(bytes) != bytes.size()) return false;
    if (auto* file = qobject_cast<QFile*>(m_device.get()); file && !file->flush()) return false;
    return true;
}

void ProtocolRecordFile::close() {
    if (!m_device) return;
    m_device->close();
    m_device.reset();
}
