// What the error view lists for each heater class (the rows of one error entry, how many
// entries) and which help topic explains an error code.
#pragma once

#include <cstdint>
#include <vector>

struct ErrorClassRows {
    std::vector<const char*> keys;  // row keys of one entry, without the entry number
    int entries;                    // entry slots shown at most
    bool counted;                   // true: "OVRERRCNT" entries; false: up to the first gap
};

// Classes 1..5; nullptr for every other class.
const ErrorClassRows* ERROR_ClassRows(uint8_t deviceClass);

// Help context of an error code of a class; 0 when there is none.
int ERROR_HelpContext(uint8_t deviceClass, int32_t code);
