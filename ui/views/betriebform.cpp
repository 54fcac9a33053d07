#include "betriebform.h"

TANSI_BETRIEB_Form::TANSI_BETRIEB_Form(const DataPointTable& dataPoints, ViewContext context,
                                       QWidget* parent)
    : DataListForm(dataPoints, std::move(context),
                   {kFormTag, kHelpContext, kListTag, "BetriebList", 167, 167}, &BETRIEB_RowKeys,
                   parent) {
    setObjectName(QStringLiteral("ANSI_BETRIEB_Form"));
    setWindowTitle(tr("Betriebsdaten"));
}
