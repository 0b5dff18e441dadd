// The coordinate system a user names for a raster plot, written where GDAL
// and QGIS look for it: NAME.png.aux.xml, GDAL's side file of a picture.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quadrel {

// The longest code accepted; real ones ("IAU_2015:49964") are far shorter.
inline constexpr std::size_t MaxCrsCodeLength = 64;

// Why `code` cannot name a coordinate system, or "" when it can. A code is
// AUTHORITY:CODE: the authority a letter followed by letters, digits or "_"
// (EPSG, ESRI, IAU_2015), the code letters, digits, "_", "." or "-"
// (32633, LAMB93, CRS84). So nothing of it needs escaping in the file.
std::string CrsCodeProblem(std::string_view code);

// The side file naming `code` as the picture's coordinate system.
std::string CrsFileText(std::string_view code);

// NAME.png.aux.xml beside NAME.png.
std::filesystem::path CrsFilePath(const std::filesystem::path& picture);

// Replaces the side file of `picture` atomically; FileError naming it when it
// cannot be written. The code must be one CrsCodeProblem accepts.
void WriteCrsFile(const std::filesystem::path& picture, std::string_view code);

}  // namespace quadrel
