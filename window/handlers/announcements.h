#pragma once

#include <cstddef>

class QGroupBox;
class QLabel;
class QRadioButton;
class QWidget;

namespace ombrelo::window {

struct Form1Controls;
class Panels;
class Notice;

// What the window says to a screen reader of its own accord, without the focus moving
// (notice.h): the steps as they appear, the result of Convert, a panel opened or closed.
class Announcements {
  public:
    Announcements(QWidget& window, const Form1Controls& ui, const Panels& panels);

    void AnnounceFormulas(std::size_t count);
    void AnnounceDirections(bool named);  // named: with the two captions
    void AnnounceResult();
    void AnnouncePanel(const QGroupBox* panel);

  private:
    const QWidget& m_window;
    const Panels& m_panels;
    Notice* m_notice;
    QGroupBox* frmChoose;
    QGroupBox* frmCalc;
    QRadioButton* optCalc1;
    QLabel* lblOptCalc2;
    QLabel* lblCalc2;
    QLabel* lblCalc3;
    QLabel* lblCalc5;
    QLabel* lblCalc6;
};

}  // namespace ombrelo::window
