#include "simftdriver.h"

#include <algorithm>
#include <chrono>
#include <cstring>

SimFtDriver::SimFtDriver() : m_clock(m_ownClock) {}
SimFtDriver::SimFtDriver(const ISimClock& clock) : m_clock(clock) {}

size_t SimFtDriver::addAdapter(const ByteString& serial, const ByteString& description) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_adapters.push_back(std::make_unique<SimAdapter>(serial, description));
    return m_adapters.size() - 1;
}

void SimFtDriver::attachUnit(size_t adapter, ISimControlUnit* unit) {
    std::lock_guard<std::mutex> lock(m_mutex);
    at(adapter).attachUnit(unit, m_clock);
}

void SimFtDriver::detachUnit(size_t adapter, uint8_t bus) {
    std::lock_guard<std::mutex> lock(m_mutex);
    at(adapter).detachUnit(bus);
}

void SimFtDriver::setFaults(size_t adapter, const SimFaults& faults) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        at(adapter).faults = faults;
    }
    m_cv.notify_all();
}

SimFaults SimFtDriver::faults(size_t adapter) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return at(adapter).faults;
}

SimAdapterStats SimFtDriver::stats(size_t adapter) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return at(adapter).stats;
}

SimLineSettings SimFtDriver::lineSettings() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_line;
}

void SimFtDriver::unplug(size_t adapter) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        at(adapter).plugged = false;
        at(adapter).reset();
        if (m_open == static_cast<int>(adapter)) m_dead = true;
    }
    m_cv.notify_all();
}

void SimFtDriver::replug(size_t adapter) {
    std::lock_guard<std::mutex> lock(m_mutex);
    SimAdapter& a = at(adapter);
    if (!a.plugged) ++a.plugIns;
    a.plugged = true;
}

std::vector<SimAdapterPresence> SimFtDriver::presence() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<SimAdapterPresence> all;
    for (const auto& a : m_adapters)
        all.push_back({a->serial(), a->description(), a->plugged, a->plugIns});
    return all;
}

void SimFtDriver::setPace(size_t adapter, const SimLinePace& pace) {
    std::lock_guard<std::mutex> lock(m_mutex);
    at(adapter).pace = pace;
}

void SimFtDriver::pushToHost(size_t adapter, const ByteString& bytes) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        at(adapter).pushToHost(bytes, m_clock.nowMs());
    }
    m_cv.notify_all();
}

int SimFtDriver::openAdapter() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_open;
}

int64_t SimFtDriver::nextDueMs() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    SimAdapter* a = nullptr;
    if (handle(a) != FT_OK) return -1;
    return a->nextDue(m_clock.nowMs());
}

SimAdapter* SimFtDriver::plugged(uint32_t index) const {
    for (const auto& a : m_adapters) {
        if (!a->plugged) continue;
        if (index == 0) return a.get();
        --index;
    }
    return nullptr;
}

FT_STATUS SimFtDriver::handle(SimAdapter*& adapter) const {
    if (m_open < 0) return FT_INVALID_HANDLE;
    if (m_dead) return FT_IO_ERROR;
    adapter = m_adapters[static_cast<size_t>(m_open)].get();
    return FT_OK;
}

FT_STATUS SimFtDriver::FT_ListDeviceCount(uint32_t& count) {
    std::lock_guard<std::mutex> lock(m_mutex);
    count = static_cast<uint32_t>(
        std::count_if(m_adapters.begin(), m_adapters.end(), [](auto& a) { return a->plugged; }));
    return FT_OK;
}

FT_STATUS SimFtDriver::FT_ListSerialNumber(uint32_t index, ByteString& serial) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const SimAdapter* a = plugged(index);
    if (!a) return FT_DEVICE_NOT_FOUND;
    serial = a->serial();
    return FT_OK;
}

FT_STATUS SimFtDriver::FT_ListDescription(uint32_t index, ByteString& description) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const SimAdapter* a = plugged(index);
    if (!a) return FT_DEVICE_NOT_FOUND;
    description = a->description();
    return FT_OK;
}

FT_STATUS SimFtDriver::FT_OpenEx(const ByteString& name, uint32_t flags) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (name.empty()) return FT_DEVICE_NOT_FOUND;
    for (size_t i = 0; i < m_adapters.size(); ++i) {
        SimAdapter& a = *m_adapters[i];
        if (!a.plugged) continue;
        const bool match =
            (flags == FT_OPEN_BY_SERIAL_NUMBER && FT_SerialMatches(a.serial(), name)) ||
            (flags == FT_OPEN_BY_DESCRIPTION && a.description() == name);
        if (!match) continue;
        a.reset();  // a fresh session: nothing left over from an earlier handle
        m_open = static_cast<int>(i);
        m_dead = false;
        return FT_OK;
    }
    return FT_DEVICE_NOT_FOUND;
}

FT_STATUS SimFtDriver::FT_Close() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_open < 0) return FT_INVALID_HANDLE;
        m_open = -1;
        m_dead = false;
    }
    m_cv.notify_all();
    return FT_OK;
}

