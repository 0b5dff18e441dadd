#include "layout/map_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace quadrel {
namespace {

// Imperial, so the scale number is the scale factor: easy numbers.
LimitsInput ImperialGrid(double xMin, double xMax, double yMin, double yMax, double scale) {
    LimitsInput input;
    input.Metric = false;
    input.XMin = xMin;
    input.XMax = xMax;
    input.YMin = yMin;
    input.YMax = yMax;
    input.XScale = scale;
    input.YScale = scale;
    return input;
}

TEST(ComputeMapLayout, MetricScaleGivesInchesOfMetres) {
    LimitsInput input = ImperialGrid(0, 254, 0, 127, 1000);
    input.Metric = true;
    MapLayout layout;
    const SheetSize sheet = ComputeMapLayout(layout, input);
    EXPECT_DOUBLE_EQ(layout.XUnitsPerInch, 25.4);
    EXPECT_DOUBLE_EQ(layout.YUnitsPerInch, 25.4);
    EXPECT_DOUBLE_EQ(sheet.WidthInches, 10.0);
    EXPECT_DOUBLE_EQ(sheet.HeightInches, 5.0);
    EXPECT_TRUE(layout.Metric);
}

TEST(ComputeMapLayout, ImperialScaleIsFeetPerInchOnEachAxis) {
    LimitsInput input = ImperialGrid(0, 500, 0, 300, 50);
    input.YScale = 150;
    MapLayout layout;
    const SheetSize sheet = ComputeMapLayout(layout, input);
    EXPECT_DOUBLE_EQ(layout.XUnitsPerInch, 50);
    EXPECT_DOUBLE_EQ(layout.YUnitsPerInch, 150);
    EXPECT_DOUBLE_EQ(sheet.WidthInches, 10.0);
    EXPECT_DOUBLE_EQ(sheet.HeightInches, 2.0);
}

TEST(ComputeMapLayout, BorderAndCutsWidenTheDrawingInSheetInches) {
    LimitsInput input = ImperialGrid(1000, 2000, 1000, 2000, 100);
    input.BorderSize = 0.5;
    input.CutLeft = 1;
    input.CutRight = 2;
    input.CutTop = 3;
    input.CutBottom = 4;
    MapLayout layout;
    const SheetSize sheet = ComputeMapLayout(layout, input);
    EXPECT_DOUBLE_EQ(layout.BorderXMin, 950);
    EXPECT_DOUBLE_EQ(layout.BorderYMin, 950);
    EXPECT_DOUBLE_EQ(layout.BorderWidthUnits, 1100);
    EXPECT_DOUBLE_EQ(layout.PlotXMin, 850);
    EXPECT_DOUBLE_EQ(layout.PlotXMax, 2250);
    EXPECT_DOUBLE_EQ(layout.PlotYMin, 550);
    EXPECT_DOUBLE_EQ(layout.PlotYMax, 2350);
    EXPECT_DOUBLE_EQ(sheet.WidthInches, 14);
    EXPECT_DOUBLE_EQ(sheet.HeightInches, 18);
}

TEST(ComputeMapLayout, TitleBlockWiderThanTheGridShrinksWithItsProportions) {
    LimitsInput input = ImperialGrid(0, 1000, 0, 500, 100);
    input.PlotTitleBlock = true;
    input.TitleBlockType = "A";
    MapLayout layout;
    ComputeMapLayout(layout, input);
    EXPECT_DOUBLE_EQ(layout.TitleBlockWidthIn, 19.2);
    EXPECT_DOUBLE_EQ(layout.TitleBlockHeightIn, 1.75);
    EXPECT_DOUBLE_EQ(layout.TitleBlockWidthUnits, 1000);
    EXPECT_NEAR(layout.TitleBlockHeightUnits, 175.0 * 1000 / 1920, 1e-9);
    EXPECT_NEAR(layout.TitleBlockHeightUnits, 91.146, 0.0005);
    EXPECT_DOUBLE_EQ(layout.TitleBlockLeftX, 0);
    EXPECT_DOUBLE_EQ(layout.TitleBlockBottomY, -layout.TitleBlockHeightUnits);
    EXPECT_DOUBLE_EQ(layout.PlotYMin, -layout.TitleBlockHeightUnits);
    // The border's own corner does not move with the block.
    EXPECT_DOUBLE_EQ(layout.BorderYMin, 0);
}

TEST(ComputeMapLayout, TitleBlockBFitsBelowAWideGridAtTheRightEdge) {
    LimitsInput input = ImperialGrid(0, 1000, 0, 500, 10);
    input.YScale = 20;  // the block scales with X on both sides
    input.BorderSize = 1;
    input.PlotTitleBlock = true;
    input.TitleBlockType = "B";
    MapLayout layout;
    ComputeMapLayout(layout, input);
    EXPECT_DOUBLE_EQ(layout.TitleBlockWidthUnits, 152);
    EXPECT_DOUBLE_EQ(layout.TitleBlockHeightUnits, 17.5);
    EXPECT_DOUBLE_EQ(layout.TitleBlockLeftX, 1010 - 152);
    EXPECT_DOUBLE_EQ(layout.TitleBlockBottomY, -20 - 17.5);
    EXPECT_DOUBLE_EQ(layout.PlotYMin, -37.5);
}

TEST(ComputeMapLayout, UnknownTitleBlockTypeKeepsTheSizeSeenBefore) {
    LimitsInput input = ImperialGrid(0, 10000, 0, 500, 10);
    input.PlotTitleBlock = true;
    input.TitleBlockType = "C";

    MapLayout fresh;
    ComputeMapLayout(fresh, input);
    EXPECT_EQ(fresh.TitleBlockWidthUnits, 0);
    EXPECT_EQ(fresh.TitleBlockHeightUnits, 0);

    MapLayout afterB;
    input.TitleBlockType = "B";
    ComputeMapLayout(afterB, input);
    input.TitleBlockType = "C";
    ComputeMapLayout(afterB, input);
    EXPECT_DOUBLE_EQ(afterB.TitleBlockWidthUnits, 152);
}

TEST(ComputeMapLayout, NoTitleBlockLeavesOnlyBorderAndCutBelowTheGrid) {
    LimitsInput input = ImperialGrid(0, 1000, 1000, 2000, 100);
    input.TitleBlockType = "A";
    input.PlotTitleBlock = false;
    input.BorderSize = 0.25;
    input.CutBottom = 0.5;
    MapLayout layout;
    layout.TitleBlockWidthUnits = 99;  // from an earlier determination
    ComputeMapLayout(layout, input);
    EXPECT_EQ(layout.TitleBlockWidthUnits, 0);
    EXPECT_EQ(layout.TitleBlockHeightUnits, 0);
    EXPECT_DOUBLE_EQ(layout.PlotYMin, 1000 - 25 - 50);
}

TEST(ComputeMapLayout, TitleBlockWithoutSizeAndNegativeWidthGivesNoNaN) {
    // A negative border wider than the grid, and a type never seen as A or B.
    LimitsInput input = ImperialGrid(0, 10, 0, 10, 10);
    input.BorderSize = -1;
    input.PlotTitleBlock = true;
    input.TitleBlockType = "Z";
    MapLayout layout;
    ComputeMapLayout(layout, input);
    EXPECT_TRUE(std::isfinite(layout.TitleBlockHeightUnits));
    EXPECT_TRUE(std::isfinite(layout.PlotYMin));
}

struct OverflowCase {
    const char* name;
    LimitsInput input;
};

void PrintTo(const OverflowCase& c, std::ostream* os) {
    *os << c.name;
}

class ComputeMapLayoutOverflow : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(ComputeMapLayoutOverflow, RefusesAndLeavesTheLayoutAsItWas) {
    MapLayout layout;
    ComputeMapLayout(layout, ImperialGrid(0, 100, 0, 100, 10));
    const MapLayout before = layout;
    EXPECT_THROW(ComputeMapLayout(layout, GetParam().input), LayoutOverflowError);
    EXPECT_EQ(layout.PlotXMin, before.PlotXMin);
    EXPECT_EQ(layout.PlotXMax, before.PlotXMax);
    EXPECT_EQ(layout.XUnitsPerInch, before.XUnitsPerInch);
    EXPECT_EQ(layout.XMax, before.XMax);
}

LimitsInput WithScale(double scale) {
    return ImperialGrid(0, 100, 0, 100, scale);
}
LimitsInput HugeLimits() {
    constexpr double big = std::numeric_limits<double>::max();
    return ImperialGrid(-big, big, 0, 100, 10);
}
LimitsInput HugeBorder() {
    LimitsInput input = WithScale(1e300);
    input.BorderSize = 1e300;
    return input;
}
LimitsInput TinyScale() {
    LimitsInput input = WithScale(std::numeric_limits<double>::denorm_min());
    input.Metric = true;  // 0.0254 times the smallest double is 0
    return input;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComputeMapLayoutOverflow,
    ::testing::Values(
        OverflowCase{"ZeroScale", WithScale(0)}, OverflowCase{"HugeLimits", HugeLimits()},
        OverflowCase{"HugeBorder", HugeBorder()}, OverflowCase{"TinyScale", TinyScale()},
        OverflowCase{"TinyImperialScale", WithScale(std::numeric_limits<double>::denorm_min())}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ComputeMapLayout, OverflowIsReportedAsAConversionErrorNamingTheProblem) {
    MapLayout layout;
    try {
        ComputeMapLayout(layout, HugeLimits());
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_NE(std::string(error.what()).find("not a finite number"), std::string::npos)
            << error.what();
    }
}

}  // namespace
}  // namespace quadrel
