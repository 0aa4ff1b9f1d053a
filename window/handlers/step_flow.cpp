#include "window/handlers/step_flow.h"

#include <initializer_list>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "conversion/catalog.h"
#include "window/desktop/locale_digits.h"
#include "window/form/form1_controls.h"
#include "window/form/form_table.h"
#include "window/handlers/announcements.h"
#include "window/handlers/control_ops.h"

namespace ombrelo::window {

namespace {

void Empty(QLabel* label) {
    SetCaption(label, "");
}
void Empty(QLineEdit* box) {
    SetText(box, "");
}
void MoveLeft(QWidget* control, int twips) {
    control->move(TwipsToPixels(twips), control->y());
}

}  // namespace

StepFlow::StepFlow(const Form1Controls& ui, const numbers::RegionalSettingsSource& regional,
                   Announcements& announcements)
    : m_regional(regional),
      m_announcements(announcements),
      Combo1(ui.Combo1),
      frmChoose(ui.frmChoose),
      frmCalc(ui.frmCalc),
      optForm(ui.optForm),
      optCalc1(ui.optCalc1),
      optCalc2(ui.optCalc2),
      lblOptCalc2(ui.lblOptCalc2),
      lblCalc1(ui.lblCalc1),
      txtCalc1(ui.txtCalc1),
      lblCalc2(ui.lblCalc2),
      lblCalc3(ui.lblCalc3),
      lblCalc4(ui.lblCalc4),
      txtCalc2(ui.txtCalc2),
      lblCalc5(ui.lblCalc5),
      lblCalc6(ui.lblCalc6),
      lblCalcFrm1(ui.lblCalcFrm1),
      lblCalcFrm2(ui.lblCalcFrm2),
      lblCalcDeci(ui.lblCalcDeci),
      txtCalcDeci(ui.txtCalcDeci),
      cmdByteConvert(ui.cmdByteConvert) {}

void StepFlow::SetNumber(QLineEdit* box, std::string_view coreText) const {
    box->setText(ToUserDigits(coreText, m_regional.Current().zeroDigit));
}

void StepFlow::cmdSelect_Click() {
    KeepFocusOutOf({frmChoose, frmCalc, cmdByteConvert}, Combo1);
    Hide(frmCalc);
    Disable(cmdByteConvert);  // no formula is chosen until one is clicked again
    Show(frmChoose);
    for (std::size_t n = 1; n < optForm.size(); ++n)
        Unselect(optForm[n]);
    for (std::size_t n = 1; n < optForm.size(); ++n)
        Hide(optForm[n]);
    Empty(lblCalcFrm1);
    Empty(lblCalcFrm2);
    std::size_t offered = 0;
    if (const conversion::ConversionArea* area = conversion::FindArea(Text(Combo1))) {
        const auto formulas = area->formulas;
        for (std::size_t slot = 1; slot <= formulas.size(); ++slot)
            Show(optForm[slot]);
        for (std::size_t slot = 1; slot <= formulas.size(); ++slot) {
            SetCaption(optForm[slot], formulas[slot - 1].caption);
        }
        offered = formulas.size();
    }
    m_announcements.AnnounceFormulas(offered);
}

void StepFlow::optForm1_Click() {
    optForm_Click(1);
}
void StepFlow::optForm2_Click() {
    optForm_Click(2);
}
void StepFlow::optForm3_Click() {
    optForm_Click(3);
}
void StepFlow::optForm4_Click() {
    optForm_Click(4);
}
void StepFlow::optForm5_Click() {
    optForm_Click(5);
}
void StepFlow::optForm6_Click() {
    optForm_Click(6);
}

void StepFlow::optForm_Click(int n) {
    QRadioButton* const optFormN = optForm[static_cast<std::size_t>(n)];
    Show(frmCalc);
    for (QWidget* control : std::initializer_list<QWidget*>{
             lblCalc1, txtCalc1, lblCalc2, lblCalc3, lblCalc4, txtCalc2, lblCalc5, lblCalc6}) {
        Hide(control);
    }
    Unselect(optCalc1);
    Unselect(optCalc2);
    Empty(txtCalc1);
    Empty(lblCalc3);
    Empty(txtCalc2);
    Empty(lblCalc6);
    Empty(lblCalcFrm1);
    Empty(lblCalcFrm2);
    Hide(lblCalcDeci);
    Hide(txtCalcDeci);
    Disable(cmdByteConvert);
    bool found = false;
    if (IsSelected(optFormN)) {
        if (const auto* formula = conversion::FindFormula(n, Caption(optFormN))) {
            SetCaption(optCalc1, formula->forward.caption);
            SetCaption(lblOptCalc2, formula->reverse.caption);
            found = true;
        }
    }
    m_announcements.AnnounceDirections(found);
}

void StepFlow::optCalc1_Click() {
    Enable(cmdByteConvert);
    Empty(lblCalcFrm2);
    Show(lblCalc1);
    Show(txtCalc1);
    GiveFocus(txtCalc1);
    Show(lblCalc2);
    Show(lblCalc3);
    Hide(lblCalc4);
    Hide(txtCalc2);
    Hide(lblCalc5);
    Hide(lblCalc6);
    Empty(txtCalc1);
    Empty(lblCalc3);
    SetNumber(txtCalc2, "0");
    Empty(lblCalc6);
    SetNumber(txtCalcDeci, "2");
    MoveLeft(lblCalcDeci, kForwardPlaces.labelLeft);
    MoveLeft(txtCalcDeci, kForwardPlaces.boxLeft);
    Show(lblCalcDeci);
    Show(txtCalcDeci);
    if (IsSelected(optCalc1)) {
        if (const auto found = conversion::FindForwardDirection(Caption(optCalc1))) {
            SetCaption(lblCalc1, found->direction->prompt);
            SetCaption(lblCalc2, found->direction->resultLabel);
        }
    }
}

void StepFlow::optCalc2_Click() {
    Enable(cmdByteConvert);
    Empty(lblCalcFrm1);
    Hide(lblCalc1);
    Hide(txtCalc1);
    Hide(lblCalc2);
    Hide(lblCalc3);
    Show(lblCalc4);
    Show(txtCalc2);
    GiveFocus(txtCalc2);
    Show(lblCalc5);
    Show(lblCalc6);
    SetNumber(txtCalc1, "0");
    Empty(lblCalc3);
    Empty(txtCalc2);
    Empty(lblCalc6);
    SetNumber(txtCalcDeci, "2");
    MoveLeft(lblCalcDeci, kReversePlaces.labelLeft);
    Show(lblCalcDeci);
    MoveLeft(txtCalcDeci, kReversePlaces.boxLeft);
    Show(txtCalcDeci);
    // The reverse direction's caption stands on the label; optCalc2 itself has none.
    if (IsSelected(optCalc2)) {
        if (const auto found = conversion::FindReverseDirection(Caption(lblOptCalc2))) {
            SetCaption(lblCalc4, found->direction->prompt);
            SetCaption(lblCalc5, found->direction->resultLabel);
        }
    }
}

// The label acts as optCalc2's caption: the button is selected and its click handler runs
// within this one, as the user's click on it would run it.
void StepFlow::lblOptCalc2_Click() {
    Select(optCalc2);
    optCalc2_Click();
}

}  // namespace ombrelo::window
