#include "window/handlers/keyboard_reach.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcutEvent>

#include "window/form/form1_controls.h"
#include "window/form/form_table.h"
#include "window/handlers/panels.h"

namespace ombrelo::window {

KeyboardReach::KeyboardReach(QWidget& window, const Form1Controls& ui, const Panels& panels)
    : m_window(window),
      m_panels(panels),
      lblCalc3(ui.lblCalc3),
      lblCalc6(ui.lblCalc6),
      cmdByteConvert(ui.cmdByteConvert) {}

void KeyboardReach::MakeTabOrder() {
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
        if (control->isVisibleTo(&m_window) && control->isEnabled() &&
            !m_panels.IsCovered(control)) {
            control->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

bool KeyboardReach::AccessKey(QAbstractButton& button, const QShortcutEvent& event) const {
    if (m_panels.IsCovered(&button)) return true;
    if (event.isAmbiguous()) return false;
    button.click();
    return true;
}

bool KeyboardReach::ArrowKey(QRadioButton& option, QKeyEvent& event) {
    const int key = event.key();
    if (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Up && key != Qt::Key_Down)
        return false;
    QWidget* const before = QApplication::focusWidget();
    m_focusAfterClick = nullptr;
    m_inArrowKey = true;
    static_cast<QObject&>(option).event(&event);  // the button's own handling, past the filter
    auto* const reached = qobject_cast<QRadioButton*>(QApplication::focusWidget());
    if (reached != nullptr && reached != &option && !reached->isChecked()) reached->click();
    m_inArrowKey = false;
    if (m_focusAfterClick != nullptr && m_focusAfterClick != before)
        m_focusAfterClick->setFocus(Qt::OtherFocusReason);
    return true;
}

void KeyboardReach::OptionClicked() {
    if (m_inArrowKey) m_focusAfterClick = QApplication::focusWidget();
}

}  // namespace ombrelo::window
