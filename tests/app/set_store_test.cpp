#include "app/set_store.h"

#include <gtest/gtest.h>

#include <set>

namespace quadrel {
namespace {

TEST(GridFields, ListsEveryFieldOnceInFileOrder) {
    std::set<std::string_view> names;
    GridSet marked;
    for (const auto& info : GridFields) {
        names.insert(info.Name);
        marked.*info.Field = std::string(info.Name);
    }
    EXPECT_EQ(names.size(), 38U);
    // Every field was written through its own pointer: none was listed twice.
    std::set<std::string> values;
    for (const auto& info : GridFields) values.insert(marked.*info.Field);
    EXPECT_EQ(values.size(), 38U);
    EXPECT_EQ(marked.VtSpacing, "VtSpacing");
    EXPECT_EQ(GridFields.front().Name, "Description");
    EXPECT_EQ(GridFields[16].Name, "HtPosition");
    EXPECT_EQ(GridFields.back().Name, "TitleBlockType");
}

TEST(BlankGridSet, DiffersFromNewGridSetOnlyWhereItIsEmpty) {
    const GridSet blank = BlankGridSet();
    const GridSet fresh = NewGridSet();
    for (const auto& info : GridFields) {
        const auto& blankValue = blank.*info.Field;
        if (blankValue != fresh.*info.Field) {
            EXPECT_EQ(blankValue, "") << info.Name;
        }
    }
    EXPECT_EQ(blank.ImpMet, "M");
    EXPECT_EQ(blank.XAdd, "0");
    EXPECT_EQ(blank.YConst, "0.0");
    EXPECT_EQ(blank.CutBottom, "0.000");
    EXPECT_EQ(blank.NorthArrowCorner, "UR");
    EXPECT_EQ(blank.TitleBlockFlag, "N");
    EXPECT_EQ(blank.TitleBlockType, "A");
    EXPECT_EQ(blank.HtLengthLeft, "");
    EXPECT_EQ(fresh.HtLengthLeft, "0.25");
    EXPECT_EQ(fresh.Description, "Enter a description for this set.");
}

TEST(GridSetStore, StartsWithOneBlankSetAndNothingToSave) {
    const GridSetStore store;
    EXPECT_EQ(store.GridSets[0], BlankGridSet());
    EXPECT_EQ(store.GridSets[1], GridSet{});
    EXPECT_EQ(store.AsReadGridSets[0], GridSet{});
    EXPECT_EQ(store.GridSetCount, 0);
    EXPECT_FALSE(store.GridFileLoaded);
    EXPECT_FALSE(store.GridSetsChanged());
}

// A store as if one set had been read from a file and nothing changed since.
GridSetStore StoreAsRead() {
    GridSetStore store;
    store.GridSets[0] = NewGridSet();
    store.AsReadGridSets[0] = NewGridSet();
    store.GridSetCount = 1;
    store.GridLinesRead = store.GridLineCount = 16;
    return store;
}

TEST(GridSetsChanged, FollowsTheChangeRule) {
    EXPECT_FALSE(StoreAsRead().GridSetsChanged());

    for (const auto& info : GridFields) {
        GridSetStore store = StoreAsRead();
        (store.GridSets[0].*info.Field) += " ";
        EXPECT_TRUE(store.GridSetsChanged()) << "a trailing blank in " << info.Name;
    }

    GridSetStore moreLines = StoreAsRead();
    moreLines.GridLineCount = 32;
    EXPECT_TRUE(moreLines.GridSetsChanged());

    GridSetStore nothingInUse = StoreAsRead();
    nothingInUse.GridSets[0].XMin = "changed";
    nothingInUse.GridLineCount = 0;
    EXPECT_FALSE(nothingInUse.GridSetsChanged());

    GridSetStore typed;
    typed.GridSetCount = 1;
    typed.GridLineCount = 16;
    EXPECT_TRUE(typed.GridSetsChanged());

    // Only the sets in use are compared.
    GridSetStore unused = StoreAsRead();
    unused.GridSets[1].XMin = "ignored";
    EXPECT_FALSE(unused.GridSetsChanged());
}

TEST(TitleSetStore, StartsWithBlankFirstSetAndNothingToSave) {
    const TitleSetStore store;
    for (std::size_t i = 0; i < 14; ++i) EXPECT_EQ(store.TitleLines[i], " ");
    EXPECT_EQ(store.TitleLines[14], "");
    EXPECT_EQ(store.CurrentTitleSet, 1);
    EXPECT_FALSE(store.TitleSetsChanged());
}

TEST(TitleSetsChanged, IgnoresLeadingAndTrailingBlanksOnly) {
    TitleSetStore store;
    store.TitleLineCount = store.TitleLinesRead = 14;
    for (std::size_t i = 0; i < 14; ++i) store.AsReadTitleLines[i] = "x";
    for (std::size_t i = 0; i < 14; ++i) store.TitleLines[i] = "x";
    EXPECT_FALSE(store.TitleSetsChanged());

    store.TitleLines[3] = "  x \t";
    EXPECT_FALSE(store.TitleSetsChanged());

    store.TitleLines[3] = "X";
    EXPECT_TRUE(store.TitleSetsChanged());

    store.TitleLines[3] = "x";
    store.TitleLineCount = 28;
    EXPECT_TRUE(store.TitleSetsChanged());
}

TEST(TitleSetStore, CurrentFieldFollowsTheCurrentSet) {
    TitleSetStore store;
    store.CurrentTitleSet = 3;
    EXPECT_EQ(store.CurrentFieldIndex(0), 28U);
    EXPECT_EQ(store.CurrentFieldIndex(12), 40U);
}

}  // namespace
}  // namespace quadrel
