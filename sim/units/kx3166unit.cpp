// The messages of the simulated class-5 unit: identification and software data, the session,
// the live blocks, the error memory, the parameter memory, and the commands.
#include "kx3166unit.h"

#include <algorithm>
#include <cmath>

#include "simbytes.h"

using namespace SimBytes;

namespace {

// Physical values as the unit's 16-bit readings.
unsigned raw16(double value, double offset, double fullScale) {
    const double r = std::round((value + offset) * 65535.0 / fullScale);
    return static_cast<unsigned>(std::clamp(r, 0.0, 65535.0));
}
unsigned temp300(double c) {
    return raw16(c, 100, 300);
}
unsigned temp200(double c) {
    return raw16(c, 50, 200);
}
unsigned supplyRaw(double v) {
    return raw16(v, 5.4376, 50.4767);
}
unsigned errorVoltsRaw(double v) {
    return raw16(v, 0, 45);
}
unsigned flameRaw(double v) {
    return raw16(v, 0, 3.3);
}
// A 10-bit converter reading of a voltage (30 V full scale).
unsigned ad(double v) {
    return static_cast<unsigned>(std::clamp(v * 1023.0 / 30.0, 0.0, 1023.0));
}

bool isLineValue(unsigned v) {
    return v == 0 || v == 1 || v == 255;
}

constexpr uint8_t MaxErrorEntries = 10;

}  // namespace

SimKX3166Unit::SimKX3166Unit() : SimSBusUnit(Address), m_area1(AreaSizes[1], 0xFF) {
    m_counters.onSeconds = 512345;
    m_counters.heatSeconds = 401234;
    m_counters.pumpSeconds = 450120;
    m_counters.starts = 1873;
    m_counters.faults = 12;
    m_counters.flameOuts = 4;
    m_counters.shortBurns = 3;
    m_counters.shortBurnsTotal = 17;
    m_errors = {
        {9, 2, 14, 61.5, 12.4, 498000, 391000},   // Flammabbruch
        {10, 1, 10, 22.0, 9.8, 501000, 395000},   // Unterspannung
        {33, 3, 12, 18.5, 12.1, 505000, 398000},  // Drehzahlsignal nicht in Ordnung
    };
    m_area1[ComponentDefaultAddress] = ComponentDefaultSeconds;
    registerMessages();
    registerCommands();
    registerBootLoaderSwitch();
}

void SimKX3166Unit::setErrors(std::vector<ErrorEntry> e) {
    e.resize(std::min<size_t>(e.size(), MaxErrorEntries));
    m_errors = std::move(e);
    ++m_status;
}

void SimKX3166Unit::registerMessages() {
    on(20, [this](const ByteString&) { return reply(20, m_ident); });
    on(27, [](const ByteString&) { return reply(27, "V2.1"); });
    on(2, [](const ByteString&) { return reply(2, bytes({0x05})); });
    acceptSession(SessionKey, [this] { m_lastKeepAlive = now(); });
    on(81, [](const ByteString&) { return reply(81, SimBootLoader::bootSoftware()); });
    on(82, [](const ByteString&) {
        ByteString d;
        text(d, "HW47380006", 10);
        text(d, "SW47380106", 10);
        le16(d, 4711);
        d += bytes({20, 33, 1, 21, 5, 0});
        le32(d, 98304);
        le32(d, 0x3A5C71E2);
        return reply(82, d);
    });
    on(83, [](const ByteString&) {
        ByteString d = bytes({21, 18});  // year, week
        text(d, "SG0012345678", 12);
        d += bytes({1, 1});
        return reply(83, d);
    });
    on(84, [](const ByteString&) {
        ByteString d;
        le16(d, 4711);
        text(d, "HG0098765432", 12);
        return reply(84, d);
    });
    on(38, [this](const ByteString&) { return reply(38, identification38()); });
    on(153, [](const ByteString& p) -> std::optional<ByteString> {
        if (p.size() != 1 || at(p, 0) >= AreaSizes.size()) return negative(RefusedParameter, 153);
        ByteString d = bytes({static_cast<int>(at(p, 0))});
        le16(d, AreaSizes[at(p, 0)]);
        return reply(153, d);
    });
    on(152, [this](const ByteString& p) -> std::optional<ByteString> {
        // Reads bytes of memory area 1: area, address, count; with count data bytes after
        // them it writes them first. The answer holds the cells either way.
        const unsigned address = le16At(p, 1), count = at(p, 3);
        if (p.size() < 4 || at(p, 0) != 1 || count == 0 || address + count > m_area1.size())
            return negative(RefusedParameter, 152);
        if (p.size() > 4) {
            if (p.size() != 4u + count) return negative(RefusedParameter, 152);
            for (unsigned i = 0; i < count; ++i) m_area1[address + i] = at(p, 4 + i);
        }
        ByteString d = p.substr(0, 4);
        for (unsigned i = 0; i < count; ++i) u8(d, m_area1[address + i]);
        return reply(152, d);
    });
    on(47, [this](const ByteString&) { return reply(47, counterBlock()); });
    on(48, [this](const ByteString&) {
        ByteString d;
        le32(d, m_counters.shortBurns);
        le32(d, m_counters.shortBurnsTotal);
        return reply(48, d);
    });
    on(50, [this](const ByteString&) { return reply(50, inputs()); });
    on(53, [this](const ByteString&) { return reply(53, overview()); });
    on(90, [this](const ByteString&) { return reply(90, bytes({m_status})); });
    on(91, [this](const ByteString& p) -> std::optional<ByteString> {
        if (p.size() != 1 || at(p, 0) < 1 || at(p, 0) > MaxErrorEntries)
            return negative(RefusedParameter, 91);
        return reply(91, errorEntry(static_cast<uint8_t>(at(p, 0))));
    });
}

