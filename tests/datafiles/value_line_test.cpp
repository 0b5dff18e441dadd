#include "datafiles/value_line.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace quadrel {
namespace {

struct ValueCase {
    const char* Name;
    std::string Line;
    std::string ValuePart;
    std::string GridValue;   // trimmed at both ends
    std::string TitleValue;  // trimmed at the end only
};

void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << c.Name;
}

class ValueLine : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ValueLine, ExtractsTheValueBeforeTheFirstSlash) {
    const ValueCase& c = GetParam();
    EXPECT_EQ(ValuePart(c.Line), c.ValuePart);
    EXPECT_EQ(GridLineValue(c.Line), c.GridValue);
    EXPECT_EQ(TitleLineValue(c.Line), c.TitleValue);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ValueLine,
    ::testing::Values(ValueCase{"Empty", "", "", "", ""},
                      ValueCase{"NoSlash", "  M  ", "  M  ", "M", "  M"},
                      ValueCase{"SlashFirst", "/ Description (60 chars. Max.)", "/", "/", "/"},
                      ValueCase{"OnlySlash", "/", "/", "/", "/"},
                      ValueCase{"BlankThenSlash", " / comment", " ", "", ""},
                      ValueCase{"FirstSlashCounts", "a/b / comment", "a", "a", "a"},
                      ValueCase{"ValueAndComment", "   Mine   / Company designation 1.",
                                "   Mine   ", "Mine", "   Mine"},
                      ValueCase{"CarriageReturn", "Y    / Title block\r", "Y    ", "Y", "Y"},
                      ValueCase{"CarriageReturnNoComment", "  0.0\r", "  0.0\r", "0.0", "  0.0"},
                      ValueCase{"ControlCharacters", std::string("\t\x01 A \x1F\0/x", 8),
                                std::string("\t\x01 A \x1F\0", 7), "A", "\t\x01 A"},
                      ValueCase{"InnerBlanksStay", " Bag o' Dirt  Mine  /", " Bag o' Dirt  Mine  ",
                                "Bag o' Dirt  Mine", " Bag o' Dirt  Mine"},
                      ValueCase{"NonAsciiStays", "G\xC3\xA9ologie\xC2\xA0/",
                                "G\xC3\xA9ologie\xC2\xA0", "G\xC3\xA9ologie\xC2\xA0",
                                "G\xC3\xA9ologie\xC2\xA0"}),
    [](const auto& info) { return std::string(info.param.Name); });

struct WordsCase {
    const char* Name;
    std::string Value;
    std::vector<std::string> Words;
};

void PrintTo(const WordsCase& c, std::ostream* os) {
    *os << c.Name;
}

class ValueLineWords : public ::testing::TestWithParam<WordsCase> {};

TEST_P(ValueLineWords, SplitsAtRunsOfBlanksAndControlCharacters) {
    const auto words = SplitWords(GetParam().Value);
    EXPECT_EQ(std::vector<std::string>(words.begin(), words.end()), GetParam().Words);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ValueLineWords,
    ::testing::Values(WordsCase{"Empty", "", {}}, WordsCase{"OnlyBlanks", "   \t ", {}},
                      WordsCase{"Single", "UR", {"UR"}},
                      WordsCase{"SampleLine",
                                " 99000  96000 1000  100.0  0  0.0",
                                {"99000", "96000", "1000", "100.0", "0", "0.0"}},
                      WordsCase{"Tabs", "LR\t0.75\t\t0.0", {"LR", "0.75", "0.0"}},
                      WordsCase{"ControlCharactersSeparate",
                                std::string("a\x01"
                                            "b\0c",
                                            5),
                                {"a", "b", "c"}},
                      WordsCase{"NonAsciiInsideWord", "x\xC2\xA0y z", {"x\xC2\xA0y", "z"}}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace quadrel
