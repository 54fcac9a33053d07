// The temperature unit: degrees Celsius or Fahrenheit. The choice takes effect at once and is
// kept with the settings at exit.
#pragma once

#include <cstdint>
#include <functional>

#include "choiceform.h"

class TEXTRA_UNIT_Form : public TwoChoiceForm, public ModalHook<TEXTRA_UNIT_Form> {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 604;

    // currentUnit: the main window's TemperatureUnit; loadTemperatureTexts: its
    // UNIT_LoadTemperatureTexts.
    TEXTRA_UNIT_Form(std::function<int32_t()> currentUnit,
                     std::function<void(int32_t unit)> loadTemperatureTexts,
                     std::function<void(int context)> showHelp, QWidget* parent = nullptr);

    void UNIT_Execute();
    // Fahrenheit for unit 1, Celsius for any other value.
    void UNIT_ShowCurrent();

    QRadioButton* KEYC() const { return firstRadio(); }
    QRadioButton* KEYF() const { return secondRadio(); }
    QToolButton* IMGC() const { return firstImage(); }
    QToolButton* IMGF() const { return secondImage(); }

private:
    std::function<int32_t()> m_currentUnit;
    std::function<void(int32_t)> m_loadTemperatureTexts;
};
