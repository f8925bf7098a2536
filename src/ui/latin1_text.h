#pragma once
// The program's texts are Latin-1, one byte a character; Qt's are Unicode.

#include <QString>

#include <string>
#include <string_view>

namespace anagrove::ui {

[[nodiscard]] inline QString FromLatin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Characters beyond Latin-1 become '?'.
[[nodiscard]] inline std::string ToLatin1(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace anagrove::ui
