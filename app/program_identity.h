#pragma once

class QApplication;

namespace ombrelo::app {

// Gives the application its names, version and window icon from the one identity record.
// Start-up and the start-up probe call it alike, so both build the same program.
void ApplyProgramIdentity(QApplication& application);

}  // namespace ombrelo::app