FT_STATUS SimFtDriver::FT_Read(uint8_t* buffer, uint32_t maxBytes, uint32_t& got) {
    using namespace std::chrono;
    got = 0;
    std::unique_lock<std::mutex> lock(m_mutex);
    SimAdapter* a = nullptr;
    FT_STATUS st = handle(a);
    if (st != FT_OK) return st;
    const auto deadline = steady_clock::now() + milliseconds(m_line.readTimeoutMs);
    const bool eventOn = m_line.eventEnabled != 0;
    while (m_clock.isRealTime()) {
        const int64_t now = m_clock.nowMs();
        if (eventOn && a->readableHas(m_line.eventChar, now)) break;
        if (a->readable(now) >= maxBytes) break;
        if (steady_clock::now() >= deadline) break;
        // Wake for a write, an unplug or a close; or when the next slow answer falls due.
        auto until = deadline;
        const int64_t due = a->nextDue(now);
        if (due >= 0) until = std::min(until, steady_clock::now() + milliseconds(due - now));
        m_cv.wait_until(lock, until);
        st = handle(a);
        if (st != FT_OK) return st;
    }
    uint32_t limit = maxBytes;
    if (a->faults.splitBytes > 0) limit = std::min(limit, a->faults.splitBytes);
    const ByteString bytes = a->take(limit, m_clock.nowMs());
    std::memcpy(buffer, bytes.data(), bytes.size());
    got = static_cast<uint32_t>(bytes.size());
    return FT_OK;
}

FT_STATUS SimFtDriver::FT_Write(const uint8_t* buffer, uint32_t n, uint32_t& written) {
    written = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        SimAdapter* a = nullptr;
        const FT_STATUS st = handle(a);
        if (st != FT_OK) return st;
        ++a->stats.writes;
        if (a->faults.failWrites) return FT_IO_ERROR;
        a->receive(buffer, n, m_clock.nowMs());
        written = n;
    }
    m_cv.notify_all();
    return FT_OK;
}

bool SimFtDriver::waitForReceive(uint32_t maxMs) {
    using namespace std::chrono;
    if (!m_clock.isRealTime()) return false;
    const auto deadline = steady_clock::now() + milliseconds(maxMs);
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_wake && steady_clock::now() < deadline) {
        auto until = deadline;
        SimAdapter* a = nullptr;
        if (handle(a) == FT_OK) {
            const int64_t now = m_clock.nowMs();
            if (a->readable(now) > 0) break;
            const int64_t due = a->nextDue(now);
            if (due >= 0) until = std::min(until, steady_clock::now() + milliseconds(due - now));
        }
        // Woken by a write, an unplug, a close or wakeReceiveWait().
        m_cv.wait_until(lock, until);
    }
    m_wake = false;
    return true;
}

void SimFtDriver::wakeReceiveWait() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_wake = true;
    }
    m_cv.notify_all();
}

template <typename F>
FT_STATUS SimFtDriver::onHandle(F&& f) {
    std::lock_guard<std::mutex> lock(m_mutex);
    SimAdapter* a = nullptr;
    const FT_STATUS st = handle(a);
    if (st == FT_OK) f(*a);
    return st;
}

FT_STATUS SimFtDriver::FT_SetBaudRate(uint32_t baud) {
    return onHandle([&](SimAdapter&) { m_line.baud = baud; });
}

FT_STATUS SimFtDriver::FT_SetDataCharacteristics(uint8_t wordLength, uint8_t stopBits,
                                                 uint8_t parity) {
    return onHandle([&](SimAdapter&) {
        m_line.wordLength = wordLength;
        m_line.stopBits = stopBits;
        m_line.parity = parity;
    });
}

FT_STATUS SimFtDriver::FT_SetFlowControl(uint16_t flow, uint8_t xon, uint8_t xoff) {
    return onHandle([&](SimAdapter&) {
        m_line.flow = flow;
        m_line.xon = xon;
        m_line.xoff = xoff;
    });
}

FT_STATUS SimFtDriver::FT_SetChars(uint8_t eventChar, uint8_t eventEnabled, uint8_t errorChar,
                                   uint8_t errorEnabled) {
    return onHandle([&](SimAdapter&) {
        m_line.eventChar = eventChar;
        m_line.eventEnabled = eventEnabled;
        m_line.errorChar = errorChar;
        m_line.errorEnabled = errorEnabled;
    });
}

FT_STATUS SimFtDriver::FT_Purge(uint32_t mask) {
    return onHandle([&](SimAdapter& a) {
        if (mask & FT_PURGE_RX) a.purgeToHost(m_clock.nowMs());
        if (mask & FT_PURGE_TX) ++a.stats.purgesTx;  // writes are taken at once: nothing waits
    });
}

FT_STATUS SimFtDriver::FT_SetTimeouts(uint32_t readMs, uint32_t writeMs) {
    return onHandle([&](SimAdapter&) {
        m_line.readTimeoutMs = readMs;
        m_line.writeTimeoutMs = writeMs;
    });
}

FT_STATUS SimFtDriver::FT_GetQueueStatus(uint32_t& rxBytes) {
    return onHandle(
        [&](SimAdapter& a) { rxBytes = static_cast<uint32_t>(a.readable(m_clock.nowMs())); });
}

FT_STATUS SimFtDriver::FT_SetEventNotification(uint32_t mask) {
    return onHandle([&](SimAdapter&) { m_line.eventMask = mask; });
}

FT_STATUS SimFtDriver::FT_GetDeviceInfo(uint32_t& type, uint32_t& id, ByteString& serial,
                                        ByteString& description) {
    return onHandle([&](SimAdapter& a) {
        type = 5;  // the chip family of the real adapter
        id = 0x04036001;
        serial = a.serial();
        description = a.description();
    });
}
