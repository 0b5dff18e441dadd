// Taking the lines of a data file: bytes in, UTF-8 lines out, and never more
// of the file than the readers can use.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <istream>
#include <string>
#include <vector>

#include "base/atomic_file.h"

namespace quadrel {

// The longest line a data file may hold, in bytes. The longest line the
// program writes from what a person types has 91 characters; a value read
// from a file is written back whole, and one of 1,300 characters of any
// kind (three bytes each in UTF-8) still reads back. A longer line means the
// file is no data file (a drawing, a picture); reading it whole could take
// gigabytes, while 801 lines of this length are about 3 MiB.
inline constexpr std::size_t MaxDataLineBytes = 4096;

// A line longer than MaxDataLineBytes: the input is refused, not read on.
class DataLineTooLong : public FileError {
public:
    using FileError::FileError;
};

// Up to `usableLines` + 1 complete lines of the stream, without their "\n"
// (a "\r" before it stays; trimming removes it). The line after the usable
// ones is taken only so that the caller can tell that more follows; the
// rest of the stream is left unread, however large. A last line without a
// line end is not a complete line and is dropped.
//
// The lines are taken as UTF-8 when the bytes of the usable ones are valid
// UTF-8, and are otherwise all decoded from Windows-1252, so every line
// returned is valid UTF-8. Throws FileError when the stream reports a read
// error, and DataLineTooLong for a line longer than MaxDataLineBytes, having
// read no more than that line of it.
std::vector<std::string> ReadDataLines(std::istream& in, std::size_t usableLines);

// Opens a data file and hands its bytes to `read` as a stream. Throws
// FileError naming the file when it is no regular file (a folder, a FIFO, a
// device), cannot be opened, holds a line too long, or when reading it fails
// part way; the failure reaches `read` as that
// exception, before ReadDataLines has returned any line.
void ReadDataFile(const std::filesystem::path& path,
                  const std::function<void(std::istream&)>& read);

}  // namespace quadrel
