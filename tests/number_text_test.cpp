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

// Point: C and en_US; Comma: de_DE; Indian: hi_IN; NarrowSpace: fr_FR; Apostrophe: de_CH;
// NoSeparators: both separators empty, which must never match.
enum Region : std::size_t { Point, Comma, Indian, NarrowSpace, Apostrophe, NoSeparators };

const RegionalNumberSettings& SettingsOf(Region region) {
    static const RegionalNumberSettings kSettings[] = {
        {},
        {.decimalSeparator = ",", .groupSeparator = "."},
        {.groupSizes = {3, 2}},
        {.decimalSeparator = ",", .groupSeparator = "\u202F"},
        {.groupSeparator = "\u2019"},
        {.decimalSeparator = "", .groupSeparator = ""},
    };
    return kSettings[region];
}

// Expects the call to return `expected`, or, when `error` is not 0, to raise that error.
template <typename Call, typename Expected>
void ExpectResult(Call&& call, const Expected& expected, int error) {
    try {
        const auto result = call();
        if (error != 0) {
            ADD_FAILURE() << "expected error " << error << ", got " << result;
        } else {
            EXPECT_EQ(result, expected);
        }
    } catch (const RunTimeError& raised) {
        EXPECT_EQ(raised.Number(), error);
    }
}

using testing_support::TestSeed;

struct ParseCase {
    std::string_view text;
    double value;
    int error = 0;
};

TEST(ParseLeadingNumber, ReadsTheNumberTheTextBeginsWith) {
    static constexpr ParseCase kCases[] = {
        {"", 0},
        {"-", 0},
        {"-inf", 0},
        {"-nan", 0},
        {"12abc", 12},
        {"1,5", 1},
        {"1.2.3", 1.2},
        {"- 5", -5},
        {" \t\n4 2\n", 42},
        {"1 2 . 5 e 1", 125},
        {"-.5e1", -5},
        {"2.5E-3", 0.0025},
        {"1D2", 100},
        {"1e", 1},
        {"1e+", 1},
        {"9007199254740993", 9007199254740992.0},  // a tie goes to even
        {"1e309", 0, 6},
        {"1.7976931348623157e308", kMax},
        {"1.7976931348623159e308", 0, 6},
        {"1e-400", 0},
        {"4.9406564584124654e-324", kTiny},
        {"2.4703282292062328e-324", kTiny},  // just above half the smallest step
        {"2.4703282292062327e-324", 0},      // just below it
        {"4.9 e-324", kTiny},                // blanks and "D" take the slower reading
        {"1D-322", 1e-322},
        // "&H"/"&O": up to 16 bits and then 32 bits, as signed whole numbers.
        {"&H10", 16},
        {"&HFFFF", -1},
        {"&H8000", -32768},
        {"&H10000", 65536},
        {"&H7FFFFFFF", 2147483647},
        {"&H80000000", -2147483648.0},
        {"&H100000000", 0, 6},
        {"&O777", 511},
        {"&o177777", -1},
        {"&O37777777777", -1},
        {"&O40000000000", 0, 6},
        {"&O18", 1},  // 8 is no octal digit
        {"&H1G", 1},
        {"& H 1 F", 31},
        {"&H", 0},
        {"-&H10", 0},
    };
    for (const ParseCase& c : kCases) {
        SCOPED_TRACE(c.text);
        ExpectResult([&] { return ParseLeadingNumber(c.text); }, c.value, c.error);
    }
}

struct RegionalParseCase {
    Region region;
    std::string_view text;
    double value;
    int error = 0;
};

// Each text read under its region's settings gives its value, or raises its error.
template <std::size_t N>
void ExpectReadings(const RegionalParseCase (&cases)[N],
                    double (*read)(std::string_view, const RegionalNumberSettings&)) {
    for (const RegionalParseCase& c : cases) {
        SCOPED_TRACE(c.text);
        ExpectResult([&] { return read(c.text, SettingsOf(c.region)); }, c.value, c.error);
    }
}