std::optional<ByteString> SimKX3166Unit::lineCommand(uint8_t id, Line line,
                                                     const ByteString& params) {
    if (params.size() != 1 || !isLineValue(at(params, 0))) return negative(RefusedParameter, id);
    m_override[line] = static_cast<uint8_t>(at(params, 0));
    settleAll();
    return reply(id, params);
}

void SimKX3166Unit::registerCommands() {
    onCommand(10, [this](const ByteString& p) { return lineCommand(10, HS, p); });
    onCommand(11, [this](const ByteString& p) { return lineCommand(11, SPAR, p); });
    onCommand(12, [this](const ByteString& p) { return lineCommand(12, UPFA, p); });
    onCommand(17, [this](const ByteString& p) { return lineCommand(17, KL61, p); });
    onCommand(13, [this](const ByteString& p) -> std::optional<ByteString> {
        // All four overrides at once, in the order HS, SPAR, UPFA, KL61.
        if (p.size() != 4 || !std::all_of(p.begin(), p.end(), [](char c) {
                return isLineValue(static_cast<uint8_t>(c));
            }))
            return negative(RefusedParameter, 13);
        for (size_t i = 0; i < 4; ++i) m_override[i] = static_cast<uint8_t>(p[i]);
        settleAll();
        return reply(13, p);
    });
    registerServiceCommands();
    onCommand(49, [this](const ByteString& p) -> std::optional<ByteString> {
        // Deletes the times and counters whose flag is 1.
        if (p.size() != 8) return negative(RefusedParameter, 49);
        Counters& c = m_counters;
        if (at(p, 0) == 1) c.faults = 0;
        if (at(p, 1) == 1) c.flameOuts = 0;
        if (at(p, 2) == 1) c.heatSeconds = 0;
        if (at(p, 3) == 1) c.pumpSeconds = 0;
        if (at(p, 4) == 1) c.onSeconds = 0;
        if (at(p, 5) == 1) c.starts = 0;
        if (at(p, 6) == 1) c.shortBurns = 0;
        if (at(p, 7) == 1) c.shortBurnsTotal = 0;
        return reply(49, p);
    });
    onCommand(92, [this](const ByteString&) -> std::optional<ByteString> {
        if (!m_errors.empty()) setErrors({});
        return reply(92, bytes({0}));
    });
    onCommand(16, [this](const ByteString&) -> std::optional<ByteString> { return reply(16); });
}

