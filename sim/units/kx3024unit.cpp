#include "kx3024unit.h"

#include <cmath>

namespace {

ByteString bytes(std::initializer_list<int> v) {
    ByteString s;
    for (int b : v) s.push_back(static_cast<char>(b & 0xFF));
    return s;
}

uint8_t at(const ByteString& s, size_t i) {
    return i < s.size() ? static_cast<uint8_t>(s[i]) : 0xFF;
}

// Hours (two bytes, high first) and minutes.
ByteString hoursMinutes(uint32_t minutes) {
    const uint32_t h = minutes / 60;
    return bytes({static_cast<int>(h >> 8), static_cast<int>(h), static_cast<int>(minutes % 60)});
}

}  // namespace

SimKX3024Unit::SimKX3024Unit() {
    m_errors = {
        {0x0400, 0x01, 3},  // Flammabbruch
        {0x0500, 0x00, 1},  // Unterspannung
        {0x0801, 0x01, 2},  // Temperatursensor Unterbrechung o. Kurzschluss Kl. 30
    };
    // Ident number 123456 in cells 0..2 (low byte first), parameters, the checksum; the cells
    // after it are unused.
    m_eol.fill(0xFF);
    const uint8_t params[] = {0x56, 0x34, 0x12, 0x02, 0x48, 0x52, 0x3C, 0x1E, 0x0A, 0x64};
    for (uint8_t a = 0; a < ChecksumCell; ++a)
        m_eol[a] = a < sizeof params ? params[a] : static_cast<uint8_t>(0x10 + 3 * a);
    const uint16_t sum = eolChecksum();
    m_eol[ChecksumCell] = static_cast<uint8_t>(sum & 0xFF);
    m_eol[ChecksumCell + 1] = static_cast<uint8_t>(sum >> 8);
}

void SimKX3024Unit::setErrors(std::vector<ErrorEntry> e) {
    if (e.size() > MaxErrors) e.resize(MaxErrors);
    m_errors = std::move(e);
}

uint16_t SimKX3024Unit::eolChecksum() const {
    unsigned sum = 0;
    for (uint8_t a = 0; a < ChecksumCell; ++a) sum += m_eol[a];
    return static_cast<uint16_t>(sum & 0xFFFF);
}

bool SimKX3024Unit::eolChecksumValid() const {
    return (m_eol[ChecksumCell] | (m_eol[ChecksumCell + 1] << 8)) == eolChecksum();
}

uint8_t SimKX3024Unit::state() const {
    if (!m_diagnosticSession) return StateOff;
    for (uint8_t o : m_outputs)
        if (o) return StateTestRunning;
    return StateTestSession;
}

uint32_t SimKX3024Unit::pumpMinutes() const {
    const int64_t ms = m_pumpMs + (m_pumpSince >= 0 ? now() - m_pumpSince : 0);
    return m_pumpBaseMinutes + static_cast<uint32_t>(ms / 60000);
}

double SimKX3024Unit::temperatureC() const {
    if (!m_sensorPlugged) return 0.0;
    // Coolant between about 17 and 23 °C, slowly swinging; the heater never burns here.
    return 20.0 + 3.0 * std::sin(static_cast<double>(now()) / 90000.0);
}

void SimKX3024Unit::setOutputs(const std::array<uint8_t, 5>& outputs) {
    const bool wasRunning = pumpRunning();
    m_outputs = outputs;
    if (wasRunning && !pumpRunning()) {
        m_pumpMs += now() - m_pumpSince;
        m_pumpSince = -1;
    } else if (!wasRunning && pumpRunning()) {
        m_pumpSince = now();
    }
}

void SimKX3024Unit::communicationEnded() {
    // Without the tester the diagnostic session ends and every output goes off.
    setOutputs({});
    m_diagnosticSession = false;
}

ByteString SimKX3024Unit::overview(uint8_t sub) const {
    const bool motor = m_outputs[1] != 0;
    const double t = static_cast<double>(now()) / 1000.0;
    switch (sub) {
        case 2: {  // sensor voltage (x 5/256 V), supply voltage in 0.1 V, low byte first
            const int supply = static_cast<int>(std::lround(124 + 2 * std::sin(t / 7.0))) -
                               (motor ? 4 : 0) - (pumpRunning() ? 2 : 0);
            return bytes({0x62, 0x1D, 2, 113, 0, supply & 0xFF, supply >> 8});
        }
        case 4:  // motor voltage (x 1885/12032 V), flame monitor in 0.1 V
            return bytes({0x62, 0x1D, 4, motor ? 77 : 0, 0, 3, 0});
        case 6:  // operating state, coolant temperature in °C
            return bytes(
                {0x62, 0x1D, 6, state(), 0, static_cast<int>(std::lround(temperatureC())), 0});
        case 8:  // lower and upper switching temperature
            return bytes({0x62, 0x1D, 8, 72, 0, 82, 0});
        case 9:  // flame monitor: dark
            return bytes({0x62, 0x1D, 9, 4, 0, 0, 0});
        default:
            return refusal(0x22, RequestOutOfRange);
    }
}

