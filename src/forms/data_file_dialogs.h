// The dialogs of the grid and title block data files, set up alike, and the
// save flow that both exit-flow writers share.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "forms/platform.h"

namespace quadrel {

// A dialog that lists the .dat files of `directory`; a name typed without
// an extension gets ".dat".
FileDialogOptions DataFileDialog(std::string title, const std::filesystem::path& directory);

// The save dialog of the drawing: in `directory`, proposing a name made from
// the set's description as `series` makes it ("*.dxf" when nothing of it is
// left); a name typed without an extension gets ".dxf".
FileDialogOptions DrawingFileDialog(std::string_view description,
                                    const std::filesystem::path& directory);

// The folder of a file that was read: where the dialog that saves it starts.
std::filesystem::path FolderOf(const std::filesystem::path& file);

// Asks for a file name and hands it to `write`. True when written; false
// when the user cancelled (the sets are not saved, so the exit flow keeps
// the program open like a failed write) or `write` threw FileError, which
// is reported.
bool SaveDataFile(Platform& platform, const FileDialogOptions& dialog,
                  const std::function<void(const std::filesystem::path&)>& write);

}  // namespace quadrel
