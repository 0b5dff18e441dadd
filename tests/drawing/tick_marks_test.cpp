// Tick marks: which ticks are drawn, which side of the tick their labels
// stand on, and that no spacing can keep the loops from ending.
#include "drawing/tick_marks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drawing_test_data.h"
#include "dxf/dxf_drawing.h"

namespace quadrel {
namespace {

using testing::DxfFile;

// Ticks of 0.1 inch on the left every unit from 101 to 199 of the given
// type, grid lines every 5; then the changes.
GridSet LeftTicks(const std::string& type, const std::string& changes = "") {
    return testing::PlainGridSet(
        "HtLengthLeft=0.1 HtLengthRight=0 HtStart=101 HtEnd=199 HtSpacing=1 YGrid=5 HtPosition=" +
        type + " " + changes);
}

DxfFile DrawTicks(const GridSet& set) {
    return testing::Draw([&](DxfWriter& writer) {
        WriteTickMarks(writer, ReadSheet(set, '.'), testing::PlainLayout());
    });
}

std::string Ends(const testing::DxfEntity& line) {
    return line.Value(10) + "," + line.Value(20) + " " + line.Value(11) + "," + line.Value(21);
}

TEST(WriteTickMarks, TicksPointInwardsFromTheirEdgeBetweenTheGridLines) {
    const DxfFile left = DrawTicks(LeftTicks("1"));
    EXPECT_EQ(left.Comments, std::vector<std::string>{"=== Horizontal ticks: LEFT side"});
    const auto lines = left.OfType("LINE", "HTicks");
    ASSERT_EQ(lines.size(), 80U);  // 99 values less the 19 multiples of 5
    EXPECT_EQ(Ends(lines[0]), "1000.000,101.000 1010.000,101.000");
    EXPECT_EQ(Ends(lines[4]), "1000.000,106.000 1010.000,106.000");  // 105 lies on a grid line
    EXPECT_EQ(left.Texts("HTicks")[0], "101.000");

    const DxfFile right = DrawTicks(LeftTicks("1", "HtLengthLeft=0 HtLengthRight=0.2 YConst=1000"));
    EXPECT_EQ(Ends(right.OfType("LINE", "HTicks").at(0)), "2000.000,101.000 1980.000,101.000");
    EXPECT_EQ(right.Texts("HTicks").at(0), "1101.000");
    EXPECT_LE(testing::TextBox(right.OfType("TEXT", "HTicks")[0]).X1, 2000);

    const auto vertical =
        DrawTicks(testing::PlainGridSet("VtPosition=3 VtLengthTop=0.1 VtLengthBottom=0.1 "
                                        "VtStart=1010 VtEnd=1030 VtSpacing=10"))
            .OfType("LINE", "VTicks");
    ASSERT_EQ(vertical.size(), 6U);
    EXPECT_EQ(Ends(vertical[0]), "1010.000,0.000 1010.000,10.000");
    EXPECT_EQ(Ends(vertical[3]), "1010.000,500.000 1010.000,490.000");
}

// Above (1), beside (2: beyond the tick's inner end) or below (3) the tick,
// none (4), and always inside the grid.
TEST(WriteTickMarks, LabelsStandOnTheSideTheTypeNames) {
    for (const char* type : {"1", "2", "3"}) {
        const DxfFile file = DrawTicks(LeftTicks(type));
        const double tickY = file.OfType("LINE", "HTicks").at(0).Number(20);
        const testing::Box box = testing::TextBox(file.OfType("TEXT", "HTicks").at(0));
        EXPECT_TRUE(box.Inside({1000, 0, 2000, 500})) << type;
        const bool above = box.Y0 > tickY;
        const bool beside = box.X0 > 1010 && box.Y0 < tickY && box.Y1 > tickY;
        const bool below = box.Y1 < tickY;
        EXPECT_EQ(std::string(above ? "1" : beside ? "2" : below ? "3" : "?"), type);
    }
    EXPECT_TRUE(DrawTicks(LeftTicks("4")).OfType("TEXT", "HTicks").empty());
}

TEST(WriteTickMarks, WhatDrawsNoTicksAndLoopsThatAlwaysEnd) {
    for (const GridSet& set : {LeftTicks("0"), LeftTicks("7"), LeftTicks("1", "HtStart=300"),
                               LeftTicks("1", "HtSpacing=0"), LeftTicks("1", "HtSpacing=-1")}) {
        EXPECT_TRUE(DrawTicks(set).Entities.empty())
            << set.HtPosition << " " << set.HtStart << " " << set.HtSpacing;
    }
    // Every value a grid line: nothing drawn, yet the steps are counted.
    EXPECT_THROW(DrawTicks(LeftTicks("1", "HtStart=0 HtEnd=100000000 YGrid=1")), DrawingError);
    // A step too small to change the value (1e17 + 1 is 1e17): one tick.
    const GridSet stalled = LeftTicks("1", "HtStart=1e17 HtEnd=100000000000001000 YGrid=7");
    EXPECT_EQ(DrawTicks(stalled).OfType("LINE", "HTicks").size(), 1U);
    EXPECT_THROW(DrawTicks(LeftTicks("1", "HtEnd=1e300")), DrawingError);
}

}  // namespace
}  // namespace quadrel
