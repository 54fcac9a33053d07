// The data points of class 5: registration, the decoders of the module's own answers, the
// texts and the scales.
#include <gtest/gtest.h>

#include <cmath>

#include "kx3090module.h"
#include "kx3166module.h"
#include "kx3166texts.h"
#include "modules.h"
#include "sessionrig.h"

namespace {

struct Points {
    Points() {
        DIAG_InstallModules(r.session);
        r.h.engine.DeviceClass = dcKX3166;
    }
    KX3166Module& module() { return *r.session.moduleAs<KX3166Module>(dcKX3166); }
    const DataPointTable& dp() const { return r.h.engine.dataPoints; }
    ByteString text(const ByteString& key) const { return dp().DP_GetValue(key).Text; }
    long double number(const ByteString& key) const { return dp().DP_GetValue(key).Value; }
    void expectTexts(std::initializer_list<std::pair<const char*, const char*>> expected) const {
        for (const auto& e : expected) EXPECT_EQ(text(e.first), e.second) << e.first;
    }
    const TWerteDaten& entry(int n) const { return dp().DataPoints().at(static_cast<size_t>(n)); }

    SessionRig r;
};

// An overview block of 32 bytes with a few fields set (0-based offsets).
ByteString overview(std::initializer_list<std::pair<size_t, unsigned>> bytes) {
    ByteString d(32, '\0');
    for (const auto& b : bytes) d[b.first] = static_cast<char>(b.second);
    return d;
}

TEST(KX3166Points, RegistrationInItsOrderWithCaptionsAndUnits) {
    Points p;
    // another class's session before: none of its keys stay
    p.r.session.moduleAs<KX3090Module>(dcKX3090)->KX3090_RegisterDataPoints();
    ASSERT_TRUE(p.dp().isRegistered("CFGNAME"));
    std::vector<uint8_t> marks;
    WindowHooks& w = p.r.h.engine.windowHooks;
    for (auto* hook :
         {&w.UI_CheckLineHS, &w.UI_CheckLineUPFA, &w.UI_CheckLineKL61, &w.UI_CheckLineSPAR})
        *hook = [&](uint8_t s) { marks.push_back(s); };
    p.r.h.engine.TemperatureUnit = 1;
    p.module().KX3166_RegisterDataPoints("       473800063");

    EXPECT_FALSE(p.dp().isRegistered("CFGNAME"));
    ASSERT_EQ(p.dp().DataPointCount(), 167);
    struct Row {
        int n;
        const char* key;
        const char* caption;
        const char* unit;
    };
    const Row rows[] = {
        {1, "CFGKRAFT", "Kraftstofftyp", ""},
        {3, "CFGSGID", "SG-ID zur Erkennung für die PWX", ""},
        {4, "OVRTEMPOBE", "Obere Schaltschwelle", "°F"},
        {6, "OVRBGRPM_S", "Motor Solldrehzahl", "U/min"},
        {28, "OVRBUSSTATE", "Zustand BUS ", ""},
        {33, "OVRZUSTAND", "Betriebszustand", ""},
        {37, "CFGHW_DATE", "HW-Datum", "KW/Jahr"},
        {42, "CFGDS_DATE", "Programmierdatum", "T.M.J h:m"},
        {43, "CFGHG_CLASS", "Heizleistungsklasse", "kW"},
        {44, "BETONTIME", "Einschaltzeit Hauptschalter", "h:m:s"},
        {55, "BET_AD_UEHS", "Eingang Überhitzungstemperatur", "AD"},
        {68, "BET_AD_RPM", "Eingang Brennermotor Drehzahlsignal", ""},
        {78, "CFGSW_APPL_LEN", "SW-Applikation Programmlänge", "Byte"},
        {79, "CFGSW_APPL_CRC", "SW-Applikation Checksumme", "hex"},
        {85, "CFGHG_SNR", "Heizgerät Seriennummer", ""},
        {86, "OVRERRCNT", "", ""},
        {87, "ERRBEZ1", "Fehler 1", ""},
        {88, "ERRCODE1", "     Code", ""},
        {91, "ERRTEMP1", "     Temperatur", "°F"},
        {92, "ERRUB1", "     Spannung", "V"},
        {94, "ERRHEATTIME1", "     Brennzeit", "h:m:s"},
        {159, "ERRBEZ10", "Fehler 10", ""},
        {166, "ERRHEATTIME10", "     Brennzeit", "h:m:s"},
        {167, "PARKOMPDEF", "KOMP DEFAULT", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.n);
        EXPECT_EQ(p.entry(r.n).Key, r.key);
        EXPECT_EQ(p.entry(r.n).Caption, r.caption);
        EXPECT_EQ(p.entry(r.n).Unit, r.unit);
    }
    EXPECT_EQ(p.text("CFGSGID"), "       473800063");
    EXPECT_EQ(p.text("CFGKraft"), "Diesel");
    EXPECT_EQ(p.text("PARKOMPDEF"), "-1");
    EXPECT_EQ(p.number("PARKOMPDEF"), -1);
    EXPECT_TRUE(p.dp().DP_GetValue("OVRZUSTAND").Invalid);
    EXPECT_EQ(marks, (std::vector<uint8_t>{255, 255, 255, 255}));
    EXPECT_TRUE(p.r.h.engine.DIAG_Timer().isActive());
}

TEST(KX3166Points, OverviewBlock) {
    Points p;
    p.module().KX3166_RegisterDataPoints("x");
    p.r.session.OperatingState = 2;
    // upper 80, lower 70, set 4000 rpm, 3985 rpm, pump, 12.8 V, coolant 61.5 °C, flame 2.4 V,
    // flame code 1, HS + UPFA + valve, flame + operating light, bus 1, component 0, TUS,
    // CPU 38 °C, state 14, test values 258 and 65535
    p.module().KX3166_DecodeOverview(overview({
        {0, 80},   {1, 70},    {2, 0xA0},  {3, 0x0F},  {4, 0x91},  {5, 0x0F},  {6, 1},
        {7, 0x7E}, {8, 0x5C},  {11, 0xD0}, {12, 0x89}, {13, 0x2A}, {14, 0xBA}, {15, 1},
        {16, 7},   {20, 0x54}, {21, 0x03}, {22, 1},    {24, 0x01}, {25, 0xA3}, {26, 0x70},
        {27, 14},  {28, 2},    {29, 1},    {30, 0xFF}, {31, 0xFF},
    }));
    p.expectTexts({
        {"OVRTEMPOBE", "80"},
        {"OVRTEMPUNT", "70"},
        {"OVRBGRPM_S", "4000"},
        {"OVRLBG", "1"},
        {"OVRBGRPM", "3985"},
        {"OVRLUP", "1"},
        {"OVRUB", "12.8"},
        {"OVRTEMP", "61.5"},
        {"OVRUFL", "2.40"},
        {"OVRLUEHS", "0"},
        {"OVRFLZUSTAND", "hell"},
        {"OVRLFL", "1"},
        {"OVRSTATE", "7"},
        {"OVRSTV", "0"},
        {"OVRKOMP", "0"},
        {"OVRLHS", "1"},
        {"OVRLKL61", "0"},
        {"OVRLUPFA", "1"},
        {"OVRLSPAR", "0"},
        {"OVRLMV", "1"},
        {"OVRLZFG", "0"},
        {"OVRLFLAZ", "1"},
        {"OVRLBA", "1"},
        {"OVRBUSSTATE", "1"},
        {"OVRKOMPTEST", "0"},
        {"OVRTUS", "1"},
        {"OVRTOS", "0"},
        {"OVRTEMPCPU", "38.0"},
        {"OVRZUSTAND", "Standheizen"},
        {"OVRTEST1", "258"},
        {"OVRTEST2", "65535"},
    });
    EXPECT_NEAR(static_cast<double>(p.number("OVRUB")), 12.8, 0.001);  // the unrounded value
    EXPECT_EQ(p.number("OVRZUSTAND"), 14);
    // the state change went to the session before the text was stored, once
    ASSERT_EQ(p.r.h.log.stateChanges.size(), 1u);
    EXPECT_EQ(p.r.h.log.stateChanges[0].deviceClass, dcKX3166);
    EXPECT_EQ(p.r.h.log.stateChanges[0].oldState, 2);
    EXPECT_EQ(p.r.h.log.stateChanges[0].newState, 14);
    EXPECT_TRUE(p.dp().DP_GetValue("OVRERRCNT").Invalid);
}

TEST(KX3166Points, OverviewEdgesInBothTemperatureUnits) {
    struct Case {
        uint8_t unit;
        unsigned overheatRaw;
        const char* overheat;
        const char* overheatLamp;
        unsigned setRpm;
        const char* motorLamp;
        uint8_t flame;
        const char* flameText;
        const char* flameLamp;
        uint8_t state;
        const char* stateText;
    };
    const Case cases[] = {
        {0, 0xFFFF, "200.0", "1", 0, "0", 2, "hell (Hysterese)", "1", 255, "FFh"},
        {0, 0, "-100.0", "0", 1, "1", 3, "dunkel (Hysterese)", "0", 19, "13h"},
        {0, 51335, "135.0", "0", 0, "0", 7, "07h", "0", 0, "Einsatzbereit"},
        {0, 51336, "135.0", "1", 0, "0", 0, "Kurzschluss", "0", 18, "Nachlauf 2"},
        {1, 0xFFFF, "392.0", "1", 0, "0", 5, "abbruch", "0", 4, "Umwälzpumpe ohne Heizfunktion"},
        {1, 0, "-148.0", "0", 0, "0", 4, "dunkel", "0", 5, "Komponententest"},
        {1, 35000, "140.4", "0", 0, "0", 1, "hell", "1", 16, "Brennstörung"},  // 60.2 °C
        {1, 51336, "275.0", "1", 0, "0", 1, "hell", "1", 16, "Brennstörung"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.overheatRaw);
        Points p;
        p.r.h.engine.TemperatureUnit = c.unit;
        p.module().KX3166_RegisterDataPoints("x");
        p.module().KX3166_DecodeOverview(overview({{9, c.overheatRaw & 0xFF},
                                                   {10, c.overheatRaw >> 8},
                                                   {2, c.setRpm},
                                                   {15, c.flame},
                                                   {27, c.state}}));
        EXPECT_EQ(p.text("OVRTEMPUEHS"), c.overheat);
        EXPECT_EQ(p.text("OVRLUEHS"), c.overheatLamp);
        EXPECT_EQ(p.dp().DP_Find("OVRTEMPUEHS").Unit, c.unit ? "°F" : "°C");
        EXPECT_EQ(p.text("OVRLBG"), c.motorLamp);
        EXPECT_EQ(p.text("OVRFLZUSTAND"), c.flameText);
        EXPECT_EQ(p.number("OVRFLZUSTAND"), c.flame);
        EXPECT_EQ(p.text("OVRLFL"), c.flameLamp);
        EXPECT_EQ(p.text("OVRZUSTAND"), c.stateText);
    }
}

TEST(KX3166Points, InputsAndErrorEntries) {
    Points p;
    p.module().KX3166_RegisterDataPoints("x");
    ByteString inputs = {1, 0, 1};
    for (unsigned i = 0; i < 14; ++i) inputs += ByteString{static_cast<char>(i + 1), '\x01'};
    p.module().KX3166_DecodeInputs(inputs);
    p.expectTexts({{"BET_AD_UEPR", "1"},
                   {"BET_AD_MV", "0"},
                   {"BET_AD_ZFG", "1"},
                   {"BET_AD_UEHS", "257"},
                   {"BET_AD_SPAR", "262"},
                   {"BET_AD_RPM", "270"}});
    EXPECT_EQ(p.number("BET_AD_RPM"), 270);

    // entry 7: code 24, counted 70000 times, in state 13, 0xFFFF (200 °C), 0xFFFF (45 V),
    // 3725 s and 59 s
    const ByteString entry = H("07 18 70 11 01 00 0D FF FF FF FF 8D 0E 00 00 3B 00 00 00");
    p.module().KX3166_DecodeErrorEntry(entry);
    p.expectTexts({{"ERRBEZ7", "unbekannt 24"},
                   {"ERRCODE7", "24"},
                   {"ERRCOUNT7", "70000"},
                   {"ERRZUSTAND7", "Zündung"},
                   {"ERRTEMP7", "200.0"},
                   {"ERRUB7", "45.0"},
                   {"ERRONTIME7", "1:02:05"},
                   {"ERRHEATTIME7", "0:00:59"}});
    EXPECT_EQ(p.number("ERRBEZ7"), 24);
    EXPECT_EQ(p.number("ERRONTIME7"), 0);
    // code 0: no error, an empty text
    p.module().KX3166_DecodeErrorEntry(H("08 00") + ByteString(17, '\0'));
    EXPECT_EQ(p.text("ERRBEZ8"), "");
    EXPECT_FALSE(p.dp().DP_GetValue("ERRBEZ8").Invalid);
    // an entry number outside 1..10 names no registered key
    const uint64_t before = p.dp().changeCounter();
    p.module().KX3166_DecodeErrorEntry(H("0B 09") + ByteString(17, '\0'));
    p.module().KX3166_DecodeErrorEntry(H("00 09") + ByteString(17, '\0'));
    EXPECT_EQ(p.dp().changeCounter(), before);

    p.module().KX3166_DecodeComponentDefault(H("2D 01"));
    EXPECT_EQ(p.text("PARKOMPDEF"), "45");
}

TEST(KX3166Texts, StateFlameAndErrorTexts) {
    EXPECT_EQ(KX3166_StateText(0), "Einsatzbereit");
    EXPECT_EQ(KX3166_StateText(2), "Einsatzbereit");
    EXPECT_EQ(KX3166_StateText(11), "Vorlauf Verlängerung");
    EXPECT_EQ(KX3166_StateText(19), "13h");
    EXPECT_EQ(KX3166_StateText(0x1234), "1234h");
    EXPECT_EQ(KX3166_FlameStateText(6), "06h");
    EXPECT_EQ(KX3166_FlameStateText(0xAB), "ABh");
    struct Case {
        uint8_t code;
        const char* text;
    };
    const Case errors[] = {
        {0, ""},
        {1, "Steuergerätefehler (Flash defekt, falsche Checksumme)"},
        {12, "Steuergerätefehler (Flammwächter Kurzschluss Kl.31)"},
        {13, "unbekannt 13"},
        {16, "Überhitzung T>135°C"},
        {24, "unbekannt 24"},
        {28, "unbekannt 28"},
        {34, "Komparator 150°C hat ausgelöst"},
        {35, "unbekannt 35"},
        {255, "unbekannt 255"},
    };
    for (const Case& c : errors) EXPECT_EQ(KX3166_ErrorText(c.code), c.text) << int(c.code);
}

TEST(KX3166Texts, Scales) {
    struct Case {
        long double (*scale)(long double);
        long double raw, value;
    };
    auto temp300F = [](long double raw) { return KX3166_ScaleTemp300(raw, 1); };
    const Case cases[] = {
        {[](long double r) { return KX3166_ScaleTemp300(r); }, 0, -100},
        {[](long double r) { return KX3166_ScaleTemp300(r); }, 65535, 200},
        {temp300F, 65535, 392},
        {[](long double r) { return KX3166_ScaleTemp200(r); }, 0, -50},
        {[](long double r) { return KX3166_ScaleTemp200(r); }, 65535, 150},
        {[](long double r) { return KX3166_ScaleTemp200(r, 1); }, 0, -58},
        {KX3166_ScaleSupplyVoltage, 0, -5.4376L},
        {KX3166_ScaleSupplyVoltage, 65535, 45.0391L},
        {KX3166_ScaleErrorVoltage, 65535, 45},
        {KX3166_ScaleErrorVoltage, 32768, 22.5003433L},
        {KX3166_ScaleFlameVoltage, 65535, 3.3L},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(static_cast<double>(c.scale(c.raw)), static_cast<double>(c.value), 1e-6)
            << static_cast<double>(c.raw);
}

}  // namespace
