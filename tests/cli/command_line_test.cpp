#include "cli/command_line.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "base/path_text.h"
#include "drawing/index_sheet.h"
#include "forms/data_file_text.h"
#include "support/dxf_reader.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

namespace fs = std::filesystem;
using Arguments = std::vector<std::string>;

// One command's exit status and what it printed.
struct Result {
    int status = -1;
    std::string out, err;
};

Result Quadrel(const Arguments& arguments, const PlotWriters& plots = {}) {
    std::ostringstream out, err;
    const int status = RunCommandLine(arguments, out, err, plots);
    return {status, out.str(), err.str()};
}

// The two sample sets' rows of the limits report: the first imperial with its
// limits given the wrong way round, the second metric with title block A.
const std::string SampleSet1Rows =
    "Y-Axis:      92370.7      97350.0     100.00   49.79   126.5\n"
    "X-Axis:      95850.0      99250.0     100.00   34.00    86.4\n";
const std::string SampleSet2Rows =
    "Y-Axis:      19427.1      20181.8    2500.00   11.88    30.2\n"
    "X-Axis:      20504.8      21647.6    2500.00   18.00    45.7\n";

// The drawings' date for the commands run in this process; "" removes it.
void SetSourceDateEpoch(const char* value) {
#ifdef _WIN32
    ::_putenv_s("SOURCE_DATE_EPOCH", value);
#else
    if (*value != '\0') {
        ::setenv("SOURCE_DATE_EPOCH", value, 1);
    } else {
        ::unsetenv("SOURCE_DATE_EPOCH");
    }
#endif
}

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        EXPECT_EQ(Quadrel({"samples", "--dir", dir.Path().string()}).status, 0);
        SetSourceDateEpoch("0");
    }
    void TearDown() override { SetSourceDateEpoch(""); }

    std::string In(const char* name) const { return (dir / name).string(); }

    testing::TempDir dir;
    const std::string grid = In("QDLGrid.SAM");
    const std::string title = In("QDLTitle.SAM");
};

// The lean program must hand on exactly the commands that need Qt, and run
// the others itself.
TEST(CommandLine, OnlyTheWindowScreenshotsAndPlotsNeedTheDesktop) {
    const std::pair<Arguments, bool> cases[] = {
        {{}, true},
        {{"--title=t.dat"}, true},
        {{"screenshots", "--dir", "d"}, true},
        {{"plot", "--grid", "a.dat", "--output", "a.pdf"}, true},
        {{"series", "--grid", "a.dat", "--format", "pdf"}, true},
        {{"series", "--grid", "a.dat", "--format=png"}, true},
        {{"series", "--grid", "a.dat", "--format", "dxf"}, false},
        {{"dxf", "--grid", "a.dat", "--output", "a.dxf"}, false},
        {{"limits", "--grid", "a.dat"}, false},
        {{"--help"}, false},
        // Not understood: the lean program says so itself.
        {{"series", "--grid", "a.dat", "--format"}, false},
    };
    for (const auto& [arguments, needed] : cases) {
        EXPECT_EQ(NeedsDesktop(arguments), needed) << ::testing::PrintToString(arguments);
    }
}

// The window's options are parsed by the command line's parser for the
// desktop program, which shows its own short usage.
TEST(CommandLine, TheWindowsOptionsAreParsedForTheDesktopProgram) {
    std::ostringstream quiet;
    const auto window = ParseDesktopArguments({"--grid", "g.dat", "--title=t.dat"}, quiet);
    ASSERT_TRUE(window);
    EXPECT_FALSE(window->Screenshots);
    EXPECT_EQ(window->Grid, "g.dat");
    EXPECT_EQ(window->Title, "t.dat");
    const auto shots = ParseDesktopArguments(
        {"screenshots", "--dir", "d", "--grid", "g.dat", "--title", "t.dat"}, quiet);
    ASSERT_TRUE(shots);
    EXPECT_TRUE(shots->Screenshots);
    EXPECT_EQ(shots->Dir, "d");

    const std::string usage =
        "usage: quadrel [--grid FILE] [--title FILE]\n"
        "       quadrel screenshots --grid FILE --title FILE --dir DIR\n";
    const std::pair<Arguments, std::string> refused[] = {
        {{"--grid", "g", "--dir", "d"}, "unknown option '--dir'"},
        {{"--grid", "g", "--grid", "h"}, "--grid is given twice"},
        {{"--title"}, "--title needs a value"},
        {{"screenshots", "--grid", "g", "--title", "t"},
         "screenshots needs --grid FILE, --title FILE and --dir DIR"},
    };
    for (const auto& [arguments, reason] : refused) {
        std::ostringstream err;
        EXPECT_FALSE(ParseDesktopArguments(arguments, err));
        EXPECT_EQ(err.str(), "quadrel: " + reason + "\n" + usage);
    }
}

