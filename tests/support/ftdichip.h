// A model of the adapter's USB serial chip behind the very library calls the libftdi1 driver
// makes (the ftdi_* functions and the few libusb_* ones it uses). The test library is linked
// in place of libftdi1 and libusb, so FtdiDriver runs unchanged in the tests.
//
// The devices on the modelled USB host are the adapters of a SimFtDriver, the chip's far
// side: which adapters are plugged in, their serial and description, and what they answer
// come from there. The model adds what the chip and the library add: vendor and product ids,
// bus addresses (a re-plugged device is a new one), the string descriptors, access rights,
// the settings the driver makes (recorded), reads that end as the chip's do (at once with the
// event character, else when the latency timer runs out; with the library's own read time-out
// when the chip sends nothing at all), purges, and the library's failures once a device has
// been pulled. On a test clock reads never wait, as with SimFtDriver.
//
// One model at a time: constructing it makes it the chip the library calls reach. Without one
// the host has no devices.
#pragma once

#include <cstdint>
#include <memory>

#include "simftdriver.h"

// What the driver set on one adapter's chip, as the library calls carried it.
struct FtdiChipSettings {
    int opens = 0;
    int baud = 0;
    int bits = 0, stopBits = -1, parity = -1;  // the library's enum values
    int flow = -1;                             // SIO_* flow control value
    uint8_t xon = 0, xoff = 0;
    uint8_t eventChar = 0, errorChar = 0;
    bool eventEnabled = false, errorEnabled = false;
    int latencyMs = 0;
    int usbReadTimeoutMs = 0, usbWriteTimeoutMs = 0;  // the context's values at the last transfer
    int purgesRx = 0, purgesTx = 0;
    int writes = 0;
};

class FtdiChipModel {
public:
    static constexpr uint16_t FtdiVendor = 0x0403;
    static constexpr uint16_t AdapterProduct = 0x6001;

    explicit FtdiChipModel(SimFtDriver& farSide);
    // Checks that the driver gave back every device reference and handle.
    ~FtdiChipModel();
    FtdiChipModel(const FtdiChipModel&) = delete;
    FtdiChipModel& operator=(const FtdiChipModel&) = delete;

    // The USB ids a far-side adapter shows (default: the chip's standard 0403:6001).
    void setUsbId(size_t adapter, uint16_t vendor, uint16_t product);
    // The device may not be opened by this user (no udev rule).
    void denyAccess(size_t adapter);
    // The chip sends no packets at all.
    void setStalled(bool stalled);

    FtdiChipSettings settings(size_t adapter) const;
    // Device references and open handles the driver holds now.
    int references() const;
    int openHandles() const;

    // The library side (the C functions of ftdichip.cpp).
    struct State;
    static State* state();

private:
    std::unique_ptr<State> m_state;
};
