#include "window/form/form1_controls.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include "window/widgets/number_label.h"

namespace ombrelo::window {

// A number label is a QLabel to Qt's meta-objects (it adds none of its own), so only C++ can
// tell it from a plain one.
void FindControl(const QWidget& window, NumberLabel*& control, const std::string& name) {
    QLabel* label = nullptr;
    FindControl(window, label, name);
    control = dynamic_cast<NumberLabel*>(label);
    if (control == nullptr) throw std::logic_error("the window's " + name + " is no number label");
}

Form1Controls FindControls(const QWidget& window) {
    Form1Controls ui;
    const auto find = [&window](auto*& control, const std::string& name) {
        FindControl(window, control, name);
    };
    find(ui.frmCalcu, "frmCalcu");
    find(ui.frmNew, "frmNew");
    find(ui.frmAbout, "frmAbout");
    find(ui.frmChoose, "frmChoose");
    find(ui.frmButtons, "frmButtons");
    find(ui.frmCalc, "frmCalc");
    find(ui.frmOption, "frmOption");
    find(ui.lblVersion, "lblVersion");
    find(ui.lblTitle, "lblTitle");

    find(ui.cmdSelect, "cmdSelect");
    find(ui.Combo1, "Combo1");
    for (std::size_t i = 1; i < ui.optForm.size(); ++i)
        find(ui.optForm[i], "optForm" + std::to_string(i));

    find(ui.txtCalcDeci, "txtCalcDeci");
    find(ui.txtCalc2, "txtCalc2");
    find(ui.optCalc1, "optCalc1");
    find(ui.txtCalc1, "txtCalc1");
    find(ui.optCalc2, "optCalc2");
    find(ui.lblCalcDeci, "lblCalcDeci");
    find(ui.lblOptCalc2, "lblOptCalc2");
    find(ui.Line1, "Line1");
    find(ui.lblCalc6, "lblCalc6");
    find(ui.lblCalc5, "lblCalc5");
    find(ui.lblCalc4, "lblCalc4");
    find(ui.lblCalc3, "lblCalc3");
    find(ui.lblCalc2, "lblCalc2");
    find(ui.lblCalc1, "lblCalc1");
    find(ui.lblCalcFrm1, "lblCalcFrm1");
    find(ui.lblCalcFrm2, "lblCalcFrm2");

    find(ui.cmdCalcu, "cmdCalcu");
    find(ui.cmdAbout, "cmdAbout");
    find(ui.cmdNew, "cmdNew");
    find(ui.cmdClearAll, "cmdClearAll");
    find(ui.cmdExit, "cmdExit");
    find(ui.cmdByteConvert, "cmdByteConvert");

    find(ui.cmdCalcuHide2, "cmdCalcuHide2");
    find(ui.cmdCalcuHide1, "cmdCalcuHide1");
    find(ui.txtDisplay, "txtDisplay");
    // A control array's members are named by the array and their index (form_table.h), and
    // its button group by the array.
    for (std::size_t i = 0; i < ui.cmdNumber.size(); ++i)
        find(ui.cmdNumber[i], "cmdNumber_" + std::to_string(i));
    for (std::size_t i = 1; i < ui.cmdOperator.size(); ++i)
        find(ui.cmdOperator[i], "cmdOperator_" + std::to_string(i));
    find(ui.cmdNumberGroup, "cmdNumber");
    find(ui.cmdOperatorGroup, "cmdOperator");
    find(ui.cmdEquals, "cmdEquals");
    find(ui.cmdClear, "cmdClear");
    find(ui.cmdClearEntry, "cmdClearEntry");
    find(ui.cmdDecimal, "cmdDecimal");
    find(ui.cmdPlusMinus, "cmdPlusMinus");
    find(ui.tmrUnflash, "tmrUnflash");

    find(ui.txtNew, "txtNew");
    find(ui.txtAbout, "txtAbout");
    return ui;
}

}  // namespace ombrelo::window
