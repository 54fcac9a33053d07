#include "unitform.h"

#include <QPushButton>
#include <QRadioButton>

TEXTRA_UNIT_Form::TEXTRA_UNIT_Form(std::function<int32_t()> currentUnit,
                                   std::function<void(int32_t)> loadTemperatureTexts,
                                   std::function<void(int)> showHelp, QWidget* parent)
    : TwoChoiceForm(QStringLiteral("EXTRA_UNIT_Form"), tr("Einheiten"), tr(" Temperatureinheit "),
                    {QStringLiteral("IMGC"), QStringLiteral("KEYC"),
                     CHOICE_UnitPicture(QStringLiteral("°C")), tr("Grad Celsius")},
                    {QStringLiteral("IMGF"), QStringLiteral("KEYF"),
                     CHOICE_UnitPicture(QStringLiteral("°F")), tr("Grad Fahrenheit")},
                    kHelpContext, std::move(showHelp), parent),
      m_currentUnit(std::move(currentUnit)),
      m_loadTemperatureTexts(std::move(loadTemperatureTexts)) {}

void TEXTRA_UNIT_Form::UNIT_Execute() {
    OKBtn()->setFocus();
    UNIT_ShowCurrent();
    if (runModal(*this) != ResultOk || !m_loadTemperatureTexts) return;
    if (KEYC()->isChecked())
        m_loadTemperatureTexts(0);
    else if (KEYF()->isChecked())
        m_loadTemperatureTexts(1);
}

void TEXTRA_UNIT_Form::UNIT_ShowCurrent() {
    const int32_t unit = m_currentUnit ? m_currentUnit() : 0;
    (unit == 1 ? KEYF() : KEYC())->setChecked(true);
}
