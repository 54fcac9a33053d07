// The driver port over libftdi1, for real adapters. libftdi has no driver-side receive queue,
// so this driver keeps its own: reads fetch from the chip into it and hand out what has
// arrived once the read time-out expires, or at once when the event character is in it.
// Every library call runs under one lock, so the GUI thread (presence poll, open, close) and
// the transfer thread (read, write, purge) may call at once.
//
// Written from the library's documentation; no adapter was at hand when it was built. The
// tests run it unchanged against a model of the chip behind the same library calls.
#pragma once

#include <condition_variable>
#include <mutex>
#include <set>
#include <vector>

#include "d2xx.h"

struct ftdi_context;
struct libusb_device;

class FtdiDriver : public IFtDriver {
public:
    static constexpr const char* UdevRule = "/etc/udev/rules.d/70-naviron-adapter.rules";

    // A device that may not be opened for lack of permission is reported through ui once
    // per device and run (no box when ui is null).
    explicit FtdiDriver(IUserInteraction* ui = nullptr);
    ~FtdiDriver() override;
    FtdiDriver(const FtdiDriver&) = delete;
    FtdiDriver& operator=(const FtdiDriver&) = delete;

    FT_STATUS FT_ListDeviceCount(uint32_t& count) override;
    FT_STATUS FT_ListSerialNumber(uint32_t index, ByteString& serial) override;
    FT_STATUS FT_ListDescription(uint32_t index, ByteString& description) override;
    FT_STATUS FT_OpenEx(const ByteString& name, uint32_t flags) override;
    FT_STATUS FT_Close() override;
    FT_STATUS FT_Read(uint8_t* buffer, uint32_t maxBytes, uint32_t& got) override;
    FT_STATUS FT_Write(const uint8_t* buffer, uint32_t n, uint32_t& written) override;
    FT_STATUS FT_SetBaudRate(uint32_t baud) override;
    FT_STATUS FT_SetDataCharacteristics(uint8_t wordLength, uint8_t stopBits,
                                        uint8_t parity) override;
    FT_STATUS FT_SetFlowControl(uint16_t flow, uint8_t xon, uint8_t xoff) override;
    FT_STATUS FT_SetChars(uint8_t eventChar, uint8_t eventEnabled, uint8_t errorChar,
                          uint8_t errorEnabled) override;
    FT_STATUS FT_Purge(uint32_t mask) override;
    FT_STATUS FT_SetTimeouts(uint32_t readMs, uint32_t writeMs) override;
    FT_STATUS FT_GetQueueStatus(uint32_t& rxBytes) override;
    FT_STATUS FT_SetEventNotification(uint32_t mask) override;
    FT_STATUS FT_GetDeviceInfo(uint32_t& type, uint32_t& id, ByteString& serial,
                               ByteString& description) override;
    bool waitForReceive(uint32_t maxMs) override;
    void wakeReceiveWait() override;

private:
    struct Device {
        libusb_device* dev = nullptr;  // referenced while listed
        ByteString serial, description;
        uint32_t id = 0;  // vendor << 16 | product
        bool accessDenied = false;
        ByteString where;  // bus and address, for the permission message
    };
    void refreshLocked();
    void releaseDevicesLocked();
    FT_STATUS openLocked(const ByteString& name, uint32_t flags, std::vector<ByteString>& denied);
    // FT_OK while the device is open and present.
    FT_STATUS checkLocked() const;
    // One fetch from the chip into the receive queue.
    FT_STATUS fetchLocked();
    // Marks the adapter gone when the library says the device is no longer there.
    FT_STATUS fail(int libraryResult, FT_STATUS status);
    void reportDenied(const std::vector<ByteString>& texts);

    IUserInteraction* m_ui;
    mutable std::mutex m_mutex;
    ftdi_context* m_ctx = nullptr;
    std::vector<Device> m_devices;
    std::set<ByteString> m_reported;  // devices whose missing permission was shown

    bool m_open = false;
    bool m_gone = false;
    Device m_opened;
    int m_chipType = 0;
    ByteString m_rx;  // fetched from the chip, not yet read
    uint32_t m_readTimeoutMs = 0;
    uint8_t m_eventChar = 0;
    bool m_eventEnabled = false;
    bool m_wake = false;  // wakeReceiveWait() came, not yet taken by a wait
    std::condition_variable m_wakeCv;
};
