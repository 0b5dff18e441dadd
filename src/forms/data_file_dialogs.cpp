#include "forms/data_file_dialogs.h"

#include "base/atomic_file.h"
#include "base/text.h"

namespace quadrel {

FileDialogOptions DataFileDialog(std::string title, const std::filesystem::path& directory) {
    // The sample files end in .SAM: listed too, or they would be hidden.
    return {std::move(title),
            directory,
            "*.dat",
            "dat",
            {"Quadrel data files (*.dat *.sam)", "All files (*)"}};
}

FileDialogOptions DrawingFileDialog(std::string_view description,
                                    const std::filesystem::path& directory) {
    const std::string name = FileNameDescription(description);
    return {"Select the AutoCAD .dxf to create...",
            directory,
            name.empty() ? "*.dxf" : name + ".dxf",
            "dxf",
            {"AutoCAD drawings (*.dxf)", "All files (*)"}};
}

std::filesystem::path FolderOf(const std::filesystem::path& file) {
    std::error_code unknown;
    const std::filesystem::path absolute = std::filesystem::absolute(file, unknown);
    return (unknown ? file : absolute).parent_path();
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
