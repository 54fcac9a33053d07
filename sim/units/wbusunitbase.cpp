#include "wbusunitbase.h"

ByteString SimWBusUnit::frameAnswer(const ByteString& payload) {
    ByteString f;
    f.push_back(static_cast<char>(0x4F));
    f.push_back(static_cast<char>(payload.size() + 1));
    f += payload;
    uint8_t x = 0;
    for (unsigned char b : f) x ^= b;
    f.push_back(static_cast<char>(x));
    return f;
}

ByteString SimWBusUnit::refusal(uint8_t command) {
    return ByteString{static_cast<char>(0x7F), static_cast<char>(command), static_cast<char>(0x33)};
}

std::optional<ByteString> SimWBusUnit::answer(const ByteString& t) {
    if (m_silent) return std::nullopt;
    // A request the unit cannot read is not answered, like on the real bus.
    if (t.size() < 4 || static_cast<uint8_t>(t[0]) != 0xF4) return std::nullopt;
    if (static_cast<uint8_t>(t[1]) != t.size() - 2) return std::nullopt;
    uint8_t x = 0;
    for (unsigned char b : t) x ^= b;
    if (x != 0) return std::nullopt;
    const ByteString payload = t.substr(2, t.size() - 3);
    if (m_received.size() >= ReceivedKept) m_received.pop_front();
    m_received.push_back(payload);
    if (matches(m_ignored, payload)) return std::nullopt;
    if (!payload.empty() && matches(m_refused, payload))
        return frameAnswer(refusal(static_cast<uint8_t>(payload[0])));
    auto p = answerPayload(payload);
    if (!p || matches(m_lost, payload)) return std::nullopt;
    return frameAnswer(*p);
}

bool SimWBusUnit::matches(const std::vector<ByteString>& prefixes, const ByteString& payload) {
    for (const ByteString& p : prefixes)
        if (payload.compare(0, p.size(), p) == 0) return true;
    return false;
}
