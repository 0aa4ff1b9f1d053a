#include "calculator/calculator_engine.h"

#include "numbers/number_text.h"
#include "numbers/run_time_error.h"

namespace ombrelo::calculator {

namespace {

using numbers::FloatOperation;
using numbers::NumberForm;
using numbers::RegionalNumberSettings;

constexpr std::size_t kMaxLength = kDisplayMaxLength;

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}

using numbers::DigitRounding;

// The value in this form with as many significant digits as the display holds, or "" when
// none fits.
std::string FitInForm(double value, NumberForm form, const RegionalNumberSettings& settings,
                      DigitRounding rounding) {
    for (int digits = 14; digits >= 1; --digits) {
        std::string text = numbers::WriteNumber(value, digits, form, settings, rounding);
        if (DisplayLength(text) <= kMaxLength) return text;
    }
    return {};
}

// Keeps the form (positional or exponent) the full text would have been written in and loses
// significant digits, never integer digits or its exponent; a positional number whose integer
// digits alone do not fit goes to exponent form. One digit in exponent form ("-1E-308") always
// fits, so the text is never empty.
std::string FitToDisplay(double value, const RegionalNumberSettings& settings,
                         DigitRounding rounding) {
    const NumberForm chosen = numbers::ChooseNumberForm(value, 15);
    std::string text = FitInForm(value, chosen, settings, rounding);
    if (text.empty() && chosen == NumberForm::Positional) {
        text = FitInForm(value, NumberForm::Exponent, settings, rounding);
    }
    return text;
}

bool ReadsBack(const std::string& text, const RegionalNumberSettings& settings) {
    try {
        numbers::ParseNumber(text, settings);
        return true;
    } catch (const numbers::RunTimeError&) {
        return false;
    }
}

// The text of a result as the display can hold it, rounded as every shown result is: the
// 15-digit form, half away from zero. 1/3 -> 0.3333333333, 1.52415787501905E+16 ->
// 1.524158E+16, 123456789012345 -> 1.234568E+14.
std::string ResultText(double value, const RegionalNumberSettings& settings) {
    std::string text = numbers::NumberToText(value, settings);
    if (DisplayLength(text) <= kMaxLength) return text;
    text = FitToDisplay(value, settings, DigitRounding::HalfAwayFromZero);
    // Rounding up may pass the largest double (-1.79769E+308 to five digits is -1.7977E+308),
    // a text the next Equals could not read: cut the digits there instead.
    if (!ReadsBack(text, settings)) text = FitToDisplay(value, settings, DigitRounding::TowardZero);
    return text;
}

}  // namespace

std::size_t DisplayLength(std::string_view text) {
    std::size_t length = 0;
    for (const char c : text) {
        if (IsContinuationByte(c)) continue;
        // A four-byte sequence is a surrogate pair in the box's UTF-16.
        length += (static_cast<unsigned char>(c) >= 0xF0U) ? 2 : 1;
    }
    return length;
}

CalculatorEngine::CalculatorEngine(CalculatorDisplay& display,
                                   const numbers::RegionalSettingsSource& regional)
    : m_display(display), m_regional(regional) {}

void CalculatorEngine::cmdNumber_Click(int Index) {
    if (Index < 0 || Index > 9) return;  // only the ten digit buttons exist
    const std::string digit = numbers::NumberToText(std::int64_t{Index});
    if (blnStartNewEntry) {
        m_display.SetText(digit);
        blnStartNewEntry = false;
    } else {
        // A full display drops the digit: the box keeps only its first 12 characters.
        m_display.SetText(m_display.Text() + digit);
    }
}

void CalculatorEngine::cmdDecimal_Click() {
    // The point key writes the separator the display is read with; a "." under a decimal
    // comma would be taken as a group separator.
    const std::string separator = m_regional.Current().decimalSeparator;
    const std::string text = m_display.Text();
    if (text.find(separator) != std::string::npos) {
        m_display.Beep();
        return;
    }
    if (blnStartNewEntry) {
        m_display.SetText(separator);
        blnStartNewEntry = false;
    } else {
        m_display.SetText(text + separator);
    }
}

void CalculatorEngine::cmdPlusMinus_Click() {
    if (blnStartNewEntry) {
        m_display.SetText("-");
        blnStartNewEntry = false;
        return;
    }
    const std::string text = m_display.Text();
    if (text.starts_with('-')) {
        m_display.SetText(std::string_view(text).substr(1));
    } else if (DisplayLength(text) >= kMaxLength) {
        // The box would cut the last digit to make room for the sign: a different number.
        m_display.Beep();
    } else {
        m_display.SetText("-" + text);
    }
}

void CalculatorEngine::cmdEquals_Click() {
    const RegionalNumberSettings settings = m_regional.Current();
    const std::string text = m_display.Text();
    const double operand = text.empty() ? 0.0 : numbers::ParseNumber(text, settings);

    double result = operand;
    switch (intPendingOperator) {
        case 1:
            result = operand + dblAccumulator;
            numbers::TestFloatResult(result, FloatOperation::Add, operand, dblAccumulator);
            break;
        case 2:
            result = dblAccumulator - operand;
            numbers::TestFloatResult(result, FloatOperation::Subtract, dblAccumulator, operand);
            break;
        case 3:
            result = operand * dblAccumulator;
            numbers::TestFloatResult(result, FloatOperation::Multiply, operand, dblAccumulator);
            break;
        case 4:
            result = dblAccumulator / operand;
            numbers::TestFloatResult(result, FloatOperation::Divide, dblAccumulator, operand);
            break;
        default:
            break;  // nothing pending: the display becomes the result
    }

    // Stored only after the test passed: a faulty result left in the accumulator would make
    // every later Equals fail until the full clear.
    dblAccumulator = result;
    intPendingOperator = 0;
    blnStartNewEntry = true;
    m_display.SetText(ResultText(dblAccumulator, settings));
}

void CalculatorEngine::cmdOperator_Click(int Index) {
    if (Index < 1 || Index > 4) return;  // only the four operator buttons exist
    cmdEquals_Click();
    blnStartNewEntry = true;
    intPendingOperator = static_cast<std::int16_t>(Index);
}

void CalculatorEngine::cmdClearEntry_Click() {
    m_display.SetText("");
}

void CalculatorEngine::cmdClear_Click() {
    cmdClearEntry_Click();
    intPendingOperator = 0;
    dblAccumulator = 0;
}

void CalculatorEngine::BackspaceDisplay() {
    std::string text = m_display.Text();
    const std::size_t limit = text.starts_with('-') ? 2 : 1;
    if (DisplayLength(text) > limit) {
        // Remove the whole last character, however many bytes it takes.
        while (!text.empty() && IsContinuationByte(text.back()))
            text.pop_back();
        if (!text.empty()) text.pop_back();
        m_display.SetText(text);
    } else {
        m_display.SetText("0");
    }
}

}  // namespace ombrelo::calculator
