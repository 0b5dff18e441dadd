// Deciding how the bytes of a data file are to be understood. Files written
// by this program are UTF-8; files from older Windows machines are
// Windows-1252, and anything that is not valid UTF-8 is taken as such.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quadrel {

// Whether the bytes are well-formed UTF-8: no overlong forms, no surrogates,
// nothing beyond U+10FFFF, no cut-off sequences. NUL and other control
// characters are valid.
bool IsValidUtf8(std::string_view bytes);

// The UTF-8 text of Windows-1252 bytes. The five bytes that Windows-1252
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 control
// characters of the same number, so every byte has a character.
std::string Windows1252ToUtf8(std::string_view bytes);

// The code point of the UTF-8 sequence at text[i], moving i past it. A byte
// that starts no well-formed sequence gives U+FFFD and moves i by one, so
// any bytes can be walked through.
std::uint32_t NextCodePoint(std::string_view text, std::size_t& i);

// The Windows-1252 byte of a code point, when that code page has one.
std::optional<unsigned char> Windows1252Byte(std::uint32_t codePoint);

}  // namespace quadrel
