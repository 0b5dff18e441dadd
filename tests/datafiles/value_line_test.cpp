#include "datafiles/value_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quadrel {
namespace {

TEST(ValueLine, TheValueStandsBeforeTheFirstSlash) {
    const struct {
        std::string line, grid, title;  // grid values trimmed at both ends, titles at the end
    } cases[] = {
        {"", "", ""},
        {"  M  ", "M", "  M"},
        {"/ Description (60 chars. Max.)", "/", "/"},  // a slash first is the value
        {" / comment", "", ""},
        {"a/b / comment", "a", "a"},
        {"Y    / Title block\r", "Y", "Y"},
        {"  0.0\r", "0.0", "  0.0"},
        {std::string("\t\x01 A \x1F\0/x", 8), "A", "\t\x01 A"},
        {" Bag o' Dirt  Mine  /", "Bag o' Dirt  Mine", " Bag o' Dirt  Mine"},
        {"G\xC3\xA9ologie\xC2\xA0/", "G\xC3\xA9ologie\xC2\xA0", "G\xC3\xA9ologie\xC2\xA0"}};
    for (const auto& c : cases) {
        EXPECT_EQ(GridLineValue(c.line), c.grid) << c.line;
        EXPECT_EQ(TitleLineValue(c.line), c.title) << c.line;
    }
}

TEST(ValueLine, WordsSplitAtRunsOfBlanksAndControlCharacters) {
    const struct {
        std::string value;
        std::vector<std::string> words;
    } cases[] = {{"   \t ", {}},
                 {" 99000  96000 1000  100.0", {"99000", "96000", "1000", "100.0"}},
                 {"LR\t0.75\t\t0.0", {"LR", "0.75", "0.0"}},
                 {std::string("a\x01"
                              "b\0c",
                              5),
                  {"a", "b", "c"}},
                 {"x\xC2\xA0y z", {"x\xC2\xA0y", "z"}}};
    for (const auto& c : cases) {
        const auto words = SplitWords(c.value);
        EXPECT_EQ(std::vector<std::string>(words.begin(), words.end()), c.words) << c.value;
    }
}

}  // namespace
}  // namespace quadrel
