// First byte: a regional format; second: the group separator a user may type for it; the
// rest: the text. An amount raises only 6, ignores blanks around it, and is either what the
// leading rule reads or, when the text is in the regional format, the same text with its
// group separators dropped and its decimal separator made "."; a fixed result of its value
// reads back as the number it shows.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

#include "fuzz_support.h"
#include "numbers/number_text.h"
#include "numbers/run_time_error.h"

namespace {

using namespace ombrelo::numbers;
using ombrelo::fuzz::Attempt;
using ombrelo::fuzz::Outcome;
using ombrelo::fuzz::Require;

// Separators that stand for others when typed: blanks alike, and the typographic apostrophe.
constexpr std::string_view kTypedAlike[] = {" ", "\u00A0", "\u202F", "\u2019", "'"};

RegionalNumberSettings SettingsFrom(std::uint8_t format, std::uint8_t group) {
    RegionalNumberSettings settings = ombrelo::fuzz::SettingsFromByte(format);
    if (group % 2 != 0 && !settings.groupSeparator.empty()) {
        settings.groupSeparator = kTypedAlike[(group / 2) % std::size(kTypedAlike)];
    }
    return settings;
}

bool IsGroupAlike(std::string_view at, std::string_view separator) {
    if (separator.empty()) return false;
    if (at.starts_with(separator)) return true;
    const auto isOneOf = [](std::string_view s, std::size_t first, std::size_t last) {
        for (std::size_t i = first; i < last; ++i) {
            if (s == kTypedAlike[i]) return true;
        }
        return false;
    };
    const auto startsWithOneOf = [&at](std::size_t first, std::size_t last) {
        for (std::size_t i = first; i < last; ++i) {
            if (at.starts_with(kTypedAlike[i])) return true;
        }
        return false;
    };
    if (isOneOf(separator, 0, 3)) return startsWithOneOf(0, 3);
    if (separator == kTypedAlike[3]) return startsWithOneOf(3, 5);
    return false;
}

// The text as the leading rule would read a regional number: the negative pattern as a "-",
// group separators (as typed) dropped, the decimal separator as ".".
std::string Canonical(std::string_view text, const RegionalNumberSettings& settings) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\n'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\n'))
        text.remove_suffix(1);
    std::string out;
    constexpr std::string_view kPatterns[][2] = {
        {"(", ")"}, {"-", ""}, {"- ", ""}, {"", "-"}, {"", " -"}};
    const auto& pattern = kPatterns[static_cast<int>(settings.negativePattern)];
    if (settings.negativePattern != NegativePattern::LeadingMinus &&
        text.size() > pattern[0].size() + pattern[1].size() && text.starts_with(pattern[0]) &&
        text.ends_with(pattern[1])) {
        text = text.substr(pattern[0].size(), text.size() - pattern[0].size() - pattern[1].size());
        out += '-';
    }
    for (std::size_t pos = 0; pos < text.size();) {
        const std::string_view at = text.substr(pos);
        if (at.starts_with(settings.decimalSeparator)) {
            out += '.';
            pos += settings.decimalSeparator.size();
        } else if (IsGroupAlike(at, settings.groupSeparator)) {
            pos += 1;
            while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80)
                ++pos;  // the rest of a multi-byte separator
        } else {
            out += text[pos++];
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const RegionalNumberSettings settings = SettingsFrom(data[0], data[1]);
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    const Outcome read = Attempt([&] { return ParseAmount(text, settings); });
    Require(read.error == 0 || read.error == kOverflow, "raises only 6", text);
    Require(std::isfinite(read.value), "finite", text);
    Require(read.value != 0 || !std::signbit(read.value), "zero is +0", text);

    const std::string padded = " \t" + std::string(text) + "\n ";
    Require(Attempt([&] { return ParseAmount(padded, settings); }) == read, "blanks around ignored",
            text);

    const Outcome leading = Attempt([&] { return ParseLeadingNumber(text); });
    const std::string canonical = Canonical(text, settings);
    Require(read == leading || read == Attempt([&] { return ParseLeadingNumber(canonical); }),
            "the leading reading, or the regional one", text);

    // Zeros in front make the text long enough for the bounded digit reading, which must agree
    // with the usual one; grouped text would no longer be grouped right.
    bool grouped = false;
    for (std::size_t pos = 0; pos < text.size() && !grouped; ++pos)
        grouped = IsGroupAlike(text.substr(pos), settings.groupSeparator);
    const std::size_t first = text.find_first_not_of(" \t\n");
    if (!grouped && first != std::string_view::npos && ombrelo::fuzz::IsDigit(text[first])) {
        const std::string zeros = std::string(300, '0') + std::string(text.substr(first));
        Require(Attempt([&] { return ParseAmount(zeros, settings); }) == read,
                "leading zeros change nothing", text);
    }

    if (read.error == 0) {
        RegionalNumberSettings plain = settings;
        plain.decimalSeparator = ".";
        plain.groupSeparator.clear();
        plain.negativePattern = NegativePattern::LeadingMinus;
        const int decimals = data[1] % 10;
        const std::string shown = FormatFixed(read.value, decimals, settings);
        const std::string ungrouped = FormatFixed(read.value, decimals, plain);
        // The largest doubles may show a 15-digit number just beyond the range: that is 6.
        Outcome expected;
        if (std::from_chars(ungrouped.data(), ungrouped.data() + ungrouped.size(), expected.value)
                .ec != std::errc()) {
            expected = {0, kOverflow};
        }
        Require(Attempt([&] { return ParseAmount(shown, settings); }) == expected,
                "a fixed result reads back as the number it shows", shown);
    }
    return 0;
}
