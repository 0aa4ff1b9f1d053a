#pragma once

#include <array>
#include <stdexcept>
#include <string>

#include <QString>
#include <QWidget>

#include "window/widgets/number_label.h"

class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace ombrelo::window {

// The window's controls by the names the handlers use, as a form designer's generated class
// offers them. The window holds them privately; each group of handlers takes the few it uses.
struct Form1Controls {
    // Direct children of the window.
    QGroupBox* frmCalcu = nullptr;
    QGroupBox* frmNew = nullptr;
    QGroupBox* frmAbout = nullptr;
    QGroupBox* frmChoose = nullptr;
    QGroupBox* frmButtons = nullptr;
    QGroupBox* frmCalc = nullptr;
    QGroupBox* frmOption = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblTitle = nullptr;

    // Step 1.
    QPushButton* cmdSelect = nullptr;
    QComboBox* Combo1 = nullptr;

    // Step 2: optForm[1] .. optForm[8]; [0] is unused so that the index is the button's number.
    std::array<QRadioButton*, 9> optForm{};

    // Step 3.
    QLineEdit* txtCalcDeci = nullptr;
    QLineEdit* txtCalc2 = nullptr;
    QRadioButton* optCalc1 = nullptr;
    QLineEdit* txtCalc1 = nullptr;
    QRadioButton* optCalc2 = nullptr;
    QLabel* lblCalcDeci = nullptr;
    QLabel* lblOptCalc2 = nullptr;
    QFrame* Line1 = nullptr;
    NumberLabel* lblCalc6 = nullptr;  // the results: number labels (number_label.h)
    QLabel* lblCalc5 = nullptr;
    QLabel* lblCalc4 = nullptr;
    NumberLabel* lblCalc3 = nullptr;
    QLabel* lblCalc2 = nullptr;
    QLabel* lblCalc1 = nullptr;
    QLabel* lblCalcFrm1 = nullptr;
    QLabel* lblCalcFrm2 = nullptr;

    // Step 4.
    QPushButton* cmdCalcu = nullptr;
    QPushButton* cmdAbout = nullptr;
    QPushButton* cmdNew = nullptr;
    QPushButton* cmdClearAll = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdByteConvert = nullptr;

    // Calculator panel: cmdNumber[0..9]; cmdOperator[1..4] with [0] unused.
    QPushButton* cmdCalcuHide2 = nullptr;
    QPushButton* cmdCalcuHide1 = nullptr;
    QLineEdit* txtDisplay = nullptr;
    std::array<QPushButton*, 10> cmdNumber{};
    std::array<QPushButton*, 5> cmdOperator{};
    // The two arrays as button groups whose ids are the indexes, for one click handler each.
    QButtonGroup* cmdNumberGroup = nullptr;
    QButtonGroup* cmdOperatorGroup = nullptr;
    QPushButton* cmdEquals = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdClearEntry = nullptr;
    QPushButton* cmdDecimal = nullptr;
    QPushButton* cmdPlusMinus = nullptr;
    QTimer* tmrUnflash = nullptr;

    // What's New and About panels.
    QPlainTextEdit* txtNew = nullptr;
    QPlainTextEdit* txtAbout = nullptr;
};

// The controls of a window built from the form (form_builder.h), found by their object names
// (form_table.h): the window's own view of them, and a test's. Throws std::logic_error when
// the window has no such control of that type.
Form1Controls FindControls(const QWidget& window);

// One control of the window by its object name, as the type of `control`; throws
// std::logic_error when the window has no such control of that type.
template <typename T>
void FindControl(const QWidget& window, T*& control, const std::string& name) {
    control = window.findChild<T*>(QString::fromStdString(name));
    if (control == nullptr) throw std::logic_error("the window has no control " + name);
}
void FindControl(const QWidget& window, NumberLabel*& control, const std::string& name);

}  // namespace ombrelo::window
