#include "conversion/convert.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/catalog.h"
#include "numbers/run_time_error.h"

namespace ombrelo::conversion {

using numbers::kInvalidProcedureCall;
using numbers::kOverflow;
using numbers::kTypeMismatch;
using numbers::RegionalNumberSettings;
using numbers::RunTimeError;
namespace {

constexpr std::string_view kAmountBox[] = {"txtCalc1", "txtCalc2"};
constexpr std::string_view kResultLabel[] = {"lblCalc3", "lblCalc6"};
constexpr std::string_view kFormulaLabel[] = {"lblCalcFrm1", "lblCalcFrm2"};

std::size_t Index(Direction direction) {
    return direction == Direction::Forward ? 0 : 1;
}

// The controls Convert touches, with every read and write after the formula buttons logged
// in order.
class RecordingForm final : public ConvertForm {
  public:
    // Slots 1..8: the window has eight formula buttons, Convert must read only six.
    std::array<bool, 9> value{};
    std::array<std::string, 9> caption;
    std::array<std::string, 2> amount{"0", "0"};
    mutable std::deque<std::string> decimalPlaces{"2"};  // one per read; the last one repeats
    std::array<std::string, 2> result{"old result 1", "old result 2"};
    std::array<std::string, 2> formula{"old formula 1", "old formula 2"};
    mutable std::vector<std::string> log;

    void Select(int slot, std::string_view text) {
        value.at(static_cast<std::size_t>(slot)) = true;
        caption.at(static_cast<std::size_t>(slot)) = text;
    }

    std::vector<std::string> Writes() const {
        std::vector<std::string> writes;
        for (const std::string& entry : log) {
            if (entry.find('=') != std::string::npos) writes.push_back(entry);
        }
        return writes;
    }

    bool FormulaValue(int slot) const override { return value.at(static_cast<std::size_t>(slot)); }
    std::string FormulaCaption(int slot) const override {
        return caption.at(static_cast<std::size_t>(slot));
    }
    std::string AmountText(Direction direction) const override {
        log.push_back("read " + std::string(kAmountBox[Index(direction)]));
        return amount.at(Index(direction));
    }
    std::string DecimalPlacesText() const override {
        log.emplace_back("read txtCalcDeci");
        std::string text = decimalPlaces.front();
        if (decimalPlaces.size() > 1) decimalPlaces.pop_front();
        return text;
    }
    std::string ResultCaption(Direction direction) const override {
        log.push_back("read " + std::string(kResultLabel[Index(direction)]));
        return result.at(Index(direction));
    }
    void SetResultCaption(Direction direction, std::string_view text) override {
        log.push_back(std::string(kResultLabel[Index(direction)]) + "=" + std::string(text));
        result.at(Index(direction)) = text;
    }
    void SetFormulaText(Direction direction, std::string_view text) override {
        log.push_back(std::string(kFormulaLabel[Index(direction)]) + "=" + std::string(text));
        formula.at(Index(direction)) = text;
    }
};

// One click of Convert: the selected formula, the two amounts and the decimal places.
struct Click {
    std::string_view key;
    int slot;
    std::string_view forwardAmount;
    std::string_view reverseAmount;
    std::string_view decimalPlaces;
};

RecordingForm FormFor(const Click& c) {
    RecordingForm form;
    form.Select(c.slot, c.key);
    form.amount = {std::string(c.forwardAmount), std::string(c.reverseAmount)};
    form.decimalPlaces = {std::string(c.decimalPlaces)};
    return form;
}

std::ostream& operator<<(std::ostream& out, const Click& c) {
    return out << c.key << " [" << c.forwardAmount << "] [" << c.reverseAmount
               << "] d=" << c.decimalPlaces;
}

// Each formula is found through its own button and caption, and converts 1 in both directions
// with its whole constant: the raw result is written to 15 digits first, where a constant cut
// short ("28.349" for 28.34952313) shows, though it would still round to the right 2 places.
TEST(RunConvert, EveryDirectionOfEveryFormulaConvertsOneWithItsWholeConstant) {
    struct Case {
        std::string_view key;
        int slot;
        std::string_view forwardOfOne;
        std::string_view reverseOfOne;
    };
    static constexpr Case kCases[] = {
        {"Bytes <=> KiloBytes", 1, "0.0009765625", "1024"},
        {"KiloBytes <=> MegaBytes", 2, "0.0009765625", "1024"},
        {"MegaBytes <=> GigaBytes", 3, "0.0009765625", "1024"},
        {"Miles <=> Kilometers", 1, "1.609", "0.621504039776259"},
        {"Feet <=> Meters", 2, "0.304785126485827", "3.281"},
        {"Inches <=> Centimeters", 3, "2.54", "0.393700787401575"},
        {"Yards <=> Meters", 4, "0.9144", "1.09361329833771"},
        {"Miles <=> Meters", 5, "1609.3", "0.000621388181196794"},
        {"Inches <=> Millimeters", 6, "25.4", "0.0393700787401575"},
        {"Yards <=> Feet", 1, "3", "0.333333333333333"},
        {"Feet <=> Inches", 2, "12", "0.0833333333333333"},
        {"Centimeters <=> Millimeters", 1, "10", "0.1"},
        {"Meters <=> Centimeters", 2, "100", "0.01"},
        {"Meters <=> Millimeters", 3, "1000", "0.001"},
        {"Kilometers <=> Meters", 4, "1000", "0.001"},
        {"C° <=> F°", 1, "33.8", "-17.2222222222222"},
        {"Tons <=> Kilograms", 1, "907.18474", "0.00110231131092439"},
        {"Pounds <=> Kilograms", 2, "0.453592369968886", "2.204622622"},
        {"Ounces <=> Grams", 3, "28.34952313", "0.0352739619433591"},
        {"Tons <=> Pounds", 1, "2000", "0.0005"},
        {"Pounds <=> Ounces", 2, "16", "0.0625"},
        {"Tonne <=> Kilograms", 1, "1000", "0.001"},
        {"Kilograms <=> Grams", 2, "1000", "0.001"},
        {"Grams <=> Milligrams", 3, "1000", "0.001"},
        {"Milligrams <=> Micrograms", 4, "1000", "0.001"},
        {"Microgram <=> Nanogram", 5, "1000", "0.001"},
    };
    ASSERT_EQ(std::size(kCases), AllFormulas().size());
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.key);
        RecordingForm form;
        form.Select(c.slot, c.key);
        const ConversionFormula* formula = FindFormula(c.slot, c.key);
        ASSERT_NE(formula, nullptr);
        // Selecting exactly this button with this caption activates exactly this formula.
        EXPECT_EQ(FindActiveFormula(form), formula);
        form.amount = {"1", "1"};
        RunConvert(form, {});
        const std::vector<std::string> writes = form.Writes();
        ASSERT_EQ(writes.size(), 6U);
        EXPECT_EQ(writes[0], "lblCalc3=" + std::string(c.forwardOfOne));
        EXPECT_EQ(writes[2], "lblCalc6=" + std::string(c.reverseOfOne));
        EXPECT_EQ(form.formula[0], formula->forward.formulaText);
        EXPECT_EQ(form.formula[1], formula->reverse.formulaText);
    }
}

