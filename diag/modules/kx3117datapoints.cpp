// The data points of class 3, in the order the views and the report show them.
#include "diagsession.h"
#include "kx3117module.h"
#include "translate.h"

#define CTX "MAIN_KX3117"

void KX3117Module::registerPoints() {
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
        {"CFGUMIN", TR(CTX, "Unterspannungsschwelle"), "V"},
        {"CFGUMAX", TR(CTX, "Überspannungsschwelle"), "V"},
        {"CFGTUMIN", TR(CTX, "Zeit Unterspannungserkennung"), "s"},
        {"CFGTUMAX", TR(CTX, "Zeit Überspannungserkennung"), "s"},
        {"CFGKraftFIX", TR(CTX, "Kraftstofftyp"), ""},
        {"BETTBR", TR(CTX, "Brennzeit"), "h:m"},
        {"BETTEIN", TR(CTX, "Einschaltzeit Hauptschalter"), "h:m"},
        {"BETSTACNT", TR(CTX, "Startzähler"), ""},
        {"BETTEMPUEH", TR(CTX, "Temp. Überhitzungsschutz"), temp},
        {"BETTEMPDST", TR(CTX, "Temp. Düsenstockvorwärmung"), temp},
        {"BETTEMPLPT", TR(CTX, "Temperatur Steuergerät"), temp},
        {"OVRUP", TR(CTX, "Umwälzpumpe"), "%"},
        {"BETSTZ", TR(CTX, "Störzähler"), ""},
        {"BETFAZ", TR(CTX, "Flammabbruchzähler"), ""},
        {"BETSBGRPM", TR(CTX, "Motor Solldrehzahl"), TR(CTX, "U/min")},
        {"BETSTEMPDST", TR(CTX, "Düsenstockvorwärmung Einschalttemperatur"), temp},
        {"BETSTEMPUEH", TR(CTX, "Überhitzungsschutz Temperaturschwelle"), temp},
        {"BETTSGEIN", TR(CTX, "Betriebszeit Steuergerät"), "h:m"},
        {"BETTUP", TR(CTX, "Einschaltzeit Umwälzpumpe"), "h:m"},
        {"OVRUB", TR(CTX, "Betriebsspannung"), "V"},
        {"OVRTEMP", TR(CTX, "Temperatur"), temp},
        {"OVRTEMPUNT", TR(CTX, "Untere Schaltschwelle"), temp},
        {"OVRTEMPOBE", TR(CTX, "Obere Schaltschwelle"), temp},
        {"OVRBGPWM", TR(CTX, "Motor PWM-Wert"), "%"},
        {"OVRBGRPM", TR(CTX, "Motordrehzahl"), TR(CTX, "U/min")},
        {"OVRUFL", TR(CTX, "Flammwächterspannung"), "V"},
        {"OVRQP", TR(CTX, "Heizleistung"), "W"},
        {"OVRLFL", TR(CTX, "FA"), ""},
        {"OVRLBG", TR(CTX, "BM"), ""},
        {"OVRLZFG", TR(CTX, "ZFG"), ""},
        {"OVRLMV", TR(CTX, "MV"), ""},
        {"OVRLUP", TR(CTX, "UP"), ""},
        {"OVRLFZG", TR(CTX, "FZG"), ""},
        {"OVRLDST", TR(CTX, "DVW"), ""},
        {"OVRLFLAZ", TR(CTX, "Flamme"), ""},
        {"OVRLBA", TR(CTX, "BA"), ""},
        {"OVRLHS", TR(CTX, "HS"), ""},
        {"OVRLKL61", TR(CTX, "Kl. 61"), ""},
        {"OVRLUPFA", TR(CTX, "UPFA"), ""},
        {"OVRLSPAR1", TR(CTX, "SPAR1"), ""},
        {"OVRLSPAR2", TR(CTX, "SPAR2"), ""},
        {"OVRLKL15", TR(CTX, "Kl. 15"), ""},
        {"OVRFLZUSTAND", TR(CTX, "Flammwächter"), ""},
        {"OVRZUSTAND", TR(CTX, "Betriebszustand"), ""},
        {"OVRSTFL", TR(CTX, "STFL"), ""},
        {"OVRÜHFL", TR(CTX, "ÜHFL"), ""},
        {"OVRNL2FL", TR(CTX, "NL2FL"), ""},
        {"OVRHAMA1", TR(CTX, "HAMA1"), ""},
        {"OVRHAMA2", TR(CTX, "HAMA2"), ""},
        {"OVRMAF", TR(CTX, "MAF"), ""},
        {"OVRBSFL", TR(CTX, "BSFL"), ""},
        {"OVRERRCNT", "", ""},
    };
    for (const Row& r : rows) {
        dp.DP_Register(r.key, r.caption, r.unit);
        // The fuel is fixed for this heater: set right after its point is registered.
        if (ByteString(r.key) == "CFGKraftFIX") dp.DP_SetValue(r.key, 0, TR(CTX, "Diesel"), 0);
    }
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
        dp.DP_Register("ERRTBRNS" + i, TR(CTX, "     Brennzeit nach Start"), "h:m");
    }
}