ByteString SimKX3166Unit::overview() const {
    const bool f = flame();
    const uint16_t setRpm = motorSetRpm();
    const unsigned rpm = setRpm ? setRpm - 15 + static_cast<unsigned>(m_lastMs / 1000 % 7) * 5 : 0;
    const double t = static_cast<double>(m_lastMs) / 1000.0;
    ByteString d;
    u8(d, static_cast<unsigned>(upperThresholdC()));
    u8(d, static_cast<unsigned>(lowerThresholdC()));
    le16(d, setRpm);
    le16(d, rpm);
    u8(d, pumpRunning() ? 1 : 0);
    le16(d, supplyRaw(supplyVolts()));
    le16(d, temp300(m_testPlug ? 100.0 : m_coolantC + (f ? 6.0 : 1.0)));  // overheat sensor
    le16(d, temp300(m_testPlug ? 100.0 : m_coolantC));
    le16(d, flameRaw(f ? 2.4 : 0.2));
    u8(d, f ? 1 : 4);  // hell, dunkel
    u8(d, m_state);
    d += bytes({0, 0, 0});
    const bool valve = f || componentOn(ComponentValve);
    const bool spark = m_state == 12 || m_state == 13 || componentOn(ComponentSpark);
    u8(d, (m_componentActive ? 0x02 : 0) | (lineOn(HS) ? 0x04 : 0) | (lineOn(KL61) ? 0x08 : 0) |
              (lineOn(UPFA) ? 0x10 : 0) | (lineOn(SPAR) ? 0x20 : 0) | (valve ? 0x40 : 0) |
              (spark ? 0x80 : 0));
    u8(d, (f || componentOn(ComponentFlameLamp) ? 0x01 : 0) |
              (lineOn(HS) || componentOn(ComponentOperatingLamp) ? 0x02 : 0));
    u8(d, sessionOpen() ? 1 : 0);
    u8(d, componentUnderTest());
    u8(d,
       (m_coolantC < lowerThresholdC() ? 0x01 : 0) | (m_coolantC >= upperThresholdC() ? 0x02 : 0));
    le16(d, temp200(38.0 + 3.0 * std::sin(t / 90.0)));
    u8(d, m_state);
    le16(d, 0);
    le16(d, 0);
    return d;
}

ByteString SimKX3166Unit::inputs() const {
    const double v = supplyVolts();
    const bool f = flame();
    const bool pump = pumpRunning();
    const bool valve = f || componentOn(ComponentValve);
    const bool spark = m_state == 12 || m_state == 13;
    ByteString d = bytes({1, valve ? 1 : 0, spark ? 1 : 0});
    le16(d, static_cast<unsigned>((m_coolantC + (f ? 6.0 : 1.0) + 50.0) * 4.0));
    le16(d, ad(v));
    for (Line l : {HS, UPFA, KL61, SPAR}) le16(d, lineOn(l) ? ad(v) : 4);
    le16(d, f ? 700 : 60);
    le16(d, pump ? 310 : 2);
    le16(d, pump ? ad(v) : 0);
    le16(d, valve ? ad(v) : 0);
    le16(d, spark ? ad(v) : 0);
    le16(d, 352);
    le16(d, static_cast<unsigned>((m_coolantC + 50.0) * 4.0));
    le16(d, motorSetRpm() * 2u / 60u);
    return d;
}

ByteString SimKX3166Unit::counterBlock() const {
    const Counters& c = m_counters;
    ByteString d;
    le32(d, c.faults);
    le32(d, c.flameOuts);
    le32(d, static_cast<uint32_t>(c.heatSeconds));
    le32(d, static_cast<uint32_t>(c.pumpSeconds));
    le32(d, static_cast<uint32_t>(c.onSeconds));
    le32(d, c.starts);
    return d;
}

ByteString SimKX3166Unit::errorEntry(uint8_t index) const {
    ByteString d = bytes({index});
    if (index > m_errors.size()) return d + ByteString(18, '\0');  // an empty place
    const ErrorEntry& e = m_errors[index - 1u];
    u8(d, e.code);
    le32(d, e.count);
    u8(d, e.state);
    le16(d, temp300(e.temperatureC));
    le16(d, errorVoltsRaw(e.volts));
    le32(d, e.onSeconds);
    le32(d, e.heatSeconds);
    return d;
}

ByteString SimKX3166Unit::identification38() const {
    ByteString d;
    text(d, "0473800600", 10);
    d += bytes({20, 45, 1});  // hardware date: year, week, patch
    d += bytes({3, 1});       // hardware version 1.3
    text(d, "DS47380061", 10);
    text(d, "0473800611", 10);
    text(d, "KX3166 Diesel 5 kW", 20);
    d += bytes({24, 3, 15, 10, 42});  // programmed 15.03.24 10:42
    u8(d, 5);                         // heat output class, kW
    return d;
}
