// The title block data file: 14 lines per title set, thirteen values and a
// separator.
#pragma once

#include <filesystem>
#include <string>

#include "app/set_store.h"
#include "datafiles/grid_file.h"

namespace quadrel {

// Appends the lines of the file after the title lines in use (counts,
// working and as-read lines; TitleFileLoaded is the caller's). Throws
// FileError naming the file when it cannot be opened or read.
ReadOutcome ReadTitleFile(const std::filesystem::path& path, TitleSetStore& store);

// The text of the title block data file for the lines in use. Trims each
// line and stores the trimmed text back.
std::string TitleFileText(TitleSetStore& store);

// Writes TitleFileText to `path`, replacing the file atomically. Throws
// FileError naming the file when it cannot be written.
void WriteTitleFile(const std::filesystem::path& path, TitleSetStore& store);

}  // namespace quadrel
