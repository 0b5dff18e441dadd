#include "app/text.h"

#include <gtest/gtest.h>

namespace quadrel {
namespace {

TEST(Trim, RemovesBlanksAndControlCharactersAtBothEnds) {
    EXPECT_EQ(Trim("  a b \t\r"), "a b");
    EXPECT_EQ(Trim(std::string("\0x\0", 3)), "x");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(TrimRight("  a  \r"), "  a");
    EXPECT_EQ(TrimRight(" \r\n"), "");
}

TEST(Trim, KeepsNonAsciiCharacters) {
    EXPECT_EQ(Trim(" G\xC3\xA9ologie "), "G\xC3\xA9ologie");
    EXPECT_EQ(Trim("\xC2\xA0x"), "\xC2\xA0x");
}

TEST(CharacterCount, CountsCodePointsNotBytes) {
    EXPECT_EQ(CharacterCount("abc"), 3U);
    EXPECT_EQ(CharacterCount("Ma\xC3\xB1" "ana"), 6U);
    EXPECT_EQ(CharacterCount("\xE2\x82\xAC"), 1U);          // euro sign
    EXPECT_EQ(CharacterCount("\xF0\x9F\x98\x80"), 1U);      // four-byte character
    EXPECT_EQ(CharacterCount("\xFF\xC3"), 2U);              // stray bytes count one each
    EXPECT_EQ(CharacterCount("\xE2\x82"), 2U);              // cut-off sequence
}

TEST(PadRight, PadsByCharactersAndNeverCuts) {
    EXPECT_EQ(PadRight("M", 4), "M   ");
    EXPECT_EQ(PadRight("\xC3\xA9", 3), "\xC3\xA9  ");
    EXPECT_EQ(PadRight("abcdef", 3), "abcdef");
    EXPECT_EQ(PadRight("", 2), "  ");
}

TEST(FirstCharacters, NeverSplitsACharacter) {
    EXPECT_EQ(FirstCharacters("\xC3\xA9t\xC3\xA9", 2), "\xC3\xA9t");
    EXPECT_EQ(FirstCharacters("ab", 5), "ab");
    EXPECT_EQ(FirstCharacters("ab", 0), "");
}

TEST(UpperCase, ChangesLatinLettersOnly) {
    EXPECT_EQ(UpperCase("m1b-\xC3\xA9"), "M1B-\xC3\xA9");
}

}  // namespace
}  // namespace quadrel
