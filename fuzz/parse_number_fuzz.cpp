// First byte: a regional format; the rest: the text. The strict rule raises only 13 or 6,
// ignores blanks around the number, the group separators within it and zeros before it, and
// the rules built on it follow it.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "numbers/number_text.h"
#include "numbers/run_time_error.h"

namespace {

using namespace ombrelo::numbers;
using ombrelo::fuzz::Attempt;
using ombrelo::fuzz::Outcome;
using ombrelo::fuzz::Require;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const RegionalNumberSettings settings = ombrelo::fuzz::SettingsFromByte(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const Outcome read = Attempt([&] { return ParseNumber(text, settings); });
    Require(read.error == 0 || read.error == kOverflow || read.error == kTypeMismatch,
            "raises only 13 or 6", text);
    Require(std::isfinite(read.value), "finite", text);
    Require(read.value != 0 || !std::signbit(read.value), "zero is +0", text);

    const std::string padded = " \t" + std::string(text) + "\n ";
    Require(Attempt([&] { return ParseNumber(padded, settings); }) == read, "blanks around ignored",
            text);

    // Leading zeros make text long enough for the bounded digit reading; the usual reading of
    // the same number must agree with it, errors and all.
    const std::size_t first = text.find_first_not_of(" \t\n");
    if (first != std::string_view::npos && ombrelo::fuzz::IsDigit(text[first])) {
        const std::string zeros = std::string(300, '0') + std::string(text.substr(first));
        Require(Attempt([&] { return ParseNumber(zeros, settings); }) == read,
                "leading zeros change nothing", text);
    }

    if (read.error == kTypeMismatch) {
        Require(Attempt([&] { return ParseWholeNumber(text, settings); }).error == kTypeMismatch,
                "whole-number rule follows", text);
        return 0;
    }

    if (read.error == 0 && !settings.groupSeparator.empty()) {
        const std::string ungrouped = ombrelo::fuzz::RemoveAll(text, settings.groupSeparator);
        Require(Attempt([&] { return ParseNumber(ungrouped, settings); }) == read,
                "group separators change nothing", text);
    }
    if (settings.decimalSeparator == "." &&
        (settings.groupSeparator.empty() ||
         text.find(settings.groupSeparator) == std::string_view::npos)) {
        Require(Attempt([&] { return ParseLeadingNumber(text); }) == read,
                "the leading rule reads a whole number alike", text);
    }

    const Outcome whole = Attempt([&] { return ParseWholeNumber(text, settings); });
    if (read.error != 0) {
        Require(whole.error == read.error, "whole-number rule follows", text);
    } else if (whole.error == 0) {
        const double distance = std::fabs(whole.value - read.value);
        Require(distance <= 0.5, "nearest whole number", text);
        Require(distance < 0.5 || std::fmod(whole.value, 2.0) == 0, "ties to even", text);
    } else {
        Require(
            whole.error == kOverflow && (read.value >= 2147483647.5 || read.value <= -2147483648.5),
            "6 only outside 32 bits", text);
    }

    if (read.error == 0) {
        Require(FormatFixed(text, 2, settings) == FormatFixed(read.value, 2, settings),
                "fixed decimals of text and value agree", text);
    }
    return 0;
}
