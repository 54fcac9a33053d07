#include "protokollfile.h"

#include <QFile>

#include "charset.h"
#include "qtports.h"

QByteArray toWindows1252(const QString& text) {
    return QByteArray::fromStdString(TOOL_Utf8ToWindows1252(fromQ(text)));
}

ProtocolRecordFile::ProtocolRecordFile()
    : ProtocolRecordFile([](const QString& name) { return std::make_unique<QFile>(name); }) {}

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
