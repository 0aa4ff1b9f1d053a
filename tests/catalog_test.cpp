#include "conversion/catalog.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace ombrelo::conversion {
namespace {

TEST(Catalog, AreaListHoldsElevenEntriesInOrder) {
    static constexpr std::string_view kExpected[] = {
        "Bytes",
        "Measurements (U.S. <=> Metric)",
        "Measurements (U.S. <=> U.S.)",
        "Measurements (Metric <=> Metric)",
        "Temperature",
        "Weight (U.S. <=> Metric)",
        "Weight (U.S. <=> U.S.)",
        "Weight (Metric <=> Metric)",
        "[x] Liquid Measures (U.S. <=> Metric)",
        "[x] Liquid Measures (U.S. <=> U.S.)",
        "[x] Liquid Measures (Metric <=> Metric)",
    };
    const auto entries = AreaEntries();
    ASSERT_EQ(entries.size(), std::size(kExpected));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(entries[i], kExpected[i]);
    }
}

TEST(Catalog, FindAreaMatchesWholeNamesExactly) {
    struct Case {
        std::string_view text;
        std::size_t formulas;  // 0: no area found
        std::string_view firstCaption;
    };
    static constexpr Case kCases[] = {
        {"Bytes", 3, "Bytes <=> KiloBytes"},
        {"Measurements (U.S. <=> Metric)", 6, "Miles <=> Kilometers"},
        {"Measurements (U.S. <=> U.S.)", 2, "Yards <=> Feet"},
        {"Measurements (Metric <=> Metric)", 4, "Centimeters <=> Millimeters"},
        {"Temperature", 1, "C° <=> F°"},
        {"Weight (U.S. <=> Metric)", 3, "Tons <=> Kilograms"},
        {"Weight (U.S. <=> U.S.)", 2, "Tons <=> Pounds"},
        {"Weight (Metric <=> Metric)", 5, "Tonne <=> Kilograms"},
        {"bytes", 0, ""},
        {"BYTES", 0, ""},
        {" Bytes", 0, ""},
        {"Bytes ", 0, ""},
        {"Byte", 0, ""},
        {"", 0, ""},
        {"Choose and click Select", 0, ""},
        {"[x] Liquid Measures (U.S. <=> Metric)", 0, ""},
        {"[x] Liquid Measures (U.S. <=> U.S.)", 0, ""},
        {"[x] Liquid Measures (Metric <=> Metric)", 0, ""},
        {"Liquid Measures (U.S. <=> Metric)", 0, ""},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        const ConversionArea* area = FindArea(c.text);
        if (c.formulas == 0) {
            EXPECT_EQ(area, nullptr);
            continue;
        }
        ASSERT_NE(area, nullptr);
        EXPECT_EQ(area->name, c.text);
        ASSERT_EQ(area->formulas.size(), c.formulas);
        EXPECT_EQ(area->formulas.front().caption, c.firstCaption);
    }
}

TEST(Catalog, EveryFormulaSitsOnTheButtonOfItsPosition) {
    std::size_t total = 0;
    for (const std::string_view entry : AreaEntries()) {
        const ConversionArea* area = FindArea(entry);
        if (area == nullptr) continue;
        for (std::size_t i = 0; i < area->formulas.size(); ++i) {
            const ConversionFormula& formula = area->formulas[i];
            SCOPED_TRACE(std::string(formula.caption));
            EXPECT_EQ(formula.slot, static_cast<int>(i) + 1);
            // Lookups hand out the very object the area lists, so the window may compare them.
            EXPECT_EQ(FindFormula(formula.slot, formula.caption), &formula);
            EXPECT_EQ(&AllFormulas()[total], &formula);
            ++total;
        }
    }
    EXPECT_EQ(total, 26U);
    EXPECT_EQ(AllFormulas().size(), 26U);
}