// Dot: the usual "." and "," in threes; Comma: de_DE; NarrowSpace: fr_FR; Default4: 4 places
// when -1 is asked for.
enum Settings : std::size_t { Dot, Comma, NarrowSpace, Default4 };

// The raw number text is written, read back under the same settings and rewritten, so every
// number form the first write can produce must read back under a decimal comma too.
TEST(RunConvert, ShowsRoundedResultsUnderTheRegionalSettings) {
    const RegionalNumberSettings kSettings[] = {
        {},
        {.decimalSeparator = ",", .groupSeparator = "."},
        {.decimalSeparator = ",", .groupSeparator = "\u202F"},
        {.defaultDecimals = 4},
    };
    static constexpr struct {
        Settings settings;
        Click click;
        std::string_view forwardShown;
        std::string_view reverseShown;
    } kCases[] = {
        // 1.005 × 100 is 100.49999999999999 but shows 100.50: rounding starts from 15 digits.
        {Dot, {"Meters <=> Centimeters", 2, "1.005", "0", "2"}, "100.50", "0.00"},
        // Amounts take the number the text begins with; blanks are dropped first.
        {Dot, {"Yards <=> Feet", 1, "12abc", "abc", "2"}, "36.00", "0.00"},
        {Dot, {"Yards <=> Feet", 1, "1,5", "- 6", "2"}, "3.00", "-2.00"},
        {Dot, {"Yards <=> Feet", 1, "1 000", "1e3", "2"}, "3,000.00", "333.33"},
        // Decimal places go to the nearest whole number; -1 means the regional default.
        {Dot, {"Bytes <=> KiloBytes", 1, "1000", "5", "3.5"}, "0.9766", "5,120.0000"},
        {Dot, {"Bytes <=> KiloBytes", 1, "1000", "5", " 9 "}, "0.976562500", "5,120.000000000"},
        {Default4, {"Bytes <=> KiloBytes", 1, "1000", "5", "-1"}, "0.9766", "5,120.0000"},
        {Comma, {"Bytes <=> KiloBytes", 1, "1000", "5", "3,5"}, "0,9766", "5.120,0000"},
        // An amount in the regional format is read so; "4.5", grouped wrong, by its leading
        // number.
        {Comma, {"Yards <=> Feet", 1, "1,5", "4.5", "2"}, "4,50", "1,50"},
        {Comma,
         {"Meters <=> Millimeters", 3, "123456789.123456789", "0", "9"},
         "123.456.789.123,457000000",
         "0,000000000"},
        {Comma,
         {"Grams <=> Milligrams", 3, "1E+20", "1E-20", "2"},
         "100.000.000.000.000.000.000.000,00",
         "0,00"},
        {Comma, {"C° <=> F°", 1, "", "", "2"}, "32,00", "-17,78"},
        {NarrowSpace,
         {"Bytes <=> KiloBytes", 1, "1000", "1234567", "2"},
         "0,98",
         "1\u202F264\u202F196\u202F608,00"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.click);
        RecordingForm form = FormFor(c.click);
        RunConvert(form, kSettings[c.settings]);
        EXPECT_EQ(form.result[0], c.forwardShown);
        EXPECT_EQ(form.result[1], c.reverseShown);
    }
}

