#include "numbers/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <string_view>

#include "numbers/run_time_error.h"
#include "tests/test_seed.h"

namespace ombrelo::numbers {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();

// Point: C and en_US; Comma: de_DE; Indian: hi_IN; NarrowSpace: fr_FR; Apostrophe: de_CH.
enum class Region { Point, Comma, Indian, NarrowSpace, Apostrophe };

RegionalNumberSettings SettingsOf(Region region) {
    RegionalNumberSettings s;
    switch (region) {
        case Region::Point:
            break;
        case Region::Comma:
            s.decimalSeparator = ",";
            s.groupSeparator = ".";
            break;
        case Region::Indian:
            s.groupSizes = {3, 2};
            break;
        case Region::NarrowSpace:
            s.decimalSeparator = ",";
            s.groupSeparator = "\u202F";
            break;
        case Region::Apostrophe:
            s.groupSeparator = "\u2019";
            break;
    }
    return s;
}

// The error number a call raises, or 0.
template <typename Call>
int ErrorOf(Call&& call) {
    try {
        call();
    } catch (const RunTimeError& error) {
        return error.Number();
    }
    return 0;
}

using testing_support::TestSeed;

struct ParseCase {
    std::string_view text;
    double value;
    int error;
};

TEST(ParseLeadingNumber, ReadsTheNumberTheTextBeginsWith) {
    static constexpr ParseCase kCases[] = {
        {"", 0, 0},
        {"abc", 0, 0},
        {"-", 0, 0},
        {"-inf", 0, 0},
        {"-nan", 0, 0},
        {"12abc", 12, 0},
        {"1,5", 1, 0},
        {"1.2.3", 1.2, 0},
        {"1 000", 1000, 0},
        {"- 5", -5, 0},
        {" \t\n4 2\n", 42, 0},
        {"1 2 . 5 e 1", 125, 0},
        {".5", 0.5, 0},
        {"-.5e1", -5, 0},
        {"1e3", 1000, 0},
        {"2.5E-3", 0.0025, 0},
        {"1D2", 100, 0},
        {"1e", 1, 0},
        {"1e+", 1, 0},
        {"9007199254740993", 9007199254740992.0, 0},  // a tie goes to even
        {"1e309", 0, 6},
        {"1.7976931348623157e308", kMax, 0},
        {"1.7976931348623159e308", 0, 6},
        {"1e-400", 0, 0},
        {"4.9406564584124654e-324", kTiny, 0},
        {"2.4703282292062328e-324", kTiny, 0},  // just above half the smallest step
        {"2.4703282292062327e-324", 0, 0},      // just below it
        {"4.9 e-324", kTiny, 0},                // blanks and "D" take the slower reading
        {"1D-322", 1e-322, 0},
        {"&H10", 16, 0},
        {"&HFFFF", -1, 0},
        {"&H8000", -32768, 0},
        {"&H10000", 65536, 0},
        {"&H7FFFFFFF", 2147483647, 0},
        {"&H80000000", -2147483648.0, 0},
        {"&HFFFFFFFF", -1, 0},
        {"&H100000000", 0, 6},
        {"&O777", 511, 0},
        {"&o177777", -1, 0},
        {"&O37777777777", -1, 0},
        {"&O40000000000", 0, 6},
        {"&O18", 1, 0},  // 8 is no octal digit
        {"&H1G", 1, 0},
        {"& H 1 F", 31, 0},
        {"&H", 0, 0},
        {"-&H10", 0, 0},
    };
    for (const ParseCase& c : kCases) {
        SCOPED_TRACE(c.text);
        if (c.error != 0) {
            EXPECT_EQ(ErrorOf([&] { ParseLeadingNumber(c.text); }), c.error);
        } else {
            EXPECT_EQ(ParseLeadingNumber(c.text), c.value);
        }
    }
}

struct RegionalParseCase {
    Region region;
    std::string_view text;
    double value;
    int error;
};

// Each text read under its region's settings gives its value, or raises its error.
template <std::size_t N>
void ExpectReadings(const RegionalParseCase (&cases)[N],
                    double (*read)(std::string_view, const RegionalNumberSettings&)) {
    for (const RegionalParseCase& c : cases) {
        SCOPED_TRACE(c.text);
        const RegionalNumberSettings settings = SettingsOf(c.region);
        if (c.error != 0) {
            EXPECT_EQ(ErrorOf([&] { read(c.text, settings); }), c.error);
        } else {
            EXPECT_EQ(read(c.text, settings), c.value);
        }
    }
}

TEST(ParseNumber, ReadsTheWholeTextUnderTheRegionalSeparators) {
    static constexpr RegionalParseCase kCases[] = {
        {Region::Point, "  12  ", 12, 0},
        {Region::Point, "1,000", 1000, 0},
        {Region::Point, "1,00", 100, 0},
        {Region::Point, "1e3", 1000, 0},
        {Region::Point, "-5.5D-1", -0.55, 0},
        {Region::Point, "1D-322", 1e-322, 0},
        {Region::Point, "0,000.000001e-317", 1e-323, 0},
        {Region::Point, "1E+15", 1e15, 0},
        {Region::Point, ".5", 0.5, 0},
        {Region::Point, "5.", 5, 0},
        {Region::Point, "&H10", 16, 0},
        {Region::Point, " &HFFFF ", -1, 0},
        {Region::Point, "", 0, 13},
        {Region::Point, "12abc", 0, 13},
        {Region::Point, "-", 0, 13},
        {Region::Point, ".", 0, 13},
        {Region::Point, ",100", 0, 13},
        {Region::Point, "100,", 0, 13},
        {Region::Point, "1,,000", 0, 13},
        {Region::Point, "1.000,5", 0, 13},
        {Region::Point, "1 000", 0, 13},
        {Region::Point, "1e", 0, 13},
        {Region::Point, "$5", 0, 13},
        {Region::Point, "5-", 0, 13},
        {Region::Point, "(5)", 0, 13},
        {Region::Point, "-infinity", 0, 13},
        {Region::Point, "-nan(1)", 0, 13},
        {Region::Point, "&H", 0, 13},
        {Region::Point, "&H1G", 0, 13},
        {Region::Point, "-&H10", 0, 13},
        {Region::Point, "&H100000000", 0, 6},
        {Region::Point, "&O19", 0, 13},
        {Region::Point, "1e309", 0, 6},
        {Region::Comma, "1,5", 1.5, 0},
        {Region::Comma, "1.000,5", 1000.5, 0},
        {Region::Comma, "1.5", 15, 0},
        {Region::Comma, "1,5E-05", 1.5e-5, 0},
        {Region::Comma, "4,94E-324", kTiny, 0},
        {Region::Comma, "1,000.5", 0, 13},
        {Region::Indian, "12,34,56,789", 123456789, 0},
        {Region::Indian, "1,234.5", 1234.5, 0},
        {Region::NarrowSpace, "1\u202F234,5", 1234.5, 0},
        {Region::NarrowSpace, "1\u202F234\u202F", 0, 13},
        {Region::NarrowSpace,
         "1\xE2\x80"
         "234",
         0, 13},  // a separator cut short
        {Region::NarrowSpace, "1 234", 0, 13},
    };
    ExpectReadings(kCases, ParseNumber);
}

// A whole text in the regional format is read as such; anything else by the leading rule.
TEST(ParseAmount, ReadsTheRegionalFormatElseTheLeadingNumber) {
    static constexpr RegionalParseCase kCases[] = {
        // Grouped as the sizes say, or not at all.
        {Region::Point, "1,024.00", 1024, 0},
        {Region::Point, " 12,345,678 ", 12345678, 0},
        {Region::Point, "+1,000", 1000, 0},
        {Region::Point, "-1,000.5", -1000.5, 0},
        {Region::Point, "1,000e3", 1e6, 0},
        {Region::Point, "1,000D-3", 1, 0},
        {Region::Point, "1,000e", 1000, 0},
        {Region::Point, "1,000e999", 0, 6},
        // Not the regional format: the leading rule, exactly as before.
        {Region::Point, "1,5", 1, 0},
        {Region::Point, "10,00", 10, 0},
        {Region::Point, "1,0000", 1, 0},
        {Region::Point, ",5", 0, 0},
        {Region::Point, ",123", 0, 0},  // a group separator first: no regional number
        {Region::Point, "1,,000", 1, 0},
        {Region::Point, "1,000,", 1, 0},
        {Region::Point, "1,000.5.5", 1, 0},
        {Region::Point, "1 000", 1000, 0},
        {Region::Point, "12abc", 12, 0},
        {Region::Point, "1.2.3", 1.2, 0},
        {Region::Point, "&HFFFF", -1, 0},
        {Region::Point, "1,000 x", 1, 0},
        {Region::Point, "-", 0, 0},
        {Region::Point, "", 0, 0},
        {Region::Point, "1e999", 0, 6},
        {Region::Comma, "2,5", 2.5, 0},
        {Region::Comma, "1.024,00", 1024, 0},
        {Region::Comma, "1.000", 1000, 0},
        {Region::Comma, "-1.234.567,89", -1234567.89, 0},
        {Region::Comma, ",5", 0.5, 0},
        {Region::Comma, ".500", 0.5, 0},
        {Region::Comma, "5,", 5, 0},
        {Region::Comma, "1,5e3", 1500, 0},
        {Region::Comma, "1.5", 1.5, 0},
        {Region::Comma, "12.34,5", 12.34, 0},
        {Region::Comma, "1..000", 1, 0},
        {Region::Comma, "1,2,3", 1, 0},
        {Region::Comma, "1 000,5", 1000, 0},
        {Region::Comma, "&H10", 16, 0},
        {Region::NarrowSpace, "1 024,5", 1024.5, 0},
        {Region::NarrowSpace, "1\u202F024,5", 1024.5, 0},
        {Region::NarrowSpace, "-1\u00A0000\u202F000,25", -1000000.25, 0},
        {Region::NarrowSpace, "1 24,5", 124, 0},
        {Region::NarrowSpace, "1\t024,5", 1024, 0},
        {Region::Apostrophe, "1'000.5", 1000.5, 0},
        {Region::Apostrophe, "1\u2019000.5", 1000.5, 0},
        {Region::Apostrophe, "1'00", 1, 0},
        {Region::Indian, "1,00,000", 100000, 0},
        {Region::Indian, "10,48,576.00", 1048576, 0},
        {Region::Indian, "1,000", 1000, 0},
        {Region::Indian, "100,000", 100, 0},
        {Region::Indian, "1,234,567", 1, 0},
    };
    ExpectReadings(kCases, ParseAmount);
}

// Grouping sizes that end in 0, and none at all, and the sign as the negative pattern puts it.
TEST(ParseAmount, FollowsEveryGroupingAndNegativePattern) {
    const auto with = [](std::vector<int> sizes, NegativePattern pattern) {
        RegionalNumberSettings s;
        s.groupSizes = std::move(sizes);
        s.negativePattern = pattern;
        return s;
    };
    const struct {
        RegionalNumberSettings settings;
        std::string_view text;
        double value;
    } cases[] = {
        {with({3, 0}, NegativePattern::LeadingMinus), "1234,567", 1234567},
        {with({3, 0}, NegativePattern::LeadingMinus), "1,234,567", 1},
        {with({}, NegativePattern::LeadingMinus), "1,000", 1},
        {with({0}, NegativePattern::LeadingMinus), "1,000", 1},
        {with({3}, NegativePattern::Parentheses), "(1,000.5)", -1000.5},
        {with({3}, NegativePattern::Parentheses), "(-1,000)", 0},
        {with({3}, NegativePattern::TrailingMinus), "1,000.5-", -1000.5},
        {with({3}, NegativePattern::TrailingSpaceMinus), "1,000 -", -1000},
        {with({3}, NegativePattern::LeadingMinusSpace), "- 1,000", -1000},
        {with({3}, NegativePattern::TrailingMinus), "-1,000", -1000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseAmount(c.text, c.settings), c.value);
    }
}

TEST(ParseNumber, EmptySeparatorsNeverMatch) {
    RegionalNumberSettings settings;
    settings.decimalSeparator.clear();
    settings.groupSeparator.clear();
    EXPECT_EQ(ParseNumber("123", settings), 123);
    EXPECT_EQ(ErrorOf([&] { ParseNumber("1.5", settings); }), 13);
}

TEST(ParseWholeNumber, RoundsHalfToEvenWithinThirtyTwoBits) {
    struct Case {
        std::string_view text;
        std::int32_t value;
        int error;
    };
    static constexpr Case kCases[] = {
        {"2", 2, 0},
        {"+3", 3, 0},
        {"2.5", 2, 0},
        {"3.5", 4, 0},
        {"2.6", 3, 0},
        {"-2.5", -2, 0},
        {"-3.5", -4, 0},
        {"0.5", 0, 0},
        {"-0.4", 0, 0},
        {"&HFFFF", -1, 0},
        {"2147483647", 2147483647, 0},
        {"-2147483648", -2147483647 - 1, 0},
        {"-2147483648.5", -2147483647 - 1, 0},
        {"2147483647.5", 0, 6},
        {"-2147483649", 0, 6},
        {"3000000000", 0, 6},
        {"", 0, 13},
    };
    const RegionalNumberSettings settings;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        if (c.error != 0) {
            EXPECT_EQ(ErrorOf([&] { ParseWholeNumber(c.text, settings); }), c.error);
        } else {
            EXPECT_EQ(ParseWholeNumber(c.text, settings), c.value);
        }
    }
}

