// Texts of the class-4 control unit (KX3141, gas heater): operating state, flame detector and
// error code as words, and its second counters as hours, minutes and seconds. Free functions,
// so the telegram log window names a state change with the same words as the overview.
#pragma once

#include <cstdint>

#include "records.h"

// The high byte of the state word names the state; a step within states 1..20 follows as a
// number (0x1003: "Heizen 3"). An unknown state shows the word in hex ("1500h").
ByteString KX3141_StateText(uint16_t state);
ByteString KX3141_FlameStateText(uint8_t code);
ByteString KX3141_ErrorText(uint8_t code);
// 3725 -> "1:02:05".
ByteString KX3141_FormatSeconds(uint32_t seconds);
