#include "devicelist.h"

#include "translate.h"

ByteString DEV_RowCaption(int row) {
    switch (row) {
        case 0:
            return TR("TDEV_SEL_Form", "HVD 420");
        case 1:
            return TR("TDEV_SEL_Form", "Calvix 140/180/220");
        case 2:
            return TR("TDEV_SEL_Form", "Calvix R");
        case 3:
            return TR("TDEV_SEL_Form", "Calvix N");
        case 4:
            return TR("TDEV_SEL_Form", "Calvix extra");
        case 5:
            return TR("TDEV_SEL_Form", "Flashloader");
        default:
            return ByteString();
    }
}

uint8_t DEV_ClassOfSBusIdent(const ByteString& text) {
    const ByteString head = text.empty() ? text : text.substr(0, text.size() - 1);
    if (text == "          KX3141" || head == "       47386219") return dcKX3141;
    if (head == "000000047380006" || head == "       47380006") return dcKX3166;
    if (head == "000000047380005" || head == "       47380005") return dcLoader;
    return dcNone;
}
