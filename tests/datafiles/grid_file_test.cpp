#include "datafiles/grid_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "app/atomic_file.h"
#include "data_file_checks.h"
#include "datafiles/sample_files.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

using testing::LinesText;
using testing::ReadGridText;
using testing::SplitLines;
using testing::TempDir;

// The 16 lines of a set in which every field has a value of its own.
std::vector<std::string> DistinctSetLines(const std::string& description) {
    return {
        description + "   / Description (60 chars. Max.)",
        "I  / Metric or Imperial (M or I)",
        "Eastings (X)   / X-axis title",
        "Northings (Y)  / Y-axis title",
        " 1 2 3 4 5 6   / XMin, XMax, XGrid, XScale, XAdd, XConst",
        " 7 8 9 10 11 12 / YMin, YMax, YGrid, YScale, YAdd, YConst",
        "13 14 15       / HtPosition, HtLength(left), HtLength(right)",
        "16 17 18       / HtStart, HtEnd, HtSpacing",
        "19 20 21       / VtPosition, VtLength(top), VtLength(bottom)",
        "22 23 24       / VtStart, VtEnd, Vtspacing",
        "25             / Border around grid",
        "26 27 28 29    / Cutting border",
        "UL 30 31       / North Arrow",
        "Y              / Title block      (Y or N)",
        "B              / Title block type (A, B, etc.)",
        " ",
    };
}

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Field values in the order of GridFields.
using FieldValues = std::vector<std::string>;

void ExpectFields(const GridSet& set, const FieldValues& expected) {
    ASSERT_EQ(expected.size(), GridFields.size());
    for (std::size_t i = 0; i < GridFields.size(); ++i) {
        EXPECT_EQ(set.*GridFields[i].Field, expected[i]) << GridFields[i].Name;
    }
}

// clang-format off
const FieldValues DistinctValues{
    "Set A", "I", "Eastings (X)", "Northings (Y)",
    "1", "2", "3", "4", "5", "6",
    "7", "8", "9", "10", "11", "12",
    "13", "14", "15", "16", "17", "18",
    "19", "20", "21", "22", "23", "24",
    "25", "26", "27", "28", "29",
    "UL", "30", "31", "Y", "B"};
// clang-format on

TEST(GridFileReading, ReadsEveryFieldFromItsLineIntoWorkingAndAsRead) {
    GridSetStore store;
    EXPECT_EQ(ReadGridText(LinesText(DistinctSetLines("Set A")), store), ReadOutcome::EndOfFile);
    EXPECT_EQ(store.GridSetCount, 1);
    EXPECT_EQ(store.CurrentGridSet, 0);
    EXPECT_EQ(store.GridLinesRead, 16);
    EXPECT_EQ(store.GridLineCount, 16);
    ExpectFields(store.GridSets[0], DistinctValues);
    ExpectFields(store.AsReadGridSets[0], DistinctValues);
    EXPECT_FALSE(store.GridSetsChanged());
}

TEST(GridFileReading, SampleFileGivesItsTwoSets) {
    GridSetStore store;
    EXPECT_EQ(ReadGridText(SampleGridFileText(), store), ReadOutcome::EndOfFile);
    EXPECT_EQ(store.GridSetCount, 2);
    EXPECT_EQ(store.CurrentGridSet, 1);
    EXPECT_EQ(store.GridLinesRead, 32);
    EXPECT_EQ(store.GridLineCount, 32);
    // One row per line of the file.
    // clang-format off
    ExpectFields(store.GridSets[0],
                 {"Description 1 - this is to test Quadrel",
                  "I", "Eastings (X)", "Northings (Y)",
                  "99000", "96000", "1000", "100.0", "0", "0.0",
                  "97000", "93000", "1000", "100.0", "0", "0.0",
                  "2", "0.25", "0.25", "98100", "102400", "100",
                  "3", "0.25", "0.25", "98200", "99800", "200",
                  "0.0", "1.500", "2.500", "3.500", "4.543",
                  "LR", "0.75", "0.0", "Y", "A"});
    ExpectFields(store.GridSets[1],
                 {"Description 2 - this is another description.................",
                  "M", "DEPARTURE", "LATITUDE",
                  "20600", "21600", "500", "2500.0", "0", "0.0",
                  "19550", "20150", "500", "2500.0", "0", "0.0",
                  "1", "0.25", "0.25", "98100", "102400", "100",
                  "4", "0.25", "0.25", "98200", "99800", "200",
                  "0.0", "1.500", "0.750", "0.500", "0.500",
                  "UL", "0.5", "0.0", "Y", "A"});
    // clang-format on
    EXPECT_FALSE(store.GridSetsChanged());
}

