#pragma once

class QObject;
class QWidget;

namespace ombrelo::window {

// Assistive technology meets the window's controls as the window shows them: a label or an
// option button by its caption (an option button without one, by the label beside it that
// names it) and by nothing while it is hidden or empty, never by the caption of the frame
// around it, as Qt would; a result and a notice as text a braille display shows; a text box
// with everything Qt's own object offers. Serves the controls of this window only: other
// windows, such as a message box, keep Qt's own objects.
void RegisterAccessibleControls(QWidget& window);

// Gives the control a new accessible object, under a new path, the next time one is asked for.
// Qt reports a control that is shown with the state "showing" alone, never "visible"; a screen
// reader that cached it while hidden keeps it out of its review, but reads a new one afresh.
void RenewAccessible(QObject& control);

}  // namespace ombrelo::window
