#include "kx3024unit.h"

#include <gtest/gtest.h>

#include "hex.h"

namespace {

// A request as the tester sends it: format 0x80 + data length, 9D, F1, data, 8-bit sum.
ByteString request(const char* dataHex, uint8_t target = 0x9D) {
    const ByteString d = H(dataHex);
    ByteString t{static_cast<char>(0x80 + d.size()), static_cast<char>(target), '\xF1'};
    t += d;
    unsigned s = 0;
    for (unsigned char b : t) s += b;
    return t + static_cast<char>(s & 0xFF);
}

class SimKX3024 : public ::testing::Test {
protected:
    void SetUp() override {
        unit.attachClock(clock);
        unit.wakeup();
        ASSERT_EQ(ask("81"), "C1 EA 8F FF FF FF FF ");
    }
    // The answer's seven data bytes as hex, "none" for silence; checks the frame around them.
    ByteString ask(const char* dataHex) {
        auto a = unit.answer(request(dataHex));
        if (!a) return "none";
        EXPECT_EQ(a->size(), 11u);
        EXPECT_EQ(hexOf(a->substr(0, 3)), "87 F1 9D ");
        unsigned s = 0;
        for (size_t i = 0; i + 1 < a->size(); ++i) s += static_cast<unsigned char>((*a)[i]);
        EXPECT_EQ(static_cast<uint8_t>(a->back()), s & 0xFF);
        return hexOf(a->substr(3, 7));
    }

