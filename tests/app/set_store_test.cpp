// The change rule: whether there is anything to save.
#include "app/set_store.h"

#include <gtest/gtest.h>

namespace quadrel {
namespace {

// A store as if one set had been read from a file and nothing changed since.
GridSetStore StoreAsRead() {
    GridSetStore store;
    store.GridSets[0] = store.AsReadGridSets[0] = NewGridSet();
    store.GridSetCount = 1;
    store.GridLinesRead = store.GridLineCount = 16;
    return store;
}

TEST(GridSetsChanged, AnyFieldOfASetInUseOrAnotherLineCount) {
    EXPECT_FALSE(GridSetStore().GridSetsChanged());
    EXPECT_FALSE(StoreAsRead().GridSetsChanged());
    for (const auto& info : GridFields) {
        GridSetStore store = StoreAsRead();
        (store.GridSets[0].*info.Field) += " ";
        EXPECT_TRUE(store.GridSetsChanged()) << "a trailing blank in " << info.Name;
    }
    GridSetStore added = StoreAsRead();
    added.GridLineCount = 32;
    EXPECT_TRUE(added.GridSetsChanged());

    GridSetStore typed;  // typed into a new store, nothing read
    typed.GridSetCount = 1;
    typed.GridLineCount = 16;
    EXPECT_TRUE(typed.GridSetsChanged());

    GridSetStore nothingInUse = StoreAsRead();
    nothingInUse.GridSets[0].XMin = "changed";
    nothingInUse.GridLineCount = 0;
    EXPECT_FALSE(nothingInUse.GridSetsChanged());

    GridSetStore unused = StoreAsRead();
    unused.GridSets[1].XMin = "ignored";
    EXPECT_FALSE(unused.GridSetsChanged());
}

TEST(TitleSetsChanged, IgnoresLeadingAndTrailingBlanksOnly) {
    TitleSetStore store;
    EXPECT_FALSE(store.TitleSetsChanged());
    store.TitleLineCount = store.TitleLinesRead = 14;
    store.TitleLines.fill("x");
    store.AsReadTitleLines.fill("x");
    EXPECT_FALSE(store.TitleSetsChanged());
    store.TitleLines[3] = "  x \t";
    EXPECT_FALSE(store.TitleSetsChanged());
    store.TitleLines[3] = "X";
    EXPECT_TRUE(store.TitleSetsChanged());
    store.TitleLines[3] = "x";
    store.TitleLines[20] = "beyond the lines in use";
    EXPECT_FALSE(store.TitleSetsChanged());
    store.TitleLineCount = 28;
    EXPECT_TRUE(store.TitleSetsChanged());
}

}  // namespace
}  // namespace quadrel
