#include "datafiles/grid_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <streambuf>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/atomic_file.h"
#include "data_file_checks.h"
#include "datafiles/title_file.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

using testing::LinesText;
using testing::ReadGridText;
using testing::SplitLines;
using testing::TempDir;
using S = GridSet;

// The 16 lines of a set in which every field has a value of its own.
std::vector<std::string> DistinctSetLines(const std::string& description) {
    return {description + "   / Description",
            "I  / Metric or Imperial",
            "Eastings (X)   / X",
            "Northings (Y)  / Y",
            " 1 2 3 4 5 6   / XMin",
            " 7 8 9 10 11 12 / YMin",
            "13 14 15 / Ht",
            "16 17 18 / Ht",
            "19 20 21 / Vt",
            "22 23 24 / Vt",
            "25 / Border",
            "26 27 28 29 / Cut",
            "UL 30 31 / North",
            "Y / Title",
            "B / Type",
            " "};
}

std::string SetsText(int count) {
    std::string text;
    for (int s = 0; s < count; ++s) text += LinesText(DistinctSetLines("Set " + std::to_string(s)));
    return text;
}

TEST(GridFileReading, ReadsEveryFieldFromItsLineWithEitherLineEnd) {
    // Field values in the order of GridFields.
    std::vector<std::string> expected{"Set A", "I", "Eastings (X)", "Northings (Y)"};
    for (int i = 1; i <= 31; ++i) expected.push_back(std::to_string(i));
    expected.insert(expected.begin() + 33, "UL");
    expected.insert(expected.end(), {"Y", "B"});
    std::string crlf;
    for (const std::string& line : DistinctSetLines("Set A")) crlf += line + "\r\n";
    for (const std::string& text : {LinesText(DistinctSetLines("Set A")), crlf}) {
        GridSetStore store;
        EXPECT_EQ(ReadGridText(text, store), ReadOutcome::EndOfFile);
        EXPECT_EQ(store.GridSetCount, 1);
        EXPECT_EQ(store.GridLinesRead, 16);
        for (std::size_t i = 0; i < GridFields.size(); ++i) {
            EXPECT_EQ(store.GridSets[0].*GridFields[i].Field, expected[i]) << GridFields[i].Name;
        }
        EXPECT_FALSE(store.GridSetsChanged());
    }
}

