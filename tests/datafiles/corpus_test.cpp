// Inputs no person would write on purpose: the stored corpus of awkward
// files (which also seeds the fuzz targets of make fuzz, where random inputs
// get the same checks) and a huge input. None may crash, hang or break the
// round trip through the writers.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "data_file_checks.h"
#include "datafiles/data_lines.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

using testing::ReadGridText;
using testing::ReadTitleText;
using testing::TempDir;

const std::filesystem::path CorpusDir{QUADREL_TEST_CORPUS_DIR};

// Every file as a grid file and as a title file, through the file entry
// points as through the stream ones.
TEST(Corpus, EveryFileReadsAndRoundTripsThroughBothFormats) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(CorpusDir)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    ASSERT_GE(files.size(), 40U);
    for (const auto& file : files) {
        SCOPED_TRACE(file.string());
        const std::string bytes = TempDir::Read(file);
        // A line far longer than any data file's refuses the whole file.
        if (file.filename() == "long_line.dat") {
            GridSetStore grid;
            TitleSetStore title;
            EXPECT_THROW(ReadGridFile(file, grid), DataLineTooLong);
            EXPECT_THROW(ReadTitleText(bytes, title), DataLineTooLong);
            continue;
        }
        testing::CheckReadAndRoundTrip(bytes);
        GridSetStore fromFile, fromText;
        EXPECT_EQ(ReadGridFile(file, fromFile), ReadGridText(bytes, fromText));
        EXPECT_EQ(fromFile.GridSets, fromText.GridSets);
        TitleSetStore titleFromFile, titleFromText;
        EXPECT_EQ(ReadTitleFile(file, titleFromFile), ReadTitleText(bytes, titleFromText));
        EXPECT_EQ(titleFromFile.TitleLines, titleFromText.TitleLines);
    }
}

// Reading stops after the capacity and leaves the rest of a huge input
// unread (make bench times the read of such a file).
TEST(CorpusGenerated, TwoMillionLinesStopAtTheCapacityLeavingTheRestUnread) {
    const std::string line = "12 / x\n";
    std::string huge;
    for (int i = 0; i < 2'000'000; ++i) huge += line;
    std::istringstream gridIn(huge);
    GridSetStore grid;
    EXPECT_EQ(ReadGridLines(gridIn, grid), ReadOutcome::CapacityReached);
    EXPECT_EQ(grid.GridLinesRead, 800);
    EXPECT_EQ(static_cast<std::size_t>(gridIn.tellg()), 801 * line.size());
    std::istringstream titleIn(huge);
    TitleSetStore title;
    EXPECT_EQ(ReadTitleLines(titleIn, title), ReadOutcome::CapacityReached);
    EXPECT_EQ(title.TitleLineCount, 700);
    EXPECT_EQ(static_cast<std::size_t>(titleIn.tellg()), 701 * line.size());
}

}  // namespace
}  // namespace quadrel
