#include "kx3117memory.h"

#include "wbusunitbase.h"

namespace {

uint32_t be16(const ByteString& s, size_t at) {
    return (uint32_t{static_cast<uint8_t>(s[at])} << 8) | static_cast<uint8_t>(s[at + 1]);
}

uint32_t be32(const ByteString& s, size_t at) {
    return (be16(s, at) << 16) | be16(s, at + 2);
}

ByteString head(uint8_t command, uint8_t sub) {
    return ByteString{static_cast<char>(command | 0x80), static_cast<char>(sub)};
}

// An area as the EOL memory keeps it: cells first..last - 2, the sum at last - 1 and last.
SimEolMemory::Area eolArea(const SimKX3117Memory::Area& a) {
    return {a.first, static_cast<uint32_t>(a.last - 2), a.checksumCell(),
            SimEolMemory::SumForm::Word};
}

// The special block the software is complete with: it holds 0xE600..0xE603.
constexpr uint32_t SpecialFirst = 0xE600, SpecialLast = 0xE603;

}  // namespace

SimKX3117Memory::SimKX3117Memory()
    : m_eol(EolSize, {eolArea(Area1), eolArea(Area2)}, 11),
      m_software(SoftwareEnd - SoftwareStart + 1, 0xFF) {
    for (uint32_t a = SoftwareStart; a <= SoftwareStart + 0x0FFF; ++a)
        m_software[a - SoftwareStart] = static_cast<uint8_t>(a);
}

bool SimKX3117Memory::serves(uint8_t command) {
    return command == 0x32 || command == 0x33 || command == 0x42 || command == 0x48;
}

uint16_t SimKX3117Memory::areaSum(const Area& a) const {
    return m_eol.sum(eolArea(a));
}

uint16_t SimKX3117Memory::storedChecksum(const Area& a) const {
    return m_eol.stored(eolArea(a));
}

uint8_t SimKX3117Memory::software(uint32_t address) const {
    if (address < SoftwareStart || address > SoftwareEnd) return 0xFF;
    return m_software[address - SoftwareStart];
}

ByteString SimKX3117Memory::answer(const ByteString& r) {
    const uint8_t command = static_cast<uint8_t>(r[0]);
    switch (command) {
        case 0x32:
        case 0x33:
            return singleCell(r);
        case 0x42:
            return calibration(r);
        default:
            return memoryService(r);
    }
}

ByteString SimKX3117Memory::singleCell(const ByteString& r) {
    const uint8_t command = static_cast<uint8_t>(r[0]);
    const bool write = command == 0x33;
    if (r.size() != (write ? 4u : 3u) || be16(r, 1) >= EolSize)
        return SimWBusUnit::refusal(command);
    const uint32_t address = be16(r, 1);
    if (write) m_eol[address] = static_cast<uint8_t>(r[3]);
    return ByteString(1, static_cast<char>(command | 0x80)) + r.substr(1, 2) +
           static_cast<char>(m_eol[address]);
}

ByteString SimKX3117Memory::calibration(const ByteString& r) {
    // Only the switches between the application and the programming mode are simulated.
    if (r.size() >= 2 && (r[1] == 0x0A || r[1] == 0x0B)) {
        m_programming = r[1] == 0x0B;
        if (!m_programming) m_session = false;
        return head(0x42, static_cast<uint8_t>(r[1]));
    }
    return SimWBusUnit::refusal(0x42);
}

ByteString SimKX3117Memory::memoryService(const ByteString& r) {
    if (r.size() < 2) return SimWBusUnit::refusal(0x48);
    const uint8_t sub = static_cast<uint8_t>(r[1]);
    switch (sub) {
        case 1:
            if (r.size() < 3) break;
            m_session = true;
            return head(0x48, sub) + r[2];
        case 2:
            return head(0x48, sub) + static_cast<char>(m_softwareState);
        case 9:
            // Closed; the byte after the sub-command says so.
            m_session = false;
            return head(0x48, sub) + '\0';
        case 3:
        case 4:
            if (m_session) return eolBlock(r);
            break;
        case 17:
        case 19:
        case 20:
            if (m_session && m_programming) return softwareService(r);
            break;
        default:
            break;
    }
    return SimWBusUnit::refusal(0x48);
}

ByteString SimKX3117Memory::eolBlock(const ByteString& r) {
    const uint8_t sub = static_cast<uint8_t>(r[1]);
    if (r.size() < 5) return SimWBusUnit::refusal(0x48);
    const uint32_t address = be16(r, 2);
    const uint32_t count = static_cast<uint8_t>(r[4]) + 1u;
    const ByteString data = r.substr(5);
    const bool fits = address + count <= EolSize;
    if (!fits || (sub == 3 && !data.empty()) || (sub == 4 && data.size() != count))
        return SimWBusUnit::refusal(0x48);
    ByteString a = head(0x48, sub) + r.substr(2, 3);
    for (uint32_t i = 0; i < count; ++i) {
        if (sub == 4) m_eol[address + i] = static_cast<uint8_t>(data[i]);
        if (sub == 3) a.push_back(static_cast<char>(m_eol[address + i]));
    }
    return a;
}

ByteString SimKX3117Memory::softwareService(const ByteString& r) {
    const uint8_t sub = static_cast<uint8_t>(r[1]);
    if (sub == 19) {
        if (r.size() < 7) return SimWBusUnit::refusal(0x48);
        const uint32_t address = be32(r, 2);
        const uint32_t count = static_cast<uint8_t>(r[6]) + 1u;
        const ByteString data = r.substr(7);
        if (data.size() != count || address < SoftwareStart || address + count - 1 > SoftwareEnd)
            return SimWBusUnit::refusal(0x48);
        for (uint32_t i = 0; i < count; ++i)
            m_software[address + i - SoftwareStart] = static_cast<uint8_t>(data[i]);
        if (address <= SpecialFirst && address + count - 1 >= SpecialLast)
            m_softwareState = SoftwareValid;
        return head(0x48, sub) + r.substr(2, 4);
    }
    // 17 (announce) and 20 (erase): a start and an end address inside the software memory.
    if (r.size() != 10) return SimWBusUnit::refusal(0x48);
    const uint32_t first = be32(r, 2), last = be32(r, 6);
    const bool ok = first <= last && first >= SoftwareStart && last <= SoftwareEnd;
    if (ok && sub == 20) {
        for (uint32_t a = first; a <= last; ++a) m_software[a - SoftwareStart] = 0xFF;
        m_softwareState = SoftwareErased;
        if (m_slowErases > 0) {
            --m_slowErases;
            return ByteString();
        }
    }
    return head(0x48, sub) + static_cast<char>(ok ? 1 : 0);
}
