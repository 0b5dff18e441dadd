// Tick marks: which ticks are drawn, which side of the tick their labels
// stand on, and that no spacing can keep the loops from ending.
#include "dxf/tick_marks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drawing_test_data.h"

namespace quadrel {
namespace {

using testing::DxfFile;

// Left ticks of 0.1 inch every unit from 101 to 199, grid lines every 5.
GridSet LeftTicks(const char* type) {
    GridSet set = testing::PlainGridSet();
    set.HtPosition = type;
    set.HtLengthLeft = "0.1";
    set.HtLengthRight = "0";
    set.HtStart = "101";
    set.HtEnd = "199";
    set.HtSpacing = "1";
    set.YGrid = "5";
    return set;
}

DxfFile DrawTicks(const GridSet& set) {
    return testing::Draw([&](DxfWriter& writer) { WriteTickMarks(writer, set, 100, 100, '.'); });
}

TEST(WriteTickMarks, TicksPointInwardsBetweenTheGridLines) {
    const DxfFile file = DrawTicks(LeftTicks("1"));
    EXPECT_EQ(file.Comments, std::vector<std::string>{"=== Horizontal ticks: LEFT side"});
    const auto lines = file.OfType("LINE", "HTicks");
    ASSERT_EQ(lines.size(), 80U);  // 99 values less the 19 multiples of 5
    EXPECT_EQ(lines[0].Value(10) + " " + lines[0].Value(11), "1000.000 1010.000");
    EXPECT_EQ(lines[4].Number(20), 106);  // 105 lies on a grid line
    EXPECT_EQ(file.Texts("HTicks")[0], "101.000");
    EXPECT_TRUE(DrawTicks(LeftTicks("4")).OfType("TEXT", "HTicks").empty());

    GridSet right = LeftTicks("1");
    right.HtLengthLeft = "0";
    right.HtLengthRight = "0.2";
    right.YConst = "1000";
    const DxfFile rightFile = DrawTicks(right);
    const auto rightLines = rightFile.OfType("LINE", "HTicks");
    EXPECT_EQ(rightLines.at(0).Value(10) + " " + rightLines[0].Value(11), "2000.000 1980.000");
    EXPECT_EQ(rightFile.Texts("HTicks").at(0), "1101.000");
    EXPECT_LE(testing::TextBox(rightFile.OfType("TEXT", "HTicks")[0]).X1, 2000);

    GridSet vertical = testing::PlainGridSet();
    vertical.VtPosition = "3";
    vertical.VtLengthTop = vertical.VtLengthBottom = "0.1";
    vertical.VtStart = "1010";
    vertical.VtEnd = "1030";
    vertical.VtSpacing = "10";
    const auto verticalLines = DrawTicks(vertical).OfType("LINE", "VTicks");
    ASSERT_EQ(verticalLines.size(), 6U);
    EXPECT_EQ(verticalLines[0].Value(20) + " " + verticalLines[0].Value(21), "0.000 10.000");
    EXPECT_EQ(verticalLines[3].Value(20) + " " + verticalLines[3].Value(21), "500.000 490.000");
}

// Above (1), beside (2: beyond the tick's inner end) or below (3) the tick,
// and always inside the grid.
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
}

TEST(WriteTickMarks, WhatDrawsNoTicks) {
    const struct {
        const char *type, *start, *spacing;
        std::size_t comments;
    } cases[] = {{"0", "101", "1", 0},
                 {"7", "101", "1", 0},
                 {"1", "300", "1", 1},
                 {"1", "101", "0", 0},
                 {"1", "101", "-1", 0}};
    for (const auto& c : cases) {
        GridSet set = LeftTicks(c.type);
        set.HtStart = c.start;
        set.HtSpacing = c.spacing;
        const DxfFile file = DrawTicks(set);
        EXPECT_TRUE(file.Entities.empty()) << c.type << " " << c.start << " " << c.spacing;
        EXPECT_EQ(file.Comments.size(), c.comments);
    }
    GridSet empty = LeftTicks("1");
    empty.HtSpacing = "";
    try {
        DrawTicks(empty);
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_NE(std::string(error.what()).find("HtSpacing"), std::string::npos) << error.what();
    }
}

TEST(WriteTickMarks, LoopsEndWhateverTheSpacing) {
    // Every value a grid line: nothing drawn, yet the steps are counted.
    GridSet skipped = LeftTicks("1");
    skipped.HtStart = "0";
    skipped.HtEnd = "100000000";
    skipped.YGrid = "1";
    EXPECT_THROW(DrawTicks(skipped), DrawingError);
    // A step too small to change the value (1e17 + 1 is 1e17): one tick.
    GridSet stalled = LeftTicks("1");
    stalled.HtStart = "1e17";
    stalled.HtEnd = "100000000000001000";
    stalled.YGrid = "7";
    EXPECT_EQ(DrawTicks(stalled).OfType("LINE", "HTicks").size(), 1U);
    GridSet endless = LeftTicks("1");
    endless.HtEnd = "1e300";
    EXPECT_THROW(DrawTicks(endless), DrawingError);
}

}  // namespace
}  // namespace quadrel
