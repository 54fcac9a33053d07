// The rows of the device selection list and the device class each row stands for.
#pragma once

#include <cstdint>

#include "records.h"

// TDeviceClass values.
enum TDeviceClass : uint8_t {
    dcNone = 0,
    dcKX3090 = 1,
    dcKX3024 = 2,
    dcKX3117 = 3,
    dcKX3141 = 4,
    dcKX3166 = 5,
    dcLoader = 6,
};

constexpr int DeviceListRows = 6;
// Caption of a row 0..5 ("HVD 420", ...); empty for any other row.
ByteString DEV_RowCaption(int row);
// The class of a row (row + 1); row -1 is automatic detection (class 0).
inline uint8_t DEV_ClassOfRow(int row) {
    return row >= 0 && row < DeviceListRows ? row + 1 : 0;
}
// The S-Bus class whose identification text this is (classes 4, 5 and 6); dcNone for a text
// of no unit the program knows.
uint8_t DEV_ClassOfSBusIdent(const ByteString& text);
