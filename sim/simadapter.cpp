#include "simadapter.h"

#include <algorithm>
#include <utility>

#include "adapterframes.h"
#include "checksums.h"

namespace {
ByteString crcBytes(uint16_t crc) {
    return ByteString{static_cast<char>(crc >> 8), static_cast<char>(crc & 0xFF)};
}
}  // namespace

SimAdapter::SimAdapter(ByteString serial, ByteString description)
    : m_serial(std::move(serial)), m_description(std::move(description)) {}

void SimAdapter::attachUnit(ISimControlUnit* unit, const ISimClock& clock) {
    if (!unit || unit->bus() >= m_units.size()) return;
    m_units[unit->bus()] = unit;
    unit->attachClock(clock);
}

void SimAdapter::detachUnit(uint8_t bus) {
    if (bus < m_units.size()) m_units[bus] = nullptr;
}

bool SimAdapter::consume(int& knob) {
    if (knob == 0) return false;
    if (knob > 0) --knob;
    return true;
}

void SimAdapter::receive(const uint8_t* data, size_t n, int64_t nowMs) {
    for (size_t i = 0; i < n; ++i) decode(data[i], nowMs);
}

void SimAdapter::decode(uint8_t b, int64_t nowMs) {
    switch (b) {
        case Adp::SOF:
            m_in.clear();
            m_inFrame = true;
            m_sawData = m_sawEnd = m_escape = false;
            return;
        case Adp::SOD:
            m_sawData = m_inFrame;
            return;
        case Adp::EOD:
            m_sawEnd = m_sawData;
            return;
        case Adp::EOF_:
            if (m_inFrame && m_sawEnd && m_in.size() >= 3) frameDone(nowMs);
            m_inFrame = false;
            m_in.clear();
            return;
        default:
            break;
    }
    if (!m_inFrame) return;
    if (m_escape) {
        m_escape = false;
        b = static_cast<uint8_t>(b - Adp::ESC_OFFSET);
    } else if (b == Adp::ESC) {
        m_escape = true;
        return;
    }
    if (m_in.size() >= MaxFrameBytes) {  // runaway frame: drop it
        m_inFrame = false;
        m_in.clear();
        return;
    }
    m_in.push_back(static_cast<char>(b));
}

void SimAdapter::frameDone(int64_t nowMs) {
    const ByteString body = m_in.substr(0, m_in.size() - 2);
    if (crcBytes(TOOL_Crc16(body)) != m_in.substr(m_in.size() - 2)) {
        ++stats.badFrames;
        return;
    }
    ++stats.frames;
    stats.lastFrame = body;
    if (consume(faults.dropAnswers)) return;
    if (body.size() < 2 || static_cast<uint8_t>(body[0]) != Adp::CMD_BUS) return;

    const uint8_t sub = static_cast<uint8_t>(body[1]);
    const auto arg = [&](size_t i) { return static_cast<uint8_t>(body[2 + i]); };
    switch (sub) {
        case Adp::SUB_BUS_CONFIG: {
            if (body.size() < 7) return;
            SimBusConfig cfg{arg(0), arg(1), arg(2), arg(3), arg(4)};
            stats.lastConfig = cfg;
            if (cfg.bus < m_units.size()) {
                m_bus = cfg.bus;
                if (m_units[m_bus]) m_units[m_bus]->configure(cfg);
            }
            answer(ByteString(1, static_cast<char>(sub)), nowMs);
            return;
        }
        case Adp::SUB_WAKEUP: {
            if (body.size() < 6) return;
            if (m_units[m_bus]) m_units[m_bus]->wakeup();
            // The pattern's two times, in the adapter's units of 1/1.024 ms.
            const int units = (arg(0) | arg(1) << 8) + (arg(2) | arg(3) << 8);
            answer(ByteString(1, static_cast<char>(sub)), nowMs, pace.on ? units * 1000 / 1024 : 0);
            return;
        }
        case Adp::SUB_TRANSFER: {
            const ByteString telegram = body.substr(2);
            stats.lastTelegram = telegram;
            ByteString reply(1, static_cast<char>(sub));
            int64_t lineMs = busMs(telegram.size());
            if (faults.transferStatus >= 0) {
                reply.push_back(static_cast<char>(faults.transferStatus & 0xFF));
            } else {
                // No unit, or a silent one: the adapter's "no bus answer" status.
                std::optional<ByteString> busAnswer;
                if (m_units[m_bus]) busAnswer = m_units[m_bus]->answer(telegram);
                reply.push_back(static_cast<char>(Adp::STATUS_BASE + (busAnswer ? 0 : 2)));
                if (busAnswer) {
                    reply += *busAnswer;
                    lineMs += pace.on ? pace.answerDelayMs + busMs(busAnswer->size()) : 0;
                    if (pace.on && m_bus == 1) lineMs += pace.klineGapMs;
                } else if (pace.on) {
                    lineMs += stats.lastConfig.c * 4 * 1000 / 1024;  // T3: the adapter waits
                }
            }
            answer(reply, nowMs, lineMs);
            return;
        }
        default:
            return;  // unknown sub-commands go unanswered
    }
}

