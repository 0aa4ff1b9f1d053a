// Number to text: significant digits, the fixed form with grouping, and the fault test that
// keeps infinities and NaN away from both.
#include "numbers/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "numbers/negative_sign.h"
#include "numbers/run_time_error.h"

namespace ombrelo::numbers {
namespace {

using internal::NegativeSignParts;
using internal::SignParts;

// A value rounded to some significant digits: digits[0] is non-zero and has the power of ten
// `exponent`; trailing zeros are dropped. A count of 0 stands for zero.
struct SignificantDigits {
    std::array<char, 17> digits{};
    int count = 0;
    int exponent = 0;
    bool negative = false;
};

SignificantDigits RoundToSignificant(double value, int significantDigits) {
    SignificantDigits result;
    result.negative = std::signbit(value);
    if (value == 0.0 || !std::isfinite(value)) return result;

    // "d.ddde+XX" from the correctly rounded conversion.
    std::array<char, 40> buffer;
    const char* const end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                      std::chars_format::scientific, significantDigits - 1)
            .ptr;
    const char* p = buffer.data();
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.') result.digits[static_cast<std::size_t>(result.count++)] = *p;
    }
    while (result.count > 1 && result.digits[static_cast<std::size_t>(result.count - 1)] == '0') {
        --result.count;
    }
    ++p;  // 'e'
    const bool exponentNegative = *p == '-';
    ++p;  // sign
    std::from_chars(p, end, result.exponent);
    if (exponentNegative) result.exponent = -result.exponent;
    return result;
}

int ClampSignificant(int significantDigits) {
    return std::clamp(significantDigits, 1, 17);
}

// Keeps the first `keep` digits, as decimal digits: half away from zero (0.125 to two digits
// gives 0.13) or cut. A `keep` of 0 leaves 1 or 0 at the next power of ten; below 0, zero.
void RoundDigits(SignificantDigits& number, int keep, DigitRounding rounding) {
    if (number.count <= keep) return;
    if (keep < 0) {
        number.count = 0;
        return;
    }
    const auto at = [&number](int i) -> char& {
        return number.digits[static_cast<std::size_t>(i)];
    };
    const bool up = rounding == DigitRounding::HalfAwayFromZero && at(keep) >= '5';
    number.count = keep;
    if (up) {
        int i = keep - 1;
        while (i >= 0 && at(i) == '9')
            --i;
        if (i >= 0) {
            ++at(i);
            number.count = i + 1;
        } else {
            at(0) = '1';
            number.count = 1;
            ++number.exponent;
        }
    }
    while (number.count > 1 && at(number.count - 1) == '0')
        --number.count;
}

// Fewer than 15 digits are taken from the 15-digit form, the one every other rule rounds
// from, so 166666666666.5 (999999999999 / 6) shortens to 166666666667 and not to the nearest
// 12-digit neighbour of the binary value.
SignificantDigits ShortenedDigits(double value, int significantDigits, DigitRounding rounding) {
    const int digits = ClampSignificant(significantDigits);
    SignificantDigits number = RoundToSignificant(value, std::max(digits, 15));
    RoundDigits(number, digits, rounding);
    return number;
}

NumberForm FormOf(const SignificantDigits& number) {
    if (number.count == 0) return NumberForm::Positional;
    return number.exponent > -5 && number.exponent < 15 ? NumberForm::Positional
                                                        : NumberForm::Exponent;
}

std::string WriteSignificant(const SignificantDigits& number, NumberForm form,
                             std::string_view decimalSeparator) {
    if (number.count == 0) return "0";
    const auto digit = [&number](int i) { return number.digits[static_cast<std::size_t>(i)]; };
    std::string text;
    text.reserve(static_cast<std::size_t>(number.count) + decimalSeparator.size() + 8);
    if (number.negative) text += '-';
    const int e = number.exponent;
    if (form == NumberForm::Exponent) {
        text += digit(0);
        if (number.count > 1) {
            text += decimalSeparator;
            text.append(number.digits.data() + 1, static_cast<std::size_t>(number.count - 1));
        }
        text += 'E';
        text += e < 0 ? '-' : '+';
        const int magnitude = e < 0 ? -e : e;
        if (magnitude < 10) text += '0';
        std::array<char, 8> exponentDigits;
        char* end = std::to_chars(exponentDigits.data(),
                                  exponentDigits.data() + exponentDigits.size(), magnitude)
                        .ptr;
        text.append(exponentDigits.data(), end);
    } else if (e < 0) {
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(-e - 1), '0');
        text.append(number.digits.data(), static_cast<std::size_t>(number.count));
    } else {
        const int integerDigits = std::min(number.count, e + 1);
        text.append(number.digits.data(), static_cast<std::size_t>(integerDigits));
        text.append(static_cast<std::size_t>(e + 1 - integerDigits), '0');
        if (number.count > integerDigits) {
            text += decimalSeparator;
            text.append(number.digits.data() + integerDigits,
                        static_cast<std::size_t>(number.count - integerDigits));
        }
    }
    return text;
}

std::string NonFiniteText(double value) {
    if (std::isnan(value)) return "NaN";
    return value < 0 ? "-Infinity" : "Infinity";
}

