#include "forms/data_file_dialogs.h"

#include "app/atomic_file.h"

namespace quadrel {

FileDialogOptions DataFileDialog(std::string title, const std::filesystem::path& directory) {
    return {std::move(title), directory, "*.dat", "DAT"};
}

bool SaveDataFile(Platform& platform, const FileDialogOptions& dialog,
                  const std::function<void(const std::filesystem::path&)>& write) {
    const auto path = platform.SaveFileDialog(dialog);
    if (!path) return false;
    try {
        write(*path);
    } catch (const FileError& error) {
        platform.ReportError(error.what());
        return false;
    }
    return true;
}

}  // namespace quadrel
