// The service functions of the simulated class-3 unit: the component test (0x45), which needs
// the test plug, and the blower speed of the CO2 adjustment (0x57): sub 1 reads the stored
// speed and its limits, 3 sets the speed of the running heater, 4 starts the stabilisation
// check, 5 reports it (0 stable, 1 not yet, 255 failed), 6 stores the speed set.

#include "kx3117unit.h"
#include "simbytes.h"

using SimBytes::bytes;

namespace {
// How long the flame must have burned before the stabilisation check answers.
constexpr int64_t StableAfterMs = 60000;

uint8_t bitOf(uint8_t component) {
    switch (component) {
        case 1:
            return 0x01;  // burner motor
        case 2:
            return 0x05;  // pump pressure test: motor and solenoid valve
        case 4:
            return 0x08;  // circulation pump
        case 8:
            return 0x02;  // spark generator
        case 9:
            return 0x04;  // solenoid valve
        case 10:
            return 0x80;  // operating indicator
        case 14:
            return 0x40;  // flame indicator
        case 15:
            return 0x20;  // nozzle pre-heating
        default:
            return 0;
    }
}
}  // namespace

uint8_t SimKX3117Unit::componentBits() const {
    return bitOf(componentUnderTest());
}

std::optional<ByteString> SimKX3117Unit::serviceAnswer(const ByteString& r) {
    const uint8_t cmd = static_cast<uint8_t>(r[0]);
    if (cmd == 0x45) {
        if (r.size() != 4 && r.size() != 5) return refusal(cmd);
        const uint8_t code = static_cast<uint8_t>(r[1]), runtime = static_cast<uint8_t>(r[2]);
        if (code != 0 && !m_testPlug) return bytes({0x7F, 0x45, 0x22});
        if (code != 0 && (bitOf(code) == 0 || heating())) return bytes({0x7F, 0x45, 0x31});
        switchComponent(code, runtime);
        return bytes({0xC5, code, runtime});
    }
    if (cmd == 0x57) {
        if (r.size() < 2) return refusal(cmd);
        const uint8_t sub = static_cast<uint8_t>(r[1]);
        switch (sub) {
            case 1:
                return bytes({0xD7, 1, m_storedSpeed / 100, SpeedMin / 100, SpeedMax / 100});
            case 3: {
                if (r.size() != 3) return refusal(cmd);
                const unsigned rpm = static_cast<uint8_t>(r[2]) * 100u;
                if (rpm < SpeedMin || rpm > SpeedMax) return refusal(cmd);
                m_setSpeed = static_cast<uint16_t>(rpm);
                return bytes({0xD7, 3, static_cast<int>(rpm / 100)});
            }
            case 4:
                if (!burning()) return refusal(cmd);
                m_stabilisationAsked = now();
                return bytes({0xD7, 4});
            case 5: {
                const int64_t burned = heatingFor();
                const bool ready = m_stabilisationAsked >= 0 && burned >= StableAfterMs;
                return bytes({0xD7, 5, ready ? m_stabilisationResult : 1});
            }
            case 6:
                m_storedSpeed = m_setSpeed;
                return bytes({0xD7, 6});
            default:
                return refusal(cmd);
        }
    }
    return std::nullopt;
}
