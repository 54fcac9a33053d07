// Which answer belongs to which request: the PC's own frames fed back never pass as answers,
// an answer that says it answers another request is stored nowhere and counts towards the
// bus's failure limit, while the unit's refusal and a short answer keep their codes and never
// count.
#include <gtest/gtest.h>

#include <functional>

#include "busbench.h"
#include "klinelayer.h"
#include "sbuslayer.h"
#include "wbusdialectv.h"

namespace {

// ---- the reply flag at the bus receivers ---------------------------------------------------

struct Receiver {
    const char* bus;
    ByteString answer;  // a good bus answer of that bus
    std::function<TResult(BusEnvironment&, const ByteString& reply)> receive;
};

std::vector<Receiver> receivers() {
    return {
        {"W-Bus", wbusAnswer(H("D0 07")),
         [](BusEnvironment& env, const ByteString& reply) {
             WBusLayer w(env);
             TResult r;
             w.WBUS_ReceiveAnswer(15, 4, reply, r);
             return r;
         }},
        {"K-Line", klineAnswer(H("61 04 41 42 43")),
         [](BusEnvironment& env, const ByteString& reply) {
             KLineLayer k(env);
             TResult r;
             k.KLINE_ReceiveAnswer(0xF1, 0x9D, reply, r);
             return r;
         }},
        {"S-Bus", sbusAnswer(H("14 41 42")),
         [](BusEnvironment& env, const ByteString& reply) {
             SBusLayer s(env);
             TResult r;
             s.SBUS_ReceiveAnswer(1, 7, reply, r);
             return r;
         }},
    };
}

TEST(ReplyFlag, BusReceiversTakeOnlyTheAdaptersReplies) {
    const struct {
        const char* name;
        ByteString head;  // the adapter reply before the bus answer
        bool withAnswer;
        uint8_t invalid;
    } cases[] = {
        {"adapter's transfer reply", H("86 20 20"), true, 0},
        {"the PC's transfer frame fed back", H("06 20 20"), true, 1},
        {"the PC's bus configuration fed back", H("06 1E 00 03 06 0A 8D"), false, 1},
        {"the adapter's configuration acknowledgement", H("86 1E"), false, 1},
        {"the PC's wake-up pattern fed back", H("06 1F 1A 00 33 00"), false, 1},
    };
    for (const Receiver& rx : receivers()) {
        for (const auto& c : cases) {
            BusBench b;
            const ByteString reply = c.head + (c.withAnswer ? rx.answer : ByteString());
            const TResult r = rx.receive(b.env, reply);
            EXPECT_EQ(r.Invalid, c.invalid) << rx.bus << ": " << c.name;
            if (!c.invalid) continue;
            EXPECT_EQ(r.Value, BusCode::Data) << rx.bus << ": " << c.name;
            EXPECT_TRUE(r.Text.empty()) << rx.bus << ": " << c.name;
            ASSERT_EQ(b.log.lines.size(), 1u) << rx.bus << ": " << c.name;
            EXPECT_EQ(b.log.lines[0].text, "Fehler: Daten") << rx.bus << ": " << c.name;
        }
    }
}

// ---- counting towards the failure limit ----------------------------------------------------

// One bus with a request of its own sent, so the decoder knows what it awaits; decode() feeds
// one answer to that request's decoder.
struct Bus {
    const char* name;
    int limit;
    std::function<void(BusEnvironment&)> make;
    std::function<TResult(const ByteString& busAnswer)> decode;
    ByteString good, foreign, refusal, tooShort;
};

class ForeignAnswers : public ::testing::Test {
protected:
    BusBench b;
    WBusLayer wbus{b.env};
    WBusDialectV wbusV{wbus};
    KLineLayer kline{b.env};
    SBusLayer sbus{b.env};