TEST(CommandLine, HelpGoesToStandardOutputAndAMisunderstoodLineFailsWithTheUsage) {
    for (const Arguments& help : {Arguments{}, Arguments{"limits", "--help"}}) {
        const Result result = Quadrel(help);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.out.rfind("usage: quadrel", 0), 0U) << result.out;
        EXPECT_EQ(result.err, "");
    }
    const Result unknown = Quadrel({"draw"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "quadrel: unknown command 'draw'; quadrel --help lists the commands\n");
    for (const Arguments& bad :
         {Arguments{"samples", "--dir"}, Arguments{"limits"},
          Arguments{"limits", "--grid", "a", "--set", "1.5"}, Arguments{"dxf", "--grid", "a"},
          Arguments{"dxf", "--grid", "a", "--output", "b", "--title-set", "2"}}) {
        const Result result = Quadrel(bad);
        EXPECT_EQ(result.status, 2) << bad[0];
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind("quadrel: ", 0), 0U) << result.err;
        EXPECT_NE(result.err.find("usage: quadrel"), std::string::npos) << result.err;
    }
}

TEST_F(CommandLineTest, LimitsReportsTheChosenSetOrTheLast) {
    for (const auto& [arguments, rows] : {std::pair{Arguments{"--set", "1"}, SampleSet1Rows},
                                          std::pair{Arguments{}, SampleSet2Rows}}) {
        Arguments command{"limits", "--grid", grid};
        command.insert(command.end(), arguments.begin(), arguments.end());
        const Result result = Quadrel(command);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_NE(result.out.find(rows), std::string::npos) << result.out;
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(CommandLineTest, DxfDrawsTheChosenSetsAndPrintsThePath) {
    const std::string titles = testing::TempDir::Read(title);
    const auto twoTitles = dir.Write("two.dat", titles + titles);
    const std::string output = In("first.dxf");
    const Result result = Quadrel({"dxf", "--grid", grid, "--set", "1", "--title",
                                   twoTitles.string(), "--title-set", "2", "--output", output});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, output + "\n");
    const auto texts = testing::ReadDxfFile(output).Texts("Title_Block_A");
    for (const std::string& text : {std::string("1\" = 100'"), std::string("1970-01-01"), output}) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << text;
    }
}

// A command that cannot be done and why: it must stop with status 2, print
// nothing, and say the reason on standard error in lines that start with
// the program's name.
struct StoppedCommand {
    Arguments arguments;
    std::string reason;  // part of standard error
};

void ExpectStopped(const std::vector<StoppedCommand>& cases) {
    for (const auto& c : cases) {
        const Result result = Quadrel(c.arguments);
        EXPECT_EQ(result.status, 2) << c.reason;
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
        std::istringstream lines(result.err);
        for (std::string line; std::getline(lines, line) && line.rfind("usage:", 0) != 0;) {
            EXPECT_EQ(line.rfind("quadrel: ", 0), 0U) << line;
        }
    }
}

