#include "conversion/catalog.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace ombrelo::conversion {
namespace {

using Kind = ConversionStep::Kind;

constexpr ConversionStep Times(double k) {
    return {Kind::Multiply, k};
}
constexpr ConversionStep Over(double k) {
    return {Kind::Divide, k};
}

// The steps shared by many directions. Every constant is the double nearest its decimal literal;
// some carry more digits than their formula text shows (907.18474 behind "907.1847"): the text
// is what the user reads, the steps are what Convert computes.
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

// Every formula in catalog order: area by area, each in option button order. Every text is
// compared byte for byte by the window, so a changed character changes behaviour, not just
// display.
constexpr ConversionFormula kFormulas[] = {
    // Bytes
    {1,
     "Bytes <=> KiloBytes",
     {"Bytes -> KiloBytes", "Enter Byte Amount", "KiloBytes:", "(bytes) / 1024", kOver1024},
     {"KiloBytes -> Bytes", "Enter KiloByte Amount", "Bytes:", "(kbytes) × 1024", kTimes1024}},
    {2,
     "KiloBytes <=> MegaBytes",
     {"KiloBytes -> MegaBytes", "Enter KiloByte Amount", "MegaBytes:", "(kbytes) / 1024",
      kOver1024},
     {"MegaBytes -> KiloBytes", "Enter MegaByte Amount", "KiloBytes:", "(mbytes) × 1024",
      kTimes1024}},
    {3,
     "MegaBytes <=> GigaBytes",
     {"MegaBytes -> GigaBytes", "Enter MegaByte Amount", "GigaBytes:", "(mbytes) / 1024",
      kOver1024},
     {"GigaBytes -> MegaBytes", "Enter GigaByte Amount", "MegaBytes:", "(gbytes) × 1024",
      kTimes1024}},
    // Measurements (U.S. <=> Metric)
    {1,
     "Miles <=> Kilometers",
     {"Miles -> Kilometers", "Enter Miles", "Kilometers:", "(miles) × 1.609", kTimesMile},
     {"Kilometers -> Miles", "Enter Kilometers", "Miles:", "(kilometers) / 1.609", kOverMile}},
    {2,
     "Feet <=> Meters",
     {"Feet -> Meters", "Enter Feet", "Meters:", "(feet) / 3.281", kOverFeetPerMeter},
     {"Meters -> Feet", "Enter Meters", "Feet:", "(meters) × 3.281", kTimesFeetPerMeter}},
    {3,
     "Inches <=> Centimeters",
     {"Inches -> Centimeters", "Enter Inches", "Centimeters:", "(inches) × 2.54", kTimesInch},
     {"Centimeters -> Inches", "Enter Centimeters", "Inches:", "(centimeters) / 2.54", kOverInch}},
    {4,
     "Yards <=> Meters",
     {"Yards -> Meters", "Enter Yards", "Meters:", "(yards) × .9144", kTimesYard},
     {"Meters -> Yards", "Enter Meters", "Yards:", "(meters) / .9144", kOverYard}},
    {5,
     "Miles <=> Meters",
     {"Miles -> Meters", "Enter Miles", "Meters:", "(miles) × 1609.3", kTimesMileMeters},
     {"Meters -> Miles", "Enter Meters", "Miles:", "(meters) / 1609.3", kOverMileMeters}},
    {6,
     "Inches <=> Millimeters",
     {"Inches -> Millimeters", "Enter Inches", "Millimeters:", "(inches) × 25.4",
      kTimesInchMillimeters},
     {"Millimeters -> Inches", "Enter Millimeters", "Inches:", "(millimeters) / 25.4",
      kOverInchMillimeters}},
    // Measurements (U.S. <=> U.S.)
    {1,
     "Yards <=> Feet",
     {"Yards -> Feet", "Enter Yards", "Feet:", "(yards) × 3", kTimes3},
     {"Feet -> Yards", "Enter Feet", "Yards:", "(feet) / 3", kOver3}},
    {2,
     "Feet <=> Inches",
     {"Feet -> Inches", "Enter Feet", "Inches:", "(feet) × 12", kTimes12},
     {"Inches -> Feet", "Enter Inches", "Feet:", "(inches) / 12", kOver12}},
    // Measurements (Metric <=> Metric)
    {1,
     "Centimeters <=> Millimeters",
     {"Centimeter -> Millimeter", "Enter Centimeters", "Millimeters:", "(centimeters) × 10",
      kTimes10},
     {"Millimeter -> Centimeter", "Enter Millimeters", "Centimeters:", "(millimeters) / 10",
      kOver10}},
    {2,
     "Meters <=> Centimeters",
     {"Meters -> Centimeters", "Enter Meters", "Centimeters:", "(meters) × 100", kTimes100},
     {"Centimeters -> Meters", "Enter Centimeters", "Meters:", "(centimeters) / 100", kOver100}},
    {3,
     "Meters <=> Millimeters",
     {"Meters -> Millimeters", "Enter Meters", "Millimeters:", "(meters) × 1000", kTimes1000},
     {"Millimeters -> Meters", "Enter Millimeters", "Meters:", "(millimeters) / 1000", kOver1000}},
    {4,
     "Kilometers <=> Meters",
     {"Kilometers -> Meters", "Enter Kilometers", "Meters:", "(kilometers) × 1000", kTimes1000},
     {"Meters -> Kilometers", "Enter Meters", "Kilometers:", "(meters) / 1000", kOver1000}},
    // Temperature
    {1,
     "C° <=> F°",
     {"C° -> F°", "Enter C°", "F°:", "(C° × 1.8) + 32", kCelsiusToFahrenheit},
     {"F° -> C°", "Enter F°", "C°:", "(F° - 32) × (5 / 9)", kFahrenheitToCelsius}},
    // Weight (U.S. <=> Metric)
    {1,
     "Tons <=> Kilograms",
     {"Tons -> Kilograms", "Enter Tons", "Kilograms:", "(tons) × 907.1847", kTimesTon},
     {"Kilograms -> Tons", "Enter Kilograms", "Tons:", "(kgrams) / 907.1847", kOverTon}},
    {2,
     "Pounds <=> Kilograms",
     {"Pounds -> Kilograms", "Enter Pounds", "Kilograms:", "(pounds) / 2.204",
      kOverPoundsPerKilogram},
     {"Kilograms -> Pounds", "Enter Kilograms", "Pounds:", "(kgrams) × 2.204",
      kTimesPoundsPerKilogram}},
    {3,
     "Ounces <=> Grams",
     {"Ounces -> Grams", "Enter Ounces", "Grams:", "(ounces) × 28.349", kTimesOunce},
     {"Grams -> Ounces", "Enter Grams", "Ounces:", "(grams) / 28.349", kOverOunce}},
    // Weight (U.S. <=> U.S.)
    {1,
     "Tons <=> Pounds",
     {"Tons -> Pounds", "Enter Tons", "Pounds:", "(tons) × 2000", kTimes2000},
     {"Pounds -> Tons", "Enter Pounds", "Tons:", "(pounds) / 2000", kOver2000}},
    {2,
     "Pounds <=> Ounces",
     {"Pounds -> Ounces", "Enter Pounds", "Ounces:", "(pounds) × 16", kTimes16},
     {"Ounces -> Pounds", "Enter Ounces", "Pounds:", "(ounces) / 16", kOver16}},
    // Weight (Metric <=> Metric)
    {1,
     "Tonne <=> Kilograms",
     {"Tonne -> Kilograms", "Enter Tonne", "Kilograms:", "(tonne) × 1000", kTimes1000},
     {"Kilograms -> Tonne", "Enter Kilograms", "Tonne:", "(kgrams) / 1000", kOver1000}},
    {2,
     "Kilograms <=> Grams",
     {"Kilograms -> Grams", "Enter Kilograms", "Grams:", "(kgrams) × 1000", kTimes1000},
     {"Grams -> Kilograms", "Enter Grams", "Kilograms:", "(grams) / 1000", kOver1000}},
    {3,
     "Grams <=> Milligrams",
     {"Grams -> Milligrams", "Enter Grams", "Milligrams:", "(grams) × 1000", kTimes1000},
     {"Milligrams -> Grams", "Enter Milligrams", "Grams:", "(mgrams) / 1000", kOver1000}},
    {4,
     "Milligrams <=> Micrograms",
     {"Milligrams -> Micrograms", "Enter Milligrams", "Micrograms:", "(mgrams) × 1000", kTimes1000},
     {"Micrograms -> Milligrams", "Enter Micrograms", "Milligrams:", "(µgrams) / 1000", kOver1000}},
    {5,
     "Microgram <=> Nanogram",
     {"Microgram -> Nanogram", "Enter Micrograms", "Nanograms:", "(µgrams) × 1000", kTimes1000},
     // Every other prompt names the unit typed in, in the plural.
     {"Nanogram -> Microgram", "Enter Nanograms", "Micrograms:", "(ngrams) / 1000", kOver1000}},
};
static_assert(std::size(kFormulas) == 26);

// The lookups return the first match, so a repeated key would hide a formula.
constexpr bool KeysUnique() {
    constexpr std::size_t n = std::size(kFormulas);
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            const ConversionFormula& a = kFormulas[i];
            const ConversionFormula& b = kFormulas[j];
            if (a.caption == b.caption || a.forward.caption == b.forward.caption ||
                a.reverse.caption == b.reverse.caption) {
                return false;
            }
        }
    }
    return true;
}
static_assert(KeysUnique());

