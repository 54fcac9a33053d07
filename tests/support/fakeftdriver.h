// A driver with adapters that a test plugs in and pulls out. It answers the open, list,
// configuration and presence calls; it carries no data (tests pair it with FakeTransport).
#pragma once

#include <vector>

#include "d2xx.h"

class FakeFtDriver : public IFtDriver {
public:
    struct Device {
        ByteString serial;
        ByteString description;
        bool plugged = true;
    };

    // Adds an adapter; returns its index.
    size_t addAdapter(const ByteString& serial,
                      const ByteString& description = "NAVIRON Diagnose Adapter") {
        devices.push_back({serial, description, true});
        return devices.size() - 1;
    }
    void unplug(size_t i) { devices.at(i).plugged = false; }
    void plug(size_t i) { devices.at(i).plugged = true; }
    bool isOpen() const { return openIndex >= 0; }
    ByteString openSerial() const { return isOpen() ? devices[openIndex].serial : ByteString{}; }

    FT_STATUS FT_ListDeviceCount(uint32_t& count) override {
        count = 0;
        for (auto& d : devices) count += d.plugged ? 1 : 0;
        return FT_OK;
    }
    FT_STATUS FT_ListSerialNumber(uint32_t index, ByteString& serial) override {
        const Device* d = plugged(index);
        if (!d) return FT_DEVICE_NOT_FOUND;
        serial = d->serial;
        return FT_OK;
    }
    FT_STATUS FT_ListDescription(uint32_t index, ByteString& description) override {
        const Device* d = plugged(index);
        if (!d) return FT_DEVICE_NOT_FOUND;
        description = d->description;
        return FT_OK;
    }
    FT_STATUS FT_OpenEx(const ByteString& name, uint32_t flags) override {
        calls.push_back(
            (flags == FT_OPEN_BY_SERIAL_NUMBER ? "OpenBySerial " : "OpenByDescription ") + name);
        if (isOpen()) return FT_DEVICE_NOT_OPENED;
        for (size_t i = 0; i < devices.size(); ++i) {
            const Device& d = devices[i];
            const ByteString& key = flags == FT_OPEN_BY_SERIAL_NUMBER ? d.serial : d.description;
            if (d.plugged && !name.empty() && key == name) {
                openIndex = static_cast<int>(i);
                return FT_OK;
            }
        }
        return FT_DEVICE_NOT_FOUND;
    }
    FT_STATUS FT_Close() override {
        calls.push_back("Close");
        if (!isOpen()) return FT_INVALID_HANDLE;
        openIndex = -1;
        return FT_OK;
    }
    FT_STATUS FT_Read(uint8_t*, uint32_t, uint32_t& got) override {
        got = 0;
        return present() ? FT_OK : FT_IO_ERROR;
    }
    FT_STATUS FT_Write(const uint8_t*, uint32_t n, uint32_t& written) override {
        written = present() ? n : 0;
        return present() ? FT_OK : FT_IO_ERROR;
    }
    FT_STATUS FT_SetBaudRate(uint32_t baud) override {
        return record("SetBaudRate " + std::to_string(baud));
    }
    FT_STATUS FT_SetDataCharacteristics(uint8_t w, uint8_t s, uint8_t p) override {
        return record("SetDataCharacteristics " + std::to_string(w) + " " + std::to_string(s) +
                      " " + std::to_string(p));
    }
    FT_STATUS FT_SetFlowControl(uint16_t f, uint8_t on, uint8_t off) override {
        return record("SetFlowControl " + std::to_string(f) + " " + std::to_string(on) + " " +
                      std::to_string(off));
    }
    FT_STATUS FT_SetChars(uint8_t e, uint8_t ee, uint8_t r, uint8_t re) override {
        return record("SetChars " + std::to_string(e) + " " + std::to_string(ee) + " " +
                      std::to_string(r) + " " + std::to_string(re));
    }
    FT_STATUS FT_Purge(uint32_t mask) override { return record("Purge " + std::to_string(mask)); }
    FT_STATUS FT_SetTimeouts(uint32_t r, uint32_t w) override {
        return record("SetTimeouts " + std::to_string(r) + " " + std::to_string(w));
    }
    FT_STATUS FT_GetQueueStatus(uint32_t& rx) override {
        rx = 0;
        if (!isOpen()) return FT_INVALID_HANDLE;
        return present() ? FT_OK : FT_IO_ERROR;
    }
    FT_STATUS FT_SetEventNotification(uint32_t mask) override {
        return record("SetEventNotification " + std::to_string(mask));
    }
    FT_STATUS FT_GetDeviceInfo(uint32_t& type, uint32_t& id, ByteString& serial,
                               ByteString& description) override {
        if (!present() || deviceInfoFails) return FT_IO_ERROR;
        type = 5;
        id = 0x04036001;
        serial = devices[openIndex].serial;
        description = devices[openIndex].description;
        return FT_OK;
    }

    std::vector<Device> devices;
    int openIndex = -1;
    bool deviceInfoFails = false;
    // Open, close and line-setting calls in order (queue-status polls are not recorded).
    std::vector<ByteString> calls;

private:
    bool present() const { return isOpen() && devices[openIndex].plugged; }
    FT_STATUS record(const ByteString& c) {
        calls.push_back(c);
        return present() ? FT_OK : FT_INVALID_HANDLE;
    }
    const Device* plugged(uint32_t index) const {
        uint32_t n = 0;
        for (auto& d : devices)
            if (d.plugged && n++ == index) return &d;
        return nullptr;
    }
};
