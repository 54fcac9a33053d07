// The simulated adapters behind the driver port: a USB host with any number of simulated
// adapters that can be listed, opened by serial or description, unplugged and plugged in
// again. Reads follow the driver's rules: with a real-time clock a read waits up to the read
// time-out and returns at once when the event character has arrived; with a test clock it
// never waits, so single-thread tests run deterministically.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

#include "d2xx.h"
#include "simadapter.h"

struct SimLineSettings {
    uint32_t baud = 0;
    uint8_t wordLength = 0, stopBits = 0, parity = 0;
    uint16_t flow = 0;
    uint8_t xon = 0, xoff = 0;
    uint8_t eventChar = 0, eventEnabled = 0, errorChar = 0, errorEnabled = 0;
    uint32_t readTimeoutMs = 0, writeTimeoutMs = 0;
    uint32_t eventMask = 0;
};

// What the USB host sees of one simulated adapter.
struct SimAdapterPresence {
    ByteString serial, description;
    bool plugged = false;
    unsigned plugIns = 0;  // times it was plugged in (the first counts), so a re-plug shows
};

class SimFtDriver : public IFtDriver {
public:
    // Real time (the program's --simulate, threaded tests, the benchmark).
    SimFtDriver();
    // The given clock; a clock that is not real time makes every read return at once.
    explicit SimFtDriver(const ISimClock& clock);

    // Adds an adapter; returns its index. It is plugged in.
    size_t addAdapter(const ByteString& serial,
                      const ByteString& description = SimAdapter::Description);
    // The unit answers the transfers on its bus; not owned; called under the driver's lock
    // from whichever thread writes, so it must not call back into the driver.
    void attachUnit(size_t adapter, ISimControlUnit* unit);
    void detachUnit(size_t adapter, uint8_t bus);

    void setFaults(size_t adapter, const SimFaults& faults);
    SimFaults faults(size_t adapter) const;
    SimAdapterStats stats(size_t adapter) const;
    SimLineSettings lineSettings() const;
    // Unplugging kills an open handle: every call on it fails until it is closed.
    void unplug(size_t adapter);
    void replug(size_t adapter);
    // Every adapter ever added, in order, plugged or not.
    std::vector<SimAdapterPresence> presence() const;
    // The pace of the real line for every answer of this adapter (off: answers are instant).
    void setPace(size_t adapter, const SimLinePace& pace);
    // Raw bytes for the PC from the adapter (noise, stray frames).
    void pushToHost(size_t adapter, const ByteString& bytes);
    // Index of the adapter the handle belongs to, or -1.
    int openAdapter() const;
    // When the next answer of the open adapter becomes readable (ms on its clock), or -1 when
    // none is on its way.
    int64_t nextDueMs() const;
    const ISimClock& clock() const { return m_clock; }

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
    // With a real-time clock: sleeps until an answer is readable; with a test clock it cannot
    // (false), as reads never wait there.
    bool waitForReceive(uint32_t maxMs) override;
    void wakeReceiveWait() override;

private:
    // FT_OK with the open adapter, else the status of a missing or dead handle.
    FT_STATUS handle(SimAdapter*& adapter) const;
    SimAdapter* plugged(uint32_t index) const;
    // Runs f on the open adapter under the lock; the status of the handle.
    template <typename F>
    FT_STATUS onHandle(F&& f);
    SimAdapter& at(size_t adapter) const { return *m_adapters.at(adapter); }

    SteadySimClock m_ownClock;
    const ISimClock& m_clock;
    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    std::vector<std::unique_ptr<SimAdapter>> m_adapters;
    int m_open = -1;
    bool m_dead = false;
    bool m_wake = false;  // wakeReceiveWait() came, not yet taken by a wait
    SimLineSettings m_line;
};
