#include "base/path_text.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace quadrel {

#ifdef _WIN32

// Names on Windows are UTF-16. A narrow text given to std::filesystem::path
// is taken in the ANSI code page, which turns "Géologie" into another name,
// and .string() fails on a name outside it; UTF-8 as char8_t converts both
// ways exactly.
std::filesystem::path PathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string Utf8Path(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string Utf8FromWide(std::wstring_view text) {
    if (text.empty()) return {};
    const int wideLength = static_cast<int>(text.size());
    const int length =
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string converted(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), wideLength, converted.data(), length, nullptr,
                          nullptr);
    return converted;
}

#else

// Names on POSIX systems are bytes, passed on as they come: one need not be
// UTF-8 to be opened.
std::filesystem::path PathFromUtf8(std::string_view text) {
    return std::filesystem::path(text);
}

std::string Utf8Path(const std::filesystem::path& path) {
    return path.string();
}

#endif

}  // namespace quadrel
