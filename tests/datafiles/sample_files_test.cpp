// The sample files: their bytes against the one stored golden copy, and the
// writers' format against the samples.
#include "datafiles/sample_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "app/atomic_file.h"
#include "app/text.h"
#include "data_file_checks.h"
#include "datafiles/value_line.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

using testing::SplitLines;
using testing::TempDir;

const std::filesystem::path CorpusDir{QUADREL_TEST_CORPUS_DIR};

TEST(SampleFiles, AreTheStoredGoldenFilesAndWriteIntoTheFolder) {
    TempDir dir;
    dir.Write(SampleGridFileName, "old content");
    WriteSampleFiles(dir.Path());
    EXPECT_EQ(TempDir::Read(dir / SampleGridFileName),
              TempDir::Read(CorpusDir / "grid/sample.dat"));
    EXPECT_EQ(TempDir::Read(dir / SampleTitleFileName),
              TempDir::Read(CorpusDir / "title/sample.dat"));
}

// The value words, the column of the "/" and the comment of a line.
struct LineShape {
    std::vector<std::string> words;
    std::size_t slash;
    std::string comment;
    bool operator==(const LineShape&) const = default;
};

LineShape ShapeOf(const std::string& line) {
    const std::size_t slash = line.find('/');
    if (slash == std::string::npos) return {{}, slash, Trim(line)};
    const auto words = SplitWords(std::string_view(line).substr(0, slash));
    return {{words.begin(), words.end()}, slash, TrimRight(line.substr(slash))};
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
         {std::tuple{SplitLines(SampleGridFileText()), SplitLines(GridFileText(grid)), 16},
          std::tuple{SplitLines(SampleTitleFileText()), SplitLines(TitleFileText(title)), 14}}) {
        ASSERT_EQ(sample.size(), written.size());
        for (std::size_t i = 0; i < sample.size(); ++i) {
            if (static_cast<int>(i) % perSet == perSet - 1) {
                EXPECT_EQ(written[i], " ");
                continue;
            }
            std::string expected = sample[i];
            if (const auto six = expected.find("( 6 MAX.)"); six != std::string::npos) {
                expected.replace(six, 9, "(25 MAX.)");
            }
            EXPECT_EQ(ShapeOf(written[i]), ShapeOf(expected)) << written[i];
        }
    }
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
}

}  // namespace
}  // namespace quadrel