// Every message starts with the program's name; an input is never
// replaced by an output, whatever name leads to it.
TEST_F(CommandLineTest, StoppedCommandExitsTwoWithTheReasonOnStandardErrorAndNoDrawing) {
    const std::string noMinimum = dir.Write("nomin.dat", testing::GridSetText("x", "  ")).string();
    const std::string badNumber =
        dir.Write("bad.dat", testing::GridSetText("x", "12abc 1000 100 1000 0 0.0")).string();
    const std::string out = In("out.dxf");
    fs::create_hard_link(title, In("hard.dxf"));
    const std::string gridText = testing::TempDir::Read(grid);
    const std::string titleText = testing::TempDir::Read(title);
    ExpectStopped({
        {{"samples", "--dir=" + In("missing")}, "QDLGrid.SAM"},
        {{"limits", "--grid", dir.Write("empty.dat", "").string()}, "holds no grid set"},
        {{"limits", "--grid", grid, "--set", "3"}, "out of range: " + grid + " holds 2 grid sets"},
        {{"limits", "--grid", grid, "--set", "0"}, "--set 0 is out of range"},
        {{"dxf", "--grid", grid, "--set", "-1", "--output", out}, "--set -1 is out of range"},
        {{"limits", "--grid", noMinimum}, " - 0004: Minimum Y-axis MUST be filled in! YMin\n"},
        {{"limits", "--grid", badNumber}, "12abc"},
        {{"dxf", "--grid", grid, "--title", title, "--title-set", "5", "--output", out},
         "--title-set 5 is out of range"},
        {{"dxf", "--grid", grid, "--output", In("missing/s.dxf")}, In("missing/s.dxf")},
        {{"dxf", "--grid", grid, "--output", grid}, "is the grid data file"},
        {{"dxf", "--grid", grid, "--title", title, "--output", In("hard.dxf")},
         In("hard.dxf") + " is the title block data file " + title},
        {{"dxf", "--grid", grid, "--output", In("sheet.pdf")}, "dxf writes .dxf, not"},
    });
    EXPECT_EQ(testing::TempDir::Read(grid), gridText);
    EXPECT_EQ(testing::TempDir::Read(title), titleText);
    // A malformed date is one line naming it, not the usage.
    SetSourceDateEpoch("yesterday");
    const Result result = Quadrel({"dxf", "--grid", grid, "--output", out});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err,
              "quadrel: SOURCE_DATE_EPOCH must be a whole number of seconds, not 'yesterday'\n");
    EXPECT_FALSE(fs::exists(out));
}

// A symbolic link to an input is that input too.
TEST_F(CommandLineTest, ALinkToAnInputIsThatInput) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows' C++ library here makes no symbolic links";
#else
    fs::create_symlink(grid, In("soft.DXF"));
    const std::string gridText = testing::TempDir::Read(grid);
    ExpectStopped({{{"dxf", "--grid", grid, "--output", In("soft.DXF")}, "is the grid data file"}});
    EXPECT_EQ(testing::TempDir::Read(grid), gridText);
#endif
}

// The second sample set overprints itself: the Y-axis title runs across a
// tick label, the north arrow's N sits on another and a caption touches its
// rule. A sparse sheet has none of it.
TEST_F(CommandLineTest, CheckNamesEachConflictAndExitsByWhetherThereAreAny) {
    const Result second = Quadrel({"check", "--grid", grid, "--set", "2", "--title", title});
    EXPECT_EQ(second.status, 1) << second.err;
    EXPECT_EQ(
        second.out,
        "Title_Block_A \"NO\" over title block rule at 5.02, 1.83 in (overlap 0.002 x 0.070 in)\n"
        "Grid \"LATITUDE\" over HTicks \"19850.0\" at 1.61, 6.76 in (overlap 0.090 x 0.106 in)\n"
        "HTicks \"20050.0\" over north arrow at 2.05, 9.91 in (overlap 0.120 x 0.106 in)\n");
    const Result json =
        Quadrel({"check", "--json", "--grid", grid, "--set", "2", "--title", title});
    EXPECT_EQ(json.status, 1);
    EXPECT_EQ(
        json.out.rfind("[\n  {\"conflict\": \"over\", \"first\": {\"kind\": \"text\", "
                       "\"layer\": \"Title_Block_A\", \"text\": \"NO\"}, \"second\": {\"kind\": "
                       "\"title block rule\"}, \"x\": 5.02, \"y\": 1.83, ",
                       0),
        0U)
        << json.out;

    const std::string sparse =
        dir.Write("sparse.dat",
                  "Sparse\nM\nEast\nNorth\n0 1000 500 1000 0 0.0\n0 1000 500 1000 0 0.0\n"
                  "0 0.25 0.25\n\n0 0.25 0.25\n\n0.500\n0.5 0.5 0.5 0.5\nUR 0.5 0.0\nN\nA\n \n")
            .string();
    const Result none = Quadrel({"check", "--grid", sparse, "--json"});
    EXPECT_EQ(std::tuple(none.status, none.out, none.err), std::tuple(0, "[]\n", ""));
}

