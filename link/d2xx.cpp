#include "d2xx.h"

#include <algorithm>
#include <cstring>

#include "translate.h"

D2XXUnit::D2XXUnit(IFtDriver& driver, IUserInteraction* ui) : m_driver(driver), m_ui(ui) {}

ByteString D2XXUnit::D2XX_StatusText(FT_STATUS status) {
    static const char* const texts[] = {
        "",
        QT_TRANSLATE_NOOP("D2XXUnit", " - Invalid handle..."),
        QT_TRANSLATE_NOOP("D2XXUnit", " - Device not found..."),
        QT_TRANSLATE_NOOP("D2XXUnit", " - Device not opened..."),
        QT_TRANSLATE_NOOP("D2XXUnit", " - General IO error..."),
        QT_TRANSLATE_NOOP("D2XXUnit", " - Insufficient resources..."),
        QT_TRANSLATE_NOOP("D2XXUnit", " - Invalid parameter..."),
        QT_TRANSLATE_NOOP("D2XXUnit", " - Invalid baud rate..."),
        QT_TRANSLATE_NOOP("D2XXUnit", " Device not opened for erase..."),
        QT_TRANSLATE_NOOP("D2XXUnit", " Device not opened for write..."),
        QT_TRANSLATE_NOOP("D2XXUnit", " - Failed to write..."),
        QT_TRANSLATE_NOOP("D2XXUnit", " - EEPROM read failed..."),
        QT_TRANSLATE_NOOP("D2XXUnit", " - EEPROM write failed..."),
        QT_TRANSLATE_NOOP("D2XXUnit", " - EEPROM erase failed..."),
        QT_TRANSLATE_NOOP("D2XXUnit", " - EEPROM not present..."),
        QT_TRANSLATE_NOOP("D2XXUnit", " - EEPROM not programmed..."),
        QT_TRANSLATE_NOOP("D2XXUnit", " - Invalid arguments..."),
        QT_TRANSLATE_NOOP("D2XXUnit", " - Other error ..."),
    };
    if (status == FT_OK || status >= sizeof texts / sizeof texts[0]) return "";
    return TOOL_Translate("D2XXUnit", texts[status]);
}

void D2XXUnit::D2XX_ReportError(const ByteString& routineText, FT_STATUS status) {
    if (!ShowErrors || status == FT_OK || !m_ui) return;
    // Statuses the table does not know give a box with an empty text.
    const ByteString text = status <= FT_OTHER_ERROR ? routineText + D2XX_StatusText(status) : "";
    m_ui->messageBox(MsgKind::Error, text, MB_OK);
}

namespace {
ByteString upToZero(const ByteString& s, size_t maxLen) {
    return s.substr(0, std::min(s.find('\0'), maxLen));
}
}  // namespace

FT_STATUS D2XXUnit::GetFTDeviceCount() {
    uint32_t n = 0;
    const FT_STATUS st = m_driver.FT_ListDeviceCount(n);
    if (st == FT_OK) DeviceCount = n;
    D2XX_ReportError("GetFTDeviceCount", st);
    return st;
}

FT_STATUS D2XXUnit::GetFTDeviceSerialNo(uint32_t index) {
    ByteString s;
    const FT_STATUS st = m_driver.FT_ListSerialNumber(index, s);
    if (st == FT_OK) ListResult = upToZero(s, FT_SerialLength);
    D2XX_ReportError("GetFTDeviceSerialNo", st);
    return st;
}

FT_STATUS D2XXUnit::GetFTDeviceDescription(uint32_t index) {
    ByteString s;
    const FT_STATUS st = m_driver.FT_ListDescription(index, s);
    if (st == FT_OK) ListResult = upToZero(s, 64);
    D2XX_ReportError("GetFTDeviceDescription", st);
    return st;
}

void D2XXUnit::D2XX_SetOpenName(const ByteString& name) {
    OpenName = upToZero(name, 49);
}

FT_STATUS D2XXUnit::Open_USB_Device_By_Serial_Number(const ByteString& serial) {
    D2XX_SetOpenName(serial);
    const FT_STATUS st = m_driver.FT_OpenEx(OpenName, FT_OPEN_BY_SERIAL_NUMBER);
    D2XX_ReportError("Open_USB_Device_By_Serial_Number", st);
    return st;
}

