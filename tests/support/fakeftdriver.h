// A scripted driver for single-thread tests of the driver routines and the transfer loop:
// every call is recorded, any call can be made to fail, reads hand out scripted chunks.
#pragma once

#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "d2xx.h"

class FakeFtDriver : public IFtDriver {
public:
    std::vector<std::string> calls;         // names of the calls, in order
    std::map<std::string, FT_STATUS> fail;  // call name -> status it returns
    std::vector<ByteString> serials, descriptions;
    ByteString infoSerial, infoDescription;
    std::deque<ByteString> reads;  // one chunk per read; none: nothing arrived
    uint32_t extraReported = 0;    // a driver that claims more than it was asked for
    std::vector<ByteString> writes;
    std::deque<uint32_t> writeCounts;  // reported counts of the next writes (default: all)
    ByteString openedName;
    uint32_t openFlags = 0;

    FT_STATUS FT_ListDeviceCount(uint32_t& count) override {
        count = static_cast<uint32_t>(serials.size());
        return call("FT_ListDevices");
    }
    FT_STATUS FT_ListSerialNumber(uint32_t index, ByteString& serial) override {
        if (index < serials.size()) serial = serials[index];
        return call("FT_ListDevices");
    }
    FT_STATUS FT_ListDescription(uint32_t index, ByteString& description) override {
        if (index < descriptions.size()) description = descriptions[index];
        return call("FT_ListDevices");
    }
    FT_STATUS FT_OpenEx(const ByteString& name, uint32_t flags) override {
        openedName = name;
        openFlags = flags;
        return call("FT_OpenEx");
    }
    FT_STATUS FT_Close() override { return call("FT_Close"); }
    FT_STATUS FT_Read(uint8_t* buffer, uint32_t maxBytes, uint32_t& got) override {
        got = 0;
        if (!reads.empty()) {
            const ByteString chunk = reads.front();
            reads.pop_front();
            got = static_cast<uint32_t>(std::min<size_t>(chunk.size(), maxBytes));
            std::memcpy(buffer, chunk.data(), got);
        }
        got += extraReported;
        return call("FT_Read");
    }
    FT_STATUS FT_Write(const uint8_t* buffer, uint32_t n, uint32_t& written) override {
        writes.emplace_back(reinterpret_cast<const char*>(buffer), n);
        written = n;
        if (!writeCounts.empty()) {
            written = writeCounts.front();
            writeCounts.pop_front();
        }
        return call("FT_Write");
    }
    FT_STATUS FT_SetBaudRate(uint32_t) override { return call("FT_SetBaudRate"); }
    FT_STATUS FT_SetDataCharacteristics(uint8_t, uint8_t, uint8_t) override {
        return call("FT_SetDataCharacteristics");
    }
    FT_STATUS FT_SetFlowControl(uint16_t, uint8_t, uint8_t) override {
        return call("FT_SetFlowControl");
    }
    FT_STATUS FT_SetChars(uint8_t, uint8_t, uint8_t, uint8_t) override {
        return call("FT_SetChars");
    }
    FT_STATUS FT_Purge(uint32_t mask) override {
        return call(mask == FT_PURGE_RX ? "FT_Purge RX" : "FT_Purge TX");
    }
    FT_STATUS FT_SetTimeouts(uint32_t, uint32_t) override { return call("FT_SetTimeouts"); }
    FT_STATUS FT_GetQueueStatus(uint32_t& rxBytes) override {
        rxBytes = 7;
        return call("FT_GetQueueStatus");
    }
    FT_STATUS FT_SetEventNotification(uint32_t) override { return call("FT_SetEventNotification"); }
    FT_STATUS FT_GetDeviceInfo(uint32_t& type, uint32_t& id, ByteString& serial,
                               ByteString& description) override {
        type = 5;
        id = 0x04036001;
        serial = infoSerial;
        description = infoDescription;
        return call("FT_GetDeviceInfo");
    }

    int count(const std::string& name) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), name));
    }

private:
    FT_STATUS call(const std::string& name) {
        calls.push_back(name);
        auto it = fail.find(name);
        return it == fail.end() ? FT_OK : it->second;
    }
};
