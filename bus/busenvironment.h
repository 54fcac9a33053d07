// What a bus layer reaches outside itself: the transport that carries its frames, the adapter
// frame protocol that wraps them, the telegram log, the data-point table its decoders fill, the
// temperature unit they convert to, and the session engine's operating-state hook. Owned by the
// engine; a test assembles its own.
#pragma once

#include <cstdint>
#include <functional>

#include "adapterframes.h"
#include "datapoints.h"
#include "ports.h"

struct BusEnvironment {
    // Required: the layers send through it (a missing transport takes no frame).
    ITransport* transport = nullptr;
    // Frames and parses adapter frames; a layer without one uses a private instance.
    AdapterFrameProtocol* adapter = nullptr;
    // Optional: nothing is logged without it.
    ITelegramLog* log = nullptr;
    // Optional: the decoders store nothing without it.
    DataPointTable* dataPoints = nullptr;
    // 0 Celsius, 1 Fahrenheit (the main window's TemperatureUnit); Celsius when missing.
    const uint8_t* temperatureUnit = nullptr;
    // DIAG_SetOperatingState of the session engine: the decoders hand it every operating state
    // they decode, before the state's text is stored. Optional.
    std::function<void(int32_t state)> setOperatingState;
};
