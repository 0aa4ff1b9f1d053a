// Text to number: the leading-number, amount and strict readings, each one scan into
// std::from_chars.
#include "numbers/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <vector>

#include "numbers/negative_sign.h"
#include "numbers/run_time_error.h"

namespace ombrelo::numbers {
namespace {

using internal::NegativeSignParts;
using internal::SignParts;

constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr bool IsExponentLetter(char c) {
    return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

// Gathers the digits of a decimal number while its text is scanned, and hands std::from_chars
// a short canonical text of the same value. Text of any length stays bounded: only the first
// kKeptDigits significant digits are kept, and a final "1" stands for any non-zero digit
// dropped. Every double and every midpoint between two doubles has fewer significant digits
// than that, so the sticky digit decides rounding exactly as the full text would.
class DecimalDigits {
  public:
    void AddIntegerDigit(char digit) {
        if (m_count == 0 && digit == '0') return;
        ++m_integerDigits;
        Keep(digit);
    }

    void AddFractionDigit(char digit) {
        if (m_count == 0 && digit == '0') {
            ++m_fractionZeros;
            return;
        }
        Keep(digit);
    }

    // Exponents are capped far beyond the double range, so no counter can overflow.
    void AddExponentDigit(char digit) {
        m_exponent = std::min<std::int64_t>(m_exponent * 10 + (digit - '0'), kExponentCap);
    }

    void SetExponentNegative() { m_exponentNegative = true; }

    // Zero, and a number too small for a double, read as +0.
    double Value(bool negative) const {
        if (m_count == 0) return 0.0;
        const std::int64_t scale = m_integerDigits > 0 ? m_integerDigits : -m_fractionZeros;
        const std::int64_t exponent = scale - 1 + (m_exponentNegative ? -m_exponent : m_exponent);
        if (exponent > kSurelyOverflows) throw MakeRunTimeError(kOverflow);
        if (exponent < kSurelyUnderflows) return 0.0;

        std::array<char, kKeptDigits + 32> text;
        char* out = text.data();
        if (negative) *out++ = '-';
        *out++ = m_digits[0];
        if (m_count > 1 || m_sticky) {
            *out++ = '.';
            out = std::copy(m_digits.begin() + 1,
                            m_digits.begin() + static_cast<std::ptrdiff_t>(m_count), out);
            if (m_sticky) *out++ = '1';
        }
        *out++ = 'e';
        out = std::to_chars(out, text.data() + text.size(), exponent).ptr;

        double value = 0.0;
        const auto result = std::from_chars(text.data(), out, value);
        if (result.ec == std::errc::result_out_of_range) {
            if (exponent > 0) throw MakeRunTimeError(kOverflow);
            return 0.0;
        }
        return value == 0.0 ? 0.0 : value;
    }

  private:
    static constexpr std::size_t kKeptDigits = 800;
    static constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;
    static constexpr std::int64_t kSurelyOverflows = 310;
    static constexpr std::int64_t kSurelyUnderflows = -330;

    void Keep(char digit) {
        if (m_count < kKeptDigits) {
            m_digits[m_count++] = digit;
        } else if (digit != '0') {
            m_sticky = true;
        }
    }

    std::array<char, kKeptDigits> m_digits;  // only the first m_count are ever read
    std::size_t m_count = 0;                 // digits kept; the first is never '0'
    bool m_sticky = false;
    std::int64_t m_integerDigits = 0;  // significant integer digits, kept or not
    std::int64_t m_fractionZeros = 0;  // zeros after the point before the first significant one
    std::int64_t m_exponent = 0;
    bool m_exponentNegative = false;
};

// The parts of a decimal number as its text is scanned, written out in std::from_chars' own
// form ("-1234.5e-3") into a small buffer: group separators and a "+" dropped, "." for the
// decimal separator, "e" for any exponent letter. The usual text fits, so reading it costs
// one scan and one from_chars. Text that outgrows the buffer, and values beyond the double
// range either way, give no value: those are DecimalDigits' to decide.
class FromCharsForm {
  public:
    using Buffer = std::array<char, 64>;
    // Longer text goes straight to DecimalDigits, so a pasted megabyte is scanned once only.
    static constexpr std::size_t kLongestText = 256;

    explicit FromCharsForm(Buffer& buffer)
        : m_begin(buffer.data()), m_out(buffer.data() + 1), m_limit(buffer.data() + buffer.size()) {
        buffer[0] = '-';
    }

    void AddIntegerDigit(char digit) { Put(digit); }

    void AddFractionDigit(char digit) {
        if (!m_point) {
            Put('.');
            m_point = true;
        }
        Put(digit);
    }

    void SetExponentNegative() { m_exponentNegative = true; }

    // The letter and sign are written with the first digit: without digits they add nothing.
    void AddExponentDigit(char digit) {
        if (!m_exponent) {
            Put('e');
            if (m_exponentNegative) Put('-');
            m_exponent = true;
        }
        Put(digit);
    }

    std::optional<double> Value(bool negative) const {
        if (m_full) return std::nullopt;
        // Zeros that end a fraction cost from_chars time and carry no value.
        const char* last = m_out;
        if (m_point && !m_exponent) {
            while (last[-1] == '0')
                --last;
            if (last[-1] == '.') --last;
        }
        double value = 0.0;
        const auto result = std::from_chars(m_begin + (negative ? 0 : 1), last, value);
        if (result.ec != std::errc() || result.ptr != last) return std::nullopt;
        return value == 0.0 ? 0.0 : value;  // no negative zero
    }

  private:
    void Put(char c) {
        if (m_out != m_limit) {
            *m_out++ = c;
        } else {
            m_full = true;
        }
    }

    char* m_begin;  // the sign, used only for a negative number, then the number up to m_out
    char* m_out;
    char* m_limit;
    bool m_full = false;
    bool m_point = false;
    bool m_exponent = false;
    bool m_exponentNegative = false;
};

// The value of "&H" and "&O" digits: up to FFFF a signed 16-bit number, up to FFFFFFFF a signed
// 32-bit one, beyond that an overflow.
class RadixDigits {
  public:
    explicit RadixDigits(unsigned radix) : m_radix(radix) {}

    // False when the character is not a digit of this radix.
    bool Add(char c) {
        unsigned digit = 0;
        if (IsDigit(c)) {
            digit = static_cast<unsigned>(c - '0');
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<unsigned>(c - 'A' + 10);
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else {
            return false;
        }
        if (digit >= m_radix) return false;
        // Saturates, so leading zeros cost nothing and any length of digits is safe.
        if (m_value <= kMax32) m_value = m_value * m_radix + digit;
        m_any = true;
        return true;
    }

    bool Any() const { return m_any; }

    double Value() const {
        if (m_value > kMax32) throw MakeRunTimeError(kOverflow);
        if (m_value <= 0xFFFF) {
            return static_cast<double>(
                static_cast<std::int16_t>(static_cast<std::uint16_t>(m_value)));
        }
        return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(m_value)));
    }

  private:
    static constexpr std::uint64_t kMax32 = 0xFFFFFFFF;
    std::uint64_t m_value = 0;
    unsigned m_radix;
    bool m_any = false;
};

// The radix of "&H"/"&O" (either case), or 0.
unsigned RadixOfPrefix(char ampersand, char letter) {
    if (ampersand != '&') return 0;
    if (letter == 'H' || letter == 'h') return 16;
    if (letter == 'O' || letter == 'o') return 8;
    return 0;
}

// Reads a text as though every blank had been taken out of it.
class BlanklessCursor {
  public:
    explicit BlanklessCursor(std::string_view text) : m_text(text) { SkipBlanks(); }

