#include "conversion/convert.h"

#include <cstdint>

#include "numbers/number_text.h"

namespace ombrelo::conversion {
namespace {

using Kind = ConversionStep::Kind;

constexpr ConversionStep Times(double k) {
    return {Kind::Multiply, k};
}
constexpr ConversionStep Over(double k) {
    return {Kind::Divide, k};
}

// The steps shared by many rows. Every constant is the double nearest its decimal literal.
constexpr ConversionStep kTimes3[] = {Times(3)};
constexpr ConversionStep kOver3[] = {Over(3)};
constexpr ConversionStep kTimes10[] = {Times(10)};
constexpr ConversionStep kOver10[] = {Over(10)};
constexpr ConversionStep kTimes12[] = {Times(12)};
constexpr ConversionStep kOver12[] = {Over(12)};
constexpr ConversionStep kTimes16[] = {Times(16)};
constexpr ConversionStep kOver16[] = {Over(16)};
constexpr ConversionStep kTimes100[] = {Times(100)};
constexpr ConversionStep kOver100[] = {Over(100)};
constexpr ConversionStep kTimes1000[] = {Times(1000)};
constexpr ConversionStep kOver1000[] = {Over(1000)};
constexpr ConversionStep kTimes1024[] = {Times(1024)};
constexpr ConversionStep kOver1024[] = {Over(1024)};
constexpr ConversionStep kTimes2000[] = {Times(2000)};
constexpr ConversionStep kOver2000[] = {Over(2000)};
constexpr ConversionStep kTimesMile[] = {Times(1.609)};
constexpr ConversionStep kOverMile[] = {Over(1.609)};
constexpr ConversionStep kTimesFeetPerMeter[] = {Times(3.281)};
constexpr ConversionStep kOverFeetPerMeter[] = {Over(3.281)};
constexpr ConversionStep kTimesInch[] = {Times(2.54)};
constexpr ConversionStep kOverInch[] = {Over(2.54)};
constexpr ConversionStep kTimesYard[] = {Times(0.9144)};
constexpr ConversionStep kOverYard[] = {Over(0.9144)};
constexpr ConversionStep kTimesMileMeters[] = {Times(1609.3)};
constexpr ConversionStep kOverMileMeters[] = {Over(1609.3)};
constexpr ConversionStep kTimesInchMillimeters[] = {Times(25.4)};
constexpr ConversionStep kOverInchMillimeters[] = {Over(25.4)};
constexpr ConversionStep kTimesTon[] = {Times(907.18474)};
constexpr ConversionStep kOverTon[] = {Over(907.18474)};
constexpr ConversionStep kTimesPoundsPerKilogram[] = {Times(2.204622622)};
constexpr ConversionStep kOverPoundsPerKilogram[] = {Over(2.204622622)};
constexpr ConversionStep kTimesOunce[] = {Times(28.34952313)};
constexpr ConversionStep kOverOunce[] = {Over(28.34952313)};
constexpr ConversionStep kCelsiusToFahrenheit[] = {Times(1.8), {Kind::Add, 32}};
// Divides by 1.8 rather than multiplying by 5/9: the two round differently.
constexpr ConversionStep kFahrenheitToCelsius[] = {{Kind::Subtract, 32}, Over(1.8)};

// Keyed by the catalog's formula captions; the slot is the formula button that carries each.
constexpr ConversionRule kRules[] = {
    {"Bytes <=> KiloBytes", 1, kOver1024, kTimes1024},
    {"KiloBytes <=> MegaBytes", 2, kOver1024, kTimes1024},
    {"MegaBytes <=> GigaBytes", 3, kOver1024, kTimes1024},
    {"Miles <=> Kilometers", 1, kTimesMile, kOverMile},
    {"Feet <=> Meters", 2, kOverFeetPerMeter, kTimesFeetPerMeter},
    {"Inches <=> Centimeters", 3, kTimesInch, kOverInch},
    {"Yards <=> Meters", 4, kTimesYard, kOverYard},
    {"Miles <=> Meters", 5, kTimesMileMeters, kOverMileMeters},
    {"Inches <=> Millimeters", 6, kTimesInchMillimeters, kOverInchMillimeters},
    {"Yards <=> Feet", 1, kTimes3, kOver3},
    {"Feet <=> Inches", 2, kTimes12, kOver12},
    {"Centimeters <=> Millimeters", 1, kTimes10, kOver10},
    {"Meters <=> Centimeters", 2, kTimes100, kOver100},
    {"Meters <=> Millimeters", 3, kTimes1000, kOver1000},
    {"Kilometers <=> Meters", 4, kTimes1000, kOver1000},
    {"C° <=> F°", 1, kCelsiusToFahrenheit, kFahrenheitToCelsius},
    {"Tons <=> Kilograms", 1, kTimesTon, kOverTon},
    {"Pounds <=> Kilograms", 2, kOverPoundsPerKilogram, kTimesPoundsPerKilogram},
    {"Ounces <=> Grams", 3, kTimesOunce, kOverOunce},
    {"Tons <=> Pounds", 1, kTimes2000, kOver2000},
    {"Pounds <=> Ounces", 2, kTimes16, kOver16},
    {"Tonne <=> Kilograms", 1, kTimes1000, kOver1000},
    {"Kilograms <=> Grams", 2, kTimes1000, kOver1000},
    {"Grams <=> Milligrams", 3, kTimes1000, kOver1000},
    {"Milligrams <=> Micrograms", 4, kTimes1000, kOver1000},
    {"Microgram <=> Nanogram", 5, kTimes1000, kOver1000},
};
static_assert(std::size(kRules) == 26);

double ApplyStep(double value, const ConversionStep& step) {
    double result = 0;
    FloatOperation operation{};
    switch (step.kind) {
        case Kind::Multiply:
            result = value * step.constant;
            operation = FloatOperation::Multiply;
            break;
        case Kind::Divide:
            result = value / step.constant;
            operation = FloatOperation::Divide;
            break;
        case Kind::Add:
            result = value + step.constant;
            operation = FloatOperation::Add;
            break;
        case Kind::Subtract:
            result = value - step.constant;
            operation = FloatOperation::Subtract;
            break;
    }
    TestFloatResult(result, operation, value, step.constant);
    return result;
}

// Steps 2 to 5 for one column. The label is written twice and read back in between, so an
// error while reading the places leaves the unformatted number showing.
void ConvertColumn(ConvertForm& form, const ConversionRule& rule, Direction direction,
                   const RegionalNumberSettings& settings) {
    const double value = ConvertAmount(rule, direction, form.AmountText(direction), settings);
    form.SetResultCaption(direction, NumberToText(value, settings));
    const std::int32_t places = ParseWholeNumber(form.DecimalPlacesText(), settings);
    const double shown = ParseNumber(form.ResultCaption(direction), settings);
    form.SetResultCaption(direction, FormatFixed(shown, places, settings));
}

}  // namespace

std::span<const ConversionRule> RuleTable() {
    return kRules;
}

const ConversionRule* FindActiveFormula(const ConvertForm& form) {
    const ConversionRule* active = nullptr;
    // Every row reads its button even after a match: the reads are part of the click.
    for (const ConversionRule& rule : kRules) {
        const bool selected = form.FormulaValue(rule.slot);
        const std::string caption = form.FormulaCaption(rule.slot);
        if (active == nullptr && selected && caption == rule.key) active = &rule;
    }
    return active;
}

double ConvertAmount(const ConversionRule& rule, Direction direction, std::string_view amountText,
                     const RegionalNumberSettings& settings) {
    double value = ParseAmount(amountText, settings);
    for (const ConversionStep& step :
         direction == Direction::Forward ? rule.forward : rule.reverse) {
        value = ApplyStep(value, step);
    }
    return value;
}

void RunConvert(ConvertForm& form, const RegionalNumberSettings& settings) {
    const ConversionRule* rule = FindActiveFormula(form);
    if (rule == nullptr) return;
    ConvertColumn(form, *rule, Direction::Forward, settings);
    ConvertColumn(form, *rule, Direction::Reverse, settings);
    // Every rule key is a catalog caption on the same button, so this always finds it.
    if (const ConversionFormula* formula = FindFormula(rule->slot, rule->key)) {
        form.SetFormulaText(Direction::Forward, formula->forward.formulaText);
        form.SetFormulaText(Direction::Reverse, formula->reverse.formulaText);
    }
}

}  // namespace ombrelo::conversion
