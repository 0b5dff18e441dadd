#include "datafiles/value_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quadrel {
namespace {

// Grid values are trimmed at both ends, title values at the end only; a
// slash first is the value itself.
TEST(ValueLine, TheValueStandsBeforeTheFirstSlash) {
    const struct {
        std::string line, grid, title;
    } cases[] = {
        {"/ Description (60 chars. Max.)", "/", "/"},
        {" / comment", "", ""},
        {"a/b / comment", "a", "a"},
        {"  0.0\r", "0.0", "  0.0"},
        {std::string("\t\x01 A \x1F\0/x", 8), "A", "\t\x01 A"},
        {" Bag o' Dirt  Mine  /", "Bag o' Dirt  Mine", " Bag o' Dirt  Mine"},
        {"G\xC3\xA9ologie\xC2\xA0/", "G\xC3\xA9ologie\xC2\xA0", "G\xC3\xA9ologie\xC2\xA0"}};
    for (const auto& c : cases) {
        EXPECT_EQ(GridLineValue(c.line), c.grid) << c.line;
        EXPECT_EQ(TitleLineValue(c.line), c.title) << c.line;
    }
    const std::string value(" 99000\t\x01 1000  G\xC3\xA9o\0x", 21);
    const auto words = SplitWords(value);
    EXPECT_EQ(std::vector<std::string>(words.begin(), words.end()),
              (std::vector<std::string>{"99000", "1000", "G\xC3\xA9o", "x"}));
}

}  // namespace
}  // namespace quadrel
