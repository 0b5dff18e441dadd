// Helpers shared by the data file tests: building file texts line by line,
// and the properties every read and write must have whatever the input.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/set_store.h"
#include "datafiles/grid_file.h"
#include "app/text_encoding.h"
#include "datafiles/title_file.h"

namespace quadrel::testing {

// The lines joined, each followed by "\n".
inline std::string LinesText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// The lines of a text whose every line ends with "\n"; a rest without a line
// end is returned as a last line too, so that tests notice it.
inline std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
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

inline void ExpectValidValue(std::string_view value) {
    EXPECT_TRUE(IsValidUtf8(value));
    EXPECT_EQ(value.find('\n'), std::string_view::npos);
}

// Reads the bytes into a fresh grid store and checks the counts, then that
// the writer's text reads back to the same sets and the same text.
inline void CheckGridReadAndRoundTrip(std::string_view bytes) {
    GridSetStore store;
    const ReadOutcome outcome = ReadGridText(bytes, store);
    const std::int32_t count = store.GridSetCount;
    ASSERT_GE(count, 0);
    ASSERT_LE(count, MaxGridSets);
    if (outcome == ReadOutcome::CapacityReached) {
        EXPECT_EQ(count, MaxGridSets);
    }
    EXPECT_EQ(store.GridLinesRead, store.GridLineCount);
    EXPECT_LE(store.GridLinesRead, GridLinesPerSet * count);
    EXPECT_GT(store.GridLinesRead, GridLinesPerSet * (count - 1));
    EXPECT_EQ(store.CurrentGridSet, count > 0 ? count - 1 : 0);
    for (std::int32_t s = 0; s < count; ++s) {
        for (const GridFieldInfo& info : GridFields) {
            ExpectValidValue(store.GridSets[static_cast<std::size_t>(s)].*info.Field);
        }
    }

    const std::string text = GridFileText(store);
    EXPECT_TRUE(IsValidUtf8(text));
    EXPECT_EQ(SplitLines(text).size(), static_cast<std::size_t>(GridLinesPerSet * count));

    GridSetStore again;
    EXPECT_EQ(ReadGridText(text, again), ReadOutcome::EndOfFile);
    EXPECT_EQ(again.GridSetCount, count);
    EXPECT_EQ(again.GridLinesRead, GridLinesPerSet * count);
    for (std::int32_t s = 0; s < count; ++s) {
        const auto index = static_cast<std::size_t>(s);
        for (auto field :
             {&GridSet::Description, &GridSet::ImpMet, &GridSet::XAxisTitle, &GridSet::YAxisTitle,
              &GridSet::BorderSize, &GridSet::TitleBlockFlag, &GridSet::TitleBlockType}) {
            EXPECT_EQ(again.GridSets[index].*field, store.GridSets[index].*field);
        }
    }
    const std::string textAgain = GridFileText(again);
    // A set cut short keeps values no file line gave (such as empty word
    // values), which the first text shows and reading it back replaces by
    // defaults; sets read whole are written back identically.
    const bool everySetWhole = store.GridLinesRead >= GridLinesPerSet * count - 1;
    if (everySetWhole) {
        EXPECT_EQ(textAgain, text);
    }

    GridSetStore third;
    EXPECT_EQ(ReadGridText(textAgain, third), ReadOutcome::EndOfFile);
    EXPECT_EQ(GridFileText(third), textAgain);
}

// As CheckGridReadAndRoundTrip, for the title block data file.
inline void CheckTitleReadAndRoundTrip(std::string_view bytes) {
    TitleSetStore store;
    const ReadOutcome outcome = ReadTitleText(bytes, store);
    const std::int32_t lineCount = store.TitleLineCount;
    ASSERT_GE(lineCount, 0);
    ASSERT_LE(lineCount, MaxTitleLines);
    if (outcome == ReadOutcome::CapacityReached) {
        EXPECT_EQ(store.TitleSetCount, MaxTitleSets);
    }
    EXPECT_EQ(store.TitleLinesRead, lineCount);
    EXPECT_EQ(store.TitleSetCount, (lineCount + TitleLinesPerSet - 1) / TitleLinesPerSet);
    EXPECT_EQ(store.CurrentTitleSet, 1);
    for (std::int32_t i = 0; i < lineCount; ++i) {
        ExpectValidValue(store.TitleLines[static_cast<std::size_t>(i)]);
    }

    const std::string text = TitleFileText(store);
    EXPECT_TRUE(IsValidUtf8(text));
    EXPECT_EQ(SplitLines(text).size(), static_cast<std::size_t>(lineCount));

    TitleSetStore again;
    EXPECT_EQ(ReadTitleText(text, again), ReadOutcome::EndOfFile);
    EXPECT_EQ(again.TitleLineCount, lineCount);
    for (std::int32_t i = 0; i < lineCount; ++i) {
        if (i % TitleLinesPerSet == TitleLinesPerSet - 1) continue;  // separators
        const auto index = static_cast<std::size_t>(i);
        EXPECT_EQ(again.TitleLines[index], store.TitleLines[index]);
    }
    EXPECT_EQ(TitleFileText(again), text);
}

}  // namespace quadrel::testing
