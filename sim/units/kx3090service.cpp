// The service commands of the simulated class-1 unit: the component test (0x45) switches one
// component on for its runtime (0: until switched off), and the supply-voltage calibration
// (0x42 sub 1) stores the voltage the tester measured.
#include <cstdint>

#include "kx3090unit.h"
#include "simbytes.h"

using SimBytes::bytes;

namespace {
// Component codes of the test and the page-3 bit each switches.
uint8_t bitOf(uint8_t component) {
    switch (component) {
        case 1:
            return 0x01;  // burner motor
        case 4:
            return 0x08;  // circulation pump
        case 8:
            return 0x02;  // spark generator
        case 9:
            return 0x04;  // solenoid valve
        case 14:
            return 0x40;  // flame indicator
        default:
            return 0;  // the operating indicator has no bit of its own
    }
}
}  // namespace

uint8_t SimKX3090Unit::componentBits() const {
    return bitOf(componentUnderTest());
}

std::optional<ByteString> SimKX3090Unit::serviceAnswer(const ByteString& r) {
    const uint8_t cmd = static_cast<uint8_t>(r[0]);
    if (cmd == 0x45) {
        // code, runtime in s, setpoint (16 bit, or one byte)
        if (r.size() != 4 && r.size() != 5) return refusal(cmd);
        const uint8_t code = static_cast<uint8_t>(r[1]), runtime = static_cast<uint8_t>(r[2]);
        if (code != 0 && code != 1 && code != 4 && code != 8 && code != 9 && code != 10 &&
            code != 14)
            return bytes({0x7F, 0x45, 0x31});
        if (code != 0 && stateWord() != StateOff) return bytes({0x7F, 0x45, 0x22});
        m_componentSetpoint = r.size() == 5
                                  ? static_cast<uint16_t>(static_cast<uint8_t>(r[3]) << 8 |
                                                          static_cast<uint8_t>(r[4]))
                                  : static_cast<uint8_t>(r[3]);
        switchComponent(code, runtime);
        return bytes({0xC5, code, runtime});
    }
    if (cmd == 0x42) {
        if (r.size() != 5 || r[1] != 1) return refusal(cmd);
        const unsigned mv = static_cast<uint8_t>(r[3]) << 8 | static_cast<uint8_t>(r[4]);
        if (mv < 9000 || mv > 32000) return refusal(cmd);
        m_calibratedMillivolts = static_cast<uint16_t>(mv);
        return bytes({0xC2, 0x01, static_cast<int>(mv >> 8), static_cast<int>(mv & 0xFF)});
    }
    return std::nullopt;
}
