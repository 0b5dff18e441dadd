#include "datafiles/title_file.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/atomic_file.h"
#include "data_file_checks.h"
#include "datafiles/sample_files.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

using testing::LinesText;
using testing::ReadTitleText;
using testing::SplitLines;
using testing::TempDir;

const std::vector<std::string> Comments{
    "/ Company designation 1.    (30 MAX.)", "/ Company designation 2.    (30 MAX.)",
    "/ Main Title 1              (30 MAX.)", "/ Main Title 2              (30 MAX.)",
    "/ Main Title 3              (30 MAX.)", "/ Office                    (24 MAX.)",
    "/ Department                (24 MAX.)", "/ Map index or plate number (12 MAX.)",
    "/ Drawing number            (12 MAX.)", "/ Drawn by                  (25 MAX.)",
    "/ Checked by                (25 MAX.)", "/ Approved by               (25 MAX.)",
    "/ Prepared by               (30 MAX.)",
};

// The 14 lines of a title set whose values are tag-1 .. tag-13.
std::vector<std::string> TitleSetLines(const std::string& tag) {
    std::vector<std::string> lines;
    for (int k = 1; k <= 13; ++k) lines.push_back(tag + "-" + std::to_string(k) + "   / comment");
    lines.push_back(" ");
    return lines;
}

std::string TitleSetsText(int count) {
    std::string text;
    for (int s = 0; s < count; ++s) text += LinesText(TitleSetLines("S" + std::to_string(s)));
    return text;
}

std::string Padded(const std::string& value, std::size_t k) {
    return value + std::string(value.size() < 30 ? 30 - value.size() : 0, ' ') + Comments[k - 1];
}

TEST(TitleFileReading, SampleFileGivesTwoSets) {
    TitleSetStore store;
    EXPECT_EQ(ReadTitleText(SampleTitleFileText(), store), ReadOutcome::EndOfFile);
    EXPECT_EQ(store.TitleSetCount, 2);
    EXPECT_EQ(store.TitleLineCount, 28);
    EXPECT_EQ(store.TitleLinesRead, 28);
    EXPECT_EQ(store.CurrentTitleSet, 1);
    EXPECT_EQ(store.TitleLines[0], "Fly-By-Night Mining Company");
    EXPECT_EQ(store.TitleLines[11], "AAA");
    EXPECT_EQ(store.TitleLines[13], "");
    EXPECT_EQ(store.TitleLines[14 + 1], "Bag o' Dirt Mine");
    EXPECT_EQ(store.TitleLines[14 + 12], "Hallis, Marrow & Vane");
    EXPECT_EQ(store.AsReadTitleLines[14 + 1], "Bag o' Dirt Mine");
    EXPECT_FALSE(store.TitleSetsChanged());
}

struct TitleLineCase {
    const char* Name;
    std::string Line;
    std::string Value;
};

void PrintTo(const TitleLineCase& c, std::ostream* os) {
    *os << c.Name;
}

class TitleFileLine : public ::testing::TestWithParam<TitleLineCase> {};

