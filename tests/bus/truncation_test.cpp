// Short, long and damaged answers: a decoder never stores a value that is not in the answer.
// Each decoded row of the full answer is cut at every length and extended; every key then holds
// either the cleared value or exactly what the full answer gave it. A damaged frame stores
// nothing at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "decodecases.h"
#include "klinelayer.h"
#include "sbuslayer.h"
#include "wbusdialects.h"
#include "wbusdialectv.h"

namespace {

std::map<ByteString, TResult> snapshot(const BusBench& b) {
    std::map<ByteString, TResult> m;
    for (size_t i = 1; i < b.points.DataPoints().size(); ++i) {
        const TWerteDaten& e = b.points.DataPoints()[i];
        m.emplace(e.Key, e.Value);
    }
    return m;
}

bool isVariable(const ByteString& key, const std::vector<ByteString>& variable) {
    return std::find(variable.begin(), variable.end(), key) != variable.end();
}

void expectNothingInvented(const std::map<ByteString, TResult>& full,
                           const std::map<ByteString, TResult>& part,
                           const std::vector<ByteString>& variable, const ByteString& what) {
    for (const auto& [key, v] : part) {
        if (isVariable(key, variable) || v == TResult::cleared()) continue;
        EXPECT_EQ(v, full.at(key))
            << what << " " << key << " '" << v.Text << "' vs '" << full.at(key).Text << "'";
    }
}

// ---- W-Bus dialect V -----------------------------------------------------------------------

struct WBusRun {
    BusBench b;
    WBusLayer w{b.env};
    WBusDialectV v{w};
    TResult r;
    WBusRun(const WBusCase& c, const ByteString& d) {
        b.registerAll(wbusKeysV());
        w.setErrorIndex(1);
        ByteString payload(1, static_cast<char>(c.command | 0x80));
        v.WBUS_ReadAndDecodeV(adapterReply(wbusAnswer(payload + d)), 0, c.command, c.sub, r);
    }
};

// Texts whose length follows the answer's length.
const std::vector<ByteString> kWBusVariable = {"CFGKUID", "CFGSNR", "CFGPKENN", "CFGNAME"};

TEST(Truncation, WBusShortAndLongAnswers) {
    for (const WBusCase& c : wbusCasesV()) {
        const WBusRun full(c, c.d);
        ASSERT_EQ(full.r.Invalid, 0) << c.name;
        const auto fullPoints = snapshot(full.b);
        for (size_t n = 1; n <= c.d.size() + 4; ++n) {
            ByteString d = c.d.substr(0, n);
            d.resize(n, static_cast<char>(0xA5));
            const WBusRun part(c, d);
            const ByteString what = ByteString(c.name) + " at " + std::to_string(n);
            EXPECT_EQ(part.r.Invalid, 0) << what;
            expectNothingInvented(fullPoints, snapshot(part.b), kWBusVariable, what);
            // the operating state is reported only when it was in the answer
            EXPECT_LE(part.b.states.size(), full.b.states.size()) << what;
            if (n >= c.d.size()) {
                // nothing lost when the answer is long enough
                for (const auto& [key, v] : snapshot(part.b)) {
                    if (!isVariable(key, kWBusVariable)) {
                        EXPECT_EQ(v, fullPoints.at(key)) << what << " " << key;
                    }
                }
            }
        }
    }
}

TEST(Truncation, WBusVariableTextsTakeWhatCame) {
    WBusCase name{"name", 0x51, 11, H("0B 4B 58 33"), {}};
    const WBusRun r(name, name.d);
    EXPECT_EQ(r.b.value("CFGNAME").Text, "KX3");
    WBusCase none{"name", 0x51, 11, H("0B"), {}};
    const WBusRun r2(none, none.d);
    EXPECT_TRUE(isCleared(r2.b.value("CFGNAME")));
    EXPECT_EQ(r2.r.Text, "");
    WBusCase serial{"serial", 0x51, 9, H("09 AA"), {}};
    const WBusRun r3(serial, serial.d);
    EXPECT_TRUE(isCleared(r3.b.value("CFGSNR")));
    EXPECT_TRUE(isCleared(r3.b.value("CFGPKENN")));
    WBusCase kuid{"kuid", 0x51, 7, H("07"), {}};
    EXPECT_TRUE(isCleared(WBusRun(kuid, kuid.d).b.value("CFGKUID")));
}

TEST(Truncation, WBusShortRowsClearEarlierValues) {
    // a value from an earlier answer does not survive an answer that no longer carries it
    BusBench b;
    b.registerAll(wbusKeysV());
    WBusLayer w(b.env);
    WBusDialectV v(w);
    TResult r;
    v.WBUS_ReadAndDecodeV(adapterReply(wbusAnswer(H("D0 05 46 30 34 01"))), 0, 0x50, 5, r);
    EXPECT_EQ(b.value("OVRLFL").Text, "1");
    v.WBUS_ReadAndDecodeV(adapterReply(wbusAnswer(H("D0 05 46"))), 0, 0x50, 5, r);
    EXPECT_EQ(b.value("OVRTEMP").Text, "20");
    EXPECT_TRUE(isCleared(b.value("OVRUB")));
    EXPECT_TRUE(isCleared(b.value("OVRLFL")));
}

TEST(Truncation, WBusDamagedFramesStoreNothing) {
    for (const WBusCase& c : wbusCasesV()) {
        const ByteString frame =
            wbusAnswer(ByteString(1, static_cast<char>(c.command | 0x80)) + c.d);
        for (size_t i = 0; i < frame.size(); ++i) {
            BusBench b;
            b.registerAll(wbusKeysV());
            WBusLayer w(b.env);
            WBusDialectV v(w);
            const uint64_t before = b.points.changeCounter();
            ByteString damaged = frame;
            damaged[i] = static_cast<char>(damaged[i] ^ 0x01);
            TResult r;
            v.WBUS_ReadAndDecodeV(adapterReply(damaged), 0, c.command, c.sub, r);
            EXPECT_EQ(r.Invalid, 1) << c.name << " byte " << i;
            EXPECT_EQ(b.points.changeCounter(), before) << c.name << " byte " << i;
            EXPECT_TRUE(b.states.empty());
        }
    }
}

// ---- W-Bus dialect S -----------------------------------------------------------------------

struct WBusRunS {
    BusBench b;
    WBusLayer w{b.env};
    WBusDialectS s{w};
    TResult r;
    WBusRunS() {
        b.registerAll(wbusKeysS());
        // an error entry answers the entry asked for
        TParamlist ask = params({2});
        ask[2].Text = H("01");
        ByteString payload;
        s.WBUS_BuildRequestS(0x56, 2, ask, payload);
        w.setErrorIndex(1);
    }
    WBusRunS(const WBusCase& c, const ByteString& d) : WBusRunS() { decode(c, d); }
    void decode(const WBusCase& c, const ByteString& d) {
        ByteString payload(1, static_cast<char>(c.command | 0x80));
        s.WBUS_ReadAndDecodeS(adapterReply(wbusAnswer(payload + d)), 0, c.command, c.sub, r);
    }
};

TEST(Truncation, WBusDialectSShortAndLongAnswers) {
    for (const WBusCase& c : wbusCasesS()) {
        const WBusRunS full(c, c.d);
        ASSERT_EQ(full.r.Invalid, 0) << c.name;
        const auto fullPoints = snapshot(full.b);
        for (size_t n = 1; n <= c.d.size() + 4; ++n) {
            ByteString d = c.d.substr(0, n);
            d.resize(n, static_cast<char>(0xA5));
            const WBusRunS part(c, d);
            const ByteString what = ByteString(c.name) + " at " + std::to_string(n);
            EXPECT_EQ(part.r.Invalid, 0) << what;
            expectNothingInvented(fullPoints, snapshot(part.b), kWBusVariable, what);
            EXPECT_LE(part.b.states.size(), full.b.states.size()) << what;
            if (n >= c.d.size()) {
                for (const auto& [key, v] : snapshot(part.b)) {
                    if (!isVariable(key, kWBusVariable)) {
                        EXPECT_EQ(v, fullPoints.at(key)) << what << " " << key;
                    }
                }
            }
        }
    }
}

TEST(Truncation, WBusDialectSShortRowsClearEarlierValues) {
    // a full page 22, then one that ends inside the nozzle sensor's word
    const WBusCase page22{"page 22", 0x50, 22, ByteString(), {}};
    WBusRunS run;
    run.decode(page22, H("16 02 BC 05 DC 03 20 02 EE"));
    EXPECT_EQ(run.b.value("BETTEMPLPT").Text, "25.0");
    run.decode(page22, H("16 02 BC 05 DC 03"));
    EXPECT_EQ(run.b.value("BETTEMPUEH").Text, "100.0");
    EXPECT_TRUE(isCleared(run.b.value("BETTEMPDST")));
    EXPECT_TRUE(isCleared(run.b.value("BETTEMPLPT")));
}

TEST(Truncation, WBusDialectSDamagedFramesStoreNothing) {
    for (const WBusCase& c : wbusCasesS()) {
        const ByteString frame =
            wbusAnswer(ByteString(1, static_cast<char>(c.command | 0x80)) + c.d);
        for (size_t i = 0; i < frame.size(); ++i) {
            WBusRunS run;
            const uint64_t before = run.b.points.changeCounter();
            ByteString damaged = frame;
            damaged[i] = static_cast<char>(damaged[i] ^ 0x01);
            run.s.WBUS_ReadAndDecodeS(adapterReply(damaged), 0, c.command, c.sub, run.r);
            EXPECT_EQ(run.r.Invalid, 1) << c.name << " byte " << i;
            EXPECT_EQ(run.b.points.changeCounter(), before) << c.name << " byte " << i;
            EXPECT_TRUE(run.b.states.empty());
        }
    }
}

// ---- K-Line --------------------------------------------------------------------------------

TEST(Truncation, KLineAnswersOfOtherLengthsStoreNothing) {
    for (const KLineCase& c : klineCases()) {
        const ByteString frame = klineAnswer(c.data);
        for (size_t n = 0; n <= 14; ++n) {
            if (n == frame.size()) continue;
            BusBench b;
            b.registerAll(klineKeys());
            KLineLayer k(b.env);
            ByteString t = frame.substr(0, n);
            t.resize(n, '\x00');
            const uint64_t before = b.points.changeCounter();
            TResult r;
            k.KLINE_ReadAndDecode(adapterReply(t), c.service, c.identifier, r);
            EXPECT_EQ(r.Invalid, 1) << c.name << " " << n;
            EXPECT_EQ(r.Value, n == 0 ? 0 : 5) << c.name << " " << n;
            EXPECT_EQ(b.points.changeCounter(), before) << c.name << " " << n;
        }
        for (size_t i = 0; i < frame.size(); ++i) {
            BusBench b;
            b.registerAll(klineKeys());
            KLineLayer k(b.env);
            ByteString damaged = frame;
            damaged[i] = static_cast<char>(damaged[i] ^ 0x01);
            if (i == 0) continue;  // the format byte is not checked, but the sum still is
            const uint64_t before = b.points.changeCounter();
            TResult r;
            k.KLINE_ReadAndDecode(adapterReply(damaged), c.service, c.identifier, r);
            EXPECT_EQ(r.Invalid, 1) << c.name << " byte " << i;
            EXPECT_EQ(b.points.changeCounter(), before) << c.name << " byte " << i;
            EXPECT_TRUE(b.states.empty());
        }
    }
}

// ---- S-Bus ---------------------------------------------------------------------------------

struct SBusRun {
    BusBench b;
    SBusLayer s{b.env};
    TResult r;
    SBusRun(uint8_t id, const ByteString& d) {
        b.registerAll(sbusKeys());
        s.SBUS_ReadAndDecode(0, adapterReply(sbusAnswer(ByteString(1, static_cast<char>(id)) + d)),
                             0, id, r);
    }
};

TEST(Truncation, SBusShortAndLongAnswers) {
    for (const SBusCase& c : sbusCases()) {
        const bool wholeText = (c.id >= 20 && c.id <= 29) || c.id == 39;
        const SBusRun full(c.id, c.data);
        const auto fullPoints = snapshot(full.b);
        for (size_t n = 0; n <= c.data.size() + 4 && n < 127; ++n) {
            ByteString d = c.data.substr(0, n);
            d.resize(n, static_cast<char>(0xA5));
            const SBusRun part(c.id, d);
            const ByteString what = ByteString(c.name) + " at " + std::to_string(n);
            EXPECT_EQ(part.r.Invalid, 0) << what;
            if (wholeText) {
                // the whole remaining data is the text: what came, and nothing when nothing came
                for (const auto& [key, v] : snapshot(part.b)) {
                    if (v == TResult::cleared()) continue;
                    EXPECT_NE(n, 0u) << what;
                    const ByteString expected = c.id == 27 ? " S-BUS " : "";
                    EXPECT_EQ(v.Text.substr(0, expected.size()), expected) << what;
                }
                continue;
            }
            expectNothingInvented(fullPoints, snapshot(part.b), {}, what);
            if (n >= c.data.size()) {
                for (const auto& [key, v] : snapshot(part.b)) {
                    EXPECT_EQ(v, fullPoints.at(key)) << what << " " << key;
                }
            }
        }
    }
}

TEST(Truncation, SBusDamagedFramesStoreNothing) {
    for (const SBusCase& c : sbusCases()) {
        for (bool crc : {false, true}) {
            const ByteString frame =
                sbusAnswer(ByteString(1, static_cast<char>(c.id)) + c.data, crc);
            for (size_t i = 0; i < frame.size(); ++i) {
                BusBench b;
                b.registerAll(sbusKeys());
                SBusLayer s(b.env);
                ByteString damaged = frame;
                damaged[i] = static_cast<char>(damaged[i] ^ 0x01);
                const uint64_t before = b.points.changeCounter();
                TResult r;
                s.SBUS_ReadAndDecode(0, adapterReply(damaged), 0, c.id, r);
                EXPECT_EQ(r.Invalid, 1) << c.name << " byte " << i << (crc ? " crc" : "");
                EXPECT_EQ(b.points.changeCounter(), before) << c.name << " byte " << i;
            }
        }
    }
}

}  // namespace
