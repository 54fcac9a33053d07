// The data points of class 5, in the order the views and the report show them, and the
// decoders of the module's own answers (overview block, raw inputs, error entry, component
// default time). The identification, counter and software answers are decoded by the S-Bus
// layer itself into the keys registered here.
#include "busrows.h"
#include "diagsession.h"
#include "kx3166module.h"
#include "kx3166texts.h"
#include "rounding.h"
#include "textconv.h"
#include "translate.h"

#define CTX "MAIN_KX3166"

namespace {

constexpr long double OverheatLampCelsius = 135;

struct Row {
    const char* key;
    const char* caption;  // translated; nullptr: empty caption
    int unit;             // index into the unit texts below
};

enum Unit { None, Temp, Rpm, Volt, KwYear, DateTime, Kw, Hms, Ad, Bytes, Hex };

// clang-format off
const Row kRows[] = {
    {"CFGKraft", QT_TRANSLATE_NOOP(CTX, "Kraftstofftyp"), None},
    {"CFGSBUSVER", QT_TRANSLATE_NOOP(CTX, "BUS Version"), None},
    {"CFGSGID", QT_TRANSLATE_NOOP(CTX, "SG-ID zur Erkennung für die PWX"), None},
    {"OVRTEMPOBE", QT_TRANSLATE_NOOP(CTX, "Obere Schaltschwelle"), Temp},
    {"OVRTEMPUNT", QT_TRANSLATE_NOOP(CTX, "Untere Schaltschwelle"), Temp},
    {"OVRBGRPM_S", QT_TRANSLATE_NOOP(CTX, "Motor Solldrehzahl"), Rpm},
    {"OVRLBG", QT_TRANSLATE_NOOP(CTX, "BM"), None},
    {"OVRBGRPM", QT_TRANSLATE_NOOP(CTX, "Motordrehzahl"), Rpm},
    {"OVRLUP", QT_TRANSLATE_NOOP(CTX, "UP"), None},
    {"OVRLUEHS", QT_TRANSLATE_NOOP(CTX, "ÜHS"), None},
    {"OVRUB", QT_TRANSLATE_NOOP(CTX, "Betriebsspannung"), Volt},
    {"OVRTEMPUEHS", QT_TRANSLATE_NOOP(CTX, "Temperatur ÜHS"), Temp},
    {"OVRTEMP", QT_TRANSLATE_NOOP(CTX, "Temperatur"), Temp},
    {"OVRUFL", QT_TRANSLATE_NOOP(CTX, "Flammwächterspannung"), Volt},
    {"OVRFLZUSTAND", QT_TRANSLATE_NOOP(CTX, "Flammwächter"), None},
    {"OVRSTATE", QT_TRANSLATE_NOOP(CTX, "Betriebszustand"), None},
    {"OVRSTV", QT_TRANSLATE_NOOP(CTX, "Flag Störverriegelung"), None},
    {"OVRKOMP", QT_TRANSLATE_NOOP(CTX, "Flag Komponententest"), None},
    {"OVRLHS", QT_TRANSLATE_NOOP(CTX, "HS"), None},
    {"OVRLKL61", QT_TRANSLATE_NOOP(CTX, "Kl. 61"), None},
    {"OVRLUPFA", QT_TRANSLATE_NOOP(CTX, "UPFA"), None},
    {"OVRLSPAR", QT_TRANSLATE_NOOP(CTX, "SPAR"), None},
    {"OVRLMV", QT_TRANSLATE_NOOP(CTX, "MV"), None},
    {"OVRLZFG", QT_TRANSLATE_NOOP(CTX, "ZFG"), None},
    {"OVRLFLAZ", QT_TRANSLATE_NOOP(CTX, "FA"), None},
    {"OVRLFL", QT_TRANSLATE_NOOP(CTX, "Flamme"), None},
    {"OVRLBA", QT_TRANSLATE_NOOP(CTX, "BA"), None},
    {"OVRBUSSTATE", QT_TRANSLATE_NOOP(CTX, "Zustand BUS "), None},
    {"OVRKOMPTEST", QT_TRANSLATE_NOOP(CTX, "Zustand Komponententest"), None},
    {"OVRTUS", QT_TRANSLATE_NOOP(CTX, "Flag Schaltschwelle unten"), None},
    {"OVRTOS", QT_TRANSLATE_NOOP(CTX, "Flag Schaltschwelle oben"), None},
    {"OVRTEMPCPU", QT_TRANSLATE_NOOP(CTX, "CPU-Temperatur"), Temp},
    {"OVRZUSTAND", QT_TRANSLATE_NOOP(CTX, "Betriebszustand"), None},
    {"OVRTEST1", QT_TRANSLATE_NOOP(CTX, "Testvariable 1"), None},
    {"OVRTEST2", QT_TRANSLATE_NOOP(CTX, "Testvariable 2"), None},
    {"CFGHW_ID", QT_TRANSLATE_NOOP(CTX, "HW-Identnummer"), None},
    {"CFGHW_DATE", QT_TRANSLATE_NOOP(CTX, "HW-Datum"), KwYear},
    {"CFGHW_VER", QT_TRANSLATE_NOOP(CTX, "HW-Version"), None},
    {"CFGDS_ID", QT_TRANSLATE_NOOP(CTX, "Parametersatz-Identnummer"), None},
    {"CFGET_ID", QT_TRANSLATE_NOOP(CTX, "Steuergeräte-Identnummer"), None},
    {"CFGSYS_NAME", QT_TRANSLATE_NOOP(CTX, "Gerätebezeichnung [Systemname]"), None},
    {"CFGDS_DATE", QT_TRANSLATE_NOOP(CTX, "Programmierdatum"), DateTime},
    {"CFGHG_CLASS", QT_TRANSLATE_NOOP(CTX, "Heizleistungsklasse"), Kw},
    {"BETONTIME", QT_TRANSLATE_NOOP(CTX, "Einschaltzeit Hauptschalter"), Hms},
    {"BETHEATTIME", QT_TRANSLATE_NOOP(CTX, "Brennzeit"), Hms},
    {"BETUPTIME", QT_TRANSLATE_NOOP(CTX, "Einschaltzeit Umwälzpumpe"), Hms},
    {"BETSTACNT", QT_TRANSLATE_NOOP(CTX, "Startzähler"), None},
    {"BETSTZ", QT_TRANSLATE_NOOP(CTX, "Störzähler"), None},
    {"BETFAZ", QT_TRANSLATE_NOOP(CTX, "Flammabbruchzähler"), None},
    {"BETMBRZ_U", QT_TRANSLATE_NOOP(CTX, "Mindestbrennzeitunterschreitung"), None},
    {"BETMBRZ_U_G", QT_TRANSLATE_NOOP(CTX, "Mindestbrennzeitunterschreitung Gesamtzahl"), None},
    {"BET_AD_UEPR", QT_TRANSLATE_NOOP(CTX, "Eingang Überhitzungsschutz"), None},
    {"BET_AD_MV", QT_TRANSLATE_NOOP(CTX, "Eingang Magnetventil"), None},
    {"BET_AD_ZFG", QT_TRANSLATE_NOOP(CTX, "Eingang Zündfunkengeber"), None},
    {"BET_AD_UEHS", QT_TRANSLATE_NOOP(CTX, "Eingang Überhitzungstemperatur"), Ad},
    {"BET_AD_UB", QT_TRANSLATE_NOOP(CTX, "Eingang Betriebsspannung"), Ad},
    {"BET_AD_HS", QT_TRANSLATE_NOOP(CTX, "Eingang HS-Spannung"), Ad},
    {"BET_AD_UPFA", QT_TRANSLATE_NOOP(CTX, "Eingang UPFA-Spannung"), Ad},
    {"BET_AD_KL61", QT_TRANSLATE_NOOP(CTX, "Eingang KL61-Spannung"), Ad},
    {"BET_AD_SPAR", QT_TRANSLATE_NOOP(CTX, "Eingang Sparbetrieb-Spannung"), Ad},
    {"BET_AD_FL", QT_TRANSLATE_NOOP(CTX, "Eingang Flammenwächterspannung"), Ad},
    {"BET_AD_I_UP", QT_TRANSLATE_NOOP(CTX, "Eingang Umwälzpumpenstrom"), Ad},
    {"BET_AD_U_UP", QT_TRANSLATE_NOOP(CTX, "Eingang Umwälzpumpenspannung"), Ad},
    {"BET_AD_U_MV", QT_TRANSLATE_NOOP(CTX, "Eingang Magnetventilrückmessung"), Ad},
    {"BET_AD_U_ZFG", QT_TRANSLATE_NOOP(CTX, "Eingang Zündfunkengeberrückmessung"), Ad},
    {"BET_AD_T_CPU", QT_TRANSLATE_NOOP(CTX, "Eingang CPU-Temperatur"), Ad},
    {"BET_AD_WTS", QT_TRANSLATE_NOOP(CTX, "Eingang Wassertemperatur"), Ad},
    {"BET_AD_RPM", QT_TRANSLATE_NOOP(CTX, "Eingang Brennermotor Drehzahlsignal"), None},
    {"CFGSW_BOOT_SW_ID", QT_TRANSLATE_NOOP(CTX, "SW-Bootloader Identnummer"), None},
    {"CFGSW_BOOT_DEV_ID", QT_TRANSLATE_NOOP(CTX, "SW-Bootloader Hersteller"), None},
    {"CFGSW_BOOT_DATE", QT_TRANSLATE_NOOP(CTX, "SW-Bootloader Version"), KwYear},
    {"CFGSW_APPL_HW_ID", QT_TRANSLATE_NOOP(CTX, "SW-Applikation Zuordnung HW-Identnummer"), None},
    {"CFGSW_APPL_SW_ID", QT_TRANSLATE_NOOP(CTX, "SW-Applikation Identnummer"), None},
    {"CFGSW_APPL_DEV_ID", QT_TRANSLATE_NOOP(CTX, "SW-Applikation Hersteller"), None},
    {"CFGSW_RTOS_DATE", QT_TRANSLATE_NOOP(CTX, "SW-RTOS Version"), KwYear},
    {"CFGSW_SIML_DATE", QT_TRANSLATE_NOOP(CTX, "SW-Simulink Version"), KwYear},
    {"CFGSW_OEMSW_DATE", QT_TRANSLATE_NOOP(CTX, "SW-Version"), KwYear},
    {"CFGSW_APPL_LEN", QT_TRANSLATE_NOOP(CTX, "SW-Applikation Programmlänge"), Bytes},
    {"CFGSW_APPL_CRC", QT_TRANSLATE_NOOP(CTX, "SW-Applikation Checksumme"), Hex},
    {"CFGSG_DATE", QT_TRANSLATE_NOOP(CTX, "Steuergerät Herstelldatum"), KwYear},
    {"CFGSG_SNR", QT_TRANSLATE_NOOP(CTX, "Steuergerät Seriennummer"), None},
    {"CFGBORAD_TEST", QT_TRANSLATE_NOOP(CTX, "Steuergerät Prüfergebnis"), None},
    {"CFGEOL_TEST", QT_TRANSLATE_NOOP(CTX, "Heizgerät Prüfergebnis"), None},
    {"CFGHG_DEV_ID", QT_TRANSLATE_NOOP(CTX, "Heizgerät Hersteller"), None},
    {"CFGHG_SNR", QT_TRANSLATE_NOOP(CTX, "Heizgerät Seriennummer"), None},
    {"OVRERRCNT", nullptr, None},
};

// The eight keys of one error entry: field word, caption, unit.
const Row kEntryRows[] = {
    {"ERRCODE", QT_TRANSLATE_NOOP(CTX, "     Code"), None},
    {"ERRCOUNT", QT_TRANSLATE_NOOP(CTX, "     Zähler"), None},
    {"ERRZUSTAND", QT_TRANSLATE_NOOP(CTX, "     Zustand"), None},
    {"ERRTEMP", QT_TRANSLATE_NOOP(CTX, "     Temperatur"), Temp},
    {"ERRUB", QT_TRANSLATE_NOOP(CTX, "     Spannung"), Volt},
    {"ERRONTIME", QT_TRANSLATE_NOOP(CTX, "     Einschaltzeit Hauptschalter"), Hms},
    {"ERRHEATTIME", QT_TRANSLATE_NOOP(CTX, "     Brennzeit"), Hms},
};
// clang-format on

constexpr int ErrorEntries = 10;

using Cell = BusRows::Cell;

Cell integer(long double x) {
    const int64_t i = TOOL_Round64(x);
    return Cell{std::to_string(i), static_cast<long double>(i)};
}
// A text with the reading it stands for.
Cell named(const ByteString& text, long double number) {
    return Cell{text, number};
}
Cell decimals(long double x, int places) {
    return Cell{TOOL_FormatFloat(x, places), x};
}

void lamp(DataPointTable& dp, const char* key, bool on) {
    if (on)
        dp.DP_SetValue(key, 1, "1", 1);
    else
        dp.DP_SetValue(key, 0, "0", 0);
}

}  // namespace

