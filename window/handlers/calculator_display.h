#pragma once

#include <string>
#include <string_view>

#include <QLineEdit>

#include "calculator/calculator_engine.h"
#include "numbers/regional_settings.h"
#include "window/desktop/locale_digits.h"
#include "window/desktop/platform.h"

namespace ombrelo::window {

// The calculator engine's display is the text box `txtDisplay`; its beep is the platform's.
// Its text is a number: it crosses between the user's digits and the core's here (locale_digits.h).
class CalculatorDisplayBox final : public calculator::CalculatorDisplay {
  public:
    CalculatorDisplayBox(QLineEdit& box, Platform& platform,
                         const numbers::RegionalSettingsSource& regional)
        : m_box(box), m_platform(platform), m_regional(regional) {}

    std::string Text() const override { return ToCoreDigits(m_box.text()); }
    // The box's maximum length, the engine's kDisplayMaxLength, keeps the first characters.
    void SetText(std::string_view text) override {
        m_box.setText(ToUserDigits(text, m_regional.Current().zeroDigit));
    }
    void Beep() override { m_platform.Beep(); }

  private:
    QLineEdit& m_box;
    Platform& m_platform;
    const numbers::RegionalSettingsSource& m_regional;
};

}  // namespace ombrelo::window
