// The sample files against the one stored golden copy of each, and the
// writers' format against the samples.
#include "datafiles/sample_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "base/path_text.h"
#include "base/text.h"
#include "data_file_checks.h"
#include "datafiles/grid_file.h"
#include "datafiles/title_file.h"
#include "datafiles/value_line.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

using testing::SplitLines;
using testing::TempDir;

TEST(SampleFiles, AreTheStoredGoldenFiles) {
    const std::filesystem::path corpus{QUADREL_TEST_CORPUS_DIR};
    TempDir dir;
    dir.Write(SampleGridFileName, "old content");
    WriteSampleFiles(dir.Path());
    EXPECT_EQ(TempDir::Read(dir / SampleGridFileName), TempDir::Read(corpus / "grid/sample.dat"));
    EXPECT_EQ(TempDir::Read(dir / SampleTitleFileName), TempDir::Read(corpus / "title/sample.dat"));
}

// Written into and read from a folder whose name is outside any one code
// page ("Géologie Ωmega"). (A message naming such a path is the
// QuadrelProgram test's.)
TEST(SampleFiles, AreReadBackFromAFolderOfAnyName) {
    const std::string name = "G\xC3\xA9ologie \xCE\xA9mega";
    TempDir dir;
    const std::filesystem::path folder = dir.Path() / PathFromUtf8(name);
    std::filesystem::create_directory(folder);
    WriteSampleFiles(folder);
    GridSetStore grid, expectedGrid;
    ReadGridFile(folder / SampleGridFileName, grid);
    testing::ReadGridText(SampleGridFileText(), expectedGrid);
    EXPECT_EQ(grid.GridSets[0].Description, expectedGrid.GridSets[0].Description);
    EXPECT_EQ(grid.GridSetCount, expectedGrid.GridSetCount);
    TitleSetStore title;
    ReadTitleFile(folder / SampleTitleFileName, title);
    EXPECT_GT(title.TitleSetCount, 0);
}

// The value words, the column of the "/" and the comment of a line.
std::tuple<std::vector<std::string>, std::size_t, std::string> ShapeOf(const std::string& line) {
    const std::size_t slash = line.find('/');
    const auto words = SplitWords(std::string_view(line).substr(0, slash));
    return {
        {words.begin(), words.end()}, slash, TrimRight(line.substr(std::min(slash, line.size())))};
}

// Written back, the samples keep their values, comments and "/" columns;
// only the separators become one blank (and the title sample's approval
// lines, which allow 6 characters, the writer's 25).
TEST(SampleFiles, WritersKeepTheSamplesFormat) {
    GridSetStore grid;
    testing::ReadGridText(SampleGridFileText(), grid);
    TitleSetStore title;
    testing::ReadTitleText(SampleTitleFileText(), title);
    for (const auto& [sample, written, perSet] :
         {std::tuple{SplitLines(SampleGridFileText()), SplitLines(GridFileText(grid)), 16U},
          std::tuple{SplitLines(SampleTitleFileText()), SplitLines(TitleFileText(title)), 14U}}) {
        ASSERT_EQ(sample.size(), written.size());
        for (std::size_t i = 0; i < sample.size(); ++i) {
            std::string expected = i % perSet == perSet - 1 ? " " : sample[i];
            if (const auto six = expected.find("( 6 MAX.)"); six != std::string::npos) {
                expected.replace(six, 9, "(25 MAX.)");
            }
            EXPECT_EQ(ShapeOf(written[i]), ShapeOf(expected)) << written[i];
        }
    }
}

}  // namespace
}  // namespace quadrel
