#include "measurementlogcolumns.h"

#include "devicelist.h"
#include "translate.h"

#define CTX "TPROT_START_Form"

namespace {

constexpr int L = 0;
constexpr int R = 1;
constexpr int C = 2;

constexpr LogColumn fixed(int width, int align, const char* title, const char* key) {
    return {width, align, LogHead::Fixed, title, utAxisWTS, LogCell::Value, key, 0};
}
constexpr LogColumn temp(int width, int align, UnitTextIndex title, const char* key) {
    return {width, align, LogHead::Temperature, nullptr, title, LogCell::Value, key, 0};
}
constexpr LogColumn caption(int width, int align, const char* key) {
    return {width, align, LogHead::Caption, nullptr, utAxisWTS, LogCell::Value, key, 0};
}
constexpr LogColumn kDate = {
    12, L, LogHead::Fixed, QT_TRANSLATE_NOOP(CTX, "Datum"), utAxisWTS, LogCell::Date, nullptr, 0};
constexpr LogColumn kTime = {
    12, L, LogHead::Fixed, QT_TRANSLATE_NOOP(CTX, "Zeit"), utAxisWTS, LogCell::Time, nullptr, 0};
constexpr LogColumn kStatus = {25,
                               L,
                               LogHead::Fixed,
                               QT_TRANSLATE_NOOP(CTX, "Gerätestatus"),
                               utAxisWTS,
                               LogCell::DeviceStatus,
                               nullptr,
                               0};
constexpr LogColumn errors(int count) {
    return {20, C, LogHead::Fixed, nullptr, utAxisWTS, LogCell::Errors, "ERRCODE", count};
}
constexpr LogColumn errorsHexDec(int count) {
    return {20, C, LogHead::Fixed, nullptr, utAxisWTS, LogCell::ErrorsHexDec, "ERRCODE", count};
}

// The titles of the columns, collected for translation.
#define TXT(text) QT_TRANSLATE_NOOP("TPROT_START_Form", text)

// clang-format off
const LogColumn kClass1[] = {
    kDate, kTime,
    fixed(8, R, TXT("UB [V]"), "OVRUB"),
    temp(12, R, utAxisWTS, "OVRTEMP"),
    caption(12, R, "OVRBG"),
    caption(21, R, "OVRUP"),
    caption(25, R, "OVRUFL"),
    fixed(6, R, TXT("ZFG"), "OVRLZFG"),
    fixed(6, R, TXT("MV"), "OVRLMV"),
    fixed(6, R, TXT("FA"), "OVRLFLAZ"),
    caption(11, C, "OVRLFL"),
    caption(40, L, "OVRZUSTAND"),
    kStatus,
    errorsHexDec(10),
};

const LogColumn kClass2[] = {
    kDate, kTime,
    fixed(8, R, TXT("UB [V]"), "OVRUB"),
    caption(29, R, "OVRUTEMP"),
    fixed(10, R, TXT("U_FW [V]"), "OVRUFL"),
    caption(24, R, "OVRUBG"),
    temp(12, R, utAxisWTS, "OVRTEMP"),
    temp(12, R, utAxisUS, "OVRTEMPUNT"),
    temp(12, R, utAxisOS, "OVRTEMPOBE"),
    fixed(8, R, TXT("SPAR"), "OVRLSPAR"),
    fixed(9, R, TXT("Kl. 61"), "OVRLZUHI"),
    fixed(8, R, TXT("UPFA"), "OVRLUPFA"),
    fixed(6, R, TXT("HS"), "OVRLHS"),
    fixed(6, R, TXT("MV"), "OVRLMV"),
    fixed(6, R, TXT("ZFG"), "OVRLZFG"),
    fixed(6, R, TXT("UP"), "OVRLUP"),
    fixed(6, R, TXT("BM"), "OVRLBG"),
    fixed(6, R, TXT("FA"), "OVRLFA"),
    fixed(6, R, TXT("BA"), "OVRLBA"),
    fixed(9, C, TXT("TS"), "OVRLTS"),
    caption(40, L, "OVRZUSTAND"),
    kStatus,
    errors(7),
};

const LogColumn kClass3[] = {
    kDate, kTime,
    fixed(8, R, TXT("UB [V]"), "OVRUB"),
    temp(12, R, utAxisWTS, "OVRTEMP"),
    temp(12, R, utAxisUS, "OVRTEMPUNT"),
    temp(12, R, utAxisOS, "OVRTEMPOBE"),
    caption(26, R, "OVRBGPWM"),
    caption(32, R, "OVRBGRPM"),
    caption(18, R, "OVRQP"),
    fixed(10, R, TXT("U_FW [V]"), "OVRUFL"),
    fixed(6, R, TXT("MV"), "OVRLMV"),
    fixed(6, R, TXT("ZFG"), "OVRLZFG"),
    fixed(6, R, TXT("UP"), "OVRLUP"),
    fixed(6, R, TXT("FA"), "OVRLFLAZ"),
    fixed(6, R, TXT("BA"), "OVRLBA"),
    fixed(8, R, TXT("DVW"), "OVRLDST"),
    fixed(8, R, TXT("HS"), "OVRLHS"),
    fixed(8, R, TXT("Kl. 61"), "OVRLKL61"),
    fixed(8, R, TXT("UPFA"), "OVRLUPFA"),
    fixed(8, R, TXT("SPAR1"), "OVRLSPAR1"),
    fixed(8, R, TXT("SPAR2"), "OVRLSPAR2"),
    temp(12, R, utAxisUEHS, "BETTEMPUEH"),
    temp(12, R, utAxisDVW, "BETTEMPDST"),
    temp(12, R, utAxisSG, "BETTEMPLPT"),
    caption(18, C, "BETSTZ"),
    caption(24, C, "BETFAZ"),
    caption(40, L, "OVRZUSTAND"),
    kStatus,
    errorsHexDec(10),
};

const LogColumn kClass4[] = {
    kDate, kTime,
    temp(12, R, utAxisWTS, "OVRTEMP"),
    temp(11, R, utAxisUEHS, "OVRTEMPUEHS"),
    caption(27, R, "OVRTEMGRAD"),
    temp(12, R, utAxisUS, "OVRTEMPUNT"),
    temp(12, R, utAxisOS, "OVRTEMPOBE"),
    fixed(8, C, TXT("HS"), "OVRLHS"),
    fixed(6, C, TXT("UPFA"), "OVRLUPFA"),
    fixed(6, C, TXT("BA"), "OVRLBA"),
    fixed(6, C, TXT("BM"), "OVRLBG"),
    fixed(6, C, TXT("MV1"), "OVRLMV1"),
    fixed(6, C, TXT("MV2"), "OVRLMV2"),
    fixed(6, C, TXT("ERH"), "OVRLVH"),
    fixed(6, C, TXT("ZFM"), "OVRLZFM"),
    fixed(6, C, TXT("UP"), "OVRLUP"),
    fixed(6, C, TXT("FA"), "OVRLFLAZ"),
    fixed(6, C, TXT("ÜHS"), "OVRLUEHZ"),
    fixed(25, C, TXT("Flag Brennstörung"), "OVRST_BRENN"),
    fixed(18, C, TXT("Flag US STV/HGV"), "OVRST_US"),
    fixed(8, R, TXT("UB [V]"), "OVRUB"),
    fixed(8, R, TXT("HS [V]"), "OVRHS"),
    fixed(9, R, TXT("UPFA [V]"), "OVRUUPFA"),
    fixed(9, R, TXT("U_FW [V]"), "OVRUFL"),
    fixed(10, R, TXT("GATE [V]"), "OVRUGATE"),
    fixed(9, R, TXT("ZFM [V]"), "OVRUZFM"),
    fixed(9, R, TXT("I_UP [A]"), "OVRSTROMUP"),
    fixed(9, R, TXT("I_UP_CNT"), "OVRSTROMUPCNT"),
    fixed(9, R, TXT("I_SG [A]"), "OVRSTROMCU"),
    fixed(9, R, TXT("I_SG_CNT"), "OVRSTROMCUCNT"),
    fixed(10, R, TXT("I_VH [A]"), "BETVHSTROM"),
    fixed(11, R, TXT("T HEAT [s]"), "OVRHEIZ_ZEIT"),
    fixed(7, R, TXT("STARTS"), "BETSTART"),
    fixed(6, R, TXT("FARZ"), "BETFARZ"),
    fixed(6, R, TXT("FAZ"), "BETFAZ"),
    fixed(6, R, TXT("STZ"), "BETSTZ"),
    fixed(7, C, TXT("STV"), "OVRSTV"),
    fixed(6, C, TXT("HGV"), "BETHGV"),
    fixed(25, L, TXT("Betriebszustand"), "OVRZUSTAND"),
    caption(17, C, "OVRZUSTAND_Z"),
    errors(10),
};

const LogColumn kClass5[] = {
    kDate, kTime,
    fixed(8, R, TXT("UB [V]"), "OVRUB"),
    temp(12, R, utAxisWTS, "OVRTEMP"),
    temp(12, R, utAxisUS, "OVRTEMPUNT"),
    temp(12, R, utAxisOS, "OVRTEMPOBE"),
    temp(11, R, utAxisUEHS, "OVRTEMPUEHS"),
    fixed(16, R, TXT("BM-Soll [U/min]"), "OVRBGRPM_S"),
    fixed(16, R, TXT("BM-Ist [U/min]"), "OVRBGRPM"),
    fixed(9, R, TXT("U_FW [V]"), "OVRUFL"),
    temp(11, R, utAxisCPU, "OVRTEMPCPU"),
    fixed(6, R, TXT("HS"), "OVRLHS"),
    fixed(8, R, TXT("Kl. 61"), "OVRLKL61"),
    fixed(6, R, TXT("UPFA"), "OVRLUPFA"),
    fixed(6, R, TXT("SPAR"), "OVRLSPAR"),
    fixed(6, R, TXT("BA"), "OVRLBA"),
    fixed(6, R, TXT("UP"), "OVRLUP"),
    fixed(6, R, TXT("BM"), "OVRLBG"),
    fixed(6, R, TXT("ZFG"), "OVRLZFG"),
    fixed(6, R, TXT("MV"), "OVRLMV"),
    fixed(6, R, TXT("FA"), "OVRLFLAZ"),
    fixed(11, R, TXT("STARTS"), "BETSTACNT"),
    fixed(11, R, TXT("STZ"), "BETSTZ"),
    fixed(11, R, TXT("FAZ"), "BETFAZ"),
    fixed(8, R, TXT("ÜHS"), "OVRLUEHS"),
    fixed(7, C, TXT("STV"), "OVRSTV"),
    caption(40, L, "OVRZUSTAND"),
    errors(10),
};
// clang-format on

template <size_t N>
LogColumnSet set(const LogColumn (&columns)[N]) {
    return {columns, N};
}

}  // namespace

LogColumnSet PROT_Columns(uint8_t deviceClass) {
    switch (deviceClass) {
        case dcKX3090:
            return set(kClass1);
        case dcKX3024:
            return set(kClass2);
        case dcKX3117:
            return set(kClass3);
        case dcKX3141:
            return set(kClass4);
        case dcKX3166:
            return set(kClass5);
        default:
            return {nullptr, 0};
    }
}