TEST(ParseNumber, ReadsTheWholeTextUnderTheRegionalSeparators) {
    static constexpr RegionalParseCase kCases[] = {
        {Point, "  12  ", 12},
        {Point, "1,000", 1000},
        {Point, "1,00", 100},
        {Point, "-5.5D-1", -0.55},
        {Point, "1D-322", 1e-322},
        {Point, "0,000.000001e-317", 1e-323},
        {Point, "1E+15", 1e15},
        {Point, ".5", 0.5},
        {Point, "5.", 5},
        {Point, " &HFFFF ", -1},
        // Not a number: 13.
        {Point, "", 0, 13},
        {Point, "12abc", 0, 13},
        {Point, "-", 0, 13},
        {Point, ".", 0, 13},
        {Point, ",100", 0, 13},
        {Point, "100,", 0, 13},
        {Point, "1,,000", 0, 13},
        {Point, "1.000,5", 0, 13},
        {Point, "1 000", 0, 13},
        {Point, "1e", 0, 13},
        {Point, "5-", 0, 13},
        {Point, "(5)", 0, 13},
        {Point, "-infinity", 0, 13},
        {Point, "-nan(1)", 0, 13},
        {Point, "&H", 0, 13},
        {Point, "&H1G", 0, 13},
        {Point, "-&H10", 0, 13},
        {Point, "&O19", 0, 13},
        {Point, "&H100000000", 0, 6},
        {Point, "1e309", 0, 6},
        {Comma, "1,5", 1.5},
        {Comma, "1.000,5", 1000.5},
        {Comma, "1.5", 15},
        {Comma, "1,5E-05", 1.5e-5},
        {Comma, "4,94E-324", kTiny},
        {Comma, "1,000.5", 0, 13},
        {Indian, "12,34,56,789", 123456789},
        {Indian, "1,234.5", 1234.5},
        {NarrowSpace, "1\u202F234,5", 1234.5},
        {NarrowSpace, "1\u202F234\u202F", 0, 13},
        {NarrowSpace,
         "1\xE2\x80"
         "234",
         0, 13},  // a separator cut short
        {NarrowSpace, "1 234", 0, 13},
        {NoSeparators, "123", 123},
        {NoSeparators, "1.5", 0, 13},
    };
    ExpectReadings(kCases, ParseNumber);
}

// A whole text in the regional format is read as such; anything else by the leading rule.
TEST(ParseAmount, ReadsTheRegionalFormatElseTheLeadingNumber) {
    static constexpr RegionalParseCase kCases[] = {
        // Grouped as the sizes say, or not at all.
        {Point, "1,024.00", 1024},
        {Point, " 12,345,678 ", 12345678},
        {Point, "+1,000", 1000},
        {Point, "-1,000.5", -1000.5},
        {Point, "1,000e3", 1e6},
        {Point, "1,000e", 1000},
        {Point, "1,000e999", 0, 6},
        // Not the regional format: the leading rule, exactly as before.
        {Point, "1,5", 1},
        {Point, "1,0000", 1},
        {Point, ",123", 0},  // a group separator first: no regional number
        {Point, "1,,000", 1},
        {Point, "1,000,", 1},
        {Point, "1,000.5.5", 1},
        {Point, "1 000", 1000},
        {Point, "1,000 x", 1},
        {Point, "", 0},
        {Point, "1e999", 0, 6},
        {Comma, "1.000", 1000},
        {Comma, "-1.234.567,89", -1234567.89},
        {Comma, ",5", 0.5},
        {Comma, "5,", 5},
        {Comma, "1,5e3", 1500},
        {Comma, "1.5", 1.5},
        {Comma, "12.34,5", 12.34},
        {Comma, "1..000", 1},
        {Comma, "1,2,3", 1},
        {Comma, "1 000,5", 1000},
        {Comma, "&H10", 16},
        {NarrowSpace, "1 024,5", 1024.5},
        {NarrowSpace, "-1\u00A0000\u202F000,25", -1000000.25},
        {NarrowSpace, "1 24,5", 124},
        {NarrowSpace, "1\t024,5", 1024},
        {Apostrophe, "1'000.5", 1000.5},
        {Apostrophe, "1\u2019000.5", 1000.5},
        {Apostrophe, "1'00", 1},
        {Indian, "10,48,576.00", 1048576},
        {Indian, "1,000", 1000},
        {Indian, "100,000", 100},
        {Indian, "1,234,567", 1},
    };
    ExpectReadings(kCases, ParseAmount);
}

