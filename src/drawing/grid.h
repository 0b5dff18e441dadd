// The coordinate grid on the layer "Grid": the grid border and lines, the
// labels and axis titles on all four sides, the outer border and the
// cutting marks.
#pragma once

#include <string_view>

#include "drawing/drawing_sink.h"
#include "drawing/sheet.h"
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

// Draws from the sheet's grid values and the layout's scales, border and
// extents. `titleDecimals` is the precision of the axis titles' and cutting
// marks' coordinates.
void WriteGrid(DrawingSink& sink, const SheetGrid& grid, const MapLayout& layout,
               int titleDecimals);

}  // namespace quadrel
