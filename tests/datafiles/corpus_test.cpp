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
        testing::CheckReadAndRoundTrip(bytes);
        GridSetStore fromFile, fromText;
        EXPECT_EQ(ReadGridFile(file, fromFile), ReadGridText(bytes, fromText));
        EXPECT_EQ(fromFile.GridSets, fromText.GridSets);
        TitleSetStore titleFromFile, titleFromText;
        EXPECT_EQ(ReadTitleFile(file, titleFromFile), ReadTitleText(bytes, titleFromText));
        EXPECT_EQ(titleFromFile.TitleLines, titleFromText.TitleLines);
    }
}

TEST(Corpus, Windows1252FileIsDecoded) {
    GridSetStore windows1252;
    ReadGridFile(CorpusDir / "grid/windows1252.dat", windows1252);
    EXPECT_EQ(windows1252.GridSets[0].Description,
              "G\xC3\xA9ologie Ma\xC3\xB1"
              "ana");
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
        "0125.-ULRYNAM\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xE9\xF1\x80\x9D\xFF";
    std::mt19937 random(20240611);
    for (int round = 0; round < 300 && !::testing::Test::HasFailure(); ++round) {
        std::string bytes(
            std::uniform_int_distribution<std::size_t>(0, round < 250 ? 600 : 20000)(random), '\0');
        for (char& c : bytes) {
            const std::size_t pick = std::uniform_int_distribution<std::size_t>(0, 255)(random);
            c = round % 5 == 0 ? static_cast<char>(pick) : alphabet[pick % alphabet.size()];
        }
        SCOPED_TRACE(round);
        testing::CheckReadAndRoundTrip(bytes);
    }
}

}  // namespace
}  // namespace quadrel
