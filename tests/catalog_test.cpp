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

// The window shows these texts as they are; a transliteration (x for ×, u for µ) or a
// Latin-1 byte would show up as a different character or break the comparisons.
TEST(Catalog, SpecialCharactersAreUtf8) {
    struct Case {
        std::string_view text;
        std::string_view expectedBytes;
    };
    const Case kCases[] = {
        {FindArea("Temperature")->formulas[0].caption, "C\xC2\xB0 <=> F\xC2\xB0"},
        {FindArea("Temperature")->formulas[0].forward.formulaText, "(C\xC2\xB0 \xC3\x97 1.8) + 32"},
        {FindArea("Temperature")->formulas[0].reverse.formulaText,
         "(F\xC2\xB0 - 32) \xC3\x97 (5 / 9)"},
        {FindArea("Weight (Metric <=> Metric)")->formulas[3].reverse.formulaText,
         "(\xC2\xB5grams) / 1000"},
        {FindArea("Weight (Metric <=> Metric)")->formulas[4].forward.formulaText,
         "(\xC2\xB5grams) \xC3\x97 1000"},
        {FindArea("Bytes")->formulas[0].reverse.formulaText, "(kbytes) \xC3\x97 1024"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.expectedBytes);
        EXPECT_EQ(c.text, c.expectedBytes);
    }
}

// The texts that break the usual pattern are where a slip is most likely.
TEST(Catalog, IrregularPromptsAndLabels) {
    struct Case {
        std::string_view directionCaption;
        bool forward;
        std::string_view prompt;
        std::string_view resultLabel;
        std::string_view formulaText;
    };
    static constexpr Case kCases[] = {
        {"Bytes -> KiloBytes", true, "Enter Byte Amount", "KiloBytes:", "(bytes) / 1024"},
        {"GigaBytes -> MegaBytes", false, "Enter GigaByte Amount", "MegaBytes:", "(gbytes) × 1024"},
        {"Yards -> Meters", true, "Enter Yards", "Meters:", "(yards) × .9144"},
        {"Meters -> Yards", false, "Enter Meters", "Yards:", "(meters) / .9144"},
        {"Centimeter -> Millimeter", true, "Enter Centimeters",
         "Millimeters:", "(centimeters) × 10"},
        {"Millimeter -> Centimeter", false, "Enter Millimeters",
         "Centimeters:", "(millimeters) / 10"},
        {"Kilograms -> Tons", false, "Enter Kilograms", "Tons:", "(kgrams) / 907.1847"},
        {"Tonne -> Kilograms", true, "Enter Tonne", "Kilograms:", "(tonne) × 1000"},
        {"Kilograms -> Tonne", false, "Enter Kilograms", "Tonne:", "(kgrams) / 1000"},
        {"Microgram -> Nanogram", true, "Enter Micrograms", "Nanograms:", "(µgrams) × 1000"},
        {"Nanogram -> Microgram", false, "Enter Nanograms", "Micrograms:", "(ngrams) / 1000"},
        {"F° -> C°", false, "Enter F°", "C°:", "(F° - 32) × (5 / 9)"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.directionCaption);
        const auto found = c.forward ? FindForwardDirection(c.directionCaption)
                                     : FindReverseDirection(c.directionCaption);
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(found->direction->prompt, c.prompt);
        EXPECT_EQ(found->direction->resultLabel, c.resultLabel);
        EXPECT_EQ(found->direction->formulaText, c.formulaText);
    }
}

// Forward goes from the caption's left unit to its right one; the reverse is its mirror.
TEST(Catalog, ReverseCaptionMirrorsForwardCaption) {
    for (const ConversionFormula& formula : AllFormulas()) {
        SCOPED_TRACE(std::string(formula.caption));
        const std::string_view forward = formula.forward.caption;
        const std::size_t arrow = forward.find(" -> ");
        ASSERT_NE(arrow, std::string_view::npos);
        const std::string mirrored =
            std::string(forward.substr(arrow + 4)) + " -> " + std::string(forward.substr(0, arrow));
        EXPECT_EQ(formula.reverse.caption, mirrored);
        EXPECT_EQ(formula.forward.resultLabel.back(), ':');
        EXPECT_EQ(formula.reverse.resultLabel.back(), ':');
    }
}

}  // namespace
}  // namespace ombrelo::conversion
