#include "app/text.h"

#include <gtest/gtest.h>

namespace quadrel {
namespace {

TEST(Trim, RemovesBlanksAndControlCharactersButNoOtherCharacter) {
    EXPECT_EQ(Trim("  a b \t\r"), "a b");
    EXPECT_EQ(Trim(std::string("\0x\0", 3)), "x");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(TrimRight("  a  \r"), "  a");
    EXPECT_EQ(Trim(" G\xC3\xA9ologie\xC2\xA0 "), "G\xC3\xA9ologie\xC2\xA0");
}

TEST(CharacterCount, CountsCodePointsAndEachStrayByte) {
    EXPECT_EQ(CharacterCount("Ma\xC3\xB1"
                             "ana"),
              6U);
    EXPECT_EQ(CharacterCount("\xF0\x9F\x98\x80"), 1U);
    EXPECT_EQ(CharacterCount("\xFF\xC3"), 2U);
    EXPECT_EQ(CharacterCount("\xE2\x82"), 2U);  // a cut-off sequence
}

TEST(PadRight, PadsByCharactersAndNeverCuts) {
    EXPECT_EQ(PadRight("\xC3\xA9", 3), "\xC3\xA9  ");
    EXPECT_EQ(PadRight("abcdef", 3), "abcdef");
    EXPECT_EQ(FirstCharacters("\xC3\xA9t\xC3\xA9", 2), "\xC3\xA9t");
    EXPECT_EQ(UpperCase("m1b-\xC3\xA9"), "M1B-\xC3\xA9");
}

}  // namespace
}  // namespace quadrel
