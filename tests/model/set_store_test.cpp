// The change rule: whether there is anything to save.
#include "model/set_store.h"

#include <gtest/gtest.h>

namespace quadrel {
namespace {

TEST(SetsChanged, AnyValueInUseOrAnotherLineCount) {
    GridSetStore read;  // as if one set had been read and nothing changed since
    EXPECT_FALSE(read.GridSetsChanged());
    read.GridSets[0] = read.AsReadGridSets[0] = NewGridSet();
    read.GridSetCount = 1;
    read.GridLinesRead = read.GridLineCount = 16;
    read.GridSets[1].XMin = "not in use";
    EXPECT_FALSE(read.GridSetsChanged());
    for (const auto& info : GridFields) {
        GridSetStore store = read;
        (store.GridSets[0].*info.Field) += " ";
        EXPECT_TRUE(store.GridSetsChanged()) << "a trailing blank in " << info.Name;
    }
    GridSetStore added = read;
    added.GridLineCount = 32;
    EXPECT_TRUE(added.GridSetsChanged());
    GridSetStore typed;  // typed into a new store, nothing read
    typed.GridSetCount = 1;
    typed.GridLineCount = 16;
    EXPECT_TRUE(typed.GridSetsChanged());

    // Title lines: leading and trailing blanks do not count.
    TitleSetStore store;
    EXPECT_FALSE(store.TitleSetsChanged());
    store.TitleLineCount = store.TitleLinesRead = 14;
    store.TitleLines.fill("x");
    store.AsReadTitleLines.fill("x");
    store.TitleLines[3] = "  x \t";
    store.TitleLines[20] = "not in use";
    EXPECT_FALSE(store.TitleSetsChanged());
    store.TitleLines[3] = "X";
    EXPECT_TRUE(store.TitleSetsChanged());
    store.TitleLines[3] = "x";
    store.TitleLineCount = 28;
    EXPECT_TRUE(store.TitleSetsChanged());
}

}  // namespace
}  // namespace quadrel
