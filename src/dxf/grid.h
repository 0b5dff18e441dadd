// The coordinate grid on the layer "Grid": the grid border and lines, the
// labels and axis titles on all four sides, the outer border and the
// cutting marks.
#pragma once

#include <string_view>

#include "app/set_store.h"
#include "dxf/drawing_sink.h"
#include "layout/map_layout.h"

namespace quadrel {

inline constexpr std::string_view GridLayer = "Grid";

struct GridLines {
    bool Ok = false;  // some interior line lies strictly between min and max
    double First = 0;
    double Last = 0;
};

// The interior grid lines between min and max: multiples of the spacing, or,
// with add not 0, min plus multiples of it.
GridLines GridLineRange(int add, double spacing, double min, double max);

// The grid border and the interior horizontal and vertical lines.
void WriteGridLines(DrawingSink& sink, bool yOk, bool xOk, double xMin, double xMax, double xGrid,
                    double xFirst, double xLast, double yMin, double yMax, double yGrid,
                    double yFirst, double yLast);

// Reads the grid values from the set's texts (converted with the decimal
// separator; ConversionError for a text that is no number) and the drawing
// extents from the layout. `titleDecimals` is the precision of the axis
// titles' and cutting marks' coordinates.
void WriteGrid(DrawingSink& sink, const GridSet& grid, const MapLayout& layout,
               double xUnitsPerInch, double yUnitsPerInch, double borderSize, int titleDecimals,
               char decimalSeparator);

}  // namespace quadrel