TEST(RunConvert, ReadsAndWritesInOrder) {
    RecordingForm form;
    form.Select(1, "Bytes <=> KiloBytes");
    form.amount = {"1000", "5"};
    form.decimalPlaces = {"0", "3"};  // read anew for each column
    RunConvert(form, {});
    const std::vector<std::string> expected = {
        "read txtCalc1",
        "lblCalc3=0.9765625",
        "read txtCalcDeci",
        "read lblCalc3",
        "lblCalc3=1",
        "read txtCalc2",
        "lblCalc6=5120",
        "read txtCalcDeci",
        "read lblCalc6",
        "lblCalc6=5,120.000",
        "lblCalcFrm1=(bytes) / 1024",
        "lblCalcFrm2=(kbytes) × 1024",
    };
    EXPECT_EQ(form.log, expected);
}

// An error ends the click where it is raised; what was written before stays.
TEST(RunConvert, ErrorKeepsEarlierWrites) {
    static constexpr struct {
        Click click;
        int error;
        std::string_view writes;  // in order, each followed by "; "
    } kCases[] = {
        {{"Bytes <=> KiloBytes", 1, "1000", "1E+306", "2"},
         kOverflow,
         "lblCalc3=0.9765625; lblCalc3=0.98; "},
        {{"Bytes <=> KiloBytes", 1, "1E+306", "0", "2"}, 0, ""},  // dividing cannot overflow
        {{"Bytes <=> KiloBytes", 1, "1E+999", "0", "2"}, kOverflow, ""},
        {{"Bytes <=> KiloBytes", 1, "1000", "0", "abc"}, kTypeMismatch, "lblCalc3=0.9765625; "},
        {{"Bytes <=> KiloBytes", 1, "1000", "0", "12"},
         kInvalidProcedureCall,
         "lblCalc3=0.9765625; "},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.click);
        RecordingForm form = FormFor(c.click);
        int error = 0;
        try {
            RunConvert(form, {});
        } catch (const RunTimeError& raised) {
            error = raised.Number();
        }
        EXPECT_EQ(error, c.error);
        if (c.error == 0) continue;
        std::string writes;
        for (const std::string& write : form.Writes())
            writes += write + "; ";
        EXPECT_EQ(writes, c.writes);
        EXPECT_EQ(form.result[1], "old result 2");
        EXPECT_EQ(form.formula[0], "old formula 1");
        EXPECT_EQ(form.formula[1], "old formula 2");
    }
}

// Without a selected button carrying a key, exactly, on its own slot, Convert writes nothing.
TEST(RunConvert, NoActiveFormulaWritesNothing) {
    struct Case {
        const char* name;
        int selectedSlot;  // 0: none
        std::string_view selectedCaption;
    };
    static constexpr Case kCases[] = {
        {"nothing selected", 0, ""},
        {"caption on the wrong button", 1, "Microgram <=> Nanogram"},
        {"seventh button", 7, "Bytes <=> KiloBytes"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        RecordingForm form;
        // The unselected buttons carry real keys, as after choosing an area.
        form.caption[1] = "Bytes <=> KiloBytes";
        form.caption[2] = "KiloBytes <=> MegaBytes";
        form.caption[3] = "MegaBytes <=> GigaBytes";
        if (c.selectedSlot != 0) form.Select(c.selectedSlot, c.selectedCaption);
        EXPECT_EQ(FindActiveFormula(form), nullptr);
        form.log.clear();
        RunConvert(form, {});
        EXPECT_TRUE(form.log.empty());
        EXPECT_EQ(form.result[0], "old result 1");
        EXPECT_EQ(form.formula[0], "old formula 1");
    }
}

// (98.6 - 32) / 1.8 in doubles; multiplying by 5/9 would give 37 exactly. The other steps' order
// and overflow show in the tests above.
TEST(ConvertAmount, FahrenheitDividesByOnePointEight) {
    EXPECT_EQ(ConvertAmount(FindFormula(1, "C° <=> F°")->reverse, "98.6", {}), 36.99999999999999);
}

}  // namespace
}  // namespace ombrelo::conversion
