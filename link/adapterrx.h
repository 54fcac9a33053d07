// The receive side of the adapter link: takes the adapter's bytes one at a time, undoes the
// byte stuffing, follows the frame markers and hands out each frame whose CRC is right
// (command byte and data, CRC removed). Pure and single-threaded: the transfer worker owns
// one, tests drive it byte by byte.
#pragma once

#include <cstdint>
#include <optional>

#include "records.h"

class AdapterRxParser {
public:
    // The frame buffer never grows beyond this; noise that never meets a start marker is
    // thrown away when it would.
    static constexpr size_t MaxBuffer = 65536;

    // A complete frame with a good CRC, or nothing.
    std::optional<ByteString> feed(uint8_t b);
    // As after a start marker: empty buffer, state 0, no escape.
    void reset();
    // Forgets everything received so far, a pending escape and a half frame included, and
    // waits for the next start marker (state 3).
    void discard();

    // 0 after a start marker, 1 after the data marker, 2 after the end-of-data marker,
    // 3 after an end-of-frame marker.
    uint8_t state() const { return m_state; }
    bool escapePending() const { return m_escape; }
    const ByteString& buffer() const { return m_buffer; }

private:
    void append(uint8_t b);

    ByteString m_buffer;
    uint8_t m_state = 0;
    bool m_escape = false;
};
