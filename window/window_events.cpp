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

#include "window/form1.h"
#include "window/widgets/event_filter.h"

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
    const Form1Controls& ui = m_ui;
    using Handler = std::function<void()>;
    const auto run = [this](Handler handler) {
        return [this, handler = std::move(handler)] { m_dispatcher.Run(handler); };
    };
    // `clicked`, not `toggled`: a click on the selected option runs its handler again, and
    // unselecting from code raises nothing.
    const auto onClick = [this, &run](QAbstractButton* button, Handler handler) {
        connect(button, &QAbstractButton::clicked, this, run(std::move(handler)));
    };
    const auto onLabelClick = [&run](QLabel* label, Handler handler) {
        new LabelClickFilter(label, run(std::move(handler)));
    };

    // Steps 1 to 3.
    StepFlow& steps = m_stepFlow;
    onClick(ui.cmdSelect, [&steps] { steps.cmdSelect_Click(); });
    onClick(ui.optForm[1], [&steps] { steps.optForm1_Click(); });
    onClick(ui.optForm[2], [&steps] { steps.optForm2_Click(); });
    onClick(ui.optForm[3], [&steps] { steps.optForm3_Click(); });
    onClick(ui.optForm[4], [&steps] { steps.optForm4_Click(); });
    onClick(ui.optForm[5], [&steps] { steps.optForm5_Click(); });
    onClick(ui.optForm[6], [&steps] { steps.optForm6_Click(); });
    onClick(ui.optCalc1, [&steps] { steps.optCalc1_Click(); });
    onClick(ui.optCalc2, [&steps] { steps.optCalc2_Click(); });
    onLabelClick(ui.lblOptCalc2, [&steps] { steps.lblOptCalc2_Click(); });

    // Step 4.
    onClick(ui.cmdByteConvert, [this] { m_convertClick.cmdByteConvert_Click(); });

    // The calculator panel: its buttons are the engine's operations, the arrays by index.
    CalculatorPanel& panel = m_calculatorPanel;
    calculator::CalculatorEngine& engine = panel.Calculator();
    using Operation = void (calculator::CalculatorEngine::*)();
    const auto onOperation = [&onClick, &engine](QAbstractButton* button, Operation operation) {
        onClick(button, [&engine, operation] { (engine.*operation)(); });
    };
    onClick(ui.cmdCalcu, [&panel] { panel.cmdCalcu_Click(); });
    onClick(ui.cmdCalcuHide1, [&panel] { panel.cmdCalcuHide1_Click(); });
    onClick(ui.cmdCalcuHide2, [&panel] { panel.cmdCalcuHide2_Click(); });
    connect(ui.cmdNumberGroup, &QButtonGroup::idClicked, this, [this, &engine](int Index) {
        m_dispatcher.Run([&] { engine.cmdNumber_Click(Index); });
    });
    connect(ui.cmdOperatorGroup, &QButtonGroup::idClicked, this, [this, &engine](int Index) {
        m_dispatcher.Run([&] { engine.cmdOperator_Click(Index); });
    });
    onOperation(ui.cmdEquals, &calculator::CalculatorEngine::cmdEquals_Click);
    onOperation(ui.cmdClear, &calculator::CalculatorEngine::cmdClear_Click);
    onOperation(ui.cmdClearEntry, &calculator::CalculatorEngine::cmdClearEntry_Click);
    onOperation(ui.cmdDecimal, &calculator::CalculatorEngine::cmdDecimal_Click);
    onOperation(ui.cmdPlusMinus, &calculator::CalculatorEngine::cmdPlusMinus_Click);

    connect(ui.txtDisplay, &QLineEdit::textChanged, this,
            run([&panel] { panel.txtDisplay_Change(); }));
    // After the box's own focus-in, which selects everything when the focus came by Tab. A
    // focus that lands beneath an open panel, by whatever way, goes on into the panel.
    const auto displayGotFocus = run([&panel] { panel.txtDisplay_GotFocus(); });
    m_focusChanged =
        connect(qApp, &QApplication::focusChanged, this,
                [this, display = ui.txtDisplay, displayGotFocus](QWidget* /*old*/, QWidget* now) {
                    if (now == display) displayGotFocus();
                    m_keyboardReach.KeepFocusOutOfCover();
                });
    auto* keys = new EventFilter(this, [&panel](QObject* control, QEvent* event) {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
        return panel.CalculatorKeyEvent(static_cast<QWidget*>(control),
                                        *static_cast<QKeyEvent*>(event));
    });
    for (QWidget* control : ui.frmCalcu->findChildren<QWidget*>()) {
        if (control->focusPolicy() != Qt::NoFocus) control->installEventFilter(keys);
    }

    // Side panels and window commands; then the keyboard's reach, which must come last.
    SidePanels& sides = m_sidePanels;
    onClick(ui.cmdAbout, [&sides] { sides.cmdAbout_Click(); });
    onClick(ui.cmdNew, [&sides] { sides.cmdNew_Click(); });
    onClick(ui.cmdClearAll, [&sides] { sides.cmdClearAll_Click(); });
    onClick(ui.cmdExit, [&sides] { sides.cmdExit_Click(); });
    m_keyboardReach.GuardKeyboardReach();
}

}  // namespace ombrelo::window
