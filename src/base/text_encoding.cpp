#include "base/text_encoding.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace quadrel {
namespace {

constexpr bool InRange(unsigned char byte, unsigned char low, unsigned char high) {
    return byte >= low && byte <= high;
}

// Length of the well-formed sequence that starts at bytes[i], or 0 when the
// bytes there are not one (the ranges of the second byte exclude overlong
// forms, surrogates and code points above U+10FFFF).
std::size_t SequenceLength(std::string_view bytes, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[i + k]); };
    const unsigned char lead = at(0);
    if (lead < 0x80U) return 1;

    std::size_t length = 0;
    unsigned char secondLow = 0x80U;
    unsigned char secondHigh = 0xBFU;
    if (InRange(lead, 0xC2U, 0xDFU)) {
        length = 2;
    } else if (lead == 0xE0U) {
        length = 3;
        secondLow = 0xA0U;
    } else if (InRange(lead, 0xE1U, 0xECU) || InRange(lead, 0xEEU, 0xEFU)) {
        length = 3;
    } else if (lead == 0xEDU) {
        length = 3;
        secondHigh = 0x9FU;
    } else if (lead == 0xF0U) {
        length = 4;
        secondLow = 0x90U;
    } else if (InRange(lead, 0xF1U, 0xF3U)) {
        length = 4;
    } else if (lead == 0xF4U) {
        length = 4;
        secondHigh = 0x8FU;
    } else {
        return 0;
    }
    if (bytes.size() - i < length) return 0;
    if (!InRange(at(1), secondLow, secondHigh)) return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (!InRange(at(k), 0x80U, 0xBFU)) return 0;
    }
    return length;
}

// Code points of the bytes 0x80 to 0x9F; the rest of Windows-1252 coincides
// with Latin-1 and so with the first 256 code points.
constexpr std::array<std::uint16_t, 32> HighControlRange{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

void AppendUtf8(std::string& text, std::uint32_t codePoint) {
    if (codePoint < 0x80U) {
        text += static_cast<char>(codePoint);
    } else if (codePoint < 0x800U) {
        text += static_cast<char>(0xC0U | (codePoint >> 6U));
        text += static_cast<char>(0x80U | (codePoint & 0x3FU));
    } else {
        text += static_cast<char>(0xE0U | (codePoint >> 12U));
        text += static_cast<char>(0x80U | ((codePoint >> 6U) & 0x3FU));
        text += static_cast<char>(0x80U | (codePoint & 0x3FU));
    }
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t length = SequenceLength(bytes, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const bool inTable = byte >= 0x80U && byte <= 0x9FU;
        AppendUtf8(text, inTable ? HighControlRange[byte - 0x80U] : byte);
    }
    return text;
}

std::uint32_t NextCodePoint(std::string_view text, std::size_t& i) {
    constexpr std::uint32_t ReplacementCharacter = 0xFFFD;
    const std::size_t length = SequenceLength(text, i);
    if (length == 0) {
        ++i;
        return ReplacementCharacter;
    }
    const auto lead = static_cast<unsigned char>(text[i]);
    constexpr std::array<unsigned, 5> LeadBits{0, 0x7F, 0x1F, 0x0F, 0x07};
    std::uint32_t codePoint = lead & LeadBits[length];
    for (std::size_t k = 1; k < length; ++k) {
        codePoint = (codePoint << 6U) | (static_cast<unsigned char>(text[i + k]) & 0x3FU);
    }
    i += length;
    return codePoint;
}

std::optional<unsigned char> Windows1252Byte(std::uint32_t codePoint) {
    if (codePoint < 0x80U || (codePoint >= 0xA0U && codePoint <= 0xFFU)) {
        return static_cast<unsigned char>(codePoint);
    }
    for (std::size_t k = 0; k < HighControlRange.size(); ++k) {
        if (HighControlRange[k] == codePoint) return static_cast<unsigned char>(0x80U + k);
    }
    return std::nullopt;
}

}  // namespace quadrel
