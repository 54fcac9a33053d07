#include <gtest/gtest.h>

#include <chrono>

#include "adapterframes.h"
#include "hex.h"
#include "simftdriver.h"

namespace {

ByteString frameOf(uint8_t command, const ByteString& data) {
    ByteString f;
    AdapterFrameProtocol::ADP_BuildFrame(command, data, f);
    return f;
}
ByteString request(const char* dataHex) {
    return frameOf(6, H(dataHex));
}
ByteString reply(const char* dataHex) {
    return frameOf(0x86, H(dataHex));
}

// A unit that answers a fixed text and remembers what it saw.
class EchoUnit : public ISimControlUnit {
public:
    explicit EchoUnit(uint8_t bus, std::optional<ByteString> ans) : m_bus(bus), m_answer(ans) {}
    uint8_t bus() const override { return m_bus; }
    void configure(const SimBusConfig& c) override { configs.push_back(c); }
    void wakeup() override { ++wakeups; }
    void attachClock(const ISimClock& c) override { clock = &c; }
    std::optional<ByteString> answer(const ByteString& t) override {
        telegrams.push_back(t);
        return m_answer;
    }
    std::vector<SimBusConfig> configs;
    std::vector<ByteString> telegrams;
    int wakeups = 0;
    const ISimClock* clock = nullptr;

private:
    uint8_t m_bus;
    std::optional<ByteString> m_answer;
};

class SimAdapterTest : public ::testing::Test {
protected:
    SimAdapterTest() : clock([this] { return now; }), drv(clock) {
        first = drv.addAdapter("NAV0001");
        second = drv.addAdapter("NAV0002");
    }
    void open() { ASSERT_EQ(drv.FT_OpenEx("NAV0001", FT_OPEN_BY_SERIAL_NUMBER), FT_OK); }
    void write(const ByteString& bytes) {
        uint32_t written = 0;
        ASSERT_EQ(drv.FT_Write(reinterpret_cast<const uint8_t*>(bytes.data()),
                               static_cast<uint32_t>(bytes.size()), written),
                  FT_OK);
        ASSERT_EQ(written, bytes.size());
    }
    ByteString read(uint32_t max = 4096) {
        ByteString buf(max, '\0');
        uint32_t got = 0;
        EXPECT_EQ(drv.FT_Read(reinterpret_cast<uint8_t*>(&buf[0]), max, got), FT_OK);
        buf.resize(got);
        return buf;
    }
    int64_t now = 0;
    FunctionSimClock clock;
    SimFtDriver drv;
    size_t first = 0, second = 0;
};

// An adapter whose serial is longer than the program keeps is opened by the whole serial and
// by the serial as the program keeps it; a shorter piece of it names no adapter.
TEST(SimFtDriverSerial, LongSerialOpensByItsCutForm) {
    SimFtDriver drv;
    drv.addAdapter("NAV00001");
    drv.addAdapter("NAV0000300000000XYZ");
    const struct {
        const char* name;
        int opened;
    } cases[] = {{"NAV0000300000000XYZ", 1},
                 {"NAV0000300000000", 1},
                 {"NAV000030000000", -1},
                 {"NAV00001", 0}};
    for (const auto& c : cases) {
        const FT_STATUS st = drv.FT_OpenEx(c.name, FT_OPEN_BY_SERIAL_NUMBER);
        EXPECT_EQ(st, c.opened < 0 ? FT_DEVICE_NOT_FOUND : FT_OK) << c.name;
        EXPECT_EQ(drv.openAdapter(), c.opened) << c.name;
        drv.FT_Close();
    }
}

TEST_F(SimAdapterTest, ListsOpensAndSurvivesUnplug) {
    uint32_t n = 0;
    ByteString serial, desc;
    ASSERT_EQ(drv.FT_ListDeviceCount(n), FT_OK);
    EXPECT_EQ(n, 2u);
    ASSERT_EQ(drv.FT_ListSerialNumber(1, serial), FT_OK);
    EXPECT_EQ(serial, "NAV0002");
    ASSERT_EQ(drv.FT_ListDescription(0, desc), FT_OK);
    EXPECT_EQ(desc, "NAVIRON Diagnose Adapter");
    EXPECT_EQ(drv.FT_ListSerialNumber(2, serial), FT_DEVICE_NOT_FOUND);

    EXPECT_EQ(drv.FT_OpenEx("", FT_OPEN_BY_SERIAL_NUMBER), FT_DEVICE_NOT_FOUND);
    EXPECT_EQ(drv.FT_OpenEx("NAV9999", FT_OPEN_BY_SERIAL_NUMBER), FT_DEVICE_NOT_FOUND);
    ASSERT_EQ(drv.FT_OpenEx("NAVIRON Diagnose Adapter", FT_OPEN_BY_DESCRIPTION), FT_OK);
    EXPECT_EQ(drv.openAdapter(), 0);
    uint32_t type = 0, id = 0;
    ASSERT_EQ(drv.FT_GetDeviceInfo(type, id, serial, desc), FT_OK);
    EXPECT_EQ(serial, "NAV0001");

    // Pulled out: the handle is dead, the list shrinks, only a close works.
    drv.unplug(first);
    uint32_t q = 0;
    EXPECT_NE(drv.FT_GetQueueStatus(q), FT_OK);
    uint8_t b[8];
    uint32_t got = 0, written = 0;
    EXPECT_NE(drv.FT_Read(b, 8, got), FT_OK);
    EXPECT_NE(drv.FT_Write(b, 1, written), FT_OK);
    EXPECT_EQ(written, 0u);
    drv.FT_ListDeviceCount(n);
    EXPECT_EQ(n, 1u);
    ASSERT_EQ(drv.FT_ListSerialNumber(0, serial), FT_OK);
    EXPECT_EQ(serial, "NAV0002");
    drv.replug(first);
    EXPECT_NE(drv.FT_GetQueueStatus(q), FT_OK) << "the old handle stays dead after a re-plug";
    EXPECT_EQ(drv.FT_Close(), FT_OK);
    EXPECT_EQ(drv.FT_Close(), FT_INVALID_HANDLE);
    EXPECT_EQ(drv.FT_GetQueueStatus(q), FT_INVALID_HANDLE);
    open();
    EXPECT_EQ(drv.FT_GetQueueStatus(q), FT_OK);
}

TEST_F(SimAdapterTest, AnswersEachCommandLikeTheAdapter) {
    EchoUnit wbus(0, H("4F 03 D1 0B 96"));
    EchoUnit silentKline(1, std::nullopt);
    drv.attachUnit(first, &wbus);
    drv.attachUnit(first, &silentKline);
    EXPECT_EQ(wbus.clock, &drv.clock());
    open();

    struct Case {
        const char* name;
        ByteString sent;
        ByteString expected;
    } cases[] = {
        {"W-Bus configuration", request("1E 00 03 06 0A 8D"), reply("1E")},
        {"wake-up", request("1F 1A 00 33 00"), reply("1F")},
        {"transfer answered", request("20 F4 03 51 0B"), reply("20 20 4F 03 D1 0B 96")},
        {"K-Line configuration", request("1E 01 06 0B 00 33"), reply("1E")},
        {"transfer, unit silent", request("20 87 9D F1"), reply("20 22")},
        {"S-Bus has no unit", request("1E 02 05 01 05 FF"), reply("1E")},
        {"transfer, no unit", request("20 07 01 00"), reply("20 22")},
        {"unknown sub", request("21 00"), ByteString()},
        {"other command", frameOf(7, H("20 01")), ByteString()},
        {"short configuration", request("1E 00 03"), ByteString()},
    };
    for (const auto& c : cases) {
        write(c.sent);
        EXPECT_EQ(hexOf(read()), hexOf(c.expected)) << c.name;
    }
    ASSERT_EQ(wbus.configs.size(), 1u);
    EXPECT_EQ(wbus.configs[0].c, 0x8D);
    EXPECT_EQ(wbus.wakeups, 1);
    EXPECT_EQ(wbus.telegrams.at(0), H("F4 03 51 0B"));
    EXPECT_EQ(silentKline.telegrams.size(), 1u);
    EXPECT_EQ(drv.stats(first).frames, 10);

    SimFaults f;
    f.transferStatus = 0x21;  // the adapter could not send on the bus
    drv.setFaults(first, f);
    write(request("1E 00 03 06 0A 8D"));
    read();
    write(request("20 F4 03 51 0B"));
    EXPECT_EQ(hexOf(read()), hexOf(reply("20 21")));
    EXPECT_EQ(wbus.telegrams.size(), 1u) << "a forced status does not reach the unit";
}

TEST_F(SimAdapterTest, FramesAreUnstuffedAndCheckedAcrossWrites) {
    EchoUnit wbus(0, H("00 05"));
    drv.attachUnit(first, &wbus);
    open();
    // One frame in three writes, with stuffed bytes in data and CRC.
    const ByteString f = request("20 F4 02 10 10");
    write(f.substr(0, 3));
    write(f.substr(3, 5));
    EXPECT_EQ(read(), "");
    write(f.substr(8));
    EXPECT_EQ(wbus.telegrams.at(0), H("F4 02 10 10"));
    EXPECT_EQ(hexOf(read()), hexOf(reply("20 20 00 05")));

    ByteString bad = request("20 F4 03 51 0B");
    bad[bad.size() - 2] ^= 0x40;  // CRC low byte
    write(bad);
    EXPECT_EQ(read(), "");
    EXPECT_EQ(drv.stats(first).badFrames, 1);
    // Garbage before a frame does not disturb it.
    write(H("FF 02 03 04 33") + request("1F 1A 00 33 00"));
    EXPECT_EQ(hexOf(read()), hexOf(reply("1F")));
}

TEST_F(SimAdapterTest, FaultKnobs) {
    open();
    const ByteString cfg = request("1E 00 03 06 0A 8D");
    const ByteString ack = reply("1E");
    SimFaults f;

    f.dropAnswers = 1;
    drv.setFaults(first, f);
    write(cfg);
    EXPECT_EQ(read(), "") << "dropped";
    write(cfg);
    EXPECT_EQ(hexOf(read()), hexOf(ack)) << "only the next one";

    f = {};
    f.badCrcAnswers = 1;
    drv.setFaults(first, f);
    write(cfg);
    ByteString got = read();
    ASSERT_EQ(got.size(), ack.size());
    EXPECT_EQ(got.substr(0, 5), ack.substr(0, 5));
    EXPECT_NE(got, ack) << "wrong CRC";

    f = {};
    f.corruptAnswers = -1;
    drv.setFaults(first, f);
    write(cfg);
    EXPECT_EQ(hexOf(read()), hexOf("\x01\x86\x02\x1F\x03" + ack.substr(5)))
        << "data changed, CRC of the original";

    f = {};
    f.duplicateAnswers = 1;
    f.splitBytes = 3;
    drv.setFaults(first, f);
    write(cfg);
    ByteString all;
    for (int i = 0; i < 20; ++i) {
        const ByteString part = read();
        EXPECT_LE(part.size(), 3u);
        all += part;
    }
    EXPECT_EQ(hexOf(all), hexOf(ack + ack));

    f = {};
    f.answerDelayMs = 300;
    drv.setFaults(first, f);
    write(cfg);
    now += 299;
    EXPECT_EQ(read(), "");
    uint32_t q = 99;
    drv.FT_Purge(FT_PURGE_RX);
    ASSERT_EQ(drv.FT_GetQueueStatus(q), FT_OK);
    EXPECT_EQ(q, 0u);
    now += 1;
    EXPECT_EQ(hexOf(read()), hexOf(ack)) << "a purge does not stop an answer on its way";

    f = {};
    f.failWrites = true;
    drv.setFaults(first, f);
    uint32_t written = 7;
    EXPECT_EQ(drv.FT_Write(reinterpret_cast<const uint8_t*>(cfg.data()), 3, written), FT_IO_ERROR);
    EXPECT_EQ(written, 0u);
}

// With pacing on, an answer is readable once the line would have carried it: the telegram's
// and the answer's bytes at the bus's byte time, the unit's delay between them; a silent unit
// lets the adapter wait out T3; a wake-up takes its pattern.
TEST_F(SimAdapterTest, PacedAnswersTakeTheLinesTime) {
    EchoUnit wbus(0, H("4F 03 D1 0B")), kline(1, H("4F 03 D1 0B")), sbus(2, std::nullopt);
    for (EchoUnit* u : {&wbus, &kline, &sbus}) drv.attachUnit(first, u);
    open();
    struct Case {
        const char* config;  // bus configuration before the frame
        const char* frame;
        int64_t dueMs;
        const char* what;
    } cases[] = {
        {"1E 00 03 06 0A 8D", "20 F4 03 51 0B", 18 + 30 + 18, "W-Bus: 4 + 4 bytes at 4.6 ms"},
        {"1E 01 06 0B 00 33", "20 F4 03 51 0B", 3 + 30 + 3 + 55,
         "K-Line: about 1 ms a byte, and the pause before the next request"},
        {"1E 02 05 01 05 FF", "20 F4 03 51 0B", 18 + 996, "S-Bus, silent unit: T3 996 ms"},
        {"1E 00 03 06 0A 8D", "1F 1A 00 33 00", 75, "wake-up 25 + 50 ms"},
    };
    SimLinePace pace;
    pace.on = true;
    drv.setPace(first, pace);
    for (const Case& c : cases) {
        write(request(c.config));
        EXPECT_FALSE(read().empty()) << c.what << ": the configuration is the adapter's own";
        write(request(c.frame));
        now += c.dueMs - 1;
        EXPECT_EQ(read(), "") << c.what;
        now += 1;
        EXPECT_FALSE(read().empty()) << c.what;
    }
    drv.setPace(first, SimLinePace{});
    write(request("20 F4 03 51 0B"));
    EXPECT_FALSE(read().empty()) << "unpaced: at once";
}

TEST(SimAdapterRealTime, ReadWaitsForTheTimeOutOrTheEventCharacter) {
    using namespace std::chrono;
    SimFtDriver drv;
    drv.addAdapter("NAV0001");
    ASSERT_EQ(drv.FT_OpenEx("NAV0001", FT_OPEN_BY_SERIAL_NUMBER), FT_OK);
    drv.FT_SetChars(0x04, 1, 0, 0);
    drv.FT_SetTimeouts(60, 800);
    uint8_t buf[64];
    uint32_t got = 0;
    auto t0 = steady_clock::now();
    ASSERT_EQ(drv.FT_Read(buf, sizeof buf, got), FT_OK);
    EXPECT_EQ(got, 0u);
    EXPECT_GE(steady_clock::now() - t0, milliseconds(55));

    drv.FT_SetTimeouts(5000, 800);
    SimFaults f;
    f.answerDelayMs = 20;
    drv.setFaults(0, f);
    const ByteString cfg = request("1E 00 03 06 0A 8D");
    uint32_t written = 0;
    drv.FT_Write(reinterpret_cast<const uint8_t*>(cfg.data()), cfg.size(), written);
    t0 = steady_clock::now();
    ASSERT_EQ(drv.FT_Read(buf, sizeof buf, got), FT_OK);
    EXPECT_EQ(got, reply("1E").size());
    EXPECT_LT(steady_clock::now() - t0, milliseconds(2000)) << "returns at the end character";
}

}  // namespace
