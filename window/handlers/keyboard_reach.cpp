#include "window/handlers/keyboard_reach.h"

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcutEvent>

#include "window/form/form1_controls.h"
#include "window/form/form_table.h"
#include "window/handlers/control_ops.h"
#include "window/widgets/event_filter.h"

namespace ombrelo::window {

namespace {

// An arrow key in an option group clicks the next button and only then moves the focus to it,
// undoing the focus the click handler gave (the amount box). Given again, the arrow key ends
// as a click does. In a group where nothing is chosen yet, Qt only moves the focus: the button
// reached is clicked here, so the arrow keys always choose.
class ArrowKeyFocusMend final : public QObject {
  public:
    explicit ArrowKeyFocusMend(QObject* parent) : QObject(parent) {}

    // Called once the button's click handler is connected: this slot then runs after the
    // handler and sees the focus it left.
    void Watch(QAbstractButton* option) {
        option->installEventFilter(this);
        connect(option, &QAbstractButton::clicked, this, [this] {
            if (m_inArrowKey) m_focusAfterClick = QApplication::focusWidget();
        });
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Up &&
            key != Qt::Key_Down) {
            return false;
        }
        QWidget* const before = QApplication::focusWidget();
        m_focusAfterClick = nullptr;
        m_inArrowKey = true;
        watched->event(event);  // the button's own handling, past this filter
        auto* const reached = qobject_cast<QRadioButton*>(QApplication::focusWidget());
        if (reached != nullptr && reached != watched && !reached->isChecked()) reached->click();
        m_inArrowKey = false;
        if (m_focusAfterClick != nullptr && m_focusAfterClick != before) {
            m_focusAfterClick->setFocus(Qt::OtherFocusReason);
        }
        return true;
    }

  private:
    bool m_inArrowKey = false;
    QPointer<QWidget> m_focusAfterClick;
};

}  // namespace

KeyboardReach::KeyboardReach(QWidget& window, const Form1Controls& ui)
    : m_window(window),
      frmCalcu(ui.frmCalcu),
      frmNew(ui.frmNew),
      frmAbout(ui.frmAbout),
      frmOption(ui.frmOption),
      frmChoose(ui.frmChoose),
      frmCalc(ui.frmCalc),
      txtDisplay(ui.txtDisplay),
      txtNew(ui.txtNew),
      txtAbout(ui.txtAbout),
      lblCalc3(ui.lblCalc3),
      lblCalc6(ui.lblCalc6),
      cmdByteConvert(ui.cmdByteConvert) {}

bool KeyboardReach::IsCovered(const QWidget* control) const {
    if (frmCalcu->isHidden() && frmNew->isHidden() && frmAbout->isHidden()) return false;
    return std::ranges::any_of(
        std::initializer_list<const QWidget*>{frmOption, frmChoose, frmCalc},
        [control](const QWidget* step) { return step->isAncestorOf(control); });
}

void KeyboardReach::KeepFocusOutOfCover() {
    const std::pair<const QGroupBox*, QWidget*> panels[] = {
        {frmCalcu, txtDisplay}, {frmNew, txtNew}, {frmAbout, txtAbout}};
    if (!IsCovered(QApplication::focusWidget())) return;
    for (const auto& [panel, text] : panels) {
        if (!panel->isHidden()) GiveFocus(text);
    }
}

void KeyboardReach::GuardKeyboardReach() {
    std::vector<const ControlRow*> stops;
    for (const ControlRow& row : FormRows()) {
        if (row.tabIndex >= 0) stops.push_back(&row);
    }
    std::ranges::sort(stops, {}, &ControlRow::tabIndex);
    for (const ControlRow* row : stops) {
        auto* control = m_window.findChild<QWidget*>(QString::fromStdString(ObjectName(*row)));
        if (control != nullptr && control->focusPolicy() != Qt::NoFocus)
            m_tabOrder.push_back(control);
    }
    // The results come right after Convert, which writes them.
    for (QWidget* result : std::initializer_list<QWidget*>{lblCalc6, lblCalc3}) {
        std::erase(m_tabOrder, result);
        m_tabOrder.insert(std::ranges::find(m_tabOrder, cmdByteConvert) + 1, result);
    }

    // An access key clicks its button at once, as the desktop's own buttons do, where Qt would
    // first draw it pressed for 100 ms; beneath an open panel it clicks nothing.
    auto* gate = new EventFilter(&m_window, [this](QObject* watched, QEvent* event) {
        if (event->type() != QEvent::Shortcut) return false;
        auto* button = static_cast<QAbstractButton*>(watched);
        if (IsCovered(button)) return true;
        if (static_cast<QShortcutEvent*>(event)->isAmbiguous()) return false;
        button->click();
        return true;
    });
    for (QAbstractButton* button : m_window.findChildren<QAbstractButton*>())
        button->installEventFilter(gate);

    auto* mend = new ArrowKeyFocusMend(&m_window);
    for (QRadioButton* option : m_window.findChildren<QRadioButton*>())
        mend->Watch(option);
}

// The next control in tab index order that is shown, enabled and not beneath an open panel.
bool KeyboardReach::FocusNextPrevChild(bool next) {
    const auto count = static_cast<std::ptrdiff_t>(m_tabOrder.size());
    const QWidget* focus = m_window.focusWidget();
    const auto current = std::ranges::find_if(m_tabOrder, [focus](const QWidget* control) {
        return control == focus || control->isAncestorOf(focus);
    });
    std::ptrdiff_t at =
        current == m_tabOrder.end() ? (next ? -1 : count) : current - m_tabOrder.begin();
    for (std::ptrdiff_t step = 0; step < count; ++step) {
        at = ((next ? at + 1 : at - 1) + count) % count;
        QWidget* const control = m_tabOrder[static_cast<std::size_t>(at)];
        const auto* label = qobject_cast<const QLabel*>(control);
        if (label != nullptr && label->text().isEmpty()) continue;  // an empty result
        if (control->isVisibleTo(&m_window) && control->isEnabled() && !IsCovered(control)) {
            control->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

}  // namespace ombrelo::window
