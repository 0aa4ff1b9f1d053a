#include "window/handlers/side_panels.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>

#include "window/desktop/platform.h"
#include "window/form/form1_controls.h"
#include "window/handlers/announcements.h"
#include "window/handlers/control_ops.h"
#include "window/handlers/panels.h"

namespace ombrelo::window {

SidePanels::SidePanels(const Form1Controls& ui, Panels& panels, Announcements& announcements,
                       Platform& platform)
    : m_panels(panels),
      m_announcements(announcements),
      m_platform(platform),
      Combo1(ui.Combo1),
      frmChoose(ui.frmChoose),
      frmCalc(ui.frmCalc),
      cmdByteConvert(ui.cmdByteConvert) {}

void SidePanels::cmdAbout_Click() {
    if (m_panels.OpenOrClose(PanelId::About))
        m_announcements.AnnouncePanel(m_panels[PanelId::About].frame);
}

void SidePanels::cmdNew_Click() {
    if (m_panels.OpenOrClose(PanelId::WhatsNew))
        m_announcements.AnnouncePanel(m_panels[PanelId::WhatsNew].frame);
}

// Returns the steps to their start beneath whatever panel is open; the hidden frames keep
// their contents until the next Select and formula click set them again. The area box gets the
// focus only where the user can see it: beneath a panel the focus stays where it is.
void SidePanels::cmdClearAll_Click() {
    if (!m_panels.IsCovered(Combo1)) GiveFocus(Combo1);
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
