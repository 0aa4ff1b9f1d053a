#pragma once

#include <optional>

#include <QLocale>

#include "numbers/regional_settings.h"

namespace ombrelo::window {

// The user's number format, read from the platform locale each time a rule asks, so a change
// of the user's settings applies from the next click on. Qt publishes no group sizes or
// negative pattern, so those are read back from how the locale writes sample numbers.
class SystemRegionalSettings final : public numbers::RegionalSettingsSource {
  public:
    // Follows the user's locale as it is at each call.
    SystemRegionalSettings() = default;
    // Always reads the given locale (tests, and a fixed choice).
    explicit SystemRegionalSettings(QLocale locale) : m_locale(std::move(locale)) {}

    numbers::RegionalNumberSettings Current() const override;

    // The conversion itself, for one locale. The C locale stands for "no platform settings"
    // and gives the defaults of RegionalNumberSettings.
    static numbers::RegionalNumberSettings FromLocale(const QLocale& locale);

  private:
    std::optional<QLocale> m_locale;
};

}  // namespace ombrelo::window
