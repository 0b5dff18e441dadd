#include "drawing/text_ink.h"

#include <algorithm>
#include <array>

namespace quadrel {
namespace {

// DejaVu Sans, in hundredths of the capital height: the advance, then the
// ink's left and right end from the pen position and its bottom and top
// from the baseline, rounded outwards. Characters from blank to tilde.
struct CharacterInk {
    short Advance, Left, Right, Bottom, Top;
};

constexpr std::array<CharacterInk, 95> AsciiInk{{
    {44, 0, 0, 0, 0},         // ' '
    {55, 20, 35, 0, 100},     // '!'
    {63, 12, 51, 61, 100},    // '"'
    {115, 9, 106, 0, 99},     // '#'
    {88, 10, 77, -21, 105},   // '$'
    {131, 6, 124, -3, 103},   // '%'
    {107, 8, 103, -3, 103},   // '&'
    {38, 12, 25, 61, 100},    // quote
    {54, 10, 43, -20, 105},   // '('
    {54, 10, 43, -20, 105},   // ')'
    {69, 2, 66, 38, 103},     // '*'
    {115, 13, 102, 0, 87},    // '+'
    {44, 9, 32, -17, 18},     // ','
    {50, 5, 44, 31, 44},      // '-'
    {44, 13, 29, 0, 18},      // '.'
    {47, 0, 47, -14, 100},    // '/'
    {88, 8, 79, -3, 103},     // '0'
    {88, 13, 76, 0, 100},     // '1'
    {88, 9, 74, 0, 103},      // '2'
    {88, 9, 77, -3, 103},     // '3'
    {88, 5, 81, 0, 100},      // '4'
    {88, 9, 76, -3, 100},     // '5'
    {88, 8, 80, -3, 103},     // '6'
    {88, 10, 77, 0, 100},     // '7'
    {88, 8, 79, -3, 103},     // '8'
    {88, 8, 79, -3, 103},     // '9'
    {47, 15, 32, 0, 72},      // ':'
    {47, 9, 32, -17, 72},     // ';'
    {115, 13, 102, 5, 81},    // '<'
    {115, 13, 102, 23, 64},   // '='
    {115, 13, 102, 5, 81},    // '>'
    {73, 9, 65, 0, 103},      // '?'
    {137, 8, 129, -25, 98},   // '@'
    {94, 0, 94, 0, 100},      // 'A'
    {94, 12, 85, 0, 100},     // 'B'
    {96, 6, 90, -3, 103},     // 'C'
    {106, 12, 99, 0, 100},    // 'D'
    {87, 12, 79, 0, 100},     // 'E'
    {79, 12, 72, 0, 100},     // 'F'
    {107, 6, 96, -3, 103},    // 'G'
    {103, 12, 91, 0, 100},    // 'H'
    {41, 12, 28, 0, 100},     // 'I'
    {41, -9, 28, -29, 100},   // 'J'
    {90, 12, 94, 0, 100},     // 'K'
    {77, 12, 77, 0, 100},     // 'L'
    {119, 12, 106, 0, 100},   // 'M'
    {103, 12, 90, 0, 100},    // 'N'
    {108, 6, 102, -3, 103},   // 'O'
    {83, 12, 79, 0, 100},     // 'P'
    {108, 6, 102, -18, 103},  // 'Q'
    {96, 12, 92, 0, 100},     // 'R'
    {87, 8, 80, -3, 103},     // 'S'
    {84, -2, 85, 0, 100},     // 'T'
    {101, 10, 90, -3, 100},   // 'U'
    {94, 0, 94, 0, 100},      // 'V'
    {136, 4, 132, 0, 100},    // 'W'
    {94, 2, 91, 0, 100},      // 'X'
    {84, -2, 85, 0, 100},     // 'Y'
    {94, 5, 90, 0, 100},      // 'Z'
    {54, 10, 42, -20, 105},   // '['
    {47, 0, 47, -14, 100},    // '\'
    {54, 12, 43, -20, 105},   // ']'
    {115, 13, 102, 61, 100},  // '^'
    {69, -2, 70, -33, -21},   // '_'
    {69, 10, 44, 83, 110},    // '`'
    {84, 8, 73, -3, 77},      // 'a'
    {87, 12, 81, -3, 105},    // 'b'
    {76, 6, 68, -3, 77},      // 'c'
    {87, 6, 76, -3, 105},     // 'd'
    {85, 6, 79, -3, 77},      // 'e'
    {49, 2, 53, 0, 105},      // 'f'
    {87, 6, 76, -29, 77},     // 'g'
    {87, 12, 76, 0, 105},     // 'h'
    {39, 12, 27, 0, 105},     // 'i'
    {39, -3, 27, -29, 105},   // 'j'
    {80, 12, 80, 0, 105},     // 'k'
    {39, 12, 27, 0, 105},     // 'l'
    {134, 12, 122, 0, 77},    // 'm'
    {87, 12, 76, 0, 77},      // 'n'
    {84, 6, 77, -3, 77},      // 'o'
    {87, 12, 81, -29, 77},    // 'p'
    {87, 6, 76, -29, 77},     // 'q'
    {57, 12, 58, 0, 77},      // 'r'
    {72, 6, 66, -3, 77},      // 's'
    {54, 2, 51, 0, 98},       // 't'
    {87, 10, 76, -3, 77},     // 'u'
    {82, 2, 79, 0, 76},       // 'v'
    {113, 5, 107, 0, 76},     // 'w'
    {82, 2, 77, 0, 76},       // 'x'
    {82, 2, 79, -29, 76},     // 'y'
    {72, 5, 68, 0, 76},       // 'z'
    {88, 16, 72, -24, 105},   // '{'
    {47, 16, 29, -33, 106},   // '|'
    {88, 16, 72, -24, 105},   // '}'
    {115, 13, 102, 30, 55},   // '~'
}};

// Beyond ASCII: as wide as "W", with room above for an accent and below
// for a descender.
constexpr CharacterInk OtherInk{136, 0, 136, -30, 130};

const CharacterInk& InkOf(unsigned char byte) {
    if (byte >= 0x20 && byte < 0x7F) return AsciiInk[byte - 0x20];
    return OtherInk;
}

bool IsBlank(const CharacterInk& ink) {
    return ink.Right <= ink.Left;
}

}  // namespace

TextInk InkOfText(std::string_view text) {
    TextInk ink;
    bool inked = false;
    int pen = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        // A character beyond ASCII takes several bytes; it counts once.
        if ((byte & 0xC0U) == 0x80U) continue;
        const CharacterInk& character = InkOf(byte);
        if (!IsBlank(character)) {
            if (!inked) ink.Left = (pen + character.Left) / 100.0;
            ink.Right = std::max(ink.Right, (pen + character.Right) / 100.0);
            ink.Bottom =
                inked ? std::min(ink.Bottom, character.Bottom / 100.0) : character.Bottom / 100.0;
            ink.Top = inked ? std::max(ink.Top, character.Top / 100.0) : character.Top / 100.0;
            inked = true;
        }
        pen += character.Advance;
    }
    return ink;
}

}  // namespace quadrel
