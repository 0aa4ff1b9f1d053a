#pragma once

#include <string>
#include <string_view>

#include <QByteArray>
#include <QString>

namespace ombrelo::window {

// Texts cross between Qt and the standard-library core as UTF-8.

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToUtf8(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

}  // namespace ombrelo::window
