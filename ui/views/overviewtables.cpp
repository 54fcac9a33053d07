#include "overviewtables.h"

#include <QtGlobal>

#include "devicelist.h"

const char* const kOverviewContext = "TANSI_OVERVIEW_Form";

const char* const kSwitchThresholdHint = QT_TRANSLATE_NOOP(
    "TANSI_OVERVIEW_Form",
    "     Die Schaltschwellen werden vom Steuergerät dynamisch angepasst, je nach       \r\n"
    "     Gradient der Wassertemperatur und der Brenndauer des Heizgerätes.\r\n"
    "\r\n"
    "     Sind die Schaltschwellen dauerhaft auf niedrige Temperaturen gesetzt,\r\n"
    "     deutet dies auf einen zu geringen Wasserdurchsatz hin.");

namespace {

#define TXT(t) QT_TRANSLATE_NOOP("TANSI_OVERVIEW_Form", t)

// Bar of a fixed scale, and bar of the temperature range.
constexpr OverviewBar bar(int row, const char* key, int minimum, int maximum, int tick) {
    return OverviewBar{row, key, minimum, maximum, tick, false, false};
}
constexpr OverviewBar temp(int row, const char* key, bool hint = false) {
    return OverviewBar{row, key, 0, 0, 0, true, hint};
}
constexpr bool H = true;

const OverviewClassLayout kClass1{
    "0000.00 V",
    7,
    1,
    1,
    {TXT("Betriebszustand"), TXT("Gerätestatus"), ""},
    false,
    210,
    {bar(1, "OVRUB", 0, 40, 2), temp(2, "OVRTEMP"), bar(3, "OVRBG", 0, 100, 10),
     bar(4, "OVRUP", 0, 100, 10), bar(5, "OVRUFL", 0, 5, 1)},
    {{10, "OVRLBG", TXT("Brennluftmotor"), 6},
     {11, "OVRLMV", TXT("Magnetventil"), 6},
     {12, "OVRLZFG", TXT("Zündfunkengeber"), 6},
     {13, "OVRLUP", TXT("Umwälzpumpe"), 6},
     {16, "OVRLHS", TXT("Hauptschalter"), 4},
     {17, "OVRLUPFA", TXT("Zuheizanforderung (Kl.61)"), 4},
     {19, "OVRLKL15", TXT("Zündung ein (Kl.15)"), 4},
     {23, "OVRLFL", TXT("Flamme erkannt"), 0}},
    {{"OVRSTFL", "STFL"}, {"OVRÜHFL", "ÜHFL"}, {"OVRSAFL", "SAFL"}, {"OVRRZFL", "RZFL"}}};

const OverviewClassLayout kClass2{
    "000.00 V",
    6,
    2,
    2,
    {TXT("Flammwächter"), TXT("Betriebszustand"), TXT("Gerätestatus")},
    true,
    211,
    {bar(1, "OVRUB", 0, 40, 2), temp(2, "OVRTEMP"), temp(3, "OVRTEMPOBE", H),
     temp(4, "OVRTEMPUNT", H), bar(5, "OVRUBG", 0, 40, 2), bar(6, "OVRUFL", 0, 5, 1)},
    {{10, "OVRLBG", TXT("Brennluftmotor"), 6},
     {11, "OVRLMV", TXT("Magnetventil"), 6},
     {12, "OVRLZFG", TXT("Zündfunkengeber"), 6},
     {13, "OVRLUP", TXT("Umwälzpumpe"), 6},
     {14, "OVRLFA", TXT("Flammanzeige"), 6},
     {15, "OVRLBA", TXT("Betriebsanzeige"), 6},
     {20, "OVRLHS", TXT("Hauptschalter"), 4},
     {21, "OVRLUPFA", TXT("Umwälzpumpenfremdansteuerung"), 4},
     {22, "OVRLZUHI", TXT("Zuheizanforderung (Kl.61)"), 4},
     {23, "OVRLSPAR", TXT("Sparbetrieb"), 4}},
    {}};

const OverviewClassLayout kClass3{
    "10000 U/min",
    8,
    2,
    3,
    {TXT("Flammwächter"), TXT("Betriebszustand"), TXT("Gerätestatus")},
    true,
    212,
    {bar(1, "OVRUB", 0, 40, 2), temp(2, "OVRTEMP"), temp(3, "OVRTEMPOBE", H),
     temp(4, "OVRTEMPUNT", H), temp(5, "BETTEMPUEH"), temp(6, "BETTEMPDST"),
     bar(7, "OVRBGRPM", 0, 8000, 500), bar(8, "OVRUFL", 0, 5, 1)},
    {{10, "OVRLBG", TXT("Brennluftmotor"), 6},
     {11, "OVRLMV", TXT("Magnetventil"), 6},
     {12, "OVRLZFG", TXT("Zündfunkengeber"), 6},
     {13, "OVRLUP", TXT("Umwälzpumpe"), 6},
     {14, "OVRLFL", TXT("Flammanzeige"), 6},
     {15, "OVRLBA", TXT("Betriebsanzeige"), 6},
     {16, "OVRLDST", TXT("Düsenstockvorwärmung"), 6},
     {19, "OVRLHS", TXT("Hauptschalter"), 4},
     {20, "OVRLKL61", TXT("Zuheizanforderung (Kl.61)"), 4},
     {21, "OVRLUPFA", TXT("Umwälzpumpenfremdansteuerung"), 4},
     {22, "OVRLSPAR1", TXT("Sparbetrieb 1"), 4},
     {23, "OVRLSPAR2", TXT("Sparbetrieb 2"), 4}},
    {{"OVRSTFL", "STFL"},
     {"OVRÜHFL", "ÜHFL"},
     {"OVRNL2FL", "NL2FL"},
     {"OVRHAMA1", "HAMA1"},
     {"OVRHAMA2", "HAMA2"},
     {"OVRMAF", "MAF"},
     {"OVRBSFL", "BSFL"}}};

const OverviewClassLayout kClass4{
    "10000 U/min",
    7,
    2,
    2,
    {TXT("Flammwächter"), TXT("Betriebszustand"), TXT("Gerätestatus")},
    true,
    213,
    {bar(1, "OVRUB", 0, 40, 2), temp(2, "OVRTEMP"), temp(3, "OVRTEMPOBE", H),
     temp(4, "OVRTEMPUNT", H), bar(5, "OVRUFL", 0, 5, 1), bar(6, "OVRHS", 0, 40, 2),
     temp(7, "OVRTEMPUEHS")},
    {{10, "OVRLBA", TXT("Betriebsanzeige"), 6},
     {11, "OVRLUP", TXT("Umwälzpumpe"), 6},
     {12, "OVRLBG", TXT("Brennluftmotor"), 6},
     {13, "OVRLZFM", TXT("Zündfunkenmodul"), 6},
     {14, "OVRLMV1", TXT("Magnetventil 1"), 6},
     {15, "OVRLMV2", TXT("Magnetventil 2"), 6},
     {16, "OVRLVH", TXT("Reglerheizung"), 6},
     {18, "OVRLHS", TXT("Hauptschalter"), 4},
     {19, "OVRLUPFA", TXT("UPFA"), 4},
     {22, "OVRLUEHZ", TXT("ÜHS"), 0},
     {23, "OVRLFLAZ", TXT("Flamme"), 0}},
    {}};

const OverviewClassLayout kClass5{
    "10000 U/min",
    7,
    2,
    3,
    {TXT("Flammwächter"), TXT("Betriebszustand"), TXT("Gerätestatus")},
    true,
    214,
    {bar(1, "OVRUB", 0, 40, 2), temp(2, "OVRTEMP"), temp(3, "OVRTEMPOBE", H),
     temp(4, "OVRTEMPUNT", H), temp(5, "OVRTEMPUEHS"), bar(6, "OVRBGRPM", 0, 8000, 500),
     bar(7, "OVRUFL", 0, 5, 1)},
    {{10, "OVRLBA", TXT("Betriebsanzeige"), 6},
     {11, "OVRLUP", TXT("Umwälzpumpe"), 6},
     {12, "OVRLBG", TXT("Brennluftmotor"), 6},
     {13, "OVRLZFG", TXT("Zündfunkengeber"), 6},
     {14, "OVRLMV", TXT("Magnetventil"), 6},
     {15, "OVRLFLAZ", TXT("Flammanzeige"), 6},
     {17, "OVRLHS", TXT("Hauptschalter"), 4},
     {18, "OVRLUPFA", TXT("Umwälzpumpenfremdansteuerung"), 4},
     {19, "OVRLSPAR", TXT("Sparbetrieb"), 4},
     {20, "OVRLKL61", TXT("Zuheizanforderung (Kl.61)"), 4},
     {22, "OVRLUEHS", TXT("ÜHS"), 0},
     {23, "OVRLFL", TXT("Flamme"), 0}},
    {}};

#undef TXT

}  // namespace

const OverviewClassLayout* OVERVIEW_ClassLayout(uint8_t deviceClass) {
    switch (deviceClass) {
        case dcKX3090:
            return &kClass1;
        case dcKX3024:
            return &kClass2;
        case dcKX3117:
            return &kClass3;
        case dcKX3141:
            return &kClass4;
        case dcKX3166:
            return &kClass5;
        default:
            return nullptr;
    }
}

OverviewRange OVERVIEW_TemperatureRange(uint8_t deviceClass, int temperatureUnit) {
    const bool fahrenheit = temperatureUnit == 1;
    if (deviceClass == dcKX3141) return {-40, fahrenheit ? 290 : 140, 10};
    return {-40, fahrenheit ? 260 : 120, 10};
}
