#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "numbers/regional_settings.h"

namespace ombrelo::numbers {

// Every crossing between text and number goes through these rules. Decimal text and double
// meet only in std::from_chars / std::to_chars, which round correctly and ignore the locale.

// Reads the number the text begins with, ignoring every blank, tab and line feed; "." is the
// point whatever the settings. "&H"/"&O" prefixes read hexadecimal/octal. No digits gives 0.
// "12abc" -> 12, "1 000" -> 1000, "&HFFFF" -> -1. Raises only 6 (beyond the double range, or
// "&H"/"&O" digits worth more than 32 bits). Zero and values too small for a double give +0.
double ParseLeadingNumber(std::string_view text);

// Reads an amount the way the user writes numbers. When the whole text, blanks around it
// aside, is a number in the regional format, that number: an optional sign (or the regional
// negative pattern), integer digits with group separators only where the group sizes put
// them, the decimal separator and fraction digits, an exponent as the leading rule reads it.
// A space-like group separator may be typed as a space, a no-break or a narrow no-break
// space; "’" as "'". Any other text is read by the leading-number rule. Under a German
// format "1.024,5" -> 1024.5 and "1.5" -> 1.5; under "," in threes "1,5" -> 1. Raises only 6.
double ParseAmount(std::string_view text, const RegionalNumberSettings& settings);

// Reads the whole text as one number under the regional separators; blanks around it are
// allowed. "1,000" -> 1000. Group separators stand only between integer digits. The whole
// text may also be an "&H"/"&O" form. Currency signs, trailing signs and parentheses are not
// numbers here. Raises 13 when the text is not a number, 6 beyond the range.
double ParseNumber(std::string_view text, const RegionalNumberSettings& settings);

// ParseNumber, then the nearest whole number with ties to even ("2.5" -> 2, "3.5" -> 4).
// Raises 13, or 6 outside the signed 32-bit range.
std::int32_t ParseWholeNumber(std::string_view text, const RegionalNumberSettings& settings);

// 15 significant digits, positional for -5 < e < 15 and exponent form otherwise, trailing
// zeros dropped, no grouping: 1000/1024 -> "0.9765625", 1e15 -> "1E+15", 1e-5 -> "1E-05".
// Never fails: infinities and NaN, which the fault test keeps away, give "Infinity",
// "-Infinity" and "NaN".
std::string NumberToText(double value, const RegionalNumberSettings& settings);

// The decimal digits of a whole number, with "-" first when negative: 7 -> "7".
std::string NumberToText(std::int64_t whole);

// The two forms NumberToText chooses between.
enum class NumberForm { Positional, Exponent };

// The form NumberToText would use for this value at this many significant digits.
NumberForm ChooseNumberForm(double value, int significantDigits);

// How a count of fewer than 15 significant digits is reached from the 15-digit form.
enum class DigitRounding { HalfAwayFromZero, TowardZero };

// NumberToText's writing with a chosen count of significant digits (1 to 17) and a chosen
// form; NumberToText(v, s) == WriteNumber(v, 15, ChooseNumberForm(v, 15), s). Below 15 digits
// the 15-digit form is rounded as decimal digits: 166666666666.5 to 12 gives 166666666667.
std::string WriteNumber(double value, int significantDigits, NumberForm form,
                        const RegionalNumberSettings& settings,
                        DigitRounding rounding = DigitRounding::HalfAwayFromZero);

// The value's 15-significant-digit form rounded half away from zero to `decimals` places,
// grouped, never in exponent form; -1 means the regional default. 1.005, 2 -> "1.01".
// A value that rounds to zero has no sign. Raises 5 for a count below -1 or above 9, and 6
// for a value that is not finite.
std::string FormatFixed(double value, int decimals, const RegionalNumberSettings& settings);

// FormatFixed of ParseNumber(text): raises 13 or 6 from the reading.
std::string FormatFixed(std::string_view text, int decimals,
                        const RegionalNumberSettings& settings);

// The arithmetic that produced a result, for the fault test.
enum class FloatOperation { Add, Subtract, Multiply, Divide };

// Raises 11 when a non-zero number was divided by zero, 6 when the result is not finite
// (overflow, or an invalid operation such as 0 / 0). Underflow and rounding pass silently.
void TestFloatResult(double result, FloatOperation operation, double left, double right);

}  // namespace ombrelo::numbers
