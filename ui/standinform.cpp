#include "standinform.h"

StandInForm::StandInForm(const QString& className, QWidget* parent) : QWidget(parent) {
    setObjectName(className);
    setWindowFlag(Qt::Window);
    hide();
}
