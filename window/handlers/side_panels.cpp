#include "window/handlers/side_panels.h"

#include <initializer_list>
#include <string>
#include <string_view>

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>

#include "window/desktop/platform.h"
#include "window/form/form1_controls.h"
#include "window/handlers/announcements.h"
#include "window/handlers/control_ops.h"
#include "window/handlers/keyboard_reach.h"

namespace ombrelo::window {

namespace {

// Opens the panel and locks out the buttons of the other two, or closes it, as the caption
// says; any other caption does nothing. Opening gives no focus of its own.
// True when it opened or closed the panel.
bool OpenOrClose(QPushButton* button, std::string_view closedCaption, QGroupBox* panel,
                 std::initializer_list<QAbstractButton*> others) {
    const std::string caption = Caption(button);
    if (caption == closedCaption) {
        Show(panel);
        for (QAbstractButton* other : others)
            Disable(other);
        SetCaption(button, kBackCaption);
        return true;
    }
    if (caption == kBackCaption) {
        ClosePanel(button, closedCaption, panel, others);
        return true;
    }
    return false;
}

}  // namespace

SidePanels::SidePanels(const Form1Controls& ui, KeyboardReach& keyboardReach,
                       Announcements& announcements, Platform& platform)
    : m_keyboardReach(keyboardReach),
      m_announcements(announcements),
      m_platform(platform),
      cmdAbout(ui.cmdAbout),
      cmdNew(ui.cmdNew),
      cmdCalcu(ui.cmdCalcu),
      frmAbout(ui.frmAbout),
      frmNew(ui.frmNew),
      Combo1(ui.Combo1),
      frmChoose(ui.frmChoose),
      frmCalc(ui.frmCalc),
      cmdByteConvert(ui.cmdByteConvert) {}

void SidePanels::cmdAbout_Click() {
    if (!OpenOrClose(cmdAbout, "&About", frmAbout, {cmdNew, cmdCalcu})) return;
    m_keyboardReach.KeepFocusOutOfCover();
    m_announcements.AnnouncePanel(frmAbout);
}

void SidePanels::cmdNew_Click() {
    if (!OpenOrClose(cmdNew, "&What's New", frmNew, {cmdAbout, cmdCalcu})) return;
    m_keyboardReach.KeepFocusOutOfCover();
    m_announcements.AnnouncePanel(frmNew);
}

// Returns the steps to their start beneath whatever panel is open; the hidden frames keep
// their contents until the next Select and formula click set them again. The area box gets the
// focus only where the user can see it: beneath a panel the focus stays where it is.
void SidePanels::cmdClearAll_Click() {
    if (!m_keyboardReach.IsCovered(Combo1)) GiveFocus(Combo1);
    SetText(Combo1, "Choose and click Select");
    Hide(frmChoose);
    Hide(frmCalc);
    Disable(cmdByteConvert);
}

// Ends the program at once: there is nothing to save and nothing to ask.
void SidePanels::cmdExit_Click() {
    m_platform.Quit();
}

}  // namespace ombrelo::window