    std::vector<Bus> buses() {
        return {
            {"W-Bus", 3,
             [&](BusEnvironment&) {
                 ByteString sent;
                 wbusV.WBUS_BuildRequestV(0x50, 1, params({7}), sent);
             },
             [&](const ByteString& a) {
                 TResult r;
                 wbusV.WBUS_ReadAndDecodeV(adapterReply(a), 3, 0x50, 7, r);
                 return r;
             },
             wbusAnswer(H("D0 07 04 00 00")), wbusAnswer(H("D0 05 46 30 D4")),
             wbusAnswer(H("7F 50 33")), wbusAnswer(H("D0 07"))},
            {"K-Line", 5,
             [&](BusEnvironment&) {
                 ByteString d;
                 kline.KLINE_BuildRequest(0x87, 0x22, 2, params({0x1D, 6}), d);
             },
             [&](const ByteString& a) {
                 TResult r;
                 kline.KLINE_ReadAndDecode(adapterReply(a), 0x22, 0x1D, r);
                 return r;
             },
             klineAnswer(H("62 1D 06 04 00 46")), klineAnswer(H("62 1D 08 46 00 46")),
             klineAnswer(H("7F 22 12")), ByteString()},
            {"S-Bus", 5,
             [&](BusEnvironment&) {
                 ByteString d;
                 sbus.SBUS_BuildRequest(0, 47, 0, TParamlist{}, d);
             },
             [&](const ByteString& a) {
                 TResult r;
                 sbus.SBUS_ReadAndDecode(0, adapterReply(a), 24, 47, r);
                 return r;
             },
             sbusAnswer(H("2F") + ByteString(24, '\x01')),
             sbusAnswer(H("30") + ByteString(8, '\x01')), sbusAnswer(H("00 04 14")),
             sbusAnswer(H("2F 01 02"))},
        };
    }
};

TEST_F(ForeignAnswers, CountTowardsTheLimitLikeADamagedFrame) {
    for (Bus& bus : buses()) {
        bus.make(b.env);
        // Answers to another request only: each is refused, and the limit-th becomes code 9.
        for (int i = 1; i <= bus.limit + 1; ++i) {
            const TResult r = bus.decode(bus.foreign);
            EXPECT_EQ(r.Invalid, 1) << bus.name << " " << i;
            EXPECT_EQ(r.Value, i < bus.limit ? 13 : 9) << bus.name << " " << i;
        }
        // An answer to this request restarts the count.
        EXPECT_EQ(bus.decode(bus.good).Invalid, 0) << bus.name;
        EXPECT_EQ(bus.decode(bus.foreign).Value, 13) << bus.name;
        EXPECT_EQ(bus.decode(bus.good).Invalid, 0) << bus.name;
    }
}

TEST_F(ForeignAnswers, RefusalsAndShortAnswersNeverCount) {
    for (Bus& bus : buses()) {
        bus.make(b.env);
        const int refusalCode = std::string(bus.name) == "S-Bus" ? 22 : 11;
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(bus.decode(bus.refusal).Value, refusalCode) << bus.name << " " << i;
            if (!bus.tooShort.empty()) {
                EXPECT_EQ(bus.decode(bus.tooShort).Value, 12) << bus.name << " " << i;
            }
        }
        // The foreign answers after them count from the start; a refusal is the unit's own
        // word to this request and restarts the count like any answer to it.
        for (int i = 1; i < bus.limit; ++i)
            EXPECT_EQ(bus.decode(bus.foreign).Value, 13) << bus.name;
        EXPECT_EQ(bus.decode(bus.foreign).Value, 9) << bus.name;
        EXPECT_EQ(bus.decode(bus.refusal).Value, refusalCode) << bus.name;
        EXPECT_EQ(bus.decode(bus.foreign).Value, 13) << bus.name;
    }
}

TEST_F(ForeignAnswers, NothingIsStoredFromThem) {
    b.registerKeys({"OVRTEMP", "OVRUB", "OVRZUSTAND", "OVRTEMPUNT", "BETSTZ", "BETMBRZ_U"});
    for (Bus& bus : buses()) {
        bus.make(b.env);
        const uint64_t before = b.points.changeCounter();
        bus.decode(bus.foreign);
        EXPECT_EQ(b.points.changeCounter(), before) << bus.name;
        bus.decode(bus.good);
        EXPECT_GT(b.points.changeCounter(), before) << bus.name;
    }
}

