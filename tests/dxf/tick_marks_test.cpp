// Tick marks: which ticks are drawn, where their labels stand, and that no
// spacing can keep the loops from ending.
#include "dxf/tick_marks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/numbers.h"
#include "drawing_test_data.h"

namespace quadrel {
namespace {

using testing::Draw;
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

// Lower and upper ticks of 0.1 inch at 1010, 1020 and 1030.
GridSet LowerAndUpperTicks(const char* type) {
    GridSet set = testing::PlainGridSet();
    set.VtPosition = type;
    set.VtLengthTop = "0.1";
    set.VtLengthBottom = "0.1";
    set.VtStart = "1010";
    set.VtEnd = "1030";
    set.VtSpacing = "10";
    return set;
}

DxfFile DrawTicks(const GridSet& set) {
    return Draw([&](DxfWriter& writer) { WriteTickMarks(writer, set, 100, 100, '.'); });
}

TEST(WriteTickMarks, TicksBetweenTheGridLinesWithLabelsAbove) {
    const DxfFile file = DrawTicks(LeftTicks("1"));
    EXPECT_EQ(file.Comments, std::vector<std::string>{"=== Horizontal ticks: LEFT side"});
    const auto lines = file.OfType("LINE", "HTicks");
    ASSERT_EQ(lines.size(), 80U);  // 99 values less the 19 multiples of 5
    EXPECT_EQ(lines[0].Value(10), "1000.000");
    EXPECT_EQ(lines[0].Value(20), "101.000");
    EXPECT_EQ(lines[0].Value(11), "1010.000");
    EXPECT_EQ(lines[3].Value(20), "104.000");
    EXPECT_EQ(lines[4].Value(20), "106.000");  // 105 lies on a grid line
    const auto texts = file.OfType("TEXT", "HTicks");
    ASSERT_EQ(texts.size(), 80U);
    EXPECT_EQ(texts[0].Value(1), "101.000");
    EXPECT_EQ(texts[0].Value(10), "1005.000");  // XMin + 0.5 tX
    EXPECT_EQ(texts[0].Value(20), "106.000");   // half a text height above the tick
    EXPECT_EQ(texts[0].Value(40), "10.000");
    EXPECT_EQ(texts[0].Value(50), "0.00");
}

TEST(WriteTickMarks, LabelPlacementByType) {
    const struct {
        const char* type;
        const char* x;
        const char* y;
    } cases[] = {
        {"1", "1005.000", "106.000"},
        {"2", "1015.000", "96.000"},  // beyond the tick's end, centred on it
        {"3", "1005.000", "86.000"},
    };
    for (const auto& c : cases) {
        const auto texts = DrawTicks(LeftTicks(c.type)).OfType("TEXT", "HTicks");
        ASSERT_FALSE(texts.empty()) << c.type;
        EXPECT_EQ(texts[0].Value(10), c.x) << c.type;
        EXPECT_EQ(texts[0].Value(20), c.y) << c.type;
    }
}

TEST(WriteTickMarks, TicksOnlyHaveNoLabels) {
    const DxfFile file = DrawTicks(LeftTicks("4"));
    EXPECT_EQ(file.OfType("LINE", "HTicks").size(), 80U);
    EXPECT_TRUE(file.OfType("TEXT", "HTicks").empty());
}

TEST(WriteTickMarks, RightLabelsEndShortOfTheEdge) {
    GridSet set = LeftTicks("1");
    set.HtLengthLeft = "0";
    set.HtLengthRight = "0.2";
    set.YConst = "1000";
    const DxfFile file = DrawTicks(set);
    EXPECT_EQ(file.Comments, std::vector<std::string>{"=== Horizontal ticks: RIGHT side"});
    const auto lines = file.OfType("LINE", "HTicks");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].Value(10), "2000.000");
    EXPECT_EQ(lines[0].Value(11), "1980.000");
    const auto texts = file.OfType("TEXT", "HTicks");
    EXPECT_EQ(texts[0].Value(1), "1101.000");
    EXPECT_EQ(texts[0].Value(10), "1915.000");  // XMax - 0.5 tX - 8 tX
}

