// The grid set's shape and the main form's table of edits: every layer
// iterates them instead of naming fields, so a field left out or named
// twice would be shown, stored or drawn from the wrong place.
#include "model/grid_shape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "forms/mgrid_shape.h"

namespace quadrel {
namespace {

std::size_t IndexOf(GridFieldPointer field) {
    for (std::size_t k = 0; k < GridFields.size(); ++k) {
        if (GridFields[k].Field == field) return k;
    }
    return GridFields.size();
}

TEST(GridShape, GroupsNameEachFieldOnceAndEveryEditShowsItsOwnField) {
    std::vector<GridFieldPointer> grouped;
    for (const AxisFields& axis : {XAxisFields, YAxisFields}) {
        grouped.insert(grouped.end(), {axis.Min, axis.Max, axis.Grid, axis.Scale, axis.Add,
                                       axis.Const, axis.Title});
    }
    for (const TickSideFields& side : {HorizontalTickFields, VerticalTickFields}) {
        grouped.insert(grouped.end(), {side.Type, side.FirstLength, side.SecondLength, side.Start,
                                       side.End, side.Spacing});
    }
    grouped.insert(grouped.end(), CutFields.begin(), CutFields.end());
    std::set<std::size_t> groupedIndices;
    for (const GridFieldPointer field : grouped) groupedIndices.insert(IndexOf(field));
    EXPECT_EQ(groupedIndices.size(), grouped.size());
    EXPECT_FALSE(groupedIndices.contains(GridFields.size()));

    // The edits follow the data file order, one field each; only the corner
    // and the title block flag are left to buttons.
    std::size_t previous = 0;
    std::vector<Edit TMGridInfo::*> edits;
    for (const GridFieldEdit& entry : GridFieldEdits) {
        const std::size_t index = IndexOf(entry.Field);
        ASSERT_LT(index, GridFields.size());
        EXPECT_TRUE(edits.empty() || index > previous) << GridFields[index].Name;
        EXPECT_EQ(std::find(edits.begin(), edits.end(), entry.EditMember), edits.end())
            << GridFields[index].Name;
        edits.push_back(entry.EditMember);
        previous = index;
    }
    EXPECT_EQ(edits.size() + 2, GridFields.size());
}

}  // namespace
}  // namespace quadrel