TEST(NumberToText, FifteenSignificantDigitsInTheChosenForm) {
    struct Case {
        Region region;
        double value;
        std::string_view text;
    };
    const Case kCases[] = {
        {Region::Point, 1000.0 / 1024, "0.9765625"},
        {Region::Point, 1.0 / 3, "0.333333333333333"},
        {Region::Point, 0.1 + 0.2, "0.3"},
        {Region::Point, -160.0 / 9, "-17.7777777777778"},
        {Region::Point, 0.0, "0"},
        {Region::Point, -0.0, "0"},
        {Region::Point, 5120, "5120"},
        {Region::Point, 0.0001, "0.0001"},
        {Region::Point, 123456789012345, "123456789012345"},
        {Region::Point, 1e14, "100000000000000"},
        {Region::Point, 1e15, "1E+15"},
        {Region::Point, 0.00001, "1E-05"},
        {Region::Point, 1.5e-5, "1.5E-05"},
        {Region::Point, 1e-9, "1E-09"},
        {Region::Point, -2.5e-10, "-2.5E-10"},
        {Region::Point, 1.23456789012346e20, "1.23456789012346E+20"},
        {Region::Point, 999999999999999.4, "999999999999999"},
        {Region::Point, 999999999999999.5, "1E+15"},  // the form follows the rounded value
        {Region::Point, 9.999999999999999e-5, "0.0001"},
        {Region::Point, kMax, "1.79769313486232E+308"},
        {Region::Point, kTiny, "4.94065645841247E-324"},
        {Region::Point, kInf, "Infinity"},
        {Region::Point, -kInf, "-Infinity"},
        {Region::Point, kNaN, "NaN"},
        {Region::Comma, 0.5, "0,5"},
        {Region::Comma, -1.5e-7, "-1,5E-07"},
        {Region::NarrowSpace, 1234.5, "1234,5"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(NumberToText(c.value, SettingsOf(c.region)), c.text);
    }
}

TEST(NumberToText, WholeNumbers) {
    EXPECT_EQ(NumberToText(std::int64_t{0}), "0");
    EXPECT_EQ(NumberToText(std::int64_t{-42}), "-42");
    EXPECT_EQ(NumberToText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

TEST(WriteNumber, FewerDigitsInAGivenForm) {
    struct Case {
        double value;
        int digits;
        NumberForm chosen;
        NumberForm written;
        std::string_view text;
    };
    constexpr auto P = NumberForm::Positional;
    constexpr auto E = NumberForm::Exponent;
    const Case kCases[] = {
        {1234.5678, 6, P, P, "1234.57"},
        {123456789012.0, 10, P, P, "123456789000"},
        {0.000012345, 3, E, E, "1.23E-05"},
        {9.9999, 3, P, P, "10"},
        {0.0000999996, 5, P, P, "0.0001"},  // the form follows the rounded value
        {1e20, 5, E, E, "1E+20"},
        {1e20, 5, E, P, "100000000000000000000"},
        {1.5e-7, 5, E, P, "0.00000015"},
        {5120, 15, P, E, "5.12E+03"},
        {1.0 / 3, 0, P, P, "0.3"},                   // below 1 counts as 1
        {1.0 / 3, 40, P, P, "0.33333333333333331"},  // above 17 counts as 17
        {0.0, 3, P, E, "0"},
    };
    const RegionalNumberSettings settings;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ChooseNumberForm(c.value, c.digits), c.chosen);
        EXPECT_EQ(WriteNumber(c.value, c.digits, c.written, settings), c.text);
    }
}

struct FixedCase {
    Region region;
    double value;
    int decimals;
    std::string_view text;
    int error;
};

TEST(FormatFixed, RoundsTheFifteenDigitFormHalfAwayFromZero) {
    const FixedCase kCases[] = {
        {Region::Point, 0.9765625, 2, "0.98", 0},
        {Region::Point, 0.9765625, 0, "1", 0},
        {Region::Point, 0.9765625, 3, "0.977", 0},
        {Region::Point, 0.9765625, -1, "0.98", 0},
        {Region::Point, 5120, 2, "5,120.00", 0},
        {Region::Point, -17.7777777777778, 2, "-17.78", 0},
        {Region::Point, 1.005, 2, "1.01", 0},
        {Region::Point, 0.125, 2, "0.13", 0},
        {Region::Point, -0.125, 2, "-0.13", 0},
        {Region::Point, 2.5, 0, "3", 0},
        {Region::Point, 0.4, 0, "0", 0},
        {Region::Point, 999.995, 2, "1,000.00", 0},
        {Region::Point, 1e20, 2, "100,000,000,000,000,000,000.00", 0},
        {Region::Point, 123456789012345678.0, 0, "123,456,789,012,346,000", 0},
        {Region::Point, 1234567.891, 9, "1,234,567.891000000", 0},
        {Region::Point, 5e-10, 9, "0.000000001", 0},
        {Region::Point, 1000, 0, "1,000", 0},
        {Region::Point, 0.0, 2, "0.00", 0},
        {Region::Point, -0.0, 0, "0", 0},
        {Region::Point, -0.001, 2, "0.00", 0},  // rounds to zero: no sign
        {Region::Point, -0.005, 2, "-0.01", 0},
        {Region::Point, 1, -2, "", 5},
        {Region::Point, 1, 10, "", 5},
        {Region::Point, kInf, 2, "", 6},
        {Region::Point, kNaN, 2, "", 6},
        {Region::Comma, 1234.5, 2, "1.234,50", 0},
        {Region::Indian, 123456789, 0, "12,34,56,789", 0},
        {Region::Indian, 1234.5, 1, "1,234.5", 0},
        {Region::Indian, -1234567, 2, "-12,34,567.00", 0},
        {Region::NarrowSpace, 1234567.25, 2, "1\u202F234\u202F567,25", 0},
    };
    for (const FixedCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.value << " with " << c.decimals);
        const RegionalNumberSettings settings = SettingsOf(c.region);
        if (c.error != 0) {
            EXPECT_EQ(ErrorOf([&] { FormatFixed(c.value, c.decimals, settings); }), c.error);
        } else {
            EXPECT_EQ(FormatFixed(c.value, c.decimals, settings), c.text);
        }
    }
}

