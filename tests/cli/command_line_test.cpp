#include "cli/command_line.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/dxf_reader.h"
#include "support/run_quadrel.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

namespace fs = std::filesystem;

using Result = testing::CommandResult;
constexpr auto& Quadrel = testing::RunQuadrel;

const std::string ReportHead =
    "Map Limits\n"
    "============================================================\n"
    "                                              ---- Size ----\n"
    "             Minimum      Maximum      Scale     in.     cm.\n"
    "             -------      -------      -----    ----    ----\n";

// The second sample set: metric 1:2500, title block A shrunk to the grid.
const std::string SampleSet2Report =
    ReportHead +
    "Y-Axis:      19427.1      20181.8    2500.00   11.88    30.2\n"
    "X-Axis:      20504.8      21647.6    2500.00   18.00    45.7\n";

// The first sample set: imperial 100 ft/in, its limits given the wrong way
// round.
const std::string SampleSet1Report =
    ReportHead +
    "Y-Axis:      92370.7      97350.0     100.00   49.79   126.5\n"
    "X-Axis:      95850.0      99250.0     100.00   34.00    86.4\n";

const std::string SamplesMessage =
    " - 1000: 2 sample files called QDLGrid.SAM and QDLTitle.SAM have been created for you.\n";

// One metric grid set whose line 6 (the Y values) is `yLine`.
std::string OneGridSet(const std::string& yLine, const std::string& xLine) {
    return "One set\nM\nEast\nNorth\n" + xLine + "\n" + yLine +
           "\n0 0.25 0.25\n\n0 0.25 0.25\n\n0.0\n0.000 0.000 0.000 0.000\nUR 0.5 0.0\nN\nA\n \n";
}

class CommandLineTest : public ::testing::Test {
protected:
    std::string Samples() {
        const Result result = Quadrel({"samples", "--dir", dir.Path().string()});
        EXPECT_EQ(result.status, 0) << result.err;
        return (dir / "QDLGrid.SAM").string();
    }

    testing::TempDir dir;
};

TEST_F(CommandLineTest, HelpPrintsUsageOnStandardOutput) {
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{"--help"}, {"-h"}, {}, {"limits", "--help"}}) {
        const Result result = Quadrel(arguments);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.out.rfind("usage: quadrel", 0), 0U) << result.out;
        EXPECT_NE(result.out.find("quadrel limits --grid FILE [--set N]"), std::string::npos);
        EXPECT_EQ(result.err, "");
    }
}

class BadCommandLineTest : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(BadCommandLineTest, PrintsWhyAndTheUsageOnStandardErrorAndFails) {
    const Result result = Quadrel(GetParam());
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind("quadrel: ", 0), 0U) << result.err;
    EXPECT_NE(result.err.find("usage: quadrel"), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadCommandLineTest,
    ::testing::Values(
        std::vector<std::string>{"draw"}, std::vector<std::string>{"samples", "--bogus", "x"},
        std::vector<std::string>{"samples", "--dir"}, std::vector<std::string>{"samples", "extra"},
        std::vector<std::string>{"limits"}, std::vector<std::string>{"limits", "--set", "1"},
        std::vector<std::string>{"limits", "--grid", "a", "--set", "two"},
        std::vector<std::string>{"limits", "--grid", "a", "--set", "1.5"},
        std::vector<std::string>{"limits", "--grid", "a", "--grid", "b"},
        std::vector<std::string>{"dxf", "--grid", "a"},
        std::vector<std::string>{"dxf", "--output", "a.dxf"},
        std::vector<std::string>{"dxf", "--grid", "a", "--output", "b", "--title-set", "2"},
        std::vector<std::string>{"dxf", "--grid", "a", "--output", "b", "--title", "t",
                                 "--title-set", "x"}));

TEST_F(CommandLineTest, SamplesWritesBothFilesAndPrintsTheMessage) {
    const Result result = Quadrel({"samples", "--dir", dir.Path().string()});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, SamplesMessage);
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(fs::is_regular_file(dir / "QDLGrid.SAM"));
    EXPECT_TRUE(fs::is_regular_file(dir / "QDLTitle.SAM"));
}

TEST_F(CommandLineTest, SamplesIntoAFolderThatCannotTakeThemFails) {
    const Result result = Quadrel({"samples", "--dir=" + (dir / "missing").string()});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("QDLGrid.SAM"), std::string::npos) << result.err;
}

TEST_F(CommandLineTest, LimitsOfTheLastSetByDefault) {
    const std::string grid = Samples();
    const Result result = Quadrel({"limits", "--grid", grid});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, SampleSet2Report);
    EXPECT_EQ(result.err, "");
}

TEST_F(CommandLineTest, LimitsOfAChosenSet) {
    const std::string grid = Samples();
    const Result first = Quadrel({"limits", "--grid", grid, "--set", "1"});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, SampleSet1Report);
    const Result second = Quadrel({"limits", "--set", "2", "--grid", grid});
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.out, SampleSet2Report);
}

