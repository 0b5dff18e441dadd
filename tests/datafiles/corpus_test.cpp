// Inputs no person would write on purpose: the stored corpus of awkward
// files, and large or random inputs generated here. None may crash, hang or
// break the round trip through the writers.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "data_file_checks.h"
#include "datafiles/grid_file.h"
#include "datafiles/sample_files.h"
#include "datafiles/title_file.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

using testing::CheckGridReadAndRoundTrip;
using testing::CheckTitleReadAndRoundTrip;
using testing::ReadGridText;
using testing::ReadTitleText;
using testing::TempDir;

const std::filesystem::path CorpusDir{QUADREL_TEST_CORPUS_DIR};

std::vector<std::filesystem::path> CorpusFiles() {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(CorpusDir, error)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string TestName(const std::filesystem::path& path) {
    std::string name = std::filesystem::relative(path, CorpusDir).string();
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

class CorpusFile : public ::testing::TestWithParam<std::filesystem::path> {};

TEST_P(CorpusFile, ReadsAndRoundTripsThroughBothFormats) {
    const std::string bytes = TempDir::Read(GetParam());
    {
        SCOPED_TRACE("grid");
        CheckGridReadAndRoundTrip(bytes);
    }
    {
        SCOPED_TRACE("title");
        CheckTitleReadAndRoundTrip(bytes);
    }
    // The file entry point sees the same lines as the stream entry point.
    GridSetStore fromFile;
    GridSetStore fromText;
    EXPECT_EQ(ReadGridFile(GetParam(), fromFile), ReadGridText(bytes, fromText));
    EXPECT_EQ(fromFile.GridLinesRead, fromText.GridLinesRead);
    EXPECT_EQ(fromFile.GridSets, fromText.GridSets);
    TitleSetStore titleFromFile;
    TitleSetStore titleFromText;
    EXPECT_EQ(ReadTitleFile(GetParam(), titleFromFile), ReadTitleText(bytes, titleFromText));
    EXPECT_EQ(titleFromFile.TitleLines, titleFromText.TitleLines);
}

INSTANTIATE_TEST_SUITE_P(Stored, CorpusFile, ::testing::ValuesIn(CorpusFiles()),
                         [](const auto& info) { return TestName(info.param); });

TEST(CorpusContents, HoldsTheAwkwardCasesAndStaysSmall) {
    const auto files = CorpusFiles();
    EXPECT_GE(files.size(), 30U);
    for (const auto& file : files) {
        EXPECT_LE(std::filesystem::file_size(file), 16U * 1024U) << file;
    }
}

// What particular corpus files must give, beyond not failing.
struct CorpusExpectation {
    const char* File;
    ReadOutcome GridOutcome;
    int GridSets;
    int GridLines;
    ReadOutcome TitleOutcome;
    int TitleLines;
};

void PrintTo(const CorpusExpectation& c, std::ostream* os) {
    *os << c.File;
}

class CorpusExpected : public ::testing::TestWithParam<CorpusExpectation> {};

TEST_P(CorpusExpected, GivesItsCounts) {
    const CorpusExpectation& c = GetParam();
    const std::string bytes = TempDir::Read(CorpusDir / c.File);
    GridSetStore grid;
    EXPECT_EQ(ReadGridText(bytes, grid), c.GridOutcome);
    EXPECT_EQ(grid.GridSetCount, c.GridSets);
    EXPECT_EQ(grid.GridLinesRead, c.GridLines);
    TitleSetStore title;
    EXPECT_EQ(ReadTitleText(bytes, title), c.TitleOutcome);
    EXPECT_EQ(title.TitleLineCount, c.TitleLines);
}

constexpr auto End = ReadOutcome::EndOfFile;
constexpr auto Full = ReadOutcome::CapacityReached;

INSTANTIATE_TEST_SUITE_P(
    Files, CorpusExpected,
    ::testing::Values(CorpusExpectation{"grid/empty.dat", End, 0, 0, End, 0},
                      CorpusExpectation{"grid/sample.dat", End, 2, 32, End, 32},
                      CorpusExpectation{"grid/sixty_sets.dat", Full, 50, 800, Full, 700},
                      CorpusExpectation{"grid/no_line_ends.dat", End, 0, 0, End, 0},
                      CorpusExpectation{"grid/forty_lines.dat", End, 3, 40, End, 40},
                      CorpusExpectation{"grid/crlf.dat", End, 2, 32, End, 32},
                      CorpusExpectation{"grid/last_line_without_end.dat", End, 1, 14, End, 14},
                      CorpusExpectation{"title/sample.dat", End, 2, 28, End, 28},
                      CorpusExpectation{"title/twenty_lines.dat", End, 2, 20, End, 20},
                      CorpusExpectation{"title/sixty_sets.dat", Full, 50, 800, Full, 700}),
    [](const auto& info) { return TestName(CorpusDir / info.param.File); });

TEST(CorpusExpected, StoredSamplesAreTheSampleTexts) {
    EXPECT_EQ(TempDir::Read(CorpusDir / "grid/sample.dat"), SampleGridFileText());
    EXPECT_EQ(TempDir::Read(CorpusDir / "title/sample.dat"), SampleTitleFileText());
}

TEST(CorpusExpected, Windows1252FileIsDecoded) {
    GridSetStore grid;
    ReadGridFile(CorpusDir / "grid/windows1252.dat", grid);
    EXPECT_EQ(grid.GridSets[0].Description,
              "G\xC3\xA9ologie Ma\xC3\xB1"
              "ana");
    TitleSetStore title;
    ReadTitleFile(CorpusDir / "title/windows1252.dat", title);
    EXPECT_EQ(title.TitleLines[6], "G\xC3\xA9ologie");
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

TEST(CorpusGenerated, TwoMillionLinesAreReadFastAndStopAtCapacity) {
    TempDir dir;
    const auto path = dir.Write("huge.dat", Repeated("12 / x\n", 2'000'000));
    const auto start = std::chrono::steady_clock::now();
    GridSetStore grid;
    EXPECT_EQ(ReadGridFile(path, grid), ReadOutcome::CapacityReached);
    TitleSetStore title;
    EXPECT_EQ(ReadTitleFile(path, title), ReadOutcome::CapacityReached);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::milliseconds(500));
    EXPECT_EQ(grid.GridSetCount, 50);
    EXPECT_EQ(grid.GridLinesRead, 800);
    EXPECT_EQ(title.TitleSetCount, 50);
    EXPECT_EQ(title.TitleLineCount, 700);
}

TEST(CorpusGenerated, StreamBeyondTheCapacityIsLeftUnread) {
    const std::string line = "12 / x\n";
    std::istringstream gridIn(Repeated(line, 2'000'000));
    GridSetStore grid;
    EXPECT_EQ(ReadGridLines(gridIn, grid), ReadOutcome::CapacityReached);
    EXPECT_EQ(static_cast<std::size_t>(gridIn.tellg()), 801 * line.size());

    std::istringstream titleIn(Repeated("\n", 2'000'000));
    TitleSetStore title;
    EXPECT_EQ(ReadTitleLines(titleIn, title), ReadOutcome::CapacityReached);
    EXPECT_EQ(static_cast<std::size_t>(titleIn.tellg()), 701U);
}

TEST(CorpusGenerated, EnormousLineIsReadWhole) {
    const std::string value(5'000'000, 'w');
    GridSetStore grid;
    EXPECT_EQ(ReadGridText(value + " / Description\n", grid), ReadOutcome::EndOfFile);
    EXPECT_EQ(grid.GridSets[0].Description, value);
    EXPECT_EQ(grid.GridLinesRead, 1);

    TitleSetStore title;
    EXPECT_EQ(ReadTitleText("  " + value + "\n", title), ReadOutcome::EndOfFile);
    EXPECT_EQ(title.TitleLines[0].size(), value.size() + 2);
}

TEST(CorpusGenerated, EnormousLineWithoutLineEndIsNotRead) {
    GridSetStore grid;
    EXPECT_EQ(ReadGridText(std::string(5'000'000, '\xE9'), grid), ReadOutcome::EndOfFile);
    EXPECT_EQ(grid.GridSetCount, 0);
    EXPECT_EQ(grid.GridLinesRead, 0);
}

// Random texts over an alphabet rich in what the readers look at: line
// ends, slashes, blanks, control characters, bytes of UTF-8 sequences and
// Windows-1252 letters, digits.
TEST(CorpusGenerated, RandomInputsReadAndRoundTrip) {
    const std::string alphabet =
        "\n\n\n\n////    \r\t\x01\x7F"
        "0125.-ULRYNAM"
        "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xE9\xF1\x80\x9D\xFF";
    std::mt19937 random(20240611);
    for (int round = 0; round < 300; ++round) {
        std::uniform_int_distribution<std::size_t> length(0, round < 250 ? 600 : 20000);
        std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
        std::uniform_int_distribution<int> anyByte(0, 255);
        const bool anyBytes = round % 5 == 0;
        std::string bytes(length(random), '\0');
        for (char& c : bytes) {
            c = anyBytes ? static_cast<char>(anyByte(random)) : alphabet[pick(random)];
        }
        SCOPED_TRACE(round);
        CheckGridReadAndRoundTrip(bytes);
        CheckTitleReadAndRoundTrip(bytes);
        if (::testing::Test::HasFailure()) break;
    }
}

}  // namespace
}  // namespace quadrel
