// The reader of control-unit software files in Motorola S-record format. Only the data records
// S1, S2 and S3 are read (16-, 24- and 32-bit addresses); every other line is skipped. Each
// record is checked pair by pair, and the first bad one stops the reading with its line number:
//
//   S <type> <count> <address: 2, 3 or 4 bytes> <data> <checksum>
//   count = the pairs after it; count + address + data + checksum = 0xFF (mod 256)
#pragma once

#include <cstddef>
#include <string_view>

#include "flashimage.h"

// The longest line a record can take: type, count and 255 byte pairs.
constexpr size_t FLASH_LongestRecordLine = 2 + 2 + 255 * 2;

// False with the message for a bad record in `message` when a line of the text is longer
// than any record; it looks at no more than that many characters of each line.
bool FLASH_CheckLineLengths(std::string_view text, ByteString& message);

// Reads the file's text line by line (CR LF, LF or CR) into the image, laid out for the
// device class. False with the message box text in `message` at the first bad record or the
// first line longer than any record, or when the file holds no good data record.
bool FLASH_ParseS19(std::string_view text, uint8_t deviceClass, FlashImage& image,
                    ByteString& message);
