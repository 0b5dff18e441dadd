// The grid data file: 16 lines per grid set, each a value part, a "/" and a
// comment.
#pragma once

#include <filesystem>
#include <istream>
#include <string>

#include "model/set_store.h"

namespace quadrel {

enum class ReadOutcome {
    EndOfFile,        // every line of the file was taken
    CapacityReached,  // the file holds the start of a set beyond the capacity
};

// Appends the sets of the stream after those held: counts, current set,
// working and as-read values (GridFileLoaded is the caller's). Reading stops
// at the capacity of 50 sets, leaving the rest of the stream unread. Throws
// FileError when the stream reports a read error; the store is then as it
// was.
ReadOutcome ReadGridLines(std::istream& in, GridSetStore& store);

// ReadGridLines on a file. Throws FileError naming the file when it cannot be
// opened or read.
ReadOutcome ReadGridFile(const std::filesystem::path& path, GridSetStore& store);

// The text of the grid data file for the sets in use. Trims the values and
// stores the trimmed texts of the whole-value fields back into the sets.
std::string GridFileText(GridSetStore& store);

// Writes GridFileText to `path`, replacing the file atomically. Throws
// FileError naming the file when it cannot be written.
void WriteGridFile(const std::filesystem::path& path, GridSetStore& store);

}  // namespace quadrel
