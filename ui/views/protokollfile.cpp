#include "protokollfile.h"

#include <QFile>

namespace {

// The characters that Windows-1252 puts at 0x80..0x9F; 0 where the code is unused.
constexpr char16_t HighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char toByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (HighControls[i] != 0 && HighControls[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

QByteArray toWindows1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) out.append(toByte(c));
    return out;
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
