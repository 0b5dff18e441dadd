#include "gui/remembered.h"

#include <QSettings>
#include <system_error>

#include "gui/qt_text.h"

namespace quadrel {

Remembered::Remembered(const std::filesystem::path& file)
    : settings_(
          file.empty()
              ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("quadrel"), QStringLiteral("quadrel"))
              : std::make_unique<QSettings>(ToQString(file.u8string()), QSettings::IniFormat)) {}

Remembered::~Remembered() = default;

std::optional<QPoint> Remembered::Position(const QString& window) const {
    const QVariant value = settings_->value(QStringLiteral("windows/") + window);
    if (!value.canConvert<QPoint>() || !value.isValid()) return std::nullopt;
    return value.toPoint();
}

void Remembered::SetPosition(const QString& window, QPoint position) {
    settings_->setValue(QStringLiteral("windows/") + window, position);
}

std::optional<std::filesystem::path> Remembered::Folder(const QString& dialogKind) const {
    const QString value = settings_->value(QStringLiteral("folders/") + dialogKind).toString();
    if (value.isEmpty()) return std::nullopt;
    const std::filesystem::path folder = ToPath(value);
    std::error_code unknown;
    if (!std::filesystem::is_directory(folder, unknown)) return std::nullopt;
    return folder;
}

void Remembered::SetFolder(const QString& dialogKind, const std::filesystem::path& folder) {
    settings_->setValue(QStringLiteral("folders/") + dialogKind, ToQString(folder.u8string()));
}

}  // namespace quadrel
