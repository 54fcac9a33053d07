// Texts and scales of the class-5 control unit (KX3166): operating state, flame detector and
// error code as words, and the conversions of its 16-bit readings. Free functions, so the
// telegram log window names a state change with the same words as the overview.
#pragma once

#include <cstdint>

#include "records.h"

ByteString KX3166_StateText(uint16_t code);
ByteString KX3166_FlameStateText(uint8_t code);
ByteString KX3166_ErrorText(uint8_t code);

// raw: the unsigned 16-bit reading. The temperatures come in the display unit
// (temperatureUnit 0 Celsius, 1 Fahrenheit), the voltages in V.
long double KX3166_ScaleTemp300(long double raw, uint8_t temperatureUnit = 0);
long double KX3166_ScaleTemp200(long double raw, uint8_t temperatureUnit = 0);
long double KX3166_ScaleSupplyVoltage(long double raw);
long double KX3166_ScaleErrorVoltage(long double raw);
long double KX3166_ScaleFlameVoltage(long double raw);
// The Celsius value of a 300-degree reading (the overheat lamp compares it in either unit).
long double KX3166_Temp300Celsius(long double raw);
