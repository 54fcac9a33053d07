// What the main window's state broadcast hands a window: whether the adapter is ready, and
// while it is, the device class of the session. A window that takes part keeps the last value
// it was given and rebuilds itself only when a value changes.
#pragma once

#include <cstdint>

class StateListener {
public:
    virtual ~StateListener() = default;
    virtual void SetLinkState(bool adapterReady) = 0;
    // A window that shows nothing by device class leaves this as it is.
    virtual void SetDeviceClass(uint8_t /*deviceClass*/) {}
};
