// The data points of class 2, in the order the views and the report show them.
#include "diagsession.h"
#include "kx3024module.h"
#include "translate.h"

#define CTX "MAIN_KX3024"

void KX3024Module::registerPoints() {
    DataPointTable& dp = m_session.engine().dataPoints;
    const ByteString temp = m_session.temperatureUnitText();
    const ByteString hm = "h:m";
    dp.DP_Register("CFGBUS", TR(CTX, "BUS Version"), "");
    dp.DP_SetValue("CFGBUS", 0, "K-Line", 0);
    struct Row {
        const char* key;
        ByteString caption;
        ByteString unit;
    };
    const Row identRows[] = {
        {"CFGKEYBYTE", "", ""},
        {"CFGSGID", TR(CTX, "Steuergeräte-Identnummer"), ""},
        {"CFGKUID", TR(CTX, "Kunden-Identnummer"), ""},
        {"CFGDATESG", TR(CTX, "Herstelldatum"), TR(CTX, "KW/Jahr")},
        {"CFGHWVer", TR(CTX, "HW-Version"), ""},
        {"CFGSWVer", TR(CTX, "SW-Version"), ""},
        {"CFGPPGNR", TR(CTX, "Prüfprogrammnummer"), ""},
        {"CFGNAME", TR(CTX, "Gerätebezeichnung"), ""},
        {"CFGKraft", TR(CTX, "Kraftstofftyp"), ""},
    };
    for (const Row& r : identRows) dp.DP_Register(r.key, r.caption, r.unit);
    dp.DP_SetValue("CFGKraft", 0, TR(CTX, "Diesel"), 0);
    const Row rows[] = {
        {"BETTBR", TR(CTX, "Brennzeit"), hm},
        {"BETTEIN", TR(CTX, "Einschaltzeit Hauptschalter"), hm},
        {"BETTUP", TR(CTX, "Einschaltzeit Umwälzpumpe"), hm},
        {"BETSTACNT", TR(CTX, "Startzähler"), ""},
        {"OVRUTEMP", TR(CTX, "Temperatursensorspan."), "V"},
        {"OVRUB", TR(CTX, "Betriebsspannung"), "V"},
        {"OVRUBG", TR(CTX, "Spannung am Motor"), "V"},
        {"OVRUFL", TR(CTX, "Flammwächterspannung"), "V"},
        {"OVRZUSTAND", TR(CTX, "Betriebszustand"), ""},
        {"OVRTEMP", TR(CTX, "Temperatur"), temp},
        {"OVRTEMPUNT", TR(CTX, "Untere Schaltschwelle"), temp},
        {"OVRTEMPOBE", TR(CTX, "Obere Schaltschwelle"), temp},
        {"OVRFLZUSTAND", TR(CTX, "Flammwächter"), ""},
        {"OVRLSPAR", TR(CTX, "SPAR"), ""},
        {"OVRLZUHI", TR(CTX, "Kl. 61"), ""},
        {"OVRLUPFA", TR(CTX, "UPFA"), ""},
        {"OVRLHS", TR(CTX, "HS"), ""},
        {"OVRLMV", TR(CTX, "MV"), ""},
        {"OVRLZFG", TR(CTX, "ZFG"), ""},
        {"OVRLUP", TR(CTX, "UP"), ""},
        {"OVRLBG", TR(CTX, "BM"), ""},
        {"OVRLFA", TR(CTX, "FA"), ""},
        {"OVRLBA", TR(CTX, "BA"), ""},
        {"OVRLTS", TR(CTX, "TS"), ""},
        {"OVRERRCNT", "", ""},
    };
    for (const Row& r : rows) dp.DP_Register(r.key, r.caption, r.unit);
    // Eleven entries, of which the error read fills the first seven.
    for (int n = 1; n <= 11; ++n) {
        const ByteString i = std::to_string(n);
        dp.DP_Register("ERRBEZ" + i, TR(CTX, "Fehler") + " " + i, "");
        dp.DP_Register("ERRCODE" + i, TR(CTX, "     Code"), "");
        dp.DP_Register("ERRCOUNT" + i, TR(CTX, "     Zähler"), "");
    }
}
