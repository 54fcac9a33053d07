#include "sbusunitbase.h"

#include "checksums.h"
#include "simbytes.h"

namespace {
constexpr uint8_t CrcFlag = 0x80;
constexpr size_t MaxData = 128;
}  // namespace

ByteString SimSBusUnit::frameTelegram(uint8_t target, uint8_t source, const ByteString& data,
                                      bool crc) {
    const ByteString d = data.substr(0, MaxData);
    uint8_t length = d.size() == MaxData ? 0 : static_cast<uint8_t>(d.size());
    if (crc) length |= CrcFlag;
    ByteString t{static_cast<char>(target), static_cast<char>(source), static_cast<char>(length)};
    t += d;
    if (crc) {
        const uint16_t c = TOOL_Crc16(t);
        t.push_back(static_cast<char>(c >> 8));
        t.push_back(static_cast<char>(c & 0xFF));
    } else {
        t.push_back(static_cast<char>(TOOL_Checksum8(t)));
    }
    return t;
}

ByteString SimSBusUnit::reply(uint8_t messageId, const ByteString& payload) {
    return ByteString(1, static_cast<char>(messageId)) + payload;
}

ByteString SimSBusUnit::negative(uint8_t errorBit, uint8_t detail) {
    return ByteString{'\0', static_cast<char>(errorBit), static_cast<char>(detail)};
}

void SimSBusUnit::onCommand(uint8_t messageId, Handler handler) {
    on(messageId, [this, messageId, h = std::move(handler)](const ByteString& p) {
        if (!m_sessionOpen) return std::optional<ByteString>(negative(RefusedNotNow, messageId));
        return h(p);
    });
}

void SimSBusUnit::acceptSession(uint32_t key, std::function<void()> onOpen) {
    on(30, [this, key, onOpen = std::move(onOpen)](const ByteString& p) {
        if (p.size() != 5 || SimBytes::at(p, 0) != 1 || SimBytes::le32At(p, 1) != key)
            return negative(RefusedParameter, 30);
        m_sessionOpen = true;
        if (onOpen) onOpen();
        return reply(30, ByteString(1, '\x01'));
    });
}

int SimSBusUnit::receivedCount(uint8_t messageId) const {
    int n = 0;
    for (const ByteString& r : m_received) n += static_cast<uint8_t>(r[0]) == messageId ? 1 : 0;
    return n;
}

std::optional<ByteString> SimSBusUnit::answer(const ByteString& t) {
    if (m_silent) return std::nullopt;
    // A request the unit cannot read, or one for another unit, is not answered.
    if (t.size() < 5 || static_cast<uint8_t>(t[0]) != m_address) return std::nullopt;
    const uint8_t lengthByte = static_cast<uint8_t>(t[2]);
    const bool crc = (lengthByte & CrcFlag) != 0;
    size_t length = lengthByte & 0x7F;
    if (length == 0) length = MaxData;
    const size_t checkBytes = crc ? 2 : 1;
    if (t.size() != 3 + length + checkBytes) return std::nullopt;
    const ByteString body = t.substr(0, 3 + length);
    if (frameTelegram(static_cast<uint8_t>(t[0]), static_cast<uint8_t>(t[1]), body.substr(3),
                      crc) != t)
        return std::nullopt;
    const ByteString data = body.substr(3);
    if (m_received.size() >= ReceivedKept) m_received.pop_front();
    m_received.push_back(data);

    beforeRequest();
    const uint8_t id = static_cast<uint8_t>(data[0]);
    const auto h = m_handlers.find(id);
    const std::optional<ByteString> a =
        h == m_handlers.end() ? std::optional<ByteString>(negative(RefusedUnknown, id))
                              : h->second(data.substr(1));
    if (!a || a->empty()) return std::nullopt;
    for (const ByteString& prefix : m_lost)
        if (data.compare(0, prefix.size(), prefix) == 0) return std::nullopt;
    return frameTelegram(static_cast<uint8_t>(t[1]), m_address, *a, m_answerCrc);
}
