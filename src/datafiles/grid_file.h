// The grid data file: 16 lines per grid set, each a value part, a "/" and a
// comment.
#pragma once

#include <filesystem>
#include <string>

#include "app/set_store.h"

namespace quadrel {

enum class ReadOutcome {
    EndOfFile,        // every line of the file was taken
    CapacityReached,  // the file holds the start of a set beyond the capacity
};

// Appends the sets of the file after those held: counts, current set,
// working and as-read values (GridFileLoaded is the caller's). Throws
// FileError naming the file when it cannot be opened or read.
ReadOutcome ReadGridFile(const std::filesystem::path& path, GridSetStore& store);

// The text of the grid data file for the sets in use. Trims the values and
// stores the trimmed texts of the whole-value fields back into the sets.
std::string GridFileText(GridSetStore& store);

// Writes GridFileText to `path`, replacing the file atomically. Throws
// FileError naming the file when it cannot be written.
void WriteGridFile(const std::filesystem::path& path, GridSetStore& store);

}  // namespace quadrel
