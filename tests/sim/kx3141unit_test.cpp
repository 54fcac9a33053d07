#include "kx3141unit.h"

#include <gtest/gtest.h>

#include "hex.h"

namespace {

class SimKX3141 : public ::testing::Test {
protected:
    void SetUp() override { unit.attachClock(clock); }

    // The answer data (message ID first) to request data sent by the tester, or "none".
    ByteString ask(const ByteString& data) {
        const auto a = unit.answer(SimSBusUnit::frameTelegram(7, 1, data, false));
        if (!a) return "none";
        EXPECT_EQ(SimSBusUnit::frameTelegram(1, 7, a->substr(3, a->size() - 4), false), *a);
        return a->substr(3, a->size() - 4);
    }
    ByteString ask(const char* dataHex) { return ask(H(dataHex)); }
    void openSession() { ASSERT_EQ(ask("1E 01 00 00 00 01"), H("1E 01")); }
    // One byte of the overview block (0-based), read through the bus at the present time.
    uint8_t overviewByte(size_t at) {
        const ByteString a = ask("96 00 00 2D");
        return static_cast<uint8_t>(a.at(4 + at));
    }
    void pass(int64_t ms) {
        now += ms;
        unit.advance();
    }

    int64_t now = 1000;
    FunctionSimClock clock{[this] { return now; }};
    SimKX3141Unit unit;
};

TEST_F(SimKX3141, IdentificationSessionAndRefusals) {
    EXPECT_EQ(ask("14"), "\x14          KX3141");
    EXPECT_EQ(ask("1B"),
              "\x1B"
              "V1.3");
    EXPECT_EQ(ask("77"), H("00 01 77"));                 // unknown message
    EXPECT_EQ(ask("1E 01 06 00 00 01"), H("00 02 1E"));  // another class's session key
    EXPECT_EQ(ask("0A 01"), H("00 04 0A"));              // no session yet
    EXPECT_EQ(ask("5C"), H("00 04 5C"));
    openSession();
    EXPECT_EQ(ask("0A 02"), H("00 02 0A"));
    EXPECT_EQ(ask("0D 01 00"), H("00 02 0D"));
    EXPECT_EQ(ask("5B 00"), H("00 02 5B"));
    EXPECT_EQ(ask("5B 0B"), H("00 02 5B"));
    // the session closes after two minutes without a request, and with a new wake-up
    pass(SimKX3141Unit::SessionTimeoutMs + 1000);
    EXPECT_EQ(ask("0C 01"), H("00 04 0C"));
    openSession();
    unit.wakeup();
    EXPECT_EQ(ask("0C 01"), H("00 04 0C"));
    unit.setSilent(true);
    EXPECT_EQ(ask("14"), "none");
}

TEST_F(SimKX3141, MemoryReadsEndShortOrRefusedPastTheirEnd) {
    // the counter block at the start of the EOL memory
    const ByteString counters = ask("97 00 00 1E");
    ASSERT_EQ(counters.size(), 34u);
    EXPECT_EQ(counters.substr(0, 4), H("97 00 00 1E"));
    const ByteString block = counters.substr(4);
    EXPECT_EQ(block.substr(0, 4), H("00 00 03 07"));  // -, lock-out, flame-outs, faults
    EXPECT_EQ(block.substr(4, 4), H("87 D6 12 00"));  // 1234567 s
    EXPECT_EQ(block.substr(16, 2), H("29 09"));       // 2345 starts
    EXPECT_EQ(block.substr(28, 2), H("02 00"));       // 2 start attempts below -40 °C

    // the EOL memory read in steps of 8 as the parameter-set window does: the last step is short
    struct Case {
        size_t size;
        const char* last;   // the read that ends it
        ByteString answer;  // its answer
    };
    const Case cases[] = {
        {254, "97 F8 00 08", H("97 F8 00 06")},  // six bytes are left
        {256, "97 00 01 08", H("00 08 97")},     // nothing is left: error bit 3 (code 23)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        unit.setEolSize(c.size);
        ByteString whole;
        for (unsigned a = 0; a + 8 <= c.size; a += 8) {
            ByteString q = H("97");
            q += static_cast<char>(a & 0xFF);
            q += static_cast<char>(a >> 8);
            q += '\x08';
            const ByteString r = ask(q);
            ASSERT_EQ(r.size(), 12u) << a;
            EXPECT_EQ(r.substr(0, 4), q) << a;
            whole += r.substr(4);
        }
        const ByteString last = ask(c.last);
        EXPECT_EQ(last.substr(0, c.answer.size()), c.answer);
        if (c.size == 254) whole += last.substr(4);
        EXPECT_EQ(whole, unit.eolMemory());
    }
    EXPECT_EQ(ask("97 00 00 00"), H("00 02 97"));  // nothing asked for
    // with data bytes after the count it is a write of them, answered with the request
    EXPECT_EQ(ask("97 40 00 01 55"), H("97 40 00 01 55"));
    EXPECT_EQ(static_cast<uint8_t>(unit.eolCells()[0x40]), 0x55);
    EXPECT_EQ(ask("97 40 00 02 55"), H("00 02 97"));     // fewer bytes than the count
    EXPECT_EQ(ask("97 FF 00 02 55 66"), H("00 08 97"));  // past the end of the memory
    // the overview block: 45 bytes, fewer at its end, refused behind it
    EXPECT_EQ(ask("96 00 00 2D").size(), 4u + 45u);
    EXPECT_EQ(ask("96 28 00 08"), H("96 28 00 05") + ask("96 00 00 2D").substr(4 + 40));
    EXPECT_EQ(ask("96 2D 00 01"), H("00 08 96"));
}

TEST_F(SimKX3141, TheSessionsEndStopsTheComponentTest) {
    unit.setIdleState(SimKX3141Unit::Off);
    for (bool lapse : {true, false}) {
        SCOPED_TRACE(lapse ? "no request for longer than the time-out" : "a new wake-up");
        openSession();
        EXPECT_EQ(ask("0E 02 00"), H("0E 02 00"));  // the pump on until switched off
        EXPECT_EQ(unit.componentUnderTest(), 2);
        if (lapse)
            pass(SimKX3141Unit::SessionTimeoutMs + 1000);
        else
            unit.wakeup();
        EXPECT_FALSE(unit.sessionOpen());
        EXPECT_EQ(unit.componentUnderTest(), 0);
    }
}

TEST_F(SimKX3141, HeatsThroughItsPhasesWhileHeatingIsCommanded) {
    openSession();
    EXPECT_EQ(ask("0A 01"), H("0A 01"));
    EXPECT_EQ(unit.state(), SimKX3141Unit::Preheat);
    EXPECT_EQ(unit.counters().starts, 2346u);
    EXPECT_EQ(unit.counters().startsByTemperature[0], 1201u);
    struct Phase {
        int64_t after;  // ms since heating was commanded
        uint8_t state;
        bool blower, ignition, valve1, valve2, flame;
    };
    const Phase phases[] = {
        {3000, 11, false, false, false, false, false},  // controller heating
        {5000, 12, true, false, false, false, false},   // pre-run
        {13000, 13, true, true, false, false, false},   // pre-ignition
        {16000, 14, true, true, true, false, false},    // ignition with the first valve
        {19000, 14, true, false, true, true, true},     // the flame is there
        {23000, 16, true, false, true, true, true},     // heating
    };
    int64_t at = 0;
    for (const Phase& p : phases) {
        pass(p.after - at);
        at = p.after;
        SCOPED_TRACE(p.after);
        ASSERT_EQ(unit.state(), p.state);
        EXPECT_EQ(unit.blower(), p.blower);
        EXPECT_EQ(unit.ignition(), p.ignition);
        EXPECT_EQ(unit.valve1(), p.valve1);
        EXPECT_EQ(unit.valve2(), p.valve2);
        EXPECT_EQ(unit.flame(), p.flame);
        EXPECT_TRUE(unit.pumpRunning());
        // the overview block says the same
        EXPECT_EQ(overviewByte(23) | overviewByte(24) << 8, p.state << 8);
        EXPECT_EQ((overviewByte(0) & 0x80) != 0, p.flame);
        EXPECT_EQ((overviewByte(1) & 0x0C) == 0x0C, p.valve2);
        EXPECT_EQ((overviewByte(0) & 0x20) != 0, p.ignition);
        EXPECT_EQ(overviewByte(1) & 0x02, p.state == 11 ? 2 : 0);  // controller heating
    }
    // the refresh keeps it heating past the command's hold; the coolant warms
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ask("0D 01 00 00"), H("0D 01 00 00"));
        pass(15000);
    }
    EXPECT_EQ(unit.state(), SimKX3141Unit::Heating);
    EXPECT_GT(unit.coolantC(), 40.0);
    const double heat = unit.counters().heatSeconds;
    // without a refresh the command falls back: run-on, then ready with the pump off
    pass(SimKX3141Unit::CommandHoldMs + 1000);
    EXPECT_FALSE(unit.heatingCommanded());
    EXPECT_EQ(unit.state(), SimKX3141Unit::RunOn1);
    EXPECT_LT(unit.counters().heatSeconds, heat + 31);
    pass(31000);
    EXPECT_EQ(unit.state(), SimKX3141Unit::Ready);
    EXPECT_FALSE(unit.pumpRunning());
}

