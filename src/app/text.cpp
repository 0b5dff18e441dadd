#include "app/text.h"

#include <algorithm>

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

}  // namespace quadrel
