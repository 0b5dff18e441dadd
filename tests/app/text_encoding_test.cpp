#include "app/text_encoding.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "app/text.h"

namespace quadrel {
namespace {

struct Utf8Case {
    const char* Name;
    std::string Bytes;
    bool Valid;
};

void PrintTo(const Utf8Case& c, std::ostream* os) {
    *os << c.Name;
}

class Utf8Encoding : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Encoding, TellsWellFormedFromIllFormed) {
    EXPECT_EQ(IsValidUtf8(GetParam().Bytes), GetParam().Valid);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8Encoding,
    ::testing::Values(Utf8Case{"Empty", "", true}, Utf8Case{"Ascii", "Quadrel / 1.0", true},
                      Utf8Case{"NulAndControls", std::string("a\0b\x01\x7F", 5), true},
                      Utf8Case{"TwoByteLowest", "\xC2\x80", true},
                      Utf8Case{"Accents",
                               "G\xC3\xA9ologie Ma\xC3\xB1"
                               "ana",
                               true},
                      Utf8Case{"ThreeByteEuro", "\xE2\x82\xAC", true},
                      Utf8Case{"ThreeByteLowest", "\xE0\xA0\x80", true},
                      Utf8Case{"LastBeforeSurrogates", "\xED\x9F\xBF", true},
                      Utf8Case{"FirstAfterSurrogates", "\xEE\x80\x80", true},
                      Utf8Case{"ByteOrderMark", "\xEF\xBB\xBF", true},
                      Utf8Case{"FourByteLowest", "\xF0\x90\x80\x80", true},
                      Utf8Case{"HighestCodePoint", "\xF4\x8F\xBF\xBF", true},
                      Utf8Case{"LoneContinuation", "\x80", false},
                      Utf8Case{"OverlongSlash", "\xC0\xAF", false},
                      Utf8Case{"OverlongTwoByteC1", "\xC1\xBF", false},
                      Utf8Case{"OverlongThreeByte", "\xE0\x9F\xBF", false},
                      Utf8Case{"OverlongFourByte", "\xF0\x8F\xBF\xBF", false},
                      Utf8Case{"Surrogate", "\xED\xA0\x80", false},
                      Utf8Case{"BeyondUnicode", "\xF4\x90\x80\x80", false},
                      Utf8Case{"LeadF5", "\xF5\x80\x80\x80", false},
                      Utf8Case{"LeadFF", "\xFF", false}, Utf8Case{"CutOffTwoByte", "ab\xC3", false},
                      Utf8Case{"CutOffFourByte", "\xF0\x9F\x98", false},
                      Utf8Case{"BadSecondContinuation", "\xE2\x82\x41", false},
                      Utf8Case{"Windows1252Accent", "G\xE9ologie", false}),
    [](const auto& info) { return std::string(info.param.Name); });

struct Windows1252Case {
    unsigned char Byte;
    const char* Utf8;
};

void PrintTo(const Windows1252Case& c, std::ostream* os) {
    *os << "byte " << static_cast<int>(c.Byte);
}

class Windows1252Encoding : public ::testing::TestWithParam<Windows1252Case> {};

TEST_P(Windows1252Encoding, DecodesByteToItsCharacter) {
    const std::string byte(1, static_cast<char>(GetParam().Byte));
    EXPECT_EQ(Windows1252ToUtf8(byte), GetParam().Utf8);
}

// Every entry of the 0x80 to 0x9F range, where Windows-1252 differs from
// Latin-1, and the edges of the ranges around it.
INSTANTIATE_TEST_SUITE_P(
    Table, Windows1252Encoding,
    ::testing::Values(Windows1252Case{0x41, "A"}, Windows1252Case{0x7F, "\x7F"},
                      Windows1252Case{0x80, "\xE2\x82\xAC"}, Windows1252Case{0x81, "\xC2\x81"},
                      Windows1252Case{0x82, "\xE2\x80\x9A"}, Windows1252Case{0x83, "\xC6\x92"},
                      Windows1252Case{0x84, "\xE2\x80\x9E"}, Windows1252Case{0x85, "\xE2\x80\xA6"},
                      Windows1252Case{0x86, "\xE2\x80\xA0"}, Windows1252Case{0x87, "\xE2\x80\xA1"},
                      Windows1252Case{0x88, "\xCB\x86"}, Windows1252Case{0x89, "\xE2\x80\xB0"},
                      Windows1252Case{0x8A, "\xC5\xA0"}, Windows1252Case{0x8B, "\xE2\x80\xB9"},
                      Windows1252Case{0x8C, "\xC5\x92"}, Windows1252Case{0x8D, "\xC2\x8D"},
                      Windows1252Case{0x8E, "\xC5\xBD"}, Windows1252Case{0x8F, "\xC2\x8F"},
                      Windows1252Case{0x90, "\xC2\x90"}, Windows1252Case{0x91, "\xE2\x80\x98"},
                      Windows1252Case{0x92, "\xE2\x80\x99"}, Windows1252Case{0x93, "\xE2\x80\x9C"},
                      Windows1252Case{0x94, "\xE2\x80\x9D"}, Windows1252Case{0x95, "\xE2\x80\xA2"},
                      Windows1252Case{0x96, "\xE2\x80\x93"}, Windows1252Case{0x97, "\xE2\x80\x94"},
                      Windows1252Case{0x98, "\xCB\x9C"}, Windows1252Case{0x99, "\xE2\x84\xA2"},
                      Windows1252Case{0x9A, "\xC5\xA1"}, Windows1252Case{0x9B, "\xE2\x80\xBA"},
                      Windows1252Case{0x9C, "\xC5\x93"}, Windows1252Case{0x9D, "\xC2\x9D"},
                      Windows1252Case{0x9E, "\xC5\xBE"}, Windows1252Case{0x9F, "\xC5\xB8"},
                      Windows1252Case{0xA0, "\xC2\xA0"}, Windows1252Case{0xE9, "\xC3\xA9"},
                      Windows1252Case{0xF1, "\xC3\xB1"}, Windows1252Case{0xFF, "\xC3\xBF"}));

TEST(Windows1252Encoding, EveryByteGivesExactlyOneValidCharacter) {
    for (int byte = 0; byte < 256; ++byte) {
        SCOPED_TRACE(byte);
        const std::string decoded = Windows1252ToUtf8(std::string(1, static_cast<char>(byte)));
        EXPECT_TRUE(IsValidUtf8(decoded));
        EXPECT_EQ(CharacterCount(decoded), 1U);
        if (byte >= 0xA0) {
            // Above the table, Windows-1252 is Latin-1: the byte is the code point.
            const std::string latin1{static_cast<char>(0xC0 | (byte >> 6)),
                                     static_cast<char>(0x80 | (byte & 0x3F))};
            EXPECT_EQ(decoded, latin1);
        }
    }
}

TEST(Windows1252Encoding, DecodesAWholeText) {
    EXPECT_EQ(Windows1252ToUtf8("G\xE9ologie Ma\xF1"
                                "ana \x80 5"),
              "G\xC3\xA9ologie Ma\xC3\xB1"
              "ana \xE2\x82\xAC 5");
    EXPECT_EQ(Windows1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

}  // namespace
}  // namespace quadrel
