#include "dxf/tick_marks.h"

#include <cmath>
#include <optional>
#include <string>

#include "app/text.h"
#include "dxf/field_values.h"
#include "dxf/labels.h"
#include "dxf/steps.h"

namespace quadrel {
namespace {

constexpr int TickDecimals = 3;
constexpr double TickTextInches = 0.1;

enum TickType { NoTicks = 0, LabelsAbove = 1, LabelsBeside = 2, LabelsBelow = 3, TicksOnly = 4 };

// One pair of opposite edges: the horizontal ticks on the left and right
// edges mark Y values; the vertical ticks on the lower and upper edges mark
// X values.
struct TickSide {
    std::string_view Layer;
    bool Vertical = false;
    int Type = NoTicks;
    double Start = 0, End = 0, Spacing = 0;
    double Grid = 0;   // ticks on grid lines are left out
    double Const = 0;  // added to the labels
    int Decimals = 0;
    double LowEdge = 0, HighEdge = 0;      // XMin and XMax, or YMin and YMax
    double LowLength = 0, HighLength = 0;  // drawing units: left and right, or bottom and top
};

// The fields of one pair of edges.
struct TickFields {
    GridFieldPointer Start, End, Spacing, Grid, Const, LowEdge, HighEdge, LowLength, HighLength;
};

constexpr TickFields HorizontalTickFields{
    &GridSet::HtStart, &GridSet::HtEnd,  &GridSet::HtSpacing,    &GridSet::YGrid,
    &GridSet::YConst,  &GridSet::XMin,   &GridSet::XMax,         &GridSet::HtLengthLeft,
    &GridSet::HtLengthRight};
constexpr TickFields VerticalTickFields{
    &GridSet::VtStart, &GridSet::VtEnd,  &GridSet::VtSpacing,      &GridSet::XGrid,
    &GridSet::XConst,  &GridSet::YMin,   &GridSet::YMax,           &GridSet::VtLengthBottom,
    &GridSet::VtLengthTop};

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

bool HasTicks(int type) { return type >= LabelsAbove && type <= TicksOnly; }

TickSide ReadSide(const GridSet& set, bool vertical, int type, double unitsPerInch, char separator) {
    const TickFields& fields = vertical ? VerticalTickFields : HorizontalTickFields;
    const auto number = [&](GridFieldPointer field) { return FieldNumber(set, field, separator); };
    TickSide side;
    side.Vertical = vertical;
    side.Type = type;
    side.Layer = vertical ? VerticalTicksLayer : HorizontalTicksLayer;
    side.LowLength = number(fields.LowLength) * unitsPerInch;
    side.HighLength = number(fields.HighLength) * unitsPerInch;
    side.Start = number(fields.Start);
    side.End = number(fields.End);
    side.Spacing = number(fields.Spacing);
    side.LowEdge = number(fields.LowEdge);
    side.HighEdge = number(fields.HighEdge);
    side.Grid = number(fields.Grid);
    side.Const = number(fields.Const);
    side.Decimals = LabelDecimals(set.*fields.Start, set.*fields.End);
    return side;
}

void WriteEdge(DrawingSink& sink, const TickSide& side, const TickEdge& edge, double textHeight,
               char separator) {
    if (!(std::fabs(edge.Length) > 0) || !(side.Spacing > 0)) return;
    sink.WriteComment(edge.Comment);
    ForEachStep(side.Start, side.End, side.Spacing, [&](double value) {
        if (std::fmod(value, side.Grid) == 0) return;  // a grid line lies here
        const double inner = edge.Position + edge.Length;
        if (side.Vertical) {
            sink.WriteLine(value, edge.Position, 0, value, inner, 0, side.Layer, TickDecimals);
        } else {
            sink.WriteLine(edge.Position, value, 0, inner, value, 0, side.Layer, TickDecimals);
        }
        if (side.Type == TicksOnly) return;
        const std::string label = LabelText(value + side.Const, side.Decimals, separator);
        const double across = edge.Position + edge.LabelAcross -
                              static_cast<double>(CharacterCount(label)) * edge.LabelLengthUnit;
        const double along = value + edge.LabelAlong;
        if (side.Vertical) {
            sink.WriteText(side.Layer, label, along, across, 0, side.Decimals, textHeight, 90);
        } else {
            sink.WriteText(side.Layer, label, across, along, 0, side.Decimals, textHeight, 0);
        }
    });
}

// Labels above (1), beside (2) or below (3) the tick; for the turned labels
// of the vertical ticks, to its left, beside it or to its right.
double LabelAlongOffset(const TickSide& side, double tX, double tY) {
    if (side.Vertical) {
        return side.Type == LabelsAbove ? -0.5 * tX : side.Type == LabelsBeside ? 0.5 * tX : 1.5 * tX;
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
    const TickEdge low{side.Vertical ? "=== Vertical ticks: LOWER side" : "=== Horizontal ticks: LEFT side",
                       side.LowEdge, side.LowLength,
                       LabelAcrossOffset(side, acrossText, side.LowLength), along, 0};
    const TickEdge high{side.Vertical ? "=== Vertical ticks: UPPER side" : "=== Horizontal ticks: RIGHT side",
                        side.HighEdge, -side.HighLength,
                        -LabelAcrossOffset(side, acrossText, side.HighLength), along, acrossText};
    WriteEdge(sink, side, low, tY, separator);
    WriteEdge(sink, side, high, tY, separator);
}

}  // namespace

void WriteTickMarks(DrawingSink& sink, const GridSet& set, double xUnitsPerInch,
                    double yUnitsPerInch, char decimalSeparator) {
    // A type beyond 4 can only have been typed since the set was shown; it
    // draws nothing, as 0 does.
    const int horizontalType = FieldInteger(set, &GridSet::HtPosition);
    const int verticalType = FieldInteger(set, &GridSet::VtPosition);
    if (!HasTicks(horizontalType) && !HasTicks(verticalType)) return;

    std::optional<TickSide> vertical;
    std::optional<TickSide> horizontal;
    if (HasTicks(verticalType)) {
        vertical = ReadSide(set, true, verticalType, yUnitsPerInch, decimalSeparator);
    }
    if (HasTicks(horizontalType)) {
        horizontal = ReadSide(set, false, horizontalType, xUnitsPerInch, decimalSeparator);
    }
    const double tX = TickTextInches * xUnitsPerInch;
    const double tY = TickTextInches * yUnitsPerInch;
    if (horizontal) WriteSide(sink, *horizontal, tX, tY, decimalSeparator);
    if (vertical) WriteSide(sink, *vertical, tX, tY, decimalSeparator);
}

}  // namespace quadrel
