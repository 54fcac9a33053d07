// The EOL memory of a simulated control unit: byte cells at addresses 0..size - 1 and the
// checksum areas its class keeps (an 8-bit sum in one cell, or a 16-bit sum in two cells, low
// byte first). The units' services read and write the cells; the checksums are the unit's
// stored ones, so a writer that does not keep them leaves them wrong, as on a real unit.
#pragma once

#include <cstdint>
#include <vector>

class SimEolMemory {
public:
    enum class SumForm { Byte, Word };
    // Cells first..last are summed into the cell(s) at position.
    struct Area {
        uint32_t first, last, position;
        SumForm form;
    };

    // Cells filled with a pattern of the seed, then every area's checksum made right.
    SimEolMemory(uint32_t size, std::vector<Area> areas, uint8_t seed);

    uint32_t size() const { return static_cast<uint32_t>(m_cells.size()); }
    bool contains(uint32_t address) const { return address < m_cells.size(); }
    uint8_t& operator[](uint32_t address) { return m_cells[address]; }
    uint8_t operator[](uint32_t address) const { return m_cells[address]; }
    const std::vector<uint8_t>& cells() const { return m_cells; }
    std::vector<uint8_t>& cells() { return m_cells; }
    const std::vector<Area>& areas() const { return m_areas; }

    // The sum of an area's cells in its form, and the checksum its cell(s) hold.
    uint16_t sum(const Area& a) const;
    uint16_t stored(const Area& a) const;
    bool checksumsRight() const;
    // Writes every area's checksum.
    void seal();

private:
    std::vector<uint8_t> m_cells;
    std::vector<Area> m_areas;
};
