// `quadrel series`: every grid set of a file drawn into a folder, one DXF
// per set, the sets that cannot be drawn listed at the end.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "datafiles/sample_files.h"
#include "support/run_quadrel.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

using Result = testing::CommandResult;
constexpr auto& Quadrel = testing::RunQuadrel;

std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// The second sample grid set (16 lines) with a description of its own and
// line `line` (from 0) replaced, when given.
std::string SampleSet2(const std::string& description, int line = -1,
                       const std::string& replacement = "") {
    std::istringstream sample{std::string(SampleGridFileText())};
    std::vector<std::string> lines;
    for (std::string text; std::getline(sample, text);) lines.push_back(text);
    std::string set;
    for (int i = 0; i < 16; ++i) {
        const std::string& text = lines.at(static_cast<std::size_t>(16 + i));
        set += i == 0 ? description + " / Description" : i == line ? replacement : text;
        set += '\n';
    }
    return set;
}

class SeriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("SOURCE_DATE_EPOCH", "0", 1);
        WriteSampleFiles(dir.Path());
        fs::create_directory(out);
    }
    void TearDown() override { ::unsetenv("SOURCE_DATE_EPOCH"); }

    TempDir dir;
    const fs::path out = dir / "out";
    const std::string title = (dir / SampleTitleFileName).string();
};

TEST_F(SeriesTest, ABadSetInTheMiddleIsListedAndTheOthersAreWritten) {
    const struct {
        const char* name;
        int line;
        const char* replacement;
        const char* reason;
    } cases[] = {
        {"a text that is no number", 4, "12abc 21600 500 2500.0 0 0.0", "12abc"},
        {"a limit left empty", 5, "", "- 0004: Minimum Y-axis MUST be filled in! YMin"},
        {"ticks too dense to draw", 7, " 98100 102400 0.0001", "1,000,000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(out);
        fs::create_directory(out);
        const fs::path grid =
            dir.Write("grid.dat", SampleSet2("First") + SampleSet2("Bad", c.line, c.replacement) +
                                      SampleSet2("Third"));
        const Result result =
            Quadrel({"series", "--grid", grid.string(), "--title", title, "--dir", out.string()});
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(Names(out), (std::set<std::string>{"01-First.dxf", "03-Third.dxf"}));
        EXPECT_EQ(result.out,
                  (out / "01-First.dxf").string() + "\n" + (out / "03-Third.dxf").string() + "\n");
        const std::string listed = "quadrel: set 2 (02-Bad) was not drawn: ";
        EXPECT_EQ(result.err.rfind(listed, 0), 0U) << result.err;
        EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
        EXPECT_EQ(result.err.back(), '\n');
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line per failed set";
    }
}

TEST_F(SeriesTest, ASetDrawsExactlyAsDxfDrawsIt) {
    const std::string grid = (dir / SampleGridFileName).string();
    const Result series = Quadrel({"series", "--grid", grid, "--title", title, "--title-set", "2",
                                   "--dir", out.string(), "--format", "dxf"});
    ASSERT_EQ(series.status, 0) << series.err;
    ASSERT_EQ(Names(out).size(), 2U);
    const fs::path drawn = out / "02-Description 2 - this is another description.dxf";
    const std::string fromSeries = TempDir::Read(drawn);
    fs::remove(drawn);
    const Result dxf = Quadrel({"dxf", "--grid", grid, "--set", "2", "--title", title,
                                "--title-set", "2", "--output", drawn.string()});
    ASSERT_EQ(dxf.status, 0) << dxf.err;
    EXPECT_EQ(TempDir::Read(drawn), fromSeries);
}

TEST_F(SeriesTest, RefusesWhatItCannotDoBeforeDrawingAnything) {
    const std::string grid = (dir / SampleGridFileName).string();
    const struct {
        std::vector<std::string> arguments;
        const char* says;
    } cases[] = {
        {{"series", "--grid", grid, "--dir", out.string(), "--format", "pdf"},
         "--format 'pdf' is not available; series writes dxf"},
        {{"series", "--grid", grid, "--dir", (dir / "missing").string()}, "is no folder"},
        {{"series", "--grid", grid}, "series needs --grid FILE and --dir DIR"},
        {{"series", "--grid", grid, "--dir", out.string(), "--title-set", "2"},
         "--title-set needs --title FILE"},
        {{"series", "--grid", (dir / "none.dat").string(), "--dir", out.string()}, "none.dat"},
        {{"series", "--grid", grid, "--title", title, "--title-set", "9", "--dir", out.string()},
         "--title-set 9 is out of range"},
    };
    for (const auto& c : cases) {
        const Result result = Quadrel(c.arguments);
        EXPECT_EQ(result.status, 2) << c.says;
        EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
        EXPECT_TRUE(fs::is_empty(out)) << c.says;
    }
}

TEST(SeriesFileStem, KeepsWhatEveryFileSystemAllows) {
    const struct {
        int set;
        const char* description;
        const char* stem;
    } cases[] = {
        {3, "Pit North", "03-Pit North"},
        {12, " a<b>c:d\"e/f\\g|h?i*j ", "12-abcdefghij"},
        {7, "Stage 2...  ", "07-Stage 2"},
        {5, "tab\there\x7F", "05-tabhere\x7F"},
        {4, "Gr\xC3\xBCn", "04-Gr\xC3\xBCn"},
        {1, "   ", "01"},
        {50, ":?*. ", "50"},
        {9, ". hidden", "09-. hidden"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SeriesFileStem(c.set, c.description), c.stem) << c.description;
}

}  // namespace
}  // namespace quadrel