// A direction without steps would show the amount unconverted.
constexpr bool EveryDirectionHasSteps() {
    for (const ConversionFormula& formula : kFormulas) {
        if (formula.forward.steps.empty() || formula.reverse.steps.empty()) return false;
    }
    return true;
}
static_assert(EveryDirectionHasSteps());

// An area's formulas are a run of kFormulas, so every lookup hands out the same objects.
constexpr ConversionArea Area(std::string_view name, std::size_t first, std::size_t count) {
    return {name, std::span<const ConversionFormula>(kFormulas).subspan(first, count)};
}

constexpr ConversionArea kAreas[] = {
    Area("Bytes", 0, 3),
    Area("Measurements (U.S. <=> Metric)", 3, 6),
    Area("Measurements (U.S. <=> U.S.)", 9, 2),
    Area("Measurements (Metric <=> Metric)", 11, 4),
    Area("Temperature", 15, 1),
    Area("Weight (U.S. <=> Metric)", 16, 3),
    Area("Weight (U.S. <=> U.S.)", 19, 2),
    Area("Weight (Metric <=> Metric)", 21, 5),
};

// The runs must tile kFormulas and number their buttons from 1.
constexpr bool AreasTileFormulas() {
    std::size_t next = 0;
    for (const ConversionArea& area : kAreas) {
        if (area.formulas.data() != kFormulas + next) return false;
        int slot = 1;
        for (const ConversionFormula& formula : area.formulas) {
            if (formula.slot != slot++) return false;
        }
        next += area.formulas.size();
    }
    return next == std::size(kFormulas);
}
static_assert(AreasTileFormulas());

