// Motorola S-record lines for tests and benchmarks: a data record of any type with the right
// count and checksum, and whole files of an image cut into records.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "records.h"

// One record: 'S', the type, the count, the address (3 bytes for S2 and S8, 4 for S3 and S7,
// else 2), the data and the checksum, in upper-case hex.
inline ByteString SREC_Record(int type, uint32_t address, const ByteString& data) {
    const int addressBytes = type == 2 || type == 8 ? 3 : type == 3 || type == 7 ? 4 : 2;
    const unsigned count = static_cast<unsigned>(addressBytes + data.size() + 1);
    unsigned sum = count;
    char buf[8];
    ByteString line = "S" + std::to_string(type);
    std::snprintf(buf, sizeof buf, "%02X", count & 0xFF);
    line += buf;
    for (int i = addressBytes - 1; i >= 0; --i) {
        const unsigned b = (address >> (8 * i)) & 0xFF;
        sum += b;
        std::snprintf(buf, sizeof buf, "%02X", b);
        line += buf;
    }
    for (unsigned char b : data) {
        sum += b;
        std::snprintf(buf, sizeof buf, "%02X", b);
        line += buf;
    }
    std::snprintf(buf, sizeof buf, "%02X", ~sum & 0xFF);
    return line + buf;
}

// A file holding the bytes from the address on in records of `perRecord` data bytes, with a
// header and an end record, lines ended by CR LF.
inline ByteString SREC_File(int type, uint32_t address, const ByteString& bytes,
                            size_t perRecord = 32) {
    ByteString file = SREC_Record(0, 0, "HDR") + "\r\n";
    for (size_t at = 0; at < bytes.size(); at += perRecord)
        file +=
            SREC_Record(type, static_cast<uint32_t>(address + at), bytes.substr(at, perRecord)) +
            "\r\n";
    return file + SREC_Record(10 - type, 0, "") + "\r\n";
}

// Bytes that differ from block to block, so a misplaced block shows.
inline ByteString SREC_Pattern(size_t n, unsigned seed = 1) {
    ByteString b(n, '\0');
    unsigned x = seed * 2654435761u + 12345u;
    for (size_t i = 0; i < n; ++i) {
        x = x * 1103515245u + 12345u;
        b[i] = static_cast<char>(x >> 16);
    }
    return b;
}
