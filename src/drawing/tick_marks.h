// Tick marks with their labels along the grid edges: horizontal ticks on the
// left and right edges (layer "HTicks"), vertical ticks on the lower and
// upper edges (layer "VTicks").
#pragma once

#include <string_view>

#include "drawing/drawing_sink.h"
#include "drawing/sheet.h"
#include "layout/map_layout.h"

namespace quadrel {

inline constexpr std::string_view HorizontalTicksLayer = "HTicks";
inline constexpr std::string_view VerticalTicksLayer = "VTicks";

// Draws the sheet's ticks along the edges of its grid. A spacing of 0 or
// less draws no ticks on its edges.
void WriteTickMarks(DrawingSink& sink, const Sheet& sheet, const MapLayout& layout);

}  // namespace quadrel
