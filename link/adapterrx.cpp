#include "adapterrx.h"

#include "adapterframes.h"
#include "checksums.h"

void AdapterRxParser::reset() {
    m_buffer.clear();
    m_state = 0;
    m_escape = false;
}

void AdapterRxParser::discard() {
    reset();
    m_state = 3;
}

void AdapterRxParser::append(uint8_t b) {
    if (m_buffer.size() >= MaxBuffer) m_buffer.clear();
    m_buffer.push_back(static_cast<char>(b));
}

std::optional<ByteString> AdapterRxParser::feed(uint8_t b) {
    // Markers act before the escape, so a lost byte can never hide a frame boundary.
    switch (b) {
        case Adp::SOF:
            reset();
            return std::nullopt;
        case Adp::SOD:
            if (m_state == 0) m_state = 1;
            return std::nullopt;
        case Adp::EOD:
            if (m_state == 1) m_state = 2;
            return std::nullopt;
        case Adp::EOF_: {
            std::optional<ByteString> frame;
            if (m_state == 2 && m_buffer.size() >= 3) {
                const size_t n = m_buffer.size() - 2;
                const uint16_t crc =
                    static_cast<uint16_t>((static_cast<uint8_t>(m_buffer[n]) << 8) |
                                          static_cast<uint8_t>(m_buffer[n + 1]));
                m_buffer.resize(n);
                if (TOOL_Crc16(m_buffer) == crc) frame = m_buffer;
            }
            m_state = 3;
            return frame;
        }
        default:
            break;
    }
    if (m_escape) {
        m_escape = false;
        append(static_cast<uint8_t>(b - Adp::ESC_OFFSET));
    } else if (b == Adp::ESC) {
        m_escape = true;
    } else {
        append(b);
    }
    return std::nullopt;
}
