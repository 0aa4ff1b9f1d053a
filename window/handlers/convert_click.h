#pragma once

#include <array>

#include "numbers/regional_settings.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace ombrelo::window {

struct Form1Controls;
class NumberLabel;
class Announcements;

// Step 4's Convert: the core's Convert run over the window's boxes and labels.
class ConvertClick {
  public:
    ConvertClick(const Form1Controls& ui, const numbers::RegionalSettingsSource& regional,
                 Announcements& announcements);

    void cmdByteConvert_Click();

  private:
    class WindowForm;  // the core's view of these controls (conversion/convert.h)

    const numbers::RegionalSettingsSource& m_regional;
    Announcements& m_announcements;
    std::array<QRadioButton*, 9> optForm;
    QLineEdit* txtCalc1;
    QLineEdit* txtCalc2;
    QLineEdit* txtCalcDeci;
    NumberLabel* lblCalc3;
    NumberLabel* lblCalc6;
    QLabel* lblCalcFrm1;
    QLabel* lblCalcFrm2;
};

}  // namespace ombrelo::window
