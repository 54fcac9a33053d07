#include "simeolmemory.h"

SimEolMemory::SimEolMemory(uint32_t size, std::vector<Area> areas, uint8_t seed)
    : m_cells(size), m_areas(std::move(areas)) {
    for (uint32_t i = 0; i < size; ++i) m_cells[i] = static_cast<uint8_t>(i * 37 + seed);
    seal();
}

uint16_t SimEolMemory::sum(const Area& a) const {
    uint32_t s = 0;
    for (uint32_t i = a.first; i <= a.last && i < m_cells.size(); ++i) s += m_cells[i];
    return static_cast<uint16_t>(a.form == SumForm::Byte ? s & 0xFF : s & 0xFFFF);
}

uint16_t SimEolMemory::stored(const Area& a) const {
    if (a.form == SumForm::Byte) return m_cells[a.position];
    return static_cast<uint16_t>(m_cells[a.position] | (m_cells[a.position + 1] << 8));
}

bool SimEolMemory::checksumsRight() const {
    for (const Area& a : m_areas)
        if (stored(a) != sum(a)) return false;
    return true;
}

void SimEolMemory::seal() {
    for (const Area& a : m_areas) {
        const uint16_t s = sum(a);
        m_cells[a.position] = static_cast<uint8_t>(s & 0xFF);
        if (a.form == SumForm::Word) m_cells[a.position + 1] = static_cast<uint8_t>(s >> 8);
    }
}
