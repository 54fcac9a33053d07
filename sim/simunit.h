// A simulated control unit on one of the simulated adapter's buses. The adapter hands it the
// bus telegram of each transfer and sends back what it answers.
#pragma once

#include <cstdint>
#include <optional>

#include "records.h"
#include "simclock.h"

struct SimBusConfig {
    uint8_t bus = 0;  // 0 W-Bus, 1 K-Line, 2 S-Bus
    uint8_t mode = 0;
    uint8_t a = 0, b = 0, c = 0;
};

class ISimControlUnit {
public:
    virtual ~ISimControlUnit() = default;
    // The bus the unit listens on (0 W-Bus, 1 K-Line, 2 S-Bus).
    virtual uint8_t bus() const = 0;
    // The adapter was given a bus configuration or sent a wake-up pattern on this bus.
    virtual void configure(const SimBusConfig&) {}
    virtual void wakeup() {}
    // The adapter's clock, handed over when the unit is attached, for units whose answers
    // change with time.
    virtual void attachClock(const ISimClock&) {}
    // The unit's answer to one telegram, or nothing when it stays silent.
    virtual std::optional<ByteString> answer(const ByteString& telegram) = 0;
};