TEST(FormatFixed, FollowsTheRegionalPatterns) {
    struct Case {
        RegionalNumberSettings settings;
        double value;
        int decimals;
        std::string_view text;
    };
    const auto with = [](auto change) {
        RegionalNumberSettings s;
        change(s);
        return s;
    };
    const auto pattern = [&](NegativePattern p) {
        return with([p](RegionalNumberSettings& s) { s.negativePattern = p; });
    };
    const RegionalNumberSettings noLeadingZero =
        with([](RegionalNumberSettings& s) { s.leadingZero = false; });
    const Case kCases[] = {
        {noLeadingZero, 0.5, 2, ".50"},
        {noLeadingZero, -0.5, 2, "-.50"},
        {noLeadingZero, 0.4, 0, "0"},
        {noLeadingZero, 1.5, 1, "1.5"},
        {pattern(NegativePattern::Parentheses), -1.1, 1, "(1.1)"},
        {pattern(NegativePattern::LeadingMinus), -1.1, 1, "-1.1"},
        {pattern(NegativePattern::LeadingMinusSpace), -1.1, 1, "- 1.1"},
        {pattern(NegativePattern::TrailingMinus), -1.1, 1, "1.1-"},
        {pattern(NegativePattern::TrailingSpaceMinus), -1.1, 1, "1.1 -"},
        {pattern(NegativePattern::Parentheses), 1.1, 1, "1.1"},
        {with([](RegionalNumberSettings& s) { s.defaultDecimals = 4; }), 1, -1, "1.0000"},
        {with([](RegionalNumberSettings& s) {
             s.groupSizes = {3, 0};
         }),
         1234567, 0, "1234,567"},
        {with([](RegionalNumberSettings& s) { s.groupSizes = {0}; }), 1234567, 0, "1234567"},
        {with([](RegionalNumberSettings& s) { s.groupSizes.clear(); }), 1234567, 0, "1234567"},
        {with([](RegionalNumberSettings& s) { s.groupSeparator.clear(); }), 1234567, 0, "1234567"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatFixed(c.value, c.decimals, c.settings), c.text);
    }
}

