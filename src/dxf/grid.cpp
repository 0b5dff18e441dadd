#include "dxf/grid.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "app/text.h"
#include "dxf/field_values.h"
#include "dxf/labels.h"
#include "dxf/steps.h"

namespace quadrel {
namespace {

constexpr int GridDecimals = 3;
constexpr double MaxLabelHeightInches = 0.1;

// One axis of the grid, as read from the set's texts.
struct Axis {
    double Min = 0;
    double Max = 0;
    double Spacing = 0;  // made positive: every loop steps upward
    double Const = 0;
    int Decimals = 0;
    std::string Title;
    GridLines Lines;
};

// The fields of one axis of a grid set.
struct AxisFields {
    GridFieldPointer Min, Max, Grid, Add, Const, Title;
};

constexpr AxisFields XAxisFields{&GridSet::XMin,   &GridSet::XMax,   &GridSet::XGrid,
                                 &GridSet::XAdd,   &GridSet::XConst, &GridSet::XAxisTitle};
constexpr AxisFields YAxisFields{&GridSet::YMin,   &GridSet::YMax,   &GridSet::YGrid,
                                 &GridSet::YAdd,   &GridSet::YConst, &GridSet::YAxisTitle};

Axis ReadAxis(const GridSet& set, const AxisFields& fields, char separator) {
    Axis axis;
    axis.Min = FieldNumber(set, fields.Min, separator);
    axis.Max = FieldNumber(set, fields.Max, separator);
    axis.Spacing = std::fabs(FieldNumber(set, fields.Grid, separator));
    axis.Const = FieldNumber(set, fields.Const, separator);
    axis.Decimals = LabelDecimals(set.*fields.Min, set.*fields.Max);
    axis.Title = set.*fields.Title;
    axis.Lines = GridLineRange(FieldInteger(set, fields.Add), axis.Spacing, axis.Min, axis.Max);
    return axis;
}

double TextLength(std::string_view text) { return static_cast<double>(CharacterCount(text)); }

// Where the labels stand relative to the grid edges, in drawing units. With
// a border they stand outside the grid, in the border; without one (or with
// a negative one) just inside the grid edge.
struct LabelOffsets {
    double LeftX, LeftY, RightX, RightY, YMaxY, XMinX, TopX, TopY, BottomX, BottomY;
};

LabelOffsets OffsetsFor(bool bordered, double tX, double tY) {
    if (bordered) {
        return {-0.5 * tX, -0.5 * tY, 0.5 * tX,  -0.5 * tY, -0.5 * tY,
                0.5 * tX,  0.5 * tX,  0.5 * tY,  0.5 * tX,  -0.5 * tY};
    }
    return {1.5 * tX,  0.5 * tY,  -1.5 * tX, 0.5 * tY,  -1.5 * tY,
            1.5 * tX,  -0.5 * tX, -1.5 * tY, -0.5 * tX, 1.5 * tY};
}

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
        const double value = std::max(std::fabs(axis.Min + axis.Const), std::fabs(axis.Max + axis.Const));
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

void WriteYLabels(const GridContext& grid, bool left) {
    const LabelOffsets& o = grid.Offsets;
    ForEachLabelValue(grid.Y, [&](double value, LabelKind kind) {
        const std::string text = grid.Label(grid.Y, value);
        const double length = TextLength(text) * grid.TX;
        double x = left ? grid.X.Min + o.LeftX : grid.X.Max + o.RightX;
        // The label ends at the grid edge: outside it with a border on the
        // left, inside it without one on the right.
        if (left == grid.Bordered) x -= length;
        const double y = kind == LabelKind::Maximum ? grid.Y.Max + o.YMaxY : value + (left ? o.LeftY : o.RightY);
        grid.Sink.WriteText(GridLayer, text, x, y, 0, grid.Y.Decimals, grid.TY, 0);
    });
}

void WriteYAxisTitle(const GridContext& grid, bool left) {
    const double x = left ? grid.Bx0 + 1.5 * grid.TX : grid.Bx1 - 0.5 * grid.TX;
    const double y = (grid.By0 + grid.By1 - TextLength(grid.Y.Title) * grid.TY) * 0.5;
    grid.Sink.WriteText(GridLayer, grid.Y.Title, x, y, 0, grid.TitleDecimals, grid.TY, 90);
}

void WriteXLabels(const GridContext& grid, bool top) {
    const LabelOffsets& o = grid.Offsets;
    ForEachLabelValue(grid.X, [&](double value, LabelKind kind) {
        const std::string text = grid.Label(grid.X, value);
        const double length = TextLength(text) * grid.TY;
        const double x = kind == LabelKind::Minimum ? grid.X.Min + o.XMinX
                                                    : value + (top ? o.TopX : o.BottomX);
        double y = top ? grid.Y.Max + o.TopY : grid.Y.Min + o.BottomY;
        // The turned label ends at the grid edge, as on the Y sides.
        if (top != grid.Bordered) y -= length;
        grid.Sink.WriteText(GridLayer, text, x, y, 0, grid.X.Decimals, grid.TX, 90);
    });
}

void WriteXAxisTitle(const GridContext& grid, bool top) {
    const double x = (grid.Bx0 + grid.Bx1 - TextLength(grid.X.Title) * grid.TX) * 0.5;
    const double y = top ? grid.By1 - 1.5 * grid.TY : grid.By0 + 0.5 * grid.TY;
    grid.Sink.WriteText(GridLayer, grid.X.Title, x, y, 0, grid.TitleDecimals, grid.TX, 0);
}

void WriteCuttingMarks(DrawingSink& sink, const MapLayout& layout, double aX, double aY,
                       int decimals) {
    const double x0 = layout.PlotXMin, x1 = layout.PlotXMax;
    const double y0 = layout.PlotYMin, y1 = layout.PlotYMax;
    const std::pair<double, double> marks[4][3] = {
        {{x0 + aX, y0}, {x0, y0}, {x0, y0 + aY}},  // lower left
        {{x0, y1 - aY}, {x0, y1}, {x0 + aX, y1}},  // upper left
        {{x1 - aX, y1}, {x1, y1}, {x1, y1 - aY}},  // upper right
        {{x1, y0 + aY}, {x1, y0}, {x1 - aX, y0}},  // lower right
    };
    for (const auto& mark : marks) {
        sink.BeginPolyline(GridLayer);
        for (const auto& [x, y] : mark) sink.WriteVertex(x, y, 0, GridLayer, decimals);
        sink.EndPolyline(GridLayer);
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

void WriteGridLines(DrawingSink& sink, bool yOk, bool xOk, double xMin, double xMax, double xGrid,
                    double xFirst, double xLast, double yMin, double yMax, double yGrid,
                    double yFirst, double yLast) {
    sink.WriteComment("=== Border surrounding the grid");
    sink.BeginPolyline(GridLayer);
    const std::pair<double, double> corners[] = {
        {xMin, yMin}, {xMin, yMax}, {xMax, yMax}, {xMax, yMin}, {xMin, yMin}};
    for (const auto& [x, y] : corners) sink.WriteVertex(x, y, 0, GridLayer, GridDecimals);
    sink.EndPolyline(GridLayer);

    if (yOk) {
        sink.WriteComment("=== Horizontal lines");
        ForEachStep(yFirst, yLast, std::fabs(yGrid), [&](double y) {
            sink.WriteLine(xMin, y, 0, xMax, y, 0, GridLayer, GridDecimals);
        });
    }
    if (xOk) {
        sink.WriteComment("=== Vertical lines");
        ForEachStep(xFirst, xLast, std::fabs(xGrid), [&](double x) {
            sink.WriteLine(x, yMax, 0, x, yMin, 0, GridLayer, GridDecimals);
        });
    }
}

void WriteGrid(DrawingSink& sink, const GridSet& set, const MapLayout& layout, double xUnitsPerInch,
               double yUnitsPerInch, double borderSize, int titleDecimals, char decimalSeparator) {
    GridContext grid{sink, ReadAxis(set, XAxisFields, decimalSeparator),
                     ReadAxis(set, YAxisFields, decimalSeparator)};
    const double cuts[] = {FieldNumber(set, &GridSet::CutLeft, decimalSeparator),
                           FieldNumber(set, &GridSet::CutRight, decimalSeparator),
                           FieldNumber(set, &GridSet::CutTop, decimalSeparator),
                           FieldNumber(set, &GridSet::CutBottom, decimalSeparator)};
    grid.Bordered = borderSize > 0;
    grid.TitleDecimals = titleDecimals;
    grid.Separator = decimalSeparator;
    grid.Bx0 = grid.X.Min - xUnitsPerInch * borderSize;
    grid.Bx1 = grid.X.Max + xUnitsPerInch * borderSize;
    grid.By0 = grid.Y.Min - yUnitsPerInch * borderSize;
    grid.By1 = grid.Y.Max + yUnitsPerInch * borderSize;
    const double h = LabelHeightInches(grid.X, grid.Y, borderSize, decimalSeparator);
    grid.TX = h * xUnitsPerInch;
    grid.TY = h * yUnitsPerInch;
    grid.Offsets = OffsetsFor(grid.Bordered, grid.TX, grid.TY);

    if (grid.Bordered) {
        sink.WriteComment("=== Border encompassing the plot");
        sink.WriteRectangle(grid.Bx0, grid.By0, grid.Bx1, grid.By1, GridLayer);
    }
    WriteGridLines(sink, grid.Y.Lines.Ok, grid.X.Lines.Ok, grid.X.Min, grid.X.Max, grid.X.Spacing,
                   grid.X.Lines.First, grid.X.Lines.Last, grid.Y.Min, grid.Y.Max, grid.Y.Spacing,
                   grid.Y.Lines.First, grid.Y.Lines.Last);
    WriteYLabels(grid, true);
    WriteYAxisTitle(grid, true);
    WriteYLabels(grid, false);
    WriteYAxisTitle(grid, false);
    WriteXLabels(grid, true);
    WriteXAxisTitle(grid, true);
    WriteXLabels(grid, false);
    WriteXAxisTitle(grid, false);

    if (std::any_of(std::begin(cuts), std::end(cuts), [](double cut) { return cut > 0; })) {
        WriteCuttingMarks(sink, layout, 0.5 * xUnitsPerInch, 0.5 * yUnitsPerInch, titleDecimals);
    }
}

}  // namespace quadrel