TEST_P(TitleFileLine, KeepsLeadingBlanksAndDropsTrailingOnes) {
    TitleSetStore store;
    ReadTitleText(GetParam().Line + "\n", store);
    EXPECT_EQ(store.TitleLines[0], GetParam().Value);
    EXPECT_EQ(store.AsReadTitleLines[0], GetParam().Value);
    EXPECT_EQ(store.TitleLineCount, 1);
    EXPECT_EQ(store.TitleSetCount, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TitleFileLine,
    ::testing::Values(TitleLineCase{"LeadingBlanksKept",
                                    "   Mine   / Company designation 1.    (30 MAX.)", "   Mine"},
                      TitleLineCase{"SlashInFirstColumn", "/ Company designation 1.", "/"},
                      TitleLineCase{"Empty", "", ""},
                      TitleLineCase{"NoComment", "  Mine \t ", "  Mine"},
                      TitleLineCase{"CarriageReturn", "Mine  / c\r", "Mine"},
                      TitleLineCase{"CarriageReturnOnly", "\r", ""},
                      TitleLineCase{"LongValueKeptWhole", std::string(400, 'w') + "/ c",
                                    std::string(400, 'w')},
                      TitleLineCase{"Windows1252",
                                    "Ma\xF1"
                                    "ana / c",
                                    "Ma\xC3\xB1"
                                    "ana"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(TitleFileReading, StoresTheSeparatorLineAsTheFourteenth) {
    std::vector<std::string> lines = TitleSetLines("A");
    lines[13] = "  separator text  / x";
    TitleSetStore store;
    ReadTitleText(LinesText(lines), store);
    EXPECT_EQ(store.TitleLines[13], "  separator text");
    EXPECT_EQ(store.AsReadTitleLines[13], "  separator text");
}

TEST(TitleFileReading, TwentyLinesGiveTwoSetsTheSecondCutShort) {
    std::vector<std::string> lines = TitleSetLines("A");
    const std::vector<std::string> second = TitleSetLines("B");
    lines.insert(lines.end(), second.begin(), second.begin() + 6);
    TitleSetStore store;
    EXPECT_EQ(ReadTitleText(LinesText(lines), store), ReadOutcome::EndOfFile);
    EXPECT_EQ(store.TitleSetCount, 2);
    EXPECT_EQ(store.TitleLineCount, 20);
    EXPECT_EQ(store.TitleLinesRead, 20);
    EXPECT_EQ(store.TitleLines[19], "B-6");

    std::vector<std::string> expected;
    for (std::size_t k = 1; k <= 13; ++k) expected.push_back(Padded("A-" + std::to_string(k), k));
    expected.push_back(" ");
    for (std::size_t k = 1; k <= 6; ++k) expected.push_back(Padded("B-" + std::to_string(k), k));
    EXPECT_EQ(TitleFileText(store), LinesText(expected));
}

TEST(TitleFileReading, LastLineWithoutLineEndIsNotRead) {
    TitleSetStore store;
    store.TitleLines[1] = "before";
    EXPECT_EQ(ReadTitleText("First / c\nSecond / c", store), ReadOutcome::EndOfFile);
    EXPECT_EQ(store.TitleLineCount, 1);
    EXPECT_EQ(store.TitleLines[1], "before");
}

TEST(TitleFileReading, AppendsAfterATypedSet) {
    TitleSetStore store;
    store.TitleSetCount = 1;
    store.TitleLineCount = 14;
    store.TitleLines[0] = "typed";
    EXPECT_EQ(ReadTitleText(SampleTitleFileText(), store), ReadOutcome::EndOfFile);
    EXPECT_EQ(store.TitleSetCount, 3);
    EXPECT_EQ(store.TitleLineCount, 42);
    EXPECT_EQ(store.TitleLinesRead, 28);
    EXPECT_EQ(store.CurrentTitleSet, 1);
    EXPECT_EQ(store.TitleLines[0], "typed");
    EXPECT_EQ(store.TitleLines[14], "Fly-By-Night Mining Company");
    EXPECT_EQ(store.TitleLines[28 + 1], "Bag o' Dirt Mine");
    EXPECT_TRUE(store.TitleSetsChanged());
}

struct TitleCapacityCase {
    const char* Name;
    int SetCount;
    int LineCount;
    std::string Text;
    ReadOutcome Outcome;
    int SetCountAfter;
    int LineCountAfter;
    int LinesRead;
};

void PrintTo(const TitleCapacityCase& c, std::ostream* os) {
    *os << c.Name;
}

class TitleFileCapacity : public ::testing::TestWithParam<TitleCapacityCase> {};

TEST_P(TitleFileCapacity, NeverStoresOutsideTheTitleLines) {
    const TitleCapacityCase& c = GetParam();
    TitleSetStore store;
    store.TitleSetCount = c.SetCount;
    store.TitleLineCount = c.LineCount;
    EXPECT_EQ(ReadTitleText(c.Text, store), c.Outcome);
    EXPECT_EQ(store.TitleSetCount, c.SetCountAfter);
    EXPECT_EQ(store.TitleLineCount, c.LineCountAfter);
    EXPECT_EQ(store.TitleLinesRead, c.LinesRead);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TitleFileCapacity,
    ::testing::Values(TitleCapacityCase{"FiftySets", 0, 0, TitleSetsText(50),
                                        ReadOutcome::EndOfFile, 50, 700, 700},
                      TitleCapacityCase{"FiftyOneSets", 0, 0, TitleSetsText(51),
                                        ReadOutcome::CapacityReached, 50, 700, 700},
                      TitleCapacityCase{"UnfinishedLineAfterFiftySets", 0, 0,
                                        TitleSetsText(50) + "x", ReadOutcome::EndOfFile, 50, 700,
                                        700},
                      TitleCapacityCase{"AfterATypedSet", 1, 14, TitleSetsText(50),
                                        ReadOutcome::CapacityReached, 50, 700, 686},
                      TitleCapacityCase{"NegativeLineCountStartsAtTheFirstLine", 0, -5,
                                        TitleSetsText(1), ReadOutcome::EndOfFile, 1, 14, 14},
                      TitleCapacityCase{"NegativeSetCount", -2, 0, TitleSetsText(1),
                                        ReadOutcome::EndOfFile, 1, 14, 14},
                      TitleCapacityCase{"OversizedLineCountReadsNothing", 0, 800, TitleSetsText(1),
                                        ReadOutcome::CapacityReached, 0, 800, 0},
                      TitleCapacityCase{"OversizedSetCount", 60, 0, TitleSetsText(1),
                                        ReadOutcome::CapacityReached, 50, 0, 0},
                      TitleCapacityCase{"LinesRunOutBeforeSets", 0, 690, TitleSetsText(1),
                                        ReadOutcome::CapacityReached, 1, 700, 10},
                      TitleCapacityCase{"LinesRunOutAtASetStart", 0, 700, TitleSetsText(1),
                                        ReadOutcome::CapacityReached, 0, 700, 0}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(TitleFileReading, FileThatCannotBeOpenedNamesPathAndReason) {
    TempDir dir;
    TitleSetStore store;
    try {
        ReadTitleFile(dir / "missing.dat", store);
        FAIL() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  FileErrorText("Cannot open", dir / "missing.dat", "No such file or directory"));
    }
    EXPECT_THROW(ReadTitleFile(dir.Path(), store), FileError);
    EXPECT_EQ(store.TitleLineCount, 0);

    const auto path = dir.Write("title.dat", SampleTitleFileText());
    EXPECT_EQ(ReadTitleFile(path, store), ReadOutcome::EndOfFile);
    EXPECT_EQ(store.TitleLineCount, 28);
}

TEST(TitleFileWriting, WritesTrimmedValuesPaddedToThirtyAndStoresThemBack) {
    TitleSetStore store;
    ReadTitleText("  Mine   / Company designation 1.    (30 MAX.)\n", store);
    EXPECT_EQ(TitleFileText(store), Padded("Mine", 1) + "\n");
    EXPECT_EQ(store.TitleLines[0], "Mine");
    EXPECT_EQ(store.AsReadTitleLines[0], "  Mine");
    EXPECT_FALSE(store.TitleSetsChanged());
}

TEST(TitleFileWriting, LongValuesAreWrittenWhole) {
    TitleSetStore store;
    store.TitleLineCount = 3;
    store.TitleLines[0] = std::string(30, 'x');
    store.TitleLines[1] = std::string(31, 'y');
    store.TitleLines[2] = "\xC3\xA9t\xC3\xA9";
    const std::vector<std::string> lines = SplitLines(TitleFileText(store));
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[0], std::string(30, 'x') + Comments[0]);
    EXPECT_EQ(lines[1], std::string(31, 'y') + Comments[1]);
    EXPECT_EQ(lines[2], "\xC3\xA9t\xC3\xA9" + std::string(27, ' ') + Comments[2]);
}

TEST(TitleFileWriting, EveryFourteenthLineIsOneBlankWhateverItHolds) {
    TitleSetStore store;
    store.TitleLineCount = 28;
    for (std::size_t i = 0; i < 28; ++i) store.TitleLines[i] = "v" + std::to_string(i);
    const std::vector<std::string> lines = SplitLines(TitleFileText(store));
    ASSERT_EQ(lines.size(), 28U);
    for (std::size_t i = 0; i < 28; ++i) {
        if (i % 14 == 13) {
            EXPECT_EQ(lines[i], " ");
        } else {
            EXPECT_EQ(lines[i], Padded("v" + std::to_string(i), i % 14 + 1));
        }
    }
}

TEST(TitleFileWriting, WritesOnlyTheLinesThatExist) {
    TitleSetStore store;
    for (const auto& [count, lines] : std::vector<std::pair<int, std::size_t>>{
             {0, 0}, {-3, 0}, {5, 5}, {700, 700}, {701, 700}, {100000, 700}}) {
        store.TitleLineCount = count;
        EXPECT_EQ(SplitLines(TitleFileText(store)).size(), lines) << count;
    }
}

TEST(TitleFileWriting, TypedSetsReadBackUnchanged) {
    TitleSetStore store;
    store.TitleSetCount = 2;
    store.TitleLineCount = 28;
    for (std::size_t i = 0; i < 28; ++i) {
        store.TitleLines[i] = i % 14 == 13 ? "" : "Title " + std::to_string(i) + " Caf\xC3\xA9";
    }
    const std::string text = TitleFileText(store);
    TitleSetStore back;
    EXPECT_EQ(ReadTitleText(text, back), ReadOutcome::EndOfFile);
    EXPECT_EQ(back.TitleLineCount, 28);
    for (std::size_t i = 0; i < 28; ++i) EXPECT_EQ(back.TitleLines[i], store.TitleLines[i]) << i;
    EXPECT_FALSE(back.TitleSetsChanged());
}

TEST(TitleFileWriting, WritesAFileAndNamesItWhenItCannot) {
    TempDir dir;
    TitleSetStore store;
    ReadTitleText(SampleTitleFileText(), store);
    WriteTitleFile(dir / "title.dat", store);
    EXPECT_EQ(TempDir::Read(dir / "title.dat"), TitleFileText(store));
    try {
        WriteTitleFile(dir.Path(), store);
        FAIL() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find(dir.Path().string()), std::string::npos);
    }
}

}  // namespace
}  // namespace quadrel
