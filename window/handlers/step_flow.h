#pragma once

#include <array>
#include <string_view>

#include "numbers/regional_settings.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ombrelo::window {

struct Form1Controls;
class NumberLabel;
class Announcements;

// The walk through steps 1 to 3: Select offers the area's formulas, a formula its two
// directions, a direction its amount box. No state of its own: what the user chose is read
// back from the controls and compared with the catalog's texts.
class StepFlow {
  public:
    StepFlow(const Form1Controls& ui, const numbers::RegionalSettingsSource& regional,
             Announcements& announcements);

    void cmdSelect_Click();
    void optForm1_Click();
    void optForm2_Click();
    void optForm3_Click();
    void optForm4_Click();
    void optForm5_Click();
    void optForm6_Click();
    void optCalc1_Click();
    void optCalc2_Click();
    void lblOptCalc2_Click();

  private:
    void optForm_Click(int n);  // the body the six formula buttons share
    // A number of the core written into a box, in the user's digits (locale_digits.h).
    void SetNumber(QLineEdit* box, std::string_view coreText) const;

    const numbers::RegionalSettingsSource& m_regional;
    Announcements& m_announcements;
    QComboBox* Combo1;
    QGroupBox* frmChoose;
    QGroupBox* frmCalc;
    std::array<QRadioButton*, 9> optForm;
    QRadioButton* optCalc1;
    QRadioButton* optCalc2;
    QLabel* lblOptCalc2;
    QLabel* lblCalc1;
    QLineEdit* txtCalc1;
    QLabel* lblCalc2;
    NumberLabel* lblCalc3;
    QLabel* lblCalc4;
    QLineEdit* txtCalc2;
    QLabel* lblCalc5;
    NumberLabel* lblCalc6;
    QLabel* lblCalcFrm1;
    QLabel* lblCalcFrm2;
    QLabel* lblCalcDeci;
    QLineEdit* txtCalcDeci;
    QPushButton* cmdByteConvert;
};

}  // namespace ombrelo::window
