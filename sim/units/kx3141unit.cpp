// The messages of the simulated class-4 unit: identification, the session, the memory reads,
// the status and the error memory, and the commands.
#include "kx3141unit.h"

#include <algorithm>
#include <cmath>

#include "simbytes.h"

using namespace SimBytes;

namespace {

constexpr uint8_t MaxErrorEntries = 10;
constexpr size_t ErrorEntrySize = 20;  // after the message ID
constexpr uint16_t ProgramChecksum = 0xB7E3;

unsigned hundredths(double v) {
    return static_cast<unsigned>(std::clamp(std::lround(v * 100.0), 0L, 65535L));
}
// A signed reading in tenths, as the unit's 16-bit word.
unsigned tenthsSigned(double v) {
    return static_cast<uint16_t>(static_cast<int16_t>(std::lround(v * 10.0)));
}

bool isOnOff(unsigned v) {
    return v == 0 || v == 1;
}

}  // namespace

SimKX3141Unit::SimKX3141Unit() : SimSBusUnit(Address) {
    Counters& c = m_counters;
    c.onSeconds = 1234567;
    c.heatSeconds = 987654;
    c.pumpSeconds = 1100000;
    c.starts = 2345;
    c.startsByTemperature = {1200, 310, 45, 6, 1};
    c.attemptsBelow40 = 2;
    c.flameOuts = 3;
    c.faults = 7;
    c.flameBreaks = 5;
    m_errors = {
        {9, 2, Ignition, 74096, 59259, 12.45},   // Flammabbruch
        {10, 1, Heating, 74120, 59270, 9.87},    // Unterspannung
        {44, 3, Ignition, 74200, 59301, 12.60},  // Magnetventil 2 defekt
    };
    setEolSize(EolSize);
    registerMessages();
    registerCommands();
    registerServiceCommands();
}

void SimKX3141Unit::setEolSize(size_t size) {
    size = std::max(size, CounterBlockSize + 2);
    m_eol.assign(size, '\0');
    // Parameters after the counter block, then a check word over them.
    unsigned sum = 0;
    for (size_t i = CounterBlockSize; i + 2 < size; ++i) {
        m_eol[i] = static_cast<char>((i * 7 + 3) & 0xFF);
        sum += static_cast<uint8_t>(m_eol[i]);
    }
    m_eol[size - 2] = static_cast<char>(sum & 0xFF);
    m_eol[size - 1] = static_cast<char>((sum >> 8) & 0xFF);
}

void SimKX3141Unit::setErrors(std::vector<ErrorEntry> e) {
    e.resize(std::min<size_t>(e.size(), MaxErrorEntries));
    m_errors = std::move(e);
    ++m_status;
}

std::optional<ByteString> SimKX3141Unit::memoryRead(uint8_t id, const ByteString& image,
                                                    const ByteString& params) {
    if (params.size() != 3 || at(params, 2) == 0) return negative(RefusedParameter, id);
    const size_t address = le16At(params, 0);
    if (address >= image.size()) return negative(RefusedAddress, id);
    const size_t count = std::min<size_t>(at(params, 2), image.size() - address);
    ByteString d = params.substr(0, 2);
    u8(d, static_cast<unsigned>(count));
    return reply(id, d + image.substr(address, count));
}

void SimKX3141Unit::registerMessages() {
    on(20, [this](const ByteString&) { return reply(20, m_ident); });
    on(21, [](const ByteString&) { return reply(21, "1.20"); });
    on(22, [](const ByteString&) { return reply(22, "V3.05"); });
    on(23, [](const ByteString&) { return reply(23, "12/2019"); });
    on(24, [](const ByteString&) { return reply(24, "03/2020"); });
    on(25, [](const ByteString&) { return reply(25, "NAVIRON"); });
    on(26, [](const ByteString&) { return reply(26, "0012345678"); });
    on(27, [](const ByteString&) { return reply(27, "V1.3"); });
    on(28, [](const ByteString&) { return reply(28, "GAS 5.5 kW"); });
    on(29, [](const ByteString&) { return reply(29, "KD-4711"); });
    on(2, [](const ByteString&) { return reply(2, bytes({0x04})); });
    acceptSession(SessionKey);
    on(151, [this](const ByteString& p) { return eolService(p); });
    on(150, [this](const ByteString& p) { return memoryRead(150, overviewBlock(), p); });
    on(90, [this](const ByteString&) { return reply(90, bytes({m_status})); });
    on(91, [this](const ByteString& p) -> std::optional<ByteString> {
        if (p.size() != 1 || at(p, 0) < 1 || at(p, 0) > MaxErrorEntries)
            return negative(RefusedParameter, 91);
        return reply(91, errorEntry(static_cast<uint8_t>(at(p, 0))));
    });
}

void SimKX3141Unit::command(bool heat, bool pump) {
    m_heatCommanded = heat;
    m_pumpCommanded = pump;
    m_commandUntil = now() + CommandHoldMs;
    settleAll();
}

