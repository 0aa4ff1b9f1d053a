#include <functional>
#include <utility>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include "window/event_filter.h"
#include "window/form1.h"

namespace ombrelo::window {

namespace {

// A label has no click of its own: a left press followed by a left release inside it is one.
class LabelClickFilter final : public QObject {
  public:
    LabelClickFilter(QLabel* label, std::function<void()> onClick)
        : QObject(label), m_label(label), m_onClick(std::move(onClick)) {
        label->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_label) return false;
        if (event->type() == QEvent::MouseButtonPress) {
            m_pressed = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const bool click = m_pressed && mouse->button() == Qt::LeftButton &&
                               m_label->rect().contains(mouse->position().toPoint());
            m_pressed = false;
            if (click) {
                m_onClick();
                return true;
            }
        }
        return false;
    }

  private:
    QLabel* m_label;
    std::function<void()> m_onClick;
    bool m_pressed = false;
};

}  // namespace

// Every entry point from Qt into a handler is made here, each through the dispatcher, so a
// run-time error is reported and never crosses Qt's event loop.
void Form1::ConnectHandlers() {
    const auto run = [this](Handler handler) {
        return [this, handler] { m_dispatcher.Run([this, handler] { (this->*handler)(); }); };
    };
    // `clicked`, not `toggled`: a click on the selected option runs its handler again, and
    // unselecting from code raises nothing.
    const auto onClick = [this, &run](QAbstractButton* button, Handler handler) {
        connect(button, &QAbstractButton::clicked, this, run(handler));
    };
    const auto onOptionClick = [this, &onClick](QRadioButton* option, Handler handler) {
        onClick(option, handler);
        m_optionClickHandlers.emplace_back(option, handler);
    };
    const auto onLabelClick = [&run](QLabel* label, Handler handler) {
        new LabelClickFilter(label, run(handler));
    };

    // Steps 1 to 3.
    onClick(cmdSelect, &Form1::cmdSelect_Click);
    onOptionClick(optForm[1], &Form1::optForm1_Click);
    onOptionClick(optForm[2], &Form1::optForm2_Click);
    onOptionClick(optForm[3], &Form1::optForm3_Click);
    onOptionClick(optForm[4], &Form1::optForm4_Click);
    onOptionClick(optForm[5], &Form1::optForm5_Click);
    onOptionClick(optForm[6], &Form1::optForm6_Click);
    onOptionClick(optCalc1, &Form1::optCalc1_Click);
    onOptionClick(optCalc2, &Form1::optCalc2_Click);
    onLabelClick(lblOptCalc2, &Form1::lblOptCalc2_Click);

    // Step 4.
    onClick(cmdByteConvert, &Form1::cmdByteConvert_Click);

    // The calculator panel: its buttons are the engine's operations, the arrays by index.
    using Operation = void (calculator::CalculatorEngine::*)();
    const auto onOperation = [this](QAbstractButton* button, Operation operation) {
        connect(button, &QAbstractButton::clicked, this,
                [this, operation] { m_dispatcher.Run([&] { (m_calculator.*operation)(); }); });
    };
    onClick(cmdCalcu, &Form1::cmdCalcu_Click);
    onClick(cmdCalcuHide1, &Form1::cmdCalcuHide1_Click);
    onClick(cmdCalcuHide2, &Form1::cmdCalcuHide2_Click);
    connect(cmdNumberGroup, &QButtonGroup::idClicked, this,
            [this](int Index) { m_dispatcher.Run([&] { m_calculator.cmdNumber_Click(Index); }); });
    connect(cmdOperatorGroup, &QButtonGroup::idClicked, this, [this](int Index) {
        m_dispatcher.Run([&] { m_calculator.cmdOperator_Click(Index); });
    });
    onOperation(cmdEquals, &calculator::CalculatorEngine::cmdEquals_Click);
    onOperation(cmdClear, &calculator::CalculatorEngine::cmdClear_Click);
    onOperation(cmdClearEntry, &calculator::CalculatorEngine::cmdClearEntry_Click);
    onOperation(cmdDecimal, &calculator::CalculatorEngine::cmdDecimal_Click);
    onOperation(cmdPlusMinus, &calculator::CalculatorEngine::cmdPlusMinus_Click);

    connect(txtDisplay, &QLineEdit::textChanged, this, run(&Form1::txtDisplay_Change));
    // After the box's own focus-in, which selects everything when the focus came by Tab. A
    // focus that lands beneath an open panel, by whatever way, goes on into the panel.
    m_focusChanged = connect(
        qApp, &QApplication::focusChanged, this,
        [this, gotFocus = run(&Form1::txtDisplay_GotFocus)](QWidget* /*old*/, QWidget* now) {
            if (now == txtDisplay) gotFocus();
            KeepFocusOutOfCover();
        });
    auto* keys = new EventFilter(this, [this](QObject* control, QEvent* event) {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
        return CalculatorKeyEvent(static_cast<QWidget*>(control), *static_cast<QKeyEvent*>(event));
    });
    for (QWidget* control : frmCalcu->findChildren<QWidget*>()) {
        if (control->focusPolicy() != Qt::NoFocus) control->installEventFilter(keys);
    }

    // Side panels and window commands; then the keyboard's reach, which must come last.
    onClick(cmdAbout, &Form1::cmdAbout_Click);
    onClick(cmdNew, &Form1::cmdNew_Click);
    onClick(cmdClearAll, &Form1::cmdClearAll_Click);
    onClick(cmdExit, &Form1::cmdExit_Click);
    GuardKeyboardReach();
}

}  // namespace ombrelo::window