TEST_F(CommandLineTest, SetOutOfRangeFailsClearly) {
    const std::string grid = Samples();
    for (const char* set : {"0", "3", "-1"}) {
        const Result result = Quadrel({"limits", "--grid", grid, "--set", set});
        EXPECT_EQ(result.status, 2) << set;
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("out of range"), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("holds 2 grid sets"), std::string::npos) << result.err;
    }
}

TEST_F(CommandLineTest, MissingGridFileFailsNamingIt) {
    const Result result = Quadrel({"limits", "--grid", (dir / "absent.dat").string()});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("absent.dat"), std::string::npos) << result.err;
}

TEST_F(CommandLineTest, EmptyGridFileHoldsNoSet) {
    const auto grid = dir.Write("empty.dat", "");
    const Result result = Quadrel({"limits", "--grid", grid.string()});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("holds no grid set"), std::string::npos) << result.err;
}

TEST_F(CommandLineTest, MissingFieldPrintsTheMessageArea) {
    const auto grid = dir.Write("nomin.dat", OneGridSet("", "0 1000 100 1000 0 0.0"));
    const Result result = Quadrel({"limits", "--grid", grid.string()});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, " - 0004: Minimum Y-axis MUST be filled in! YMin\n");
}

TEST_F(CommandLineTest, ConversionErrorFailsWithTheError) {
    const auto grid =
        dir.Write("bad.dat", OneGridSet("0 1000 100 1000 0 0.0", "12abc 1000 100 1000 0 0.0"));
    const Result result = Quadrel({"limits", "--grid", grid.string()});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("12abc"), std::string::npos) << result.err;
}

// ---- The drawing ----

class DxfCommandTest : public CommandLineTest {
protected:
    void SetUp() override {
        grid = Samples();
        title = (dir / "QDLTitle.SAM").string();
        ::setenv("SOURCE_DATE_EPOCH", "0", 1);
    }
    void TearDown() override { ::unsetenv("SOURCE_DATE_EPOCH"); }

    std::string grid;
    std::string title;
};

TEST_F(DxfCommandTest, DrawsTheLastSetWithItsTitleBlock) {
    const std::string output = (dir / "s.dxf").string();
    const Result result = Quadrel({"dxf", "--grid", grid, "--title", title, "--output", output});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, output + "\n");
    EXPECT_EQ(result.err, "");
    const auto file = testing::ReadDxfFile(output);
    const auto texts = file.Texts("Title_Block_A");
    EXPECT_NE(std::find(texts.begin(), texts.end(), "1:2500"), texts.end());  // the second set
    EXPECT_NE(std::find(texts.begin(), texts.end(), "1970-01-01"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), output), texts.end());
    EXPECT_FALSE(file.OnLayer("Grid").empty());
    EXPECT_FALSE(file.OnLayer("North_Arrow").empty());
}

TEST_F(DxfCommandTest, DrawsAChosenGridSetAndTitleSet) {
    // A second title set, so that there is one to choose.
    const std::string titles = testing::TempDir::Read(title);
    const auto twoTitles = dir.Write("two.dat", titles + titles);
    const std::string output = (dir / "first.dxf").string();
    const Result result = Quadrel({"dxf", "--grid", grid, "--set", "1", "--title",
                                   twoTitles.string(), "--title-set", "2", "--output", output});
    EXPECT_EQ(result.status, 0) << result.err;
    const auto texts = testing::ReadDxfFile(output).Texts("Title_Block_A");
    EXPECT_NE(std::find(texts.begin(), texts.end(), "1\" = 100'"), texts.end());
}

TEST_F(DxfCommandTest, TitleSetOutOfRangeFailsAndWritesNothing) {
    const std::string output = (dir / "none.dxf").string();
    const Result result = Quadrel(
        {"dxf", "--grid", grid, "--title", title, "--title-set", "5", "--output", output});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("--title-set 5 is out of range"), std::string::npos) << result.err;
    EXPECT_FALSE(fs::exists(output));
}

TEST_F(DxfCommandTest, NumberedMessageStopsTheDrawing) {
    const auto noMinimum = dir.Write("nomin.dat", OneGridSet("", "0 1000 100 1000 0 0.0"));
    const std::string output = (dir / "none.dxf").string();
    const Result result = Quadrel({"dxf", "--grid", noMinimum.string(), "--output", output});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, " - 0004: Minimum Y-axis MUST be filled in! YMin\n");
    EXPECT_FALSE(fs::exists(output));
}

TEST_F(DxfCommandTest, UnwritableOutputFailsNamingIt) {
    const std::string output = (dir / "missing" / "s.dxf").string();
    const Result result = Quadrel({"dxf", "--grid", grid, "--output", output});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(output), std::string::npos) << result.err;
}

