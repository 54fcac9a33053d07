// The answer rows both W-Bus dialects decode alike, and the small text formatters they share.
// Each group writes its keys through BusRows, so a row whose bytes are missing is cleared.
#pragma once

#include <cstdint>

#include "busrows.h"
#include "wbuslayer.h"

namespace WBusRowGroups {

// "%d:%.2d" of hours and minutes.
ByteString hoursMinutes(uint32_t hours, uint8_t minutes);
// The number rounded, as a decimal text.
ByteString rounded(long double x);
// A character sent after an identification number: shown when it is printable.
ByteString suffixCharacter(const BusRows& r, size_t at);
// An error code as two upper-case hex digits; empty for 0.
ByteString errorCode(uint8_t code);
// The status byte of an error entry; a value without a text shows as the number.
ByteString errorState(uint8_t state);
// An operating state: the name its high byte selects (context: its translation context) with
// a non-zero low byte appended in decimal; without a name the word as "%.4Xh".
ByteString stateText(const char* context, const char* name, int32_t stateWord);

// 0x50 page 4: CFGKraft.
void fuelType(BusRows& r);
// 0x50 page 6: BETTBR, BETTEIN, BETSTACNT.
void operatingTimes(BusRows& r);
// 0x51 sub 2: CFGHWVER.
void hardwareVersion(BusRows& r);
// 0x51 sub 4 and 5: a date "hex.hex.hex" from D[1..3].
void date(BusRows& r, const char* key);
// 0x51 sub 7: CFGKUID.
void customerId(BusRows& r);
// 0x51 sub 9: CFGSNR and CFGPKENN; with serialNumber the serial's number is D[1..4] as an
// unsigned big-endian word (0 when D holds fewer than 5 bytes).
void serialNumber(BusRows& r, bool serialNumber);
// 0x51 sub 10: CFGWBUS with the version's two digits put into the format.
void busVersion(BusRows& r, const char* format);
// 0x51 sub 11: CFGNAME; returns the name for the caller's name check.
ByteString name(BusRows& r);
// 0x53 sub 2: CFGUMIN, CFGTUMIN, CFGUMAX, CFGTUMAX.
void limits(BusRows& r);
// A big-endian number of 1, 2 or 4 bytes from D[1] on in the result's Value (the calibration
// word of 0x42 sub 1, the memory services' answers), or code 12 when it is missing.
void resultNumber(const BusRows& r, size_t bytes, TResult& result);
// 0x56 sub 1: OVRERRCNT and ERRCODE1..11; the layer's error entry index becomes 1.
void errorList(BusRows& r, WBusLayer& layer);
// 0x56 sub 2, the rows both dialects read alike: ERRCODE, ERRSTATE, ERRCOUNT, ERRTEMP and
// ERRUB of entry n.
void errorEntryCommon(BusRows& r, const ByteString& n);
// After an error entry: the layer's index moves to the next entry.
void nextErrorEntry(WBusLayer& layer);

}  // namespace WBusRowGroups
