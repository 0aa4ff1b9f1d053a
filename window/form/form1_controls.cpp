#include "window/form/form1_controls.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include "window/form/form_table.h"
#include "window/widgets/number_label.h"

namespace ombrelo::window {

// A number label is a QLabel to Qt's meta-objects (it adds none of its own), so only C++ can
// tell it from a plain one.
void FindControl(const QWidget& window, NumberLabel*& control, const std::string& name) {
    QLabel* label = nullptr;
    FindControl(window, label, name);
    control = dynamic_cast<NumberLabel*>(label);
    if (control == nullptr) throw std::logic_error("the window's " + name + " is no number label");
}

Form1Controls FindControls(const QWidget& window) {
    Form1Controls ui;
    const auto find = [&window](auto*& control, Control id, int index = -1) {
        FindControl(window, control, ObjectName(id, index));
    };
#define OMBRELO_FIND(Class, name) find(ui.name, Control::name);
#define OMBRELO_FIND_NUMBERED(Class, name, first, last) \
    for (int i = (first); i <= (last); ++i)             \
        find(ui.name[static_cast<std::size_t>(i)], Control::name, i);
#define OMBRELO_FIND_ARRAY(Class, name, first, last) \
    OMBRELO_FIND_NUMBERED(Class, name, first, last)  \
    FindControl(window, ui.name##Group, #name);
    OMBRELO_FORM1_CONTROLS(OMBRELO_FIND, OMBRELO_FIND_NUMBERED, OMBRELO_FIND_ARRAY)
#undef OMBRELO_FIND
#undef OMBRELO_FIND_NUMBERED
#undef OMBRELO_FIND_ARRAY
    return ui;
}

}  // namespace ombrelo::window
