#pragma once

class QComboBox;
class QGroupBox;
class QPushButton;

namespace ombrelo::window {

struct Form1Controls;
class Announcements;
class KeyboardReach;
class Platform;

// The About and What's New panels, Clear All and Exit. A panel's state is its button's caption:
// its own caption while closed, "Back" while open.
class SidePanels {
  public:
    SidePanels(const Form1Controls& ui, KeyboardReach& keyboardReach, Announcements& announcements,
               Platform& platform);

    void cmdAbout_Click();
    void cmdNew_Click();
    void cmdClearAll_Click();
    void cmdExit_Click();

  private:
    KeyboardReach& m_keyboardReach;
    Announcements& m_announcements;
    Platform& m_platform;
    QPushButton* cmdAbout;
    QPushButton* cmdNew;
    QPushButton* cmdCalcu;
    QGroupBox* frmAbout;
    QGroupBox* frmNew;
    QComboBox* Combo1;
    QGroupBox* frmChoose;
    QGroupBox* frmCalc;
    QPushButton* cmdByteConvert;
};

}  // namespace ombrelo::window
