// Any text: the leading-number rule raises nothing but 6, ignores blanks wherever they stand,
// stops at the first character that cannot continue the number, and agrees with the strict
// rule whenever that one accepts the whole text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "numbers/number_text.h"
#include "numbers/run_time_error.h"

namespace {

using namespace ombrelo::numbers;
using ombrelo::fuzz::Attempt;
using ombrelo::fuzz::Outcome;
using ombrelo::fuzz::Require;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Outcome read = Attempt([&] { return ParseLeadingNumber(text); });
    Require(read.error == 0 || read.error == kOverflow, "raises only 6", text);
    Require(std::isfinite(read.value), "finite", text);
    Require(read.value != 0 || !std::signbit(read.value), "zero is +0", text);

    std::string squeezed;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') squeezed += c;
    }
    Require(Attempt([&] { return ParseLeadingNumber(squeezed); }) == read, "blanks ignored", text);
    Require(Attempt([&] { return ParseLeadingNumber(squeezed + "#"); }) == read,
            "stops at a character that cannot continue", text);

    RegionalNumberSettings plain;
    plain.groupSeparator.clear();
    const Outcome strict = Attempt([&] { return ParseNumber(squeezed, plain); });
    Require(strict.error == kTypeMismatch || strict == read, "agrees with the strict rule", text);

    if (read.error == 0) {
        // Its own written form reads back as the same 15 significant digits, except near the
        // top of the range, where those digits are beyond it.
        const std::string written = NumberToText(read.value, RegionalNumberSettings{});
        const Outcome again = Attempt([&] { return ParseLeadingNumber(written); });
        if (again.error == 0) {
            Require(NumberToText(again.value, RegionalNumberSettings{}) == written,
                    "reads its own text", written);
        } else {
            Require(std::fabs(read.value) > 1.797693134862315e308, "overflow only at the top",
                    written);
        }
    }
    return 0;
}
