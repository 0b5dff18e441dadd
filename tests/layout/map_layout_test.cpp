// The limits determination: the layout and the report. Inputs are written in
// field order: metric, XMin, XMax, YMin, YMax, XScale, YScale, border, title
// block and its type, then the cuts left, right, top and bottom.
#include "layout/map_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "layout/limits_report.h"
#include "support/error_of.h"

namespace quadrel {
namespace {

TEST(ComputeMapLayout, ScaleBorderAndCutsGiveTheSheetSize) {
    MapLayout layout;
    // A profile: X at 1:1000 puts 25.4 m on an inch, Y at 1:500 12.7 m.
    SheetSize sheet = ComputeMapLayout(layout, {true, 0, 254, 0, 127, 1000, 500, 0, false, ""});
    EXPECT_EQ(std::make_pair(layout.XUnitsPerInch, layout.YUnitsPerInch),
              std::make_pair(1000 * MetresPerInch, 500 * MetresPerInch));
    EXPECT_DOUBLE_EQ(sheet.WidthInches, 10.0);
    EXPECT_DOUBLE_EQ(sheet.HeightInches, 10.0);
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

// The axis lines as the C library's printf writes them, halfway values and
// values too wide for their columns included.
TEST(MakeLimitsReport, AxisLinesAreWhatPrintfWrites) {
    const struct {
        double min, max, scale, inches;
    } cases[] = {{950, 2050, 100, 11},
                 {20504.75, 21647.625, 2500, 17.998031496062993},
                 {19427.104166666668, 20181.75, 2500, 11.884186351706017},
                 {-123456.78, 1e15, 1234567.5, 9999.994}};
    for (const auto& c : cases) {
        MapLayout layout;
        layout.PlotXMin = layout.PlotYMin = c.min;
        layout.PlotXMax = layout.PlotYMax = c.max;
        layout.XScale = layout.YScale = c.scale;
        const LimitsReport report = MakeLimitsReport(layout, SheetSize{c.inches, c.inches});
        char expected[200];
        std::snprintf(expected, sizeof expected, "%12.1f %12.1f %10.2f %7.2f %7.1f", c.min, c.max,
                      c.scale, c.inches, c.inches * 2.54);
        EXPECT_EQ(report[5], "Y-Axis: " + std::string(expected));
        EXPECT_EQ(report[6], "X-Axis: " + std::string(expected));
    }
    // Every line under the title as wide as the rule, for values that fit.
    const LimitsReport report = MakeLimitsReport(MapLayout{}, SheetSize{});
    for (std::size_t i = 1; i < report.size(); ++i) EXPECT_EQ(report[i].size(), 60U) << i;
}

}  // namespace
}  // namespace quadrel
