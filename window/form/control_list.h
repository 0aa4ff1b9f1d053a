#pragma once

// Every control of the window, once: the class the handlers hold it as and the name it goes
// by. The form table's rows name their control from this list (form_table.h), Form1Controls
// takes its members from it and finds them by it (form1_controls.h), so a control listed here
// and missing from the table, or the other way round, does not compile.
//
//   CONTROL(Class, name)                 one control
//   NUMBERED(Class, name, first, last)   controls named name1, name2, ...: name[first..last]
//   ARRAY(Class, name, first, last)      a control array: one name and an Index per member,
//                                        clicked through one button group whose ids are the
//                                        indexes
//
// In the order of the form table.
#define OMBRELO_FORM1_CONTROLS(CONTROL, NUMBERED, ARRAY) \
    CONTROL(QGroupBox, frmCalcu)                         \
    CONTROL(QGroupBox, frmNew)                           \
    CONTROL(QGroupBox, frmAbout)                         \
    CONTROL(QGroupBox, frmChoose)                        \
    CONTROL(QGroupBox, frmButtons)                       \
    CONTROL(QGroupBox, frmCalc)                          \
    CONTROL(QGroupBox, frmOption)                        \
    CONTROL(QLabel, lblVersion)                          \
    CONTROL(QLabel, lblTitle)                            \
                                                         \
    CONTROL(QPushButton, cmdSelect)                      \
    CONTROL(QComboBox, Combo1)                           \
                                                         \
    NUMBERED(QRadioButton, optForm, 1, 8)                \
                                                         \
    CONTROL(QLineEdit, txtCalcDeci)                      \
    CONTROL(QLineEdit, txtCalc2)                         \
    CONTROL(QRadioButton, optCalc1)                      \
    CONTROL(QLineEdit, txtCalc1)                         \
    CONTROL(QRadioButton, optCalc2)                      \
    CONTROL(QLabel, lblCalcDeci)                         \
    CONTROL(QLabel, lblOptCalc2)                         \
    CONTROL(QFrame, Line1)                               \
    CONTROL(NumberLabel, lblCalc6)                       \
    CONTROL(QLabel, lblCalc5)                            \
    CONTROL(QLabel, lblCalc4)                            \
    CONTROL(NumberLabel, lblCalc3)                       \
    CONTROL(QLabel, lblCalc2)                            \
    CONTROL(QLabel, lblCalc1)                            \
    CONTROL(QLabel, lblCalcFrm1)                         \
    CONTROL(QLabel, lblCalcFrm2)                         \
                                                         \
    CONTROL(QPushButton, cmdCalcu)                       \
    CONTROL(QPushButton, cmdAbout)                       \
    CONTROL(QPushButton, cmdNew)                         \
    CONTROL(QPushButton, cmdClearAll)                    \
    CONTROL(QPushButton, cmdExit)                        \
    CONTROL(QPushButton, cmdByteConvert)                 \
                                                         \
    CONTROL(QPushButton, cmdCalcuHide2)                  \
    CONTROL(QPushButton, cmdCalcuHide1)                  \
    CONTROL(QLineEdit, txtDisplay)                       \
    ARRAY(QPushButton, cmdNumber, 0, 9)                  \
    ARRAY(QPushButton, cmdOperator, 1, 4)                \
    CONTROL(QPushButton, cmdEquals)                      \
    CONTROL(QPushButton, cmdClear)                       \
    CONTROL(QPushButton, cmdClearEntry)                  \
    CONTROL(QPushButton, cmdDecimal)                     \
    CONTROL(QPushButton, cmdPlusMinus)                   \
    CONTROL(QTimer, tmrUnflash)                          \
                                                         \
    CONTROL(QPlainTextEdit, txtNew)                      \
    CONTROL(QPlainTextEdit, txtAbout)
