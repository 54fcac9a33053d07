#include "klineunitbase.h"

namespace {

uint8_t sumOf(const ByteString& bytes) {
    unsigned s = 0;
    for (unsigned char b : bytes) s += b;
    return static_cast<uint8_t>(s & 0xFF);
}

// Key bytes the unit sends with its answer to StartCommunication.
const char kStartAnswer[] = {'\xC1', '\xEA', '\x8F'};

}  // namespace

void SimKLineUnit::wakeup() {
    if (m_communicating) communicationEnded();
    m_communicating = false;
    m_listening = true;
}

ByteString SimKLineUnit::frameAnswer(uint8_t tester, const ByteString& data) {
    ByteString t{static_cast<char>(0x80 + AnswerData), static_cast<char>(tester),
                 static_cast<char>(Address)};
    ByteString d = data.substr(0, AnswerData);
    d.resize(AnswerData, static_cast<char>(0xFF));
    t += d;
    t.push_back(static_cast<char>(sumOf(t)));
    return t;
}

ByteString SimKLineUnit::refusal(uint8_t service, uint8_t reason) {
    return ByteString{static_cast<char>(0x7F), static_cast<char>(service),
                      static_cast<char>(reason)};
}

std::optional<ByteString> SimKLineUnit::answer(const ByteString& t) {
    if (m_silent) return std::nullopt;
    // A telegram the unit cannot read, or one for another unit, is not answered.
    if (t.size() < 5) return std::nullopt;
    const uint8_t format = static_cast<uint8_t>(t[0]);
    if ((format & 0xC0) != 0x80 || (format & 0x3F) != t.size() - 4) return std::nullopt;
    if (static_cast<uint8_t>(t[1]) != Address) return std::nullopt;
    if (sumOf(t.substr(0, t.size() - 1)) != static_cast<uint8_t>(t.back())) return std::nullopt;
    const uint8_t tester = static_cast<uint8_t>(t[2]);
    const ByteString data = t.substr(3, t.size() - 4);
    if (static_cast<uint8_t>(data[0]) == 0x81) {
        // StartCommunication: only after a wake-up; asked again, it is answered again.
        if (!m_listening) return std::nullopt;
        m_communicating = true;
        return frameAnswer(tester, ByteString(kStartAnswer, sizeof kStartAnswer));
    }
    if (!m_communicating) return std::nullopt;
    for (const ByteString& prefix : m_refused)
        if (!data.empty() && data.compare(0, prefix.size(), prefix) == 0) {
            ++m_refusedCount;
            return frameAnswer(tester,
                               refusal(static_cast<uint8_t>(data[0]), ConditionsNotCorrect));
        }
    auto a = answerData(data);
    if (!a) return std::nullopt;
    return frameAnswer(tester, *a);
}
