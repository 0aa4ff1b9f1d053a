#pragma once

#include <Qt>

#include "calculator/calculator_engine.h"
#include "numbers/regional_settings.h"
#include "window/desktop/dispatcher.h"
#include "window/handlers/calculator_display.h"

class QGroupBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QWidget;

namespace ombrelo::window {

struct Form1Controls;
class Announcements;

// The calculator panel: opened and closed by its button in step 4 and by its two hide buttons,
// and driven by keys while the focus is on the display or one of the panel's buttons. The
// engine behind it does the arithmetic; its buttons are connected to the engine directly.
class CalculatorPanel {
  public:
    CalculatorPanel(const Form1Controls& ui, Dispatcher& dispatcher,
                    const numbers::RegionalSettingsSource& regional, Announcements& announcements);

    calculator::CalculatorEngine& Calculator() { return m_calculator; }
    const calculator::CalculatorEngine& Calculator() const { return m_calculator; }

    void cmdCalcu_Click();
    void cmdCalcuHide1_Click();
    void cmdCalcuHide2_Click();
    // Character codes are Unicode code points, key codes the platform's virtual-key codes
    // (calculator_keys.h); a handler sets the code it was given to 0 once it has taken the key.
    void txtDisplay_KeyPress(char32_t& KeyAscii);
    void txtDisplay_KeyUp(int& KeyCode, Qt::KeyboardModifiers Shift);
    void Form_KeyPress(char32_t& KeyAscii);
    void Form_KeyUp(int& KeyCode, Qt::KeyboardModifiers Shift);
    void txtDisplay_Change();
    void txtDisplay_GotFocus();
    // A key event on a control of the open calculator panel, turned into the handlers above;
    // true when the control must not see it.
    bool CalculatorKeyEvent(QWidget* control, const QKeyEvent& event);

  private:
    void HideCalculatorPanel();  // the steps every way of closing the panel shares

    Dispatcher& m_dispatcher;
    const numbers::RegionalSettingsSource& m_regional;
    Announcements& m_announcements;
    QPushButton* cmdCalcu;
    QGroupBox* frmCalcu;
    QLineEdit* txtDisplay;
    QPushButton* cmdAbout;
    QPushButton* cmdNew;
    CalculatorDisplayBox m_displayBox;
    calculator::CalculatorEngine m_calculator{m_displayBox, m_regional};
};

}  // namespace ombrelo::window
