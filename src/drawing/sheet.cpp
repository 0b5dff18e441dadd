#include "drawing/sheet.h"

#include "drawing/field_values.h"
#include "drawing/labels.h"

namespace quadrel {
namespace {

enum TickType { NoTicks = 0, TicksOnly = 4 };

SheetAxis ReadAxis(const GridSet& set, const AxisFields& fields, char separator) {
    SheetAxis axis;
    axis.Min = FieldNumber(set, fields.Min, separator);
    axis.Max = FieldNumber(set, fields.Max, separator);
    axis.Grid = FieldNumber(set, fields.Grid, separator);
    axis.Const = FieldNumber(set, fields.Const, separator);
    axis.Add = FieldInteger(set, fields.Add);
    axis.LabelDecimals = LabelDecimals(set.*fields.Min, set.*fields.Max);
    axis.Title = set.*fields.Title;
    return axis;
}

// The lengths, range and spacing, read only for a type that draws ticks.
void ReadTickValues(const GridSet& set, const TickSideFields& fields, char separator,
                    SheetTicks& ticks) {
    if (!HasTicks(ticks)) return;
    ticks.LowLength = FieldNumber(set, fields.LowLength(), separator);
    ticks.HighLength = FieldNumber(set, fields.HighLength(), separator);
    ticks.Start = FieldNumber(set, fields.Start, separator);
    ticks.End = FieldNumber(set, fields.End, separator);
    ticks.Spacing = FieldNumber(set, fields.Spacing, separator);
    ticks.LabelDecimals = LabelDecimals(set.*fields.Start, set.*fields.End);
}

}  // namespace

bool HasTicks(const SheetTicks& ticks) {
    return ticks.Type > NoTicks && ticks.Type <= TicksOnly;
}

SheetGrid ReadSheetGrid(const GridSet& set, char decimalSeparator) {
    SheetGrid grid;
    grid.X = ReadAxis(set, XAxisFields, decimalSeparator);
    grid.Y = ReadAxis(set, YAxisFields, decimalSeparator);
    double* cuts[] = {&grid.CutLeft, &grid.CutRight, &grid.CutTop, &grid.CutBottom};
    for (std::size_t k = 0; k < CutFields.size(); ++k) {
        *cuts[k] = FieldNumber(set, CutFields[k], decimalSeparator);
    }
    grid.DecimalSeparator = decimalSeparator;
    return grid;
}

// The grid first, then the north arrow, then the ticks: the order in which
// the sheet is drawn.
Sheet ReadSheet(const GridSet& set, char decimalSeparator) {
    Sheet sheet;
    sheet.Grid = ReadSheetGrid(set, decimalSeparator);
    sheet.NorthArrowCorner = set.NorthArrowCorner;
    sheet.NorthArrowSize = FieldNumber(set, &GridSet::NorthArrowSize, decimalSeparator);
    if (sheet.NorthArrowSize > 0) {
        sheet.NorthArrowDistance = FieldNumber(set, &GridSet::NorthArrowDistance, decimalSeparator);
    }
    sheet.HorizontalTicks.Type = FieldInteger(set, HorizontalTickFields.Type);
    sheet.VerticalTicks.Type = FieldInteger(set, VerticalTickFields.Type);
    // The vertical ticks have always been read first.
    ReadTickValues(set, VerticalTickFields, decimalSeparator, sheet.VerticalTicks);
    ReadTickValues(set, HorizontalTickFields, decimalSeparator, sheet.HorizontalTicks);
    return sheet;
}

}  // namespace quadrel
