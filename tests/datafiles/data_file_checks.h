// Helpers shared by the data file tests: building file texts line by line,
// and the properties every read and write must have whatever the input.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "base/text_encoding.h"
#include "datafiles/grid_file.h"
#include "datafiles/title_file.h"

namespace quadrel::testing {

// The lines joined, each followed by "\n".
inline std::string LinesText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// The lines of a text; a rest without a line end is a last line too.
inline std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::istringstream in{std::string(text)};
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

inline ReadOutcome ReadGridText(std::string_view bytes, GridSetStore& store) {
    std::istringstream in{std::string(bytes)};
    return ReadGridLines(in, store);
}

inline ReadOutcome ReadTitleText(std::string_view bytes, TitleSetStore& store) {
    std::istringstream in{std::string(bytes)};
    return ReadTitleLines(in, store);
}

// Reads the bytes into fresh stores as either data file, checks the counts,
// then that the written text is valid UTF-8 and reads back to the same text.
// (A grid set cut short keeps values no line gave, such as empty word
// values, which reading the text back replaces by defaults.)
inline void CheckReadAndRoundTrip(std::string_view bytes) {
    GridSetStore grid;
    const bool gridFull = ReadGridText(bytes, grid) == ReadOutcome::CapacityReached;
    const std::int32_t sets = grid.GridSetCount;
    ASSERT_TRUE(sets >= 0 && sets <= MaxGridSets) << sets;
    EXPECT_TRUE(!gridFull || sets == MaxGridSets);
    EXPECT_EQ(grid.GridLinesRead, grid.GridLineCount);
    EXPECT_TRUE(grid.GridLinesRead > GridLinesPerSet * (sets - 1) &&
                grid.GridLinesRead <= GridLinesPerSet * sets);
    const std::string gridText = GridFileText(grid);
    EXPECT_TRUE(IsValidUtf8(gridText));
    EXPECT_EQ(SplitLines(gridText).size(), static_cast<std::size_t>(GridLinesPerSet * sets));
    GridSetStore gridAgain;
    EXPECT_EQ(ReadGridText(gridText, gridAgain), ReadOutcome::EndOfFile);
    const bool whole = grid.GridLinesRead >= GridLinesPerSet * sets - 1;
    EXPECT_EQ(whole ? GridFileText(gridAgain) : gridText, gridText);

    TitleSetStore title;
    const bool titleFull = ReadTitleText(bytes, title) == ReadOutcome::CapacityReached;
    const std::int32_t lines = title.TitleLineCount;
    ASSERT_TRUE(lines >= 0 && lines <= MaxTitleLines) << lines;
    EXPECT_TRUE(!titleFull || title.TitleSetCount == MaxTitleSets);
    EXPECT_EQ(title.TitleLinesRead, lines);
    EXPECT_EQ(title.TitleSetCount, (lines + TitleLinesPerSet - 1) / TitleLinesPerSet);
    const std::string titleText = TitleFileText(title);
    EXPECT_TRUE(IsValidUtf8(titleText));
    EXPECT_EQ(SplitLines(titleText).size(), static_cast<std::size_t>(lines));
    TitleSetStore titleAgain;
    EXPECT_EQ(ReadTitleText(titleText, titleAgain), ReadOutcome::EndOfFile);
    EXPECT_EQ(TitleFileText(titleAgain), titleText);
}

}  // namespace quadrel::testing
