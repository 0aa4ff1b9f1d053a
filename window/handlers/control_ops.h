#pragma once

#include <string>
#include <string_view>

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QString>
#include <QWidget>

#include "window/desktop/qt_text.h"

namespace ombrelo::window {

// The control operations the handlers are written in, so that a handler reads as its list of
// steps.

// A child keeps its own visibility while its frame is hidden and shows again with the frame.
inline void Show(QWidget* control) {
    control->setVisible(true);
}
inline void Hide(QWidget* control) {
    control->setVisible(false);
}
inline void Enable(QWidget* control) {
    control->setEnabled(true);
}
inline void Disable(QWidget* control) {
    control->setEnabled(false);
}
inline void GiveFocus(QWidget* control) {
    control->setFocus(Qt::OtherFocusReason);
}
// Qt moves the focus off a control as it is hidden or disabled, to the next in tab order, which
// the same handler may hide next: each move is one more focus event for a screen reader or a
// magnifier to follow. A handler about to take away these controls gives the focus, if it is
// on one of them, to a control that stays, so it moves once.
inline void KeepFocusOutOf(std::initializer_list<const QWidget*> leaving, QWidget* staying) {
    const QWidget* const focus = staying->window()->focusWidget();
    if (focus == nullptr) return;
    for (const QWidget* control : leaving) {
        if (control == focus || control->isAncestorOf(focus)) {
            GiveFocus(staying);
            return;
        }
    }
}

inline std::string Caption(const QLabel* label) {
    return ToUtf8(label->text());
}
inline std::string Caption(const QAbstractButton* button) {
    return ToUtf8(button->text());
}
inline void SetCaption(QLabel* label, std::string_view caption) {
    label->setText(ToQString(caption));
    // The control this label names for screen readers is announced by the new caption.
    if (QWidget* named = label->buddy()) {
        QAccessibleEvent renamed(named, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
}
inline void SetCaption(QAbstractButton* button, std::string_view caption) {
    button->setText(ToQString(caption));
}

inline std::string Text(const QLineEdit* box) {
    return ToUtf8(box->text());
}
// The combo box's text is what its edit field shows, an item of its list or not.
inline std::string Text(const QComboBox* combo) {
    return ToUtf8(combo->currentText());
}
inline void SetText(QLineEdit* box, std::string_view text) {
    box->setText(ToQString(text));
}
// The field takes any text; one that is no item of the list leaves no item selected.
inline void SetText(QComboBox* combo, std::string_view text) {
    const QString value = ToQString(text);
    combo->setCurrentIndex(combo->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive));
    combo->setEditText(value);
}

// A panel's button reads this while its panel is open (panels.h).
inline constexpr std::string_view kBackCaption = "Back";

// Puts the caret after the last character.
inline void CaretToEnd(QLineEdit* box) {
    box->setCursorPosition(static_cast<int>(box->text().size()));
}

inline bool IsSelected(const QRadioButton* option) {
    return option->isChecked();
}

// Selects the option, and so unselects the others of its group. Raises no click.
inline void Select(QRadioButton* option) {
    option->setChecked(true);
}

// Leaves the whole group without a selection: an auto-exclusive button refuses to be
// unchecked while it is the checked one. Raises no click.
inline void Unselect(QRadioButton* option) {
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

}  // namespace ombrelo::window
