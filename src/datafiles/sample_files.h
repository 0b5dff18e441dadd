// The two fixed sample files that show a new user both data file formats.
#pragma once

#include <filesystem>
#include <string_view>

namespace quadrel {

inline constexpr std::string_view SampleGridFileName = "QDLGrid.SAM";
inline constexpr std::string_view SampleTitleFileName = "QDLTitle.SAM";

// The exact contents, "\n" after every line.
std::string_view SampleGridFileText();
std::string_view SampleTitleFileText();

// Writes both files into `directory`, each replaced atomically. Throws
// FileError naming the file that could not be written.
void WriteSampleFiles(const std::filesystem::path& directory);

}  // namespace quadrel
