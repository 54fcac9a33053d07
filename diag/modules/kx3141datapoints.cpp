// The data points of class 4, in the order the views and the report show them, and the
// decoders of the module's own answers (counter block, overview block, error entry). The
// identification answers are decoded by the S-Bus layer itself into the keys registered here.
#include "busrows.h"
#include "diagsession.h"
#include "kx3141module.h"
#include "kx3141texts.h"
#include "rounding.h"
#include "translate.h"

#define CTX "MAIN_KX3141"

namespace {

struct Row {
    const char* key;
    const char* caption;  // translated
    int unit;             // index into the unit texts below
};

enum Unit { None, Temp, Volt, Ampere, Seconds, Hms, Hm, Hex, Gradient };

// clang-format off
const Row kRows[] = {
    {"CFGSBUSVER", QT_TRANSLATE_NOOP(CTX, "BUS Version"), None},
    {"CFGSGID", QT_TRANSLATE_NOOP(CTX, "Steuergeräte-Identnummer"), None},
    {"CFGName", QT_TRANSLATE_NOOP(CTX, "Gerätebezeichnung"), None},
    {"CFGKraft", QT_TRANSLATE_NOOP(CTX, "Kraftstofftyp"), None},
    {"CFGHWVER", QT_TRANSLATE_NOOP(CTX, "HW-Version"), None},
    {"CFGSWVER", QT_TRANSLATE_NOOP(CTX, "SW-Version"), None},
    {"CFGSGDATE", QT_TRANSLATE_NOOP(CTX, "Herstelldatum Steuergerät"), None},
    {"CFGSNR", QT_TRANSLATE_NOOP(CTX, "Seriennummer"), None},
    {"CFGHGDATE", QT_TRANSLATE_NOOP(CTX, "Herstelldatum Heizgerät"), None},
    {"CFGKENHER", QT_TRANSLATE_NOOP(CTX, "Herstellerkennung"), None},
    {"CFGKENHG", QT_TRANSLATE_NOOP(CTX, "Heizgerätekennung"), None},
    {"CFGKUNDID", QT_TRANSLATE_NOOP(CTX, "Kunden-Identnummer"), None},
    {"BETHGV", QT_TRANSLATE_NOOP(CTX, "Flag Heizgeräteverriegelung"), None},
    {"BETFAZ", QT_TRANSLATE_NOOP(CTX, "Flammabbruchzähler"), None},
    {"BETFARZ", QT_TRANSLATE_NOOP(CTX, "Flammabrisszähler"), None},
    {"BETSTZ", QT_TRANSLATE_NOOP(CTX, "Störzähler"), None},
    {"BETONTIME", QT_TRANSLATE_NOOP(CTX, "Einschaltzeit Hauptschalter"), Hms},
    {"BETHEATTIME", QT_TRANSLATE_NOOP(CTX, "Brennzeit"), Hms},
    {"BETUPTIME", QT_TRANSLATE_NOOP(CTX, "Einschaltzeit Umwälzpumpe"), Hms},
    {"BETSTART", QT_TRANSLATE_NOOP(CTX, "Startzähler gesamt"), None},
    {"BETSZ_P10", QT_TRANSLATE_NOOP(CTX, "Startzähler Temperatur -10°C bis +10°C"), None},
    {"BETSZ_M10", QT_TRANSLATE_NOOP(CTX, "Startzähler Temperatur -20°C bis  -10°C"), None},
    {"BETSZ_M20", QT_TRANSLATE_NOOP(CTX, "Startzähler Temperatur -30°C bis  -20°C"), None},
    {"BETSZ_M30", QT_TRANSLATE_NOOP(CTX, "Startzähler Temperatur -40°C bis  -30°C"), None},
    {"BETSZ_M40", QT_TRANSLATE_NOOP(CTX, "Startzähler Temperatur < -40°C"), None},
    {"BETZZ_M40", QT_TRANSLATE_NOOP(CTX, "Startversuchszähler Temperatur < -40°C"), None},
    {"OVRLHS", QT_TRANSLATE_NOOP(CTX, "HS"), None},
    {"OVRLBA", QT_TRANSLATE_NOOP(CTX, "BA"), None},
    {"OVRLBG", QT_TRANSLATE_NOOP(CTX, "BM"), None},
    {"OVRLFW", QT_TRANSLATE_NOOP(CTX, "Flag Flammwächter aktiv"), None},
    {"OVRLUEHZ", QT_TRANSLATE_NOOP(CTX, "ÜHS"), None},
    {"OVRLZFM", QT_TRANSLATE_NOOP(CTX, "ZFM"), None},
    {"OVRLUP", QT_TRANSLATE_NOOP(CTX, "UP"), None},
    {"OVRLFLAZ", QT_TRANSLATE_NOOP(CTX, "Flamme"), None},
    {"OVRLUPFA", QT_TRANSLATE_NOOP(CTX, "UPFA"), None},
    {"OVRLVH", QT_TRANSLATE_NOOP(CTX, "ERH"), None},
    {"OVRLMV1", QT_TRANSLATE_NOOP(CTX, "MV1"), None},
    {"OVRLMV2", QT_TRANSLATE_NOOP(CTX, "MV2"), None},
    {"OVRLSBUSHS", QT_TRANSLATE_NOOP(CTX, "Flag S-BUS Hauptschalter"), None},
    {"OVRLSBUSUPFA", QT_TRANSLATE_NOOP(CTX, "Flag S-BUS Umwälzpumpenfremdansteuerung"), None},
    {"OVRST_BRENN", QT_TRANSLATE_NOOP(CTX, "Flag Brennstörung"), None},
    {"OVRSTV", QT_TRANSLATE_NOOP(CTX, "Flag Störverriegelung"), None},
    {"OVRST_US", QT_TRANSLATE_NOOP(CTX, "Flag Unterspannung STV/HGV"), None},
    {"OVRHS", QT_TRANSLATE_NOOP(CTX, "Spannung HS"), Volt},
    {"OVRUB", QT_TRANSLATE_NOOP(CTX, "Betriebsspannung"), Volt},
    {"OVRUFL", QT_TRANSLATE_NOOP(CTX, "Flammwächterspannung"), Volt},
    {"OVRUGATE", QT_TRANSLATE_NOOP(CTX, "Spannung Gates"), Volt},
    {"OVRUUPFA", QT_TRANSLATE_NOOP(CTX, "Spannung UPFA"), Volt},
    {"OVRUZFM", QT_TRANSLATE_NOOP(CTX, "Spannung ZFM"), Volt},
    {"OVRTEMP", QT_TRANSLATE_NOOP(CTX, "Temperatur"), Temp},
    {"OVRTEMPUNT", QT_TRANSLATE_NOOP(CTX, "Untere Schaltschwelle"), Temp},
    {"OVRTEMPOBE", QT_TRANSLATE_NOOP(CTX, "Obere Schaltschwelle"), Temp},
    {"OVRTEMGRAD", QT_TRANSLATE_NOOP(CTX, "Temperaturgradient"), Gradient},
    {"OVRZUSTAND", QT_TRANSLATE_NOOP(CTX, "Betriebszustand"), None},
    {"OVRZUSTAND_Z", QT_TRANSLATE_NOOP(CTX, "Zustand Zeit"), Seconds},
    {"OVRHEIZ_ZEIT", QT_TRANSLATE_NOOP(CTX, "Brennzeit aktuell"), Seconds},
    {"OVRFLZUSTAND", QT_TRANSLATE_NOOP(CTX, "Flammwächter"), None},
    {"OVRCRC", QT_TRANSLATE_NOOP(CTX, "Programmchecksumme"), Hex},
    {"OVRERRCODE", QT_TRANSLATE_NOOP(CTX, "Fehler"), None},
    {"OVRTEMPUEHS", QT_TRANSLATE_NOOP(CTX, "Temperatur ÜHS"), Temp},
    {"OVRSTROMUP", QT_TRANSLATE_NOOP(CTX, "Umwälzpumpe Strom"), Ampere},
    {"OVRSTROMUPCNT", QT_TRANSLATE_NOOP(CTX, "Umwälzpumpe Überstromzähler"), None},
    {"OVRSTROMCU", QT_TRANSLATE_NOOP(CTX, "Steuergerät Strom"), Ampere},
    {"OVRSTROMCUCNT", QT_TRANSLATE_NOOP(CTX, "Steuergerät Überstromzähler"), None},
    {"BETVHSTROM", QT_TRANSLATE_NOOP(CTX, "Reglerheizung Stromerhöhung"), Ampere},
};

// The keys of one error entry after its caption "Fehler n": field word, caption, unit.
const Row kEntryRows[] = {
    {"ERRCODE", QT_TRANSLATE_NOOP(CTX, "     Code"), None},
    {"ERRCOUNT", QT_TRANSLATE_NOOP(CTX, "     Zähler"), None},
    {"ERRZUSTAND", QT_TRANSLATE_NOOP(CTX, "     Zustand"), None},
    {"ERRONTIME", QT_TRANSLATE_NOOP(CTX, "     Einschaltzeit Hauptschalter"), Hm},
    {"ERRHEATTIME", QT_TRANSLATE_NOOP(CTX, "     Brennzeit"), Hm},
    {"ERRUB", QT_TRANSLATE_NOOP(CTX, "     Spannung"), Volt},
};
// clang-format on

constexpr int ErrorEntries = 10;
// The flame detector's 10-bit reading over its 5 V scale.
constexpr long double FlameVoltsPerCount = 0.004887585532746823L;
constexpr uint32_t NoReading = 0xFFFF;

using Cell = BusRows::Cell;

Cell integer(long double x) {
    return Cell{std::to_string(TOOL_Round64(x)), x};
}
Cell named(const ByteString& text, long double number) {
    return Cell{text, number};
}
Cell decimals(long double x, int places) {
    return Cell{TOOL_FormatFloat(x, places), x};
}
Cell seconds(uint32_t s) {
    return Cell{KX3141_FormatSeconds(s), static_cast<long double>(s)};
}
// A signed 16-bit reading.
int32_t s16(const BusRows& r, size_t at) {
    return static_cast<int16_t>(static_cast<uint16_t>(r.le16(at)));
}

}  // namespace

