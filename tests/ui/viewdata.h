// Data-point tables as the device modules of classes 1 to 5 fill them: the overview and
// error keys with the modules' captions and units, and plausible values as their decoders
// store them.
#pragma once

#include <cstdint>
#include <string>

#include "datapoints.h"

namespace viewdata {

// Registers the overview and error points of a class (1..5) with their captions and units.
void registerClass(DataPointTable& dp, int deviceClass, const ByteString& tempUnit = "°C");
// Registers the class and stores a running heater with two stored errors.
void fillClass(DataPointTable& dp, int deviceClass);

// DP_SetValue under another name, and a lamp or flag as the bit-field decoders store it.
void set(DataPointTable& dp, const ByteString& key, const ByteString& text, long double value,
         uint8_t bit = 0);
void setBit(DataPointTable& dp, const ByteString& key, bool on);
// One error entry's code (value and the text the decoder gives it).
void setCode(DataPointTable& dp, int n, long double code, const ByteString& text);

inline ByteString key(const char* field, int n) {
    return ByteString(field) + std::to_string(n);
}

}  // namespace viewdata
