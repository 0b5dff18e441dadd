#include "layout/limits_report.h"

#include <gtest/gtest.h>

namespace quadrel {
namespace {

TEST(MakeLimitsReport, FixedLinesAreExact) {
    const LimitsReport report = MakeLimitsReport(MapLayout{}, SheetSize{});
    EXPECT_EQ(report[0], "Map Limits");
    EXPECT_EQ(report[1], "============================================================");
    EXPECT_EQ(report[2], "                                              ---- Size ----");
    EXPECT_EQ(report[3], "             Minimum      Maximum      Scale     in.     cm.");
    EXPECT_EQ(report[4], "             -------      -------      -----    ----    ----");
}

TEST(MakeLimitsReport, AxisLinesShowDrawingExtentsScaleAndSize) {
    MapLayout layout;
    layout.PlotYMin = 950;
    layout.PlotYMax = 2050;
    layout.YScale = 100;
    layout.PlotXMin = 95850;
    layout.PlotXMax = 99250;
    layout.XScale = 2500;
    const LimitsReport report = MakeLimitsReport(layout, SheetSize{34.0, 11.0});
    EXPECT_EQ(report[5], "Y-Axis:        950.0       2050.0     100.00   11.00    27.9");
    EXPECT_EQ(report[6], "X-Axis:      95850.0      99250.0    2500.00   34.00    86.4");
}

TEST(MakeLimitsReport, RoundsHalfwayValuesAsPrintfDoes) {
    MapLayout layout;
    layout.PlotXMin = 20504.75;  // exactly halfway between .7 and .8: to even
    layout.PlotXMax = 21647.625;
    layout.XScale = 2500;
    layout.PlotYMin = 19427.104166666668;
    layout.PlotYMax = 20181.75;
    layout.YScale = 2500;
    const LimitsReport report =
        MakeLimitsReport(layout, SheetSize{17.998031496062993, 11.884186351706017});
    EXPECT_EQ(report[5], "Y-Axis:      19427.1      20181.8    2500.00   11.88    30.2");
    EXPECT_EQ(report[6], "X-Axis:      20504.8      21647.6    2500.00   18.00    45.7");
}

TEST(MakeLimitsReport, LinesTwoToSevenShareOneWidth) {
    MapLayout layout;
    layout.PlotXMin = -123456.78;
    layout.PlotXMax = 7654321.0;
    layout.XScale = 1234567.5;
    layout.PlotYMin = -1;
    layout.PlotYMax = 1;
    layout.YScale = 0.5;
    const LimitsReport report = MakeLimitsReport(layout, SheetSize{9999.994, -99.9});
    for (std::size_t i = 1; i < report.size(); ++i) EXPECT_EQ(report[i].size(), 60U) << i;
}

TEST(MakeLimitsReport, WideValuesWidenTheLineInsteadOfBeingCut) {
    MapLayout layout;
    layout.PlotXMax = 1e15;
    const LimitsReport report = MakeLimitsReport(layout, SheetSize{});
    EXPECT_NE(report[6].find("1000000000000000.0"), std::string::npos) << report[6];
}

}  // namespace
}  // namespace quadrel
