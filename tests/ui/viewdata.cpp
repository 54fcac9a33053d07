#include "viewdata.h"

namespace viewdata {

namespace {

// One registered point; the unit "T" stands for the temperature unit of the session.
struct Point {
    const char* key;
    const char* caption;
    const char* unit;
};

void regAll(DataPointTable& dp, const ByteString& t, std::initializer_list<Point> points) {
    for (const Point& p : points)
        dp.DP_Register(p.key, p.caption, ByteString(p.unit) == "T" ? t : ByteString(p.unit));
}

// The fields of every error entry 1..count: the designation "Fehler n" first, then the
// detail rows, whose captions stand indented by five blanks.
void regEntries(DataPointTable& dp, const ByteString& t, int count,
                std::initializer_list<Point> details) {
    for (int n = 1; n <= count; ++n) {
        dp.DP_Register(key("ERRBEZ", n), "Fehler " + std::to_string(n), "");
        for (const Point& p : details)
            dp.DP_Register(key(p.key, n), ByteString("     ") + p.caption,
                           ByteString(p.unit) == "T" ? t : ByteString(p.unit));
    }
}

void registerClass1(DataPointTable& dp, const ByteString& t) {
    regAll(dp, t,
           {{"CFGName", "Gerätebezeichnung", ""},
            {"OVRUB", "Betriebsspannung", "V"},
            {"OVRTEMP", "Temperatur", "T"},
            {"OVRBG", "Motor", "%"},
            {"OVRUP", "Umwälzpumpe", "%"},
            {"OVRUFL", "Flammwächterspannung", "V"},
            {"OVRLFL", "Flamme", ""},
            {"OVRLBG", "BM", ""},
            {"OVRLZFG", "ZFG", ""},
            {"OVRLMV", "MV", ""},
            {"OVRLUP", "UP", ""},
            {"OVRLFZG", "FZG", ""},
            {"OVRLDST", "Dst", ""},
            {"OVRLHS", "HS", ""},
            {"OVRLKL61", "Kl. 61", ""},
            {"OVRLUPFA", "UPFA", ""},
            {"OVRLKL15", "Kl. 15", ""},
            {"OVRLFLAZ", "Flamme", ""},
            {"OVRZUSTAND", "Betriebszustand", ""},
            {"OVRSTFL", "STFL", ""},
            {"OVRÜHFL", "ÜHFL", ""},
            {"OVRSAFL", "SAFL", ""},
            {"OVRRZFL", "RZFL", ""},
            {"OVRERRCNT", "", ""}});
    regEntries(dp, t, 11,
               {{"ERRCODE", "Code", ""},
                {"ERRSTATE", "Fehlerstatus", ""},
                {"ERRCOUNT", "Zähler", ""},
                {"ERRTEMP", "Temperatur", "T"},
                {"ERRZUSTAND", "Zustand", ""},
                {"ERRUB", "Spannung", "V"},
                {"ERRTBR", "Betriebsstunde", "h:m"}});
}

void registerClass2(DataPointTable& dp, const ByteString& t) {
    regAll(dp, t,
           {{"OVRUTEMP", "Temperatursensorspan.", "V"},
            {"OVRUB", "Betriebsspannung", "V"},
            {"OVRUBG", "Spannung am Motor", "V"},
            {"OVRUFL", "Flammwächterspannung", "V"},
            {"OVRZUSTAND", "Betriebszustand", ""},
            {"OVRTEMP", "Temperatur", "T"},
            {"OVRTEMPUNT", "Untere Schaltschwelle", "T"},
            {"OVRTEMPOBE", "Obere Schaltschwelle", "T"},
            {"OVRFLZUSTAND", "Flammwächter", ""},
            {"OVRLSPAR", "SPAR", ""},
            {"OVRLZUHI", "Kl. 61", ""},
            {"OVRLUPFA", "UPFA", ""},
            {"OVRLHS", "HS", ""},
            {"OVRLMV", "MV", ""},
            {"OVRLZFG", "ZFG", ""},
            {"OVRLUP", "UP", ""},
            {"OVRLBG", "BM", ""},
            {"OVRLFA", "FA", ""},
            {"OVRLBA", "BA", ""},
            {"OVRLTS", "TS", ""},
            {"OVRERRCNT", "", ""}});
    regEntries(dp, t, 11, {{"ERRCODE", "Code", ""}, {"ERRCOUNT", "Zähler", ""}});
}

void registerClass3(DataPointTable& dp, const ByteString& t) {
    regAll(dp, t,
           {{"BETTEMPUEH", "Temp. Überhitzungsschutz", "T"},
            {"BETTEMPDST", "Temp. Düsenstockvorwärmung", "T"},
            {"BETTEMPLPT", "Temperatur Steuergerät", "T"},
            {"OVRUP", "Umwälzpumpe", "%"},
            {"OVRUB", "Betriebsspannung", "V"},
            {"OVRTEMP", "Temperatur", "T"},
            {"OVRTEMPUNT", "Untere Schaltschwelle", "T"},
            {"OVRTEMPOBE", "Obere Schaltschwelle", "T"},
            {"OVRBGPWM", "Motor PWM-Wert", "%"},
            {"OVRBGRPM", "Motordrehzahl", "U/min"},
            {"OVRUFL", "Flammwächterspannung", "V"},
            {"OVRQP", "Heizleistung", "W"},
            {"OVRLFL", "FA", ""},
            {"OVRLBG", "BM", ""},
            {"OVRLZFG", "ZFG", ""},
            {"OVRLMV", "MV", ""},
            {"OVRLUP", "UP", ""},
            {"OVRLFZG", "FZG", ""},
            {"OVRLDST", "DVW", ""},
            {"OVRLFLAZ", "Flamme", ""},
            {"OVRLBA", "BA", ""},
            {"OVRLHS", "HS", ""},
            {"OVRLKL61", "Kl. 61", ""},
            {"OVRLUPFA", "UPFA", ""},
            {"OVRLSPAR1", "SPAR1", ""},
            {"OVRLSPAR2", "SPAR2", ""},
            {"OVRLKL15", "Kl. 15", ""},
            {"OVRFLZUSTAND", "Flammwächter", ""},
            {"OVRZUSTAND", "Betriebszustand", ""},
            {"OVRSTFL", "STFL", ""},
            {"OVRÜHFL", "ÜHFL", ""},
            {"OVRNL2FL", "NL2FL", ""},
            {"OVRHAMA1", "HAMA1", ""},
            {"OVRHAMA2", "HAMA2", ""},
            {"OVRMAF", "MAF", ""},
            {"OVRBSFL", "BSFL", ""},
            {"OVRERRCNT", "", ""}});
    regEntries(dp, t, 11,
               {{"ERRCODE", "Code", ""},
                {"ERRSTATE", "Fehlerstatus", ""},
                {"ERRCOUNT", "Zähler", ""},
                {"ERRTEMP", "Temperatur", "T"},
                {"ERRZUSTAND", "Zustand", ""},
                {"ERRUB", "Spannung", "V"},
                {"ERRTBR", "Betriebsstunde", "h:m"},
                {"ERRTBRNS", "Brennzeit nach Start", "h:m"}});
}

void registerClass4(DataPointTable& dp, const ByteString& t) {
    regAll(dp, t,
           {{"CFGName", "Gerätebezeichnung", ""},
            {"OVRLHS", "HS", ""},
            {"OVRLBA", "BA", ""},
            {"OVRLBG", "BM", ""},
            {"OVRLFW", "Flag Flammwächter aktiv", ""},
            {"OVRLUEHZ", "ÜHS", ""},
            {"OVRLZFM", "ZFM", ""},
            {"OVRLUP", "UP", ""},
            {"OVRLFLAZ", "Flamme", ""},
            {"OVRLUPFA", "UPFA", ""},
            {"OVRLVH", "ERH", ""},
            {"OVRLMV1", "MV1", ""},
            {"OVRLMV2", "MV2", ""},
            {"OVRLSBUSHS", "Flag S-BUS Hauptschalter", ""},
            {"OVRLSBUSUPFA", "Flag S-BUS Umwälzpumpenfremdansteuerung", ""},
            {"OVRST_BRENN", "Flag Brennstörung", ""},
            {"OVRSTV", "Flag Störverriegelung", ""},
            {"OVRST_US", "Flag Unterspannung STV/HGV", ""},
            {"OVRHS", "Spannung HS", "V"},
            {"OVRUB", "Betriebsspannung", "V"},
            {"OVRUFL", "Flammwächterspannung", "V"},
            {"OVRUGATE", "Spannung Gates", "V"},
            {"OVRUUPFA", "Spannung UPFA", "V"},
            {"OVRUZFM", "Spannung ZFM", "V"},
            {"OVRTEMP", "Temperatur", "T"},
            {"OVRTEMPUNT", "Untere Schaltschwelle", "T"},
            {"OVRTEMPOBE", "Obere Schaltschwelle", "T"},
            {"OVRTEMGRAD", "Temperaturgradient", "K/2s"},
            {"OVRZUSTAND", "Betriebszustand", ""},
            {"OVRZUSTAND_Z", "Zustand Zeit", "s"},
            {"OVRHEIZ_ZEIT", "Brennzeit aktuell", "s"},
            {"OVRFLZUSTAND", "Flammwächter", ""},
            {"OVRCRC", "Programmchecksumme", "hex"},
            {"OVRERRCODE", "Fehler", ""},
            {"OVRTEMPUEHS", "Temperatur ÜHS", "T"}});
    regEntries(dp, t, 10,
               {{"ERRCODE", "Code", ""},
                {"ERRCOUNT", "Zähler", ""},
                {"ERRZUSTAND", "Zustand", ""},
                {"ERRONTIME", "Einschaltzeit Hauptschalter", "h:m"},
                {"ERRHEATTIME", "Brennzeit", "h:m"},
                {"ERRUB", "Spannung", "V"}});
}

void registerClass5(DataPointTable& dp, const ByteString& t) {
    regAll(dp, t,
           {{"OVRTEMPOBE", "Obere Schaltschwelle", "T"},
            {"OVRTEMPUNT", "Untere Schaltschwelle", "T"},
            {"OVRBGRPM_S", "Motor Solldrehzahl", "U/min"},
            {"OVRLBG", "BM", ""},
            {"OVRBGRPM", "Motordrehzahl", "U/min"},
            {"OVRLUP", "UP", ""},
            {"OVRLUEHS", "ÜHS", ""},
            {"OVRUB", "Betriebsspannung", "V"},
            {"OVRTEMPUEHS", "Temperatur ÜHS", "T"},
            {"OVRTEMP", "Temperatur", "T"},
            {"OVRUFL", "Flammwächterspannung", "V"},
            {"OVRFLZUSTAND", "Flammwächter", ""},
            {"OVRSTATE", "Betriebszustand", ""},
            {"OVRSTV", "Flag Störverriegelung", ""},
            {"OVRKOMP", "Flag Komponententest", ""},
            {"OVRLHS", "HS", ""},
            {"OVRLKL61", "Kl. 61", ""},
            {"OVRLUPFA", "UPFA", ""},
            {"OVRLSPAR", "SPAR", ""},
            {"OVRLMV", "MV", ""},
            {"OVRLZFG", "ZFG", ""},
            {"OVRLFLAZ", "FA", ""},
            {"OVRLFL", "Flamme", ""},
            {"OVRLBA", "BA", ""},
            {"OVRTEMPCPU", "CPU-Temperatur", "T"},
            {"OVRZUSTAND", "Betriebszustand", ""},
            {"OVRERRCNT", "", ""}});
    regEntries(dp, t, 10,
               {{"ERRCODE", "Code", ""},
                {"ERRCOUNT", "Zähler", ""},
                {"ERRZUSTAND", "Zustand", ""},
                {"ERRTEMP", "Temperatur", "T"},
                {"ERRUB", "Spannung", "V"},
                {"ERRONTIME", "Einschaltzeit Hauptschalter", "h:m:s"},
                {"ERRHEATTIME", "Brennzeit", "h:m:s"}});
}

void fill1(DataPointTable& dp) {
    set(dp, "OVRUB", "12.34", 12.34L);
    set(dp, "OVRTEMP", "23", 23);
    set(dp, "OVRBG", "45", 45);
    set(dp, "OVRUP", "100", 100);
    set(dp, "OVRUFL", "1.234", 1.234L);
    for (const char* k : {"OVRLBG", "OVRLMV", "OVRLUP", "OVRLHS", "OVRLKL15", "OVRLFL"})
        setBit(dp, k, true);
    for (const char* k : {"OVRLZFG", "OVRLUPFA"}) setBit(dp, k, false);
    set(dp, "OVRZUSTAND", "Brennbetrieb Vollast", 0x0600);
    setBit(dp, "OVRSTFL", true);
    setBit(dp, "OVRÜHFL", false);
    setBit(dp, "OVRSAFL", true);
    setBit(dp, "OVRRZFL", false);
    set(dp, "OVRERRCNT", "2", 2);
    setCode(dp, 1, 0x81, "81");
    set(dp, "ERRBEZ1", "Steuergerätefehler", 0x81);
    set(dp, "ERRSTATE1", "aktuell und gespeichert", 0);
    set(dp, "ERRCOUNT1", "3", 3);
    set(dp, "ERRTEMP1", "25", 25);
    set(dp, "ERRZUSTAND1", "Start 2", 0x2402);
    set(dp, "ERRUB1", "12.3", 12.3L);
    set(dp, "ERRTBR1", "12:05", 0);
    setCode(dp, 2, 0x03, "03");
    set(dp, "ERRBEZ2", "Flammabbruch", 3);
    set(dp, "ERRSTATE2", "Nicht aktuell und gespeichert", 0);
    set(dp, "ERRCOUNT2", "1", 1);
    set(dp, "ERRTEMP2", "61", 61);
    set(dp, "ERRZUSTAND2", "Brennbetrieb Teillast", 0x0500);
    set(dp, "ERRUB2", "12.8", 12.8L);
    set(dp, "ERRTBR2", "130:47", 0);
}

void fill2(DataPointTable& dp) {
    set(dp, "OVRUB", "12.50", 12.5L);
    set(dp, "OVRTEMP", "41.0", 41);
    set(dp, "OVRTEMPOBE", "80.0", 80);
    set(dp, "OVRTEMPUNT", "70.0", 70);
    set(dp, "OVRUBG", "8.20", 8.2L);
    set(dp, "OVRUFL", "2.10", 2.1L);
    set(dp, "OVRFLZUSTAND", "hell", 1);
    set(dp, "OVRZUSTAND", "Brennbetrieb Standheizen", 15);
    for (const char* k : {"OVRLBG", "OVRLMV", "OVRLUP", "OVRLFA", "OVRLBA", "OVRLHS"})
        setBit(dp, k, true);
    for (const char* k : {"OVRLZFG", "OVRLUPFA", "OVRLZUHI", "OVRLSPAR"}) setBit(dp, k, false);
    set(dp, "OVRERRCNT", "2", 2);
    setCode(dp, 1, 0x0400, "04/00");
    set(dp, "ERRBEZ1", "Flammabbruch", 0x0400);
    set(dp, "ERRCOUNT1", "2", 2);
    setCode(dp, 2, 0x0D01, "0D/01");
    set(dp, "ERRBEZ2", "Umwälzpumpe Unterbrechung o. Kurzschluss Kl. 30", 0x0D01);
    set(dp, "ERRCOUNT2", "5", 5);
}

void fill3(DataPointTable& dp) {
    set(dp, "OVRUB", "12.70", 12.7L);
    set(dp, "OVRTEMP", "55.5", 55.5L);
    set(dp, "OVRTEMPOBE", "80.0", 80);
    set(dp, "OVRTEMPUNT", "72.0", 72);
    set(dp, "BETTEMPUEH", "60.2", 60.2L);
    set(dp, "BETTEMPDST", "", -100);
    set(dp, "OVRBGRPM", "3450", 3450);
    set(dp, "OVRUFL", "1.80", 1.8L);
    set(dp, "OVRFLZUSTAND", "hell", 1);
    set(dp, "OVRZUSTAND", "Standheizen", 0x1000);
    for (const char* k : {"OVRLBG", "OVRLMV", "OVRLUP", "OVRLFL", "OVRLBA", "OVRLHS", "OVRLSPAR1"})
        setBit(dp, k, true);
    for (const char* k : {"OVRLZFG", "OVRLDST", "OVRLKL61", "OVRLUPFA", "OVRLSPAR2"})
        setBit(dp, k, false);
    for (const char* k : {"OVRSTFL", "OVRNL2FL", "OVRMAF"}) setBit(dp, k, true);
    for (const char* k : {"OVRÜHFL", "OVRHAMA1", "OVRHAMA2", "OVRBSFL"}) setBit(dp, k, false);
    set(dp, "OVRERRCNT", "2", 2);
    setCode(dp, 1, 9, "09");
    set(dp, "ERRBEZ1", "Flammabbruch", 9);
    set(dp, "ERRSTATE1", "aktuell", 0);
    set(dp, "ERRCOUNT1", "4", 4);
    set(dp, "ERRTEMP1", "33", 33);
    set(dp, "ERRZUSTAND1", "Standheizen", 0x1000);
    set(dp, "ERRUB1", "12.4", 12.4L);
    set(dp, "ERRTBR1", "513:10", 0);
    set(dp, "ERRTBRNS1", "0:03", 0);
    setCode(dp, 2, 0x34, "34");
    set(dp, "ERRBEZ2", "CAN-BUS-Fehler", 0x34);
    set(dp, "ERRSTATE2", "Nicht aktuell und gespeichert", 0);
    set(dp, "ERRCOUNT2", "1", 1);
    set(dp, "ERRTEMP2", "20", 20);
    set(dp, "ERRZUSTAND2", "Aus", 0x0100);
    set(dp, "ERRUB2", "12.0", 12);
    set(dp, "ERRTBR2", "400:00", 0);
    set(dp, "ERRTBRNS2", "0:00", 0);
}

void fill4(DataPointTable& dp) {
    set(dp, "OVRUB", "13.10", 13.1L);
    set(dp, "OVRTEMP", "64.5", 64.5L);
    set(dp, "OVRTEMPOBE", "85.0", 85);
    set(dp, "OVRTEMPUNT", "75.0", 75);
    set(dp, "OVRUFL", "3.12", 3.12L);
    set(dp, "OVRHS", "12.90", 12.9L);
    set(dp, "OVRTEMPUEHS", "66.0", 66);
    set(dp, "OVRFLZUSTAND", "Flamme", 2);
    set(dp, "OVRZUSTAND", "Heizen", 0x1000);
    set(dp, "OVRZUSTAND_Z", "12.5", 12.5L);
    set(dp, "OVRERRCODE", "Flammabbruch", 9);
    for (const char* k : {"OVRLBA", "OVRLUP", "OVRLBG", "OVRLMV1", "OVRLHS", "OVRLFLAZ"})
        setBit(dp, k, true);
    for (const char* k : {"OVRLZFM", "OVRLMV2", "OVRLVH", "OVRLUPFA", "OVRLUEHZ"})
        setBit(dp, k, false);
    setCode(dp, 1, 9, "9");
    set(dp, "ERRBEZ1", "Flammabbruch", 9);
    set(dp, "ERRCOUNT1", "2", 2);
    set(dp, "ERRZUSTAND1", "Störverriegelung", 0x0700);
    set(dp, "ERRONTIME1", "120:30", 0);
    set(dp, "ERRHEATTIME1", "80:12", 0);
    set(dp, "ERRUB1", "12.95", 12.95L);
    setCode(dp, 2, 55, "55");
    set(dp, "ERRBEZ2", "Steuergerätefehler", 55);
    set(dp, "ERRCOUNT2", "1", 1);
    set(dp, "ERRZUSTAND2", "Initialisierung", 0x0200);
    set(dp, "ERRONTIME2", "121:00", 0);
    set(dp, "ERRHEATTIME2", "80:20", 0);
    set(dp, "ERRUB2", "13.02", 13.02L);
}

void fill5(DataPointTable& dp) {
    set(dp, "OVRUB", "12.8", 12.8L);
    set(dp, "OVRTEMP", "48.3", 48.3L);
    set(dp, "OVRTEMPOBE", "78", 78);
    set(dp, "OVRTEMPUNT", "68", 68);
    set(dp, "OVRTEMPUEHS", "52.1", 52.1L);
    set(dp, "OVRBGRPM", "4200", 4200);
    set(dp, "OVRUFL", "0.85", 0.85L);
    set(dp, "OVRFLZUSTAND", "hell", 1);
    set(dp, "OVRZUSTAND", "Standheizen", 14);
    for (const char* k : {"OVRLBA", "OVRLUP", "OVRLBG", "OVRLMV", "OVRLFLAZ", "OVRLHS", "OVRLFL"})
        setBit(dp, k, true);
    for (const char* k : {"OVRLZFG", "OVRLUPFA", "OVRLSPAR", "OVRLKL61", "OVRLUEHS", "OVRSTV"})
        setBit(dp, k, false);
    setCode(dp, 1, 10, "10");
    set(dp, "ERRBEZ1", "Unterspannung", 10);
    set(dp, "ERRCOUNT1", "3", 3);
    set(dp, "ERRZUSTAND1", "Vorlauf", 10);
    set(dp, "ERRTEMP1", "21.5", 21.5L);
    set(dp, "ERRUB1", "9.8", 9.8L);
    set(dp, "ERRONTIME1", "10:02:05", 0);
    set(dp, "ERRHEATTIME1", "7:40:00", 0);
    setCode(dp, 2, 16, "16");
    set(dp, "ERRBEZ2", "Überhitzung T>135°C", 16);
    set(dp, "ERRCOUNT2", "1", 1);
    set(dp, "ERRZUSTAND2", "Standheizen", 14);
    set(dp, "ERRTEMP2", "136.2", 136.2L);
    set(dp, "ERRUB2", "12.6", 12.6L);
    set(dp, "ERRONTIME2", "11:00:00", 0);
    set(dp, "ERRHEATTIME2", "8:00:00", 0);
}

}  // namespace

void set(DataPointTable& dp, const ByteString& key, const ByteString& text, long double value,
         uint8_t bit) {
    dp.DP_SetValue(key, bit, text, value);
}

void setBit(DataPointTable& dp, const ByteString& key, bool on) {
    dp.DP_SetValue(key, on ? 1 : 0, on ? "1" : "0", on ? 1 : 0);
}

void setCode(DataPointTable& dp, int n, long double code, const ByteString& text) {
    dp.DP_SetValue(key("ERRCODE", n), 0, text, code);
}

void registerClass(DataPointTable& dp, int deviceClass, const ByteString& tempUnit) {
    dp.DP_Clear();
    switch (deviceClass) {
        case 1:
            registerClass1(dp, tempUnit);
            break;
        case 2:
            registerClass2(dp, tempUnit);
            break;
        case 3:
            registerClass3(dp, tempUnit);
            break;
        case 4:
            registerClass4(dp, tempUnit);
            break;
        case 5:
            registerClass5(dp, tempUnit);
            break;
        default:
            break;
    }
}

void fillClass(DataPointTable& dp, int deviceClass) {
    registerClass(dp, deviceClass);
    switch (deviceClass) {
        case 1:
            fill1(dp);
            break;
        case 2:
            fill2(dp);
            break;
        case 3:
            fill3(dp);
            break;
        case 4:
            fill4(dp);
            break;
        case 5:
            fill5(dp);
            break;
        default:
            break;
    }
}

}  // namespace viewdata
