#pragma once

#include <string>
#include <vector>

#include "window/desktop/platform.h"

namespace ombrelo::window {

// Records what the window asked of the desktop instead of showing a dialog or quitting.
class RecordingPlatform final : public Platform {
  public:
    void ReportError(const numbers::RunTimeError& error) override {
        errors.push_back(error.Number());
        reports.push_back(std::to_string(error.Number()) + " " + error.Message());
    }
    void Beep() override { ++beeps; }
    void Quit() override { ++quits; }

    std::vector<int> errors;
    std::vector<std::string> reports;  // each error's number and message
    int beeps = 0;
    int quits = 0;
};

}  // namespace ombrelo::window
