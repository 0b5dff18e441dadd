#include "layout/limits_report.h"

#include "base/numbers.h"

namespace quadrel {
namespace {

constexpr double CentimetresPerInch = 2.54;

// "%12.1lf %12.1lf %10.2lf %7.2lf %7.1lf" behind the axis caption.
std::string AxisLine(std::string_view caption, double minimum, double maximum, double scale,
                     double inches) {
    std::string line(caption);
    line += FormatFixed(minimum, 12, 1);
    line += ' ';
    line += FormatFixed(maximum, 12, 1);
    line += ' ';
    line += FormatFixed(scale, 10, 2);
    line += ' ';
    line += FormatFixed(inches, 7, 2);
    line += ' ';
    line += FormatFixed(inches * CentimetresPerInch, 7, 1);
    return line;
}

}  // namespace

LimitsReport MakeLimitsReport(const MapLayout& layout, const SheetSize& sheet) {
    return {
        "Map Limits",
        std::string(60, '='),
        std::string(46, ' ') + "---- Size ----",
        "             Minimum      Maximum      Scale     in.     cm.",
        "             -------      -------      -----    ----    ----",
        AxisLine("Y-Axis: ", layout.PlotYMin, layout.PlotYMax, layout.YScale, sheet.HeightInches),
        AxisLine("X-Axis: ", layout.PlotXMin, layout.PlotXMax, layout.XScale, sheet.WidthInches),
    };
}

}  // namespace quadrel
