#pragma once

#include <string>
#include <string_view>

#include "conversion/catalog.h"
#include "numbers/regional_settings.h"

namespace ombrelo::conversion {

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

// The active formula: its button is selected and carries exactly the formula's caption. Every
// formula is tested, in catalog order, reading Value before Caption.
const ConversionFormula* FindActiveFormula(const ConvertForm& form);

// The amount text read as the user writes numbers (ParseAmount) and run through the
// direction's steps. Raises 6 when the amount or a step leaves the double range.
double ConvertAmount(const ConversionDirection& conversion, std::string_view amountText,
                     const numbers::RegionalNumberSettings& settings);

// The whole Convert click: both directions, then both formula texts. Writes go out in order,
// so an error part-way leaves exactly the earlier writes in place.
void RunConvert(ConvertForm& form, const numbers::RegionalNumberSettings& settings);

}  // namespace ombrelo::conversion