// One line of a set replaced; the fields that line fills are checked in the
// working set and in the as-read copy. The as-read copy starts out holding
// "old" everywhere, so a default that reaches it shows.
struct LineCase {
    const char* Name;
    int Line;  // 1 to 16
    std::string Text;
    std::vector<GridFieldPointer> Fields;
    std::vector<std::string> Working;
    std::vector<std::string> AsRead;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.Name;
}

class GridFileLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(GridFileLine, StoresValuesOrDefaults) {
    const LineCase& c = GetParam();
    std::vector<std::string> lines = DistinctSetLines("Set A");
    lines[static_cast<std::size_t>(c.Line - 1)] = c.Text;
    GridSetStore store;
    for (const GridFieldInfo& info : GridFields) store.AsReadGridSets[0].*info.Field = "old";

    ReadGridText(LinesText(lines), store);
    for (std::size_t i = 0; i < c.Fields.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(store.GridSets[0].*c.Fields[i], c.Working[i]);
        EXPECT_EQ(store.AsReadGridSets[0].*c.Fields[i], c.AsRead[i]);
    }
}

using S = GridSet;
const std::vector<GridFieldPointer> XLine{&S::XMin,   &S::XMax, &S::XGrid,
                                          &S::XScale, &S::XAdd, &S::XConst};
const std::vector<GridFieldPointer> HtStartLine{&S::HtStart, &S::HtEnd, &S::HtSpacing};
const std::vector<GridFieldPointer> VtStartLine{&S::VtStart, &S::VtEnd, &S::VtSpacing};
const std::vector<GridFieldPointer> NorthLine{&S::NorthArrowCorner, &S::NorthArrowSize,
                                              &S::NorthArrowDistance};
const std::vector<std::string> Old6(6, "old");
const std::vector<std::string> Old3(3, "old");
const std::vector<std::string> Old4(4, "old");

