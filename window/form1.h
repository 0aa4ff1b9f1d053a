#pragma once

#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include <QWidget>

#include "calculator/calculator_engine.h"
#include "numbers/regional_settings.h"
#include "window/calculator_display.h"
#include "window/dispatcher.h"
#include "window/notice.h"
#include "window/platform.h"

class QButtonGroup;
class QCloseEvent;
class QComboBox;
class QKeyEvent;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace ombrelo::window {

// The one window. Its controls are built from the form table (form_table.h) and offered by
// the names the handlers use; the window keeps no state of its own beyond its widgets.
class Form1 : public QWidget {
    Q_OBJECT

  public:
    Form1(Platform& platform, const conversion::RegionalSettingsSource& regional,
          QWidget* parent = nullptr);
    ~Form1() override;

    // --- Controls, by name -------------------------------------------------------------
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
    QLabel* lblCalc6 = nullptr;
    QLabel* lblCalc5 = nullptr;
    QLabel* lblCalc4 = nullptr;
    QLabel* lblCalc3 = nullptr;
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

    // The calculator behind the panel, for reading its state.
    const calculator::CalculatorEngine& Calculator() const { return m_calculator; }

  private:
    void BuildControls();    // form1.cpp: the table turned into widgets
    void ConnectHandlers();  // window_events.cpp: every entry point through the dispatcher

    // --- Handlers ---------------------------------------------------------------------
    // Steps 1 to 3 (step_flow.cpp).
    void cmdSelect_Click();
    void optForm1_Click();
    void optForm2_Click();
    void optForm3_Click();
    void optForm4_Click();
    void optForm5_Click();
    void optForm6_Click();
    void optForm_Click(int n);  // the body the six formula buttons share
    void optCalc1_Click();
    void optCalc2_Click();
    void lblOptCalc2_Click();
    // Step 4 (convert_click.cpp).
    void cmdByteConvert_Click();

    // Calculator panel and its keys (calculator_panel.cpp). Character codes are Unicode code
    // points, key codes the platform's virtual-key codes (calculator_keys.h); a handler sets
    // the code it was given to 0 once it has taken the key.
    void cmdCalcu_Click();
    void cmdCalcuHide1_Click();
    void cmdCalcuHide2_Click();
    void HideCalculatorPanel();  // the steps every way of closing the panel shares
    void txtDisplay_KeyPress(char32_t& KeyAscii);
    void txtDisplay_KeyUp(int& KeyCode, Qt::KeyboardModifiers Shift);
    void Form_KeyPress(char32_t& KeyAscii);
    void Form_KeyUp(int& KeyCode, Qt::KeyboardModifiers Shift);
    void txtDisplay_Change();
    void txtDisplay_GotFocus();
    // A key event on a control of the open calculator panel, turned into the handlers above;
    // true when the control must not see it.
    bool CalculatorKeyEvent(QWidget* control, const QKeyEvent& event);

    // What a screen reader hears without the focus moving (notice.h): the steps as they
    // appear, the result of Convert, a panel opened or closed.
    void AnnounceFormulas(std::size_t count);
    void AnnounceDirections(bool named);  // named: with the two captions
    void AnnounceResult();
    void AnnouncePanel(const QGroupBox* panel);

    // A number of the core written into a box, in the user's digits (locale_digits.h).
    void SetNumber(QLineEdit* box, std::string_view coreText) const;

    // Selecting an option button from code runs its click handler inside the caller, as
    // the user's click would.
    void Select(QRadioButton* option);
    using Handler = void (Form1::*)();
    std::vector<std::pair<const QRadioButton*, Handler>> m_optionClickHandlers;

    // --- Side panels, window commands and keyboard reach ------------------------------
    // (side_panels.cpp, keyboard_reach.cpp)
  protected:
    void closeEvent(QCloseEvent* event) override;  // closing the window is Exit
    void paintEvent(QPaintEvent* event) override;  // the design's blue, beneath every control
    void changeEvent(QEvent* event) override;      // a maximize is taken back
    bool focusNextPrevChild(bool next) override;   // Tab passes over what a panel hides

  private:
    void cmdAbout_Click();
    void cmdNew_Click();
    void cmdClearAll_Click();
    void cmdExit_Click();
    void GuardKeyboardReach();  // run after every handler is connected
    // Beneath an open panel: in steps 1 to 3 while the calculator, What's New or About is shown.
    bool IsCovered(const QWidget* control) const;
    // A focus beneath an open panel goes into the panel, so that no key typed there reaches a
    // control the user cannot see: its text, or the calculator's display.
    void KeepFocusOutOfCover();
    std::vector<QWidget*> m_tabOrder;  // the focusable controls by tab index
    // -----------------------------------------------------------------------------------

    Notice* m_notice = nullptr;
    Dispatcher m_dispatcher;
    const conversion::RegionalSettingsSource& m_regional;
    CalculatorDisplayBox m_displayBox{m_dispatcher.platform(), m_regional};
    calculator::CalculatorEngine m_calculator{m_displayBox, m_regional};
    // The application-wide signal that tells the display it got the focus; cut before the
    // controls go, since the window's members are gone by the time Qt deletes its children.
    QMetaObject::Connection m_focusChanged;
};

// The captions that carry a panel's state on its button.
inline constexpr std::string_view kCalculatorCaption = "Calc&ulator";
inline constexpr std::string_view kBackCaption = "Back";

}  // namespace ombrelo::window
