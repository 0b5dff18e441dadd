#include "drawing/grid.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "base/text.h"
#include "drawing/labels.h"
#include "drawing/steps.h"

namespace quadrel {
namespace {

constexpr Pen GridLinePen{GridLayer, 3};
constexpr double MaxLabelHeightInches = 0.1;

// One axis of the grid, ready to draw.
struct Axis {
    double Min = 0;
    double Max = 0;
    double Spacing = 0;  // made positive: every loop steps upward
    double Const = 0;
    int Decimals = 0;
    std::string_view Title;
    GridLines Lines;
};

Axis AxisOf(const SheetAxis& sheet) {
    Axis axis;
    axis.Min = sheet.Min;
    axis.Max = sheet.Max;
    axis.Spacing = std::fabs(sheet.Grid);
    axis.Const = sheet.Const;
    axis.Decimals = sheet.LabelDecimals;
    axis.Title = sheet.Title;
    axis.Lines = GridLineRange(sheet.Add, axis.Spacing, axis.Min, axis.Max);
    return axis;
}

double TextLength(std::string_view text) {
    return static_cast<double>(CharacterCount(text));
}

// Where the labels stand relative to the grid edges, in drawing units. With
// a border they stand outside the grid, in the border; without one (or with
// a negative one) just inside the grid edge.
struct LabelOffsets {
    double LeftX, LeftY, RightX, RightY, YMaxY, XMinX, TopX, TopY, BottomX, BottomY;
};

LabelOffsets OffsetsFor(bool bordered, double tX, double tY) {
    if (bordered) {
        return {-0.5 * tX, -0.5 * tY, 0.5 * tX, -0.5 * tY, -0.5 * tY,
                0.5 * tX,  0.5 * tX,  0.5 * tY, 0.5 * tX,  -0.5 * tY};
    }
    return {1.5 * tX, 0.5 * tY,  -1.5 * tX, 0.5 * tY,  -1.5 * tY,
            1.5 * tX, -0.5 * tX, -1.5 * tY, -0.5 * tX, 1.5 * tY};
}

// The sides of the grid: the Y labels and title stand left and right, the
// X labels and title at the top and the bottom.
enum class GridSide { Left, Right, Top, Bottom };

// Everything the steps of the grid share.
struct GridContext {
    DrawingSink& Sink;
    Axis X;
    Axis Y;
    bool Bordered = false;
    double TX = 0, TY = 0;  // label heights along X and Y, drawing units
    double Bx0 = 0, Bx1 = 0, By0 = 0, By1 = 0;
    LabelOffsets Offsets{};
    int TitleDecimals = 1;
    char Separator = '.';