TEST_F(DxfCommandTest, MalformedSourceDateEpochIsRefused) {
    ::setenv("SOURCE_DATE_EPOCH", "yesterday", 1);
    const std::string output = (dir / "s.dxf").string();
    const Result result = Quadrel({"dxf", "--grid", grid, "--output", output});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("SOURCE_DATE_EPOCH"), std::string::npos) << result.err;
    EXPECT_FALSE(fs::exists(output));
}

// Whatever a grid data file holds, the drawing ends: written whole (exit 0)
// or refused with a message and no file (exit 2), never a crash, a hang or
// a file with a number that is no number.
void ExpectDrawingEndsCleanly(const testing::TempDir& dir, const fs::path& grid, int set,
                              const std::string& title) {
    const std::string output = (dir / "out.dxf").string();
    fs::remove(output);
    const Result result = Quadrel({"dxf", "--grid", grid.string(), "--set", std::to_string(set),
                                   "--title", title, "--output", output});
    const std::string name = grid.filename().string() + " set " + std::to_string(set);
    ASSERT_TRUE(result.status == 0 || result.status == 2) << name << ": " << result.err;
    if (result.status == 2) {
        EXPECT_FALSE(fs::exists(output)) << name;
        EXPECT_NE(result.err, "") << name;
        return;
    }
    const std::string text = testing::TempDir::Read(output);
    EXPECT_EQ(text.find("nan"), std::string::npos) << name;
    EXPECT_EQ(text.find("inf"), std::string::npos) << name;
    EXPECT_FALSE(testing::ParseDxf(text).Entities.empty()) << name;
}

TEST_F(DxfCommandTest, EveryCorpusGridFileDrawsOrIsRefusedCleanly) {
    for (const auto& entry : fs::directory_iterator(fs::path(QUADREL_TEST_CORPUS_DIR) / "grid")) {
        for (int set = 1; set <= 2; ++set) ExpectDrawingEndsCleanly(dir, entry.path(), set, title);
    }
}

TEST_F(DxfCommandTest, AwkwardSheetsDrawOrAreRefusedCleanly) {
    const char* const sets[][2] = {
        // {X line, Y line}: min, max, grid, scale, add, constant
        {"0 1000 0 1000 0 0.0", "0 1000 0 1000 0 0.0"},              // no grid spacing
        {"0 1000 -100 1000 1 0.0", "0 1000 -100 1000 1 0.0"},        // negative spacing
        {"0 1000000 0.0001 1000 0 0.0", "0 1000 100 1000 0 0.0"},    // ten billion lines
        {"0 1e300 1e299 1000 0 0.0", "0 1000 100 1000 0 0.0"},       // beyond any sheet
        {"0 1000 100 1e-300 0 0.0", "0 1000 100 1e-300 0 0.0"},      // a scale of almost 0
        {"-5e15 5e15 1e15 1e12 0 1e300", "0 1000 100 1000 0 -1e300"},  // huge labels
        {"0 1000 100 1000 0 0.0", "1000 1000 100 1000 0 0.0"},       // no height at all
    };
    int index = 0;
    for (const auto& lines : sets) {
        const auto grid = dir.Write("awkward" + std::to_string(index++) + ".dat",
                                    OneGridSet(lines[1], lines[0]));
        ExpectDrawingEndsCleanly(dir, grid, 1, title);
    }
}

// ---- The real program ----

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

ProgramRun RunBinary(const testing::TempDir& dir, const std::string& arguments) {
    const auto out = dir / "stdout.txt";
    const auto err = dir / "stderr.txt";
    const std::string command = std::string("'") + QUADREL_BINARY + "' " + arguments + " >'" +
                                out.string() + "' 2>'" + err.string() + "'";
    const int raw = std::system(command.c_str());
    ProgramRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = testing::TempDir::Read(out);
    run.err = testing::TempDir::Read(err);
    return run;
}

TEST(QuadrelProgram, SamplesThenLimitsOfBothSets) {
    testing::TempDir dir;
    const auto data = dir / "data";
    fs::create_directory(data);
    const std::string grid = "'" + (data / "QDLGrid.SAM").string() + "'";

    const ProgramRun samples = RunBinary(dir, "samples --dir '" + data.string() + "'");
    EXPECT_EQ(samples.status, 0) << samples.err;
    EXPECT_EQ(samples.out, SamplesMessage);

    const ProgramRun last = RunBinary(dir, "limits --grid " + grid);
    EXPECT_EQ(last.status, 0) << last.err;
    EXPECT_EQ(last.out, SampleSet2Report);

    const ProgramRun first = RunBinary(dir, "limits --grid " + grid + " --set 1");
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, SampleSet1Report);

    const ProgramRun missing =
        RunBinary(dir, "limits --grid '" + (dir / "none.dat").string() + "'");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("none.dat"), std::string::npos);
}

}  // namespace
}  // namespace quadrel
