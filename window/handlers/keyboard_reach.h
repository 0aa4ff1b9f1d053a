#pragma once

#include <vector>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QLineEdit;
class QWidget;

namespace ombrelo::window {

struct Form1Controls;

// What a keyboard can reach. An open panel hides steps 1 to 3 beneath it, so Tab and the
// access keys pass over them as over any hidden control, and a focus that lands there goes on
// into the panel.
class KeyboardReach {
  public:
    KeyboardReach(QWidget& window, const Form1Controls& ui);

    // Beneath an open panel: in steps 1 to 3 while the calculator, What's New or About is shown.
    bool IsCovered(const QWidget* control) const;
    // A focus beneath an open panel goes into the panel, so that no key typed there reaches a
    // control the user cannot see: its text, or the calculator's display.
    void KeepFocusOutOfCover();

    // Run once every handler is connected: the tab order, the access keys and the arrow keys.
    void GuardKeyboardReach();
    // The window's Tab and Shift+Tab, once guarded; Qt's own chain before and while the
    // controls go (ForgetTabOrder).
    bool HasTabOrder() const { return !m_tabOrder.empty(); }
    bool FocusNextPrevChild(bool next);
    void ForgetTabOrder() { m_tabOrder.clear(); }

  private:
    QWidget& m_window;
    QGroupBox* frmCalcu;
    QGroupBox* frmNew;
    QGroupBox* frmAbout;
    QGroupBox* frmOption;
    QGroupBox* frmChoose;
    QGroupBox* frmCalc;
    QLineEdit* txtDisplay;
    QPlainTextEdit* txtNew;
    QPlainTextEdit* txtAbout;
    QLabel* lblCalc3;
    QLabel* lblCalc6;
    QPushButton* cmdByteConvert;
    std::vector<QWidget*> m_tabOrder;  // the focusable controls by tab index
};

}  // namespace ombrelo::window