TEST_F(SimKX3141, CyclesBetweenItsSwitchingThresholdsAndRunsThePumpAlone) {
    openSession();
    ask("0A 01");
    // Runs for a second at a time, heating refreshed every 10 s, until the condition holds.
    auto runUntil = [&](auto cond) {
        for (int s = 0; s < 1200 && !cond(); ++s) {
            if (s % 10 == 0) ask("0D 01 00 00");
            pass(1000);
        }
        return cond();
    };
    ASSERT_TRUE(runUntil([&] { return unit.state() == SimKX3141Unit::RunOn1; }));
    EXPECT_GE(unit.coolantC(), 79.9);
    // waits with the pump until it has cooled below the lower threshold, then starts again
    ASSERT_TRUE(runUntil([&] { return unit.state() == SimKX3141Unit::Ready; }));
    EXPECT_TRUE(unit.pumpRunning());
    ASSERT_TRUE(runUntil([&] { return unit.state() == SimKX3141Unit::Preheat; }));
    EXPECT_LT(unit.coolantC(), 70.0);
    EXPECT_GT(unit.coolantC(), 69.0);
    EXPECT_EQ(unit.counters().starts, 2347u);
    // heating off, pump on: the pump alone once the run-on is over
    EXPECT_EQ(ask("0D 00 00 01"), H("0D 00 00 01"));
    pass(20000);
    EXPECT_EQ(ask("0D 00 00 01"), H("0D 00 00 01"));
    pass(11000);
    EXPECT_EQ(unit.state(), SimKX3141Unit::PumpOnly);
    EXPECT_EQ(overviewByte(0) & 0x40, 0x40);
    EXPECT_EQ(overviewByte(1) & 0x21, 0x21);  // UPFA, by the bus
    EXPECT_EQ(ask("0C 00"), H("0C 00"));
    EXPECT_EQ(unit.state(), SimKX3141Unit::Ready);
    EXPECT_FALSE(unit.pumpRunning());
}

TEST_F(SimKX3141, ErrorMemory) {
    openSession();
    EXPECT_EQ(ask("5A"), H("5A 20"));
    // entry 1: code 9, twice, in the ignition, at 1234:56 and 987:39, 12.45 V
    EXPECT_EQ(ask("5B 01"), H("5B 01 09 02 0E D2 04 38 DB 03 27 DD 04") + ByteString(8, '\0'));
    EXPECT_EQ(ask("5B 04"), H("5B 04") + ByteString(19, '\0'));  // an empty place
    EXPECT_EQ(ask("5C"), H("5C 00"));
    EXPECT_TRUE(unit.errors().empty());
    EXPECT_EQ(ask("5A"), H("5A 21"));  // the status byte shows the change
    EXPECT_EQ(ask("5B 01"), H("5B 01") + ByteString(19, '\0'));
    EXPECT_EQ(ask("10"), H("10"));
}

}  // namespace
