#include "conversion/catalog.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace ombrelo::conversion {
namespace {

// The area list in order; each area is found by its exact name, the "[x] " ones by none.
TEST(Catalog, AreaListAndItsAreas) {
    static constexpr struct {
        std::string_view name;
        std::size_t formulas;  // 0: no area
        std::string_view firstCaption;
    } kEntries[] = {
        {"Bytes", 3, "Bytes <=> KiloBytes"},
        {"Measurements (U.S. <=> Metric)", 6, "Miles <=> Kilometers"},
        {"Measurements (U.S. <=> U.S.)", 2, "Yards <=> Feet"},
        {"Measurements (Metric <=> Metric)", 4, "Centimeters <=> Millimeters"},
        {"Temperature", 1, "C° <=> F°"},
        {"Weight (U.S. <=> Metric)", 3, "Tons <=> Kilograms"},
        {"Weight (U.S. <=> U.S.)", 2, "Tons <=> Pounds"},
        {"Weight (Metric <=> Metric)", 5, "Tonne <=> Kilograms"},
        {"[x] Liquid Measures (U.S. <=> Metric)", 0, ""},
        {"[x] Liquid Measures (U.S. <=> U.S.)", 0, ""},
        {"[x] Liquid Measures (Metric <=> Metric)", 0, ""},
    };
    const auto entries = AreaEntries();
    ASSERT_EQ(entries.size(), std::size(kEntries));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& c = kEntries[i];
        SCOPED_TRACE(c.name);
        EXPECT_EQ(entries[i], c.name);
        const ConversionArea* area = FindArea(c.name);
        if (c.formulas == 0) {
            EXPECT_EQ(area, nullptr);
            continue;
        }
        ASSERT_NE(area, nullptr);
        EXPECT_EQ(area->name, c.name);
        ASSERT_EQ(area->formulas.size(), c.formulas);
        EXPECT_EQ(area->formulas.front().caption, c.firstCaption);
    }
}

// Lookups hand out the very objects the catalog lists, so the window may compare them; each
// direction lookup searches its own kind only.
TEST(Catalog, EveryFormulaAndDirectionIsFoundWhereItIsOffered) {
    std::size_t total = 0;
    for (const std::string_view entry : AreaEntries()) {
        const ConversionArea* area = FindArea(entry);
        if (area == nullptr) continue;
        for (std::size_t i = 0; i < area->formulas.size(); ++i) {
            const ConversionFormula& formula = area->formulas[i];
            SCOPED_TRACE(std::string(formula.caption));
            EXPECT_EQ(formula.slot, static_cast<int>(i) + 1);
            EXPECT_EQ(FindFormula(formula.slot, formula.caption), &formula);
            EXPECT_EQ(&AllFormulas()[total++], &formula);
            const auto forward = FindForwardDirection(formula.forward.caption);
            ASSERT_TRUE(forward.has_value());
            EXPECT_EQ(forward->direction, &formula.forward);
            EXPECT_EQ(forward->formula, &formula);
            const auto reverse = FindReverseDirection(formula.reverse.caption);
            ASSERT_TRUE(reverse.has_value());
            EXPECT_EQ(reverse->direction, &formula.reverse);
            EXPECT_EQ(reverse->formula, &formula);
            // A caption is found as the other kind only if it is one ("Meters -> Feet" is not).
            const auto crossed = FindReverseDirection(formula.forward.caption);
            EXPECT_TRUE(!crossed || (crossed->direction == &crossed->formula->reverse &&
                                     crossed->direction->caption == formula.forward.caption));
            const auto crossedBack = FindForwardDirection(formula.reverse.caption);
            EXPECT_TRUE(!crossedBack ||
                        (crossedBack->direction == &crossedBack->formula->forward &&
                         crossedBack->direction->caption == formula.reverse.caption));
        }
    }
    EXPECT_EQ(total, AllFormulas().size());
}

