#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "numbers/regional_settings.h"
#include "numbers/run_time_error.h"

namespace ombrelo::fuzz {

// Stops the run with the failed invariant and the input text; libFuzzer saves the input.
inline void Require(bool holds, const char* invariant, std::string_view text = {}) {
    if (holds) return;
    std::fprintf(stderr, "invariant broken: %s\ntext: \"%.*s\"\n", invariant,
                 static_cast<int>(text.size()), text.data());
    std::abort();
}

// What a reading gave: its value, or the number of the error it raised.
struct Outcome {
    double value = 0;
    int error = 0;
    bool operator==(const Outcome&) const = default;
};

template <typename Read>
Outcome Attempt(Read&& read) {
    try {
        return {static_cast<double>(read()), 0};
    } catch (const numbers::RunTimeError& error) {
        return {0, error.Number()};
    }
}

// Regional formats worth telling apart: one-byte and multi-byte separators, a blank as the
// group separator, Indian grouping, and none.
inline numbers::RegionalNumberSettings SettingsFromByte(std::uint8_t byte) {
    using numbers::NegativePattern;
    numbers::RegionalNumberSettings s;
    switch (byte % 8) {
        case 0:
            break;
        case 1:
            s.decimalSeparator = ",";
            s.groupSeparator = ".";
            break;
        case 2:
            s.groupSizes = {3, 2};
            break;
        case 3:
            s.decimalSeparator = ",";
            s.groupSeparator = "\u202F";
            break;
        case 4:
            s.decimalSeparator = "\u066B";
            s.groupSeparator = "\u066C";
            break;
        case 5:
            s.groupSeparator = "'";
            s.groupSizes = {3, 0};
            break;
        case 6:
            s.decimalSeparator = ",";
            s.groupSeparator = " ";
            break;
        default:
            s.groupSeparator.clear();
            s.groupSizes.clear();
            break;
    }
    s.negativePattern = static_cast<NegativePattern>((byte / 8) % 5);
    s.leadingZero = (byte & 0x80) == 0;
    return s;
}

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

inline std::string RemoveAll(std::string_view text, std::string_view part) {
    std::string out;
    if (part.empty()) return std::string(text);
    for (std::size_t pos = 0; pos < text.size();) {
        if (text.substr(pos).starts_with(part)) {
            pos += part.size();
        } else {
            out += text[pos++];
        }
    }
    return out;
}

}  // namespace ombrelo::fuzz
