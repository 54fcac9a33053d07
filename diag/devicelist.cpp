#include "devicelist.h"

#include "translate.h"

ByteString DEV_RowCaption(int row) {
    switch (row) {
        case 0: return TR("TDEV_SEL_Form", "HVD 420");
        case 1: return TR("TDEV_SEL_Form", "Calvix 140/180/220");
        case 2: return TR("TDEV_SEL_Form", "Calvix R");
        case 3: return TR("TDEV_SEL_Form", "Calvix N");
        case 4: return TR("TDEV_SEL_Form", "Calvix extra");
        case 5: return TR("TDEV_SEL_Form", "Flashloader");
        default: return ByteString();
    }
}
