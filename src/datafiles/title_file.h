// The title block data file: 14 lines per title set, thirteen values and a
// separator.
#pragma once

#include <filesystem>
#include <istream>
#include <string>

#include "datafiles/grid_file.h"
#include "model/set_store.h"

namespace quadrel {

// Appends the lines of the stream after the title lines in use (counts,
// working and as-read lines; TitleFileLoaded is the caller's). Reading stops
// at the capacity of 50 title sets or when the 700 title lines are full,
// leaving the rest of the stream unread. A negative TitleLineCount is taken
// as 0. Throws FileError when the stream reports a read error; the store is
// then as it was.
ReadOutcome ReadTitleLines(std::istream& in, TitleSetStore& store);

// ReadTitleLines on a file. Throws FileError naming the file when it cannot
// be opened or read.
ReadOutcome ReadTitleFile(const std::filesystem::path& path, TitleSetStore& store);

// The text of the title block data file for the lines in use (at most 700).
// Trims each line and stores the trimmed text back.
std::string TitleFileText(TitleSetStore& store);

// Writes TitleFileText to `path`, replacing the file atomically. Throws
// FileError naming the file when it cannot be written.
void WriteTitleFile(const std::filesystem::path& path, TitleSetStore& store);

}  // namespace quadrel
