// What a bus layer reaches outside itself: the transport that carries its frames, the adapter
// frame protocol that wraps them, the telegram log, the data-point table its decoders fill and
// the temperature unit they convert to. Owned by the engine; a test assembles its own.
#pragma once

#include <cstdint>

#include "adapterframes.h"
#include "datapoints.h"
#include "ports.h"

struct BusEnvironment {
    ITransport* transport = nullptr;
    AdapterFrameProtocol* adapter = nullptr;
    ITelegramLog* log = nullptr;
    DataPointTable* dataPoints = nullptr;
    // 0 Celsius, 1 Fahrenheit (the main window's TemperatureUnit).
    const uint8_t* temperatureUnit = nullptr;
};