// Whatever a grid data file holds, the drawing ends: written whole (exit 0)
// or refused with a message and no file (exit 2), never a crash, a hang or
// a number that is no number.
TEST_F(CommandLineTest, EveryCorpusFileAndAwkwardSheetDrawsOrIsRefusedCleanly) {
    std::vector<fs::path> grids;
    for (const auto& entry : fs::directory_iterator(fs::path(QUADREL_TEST_CORPUS_DIR) / "grid")) {
        grids.push_back(entry.path());
    }
    // Y limits, grid spacing, scale, add flag, constant.
    for (const char* yLimits :
         {"0 1000 0 1000 0 0.0", "0 1000 -100 1000 1 0.0", "0 1e9 0.0001 1000 0 0.0",
          "0 1e300 1e299 1000 0 0.0", "0 1000 100 1e-300 0 0.0", "-5e15 5e15 1e15 1e12 0 1e300",
          "1000 1000 100 1000 0 0.0"}) {
        grids.push_back(dir.Write("awkward" + std::to_string(grids.size()) + ".dat",
                                  testing::GridSetText("Awkward", yLimits)));
    }
    const std::string output = In("out.dxf");
    for (const fs::path& file : grids) {
        for (const char* set : {"1", "2"}) {
            fs::remove(output);
            const Result result = Quadrel({"dxf", "--grid", file.string(), "--set", set, "--title",
                                           title, "--output", output});
            const std::string name = file.filename().string() + " set " + set;
            ASSERT_TRUE(result.status == 0 || result.status == 2) << name << ": " << result.err;
            if (result.status == 2) {
                EXPECT_FALSE(fs::exists(output)) << name;
                EXPECT_NE(result.err, "") << name;
                continue;
            }
            const std::string text = testing::TempDir::Read(output);
            EXPECT_EQ(text.find("nan"), std::string::npos) << name;
            EXPECT_EQ(text.find("inf"), std::string::npos) << name;
            EXPECT_FALSE(testing::ParseDxf(text).Entities.empty()) << name;
        }
    }
}

// ---- series ----

// Each character that a file system refuses in a name, and nothing else, is dropped.
TEST(SeriesFileStem, KeepsWhatEveryFileSystemAllowsInAName) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "07"},
        {"/", "07"},
        {"a/b\\c|d\"e<f>g:h?i*j", "07-abcdefghij"},
        {"Pit 3 (north) #2, 50%", "07-Pit 3 (north) #2, 50%"},
        {std::string("tab\tbell\a"), "07-tabbell"},
    };
    for (const auto& [description, stem] : cases) {
        EXPECT_EQ(SeriesFileStem(7, description), stem) << description;
    }
}

