// The parameter-set text file (.prn and .eol share one layout; Windows-1252, CR LF):
//
//   ;*************************************************************************   (74 characters)
//   ;  <date> <time>
//   ;*************************************************************************
//   001A  3F     63          one line per item: address, value in hex, value in decimal
//   ;*************************************************************************
//
// Reading never trusts the file: CR LF, LF and a lone CR all end a line; lines that hold no
// item (short lines, headings, comments) are skipped, and a line that holds an item the reader
// cannot take (a valid address without a valid value, a value beside a damaged address, a
// short line of an address and a value) stops the reading with that line's number.
#pragma once

#include <cstdint>
#include <vector>

#include "eolset.h"

namespace ParamSetFile {
// The open and save dialogs' filter and its two indices.
constexpr const char* Filter = "Parameter-Datei  (*.prn)|*.PRN|EOL-Datei (*.eol)|*.EOL";
constexpr int FilterPrn = 1;
constexpr int FilterEol = 2;

// LoadFromFile's results besides a line number n >= 1 at which reading stopped.
constexpr int32_t LoadOk = -1;
constexpr int32_t LoadNothing = 0;

// Reads lines into `set` (cleared first). filterIndex 2 (.eol) also refuses addresses above
// 0xFF. Result LoadOk (at least one item), LoadNothing (no item, not readable, or a filter
// index other than 1 and 2), or the 1-based number of the line with the error; the items read
// before that line stay in the set.
int32_t read(const ByteString& content, int filterIndex, TEolParamSet& set);
int32_t LoadFromFile(const ByteString& fileName, int filterIndex, TEolParamSet& set);

// The file's bytes for a set; dateTime is the date and time of this moment as the program
// shows them ("10.12.2026 15:42:58").
ByteString write(const TEolParamSet& set, const ByteString& dateTime);
// Replaces the file only once the new content is completely written. False on any failure,
// and the old file is then untouched.
bool SaveToFile(const ByteString& fileName, const TEolParamSet& set, const ByteString& dateTime);

// The printout's lines (without line ends).
std::vector<ByteString> printLines(const TEolParamSet& set, const ByteString& dateTime);
}  // namespace ParamSetFile