int64_t SimAdapter::busMs(size_t bytes) const {
    if (!pace.on) return 0;
    return static_cast<int64_t>(bytes) * pace.byteUs[std::min<size_t>(m_bus, 2)] / 1000;
}

void SimAdapter::answer(const ByteString& data, int64_t nowMs, int64_t lineMs) {
    const uint8_t command = Adp::CMD_BUS | Adp::REPLY_FLAG;
    const uint16_t crc = TOOL_Crc16(ByteString(1, static_cast<char>(command)) + data);
    ByteString sent = data;
    const bool corrupt = consume(faults.corruptAnswers) && !sent.empty();
    if (corrupt) sent.back() ^= 0x01;
    const bool badCrc = consume(faults.badCrcAnswers);
    ByteString frame;
    AdapterFrameProtocol::ADP_BuildFrame(command, sent, frame);
    if (corrupt || badCrc) {
        // Markers never occur inside stuffed bytes: the CRC sits between the last 03 and 04.
        ByteString tail;
        AdapterFrameProtocol::ADP_Stuff(crcBytes(badCrc ? crc ^ 0x5A5A : crc), tail);
        frame.replace(frame.rfind(static_cast<char>(Adp::EOD)) + 1, ByteString::npos, tail);
        frame.push_back(static_cast<char>(Adp::EOF_));
    }
    const int64_t due = nowMs + lineMs + std::max(0, faults.answerDelayMs);
    m_out.push_back({due, frame});
    if (consume(faults.duplicateAnswers))
        m_out.push_back({due + std::max(0, faults.duplicateGapMs), frame});
    ++stats.answers;
}

void SimAdapter::pushToHost(const ByteString& bytes, int64_t nowMs) {
    if (!bytes.empty()) m_out.push_back({nowMs, bytes});
}

size_t SimAdapter::readable(int64_t nowMs) const {
    size_t n = 0;
    for (const auto& c : m_out) {
        if (c.due > nowMs) break;  // strictly in order: nothing overtakes a slow answer
        n += c.bytes.size();
    }
    return n;
}

bool SimAdapter::readableHas(uint8_t byte, int64_t nowMs) const {
    for (const auto& c : m_out) {
        if (c.due > nowMs) break;
        if (c.bytes.find(static_cast<char>(byte)) != ByteString::npos) return true;
    }
    return false;
}

ByteString SimAdapter::take(size_t maxBytes, int64_t nowMs) {
    ByteString got;
    while (!m_out.empty() && m_out.front().due <= nowMs && got.size() < maxBytes) {
        auto& c = m_out.front();
        const size_t k = std::min(c.bytes.size(), maxBytes - got.size());
        got += c.bytes.substr(0, k);
        if (k == c.bytes.size())
            m_out.pop_front();
        else
            c.bytes.erase(0, k);
    }
    return got;
}

int64_t SimAdapter::nextDue(int64_t nowMs) const {
    for (const auto& c : m_out)
        if (c.due > nowMs) return c.due;
    return -1;
}

void SimAdapter::purgeToHost(int64_t nowMs) {
    while (!m_out.empty() && m_out.front().due <= nowMs) m_out.pop_front();
    ++stats.purgesRx;
}

void SimAdapter::reset() {
    m_out.clear();
    m_in.clear();
    m_inFrame = m_sawData = m_sawEnd = m_escape = false;
}
