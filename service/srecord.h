// The reader of control-unit software files in Motorola S-record format. Only the data records
// S1, S2 and S3 are read (16-, 24- and 32-bit addresses); every other line is skipped. Each
// record is checked pair by pair, and the first bad one stops the reading with its line number:
//
//   S <type> <count> <address: 2, 3 or 4 bytes> <data> <checksum>
//   count = the pairs after it; count + address + data + checksum = 0xFF (mod 256)
#pragma once

#include <string_view>

#include "flashimage.h"

// Reads the file's text line by line (CR LF, LF or CR) into the image, laid out for the
// device class. False with the message box text in `message` at the first bad record, or when
// the file holds no good data record.
bool FLASH_ParseS19(std::string_view text, uint8_t deviceClass, FlashImage& image,
                    ByteString& message);
