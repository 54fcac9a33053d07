#include "kx3117unit.h"

#include <algorithm>
#include <cmath>

#include "simbytes.h"

using SimBytes::be16;
using SimBytes::bytes;
using SimBytes::le16;

namespace {

// A temperature word: tenths of °C + 500.
unsigned tempWord(double celsius) {
    return static_cast<unsigned>(std::lround((celsius + 50.0) * 10.0));
}

constexpr int64_t PreRunMs = 10000, IgnitionMs = 15000, StabilisingMs = 25000;
constexpr int64_t AfterRunMs = 30000;
constexpr int64_t MinuteMs = 60000;

}  // namespace

SimKX3117Unit::SimKX3117Unit() {
    m_errors = {
        {9, 1, 2, StateParking, 68, 12100, 1201, 17, 0, 5},         // Flammabbruch
        {10, 3, 1, StateOff, 45, 10200, 1230, 5, 0, 0},             // Unterspannung
        {16, 0, 4, StateSupplementary, 190, 12800, 998, 44, 1, 2},  // Überhitzung
    };
}

int64_t SimKX3117Unit::heatingFor() const {
    if (m_heatSince < 0 || now() >= m_heatUntil) return -1;
    return now() - m_heatSince;
}

bool SimKX3117Unit::heating() const {
    return heatingFor() >= 0;
}

bool SimKX3117Unit::burning() const {
    return heatingFor() >= PreRunMs;
}

bool SimKX3117Unit::pumpRunning() const {
    return m_pumpUntil >= 0 && now() < m_pumpUntil;
}

uint16_t SimKX3117Unit::stateWord() const {
    const int64_t h = heatingFor();
    if (h >= 0) {
        if (h < PreRunMs) return StatePreRun;
        if (h < IgnitionMs) return StateIgnition;
        if (h < StabilisingMs) return StateStabilising;
        return m_mode == Heating::Supplementary ? StateSupplementary : StateParking;
    }
    if (m_heatUntil >= 0 && now() < m_heatUntil + AfterRunMs) return StateAfterRun;
    return pumpRunning() ? StatePump : m_idleState;
}

double SimKX3117Unit::coolantC() const {
    const double t = static_cast<double>(now()) / 1000.0;
    const int64_t h = heatingFor();
    const double warming = h > 0 ? std::min(50.0, static_cast<double>(h) / 2000.0) : 0.0;
    return 20.0 + 3.0 * std::sin(t / 60.0) + warming;
}

uint16_t SimKX3117Unit::supplyMillivolts() const {
    const double t = static_cast<double>(now()) / 1000.0;
    const double load = (heating() ? 400 : 0) + (pumpRunning() ? 150 : 0);
    return static_cast<uint16_t>(12500 + 120 * std::sin(t / 7.0) - load);
}

