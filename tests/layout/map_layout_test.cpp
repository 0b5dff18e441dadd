#include "layout/map_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace quadrel {
namespace {

// Imperial, so the scale number is the scale factor: easy numbers.
LimitsInput ImperialGrid(double xMax, double yMax, double scale) {
    LimitsInput input;
    input.Metric = false;
    input.XMax = xMax;
    input.YMax = yMax;
    input.XScale = input.YScale = scale;
    return input;
}

TEST(ComputeMapLayout, ScaleBorderAndCutsGiveTheSheetSize) {
    LimitsInput metric = ImperialGrid(254, 127, 1000);
    metric.Metric = true;  // 1:1000 puts 25.4 m on an inch
    MapLayout layout;
    SheetSize sheet = ComputeMapLayout(layout, metric);
    EXPECT_DOUBLE_EQ(layout.XUnitsPerInch, 25.4);
    EXPECT_EQ(std::make_pair(sheet.WidthInches, sheet.HeightInches), std::make_pair(10.0, 5.0));

    LimitsInput bordered = ImperialGrid(1000, 1000, 100);
    bordered.YScale = 50;
    bordered.BorderSize = 0.5;
    bordered.CutLeft = 1;
    bordered.CutTop = 3;
    sheet = ComputeMapLayout(layout, bordered);
    EXPECT_EQ(layout.BorderXMin, -50);
    EXPECT_EQ(layout.BorderWidthUnits, 1100);
    EXPECT_EQ(layout.PlotXMin, -150);
    EXPECT_EQ(layout.PlotYMax, 1000 + 25 + 150);
    EXPECT_EQ(std::make_pair(sheet.WidthInches, sheet.HeightInches), std::make_pair(12.0, 24.0));
}

TEST(ComputeMapLayout, TitleBlockStandsBelowTheBorderAtItsRightEdgeAndNeverWider) {
    LimitsInput input = ImperialGrid(1000, 500, 10);
    input.YScale = 20;  // the block scales with X on both sides
    input.BorderSize = 1;
    input.PlotTitleBlock = true;
    input.TitleBlockType = "B";
    MapLayout layout;
    ComputeMapLayout(layout, input);
    EXPECT_EQ(layout.TitleBlockWidthUnits, 152);
    EXPECT_EQ(layout.TitleBlockHeightUnits, 17.5);
    EXPECT_EQ(layout.TitleBlockLeftX, 1010 - 152);
    EXPECT_EQ(layout.PlotYMin, -20 - 17.5);
    input.TitleBlockType = "C";  // an unknown type keeps the size seen before
    ComputeMapLayout(layout, input);
    EXPECT_EQ(layout.TitleBlockWidthUnits, 152);

    input = ImperialGrid(1000, 500, 100);
    input.PlotTitleBlock = true;
    input.TitleBlockType = "A";  // 1920 wide: shrunk to the grid's 1000
    ComputeMapLayout(layout, input);
    EXPECT_EQ(layout.TitleBlockWidthUnits, 1000);
    EXPECT_NEAR(layout.TitleBlockHeightUnits, 175.0 * 1000 / 1920, 1e-9);
    EXPECT_EQ(layout.BorderYMin, 0);
    input.PlotTitleBlock = false;
    ComputeMapLayout(layout, input);
    EXPECT_EQ(layout.TitleBlockHeightUnits, 0);
    EXPECT_EQ(layout.PlotYMin, 0);
}

TEST(ComputeMapLayout, OverflowIsRefusedNamingItAndLeavesTheLayoutAsItWas) {
    constexpr double big = std::numeric_limits<double>::max();
    constexpr double tiny = std::numeric_limits<double>::denorm_min();
    LimitsInput hugeLimits = ImperialGrid(big, 100, 10);
    hugeLimits.XMin = -big;
    LimitsInput hugeBorder = ImperialGrid(100, 100, 1e300);
    hugeBorder.BorderSize = 1e300;
    LimitsInput tinyMetric = ImperialGrid(100, 100, tiny);
    tinyMetric.Metric = true;  // 0.0254 times the smallest double is 0
    for (const LimitsInput& input : {ImperialGrid(100, 100, 0), hugeLimits, hugeBorder, tinyMetric,
                                     ImperialGrid(100, 100, tiny)}) {
        MapLayout layout;
        ComputeMapLayout(layout, ImperialGrid(100, 100, 10));
        const MapLayout before = layout;
        try {
            ComputeMapLayout(layout, input);
            ADD_FAILURE() << "accepted a scale of " << input.XScale;
        } catch (const LayoutOverflowError& error) {
            EXPECT_NE(std::string(error.what()).find("not a finite number"), std::string::npos);
        }
        EXPECT_EQ(std::make_pair(layout.PlotXMax, layout.XUnitsPerInch),
                  std::make_pair(before.PlotXMax, before.XUnitsPerInch));
    }
    // A negative border wider than the grid and a type never seen give no NaN.
    LimitsInput negative = ImperialGrid(10, 10, 10);
    negative.BorderSize = -1;
    negative.PlotTitleBlock = true;
    negative.TitleBlockType = "Z";
    MapLayout layout;
    ComputeMapLayout(layout, negative);
    EXPECT_TRUE(std::isfinite(layout.TitleBlockHeightUnits) && std::isfinite(layout.PlotYMin));
}

}  // namespace
}  // namespace quadrel
