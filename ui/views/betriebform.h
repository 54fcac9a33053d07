// The operating data window: running times, start and fault counters, limits and, for the
// S-Bus classes, live inputs and raw converter values of the connected heater. It is refreshed
// after every status cycle and rewrites only the cells whose text changed, so it never flickers.
#pragma once

#include "datalistform.h"

class TANSI_BETRIEB_Form : public DataListForm {
    Q_OBJECT
public:
    static constexpr int kFormTag = 9;
    static constexpr int kHelpContext = 202;
    static constexpr int kListTag = 2;

    TANSI_BETRIEB_Form(const DataPointTable& dataPoints, ViewContext context,
                       QWidget* parent = nullptr);

    QTreeWidget* BetriebList() const { return list(); }
};