    std::string Label(const Axis& axis, double value) const {
        return LabelText(value + axis.Const, axis.Decimals, Separator);
    }
};

// The label height in sheet inches: as large as fits the border next to the
// longest label, at most 0.1 inch.
double LabelHeightInches(const Axis& x, const Axis& y, double border, char separator) {
    if (!(border > 0)) return MaxLabelHeightInches;
    const auto longest = [separator](const Axis& axis) {
        const double value =
            std::max(std::fabs(axis.Min + axis.Const), std::fabs(axis.Max + axis.Const));
        return TextLength(LabelText(value, axis.Decimals, separator));
    };
    const double m = std::max(longest(x), longest(y));
    return std::min(border / (m + 1.0 + 0.5), MaxLabelHeightInches);
}

enum class LabelKind { Minimum, Interior, Maximum };

// Calls visit(value, kind) for the minimum, the interior lines and the
// maximum of an axis.
template <typename Visit>
void ForEachLabelValue(const Axis& axis, Visit&& visit) {
    visit(axis.Min, LabelKind::Minimum);
    if (axis.Lines.Ok) {
        ForEachStep(axis.Lines.First, axis.Lines.Last, axis.Spacing,
                    [&](double value) { visit(value, LabelKind::Interior); });
    }
    visit(axis.Max, LabelKind::Maximum);
}

void WriteYLabels(const GridContext& grid, GridSide side) {
    const LabelOffsets& o = grid.Offsets;
    const bool left = side == GridSide::Left;
    const Pen pen{GridLayer, grid.Y.Decimals};
    ForEachLabelValue(grid.Y, [&](double value, LabelKind kind) {
        const std::string text = grid.Label(grid.Y, value);
        const double length = TextLength(text) * grid.TX;
        double x = left ? grid.X.Min + o.LeftX : grid.X.Max + o.RightX;
        // The label ends at the grid edge: outside it with a border on the
        // left, inside it without one on the right.
        if (left == grid.Bordered) x -= length;
        const double y =
            kind == LabelKind::Maximum ? grid.Y.Max + o.YMaxY : value + (left ? o.LeftY : o.RightY);
        grid.Sink.WriteText(pen, {x, y}, text, grid.TY, 0);
    });
}

void WriteYAxisTitle(const GridContext& grid, GridSide side) {
    const double x = side == GridSide::Left ? grid.Bx0 + 1.5 * grid.TX : grid.Bx1 - 0.5 * grid.TX;
    const double y = (grid.By0 + grid.By1 - TextLength(grid.Y.Title) * grid.TY) * 0.5;
    grid.Sink.WriteText({GridLayer, grid.TitleDecimals}, {x, y}, grid.Y.Title, grid.TY, 90);
}

void WriteXLabels(const GridContext& grid, GridSide side) {
    const LabelOffsets& o = grid.Offsets;
    const bool top = side == GridSide::Top;
    const Pen pen{GridLayer, grid.X.Decimals};
    ForEachLabelValue(grid.X, [&](double value, LabelKind kind) {
        const std::string text = grid.Label(grid.X, value);
        const double length = TextLength(text) * grid.TY;
        const double x =
            kind == LabelKind::Minimum ? grid.X.Min + o.XMinX : value + (top ? o.TopX : o.BottomX);
        double y = top ? grid.Y.Max + o.TopY : grid.Y.Min + o.BottomY;
        // The turned label ends at the grid edge, as on the Y sides.
        if (top != grid.Bordered) y -= length;
        grid.Sink.WriteText(pen, {x, y}, text, grid.TX, 90);
    });
}

void WriteXAxisTitle(const GridContext& grid, GridSide side) {
    const double x = (grid.Bx0 + grid.Bx1 - TextLength(grid.X.Title) * grid.TX) * 0.5;
    const double y = side == GridSide::Top ? grid.By1 - 1.5 * grid.TY : grid.By0 + 0.5 * grid.TY;
    grid.Sink.WriteText({GridLayer, grid.TitleDecimals}, {x, y}, grid.X.Title, grid.TX, 0);
}

// Three-vertex corners at the drawing's extents, their arms aX and aY long.
void WriteCuttingMarks(DrawingSink& sink, const MapLayout& layout, const Pen& pen) {
    const double aX = 0.5 * layout.XUnitsPerInch, aY = 0.5 * layout.YUnitsPerInch;
    const double x0 = layout.PlotXMin, x1 = layout.PlotXMax;
    const double y0 = layout.PlotYMin, y1 = layout.PlotYMax;
    const Point marks[4][3] = {
        {{x0 + aX, y0}, {x0, y0}, {x0, y0 + aY}},  // lower left
        {{x0, y1 - aY}, {x0, y1}, {x0 + aX, y1}},  // upper left
        {{x1 - aX, y1}, {x1, y1}, {x1, y1 - aY}},  // upper right
        {{x1, y0 + aY}, {x1, y0}, {x1 - aX, y0}},  // lower right
    };
    for (const auto& mark : marks) {
        sink.BeginPolyline(pen);
        for (const Point& at : mark) sink.WriteVertex(at);
        sink.EndPolyline();
    }
}

// The grid border and the interior horizontal and vertical lines.
void WriteGridLines(DrawingSink& sink, const Axis& x, const Axis& y) {
    sink.WriteComment("=== Border surrounding the grid");
    sink.BeginPolyline(GridLinePen);
    for (const Point& at : {Point{x.Min, y.Min}, Point{x.Min, y.Max}, Point{x.Max, y.Max},
                            Point{x.Max, y.Min}, Point{x.Min, y.Min}}) {
        sink.WriteVertex(at);
    }
    sink.EndPolyline();

    if (y.Lines.Ok) {
        sink.WriteComment("=== Horizontal lines");
        ForEachStep(y.Lines.First, y.Lines.Last, y.Spacing, [&](double value) {
            sink.WriteLine(GridLinePen, {x.Min, value}, {x.Max, value});
        });
    }
    if (x.Lines.Ok) {
        sink.WriteComment("=== Vertical lines");
        ForEachStep(x.Lines.First, x.Lines.Last, x.Spacing, [&](double value) {
            sink.WriteLine(GridLinePen, {value, y.Max}, {value, y.Min});
        });
    }
}

}  // namespace

GridLines GridLineRange(int add, double spacing, double min, double max) {
    if (min > max) std::swap(min, max);
    const double s = std::fabs(spacing);
    GridLines lines;
    if (s == 0) return lines;
    double first = add != 0 ? min : (std::floor(min / s) + 1) * s;
    if (first == min) first = first + s;
    double last = add != 0 ? std::floor((max - min) / s) * s + min : std::floor(max / s) * s;
    if (last >= max) last = last - s;
    lines.Ok = first < max && last > min;
    lines.First = first;
    lines.Last = last;
    return lines;
}

void WriteGrid(DrawingSink& sink, const SheetGrid& sheet, const MapLayout& layout,
               int titleDecimals) {
    const double border = layout.BorderSize;
    GridContext grid{sink, AxisOf(sheet.X), AxisOf(sheet.Y)};
    grid.Bordered = border > 0;
    grid.TitleDecimals = titleDecimals;
    grid.Separator = sheet.DecimalSeparator;
    grid.Bx0 = grid.X.Min - layout.XUnitsPerInch * border;
    grid.Bx1 = grid.X.Max + layout.XUnitsPerInch * border;
    grid.By0 = grid.Y.Min - layout.YUnitsPerInch * border;
    grid.By1 = grid.Y.Max + layout.YUnitsPerInch * border;
    const double h = LabelHeightInches(grid.X, grid.Y, border, grid.Separator);
    grid.TX = h * layout.XUnitsPerInch;
    grid.TY = h * layout.YUnitsPerInch;
    grid.Offsets = OffsetsFor(grid.Bordered, grid.TX, grid.TY);

    if (grid.Bordered) {
        sink.WriteComment("=== Border encompassing the plot");
        sink.WriteRectangle(GridLayer, {grid.Bx0, grid.By0}, {grid.Bx1, grid.By1});
    }
    WriteGridLines(sink, grid.X, grid.Y);
    for (const GridSide side : {GridSide::Left, GridSide::Right}) {
        WriteYLabels(grid, side);
        WriteYAxisTitle(grid, side);
    }
    for (const GridSide side : {GridSide::Top, GridSide::Bottom}) {
        WriteXLabels(grid, side);
        WriteXAxisTitle(grid, side);
    }
    const double cuts[] = {sheet.CutLeft, sheet.CutRight, sheet.CutTop, sheet.CutBottom};
    if (std::any_of(std::begin(cuts), std::end(cuts), [](double cut) { return cut > 0; })) {
        WriteCuttingMarks(sink, layout, {GridLayer, titleDecimals});
    }
}

}  // namespace quadrel
