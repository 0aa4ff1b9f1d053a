#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace ombrelo::conversion {

// Every text here is a key as well as a display text: the window decides by comparing the
// text on a control with these, exactly (UTF-8, no trimming or case folding).

// One arithmetic step of a conversion.
struct ConversionStep {
    enum class Kind { Multiply, Divide, Add, Subtract };
    Kind kind;
    double constant;
};

// One direction of a formula: what the window shows for it, and what Convert does to the
// amount, step by step.
struct ConversionDirection {
    std::string_view caption;                 // "Bytes -> KiloBytes"
    std::string_view prompt;                  // "Enter Byte Amount"
    std::string_view resultLabel;             // "KiloBytes:"
    std::string_view formulaText;             // "(bytes) / 1024"
    std::span<const ConversionStep> steps{};  // {Divide, 1024}
};

struct ConversionFormula {
    int slot;                  // 1..6: the formula button that offers it
    std::string_view caption;  // "Bytes <=> KiloBytes"
    ConversionDirection forward;
    ConversionDirection reverse;
};

struct ConversionArea {
    std::string_view name;
    std::span<const ConversionFormula> formulas;
};

enum class Direction { Forward, Reverse };

struct FoundDirection {
    const ConversionFormula* formula;
    const ConversionDirection* direction;
};

inline constexpr int kAreaEntryCount = 11;

// The 11 entries of the area list, in list order.
std::span<const std::string_view> AreaEntries();

// The area whose name equals the text; nothing for the "[x] " entries or any other text.
const ConversionArea* FindArea(std::string_view text);

// The formula offered by button `slot` whose caption equals the text.
const ConversionFormula* FindFormula(int slot, std::string_view caption);

// The formula whose forward (reverse) direction caption equals the text; each searches its
// own kind only.
std::optional<FoundDirection> FindForwardDirection(std::string_view caption);
std::optional<FoundDirection> FindReverseDirection(std::string_view caption);

// Every formula, in catalog order (26).
std::span<const ConversionFormula> AllFormulas();

}  // namespace ombrelo::conversion
