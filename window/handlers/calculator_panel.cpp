#include "window/handlers/calculator_panel.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "window/form/form1_controls.h"
#include "window/handlers/announcements.h"
#include "window/handlers/calculator_keys.h"
#include "window/handlers/control_ops.h"

namespace ombrelo::window {

CalculatorPanel::CalculatorPanel(const Form1Controls& ui, Dispatcher& dispatcher,
                                 const numbers::RegionalSettingsSource& regional,
                                 Announcements& announcements)
    : m_dispatcher(dispatcher),
      m_regional(regional),
      m_announcements(announcements),
      cmdCalcu(ui.cmdCalcu),
      frmCalcu(ui.frmCalcu),
      txtDisplay(ui.txtDisplay),
      cmdAbout(ui.cmdAbout),
      cmdNew(ui.cmdNew),
      m_displayBox(*ui.txtDisplay, dispatcher.platform(), regional) {}

void CalculatorPanel::cmdCalcu_Click() {
    const std::string caption = Caption(cmdCalcu);
    if (caption == kCalculatorCaption) {
        Show(frmCalcu);
        GiveFocus(txtDisplay);
        Disable(cmdAbout);
        Disable(cmdNew);
        SetCaption(cmdCalcu, kBackCaption);
        m_announcements.AnnouncePanel(frmCalcu);
    } else if (caption == kBackCaption) {
        HideCalculatorPanel();
    }
}

// Store Answer: the display and the calculator's state stay as they are.
void CalculatorPanel::cmdCalcuHide1_Click() {
    HideCalculatorPanel();
}

// Erase Answer: the display empties, but a pending operation still applies on reopening.
void CalculatorPanel::cmdCalcuHide2_Click() {
    HideCalculatorPanel();
    SetText(txtDisplay, "");
}

void CalculatorPanel::HideCalculatorPanel() {
    ClosePanel(cmdCalcu, kCalculatorCaption, frmCalcu, {cmdAbout, cmdNew});
    m_announcements.AnnouncePanel(frmCalcu);
}

void CalculatorPanel::txtDisplay_KeyPress(char32_t& KeyAscii) {
    const char32_t key = KeyAscii;
    // The point key also answers to the regional decimal separator the display is read with.
    const auto isRegionalPoint = [this, key] {
        return ToQString(m_regional.Current().decimalSeparator) == QString::fromUcs4(&key, 1);
    };
    if (QChar::isDigit(key)) {
        // Any script's decimal digits: "٣" is 3.
        m_calculator.cmdNumber_Click(QChar::digitValue(key));
    } else if (key == U'+') {
        m_calculator.cmdOperator_Click(1);
    } else if (key == U'-') {
        m_calculator.cmdOperator_Click(2);
    } else if (key == U'*' || key == U'x' || key == U'X') {
        m_calculator.cmdOperator_Click(3);
    } else if (key == U'/') {
        m_calculator.cmdOperator_Click(4);
    } else if (key == U'=' || key == U'\r') {
        m_calculator.cmdEquals_Click();
    } else if (key == U'.' || isRegionalPoint()) {
        m_calculator.cmdDecimal_Click();
    } else if (key == U'C' || key == U'c') {
        m_calculator.cmdClearEntry_Click();
    }
    KeyAscii = 0;
}

void CalculatorPanel::txtDisplay_KeyUp(int& KeyCode, Qt::KeyboardModifiers /*Shift*/) {
    if (KeyCode >= kVkNumpad0 && KeyCode <= kVkNumpad0 + 9) {
        m_calculator.cmdNumber_Click(KeyCode - kVkNumpad0);
    } else if (KeyCode == kVkMultiply) {
        m_calculator.cmdOperator_Click(3);
    } else if (KeyCode == kVkAdd) {
        m_calculator.cmdOperator_Click(1);
    } else if (KeyCode == kVkSeparator) {
        m_calculator.cmdEquals_Click();
    } else if (KeyCode == kVkSubtract) {
        m_calculator.cmdOperator_Click(2);
    } else if (KeyCode == kVkDecimal) {
        m_calculator.cmdDecimal_Click();
    } else if (KeyCode == kVkDivide) {
        m_calculator.cmdOperator_Click(4);
    } else if (KeyCode == kVkBack || KeyCode == kVkDelete) {
        m_calculator.BackspaceDisplay();
    }
    KeyCode = 0;
}

void CalculatorPanel::Form_KeyPress(char32_t& KeyAscii) {
    txtDisplay_KeyPress(KeyAscii);
}

void CalculatorPanel::Form_KeyUp(int& KeyCode, Qt::KeyboardModifiers Shift) {
    txtDisplay_KeyUp(KeyCode, Shift);
}

void CalculatorPanel::txtDisplay_Change() {
    CaretToEnd(txtDisplay);
}

void CalculatorPanel::txtDisplay_GotFocus() {
    CaretToEnd(txtDisplay);
}

// The window sees the panel's keys first (key preview, within the panel only), so each key
// acts once whichever of the panel's controls has the focus; the display's own handlers then
// get the code 0 and do nothing. Keys typed anywhere else stay that control's own.
bool CalculatorPanel::CalculatorKeyEvent(QWidget* control, const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool command =
        (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;

    if (event.type() == QEvent::KeyRelease) {
        // One action per physical release; a held key's repeats are not releases.
        if (event.isAutoRepeat() || command) return false;
        int KeyCode = VirtualKeyCode(event.key(), modifiers);
        // A keypad key that typed its character has acted through it already.
        if (TypesOnKeypad(KeyCode)) KeyCode = kVkNone;
        m_dispatcher.Run([&] {
            Form_KeyUp(KeyCode, modifiers);
            if (control == txtDisplay) txtDisplay_KeyUp(KeyCode, modifiers);
        });
        return false;  // a released Space still presses the focused button
    }

    // Tab moves the focus, Space presses a focused button, and keys that type nothing (the
    // arrows, Home, End) move the display's caret and selection.
    if (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab) return false;
    if (event.key() == Qt::Key_Space && control != txtDisplay) return false;
    if (event.text().isEmpty()) return false;
    // Ctrl+C copies; Alt+letter is an access key, and one that matches none arrives here as
    // the plain letter, which must not multiply.
    if (modifiers.testFlag(Qt::ControlModifier)) return false;
    if (command) return true;

    for (const char32_t typed : event.text().toUcs4()) {
        char32_t KeyAscii = typed;
        m_dispatcher.Run([&] {
            Form_KeyPress(KeyAscii);
            if (control == txtDisplay) txtDisplay_KeyPress(KeyAscii);
        });
    }
    return true;
}

}  // namespace ombrelo::window
