#pragma once

#include <array>
#include <string>

class QGroupBox;
class QPushButton;
class QWidget;

namespace ombrelo::window {

struct Form1Controls;

enum class PanelId { About, WhatsNew, Calculator };

// One panel that lies over steps 1 to 3.
struct Panel {
    QGroupBox* frame;
    QPushButton* button;  // opens it, and closes it reading "Back"
    QWidget* inside;      // takes a focus that would rest beneath the panel
    bool focusOnOpen;     // takes the focus as it opens
    std::string caption;  // the button's caption while the panel is closed, as the form gives it
};

// The three panels as data, and what they do. While one is open the buttons of the others are
// disabled, and it covers the steps beneath: the keyboard reaches nothing there, and a focus
// that lands there goes into the panel.
class Panels {
  public:
    explicit Panels(const Form1Controls& ui);

    const Panel& operator[](PanelId id) const { return m_panels[static_cast<std::size_t>(id)]; }

    // Opens the panel, or closes it when its button reads "Back"; any other caption does
    // nothing. True when it opened or closed it.
    bool OpenOrClose(PanelId id);
    void Close(PanelId id);

    // Beneath an open panel.
    bool IsCovered(const QWidget* control) const;
    // A focus beneath an open panel goes into the panel, so that no key typed there reaches a
    // control the user cannot see.
    void KeepFocusOutOfCover() const;

  private:
    void Open(const Panel& panel);

    std::array<Panel, 3> m_panels;  // by PanelId
    std::array<QGroupBox*, 3> m_covered;
};

}  // namespace ombrelo::window