// Grouping sizes that end in 0, and none at all, and the sign as the negative pattern puts it.
TEST(ParseAmount, FollowsEveryGroupingAndNegativePattern) {
    using enum NegativePattern;
    const struct {
        RegionalNumberSettings settings;
        std::string_view text;
        double value;
    } cases[] = {
        {{.groupSizes = {3, 0}}, "1234,567", 1234567},
        {{.groupSizes = {3, 0}}, "1,234,567", 1},
        {{.groupSizes = {}}, "1,000", 1},
        {{.groupSizes = {0}}, "1,000", 1},
        {{.negativePattern = Parentheses}, "(1,000.5)", -1000.5},
        {{.negativePattern = Parentheses}, "(-1,000)", 0},
        {{.negativePattern = TrailingMinus}, "1,000.5-", -1000.5},
        {{.negativePattern = TrailingSpaceMinus}, "1,000 -", -1000},
        {{.negativePattern = LeadingMinusSpace}, "- 1,000", -1000},
        {{.negativePattern = TrailingMinus}, "-1,000", -1000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseAmount(c.text, c.settings), c.value);
    }
}

TEST(ParseWholeNumber, RoundsHalfToEvenWithinThirtyTwoBits) {
    static constexpr ParseCase kCases[] = {
        {"+3", 3},
        {"2.5", 2},
        {"3.5", 4},
        {"2.6", 3},
        {"-2.5", -2},
        {"-3.5", -4},
        {"-0.4", 0},
        {"2147483647", 2147483647},
        {"-2147483648.5", -2147483648.0},
        {"2147483647.5", 0, 6},
        {"-2147483649", 0, 6},
        {"", 0, 13},
    };
    for (const ParseCase& c : kCases) {
        SCOPED_TRACE(c.text);
        ExpectResult([&] { return ParseWholeNumber(c.text, {}); }, c.value, c.error);
    }
}