void SimKX3141Unit::registerCommands() {
    onCommand(10, [this](const ByteString& p) -> std::optional<ByteString> {
        if (p.size() != 1 || !isOnOff(at(p, 0))) return negative(RefusedParameter, 10);
        command(at(p, 0) == 1, m_pumpCommanded);
        return reply(10, p);
    });
    onCommand(12, [this](const ByteString& p) -> std::optional<ByteString> {
        if (p.size() != 1 || !isOnOff(at(p, 0))) return negative(RefusedParameter, 12);
        command(m_heatCommanded, at(p, 0) == 1);
        return reply(12, p);
    });
    onCommand(13, [this](const ByteString& p) -> std::optional<ByteString> {
        // Heating, a byte of the unit's own, pump: both commands at once, held anew.
        if (p.size() != 3 || !isOnOff(at(p, 0)) || !isOnOff(at(p, 2)))
            return negative(RefusedParameter, 13);
        command(at(p, 0) == 1, at(p, 2) == 1);
        return reply(13, p);
    });
    onCommand(92, [this](const ByteString&) -> std::optional<ByteString> {
        if (!m_errors.empty()) setErrors({});
        return reply(92, bytes({0}));
    });
    onCommand(16, [this](const ByteString&) -> std::optional<ByteString> {
        m_counters.lockout = 0;
        return reply(16);
    });
}

ByteString SimKX3141Unit::counterBlock() const {
    const Counters& c = m_counters;
    ByteString d = bytes({0, c.lockout, c.flameOuts, c.faults});
    le32(d, static_cast<uint32_t>(c.onSeconds));
    le32(d, static_cast<uint32_t>(c.heatSeconds));
    le32(d, static_cast<uint32_t>(c.pumpSeconds));
    le16(d, c.starts);
    for (uint16_t s : c.startsByTemperature) le16(d, s);
    le16(d, c.attemptsBelow40);
    return d;
}

ByteString SimKX3141Unit::eolMemory() const {
    ByteString m = m_eol;
    m.replace(0, CounterBlockSize, counterBlock());
    return m;
}

ByteString SimKX3141Unit::overviewBlock() const {
    const bool f = flame();
    const bool pump = pumpRunning();
    const double v = supplyVolts();
    const int64_t t = m_lastMs;
    ByteString d;
    u8(d, (m_heatCommanded ? 0x03 : 0) | (blower() ? 0x04 : 0) |
              (m_state >= PreIgnition ? 0x08 : 0) | (ignition() ? 0x20 : 0) | (pump ? 0x40 : 0) |
              (f ? 0x80 : 0));
    u8(d, (m_pumpCommanded ? 0x01 : 0) | (controllerHeating() ? 0x02 : 0) | (valve1() ? 0x04 : 0) |
              (valve2() ? 0x08 : 0) | (m_heatCommanded ? 0x10 : 0) | (m_pumpCommanded ? 0x20 : 0));
    u8(d, 0);
    le16(d, hundredths(m_heatCommanded ? v - 0.1 : 0));
    le16(d, hundredths(v));
    le16(d, f ? 750u + static_cast<unsigned>(t / 1000 % 9) : 40u);  // flame detector, 10 bit
    le16(d, hundredths(valve1() ? v - 0.4 : 0));
    le16(d, hundredths(m_pumpCommanded ? v - 0.3 : 0));
    le16(d, hundredths(ignition() ? v - 0.5 : 0));
    le16(d, tenthsSigned(m_coolantC));
    le16(d, tenthsSigned(lowerThresholdC()));
    le16(d, tenthsSigned(upperThresholdC()));
    le16(d, tenthsSigned(m_gradient));
    le16(d, stateWord());
    le16(d, m_phaseEnd >= 0 ? static_cast<unsigned>((m_phaseEnd - t) / 100) : 0u);
    le16(d, m_flameSince >= 0
                ? static_cast<unsigned>(std::min<int64_t>((t - m_flameSince) / 100, 65534))
                : 0u);
    u8(d, f ? 2 : 0);
    le16(d, ProgramChecksum);
    u8(d, m_counters.flameBreaks);
    u8(d, 0);
    u8(d, 0);                                             // no error at present
    le16(d, tenthsSigned(m_coolantC + (f ? 8.0 : 1.0)));  // overheat sensor
    le16(d, hundredths(pump ? 1.25 : 0));
    u8(d, 0);
    le16(d, hundredths(0.35 + (blower() ? 2.1 : 0) + (valve1() ? 0.3 : 0) + (valve2() ? 0.3 : 0)));
    u8(d, 0);
    le16(d, controllerHeating() ? hundredths(3.2) : 0u);
    return d;
}

ByteString SimKX3141Unit::errorEntry(uint8_t index) const {
    ByteString d = bytes({index});
    if (index <= m_errors.size()) {
        const ErrorEntry& e = m_errors[index - 1u];
        d += bytes({e.code, e.count, e.state});
        le16(d, e.onMinutes / 60);
        u8(d, e.onMinutes % 60);
        le16(d, e.heatMinutes / 60);
        u8(d, e.heatMinutes % 60);
        le16(d, hundredths(e.volts));
    }
    d.resize(ErrorEntrySize, '\0');  // an empty place, or the entry's unused rest
    return d;
}