// A reply that came only after its frame was written again may be the late answer to the
// earlier write: taken, but counted, so a link that never answers in time reaches the limit.
TEST_F(ForeignAnswers, RepliesAfterARepetitionAreTakenButCounted) {
    b.registerKeys({"OVRZUSTAND", "OVRTEMP", "BETSTZ"});
    for (Bus& bus : buses()) {
        bus.make(b.env);
        b.transport.repeated = true;
        for (int i = 1; i <= bus.limit; ++i) {
            const uint64_t before = b.points.changeCounter();
            const TResult r = bus.decode(bus.good);
            if (i < bus.limit) {
                EXPECT_EQ(r.Invalid, 0) << bus.name << " " << i;
                if (i == 1) {
                    EXPECT_GT(b.points.changeCounter(), before) << bus.name;
                }
            } else {
                EXPECT_EQ(r.Value, 9) << bus.name << " " << i;
                EXPECT_EQ(b.points.changeCounter(), before) << bus.name << " " << i;
            }
        }
        b.transport.repeated = false;
        EXPECT_EQ(bus.decode(bus.good).Invalid, 0) << bus.name;
        EXPECT_EQ(bus.decode(bus.foreign).Value, 13) << bus.name << ": the count restarted";
        bus.decode(bus.good);
    }
}

// A caller that asks the same again right after an answer to another request (an error entry
// once more) may get the late answer to its first asking: the fitting answer is taken, but
// counted as after a repetition, so a link whose every answer is late still reaches the limit.
TEST_F(ForeignAnswers, RequestAskedAgainAfterAForeignAnswerIsTakenButCounted) {
    b.registerKeys({"OVRZUSTAND", "OVRTEMP", "BETSTZ"});
    for (Bus& bus : buses()) {
        bus.make(b.env);
        // foreign, asked again and fitting, foreign, ...: the limit-th (a foreign one) is 9
        for (int i = 1; i <= bus.limit; ++i) {
            if (i % 2 == 1) {
                EXPECT_EQ(bus.decode(bus.foreign).Value, i < bus.limit ? 13 : 9)
                    << bus.name << " " << i;
                continue;
            }
            bus.make(b.env);
            const uint64_t before = b.points.changeCounter();
            EXPECT_EQ(bus.decode(bus.good).Invalid, 0) << bus.name << " " << i;
            if (i == 2) {
                EXPECT_GT(b.points.changeCounter(), before) << bus.name;
            }
        }
        // The next request follows no foreign answer: its answer restarts the count.
        bus.make(b.env);
        EXPECT_EQ(bus.decode(bus.good).Invalid, 0) << bus.name;
        EXPECT_EQ(bus.decode(bus.foreign).Value, 13) << bus.name << ": the count restarted";
        bus.make(b.env);
        bus.decode(bus.good);
    }
}

// ---- error entries: the entry asked for ----------------------------------------------------

TEST_F(ForeignAnswers, WBusErrorEntryMustCarryTheCodeAskedFor) {
    b.registerKeys({"ERRCODE1", "ERRCODE2", "ERRCOUNT2"});
    TResult r;
    wbusV.WBUS_ReadAndDecodeV(adapterReply(wbusAnswer(H("D6 01 02 03 02 84 01"))), 2, 0x56, 1, r);
    ASSERT_EQ(wbus.WBUS_GetErrorIndex(), 1);
    const ByteString entry1 = wbusAnswer(H("D6 02 03 01 02 24 03 76 2F 44 04 B1 11"));
    const ByteString entry2 = wbusAnswer(H("D6 02 84 03 01 04 00 5F 27 D8 04 CE 05"));
    // entry 1 is asked for and answered
    TParamlist p = params({2});
    p[2].Text = ByteString(1, '\x03');
    ByteString sent;
    wbusV.WBUS_BuildRequestV(0x56, 2, p, sent);
    wbusV.WBUS_ReadAndDecodeV(adapterReply(entry1), 12, 0x56, 2, r);
    ASSERT_EQ(r.Invalid, 0);
    ASSERT_EQ(wbus.WBUS_GetErrorIndex(), 2);
    // entry 2 is asked for by its code, but the answer to entry 1 comes again
    p[2].Text = ByteString(1, '\x84');
    wbusV.WBUS_BuildRequestV(0x56, 2, p, sent);
    const uint64_t before = b.points.changeCounter();
    wbusV.WBUS_ReadAndDecodeV(adapterReply(entry1), 12, 0x56, 2, r);
    EXPECT_EQ(r.Invalid, 1);
    EXPECT_EQ(r.Value, 13);
    EXPECT_EQ(b.points.changeCounter(), before) << "no entry shifted into the next one";
    EXPECT_EQ(wbus.WBUS_GetErrorIndex(), 2) << "the same entry is asked for again";
    EXPECT_EQ(wbus.failureCount(), 1);
    wbusV.WBUS_ReadAndDecodeV(adapterReply(entry2), 12, 0x56, 2, r);
    EXPECT_EQ(r.Invalid, 0);
    EXPECT_EQ(b.value("ERRCODE2").Text, "84");
    EXPECT_EQ(b.value("ERRCOUNT2").Text, "1");
    EXPECT_EQ(wbus.WBUS_GetErrorIndex(), 3);
}

