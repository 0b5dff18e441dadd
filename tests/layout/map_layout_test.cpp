// The limits determination's layout. Inputs are written in field order:
// metric, XMin, XMax, YMin, YMax, XScale, YScale, border, title block and its
// type, then the cuts left, right, top and bottom.
#include "layout/map_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "support/error_of.h"

namespace quadrel {
namespace {

TEST(ComputeMapLayout, ScaleBorderAndCutsGiveTheSheetSize) {
    MapLayout layout;
    SheetSize sheet = ComputeMapLayout(layout, {true, 0, 254, 0, 127, 1000, 1000, 0, false, ""});
    EXPECT_DOUBLE_EQ(layout.XUnitsPerInch, 25.4);  // 1:1000 puts 25.4 m on an inch
    EXPECT_EQ(std::make_pair(sheet.WidthInches, sheet.HeightInches), std::make_pair(10.0, 5.0));
    sheet =
        ComputeMapLayout(layout, {false, 0, 1000, 0, 1000, 100, 50, 0.5, false, "", 1, 0, 3, 0});
    EXPECT_EQ(std::make_pair(layout.BorderXMin, layout.BorderWidthUnits),
              std::make_pair(-50.0, 1100.0));
    EXPECT_EQ(std::make_pair(layout.PlotXMin, layout.PlotYMax), std::make_pair(-150.0, 1175.0));
    EXPECT_EQ(std::make_pair(sheet.WidthInches, sheet.HeightInches), std::make_pair(12.0, 24.0));
}

TEST(ComputeMapLayout, TitleBlockStandsBelowTheBorderAtItsRightEdgeAndNeverWider) {
    MapLayout layout;
    // The block scales with X on both sides.
    ComputeMapLayout(layout, {false, 0, 1000, 0, 500, 10, 20, 1, true, "B"});
    EXPECT_EQ(std::make_pair(layout.TitleBlockWidthUnits, layout.TitleBlockHeightUnits),
              std::make_pair(152.0, 17.5));
    EXPECT_EQ(std::make_pair(layout.TitleBlockLeftX, layout.PlotYMin),
              std::make_pair(1010.0 - 152, -20 - 17.5));
    ComputeMapLayout(layout, {false, 0, 1000, 0, 500, 10, 20, 1, true, "C"});
    EXPECT_EQ(layout.TitleBlockWidthUnits, 152);  // an unknown type keeps the size seen before
    ComputeMapLayout(layout, {false, 0, 1000, 0, 500, 100, 100, 0, true, "A"});
    EXPECT_EQ(layout.TitleBlockWidthUnits, 1000);  // 1920 wide: shrunk to the grid's 1000
    EXPECT_NEAR(layout.TitleBlockHeightUnits, 175.0 * 1000 / 1920, 1e-9);
    EXPECT_EQ(layout.BorderYMin, 0);
    ComputeMapLayout(layout, {false, 0, 1000, 0, 500, 100, 100, 0, false, "A"});
    EXPECT_EQ(std::make_pair(layout.TitleBlockHeightUnits, layout.PlotYMin),
              std::make_pair(0.0, 0.0));
    // A negative border wider than the grid and a type never seen give no NaN.
    MapLayout fresh;
    ComputeMapLayout(fresh, {false, 0, 10, 0, 10, 10, 10, -1, true, "Z"});
    EXPECT_TRUE(std::isfinite(fresh.TitleBlockHeightUnits) && std::isfinite(fresh.PlotYMin));
}

TEST(ComputeMapLayout, OverflowIsRefusedNamingItAndLeavesTheLayoutAsItWas) {
    constexpr double big = std::numeric_limits<double>::max();
    constexpr double tiny = std::numeric_limits<double>::denorm_min();  // 0.0254 times it is 0
    for (const LimitsInput& input :
         {LimitsInput{false, 0, 100, 0, 100, 0, 0, 0, false, ""},
          LimitsInput{false, -big, big, 0, 100, 10, 10, 0, false, ""},
          LimitsInput{false, 0, 100, 0, 100, 1e300, 1e300, 1e300, false, ""},
          LimitsInput{true, 0, 100, 0, 100, tiny, tiny, 0, false, ""},
          LimitsInput{false, 0, 100, 0, 100, tiny, tiny, 0, false, ""}}) {
        MapLayout layout;
        ComputeMapLayout(layout, {false, 0, 100, 0, 100, 10, 10, 0, false, ""});
        const MapLayout before = layout;
        EXPECT_NE(testing::ErrorOf<LayoutOverflowError>([&] {
                      ComputeMapLayout(layout, input);
                  }).find("not a finite number"),
                  std::string::npos);
        EXPECT_EQ(std::make_pair(layout.PlotXMax, layout.XUnitsPerInch),
                  std::make_pair(before.PlotXMax, before.XUnitsPerInch));
    }
}

}  // namespace
}  // namespace quadrel
