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
#include <QShortcutEvent>

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

// Every connection and event filter from Qt into a handler is made here (the window's own
// event functions are in form1.cpp), each through the dispatcher, so a run-time error is
// reported and never crosses Qt's event loop.
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
    m_focusChanged = connect(qApp, &QApplication::focusChanged, this,
                             [this, &panel, display = ui.txtDisplay](QWidget*, QWidget* now) {
                                 if (now == display)
                                     m_dispatcher.Run([&panel] { panel.txtDisplay_GotFocus(); });
                                 m_dispatcher.Run([this] { m_panels.KeepFocusOutOfCover(); });
                             });
    // Each character a key types, and each release, is one run of the key handlers.
    auto* keys = new EventFilter(this, [this, &panel](QObject* watched, QEvent* event) {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
        const auto* control = static_cast<const QWidget*>(watched);
        const auto& key = *static_cast<const QKeyEvent*>(event);
        const CalculatorPanel::Keys taken = panel.KeysOf(control, key);
        for (const char32_t character : taken.typed.toUcs4())
            m_dispatcher.Run([&] { panel.KeyPress(control, character); });
        if (taken.released != 0)
            m_dispatcher.Run([&] { panel.KeyUp(control, taken.released, key.modifiers()); });
        return taken.stop;
    });
    for (QWidget* control : ui.frmCalcu->findChildren<QWidget*>()) {
        if (control->focusPolicy() != Qt::NoFocus) control->installEventFilter(keys);
    }

    // Side panels and window commands.
    SidePanels& sides = m_sidePanels;
    onClick(ui.cmdAbout, [&sides] { sides.cmdAbout_Click(); });
    onClick(ui.cmdNew, [&sides] { sides.cmdNew_Click(); });
    onClick(ui.cmdClearAll, [&sides] { sides.cmdClearAll_Click(); });
    onClick(ui.cmdExit, [&sides] { sides.cmdExit_Click(); });

    // The keyboard's reach. Last: the arrow keys look at the focus an option's click handler
    // left, so their slot must run after that handler's.
    KeyboardReach& reach = m_keyboardReach;
    reach.MakeTabOrder();
    // A filter of one type of event, through the dispatcher; true stops the event there.
    using Take = std::function<bool(QObject * watched, QEvent * event)>;
    const auto filterOf = [this](QEvent::Type type, Take take) {
        return new EventFilter(
            this, [this, type, take = std::move(take)](QObject* watched, QEvent* event) {
                bool taken = false;
                if (event->type() == type) m_dispatcher.Run([&] { taken = take(watched, event); });
                return taken;
            });
    };
    auto* accessKeys = filterOf(QEvent::Shortcut, [&reach](QObject* watched, QEvent* event) {
        return reach.AccessKey(*static_cast<QAbstractButton*>(watched),
                               *static_cast<const QShortcutEvent*>(event));
    });
    for (QAbstractButton* button : findChildren<QAbstractButton*>())
        button->installEventFilter(accessKeys);
    auto* arrowKeys = filterOf(QEvent::KeyPress, [&reach](QObject* watched, QEvent* event) {
        return reach.ArrowKey(*static_cast<QRadioButton*>(watched),
                              *static_cast<QKeyEvent*>(event));
    });
    for (QRadioButton* option : findChildren<QRadioButton*>()) {
        option->installEventFilter(arrowKeys);
        connect(option, &QAbstractButton::clicked, this, run([&reach] { reach.OptionClicked(); }));
    }
}

}  // namespace ombrelo::window