TEST_F(CommandLineTest, SeriesListsABadSetInTheMiddleAndWritesTheOthers) {
    const struct {
        const char* name;
        const char* reason;
        std::string yLimits, ticks = "0 0.25 0.25\n";  // of the bad set
    } cases[] = {
        {"a text that is no number", "12abc", "12abc 1000 100 1000 0 0.0"},
        {"a limit left empty", "- 0004: Minimum Y-axis MUST be filled in! YMin", "  "},
        {"ticks too dense to draw", "1,000,000", testing::PlainLimits,
         "1 0.25 0.25\n0 1000 0.0001"},
    };
    const fs::path out = dir / "out";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(out);
        fs::create_directory(out);
        // The names keep what every file system allows: nothing is left of
        // the third and fourth sets' descriptions but their numbers, and a
        // long one is cut to 60 characters, none cut in two.
        std::string umlauts;
        for (int i = 0; i < 299; ++i) umlauts += "\xC3\xBC";
        const auto sets =
            dir.Write("sets.dat", testing::GridSetText(" <Gr\xC3\xBCn>. ") +
                                      testing::GridSetText("Bad", c.yLimits, c.ticks) +
                                      testing::GridSetText("?*:") + testing::GridSetText("< . >") +
                                      testing::GridSetText("a" + umlauts));
        const Result result =
            Quadrel({"series", "--grid", sets.string(), "--title", title, "--dir", out.string()});
        EXPECT_EQ(result.status, 2);
        std::string written;
        const std::string names[] = {"01-Gr\xC3\xBCn", "03", "04", "05-a" + umlauts.substr(0, 118)};
        for (const std::string& name : names) {
            const fs::path file = out / PathFromUtf8(name + ".dxf");
            written += Utf8Path(file) + "\n";
            EXPECT_TRUE(fs::exists(file)) << name;
        }
        EXPECT_EQ(result.out, written);
        EXPECT_EQ(std::distance(fs::directory_iterator(out), {}), 4);
        const std::string listed = "quadrel: set 2 (02-Bad) was not drawn: ";
        EXPECT_EQ(result.err.rfind(listed, 0), 0U) << result.err;
        EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line per failed set";
    }
}

TEST_F(CommandLineTest, SeriesDrawsASetExactlyAsDxfDrawsIt) {
    const fs::path out = dir / "out";
    fs::create_directory(out);
    const Result series = Quadrel({"series", "--grid", grid, "--title", title, "--title-set", "2",
                                   "--dir", out.string(), "--format", "dxf"});
    ASSERT_EQ(series.status, 0) << series.err;
    // After the files, the sets whose sheets `check` finds conflicts in.
    std::string conflicts;
    const char* const names[] = {"01-Description 1 - this is to test Quadrel",
                                 "02-Description 2 - this is another description"};
    for (const int set : {1, 2}) {
        const Result check = Quadrel({"check", "--grid", grid, "--set", std::to_string(set),
                                      "--title", title, "--title-set", "2"});
        const auto count = std::count(check.out.begin(), check.out.end(), '\n');
        ASSERT_GT(count, 1);
        conflicts += "set " + std::to_string(set) + " (" + names[set - 1] +
                     "): " + std::to_string(count) + " conflicts\n";
    }
    EXPECT_EQ(series.out.substr(series.out.find(".dxf\nset 1") + 5), conflicts);
    const fs::path drawn = out / "02-Description 2 - this is another description.dxf";
    const std::string fromSeries = testing::TempDir::Read(drawn);
    fs::remove(drawn);  // the path is printed in the title block
    const Result dxf = Quadrel({"dxf", "--grid", grid, "--set", "2", "--title", title,
                                "--title-set", "2", "--output", drawn.string()});
    ASSERT_EQ(dxf.status, 0) << dxf.err;
    EXPECT_EQ(testing::TempDir::Read(drawn), fromSeries);
}