TEST(WriteTickMarks, VerticalTicksOnTheLowerAndUpperEdges) {
    const DxfFile file = DrawTicks(LowerAndUpperTicks("3"));
    EXPECT_EQ(file.Comments, (std::vector<std::string>{"=== Vertical ticks: LOWER side",
                                                       "=== Vertical ticks: UPPER side"}));
    const auto lines = file.OfType("LINE", "VTicks");
    ASSERT_EQ(lines.size(), 6U);
    EXPECT_EQ(lines[0].Value(10), "1010.000");
    EXPECT_EQ(lines[0].Value(20), "0.000");
    EXPECT_EQ(lines[0].Value(21), "10.000");
    EXPECT_EQ(lines[3].Value(20), "500.000");
    EXPECT_EQ(lines[3].Value(21), "490.000");
    const auto texts = file.OfType("TEXT", "VTicks");
    ASSERT_EQ(texts.size(), 6U);
    EXPECT_EQ(texts[0].Value(1), "1010.0000");
    EXPECT_EQ(texts[0].Value(10), "1025.0000");  // to the right: x + 1.5 tX
    EXPECT_EQ(texts[0].Value(20), "5.0000");     // YMin + 0.5 tY
    EXPECT_EQ(texts[0].Value(50), "90.00");
    EXPECT_EQ(texts[3].Value(20), "405.0000");  // YMax - 0.5 tY - 9 tY
}

TEST(WriteTickMarks, HorizontalTicksComeBeforeVerticalOnes) {
    GridSet set = LowerAndUpperTicks("1");
    const GridSet left = LeftTicks("1");
    set.HtPosition = left.HtPosition;
    set.HtLengthLeft = left.HtLengthLeft;
    set.HtLengthRight = left.HtLengthRight;
    set.HtStart = left.HtStart;
    set.HtEnd = left.HtEnd;
    set.HtSpacing = left.HtSpacing;
    set.YGrid = left.YGrid;
    EXPECT_EQ(DrawTicks(set).Comments,
              (std::vector<std::string>{"=== Horizontal ticks: LEFT side", "=== Vertical ticks: LOWER side",
                                        "=== Vertical ticks: UPPER side"}));
}

TEST(WriteTickMarks, WhatDrawsNoTicks) {
    const struct {
        const char* name;
        const char* type;
        const char* start;
        const char* spacing;
        std::size_t comments;
    } cases[] = {
        {"type 0", "0", "101", "1", 0},
        {"type beyond 4", "7", "101", "1", 0},
        {"start above end", "1", "300", "1", 1},
        {"spacing 0", "1", "101", "0", 0},
        {"negative spacing", "1", "101", "-1", 0},
    };
    for (const auto& c : cases) {
        GridSet set = LeftTicks(c.type);
        set.HtStart = c.start;
        set.HtSpacing = c.spacing;
        const DxfFile file = DrawTicks(set);
        EXPECT_TRUE(file.Entities.empty()) << c.name;
        EXPECT_EQ(file.Comments.size(), c.comments) << c.name;
    }
}

TEST(WriteTickMarks, EmptySpacingNamesTheField) {
    GridSet set = LeftTicks("1");
    set.HtSpacing = "";
    DxfWriter writer;
    try {
        WriteTickMarks(writer, set, 100, 100, '.');
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
    DxfWriter counter;
    EXPECT_THROW(WriteTickMarks(counter, skipped, 100, 100, '.'), DrawingError);
    EXPECT_EQ(counter.EntityCount(), 0);

    // A step too small to change the value (1e17 + 1 is 1e17): one tick,
    // then the loop ends.
    GridSet stalled = LeftTicks("1");
    stalled.HtStart = "1e17";
    stalled.HtEnd = "100000000000001000";
    stalled.YGrid = "7";
    EXPECT_EQ(DrawTicks(stalled).OfType("LINE", "HTicks").size(), 1U);

    // A range absurdly long for its spacing is refused before any step.
    GridSet endless = LeftTicks("1");
    endless.HtEnd = "1e300";
    DxfWriter writer;
    EXPECT_THROW(WriteTickMarks(writer, endless, 100, 100, '.'), DrawingError);
    EXPECT_EQ(writer.EntityCount(), 0);
}

}  // namespace
}  // namespace quadrel
