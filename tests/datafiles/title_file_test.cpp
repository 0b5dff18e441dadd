#include "datafiles/title_file.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "data_file_checks.h"
#include "datafiles/sample_files.h"

namespace quadrel {
namespace {

using testing::ReadTitleText;
using testing::SplitLines;

std::string TitleSetsText(int count) {
    std::string text;
    for (int s = 0; s < count * 14; ++s) text += "S" + std::to_string(s) + " / c\n";
    return text;
}

TEST(TitleFileReading, AppendsAfterTheLinesHeldAndNeverStoresOutsideThem) {
    TitleSetStore typed;
    typed.TitleSetCount = 1;
    typed.TitleLineCount = 14;
    typed.TitleLines[0] = "typed";
    EXPECT_EQ(ReadTitleText(SampleTitleFileText(), typed), ReadOutcome::EndOfFile);
    EXPECT_EQ(typed.TitleLines[0], "typed");
    EXPECT_EQ(typed.TitleLines[14], "Fly-By-Night Mining Company");
    EXPECT_EQ(typed.AsReadTitleLines[14], "Fly-By-Night Mining Company");
    EXPECT_EQ(typed.CurrentTitleSet, 1);
    EXPECT_TRUE(typed.TitleSetsChanged());

    const struct {
        int setCount, lineCount;
        std::string text;
        ReadOutcome outcome;
        int setCountAfter, lineCountAfter, linesRead;
    } cases[] = {{0, 0, TitleSetsText(50) + "x", ReadOutcome::EndOfFile, 50, 700, 700},
                 {1, 14, TitleSetsText(50), ReadOutcome::CapacityReached, 50, 700, 686},
                 {-2, -5, TitleSetsText(1), ReadOutcome::EndOfFile, 1, 14, 14},
                 {0, 800, TitleSetsText(1), ReadOutcome::CapacityReached, 0, 800, 0},
                 {60, 0, TitleSetsText(1), ReadOutcome::CapacityReached, 50, 0, 0},
                 {0, 690, TitleSetsText(1), ReadOutcome::CapacityReached, 1, 700, 10}};
    for (const auto& c : cases) {
        TitleSetStore store;
        store.TitleSetCount = c.setCount;
        store.TitleLineCount = c.lineCount;
        const ReadOutcome outcome = ReadTitleText(c.text, store);
        EXPECT_EQ(
            std::tuple(outcome, store.TitleSetCount, store.TitleLineCount, store.TitleLinesRead),
            std::tuple(c.outcome, c.setCountAfter, c.lineCountAfter, c.linesRead))
            << c.setCount << " sets, " << c.lineCount << " lines held";
    }
}

TEST(TitleFileWriting, TrimsPadsToThirtyCharactersNeverCutsAndReadsBack) {
    TitleSetStore store;
    store.TitleLineCount = 28;
    for (std::size_t i = 0; i < 28; ++i) store.TitleLines[i] = "  Caf\xC3\xA9 " + std::to_string(i);
    store.TitleLines[1] = std::string(31, 'y');
    const std::vector<std::string> lines = SplitLines(TitleFileText(store));
    ASSERT_EQ(lines.size(), 28U);
    EXPECT_EQ(lines[0].substr(0, 32), "Caf\xC3\xA9 0" + std::string(24, ' ') + "/");
    EXPECT_EQ(store.TitleLines[0], "Caf\xC3\xA9 0");  // stored back trimmed
    EXPECT_EQ(lines[1].find('/'), 31U);
    EXPECT_EQ(lines[13], " ");
    TitleSetStore back;
    EXPECT_EQ(ReadTitleText(TitleFileText(store), back), ReadOutcome::EndOfFile);
    store.TitleLines[13] = store.TitleLines[27] = "";  // the separators
    EXPECT_EQ(back.TitleLines, store.TitleLines);
    EXPECT_FALSE(back.TitleSetsChanged());
    for (const auto& [count, written] :
         std::vector<std::pair<int, std::size_t>>{{0, 0}, {-3, 0}, {701, 700}, {100000, 700}}) {
        store.TitleLineCount = count;
        EXPECT_EQ(SplitLines(TitleFileText(store)).size(), written) << count;
    }
}

}  // namespace
}  // namespace quadrel
