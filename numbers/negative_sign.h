#pragma once

#include <string_view>

#include "numbers/regional_settings.h"

// Shared by the number rules' reading and writing only: an amount is read back in the sign
// form FormatFixed writes.
namespace ombrelo::numbers::internal {

// What stands before and after a negative number's digits.
struct SignParts {
    std::string_view before;
    std::string_view after;
};

constexpr SignParts NegativeSignParts(NegativePattern pattern) {
    switch (pattern) {
        case NegativePattern::Parentheses:
            return {"(", ")"};
        case NegativePattern::LeadingMinusSpace:
            return {"- ", ""};
        case NegativePattern::TrailingMinus:
            return {"", "-"};
        case NegativePattern::TrailingSpaceMinus:
            return {"", " -"};
        case NegativePattern::LeadingMinus:
            break;
    }
    return {"-", ""};
}

}  // namespace ombrelo::numbers::internal
