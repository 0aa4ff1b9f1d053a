#pragma once

#include <span>

#include "window/form/form_table.h"

class QWidget;

namespace ombrelo::window {

// Makes `window` the form: its caption and fixed client size, and every row as a
// child widget with its initial state, stacking and tab order; the focus goes to the
// focusable control with the lowest tab index. Connects nothing: the controls are found
// again by name (form1_controls.h).
void BuildForm(QWidget& window, const WindowRow& design, std::span<const ControlRow> rows);

}  // namespace ombrelo::window
