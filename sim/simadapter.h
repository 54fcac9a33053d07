// One simulated diagnosis adapter: it takes the frames the PC writes (unstuffed, CRC-checked),
// answers the bus configuration, the wake-up pattern and the bus transfer as the real adapter
// does, hands each bus telegram to the control unit attached to the configured bus, and queues
// its answers for the PC to read, each readable from its due time on. Fault knobs make it
// silent, slow or garbled. It holds no lock: the driver around it (SimFtDriver) serialises.
#pragma once

#include <array>
#include <cstdint>
#include <deque>

#include "records.h"
#include "simclock.h"
#include "simunit.h"

// A count knob: 0 off, n > 0 the next n frames, -1 every frame.
struct SimFaults {
    int dropAnswers = 0;       // frames lost before the adapter: no answer
    int badCrcAnswers = 0;     // answers whose CRC is wrong
    int corruptAnswers = 0;    // answers with one data byte changed after the CRC was taken
    int duplicateAnswers = 0;  // answers sent twice
    int duplicateGapMs = 0;    // ... the copy this long after the answer
    int answerDelayMs = 0;     // an answer is readable this long after its frame arrived
    uint32_t splitBytes = 0;   // one read returns at most this many bytes (0: no limit)
    bool failWrites = false;   // writes fail with an I/O error
    int transferStatus = -1;   // status byte forced on every bus transfer (e.g. 0x21), -1 off
};

// The time the real line takes, for a demonstration at a real heater's pace: every byte of the
// bus telegram and of the unit's answer at the bus's byte time, the unit's answer delay between
// them, the wake-up pattern's length; a unit that stays silent lets the adapter wait out its
// answer time (T3 of the bus configuration). Each exchange stays well inside the PC's reply
// time-out. Off, answers are readable at once (tests, benchmarks).
struct SimLinePace {
    bool on = false;
    // W-Bus and S-Bus: 11 bits at 2400 baud; K-Line: 10 bits at 10400 baud.
    std::array<int, 3> byteUs{4583, 962, 4583};
    int answerDelayMs = 30;  // a control unit's typical delay before its answer
    // K-Line: the pause the adapter keeps after a unit's answer before it may send the next
    // request (the protocol's minimum of 55 ms between an answer and a request).
    int klineGapMs = 55;
};

struct SimAdapterStats {
    int frames = 0;     // good frames received
    int badFrames = 0;  // frames dropped for a wrong CRC
    int answers = 0;    // answer frames queued
    int writes = 0;     // write calls
    int purgesRx = 0, purgesTx = 0;
    ByteString lastFrame;     // command byte and data of the last good frame
    ByteString lastTelegram;  // the last bus telegram of a transfer
    SimBusConfig lastConfig;
};

class SimAdapter {
public:
    static constexpr const char* Description = "NAVIRON Diagnose Adapter";
    static constexpr size_t MaxFrameBytes = 1024;

    SimAdapter(ByteString serial, ByteString description);

    const ByteString& serial() const { return m_serial; }
    const ByteString& description() const { return m_description; }
    bool plugged = true;
    unsigned plugIns = 1;  // times plugged in, the first included
    SimFaults faults;
    SimLinePace pace;
    SimAdapterStats stats;

    // Not owned; one unit per bus. The unit learns the adapter's clock.
    void attachUnit(ISimControlUnit* unit, const ISimClock& clock);
    void detachUnit(uint8_t bus);

    // Bytes the PC wrote, at the given time.
    void receive(const uint8_t* data, size_t n, int64_t nowMs);
    // Raw bytes for the PC (line noise, stray frames), readable at once.
    void pushToHost(const ByteString& bytes, int64_t nowMs);

    // What the PC may read at nowMs.
    size_t readable(int64_t nowMs) const;
    bool readableHas(uint8_t byte, int64_t nowMs) const;
    ByteString take(size_t maxBytes, int64_t nowMs);
    // Due time of the first answer not yet readable, or -1.
    int64_t nextDue(int64_t nowMs) const;

    // Discards what is readable; answers still on their way arrive later.
    void purgeToHost(int64_t nowMs);
    // Forgets everything in flight (unplug, new open).
    void reset();

private:
    struct Chunk {
        int64_t due;
        ByteString bytes;
    };
    void decode(uint8_t b, int64_t nowMs);
    void frameDone(int64_t nowMs);
    // lineMs: how long the bus took (pacing), on top of the answer delay knob.
    void answer(const ByteString& data, int64_t nowMs, int64_t lineMs = 0);
    int64_t busMs(size_t bytes) const;
    static bool consume(int& knob);

    ByteString m_serial, m_description;
    std::array<ISimControlUnit*, 3> m_units{};
    uint8_t m_bus = 0;
    // host → adapter decoder
    ByteString m_in;
    bool m_inFrame = false, m_sawData = false, m_sawEnd = false, m_escape = false;
    // adapter → host
    std::deque<Chunk> m_out;
};