// Whatever a plot writer throws, the other sets and formats are drawn, and
// the sets not drawn (or not in every format) are listed even when
// series.pdf itself fails.
TEST_F(CommandLineTest, SeriesGoesOnPastAFailedPlot) {
    const struct {
        const char* name;
        const char* failingSheet;  // the file WriteSheet fails on
        bool pagesFail;
        Arguments formats;
        std::size_t pages;  // of series.pdf
        std::vector<const char*> says;
    } cases[] = {
        {"a sheet",
         "03-C.pdf",
         false,
         {"--format", "pdf"},
         1,
         {"series.pdf\n", "quadrel: set 2 (02-Bad) was not drawn: '12abc'",
          "quadrel: set 3 (03-C) was not drawn: std::bad_alloc"}},
        {"the book",
         "",
         true,
         {"--format", "pdf"},
         2,
         {"series.pdf was not written: disk full", "set 2 (02-Bad) was not drawn: '12abc'"}},
        {"one format of a set",
         "03-C.png",
         false,
         {"--format", "dxf", "--format", "pdf", "--format", "png", "--dpi", "75"},
         2,
         {"03-C.dxf\n", "03-C.pdf\n", "series.pdf\n",
          "quadrel: set 3 (03-C) was written as dxf, pdf but not as png: std::bad_alloc\n"}},
    };
    const auto sets =
        dir.Write("sets.dat", testing::GridSetText("A") +
                                  testing::GridSetText("Bad", "12abc 1000 100 1000 0 0.0") +
                                  testing::GridSetText("C"));
    const fs::path out = dir / "out";
    fs::create_directory(out);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // What the sheets drawn for the files say, and what the pages say.
        std::vector<std::string> sheets, pages;
        const auto textsOf = [](const PlotPage& page) {
            std::string texts;
            for (const auto& entity : page.Sheet->Entities()) texts += page.Sheet->TextOf(entity);
            return texts;
        };
        PlotWriters plots;
        plots.WriteSheet = [&](const PlotPage& page, const fs::path& path, int dpi) {
            if (path.filename() == c.failingSheet) throw std::bad_alloc();
            if (path.extension() == ".pdf") sheets.push_back(textsOf(page));
            if (path.extension() == ".png") {
                EXPECT_EQ(dpi, 75);
            }
        };
        plots.WritePages = [&](const PlotPageSource& source, const fs::path&) {
            for (std::size_t i = 0; i < source.Count; ++i) pages.push_back(textsOf(source.Page(i)));
            if (c.pagesFail) throw std::runtime_error("disk full");
        };
        Arguments command{"series", "--grid", sets.string(), "--dir", out.string()};
        command.insert(command.end(), c.formats.begin(), c.formats.end());
        const Result result = Quadrel(command, plots);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(pages, sheets);
        EXPECT_EQ(pages.size(), c.pages);
        for (const char* said : c.says) {
            EXPECT_NE((result.out + result.err).find(said), std::string::npos) << result.err;
        }
    }
}

// The index: one outline per set drawn at the limits its report gives, its
// label inside; a set that cannot be drawn is left out.
TEST_F(CommandLineTest, SeriesIndexOutlinesTheSetsDrawnAtTheirReportedLimits) {
    const fs::path out = dir / "out";
    fs::create_directory(out);
    const auto sets = dir.Write(
        "sets.dat", testing::TempDir::Read(grid) + testing::GridSetText("Bad", "12abc 1 1 1 0 0"));
    const Result result =
        Quadrel({"series", "--grid", sets.string(), "--dir", out.string(), "--index"});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.out.find((out / "index.dxf").string()), std::string::npos);
    EXPECT_NE(result.err.find("set 3 (03-Bad) was not drawn"), std::string::npos) << result.err;
    const testing::DxfFile index = testing::ReadDxfFile((out / "index.dxf").string());
    const auto outlines = index.OfType("POLYLINE", IndexLayer);
    ASSERT_EQ(outlines.size(), 2U);
    // X minimum, Y minimum, X maximum, Y maximum as SampleSet1Rows and 2 show them.
    const double reported[2][4] = {{95850.0, 92370.7, 99250.0, 97350.0},
                                   {20504.8, 19427.1, 21647.6, 20181.8}};
    for (std::size_t i = 0; i < 2; ++i) {
        const auto& v = outlines[i].Vertices;
        ASSERT_EQ(v.size(), 5U);
        const double corners[4] = {v[0].Number(10), v[0].Number(20), v[2].Number(10),
                                   v[2].Number(20)};
        for (int k = 0; k < 4; ++k) EXPECT_NEAR(corners[k], reported[i][k], 0.05) << i << k;
    }
    EXPECT_EQ(
        index.Texts(IndexLayer),
        std::vector<std::string>({"Set 1", "Description 1 - this is to test Quadrel", "Set 2",
                                  "Description 2 - this is another description................."}));
    // The index's labels add the constants the sets share, and none they do not.
    const std::string shifted = "0 1000 100 1000 0 7000000";
    for (const std::string& second : {shifted, testing::PlainLimits}) {
        dir.Write("shifted.dat",
                  testing::GridSetText("A", shifted) + testing::GridSetText("B", second));
        ASSERT_EQ(Quadrel({"series", "--grid", In("shifted.dat"), "--dir", out.string(), "--index"})
                      .status,
                  0);
        const auto labels = testing::ReadDxfFile((out / "index.dxf").string()).Texts("Grid");
        EXPECT_EQ(std::any_of(labels.begin(), labels.end(),
                              [](const std::string& l) { return l.rfind("700", 0) == 0; }),
                  second == shifted)
            << second;
    }
}

