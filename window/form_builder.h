#pragma once

#include <span>
#include <string_view>
#include <vector>

#include <QObject>

#include "window/form_table.h"

class QButtonGroup;
class QWidget;

namespace ombrelo::window {

// The widgets made from a form's rows, one object per row in row order, and one button group
// per control array (its ids are the array's indexes).
class BuiltForm {
  public:
    BuiltForm(std::span<const ControlRow> rows, std::vector<QObject*> objects,
              std::vector<QButtonGroup*> groups);

    // The control of that name (and index, for an array member), as the type the caller
    // expects; throws std::logic_error when the form has no such control of that type.
    template <typename T>
    T* Get(std::string_view name, int index = -1) const {
        T* control = qobject_cast<T*>(Find(name, index));
        if (control == nullptr) Missing(name, index);
        return control;
    }

    QButtonGroup* Group(std::string_view name) const;

  private:
    QObject* Find(std::string_view name, int index) const;
    [[noreturn]] static void Missing(std::string_view name, int index);

    std::span<const ControlRow> m_rows;
    std::vector<QObject*> m_objects;
    std::vector<QButtonGroup*> m_groups;
};

// Makes `window` the form: its caption, fixed client size and colour, and every row as a
// child widget with its initial state, stacking and tab order; the focus goes to the
// focusable control with the lowest tab index. Connects nothing.
BuiltForm BuildForm(QWidget& window, const WindowRow& design, std::span<const ControlRow> rows);

// Maps the form's classic font faces to faces found on this system. Idempotent.
void RegisterFontSubstitutes();

}  // namespace ombrelo::window
