// Replacing files so that a failed write never leaves a damaged one behind.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quadrel {

// A file that could not be read or written; the message names the file and
// the reason.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The message of a FileError: what was attempted, the path, and the reason.
std::string FileErrorText(std::string_view action, const std::filesystem::path& path,
                          std::string_view reason);

// Writes `content` to a temporary file beside `target` and renames it over
// the target once complete. On failure the temporary file is removed, an
// existing target is left as it was, and FileError is thrown.
void WriteFileAtomically(const std::filesystem::path& target, std::string_view content);

}  // namespace quadrel
