#include "datafiles/title_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data_file_checks.h"
#include "datafiles/sample_files.h"

namespace quadrel {
namespace {

using testing::LinesText;
using testing::ReadTitleText;
using testing::SplitLines;

std::string TitleSetsText(int count) {
    std::string text;
    for (int s = 0; s < count * 14; ++s)
        text += s % 14 == 13 ? " \n" : "S" + std::to_string(s) + " / c\n";
    return text;
}

TEST(TitleFileReading, KeepsLeadingBlanksAndDropsTrailingOnes) {
    const struct {
        std::string line, value;
    } cases[] = {{"   Mine   / Company designation 1.    (30 MAX.)", "   Mine"},
                 {"/ Company designation 1.", "/"},
                 {"  Mine \t ", "  Mine"},
                 {"Mine  / c\r", "Mine"},
                 {"Ma\xF1"
                  "ana / c",
                  "Ma\xC3\xB1"
                  "ana"}};
    for (const auto& c : cases) {
        TitleSetStore store;
        ReadTitleText(c.line + "\n", store);
        EXPECT_EQ(store.TitleLines[0], c.value);
        EXPECT_EQ(store.AsReadTitleLines[0], c.value);
        EXPECT_EQ(store.TitleSetCount, 1);
    }
    // The separator line is stored like the others.
    TitleSetStore store;
    ReadTitleText(TitleSetsText(1).replace(TitleSetsText(1).size() - 2, 1, "  sep  / x"), store);
    EXPECT_EQ(store.TitleLines[13], "  sep");
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
    EXPECT_TRUE(store.TitleSetsChanged());
}

TEST(TitleFileReading, NeverStoresOutsideTheTitleLines) {
    const struct {
        int setCount, lineCount;
        std::string text;
        ReadOutcome outcome;
        int setCountAfter, lineCountAfter, linesRead;
    } cases[] = {{0, 0, TitleSetsText(50), ReadOutcome::EndOfFile, 50, 700, 700},
                 {0, 0, TitleSetsText(51), ReadOutcome::CapacityReached, 50, 700, 700},
                 {0, 0, TitleSetsText(50) + "x", ReadOutcome::EndOfFile, 50, 700, 700},
                 {1, 14, TitleSetsText(50), ReadOutcome::CapacityReached, 50, 700, 686},
                 {0, -5, TitleSetsText(1), ReadOutcome::EndOfFile, 1, 14, 14},
                 {-2, 0, TitleSetsText(1), ReadOutcome::EndOfFile, 1, 14, 14},
                 {0, 800, TitleSetsText(1), ReadOutcome::CapacityReached, 0, 800, 0},
                 {60, 0, TitleSetsText(1), ReadOutcome::CapacityReached, 50, 0, 0},
                 {0, 690, TitleSetsText(1), ReadOutcome::CapacityReached, 1, 700, 10},
                 {0, 700, TitleSetsText(1), ReadOutcome::CapacityReached, 0, 700, 0}};
    for (const auto& c : cases) {
        TitleSetStore store;
        store.TitleSetCount = c.setCount;
        store.TitleLineCount = c.lineCount;
        SCOPED_TRACE(std::to_string(c.setCount) + " sets, " + std::to_string(c.lineCount) +
                     " lines");
        EXPECT_EQ(ReadTitleText(c.text, store), c.outcome);
        EXPECT_EQ(store.TitleSetCount, c.setCountAfter);
        EXPECT_EQ(store.TitleLineCount, c.lineCountAfter);
        EXPECT_EQ(store.TitleLinesRead, c.linesRead);
    }
}

TEST(TitleFileWriting, TrimsPadsToThirtyCharactersAndNeverCuts) {
    TitleSetStore store;
    store.TitleLineCount = 28;
    for (std::size_t i = 0; i < 28; ++i) store.TitleLines[i] = "  v" + std::to_string(i) + " ";
    store.TitleLines[1] = std::string(31, 'y');
    store.TitleLines[2] = "\xC3\xA9t\xC3\xA9";
    const std::vector<std::string> lines = SplitLines(TitleFileText(store));
    ASSERT_EQ(lines.size(), 28U);
    EXPECT_EQ(lines[0].substr(0, 31), "v0" + std::string(28, ' ') + "/");
    EXPECT_EQ(store.TitleLines[0], "v0");  // stored back trimmed
    EXPECT_EQ(lines[1].find('/'), 31U);
    EXPECT_EQ(lines[2].substr(0, 33), "\xC3\xA9t\xC3\xA9" + std::string(27, ' ') + "/");
    EXPECT_EQ(lines[13], " ");
    EXPECT_EQ(lines[27], " ");
    for (const auto& [count, written] :
         std::vector<std::pair<int, std::size_t>>{{0, 0}, {-3, 0}, {701, 700}, {100000, 700}}) {
        store.TitleLineCount = count;
        EXPECT_EQ(SplitLines(TitleFileText(store)).size(), written) << count;
    }
}

TEST(TitleFileWriting, TypedSetsReadBackUnchanged) {
    TitleSetStore store;
    store.TitleSetCount = 2;
    store.TitleLineCount = 28;
    for (std::size_t i = 0; i < 28; ++i) {
        store.TitleLines[i] = i % 14 == 13 ? "" : "Title " + std::to_string(i) + " Caf\xC3\xA9";
    }
    TitleSetStore back;
    EXPECT_EQ(ReadTitleText(TitleFileText(store), back), ReadOutcome::EndOfFile);
    EXPECT_EQ(back.TitleLines, store.TitleLines);
    EXPECT_FALSE(back.TitleSetsChanged());
}

}  // namespace
}  // namespace quadrel
