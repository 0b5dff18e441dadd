// Helpers shared by the data file tests: building file texts line by line,
// and the properties every read and write must have whatever the input.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/text_encoding.h"
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

// Reads the bytes into a fresh grid store and checks the counts, then that
// the written text is valid UTF-8 and reads back to the same text.
inline void CheckGridReadAndRoundTrip(std::string_view bytes) {
    GridSetStore store;
    const ReadOutcome outcome = ReadGridText(bytes, store);
    const std::int32_t count = store.GridSetCount;
    ASSERT_TRUE(count >= 0 && count <= MaxGridSets) << count;
    EXPECT_TRUE(outcome == ReadOutcome::EndOfFile || count == MaxGridSets);
    EXPECT_EQ(store.GridLinesRead, store.GridLineCount);
    EXPECT_TRUE(store.GridLinesRead > GridLinesPerSet * (count - 1) &&
                store.GridLinesRead <= GridLinesPerSet * count);

    const std::string text = GridFileText(store);
    EXPECT_TRUE(IsValidUtf8(text));
    EXPECT_EQ(SplitLines(text).size(), static_cast<std::size_t>(GridLinesPerSet * count));
    GridSetStore again;
    EXPECT_EQ(ReadGridText(text, again), ReadOutcome::EndOfFile);
    EXPECT_EQ(again.GridSetCount, count);
    // A set cut short keeps values no line gave (empty word values), which
    // reading the text back replaces by defaults; whole sets come back alike.
    const bool whole = store.GridLinesRead >= GridLinesPerSet * count - 1;
    EXPECT_EQ(whole ? GridFileText(again) : text, text);
}

// As CheckGridReadAndRoundTrip, for the title block data file.
inline void CheckTitleReadAndRoundTrip(std::string_view bytes) {
    TitleSetStore store;
    const ReadOutcome outcome = ReadTitleText(bytes, store);
    const std::int32_t lineCount = store.TitleLineCount;
    ASSERT_TRUE(lineCount >= 0 && lineCount <= MaxTitleLines) << lineCount;
    EXPECT_TRUE(outcome == ReadOutcome::EndOfFile || store.TitleSetCount == MaxTitleSets);
    EXPECT_EQ(store.TitleLinesRead, lineCount);
    EXPECT_EQ(store.TitleSetCount, (lineCount + TitleLinesPerSet - 1) / TitleLinesPerSet);

    const std::string text = TitleFileText(store);
    EXPECT_TRUE(IsValidUtf8(text));
    EXPECT_EQ(SplitLines(text).size(), static_cast<std::size_t>(lineCount));
    TitleSetStore again;
    EXPECT_EQ(ReadTitleText(text, again), ReadOutcome::EndOfFile);
    EXPECT_EQ(TitleFileText(again), text);
}

}  // namespace quadrel::testing