ByteString SimKX3117Unit::statusPage(uint8_t page) const {
    const bool burn = burning(), heat = heating(), pump = pumpRunning() || heat;
    const uint16_t state = stateWord();
    ByteString d(1, static_cast<char>(page));
    switch (page) {
        case 2:  // HS, UPFA, Kl. 61, economy 1 and 2, Kl. 15
            d += bytes(
                {0x01, 0x00, m_economy == 2 ? 0x01 : 0x00, m_economy == 3 ? 0x10 : 0x00, 0x01});
            return d;
        case 3: {  // burner motor, ignition, valve, pump, -, nozzle heating, flame, indicator
            int bits = 0;
            if (burn || state == StateAfterRun) bits |= 0x01;
            if (state == StateIgnition) bits |= 0x02;
            if (burn) bits |= 0x04 | 0x40;
            if (pump) bits |= 0x08;
            if (heat && !burn) bits |= 0x20;
            if (heat) bits |= 0x80;
            d.push_back(static_cast<char>(bits | componentBits()));
            return d;
        }
        case 4:  // fuel: diesel
            d.push_back(13);
            return d;
        case 5:
            d.push_back(0);
            be16(d, supplyMillivolts());
            d.push_back(static_cast<char>(burn ? 1 : 0));
            be16(d, burn ? (m_economy == 1 ? 5000 : 3500) : 0);
            be16(d, burn ? 3800 : 1200);
            return d;
        case 6: {
            const uint32_t burned =
                m_burnMinutes + static_cast<uint32_t>(burn ? heatingFor() / MinuteMs : 0);
            const uint32_t on = burned + 3100 * 60 + 12;
            be16(d, burned / 60);
            d.push_back(static_cast<char>(burned % 60));
            be16(d, on / 60);
            d.push_back(static_cast<char>(on % 60));
            be16(d, m_starts);
            return d;
        }
        case 7:
            be16(d, state);
            d += bytes({0x00, 2, burn ? 1 : 4, 1});
            return d;
        case 11:
            be16(d, 4410);
            d.push_back(23);
            be16(d, 640);
            d.push_back(51);
            return d;
        case 15:
            d += bytes({burn ? 160 : 0, 0});
            be16(d, burn ? m_setSpeed : componentUnderTest() == 1 ? 3000 : 0);
            d.push_back(static_cast<char>(pump ? 255 : 0));
            return d;
        case 17:  // switching thresholds 80 and 70 °C
            d += bytes({130, 120});
            return d;
        case 20:  // set speed, nozzle heating switch-on temperature, overheating threshold
            d += bytes({0, 0});
            be16(d, 3800);
            d += bytes({50, 0, 160});
            return d;
        case 22:
            be16(d, tempWord(m_testPlug ? 105.0 : coolantC()));
            be16(d, tempWord(m_testPlug ? 105.0 : coolantC() + 3.0));
            be16(d, tempWord(heat ? 35.0 : 21.0));
            be16(d, tempWord(25.0));
            return d;
        default:
            return ByteString();
    }
}

ByteString SimKX3117Unit::identification(uint8_t sub) const {
    ByteString d(1, static_cast<char>(sub));
    switch (sub) {
        case 1:
            return d + bytes({0x09, 0x12, 0x34, 0x56, 'A'});
        case 2:
            return d +
                   bytes({0x03, 0x01, 0x03, 0x12, 0x05, 0x02, 0x07, 0x05, 0x12, 0x05, 0x03, 0x01});
        case 3:
            return d + bytes({0x01, 0x23, 0x45, 0x67, 'B', 0x00});
        case 4:
            return d + bytes({0x15, 0x03, 0x21});
        case 5:
            return d + bytes({0x28, 0x04, 0x21});
        case 7:
            return d + bytes({0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88});
        case 8:
            return d + bytes({0x5A});
        case 9:
            return d + bytes({0x00, 0x12, 0x34, 0x56, 0x0A, 0x0B});
        case 10:
            return d + bytes({0x21});
        case 11: {
            ByteString n = m_name.substr(0, 8);
            n.resize(8, ' ');
            return d + n;
        }
        case 13:
            return d + bytes({0x00, 0x11, 0x22, 0x33, 'C'});
        default:
            return ByteString();
    }
}

ByteString SimKX3117Unit::areaDescription(uint8_t area) const {
    const SimKX3117Memory::Area& a = area == 1 ? SimKX3117Memory::Area1 : SimKX3117Memory::Area2;
    ByteString d(1, static_cast<char>(area));
    be16(d, a.first);
    be16(d, a.last);
    be16(d, a.checksumCell());
    be16(d, a.last - a.first + 1u);
    return d;
}