ByteString SimKX3024Unit::lamps(uint8_t sub) const {
    auto bit = [](bool on, int n) { return on ? 1 << n : 0; };
    const uint8_t lamp = m_outputs[4];
    switch (sub) {
        case 1:  // main switch on; pump control, terminal 61, economy off
            return bytes({0x62, 0x1E, 1, bit(true, 0)});
        case 2:  // motor, pump, ignition, valve
            return bytes({0x62, 0x1E, 2,
                          bit(m_outputs[1], 0) | bit(m_outputs[2], 2) | bit(m_outputs[0], 4) |
                              bit(m_outputs[3], 6)});
        case 3:  // operating display, flame display
            return bytes({0x62, 0x1E, 3, bit(lamp == 2, 0) | bit(lamp == 1, 2)});
        case 5:
            return bytes({0x62, 0x1E, 5, 0});
        default:
            return refusal(0x22, RequestOutOfRange);
    }
}

ByteString SimKX3024Unit::operatingData(uint8_t sub) const {
    const ByteString head = bytes({0x62, 0x22, sub});
    switch (sub) {
        case 0:
            return head + hoursMinutes(m_onMinutes + static_cast<uint32_t>(now() / 60000));
        case 1:
            return head + hoursMinutes(pumpMinutes());
        case 2:
            return head + hoursMinutes(m_burnMinutes);
        case 3:
            return head + bytes({static_cast<int>(m_starts >> 16), static_cast<int>(m_starts >> 8),
                                 static_cast<int>(m_starts)});
        default:
            return refusal(0x22, RequestOutOfRange);
    }
}

ByteString SimKX3024Unit::group(uint8_t g, uint8_t sub) const {
    switch (g) {
        case 0x1D:
            return overview(sub);
        case 0x1E:
            return lamps(sub);
        case 0x22:
            return operatingData(sub);
        case 0x21: {  // four EOL cells from the address on
            ByteString a = bytes({0x62, 0x21, sub});
            for (unsigned i = sub; i < sub + 4u; ++i)
                a.push_back(static_cast<char>(i < EolSize ? m_eol[i] : 0xFF));
            return a;
        }
        default:
            return refusal(0x22, RequestOutOfRange);
    }
}

ByteString SimKX3024Unit::identification(uint8_t id) const {
    switch (id) {
        case 2:  // customer ident number
            return bytes({0x61, 2, 0x00, 0x12, 0x34, 0x56, 0x78});
        case 3:  // test program, week/year of manufacture, hardware and software versions
            return bytes({0x61, 3, 17, 23, 19, 12, 34});
        case 4: {
            ByteString n = m_name.substr(0, 3);
            n.resize(3, ' ');
            return bytes({0x61, 4}) + n;
        }
        default:
            // 0x11 among them: units of this class do not know it.
            return refusal(0x21, SubFunctionNotSupported);
    }
}

ByteString SimKX3024Unit::errorEntry(uint8_t entry) const {
    if (entry < 1 || entry > m_errors.size()) return bytes({0xE1, 0xFF});
    const ErrorEntry& e = m_errors[entry - 1u];
    return bytes({0xE1, entry, e.code >> 8, e.code & 0xFF, e.status, e.count});
}

ByteString SimKX3024Unit::startRoutine(const ByteString& r) {
    // 31 02 output1..output5: only inside a diagnostic session.
    if (at(r, 1) != 2) return refusal(0x31, SubFunctionNotSupported);
    if (!m_diagnosticSession) return refusal(0x31, ConditionsNotCorrect);
    std::array<uint8_t, 5> o{};
    for (size_t i = 0; i < o.size(); ++i) {
        o[i] = at(r, 2 + i);
        const uint8_t highest = i == 3 ? 3 : i == 4 ? 2 : 1;  // valve 1 or 3, lamps 1 or 2
        if (o[i] > highest) return refusal(0x31, RequestOutOfRange);
    }
    setOutputs(o);
    return bytes({0x71, 2});
}

std::optional<ByteString> SimKX3024Unit::answerData(const ByteString& r) {
    if (m_received.size() >= ReceivedKept) m_received.pop_front();
    m_received.push_back(r);
    const uint8_t service = at(r, 0);
    switch (service) {
        case 0x10:  // start diagnostic session 1
            if (at(r, 1) != 1) return refusal(service, SubFunctionNotSupported);
            m_diagnosticSession = true;
            return bytes({0x50, 1});
        case 0x14:  // clear the error memory
            m_errors.clear();
            return bytes({0x54});
        case 0x20:  // stop the diagnostic session: the outputs go off
            setOutputs({});
            m_diagnosticSession = false;
            return bytes({0x60});
        case 0x21:
            return identification(at(r, 1));
        case 0x22:
            return group(at(r, 1), at(r, 2));
        case 0x2E:  // write one EOL cell: 2E 21 address value
            if (at(r, 1) != 0x21) return refusal(service, SubFunctionNotSupported);
            m_eol[at(r, 2)] = at(r, 3);
            return bytes({0x6E, 0x21, at(r, 2), at(r, 3)});
        case 0x31:
            return startRoutine(r);
        case 0x34:  // access to the EOL memory
            if (at(r, 1) != 1) return refusal(service, SubFunctionNotSupported);
            return bytes({0x74, 1});
        case 0x3E:
            return bytes({0x7E});
        case 0xA1:
            return errorEntry(at(r, 1));
        default:
            return refusal(service, ServiceNotSupported);
    }
}
