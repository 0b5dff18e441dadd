#include "drawing/tick_marks.h"

#include <cmath>
#include <string>

#include "base/text.h"
#include "drawing/labels.h"
#include "drawing/steps.h"

namespace quadrel {
namespace {

constexpr int TickDecimals = 3;
constexpr double TickTextInches = 0.1;

enum TickType { LabelsAbove = 1, LabelsBeside = 2, LabelsBelow = 3, TicksOnly = 4 };

// The two pairs of opposite edges: the horizontal ticks on the left and
// right edges mark Y values; the vertical ticks on the lower and upper edges
// mark X values.
enum class TickDirection { Horizontal, Vertical };

// One pair of edges, ready to draw.
struct TickSide {
    std::string_view Layer;
    bool Vertical = false;
    int Type = 0;
    double Start = 0, End = 0, Spacing = 0;
    double Grid = 0;   // ticks on grid lines are left out
    double Const = 0;  // added to the labels
    int Decimals = 0;
    double LowEdge = 0, HighEdge = 0;      // XMin and XMax, or YMin and YMax
    double LowLength = 0, HighLength = 0;  // drawing units: left and right, or bottom and top
};

// One edge: where it lies, how its ticks point and where their labels go.
struct TickEdge {
    std::string_view Comment;
    double Position = 0;     // XMin, XMax, YMin or YMax
    double Length = 0;       // drawing units, signed towards the grid's inside
    double LabelAcross = 0;  // label offset from the edge, across it
    double LabelAlong = 0;   // label offset from the tick, along the edge
    // Labels that end short of the edge move back by their length in this
    // unit (tX or tY); 0 for labels that start at the edge.
    double LabelLengthUnit = 0;
};

// The ticks' own values with those of the grid they stand on: the edges
// across them, and the spacing and constant of the axis they mark.
TickSide SideOf(const Sheet& sheet, TickDirection direction, double unitsPerInch) {
    const bool vertical = direction == TickDirection::Vertical;
    const SheetTicks& ticks = vertical ? sheet.VerticalTicks : sheet.HorizontalTicks;
    const SheetAxis& across = vertical ? sheet.Grid.Y : sheet.Grid.X;
    const SheetAxis& marked = vertical ? sheet.Grid.X : sheet.Grid.Y;
    TickSide side;
    side.Vertical = vertical;
    side.Type = ticks.Type;
    side.Layer = vertical ? VerticalTicksLayer : HorizontalTicksLayer;
    side.LowLength = ticks.LowLength * unitsPerInch;
    side.HighLength = ticks.HighLength * unitsPerInch;
    side.Start = ticks.Start;
    side.End = ticks.End;
    side.Spacing = ticks.Spacing;
    side.LowEdge = across.Min;
    side.HighEdge = across.Max;
    side.Grid = marked.Grid;
    side.Const = marked.Const;
    side.Decimals = ticks.LabelDecimals;
    return side;
}

void WriteEdge(DrawingSink& sink, const TickSide& side, const TickEdge& edge, double textHeight,
               char separator) {
    if (!(std::fabs(edge.Length) > 0) || !(side.Spacing > 0)) return;
    sink.WriteComment(edge.Comment);
    const Pen tickPen{side.Layer, TickDecimals};
    const Pen labelPen{side.Layer, side.Decimals};
    ForEachStep(side.Start, side.End, side.Spacing, [&](double value) {
        if (std::fmod(value, side.Grid) == 0) return;  // a grid line lies here
        const double inner = edge.Position + edge.Length;
        if (side.Vertical) {
            sink.WriteLine(tickPen, {value, edge.Position}, {value, inner});
        } else {
            sink.WriteLine(tickPen, {edge.Position, value}, {inner, value});
        }
        if (side.Type == TicksOnly) return;
        const std::string label = LabelText(value + side.Const, side.Decimals, separator);
        const double across = edge.Position + edge.LabelAcross -
                              static_cast<double>(CharacterCount(label)) * edge.LabelLengthUnit;
        const double along = value + edge.LabelAlong;
        if (side.Vertical) {
            sink.WriteText(labelPen, {along, across}, label, textHeight, 90);
        } else {
            sink.WriteText(labelPen, {across, along}, label, textHeight, 0);
        }
    });
}

// Labels above (1), beside (2) or below (3) the tick; for the turned labels
// of the vertical ticks, to its left, beside it or to its right.
double LabelAlongOffset(const TickSide& side, double tX, double tY) {
    if (side.Vertical) {
        return side.Type == LabelsAbove    ? -0.5 * tX
               : side.Type == LabelsBeside ? 0.5 * tX
                                           : 1.5 * tX;
    }
    return side.Type == LabelsAbove ? 0.5 * tY : side.Type == LabelsBeside ? -0.5 * tY : -1.5 * tY;
}

// Beside the tick the label starts beyond its inner end.
double LabelAcrossOffset(const TickSide& side, double text, double length) {
    return side.Type == LabelsBeside ? 0.5 * text + length : 0.5 * text;
}

void WriteSide(DrawingSink& sink, const TickSide& side, double tX, double tY, char separator) {
    // Across the edge, labels are measured in tX on the left and right edges
    // and in tY on the lower and upper ones.
    const double acrossText = side.Vertical ? tY : tX;
    const double along = LabelAlongOffset(side, tX, tY);
    const TickEdge low{
        side.Vertical ? "=== Vertical ticks: LOWER side" : "=== Horizontal ticks: LEFT side",
        side.LowEdge,
        side.LowLength,
        LabelAcrossOffset(side, acrossText, side.LowLength),
        along,
        0};
    const TickEdge high{
        side.Vertical ? "=== Vertical ticks: UPPER side" : "=== Horizontal ticks: RIGHT side",
        side.HighEdge,
        -side.HighLength,
        -LabelAcrossOffset(side, acrossText, side.HighLength),
        along,
        acrossText};
    WriteEdge(sink, side, low, tY, separator);
    WriteEdge(sink, side, high, tY, separator);
}

}  // namespace

void WriteTickMarks(DrawingSink& sink, const Sheet& sheet, const MapLayout& layout) {
    // A type beyond 4 can only have been typed since the set was shown; it
    // draws nothing, as 0 does.
    const double tX = TickTextInches * layout.XUnitsPerInch;
    const double tY = TickTextInches * layout.YUnitsPerInch;
    const char separator = sheet.Grid.DecimalSeparator;
    if (HasTicks(sheet.HorizontalTicks)) {
        WriteSide(sink, SideOf(sheet, TickDirection::Horizontal, layout.XUnitsPerInch), tX, tY,
                  separator);
    }
    if (HasTicks(sheet.VerticalTicks)) {
        WriteSide(sink, SideOf(sheet, TickDirection::Vertical, layout.YUnitsPerInch), tX, tY,
                  separator);
    }
}

}  // namespace quadrel
