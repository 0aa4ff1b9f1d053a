// First byte: a regional format; second: decimal places and where the value comes from; then
// either eight bytes of a double or a text read by the leading-number rule. Checks the shape
// of what the writing rules produce and that it reads back.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "numbers/number_text.h"
#include "numbers/run_time_error.h"

namespace {

using namespace ombrelo::numbers;
using ombrelo::fuzz::IsDigit;
using ombrelo::fuzz::Require;

// The value at `digits` significant digits, by the C library; below 15 digits the C library's
// 15-digit form is shortened by hand, half away from zero, as the shown texts are.
double RoundedBy(double value, int digits) {
    char printed[64];
    std::snprintf(printed, sizeof printed, "%.*e", std::max(digits, 15) - 1, value);
    if (digits >= 15) return std::strtod(printed, nullptr);
    char* const first = printed + (printed[0] == '-' ? 1 : 0);  // "d.dddddddddddddde+XX"
    char* const exponent = std::strchr(first, 'e');
    const bool up = first[digits + 1] >= '5';  // the first dropped digit, past the point
    std::memset(first + digits + 1, '0', static_cast<std::size_t>(exponent - first - digits - 1));
    double rounded = std::strtod(printed, nullptr);
    if (up) {
        const double unit = std::pow(10.0, std::atoi(exponent + 1) - digits + 1);
        // Adding the unit in decimal text would be exact; a double sum is close enough to be
        // read back to the same shortened value.
        char bumped[64];
        std::snprintf(bumped, sizeof bumped, "%.*e", digits - 1,
                      std::fabs(rounded) + unit * 0.999999);
        rounded = std::copysign(std::strtod(bumped, nullptr), value);
    }
    return rounded;
}

std::size_t CountDigits(std::string_view text) {
    std::size_t n = 0;
    while (n < text.size() && IsDigit(text[n]))
        ++n;
    return n;
}

// -?D+(sep D*[1-9])?(E[+-]DD+)? with no needless zeros and at most `limit` significant digits.
void CheckNumberShape(std::string_view text, std::string_view separator, int limit) {
    const std::string_view whole = text;
    if (text.starts_with('-')) text.remove_prefix(1);
    const std::size_t integer = CountDigits(text);
    Require(integer > 0, "starts with a digit", whole);
    Require(integer == 1 || text[0] != '0', "no leading zero", whole);
    std::string mantissa(text.substr(0, integer));
    text.remove_prefix(integer);
    if (text.starts_with(separator)) {
        text.remove_prefix(separator.size());
        const std::size_t fraction = CountDigits(text);
        Require(fraction > 0 && text[fraction - 1] != '0', "fraction without trailing zero", whole);
        mantissa += text.substr(0, fraction);
        text.remove_prefix(fraction);
    }
    if (!text.empty()) {
        Require(integer == 1 && mantissa[0] != '0' && text.size() >= 4 && text[0] == 'E' &&
                    (text[1] == '+' || text[1] == '-'),
                "exponent form", whole);
        text.remove_prefix(2);
        Require(CountDigits(text) == text.size() && (text.size() == 2 || text[0] != '0'),
                "exponent digits", whole);
    }
    const std::size_t first = mantissa.find_first_not_of('0');
    const std::size_t last = mantissa.find_last_not_of('0');
    Require(first == std::string::npos || last - first < static_cast<std::size_t>(limit),
            "significant digits", whole);
}

// The strict reading, with an overflow as an infinity of the text's sign.
double ReadOrInfinity(std::string_view text, const RegionalNumberSettings& settings) {
    try {
        return ParseNumber(text, settings);
    } catch (const RunTimeError& error) {
        Require(error.Number() == kOverflow, "only overflow", text);
        const double inf = std::numeric_limits<double>::infinity();
        return text.starts_with('-') ? -inf : inf;
    }
}

// Sign pattern, groups of the regional sizes, exactly `decimals` places.
void CheckFixedShape(std::string_view text, int decimals, bool negative,
                     const RegionalNumberSettings& s) {
    static constexpr std::string_view kPrefix[] = {"(", "-", "- ", "", ""};
    static constexpr std::string_view kSuffix[] = {")", "", "", "-", " -"};
    std::string_view body = text;
    if (negative) {
        const auto pattern = static_cast<std::size_t>(s.negativePattern);
        Require(body.starts_with(kPrefix[pattern]) && body.ends_with(kSuffix[pattern]),
                "negative pattern", text);
        body.remove_prefix(kPrefix[pattern].size());
        body.remove_suffix(kSuffix[pattern].size());
    }
    if (decimals > 0) {
        const std::size_t places = static_cast<std::size_t>(decimals);
        Require(body.size() >= places + s.decimalSeparator.size(), "room for the places", text);
        const std::string_view tail = body.substr(body.size() - places);
        body.remove_suffix(places);
        Require(CountDigits(tail) == places, "exactly the places asked for", text);
        Require(body.ends_with(s.decimalSeparator), "decimal separator", text);
        body.remove_suffix(s.decimalSeparator.size());
    }
    if (body.empty()) {
        Require(!s.leadingZero && decimals > 0, "integer part omitted only without leading zero",
                text);
        return;
    }
    // Groups from the right: each of its size, the leftmost at most that.
    std::size_t k = 0;
    while (true) {
        const int size = s.groupSizes.empty() || s.groupSeparator.empty()
                             ? 0
                             : s.groupSizes[std::min(k, s.groupSizes.size() - 1)];
        const std::size_t cut = size <= 0 ? std::string_view::npos : body.rfind(s.groupSeparator);
        const std::string_view group =
            cut == std::string_view::npos ? body : body.substr(cut + s.groupSeparator.size());
        Require(!group.empty() && CountDigits(group) == group.size(), "digit groups", text);
        if (cut == std::string_view::npos) {
            Require(size <= 0 || group.size() <= static_cast<std::size_t>(size),
                    "leftmost group size", text);
            Require(group.size() == 1 || group[0] != '0', "no leading zero", text);
            return;
        }
        Require(group.size() == static_cast<std::size_t>(size), "group size", text);
        body = body.substr(0, cut);
        ++k;
    }
}

double ValueFrom(const std::uint8_t* data, std::size_t size, bool raw, bool* ok) {
    *ok = true;
    if (raw) {
        double value = 0;
        std::uint8_t bits[sizeof value] = {};
        std::memcpy(bits, data, std::min(size, sizeof bits));
        std::memcpy(&value, bits, sizeof value);
        return value;
    }
    try {
        return ParseLeadingNumber(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const RunTimeError&) {
        *ok = false;
        return 0;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const RegionalNumberSettings settings = ombrelo::fuzz::SettingsFromByte(data[0]);
    const int decimals = data[1] % 13 - 2;  // -2 and 10 are out of range
    const int digits = 1 + (data[1] / 13) % 17;
    bool ok = false;
    const double value = ValueFrom(data + 2, size - 2, (data[1] & 0x80) != 0, &ok);
    if (!ok) return 0;

    const std::string text = NumberToText(value, settings);
    int fixedError = 0;
    std::string fixed;
    try {
        fixed = FormatFixed(value, decimals, settings);
    } catch (const RunTimeError& error) {
        fixedError = error.Number();
    }
    if (decimals < -1 || decimals > 9) {
        Require(fixedError == kInvalidProcedureCall, "5 for a bad count", text);
        return 0;
    }
    if (!std::isfinite(value)) {
        Require(fixedError == kOverflow, "6 for a value beyond range", text);
        return 0;
    }
    Require(fixedError == 0, "fixed decimals of a finite value", text);

    // Near the top of the range the 15-digit text is beyond it and reads as an overflow.
    CheckNumberShape(text, settings.decimalSeparator, 15);
    Require(ReadOrInfinity(text, settings) == RoundedBy(value, 15), "number text reads back", text);
    Require(text == WriteNumber(value, 15, ChooseNumberForm(value, 15), settings),
            "NumberToText is WriteNumber at 15 digits", text);
    for (const NumberForm form : {NumberForm::Positional, NumberForm::Exponent}) {
        const std::string shorter = WriteNumber(value, digits, form, settings);
        CheckNumberShape(shorter, settings.decimalSeparator, digits);
        Require(ReadOrInfinity(shorter, settings) == RoundedBy(value, digits),
                "fewer digits read back", shorter);
    }

    const int places = decimals == -1 ? settings.defaultDecimals : decimals;
    const bool nonZero = fixed.find_first_of("123456789") != std::string::npos;
    CheckFixedShape(fixed, places, value < 0 && nonZero, settings);
    // Near the top of the range the 15-digit form is beyond it and cannot be read back.
    const double value15 = RoundedBy(value, 15);
    if (!std::isfinite(value15)) return 0;
    Require(FormatFixed(text, decimals, settings) == fixed, "text and value agree", fixed);
    if (settings.negativePattern == NegativePattern::LeadingMinus) {
        const double rounded = ParseNumber(fixed, settings);
        const double slack =
            0.5 * std::pow(10.0, -places) * (1 + 1e-9) + std::fabs(value15) * 1e-15;
        Require(std::fabs(rounded - value15) <= slack, "fixed text is the value rounded", fixed);
    }
    return 0;
}
