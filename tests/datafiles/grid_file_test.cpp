#include "datafiles/grid_file.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "base/atomic_file.h"
#include "data_file_checks.h"
#include "datafiles/data_lines.h"
#include "support/error_of.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

using testing::LinesText;
using testing::ReadGridText;
using testing::SplitLines;
using S = GridSet;

// A set in which every field has a value of its own: 1 to 31 in the
// numeric ones, in file order.
std::string SetText(const std::string& description) {
    return description +
           " / D\nI / M\nEastings (X) / X\nNorthings (Y) / Y\n1 2 3 4 5 6\n7 8 9 10 11 12"
           "\n13 14 15\n16 17 18\n19 20 21\n22 23 24\n25\n26 27 28 29\nUL 30 31\nY\nB\n \n";
}

std::string FirstLines(const std::string& text, int count) {
    std::size_t end = 0;
    while (count-- > 0) end = text.find('\n', end) + 1;
    return text.substr(0, end);
}

std::string SetsText(int count) {
    std::string text;
    for (int s = 0; s < count; ++s) text += SetText("Set " + std::to_string(s));
    return text;
}

TEST(GridFileReading, ReadsEveryFieldFromItsLineWithEitherLineEnd) {
    std::vector<std::string> expected{"Set A", "I", "Eastings (X)", "Northings (Y)"};
    for (int i = 1; i <= 31; ++i) expected.push_back(std::to_string(i));
    expected.insert(expected.begin() + 33, "UL");
    expected.insert(expected.end(), {"Y", "B"});
    std::string crlf;
    for (const std::string& line : SplitLines(SetText("Set A"))) crlf += line + "\r\n";
    for (const std::string& text : {SetText("Set A"), crlf}) {
        GridSetStore store;
        EXPECT_EQ(ReadGridText(text, store), ReadOutcome::EndOfFile);
        for (std::size_t i = 0; i < GridFields.size(); ++i) {
            EXPECT_EQ(store.GridSets[0].*GridFields[i].Field, expected[i]) << GridFields[i].Name;
        }
        EXPECT_FALSE(store.GridSetsChanged());
    }
}

