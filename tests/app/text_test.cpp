#include "app/text.h"

#include <gtest/gtest.h>

namespace quadrel {
namespace {

// Texts are UTF-8: trimming removes blanks and control characters only, and
// lengths count characters (a stray byte as one).
TEST(Text, TrimsAndCountsByCharacters) {
    EXPECT_EQ(Trim(std::string("\0 a b \t\r", 8)), "a b");
    EXPECT_EQ(TrimRight("  a  \r"), "  a");
    EXPECT_EQ(Trim(" G\xC3\xA9ologie\xC2\xA0 "), "G\xC3\xA9ologie\xC2\xA0");
    EXPECT_EQ(CharacterCount("Ma\xC3\xB1"
                             "ana \xF0\x9F\x98\x80 \xFF\xE2\x82"),
              12U);
    EXPECT_EQ(PadRight("\xC3\xA9", 3), "\xC3\xA9  ");
    EXPECT_EQ(PadRight("abcdef", 3), "abcdef");
    EXPECT_EQ(FirstCharacters("\xC3\xA9t\xC3\xA9", 2), "\xC3\xA9t");
    EXPECT_EQ(UpperCase("m1b-\xC3\xA9"), "M1B-\xC3\xA9");
}

}  // namespace
}  // namespace quadrel
