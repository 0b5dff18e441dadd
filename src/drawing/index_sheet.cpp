#include "drawing/index_sheet.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "base/numbers.h"
#include "base/text.h"
#include "drawing/grid.h"

namespace quadrel {
namespace {

// Room for the grid's labels round the index, and the height of the sheets'
// labels, in inches on the index.
constexpr double IndexBorderIn = 1.0;
constexpr double SheetLabelHeightIn = 0.2;
// About this many grid intervals along the longer side, and a margin of this
// share of it, so that no outline lies on the grid's own border.
constexpr double GridIntervals = 8;
constexpr double MarginShare = 0.05;
constexpr int IndexTitleDecimals = 1;
// The sheets' labels are placed as their outlines are.
constexpr Pen IndexPen{IndexLayer, RectangleDecimals};

// The smallest of `steps` times a power of ten that is at least `value`.
double RoundUp(double value, std::initializer_list<double> steps) {
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (const double step : steps) {
        if (step * power >= value) return step * power;
    }
    return 10 * power;
}

// A limit's text for the grid, whose labels take as many decimals as the
// limits' texts show after the point (every digit when there is none).
std::string LimitText(double value, int decimals) {
    std::string text = FormatFixed(value + 0.0, decimals);
    if (decimals == 0) text += '.';
    return text;
}

SheetExtents Union(const std::vector<IndexEntry>& sheets) {
    SheetExtents all = sheets.front().Limits;
    for (const IndexEntry& sheet : sheets) {
        all.XMin = std::min(all.XMin, sheet.Limits.XMin);
        all.YMin = std::min(all.YMin, sheet.Limits.YMin);
        all.XMax = std::max(all.XMax, sheet.Limits.XMax);
        all.YMax = std::max(all.YMax, sheet.Limits.YMax);
    }
    return all;
}

GridSet IndexGridSet(const IndexAxes& axes) {
    GridSet grid;
    grid.Description = "Index of the series";
    grid.ImpMet = axes.Metric ? "M" : "I";
    grid.XAxisTitle = axes.XAxisTitle;
    grid.YAxisTitle = axes.YAxisTitle;
    grid.XAdd = grid.YAdd = "0";
    grid.XConst = axes.XConst;
    grid.YConst = axes.YConst;
    grid.BorderSize = FormatFixed(IndexBorderIn, 1);
    grid.CutLeft = grid.CutRight = grid.CutTop = grid.CutBottom = "0.000";
    grid.TitleBlockFlag = "N";
    return grid;
}

// Set number and description inside the outline's upper-left corner: the
// number as large as fits the outline but no larger than SheetLabelHeightIn,
// the description no larger than the number, and smaller if it is long.
void WriteSheetLabel(DrawingSink& sink, const IndexEntry& sheet, double unitsPerInch) {
    const std::string number = "Set " + std::to_string(sheet.Set);
    const SheetExtents& r = sheet.Limits;
    const double width = r.XMax - r.XMin;
    const auto length = [](const std::string& text) {
        return static_cast<double>(CharacterCount(text)) * IndexCharacterWidth;
    };
    // Half a character from the edges, half a line below the top and
    // between the lines.
    const double numberHeight = std::min({SheetLabelHeightIn * unitsPerInch, (r.YMax - r.YMin) / 4,
                                          width / (length(number) + IndexCharacterWidth)});
    const double margin = 0.5 * numberHeight * IndexCharacterWidth;
    const double y = r.YMax - 1.5 * numberHeight;
    sink.WriteText(IndexPen, {r.XMin + margin, y}, number, numberHeight, 0);
    if (sheet.Description.empty()) return;
    const double height = std::min(numberHeight, (width - 2 * margin) / length(sheet.Description));
    sink.WriteText(IndexPen, {r.XMin + margin, y - 0.5 * numberHeight - height}, sheet.Description,
                   height, 0);
}

}  // namespace

IndexSheet PlanIndexSheet(std::vector<IndexEntry> sheets, const IndexAxes& axes) {
    if (sheets.empty()) throw DrawingError("The index has no sheet to show: no set was drawn.");
    const SheetExtents all = Union(sheets);
    const double extent = std::max(all.XMax - all.XMin, all.YMax - all.YMin);
    if (!std::isfinite(extent) || !std::isfinite(all.XMin + all.YMin) || !(extent > 0)) {
        RefuseNonFiniteValue();
    }
    const double spacing = RoundUp(extent / GridIntervals, {1, 2, 5});
    const int decimals = spacing >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(spacing)));
    const double margin = extent * MarginShare;

    IndexSheet index{IndexGridSet(axes), {}, std::move(sheets)};
    GridSet& grid = index.Grid;
    grid.XMin = LimitText(spacing * std::floor((all.XMin - margin) / spacing), decimals);
    grid.XMax = LimitText(spacing * std::ceil((all.XMax + margin) / spacing), decimals);
    grid.YMin = LimitText(spacing * std::floor((all.YMin - margin) / spacing), decimals);
    grid.YMax = LimitText(spacing * std::ceil((all.YMax + margin) / spacing), decimals);
    grid.XGrid = grid.YGrid = LimitText(spacing, decimals);

    LimitsInput limits;
    limits.Metric = axes.Metric;
    limits.XMin = ToDouble(grid.XMin);
    limits.XMax = ToDouble(grid.XMax);
    limits.YMin = ToDouble(grid.YMin);
    limits.YMax = ToDouble(grid.YMax);
    limits.BorderSize = IndexBorderIn;
    // A wide series goes on a landscape page, a tall one on a portrait page.
    const double width = limits.XMax - limits.XMin;
    const double height = limits.YMax - limits.YMin;
    const bool landscape = width >= height;
    const double room = 2 * IndexBorderIn;
    const double unitsPerInch =
        std::max(width / ((landscape ? IndexPageLongSideIn : IndexPageShortSideIn) - room),
                 height / ((landscape ? IndexPageShortSideIn : IndexPageLongSideIn) - room));
    const double scale =
        RoundUp(axes.Metric ? unitsPerInch / MetresPerInch : unitsPerInch, {1, 2, 2.5, 5});
    limits.XScale = limits.YScale = scale;
    grid.XScale = grid.YScale = FormatFixed(scale, 1);
    ComputeMapLayout(index.Layout, limits);
    return index;
}

void DrawIndexSheet(DrawingSink& sink, const IndexSheet& index) {
    const MapLayout& layout = index.Layout;
    WriteGrid(sink, ReadSheetGrid(index.Grid, '.'), layout, IndexTitleDecimals);
    sink.WriteComment("=== Sheets of the series");
    for (const IndexEntry& sheet : index.Sheets) {
        const SheetExtents& r = sheet.Limits;
        sink.WriteRectangle(IndexLayer, {r.XMin, r.YMin}, {r.XMax, r.YMax});
        WriteSheetLabel(sink, sheet, layout.XUnitsPerInch);
    }
}

}  // namespace quadrel
