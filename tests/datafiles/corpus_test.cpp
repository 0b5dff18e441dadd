// Inputs no person would write on purpose: the stored corpus of awkward
// files, and large or random inputs generated here. None may crash, hang or
// break the round trip through the writers.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "data_file_checks.h"
#include "datafiles/sample_files.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

using testing::ReadGridText;
using testing::ReadTitleText;
using testing::TempDir;

const std::filesystem::path CorpusDir{QUADREL_TEST_CORPUS_DIR};

std::vector<std::filesystem::path> CorpusFiles() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(CorpusDir)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

class CorpusFile : public ::testing::TestWithParam<std::filesystem::path> {};

// Each file as a grid file and as a title file, through the file entry points.
TEST_P(CorpusFile, ReadsAndRoundTripsThroughBothFormats) {
    const std::string bytes = TempDir::Read(GetParam());
    testing::CheckGridReadAndRoundTrip(bytes);
    testing::CheckTitleReadAndRoundTrip(bytes);
    GridSetStore fromFile, fromText;
    EXPECT_EQ(ReadGridFile(GetParam(), fromFile), ReadGridText(bytes, fromText));
    EXPECT_EQ(fromFile.GridSets, fromText.GridSets);
    TitleSetStore titleFromFile, titleFromText;
    EXPECT_EQ(ReadTitleFile(GetParam(), titleFromFile), ReadTitleText(bytes, titleFromText));
    EXPECT_EQ(titleFromFile.TitleLines, titleFromText.TitleLines);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, CorpusFile, ::testing::ValuesIn(CorpusFiles()), [](const auto& info) {
        std::string name =
            info.param.parent_path().filename().string() + "_" + info.param.stem().string();
        std::replace_if(
            name.begin(), name.end(),
            [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
        return name;
    });

TEST(Corpus, FilesGiveTheirCounts) {
    constexpr auto End = ReadOutcome::EndOfFile;
    constexpr auto Full = ReadOutcome::CapacityReached;
    const struct {
        const char* file;
        ReadOutcome gridOutcome;
        int gridSets, gridLines;
        ReadOutcome titleOutcome;
        int titleLines;
    } cases[] = {{"grid/empty.dat", End, 0, 0, End, 0},
                 {"grid/sample.dat", End, 2, 32, End, 32},
                 {"grid/sixty_sets.dat", Full, 50, 800, Full, 700},
                 {"grid/no_line_ends.dat", End, 0, 0, End, 0},
                 {"grid/forty_lines.dat", End, 3, 40, End, 40},
                 {"grid/crlf.dat", End, 2, 32, End, 32},
                 {"grid/last_line_without_end.dat", End, 1, 14, End, 14},
                 {"title/twenty_lines.dat", End, 2, 20, End, 20}};
    for (const auto& c : cases) {
        const std::string bytes = TempDir::Read(CorpusDir / c.file);
        GridSetStore grid;
        EXPECT_EQ(ReadGridText(bytes, grid), c.gridOutcome) << c.file;
        EXPECT_EQ(grid.GridSetCount, c.gridSets) << c.file;
        EXPECT_EQ(grid.GridLinesRead, c.gridLines) << c.file;
        TitleSetStore title;
        EXPECT_EQ(ReadTitleText(bytes, title), c.titleOutcome) << c.file;
        EXPECT_EQ(title.TitleLineCount, c.titleLines) << c.file;
    }
}

TEST(Corpus, Windows1252FilesAreDecoded) {
    GridSetStore grid;
    ReadGridFile(CorpusDir / "grid/windows1252.dat", grid);
    EXPECT_EQ(grid.GridSets[0].Description,
              "G\xC3\xA9ologie Ma\xC3\xB1"
              "ana");
    TitleSetStore title;
    ReadTitleFile(CorpusDir / "title/windows1252.dat", title);
    EXPECT_EQ(title.TitleLines[12],
              "Ma\xC3\xB1"
              "ana \xE2\x80\x93 \xE2\x82\xAC");
}

std::string Repeated(std::string_view line, std::size_t times) {
    std::string text;
    text.reserve(line.size() * times);
    for (std::size_t i = 0; i < times; ++i) text += line;
    return text;
}

// Reading stops after the capacity and leaves the rest of a huge input
// unread (make bench times the read of such a file).
TEST(CorpusGenerated, TwoMillionLinesStopAtTheCapacityLeavingTheRestUnread) {
    const std::string line = "12 / x\n";
    std::istringstream gridIn(Repeated(line, 2'000'000));
    GridSetStore grid;
    EXPECT_EQ(ReadGridLines(gridIn, grid), ReadOutcome::CapacityReached);
    EXPECT_EQ(grid.GridSetCount, 50);
    EXPECT_EQ(grid.GridLinesRead, 800);
    EXPECT_EQ(static_cast<std::size_t>(gridIn.tellg()), 801 * line.size());

    std::istringstream titleIn(Repeated("\n", 2'000'000));
    TitleSetStore title;
    EXPECT_EQ(ReadTitleLines(titleIn, title), ReadOutcome::CapacityReached);
    EXPECT_EQ(title.TitleLineCount, 700);
    EXPECT_EQ(static_cast<std::size_t>(titleIn.tellg()), 701U);
}

TEST(CorpusGenerated, EnormousLineIsReadWholeButNotWithoutItsLineEnd) {
    const std::string value(5'000'000, 'w');
    GridSetStore grid;
    EXPECT_EQ(ReadGridText(value + " / Description\n" + value, grid), ReadOutcome::EndOfFile);
    EXPECT_EQ(grid.GridSets[0].Description, value);
    EXPECT_EQ(grid.GridLinesRead, 1);
}

// Random texts over an alphabet rich in what the readers look at: line
// ends, slashes, blanks, control characters, UTF-8 and Windows-1252 bytes.
TEST(CorpusGenerated, RandomInputsReadAndRoundTrip) {
    const std::string alphabet =
        "\n\n\n\n////    \r\t\x01\x7F"
        "0125.-ULRYNAM"
        "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xE9\xF1\x80\x9D\xFF";
    std::mt19937 random(20240611);
    for (int round = 0; round < 300 && !::testing::Test::HasFailure(); ++round) {
        std::uniform_int_distribution<std::size_t> length(0, round < 250 ? 600 : 20000);
        std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
        std::uniform_int_distribution<int> anyByte(0, 255);
        std::string bytes(length(random), '\0');
        for (char& c : bytes) {
            c = round % 5 == 0 ? static_cast<char>(anyByte(random)) : alphabet[pick(random)];
        }
        SCOPED_TRACE(round);
        testing::CheckGridReadAndRoundTrip(bytes);
        testing::CheckTitleReadAndRoundTrip(bytes);
    }
}

}  // namespace
}  // namespace quadrel
