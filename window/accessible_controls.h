#pragma once

namespace ombrelo::window {

// Screen readers hear a label or an option button as the window shows it: by its caption (an
// option button without one, by the label beside it that names it), and by nothing while it
// is hidden or empty, never by the caption of the frame around it, as Qt would. Idempotent.
void RegisterAccessibleControls();

}  // namespace ombrelo::window