// One line of a set replaced: (field, working value, as-read value). The
// as-read copy starts out "old" everywhere, so a default that reaches it shows.
TEST(GridFileReading, ShortWordLinesGiveDefaultsThatCountAsChanges) {
    using Expected = std::vector<std::tuple<GridFieldPointer, std::string, std::string>>;
    const struct {
        int line;  // 1 to 16
        std::string text;
        Expected fields;
    } cases[] = {
        {1, "/ Description", {{&S::Description, "/", "/"}}},
        {11, "     / Border", {{&S::BorderSize, "", ""}}},
        {5,
         " 12 34 / XMin, XMax",
         {{&S::XMin, "", "old"}, {&S::XAdd, "0", "old"}, {&S::XConst, "0.0", "old"}}},
        {5, "1 2 3 4 5 6 7 8", {{&S::XConst, "6", "6"}}},
        {13,
         "ll\t0.75 1.0",
         {{&S::NorthArrowCorner, "ll", "ll"}, {&S::NorthArrowDistance, "1.0", "1.0"}}},
        {13,
         "LR 0.75",
         {{&S::NorthArrowCorner, "UR", "old"}, {&S::NorthArrowSize, "0.500", "old"}}},
        {12, "1 2 3", {{&S::CutLeft, "0.000", "old"}, {&S::CutBottom, "0.000", "old"}}},
        // A tick position of "0" (a default included) clears the next line.
        {7, "0 0.25 0.25", {{&S::HtPosition, "0", "0"}, {&S::HtStart, "", "old"}}},
        {9, "3 0.25", {{&S::VtPosition, "0", "old"}, {&S::VtSpacing, "", "old"}}},
        {7, "00 0.25 0.25", {{&S::HtStart, "16", "16"}}},
        {16, "Z / not a value", {{&S::Description, "Set A", "Set A"}}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines = DistinctSetLines("Set A");
        lines[static_cast<std::size_t>(c.line - 1)] = c.text;
        GridSetStore store;
        for (const GridFieldInfo& info : GridFields) store.AsReadGridSets[0].*info.Field = "old";
        ReadGridText(LinesText(lines), store);
        for (const auto& [field, working, asRead] : c.fields) {
            EXPECT_EQ(store.GridSets[0].*field, working) << c.text;
            EXPECT_EQ(store.AsReadGridSets[0].*field, asRead) << c.text;
        }
    }
}

TEST(GridFileReading, ASetCutShortKeepsWhatItHeldAndCountsAsChanged) {
    std::vector<std::string> lines = DistinctSetLines("Set A");
    lines.resize(8);
    GridSetStore store;
    store.GridSets[0].VtPosition = "before";
    ReadGridText(LinesText(lines), store);
    EXPECT_EQ(store.GridSets[0].HtSpacing, "18");
    EXPECT_EQ(store.GridSets[0].VtPosition, "before");
    EXPECT_TRUE(store.GridSetsChanged());
}

TEST(GridFileReading, AppendsAfterTheSetsHeldUpToFifty) {
    const struct {
        int setsHeld;
        std::string text;
        ReadOutcome outcome;
        int setCount, linesRead;
    } cases[] = {{0, SetsText(50), ReadOutcome::EndOfFile, 50, 800},
                 {0, SetsText(60), ReadOutcome::CapacityReached, 50, 800},
                 {0, SetsText(50) + "x\n", ReadOutcome::CapacityReached, 50, 800},
                 {0, SetsText(50) + "x", ReadOutcome::EndOfFile, 50, 800},
                 {2, SetsText(1), ReadOutcome::EndOfFile, 3, 16},
                 {48, SetsText(3), ReadOutcome::CapacityReached, 50, 32},
                 {50, SetsText(1), ReadOutcome::CapacityReached, 50, 0},
                 {50, "", ReadOutcome::EndOfFile, 50, 0},
                 // Counts outside their range never become indexes.
                 {-3, SetsText(1), ReadOutcome::EndOfFile, 1, 16},
                 {70, SetsText(1), ReadOutcome::CapacityReached, 50, 0}};
    for (const auto& c : cases) {
        GridSetStore store;
        store.GridSetCount = c.setsHeld;
        store.CurrentGridSet = std::clamp(c.setsHeld - 1, 0, MaxGridSets - 1);
        store.GridLineCount = 16 * c.setsHeld;
        SCOPED_TRACE(std::to_string(c.setsHeld) + " held, " + std::to_string(c.text.size()) +
                     " bytes");
        EXPECT_EQ(ReadGridText(c.text, store), c.outcome);
        EXPECT_EQ(store.GridSetCount, c.setCount);
        EXPECT_EQ(store.CurrentGridSet, c.setCount - 1);
        EXPECT_EQ(store.GridLinesRead, c.linesRead);
        EXPECT_EQ(store.GridLineCount, 16 * c.setsHeld + c.linesRead);
        const std::string last = "Set " + std::to_string(c.linesRead / 16 - 1);
        EXPECT_EQ(c.linesRead > 0 ? store.AsReadGridSets[c.setCount - 1].Description : last, last);
    }
}

TEST(GridFileReading, EncodingIsDecidedForTheWholeFileNotPerLine) {
    // Valid UTF-8 on one line does not make that line UTF-8 when another
    // line shows the file to be Windows-1252.
    std::vector<std::string> lines = DistinctSetLines("Caf\xC3\xA9");
    lines[2] = "\xE9t\xE9 \x80";
    GridSetStore store;
    ReadGridText(LinesText(lines), store);
    EXPECT_EQ(store.GridSets[0].Description, "Caf\xC3\x83\xC2\xA9");
    EXPECT_EQ(store.GridSets[0].XAxisTitle, "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC");

    // Lines beyond the capacity, never read, do not decide it.
    const std::string utf8 = SetsText(49) + LinesText(DistinctSetLines("Caf\xC3\xA9"));
    GridSetStore full;
    EXPECT_EQ(ReadGridText(utf8 + "\xE9t\xE9\n", full), ReadOutcome::CapacityReached);
    EXPECT_EQ(full.GridSets[49].Description, "Caf\xC3\xA9");
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
    for (const bool exceptions : {true, false}) {
        FailingBuffer buffer(SetsText(1));
        std::istream in(&buffer);
        if (exceptions) in.exceptions(std::ios::badbit);
        GridSetStore store;
        EXPECT_THROW(ReadGridLines(in, store), FileError);
        EXPECT_EQ(store.GridSetCount, 0);
        EXPECT_EQ(store.GridSets[0], BlankGridSet());
    }
}

TEST(DataFileReading, FileThatCannotBeOpenedNamesPathAndReason) {
    TempDir dir;
    for (const auto& [path, reason] : {std::pair{dir / "missing.dat", "No such file or directory"},
                                       std::pair{dir.Path(), "Is a directory"}}) {
        const std::string expected = FileErrorText("Cannot open", path, reason);
        GridSetStore grid;
        TitleSetStore title;
        try {
            ReadGridFile(path, grid);
            ADD_FAILURE() << "no FileError for " << path;
        } catch (const FileError& error) {
            EXPECT_EQ(error.what(), expected);
        }
        try {
            ReadTitleFile(path, title);
            ADD_FAILURE() << "no FileError for " << path;
        } catch (const FileError& error) {
            EXPECT_EQ(error.what(), expected);
        }
        EXPECT_EQ(grid.GridSetCount + title.TitleLineCount, 0);
    }
}

// The written line of a field given one value, in a set otherwise new.
std::string WrittenLine(GridFieldPointer field, const std::string& value, int line) {
    GridSetStore store;
    store.GridSetCount = 1;
    store.GridSets[0] = NewGridSet();
    store.GridSets[0].*field = value;
    return SplitLines(GridFileText(store)).at(static_cast<std::size_t>(line - 1));
}

TEST(GridFileWriting, PadsByCharactersAndNeverCuts) {
    const std::string accented =
        "G\xC3\xA9ologie Ma\xC3\xB1"
        "ana";
    EXPECT_EQ(WrittenLine(&S::Description, accented, 1),
              accented + std::string(45, ' ') + "/ Description (60 chars. Max.)");
    EXPECT_EQ(WrittenLine(&S::Description, std::string(65, 'd'), 1).find('/'), 65U);
    // Lines 2 and 14 put 29 blanks after the value, whatever its length.
    EXPECT_EQ(WrittenLine(&S::ImpMet, "Metric", 2).find('/'), 6U + 29U);
    EXPECT_EQ(WrittenLine(&S::TitleBlockFlag, " Y ", 14).find('/'), 1U + 29U);
    // Word values are trimmed; an empty one keeps its blank.
    EXPECT_EQ(WrittenLine(&S::XMax, "", 5).substr(0, 25), "0.0  100.0 1000.0 0 0.0  ");
    EXPECT_EQ(WrittenLine(&S::CutTop, " \t2.5\r", 12).substr(0, 22), "0.000 0.000 2.5 0.000 ");
    EXPECT_EQ(WrittenLine(&S::Description, "x", 16), " ");
}

TEST(GridFileWriting, StoresTrimmedWholeValuesBackButNotWordValues) {
    GridSetStore store;
    store.GridSetCount = 1;
    GridSet& set = store.GridSets[0];
    set = NewGridSet();
    set.Description = set.TitleBlockType = " \tvalue\r ";
    set.XMin = "  99000 ";
    GridFileText(store);
    EXPECT_EQ(set.Description, "value");
    EXPECT_EQ(set.TitleBlockType, "value");
    EXPECT_EQ(set.XMin, "  99000 ");
}

TEST(GridFileWriting, WritesOnlyTheSetsInUseAndTheyReadBackUnchanged) {
    GridSetStore store;
    for (int s = 0; s < MaxGridSets; ++s) {
        store.GridSets[static_cast<std::size_t>(s)] = NewGridSet();
        store.GridSets[static_cast<std::size_t>(s)].Description = "Set " + std::to_string(s);
    }
    for (const auto& [count, lines] :
         std::vector<std::pair<int, int>>{{0, 0}, {-4, 0}, {2, 32}, {51, 800}, {1000, 800}}) {
        store.GridSetCount = count;
        EXPECT_EQ(SplitLines(GridFileText(store)).size(), static_cast<std::size_t>(lines)) << count;
    }
    store.GridSetCount = 2;
    store.GridSets[1].NorthArrowCorner = "ll";
    store.GridSets[1].HtPosition = "2";
    store.GridSets[1].XAxisTitle = "Caf\xC3\xA9 au lait";
    GridSetStore back;
    EXPECT_EQ(ReadGridText(GridFileText(store), back), ReadOutcome::EndOfFile);
    EXPECT_EQ(back.GridSets[0], store.GridSets[0]);
    EXPECT_EQ(back.GridSets[1], store.GridSets[1]);
    EXPECT_FALSE(back.GridSetsChanged());
}

TEST(DataFileWriting, WritesTheFilesAndNamesOneThatCannotBeWritten) {
    TempDir dir;
    GridSetStore grid;
    ReadGridText(SetsText(2), grid);
    TitleSetStore title;
    testing::ReadTitleText("Mine / c\n", title);
    WriteGridFile(dir / "grid.dat", grid);
    WriteTitleFile(dir / "title.dat", title);
    EXPECT_EQ(TempDir::Read(dir / "grid.dat"), GridFileText(grid));
    EXPECT_EQ(TempDir::Read(dir / "title.dat"), TitleFileText(title));

    const auto unwritable = dir / "no-such-folder" / "out.dat";
    for (const auto& write : {std::function<void()>([&] { WriteGridFile(unwritable, grid); }),
                              std::function<void()>([&] { WriteTitleFile(unwritable, title); })}) {
        try {
            write();
            ADD_FAILURE() << "no FileError";
        } catch (const FileError& error) {
            EXPECT_NE(std::string(error.what()).find(unwritable.string()), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace quadrel
