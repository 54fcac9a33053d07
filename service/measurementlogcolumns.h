// The column sets of the measurement log, one per heater class: for each column its width and
// alignment, what its title is and what its cells hold.
#pragma once

#include <cstddef>
#include <cstdint>

#include "unittexts.h"

enum class LogHead : uint8_t {
    Fixed,        // a text of its own
    Temperature,  // a temperature title of the chosen unit ("T_WTS [°C]")
    Caption,      // the data point's caption with its unit
};

enum class LogCell : uint8_t {
    Date,
    Time,
    Value,         // the data point's text, "." turned into ","
    DeviceStatus,  // the overview's device-status line
    Errors,        // one cell per error entry: the code's text
    ErrorsHexDec,  // one cell per error entry: "1Ah / 26d"
};

struct LogColumn {
    int width;
    int align;  // 0 left, 1 right, 2 centred
    LogHead head;
    const char* text;  // Fixed: the title (translatable)
    UnitTextIndex temperature;
    LogCell cell;
    const char* key;
    int count;  // Errors, ErrorsHexDec: the number of entries
};

struct LogColumnSet {
    const LogColumn* columns;
    size_t count;
};

// The columns of a class 1..5; no columns for any other class.
LogColumnSet PROT_Columns(uint8_t deviceClass);
