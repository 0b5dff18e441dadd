// What the desktop remembers between runs: where its windows stood and the
// folders last chosen in the open and save dialogs.
#pragma once

#include <QPoint>
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>

class QSettings;

namespace quadrel {

class Remembered {
public:
    // In `file`; without one, in the user's own settings of Quadrel.
    explicit Remembered(const std::filesystem::path& file = {});
    ~Remembered();
    Remembered(const Remembered&) = delete;
    Remembered& operator=(const Remembered&) = delete;

    std::optional<QPoint> Position(const QString& window) const;
    void SetPosition(const QString& window, QPoint position);
    // A folder that no longer exists is forgotten.
    std::optional<std::filesystem::path> Folder(const QString& dialogKind) const;
    void SetFolder(const QString& dialogKind, const std::filesystem::path& folder);

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace quadrel
