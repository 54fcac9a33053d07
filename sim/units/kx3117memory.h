// The memories of the simulated class-3 control unit and the services that reach them: the
// EOL memory of 256 cells with its two checksummed areas (single cells by 0x32/0x33, blocks by
// the memory services 0x48 sub 3/4), and the software memory 0xE000..0x3FFFF that the
// programming services (0x42 sub 11/10, 0x48 sub 17/19/20) erase and write.
#pragma once

#include <cstdint>
#include <vector>

#include "records.h"
#include "simeolmemory.h"

class SimKX3117Memory {
public:
    static constexpr uint32_t EolSize = 256;
    static constexpr uint32_t SoftwareStart = 0xE000;
    static constexpr uint32_t SoftwareEnd = 0x3FFFF;
    // The answer byte of 0x48 sub 2: the software is complete, or has been erased since.
    static constexpr uint8_t SoftwareValid = 0x13;
    static constexpr uint8_t SoftwareErased = 0x10;

    // One EOL area: cells first..last - 2 summed into a 16-bit checksum, low byte at last - 1,
    // high byte at last (the area description the unit gives with 0x38).
    struct Area {
        uint16_t first, last;
        uint16_t checksumCell() const { return static_cast<uint16_t>(last - 1); }
    };
    static constexpr Area Area1{0x00, 0x7F};
    static constexpr Area Area2{0x80, 0xFF};

    SimKX3117Memory();

    // True for the commands this part of the unit answers (0x32, 0x33, 0x42, 0x48).
    static bool serves(uint8_t command);
    // The answer payload (command | 0x80 first, or a refusal) to one of those requests; empty
    // when the unit does not answer in time.
    ByteString answer(const ByteString& request);
    // The next n erases take the unit longer than the adapter waits for an answer: they are
    // carried out, but their answers never come.
    void setSlowErases(int n) { m_slowErases = n; }

    // The 16-bit sum of an area's cells, and the checksum its two cells hold.
    uint16_t areaSum(const Area& a) const;
    uint16_t storedChecksum(const Area& a) const;

    const std::vector<uint8_t>& eol() const { return m_eol.cells(); }
    std::vector<uint8_t>& eol() { return m_eol.cells(); }
    // A byte of the software memory (0xFF outside it).
    uint8_t software(uint32_t address) const;
    bool programming() const { return m_programming; }
    bool sessionOpen() const { return m_session; }
    uint8_t softwareState() const { return m_softwareState; }

private:
    ByteString singleCell(const ByteString& r);
    ByteString calibration(const ByteString& r);
    ByteString memoryService(const ByteString& r);
    ByteString eolBlock(const ByteString& r);
    ByteString softwareService(const ByteString& r);

    SimEolMemory m_eol;
    std::vector<uint8_t> m_software;
    bool m_session = false;      // opened by 0x48 sub 1, closed by sub 9
    bool m_programming = false;  // 0x42 sub 11 .. sub 10
    uint8_t m_softwareState = SoftwareValid;
    int m_slowErases = 0;
};
