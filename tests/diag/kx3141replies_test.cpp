// The class-4 module's reply half on single answers: which step follows a good, short,
// refused, damaged or foreign answer, what is stored from it, the identity check, and the S-Bus
// failure limit.
#include <gtest/gtest.h>

#include "kx3141module.h"
#include "kx3141unit.h"
#include "sbusbench.h"

namespace {

struct ReplyBench : SBusReplyBench<KX3141Module, dcKX3141> {
    ReplyBench() : SBusReplyBench("          KX3141") {}
    // The step after an answer with this data at a step.
    TUSBREQ evaluateData(int32_t step, const ByteString& data) {
        return evaluate(step, answer(data));
    }
};

// A memory read's answer: ID, address 0, the count, n block bytes of 0x11.
ByteString memoryAnswer(uint8_t id, size_t n) {
    return ByteString{static_cast<char>(id), 0, 0, static_cast<char>(n)} + ByteString(n, '\x11');
}

TEST(KX3141Replies, StepAfterEachKindOfAnswer) {
    struct Case {
        const char* what;
        int32_t step;
        ByteString data;
        int32_t next;
        const char* storedKey;  // a key this answer writes, or nullptr
        bool stored;
    };
    const ByteString entry2 = H("5B 02 09") + ByteString(18, '\0');
    const Case cases[] = {
        {"counters whole", 40, memoryAnswer(151, 30), 41, "BETZZ_M40", true},
        {"counters at the minimum: stored", 40, memoryAnswer(151, 27), 41, "BETSZ_M30", true},
        {"counters at the minimum: the rest", 40, memoryAnswer(151, 27), 41, "BETSZ_M40", false},
        {"counters one byte below", 40, memoryAnswer(151, 26), 41, "BETSTART", false},
        {"counters refused", 40, H("00 08 97"), 41, "BETSTART", false},
        {"overview whole", 41, memoryAnswer(150, 45), 42, "BETVHSTROM", true},
        {"overview at the minimum: stored", 41, memoryAnswer(150, 40), 42, "OVRSTROMUPCNT", true},
        {"overview at the minimum: the rest", 41, memoryAnswer(150, 40), 42, "OVRSTROMCU", false},
        {"overview one byte below", 41, memoryAnswer(150, 39), 42, "OVRZUSTAND", false},
        {"error byte with two bits", 41, H("00 05 96"), 7, "OVRZUSTAND", false},
        {"another message's answer", 41, memoryAnswer(151, 45), 42, "BETSTART", false},
        {"status without its byte", 42, H("5A"), 40, nullptr, false},
        {"error entry asked for", 50, entry2, 50, "ERRBEZ2", true},
        {"error entry short", 50, H("5B 02 09") + ByteString(17, '\0'), 51, "ERRBEZ2", false},
        {"error entry refused", 50, H("00 02 5B"), 51, "ERRBEZ2", false},
        {"session opened", 11, H("1E 01"), 12, nullptr, false},
        {"session answer of two bytes", 11, H("1E 01 00"), 7, nullptr, false},
        {"session answer other than 01", 11, H("1E 02"), 7, nullptr, false},
        {"bus version without text", 12, H("1B"), 13, nullptr, false},
        {"hardware version", 14, H("15 31 2E 32"), 15, "CFGHWVER", true},
        {"customer id, the last identification", 21, H("1D 4B"), 40, "CFGKUNDID", true},
        {"customer id refused", 21, H("00 01 1D"), 40, "CFGKUNDID", false},
        {"heating on done", 30, H("0A 01"), 40, nullptr, false},
        {"pump off refused", 33, H("00 04 0C"), 40, nullptr, false},
        {"error delete refused", 34, H("00 04 5C"), 35, nullptr, false},
        {"error delete done", 34, H("5C 00"), 35, nullptr, false},
        {"reset after the delete", 35, H("10"), 40, nullptr, false},
        {"refresh done", 36, H("0D 01 00 01"), 40, nullptr, false},
        {"refresh answer short", 36, H("0D 01 00"), 40, nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ReplyBench b;
        if (c.step == 50) {
            // the loop is at entry 2
            b.evaluateData(42, H("5A 20"));
            b.evaluateData(50, H("5B 01") + ByteString(19, '\0'));
        }
        const TUSBREQ out = b.evaluateData(c.step, c.data);
        EXPECT_EQ(out.Step, c.next);
        if (c.storedKey) {
            EXPECT_EQ(!b.value(c.storedKey).Invalid, c.stored) << c.storedKey;
        }
    }
}

TEST(KX3141Replies, StatusChangeReadsTheTenEntriesThenTheCycleGoesOn) {
    ReplyBench b;
    int errorViews = 0;
    b.r.session.views.ErrorShowValues = [&] { ++errorViews; };
    // the first status after the layer's reset counts as a change
    EXPECT_EQ(b.evaluateData(42, H("5A 20")).Step, 50);
    for (int n = 1; n <= 10; ++n) {
        ByteString e = H("5B 00 09 01 10") + ByteString(16, '\0');
        e[1] = static_cast<char>(n);
        EXPECT_EQ(b.evaluateData(50, e).Step, n < 10 ? 50 : 40) << n;
        EXPECT_EQ(b.module().errorEntryIndex(), n < 10 ? n + 1 : 10);
    }
    EXPECT_EQ(b.value("ERRBEZ10").Text, "Flammabbruch");
    EXPECT_EQ(errorViews, 0);  // the view follows with the next unchanged status
    EXPECT_EQ(b.evaluateData(42, H("5A 20")).Step, 40);
    EXPECT_EQ(errorViews, 1);
}

TEST(KX3141Replies, FifthFailureInARowEndsTheSession) {
    ReplyBench b;
    ByteString damaged = ReplyBench::answer(memoryAnswer(150, 45));
    damaged.back() ^= 0x5A;
    const ByteString reply = ReplyBench::adapterReply(damaged);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(b.evaluateReply(41, reply).Step, 41) << i;  // again
    EXPECT_EQ(b.evaluateReply(41, reply).Step, 7);
    // answers to another request count too, though each alone only skips its step
    ReplyBench d;
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(d.evaluateData(41, memoryAnswer(151, 45)).Step, 42) << i;
    EXPECT_EQ(d.evaluateData(41, memoryAnswer(151, 45)).Step, 7);
    EXPECT_TRUE(d.value("BETSTART").Invalid);
    EXPECT_TRUE(d.value("OVRZUSTAND").Invalid);
}

TEST(KX3141Replies, IdentificationAfterAManualStart) {
    struct Case {
        const char* what;
        ByteString data;  // empty: no bus answer, adapter status 0x23
        int32_t attempts;
        int32_t next;
        bool notFound;
    };
    const Case cases[] = {
        {"its text with ten blanks", "\x14          KX3141", 1, 11, false},
        {"its number, any last character", "\x14       47386219Z", 1, 11, false},
        {"nine blanks", "\x14         KX3141", 1, 7, true},
        {"a character more", "\x14          KX3141X", 1, 7, true},
        {"the number without its last character", "\x14       47386219", 1, 7, true},
        {"a class-5 unit",
         "\x14"
         "0000000473800061",
         1, 7, true},
        {"refused", H("00 01 14"), 1, 7, true},
        {"no answer, wake again", ByteString(), 2, 2, false},
        {"no answer after three wake-ups", ByteString(), 3, 7, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ReplyBench b;
        b.r.session.AttemptCount = c.attempts;
        b.r.h.engine.dataPoints.DP_Clear();
        const TUSBREQ out =
            c.data.empty() ? b.evaluateStatus(10, 0x23) : b.evaluateData(10, c.data);
        EXPECT_EQ(out.Step, c.next);
        EXPECT_EQ(b.r.h.engine.PendingNotFound, c.notFound);
        // registered only for its own unit, with the whole text
        EXPECT_EQ(b.r.h.engine.dataPoints.DataPointCount(), c.next == 11 ? 135 : 0);
        if (c.next == 11) {
            EXPECT_EQ(b.value("CFGSGID").Text, c.data.substr(1));
        }
    }
}

}  // namespace