constexpr std::string_view kAreaEntries[] = {
    kAreas[0].name,
    kAreas[1].name,
    kAreas[2].name,
    kAreas[3].name,
    kAreas[4].name,
    kAreas[5].name,
    kAreas[6].name,
    kAreas[7].name,
    // Listed but offering nothing: no area carries these names.
    "[x] Liquid Measures (U.S. <=> Metric)",
    "[x] Liquid Measures (U.S. <=> U.S.)",
    "[x] Liquid Measures (Metric <=> Metric)",
};
static_assert(std::size(kAreaEntries) == kAreaEntryCount);

template <typename Pick>
std::optional<FoundDirection> FindDirection(std::string_view caption, Pick pick) {
    for (const ConversionFormula& formula : kFormulas) {
        const ConversionDirection& direction = pick(formula);
        if (direction.caption == caption) return FoundDirection{&formula, &direction};
    }
    return std::nullopt;
}

}  // namespace

std::span<const std::string_view> AreaEntries() {
    return kAreaEntries;
}

const ConversionArea* FindArea(std::string_view text) {
    const auto* it = std::find_if(std::begin(kAreas), std::end(kAreas),
                                  [text](const ConversionArea& area) { return area.name == text; });
    return it == std::end(kAreas) ? nullptr : it;
}

const ConversionFormula* FindFormula(int slot, std::string_view caption) {
    const auto* it = std::find_if(std::begin(kFormulas), std::end(kFormulas),
                                  [slot, caption](const ConversionFormula& formula) {
                                      return formula.slot == slot && formula.caption == caption;
                                  });
    return it == std::end(kFormulas) ? nullptr : it;
}

std::optional<FoundDirection> FindForwardDirection(std::string_view caption) {
    return FindDirection(caption, [](const ConversionFormula& f) -> const ConversionDirection& {
        return f.forward;
    });
}

std::optional<FoundDirection> FindReverseDirection(std::string_view caption) {
    return FindDirection(caption, [](const ConversionFormula& f) -> const ConversionDirection& {
        return f.reverse;
    });
}

std::span<const ConversionFormula> AllFormulas() {
    return kFormulas;
}

}  // namespace ombrelo::conversion
