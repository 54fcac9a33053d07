#include "kx3090unit.h"

#include <cmath>

#include "simbytes.h"

using SimBytes::be16;
using SimBytes::bytes;

SimKX3090Unit::SimKX3090Unit() {
    m_errors = {
        {0x03, 1, 2, 0x2403, 68, 12100, 1201, 17},  // Flammabbruch
        {0x84, 3, 1, 0x0400, 45, 10200, 1230, 5},   // Unterspannung
        {0x14, 0, 4, 0x1F00, 250, 12800, 998, 44},  // Temperatursensor Kurzschluss Kl. 31
    };
}

bool SimKX3090Unit::pumpRunning() const {
    return m_pumpUntil >= 0 && now() < m_pumpUntil;
}

uint16_t SimKX3090Unit::stateWord() const {
    return pumpRunning() ? StatePump : StateOff;
}

double SimKX3090Unit::temperatureC() const {
    // Coolant between about 18 and 26 °C, slowly swinging; warmer while the pump runs.
    const double t = static_cast<double>(now()) / 1000.0;
    return 22.0 + 4.0 * std::sin(t / 60.0) + (pumpRunning() ? 3.0 : 0.0);
}

uint16_t SimKX3090Unit::supplyMillivolts() const {
    const double t = static_cast<double>(now()) / 1000.0;
    const double base = m_calibratedMillivolts ? m_calibratedMillivolts : 12400;
    return static_cast<uint16_t>(base + 150 * std::sin(t / 7.0) - (pumpRunning() ? 300 : 0));
}

ByteString SimKX3090Unit::statusPage(uint8_t page) const {
    const bool pump = pumpRunning();
    ByteString d;
    d.push_back(static_cast<char>(page));
    switch (page) {
        case 2:  // HS, UPFA, Kl. 61, Kl. 15
            d += bytes({0x01, 0x00, 0x10, 0x00, 0x01});
            return d;
        case 3:  // components: bit 3 = circulation pump
            d.push_back(static_cast<char>((pump ? 0x08 : 0x00) | componentBits()));
            return d;
        case 4:  // fuel type: none of petrol/diesel
            d.push_back(0);
            return d;
        case 5: {
            d.push_back(static_cast<char>(std::lround(temperatureC()) + 50));
            be16(d, supplyMillivolts());
            d += bytes({0x00, 0, 0, 0, 0});
            return d;
        }
        case 6: {
            const uint32_t on = m_burnMinutes + 5000 * 60;
            be16(d, m_burnMinutes / 60);
            d.push_back(static_cast<char>(m_burnMinutes % 60));
            be16(d, on / 60);
            d.push_back(static_cast<char>(on % 60));
            be16(d, m_starts);
            return d;
        }
        case 7:
            be16(d, stateWord());
            d += bytes({0x00, 0, 0, 0});
            return d;
        case 15: {
            const uint8_t c = componentUnderTest();
            const int motor = c == 1 ? std::min<int>(m_componentSetpoint, 200) : 0;
            d += bytes({0, 0, motor, 0, pump || c == 4 ? 200 : 0});
            return d;
        }
        default:
            return ByteString();
    }
}

ByteString SimKX3090Unit::identification(uint8_t sub) const {
    ByteString d;
    d.push_back(static_cast<char>(sub));
    switch (sub) {
        case 1:
            d += bytes({0x09, 0x12, 0x34, 0x56, 'A'});
            return d;
        case 2:
            d += bytes({0x03, 0x01, 0x12, 0x05, 0x02, 0x07, 0x12, 0x05, 0x02, 0x07});
            return d;
        case 3:
            d += bytes({0x01, 0x23, 0x45, 0x67, 'B', 0x00});
            return d;
        case 4:
            d += bytes({0x15, 0x03, 0x21});
            return d;
        case 5:
            d += bytes({0x28, 0x04, 0x21});
            return d;
        case 6:
            d += bytes({0x00});
            return d;
        case 7:
            d += bytes({0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88});
            return d;
        case 9:
            d += bytes({0x00, 0x12, 0x34, 0x56, 0x78, 0x0A, 0x0B});
            return d;
        case 10:
            d.push_back(0x34);
            return d;
        case 11: {
            ByteString n = m_name.substr(0, 8);
            n.resize(8, ' ');
            return d + n;
        }
        case 12:
            d += bytes({0x00, 0x00});
            return d;
        default:
            return ByteString();
    }
}