// A plot names a coordinate system only when asked with a well-formed code,
// and is placed by the constants its labels add.
TEST_F(CommandLineTest, PlotNamesTheCoordinateSystemOnlyWhenGivenAWellFormedOne) {
    const auto sheet =
        dir.Write("shifted.dat", testing::GridSetText("S", "0 1000 100 1000 0 250.5"));
    std::vector<MapOffset> plotted;
    PlotWriters plots;
    plots.WriteSheet = [&](const PlotPage& page, const fs::path&, int) {
        plotted.push_back(page.Offset);
    };
    const struct {
        Arguments crs;
        const char* output;
        int status;
    } cases[] = {
        {{}, "a.png", 0},
        {{"--crs", "EPSG:32633"}, "b.png", 0},
        {{"--crs", ""}, "c.png", 2},
        {{"--crs", "EPSG 32633"}, "d.png", 2},
        {{"--crs", "EPSG:32633"}, "e.pdf", 2},
    };
    for (const auto& c : cases) {
        Arguments arguments{"plot", "--grid", sheet.string(), "--output", In(c.output)};
        arguments.insert(arguments.end(), c.crs.begin(), c.crs.end());
        const std::size_t before = plotted.size();
        const Result result = Quadrel(arguments, plots);
        EXPECT_EQ(result.status, c.status) << c.output << result.err;
        EXPECT_EQ(plotted.size(), before + (c.status == 0 ? 1 : 0)) << c.output;
        const fs::path aux = In(c.output) + ".aux.xml";
        EXPECT_EQ(fs::exists(aux), c.status == 0 && !c.crs.empty()) << c.output;
        if (fs::exists(aux)) {
            EXPECT_NE(testing::TempDir::Read(aux).find(">EPSG:32633<"), std::string::npos);
        }
    }
    ASSERT_FALSE(plotted.empty());
    EXPECT_EQ(plotted.front().X, 0.0);
    EXPECT_EQ(plotted.front().Y, 250.5);
}

TEST_F(CommandLineTest, SeriesRefusesWhatItCannotDoBeforeDrawingAnything) {
    const fs::path out = dir / "out";
    fs::create_directory(out);
    const struct {
        Arguments arguments;
        const char* says;
    } cases[] = {
        {{"series", "--grid", grid, "--dir", out.string(), "--format", "pdf"},
         "--format 'pdf' is not available; series writes dxf"},
        {{"series", "--grid", grid, "--dir", In("missing")}, "is no folder"},
        {{"series", "--grid", In("none.dat"), "--dir", out.string()}, "none.dat"},
        {{"series", "--grid", grid, "--dir", out.string(), "--crs", "EPSG:"}, "AUTHORITY:CODE"},
        {{"series", "--grid", grid, "--dir", out.string(), "--crs", "EPSG:32633"}, "--format png"},
        {{"series", "--grid", grid, "--dir", out.string(), "--index=yes"}, "takes no value"},
    };
    for (const auto& c : cases) {
        const Result result = Quadrel(c.arguments);
        EXPECT_EQ(result.status, 2) << c.says;
        EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
        EXPECT_TRUE(fs::is_empty(out)) << c.says;
    }
}