void KX3166Module::registerPoints(const ByteString& identText) {
    DataPointTable& dp = m_session.engine().dataPoints;
    const ByteString units[] = {
        "",
        m_session.temperatureUnitText(),
        TR(CTX, "U/min"),
        "V",
        TR(CTX, "KW/Jahr"),
        TR(CTX, "T.M.J h:m"),
        "kW",
        "h:m:s",
        "AD",
        TR(CTX, "Byte"),
        "hex",
    };
    auto add = [&](const ByteString& key, const char* caption, int unit) {
        dp.DP_Register(key, caption ? TOOL_Translate(CTX, caption) : ByteString(), units[unit]);
    };
    for (const Row& r : kRows) add(r.key, r.caption, r.unit);
    for (int n = 1; n <= ErrorEntries; ++n) {
        const ByteString i = std::to_string(n);
        dp.DP_Register("ERRBEZ" + i, TR(CTX, "Fehler") + " " + i, "");
        for (const Row& r : kEntryRows) add(r.key + i, r.caption, r.unit);
    }
    dp.DP_Register("PARKOMPDEF", "KOMP DEFAULT", "");

    dp.DP_SetValue("CFGSGID", 0, identText, 0);
    dp.DP_SetValue("CFGKraft", 0, TR(CTX, "Diesel"), 0);
    dp.DP_SetValue("PARKOMPDEF", 0, "-1", -1);
}

