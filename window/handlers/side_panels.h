#pragma once

class QComboBox;
class QGroupBox;
class QPushButton;

namespace ombrelo::window {

struct Form1Controls;
class Announcements;
class Panels;
class Platform;

// The About and What's New panels, Clear All and Exit.
class SidePanels {
  public:
    SidePanels(const Form1Controls& ui, Panels& panels, Announcements& announcements,
               Platform& platform);

    void cmdAbout_Click();
    void cmdNew_Click();
    void cmdClearAll_Click();
    void cmdExit_Click();

  private:
    Panels& m_panels;
    Announcements& m_announcements;
    Platform& m_platform;
    QComboBox* Combo1;
    QGroupBox* frmChoose;
    QGroupBox* frmCalc;
    QPushButton* cmdByteConvert;
};

}  // namespace ombrelo::window
