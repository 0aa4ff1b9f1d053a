#include <initializer_list>
#include <string>
#include <string_view>

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>

#include "window/control_ops.h"
#include "window/form1.h"

// The About and What's New panels, Clear All and Exit. A panel's state is its button's caption:
// its own caption while closed, "Back" while open.

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

void Form1::cmdAbout_Click() {
    if (!OpenOrClose(cmdAbout, "&About", frmAbout, {cmdNew, cmdCalcu})) return;
    KeepFocusOutOfCover();
    AnnouncePanel(frmAbout);
}

void Form1::cmdNew_Click() {
    if (!OpenOrClose(cmdNew, "&What's New", frmNew, {cmdAbout, cmdCalcu})) return;
    KeepFocusOutOfCover();
    AnnouncePanel(frmNew);
}

// Returns the steps to their start beneath whatever panel is open; the hidden frames keep
// their contents until the next Select and formula click set them again. The area box gets the
// focus only where the user can see it: beneath a panel the focus stays where it is.
void Form1::cmdClearAll_Click() {
    if (!IsCovered(Combo1)) GiveFocus(Combo1);
    SetText(Combo1, "Choose and click Select");
    Hide(frmChoose);
    Hide(frmCalc);
    Disable(cmdByteConvert);
}

// Ends the program at once: there is nothing to save and nothing to ask.
void Form1::cmdExit_Click() {
    m_dispatcher.platform().Quit();
}

// The window's close button and the window manager's close keystroke end the program as Exit
// does. The window is left as it is rather than torn down first, so no handler runs on the way.
void Form1::closeEvent(QCloseEvent* event) {
    event->ignore();
    m_dispatcher.Run([this] { cmdExit_Click(); });
}

}  // namespace ombrelo::window
