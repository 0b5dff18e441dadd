#include "base/text.h"

#include <algorithm>
#include <iterator>

namespace quadrel {
namespace {

constexpr bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}

// Length in bytes of the character that starts at text[i].
std::size_t CharacterLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 1;
    if (lead >= 0xF0U && lead <= 0xF4U) {
        length = 4;
    } else if (lead >= 0xE0U) {
        length = 3;
    } else if (lead >= 0xC2U) {
        length = 2;
    }
    if (lead < 0xC2U || lead > 0xF4U || i + length > text.size()) return 1;
    for (std::size_t k = 1; k < length; ++k) {
        if (!IsContinuationByte(text[i + k])) return 1;
    }
    return length;
}

}  // namespace

std::string Trim(std::string_view text) {
    const auto first = std::find_if_not(text.begin(), text.end(), IsBlankOrControl);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlankOrControl).base();
    return first < last ? std::string(first, last) : std::string();
}

std::string TrimRight(std::string_view text) {
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlankOrControl).base();
    return std::string(text.begin(), last);
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i += CharacterLength(text, i)) ++count;
    return count;
}

std::string_view FirstCharacters(std::string_view text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t n = 0; n < count && i < text.size(); ++n) i += CharacterLength(text, i);
    return text.substr(0, i);
}

std::string PadRight(std::string_view text, std::size_t width) {
    std::string padded(text);
    const std::size_t length = CharacterCount(text);
    if (length < width) padded.append(width - length, ' ');
    return padded;
}

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

namespace {

// Characters that Windows or POSIX do not allow in a file name.
bool AllowedInFileName(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20U && std::string_view("<>:\"/\\|?*").find(c) == std::string_view::npos;
}

}  // namespace

std::string FileNameDescription(std::string_view description) {
    // A name has at most 255 bytes; a number and an extension need room.
    constexpr std::size_t MaxFileNameDescription = 60;
    std::string kept;
    std::copy_if(description.begin(), description.end(), std::back_inserter(kept),
                 AllowedInFileName);
    // Blanks at the start would only hide the name in a listing.
    kept.erase(0, std::min(kept.find_first_not_of(' '), kept.size()));
    // The cut falls before a character's first byte, never within it.
    std::size_t characters = 0;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(kept[i]) & 0xC0U) != 0x80U;
        if ((startsCharacter && ++characters > MaxFileNameDescription) ||
            (i >= 4 * MaxFileNameDescription && startsCharacter)) {
            kept.resize(i);
            break;
        }
    }
    // Windows drops dots and blanks at a name's end.
    const auto end = kept.find_last_not_of(". ");
    kept.resize(end == std::string::npos ? 0 : end + 1);
    return kept;
}

}  // namespace quadrel
