#pragma once

#include <QString>
#include <Qt>

#include "calculator/calculator_engine.h"
#include "numbers/regional_settings.h"
#include "window/handlers/calculator_display.h"

class QKeyEvent;
class QLineEdit;
class QWidget;

namespace ombrelo::window {

struct Form1Controls;
class Announcements;
class Panels;
class Platform;

// The calculator panel: opened and closed by its button in step 4 and by its two hide buttons,
// and driven by keys while the focus is on the display or one of the panel's buttons. The
// engine behind it does the arithmetic; its buttons are connected to the engine directly.
class CalculatorPanel {
  public:
    CalculatorPanel(const Form1Controls& ui, Panels& panels, Platform& platform,
                    const numbers::RegionalSettingsSource& regional, Announcements& announcements);

    calculator::CalculatorEngine& Calculator() { return m_calculator; }
    const calculator::CalculatorEngine& Calculator() const { return m_calculator; }

    void cmdCalcu_Click();
    void cmdCalcuHide1_Click();
    void cmdCalcuHide2_Click();
    // Character codes are Unicode code points, key codes the platform's virtual-key codes; a
    // handler sets the code it was given to 0 once it has taken the key.
    void txtDisplay_KeyPress(char32_t& KeyAscii);
    void txtDisplay_KeyUp(int& KeyCode, Qt::KeyboardModifiers Shift);
    void Form_KeyPress(char32_t& KeyAscii);
    void Form_KeyUp(int& KeyCode, Qt::KeyboardModifiers Shift);
    void txtDisplay_Change();
    void txtDisplay_GotFocus();

    // What the calculator takes of a key event on a control of its panel.
    struct Keys {
        QString typed{};    // the characters, each for the key-press handlers
        int released = 0;   // the key code for the key-up handlers; 0 for none
        bool stop = false;  // the control must not see the event
    };
    Keys KeysOf(const QWidget* control, const QKeyEvent& event) const;
    // The window's key handlers, then the display's when it has the key.
    void KeyPress(const QWidget* control, char32_t character);
    void KeyUp(const QWidget* control, int keyCode, Qt::KeyboardModifiers Shift);

  private:
    void HideCalculatorPanel();  // the steps every way of closing the panel shares

    Panels& m_panels;
    const numbers::RegionalSettingsSource& m_regional;
    Announcements& m_announcements;
    QLineEdit* txtDisplay;
    CalculatorDisplayBox m_displayBox;
    calculator::CalculatorEngine m_calculator{m_displayBox, m_regional};
};

}  // namespace ombrelo::window
