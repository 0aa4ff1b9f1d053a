#pragma once

#include <string>
#include <string_view>

#include <QLineEdit>

#include "calculator/calculator_engine.h"
#include "window/platform.h"
#include "window/qt_text.h"

namespace ombrelo::window {

// The calculator engine's display is the text box `txtDisplay`; its beep is the platform's.
// Bound to the window's pointer to the box, which is set once the controls are built.
class CalculatorDisplayBox final : public calculator::CalculatorDisplay {
  public:
    CalculatorDisplayBox(QLineEdit* const& box, Platform& platform)
        : m_box(box), m_platform(platform) {}

    std::string Text() const override { return ToUtf8(m_box->text()); }
    // The box's maximum length keeps the first 12 characters of what is written.
    void SetText(std::string_view text) override { m_box->setText(ToQString(text)); }
    void Beep() override { m_platform.Beep(); }

  private:
    QLineEdit* const& m_box;
    Platform& m_platform;
};

}  // namespace ombrelo::window
