// The class-5 module's reply half on single answers: which step follows a good, short,
// refused, damaged or foreign answer, what is stored from it, and the S-Bus failure limit.
#include <gtest/gtest.h>

#include "kx3166module.h"
#include "kx3166unit.h"
#include "sbusbench.h"

namespace {

constexpr const char* Ident = "0000000473800061";

struct ReplyBench : SBusReplyBench<KX3166Module, dcKX3166> {
    ReplyBench() : SBusReplyBench(Ident) {}
};

// Data of n bytes after the message ID, all 0x11.
ByteString block(uint8_t id, size_t n) {
    return ByteString(1, static_cast<char>(id)) + ByteString(n, '\x11');
}

TEST(KX3166Replies, StepAfterEachKindOfAnswer) {
    struct Case {
        const char* what;
        int32_t step;
        ByteString data;
        int32_t next;
        const char* storedKey;  // a key this answer writes, or nullptr
        bool stored;
    };
    const ByteString entry2 = H("5B 02 09") + ByteString(17, '\0');
    const Case cases[] = {
        {"overview one byte short", 43, block(53, 31), 44, "OVRTEST2", false},
        {"overview at its minimum", 43, block(53, 32), 44, "OVRTEST2", true},
        {"overview one byte beyond", 43, block(53, 33), 44, "OVRTEST2", true},
        {"overview refused", 43, H("00 04 35"), 44, "OVRZUSTAND", false},
        {"error byte with two bits", 43, H("00 05 35"), 7, "OVRZUSTAND", false},
        {"another message's answer", 43, block(47, 32), 44, "BETSTZ", false},
        {"inputs at their minimum", 42, block(50, 31), 43, "BET_AD_RPM", true},
        {"inputs short", 42, block(50, 30), 43, "BET_AD_UEPR", false},
        {"error entry asked for", 50, entry2, 50, "ERRBEZ2", true},
        {"error entry refused", 50, H("00 02 5B"), 51, "ERRBEZ2", false},
        {"session opened", 11, H("1E 01"), 12, nullptr, false},
        {"session answer of two bytes", 11, H("1E 01 00"), 7, nullptr, false},
        {"session answer other than 01", 11, H("1E 02"), 7, nullptr, false},
        {"keep-alive answered", 80, H("1E 01"), 40, nullptr, false},
        {"keep-alive of two bytes", 80, H("1E 01 00"), 7, nullptr, false},
        {"keep-alive refused", 80, H("00 04 1E"), 40, nullptr, false},
        {"component default", 20, H("98 01 40 00 01 14"), 40, "PARKOMPDEF", true},
        {"component default short", 20, H("98 01 40 00 01"), 40, nullptr, false},
        {"component default refused", 20, H("00 02 98"), 40, nullptr, false},
        {"command refused", 31, H("00 04 0A"), 40, nullptr, false},
        {"command done", 37, H("11 01"), 40, nullptr, false},
        {"error delete refused", 34, H("00 04 5C"), 35, nullptr, false},
        {"error delete done", 34, H("5C 00"), 35, nullptr, false},
        {"reset after the delete", 35, H("10"), 40, nullptr, false},
        {"counters", 40, block(47, 24), 41, "BETSTACNT", true},
        {"bus version without text", 12, H("1B"), 13, nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ReplyBench b;
        if (c.step == 50) {
            // the loop is at entry 2
            b.evaluate(44, ReplyBench::answer(H("5A 01")));
            b.evaluate(50, ReplyBench::answer(H("5B 01") + ByteString(18, '\0')));
        }
        const TUSBREQ out = b.evaluate(c.step, ReplyBench::answer(c.data));
        EXPECT_EQ(out.Step, c.next);
        if (c.storedKey) {
            EXPECT_EQ(!b.value(c.storedKey).Invalid, c.stored) << c.storedKey;
        }
    }
}

TEST(KX3166Replies, FifthFailureInARowEndsTheSession) {
    ReplyBench b;
    ByteString damaged = ReplyBench::answer(block(53, 32));
    damaged.back() ^= 0x5A;
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(b.evaluate(43, damaged).Step, 43) << i;  // asked again
    EXPECT_EQ(b.evaluate(43, damaged).Step, 7);
    // an accepted answer in between starts the count again
    ReplyBench c;
    for (int i = 1; i <= 4; ++i) c.evaluate(43, damaged);
    EXPECT_EQ(c.evaluate(43, ReplyBench::answer(block(53, 32))).Step, 44);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(c.evaluate(43, damaged).Step, 43) << i;
    // answers to another request count too, though each alone only skips its step
    ReplyBench d;
    const ByteString foreign = ReplyBench::answer(block(47, 32));
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(d.evaluate(43, foreign).Step, 44) << i;
    EXPECT_EQ(d.evaluate(43, foreign).Step, 7);
    EXPECT_TRUE(d.value("BETSTZ").Invalid);
}

TEST(KX3166Replies, IdentificationAfterAManualStart) {
    struct Case {
        const char* what;
        ByteString telegram;  // empty: no bus answer, status 0x23
        int32_t attempts;
        int32_t next;
        bool notFound;
    };
    const Case cases[] = {
        {"own text, zeros",
         ReplyBench::answer("\x14"
                            "0000000473800062"),
         1, 11, false},
        {"own text, blanks",
         ReplyBench::answer("\x14"
                            "       47380006A"),
         1, 11, false},
        {"another unit",
         ReplyBench::answer("\x14"
                            "0000000473800051"),
         1, 7, true},
        {"without its last character",
         ReplyBench::answer("\x14"
                            "000000047380006"),
         1, 7, true},
        {"refused", ReplyBench::answer(H("00 01 14")), 1, 7, true},
        {"no answer, wake again", ByteString(), 2, 2, false},
        {"no answer after three wake-ups", ByteString(), 3, 7, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ReplyBench b;
        b.r.session.AttemptCount = c.attempts;
        b.r.h.engine.dataPoints.DP_Clear();
        const TUSBREQ out =
            c.telegram.empty() ? b.evaluateStatus(10, 0x23) : b.evaluate(10, c.telegram);
        EXPECT_EQ(out.Step, c.next);
        EXPECT_EQ(b.r.h.engine.PendingNotFound, c.notFound);
        // registered only for its own unit
        EXPECT_EQ(b.r.h.engine.dataPoints.DataPointCount(), c.next == 11 ? 167 : 0);
    }
}

TEST(KX3166Replies, FailedAreaSizeLeavesAreaOneEmpty) {
    ReplyBench b;
    SBusLayer& sbus = b.r.session.buses().sbus;
    EXPECT_EQ(b.evaluate(18, ReplyBench::answer(H("99 01 00 02"))).Step, 19);
    EXPECT_EQ(sbus.SBUS_GetAreaSize(1), 512);
    EXPECT_EQ(b.evaluate(18, ReplyBench::answer(H("00 02 99"))).Step, 19);
    EXPECT_EQ(sbus.SBUS_GetAreaSize(1), 0);
}

}  // namespace