void KX3141Module::RegisterDataPoints(const ByteString& identText) {
    m_firstPass = true;
    m_pending.fill(false);
    m_refresh.active = false;
    m_refresh.due = false;
    m_heating = 0;
    m_reserved = 0;
    m_pump = 0;

    MainEngine& e = m_session.engine();
    DataPointTable& dp = e.dataPoints;
    dp.DP_Clear();
    const ByteString units[] = {
        "", m_session.temperatureUnitText(), "V", "A", "s", "h:m:s", "h:m", "hex", "K/2s",
    };
    for (const Row& r : kRows) dp.DP_Register(r.key, TOOL_Translate(CTX, r.caption), units[r.unit]);
    for (int n = 1; n <= ErrorEntries; ++n) {
        const ByteString i = std::to_string(n);
        dp.DP_Register("ERRBEZ" + i, TR(CTX, "Fehler") + " " + i, "");
        for (const Row& r : kEntryRows)
            dp.DP_Register(r.key + i, TOOL_Translate(CTX, r.caption), units[r.unit]);
    }
    dp.DP_SetValue("CFGSGID", 0, identText, 0);
    dp.DP_SetValue("CFGName", 0, "KX3141", 0);
    dp.DP_SetValue("CFGKraft", 0, TR(CTX, "Gas"), 0);
    e.DIAG_Timer().stop();
    e.DIAG_Timer().start();
}

