// The data points of class 4: registration, the decoders of the counter block, the overview
// block and the error entry, short blocks, and the texts.
#include <gtest/gtest.h>

#include "kx3090module.h"
#include "kx3141module.h"
#include "kx3141texts.h"
#include "modules.h"
#include "sessionrig.h"

namespace {

struct Points {
    Points() {
        DIAG_InstallModules(r.session);
        r.h.engine.DeviceClass = dcKX3141;
    }
    KX3141Module& module() { return *r.session.moduleAs<KX3141Module>(dcKX3141); }
    const DataPointTable& dp() const { return r.h.engine.dataPoints; }
    ByteString text(const ByteString& key) const { return dp().DP_GetValue(key).Text; }
    long double number(const ByteString& key) const { return dp().DP_GetValue(key).Value; }
    bool invalid(const ByteString& key) const { return dp().DP_GetValue(key).Invalid != 0; }
    void expectTexts(std::initializer_list<std::pair<const char*, const char*>> expected) const {
        for (const auto& e : expected) EXPECT_EQ(text(e.first), e.second) << e.first;
    }
    const TWerteDaten& entry(int n) const { return dp().DataPoints().at(static_cast<size_t>(n)); }

    SessionRig r;
};

// A block of n bytes with a few set (0-based offsets); words little-endian.
ByteString block(size_t n, std::initializer_list<std::pair<size_t, unsigned>> bytes) {
    ByteString d(n, '\0');
    for (const auto& b : bytes) d.at(b.first) = static_cast<char>(b.second);
    return d;
}
void word(ByteString& d, size_t at, int v) {
    d.at(at) = static_cast<char>(v & 0xFF);
    d.at(at + 1) = static_cast<char>((v >> 8) & 0xFF);
}

TEST(KX3141Points, RegistrationInItsOrderWithCaptionsAndUnits) {
    Points p;
    // another class's session before: none of its keys stay
    p.r.session.moduleAs<KX3090Module>(dcKX3090)->KX3090_RegisterDataPoints();
    ASSERT_TRUE(p.dp().isRegistered("CFGWBUS"));
    p.r.h.engine.TemperatureUnit = 1;
    p.module().KX3141_RegisterDataPoints("          KX3141");

    EXPECT_FALSE(p.dp().isRegistered("CFGWBUS"));
    ASSERT_EQ(p.dp().DataPointCount(), 135);
    struct Row {
        int n;  // 1-based, as the table counts its points
        const char* key;
        const char* caption;
        const char* unit;
    };
    const Row rows[] = {
        {1, "CFGSBUSVER", "BUS Version", ""},
        {2, "CFGSGID", "Steuergeräte-Identnummer", ""},
        {3, "CFGNAME", "Gerätebezeichnung", ""},
        {12, "CFGKUNDID", "Kunden-Identnummer", ""},
        {15, "BETFARZ", "Flammabrisszähler", ""},
        {17, "BETONTIME", "Einschaltzeit Hauptschalter", "h:m:s"},
        {22, "BETSZ_M10", "Startzähler Temperatur -20°C bis  -10°C", ""},
        {26, "BETZZ_M40", "Startversuchszähler Temperatur < -40°C", ""},
        {27, "OVRLHS", "HS", ""},
        {31, "OVRLUEHZ", "ÜHS", ""},
        {40, "OVRLSBUSUPFA", "Flag S-BUS Umwälzpumpenfremdansteuerung", ""},
        {44, "OVRHS", "Spannung HS", "V"},
        {50, "OVRTEMP", "Temperatur", "°F"},
        {53, "OVRTEMGRAD", "Temperaturgradient", "K/2s"},
        {55, "OVRZUSTAND_Z", "Zustand Zeit", "s"},
        {58, "OVRCRC", "Programmchecksumme", "hex"},
        {60, "OVRTEMPUEHS", "Temperatur ÜHS", "°F"},
        {61, "OVRSTROMUP", "Umwälzpumpe Strom", "A"},
        {65, "BETVHSTROM", "Reglerheizung Stromerhöhung", "A"},
        {66, "ERRBEZ1", "Fehler 1", ""},
        {67, "ERRCODE1", "     Code", ""},
        {70, "ERRONTIME1", "     Einschaltzeit Hauptschalter", "h:m"},
        {72, "ERRUB1", "     Spannung", "V"},
        {129, "ERRBEZ10", "Fehler 10", ""},
        {135, "ERRUB10", "     Spannung", "V"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.n);
        EXPECT_EQ(p.entry(r.n).Key, r.key);
        EXPECT_EQ(p.entry(r.n).Caption, r.caption);
        EXPECT_EQ(p.entry(r.n).Unit, r.unit);
    }
    for (const char* key : {"OVRERRCNT", "PARKOMPDEF", "BET_AD_UB"})
        EXPECT_FALSE(p.dp().isRegistered(key)) << key;
    p.expectTexts({{"CFGSGID", "          KX3141"}, {"CFGName", "KX3141"}, {"CFGKraft", "Gas"}});
    EXPECT_TRUE(p.invalid("OVRZUSTAND"));
    EXPECT_TRUE(p.r.h.engine.DIAG_Timer().isActive());
}

TEST(KX3141Points, CounterBlock) {
    Points p;
    p.module().KX3141_RegisterDataPoints("x");
    ByteString b = block(30, {{0, 0xEE}, {1, 1}, {2, 3}, {3, 7}});
    const uint32_t on = 3725;
    for (size_t i = 0; i < 4; ++i) b[4 + i] = static_cast<char>((on >> (8 * i)) & 0xFF);
    word(b, 8, 59), word(b, 12, 0);
    word(b, 16, 2345), word(b, 18, 1200), word(b, 20, 310), word(b, 22, 45), word(b, 24, 6);
    word(b, 26, 1), word(b, 28, 65535);
    p.module().KX3141_DecodeCounters(b);
    p.expectTexts({{"BETHGV", "1"},
                   {"BETFAZ", "3"},
                   {"BETSTZ", "7"},
                   {"BETONTIME", "1:02:05"},
                   {"BETHEATTIME", "0:00:59"},
                   {"BETUPTIME", "0:00:00"},
                   {"BETSTART", "2345"},
                   {"BETSZ_P10", "1200"},
                   {"BETSZ_M10", "310"},
                   {"BETSZ_M20", "45"},
                   {"BETSZ_M30", "6"},
                   {"BETSZ_M40", "1"},
                   {"BETZZ_M40", "65535"}});
    EXPECT_EQ(p.number("BETONTIME"), 3725);
    EXPECT_EQ(p.number("BETSTART"), 2345);
}

TEST(KX3141Points, ShortBlocksClearTheRowsTheyDoNotHold) {
    // Blocks that pass the answer's minimum length but end early: the rows beyond them show
    // nothing, never a 0 the unit did not send.
    struct Case {
        const char* what;
        bool overview;
        size_t size;
        std::vector<const char*> kept, cleared;
    };
    const Case cases[] = {
        {"counters, 27 bytes", false, 27, {"BETSZ_M30", "BETSTART"}, {"BETSZ_M40", "BETZZ_M40"}},
        {"counters, 29 bytes", false, 29, {"BETSZ_M40"}, {"BETZZ_M40"}},
        {"overview, 40 bytes",
         true,
         40,
         {"OVRSTROMUPCNT", "OVRTEMPUEHS"},
         {"OVRSTROMCU", "OVRSTROMCUCNT", "BETVHSTROM"}},
        {"overview, 44 bytes", true, 44, {"OVRSTROMCUCNT"}, {"BETVHSTROM"}},
        {"overview, 2 bytes",
         true,
         2,
         {"OVRLHS", "OVRLSBUSUPFA"},
         {"OVRST_BRENN", "OVRUB", "OVRZUSTAND"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Points p;
        p.module().KX3141_RegisterDataPoints("x");
        // a whole block first, so a stale value would show
        if (c.overview)
            p.module().KX3141_DecodeOverview(ByteString(45, '\x01'));
        else
            p.module().KX3141_DecodeCounters(ByteString(30, '\x01'));
        const ByteString shortBlock(c.size, '\x02');
        if (c.overview)
            p.module().KX3141_DecodeOverview(shortBlock);
        else
            p.module().KX3141_DecodeCounters(shortBlock);
        for (const char* k : c.kept) EXPECT_FALSE(p.invalid(k)) << k;
        for (const char* k : c.cleared) {
            EXPECT_TRUE(p.invalid(k)) << k;
            EXPECT_EQ(p.text(k), "") << k;
            EXPECT_EQ(p.number(k), 0) << k;
        }
    }
}

TEST(KX3141Points, OverviewBlock) {
    Points p;
    p.module().KX3141_RegisterDataPoints("x");
    p.r.session.OperatingState = 0x0300;
    ByteString b =
        block(45, {{0, 0xC5}, {1, 0x3E}, {2, 0x05}, {29, 2}, {32, 5}, {34, 9}, {39, 4}, {42, 2}});
    word(b, 3, 1262), word(b, 5, 1275), word(b, 7, 750), word(b, 9, 1233), word(b, 11, 0),
        word(b, 13, 1199);
    word(b, 15, 235), word(b, 17, 700), word(b, 19, 800), word(b, 21, -12);
    word(b, 23, 0x1003), word(b, 25, 123), word(b, 27, 4567), word(b, 30, 0xB7E3);
    word(b, 35, 243), word(b, 37, 125), word(b, 40, 285), word(b, 43, -320);
    p.module().KX3141_DecodeOverview(b);
    p.expectTexts({
        {"OVRLHS", "1"},
        {"OVRLBA", "0"},
        {"OVRLBG", "1"},
        {"OVRLFW", "0"},
        {"OVRLUEHZ", "0"},
        {"OVRLZFM", "0"},
        {"OVRLUP", "1"},
        {"OVRLFLAZ", "1"},
        {"OVRLUPFA", "0"},
        {"OVRLVH", "1"},
        {"OVRLMV1", "1"},
        {"OVRLMV2", "1"},
        {"OVRLSBUSHS", "1"},
        {"OVRLSBUSUPFA", "1"},
        {"OVRST_BRENN", "1"},
        {"OVRSTV", "0"},
        {"OVRST_US", "1"},
        {"OVRHS", "12.62"},
        {"OVRUB", "12.75"},
        {"OVRUFL", "3.67"},
        {"OVRUGATE", "12.33"},
        {"OVRUUPFA", "0.00"},
        {"OVRUZFM", "11.99"},
        {"OVRTEMP", "23.5"},
        {"OVRTEMPUNT", "70.0"},
        {"OVRTEMPOBE", "80.0"},
        {"OVRTEMGRAD", "-1.2"},
        {"OVRZUSTAND", "Heizen 3"},
        {"OVRZUSTAND_Z", "12.3"},
        {"OVRHEIZ_ZEIT", "456.7"},
        {"OVRFLZUSTAND", "Flamme"},
        {"OVRCRC", "B7E3"},
        {"BETFARZ", "5"},
        {"OVRERRCODE", "Flammabbruch"},
        {"OVRTEMPUEHS", "24.3"},
        {"OVRSTROMUP", "1.25"},
        {"OVRSTROMUPCNT", "4"},
        {"OVRSTROMCU", "2.85"},
        {"OVRSTROMCUCNT", "2"},
        {"BETVHSTROM", "-3.20"},
    });
    EXPECT_NEAR(static_cast<double>(p.number("OVRUFL")), 750 * 5.0 / 1023, 1e-9);  // unrounded
    EXPECT_EQ(p.number("OVRZUSTAND"), 0x1003);
    EXPECT_EQ(p.number("OVRCRC"), 0xB7E3);
    EXPECT_EQ(p.number("OVRERRCODE"), 9);
    // the state change went to the session before the text was stored
    ASSERT_EQ(p.r.h.log.stateChanges.size(), 1u);
    EXPECT_EQ(p.r.h.log.stateChanges[0].deviceClass, dcKX3141);
    EXPECT_EQ(p.r.h.log.stateChanges[0].oldState, 0x0300);
    EXPECT_EQ(p.r.h.log.stateChanges[0].newState, 0x1003);
}

TEST(KX3141Points, OverviewSensorFaultsAndEdgesInBothUnits) {
    struct Case {
        const char* key;
        size_t at;
        int raw;
        uint8_t unit;  // temperature unit
        const char* text;
        long double number;
    };
    const Case cases[] = {
        {"OVRTEMP", 15, 235, 0, "23.5", 23.5L},
        {"OVRTEMP", 15, 235, 1, "74.3", 74.3L},
        {"OVRTEMP", 15, -500, 0, "", -50},
        {"OVRTEMP", 15, -500, 1, "", -50},
        {"OVRTEMP", 15, 1600, 0, "", -50},
        {"OVRTEMP", 15, -499, 0, "-49.9", -49.9L},
        {"OVRTEMP", 15, 1599, 0, "159.9", 159.9L},
        {"OVRTEMPUEHS", 35, -510, 0, "<HW>", -51},
        {"OVRTEMPUEHS", 35, -501, 1, "", -51},
        {"OVRTEMPUEHS", 35, -500, 0, "-50.0", -50},
        {"OVRTEMPUEHS", 35, -500, 1, "-58.0", -58},
        {"OVRTEMPOBE", 19, 800, 1, "176.0", 176},
        {"OVRTEMGRAD", 21, 15, 1, "1.5", 1.5L},  // K per 2 s, never converted
        {"OVRUFL", 7, 1023, 0, "5.00", 5},
        {"OVRUFL", 7, 0xFFFF, 0, "", 0},
        {"OVRZUSTAND_Z", 25, 0, 0, "", 0},
        {"OVRZUSTAND_Z", 25, 1, 0, "0.1", 0.1L},
        {"OVRZUSTAND_Z", 25, 0xFFFE, 0, "6553.4", 6553.4L},
        {"OVRZUSTAND_Z", 25, 0xFFFF, 0, "", 6553.5L},
        {"OVRZUSTAND", 23, 0x1000, 0, "Heizen", 0x1000},
        {"OVRZUSTAND", 23, 0x0000, 0, "0000h", 0},
        {"OVRZUSTAND", 23, 0x15FF, 0, "15FFh", 0x15FF},
        {"OVRZUSTAND", 23, 0x14FF, 0, "Nachlauf 2 255", 0x14FF},
        {"OVRFLZUSTAND", 29, 6, 0, "06h", 6},
        {"OVRFLZUSTAND", 29, 5, 0, "", 5},
        {"OVRERRCODE", 34, 60, 0, "unbekannt 60", 60},
        {"OVRERRCODE", 34, 0, 0, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " " + std::to_string(c.raw));
        Points p;
        p.r.h.engine.TemperatureUnit = c.unit;
        p.module().KX3141_RegisterDataPoints("x");
        ByteString b(45, '\0');
        if (c.at == 29 || c.at == 34)
            b[c.at] = static_cast<char>(c.raw);
        else
            word(b, c.at, c.raw);
        p.module().KX3141_DecodeOverview(b);
        EXPECT_EQ(p.text(c.key), c.text);
        EXPECT_NEAR(static_cast<double>(p.number(c.key)), static_cast<double>(c.number), 1e-9);
        EXPECT_FALSE(p.invalid(c.key));
    }
}

TEST(KX3141Points, ErrorEntries) {
    Points p;
    p.module().KX3141_RegisterDataPoints("x");
    // entry 7: code 21, 3 times, in state 7, at 1234 h 5 min and 987 h 59 min, 12.45 V
    p.module().KX3141_DecodeErrorEntry(H("07 15 03 07 D2 04 05 DB 03 3B DD 04") +
                                       ByteString(8, '\0'));
    p.expectTexts({{"ERRBEZ7", "Flamme vor dem Zustand \"Zündung\""},
                   {"ERRCODE7", "21"},
                   {"ERRCOUNT7", "3"},
                   {"ERRZUSTAND7", "Störverriegelung"},
                   {"ERRONTIME7", "1234:05"},
                   {"ERRHEATTIME7", "987:59"},
                   {"ERRUB7", "12.45"}});
    EXPECT_EQ(p.number("ERRBEZ7"), 21);
    EXPECT_EQ(p.number("ERRZUSTAND7"), 0x0700);
    EXPECT_EQ(p.number("ERRONTIME7"), 0);
    // an empty place: code 0 has no text, the state no name
    p.module().KX3141_DecodeErrorEntry(H("08") + ByteString(19, '\0'));
    p.expectTexts({{"ERRBEZ8", ""}, {"ERRZUSTAND8", "0000h"}, {"ERRONTIME8", "0:00"}});
    EXPECT_FALSE(p.invalid("ERRBEZ8"));
    // an entry number outside 1..10 names no registered key
    const uint64_t before = p.dp().changeCounter();
    p.module().KX3141_DecodeErrorEntry(H("0B 09") + ByteString(18, '\0'));
    p.module().KX3141_DecodeErrorEntry(H("00 09") + ByteString(18, '\0'));
    EXPECT_EQ(p.dp().changeCounter(), before);
}

TEST(KX3141Texts, StateFlameErrorAndTime) {
    const std::pair<uint16_t, const char*> states[] = {
        {0x0100, "Auszustand"},
        {0x0400, "Umwälzpumpe ohne Heizfunktion"},
        {0x0500, "Umwälzpumpe ohne Heizfunktion"},
        {0x0B00, "Vorwärmung"},
        {0x0F02, "Spülen 2"},
        {0x1003, "Heizen 3"},
        {0x1400, "Nachlauf 2"},
        {0x0000, "0000h"},
        {0x00FF, "00FFh"},
        {0x1500, "1500h"},
        {0xFFFF, "FFFFh"},
    };
    for (const auto& s : states) EXPECT_EQ(KX3141_StateText(s.first), s.second) << s.first;
    const std::pair<uint8_t, const char*> flames[] = {
        {0, "keine Flamme"}, {1, "keine Flamme"}, {2, "Flamme"},
        {3, "Flamme"},       {4, "fehlerhaft"},   {5, ""},
        {6, "06h"},          {0xAB, "ABh"},
    };
    for (const auto& f : flames)
        EXPECT_EQ(KX3141_FlameStateText(f.first), f.second) << int(f.first);
    const std::pair<uint8_t, const char*> errors[] = {
        {0, ""},
        {1, "Steuergerätefehler"},
        {22, "Flamme im Zustand \"Nachlauf 2\""},
        {32, "Zündfunkenmodul Select Kurzschluss Kl. 31 o. keine Induktion"},
        {46, "Überhitzung"},
        {56, "Temperatursensor < -50°C"},
        {59, "Temperatursensoren unplausibel"},
        {60, "unbekannt 60"},
        {255, "unbekannt 255"},
    };
    for (const auto& e : errors) EXPECT_EQ(KX3141_ErrorText(e.first), e.second) << int(e.first);
    EXPECT_EQ(KX3141_FormatSeconds(3725), "1:02:05");
    EXPECT_EQ(KX3141_FormatSeconds(0), "0:00:00");
    EXPECT_EQ(KX3141_FormatSeconds(4294967295u), "1193046:28:15");
}

}  // namespace