FT_STATUS D2XXUnit::Open_USB_Device_By_Device_Description(const ByteString& description) {
    D2XX_SetOpenName(description);
    const FT_STATUS st = m_driver.FT_OpenEx(OpenName, FT_OPEN_BY_DESCRIPTION);
    D2XX_ReportError("Open_USB_Device_By_Device_Description", st);
    return st;
}

FT_STATUS D2XXUnit::D2XX_Close() {
    const FT_STATUS st = m_driver.FT_Close();
    D2XX_ReportError("FT_Close", st);
    return st;
}

uint32_t D2XXUnit::D2XX_Read() {
    uint32_t got = 0;
    IOStatus = m_driver.FT_Read(RxBuffer.data(), static_cast<uint32_t>(RxBuffer.size()), got);
    D2XX_ReportError("FT_Read", IOStatus);
    if (IOStatus != FT_OK) return 0;
    return std::min<uint32_t>(got, static_cast<uint32_t>(RxBuffer.size()));
}

uint32_t D2XXUnit::D2XX_Write(uint32_t n) {
    n = std::min<uint32_t>(n, static_cast<uint32_t>(TxBuffer.size()));
    uint32_t written = 0;
    IOStatus = m_driver.FT_Write(TxBuffer.data(), n, written);
    D2XX_ReportError("FT_Write", IOStatus);
    if (IOStatus != FT_OK) return 0;
    return std::min(written, n);
}

FT_STATUS D2XXUnit::D2XX_SetBaudRate() {
    const FT_STATUS st = m_driver.FT_SetBaudRate(BaudRate);
    D2XX_ReportError("FT_SetBaudRate", st);
    return st;
}

FT_STATUS D2XXUnit::D2XX_SetDataCharacteristics() {
    const FT_STATUS st = m_driver.FT_SetDataCharacteristics(WordLength, StopBits, Parity);
    D2XX_ReportError("FT_SetDataCharacteristics", st);
    return st;
}

FT_STATUS D2XXUnit::D2XX_SetFlowControl() {
    const FT_STATUS st = m_driver.FT_SetFlowControl(FlowControl, XonChar, XoffChar);
    D2XX_ReportError("FT_SetFlowControl", st);
    return st;
}

FT_STATUS D2XXUnit::D2XX_SetChars() {
    const FT_STATUS st =
        m_driver.FT_SetChars(EventChar, EventCharEnabled, ErrorChar, ErrorCharEnabled);
    D2XX_ReportError("FT_SetChars", st);
    return st;
}

FT_STATUS D2XXUnit::D2XX_PurgeRx() {
    const FT_STATUS st = m_driver.FT_Purge(FT_PURGE_RX);
    D2XX_ReportError("FT_Purge RX", st);
    return st;
}

FT_STATUS D2XXUnit::D2XX_PurgeTx() {
    const FT_STATUS st = m_driver.FT_Purge(FT_PURGE_TX);
    D2XX_ReportError("FT_Purge TX", st);
    return st;
}

FT_STATUS D2XXUnit::D2XX_SetTimeouts(uint32_t readMs, uint32_t writeMs) {
    const FT_STATUS st = m_driver.FT_SetTimeouts(readMs, writeMs);
    D2XX_ReportError("FT_SetTimeouts", st);
    return st;
}

FT_STATUS D2XXUnit::D2XX_GetQueueStatus() {
    uint32_t n = 0;
    const FT_STATUS st = m_driver.FT_GetQueueStatus(n);
    if (st == FT_OK) RxQueueCount = n;
    D2XX_ReportError("FT_GetQueueStatus", st);
    return st;
}

FT_STATUS D2XXUnit::D2XX_SetEventNotification(uint32_t mask) {
    const FT_STATUS st = m_driver.FT_SetEventNotification(mask);
    D2XX_ReportError("FT_SetEventNotification ", st);
    return st;
}

FT_STATUS D2XXUnit::D2XX_GetDeviceInfo(uint32_t& type, uint32_t& id, ByteString& serial,
                                       ByteString& description) {
    ByteString s, d;
    const FT_STATUS st = m_driver.FT_GetDeviceInfo(type, id, s, d);
    if (st == FT_OK) {
        serial = upToZero(s, FT_SerialLength);
        description = upToZero(d, 64);
    }
    D2XX_ReportError("FT_GetDeviceInfo ", st);
    return st;
}
