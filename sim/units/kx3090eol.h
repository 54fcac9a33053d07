// The EOL memory of the simulated class-1 control unit and the services that reach it: single
// cells by 0x32/0x33, and the block mode of the parameter-set transfer. 0x34 (64, page) opens
// the block mode on a page; once the adapter is switched to bus mode 7 the unit speaks raw
// frames (payload, XOR): 03 a -> 03 a v (read), 04 a v -> 04 a v (write), 05 p -> 05 p (page),
// 09 -> 09 00 (end of the block mode). Bus mode 3 returns it to normal telegrams.
//
// Two pages of 256 cells; the parameter area 0x10..0x7F is summed (8 bits) into cell 0x80, as
// the unit's area description (0x38) says.
#pragma once

#include <cstdint>
#include <optional>

#include "records.h"
#include "simeolmemory.h"
#include "simunit.h"

class SimKX3090Eol {
public:
    static constexpr uint32_t Pages = 2;
    static constexpr uint32_t AreaFirst = 0x10, AreaLast = 0x7F, ChecksumCell = 0x80;

    SimKX3090Eol();

    // True for the normal-telegram commands this part answers (0x32, 0x33, 0x34).
    static bool serves(uint8_t command);
    ByteString answer(const ByteString& request);
    // The adapter's bus configuration: mode 7 after 0x34 switches to raw frames.
    void configure(const SimBusConfig& cfg);
    bool rawMode() const { return m_raw; }
    // The raw answer frame to a raw request frame, or nothing when the frame is unreadable.
    std::optional<ByteString> answerRaw(const ByteString& frame);

    // A fault of the block mode: the raw write of this cell (address with its page) is
    // answered with the next address in the echo and the cell keeps its value; -1: none.
    void echoWrongAddressAt(int32_t address) { m_wrongEcho = address; }

    SimEolMemory& memory() { return m_memory; }
    const SimEolMemory& memory() const { return m_memory; }
    uint8_t page() const { return m_page; }

private:
    SimEolMemory m_memory;
    bool m_opened = false;  // 0x34 was answered; mode 7 enters the raw frames
    bool m_raw = false;
    uint8_t m_page = 0;
    int32_t m_wrongEcho = -1;
};
