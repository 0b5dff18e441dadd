#include "layout/limits_report.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace quadrel {
namespace {

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