// One line of the set replaced: (field, working value, as-read value). The
// as-read copy starts out "old" everywhere, so a default that reaches it shows.
TEST(GridFileReading, ShortWordLinesGiveDefaultsThatCountAsChanges) {
    const struct {
        int line;  // 1 to 16
        std::string text;
        std::vector<std::tuple<GridFieldPointer, std::string, std::string>> fields;
    } cases[] = {
        {1,
         std::string(300, 'x') + " / D",
         {{&S::Description, std::string(300, 'x'), std::string(300, 'x')}}},
        {5, " 12 34 / XMin", {{&S::XMin, "", "old"}, {&S::XConst, "0.0", "old"}}},
        {13,
         "LR 0.75",
         {{&S::NorthArrowCorner, "UR", "old"}, {&S::NorthArrowSize, "0.500", "old"}}},
        // A tick position of "0" (a default included) clears the next line.
        {7, "0 0.25 0.25", {{&S::HtPosition, "0", "0"}, {&S::HtStart, "", "old"}}},
        {9, "3 0.25", {{&S::VtPosition, "0", "old"}, {&S::VtSpacing, "", "old"}}},
        {7, "00 0.25 0.25", {{&S::HtStart, "16", "16"}}},
        {16, "Z / not a value", {{&S::Description, "Set A", "Set A"}}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines = SplitLines(SetText("Set A"));
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

TEST(GridFileReading, AppendsAfterTheSetsHeldUpToFifty) {
    const struct {
        int setsHeld;
        std::string text;
        ReadOutcome outcome;
        int setCount, linesRead;
    } cases[] = {{2, FirstLines(SetsText(1), 4) + "x", ReadOutcome::EndOfFile, 3, 4},
                 {48, SetsText(3), ReadOutcome::CapacityReached, 50, 32},
                 // Counts outside their range never become indexes.
                 {-3, SetsText(1), ReadOutcome::EndOfFile, 1, 16},
                 {70, SetsText(1), ReadOutcome::CapacityReached, 50, 0}};
    for (const auto& c : cases) {
        GridSetStore store;
        store.GridSetCount = c.setsHeld;
        store.CurrentGridSet = std::clamp(c.setsHeld - 1, 0, MaxGridSets - 1);
        store.GridLineCount = 16 * c.setsHeld;
        const ReadOutcome outcome = ReadGridText(c.text, store);
        EXPECT_EQ(std::tuple(outcome, store.GridSetCount, store.CurrentGridSet, store.GridLinesRead,
                             store.GridLineCount),
                  std::tuple(c.outcome, c.setCount, c.setCount - 1, c.linesRead,
                             16 * c.setsHeld + c.linesRead))
            << c.setsHeld << " sets held";
    }
    // A set cut short keeps what no line gave it, and counts as changed.
    GridSetStore store;
    ReadGridText(FirstLines(SetText("Set A"), 5), store);
    EXPECT_EQ(store.GridSets[0].XMin, "1");
    EXPECT_EQ(store.GridSets[0].YMin, "");
    EXPECT_TRUE(store.GridSetsChanged());
}

TEST(GridFileReading, EncodingIsDecidedForTheWholeFileNotPerLine) {
    // Valid UTF-8 on one line does not make that line UTF-8 when another
    // line shows the file to be Windows-1252.
    std::vector<std::string> lines = SplitLines(SetText("Caf\xC3\xA9"));
    lines[2] = "\xE9t\xE9 \x80";
    GridSetStore store;
    ReadGridText(LinesText(lines), store);
    EXPECT_EQ(store.GridSets[0].Description, "Caf\xC3\x83\xC2\xA9");
    EXPECT_EQ(store.GridSets[0].XAxisTitle, "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC");
    // Lines beyond the capacity, never read, do not decide it.
    GridSetStore full;
    EXPECT_EQ(ReadGridText(SetsText(49) + SetText("Caf\xC3\xA9") + "\xE9t\xE9\n", full),
              ReadOutcome::CapacityReached);
    EXPECT_EQ(full.GridSets[49].Description, "Caf\xC3\xA9");
}

// Whatever stands at the path, reading ends at once: a file that is no
// regular file is refused before a byte is read (a FIFO without a writer
// would wait for ever, /dev/zero never ends), and a line longer than any
// data file holds stops the reading there (a gigabyte without a line end).
TEST(DataFileReading, WhatIsNoDataFileIsRefusedAtOnceNamingPathAndReason) {
    testing::TempDir dir;
    const std::string longLine(MaxDataLineBytes + 1, 'x');
    dir.Write("long.dat", SetText("a") + longLine + "\n");
    std::filesystem::resize_file(dir.Write("sparse.dat", ""), 1ULL << 30);
    struct Case {
        std::filesystem::path path;
        const char* action;
        std::string reason;
    };
    std::vector<Case> cases = {
        {dir / "missing.dat", "Cannot open", "No such file or directory"},
        {dir.Path(), "Cannot open", "Is a directory"},
        {dir / "long.dat", "Cannot read", "line 17 is longer than 4096 bytes"},
        {dir / "sparse.dat", "Cannot read", "line 1 is longer than 4096 bytes"},
    };
#ifndef _WIN32
    // Windows has neither FIFOs nor /dev/zero; the folder stands for them there.
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    cases.push_back({dir / "fifo", "Cannot open", "it is a FIFO, not a data file"});
    cases.push_back({"/dev/zero", "Cannot open", "it is a character device, not a data file"});
#endif
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.string());
        GridSetStore grid;
        TitleSetStore title;
        const auto starts = [&](const std::string& message) {
            EXPECT_EQ(message.rfind(FileErrorText(c.action, c.path, c.reason), 0), 0U) << message;
        };
        starts(testing::ErrorOf<FileError>([&] { ReadGridFile(c.path, grid); }));
        starts(testing::ErrorOf<FileError>([&] { ReadTitleFile(c.path, title); }));
        EXPECT_EQ(grid.GridSetCount, 0);
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
    const std::string accented = "G\xC3\xA9ologie \xE2\x82\xAC";
    EXPECT_EQ(WrittenLine(&S::Description, accented, 1),
              accented + std::string(50, ' ') + "/ Description (60 chars. Max.)");
    EXPECT_EQ(WrittenLine(&S::Description, std::string(65, 'd'), 1).find('/'), 65U);
    // Lines 2 and 14 put 29 blanks after the value, whatever its length.
    EXPECT_EQ(WrittenLine(&S::ImpMet, "Metric", 2).find('/'), 6U + 29U);
    // Word values are trimmed; an empty one keeps its blank.
    EXPECT_EQ(WrittenLine(&S::XMax, "", 5).substr(0, 25), "0.0  100.0 1000.0 0 0.0  ");
    EXPECT_EQ(WrittenLine(&S::CutTop, " \t2.5\r", 12).substr(0, 22), "0.000 0.000 2.5 0.000 ");
}

TEST(GridFileWriting, WritesTheSetsInUseThatReadBackUnchanged) {
    GridSetStore store;
    for (auto& set : store.GridSets) set = NewGridSet();
    for (const auto& [count, lines] :
         std::vector<std::pair<int, std::size_t>>{{0, 0}, {-4, 0}, {51, 800}, {1000, 800}}) {
        store.GridSetCount = count;
        EXPECT_EQ(SplitLines(GridFileText(store)).size(), lines) << count;
    }
    store.GridSetCount = 2;
    store.GridSets[1].NorthArrowCorner = "ll";
    store.GridSets[1].XAxisTitle = " Caf\xC3\xA9 au lait\t";
    store.GridSets[1].XMin = " 99000 ";
    GridSetStore back;
    EXPECT_EQ(ReadGridText(GridFileText(store), back), ReadOutcome::EndOfFile);
    // Whole values are stored back trimmed as written; word values are not.
    EXPECT_EQ(store.GridSets[1].XAxisTitle, "Caf\xC3\xA9 au lait");
    EXPECT_EQ(store.GridSets[1].XMin, " 99000 ");
    store.GridSets[1].XMin = "99000";
    EXPECT_EQ(back.GridSets[1], store.GridSets[1]);
    EXPECT_FALSE(back.GridSetsChanged());
}

}  // namespace
}  // namespace quadrel
