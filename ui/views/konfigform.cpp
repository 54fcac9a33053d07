#include "konfigform.h"

TANSI_KONFIG_Form::TANSI_KONFIG_Form(const DataPointTable& dataPoints, ViewContext context,
                                     QWidget* parent)
    : DataListForm(dataPoints, std::move(context),
                   {kFormTag, kHelpContext, kListTag, "KonfList", 225, 100}, &KONFIG_RowKeys,
                   parent) {
    setObjectName(QStringLiteral("ANSI_KONFIG_Form"));
    setWindowTitle(tr("Geräteinfos"));
}
