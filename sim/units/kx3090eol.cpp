#include "kx3090eol.h"

#include "wbusunitbase.h"

namespace {

ByteString rawFrame(const ByteString& payload) {
    uint8_t x = 0;
    for (unsigned char b : payload) x ^= b;
    return payload + static_cast<char>(x);
}

uint8_t at(const ByteString& s, size_t i) {
    return static_cast<uint8_t>(s[i]);
}

}  // namespace

SimKX3090Eol::SimKX3090Eol()
    : m_memory(Pages * 256, {{AreaFirst, AreaLast, ChecksumCell, SimEolMemory::SumForm::Byte}}, 5) {
}

bool SimKX3090Eol::serves(uint8_t command) {
    return command == 0x32 || command == 0x33 || command == 0x34;
}

ByteString SimKX3090Eol::answer(const ByteString& r) {
    const uint8_t cmd = at(r, 0);
    const ByteString head(1, static_cast<char>(cmd | 0x80));
    if (cmd == 0x34) {
        if (r.size() != 3 || at(r, 1) != 64 || at(r, 2) >= Pages) return SimWBusUnit::refusal(cmd);
        m_page = at(r, 2);
        m_opened = true;
        return head + r.substr(1, 2);
    }
    const bool write = cmd == 0x33;
    if (r.size() != (write ? 4u : 3u)) return SimWBusUnit::refusal(cmd);
    const uint32_t address = (uint32_t{at(r, 1)} << 8) | at(r, 2);
    if (!m_memory.contains(address)) return SimWBusUnit::refusal(cmd);
    if (write) m_memory[address] = at(r, 3);
    return head + r.substr(1, 2) + static_cast<char>(m_memory[address]);
}

void SimKX3090Eol::configure(const SimBusConfig& cfg) {
    if (cfg.bus != 0) return;
    m_raw = cfg.mode == 7 && m_opened;
    if (cfg.mode != 7) m_opened = false;
}

std::optional<ByteString> SimKX3090Eol::answerRaw(const ByteString& f) {
    if (f.size() < 2) return std::nullopt;
    uint8_t x = 0;
    for (unsigned char b : f) x ^= b;
    if (x != 0) return std::nullopt;
    const ByteString p = f.substr(0, f.size() - 1);
    const uint32_t base = uint32_t{m_page} << 8;
    switch (at(p, 0)) {
        case 3:
            if (p.size() != 2) break;
            return rawFrame(p + static_cast<char>(m_memory[base + at(p, 1)]));
        case 4:
            if (p.size() != 3) break;
            if (static_cast<int32_t>(base + at(p, 1)) == m_wrongEcho)
                return rawFrame(ByteString{4, static_cast<char>(at(p, 1) + 1), p[2]});
            m_memory[base + at(p, 1)] = at(p, 2);
            return rawFrame(p);
        case 5:
            if (p.size() != 2 || at(p, 1) >= Pages) break;
            m_page = at(p, 1);
            return rawFrame(p);
        case 9:
            if (p.size() != 1) break;
            m_opened = false;
            return rawFrame(ByteString{9, 0});
        default:
            break;
    }
    // A raw frame the unit cannot take: it answers with the refusal byte.
    return rawFrame(ByteString(1, static_cast<char>(0x7F)));
}
