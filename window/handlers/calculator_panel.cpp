#include "window/handlers/calculator_panel.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "window/form/form1_controls.h"
#include "window/handlers/announcements.h"
#include "window/handlers/control_ops.h"
#include "window/handlers/panels.h"

namespace ombrelo::window {

namespace {

// The key codes the display's key-up handler acts on, the platform's virtual-key codes.
enum VirtualKey : int {
    kVkNone = 0,
    kVkBack = 8,
    kVkDelete = 46,
};

// Delete comes from the main key and from the keypad's decimal key with Num Lock off.
int VirtualKeyCode(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Backspace && !modifiers.testFlag(Qt::KeypadModifier)) return kVkBack;
    if (key == Qt::Key_Delete) return kVkDelete;
    return kVkNone;
}

}  // namespace

CalculatorPanel::CalculatorPanel(const Form1Controls& ui, Panels& panels, Platform& platform,
                                 const numbers::RegionalSettingsSource& regional,
                                 Announcements& announcements)
    : m_panels(panels),
      m_regional(regional),
      m_announcements(announcements),
      txtDisplay(ui.txtDisplay),
      m_displayBox(*ui.txtDisplay, platform, regional) {}

void CalculatorPanel::cmdCalcu_Click() {
    if (m_panels.OpenOrClose(PanelId::Calculator))
        m_announcements.AnnouncePanel(m_panels[PanelId::Calculator].frame);
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
    m_panels.Close(PanelId::Calculator);
    m_announcements.AnnouncePanel(m_panels[PanelId::Calculator].frame);
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

// The keypad acts through the characters it types; acting on its releases too would act twice.
void CalculatorPanel::txtDisplay_KeyUp(int& KeyCode, Qt::KeyboardModifiers /*Shift*/) {
    if (KeyCode == kVkBack || KeyCode == kVkDelete) m_calculator.BackspaceDisplay();
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
CalculatorPanel::Keys CalculatorPanel::KeysOf(const QWidget* control,
                                              const QKeyEvent& event) const {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool command =
        (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;

    if (event.type() == QEvent::KeyRelease) {
        // One action per physical release; a held key's repeats are not releases. The control
        // sees the release too: a released Space still presses the focused button.
        if (event.isAutoRepeat() || command) return {};
        return {.released = VirtualKeyCode(event.key(), modifiers)};
    }

    // Tab moves the focus, Space presses a focused button, and keys that type nothing (the
    // arrows, Home, End) move the display's caret and selection.
    if (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab) return {};
    if (event.key() == Qt::Key_Space && control != txtDisplay) return {};
    if (event.text().isEmpty()) return {};
    // Ctrl+C copies; Alt+letter is an access key, and one that matches none arrives here as
    // the plain letter, which must not multiply.
    if (modifiers.testFlag(Qt::ControlModifier)) return {};
    if (command) return {.stop = true};
    return {.typed = event.text(), .stop = true};
}

void CalculatorPanel::KeyPress(const QWidget* control, char32_t character) {
    char32_t KeyAscii = character;
    Form_KeyPress(KeyAscii);
    if (control == txtDisplay) txtDisplay_KeyPress(KeyAscii);
}

void CalculatorPanel::KeyUp(const QWidget* control, int keyCode, Qt::KeyboardModifiers Shift) {
    int KeyCode = keyCode;
    Form_KeyUp(KeyCode, Shift);
    if (control == txtDisplay) txtDisplay_KeyUp(KeyCode, Shift);
}

}  // namespace ombrelo::window
