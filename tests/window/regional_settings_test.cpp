#include "window/desktop/system_regional_settings.h"

#include <gtest/gtest.h>

namespace ombrelo::window {
namespace {

using numbers::NegativePattern;
using numbers::RegionalNumberSettings;

struct LocaleCase {
    const char* name;
    const char* decimalSeparator;
    const char* groupSeparator;
    std::vector<int> groupSizes;
    NegativePattern negativePattern;
    char32_t zeroDigit = U'0';
};

TEST(SystemRegionalSettings, ReadsSeparatorsGroupingAndSignFromTheLocale) {
    const std::vector<LocaleCase> cases = {
        {"en_US", ".", ",", {3}, NegativePattern::LeadingMinus},
        {"de_DE", ",", ".", {3}, NegativePattern::LeadingMinus},
        {"hi_IN", ".", ",", {3, 2}, NegativePattern::LeadingMinus},
        // U+202F narrow no-break space: three bytes of UTF-8.
        {"fr_FR", ",", "\u202F", {3}, NegativePattern::LeadingMinus},
        {"de_CH", ".", "\u2019", {3}, NegativePattern::LeadingMinus},
        // A U+2212 minus, and one behind a direction mark, still stand in front.
        {"sv_SE", ",", "\u00A0", {3}, NegativePattern::LeadingMinus},
        {"he_IL", ".", ",", {3}, NegativePattern::LeadingMinus},
        // Spanish writes 1234 ungrouped but 12345 grouped; the rules group from four digits.
        {"es_ES", ",", ".", {3}, NegativePattern::LeadingMinus},
        // Digits of their own (Arabic ones: the window tests of Convert).
        {"ne_NP", ".", ",", {3, 2}, NegativePattern::LeadingMinus, U'\u0966'},
    };
    for (const LocaleCase& c : cases) {
        SCOPED_TRACE(c.name);
        const RegionalNumberSettings settings =
            SystemRegionalSettings(QLocale(QString::fromLatin1(c.name))).Current();
        EXPECT_EQ(settings.decimalSeparator, c.decimalSeparator);
        EXPECT_EQ(settings.groupSeparator, c.groupSeparator);
        EXPECT_EQ(settings.groupSizes, c.groupSizes);
        EXPECT_EQ(settings.negativePattern, c.negativePattern);
        EXPECT_EQ(settings.zeroDigit, c.zeroDigit);
        EXPECT_TRUE(settings.leadingZero);
        EXPECT_EQ(settings.defaultDecimals, 2);
    }
}

TEST(SystemRegionalSettings, CLocaleMeansNoPlatformSettings) {
    for (const char* name : {"C", "POSIX"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(SystemRegionalSettings(QLocale(QString::fromLatin1(name))).Current(),
                  RegionalNumberSettings{});
    }
    EXPECT_EQ(SystemRegionalSettings(QLocale::c()).Current(), RegionalNumberSettings{});
}

TEST(SystemRegionalSettings, GroupingSurvivesALocaleThatOmitsSeparators) {
    QLocale locale(QLocale::German, QLocale::Germany);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const RegionalNumberSettings settings = SystemRegionalSettings(locale).Current();
    EXPECT_EQ(settings.groupSeparator, ".");
    EXPECT_EQ(settings.groupSizes, std::vector<int>{3});
}

}  // namespace
}  // namespace ombrelo::window