    // '\0' at the end, which no rule takes for part of a number.
    char Peek() const { return m_pos < m_text.size() ? m_text[m_pos] : '\0'; }

    void Advance() {
        ++m_pos;
        SkipBlanks();
    }

  private:
    void SkipBlanks() {
        while (m_pos < m_text.size() && IsBlank(m_text[m_pos]))
            ++m_pos;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

// Short texts already in std::from_chars' own form (-?D*.?D*([eE][+-]?D+)?) go to it as they
// are: the common case, read without copying. from_chars stops early at anything else (a
// group separator, a blank, "D"), its infinity and NaN spellings give no finite value, and a
// "." that is not the decimal separator is turned away; all of those, and results out of
// range, are left to the full reading.
bool ReadPlain(std::string_view text, bool pointIsDecimal, double& value) {
    if (text.empty() || text.size() > 40) return false;
    if (!IsDigit(text[0]) && text[0] != '-' && text[0] != '.') return false;
    if (!pointIsDecimal && text.find('.') != std::string_view::npos) return false;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return false;
    if (!std::isfinite(value)) return false;
    if (value == 0.0) value = 0.0;  // no negative zero
    return true;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// What stood at an exponent's place.
enum class Exponent { None, LetterAlone, WithDigits };

// The exponent at `pos`, if its letter stands there: the letter, a sign, and the digits, into
// `number`, with `pos` moved past them.
template <typename Number>
Exponent ReadExponent(std::string_view s, std::size_t& pos, Number& number) {
    const auto at = [&s, &pos]() { return pos < s.size() ? s[pos] : '\0'; };
    if (!IsExponentLetter(at())) return Exponent::None;
    ++pos;
    if (at() == '+' || at() == '-') {
        if (at() == '-') number.SetExponentNegative();
        ++pos;
    }
    if (!IsDigit(at())) return Exponent::LetterAlone;
    for (; IsDigit(at()); ++pos)
        number.AddExponentDigit(at());
    return Exponent::WithDigits;
}

// The strict shape of the whole text (blanks around it already gone) into `number`
// (FromCharsForm or DecimalDigits). Raises 13 when the text is not that shape.
template <typename Number>
auto ReadStrict(std::string_view s, const RegionalNumberSettings& settings, Number& number) {
    const std::string_view decimalSeparator = settings.decimalSeparator;
    const std::string_view groupSeparator = settings.groupSeparator;
    std::size_t pos = 0;
    const auto at = [&s, &pos]() { return pos < s.size() ? s[pos] : '\0'; };
    // Separators are a byte or a few: compared in place, no library call per character.
    const auto startsWith = [&s, &pos](std::string_view part) {
        if (part.empty() || pos == s.size() || s[pos] != part[0] || s.size() - pos < part.size()) {
            return false;
        }
        for (std::size_t k = 1; k < part.size(); ++k) {
            if (s[pos + k] != part[k]) return false;
        }
        return true;
    };

    bool negative = false;
    if (at() == '+' || at() == '-') {
        negative = at() == '-';
        ++pos;
    }
    bool anyDigit = false;
    while (true) {
        if (IsDigit(at())) {
            number.AddIntegerDigit(at());
            anyDigit = true;
            ++pos;
        } else if (anyDigit && startsWith(groupSeparator) && !startsWith(decimalSeparator) &&
                   pos + groupSeparator.size() < s.size() &&
                   IsDigit(s[pos + groupSeparator.size()])) {
            // Only between two digits of the integer part.
            pos += groupSeparator.size();
        } else {
            break;
        }
    }
    if (startsWith(decimalSeparator)) {
        pos += decimalSeparator.size();
        for (; IsDigit(at()); ++pos) {
            number.AddFractionDigit(at());
            anyDigit = true;
        }
    }
    if (!anyDigit) throw MakeRunTimeError(kTypeMismatch);

    if (ReadExponent(s, pos, number) == Exponent::LetterAlone)
        throw MakeRunTimeError(kTypeMismatch);
    if (pos != s.size()) throw MakeRunTimeError(kTypeMismatch);
    return number.Value(negative);
}

// The length of the group separator at the start of `s` as the user may type it, or 0. Blanks
// look alike, so a space-like separator is matched by any of the three; a typographic
// apostrophe by the ASCII one.
std::size_t MatchGroupSeparator(std::string_view s, std::string_view separator) {
    static constexpr std::string_view kSpaceLike[] = {" ", "\u00A0", "\u202F"};
    static constexpr std::string_view kApostrophes[] = {"\u2019", "'"};
    const auto matchAny = [s](std::span<const std::string_view> forms) -> std::size_t {
        for (const std::string_view form : forms) {
            if (s.starts_with(form)) return form.size();
        }
        return 0;
    };
    if (separator.empty()) return 0;
    if (std::find(std::begin(kSpaceLike), std::end(kSpaceLike), separator) !=
        std::end(kSpaceLike)) {
        return matchAny(kSpaceLike);
    }
    if (separator == kApostrophes[0]) return matchAny(kApostrophes);
    return s.starts_with(separator) ? separator.size() : 0;
}

// Whether digit runs split by group separators (left to right) stand where the sizes put
// them: every group but the leftmost exactly its size, the leftmost one to its size digits.
bool GroupedAsRegional(std::span<const std::size_t> runs, const std::vector<int>& sizes) {
    if (runs.size() < 2) return true;
    if (sizes.empty()) return false;
    for (std::size_t fromRight = 0; fromRight < runs.size(); ++fromRight) {
        const int size = sizes[std::min(fromRight, sizes.size() - 1)];
        const std::size_t run = runs[runs.size() - 1 - fromRight];
        const bool leftmost = fromRight + 1 == runs.size();
        // A size of 0 or less leaves the digits left of it in one group: no separator there.
        if (size <= 0) return leftmost;
        if (leftmost ? run > static_cast<std::size_t>(size)
                     : run != static_cast<std::size_t>(size)) {
            return false;
        }
    }
    return true;
}

// The regional amount form of the whole of `s` (blanks around it already gone) into `number`
// (FromCharsForm or DecimalDigits); false, with `number` to be dropped, when `s` is written
// any other way.
template <typename Number>
bool ScanRegionalAmount(std::string_view s, const RegionalNumberSettings& settings, Number& number,
                        bool& negative) {
    const std::string_view decimalSeparator = settings.decimalSeparator;
    negative = false;
    // The regional negative pattern as FormatFixed writes it, then a plain sign.
    const SignParts sign = NegativeSignParts(settings.negativePattern);
    if (settings.negativePattern != NegativePattern::LeadingMinus &&
        s.size() > sign.before.size() + sign.after.size() && s.starts_with(sign.before) &&
        s.ends_with(sign.after)) {
        s = s.substr(sign.before.size(), s.size() - sign.before.size() - sign.after.size());
        negative = true;
    } else if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }

    std::size_t pos = 0;
    const auto at = [&s, &pos]() { return pos < s.size() ? s[pos] : '\0'; };
    const auto startsDecimal = [&] {
        return !decimalSeparator.empty() && s.substr(pos).starts_with(decimalSeparator);
    };
    // Digit runs between group separators; a handful unless the text is long.
    std::vector<std::size_t> runs;
    std::size_t run = 0;
    while (true) {
        if (IsDigit(at())) {
            number.AddIntegerDigit(at());
            ++run;
            ++pos;
        } else if (const std::size_t length =
                       startsDecimal()
                           ? 0
                           : MatchGroupSeparator(s.substr(pos), settings.groupSeparator)) {
            if (run == 0) return false;  // a separator first, or two in a row
            runs.push_back(run);
            run = 0;
            pos += length;
        } else {
            break;
        }
    }
    if (!runs.empty()) {
        if (run == 0) return false;  // a separator last
        runs.push_back(run);
        if (!GroupedAsRegional(runs, settings.groupSizes)) return false;
    }
    bool anyDigit = pos > 0;  // a separator stands only after a digit
    if (startsDecimal()) {
        pos += decimalSeparator.size();
        for (; IsDigit(at()); ++pos) {
            number.AddFractionDigit(at());
            anyDigit = true;
        }
    }
    if (!anyDigit) return false;
    ReadExponent(s, pos, number);  // as in the leading rule, a letter alone adds nothing
    return pos == s.size();
}

}  // namespace

double ParseLeadingNumber(std::string_view text) {
    double plain = 0.0;
    if (ReadPlain(TrimBlanks(text), true, plain)) return plain;

    BlanklessCursor cursor(text);
    {
        BlanklessCursor afterAmpersand = cursor;
        afterAmpersand.Advance();
        if (const unsigned radix = RadixOfPrefix(cursor.Peek(), afterAmpersand.Peek())) {
            afterAmpersand.Advance();
            RadixDigits digits(radix);
            while (digits.Add(afterAmpersand.Peek()))
                afterAmpersand.Advance();
            return digits.Value();
        }
    }

    bool negative = false;
    if (cursor.Peek() == '+' || cursor.Peek() == '-') {
        negative = cursor.Peek() == '-';
        cursor.Advance();
    }
    DecimalDigits digits;
    bool anyDigit = false;
    for (; IsDigit(cursor.Peek()); cursor.Advance()) {
        digits.AddIntegerDigit(cursor.Peek());
        anyDigit = true;
    }
    if (cursor.Peek() == '.') {
        cursor.Advance();
        for (; IsDigit(cursor.Peek()); cursor.Advance()) {
            digits.AddFractionDigit(cursor.Peek());
            anyDigit = true;
        }
    }
    if (!anyDigit) return 0.0;

    if (IsExponentLetter(cursor.Peek())) {
        cursor.Advance();
        if (cursor.Peek() == '+' || cursor.Peek() == '-') {
            if (cursor.Peek() == '-') digits.SetExponentNegative();
            cursor.Advance();
        }
        // A letter without digits adds nothing; the sign then counts for nothing either.
        for (; IsDigit(cursor.Peek()); cursor.Advance())
            digits.AddExponentDigit(cursor.Peek());
    }
    return digits.Value(negative);
}

double ParseAmount(std::string_view text, const RegionalNumberSettings& settings) {
    const std::string_view s = TrimBlanks(text);
    bool negative = false;
    if (s.size() <= FromCharsForm::kLongestText) {
        FromCharsForm::Buffer buffer;
        FromCharsForm shortForm(buffer);
        if (!ScanRegionalAmount(s, settings, shortForm, negative)) return ParseLeadingNumber(text);
        if (const std::optional<double> value = shortForm.Value(negative)) return *value;
    }
    DecimalDigits digits;
    if (!ScanRegionalAmount(s, settings, digits, negative)) return ParseLeadingNumber(text);
    return digits.Value(negative);
}

double ParseNumber(std::string_view text, const RegionalNumberSettings& settings) {
    const std::string_view s = TrimBlanks(text);
    if (s.empty()) throw MakeRunTimeError(kTypeMismatch);

    if (s.size() >= 2) {
        if (const unsigned radix = RadixOfPrefix(s[0], s[1])) {
            RadixDigits digits(radix);
            for (const char c : s.substr(2)) {
                if (!digits.Add(c)) throw MakeRunTimeError(kTypeMismatch);
            }
            if (!digits.Any()) throw MakeRunTimeError(kTypeMismatch);
            return digits.Value();
        }
    }

    double plain = 0.0;
    const std::string_view groupSeparator = settings.groupSeparator;
    // Grouped text would only make from_chars stop early: skip straight to the full reading.
    const bool maybeGrouped =
        !groupSeparator.empty() && s.find(groupSeparator[0]) != std::string_view::npos;
    if (!maybeGrouped && ReadPlain(s, std::string_view(settings.decimalSeparator) == ".", plain)) {
        return plain;
    }
    if (s.size() <= FromCharsForm::kLongestText) {
        FromCharsForm::Buffer buffer;
        FromCharsForm shortForm(buffer);
        if (const std::optional<double> value = ReadStrict(s, settings, shortForm)) return *value;
    }
    DecimalDigits digits;
    return ReadStrict(s, settings, digits);
}

std::int32_t ParseWholeNumber(std::string_view text, const RegionalNumberSettings& settings) {
    const double value = ParseNumber(text, settings);
    // Beyond these no rounding can come back into range; within them the floor fits 64 bits.
    if (!(value > -2147483649.0 && value < 2147483648.0)) throw MakeRunTimeError(kOverflow);
    const double floor = std::floor(value);
    const double fraction = value - floor;
    auto whole = static_cast<std::int64_t>(floor);
    // Ties to even without depending on the floating-point environment's rounding mode.
    if (fraction > 0.5 || (fraction == 0.5 && (whole & 1) != 0)) ++whole;
    if (whole < std::numeric_limits<std::int32_t>::min() ||
        whole > std::numeric_limits<std::int32_t>::max()) {
        throw MakeRunTimeError(kOverflow);
    }
    return static_cast<std::int32_t>(whole);
}

}  // namespace ombrelo::numbers