void KX3141Module::KX3141_DecodeCounters(const ByteString& block) {
    BusRows r(m_session.buses().env, block);
    r.row("BETHGV", 1, 1, [&] { return integer(r.u8(1)); });
    r.row("BETFAZ", 2, 1, [&] { return integer(r.u8(2)); });
    r.row("BETSTZ", 3, 1, [&] { return integer(r.u8(3)); });
    r.row("BETONTIME", 4, 4, [&] { return seconds(r.le32(4)); });
    r.row("BETHEATTIME", 8, 4, [&] { return seconds(r.le32(8)); });
    r.row("BETUPTIME", 12, 4, [&] { return seconds(r.le32(12)); });
    const char* const starts[] = {"BETSTART",  "BETSZ_P10", "BETSZ_M10", "BETSZ_M20",
                                  "BETSZ_M30", "BETSZ_M40", "BETZZ_M40"};
    for (size_t i = 0; i < 7; ++i) {
        const size_t at = 16 + 2 * i;
        r.row(starts[i], at, 2, [&] { return integer(r.le16(at)); });
    }
}

void KX3141Module::KX3141_DecodeOverview(const ByteString& block) {
    BusRows r(m_session.buses().env, block);
    const char* const lamps1[] = {"OVRLHS",   "OVRLBA",  "OVRLBG", "OVRLFW",
                                  "OVRLUEHZ", "OVRLZFM", "OVRLUP", "OVRLFLAZ"};
    for (int bit = 0; bit < 8; ++bit) r.bitField(lamps1[bit], 0, bit);
    const char* const lamps2[] = {"OVRLUPFA", "OVRLVH",     "OVRLMV1",
                                  "OVRLMV2",  "OVRLSBUSHS", "OVRLSBUSUPFA"};
    for (int bit = 0; bit < 6; ++bit) r.bitField(lamps2[bit], 1, bit);
    const char* const flags[] = {"OVRST_BRENN", "OVRSTV", "OVRST_US"};
    for (int bit = 0; bit < 3; ++bit) r.bitField(flags[bit], 2, bit);

    auto hundredths = [&](const char* key, size_t at) {
        r.row(key, at, 2, [&] { return decimals(r.le16(at) / 100.0L, 2); });
    };
    hundredths("OVRHS", 3);
    hundredths("OVRUB", 5);
    r.row("OVRUFL", 7, 2, [&] {
        if (r.le16(7) == NoReading) return named("", 0);
        return decimals(r.le16(7) * FlameVoltsPerCount, 2);
    });
    hundredths("OVRUGATE", 9);
    hundredths("OVRUUPFA", 11);
    hundredths("OVRUZFM", 13);
    auto temperature = [&](size_t at) { return decimals(r.temp(s16(r, at) / 10.0L), 1); };
    r.row("OVRTEMP", 15, 2, [&] {
        // The two readings of a faulty sensor.
        if (s16(r, 15) == -500 || s16(r, 15) == 1600) return named("", -50);
        return temperature(15);
    });
    r.row("OVRTEMPUNT", 17, 2, [&] { return temperature(17); });
    r.row("OVRTEMPOBE", 19, 2, [&] { return temperature(19); });
    r.row("OVRTEMGRAD", 21, 2, [&] { return decimals(s16(r, 21) / 10.0L, 1); });
    if (r.inside(23, 2)) r.setOperatingState(static_cast<int32_t>(r.le16(23)));
    r.row("OVRZUSTAND", 23, 2,
          [&] { return named(KX3141_StateText(static_cast<uint16_t>(r.le16(23))), r.le16(23)); });
    r.row("OVRZUSTAND_Z", 25, 2, [&] {
        const long double value = r.le16(25) / 10.0L;
        if (r.le16(25) == 0 || r.le16(25) == NoReading) return named("", value);
        return decimals(value, 1);
    });
    r.row("OVRHEIZ_ZEIT", 27, 2, [&] { return decimals(r.le16(27) / 10.0L, 1); });
    r.row("OVRFLZUSTAND", 29, 1, [&] { return named(KX3141_FlameStateText(r.u8(29)), r.u8(29)); });
    r.row("OVRCRC", 30, 2, [&] { return named(BUS_Format("%4.4X", r.le16(30)), r.le16(30)); });
    r.row("BETFARZ", 32, 1, [&] { return integer(r.u8(32)); });
    r.row("OVRERRCODE", 34, 1, [&] { return named(KX3141_ErrorText(r.u8(34)), r.u8(34)); });
    r.row("OVRTEMPUEHS", 35, 2, [&] {
        // Below -50 °C the sensor is faulty; -51 °C says the hardware found it so.
        if (s16(r, 35) == -510) return named("<HW>", -51);
        if (s16(r, 35) < -500) return named("", -51);
        return temperature(35);
    });
    hundredths("OVRSTROMUP", 37);
    r.row("OVRSTROMUPCNT", 39, 1, [&] { return integer(r.u8(39)); });
    hundredths("OVRSTROMCU", 40);
    r.row("OVRSTROMCUCNT", 42, 1, [&] { return integer(r.u8(42)); });
    r.row("BETVHSTROM", 43, 2, [&] { return decimals(s16(r, 43) / 100.0L, 2); });
}

