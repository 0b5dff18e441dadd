#include "datafiles/sample_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "app/atomic_file.h"
#include "app/text.h"
#include "data_file_checks.h"
#include "datafiles/grid_file.h"
#include "datafiles/title_file.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

using testing::ReadGridText;
using testing::ReadTitleText;
using testing::SplitLines;
using testing::TempDir;

struct SampleShape {
    const char* Name;
    std::string_view (*Text)();
    std::vector<std::size_t> Widths;
    std::vector<std::size_t> SlashColumns;  // from 1; 0 for a line of blanks only
};

void PrintTo(const SampleShape& c, std::ostream* os) {
    *os << c.Name;
}

class SampleFileShape : public ::testing::TestWithParam<SampleShape> {};

TEST_P(SampleFileShape, EveryLineHasItsWidthAndSlashColumn) {
    const SampleShape& shape = GetParam();
    const std::string_view text = shape.Text();
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.find('\r'), std::string_view::npos);
    const std::vector<std::string> lines = SplitLines(text);
    ASSERT_EQ(lines.size(), shape.Widths.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE("line " + std::to_string(i + 1));
        const std::string& line = lines[i];
        EXPECT_EQ(line.size(), shape.Widths[i]);
        const std::size_t column = shape.SlashColumns[i];
        if (column == 0) {
            EXPECT_EQ(line, std::string(shape.Widths[i], ' '));
            continue;
        }
        EXPECT_EQ(line.find('/'), column - 1);
    }
}

const std::vector<std::size_t> GridWidths{91, 75, 75, 75, 91, 91, 75, 75, 75, 75, 75,
                                          91, 91, 75, 75, 75, 91, 75, 75, 75, 91, 91,
                                          75, 75, 75, 75, 75, 91, 91, 75, 75, 75};
const std::vector<std::size_t> GridSlashes{61, 31, 31, 31, 51, 51, 31, 31, 31, 31, 31,
                                           31, 31, 31, 31, 0,  61, 31, 31, 31, 51, 51,
                                           31, 31, 31, 31, 31, 31, 31, 31, 31, 0};

std::vector<std::size_t> TitleSlashes() {
    std::vector<std::size_t> columns(28, 31);
    columns[13] = 0;
    columns[27] = 0;
    return columns;
}

INSTANTIATE_TEST_SUITE_P(
    Files, SampleFileShape,
    ::testing::Values(SampleShape{"Grid", &SampleGridFileText, GridWidths, GridSlashes},
                      SampleShape{"Title", &SampleTitleFileText, std::vector<std::size_t>(28, 70),
                                  TitleSlashes()}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(SampleFiles, LinesHoldTheirTextsExactly) {
    const std::vector<std::string> grid = SplitLines(SampleGridFileText());
    EXPECT_EQ(grid[0],
              "Description 1 - this is to test Quadrel                     "
              "/ Description (60 chars. Max.) ");
    EXPECT_EQ(grid[4],
              " 99000  96000 1000  100.0  0  0.0                 "
              "/ XMin, XMax, XGrid, XScale, XAdd, XConst");
    EXPECT_EQ(grid[12],
              "LR  0.75  0.0                 "
              "/ North Arrow (LR, LL, UL, UR), Size, Distance from map edge ");
    EXPECT_EQ(grid[16].substr(0, 62),
              "Description 2 - this is another description................./ ");
    EXPECT_EQ(grid[28].substr(0, 32), "UL  0.5   0.0                 / ");

    const std::vector<std::string> title = SplitLines(SampleTitleFileText());
    EXPECT_EQ(title[0], "Fly-By-Night Mining Company   / Company designation 1.    (30 MAX.)   ");
    EXPECT_EQ(title[9], "DDD                           / Drawn by                  ( 6 MAX.)   ");
    EXPECT_EQ(title[15], "Bag o' Dirt Mine              / Company designation 2.    (30 MAX.)   ");
    EXPECT_EQ(title[25], "D. Hartwell                   / Approved by               ( 6 MAX.)   ");
}

TEST(SampleFiles, ReadBackAsTwoSetsEach) {
    GridSetStore grid;
    EXPECT_EQ(ReadGridText(SampleGridFileText(), grid), ReadOutcome::EndOfFile);
    EXPECT_EQ(grid.GridSetCount, 2);
    EXPECT_EQ(grid.GridSets[0].XAdd, "0");
    EXPECT_EQ(grid.GridSets[0].XConst, "0.0");
    EXPECT_EQ(grid.GridSets[0].NorthArrowCorner, "LR");
    EXPECT_EQ(grid.GridSets[1].NorthArrowCorner, "UL");
    EXPECT_EQ(grid.GridSets[0].XMin, "99000");
    EXPECT_EQ(grid.GridSets[0].XMax, "96000");

    TitleSetStore title;
    EXPECT_EQ(ReadTitleText(SampleTitleFileText(), title), ReadOutcome::EndOfFile);
    EXPECT_EQ(title.TitleSetCount, 2);
    EXPECT_EQ(title.TitleLineCount, 28);
}

// The comment of a line without the blanks that fill the line.
std::string CommentOf(const std::string& line) {
    const std::size_t slash = line.find('/');
    return slash == std::string::npos ? std::string() : TrimRight(line.substr(slash));
}

// The sample's comments are those the writers write (apart from the three
// approval lines of the title sample), so the samples show the real format.
TEST(SampleFiles, CommentsMatchTheWriters) {
    GridSetStore grid;
    ReadGridText(SampleGridFileText(), grid);
    const std::vector<std::string> sample = SplitLines(SampleGridFileText());
    const std::vector<std::string> written = SplitLines(GridFileText(grid));
    ASSERT_EQ(sample.size(), written.size());
    for (std::size_t i = 0; i < sample.size(); ++i) {
        if (i % 16 == 15) continue;
        EXPECT_EQ(CommentOf(sample[i]), CommentOf(written[i])) << "line " << i + 1;
    }

    TitleSetStore title;
    ReadTitleText(SampleTitleFileText(), title);
    const std::vector<std::string> titleSample = SplitLines(SampleTitleFileText());
    const std::vector<std::string> titleWritten = SplitLines(TitleFileText(title));
    for (std::size_t i = 0; i < titleSample.size(); ++i) {
        if (i % 14 == 13) continue;
        std::string expected = CommentOf(titleSample[i]);
        const std::size_t six = expected.find("( 6 MAX.)");
        if (six != std::string::npos) expected.replace(six, 9, "(25 MAX.)");
        EXPECT_EQ(expected, CommentOf(titleWritten[i])) << "line " << i + 1;
    }
}

TEST(SampleFiles, WritesBothFilesIntoTheFolder) {
    TempDir dir;
    TempDir::Read(dir.Write(SampleGridFileName, "old content"));
    WriteSampleFiles(dir.Path());
    EXPECT_EQ(TempDir::Read(dir / SampleGridFileName), SampleGridFileText());
    EXPECT_EQ(TempDir::Read(dir / SampleTitleFileName), SampleTitleFileText());
}

TEST(SampleFiles, FailureNamesTheFileThatCouldNotBeWritten) {
    TempDir dir;
    std::filesystem::create_directory(dir / SampleTitleFileName);
    try {
        WriteSampleFiles(dir.Path());
        FAIL() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find(SampleTitleFileName), std::string::npos);
    }
    EXPECT_EQ(TempDir::Read(dir / SampleGridFileName), SampleGridFileText());

    try {
        WriteSampleFiles(dir / "missing");
        FAIL() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find(SampleGridFileName), std::string::npos);
    }
}

}  // namespace
}  // namespace quadrel
