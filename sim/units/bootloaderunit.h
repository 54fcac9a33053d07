// A simulated boot loader of an S-Bus control unit at device address 3: it identifies itself,
// opens and keeps a session, reports its own, the application's and the last programming's
// identification, and takes a new application: fingerprint, erase in two parts, the range,
// the numbered 64-byte chunks, the end of the transfer, the CRC-32 over the real image bytes
// (the last chunk comes padded to 64 bytes) and the start of the application. The class-5 unit
// runs one when it leaves its application; the S-Bus adapter may also carry one alone.
//
// A transfer that stops half-way leaves the application erased: the unit stays in its boot
// loader until an image has been written whole, checked and started.
#pragma once

#include <vector>

#include "sbusunitbase.h"

class SimBootLoader : public SimSBusUnit {
public:
    static constexpr uint8_t Address = 3;
    static constexpr uint32_t SessionKey = 0x01000006;
    static constexpr const char* SwitchKey = "KX3166EXIT";
    static constexpr int64_t SessionTimeoutMs = 120000;
    // The application memory.
    static constexpr uint32_t ApplicationStart = 0x10000;
    static constexpr uint32_t ApplicationEnd = 0x7FFFF;
    static constexpr uint32_t ChunkSize = 64;

    struct Fingerprint {
        uint16_t programmerId = 0;
        uint32_t programmerSerial = 0;
        uint8_t year = 0, month = 0, day = 0;  // year - 2000
        uint16_t countdown = 200;              // programmings left
    };

    SimBootLoader();

    // The boot loader's own software identification (the data of message 81).
    static ByteString bootSoftware();

    void setIdentText(const ByteString& text) { m_ident = text; }
    // A byte of the application memory (0xFF where erased; 0xFF outside it).
    uint8_t software(uint32_t address) const;
    // The application is whole and checked: the boot loader may start it.
    bool applicationValid() const { return m_valid; }
    // Leaves the application erased (a unit whose last programming never finished).
    void eraseApplication();
    uint32_t applicationLength() const { return m_length; }
    uint32_t applicationCrc() const { return m_crc; }
    const Fingerprint& fingerprint() const { return m_fingerprint; }
    // True once after the boot loader started the application (message 155 sub 1).
    bool takeApplicationStart();

protected:
    void beforeRequest() override;

private:
    void registerMessages();
    void registerProgramming();
    std::optional<ByteString> switchCommand(const ByteString& params);
    uint32_t imageCrc() const;

    ByteString m_ident = "0000000473800051";
    std::vector<uint8_t> m_memory;
    int64_t m_lastKeepAlive = 0;
    bool m_valid = true;
    bool m_erasing = false;  // the first part of the erase is done
    bool m_erased = false;   // the whole application memory is erased
    bool m_announced = false;
    uint32_t m_start = ApplicationStart;
    uint32_t m_length = 0;
    uint32_t m_nextChunk = 1;
    bool m_complete = false;
    uint32_t m_crc = 0;
    bool m_started = false;
    Fingerprint m_fingerprint;
};
