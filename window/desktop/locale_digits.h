#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace ombrelo::window {

// Number texts cross between the core and the user here, and only here: the amount boxes,
// Decimal Places and the result labels (captions and formula texts are not numbers and do not
// come this way). The core's rules read and write ASCII digits with the user's separators. A
// locale with digits of its own (ar_EG, fa_IR, ...) sees and types its own: its digits with
// the separators it uses beside them, which are the ones its settings give, so Cairo reads
// "-١٬٢٣٤٬٥٦٧٫٨٩" exactly as its locale writes numbers. Locales with Latin digits pass
// through unchanged.

// A number text of the core as the user sees it: each ASCII digit in the user's script,
// given by its zero ("٠" U+0660 in Egypt).
QString ToUserDigits(std::string_view coreText, char32_t zeroDigit);

// What the user typed or sees, for the core: every decimal digit, of whatever script, as its
// ASCII digit ("۱۰۰۰" and "١٠٠٠" both give "1000"); everything else as it stands.
std::string ToCoreDigits(const QString& userText);

}  // namespace ombrelo::window
