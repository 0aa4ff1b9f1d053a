#pragma once

#include "numbers/run_time_error.h"

namespace ombrelo::window {

// What the window needs of the desktop beyond its widgets. The program passes the Qt
// implementation; tests pass a recorder, so nothing blocks on a dialog or ends the process.
class Platform {
  public:
    virtual ~Platform() = default;
    virtual void ReportError(const numbers::RunTimeError& error) = 0;
    virtual void Beep() = 0;
    virtual void Quit() = 0;
};

}  // namespace ombrelo::window