TEST(Catalog, FindFormulaNeedsTheCaptionOnItsOwnButton) {
    struct Case {
        int slot;
        std::string_view caption;
        bool found;
    };
    static constexpr Case kCases[] = {
        {5, "Microgram <=> Nanogram", true},
        {1, "Microgram <=> Nanogram", false},
        {4, "Microgram <=> Nanogram", false},
        {6, "Microgram <=> Nanogram", false},
        {7, "Microgram <=> Nanogram", false},
        {1, "C° <=> F°", true},
        {2, "C° <=> F°", false},
        {1, "C <=> F", false},
        {6, "Inches <=> Millimeters", true},
        {2, "Kilograms <=> Grams", true},
        {2, "Kilograms <=> grams", false},
        {2, "Kilograms <=> Grams ", false},
        {0, "Bytes <=> KiloBytes", false},
        {1, "Bytes -> KiloBytes", false},
        {1, "", false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.slot << " " << c.caption);
        const ConversionFormula* formula = FindFormula(c.slot, c.caption);
        if (!c.found) {
            EXPECT_EQ(formula, nullptr);
            continue;
        }
        ASSERT_NE(formula, nullptr);
        EXPECT_EQ(formula->slot, c.slot);
        EXPECT_EQ(formula->caption, c.caption);
    }
}

TEST(Catalog, DirectionLookupsSearchTheirOwnKindOnly) {
    struct Case {
        std::string_view caption;
        std::string_view forwardOf;  // "" when not a forward caption
        std::string_view reverseOf;  // "" when not a reverse caption
    };
    static constexpr Case kCases[] = {
        {"Bytes -> KiloBytes", "Bytes <=> KiloBytes", ""},
        {"KiloBytes -> Bytes", "", "Bytes <=> KiloBytes"},
        {"Centimeter -> Millimeter", "Centimeters <=> Millimeters", ""},
        {"Centimeters -> Millimeters", "", ""},
        {"Millimeter -> Centimeter", "", "Centimeters <=> Millimeters"},
        // The same text is a forward caption of one formula and a reverse caption of another.
        {"Meters -> Centimeters", "Meters <=> Centimeters", ""},
        {"Centimeters -> Meters", "", "Meters <=> Centimeters"},
        {"Meters -> Feet", "", "Feet <=> Meters"},
        {"Kilograms -> Grams", "Kilograms <=> Grams", ""},
        {"Grams -> Kilograms", "", "Kilograms <=> Grams"},
        {"Nanogram -> Microgram", "", "Microgram <=> Nanogram"},
        {"F° -> C°", "", "C° <=> F°"},
        {"C° -> F°", "C° <=> F°", ""},
        {"C -> F", "", ""},
        {"bytes -> kilobytes", "", ""},
        {"Bytes <=> KiloBytes", "", ""},
        {"", "", ""},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.caption);
        const auto forward = FindForwardDirection(c.caption);
        ASSERT_EQ(forward.has_value(), !c.forwardOf.empty());
        if (forward) {
            EXPECT_EQ(forward->formula->caption, c.forwardOf);
            EXPECT_EQ(forward->direction, &forward->formula->forward);
        }
        const auto reverse = FindReverseDirection(c.caption);
        ASSERT_EQ(reverse.has_value(), !c.reverseOf.empty());
        if (reverse) {
            EXPECT_EQ(reverse->formula->caption, c.reverseOf);
            EXPECT_EQ(reverse->direction, &reverse->formula->reverse);
        }
    }
}

TEST(Catalog, EveryDirectionIsFoundThroughItsOwnCaption) {
    for (const ConversionFormula& formula : AllFormulas()) {
        SCOPED_TRACE(std::string(formula.caption));
        const auto forward = FindForwardDirection(formula.forward.caption);
        ASSERT_TRUE(forward.has_value());
        EXPECT_EQ(forward->formula, &formula);
        const auto reverse = FindReverseDirection(formula.reverse.caption);
        ASSERT_TRUE(reverse.has_value());
        EXPECT_EQ(reverse->formula, &formula);
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
