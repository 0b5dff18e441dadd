// Texts and paths between the forms (UTF-8 std::string) and Qt (QString).
#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace quadrel {

inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline QString ToQString(const std::u8string& utf8) {
    return QString::fromUtf8(reinterpret_cast<const char*>(utf8.data()),
                             static_cast<qsizetype>(utf8.size()));
}

inline std::string ToStdString(const QString& text) {
    return text.toStdString();
}

inline std::filesystem::path ToPath(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.constData()),
                                               static_cast<std::size_t>(utf8.size())));
}

}  // namespace quadrel
