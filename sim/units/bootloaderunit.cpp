#include "bootloaderunit.h"

#include "checksums.h"
#include "simbytes.h"

using namespace SimBytes;

namespace {
constexpr uint32_t FactoryLength = 0x8000;
// Answer values of the programming messages.
constexpr int Done = 1, Refused = 0;
// Fingerprint states as the unit reports them.
constexpr int StateOk = 1, StateCrcOrMemory = 2;
}  // namespace

SimBootLoader::SimBootLoader()
    : SimSBusUnit(Address), m_memory(ApplicationEnd - ApplicationStart + 1, 0xFF) {
    // The factory's application.
    for (uint32_t i = 0; i < FactoryLength; ++i) m_memory[i] = static_cast<uint8_t>(i * 7 + 3);
    m_length = FactoryLength;
    m_crc = imageCrc();
    m_fingerprint = Fingerprint{101, 4711, 21, 6, 14, 200};
    registerMessages();
    registerProgramming();
}

ByteString SimBootLoader::bootSoftware() {
    ByteString d;
    text(d, "BL04738120", 10);
    le16(d, 4711);
    d += bytes({21, 14, 2});  // year, week, patch
    return d;
}

uint8_t SimBootLoader::software(uint32_t address) const {
    if (address < ApplicationStart || address > ApplicationEnd) return 0xFF;
    return m_memory[address - ApplicationStart];
}

void SimBootLoader::eraseApplication() {
    std::fill(m_memory.begin(), m_memory.end(), 0xFF);
    m_valid = false;
    m_erased = true;
    m_announced = m_complete = false;
}

bool SimBootLoader::takeApplicationStart() {
    const bool s = m_started;
    m_started = false;
    return s;
}

void SimBootLoader::beforeRequest() {
    if (sessionOpen() && now() - m_lastKeepAlive > SessionTimeoutMs) closeSession();
}

uint32_t SimBootLoader::imageCrc() const {
    const uint32_t from = m_start - ApplicationStart;
    const ByteString image(m_memory.begin() + from, m_memory.begin() + from + m_length);
    return TOOL_Crc32(0, image);
}

void SimBootLoader::registerMessages() {
    // The cyclic poll: the boot loader answers it with its own message ID.
    on(1, [](const ByteString&) { return reply(1, bytes({0})); });
    on(20, [this](const ByteString&) { return reply(20, m_ident); });
    on(27, [](const ByteString&) { return reply(27, "V1.0"); });
    on(2, [](const ByteString&) { return reply(2, bytes({0x06})); });
    acceptSession(SessionKey, [this] { m_lastKeepAlive = now(); });
    on(81, [](const ByteString&) { return reply(81, bootSoftware()); });
    on(82, [this](const ByteString&) {
        ByteString d;
        text(d, "HW47380006", 10);
        text(d, m_valid ? "SW47380106" : "", 10);
        le16(d, 4711);
        d += bytes({20, 33, 1, 21, 5, 0});
        le32(d, m_valid ? m_length : 0);
        le32(d, m_valid ? m_crc : 0);
        return reply(82, d);
    });
    on(158, [this](const ByteString&) {
        const Fingerprint& f = m_fingerprint;
        ByteString d = bytes({m_valid ? StateOk : StateCrcOrMemory});
        le16(d, f.countdown);
        le16(d, f.programmerId);
        le32(d, f.programmerSerial);
        d += bytes({f.year, f.month, f.day});
        return reply(158, d);
    });
}

std::optional<ByteString> SimBootLoader::switchCommand(const ByteString& p) {
    if (p.size() < 1 || p.substr(1) != SwitchKey) return negative(RefusedParameter, 155);
    const uint8_t sub = static_cast<uint8_t>(p[0]);
    auto answer = [sub](bool ok) { return reply(155, bytes({sub, ok ? 0 : 1})); };
    switch (sub) {
        case 0:  // already in the boot loader
            return answer(true);
        case 1:  // start the application: only a whole, checked one
            m_started = m_valid;
            return answer(m_valid);
        case 3:
            eraseApplication();
            m_erased = false;
            m_erasing = true;
            return answer(true);
        case 4: {
            const bool ok = m_erasing;
            m_erasing = false;
            m_erased = ok;
            return answer(ok);
        }
        default:
            return negative(RefusedParameter, 155);
    }
}

void SimBootLoader::registerProgramming() {
    // Each of them only within the session.
    onCommand(155, [this](const ByteString& p) { return switchCommand(p); });
    onCommand(159, [this](const ByteString& p) -> std::optional<ByteString> {
        if (p.size() != 9) return negative(RefusedParameter, 159);
        Fingerprint& f = m_fingerprint;
        f.programmerId = static_cast<uint16_t>(le16At(p, 0));
        f.programmerSerial = le32At(p, 2);
        f.year = static_cast<uint8_t>(at(p, 6));
        f.month = static_cast<uint8_t>(at(p, 7));
        f.day = static_cast<uint8_t>(at(p, 8));
        if (f.countdown == 0) return reply(159, bytes({Refused}));
        --f.countdown;
        return reply(159, bytes({Done}));
    });
    onCommand(160, [this](const ByteString& p) -> std::optional<ByteString> {
        if (p.size() != 8) return negative(RefusedParameter, 160);
        const uint64_t start = le32At(p, 0), length = le32At(p, 4);
        const bool fits =
            start >= ApplicationStart && length > 0 && start + length - 1 <= ApplicationEnd;
        m_announced = m_erased && fits;
        if (!m_announced) return reply(160, bytes({Refused}));
        m_start = static_cast<uint32_t>(start);
        m_length = static_cast<uint32_t>(length);
        m_nextChunk = 1;
        m_complete = false;
        return reply(160, bytes({Done}));
    });
    onCommand(161, [this](const ByteString& p) -> std::optional<ByteString> {
        // The chunks come in order, each padded to 64 bytes.
        if (!m_announced || p.size() != 4 + ChunkSize || le32At(p, 0) != m_nextChunk)
            return reply(161, bytes({Refused}));
        const uint64_t offset = uint64_t{m_nextChunk - 1} * ChunkSize;
        for (uint32_t i = 0; i < ChunkSize && offset + i < m_length; ++i)
            m_memory[m_start - ApplicationStart + offset + i] = static_cast<uint8_t>(p[4 + i]);
        ++m_nextChunk;
        return reply(161, bytes({Done}));
    });
    onCommand(162, [this](const ByteString&) -> std::optional<ByteString> {
        m_complete = m_announced && uint64_t{m_nextChunk - 1} * ChunkSize >= m_length;
        return reply(162, bytes({m_complete ? Done : Refused}));
    });
    onCommand(154, [this](const ByteString& p) -> std::optional<ByteString> {
        if (p.size() != 5 || at(p, 0) != 0) return negative(RefusedParameter, 154);
        const uint32_t own = m_complete ? imageCrc() : 0;
        m_valid = m_complete && own == le32At(p, 1);
        if (m_valid) m_crc = own;
        ByteString d = bytes({m_valid ? Done : Refused});
        le32(d, own);
        return reply(154, d);
    });
}
