// The grid set as the drawing reads it: its texts converted once, in the
// order the drawing has always read them, so that the first text that is no
// number stops the drawing with the same message as ever.
#pragma once

#include <string>

#include "model/grid_shape.h"
#include "model/set_store.h"

namespace quadrel {

// One axis of the grid.
struct SheetAxis {
    double Min = 0;
    double Max = 0;
    double Grid = 0;  // the spacing as given, which may be negative
    int Add = 0;      // not 0: the lines stand at Min plus multiples of the spacing
    double Const = 0;
    int LabelDecimals = 0;  // from the texts of the limits
    std::string Title;
};

// What the grid draws from: both axes, the cutting borders in sheet inches
// and the separator its labels are written with.
struct SheetGrid {
    SheetAxis X;
    SheetAxis Y;
    double CutLeft = 0, CutRight = 0, CutTop = 0, CutBottom = 0;
    char DecimalSeparator = '.';
};

// The ticks along one pair of opposite edges: left and right (marking Y
// values), or lower and upper (marking X values). Only a type from 1 to 4
// draws ticks, and only then are the other values read.
struct SheetTicks {
    int Type = 0;
    double LowLength = 0;   // sheet inches: the left or the lower edge's
    double HighLength = 0;  // the right or the upper edge's
    double Start = 0, End = 0, Spacing = 0;
    int LabelDecimals = 0;  // from the texts of start and end
};

bool HasTicks(const SheetTicks& ticks);

struct Sheet {
    SheetGrid Grid;
    double NorthArrowSize = 0;      // 0 or less: no north arrow
    double NorthArrowDistance = 0;  // read only for an arrow that is drawn
    std::string NorthArrowCorner;
    SheetTicks HorizontalTicks;
    SheetTicks VerticalTicks;
};

// Throw ConversionError naming the text and the field.
SheetGrid ReadSheetGrid(const GridSet& set, char decimalSeparator);
Sheet ReadSheet(const GridSet& set, char decimalSeparator);

}  // namespace quadrel
