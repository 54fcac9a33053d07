#include "kx3166unit.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "hex.h"

namespace {

class SimKX3166 : public ::testing::Test {
protected:
    void SetUp() override { unit.attachClock(clock); }

    // The answer data (message ID first) to request data sent by the tester, or "none".
    ByteString ask(const ByteString& data, bool crc = false) {
        const auto a = unit.answer(SimSBusUnit::frameTelegram(7, 1, data, crc));
        if (!a) return "none";
        EXPECT_EQ(SimSBusUnit::frameTelegram(1, 7, a->substr(3, a->size() - 4), false), *a);
        return a->substr(3, a->size() - 4);
    }
    ByteString ask(const char* dataHex) { return ask(H(dataHex)); }
    void openSession() { ASSERT_EQ(ask("1E 01 06 00 00 01"), H("1E 01")); }
    // The overview block at the present time, and one byte of it (0-based).
    uint8_t overviewByte(size_t at) { return static_cast<uint8_t>(ask("35").at(1 + at)); }
    void pass(int64_t ms) {
        now += ms;
        unit.advance();
    }

    int64_t now = 1000;
    FunctionSimClock clock{[this] { return now; }};
    SimKX3166Unit unit;
};

TEST_F(SimKX3166, FramingChecksAndNegativeAnswers) {
    EXPECT_EQ(ask("14"),
              "\x14"
              "0000000473800061");
    EXPECT_EQ(ask(H("14"), true),
              "\x14"
              "0000000473800061");  // a request with the CRC-16
    ByteString damaged = SimSBusUnit::frameTelegram(7, 1, H("14"), false);
    damaged.back() ^= 1;
    EXPECT_FALSE(unit.answer(damaged));
    EXPECT_FALSE(unit.answer(SimSBusUnit::frameTelegram(3, 1, H("14"), false)));  // not its address
    EXPECT_FALSE(unit.answer(H("07 01 02 14")));                                  // cut short
    // unknown message, wrong parameters, commands before the session
    EXPECT_EQ(ask("77"), H("00 01 77"));
    EXPECT_EQ(ask("1E 01 00 00 00 01"), H("00 02 1E"));
    EXPECT_EQ(ask("5B 0B"), H("00 02 5B"));
    EXPECT_EQ(ask("98 01 FF 01 02"), H("00 02 98"));  // beyond the area
    EXPECT_EQ(ask("0A 01"), H("00 04 0A"));
    EXPECT_EQ(unit.receivedCount(0x0A), 1);
    // answers with the CRC-16 when asked to
    unit.setAnswerWithCrc(true);
    const auto a = unit.answer(SimSBusUnit::frameTelegram(7, 1, H("5A"), false));
    ASSERT_TRUE(a);
    EXPECT_EQ(static_cast<uint8_t>((*a)[2]), 0x82);
    EXPECT_EQ(*a, SimSBusUnit::frameTelegram(1, 7, H("5A 10"), true));
    unit.setSilent(true);
    EXPECT_EQ(ask("14"), "none");
}

TEST_F(SimKX3166, SessionOpensStaysWithTheKeepAliveAndEndsWithoutIt) {
    openSession();
    EXPECT_EQ(ask("0A 01"), H("0A 01"));
    pass(100000);
    openSession();  // the keep-alive
    pass(100000);
    EXPECT_TRUE(unit.sessionOpen());
    pass(30000);
    EXPECT_EQ(ask("0A 00"), H("00 04 0A"));
    EXPECT_FALSE(unit.sessionOpen());
    openSession();
    unit.wakeup();  // a new conversation must open its own
    EXPECT_EQ(ask("0A 00"), H("00 04 0A"));
}

TEST_F(SimKX3166, TheSessionsEndLiftsTheTakeOverAndStopsTheComponentTest) {
    for (bool lapse : {true, false}) {
        SCOPED_TRACE(lapse ? "no keep-alive for longer than the time-out" : "a new wake-up");
        openSession();
        EXPECT_EQ(ask("0C 01"), H("0C 01"));                    // the pump line overridden on
        EXPECT_EQ(ask("0E 03 00 00 00"), H("0E 03 00 00 00"));  // the pump on until switched off
        EXPECT_EQ(unit.componentUnderTest(), SimKX3166Unit::ComponentPump);
        if (lapse)
            pass(SimKX3166Unit::SessionTimeoutMs + 1000);
        else
            unit.wakeup();
        EXPECT_FALSE(unit.sessionOpen());
        EXPECT_EQ(unit.override(SimKX3166Unit::UPFA), 255);
        EXPECT_EQ(unit.componentUnderTest(), 0);
        pass(100);
        EXPECT_EQ(unit.state(), 2);
    }
}

TEST_F(SimKX3166, HeatsThroughItsPhasesWhileTheMainSwitchIsOn) {
    openSession();
    struct Phase {
        int64_t after;  // ms since the main switch went on
        uint8_t state;
        bool flame;
    };
    EXPECT_EQ(ask("0A 01"), H("0A 01"));
    EXPECT_EQ(unit.state(), 10);
    EXPECT_EQ(unit.counters().starts, 1874u);
    const Phase phases[] = {{9000, 10, false}, {11000, 12, false}, {14000, 13, false},
                            {16000, 13, true}, {19000, 14, true},  {60000, 14, true}};
    int64_t at = 0;
    for (const Phase& p : phases) {
        pass(p.after - at);
        at = p.after;
        SCOPED_TRACE(p.after);
        EXPECT_EQ(unit.state(), p.state);
        EXPECT_EQ(overviewByte(27), p.state);
        EXPECT_EQ(overviewByte(15), p.flame ? 1 : 4);
        EXPECT_TRUE(unit.pumpRunning());
    }
    EXPECT_GT(unit.coolantC(), 35.0);
    EXPECT_EQ(ask("11 01"), H("11 01"));  // terminal 61: supplementary heating
    EXPECT_EQ(unit.state(), 15);
    // heats up to the upper threshold, runs on, waits with the pump until it has cooled; the
    // keep-alive holds the session, whose end would lift the main switch's override
    const auto live = [&](int64_t ms) {
        for (; ms > 0; ms -= 60000) {
            pass(std::min<int64_t>(ms, 60000));
            openSession();
        }
    };
    live(120000);
    EXPECT_EQ(unit.state(), 3);
    EXPECT_GE(unit.coolantC(), 75.0);
    int64_t waited = 0;
    for (; unit.state() == 3 && waited < 400000; waited += 1000) live(1000);
    EXPECT_EQ(unit.state(), 10);  // a new start once it is below the lower threshold
    EXPECT_LT(unit.coolantC(), 70.0);
    EXPECT_GT(waited, 100000);
    EXPECT_EQ(unit.counters().starts, 1875u);
    // off: run-on, then ready
    const double heat = unit.counters().heatSeconds;
    EXPECT_EQ(ask("0D 00 FF FF FF"), H("0D 00 FF FF FF"));
    EXPECT_EQ(unit.state(), 17);
    pass(31000);
    EXPECT_EQ(unit.state(), 2);
    EXPECT_FALSE(unit.pumpRunning());
    EXPECT_LT(unit.counters().heatSeconds, heat + 1);
}

TEST_F(SimKX3166, LinesFollowTheWireUnlessOverridden) {
    openSession();
    unit.setWire(SimKX3166Unit::UPFA, true);
    pass(100);
    EXPECT_EQ(unit.state(), 4);
    EXPECT_EQ(overviewByte(20) & 0x10, 0x10);
    EXPECT_EQ(ask("0C 00"), H("0C 00"));
    EXPECT_EQ(unit.state(), 2);
    EXPECT_EQ(overviewByte(20) & 0x10, 0);
    const ByteString in = ask("32");
    EXPECT_EQ(in.size(), 32u);
    EXPECT_EQ(static_cast<uint8_t>(in[10]) | static_cast<uint8_t>(in[11]) << 8, 4);  // UPFA input
    EXPECT_EQ(ask("0C FF"), H("0C FF"));
    EXPECT_EQ(unit.state(), 4);
    EXPECT_EQ(ask("0C 07"), H("00 02 0C"));
    EXPECT_EQ(ask("0D 01 FF 00"), H("00 02 0D"));
}

TEST_F(SimKX3166, ComponentTestRunsUntilSwitchedOffOrItsTimeAndNotWhileBurning) {
    openSession();
    EXPECT_EQ(ask("0E 01 00 D0 07"), H("0E 01 00 D0 07"));
    EXPECT_EQ(unit.state(), 5);
    EXPECT_EQ(overviewByte(23), 1);
    EXPECT_EQ(overviewByte(2) | overviewByte(3) << 8, 2000);  // the motor at its setpoint
    pass(60000);
    EXPECT_EQ(unit.state(), 5);  // runtime 0: on until switched off
    EXPECT_EQ(ask("0F 01"), H("0F 01"));
    EXPECT_EQ(unit.state(), 2);
    ask("0E 03 05 00 00");  // the pump for 5 s
    EXPECT_TRUE(unit.pumpRunning());
    pass(6000);
    EXPECT_FALSE(unit.pumpRunning());
    ask("0E 03 05 00 00");
    ask("0E 03 00 00 00");  // a repeat with runtime 0 holds it on
    pass(6000);
    EXPECT_TRUE(unit.pumpRunning());
    EXPECT_EQ(ask("0E 00 00 00 00"), H("0E 00 00 00 00"));
    EXPECT_EQ(unit.state(), 2);
    ask("0A 01");
    EXPECT_EQ(ask("0E 02 00 00 00"), H("00 04 0E"));
    EXPECT_EQ(ask("0E 09 00 00 00"), H("00 02 0E"));
}

TEST_F(SimKX3166, ErrorMemoryCountersAndMemory) {
    openSession();
    EXPECT_EQ(ask("5A"), H("5A 10"));
    EXPECT_EQ(ask("5B 02").substr(0, 3), H("5B 02 0A"));
    EXPECT_EQ(ask("5B 04"), H("5B 04") + ByteString(18, '\0'));
    EXPECT_EQ(ask("5C"), H("5C 00"));
    EXPECT_TRUE(unit.errors().empty());
    EXPECT_EQ(ask("5A"), H("5A 11"));  // the status byte shows the change
    EXPECT_EQ(ask("5B 01"), H("5B 01") + ByteString(18, '\0'));
    EXPECT_EQ(ask("10"), H("10"));

    EXPECT_EQ(ask("31 01 00 00 00 00 01 00 00"), H("31 01 00 00 00 00 01 00 00"));
    EXPECT_EQ(unit.counters().faults, 0u);
    EXPECT_EQ(unit.counters().starts, 0u);
    EXPECT_EQ(unit.counters().flameOuts, 4u);
    EXPECT_EQ(ask("31 01"), H("00 02 31"));

    EXPECT_EQ(ask("99 01"), H("99 01 00 02"));
    EXPECT_EQ(ask("99 04"), H("00 02 99"));
    EXPECT_EQ(ask("98 01 40 00 01"), H("98 01 40 00 01 14"));
    EXPECT_EQ(ask("2F").size(), 25u);
    EXPECT_EQ(ask("30").size(), 9u);
    EXPECT_EQ(ask("26").size(), 62u);
    EXPECT_EQ(ask("51").size(), 16u);
    EXPECT_EQ(ask("52").size(), 37u);
    EXPECT_EQ(ask("53").size(), 17u);
    EXPECT_EQ(ask("54").size(), 15u);
}

}  // namespace