TEST(NumberToText, FifteenSignificantDigitsInTheChosenForm) {
    const struct {
        Region region;
        double value;
        std::string_view text;
    } kCases[] = {
        {Point, 1000.0 / 1024, "0.9765625"},
        {Point, 1.0 / 3, "0.333333333333333"},
        {Point, 0.1 + 0.2, "0.3"},
        {Point, 0.0, "0"},
        {Point, -0.0, "0"},
        {Point, 0.0001, "0.0001"},
        {Point, 123456789012345, "123456789012345"},
        {Point, 1e14, "100000000000000"},
        {Point, 1e15, "1E+15"},
        {Point, 0.00001, "1E-05"},
        {Point, 1.5e-5, "1.5E-05"},
        {Point, -2.5e-10, "-2.5E-10"},
        {Point, 999999999999999.4, "999999999999999"},
        {Point, 999999999999999.5, "1E+15"},  // the form follows the rounded value
        {Point, 9.999999999999999e-5, "0.0001"},
        {Point, kMax, "1.79769313486232E+308"},
        {Point, kTiny, "4.94065645841247E-324"},
        {Point, kInf, "Infinity"},
        {Point, -kInf, "-Infinity"},
        {Point, kNaN, "NaN"},
        {Comma, -1.5e-7, "-1,5E-07"},
        {NarrowSpace, 1234.5, "1234,5"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(NumberToText(c.value, SettingsOf(c.region)), c.text);
    }
    EXPECT_EQ(NumberToText(std::int64_t{-42}), "-42");
    EXPECT_EQ(NumberToText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

TEST(WriteNumber, FewerDigitsInAGivenForm) {
    constexpr auto P = NumberForm::Positional;
    constexpr auto E = NumberForm::Exponent;
    const struct {
        double value;
        int digits;
        NumberForm chosen;
        NumberForm written;
        std::string_view text;
    } kCases[] = {
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
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ChooseNumberForm(c.value, c.digits), c.chosen);
        EXPECT_EQ(WriteNumber(c.value, c.digits, c.written, {}), c.text);
    }
}

TEST(FormatFixed, RoundsTheFifteenDigitFormHalfAwayFromZero) {
    const struct {
        Region region;
        double value;
        int decimals;
        std::string_view text;
        int error = 0;
    } kCases[] = {
        {Point, 0.9765625, 2, "0.98"},
        {Point, 0.9765625, 0, "1"},
        {Point, 0.9765625, -1, "0.98"},
        {Point, 5120, 2, "5,120.00"},
        {Point, -17.7777777777778, 2, "-17.78"},
        {Point, 1.005, 2, "1.01"},
        {Point, -0.125, 2, "-0.13"},
        {Point, 2.5, 0, "3"},
        {Point, 0.4, 0, "0"},
        {Point, 999.995, 2, "1,000.00"},
        {Point, 1e20, 2, "100,000,000,000,000,000,000.00"},
        {Point, 123456789012345678.0, 0, "123,456,789,012,346,000"},
        {Point, 1234567.891, 9, "1,234,567.891000000"},
        {Point, 5e-10, 9, "0.000000001"},
        {Point, 0.0, 2, "0.00"},
        {Point, -0.0, 0, "0"},
        {Point, -0.001, 2, "0.00"},  // rounds to zero: no sign
        {Point, -0.005, 2, "-0.01"},
        {Point, 1, -2, "", 5},
        {Point, 1, 10, "", 5},
        {Point, kInf, 2, "", 6},
        {Point, kNaN, 2, "", 6},
        {Comma, 1234.5, 2, "1.234,50"},
        {Indian, 123456789, 0, "12,34,56,789"},
        {Indian, -1234567, 2, "-12,34,567.00"},
        {NarrowSpace, 1234567.25, 2, "1\u202F234\u202F567,25"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.value << " with " << c.decimals);
        ExpectResult([&] { return FormatFixed(c.value, c.decimals, SettingsOf(c.region)); }, c.text,
                     c.error);
    }
    // Text is read first: a text that is no number raises 13 before the count is checked.
    EXPECT_EQ(FormatFixed("1,000.5", 2, {}), "1,000.50");
    ExpectResult([] { return FormatFixed("abc", 12, {}); }, "", 13);
    ExpectResult([] { return FormatFixed("1e400", 2, {}); }, "", 6);
}

TEST(FormatFixed, FollowsTheRegionalPatterns) {
    using enum NegativePattern;
    const struct {
        RegionalNumberSettings settings;
        double value;
        int decimals;
        std::string_view text;
    } kCases[] = {
        {{.leadingZero = false}, 0.5, 2, ".50"},
        {{.leadingZero = false}, -0.5, 2, "-.50"},
        {{.leadingZero = false}, 0.4, 0, "0"},
        {{.negativePattern = Parentheses}, -1.1, 1, "(1.1)"},
        {{.negativePattern = LeadingMinusSpace}, -1.1, 1, "- 1.1"},
        {{.negativePattern = TrailingMinus}, -1.1, 1, "1.1-"},
        {{.negativePattern = TrailingSpaceMinus}, -1.1, 1, "1.1 -"},
        {{.negativePattern = Parentheses}, 1.1, 1, "1.1"},
        {{.defaultDecimals = 4}, 1, -1, "1.0000"},
        {{.groupSizes = {3, 0}}, 1234567, 0, "1234,567"},
        {{.groupSizes = {0}}, 1234567, 0, "1234567"},
        {{.groupSizes = {}}, 1234567, 0, "1234567"},
        {{.groupSeparator = ""}, 1234567, 0, "1234567"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatFixed(c.value, c.decimals, c.settings), c.text);
    }
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
        const auto test = [&] {
            return (TestFloatResult(c.result, c.operation, c.left, c.right), 0);
        };
        ExpectResult(test, 0, c.error);
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
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        ExpectResult([&] { return ParseLeadingNumber(c.text); }, c.value, c.error);
        ExpectResult([&] { return ParseNumber(c.text, {}); }, c.value, c.error);
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
    const RegionalNumberSettings kSettings[] = {SettingsOf(Point), SettingsOf(Comma),
                                                SettingsOf(NarrowSpace)};
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
            for (const Region region : {Point, Comma, Indian, NarrowSpace, Apostrophe}) {
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
