// Checksums used on the wire (adapter frames, S-Bus) and in software programming.
#pragma once

#include <cstdint>

#include "records.h"

// Reflected CRC-16, polynomial 0x8408, initial 0, no final XOR.
uint16_t TOOL_Crc16(const ByteString& data);
// 8-bit sum with end-around carry, inverted.
uint8_t TOOL_Checksum8(const ByteString& data);
// Standard reflected CRC-32; chainable: pass the previous result as crc.
uint32_t TOOL_Crc32(uint32_t crc, const ByteString& data);