TEST_F(ForeignAnswers, KLineAnswerMustRepeatWhatWasAskedFor) {
    b.registerKeys({"ERRCODE1", "ERRCODE2", "OVRUTEMP", "OVRUBG"});
    const struct {
        const char* name;
        uint8_t service;
        std::initializer_list<long double> parameters;
        uint8_t identifier;
        const char* answer;
        int code;
    } cases[] = {
        {"entry asked for", 0xA1, {2}, 0xFF, "E1 02 05 00 00 01", 0},
        {"another entry", 0xA1, {2}, 0xFF, "E1 01 04 00 00 02", 13},
        {"sub-identifier asked for", 0x22, {0x1D, 4}, 0x1D, "62 1D 04 80 00 0A", 0},
        {"another sub-identifier", 0x22, {0x1D, 4}, 0x1D, "62 1D 02 80 00 0A", 13},
        {"another group, any asked", 0x22, {0x1D, 4}, 0xFF, "62 1E 04 80 00 0A", 13},
        {"local identifier asked for", 0x21, {3}, 0xFF, "61 03 07 12 05 2A 0C", 0},
        {"another local identifier", 0x21, {3}, 0xFF, "61 02 07 12 05 2A 0C", 13},
    };
    for (const auto& c : cases) {
        BusBench bench;
        bench.registerKeys({"ERRCODE1", "ERRCODE2", "OVRUTEMP", "OVRUBG", "CFGPPGNR", "CFGKUID"});
        KLineLayer k(bench.env);
        ByteString d;
        TParamlist p{};
        size_t i = 1;
        for (long double v : c.parameters) p[i++] = TResult::ofValue(v);
        k.KLINE_BuildRequest(0x87, c.service, static_cast<uint8_t>(c.parameters.size()), p, d);
        const uint64_t before = bench.points.changeCounter();
        TResult r;
        k.KLINE_ReadAndDecode(adapterReply(klineAnswer(H(c.answer))), c.service, c.identifier, r);
        EXPECT_EQ(r.Invalid, c.code ? 1 : 0) << c.name;
        EXPECT_EQ(r.Value, c.code) << c.name;
        if (c.code) {
            EXPECT_EQ(bench.points.changeCounter(), before) << c.name;
            EXPECT_EQ(k.failureCount(), 1) << c.name;
        } else {
            EXPECT_GT(bench.points.changeCounter(), before) << c.name;
        }
    }
}

TEST_F(ForeignAnswers, KLineNoSuchEntryAnswersTheReadOfAnyEntry) {
    // The unit's "no such entry" ends the error-memory read: a good answer that stores
    // nothing and is no failure, whichever entry was asked for.
    for (long double entry : {1.0L, 4.0L, 7.0L}) {
        BusBench bench;
        bench.registerKeys({"ERRCODE1", "ERRCODE4", "ERRCODE7"});
        KLineLayer k(bench.env);
        ByteString d;
        TParamlist p{};
        p[1] = TResult::ofValue(entry);
        k.KLINE_BuildRequest(0x87, 0xA1, 1, p, d);
        const uint64_t before = bench.points.changeCounter();
        TResult r;
        k.KLINE_ReadAndDecode(adapterReply(klineAnswer(H("E1 FF"))), 0xA1, 0xFF, r);
        EXPECT_EQ(r.Invalid, 0) << entry;
        EXPECT_EQ(static_cast<uint8_t>(r.Text.at(1)), 0xFF) << entry;
        EXPECT_EQ(bench.points.changeCounter(), before) << entry;
        EXPECT_EQ(k.failureCount(), 0) << entry;
    }
}

TEST_F(ForeignAnswers, SBusErrorEntryMustRepeatItsNumber) {
    ByteString d;
    sbus.SBUS_BuildRequest(0, 91, 1, params({3}), d);
    ASSERT_EQ(hexOf(d), "5B 03 ");
    TResult r;
    sbus.SBUS_ReadAndDecode(0, adapterReply(sbusAnswer(H("5B 02") + ByteString(18, '\x01'))), 19,
                            91, r);
    EXPECT_EQ(r.Invalid, 1);
    EXPECT_EQ(r.Value, 13);
    EXPECT_EQ(sbus.failureCount(), 1);
    sbus.SBUS_ReadAndDecode(0, adapterReply(sbusAnswer(H("5B 03") + ByteString(18, '\x01'))), 19,
                            91, r);
    EXPECT_EQ(r.Invalid, 0);
    EXPECT_EQ(static_cast<uint8_t>(r.Text[0]), 3);
    EXPECT_EQ(sbus.failureCount(), 0);
}

