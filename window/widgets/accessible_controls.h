#pragma once

class QObject;

namespace ombrelo::window {

// Screen readers hear a label or an option button as the window shows it: by its caption (an
// option button without one, by the label beside it that names it), and by nothing while it
// is hidden or empty, never by the caption of the frame around it, as Qt would. Idempotent.
void RegisterAccessibleControls();

// Gives the control a new accessible object, under a new path, the next time one is asked for.
// Qt reports a control that is shown with the state "showing" alone, never "visible"; a screen
// reader that cached it while hidden keeps it out of its review, but reads a new one afresh.
void RenewAccessible(QObject& control);

}  // namespace ombrelo::window
