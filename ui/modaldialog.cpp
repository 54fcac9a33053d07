#include "modaldialog.h"

#include <QHBoxLayout>
#include <QPushButton>

DialogButtons DIALOG_OkCancelButtons(QDialog* dialog, const QString& okText,
                                     const QString& cancelText) {
    auto* ok = new QPushButton(okText, dialog);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(cancelText, dialog);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setAutoDefault(false);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    QObject::connect(ok, &QPushButton::clicked, dialog, [dialog] { dialog->done(ResultOk); });
    QObject::connect(cancel, &QPushButton::clicked, dialog,
                     [dialog] { dialog->done(ResultCancel); });
    return {ok, cancel, row};
}
