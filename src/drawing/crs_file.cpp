#include "drawing/crs_file.h"

#include <algorithm>

#include "base/atomic_file.h"

namespace quadrel {
namespace {

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsLetterOrDigit(char c) {
    return IsLetter(c) || (c >= '0' && c <= '9');
}

}  // namespace

std::string CrsCodeProblem(std::string_view code) {
    const std::string quoted = "'" + std::string(code.substr(0, MaxCrsCodeLength)) + "'";
    if (code.empty()) return "--crs needs a code such as EPSG:32633";
    if (code.size() > MaxCrsCodeLength) {
        return "--crs " + quoted + "... is longer than " + std::to_string(MaxCrsCodeLength) +
               " characters";
    }
    const auto colon = code.find(':');
    const std::string_view authority = code.substr(0, colon);
    const std::string_view number =
        colon == std::string_view::npos ? std::string_view() : code.substr(colon + 1);
    const bool authorityOk = !authority.empty() && IsLetter(authority.front()) &&
                             std::all_of(authority.begin(), authority.end(),
                                         [](char c) { return IsLetterOrDigit(c) || c == '_'; });
    const bool numberOk = !number.empty() && std::all_of(number.begin(), number.end(), [](char c) {
        return IsLetterOrDigit(c) || c == '_' || c == '.' || c == '-';
    });
    if (authorityOk && numberOk) return "";
    return "--crs " + quoted +
           " is not AUTHORITY:CODE (letters, digits and _ . - only, such as EPSG:32633)";
}

std::string CrsFileText(std::string_view code) {
    // No axis mapping is given: GDAL then takes X as easting (or longitude)
    // and Y as northing, as the world file has them, even for a system whose
    // authority lists northing first (EPSG:2193, EPSG:4326). Mapping "1,2"
    // would put such a plot on its side.
    return "<PAMDataset>\n  <SRS>" + std::string(code) + "</SRS>\n</PAMDataset>\n";
}

std::filesystem::path CrsFilePath(const std::filesystem::path& picture) {
    return std::filesystem::path(picture) += ".aux.xml";
}

void WriteCrsFile(const std::filesystem::path& picture, std::string_view code) {
    WriteFileAtomically(CrsFilePath(picture), CrsFileText(code));
}

}  // namespace quadrel
