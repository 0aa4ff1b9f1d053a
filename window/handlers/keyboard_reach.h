#pragma once

#include <vector>

#include <QPointer>

class QAbstractButton;
class QKeyEvent;
class QLabel;
class QPushButton;
class QRadioButton;
class QShortcutEvent;
class QWidget;

namespace ombrelo::window {

struct Form1Controls;
class Panels;

// What a keyboard can reach. An open panel hides steps 1 to 3 beneath it, so Tab and the
// access keys pass over them as over any hidden control.
class KeyboardReach {
  public:
    KeyboardReach(QWidget& window, const Form1Controls& ui, const Panels& panels);

    // The window's Tab and Shift+Tab, once the tab order is made; Qt's own chain before it and
    // while the controls go (ForgetTabOrder).
    void MakeTabOrder();
    bool HasTabOrder() const { return !m_tabOrder.empty(); }
    bool FocusNextPrevChild(bool next);
    void ForgetTabOrder() { m_tabOrder.clear(); }

    // An access key clicks its button at once, as the desktop's own buttons do, where Qt would
    // first draw it pressed for 100 ms; beneath an open panel it clicks nothing. True when the
    // event is taken.
    bool AccessKey(QAbstractButton& button, const QShortcutEvent& event) const;

    // An arrow key in an option group clicks the next button and only then moves the focus to
    // it, undoing the focus the click handler gave (the amount box); given again, the arrow
    // key ends as a click does. In a group where nothing is chosen yet, Qt only moves the
    // focus: the button reached is clicked here, so the arrow keys always choose. True when
    // the event is taken. OptionClicked runs after each option's click handler.
    bool ArrowKey(QRadioButton& option, QKeyEvent& event);
    void OptionClicked();

  private:
    QWidget& m_window;
    const Panels& m_panels;
    QLabel* lblCalc3;
    QLabel* lblCalc6;
    QPushButton* cmdByteConvert;
    std::vector<QWidget*> m_tabOrder;  // the focusable controls by tab index
    bool m_inArrowKey = false;
    QPointer<QWidget> m_focusAfterClick;
};

}  // namespace ombrelo::window