// Keys match whole and exact (case, blanks, "°"), and a formula only on its own button.
TEST(Catalog, NearMissesFindNothing) {
    for (const std::string_view text :
         {"bytes", " Bytes", "Bytes ", "Byte", "", "Choose and click Select",
          "Liquid Measures (U.S. <=> Metric)"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(FindArea(text), nullptr);
    }
    static constexpr struct {
        int slot;
        std::string_view caption;
    } kFormulas[] = {
        {4, "Microgram <=> Nanogram"},
        {6, "Microgram <=> Nanogram"},
        {7, "Microgram <=> Nanogram"},
        {0, "Bytes <=> KiloBytes"},
        {1, "C <=> F"},
        {2, "Kilograms <=> grams"},
        {2, "Kilograms <=> Grams "},
        {1, "Bytes -> KiloBytes"},
        {1, ""},
    };
    for (const auto& c : kFormulas) {
        SCOPED_TRACE(testing::Message() << c.slot << " " << c.caption);
        EXPECT_EQ(FindFormula(c.slot, c.caption), nullptr);
    }
    for (const std::string_view caption : {"Centimeters -> Millimeters", "C -> F",
                                           "bytes -> kilobytes", "Bytes <=> KiloBytes", ""}) {
        SCOPED_TRACE(caption);
        EXPECT_FALSE(FindForwardDirection(caption).has_value());
        EXPECT_FALSE(FindReverseDirection(caption).has_value());
    }
}

// Every text the window shows for a direction, character for character: a prompt or label
// one letter off ("Kilometer:") would show wrong and stop matching the handlers' comparisons,
// and a transliteration (x for ×, u for µ) or a Latin-1 byte would not be these UTF-8 texts.
TEST(Catalog, EveryDirectionShowsItsTextsExactly) {
    // Forward then reverse, formula by formula in catalog order.
    static constexpr ConversionDirection kExpected[] = {
        {"Bytes -> KiloBytes", "Enter Byte Amount", "KiloBytes:", "(bytes) / 1024"},
        {"KiloBytes -> Bytes", "Enter KiloByte Amount", "Bytes:", "(kbytes) × 1024"},
        {"KiloBytes -> MegaBytes", "Enter KiloByte Amount", "MegaBytes:", "(kbytes) / 1024"},
        {"MegaBytes -> KiloBytes", "Enter MegaByte Amount", "KiloBytes:", "(mbytes) × 1024"},
        {"MegaBytes -> GigaBytes", "Enter MegaByte Amount", "GigaBytes:", "(mbytes) / 1024"},
        {"GigaBytes -> MegaBytes", "Enter GigaByte Amount", "MegaBytes:", "(gbytes) × 1024"},
        {"Miles -> Kilometers", "Enter Miles", "Kilometers:", "(miles) × 1.609"},
        {"Kilometers -> Miles", "Enter Kilometers", "Miles:", "(kilometers) / 1.609"},
        {"Feet -> Meters", "Enter Feet", "Meters:", "(feet) / 3.281"},
        {"Meters -> Feet", "Enter Meters", "Feet:", "(meters) × 3.281"},
        {"Inches -> Centimeters", "Enter Inches", "Centimeters:", "(inches) × 2.54"},
        {"Centimeters -> Inches", "Enter Centimeters", "Inches:", "(centimeters) / 2.54"},
        {"Yards -> Meters", "Enter Yards", "Meters:", "(yards) × .9144"},
        {"Meters -> Yards", "Enter Meters", "Yards:", "(meters) / .9144"},
        {"Miles -> Meters", "Enter Miles", "Meters:", "(miles) × 1609.3"},
        {"Meters -> Miles", "Enter Meters", "Miles:", "(meters) / 1609.3"},
        {"Inches -> Millimeters", "Enter Inches", "Millimeters:", "(inches) × 25.4"},
        {"Millimeters -> Inches", "Enter Millimeters", "Inches:", "(millimeters) / 25.4"},
        {"Yards -> Feet", "Enter Yards", "Feet:", "(yards) × 3"},
        {"Feet -> Yards", "Enter Feet", "Yards:", "(feet) / 3"},
        {"Feet -> Inches", "Enter Feet", "Inches:", "(feet) × 12"},
        {"Inches -> Feet", "Enter Inches", "Feet:", "(inches) / 12"},
        {"Centimeter -> Millimeter", "Enter Centimeters", "Millimeters:", "(centimeters) × 10"},
        {"Millimeter -> Centimeter", "Enter Millimeters", "Centimeters:", "(millimeters) / 10"},
        {"Meters -> Centimeters", "Enter Meters", "Centimeters:", "(meters) × 100"},
        {"Centimeters -> Meters", "Enter Centimeters", "Meters:", "(centimeters) / 100"},
        {"Meters -> Millimeters", "Enter Meters", "Millimeters:", "(meters) × 1000"},
        {"Millimeters -> Meters", "Enter Millimeters", "Meters:", "(millimeters) / 1000"},
        {"Kilometers -> Meters", "Enter Kilometers", "Meters:", "(kilometers) × 1000"},
        {"Meters -> Kilometers", "Enter Meters", "Kilometers:", "(meters) / 1000"},
        {"C° -> F°", "Enter C°", "F°:", "(C° × 1.8) + 32"},
        {"F° -> C°", "Enter F°", "C°:", "(F° - 32) × (5 / 9)"},
        {"Tons -> Kilograms", "Enter Tons", "Kilograms:", "(tons) × 907.1847"},
        {"Kilograms -> Tons", "Enter Kilograms", "Tons:", "(kgrams) / 907.1847"},
        {"Pounds -> Kilograms", "Enter Pounds", "Kilograms:", "(pounds) / 2.204"},
        {"Kilograms -> Pounds", "Enter Kilograms", "Pounds:", "(kgrams) × 2.204"},
        {"Ounces -> Grams", "Enter Ounces", "Grams:", "(ounces) × 28.349"},
        {"Grams -> Ounces", "Enter Grams", "Ounces:", "(grams) / 28.349"},
        {"Tons -> Pounds", "Enter Tons", "Pounds:", "(tons) × 2000"},
        {"Pounds -> Tons", "Enter Pounds", "Tons:", "(pounds) / 2000"},
        {"Pounds -> Ounces", "Enter Pounds", "Ounces:", "(pounds) × 16"},
        {"Ounces -> Pounds", "Enter Ounces", "Pounds:", "(ounces) / 16"},
        {"Tonne -> Kilograms", "Enter Tonne", "Kilograms:", "(tonne) × 1000"},
        {"Kilograms -> Tonne", "Enter Kilograms", "Tonne:", "(kgrams) / 1000"},
        {"Kilograms -> Grams", "Enter Kilograms", "Grams:", "(kgrams) × 1000"},
        {"Grams -> Kilograms", "Enter Grams", "Kilograms:", "(grams) / 1000"},
        {"Grams -> Milligrams", "Enter Grams", "Milligrams:", "(grams) × 1000"},
        {"Milligrams -> Grams", "Enter Milligrams", "Grams:", "(mgrams) / 1000"},
        {"Milligrams -> Micrograms", "Enter Milligrams", "Micrograms:", "(mgrams) × 1000"},
        {"Micrograms -> Milligrams", "Enter Micrograms", "Milligrams:", "(µgrams) / 1000"},
        {"Microgram -> Nanogram", "Enter Micrograms", "Nanograms:", "(µgrams) × 1000"},
        {"Nanogram -> Microgram", "Enter Nanograms", "Micrograms:", "(ngrams) / 1000"},
    };
    const auto formulas = AllFormulas();
    ASSERT_EQ(std::size(kExpected), 2 * formulas.size());
    for (std::size_t i = 0; i < std::size(kExpected); ++i) {
        const ConversionDirection& expected = kExpected[i];
        const ConversionDirection& actual =
            i % 2 == 0 ? formulas[i / 2].forward : formulas[i / 2].reverse;
        SCOPED_TRACE(expected.caption);
        EXPECT_EQ(actual.caption, expected.caption);
        EXPECT_EQ(actual.prompt, expected.prompt);
        EXPECT_EQ(actual.resultLabel, expected.resultLabel);
        EXPECT_EQ(actual.formulaText, expected.formulaText);
    }
}

}  // namespace
}  // namespace ombrelo::conversion