INSTANTIATE_TEST_SUITE_P(
    Cases, GridFileLine,
    ::testing::Values(
        LineCase{"SlashInFirstColumnGivesSlash",
                 1,
                 "/ Description (60 chars. Max.)",
                 {&S::Description},
                 {"/"},
                 {"/"}},
        LineCase{"EmptyWholeValueIsTakenFromTheFile", 3, "", {&S::XAxisTitle}, {""}, {""}},
        LineCase{"BlankWholeValueIsEmpty", 11, "     / Border", {&S::BorderSize}, {""}, {""}},
        LineCase{"WholeValueKeepsInnerBlanks",
                 4,
                 "  North  ing  / Y",
                 {&S::YAxisTitle},
                 {"North  ing"},
                 {"North  ing"}},
        LineCase{"TwoWordsGiveAllDefaults",
                 5,
                 " 12 34 / XMin, XMax",
                 XLine,
                 {"", "", "", "", "0", "0.0"},
                 Old6},
        LineCase{"EmptyWordLineGivesDefaults", 5, "", XLine, {"", "", "", "", "0", "0.0"}, Old6},
        LineCase{"ExtraWordsIgnored",
                 5,
                 "1 2 3 4 5 6 7 8",
                 XLine,
                 {"1", "2", "3", "4", "5", "6"},
                 {"1", "2", "3", "4", "5", "6"}},
        LineCase{"TabsSeparateWords",
                 13,
                 "LL\t0.75\t 1.0",
                 NorthLine,
                 {"LL", "0.75", "1.0"},
                 {"LL", "0.75", "1.0"}},
        LineCase{"LowerCaseCornerStays",
                 13,
                 "ll 0.75 1.0 / North Arrow",
                 NorthLine,
                 {"ll", "0.75", "1.0"},
                 {"ll", "0.75", "1.0"}},
        LineCase{"ShortNorthArrowLine",
                 13,
                 "LR 0.75 / North Arrow",
                 NorthLine,
                 {"UR", "0.500", "0.0"},
                 Old3},
        LineCase{"ShortCuttingBorderLine",
                 12,
                 "1 2 3",
                 {&S::CutLeft, &S::CutRight, &S::CutTop, &S::CutBottom},
                 {"0.000", "0.000", "0.000", "0.000"},
                 Old4},
        LineCase{"ShortTickLineGivesPositionZero",
                 9,
                 "3 0.25",
                 {&S::VtPosition, &S::VtLengthTop, &S::VtLengthBottom, &S::VtStart},
                 {"0", "", "", ""},
                 {"old", "old", "old", "old"}},
        LineCase{"HtPositionZeroClearsLine8",
                 7,
                 "0 0.25 0.25",
                 {&S::HtPosition, &S::HtStart, &S::HtEnd, &S::HtSpacing},
                 {"0", "", "", ""},
                 {"0", "old", "old", "old"}},
        LineCase{"VtPositionZeroClearsLine10",
                 9,
                 "0 0.25 0.25",
                 {&S::VtPosition, &S::VtStart, &S::VtEnd, &S::VtSpacing},
                 {"0", "", "", ""},
                 {"0", "old", "old", "old"}},
        LineCase{"PositionOtherThanZeroKeepsLine8",
                 7,
                 "00 0.25 0.25",
                 HtStartLine,
                 {"16", "17", "18"},
                 {"16", "17", "18"}},
        LineCase{"ShortLine8", 8, "100 200", HtStartLine, {"", "", ""}, Old3},
        LineCase{"CarriageReturnRemoved", 2, "M\r", {&S::ImpMet}, {"M"}, {"M"}},
        LineCase{"SeparatorContentIgnored",
                 16,
                 "Z / not a value",
                 {&S::Description},
                 {"Set A"},
                 {"Set A"}},
        LineCase{"LongLineReadWhole",
                 1,
                 std::string(300, 'x') + " / Description",
                 {&S::Description},
                 {std::string(300, 'x')},
                 {std::string(300, 'x')}},
        LineCase{"NulInsideValueStays",
                 1,
                 std::string("a\0b / D", 7),
                 {&S::Description},
                 {std::string("a\0b", 3)},
                 {std::string("a\0b", 3)}},
        LineCase{
            "VtStartLineWithWords", 10, "1 2 3", VtStartLine, {"1", "2", "3"}, {"1", "2", "3"}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(GridFileReading, FortyLinesGiveThreeSetsTheLastCutShort) {
    std::vector<std::string> lines = Concat(DistinctSetLines("Set A"), DistinctSetLines("Set B"));
    const std::vector<std::string> third = DistinctSetLines("Set C");
    lines.insert(lines.end(), third.begin(), third.begin() + 8);
    GridSetStore store;
    store.GridSets[2].VtPosition = "before";

    EXPECT_EQ(ReadGridText(LinesText(lines), store), ReadOutcome::EndOfFile);
    EXPECT_EQ(store.GridSetCount, 3);
    EXPECT_EQ(store.CurrentGridSet, 2);
    EXPECT_EQ(store.GridLinesRead, 40);
    EXPECT_EQ(store.GridLineCount, 40);
    EXPECT_EQ(store.GridSets[1].Description, "Set B");
    EXPECT_EQ(store.GridSets[2].Description, "Set C");
    EXPECT_EQ(store.GridSets[2].HtSpacing, "18");
    EXPECT_EQ(store.GridSets[2].VtPosition, "before");
    EXPECT_TRUE(store.GridSetsChanged());
}

TEST(GridFileReading, LastLineWithoutLineEndIsNotRead) {
    std::vector<std::string> lines = DistinctSetLines("Set A");
    lines.resize(14);
    const std::string text =
        LinesText(lines) + "A                             / Title block type (A, B, etc.)";
    GridSetStore store;
    store.GridSets[0].TitleBlockType = "before";

    EXPECT_EQ(ReadGridText(text, store), ReadOutcome::EndOfFile);
    EXPECT_EQ(store.GridSets[0].TitleBlockType, "before");
    EXPECT_EQ(store.GridSets[0].TitleBlockFlag, "Y");
    EXPECT_EQ(store.GridLinesRead, 14);
    EXPECT_EQ(store.GridLineCount, 14);
}

TEST(GridFileReading, LineEndsWithCarriageReturnReadLikeLineFeeds) {
    std::string crlf;
    for (const std::string& line : DistinctSetLines("Set A")) crlf += line + "\r\n";
    GridSetStore store;
    ReadGridText(crlf, store);
    ExpectFields(store.GridSets[0], DistinctValues);
    ExpectFields(store.AsReadGridSets[0], DistinctValues);
}

TEST(GridFileReading, AppendsAfterTheSetsHeld) {
    GridSetStore store;
    ReadGridText(LinesText(Concat(DistinctSetLines("Set A"), DistinctSetLines("Set B"))), store);
    store.GridLineCount += 16;  // as if a set had been added by hand
    store.GridSetCount = 3;
    store.GridSets[2].Description = "typed";

    EXPECT_EQ(ReadGridText(LinesText(DistinctSetLines("Set D")), store), ReadOutcome::EndOfFile);
    EXPECT_EQ(store.GridSetCount, 4);
    EXPECT_EQ(store.CurrentGridSet, 3);
    EXPECT_EQ(store.GridLinesRead, 48);
    EXPECT_EQ(store.GridLineCount, 64);
    EXPECT_EQ(store.GridSets[2].Description, "typed");
    EXPECT_EQ(store.GridSets[3].Description, "Set D");
    EXPECT_EQ(store.AsReadGridSets[3].Description, "Set D");
}

std::string SetsText(int count, const std::string& extra = {}) {
    std::string text;
    for (int s = 0; s < count; ++s) text += LinesText(DistinctSetLines("Set " + std::to_string(s)));
    return text + extra;
}

struct CapacityCase {
    const char* Name;
    int SetsHeld;
    std::string Text;
    ReadOutcome Outcome;
    int SetCount;
    int LinesRead;
};

void PrintTo(const CapacityCase& c, std::ostream* os) {
    *os << c.Name;
}

class GridFileCapacity : public ::testing::TestWithParam<CapacityCase> {};

TEST_P(GridFileCapacity, StopsAtFiftySets) {
    const CapacityCase& c = GetParam();
    GridSetStore store;
    store.GridSetCount = c.SetsHeld;
    store.CurrentGridSet = std::max(c.SetsHeld - 1, 0);
    store.GridLineCount = 16 * c.SetsHeld;
    EXPECT_EQ(ReadGridText(c.Text, store), c.Outcome);
    EXPECT_EQ(store.GridSetCount, c.SetCount);
    EXPECT_EQ(store.CurrentGridSet, c.SetCount - 1);
    EXPECT_EQ(store.GridLinesRead, c.LinesRead);
    EXPECT_EQ(store.GridLineCount, 16 * c.SetsHeld + c.LinesRead);
    if (c.SetCount > c.SetsHeld) {
        EXPECT_EQ(store.GridSets[static_cast<std::size_t>(c.SetCount - 1)].Description,
                  "Set " + std::to_string(c.SetCount - c.SetsHeld - 1));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridFileCapacity,
    ::testing::Values(
        CapacityCase{"FiftySets", 0, SetsText(50), ReadOutcome::EndOfFile, 50, 800},
        CapacityCase{"SixtySets", 0, SetsText(60), ReadOutcome::CapacityReached, 50, 800},
        CapacityCase{"OneLineMore", 0, SetsText(50, "x\n"), ReadOutcome::CapacityReached, 50, 800},
        CapacityCase{"UnfinishedLineMoreIsNotRead", 0, SetsText(50, "x"), ReadOutcome::EndOfFile,
                     50, 800},
        CapacityCase{"AfterSetsHeld", 48, SetsText(3), ReadOutcome::CapacityReached, 50, 32},
        CapacityCase{"FullStoreReadsNothing", 50, SetsText(1), ReadOutcome::CapacityReached, 50, 0},
        CapacityCase{"FullStoreEmptyFile", 50, "", ReadOutcome::EndOfFile, 50, 0}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(GridFileReading, CountsOutsideTheirRangeNeverBecomeIndexes) {
    GridSetStore negative;
    negative.GridSetCount = -3;
    EXPECT_EQ(ReadGridText(SetsText(1), negative), ReadOutcome::EndOfFile);
    EXPECT_EQ(negative.GridSetCount, 1);
    EXPECT_EQ(negative.CurrentGridSet, 0);
    EXPECT_EQ(negative.GridSets[0].Description, "Set 0");

    GridSetStore oversized;
    oversized.GridSetCount = 70;
    EXPECT_EQ(ReadGridText(SetsText(1), oversized), ReadOutcome::CapacityReached);
    EXPECT_EQ(oversized.GridSetCount, 50);
    EXPECT_EQ(oversized.GridLinesRead, 0);
}

TEST(GridFileReading, Windows1252FileIsDecoded) {
    std::vector<std::string> lines = DistinctSetLines(
        "G\xE9ologie Ma\xF1"
        "ana");
    lines[2] = "\x80 5 / X";
    GridSetStore store;
    ReadGridText(LinesText(lines), store);
    EXPECT_EQ(store.GridSets[0].Description,
              "G\xC3\xA9ologie Ma\xC3\xB1"
              "ana");
    EXPECT_EQ(store.GridSets[0].XAxisTitle, "\xE2\x82\xAC 5");
}

TEST(GridFileReading, EncodingIsDecidedForTheWholeFileNotPerLine) {
    // Valid UTF-8 on one line does not make that line UTF-8 when another
    // line shows the file to be Windows-1252.
    std::vector<std::string> lines = DistinctSetLines("Caf\xC3\xA9");
    lines[2] = "\xE9t\xE9";
    GridSetStore store;
    ReadGridText(LinesText(lines), store);
    EXPECT_EQ(store.GridSets[0].Description, "Caf\xC3\x83\xC2\xA9");
    EXPECT_EQ(store.GridSets[0].XAxisTitle, "\xC3\xA9t\xC3\xA9");
}

TEST(GridFileReading, LinesBeyondTheCapacityDoNotDecideTheEncoding) {
    const std::string utf8 = SetsText(49) + LinesText(DistinctSetLines("Caf\xC3\xA9"));
    GridSetStore store;
    EXPECT_EQ(ReadGridText(utf8 + "\xE9t\xE9\n", store), ReadOutcome::CapacityReached);
    EXPECT_EQ(store.GridSets[49].Description, "Caf\xC3\xA9");
}

// A stream buffer that hands out some bytes, then fails as a disk would.
class FailingBuffer : public std::streambuf {
public:
    explicit FailingBuffer(std::string bytes) : bytes_(std::move(bytes)) {
        setg(bytes_.data(), bytes_.data(), bytes_.data() + bytes_.size());
    }

protected:
    int_type underflow() override { throw FileError("Cannot read \"disk\": Input/output error"); }

private:
    std::string bytes_;
};

TEST(GridFileReading, ReadErrorLeavesTheStoreAsItWas) {
    FailingBuffer buffer(LinesText(DistinctSetLines("Set A")));
    std::istream in(&buffer);
    in.exceptions(std::ios::badbit);
    GridSetStore store;
    EXPECT_THROW(ReadGridLines(in, store), FileError);
    EXPECT_EQ(store.GridSetCount, 0);
    EXPECT_EQ(store.GridLinesRead, 0);
    EXPECT_EQ(store.GridSets[0], BlankGridSet());

    // Without exceptions enabled on the stream, the failure is still noticed.
    FailingBuffer quiet(LinesText(DistinctSetLines("Set A")));
    std::istream quietIn(&quiet);
    EXPECT_THROW(ReadGridLines(quietIn, store), FileError);
    EXPECT_EQ(store.GridSetCount, 0);
}

TEST(GridFileReading, ReadsAFile) {
    TempDir dir;
    const auto path = dir.Write("grid.dat", LinesText(DistinctSetLines("Set A")));
    GridSetStore store;
    EXPECT_EQ(ReadGridFile(path, store), ReadOutcome::EndOfFile);
    ExpectFields(store.GridSets[0], DistinctValues);
}

void ExpectFileError(const std::filesystem::path& path, const std::string& reason) {
    GridSetStore store;
    try {
        ReadGridFile(path, store);
        FAIL() << "no FileError for " << path;
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), FileErrorText("Cannot open", path, reason));
    }
    EXPECT_EQ(store.GridSetCount, 0);
}

TEST(GridFileReading, FileThatCannotBeOpenedNamesPathAndReason) {
    TempDir dir;
    ExpectFileError(dir / "missing.dat", "No such file or directory");
    ExpectFileError(dir.Path(), "Is a directory");
}

// Expected written line: the value, blanks up to the column of the "/"
// (counted from 1), the comment.
std::string Written(const std::string& value, std::size_t slashColumn, const std::string& comment) {
    return value + std::string(slashColumn - 1 - value.size(), ' ') + comment;
}

TEST(GridFileWriting, WritesTheSampleSetLineByLine) {
    GridSetStore store;
    ReadGridText(SampleGridFileText(), store);
    const std::vector<std::string> lines = SplitLines(GridFileText(store));
    ASSERT_EQ(lines.size(), 32U);
    const std::vector<std::string> expected{
        Written("Description 1 - this is to test Quadrel", 61, "/ Description (60 chars. Max.)"),
        Written("I", 31, "/ Metric or Imperial (M or I)"),
        Written("Eastings (X)", 31, "/ X-axis title (30 chars. Max.)"),
        Written("Northings (Y)", 31, "/ Y-axis title (30 chars. Max.)"),
        Written("99000 96000 1000 100.0 0 0.0", 51, "/ XMin, XMax, XGrid, XScale, XAdd, XConst"),
        Written("97000 93000 1000 100.0 0 0.0", 51, "/ YMin, YMax, YGrid, YScale, YAdd, YConst"),
        Written("2 0.25 0.25", 31, "/ HtPosition, HtLength(left), HtLength(right)"),
        Written("98100 102400 100", 31, "/ HtStart, HtEnd, HtSpacing"),
        Written("3 0.25 0.25", 31, "/ VtPosition, VtLength(top), VtLength(bottom)"),
        Written("98200 99800 200", 31, "/ VtStart, VtEnd, Vtspacing"),
        Written("0.0", 31, "/ Border around grid"),
        Written("1.500 2.500 3.500 4.543", 31,
                "/ Cutting border (inches: Left, Right, Top, Bottom)"),
        Written("LR 0.75 0.0", 31, "/ North Arrow (LR, LL, UL, UR), Size, Distance from map edge"),
        Written("Y", 31, "/ Title block      (Y or N)"),
        Written("A", 31, "/ Title block type (A, B, etc.)"),
        " ",
    };
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << i + 1;
    EXPECT_EQ(lines[16].substr(0, 61),
              "Description 2 - this is another description................./");
    EXPECT_EQ(lines[31], " ");
}

struct WrittenLineCase {
    const char* Name;
    GridFieldPointer Field;
    std::string Value;
    int Line;  // 1 to 16
    std::string Expected;
};

void PrintTo(const WrittenLineCase& c, std::ostream* os) {
    *os << c.Name;
}

class GridFileWrittenLine : public ::testing::TestWithParam<WrittenLineCase> {};

TEST_P(GridFileWrittenLine, FormatsTheValue) {
    const WrittenLineCase& c = GetParam();
    GridSetStore store;
    store.GridSetCount = 1;
    store.GridSets[0] = NewGridSet();
    store.GridSets[0].*c.Field = c.Value;
    const std::vector<std::string> lines = SplitLines(GridFileText(store));
    ASSERT_EQ(lines.size(), 16U);
    EXPECT_EQ(lines[static_cast<std::size_t>(c.Line - 1)], c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridFileWrittenLine,
    ::testing::Values(
        WrittenLineCase{"DescriptionOfSixty", &S::Description, std::string(60, 'd'), 1,
                        std::string(60, 'd') + "/ Description (60 chars. Max.)"},
        WrittenLineCase{"DescriptionOfSixtyFiveIsNotCut", &S::Description, std::string(65, 'd'), 1,
                        std::string(65, 'd') + "/ Description (60 chars. Max.)"},
        WrittenLineCase{"PaddingCountsCharactersNotBytes", &S::Description,
                        "G\xC3\xA9ologie Ma\xC3\xB1"
                        "ana",
                        1,
                        "G\xC3\xA9ologie Ma\xC3\xB1"
                        "ana" +
                            std::string(45, ' ') + "/ Description (60 chars. Max.)"},
        WrittenLineCase{"ImpMetGetsTwentyNineBlanks", &S::ImpMet, "M", 2,
                        "M" + std::string(29, ' ') + "/ Metric or Imperial (M or I)"},
        WrittenLineCase{"LongerImpMetStillTwentyNineBlanks", &S::ImpMet, "Metric", 2,
                        "Metric" + std::string(29, ' ') + "/ Metric or Imperial (M or I)"},
        WrittenLineCase{"EmptyImpMet", &S::ImpMet, "", 2,
                        std::string(29, ' ') + "/ Metric or Imperial (M or I)"},
        WrittenLineCase{"TitleBlockFlagGetsTwentyNineBlanks", &S::TitleBlockFlag, " Y ", 14,
                        "Y" + std::string(29, ' ') + "/ Title block      (Y or N)"},
        WrittenLineCase{"AxisTitleOfThirtyOne", &S::XAxisTitle, std::string(31, 'x'), 3,
                        std::string(31, 'x') + "/ X-axis title (30 chars. Max.)"},
        WrittenLineCase{
            "EmptyWordValuesKeepTheirBlanks", &S::XMax, "", 5,
            Written("0.0  100.0 1000.0 0 0.0", 51, "/ XMin, XMax, XGrid, XScale, XAdd, XConst")},
        WrittenLineCase{"WordValuesTrimmed", &S::CutTop, " \t2.5\r", 12,
                        Written("0.000 0.000 2.5 0.000", 31,
                                "/ Cutting border (inches: Left, Right, Top, Bottom)")},
        WrittenLineCase{"TitleBlockTypeTrimmed", &S::TitleBlockType, "  B  ", 15,
                        Written("B", 31, "/ Title block type (A, B, etc.)")},
        WrittenLineCase{"SeparatorIsOneBlank", &S::Description, "x", 16, " "}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(GridFileWriting, WritesTheExampleLimitsLine) {
    GridSetStore store;
    store.GridSetCount = 1;
    GridSet& set = store.GridSets[0];
    set.XMin = "99000";
    set.XMax = "96000";
    set.XGrid = "1000";
    set.XScale = "100.0";
    set.XAdd = "0";
    set.XConst = "0.0";
    EXPECT_EQ(SplitLines(GridFileText(store))[4], "99000 96000 1000 100.0 0 0.0" +
                                                      std::string(22, ' ') +
                                                      "/ XMin, XMax, XGrid, XScale, XAdd, XConst");
}

TEST(GridFileWriting, StoresTrimmedWholeValuesBackButNotWordValues) {
    GridSetStore store;
    store.GridSetCount = 1;
    GridSet& set = store.GridSets[0];
    set = NewGridSet();
    for (auto field : {&S::Description, &S::ImpMet, &S::XAxisTitle, &S::YAxisTitle, &S::BorderSize,
                       &S::TitleBlockFlag, &S::TitleBlockType}) {
        set.*field = " \tvalue\r ";
    }
    set.XMin = "  99000 ";
    GridFileText(store);
    for (auto field : {&S::Description, &S::ImpMet, &S::XAxisTitle, &S::YAxisTitle, &S::BorderSize,
                       &S::TitleBlockFlag, &S::TitleBlockType}) {
        EXPECT_EQ(set.*field, "value");
    }
    EXPECT_EQ(set.XMin, "  99000 ");
}

TEST(GridFileWriting, WritesOnlyTheSetsInUse) {
    GridSetStore store;
    for (int s = 0; s < MaxGridSets; ++s) {
        store.GridSets[static_cast<std::size_t>(s)].Description = "Set " + std::to_string(s);
    }
    for (const auto& [count, lines] : std::vector<std::pair<int, std::size_t>>{
             {0, 0}, {-4, 0}, {2, 32}, {50, 800}, {51, 800}, {1000, 800}}) {
        store.GridSetCount = count;
        const std::vector<std::string> written = SplitLines(GridFileText(store));
        EXPECT_EQ(written.size(), lines) << count;
        if (lines == 0) continue;
        const std::string lastSet = "Set " + std::to_string(lines / 16 - 1) + " ";
        EXPECT_EQ(written[lines - 16].substr(0, lastSet.size()), lastSet) << count;
    }
}

TEST(GridFileWriting, WrittenSetsReadBackUnchanged) {
    GridSetStore store;
    store.GridSetCount = 3;
    store.GridSets[0] = NewGridSet();
    store.GridSets[1] = NewGridSet();
    store.GridSets[1].Description = std::string(65, 'L');
    store.GridSets[1].NorthArrowCorner = "ll";
    store.GridSets[1].HtPosition = "2";
    store.GridSets[1].HtStart = "1";
    store.GridSets[1].HtEnd = "2";
    store.GridSets[1].HtSpacing = "0.5";
    store.GridSets[2] = NewGridSet();
    store.GridSets[2].XAxisTitle = "Caf\xC3\xA9 au lait";
    const std::string text = GridFileText(store);

    GridSetStore back;
    EXPECT_EQ(ReadGridText(text, back), ReadOutcome::EndOfFile);
    EXPECT_EQ(back.GridSetCount, 3);
    for (std::size_t s = 0; s < 3; ++s) {
        for (const GridFieldInfo& info : GridFields) {
            EXPECT_EQ(back.GridSets[s].*info.Field, store.GridSets[s].*info.Field) << info.Name;
        }
    }
    EXPECT_FALSE(back.GridSetsChanged());
}

TEST(GridFileWriting, WritesAFileAndNamesItWhenItCannot) {
    TempDir dir;
    GridSetStore store;
    ReadGridText(SampleGridFileText(), store);
    WriteGridFile(dir / "out.dat", store);
    EXPECT_EQ(TempDir::Read(dir / "out.dat"), GridFileText(store));

    const auto unwritable = dir / "no-such-folder" / "out.dat";
    try {
        WriteGridFile(unwritable, store);
        FAIL() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find(unwritable.string()), std::string::npos);
    }
}

}  // namespace
}  // namespace quadrel
