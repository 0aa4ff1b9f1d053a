#pragma once

#include <span>
#include <string>
#include <string_view>

#include "conversion/catalog.h"
#include "numbers/regional_settings.h"

namespace ombrelo::conversion {

// One arithmetic step of a conversion.
struct ConversionStep {
    enum class Kind { Multiply, Divide, Add, Subtract };
    Kind kind;
    double constant;
};

// The arithmetic of one formula, keyed by its caption and the button that carries it.
struct ConversionRule {
    std::string_view key;
    int slot;
    std::span<const ConversionStep> forward;
    std::span<const ConversionStep> reverse;
};

// The 26 rules in table order.
std::span<const ConversionRule> RuleTable();

// The controls Convert reads and writes. The window implements it over its widgets; tests
// record the order of the writes. Direction::Forward is the left column (txtCalc1, lblCalc3,
// lblCalcFrm1), Direction::Reverse the right one (txtCalc2, lblCalc6, lblCalcFrm2).
class ConvertForm {
  public:
    virtual ~ConvertForm() = default;
    virtual bool FormulaValue(int slot) const = 0;                     // optFormN.Value, 1..6
    virtual std::string FormulaCaption(int slot) const = 0;            // optFormN.Caption
    virtual std::string AmountText(Direction direction) const = 0;     // txtCalc1 / txtCalc2
    virtual std::string DecimalPlacesText() const = 0;                 // txtCalcDeci
    virtual std::string ResultCaption(Direction direction) const = 0;  // lblCalc3 / lblCalc6
    virtual void SetResultCaption(Direction direction, std::string_view text) = 0;
    virtual void SetFormulaText(Direction direction, std::string_view text) = 0;  // lblCalcFrm1/2
};

// The active row: its button is selected and carries exactly the row's key. Every row is
// tested, in table order, reading Value before Caption.
const ConversionRule* FindActiveFormula(const ConvertForm& form);

// The amount text read as the user writes numbers (ParseAmount) and run through the
// direction's steps. Raises 6 when the amount or a step leaves the double range.
double ConvertAmount(const ConversionRule& rule, Direction direction, std::string_view amountText,
                     const RegionalNumberSettings& settings);

// The whole Convert click: both directions, then both formula texts. Writes go out in order,
// so an error part-way leaves exactly the earlier writes in place.
void RunConvert(ConvertForm& form, const RegionalNumberSettings& settings);

}  // namespace ombrelo::conversion
