// The device information window: the identification data of the connected control unit, one
// row per identification point of the active device class.
#pragma once

#include "datalistform.h"

class TANSI_KONFIG_Form : public DataListForm {
    Q_OBJECT
public:
    static constexpr int kFormTag = 8;
    static constexpr int kHelpContext = 203;
    static constexpr int kListTag = 1;

    TANSI_KONFIG_Form(const DataPointTable& dataPoints, ViewContext context,
                      QWidget* parent = nullptr);

    QTreeWidget* KonfList() const { return list(); }

    using DataListForm::AddRow;
    using DataListForm::BuildList;
    using DataListForm::SetRowValue;
};