ByteString SimKX3117Unit::errorMemory(const ByteString& r) {
    if (r.size() < 2) return refusal(0x56);
    const uint8_t sub = static_cast<uint8_t>(r[1]);
    ByteString a = bytes({0xD6, sub});
    switch (sub) {
        case 1:
            a.push_back(static_cast<char>(m_errors.size()));
            for (const auto& e : m_errors) a += bytes({e.code, e.count});
            return a;
        case 2: {
            // The entry by its number in the list, from 1.
            const size_t index = r.size() >= 3 ? static_cast<uint8_t>(r[2]) : 0;
            if (index < 1 || index > m_errors.size()) return refusal(0x56);
            const ErrorEntry& e = m_errors[index - 1];
            a += bytes({e.code, e.status, e.count});
            be16(a, e.stateWord);
            a.push_back(static_cast<char>(e.temperature));
            be16(a, e.millivolts);
            le16(a, e.hours);
            a.push_back(static_cast<char>(e.minutes));
            le16(a, e.hoursAfterStart);
            a.push_back(static_cast<char>(e.minutesAfterStart));
            return a;
        }
        case 3:
            m_errors.clear();
            return a;
        default:
            return refusal(0x56);
    }
}

ByteString SimKX3117Unit::switchCommand(const ByteString& r) {
    const uint8_t cmd = static_cast<uint8_t>(r[0]);
    if (r.size() < 2) return refusal(cmd);
    const uint8_t p = static_cast<uint8_t>(r[1]);
    const ByteString echo = bytes({cmd | 0x80, p});
    switch (cmd) {
        case 0x20:  // heating in the chosen mode for p minutes
            if (p == 0) return refusal(cmd);
            if (!heating()) {
                m_heatSince = now();
                ++m_starts;
            }
            m_heatUntil = now() + p * MinuteMs;
            m_runMinutes = p;
            return echo;
        case 0x21:  // the heating mode: 1 parking, 2 supplementary
            if (p != 1 && p != 2) return refusal(cmd);
            m_mode = p == 1 ? Heating::Parking : Heating::Supplementary;
            return echo;
        case 0x22:  // circulation pump for p minutes
            if (p == 0) return refusal(cmd);
            m_pumpUntil = now() + p * MinuteMs;
            return echo;
        case 0x23:  // economy mode: 1 normal, 2 and 3
            if (p < 1 || p > 3) return refusal(cmd);
            m_economy = p;
            return echo;
        default:
            return refusal(cmd);
    }
}

ByteString SimKX3117Unit::refresh(const ByteString& r) {
    if (r.size() < 3) return refusal(0x44);
    const uint8_t command = static_cast<uint8_t>(r[1]);
    bool running = false;
    if (command == 0x20 && heating()) {
        m_heatUntil = now() + std::max<int64_t>(1, m_runMinutes) * MinuteMs;
        running = true;
    } else if (command == 0x22 && pumpRunning()) {
        m_pumpUntil = now() + 2 * MinuteMs;
        running = true;
    }
    // 0 while the command runs on; anything else ends the tester's refresh.
    return bytes({0xC4, running ? 0 : 1});
}

std::optional<ByteString> SimKX3117Unit::answerPayload(const ByteString& r) {
    if (r.empty()) return std::nullopt;
    const uint8_t cmd = static_cast<uint8_t>(r[0]);
    if (SimKX3117Memory::serves(cmd)) {
        ByteString a = m_memory.answer(r);
        if (a.empty()) return std::nullopt;
        return a;
    }
    const ByteString head(1, static_cast<char>(cmd | 0x80));
    switch (cmd) {
        case 0x10:  // off: a heating run goes into its after-run
            if (heating()) m_heatUntil = now();
            m_pumpUntil = -1;
            return head;
        case 0x20:
        case 0x21:
        case 0x22:
        case 0x23:
            return switchCommand(r);
        case 0x44:
            return refresh(r);
        case 0x38:
            if (r.size() < 2 || (r[1] != 1 && r[1] != 2)) return refusal(cmd);
            return head + areaDescription(static_cast<uint8_t>(r[1]));
        case 0x50:
        case 0x51: {
            if (r.size() < 2) return refusal(cmd);
            const uint8_t sub = static_cast<uint8_t>(r[1]);
            const ByteString d = cmd == 0x50 ? statusPage(sub) : identification(sub);
            return d.empty() ? refusal(cmd) : head + d;
        }
        case 0x56:
            return errorMemory(r);
        default:
            if (auto a = serviceAnswer(r)) return a;
            return refusal(cmd);
    }
}
