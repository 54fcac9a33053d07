// The rows of the device information and operating data lists by device class: data-point
// keys in row order. Captions, values and units come from the data-point table.
#pragma once

#include <cstdint>
#include <vector>

using DataListKeys = std::vector<const char*>;

// Classes 0, 6 and any other have no rows.
const DataListKeys& KONFIG_RowKeys(uint8_t deviceClass);
const DataListKeys& BETRIEB_RowKeys(uint8_t deviceClass);
