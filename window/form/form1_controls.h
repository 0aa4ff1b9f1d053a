#pragma once

#include <array>
#include <stdexcept>
#include <string>

#include <QString>
#include <QWidget>

#include "window/form/control_list.h"
#include "window/widgets/number_label.h"

class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace ombrelo::window {

// The window's controls by the names the handlers use, as a form designer's generated class
// offers them, one member for each entry of the control list (control_list.h): a numbered or
// array control as an array indexed by its numbers, [0] unused where they start at 1, and a
// control array's button group besides. The window holds them privately; each group of
// handlers takes the few it uses.
struct Form1Controls {
// A class and a name, which parentheses would break.
// NOLINTBEGIN(bugprone-macro-parentheses)
#define OMBRELO_MEMBER(Class, name) Class* name = nullptr;
#define OMBRELO_NUMBERED_MEMBER(Class, name, first, last) std::array<Class*, (last) + 1> name{};
#define OMBRELO_ARRAY_MEMBER(Class, name, first, last) \
    std::array<Class*, (last) + 1> name{};             \
    QButtonGroup* name##Group = nullptr;
    OMBRELO_FORM1_CONTROLS(OMBRELO_MEMBER, OMBRELO_NUMBERED_MEMBER, OMBRELO_ARRAY_MEMBER)
#undef OMBRELO_MEMBER
#undef OMBRELO_NUMBERED_MEMBER
#undef OMBRELO_ARRAY_MEMBER
    // NOLINTEND(bugprone-macro-parentheses)
};

// The controls of a window built from the form (form_builder.h), found by their object names
// (form_table.h): the window's own view of them, and a test's. Throws std::logic_error when
// the window has no such control of that type.
Form1Controls FindControls(const QWidget& window);

// One control of the window by its object name, as the type of `control`; throws
// std::logic_error when the window has no such control of that type.
template <typename T>
void FindControl(const QWidget& window, T*& control, const std::string& name) {
    control = window.findChild<T*>(QString::fromStdString(name));
    if (control == nullptr) throw std::logic_error("the window has no control " + name);
}
void FindControl(const QWidget& window, NumberLabel*& control, const std::string& name);

}  // namespace ombrelo::window