    int64_t now = 0;
    FunctionSimClock clock{[this] { return now; }};
    SimKX3024Unit unit;
};

TEST_F(SimKX3024, AnswersOnlyReadableTelegramsAfterTheStart) {
    SimKX3024Unit fresh;
    // no wake-up yet: nothing, not even the start
    EXPECT_FALSE(fresh.answer(request("81")));
    fresh.wakeup();
    EXPECT_FALSE(fresh.answer(request("3E FF FF FF FF FF FF")));  // not begun
    EXPECT_TRUE(fresh.answer(request("81")));
    EXPECT_TRUE(fresh.answer(request("3E FF FF FF FF FF FF")));
    ByteString bad = request("3E FF FF FF FF FF FF");
    bad.back() ^= 1;
    EXPECT_FALSE(fresh.answer(bad));                                    // sum
    EXPECT_FALSE(fresh.answer(request("3E FF FF FF FF FF FF", 0x9E)));  // another unit
    ByteString longer = request("3E FF FF FF FF FF FF");
    longer.insert(3, 1, '\xFF');
    EXPECT_FALSE(fresh.answer(longer));  // the format byte counts seven data bytes
    fresh.setSilent(true);
    EXPECT_FALSE(fresh.answer(request("3E FF FF FF FF FF FF")));
}

TEST_F(SimKX3024, IdentificationAndRefusals) {
    struct Case {
        const char* request;
        const char* answer;
    };
    const Case cases[] = {
        {"21 04 FF FF FF FF FF", "61 04 31 38 30 FF FF "},  // name "180"
        {"21 11 FF FF FF FF FF", "7F 21 12 FF FF FF FF "},  // the class-2 proof
        {"21 02 FF FF FF FF FF", "61 02 00 12 34 56 78 "},
        {"21 03 FF FF FF FF FF", "61 03 11 17 13 0C 22 "},
        {"22 21 00 FF FF FF FF", "62 21 00 56 34 12 02 "},  // ident number in cells 0..2
        {"22 1D 07 FF FF FF FF", "7F 22 31 FF FF FF FF "},
        {"22 77 00 FF FF FF FF", "7F 22 31 FF FF FF FF "},
        {"3E FF FF FF FF FF FF", "7E FF FF FF FF FF FF "},
        {"10 02 FF FF FF FF FF", "7F 10 12 FF FF FF FF "},
        {"34 02 FF FF FF FF FF", "7F 34 12 FF FF FF FF "},
        {"99 FF FF FF FF FF FF", "7F 99 11 FF FF FF FF "},
    };
    for (const Case& c : cases) EXPECT_EQ(ask(c.request), c.answer) << c.request;
}

TEST_F(SimKX3024, ErrorMemoryReadsEntryByEntryAndClears) {
    EXPECT_EQ(ask("A1 01 FF FF FF FF FF"), "E1 01 04 00 01 03 FF ");
    EXPECT_EQ(ask("A1 03 FF FF FF FF FF"), "E1 03 08 01 01 02 FF ");
    EXPECT_EQ(ask("A1 04 FF FF FF FF FF").substr(0, 6), "E1 FF ");
    EXPECT_EQ(ask("A1 00 FF FF FF FF FF").substr(0, 6), "E1 FF ");
    std::vector<SimKX3024Unit::ErrorEntry> many(9, {0x0300, 0, 1});
    unit.setErrors(many);
    EXPECT_EQ(unit.errors().size(), SimKX3024Unit::MaxErrors);
    EXPECT_EQ(ask("A1 08 FF FF FF FF FF").substr(0, 6), "E1 FF ");
    EXPECT_EQ(ask("14 FF FF FF FF FF FF"), "54 FF FF FF FF FF FF ");
    EXPECT_TRUE(unit.errors().empty());
    EXPECT_EQ(ask("A1 01 FF FF FF FF FF").substr(0, 6), "E1 FF ");
}

TEST_F(SimKX3024, ComponentOutputsNeedTheDiagnosticSession) {
    // outputs refused outside the session
    EXPECT_EQ(ask("31 02 00 01 00 00 00"), "7F 31 22 FF FF FF FF ");
    EXPECT_EQ(ask("10 01 FF FF FF FF FF"), "50 01 FF FF FF FF FF ");
    EXPECT_EQ(unit.state(), SimKX3024Unit::StateTestSession);
    EXPECT_EQ(ask("31 02 00 00 00 04 00"), "7F 31 31 FF FF FF FF ");  // no valve mode 4
    EXPECT_EQ(ask("31 02 00 01 01 00 02"), "71 02 FF FF FF FF FF ");
    EXPECT_EQ(unit.state(), SimKX3024Unit::StateTestRunning);
    // state, motor voltage and lamps follow the outputs
    EXPECT_EQ(ask("22 1D 06 FF FF FF FF").substr(0, 12), "62 1D 06 31 ");
    EXPECT_EQ(ask("22 1D 04 FF FF FF FF").substr(0, 12), "62 1D 04 4D ");
    EXPECT_EQ(ask("22 1E 02 FF FF FF FF").substr(0, 12), "62 1E 02 05 ");  // motor and pump
    EXPECT_EQ(ask("22 1E 03 FF FF FF FF").substr(0, 12), "62 1E 03 01 ");  // operating display
    // the pump's running time grows while it runs
    const ByteString before = ask("22 22 01 FF FF FF FF");
    now += 5 * 60000;
    EXPECT_NE(ask("22 22 01 FF FF FF FF"), before);
    EXPECT_EQ(ask("20 FF FF FF FF FF FF"), "60 FF FF FF FF FF FF ");
    EXPECT_EQ(unit.state(), SimKX3024Unit::StateOff);
    EXPECT_FALSE(unit.pumpRunning());
    EXPECT_EQ(ask("22 1D 04 FF FF FF FF").substr(0, 12), "62 1D 04 00 ");
    const ByteString stopped = ask("22 22 01 FF FF FF FF");
    now += 5 * 60000;
    EXPECT_EQ(ask("22 22 01 FF FF FF FF"), stopped);
}

TEST_F(SimKX3024, NewWakeupEndsTheDiagnosticSession) {
    ask("10 01 FF FF FF FF FF");
    ask("31 02 00 00 01 00 00");
    ASSERT_TRUE(unit.pumpRunning());
    unit.wakeup();
    EXPECT_FALSE(unit.communicating());
    EXPECT_FALSE(unit.pumpRunning());
    EXPECT_FALSE(unit.diagnosticSession());
}

TEST_F(SimKX3024, EolMemoryReadsFourCellsAndKeepsItsChecksum) {
    ASSERT_TRUE(unit.eolChecksumValid());
    const uint16_t sum = unit.eolChecksum();
    const ByteString c = ask("22 21 2B FF FF FF FF");  // cells 43..46
    EXPECT_EQ(c.substr(0, 9), "62 21 2B ");
    EXPECT_EQ(H(c.substr(9, 6).c_str()),
              ByteString({static_cast<char>(sum & 0xFF), static_cast<char>(sum >> 8)}));
    EXPECT_EQ(ask("22 21 FE FF FF FF FF"), "62 21 FE FF FF FF FF ");  // past the end: 0xFF
    EXPECT_EQ(ask("34 01 FF FF FF FF FF"), "74 01 FF FF FF FF FF ");
    EXPECT_EQ(ask("2E 21 05 99 FF FF FF"), "6E 21 05 99 FF FF FF ");
    EXPECT_EQ(unit.eol()[5], 0x99);
    EXPECT_FALSE(unit.eolChecksumValid());  // a cell alone breaks the sum
    EXPECT_EQ(ask("2E 22 05 99 FF FF FF"), "7F 2E 12 FF FF FF FF ");
}

TEST_F(SimKX3024, KeepsOnlyTheNewestRequests) {
    for (size_t i = 0; i < SimKX3024Unit::ReceivedKept + 10; ++i) ask("3E FF FF FF FF FF FF");
    ask("21 04 FF FF FF FF FF");
    EXPECT_EQ(unit.received().size(), SimKX3024Unit::ReceivedKept);
    EXPECT_EQ(unit.received().back(), H("21 04 FF FF FF FF FF"));
}

}  // namespace