void KX3166Module::KX3166_DecodeOverview(const ByteString& payload) {
    BusRows r(m_session.buses().env, payload);
    DataPointTable& dp = m_session.engine().dataPoints;
    const uint8_t unit = m_session.engine().TemperatureUnit;
    r.row("OVRTEMPOBE", 0, 1, [&] { return integer(r.temp(r.u8(0))); });
    r.row("OVRTEMPUNT", 1, 1, [&] { return integer(r.temp(r.u8(1))); });
    r.row("OVRBGRPM_S", 2, 2, [&] { return integer(r.le16(2)); });
    if (r.inside(2, 2)) lamp(dp, "OVRLBG", r.le16(2) >= 1);
    r.row("OVRBGRPM", 4, 2, [&] { return integer(r.le16(4)); });
    r.bitField("OVRLUP", 6, 0);
    r.row("OVRUB", 7, 2, [&] { return decimals(KX3166_ScaleSupplyVoltage(r.le16(7)), 1); });
    r.row("OVRTEMPUEHS", 9, 2, [&] { return decimals(KX3166_ScaleTemp300(r.le16(9), unit), 1); });
    if (r.inside(9, 2))
        lamp(dp, "OVRLUEHS", KX3166_Temp300Celsius(r.le16(9)) > OverheatLampCelsius);
    r.row("OVRTEMP", 11, 2, [&] { return decimals(KX3166_ScaleTemp300(r.le16(11), unit), 1); });
    r.row("OVRUFL", 13, 2, [&] { return decimals(KX3166_ScaleFlameVoltage(r.le16(13)), 2); });
    r.row("OVRFLZUSTAND", 15, 1, [&] { return named(KX3166_FlameStateText(r.u8(15)), r.u8(15)); });
    if (r.inside(15, 1)) lamp(dp, "OVRLFL", r.u8(15) == 1 || r.u8(15) == 2);
    r.row("OVRSTATE", 16, 1, [&] { return integer(r.u8(16)); });
    const char* const flags[] = {"OVRSTV",   "OVRKOMP",  "OVRLHS", "OVRLKL61",
                                 "OVRLUPFA", "OVRLSPAR", "OVRLMV", "OVRLZFG"};
    for (int bit = 0; bit < 8; ++bit) r.bitField(flags[bit], 20, bit);
    r.bitField("OVRLFLAZ", 21, 0);
    r.bitField("OVRLBA", 21, 1);
    r.row("OVRBUSSTATE", 22, 1, [&] { return integer(r.u8(22)); });
    r.row("OVRKOMPTEST", 23, 1, [&] { return integer(r.u8(23)); });
    r.bitField("OVRTUS", 24, 0);
    r.bitField("OVRTOS", 24, 1);
    r.row("OVRTEMPCPU", 25, 2, [&] { return decimals(KX3166_ScaleTemp200(r.le16(25), unit), 1); });
    if (r.inside(27, 1)) r.setOperatingState(r.u8(27));
    r.row("OVRZUSTAND", 27, 1, [&] { return named(KX3166_StateText(r.u8(27)), r.u8(27)); });
    r.row("OVRTEST1", 28, 2, [&] { return integer(r.le16(28)); });
    r.row("OVRTEST2", 30, 2, [&] { return integer(r.le16(30)); });
}