// A word for the system's shell, which on Windows (cmd.exe) knows no single
// quotes.
std::string ShellWord(const std::string& word) {
#ifdef _WIN32
    return '"' + word + '"';
#else
    return "'" + word + "'";
#endif
}

// Runs a program through the system's shell, its output into `dir`/out and
// `dir`/err; its exit status.
int RunProgram(const Arguments& words, const fs::path& dir) {
    std::string command;
    for (const auto& word : words) command += ShellWord(word) + ' ';
    command += '>' + ShellWord(Utf8Path(dir / "out")) + " 2>" + ShellWord(Utf8Path(dir / "err"));
#ifdef _WIN32
    // In UTF-16 the line arrives whole; cmd.exe takes off the outer quotes.
    const std::wstring wide = PathFromUtf8('"' + command + '"').native();
    return ::_wsystem(wide.c_str());
#else
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
}

// The program itself (its exit 0 is the ezdxf and ogrinfo integration test's):
// its own commands, with a name beyond the system's code page given whole,
// and one it hands to the desktop program beside it, found also when
// started from elsewhere: through a link, or on Windows, which links only
// for administrators, as a copy.
TEST(QuadrelProgram, RunsItsCommandsAndHandsOnThoseThatNeedTheDesktop) {
    testing::TempDir dir;
    const std::string program = Utf8Path(fs::absolute(QUADREL_BINARY));
    const std::string missing = Utf8Path(dir.Path() / PathFromUtf8("\xCE\xA9mega") / "none.dat");
    EXPECT_EQ(RunProgram({program, "limits", "--grid", missing}, dir.Path()), 2);
    EXPECT_EQ(testing::TempDir::Read(dir / "out"), "");
    EXPECT_NE(testing::TempDir::Read(dir / "err").find(missing), std::string::npos)
        << testing::TempDir::Read(dir / "err");

    // A series written with standard error in a file: no progress lines,
    // which are for a person at a terminal.
    const std::string folder = Utf8Path(dir.Path());
    ASSERT_EQ(RunProgram({program, "samples", "--dir", folder}, dir.Path()), 0);
    EXPECT_EQ(
        RunProgram({program, "series", "--grid", Utf8Path(dir / "QDLGrid.SAM"), "--dir", folder},
                   dir.Path()),
        0);
    EXPECT_EQ(testing::TempDir::Read(dir / "err"), "");
    EXPECT_TRUE(fs::exists(dir / "02-Description 2 - this is another description.dxf"));

#ifdef _WIN32
    const fs::path elsewhere = dir / "copied-quadrel.exe";
    fs::copy_file(QUADREL_BINARY, elsewhere);
#else
    const fs::path elsewhere = dir / "linked-quadrel";
    fs::create_symlink(QUADREL_BINARY, elsewhere);
#endif
    const int status = RunProgram({Utf8Path(elsewhere), "plot", "--help"}, dir.Path());
#ifdef QUADREL_TEST_DESKTOP_BUILT
    EXPECT_EQ(status, 0) << testing::TempDir::Read(dir / "err");
    EXPECT_NE(testing::TempDir::Read(dir / "out").find("quadrel plot"), std::string::npos);

    // The window without a display: one line, not Qt's abort.
    EXPECT_EQ(RunProgram({"env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM",
                          program},
                         dir.Path()),
              2);
    const std::string said = testing::TempDir::Read(dir / "err");
    EXPECT_NE(said.find("no display"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
#else
    // One line, which Windows ends with CR LF.
    std::string said = testing::TempDir::Read(dir / "err");
    said.erase(std::remove(said.begin(), said.end(), '\r'), said.end());
    EXPECT_EQ(status, 2);
    EXPECT_EQ(said,
              "quadrel: the desktop program (the window, plot, series beyond dxf) is not part of "
              "this build\n");
#endif
}

}  // namespace
}  // namespace quadrel