// Appends integer digits with the group separator placed by the group sizes. Written right to
// left and then reversed, so no group boundaries need storing; a multi-byte separator is
// appended reversed and so comes out in its own order.
void AppendGrouped(std::string& text, std::string_view digits,
                   const RegionalNumberSettings& settings) {
    const std::string& separator = settings.groupSeparator;
    const std::vector<int>& sizes = settings.groupSizes;
    if (separator.empty() || sizes.empty()) {
        text += digits;
        return;
    }
    const std::size_t start = text.size();
    std::size_t sizeIndex = 0;
    // A size of 0 or less ends grouping: the rest of the digits form one group.
    int groupSize = sizes[0];
    int inGroup = 0;
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (groupSize > 0 && inGroup == groupSize) {
            text.append(separator.rbegin(), separator.rend());
            inGroup = 0;
            if (sizeIndex + 1 < sizes.size()) groupSize = sizes[++sizeIndex];
        }
        text += digits[i];
        ++inGroup;
    }
    std::reverse(text.begin() + static_cast<std::ptrdiff_t>(start), text.end());
}

}  // namespace

std::string NumberToText(double value, const RegionalNumberSettings& settings) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    const SignificantDigits number = RoundToSignificant(value, 15);
    return WriteSignificant(number, FormOf(number), settings.decimalSeparator);
}

std::string NumberToText(std::int64_t whole) {
    std::array<char, 24> buffer;
    char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), whole).ptr;
    return std::string(buffer.data(), end);
}

NumberForm ChooseNumberForm(double value, int significantDigits) {
    if (!std::isfinite(value)) return NumberForm::Positional;
    return FormOf(ShortenedDigits(value, significantDigits, DigitRounding::HalfAwayFromZero));
}

std::string WriteNumber(double value, int significantDigits, NumberForm form,
                        const RegionalNumberSettings& settings, DigitRounding rounding) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    return WriteSignificant(ShortenedDigits(value, significantDigits, rounding), form,
                            settings.decimalSeparator);
}

std::string FormatFixed(double value, int decimals, const RegionalNumberSettings& settings) {
    if (decimals < -1 || decimals > 9) throw MakeRunTimeError(kInvalidProcedureCall);
    if (decimals == -1) decimals = std::clamp(settings.defaultDecimals, 0, 9);
    // Only reachable when a caller skipped the fault test; the value is beyond every range.
    if (!std::isfinite(value)) throw MakeRunTimeError(kOverflow);

    SignificantDigits number = RoundToSignificant(value, 15);
    if (number.count > 0) {
        // Digits whose power of ten is at least -decimals survive.
        RoundDigits(number, number.exponent + decimals + 1, DigitRounding::HalfAwayFromZero);
    }
    const std::array<char, 17>& digits = number.digits;
    const int count = number.count;
    const int e = number.exponent;
    const auto digitAt = [&](int power) {
        const int i = e - power;
        return count > 0 && i >= 0 && i < count ? digits[static_cast<std::size_t>(i)] : '0';
    };

    // A value that rounds to zero is shown without a sign.
    const SignParts sign =
        number.negative && count > 0 ? NegativeSignParts(settings.negativePattern) : SignParts{};
    const std::size_t integerDigits = count > 0 && e >= 0 ? static_cast<std::size_t>(e) + 1 : 1;
    std::string text;
    // One allocation at most, none for text short enough to live inside the string.
    const std::size_t bound = sign.before.size() + sign.after.size() +
                              integerDigits * (1 + settings.groupSeparator.size()) +
                              settings.decimalSeparator.size() + static_cast<std::size_t>(decimals);
    if (bound > text.capacity()) text.reserve(bound);

    text += sign.before;
    if (count > 0 && e >= 0) {
        std::array<char, 330> integer;
        const std::size_t significant = std::min(static_cast<std::size_t>(count), integerDigits);
        std::copy_n(digits.begin(), significant, integer.begin());
        std::fill(integer.begin() + static_cast<std::ptrdiff_t>(significant),
                  integer.begin() + static_cast<std::ptrdiff_t>(integerDigits), '0');
        AppendGrouped(text, std::string_view(integer.data(), integerDigits), settings);
    } else if (settings.leadingZero || decimals == 0) {
        // Without the zero a count of 0 would leave nothing at all.
        text += '0';
    }
    if (decimals > 0) {
        text += settings.decimalSeparator;
        for (int power = -1; power >= -decimals; --power)
            text += digitAt(power);
    }
    text += sign.after;
    return text;
}

std::string FormatFixed(std::string_view text, int decimals,
                        const RegionalNumberSettings& settings) {
    return FormatFixed(ParseNumber(text, settings), decimals, settings);
}

void TestFloatResult(double result, FloatOperation operation, double left, double right) {
    if (operation == FloatOperation::Divide && right == 0.0 && left != 0.0 && !std::isnan(left)) {
        throw MakeRunTimeError(kDivisionByZero);
    }
    if (!std::isfinite(result)) throw MakeRunTimeError(kOverflow);
}

}  // namespace ombrelo::numbers
