#include "window/desktop/locale_digits.h"

#include <QChar>

#include "window/desktop/qt_text.h"

namespace ombrelo::window {

QString ToUserDigits(std::string_view coreText, char32_t zeroDigit) {
    if (zeroDigit == U'0') return ToQString(coreText);
    std::u32string text = ToQString(coreText).toStdU32String();
    for (char32_t& character : text) {
        if (character >= U'0' && character <= U'9') character = zeroDigit + (character - U'0');
    }
    return QString::fromStdU32String(text);
}

std::string ToCoreDigits(const QString& userText) {
    std::u32string text = userText.toStdU32String();
    for (char32_t& character : text) {
        if (character >= 0x80 && QChar::isDigit(character)) {
            character = U'0' + static_cast<char32_t>(QChar::digitValue(character));
        }
    }
    return ToUtf8(QString::fromStdU32String(text));
}

}  // namespace ombrelo::window
