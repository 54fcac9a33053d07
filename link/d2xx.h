// The program's only contact with the adapter's USB chip driver. One routine per driver call,
// one device handle, the module settings the routines pass on, 64 KiB receive and send buffers,
// and one error reporter. The driver itself sits behind IFtDriver: libftdi1 for real adapters,
// the simulated adapter in tests and with --simulate.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

#include "ports.h"
#include "records.h"

// Driver status codes (0 = success).
using FT_STATUS = uint32_t;
constexpr FT_STATUS FT_OK = 0;
constexpr FT_STATUS FT_INVALID_HANDLE = 1;
constexpr FT_STATUS FT_DEVICE_NOT_FOUND = 2;
constexpr FT_STATUS FT_DEVICE_NOT_OPENED = 3;
constexpr FT_STATUS FT_IO_ERROR = 4;
constexpr FT_STATUS FT_INSUFFICIENT_RESOURCES = 5;
constexpr FT_STATUS FT_INVALID_PARAMETER = 6;
constexpr FT_STATUS FT_OTHER_ERROR = 17;

constexpr uint32_t FT_OPEN_BY_SERIAL_NUMBER = 1;
constexpr uint32_t FT_OPEN_BY_DESCRIPTION = 2;
// The program knows an adapter's serial by its first FT_SerialLength characters: a longer one
// is listed cut, and an adapter is opened by its serial so cut as well as by the whole one.
constexpr size_t FT_SerialLength = 16;
inline bool FT_SerialMatches(const ByteString& serial, const ByteString& name) {
    return serial == name ||
           (name.size() == FT_SerialLength && serial.compare(0, FT_SerialLength, name) == 0);
}
constexpr uint32_t FT_PURGE_RX = 1;
constexpr uint32_t FT_PURGE_TX = 2;

// The driver calls with their semantics as the program relies on them. Implementations must
// be safe to call from the GUI thread and the transfer thread at once.
class IFtDriver {
public:
    virtual ~IFtDriver() = default;
    virtual FT_STATUS FT_ListDeviceCount(uint32_t& count) = 0;
    virtual FT_STATUS FT_ListSerialNumber(uint32_t index, ByteString& serial) = 0;
    virtual FT_STATUS FT_ListDescription(uint32_t index, ByteString& description) = 0;
    virtual FT_STATUS FT_OpenEx(const ByteString& name, uint32_t flags) = 0;
    virtual FT_STATUS FT_Close() = 0;
    // Returns what has arrived once the read time-out expires, at once when the event
    // character arrives; never more than maxBytes.
    virtual FT_STATUS FT_Read(uint8_t* buffer, uint32_t maxBytes, uint32_t& got) = 0;
    virtual FT_STATUS FT_Write(const uint8_t* buffer, uint32_t n, uint32_t& written) = 0;
    virtual FT_STATUS FT_SetBaudRate(uint32_t baud) = 0;
    virtual FT_STATUS FT_SetDataCharacteristics(uint8_t wordLength, uint8_t stopBits,
                                                uint8_t parity) = 0;
    virtual FT_STATUS FT_SetFlowControl(uint16_t flow, uint8_t xon, uint8_t xoff) = 0;
    virtual FT_STATUS FT_SetChars(uint8_t eventChar, uint8_t eventEnabled, uint8_t errorChar,
                                  uint8_t errorEnabled) = 0;
    virtual FT_STATUS FT_Purge(uint32_t mask) = 0;
    virtual FT_STATUS FT_SetTimeouts(uint32_t readMs, uint32_t writeMs) = 0;
    // Fails when the device is gone.
    virtual FT_STATUS FT_GetQueueStatus(uint32_t& rxBytes) = 0;
    virtual FT_STATUS FT_SetEventNotification(uint32_t mask) = 0;
    virtual FT_STATUS FT_GetDeviceInfo(uint32_t& type, uint32_t& id, ByteString& serial,
                                       ByteString& description) = 0;

    // The transfer thread's sleep while it awaits a reply: blocks until received data is
    // waiting, wakeReceiveWait() is called (from any thread; a call made while nobody waits
    // ends the next wait at once) or maxMs have passed. Without an open device it only waits
    // for the wake or the time. False when the driver cannot wait this way: the caller then
    // polls with reads.
    virtual bool waitForReceive(uint32_t maxMs) { return false; }
    virtual void wakeReceiveWait() {}
};

class D2XXUnit {
public:
    static constexpr size_t BufferSize = 65536;

    D2XXUnit(IFtDriver& driver, IUserInteraction* ui);

    FT_STATUS GetFTDeviceCount();
    FT_STATUS GetFTDeviceSerialNo(uint32_t index);
    FT_STATUS GetFTDeviceDescription(uint32_t index);
    // OpenName := at most 49 characters of the text (up to a zero byte).
    void D2XX_SetOpenName(const ByteString& name);
    FT_STATUS Open_USB_Device_By_Serial_Number(const ByteString& serial);
    FT_STATUS Open_USB_Device_By_Device_Description(const ByteString& description);
    FT_STATUS D2XX_Close();
    // Number of bytes read into RxBuffer (0 after a failed call).
    uint32_t D2XX_Read();
    // Writes the first n bytes of TxBuffer; number written (0 after a failed call).
    uint32_t D2XX_Write(uint32_t n);
    FT_STATUS D2XX_SetBaudRate();
    FT_STATUS D2XX_SetDataCharacteristics();
    FT_STATUS D2XX_SetFlowControl();
    FT_STATUS D2XX_SetChars();
    FT_STATUS D2XX_PurgeRx();
    FT_STATUS D2XX_PurgeTx();
    FT_STATUS D2XX_SetTimeouts(uint32_t readMs, uint32_t writeMs);
    FT_STATUS D2XX_GetQueueStatus();
    FT_STATUS D2XX_SetEventNotification(uint32_t mask);
    FT_STATUS D2XX_GetDeviceInfo(uint32_t& type, uint32_t& id, ByteString& serial,
                                 ByteString& description);
    // The driver's receive wait (IFtDriver::waitForReceive) and its wake-up.
    bool waitForReceive(uint32_t maxMs) { return m_driver.waitForReceive(maxMs); }
    void wakeReceiveWait() { m_driver.wakeReceiveWait(); }
    void D2XX_ReportError(const ByteString& routineText, FT_STATUS status);
    static ByteString D2XX_StatusText(FT_STATUS status);

    // Module state. ShowErrors is read by the transfer thread too.
    std::atomic<bool> ShowErrors{true};
    uint32_t DeviceCount = 0;
    ByteString ListResult;
    ByteString OpenName;
    std::array<uint8_t, BufferSize> RxBuffer{};
    std::array<uint8_t, BufferSize> TxBuffer{};
    FT_STATUS IOStatus = FT_OK;
    uint32_t BaudRate = 38400;
    uint8_t WordLength = 8, StopBits = 0, Parity = 0;
    uint16_t FlowControl = 0;
    uint8_t XonChar = 0x11, XoffChar = 0x13;
    uint8_t EventChar = 0x04, EventCharEnabled = 1, ErrorChar = 0, ErrorCharEnabled = 0;
    uint32_t RxQueueCount = 0;

private:
    IFtDriver& m_driver;
    IUserInteraction* m_ui;
};
