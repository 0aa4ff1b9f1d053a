#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "numbers/regional_settings.h"

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

// The length of UTF-8 text as the display box counts it: UTF-16 units, so a character
// outside the Basic Multilingual Plane counts twice. "1,5" -> 3, "1\u066B5" -> 3.
std::size_t DisplayLength(std::string_view text);

// A four-function calculator that works strictly left to right: 2 + 3 x 4 = 20.
// One operation per key; errors are numbers::RunTimeError (6, 11, 13). A failed Equals
// leaves the display and every variable as they were.
class CalculatorEngine {
  public:
    CalculatorEngine(CalculatorDisplay& display, const numbers::RegionalSettingsSource& regional);

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
    const numbers::RegionalSettingsSource& m_regional;

    double dblAccumulator = 0;
    std::int16_t intPendingOperator = 0;
    bool blnStartNewEntry = false;
};

}  // namespace ombrelo::calculator
