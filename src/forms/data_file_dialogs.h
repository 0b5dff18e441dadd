// The dialogs of the grid and title block data files, set up alike, and the
// save flow that both exit-flow writers share.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "forms/platform.h"

namespace quadrel {

// A dialog that lists the .dat files of `directory`.
FileDialogOptions DataFileDialog(std::string title, const std::filesystem::path& directory);

// Asks for a file name and hands it to `write`. True when written; false
// when the user cancelled (the sets are not saved, so the exit flow keeps
// the program open like a failed write) or `write` threw FileError, which
// is reported.
bool SaveDataFile(Platform& platform, const FileDialogOptions& dialog,
                  const std::function<void(const std::filesystem::path&)>& write);

}  // namespace quadrel