TEST(FormatFixed, ReadsTextFirst) {
    const RegionalNumberSettings settings;
    EXPECT_EQ(FormatFixed("1,000.5", 2, settings), "1,000.50");
    EXPECT_EQ(ErrorOf([&] { FormatFixed("abc", 2, settings); }), 13);
    EXPECT_EQ(ErrorOf([&] { FormatFixed("abc", 12, settings); }), 13);
    EXPECT_EQ(ErrorOf([&] { FormatFixed("1e400", 2, settings); }), 6);
}

TEST(TestFloatResult, RaisesForDivisionByZeroAndNonFiniteResults) {
    struct Case {
        double result;
        FloatOperation operation;
        double left;
        double right;
        int error;
    };
    constexpr auto kAdd = FloatOperation::Add;
    constexpr auto kDiv = FloatOperation::Divide;
    static constexpr Case kCases[] = {
        {kInf, kDiv, 5, 0, 11},       {-kInf, kDiv, 5, -0.0, 11},
        {kInf, kDiv, kInf, 0, 11},    {kNaN, kDiv, 0, 0, 6},
        {kNaN, kDiv, kNaN, 0, 6},     {kInf, FloatOperation::Multiply, 1e308, 10, 6},
        {kNaN, kAdd, kInf, -kInf, 6}, {1e-318, kDiv, 1e-308, 1e10, 0},  // underflow passes
        {3, kAdd, 1, 2, 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message()
                     << c.left << " op " << static_cast<int>(c.operation) << " " << c.right);
        EXPECT_EQ(ErrorOf([&] { TestFloatResult(c.result, c.operation, c.left, c.right); }),
                  c.error);
    }
}

