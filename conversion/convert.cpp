#include "conversion/convert.h"

#include <cstdint>

#include "numbers/number_text.h"

namespace ombrelo::conversion {

using numbers::FloatOperation;
using numbers::RegionalNumberSettings;

namespace {

double ApplyStep(double value, const ConversionStep& step) {
    double result = 0;
    FloatOperation operation{};
    switch (step.kind) {
        case ConversionStep::Kind::Multiply:
            result = value * step.constant;
            operation = FloatOperation::Multiply;
            break;
        case ConversionStep::Kind::Divide:
            result = value / step.constant;
            operation = FloatOperation::Divide;
            break;
        case ConversionStep::Kind::Add:
            result = value + step.constant;
            operation = FloatOperation::Add;
            break;
        case ConversionStep::Kind::Subtract:
            result = value - step.constant;
            operation = FloatOperation::Subtract;
            break;
    }
    numbers::TestFloatResult(result, operation, value, step.constant);
    return result;
}

// Steps 2 to 5 for one column. The label is written twice and read back in between, so an
// error while reading the places leaves the unformatted number showing.
void ConvertColumn(ConvertForm& form, const ConversionDirection& conversion, Direction column,
                   const RegionalNumberSettings& settings) {
    const double value = ConvertAmount(conversion, form.AmountText(column), settings);
    form.SetResultCaption(column, numbers::NumberToText(value, settings));
    const std::int32_t places = numbers::ParseWholeNumber(form.DecimalPlacesText(), settings);
    const double shown = numbers::ParseNumber(form.ResultCaption(column), settings);
    form.SetResultCaption(column, numbers::FormatFixed(shown, places, settings));
}

}  // namespace

const ConversionFormula* FindActiveFormula(const ConvertForm& form) {
    const ConversionFormula* active = nullptr;
    // Every formula reads its button even after a match: the reads are part of the click.
    for (const ConversionFormula& formula : AllFormulas()) {
        const bool selected = form.FormulaValue(formula.slot);
        const std::string caption = form.FormulaCaption(formula.slot);
        if (active == nullptr && selected && caption == formula.caption) active = &formula;
    }
    return active;
}

double ConvertAmount(const ConversionDirection& conversion, std::string_view amountText,
                     const RegionalNumberSettings& settings) {
    double value = numbers::ParseAmount(amountText, settings);
    for (const ConversionStep& step : conversion.steps) {
        value = ApplyStep(value, step);
    }
    return value;
}

void RunConvert(ConvertForm& form, const RegionalNumberSettings& settings) {
    const ConversionFormula* formula = FindActiveFormula(form);
    if (formula == nullptr) return;
    ConvertColumn(form, formula->forward, Direction::Forward, settings);
    ConvertColumn(form, formula->reverse, Direction::Reverse, settings);
    form.SetFormulaText(Direction::Forward, formula->forward.formulaText);
    form.SetFormulaText(Direction::Reverse, formula->reverse.formulaText);
}

}  // namespace ombrelo::conversion