std::optional<ByteString> SimKX3090Unit::errorMemory(const ByteString& r) {
    if (r.size() < 2) return refusal(0x56);
    const uint8_t sub = static_cast<uint8_t>(r[1]);
    ByteString a = bytes({0xD6, sub});
    if (sub == 1) {
        a.push_back(static_cast<char>(m_errors.size()));
        for (const auto& e : m_errors) a += bytes({e.code, e.count});
        return a;
    }
    if (sub == 2 && r.size() >= 3) {
        for (const auto& e : m_errors) {
            if (e.code != static_cast<uint8_t>(r[2])) continue;
            a += bytes({e.code, e.status, e.count});
            be16(a, e.stateWord);
            a.push_back(static_cast<char>(e.temperature));
            be16(a, e.millivolts);
            be16(a, e.hours);
            a.push_back(static_cast<char>(e.minutes));
            return a;
        }
        return refusal(0x56);
    }
    if (sub == 3) {
        m_errors.clear();
        return a;
    }
    return refusal(0x56);
}

std::optional<ByteString> SimKX3090Unit::answer(const ByteString& telegram) {
    // In the block mode the unit reads and answers raw frames only.
    if (m_eol.rawMode()) return silent() ? std::nullopt : m_eol.answerRaw(telegram);
    return SimWBusUnit::answer(telegram);
}

std::optional<ByteString> SimKX3090Unit::answerPayload(const ByteString& r) {
    if (r.empty()) return std::nullopt;
    const uint8_t cmd = static_cast<uint8_t>(r[0]);
    if (SimKX3090Eol::serves(cmd)) return m_eol.answer(r);
    const ByteString head(1, static_cast<char>(cmd | 0x80));
    switch (cmd) {
        case 0x10:  // off
            if (pumpRunning()) ++m_starts;
            m_pumpUntil = -1;
            return head;
        case 0x24:  // circulation pump for p1 seconds
            if (r.size() < 2) return refusal(cmd);
            m_pumpUntil = now() + 1000 * static_cast<uint8_t>(r[1]);
            return head + r.substr(1, 1);
        case 0x44: {  // refresh of the running command
            if (r.size() < 3) return refusal(cmd);
            const bool running = static_cast<uint8_t>(r[1]) == 0x24 && pumpRunning();
            if (running) m_pumpUntil = now() + 60000;
            return head + bytes({running ? 0 : 1});
        }
        case 0x38:
            return head + bytes({0x02, 0x00, 0x10, 0x00, 0x7F, 0x00, 0x80});
        case 0x50: {
            if (r.size() < 2) return refusal(cmd);
            const ByteString d = statusPage(static_cast<uint8_t>(r[1]));
            return d.empty() ? refusal(cmd) : head + d;
        }
        case 0x51: {
            if (r.size() < 2) return refusal(cmd);
            const ByteString d = identification(static_cast<uint8_t>(r[1]));
            return d.empty() ? refusal(cmd) : head + d;
        }
        case 0x53: {
            if (r.size() < 2 || r[1] != 2) return refusal(cmd);
            ByteString d = bytes({0x02});
            be16(d, 10500);
            d += bytes({0, 0, 0, 0, 20});
            be16(d, 16000);
            d += bytes({0, 0, 0, 0, 20});
            return head + d;
        }
        case 0x56: {
            auto a = errorMemory(r);
            return a;
        }
        case 0x60: {
            if (r.size() < 2 || static_cast<uint8_t>(r[1]) != 0xA0) return refusal(cmd);
            ByteString d = bytes({0xA0});
            be16(d, pumpRunning() ? 120 : 40);
            return head + d;
        }
        default:
            if (auto a = serviceAnswer(r)) return a;
            return refusal(cmd);
    }
}