// Pasted text of any length must neither overflow a counter nor lose correct rounding.
TEST(ParseRules, TextOfAnyLength) {
    static constexpr std::string_view kOnePlusHalfStep =
        "1.00000000000000011102230246251565404236316680908203125";
    const std::string megabyte(1'000'000, '1');
    const std::string zeros(1'000'000, '0');
    struct Case {
        std::string text;
        double value;
        int error;
    };
    const Case kCases[] = {
        {megabyte, 0, 6},
        {std::string(10'000, '9'), 0, 6},
        {"0." + megabyte, 1.0 / 9, 0},
        {"1" + zeros + "e-1000000", 1, 0},
        {"0." + zeros + "1e1000001", 1, 0},
        {"1e" + zeros + "5", 1e5, 0},
        {"1e99999999999999999999", 0, 6},
        {"1e-99999999999999999999", 0, 0},
        {"0e99999999999999999999", 0, 0},
        {"4.9" + zeros + "e-324", kTiny, 0},
        {"1" + zeros + "e-1000322", 1e-322, 0},
        {"9007199254740993." + std::string(900, '0') + "1", 9007199254740994.0, 0},
        // Halfway between 1 and the next double: ties to even, but anything more rounds up.
        {std::string(kOnePlusHalfStep), 1, 0},
        {std::string(kOnePlusHalfStep) + std::string(900, '0') + "1", 1 + 0x1p-52, 0},
        {std::string(1'000'000, ' ') + "5", 5, 0},
        {"&H" + zeros + "F", 15, 0},
    };
    const RegionalNumberSettings settings;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        if (c.error != 0) {
            EXPECT_EQ(ErrorOf([&] { ParseLeadingNumber(c.text); }), c.error);
            EXPECT_EQ(ErrorOf([&] { ParseNumber(c.text, settings); }), c.error);
        } else {
            EXPECT_EQ(ParseLeadingNumber(c.text), c.value);
            EXPECT_EQ(ParseNumber(c.text, settings), c.value);
        }
    }
}

// Doubles from every part of the range, and short decimals, whose ties matter most.
double RandomDouble(std::mt19937_64& random) {
    switch (random() % 3) {
        case 0: {
            double value = 0;
            do {
                const std::uint64_t bits = random();
                std::memcpy(&value, &bits, sizeof value);
            } while (!std::isfinite(value));
            return value;
        }
        case 1: {
            const auto digits = static_cast<double>(random() % 100'000);
            const auto exponent = static_cast<int>(random() % 30) - 15;
            return (random() % 2 != 0 ? -digits : digits) * std::pow(10.0, exponent);
        }
        default:
            return static_cast<double>(static_cast<std::int64_t>(random() % 2'000'000'000'000) -
                                       1'000'000'000'000) /
                   1000.0;
    }
}

// The 15-significant-digit form as the C library writes it: "-d.ddddddddddddddde+XX".
struct PrintedForm {
    bool negative;
    std::string digits;  // 15 of them
    int exponent;
};

PrintedForm Print15(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    PrintedForm form{buffer[0] == '-', "", 0};
    const char* p = buffer + (form.negative ? 1 : 0);
    for (; *p != 'e'; ++p) {
        if (*p != '.') form.digits += *p;
    }
    form.exponent = std::atoi(p + 1);
    return form;
}

// An independent fixed-decimals writer: exact digit-string arithmetic, "," in threes.
std::string ExpectedFixed(double value, int decimals) {
    const PrintedForm form = Print15(value);
    std::string integer;
    std::string fraction;
    if (form.exponent >= 0) {
        std::string all = form.digits + std::string(static_cast<std::size_t>(form.exponent), '0');
        integer = all.substr(0, static_cast<std::size_t>(form.exponent) + 1);
        fraction = all.substr(static_cast<std::size_t>(form.exponent) + 1);
    } else {
        integer = "0";
        fraction = std::string(static_cast<std::size_t>(-form.exponent - 1), '0') + form.digits;
    }
    fraction.resize(std::max(fraction.size(), static_cast<std::size_t>(decimals) + 1), '0');
    const bool roundUp = fraction[static_cast<std::size_t>(decimals)] >= '5';
    std::string number = integer + fraction.substr(0, static_cast<std::size_t>(decimals));
    if (roundUp) {
        std::size_t i = number.size();
        while (i > 0 && number[i - 1] == '9')
            number[--i] = '0';
        if (i == 0) {
            number.insert(number.begin(), '1');
        } else {
            ++number[i - 1];
        }
    }
    std::string whole = number.substr(0, number.size() - static_cast<std::size_t>(decimals));
    const std::string places = number.substr(whole.size());
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    for (std::size_t i = whole.size(); i > 3; i -= 3)
        whole.insert(i - 3, ",");
    std::string text = decimals > 0 ? whole + "." + places : whole;
    const bool zero = number.find_first_not_of('0') == std::string::npos;
    return form.negative && !zero ? "-" + text : text;
}

TEST(NumberTextProperties, TextReadsBackAsTheFifteenDigitValue) {
    const std::uint64_t seed = TestSeed();
    SCOPED_TRACE(testing::Message() << "OMBRELO_TEST_SEED=" << seed);
    std::mt19937_64 random(seed);
    const RegionalNumberSettings kSettings[] = {
        SettingsOf(Region::Point), SettingsOf(Region::Comma), SettingsOf(Region::NarrowSpace)};
    int failures = 0;
    for (int i = 0; i < 20'000 && failures < 5; ++i) {
        const double value = RandomDouble(random);
        char printed[64];
        std::snprintf(printed, sizeof printed, "%.14e", value);
        const double expected = std::strtod(printed, nullptr);
        for (const RegionalNumberSettings& settings : kSettings) {
            const std::string text = NumberToText(value, settings);
            const bool same = text == WriteNumber(value, 15, ChooseNumberForm(value, 15), settings);
            const bool readsBack = ParseNumber(text, settings) == expected;
            if (!same || !readsBack) {
                ++failures;
                ADD_FAILURE() << printed << " -> " << text;
            }
        }
    }
}

TEST(NumberTextProperties, FixedDecimalsMatchExactDigitArithmetic) {
    const std::uint64_t seed = TestSeed();
    SCOPED_TRACE(testing::Message() << "OMBRELO_TEST_SEED=" << seed);
    std::mt19937_64 random(seed);
    const RegionalNumberSettings settings;
    int failures = 0;
    for (int i = 0; i < 20'000 && failures < 5; ++i) {
        const double value = RandomDouble(random);
        const int decimals = static_cast<int>(random() % 10);
        const std::string expected = ExpectedFixed(value, decimals);
        const std::string actual = FormatFixed(value, decimals, settings);
        if (actual != expected) {
            ++failures;
            ADD_FAILURE() << Print15(value).digits << "e" << Print15(value).exponent << " with "
                          << decimals << ": " << actual << " != " << expected;
        }
    }
}

// A shown result pasted back as an amount is the number it shows, under every format.
TEST(NumberTextProperties, AFixedResultReadsBackAsAnAmount) {
    const std::uint64_t seed = TestSeed();
    SCOPED_TRACE(testing::Message() << "OMBRELO_TEST_SEED=" << seed);
    std::mt19937_64 random(seed);
    RegionalNumberSettings plain;  // the same digits, ungrouped with a "." point
    plain.groupSeparator.clear();
    plain.groupSizes.clear();
    int failures = 0;
    for (int i = 0; i < 4'000 && failures < 5; ++i) {
        const double value = RandomDouble(random);
        for (int decimals = 0; decimals <= 9; ++decimals) {
            const std::string ungrouped = FormatFixed(value, decimals, plain);
            double expected = 0;
            std::from_chars(ungrouped.data(), ungrouped.data() + ungrouped.size(), expected);
            for (const Region region : {Region::Point, Region::Comma, Region::Indian,
                                        Region::NarrowSpace, Region::Apostrophe}) {
                const std::string text = FormatFixed(value, decimals, SettingsOf(region));
                if (ParseAmount(text, SettingsOf(region)) != expected) {
                    ++failures;
                    ADD_FAILURE() << text << " != " << ungrouped;
                }
            }
        }
    }
}

}  // namespace
}  // namespace ombrelo::numbers
