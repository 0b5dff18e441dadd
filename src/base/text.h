// Small text helpers shared by every layer. Texts are UTF-8 internally.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quadrel {

// A blank or a control character: what trimming removes (every byte up to
// and including the blank, as the data files and the edits have always done).
constexpr bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Removes blanks and control characters at both ends.
std::string Trim(std::string_view text);
// Removes blanks and control characters at the end only.
std::string TrimRight(std::string_view text);

// Number of characters (UTF-8 code points) in a text; stray bytes that are no
// valid UTF-8 count one each.
std::size_t CharacterCount(std::string_view text);
// The first `count` characters of a text.
std::string_view FirstCharacters(std::string_view text, std::size_t count);
// Appends blanks up to `width` characters; a longer text stays whole.
std::string PadRight(std::string_view text, std::size_t width);

// Upper case for the Latin letters a-z; other characters stay.
std::string UpperCase(std::string_view text);

// A description made fit for a file name on Windows and POSIX: without the
// characters they cannot hold, the blanks before it and the dots and blanks
// after it; at most 60 characters, so that a number and an extension fit.
std::string FileNameDescription(std::string_view description);

}  // namespace quadrel