// The boot loader answers its poll (message 1) with message 1 while the poll reads message 47:
// refused, but as the answer to the request sent it never counts towards the limit.
TEST_F(ForeignAnswers, SBusAnswerWithTheSentIdIsRefusedWithoutCounting) {
    ByteString d;
    sbus.SBUS_BuildRequest(0, 1, 0, TParamlist{}, d);
    for (int i = 0; i < 10; ++i) {
        TResult r;
        sbus.SBUS_ReadAndDecode(0, adapterReply(sbusAnswer(H("01 00"))), 24, 47, r);
        EXPECT_EQ(r.Invalid, 1) << i;
        EXPECT_EQ(r.Value, 13) << i;
        EXPECT_EQ(sbus.failureCount(), 0) << i;
    }
    TResult r;
    sbus.SBUS_ReadAndDecode(0, adapterReply(sbusAnswer(H("30") + ByteString(24, '\x01'))), 24, 47,
                            r);
    EXPECT_EQ(r.Value, 13);
    EXPECT_EQ(sbus.failureCount(), 1) << "an answer with a third ID still counts";
}

TEST_F(ForeignAnswers, SBusMemoryReadMustRepeatItsAddress) {
    const struct {
        const char* name;
        uint8_t id;
        const char* answerHead;  // ID, address low and high, count
        int code;
    } cases[] = {
        {"the address asked for", 151, "97 12 01 08", 0},
        {"another low byte", 151, "97 13 01 08", 13},
        {"another high byte", 151, "97 12 00 08", 13},
        {"the live block asked for", 150, "96 12 01 08", 0},
        {"the live block elsewhere", 150, "96 00 00 08", 13},
    };
    for (const auto& c : cases) {
        BusBench bench;
        SBusLayer s(bench.env);
        ByteString d;
        s.SBUS_BuildRequest(0, c.id, 2, params({0x0112, 8}), d);
        TResult r;
        s.SBUS_ReadAndDecode(0, adapterReply(sbusAnswer(H(c.answerHead) + ByteString(8, '\x01'))),
                             4, c.id, r);
        EXPECT_EQ(r.Invalid, c.code ? 1 : 0) << c.name;
        EXPECT_EQ(r.Value, c.code ? 13 : 0x0112) << c.name;
        EXPECT_EQ(s.failureCount(), c.code ? 1 : 0) << c.name;
    }
}

// ---- what the layer remembers of the request -----------------------------------------------

TEST_F(ForeignAnswers, OnlyATakenFrameIsTheRequestAwaited) {
    TParamlist p = params({2});
    p[2].Text = ByteString(1, '\x03');
    ByteString sent;
    ASSERT_TRUE(wbusV.WBUS_BuildRequestV(0x56, 2, p, sent));
    EXPECT_EQ(hexOf(wbus.sentRequest()), "56 02 03 ");
    // A frame the transport refuses awaits no answer: the answer still due is the first one's.
    b.transport.accept = false;
    p[2].Text = ByteString(1, '\x84');
    EXPECT_FALSE(wbusV.WBUS_BuildRequestV(0x56, 2, p, sent));
    EXPECT_EQ(hexOf(wbus.sentRequest()), "56 02 03 ");
    // The layer's reset forgets it; a decoder without a request of its own compares nothing.
    wbus.WBUS_Reset();
    EXPECT_TRUE(wbus.sentRequest().empty());
    TResult r;
    wbusV.WBUS_ReadAndDecodeV(adapterReply(wbusAnswer(H("D6 02 84 03 01 04 00 5F 27 D8 04 CE 05"))),
                              12, 0x56, 2, r);
    EXPECT_EQ(r.Invalid, 0);
    // Raw frames carry no command to compare with.
    b.transport.accept = true;
    wbus.WBUS_BuildRawRequest(0x03, 0, params({1}), sent);
    EXPECT_TRUE(wbus.sentRequest().empty());
}

}  // namespace
