#include "datalisttables.h"

#include "devicelist.h"

namespace {

// clang-format off
const DataListKeys kKonfigWBus = {
    "CFGWBUS", "CFGName", "CFGKraftFIX", "CFGSGID", "CFGDSID", "CFGSWID", "CFGHWVer",
    "CFGSWVer", "CFGSWVerEE", "CFGDATESG", "CFGDATEHG", "CFGKUID", "CFGSNR", "CFGPKENN"};
const DataListKeys kKonfigKLine = {
    "CFGBUS", "CFGName", "CFGKraft", "CFGSGID", "CFGKUID", "CFGDATESG", "CFGHWVer", "CFGSWVer",
    "CFGPPGNR"};
const DataListKeys kKonfigClass4 = {
    "CFGSBUSVER", "CFGName", "CFGKraft", "CFGSGID", "CFGSWVER", "CFGSGDATE", "CFGSNR"};
const DataListKeys kKonfigClass5 = {
    "CFGSBUSVER", "CFGSYS_NAME", "CFGKraft", "CFGHG_CLASS", "CFGET_ID", "CFGDS_ID", "CFGHW_ID",
    "CFGHW_DATE", "CFGHW_VER", "CFGSW_BOOT_SW_ID", "CFGSW_BOOT_DEV_ID", "CFGSW_BOOT_DATE",
    "CFGSW_APPL_HW_ID", "CFGSW_APPL_SW_ID", "CFGSW_APPL_DEV_ID", "CFGSW_APPL_LEN",
    "CFGSW_APPL_CRC", "CFGSW_RTOS_DATE", "CFGSW_SIML_DATE", "CFGSG_DATE", "CFGSG_SNR",
    "CFGBORAD_TEST", "CFGHG_DEV_ID", "CFGEOL_TEST", "CFGDS_DATE"};

const DataListKeys kBetriebClass1 = {
    "BETTBR", "BETTEIN", "BETSTACNT", "CFGUMIN", "CFGUMAX", "CFGTUMIN", "CFGTUMAX"};
const DataListKeys kBetriebClass2 = {"BETTEIN", "BETTUP", "BETTBR", "BETSTACNT"};
const DataListKeys kBetriebClass3 = {
    "BETTEIN", "BETTUP", "BETTBR", "BETSTACNT", "BETSTZ", "BETFAZ", "OVRTEMPOBE", "OVRTEMPUNT",
    "BETTEMPLPT", "BETSTEMPDST", "BETSBGRPM", "OVRBGPWM", "OVRUP", "BETSTEMPUEH"};
const DataListKeys kBetriebClass4 = {
    "BETONTIME", "BETUPTIME", "BETHEATTIME", "OVRHEIZ_ZEIT", "OVRTEMGRAD", "BETSTART", "BETSTZ",
    "BETFAZ", "BETFARZ", "BETSZ_P10", "BETSZ_M10", "BETSZ_M20", "BETSZ_M30", "BETSZ_M40",
    "BETZZ_M40", "OVRSTV", "BETHGV", "OVRST_BRENN", "OVRST_US", "OVRLFW", "OVRLSBUSHS",
    "OVRLSBUSUPFA", "OVRUGATE", "OVRUZFM", "OVRUUPFA", "OVRTEMPUEHS", "OVRSTROMUP",
    "OVRSTROMUPCNT", "OVRSTROMCU", "OVRSTROMCUCNT", "BETVHSTROM", "OVRCRC"};
const DataListKeys kBetriebClass5 = {
    "BETONTIME", "BETUPTIME", "BETHEATTIME", "BETSTACNT", "BETSTZ", "BETFAZ", "BETMBRZ_U",
    "BETMBRZ_U_G", "OVRBGRPM_S", "OVRKOMP", "OVRKOMPTEST", "OVRBUSSTATE", "OVRTUS", "OVRTOS",
    "OVRTEMPCPU", "BET_AD_UEPR", "BET_AD_MV", "BET_AD_ZFG", "BET_AD_WTS", "BET_AD_UEHS",
    "BET_AD_UB", "BET_AD_HS", "BET_AD_UPFA", "BET_AD_KL61", "BET_AD_SPAR", "BET_AD_FL",
    "BET_AD_I_UP", "BET_AD_U_UP", "BET_AD_U_MV", "BET_AD_U_ZFG", "BET_AD_T_CPU", "BET_AD_RPM",
    "OVRTEST1", "OVRTEST2"};
// clang-format on

const DataListKeys kNone;

}  // namespace

const DataListKeys& KONFIG_RowKeys(uint8_t deviceClass) {
    switch (deviceClass) {
        case dcKX3090:
        case dcKX3117:  // the same W-Bus identification as class 1
            return kKonfigWBus;
        case dcKX3024:
            return kKonfigKLine;
        case dcKX3141:
            return kKonfigClass4;
        case dcKX3166:
            return kKonfigClass5;
        default:
            return kNone;
    }
}

const DataListKeys& BETRIEB_RowKeys(uint8_t deviceClass) {
    switch (deviceClass) {
        case dcKX3090:
            return kBetriebClass1;
        case dcKX3024:
            return kBetriebClass2;
        case dcKX3117:
            return kBetriebClass3;
        case dcKX3141:
            return kBetriebClass4;
        case dcKX3166:
            return kBetriebClass5;
        default:
            return kNone;
    }
}
