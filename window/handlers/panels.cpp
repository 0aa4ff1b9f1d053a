#include "window/handlers/panels.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "window/form/form1_controls.h"
#include "window/form/form_table.h"
#include "window/handlers/control_ops.h"

namespace ombrelo::window {

namespace {

// The caption the form gives a control.
std::string FormCaption(Control control) {
    const auto rows = FormRows();
    const auto row = std::ranges::find(rows, control, &ControlRow::control);
    if (row == rows.end()) throw std::logic_error("the form has no row for a panel's button");
    return std::string(row->text);
}

}  // namespace

// In the order of PanelId; opening one disables the others' buttons in this order.
Panels::Panels(const Form1Controls& ui)
    : m_panels{{
          {ui.frmAbout, ui.cmdAbout, ui.txtAbout, false, FormCaption(Control::cmdAbout)},
          {ui.frmNew, ui.cmdNew, ui.txtNew, false, FormCaption(Control::cmdNew)},
          {ui.frmCalcu, ui.cmdCalcu, ui.txtDisplay, true, FormCaption(Control::cmdCalcu)},
      }},
      m_covered{ui.frmOption, ui.frmChoose, ui.frmCalc} {}

bool Panels::OpenOrClose(PanelId id) {
    const Panel& panel = (*this)[id];
    const std::string caption = Caption(panel.button);
    if (caption == panel.caption) {
        Open(panel);
        return true;
    }
    if (caption == kBackCaption) {
        Close(id);
        return true;
    }
    return false;
}

void Panels::Open(const Panel& panel) {
    Show(panel.frame);
    if (panel.focusOnOpen) GiveFocus(panel.inside);
    for (const Panel& other : m_panels) {
        if (&other != &panel) Disable(other.button);
    }
    SetCaption(panel.button, kBackCaption);
    KeepFocusOutOfCover();
}

// A focus left inside the panel goes to its button first, so it never stays on a hidden
// control nor lands wherever Qt would send it next.
void Panels::Close(PanelId id) {
    const Panel& panel = (*this)[id];
    KeepFocusOutOf({panel.frame}, panel.button);
    Hide(panel.frame);
    for (const Panel& other : m_panels) {
        if (&other != &panel) Enable(other.button);
    }
    SetCaption(panel.button, panel.caption);
}

bool Panels::IsCovered(const QWidget* control) const {
    const bool open =
        std::ranges::any_of(m_panels, [](const Panel& panel) { return !panel.frame->isHidden(); });
    return open && std::ranges::any_of(m_covered, [control](const QGroupBox* step) {
               return step->isAncestorOf(control);
           });
}

void Panels::KeepFocusOutOfCover() const {
    if (!IsCovered(QApplication::focusWidget())) return;
    for (const Panel& panel : m_panels) {
        if (!panel.frame->isHidden()) GiveFocus(panel.inside);
    }
}

}  // namespace ombrelo::window
