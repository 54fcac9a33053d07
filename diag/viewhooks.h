// Where the diagnosis session and the device modules tell the windows that new values are in
// the data-point table, or that the heater's state changed. Every hook may be empty.
#pragma once

#include <cstdint>
#include <functional>

struct ViewHooks {
    std::function<void()> OverviewShowValues;
    std::function<void()> TrendShowValues;
    std::function<void()> CalibrationShowValues;
    std::function<void()> OperatingDataShowValues;
    std::function<void()> ErrorShowValues;
    // The unit confirmed the deletion of its error memory: the error list empties at once.
    std::function<void()> ErrorClearErrorList;
    std::function<void()> DeviceInfoShowValues;
    // The component test window follows the heater's operating state.
    std::function<void(uint8_t deviceClass, int32_t state)> ComponentTestSetOperatingState;
    // 100 ms ticks of the component test and the programming window.
    std::function<void()> ComponentTestDiagTick;
    std::function<void()> FlashDiagTick;
};
