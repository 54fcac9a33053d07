// The data points of class 1, in the order the views and the report show them.
#include "diagsession.h"
#include "kx3090module.h"
#include "translate.h"

#define CTX "MAIN_KX3090"

void KX3090Module::registerPoints() {
    DataPointTable& dp = m_session.engine().dataPoints;
    const ByteString temp = m_session.temperatureUnitText();
    struct Row {
        const char* key;
        ByteString caption;
        ByteString unit;
    };
    const Row rows[] = {
        {"CFGWBUS", TR(CTX, "BUS Version"), ""},
        {"CFGName", TR(CTX, "Gerätebezeichnung"), ""},
        {"CFGKraft", TR(CTX, "Kraftstofftyp"), ""},
        {"CFGSGID", TR(CTX, "Steuergeräte-Identnummer"), ""},
        {"CFGDSID", TR(CTX, "Parametersatz-Identnummer"), ""},
        {"CFGSWID", TR(CTX, "Software-Identnummer"), ""},
        {"CFGHWVer", TR(CTX, "HW-Version"), ""},
        {"CFGSWVer", TR(CTX, "SW-Version"), ""},
        {"CFGSWVerEE", TR(CTX, "SW-Version (EEPROM)"), ""},
        {"CFGDATESG", TR(CTX, "Herstelldatum Steuergerät"), ""},
        {"CFGDATEHG", TR(CTX, "Herstelldatum Heizgerät"), ""},
        {"CFGKUID", TR(CTX, "Kunden-Identnummer"), ""},
        {"CFGSNR", TR(CTX, "Seriennummer"), ""},
        {"CFGPKENN", TR(CTX, "Prüfstandskennung"), ""},
        {"CFGKraftFIX", TR(CTX, "Kraftstofftyp"), ""},
        {"BETTBR", TR(CTX, "Brennzeit"), "h:m"},
        {"BETTEIN", TR(CTX, "Einschaltzeit Hauptschalter"), "h:m"},
        {"BETSTACNT", TR(CTX, "Startzähler"), ""},
        {"CFGUMIN", TR(CTX, "Unterspannungsschwelle"), "V"},
        {"CFGUMAX", TR(CTX, "Überspannungsschwelle"), "V"},
        {"CFGTUMIN", TR(CTX, "Zeit Unterspannungserkennung"), "s"},
        {"CFGTUMAX", TR(CTX, "Zeit Überspannungserkennung"), "s"},
        {"OVRUB", TR(CTX, "Betriebsspannung"), "V"},
        {"OVRTEMP", TR(CTX, "Temperatur"), temp},
        {"OVRBG", TR(CTX, "Motor"), "%"},
        {"OVRUP", TR(CTX, "Umwälzpumpe"), "%"},
        {"OVRUFL", TR(CTX, "Flammwächterspannung"), "V"},
        {"OVRLFL", TR(CTX, "Flamme"), ""},
        {"OVRLBG", TR(CTX, "BM"), ""},
        {"OVRLZFG", TR(CTX, "ZFG"), ""},
        {"OVRLMV", TR(CTX, "MV"), ""},
        {"OVRLUP", TR(CTX, "UP"), ""},
        {"OVRLFZG", TR(CTX, "FZG"), ""},
        {"OVRLDST", TR(CTX, "Dst"), ""},
        {"OVRLHS", TR(CTX, "HS"), ""},
        {"OVRLKL61", TR(CTX, "Kl. 61"), ""},
        {"OVRLUPFA", TR(CTX, "UPFA"), ""},
        {"OVRLKL15", TR(CTX, "Kl. 15"), ""},
        {"OVRLFLAZ", TR(CTX, "Flamme"), ""},
        {"OVRZUSTAND", TR(CTX, "Betriebszustand"), ""},
        {"OVRSTFL", TR(CTX, "STFL"), ""},
        {"OVRÜHFL", TR(CTX, "ÜHFL"), ""},
        {"OVRSAFL", TR(CTX, "SAFL"), ""},
        {"OVRRZFL", TR(CTX, "RZFL"), ""},
        {"OVRERRCNT", "", ""},
    };
    for (const Row& r : rows) dp.DP_Register(r.key, r.caption, r.unit);
    for (int n = 1; n <= 11; ++n) {
        const ByteString i = std::to_string(n);
        dp.DP_Register("ERRBEZ" + i, TR(CTX, "Fehler") + " " + i, "");
        dp.DP_Register("ERRCODE" + i, TR(CTX, "     Code"), "");
        dp.DP_Register("ERRSTATE" + i, TR(CTX, "     Fehlerstatus"), "");
        dp.DP_Register("ERRCOUNT" + i, TR(CTX, "     Zähler"), "");
        dp.DP_Register("ERRTEMP" + i, TR(CTX, "     Temperatur"), temp);
        dp.DP_Register("ERRZUSTAND" + i, TR(CTX, "     Zustand"), "");
        dp.DP_Register("ERRUB" + i, TR(CTX, "     Spannung"), "V");
        dp.DP_Register("ERRTBR" + i, TR(CTX, "     Betriebsstunde"), "h:m");
    }
    dp.DP_SetValue("CFGKraftFIX", 0, TR(CTX, "Gas"), 0);
}
