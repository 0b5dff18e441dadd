// File names as the program's texts hold them: in UTF-8, whatever the
// system's own encoding of names.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quadrel {

// The path a UTF-8 text names (an argument, a folder typed into a form).
std::filesystem::path PathFromUtf8(std::string_view text);

// The path's name in UTF-8, for messages, output and the drawing's text.
std::string Utf8Path(const std::filesystem::path& path);

#ifdef _WIN32
// A text of the system's (an argument, an error's description) from UTF-16
// to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8FromWide(std::wstring_view text);
#endif

}  // namespace quadrel
