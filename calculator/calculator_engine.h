#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "conversion/regional_settings.h"

namespace ombrelo::calculator {

// What the engine needs of the window: the display text box (which keeps at most 12
// characters of anything written into it) and the platform's alert beep.
class CalculatorDisplay {
  public:
    virtual ~CalculatorDisplay() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(std::string_view text) = 0;
    virtual void Beep() = 0;
};

inline constexpr int kDisplayMaxLength = 12;

// A four-function calculator that works strictly left to right: 2 + 3 x 4 = 20.
// One operation per key; errors are conversion::RunTimeError (6, 11, 13).
class CalculatorEngine {
  public:
    CalculatorEngine(CalculatorDisplay& display,
                     const conversion::RegionalSettingsSource& regional);

    void cmdNumber_Click(int Index);
    void cmdDecimal_Click();
    void cmdPlusMinus_Click();
    void cmdOperator_Click(int Index);
    void cmdEquals_Click();
    void cmdClearEntry_Click();
    void cmdClear_Click();
    void BackspaceDisplay();

    double Accumulator() const { return dblAccumulator; }
    std::int16_t PendingOperator() const { return intPendingOperator; }
    bool StartNewEntry() const { return blnStartNewEntry; }

  private:
    CalculatorDisplay& m_display;
    const conversion::RegionalSettingsSource& m_regional;

    double dblAccumulator = 0;
    std::int16_t intPendingOperator = 0;
    bool blnStartNewEntry = false;
};

}  // namespace ombrelo::calculator