void KX3141Module::KX3141_DecodeErrorEntry(const ByteString& payload) {
    BusRows r(m_session.buses().env, payload);
    if (!r.inside(0, 1)) return;
    // The entry named by the answer; a number outside 1..10 names keys nobody registered.
    const ByteString n = std::to_string(r.u8(0));
    r.row("ERRCODE" + n, 1, 1, [&] { return integer(r.u8(1)); });
    r.row("ERRBEZ" + n, 1, 1, [&] { return named(KX3141_ErrorText(r.u8(1)), r.u8(1)); });
    r.row("ERRCOUNT" + n, 2, 1, [&] { return integer(r.u8(2)); });
    r.row("ERRZUSTAND" + n, 3, 1, [&] {
        // The entry keeps only the state's high byte.
        const uint16_t state = static_cast<uint16_t>(r.u8(3) << 8);
        return named(KX3141_StateText(state), state);
    });
    auto hoursMinutes = [&](size_t at) {
        return named(
            SBusLayer::SBUS_FormatHoursMinutes(static_cast<int32_t>(r.le16(at)), r.u8(at + 2)), 0);
    };
    r.row("ERRONTIME" + n, 4, 3, [&] { return hoursMinutes(4); });
    r.row("ERRHEATTIME" + n, 7, 3, [&] { return hoursMinutes(7); });
    r.row("ERRUB" + n, 10, 2, [&] { return decimals(r.le16(10) / 100.0L, 2); });
}
