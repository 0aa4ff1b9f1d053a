#include "window/desktop/system_regional_settings.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

namespace ombrelo::window {
namespace {

// The integer part of this sample has enough digits to show any grouping pattern of the
// world's locales, such as 3;2 in India.
constexpr qlonglong kGroupingSample = 123456789012;

qsizetype CountDigits(const QString& text) {
    qsizetype digits = 0;
    for (const char32_t codePoint : text.toUcs4()) {
        if (QChar::isDigit(codePoint)) ++digits;
    }
    return digits;
}

// Group sizes from the right, e.g. "1,23,45,67,89,012" gives {3, 2}: the leftmost group may
// be short and is dropped, and the last size repeats, so a run of equal sizes at the end
// collapses into one.
std::vector<int> InferGroupSizes(const QLocale& locale, const QString& separator) {
    if (separator.isEmpty()) return {};
    const QStringList parts = locale.toString(kGroupingSample).split(separator);
    std::vector<int> sizes;
    for (qsizetype i = parts.size() - 1; i >= 1; --i) {
        const auto size = static_cast<int>(CountDigits(parts.at(i)));
        // A group without digits would make grouping loop forever; such a locale is not
        // grouped in any way the rules understand.
        if (size <= 0) return {};
        sizes.push_back(size);
    }
    while (sizes.size() >= 2 && sizes[sizes.size() - 1] == sizes[sizes.size() - 2]) {
        sizes.pop_back();
    }
    return sizes;
}

bool IsSpaceLike(QChar character) {
    return character.isSpace() || character == QChar(0x00A0) || character == QChar(0x202F);
}

// Where the sign stands, read from how the locale writes -1.5 against 1.5. Whatever sign
// character the locale uses (U+2212, or one wrapped in direction marks), the number rules
// write an ASCII "-" in that place.
numbers::NegativePattern InferNegativePattern(const QLocale& locale) {
    using numbers::NegativePattern;
    const QString positive = locale.toString(1.5, 'f', 1);
    const QString negative = locale.toString(-1.5, 'f', 1);
    const qsizetype at = negative.indexOf(positive);
    if (at < 0) return NegativePattern::LeadingMinus;
    const QString before = negative.left(at);
    const QString after = negative.mid(at + positive.size());
    if (before.contains(u'(') && after.contains(u')')) return NegativePattern::Parentheses;
    if (!before.isEmpty() || after.isEmpty()) {
        return !before.isEmpty() && IsSpaceLike(before.back()) ? NegativePattern::LeadingMinusSpace
                                                               : NegativePattern::LeadingMinus;
    }
    return IsSpaceLike(after.front()) ? NegativePattern::TrailingSpaceMinus
                                      : NegativePattern::TrailingMinus;
}

}  // namespace

numbers::RegionalNumberSettings SystemRegionalSettings::Current() const {
    return FromLocale(m_locale ? *m_locale : QLocale::system());
}

numbers::RegionalNumberSettings SystemRegionalSettings::FromLocale(const QLocale& locale) {
    numbers::RegionalNumberSettings settings;
    if (locale.language() == QLocale::C) return settings;

    // The user may have asked Qt to omit group separators; the grouping itself is what we
    // want to learn, so read it with the default options.
    QLocale sample = locale;
    sample.setNumberOptions(QLocale::DefaultNumberOptions);

    settings.decimalSeparator = sample.decimalPoint().toStdString();
    const QString group = sample.groupSeparator();
    settings.groupSeparator = group.toStdString();
    settings.groupSizes = InferGroupSizes(sample, group);
    settings.negativePattern = InferNegativePattern(sample);
    // Arabic-Indic in Egypt, extended Arabic-Indic in Iran, Devanagari in Nepal, ... Only
    // digits of one UTF-16 unit: the calculator's display holds 12 units, not 12 characters.
    const QString zero = sample.zeroDigit();
    if (zero.size() == 1 && zero[0].isDigit() && zero[0].digitValue() == 0) {
        settings.zeroDigit = zero[0].unicode();
    }
    // Qt has no leading-zero or default-decimals setting: keep the defaults (yes, 2).
    return settings;
}

}  // namespace ombrelo::window