void KX3166Module::KX3166_DecodeInputs(const ByteString& payload) {
    BusRows r(m_session.buses().env, payload);
    const char* const bytes[] = {"BET_AD_UEPR", "BET_AD_MV", "BET_AD_ZFG"};
    for (size_t i = 0; i < 3; ++i) r.row(bytes[i], i, 1, [&] { return integer(r.u8(i)); });
    const char* const words[] = {"BET_AD_UEHS", "BET_AD_UB",   "BET_AD_HS",    "BET_AD_UPFA",
                                 "BET_AD_KL61", "BET_AD_SPAR", "BET_AD_FL",    "BET_AD_I_UP",
                                 "BET_AD_U_UP", "BET_AD_U_MV", "BET_AD_U_ZFG", "BET_AD_T_CPU",
                                 "BET_AD_WTS",  "BET_AD_RPM"};
    for (size_t i = 0; i < 14; ++i) {
        const size_t at = 3 + 2 * i;
        r.row(words[i], at, 2, [&] { return integer(r.le16(at)); });
    }
}

void KX3166Module::KX3166_DecodeErrorEntry(const ByteString& payload) {
    BusRows r(m_session.buses().env, payload);
    if (!r.inside(0, 1)) return;
    // The entry named by the answer; a number outside 1..10 names keys nobody registered.
    const ByteString n = std::to_string(r.u8(0));
    const uint8_t unit = m_session.engine().TemperatureUnit;
    r.row("ERRCODE" + n, 1, 1, [&] { return integer(r.u8(1)); });
    r.row("ERRBEZ" + n, 1, 1, [&] { return named(KX3166_ErrorText(r.u8(1)), r.u8(1)); });
    r.row("ERRCOUNT" + n, 2, 4, [&] { return named(std::to_string(r.le32(2)), r.le32(2)); });
    r.row("ERRZUSTAND" + n, 6, 1, [&] { return named(KX3166_StateText(r.u8(6)), r.u8(6)); });
    r.row("ERRTEMP" + n, 7, 2, [&] { return decimals(KX3166_ScaleTemp300(r.le16(7), unit), 1); });
    r.row("ERRUB" + n, 9, 2, [&] { return decimals(KX3166_ScaleErrorVoltage(r.le16(9)), 1); });
    r.row("ERRONTIME" + n, 11, 4,
          [&] { return named(SBusLayer::SBUS_FormatSeconds(r.le32(11)), 0); });
    r.row("ERRHEATTIME" + n, 15, 4,
          [&] { return named(SBusLayer::SBUS_FormatSeconds(r.le32(15)), 0); });
}

void KX3166Module::KX3166_DecodeComponentDefault(const ByteString& payload) {
    BusRows r(m_session.buses().env, payload);
    r.row("PARKOMPDEF", 0, 1, [&] { return integer(r.u8(0)); });
}
