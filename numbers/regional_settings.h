#pragma once

#include <string>
#include <vector>

namespace ombrelo::numbers {

// Where a negative number's sign goes.
enum class NegativePattern {
    Parentheses,         // (1.1)
    LeadingMinus,        // -1.1
    LeadingMinusSpace,   // - 1.1
    TrailingMinus,       // 1.1-
    TrailingSpaceMinus,  // 1.1 -
};

// The user's regional number format. Passed to the number rules as a value, so nothing
// depends on process-wide locale state. Texts are UTF-8; a separator may be several bytes
// (a narrow no-break space, for instance).
struct RegionalNumberSettings {
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";
    // Digit counts of the integer groups from the decimal separator leftward; the last size
    // repeats ({3} is thousands, {3, 2} is Indian grouping). Empty means no grouping; a size
    // of 0 leaves the remaining digits in one group ({3, 0}: 1234,567).
    std::vector<int> groupSizes = {3};
    bool leadingZero = true;
    NegativePattern negativePattern = NegativePattern::LeadingMinus;
    int defaultDecimals = 2;
    // The digit zero of the user's script; the other nine follow it in Unicode. The rules read
    // and write ASCII digits; the window shows the user's own in their place.
    char32_t zeroDigit = U'0';

    friend bool operator==(const RegionalNumberSettings&, const RegionalNumberSettings&) = default;
};

// Gives the settings in force now; read when a rule needs them, so a change of the user's
// settings applies to the next click.
class RegionalSettingsSource {
  public:
    virtual ~RegionalSettingsSource() = default;
    virtual RegionalNumberSettings Current() const = 0;
};

// A source that always gives the same settings (tests, and platforms without any).
class FixedRegionalSettings final : public RegionalSettingsSource {
  public:
    FixedRegionalSettings() = default;
    explicit FixedRegionalSettings(RegionalNumberSettings settings)
        : m_settings(std::move(settings)) {}
    RegionalNumberSettings Current() const override { return m_settings; }
    void Set(RegionalNumberSettings settings) { m_settings = std::move(settings); }

  private:
    RegionalNumberSettings m_settings;
};

}  // namespace ombrelo::numbers
